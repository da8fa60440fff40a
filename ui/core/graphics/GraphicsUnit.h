// Start and end of the library's graphics: the system AlphaBlend is bound, the bitmap classes are
// registered and the screen's pixels per inch are read at the start; at the end the shared canvases, work
// bitmaps and painting guards are freed, and from then on uiScreenCanvas and uiPaintCanvas answer null.
#pragma once

#include <memory>

void uiGraphicsUnitStart();
void uiGraphicsUnitEnd();
// True from the unit's end until it starts again.
bool uiGraphicsUnitFinalizing();

// One shared instance of T owned by the graphics unit: made on first use, null from the unit's end.
template <class T> class TuiGraphicsUnitInstance {
public:
    T* Get() {
        if (uiGraphicsUnitFinalizing()) return nullptr;
        if (!FInstance) FInstance = std::make_unique<T>();
        return FInstance.get();
    }
    void Free() { FInstance.reset(); }

private:
    std::unique_ptr<T> FInstance;
};
