// The PNG image as a graphic of the class library: drawing on canvases, assignment with bitmaps and
// other PNG images, and the clipboard form.
#include "imaging/CanvasPixels.h"
#include "imaging/DibBitmap.h"
#include "imaging/png/PngBitmapData.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "platform/vcl/Bitmap.h"

TRect TPngPicture::BlendArea(const TRect& Rect) const {
    return TRect{Rect.left, Rect.top, Rect.left + Width(), Rect.top + Height()};
}

void TPngPicture::Draw(TCanvas* ACanvas, const RECT& Rect) {
    if (!HasHeader() || !HeaderChunk()->HasImage()) return;
    // Opaque and key-colour images cover the rectangle; blended ones the area they blend into.
    const TRect area = TransparencyKind() == tkPartial ? BlendArea(Rect) : Rect;
    WithCanvasPixels(ACanvas, area, [&](TPixelBuffer32& pixels, POINT origin) {
        Draw(pixels,
             TRect{Rect.left - origin.x, Rect.top - origin.y, Rect.right - origin.x, Rect.bottom - origin.y});
    });
}

void TPngPicture::Assign(TPersistent* Source) {
    if (auto* png = dynamic_cast<TPngPicture*>(Source)) {
        if (png != this) CopyImage(*png);
        Changed(this);
        return;
    }
    if (auto* bitmap = dynamic_cast<TBitmap*>(Source)) {
        FromBitmapData(DibFromBitmap(*bitmap), bitmap->Transparent(), ColorToRGB(bitmap->TransparentColor()));
        Changed(this);
        return;
    }
    TGraphic::Assign(Source);
}

void TPngPicture::AssignTo(TPersistent* Dest) {
    if (auto* png = dynamic_cast<TPngPicture*>(Dest)) {
        if (png != this) png->CopyImage(*this);
        return;
    }
    if (auto* bitmap = dynamic_cast<TBitmap*>(Dest); bitmap && HasHeader()) {
        bool transparent = false;
        COLORREF key = 0;
        DibToBitmap(ToBitmapData(transparent, key), *bitmap);
        if (transparent) bitmap->SetTransparentColor(TColor(key));
        bitmap->SetTransparent(transparent);
        return;
    }
    TGraphic::AssignTo(Dest);
}

void TPngPicture::SaveToClipboardFormat(UINT& AFormat, std::vector<BYTE>& AData) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf24bit);
    bitmap.SetSize(Width(), Height());
    if (!bitmap.Empty()) Draw(bitmap.Canvas(), RECT{0, 0, Width(), Height()});
    bitmap.SaveToClipboardFormat(AFormat, AData);
}

void TPngPicture::LoadFromClipboardFormat(UINT AFormat, const std::vector<BYTE>& AData) {
    TBitmap bitmap;
    bitmap.LoadFromClipboardFormat(AFormat, AData);
    FromBitmapData(DibFromBitmap(bitmap), false, 0);
    Changed(this);
}
