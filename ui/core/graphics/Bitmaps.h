// TuiBitmap: the class library's bitmap as the user-interface library uses it everywhere: made by size
// and pixel format, with batched change notification, its own TuiCanvas, copy and rotate helpers, and
// the compressed "XDBM" stream form (BitmapStream.h) when CompressData is set. TuiBitmap32 keeps 32 bits
// per pixel and adds alpha-channel helpers.
#pragma once

#include "platform/vcl/Bitmap.h"
#include "ui/core/base/BitmapBits.h"
#include "ui/core/graphics/Canvas.h"

#include <cstdint>
#include <memory>

class TuiBitmap : public TBitmap {
public:
    // An empty 24-bit bitmap.
    TuiBitmap();
    // A 24-bit bitmap of the size.
    TuiBitmap(int AWidth, int AHeight);
    TuiBitmap(int AWidth, int AHeight, TPixelFormat APixelFormat);
    explicit TuiBitmap(const TRect& R, TPixelFormat APixelFormat = pf24bit);
    ~TuiBitmap() override;

    // Pixel format, then size, with exactly one change notification.
    virtual void Initialize(int AWidth, int AHeight, TPixelFormat APixelFormat);
    // Negative values count as 0; the same size changes nothing.
    void SetSize(int AWidth, int AHeight) override;
    void SetSizeFromRect(const TRect& R);

    // Changes between BeginUpdate and the outermost EndUpdate notify once, at that EndUpdate (also
    // without a change when AForceUpdate is set).
    void BeginUpdate() { ++FUpdateLock; }
    void EndUpdate(bool AForceUpdate = false);

    void CopyBitmap(TBitmap* ASource, DWORD ARop = 0x00CC0020);
    void CopyBitmapRect(TBitmap* ASource, const TRect& ADestRect, DWORD ARop, const TPoint& ASourcePoint);
    void Rotate(TuiRotationAngle AAngle, bool AFlip = false);
    TuiCanvas* GetuiCanvas();
    TRect GetClientRect() const { return TRect{0, 0, Width(), Height()}; }

    bool CompressData() const { return FCompressed; }
    void SetCompressData(bool AValue) { FCompressed = AValue; }
    void ReadData(TStream* AStream) override;
    void WriteData(TStream* AStream) override;

protected:
    void Changed(TObject* Sender) override;
    // Runs after every change that notifies.
    virtual void Update() {}

private:
    bool FCompressed = false;
    std::unique_ptr<TuiCanvas> FWrapperCanvas;
    int FUpdateLock = 0;
    bool FChangedWhileLocked = false;
};

class TuiBitmap32 : public TuiBitmap {
public:
    TuiBitmap32();
    TuiBitmap32(int AWidth, int AHeight);
    TuiBitmap32(int AWidth, int AHeight, bool AClear);
    TuiBitmap32(const TRect& R, bool AClear);

    // Every byte 0 (transparent black).
    virtual void Clear();
    // Loads the picture and makes it 32-bit again, also after a failed load.
    void LoadFromStream(TStream* AStream) override;

    // All pixels, bottom row first.
    bool GetBitmapColors(TRGBColors& AColors);
    bool SetBitmapColors(const TRGBColors& AColors);
    void SetAlphaChannel(std::uint8_t AAlpha);
    void MakeOpaque() { SetAlphaChannel(255); }
    // Pixels of AColor become transparent black; other fully transparent pixels become opaque.
    void RecoverTransparency(TColor AColor);
    // Pixels that are white in AMask become 0; black ones keep their value.
    void ApplyMask(TBitmap* AMask);
    void AlphaBlendTo(TBitmap* ADestBitmap, const TRect& ADestRect, std::uint8_t AConstantAlpha = 255,
                      bool ASmooth = false);

protected:
    // Raises EovException "Wrong PixelFormat" unless the bitmap has 32 bits per pixel.
    void Update() override;
};
