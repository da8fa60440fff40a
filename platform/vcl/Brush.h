// TBrush: colour, hatch style or pattern bitmap of fills, with the GDI brush made on demand.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/GraphicsObject.h"

class TBitmap;

class TBrush : public TGraphicsObject {
public:
    ~TBrush() override;
    void Assign(TPersistent* Source) override;

    HBRUSH Handle();
    // Takes over a brush handle: colour and style follow its LOGBRUSH.
    void SetHandle(HBRUSH Value);

    TColor Color() const { return FColor; }
    // Setting a colour on a clear brush makes it solid.
    void SetColor(TColor Value);
    TBrushStyle Style() const { return FStyle; }
    void SetStyle(TBrushStyle Value);
    // A pattern bitmap (not owned; the brush copies its pixels when the handle is made). Null clears it.
    TBitmap* Bitmap() const { return FBitmap; }
    void SetBitmap(TBitmap* Value);

private:
    TColor FColor = clWhite;
    TBrushStyle FStyle = bsSolid;
    TBitmap* FBitmap = nullptr;
};
