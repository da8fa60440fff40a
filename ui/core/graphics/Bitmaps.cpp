#include "ui/core/graphics/Bitmaps.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/Surface.h"
#include "platform/rtl/MemoryStream.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/graphics/BitmapStream.h"

#include <algorithm>

// ---- TuiBitmap

TuiBitmap::TuiBitmap() : TuiBitmap(0, 0, pf24bit) {}

TuiBitmap::TuiBitmap(int AWidth, int AHeight) : TuiBitmap(AWidth, AHeight, pf24bit) {}

TuiBitmap::TuiBitmap(int AWidth, int AHeight, TPixelFormat APixelFormat) {
    TuiBitmap::Initialize(AWidth, AHeight, APixelFormat);
}

TuiBitmap::TuiBitmap(const TRect& R, TPixelFormat APixelFormat)
    : TuiBitmap(uiWidthOfRect(R), uiHeightOfRect(R), APixelFormat) {}

TuiBitmap::~TuiBitmap() {
    FWrapperCanvas.reset();
}

void TuiBitmap::Initialize(int AWidth, int AHeight, TPixelFormat APixelFormat) {
    BeginUpdate();
    SetPixelFormat(APixelFormat);
    SetSize(AWidth, AHeight);
    EndUpdate(true);
}

void TuiBitmap::SetSize(int AWidth, int AHeight) {
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (AWidth == Width() && AHeight == Height()) return;
    BeginUpdate();
    TBitmap::SetSize(AWidth, AHeight);
    EndUpdate();
}

void TuiBitmap::SetSizeFromRect(const TRect& R) {
    SetSize(uiWidthOfRect(R), uiHeightOfRect(R));
}

void TuiBitmap::EndUpdate(bool AForceUpdate) {
    if (FUpdateLock == 0) return;
    if (--FUpdateLock == 0 && (AForceUpdate || FChangedWhileLocked)) Changed(this);
}

void TuiBitmap::Changed(TObject* Sender) {
    if (FUpdateLock > 0) {
        FChangedWhileLocked = true;
        return;
    }
    TBitmap::Changed(Sender);
    Update();
    FChangedWhileLocked = false;
}

void TuiBitmap::CopyBitmap(TBitmap* ASource, DWORD ARop) {
    CopyBitmapRect(ASource, GetClientRect(), ARop, uiZeroPoint);
}

void TuiBitmap::CopyBitmapRect(TBitmap* ASource, const TRect& ADestRect, DWORD ARop,
                               const TPoint& ASourcePoint) {
    if (ASource == nullptr || Empty() || ASource->Empty()) return;
    BitBlt(Canvas()->Handle(), ADestRect.left, ADestRect.top, uiWidthOfRect(ADestRect),
           uiHeightOfRect(ADestRect), ASource->Canvas()->Handle(), ASourcePoint.x, ASourcePoint.y, ARop);
}

void TuiBitmap::Rotate(TuiRotationAngle AAngle, bool AFlip) {
    TuiCanvas::RotateBitmap(this, AAngle, AFlip);
}

TuiCanvas* TuiBitmap::GetuiCanvas() {
    if (!FWrapperCanvas) FWrapperCanvas = std::make_unique<TuiCanvas>(Canvas());
    return FWrapperCanvas.get();
}

void TuiBitmap::ReadData(TStream* AStream) {
    std::vector<std::uint8_t> plain;
    if (!xdbm::ReadCompressed(AStream, plain)) {
        TBitmap::ReadData(AStream);
        return;
    }
    TMemoryStream memory;
    memory.WriteBuffer(plain.data(), static_cast<std::int64_t>(plain.size()));
    memory.SetPosition(0);
    TBitmap::ReadData(&memory);
}

void TuiBitmap::WriteData(TStream* AStream) {
    if (!FCompressed) {
        TBitmap::WriteData(AStream);
        return;
    }
    TMemoryStream memory;
    TBitmap::WriteData(&memory);
    const auto* bytes = static_cast<const std::uint8_t*>(memory.Memory());
    const std::vector<std::uint8_t> plain(bytes, bytes + memory.Size());
    xdbm::WriteCompressed(AStream, plain, std::max(ovGetBitsPerPixel(this) / 8, 1));
}

// ---- TuiBitmap32

TuiBitmap32::TuiBitmap32() : TuiBitmap(0, 0, pf32bit) {}

TuiBitmap32::TuiBitmap32(int AWidth, int AHeight) : TuiBitmap(AWidth, AHeight, pf32bit) {}

TuiBitmap32::TuiBitmap32(int AWidth, int AHeight, bool AClear) : TuiBitmap(AWidth, AHeight, pf32bit) {
    if (AClear) TuiBitmap32::Clear();
}

