// TPen: colour, width, style and mixing mode of lines, with the GDI pen made on demand.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/GraphicsObject.h"

class TPen : public TGraphicsObject {
public:
    void Assign(TPersistent* Source) override;

    HPEN Handle();
    // Takes over a pen handle: colour, style and width follow its LOGPEN.
    void SetHandle(HPEN Value);

    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    TPenStyle Style() const { return FStyle; }
    void SetStyle(TPenStyle Value);
    // The mode is applied by the canvas (SetROP2): changing it keeps the handle.
    TPenMode Mode() const { return FMode; }
    void SetMode(TPenMode Value);

private:
    TColor FColor = clBlack;
    int FWidth = 1;
    TPenStyle FStyle = psSolid;
    TPenMode FMode = pmCopy;
};
