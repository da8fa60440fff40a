// TovSkinnedRect: one part of a bitmap skin, a small picture cut out of a picture sheet and drawn as a
// nine-slice frame at any size: the corners keep their size, the edges and the centre are stretched or
// tiled. The nine slices are composed once per size into a cache bitmap, so that drawing a part again at
// the same size is one blit. The part keeps its own copy of the pixels: the sheet may go after loading.
#pragma once

#include "platform/gdi/GdiPlus.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"

#include <cstdint>
#include <string>

class TovSkinnedRect : public TObject {
public:
    // Slices are numbered row by row: 0 top-left, 1 top, 2 top-right, 3 left, 4 centre, 5 right,
    // 6 bottom-left, 7 bottom, 8 bottom-right.
    static constexpr int SliceCount = 9;

    TovSkinnedRect();
    ~TovSkinnedRect() override;
    TovSkinnedRect(const TovSkinnedRect&) = delete;
    TovSkinnedRect& operator=(const TovSkinnedRect&) = delete;

    // Copies ASourceRect of the sheet one to one into the part's own picture; AFixedMargins are the
    // widths of the left, top, right and bottom frame slices, and become the content margins. A null
    // sheet, a source rectangle that is empty or not inside the sheet, or a negative margin raise
    // EovException and leave the part as it was; loading again replaces the picture.
    void LoadFromImage(GpImage* ASheet, const TRect& ASourceRect, const TRect& AFixedMargins);
    // The imaging interface's interpolation mode (0..7) the cache is composed with; on Windows 7 every
    // part takes 0 whatever is asked. A mode outside 0..7 raises EovException.
    TovSkinnedRect* SetInterpolationMode(int AMode);
    // Tiled slices instead of stretched ones; a change composes the cache again at the next draw.
    void SetStretch(bool ATiled);

    // Into R of DC, when R is visible there; an unloaded part draws its fallback.
    void Draw(HDC DC, const TRect& R, std::uint8_t AAlpha = 255);
    // The part with every pixel taking AColor's red, green and blue times its own alpha / 255 (system
    // colours by their RGB); clDefault draws the part as it is, clNone draws nothing.
    void DrawWithColor(HDC DC, const TRect& R, std::uint8_t AAlpha, TColor AColor);
    void DrawToGraphics(GpGraphics* AGraphics, const TRect& R, std::uint8_t AAlpha);

    // Destination slices of (0, 0, AWidth, AHeight).
    virtual void CalculateParts(int AWidth, int AHeight);
    // Forgets the composed size: the next draw calculates and composes again.
    virtual void ResetCache();
    // R filled with clBtnFace.
    virtual void DrawFallback(HDC DC, const TRect& R);
    // The cache bitmap into R.
    virtual void DrawCached(GpGraphics* AGraphics, const TRect& R, std::uint8_t AAlpha);
    // R less the content margins.
    virtual TRect GetContentRect(const TRect& R);

    // -1 when the part has none.
    int ID() const { return FID; }
    void SetID(int AValue) { FID = AValue; }
    const std::string& Name() const { return FName; }
    void SetName(const std::string& AValue) { FName = AValue; }

    bool IsLoaded() const { return FImage != nullptr; }
    GpBitmap* Image() const { return FImage; }
    const TSize& ImageSize() const { return FImageSize; }
    const TRect& FixedMargins() const { return FFixedMargins; }
    const TRect& ContentMargins() const { return FContentMargins; }
    // Left + right, top + bottom fixed margins.
    const TSize& MinSize() const { return FMinSize; }
    int InterpolationMode() const { return FInterpolationMode; }
    bool Tiled() const { return FTiled; }

    // The size the destination slices were last calculated for (0 x 0 after a reset), the size of the
    // cache bitmap, and how many times the cache was composed (for diagnostics and tests).
    const TSize& CalculatedSize() const { return FCalculatedSize; }
    const TSize& CacheSize() const { return FCacheSize; }
    int RenderCount() const { return FRenderCount; }
    const TRect& DestSlice(int AIndex) const { return FDestSlices[AIndex]; }
    const TRect& SourceSlice(int AIndex) const { return FSourceSlices[AIndex]; }

private:
    void RenderCache();
    void DisposeCache();

    TSize FCalculatedSize{};
    TRect FFixedMargins{};
    GpBitmap* FCache = nullptr;
    GpBitmap* FImage = nullptr;
    int FID = -1;
    int FInterpolationMode = 0;
    TSize FCacheSize{};
    TSize FMinSize{};
    std::string FName;
    TRect FDestSlices[SliceCount]{};
    TSize FImageSize{};
    TRect FSourceSlices[SliceCount]{};
    bool FTiled = false;
    TRect FContentMargins{8, 8, 8, 8};
    int FRenderCount = 0;
};
