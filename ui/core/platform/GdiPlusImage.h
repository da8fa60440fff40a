// TovGPImage: the library's picture with an alpha channel, a graphic whose pixels live in an image of the
// imaging interface. It keeps what it is given (encoded bytes, premultiplied pixels, a bitmap) and makes
// the interface's image only when something needs pixels or the size; undecodable bytes raise then, not
// when they are loaded. Saving encodes a copy and leaves the image as it was.
// TovSmartImage and TovPNGImage are the kinds forms store (TovPNGImage always saves PNG).
#pragma once

#include "platform/gdi/GdiPlus.h"
#include "platform/vcl/Graphic.h"
#include "platform/vcl/Graphics.h"
#include "ui/core/base/BitmapBits.h"
#include "ui/core/platform/GdiPlusApi.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TovGPImageData;

class TovGPImage : public TGraphic {
public:
    TovGPImage();
    // An image of the size whose every pixel is AColor (a premultiplied pixel, blue lowest).
    TovGPImage(const TSize& ASize, std::uint32_t AColor);
    TovGPImage(const TRect& R, std::uint32_t AColor);
    // A bitmap's pixels (32-bit pixels as premultiplied with their alpha); other graphics drawn first.
    explicit TovGPImage(TGraphic* AGraphic);
    // A bitmap handle's pixels, opaque.
    explicit TovGPImage(HBITMAP ABitmap);
    // Top-down premultiplied pixels; without AHasAlphaChannel every alpha becomes 255.
    TovGPImage(int AWidth, int AHeight, const TRGBColors& ABits, bool AHasAlphaChannel);
    // The rest of AStream (decoded at first use).
    explicit TovGPImage(TStream* AStream);
    ~TovGPImage() override;

    // Null clears; another TovGPImage or any graphic is copied.
    void Assign(TPersistent* ASource) override;
    void AssignTo(TPersistent* ADest) override;
    virtual void AssignFromGpImage(TovGPImage* AImage);
    virtual void AssignFromGraphic(TGraphic* AGraphic);
    virtual void AssignBitmap(TGraphic* AGraphic);

    // True when the interface's image exists or nothing waits to be decoded.
    virtual bool IsImageDataReady() const;
    // The interface's image, made from the stored data when needed; null for an empty image.
    GpImage* GetHandle() const;

    bool Empty() const override;
    int Width() const override;
    int Height() const override;
    // The size changes only through Resize.
    void SetWidth(int Value) override {}
    void SetHeight(int Value) override {}
    TSize GetSize() const;
    TRect GetClientRect() const;
    bool Transparent() const override { return IsAlphaUsed(); }
    // Some pixel's alpha is not 255; remembered until the next change.
    bool IsAlphaUsed() const;

    TovImageDataFormat GetImageDataFormat() const;
    // Re-encodes the image in AFormat.
    void SetImageDataFormat(TovImageDataFormat AFormat);

    // Keeps a copy of the rest of AStream; nothing is decoded yet. A failed read leaves the image as it was.
    void LoadFromStream(TStream* AStream) override;
    void LoadFromResource(HINSTANCE AInstance, const std::string& AName, const std::string& AType);
    // Writes the image in its own format (nothing for an empty image).
    void SaveToStream(TStream* AStream) override;
    // Writes the image encoded in AFormat; the image itself stays as it was.
    void SaveToStreamByFormat(TStream* AStream, TovImageDataFormat AFormat);
    void SaveToClipboardFormat(UINT& AFormat, std::vector<BYTE>& AData) override;
    void LoadFromClipboardFormat(UINT AFormat, const std::vector<BYTE>& AData) override;

    // The whole image, or a part of it, into R of DC with a constant alpha.
    void StretchDraw(HDC DC, const TRect& R, std::uint8_t AAlpha = 255);
    void StretchDrawPart(HDC DC, const TRect& R, std::uint8_t AAlpha, const TRect& ASourceRect);

    // A new image of the same class holding the same picture.
    virtual std::unique_ptr<TovGPImage> Clone() const;
    // Every pixel takes AColor scaled by its own alpha (a glyph keeps its shape); nothing for clNone,
    // clDefault or an empty image.
    virtual void ChangeColor(TColor AColor);
    // Same size and (unless either is empty) the same pixels.
    virtual bool Compare(TovGPImage* AImage);
    virtual void Clear();
    // The pixels over transparent black as a new 32-bit bitmap (empty for an empty image).
    virtual std::unique_ptr<TBitmap> GetAsBitmap() const;
    // Stretches the image to the size; an image not made yet takes the size when it is made.
    virtual void Resize(int AWidth, int AHeight);

    TGraphicClass GraphicClass() const override { return GraphicClassOf<TovGPImage>(); }

protected:
    void Draw(TCanvas* ACanvas, const RECT& Rect) override;
    void Changed(TObject* Sender) override;

private:
    void CreateHandle();
    void CreateHandleFromBitmap(TGraphic* AGraphic);
    // The pixels of BMP data read by the class library's bitmap.
    void TakeBitmapFile(TBitmap* ABitmap);
    void FreeHandle();
    void SetHandle(GpImage* AHandle);
    void LoadFromBits(int AWidth, int AHeight, bool AHasAlphaChannel, const TRGBColors& ABits);
    void UpdateImageDataFormat();
    // The premultiplied pixels, top-down; false for an empty image.
    bool GetPixels(TRGBColors& APixels) const;
    // Decoding on demand does not change what the image shows, so the const queries may do it.
    TovGPImage* Live() const;

    GpImage* FHandle = nullptr;
    std::unique_ptr<TovGPImageData> FImageData;
    TovImageDataFormat FImageDataFormat = dfUnknown;
    mutable bool FAlphaUsed = false;
    mutable bool FAlphaUsedKnown = false;
};

// The form-stored kinds: the component stream holds the image's own stream form.
class TovSmartImage : public TovGPImage {
public:
    using TovGPImage::TovGPImage;
    void ReadData(TStream* AStream) override { LoadFromStream(AStream); }
    void WriteData(TStream* AStream) override { SaveToStream(AStream); }
    TGraphicClass GraphicClass() const override { return GraphicClassOf<TovSmartImage>(); }
};

class TovPNGImage : public TovSmartImage {
public:
    using TovSmartImage::TovSmartImage;
    void SaveToStream(TStream* AStream) override;
    TGraphicClass GraphicClass() const override { return GraphicClassOf<TovPNGImage>(); }
};
