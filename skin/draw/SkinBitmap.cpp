#include "skin/draw/SkinBitmap.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/rtl/Exception.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Picture.h"
#include "platform/win/Painting.h"
#include "skin/draw/SkinPixelRows.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using skin_pixels::TPixelBlock;
using skin_pixels::TRowMode;

// Every TskBitmap that has pixels, so that drawing onto a memory DC can find the bitmap behind it.
std::vector<TskBitmap*>& Registry() {
    static std::vector<TskBitmap*> bitmaps;
    return bitmaps;
}

void Unregister(TskBitmap* Bitmap) {
    auto& list = Registry();
    list.erase(std::remove(list.begin(), list.end(), Bitmap), list.end());
}

// Key-colour drawing onto a device uses the transparent blit on screens of more than 23 bits per
// pixel, and the temporary-bitmap route on others.
bool SystemKeyBlit() {
    static const bool deep = [] {
        HDC screen = GetDC(nullptr);
        const int bits = GetDeviceCaps(screen, BITSPIXEL) * GetDeviceCaps(screen, PLANES);
        ReleaseDC(nullptr, screen);
        return bits > 23;
    }();
    return deep;
}

TRect Normalised(const TRect& R) {
    return TRect{std::min(R.left, R.right), std::min(R.top, R.bottom), std::max(R.left, R.right),
                 std::max(R.top, R.bottom)};
}

} // namespace

TskBitmap* BitmapByDC(HDC DC) {
    if (!DC) return nullptr;
    for (TskBitmap* bitmap : Registry())
        if (bitmap->MemoryDC() == DC) return bitmap;
    return nullptr;
}

TskBitmap::TskBitmap() {
    FHeader.biSize = sizeof(BITMAPINFOHEADER);
    FHeader.biPlanes = 1;
    FHeader.biBitCount = 32;
    FHeader.biCompression = BI_RGB;
}

TskBitmap::~TskBitmap() {
    FreeImage();
}

void TskBitmap::FreeImage() {
    if (FDrawCanvas) FDrawCanvas->SetHandle(nullptr);
    if (FMemoryDC) {
        if (FOldBitmap) SelectObject(FMemoryDC, FOldBitmap);
        DeleteDC(FMemoryDC);
    }
    if (FDib) DeleteObject(FDib);
    if (FPixels) Unregister(this);
    FMemoryDC = nullptr;
    FOldBitmap = nullptr;
    FDib = nullptr;
    FPixels = nullptr;
    FWidth = FHeight = 0;
    FHeader.biWidth = 0;
    FHeader.biHeight = 0;
}

void TskBitmap::SetSize(int Width, int Height) {
    Width = std::abs(Width);
    Height = std::abs(Height);
    if (Width == 0 || Height == 0 || (Width == FWidth && Height == FHeight)) return;
    FreeImage();
    BITMAPINFO info{};
    info.bmiHeader = FHeader;
    info.bmiHeader.biWidth = Width;
    info.bmiHeader.biHeight = -Height;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!dib || !bits) throw Exception("Can't allocate the DIB handle");
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) {
        DeleteObject(dib);
        throw Exception("Can't create compatible DC");
    }
    HGDIOBJ old = SelectObject(dc, dib);
    if (!old) {
        DeleteDC(dc);
        DeleteObject(dib);
        throw Exception("Can't bslect an object into DC");
    }
    FDib = dib;
    FMemoryDC = dc;
    FOldBitmap = old;
    FPixels = static_cast<std::uint32_t*>(bits);
    FWidth = Width;
    FHeight = Height;
    FHeader.biWidth = Width;
    FHeader.biHeight = -Height;
    Registry().push_back(this);
    if (FDrawCanvas) FDrawCanvas->SetHandle(FMemoryDC);
}

void TskBitmap::PutPixel(int x, int y, std::uint32_t Value) {
    if (FPixels && x >= 0 && x < FWidth && y >= 0 && y < FHeight) *PixelAddress(x, y) = Value;
}

TCanvas* TskBitmap::DrawCanvas() {
    if (!FDrawCanvas) {
        FDrawCanvas = std::make_unique<TCanvas>();
        if (FMemoryDC) FDrawCanvas->SetHandle(FMemoryDC);
    }
    return FDrawCanvas.get();
}

void TskBitmap::FillAlpha(std::uint8_t Value) {
    if (!FPixels) return;
    const std::uint32_t alpha = std::uint32_t(Value) << 24;
    std::uint32_t* p = FPixels;
    for (std::size_t i = 0, n = std::size_t(FWidth) * std::size_t(FHeight); i < n; ++i)
        p[i] = (p[i] & 0x00FFFFFFu) | alpha;
}

