// TControlCanvas: a canvas over a control's device context, taken from the control's window (or, for a
// control without a window, from its parent's window, clipped and moved to the control) when drawing
// first needs it, and released again by FreeHandle.
#pragma once

#include "platform/vcl/Canvas.h"

#include <functional>

class TControl;

class TControlCanvas : public TCanvas {
public:
    TControlCanvas() = default;
    ~TControlCanvas() override;

    TControl* Control() const { return FControl; }
    void SetControl(TControl* AControl);
    // Releases a DC the canvas obtained itself.
    void FreeHandle();
    // Text flags follow the control's reading order (always left to right here).
    void UpdateTextFlags() {}
    // Runs Paint with the canvas drawing on the paint cycle's DC, in the control's font and colour. A DC
    // the canvas took for drawing outside a paint cycle gives way to DC; the canvas lets go of DC on every
    // way out, exceptions included.
    void PaintOn(HDC DC, const std::function<void()>& Paint);

protected:
    void CreateHandle() override;

private:
    TControl* FControl = nullptr;
    HDC FDeviceContext = nullptr;
    HWND FWindowHandle = nullptr;
};