TuiBitmap32::TuiBitmap32(const TRect& R, bool AClear)
    : TuiBitmap32(uiWidthOfRect(R), uiHeightOfRect(R), AClear) {}

void TuiBitmap32::Clear() {
    if (Empty()) return;
    // Straight into the pixels when they are at hand: the same zeros the black stock brush leaves.
    if (auto surface = GdiGetBitmapSurface(Handle()); surface && !surface->IsMonochrome()) {
        surface->Fill(0);
        return;
    }
    const RECT whole = GetClientRect();
    ::FillRect(Canvas()->Handle(), &whole, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}

void TuiBitmap32::Update() {
    if (ovGetBitsPerPixel(this) != 32) throw EovException("Wrong PixelFormat");
}

void TuiBitmap32::LoadFromStream(TStream* AStream) {
    BeginUpdate();
    try {
        TuiBitmap::LoadFromStream(AStream);
    } catch (...) {
        SetPixelFormat(pf32bit);
        EndUpdate(true);
        throw;
    }
    SetPixelFormat(pf32bit);
    EndUpdate(true);
}

bool TuiBitmap32::GetBitmapColors(TRGBColors& AColors) {
    return ovGetBitmapBits(this, AColors, false);
}

bool TuiBitmap32::SetBitmapColors(const TRGBColors& AColors) {
    return ovSetBitmapBits(this, AColors, false);
}

void TuiBitmap32::SetAlphaChannel(std::uint8_t AAlpha) {
    TRGBColors colors;
    if (!GetBitmapColors(colors)) return;
    const std::uint32_t alpha = std::uint32_t(AAlpha) << 24;
    for (std::uint32_t& pixel : colors)
        pixel = (pixel & 0x00FFFFFFu) | alpha;
    SetBitmapColors(colors);
}

void TuiBitmap32::RecoverTransparency(TColor AColor) {
    TRGBColors colors;
    if (!GetBitmapColors(colors)) return;
    const std::uint32_t key = ovColorToRGBQuad(AColor) & 0x00FFFFFFu;
    for (std::uint32_t& pixel : colors) {
        if ((pixel & 0x00FFFFFFu) == key)
            pixel = 0;
        else if ((pixel >> 24) == 0)
            pixel |= 0xFF000000u;
    }
    SetBitmapColors(colors);
}

namespace bitmaps_detail {

// The DC shows its whole bitmap of AWidth x AHeight at (0, 0) and clips none of it: a whole-bitmap raster
// operation through it touches every pixel at its own place.
bool ShowsWholeBitmap(HDC ADC, int AWidth, int AHeight) {
    RECT box;
    return GetClipBox(ADC, &box) == SIMPLEREGION && box.left == 0 && box.top == 0 && box.right == AWidth &&
           box.bottom == AHeight;
}

// The 32-bit pixels of a bitmap when they are at hand at its own size, else null.
std::shared_ptr<TSurface> ColourPixels(TBitmap* ABitmap) {
    std::shared_ptr<TSurface> surface = GdiGetBitmapSurface(ABitmap->Handle());
    if (!surface || surface->IsMonochrome() || surface->Width() != ABitmap->Width() ||
        surface->Height() != ABitmap->Height())
        return nullptr;
    return surface;
}

} // namespace bitmaps_detail

void TuiBitmap32::ApplyMask(TBitmap* AMask) {
    using namespace bitmaps_detail;
    if (AMask == nullptr || Empty() || AMask->Empty()) return;
    // Two colour bitmaps of one size whose DCs neither clip nor move them: the raster operation below is
    // done straight on the pixels, sparing the DC's general path for each pixel.
    if (AMask->Width() == Width() && AMask->Height() == Height()) {
        std::shared_ptr<TSurface> pixels = ColourPixels(this), mask = ColourPixels(AMask);
        if (pixels && mask && ShowsWholeBitmap(Canvas()->Handle(), Width(), Height()) &&
            ShowsWholeBitmap(AMask->Canvas()->Handle(), Width(), Height())) {
            for (int y = 0; y < Height(); ++y) {
                std::uint32_t* row = pixels->Row(y);
                const std::uint32_t* maskRow = mask->Row(y);
                for (int x = 0; x < Width(); ++x)
                    row[x] &= ~maskRow[x];
            }
            return;
        }
    }
    // Destination AND NOT source.
    CopyBitmap(AMask, 0x00220326);
}

void TuiBitmap32::AlphaBlendTo(TBitmap* ADestBitmap, const TRect& ADestRect, std::uint8_t AConstantAlpha,
                               bool ASmooth) {
    uiAlphaBlendBitmaps(ADestBitmap, this, ADestRect, AConstantAlpha, ASmooth, GetClientRect());
}