void TskBitmap::DetectPartialAlpha() {
    HasPartialAlpha = false;
    if (!FPixels) return;
    for (std::size_t i = 0, n = std::size_t(FWidth) * std::size_t(FHeight); i < n; ++i) {
        const std::uint32_t a = FPixels[i] >> 24;
        if (a != 0 && a != 255) {
            HasPartialAlpha = true;
            return;
        }
    }
}

void TskBitmap::ClampToAlpha() {
    if (!FPixels) return;
    for (std::size_t i = 0, n = std::size_t(FWidth) * std::size_t(FHeight); i < n; ++i) {
        const std::uint32_t p = FPixels[i], a = p >> 24;
        const std::uint32_t b = std::min(p & 0xFF, a), g = std::min((p >> 8) & 0xFF, a),
                            r = std::min((p >> 16) & 0xFF, a);
        FPixels[i] = (a << 24) | (r << 16) | (g << 8) | b;
    }
}

void TskBitmap::Premultiply() {
    if (!FPixels) return;
    for (std::size_t i = 0, n = std::size_t(FWidth) * std::size_t(FHeight); i < n; ++i) {
        const std::uint32_t p = FPixels[i], a = p >> 24;
        // alpha * channel / 255 never falls on a half (255 is odd): adding 127 rounds to nearest.
        auto scale = [a](std::uint32_t c) { return (a * c + 127) / 255; };
        FPixels[i] =
            (a << 24) | (scale((p >> 16) & 0xFF) << 16) | (scale((p >> 8) & 0xFF) << 8) | scale(p & 0xFF);
    }
}

void TskBitmap::AlphaFromLuminance(const TskBitmap& Mask) {
    if (!FPixels) return;
    for (int y = 0; y < FHeight; ++y) {
        std::uint32_t* row = RowAddress(y);
        for (int x = 0; x < FWidth; ++x) {
            std::uint32_t alpha = 255;
            if (Mask.FPixels && x < Mask.FWidth && y < Mask.FHeight) {
                const std::uint32_t m = *Mask.PixelAddress(x, y);
                alpha = ((m & 0xFF) + ((m >> 8) & 0xFF) + ((m >> 16) & 0xFF)) / 3;
            }
            row[x] = (row[x] & 0x00FFFFFFu) | (alpha << 24);
        }
    }
}

void TskBitmap::AlphaFromLuminancePremultiplied(const TskBitmap& Mask) {
    AlphaFromLuminance(Mask);
    Premultiply();
}

void TskBitmap::DrawAt(HDC DC, int X, int Y) {
    DrawStretched(DC, TRect{X, Y, X + FWidth, Y + FHeight}, TRect{0, 0, FWidth, FHeight});
}

void TskBitmap::DrawPart(HDC DC, int X, int Y, const TRect& Source) {
    DrawStretched(DC, TRect{X, Y, X + Source.right - Source.left, Y + Source.bottom - Source.top}, Source);
}

void TskBitmap::DrawOnCanvas(TCanvas* Canvas, int X, int Y) {
    DrawAt(Canvas->Handle(), X, Y);
}

void TskBitmap::DrawStretched(HDC DC, const TRect& Dest, const TRect& Source) {
    if (!FPixels || !DC) return;
    if (TskBitmap* target = BitmapByDC(DC)) {
        POINT origin{};
        GetWindowOrgEx(DC, &origin);
        DrawToBitmap(
            *target,
            TRect{Dest.left - origin.x, Dest.top - origin.y, Dest.right - origin.x, Dest.bottom - origin.y},
            Source);
        return;
    }
    const int dw = Dest.right - Dest.left, dh = Dest.bottom - Dest.top;
    const int sw = Source.right - Source.left, sh = Source.bottom - Source.top;
    if (HasPartialAlpha || (KeyTransparent && !SystemKeyBlit())) {
        DrawThroughBuffer(DC, Dest, Source);
    } else if (KeyTransparent) {
        TransparentBlt(DC, Dest.left, Dest.top, dw, dh, FMemoryDC, Source.left, Source.top, sw, sh,
                       skin_pixels::KeyColour);
    } else {
        SetStretchBltMode(DC, COLORONCOLOR);
        StretchBlt(DC, Dest.left, Dest.top, dw, dh, FMemoryDC, Source.left, Source.top, sw, sh, SRCCOPY);
    }
}

// The DC's pixels under Dest go into a temporary bitmap, this picture is combined into it, and the
// result goes back.
void TskBitmap::DrawThroughBuffer(HDC DC, const TRect& Dest, const TRect& Source) {
    const TRect area = Normalised(Dest);
    const int w = area.right - area.left, h = area.bottom - area.top;
    if (w == 0 || h == 0) return;
    TskBitmap buffer;
    buffer.SetSize(w, h);
    BitBlt(buffer.FMemoryDC, 0, 0, w, h, DC, area.left, area.top, SRCCOPY);
    DrawToBitmap(
        buffer,
        TRect{Dest.left - area.left, Dest.top - area.top, Dest.right - area.left, Dest.bottom - area.top},
        Source);
    BitBlt(DC, area.left, area.top, w, h, buffer.FMemoryDC, 0, 0, SRCCOPY);
}

void TskBitmap::DrawToBitmap(TskBitmap& Target, const TRect& Dest, const TRect& Source) {
    const TRowMode mode = HasPartialAlpha ? TRowMode::Alpha : KeyTransparent ? TRowMode::Key : TRowMode::Copy;
    skin_pixels::DrawBlock(mode, TPixelBlock{FPixels, FWidth, FHeight, FWidth}, Source,
                           TPixelBlock{Target.FPixels, Target.FWidth, Target.FHeight, Target.FWidth}, Dest);
}

void TskBitmap::RenderGraphic(TGraphic* Graphic, const TRect& Rect) {
    if (!FPixels || !Graphic) return;
    TBitmap work;
    work.SetPixelFormat(pf32bit);
    work.SetSize(FWidth, FHeight);
    TCanvas* canvas = work.Canvas();
    // Magenta marks what the graphic does not paint.
    canvas->Brush()->SetColor(TColor(RGB(255, 0, 255)));
    canvas->FillRect(TRect{-1, -1, FWidth + 1, FHeight + 1});
    canvas->StretchDraw(Rect, Graphic);
    for (int y = 0; y < FHeight; ++y) {
        const auto* row = static_cast<const std::uint32_t*>(work.ScanLine(y));
        for (int x = 0; x < FWidth; ++x)
            if ((row[x] & 0xFFFFFF) != 0xFF00FF) PutPixel(x, y, row[x]);
    }
}

void TskBitmap::Assign(TPersistent* Source) {
    if (auto* other = dynamic_cast<TskBitmap*>(Source)) {
        if (other == this) return;
        if (other->Empty()) {
            FreeImage();
        } else {
            SetSize(other->FWidth, other->FHeight);
            std::memcpy(FPixels, other->FPixels, std::size_t(FWidth) * std::size_t(FHeight) * 4);
        }
        Name = other->Name;
        KeyTransparent = other->KeyTransparent;
        HasPartialAlpha = other->HasPartialAlpha;
        return;
    }
    if (auto* picture = dynamic_cast<TPicture*>(Source)) {
        if (picture->Graphic())
            Assign(picture->Graphic());
        else
            FreeImage();
        return;
    }
    if (auto* bitmap = dynamic_cast<TBitmap*>(Source)) {
        if (bitmap->Empty()) {
            FreeImage();
            return;
        }
        SetSize(bitmap->Width(), bitmap->Height());
        if (bitmap->PixelFormat() == pf32bit) {
            for (int y = 0; y < FHeight; ++y)
                std::memcpy(RowAddress(y), bitmap->ScanLine(y), std::size_t(FWidth) * 4);
            DetectPartialAlpha();
        } else {
            BitBlt(FMemoryDC, 0, 0, FWidth, FHeight, bitmap->Canvas()->Handle(), 0, 0, SRCCOPY);
            FillAlpha(255);
        }
        return;
    }
    if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
        if (graphic->Empty()) {
            FreeImage();
            return;
        }
        SetSize(graphic->Width(), graphic->Height());
        RenderGraphic(graphic, TRect{0, 0, FWidth, FHeight});
        FillAlpha(255);
        return;
    }
    TPersistent::Assign(Source);
}

void TskBitmap::AssignTo(TPersistent* Dest) {
    TBitmap* bitmap = dynamic_cast<TBitmap*>(Dest);
    if (auto* picture = dynamic_cast<TPicture*>(Dest)) bitmap = picture->Bitmap();
    if (bitmap) {
        bitmap->SetPixelFormat(pf32bit);
        bitmap->SetSize(FWidth, FHeight);
        if (FPixels) DrawOnCanvas(bitmap->Canvas(), 0, 0);
        return;
    }
    TBitmap temporary;
    AssignTo(&temporary);
    Dest->Assign(&temporary);
}
