#include "ui/core/platform/GdiPlusImage.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/Numerics.h"
#include "platform/rtl/Resources.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Canvas.h"
#include "ui/core/base/Finally.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Colors.h"
#include "ui/core/platform/GdiPlusCanvas.h"
#include "ui/core/platform/GdiPlusImageData.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace gdiplus_image_detail {

// Encodes AImage with the encoder of AFormat into a new stream of the interface's memory.
std::unique_ptr<TovGPMemoryStream> Encode(GpImage* AImage, TovImageDataFormat AFormat) {
    const CLSID encoder = ovGpGetImageEncoder(AFormat);
    auto encoded = std::make_unique<TovGPMemoryStream>();
    auto* adapter = new TovGPStreamAdapter(encoded.get(), soReference);
    const GpStatus status = ovGdipApi.GdipSaveImageToStream(AImage, adapter, &encoder, nullptr);
    adapter->Release();
    GdipCheck(status);
    return encoded;
}

// A 24-bit bitmap with the graphic drawn at its origin.
std::unique_ptr<TBitmap> DrawnBitmap(TGraphic* AGraphic) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf24bit);
    bitmap->SetSize(AGraphic->Width(), AGraphic->Height());
    if (!bitmap->Empty()) bitmap->Canvas()->Draw(0, 0, AGraphic);
    return bitmap;
}

// A pixel of straight alpha as the premultiplied pixel the interface keeps.
std::uint32_t Premultiplied(std::uint32_t APixel) {
    const std::uint32_t alpha = APixel >> 24;
    std::uint32_t result = alpha << 24;
    for (int shift = 0; shift < 24; shift += 8)
        result |= ((((APixel >> shift) & 0xFF) * alpha + 127) / 255) << shift;
    return result;
}

} // namespace gdiplus_image_detail

// ---- Construction

TovGPImage::TovGPImage() : FImageData(std::make_unique<TovGPImageData>()) {}

TovGPImage::TovGPImage(const TSize& ASize, std::uint32_t AColor) : TovGPImage() {
    const int width = std::max<int>(ASize.cx, 0), height = std::max<int>(ASize.cy, 0);
    LoadFromBits(width, height, true, TRGBColors(std::size_t(width) * height, AColor));
}

TovGPImage::TovGPImage(const TRect& R, std::uint32_t AColor) : TovGPImage(uiSizeOfRect(R), AColor) {}

TovGPImage::TovGPImage(TGraphic* AGraphic) : TovGPImage() {
    CreateHandleFromBitmap(AGraphic);
}

TovGPImage::TovGPImage(HBITMAP ABitmap) : TovGPImage() {
    GpBitmap* bitmap = nullptr;
    GdipCheck(ovGdipApi.GdipCreateBitmapFromHBITMAP(ABitmap, nullptr, &bitmap));
    FHandle = bitmap;
    UpdateImageDataFormat();
}

TovGPImage::TovGPImage(int AWidth, int AHeight, const TRGBColors& ABits, bool AHasAlphaChannel)
    : TovGPImage() {
    LoadFromBits(AWidth, AHeight, AHasAlphaChannel, ABits);
}

TovGPImage::TovGPImage(TStream* AStream) : TovGPImage() {
    LoadFromStream(AStream);
}

TovGPImage::~TovGPImage() {
    // The image goes before the bytes it may still read.
    if (FHandle != nullptr) ovGdipApi.GdipDisposeImage(FHandle);
}

// ---- The interface's image

bool TovGPImage::IsImageDataReady() const {
    return FHandle != nullptr || FImageData->Empty();
}

TovGPImage* TovGPImage::Live() const {
    auto* self = const_cast<TovGPImage*>(this);
    if (!IsImageDataReady()) self->CreateHandle();
    return self;
}

GpImage* TovGPImage::GetHandle() const {
    return Live()->FHandle;
}

void TovGPImage::CreateHandle() {
    TovGPImageData& data = *FImageData;
    if (data.Data) {
        data.Data->SetPosition(0);
        if (TovGPImageDataHelper::IsBitmapStream(data.Data.get())) {
            // BMP data goes through the class library's bitmap, which keeps a 32-bit bitmap's alpha.
            TBitmap bitmap;
            bitmap.LoadFromStream(data.Data.get());
            const TSize pending = data.NewSize;
            TakeBitmapFile(&bitmap);
            data.NewSize = pending;
        } else {
            auto* adapter = new TovGPStreamAdapter(data.Data.get(), soReference);
            GpImage* image = nullptr;
            const GpStatus status = ovGdipApi.GdipLoadImageFromStream(adapter, &image);
            adapter->Release();
            GdipCheck(status);
            FHandle = image;
        }
    }
    if (FHandle == nullptr && !data.Bits.empty()) {
        GpBitmap* bitmap = nullptr;
        GdipCheck(ovGdipApi.GdipCreateBitmapFromScan0(data.BitsSize.cx, data.BitsSize.cy,
                                                      4 * data.BitsSize.cx, PixelFormat32bppPARGB,
                                                      reinterpret_cast<BYTE*>(data.Bits.data()), &bitmap));
        FHandle = bitmap;
    }
    if (FHandle != nullptr && data.NewSize.cx > 0 && data.NewSize.cy > 0)
        Resize(data.NewSize.cx, data.NewSize.cy);
    UpdateImageDataFormat();
}

void TovGPImage::CreateHandleFromBitmap(TGraphic* AGraphic) {
    std::unique_ptr<TBitmap> drawn;
    auto* bitmap = dynamic_cast<TBitmap*>(AGraphic);
    if (bitmap == nullptr) {
        drawn = gdiplus_image_detail::DrawnBitmap(AGraphic);
        bitmap = drawn.get();
    }
    if (bitmap->Empty()) {
        FreeHandle();
        return;
    }
    if (ovGetBitsPerPixel(bitmap) < 32) {
        FreeHandle();
        GpBitmap* image = nullptr;
        GdipCheck(ovGdipApi.GdipCreateBitmapFromHBITMAP(bitmap->Handle(),
                                                        static_cast<TGraphic*>(bitmap)->Palette(), &image));
        FHandle = image;
        UpdateImageDataFormat();
        return;
    }
    TRGBColors bits;
    ovGetBitmapBits(bitmap, bits, true);
    LoadFromBits(bitmap->Width(), bitmap->Height(), true, bits);
}

void TovGPImage::TakeBitmapFile(TBitmap* ABitmap) {
    if (ABitmap->Empty() || ovGetBitsPerPixel(ABitmap) < 32) {
        CreateHandleFromBitmap(ABitmap);
        return;
    }
    // A file's alpha is straight, as the interface writes it; a file without any alpha is opaque, as the
    // interface's own reader takes it.
    TRGBColors bits;
    ovGetBitmapBits(ABitmap, bits, true);
    const bool hasAlpha =
        std::any_of(bits.begin(), bits.end(), [](std::uint32_t APixel) { return APixel >> 24 != 0; });
    for (std::uint32_t& pixel : bits)
        pixel = hasAlpha ? gdiplus_image_detail::Premultiplied(pixel) : (pixel | 0xFF000000u);
    LoadFromBits(ABitmap->Width(), ABitmap->Height(), true, bits);
}

void TovGPImage::FreeHandle() {
    if (FHandle != nullptr) ovGdipApi.GdipDisposeImage(std::exchange(FHandle, nullptr));
    FImageDataFormat = dfUnknown;
    FImageData->Clear();
}

void TovGPImage::SetHandle(GpImage* AHandle) {
    if (AHandle == FHandle) return;
    FreeHandle();
    FHandle = AHandle;
    UpdateImageDataFormat();
    Changed(this);
}

void TovGPImage::UpdateImageDataFormat() {
    FImageDataFormat = dfUnknown;
    if (FHandle == nullptr) return;
    GUID format;
    GdipCheck(ovGdipApi.GdipGetImageRawFormat(FHandle, &format));
    FImageDataFormat = ovGpGetImageDataFormat(format);
}

void TovGPImage::LoadFromBits(int AWidth, int AHeight, bool AHasAlphaChannel, const TRGBColors& ABits) {
    FreeHandle();
    if (AWidth <= 0 || AHeight <= 0) return;
    TovGPImageData& data = *FImageData;
    data.Bits = ABits;
    // Pixels the caller did not give are transparent.
    data.Bits.resize(std::size_t(AWidth) * AHeight, 0);
    data.BitsSize = TSize{AWidth, AHeight};
    if (!AHasAlphaChannel)
        for (std::uint32_t& pixel : data.Bits)
            pixel |= 0xFF000000u;
}

// ---- Size, pixels and format

bool TovGPImage::Empty() const {
    return uiIsRectEmpty(GetClientRect());
}

int TovGPImage::Width() const {
    return GetSize().cx;
}

int TovGPImage::Height() const {
    return GetSize().cy;
}

TSize TovGPImage::GetSize() const {
    GpImage* handle = GetHandle();
    if (handle == nullptr) return TSize{0, 0};
    REAL width = 0, height = 0;
    GdipCheck(ovGdipApi.GdipGetImageDimension(handle, &width, &height));
    return TSize{static_cast<LONG>(std::trunc(width)), static_cast<LONG>(std::trunc(height))};
}

TRect TovGPImage::GetClientRect() const {
    return uiRectOfSize(GetSize());
}

bool TovGPImage::GetPixels(TRGBColors& APixels) const {
    const std::unique_ptr<TBitmap> bitmap = GetAsBitmap();
    return !bitmap->Empty() && ovGetBitmapBits(bitmap.get(), APixels, true);
}

bool TovGPImage::IsAlphaUsed() const {
    if (!FAlphaUsedKnown) {
        TRGBColors pixels;
        FAlphaUsed = false;
        if (GetPixels(pixels))
            for (std::uint32_t pixel : pixels)
                if ((pixel >> 24) != 255) {
                    FAlphaUsed = true;
                    break;
                }
        FAlphaUsedKnown = true;
    }
    return FAlphaUsed;
}

TovImageDataFormat TovGPImage::GetImageDataFormat() const {
    return Live()->FImageDataFormat;
}

void TovGPImage::SetImageDataFormat(TovImageDataFormat AFormat) {
    if (AFormat == GetImageDataFormat()) return;
    TMemoryStream encoded;
    SaveToStreamByFormat(&encoded, AFormat);
    encoded.SetPosition(0);
    LoadFromStream(&encoded);
}

std::unique_ptr<TBitmap> TovGPImage::GetAsBitmap() const {
    auto bitmap = std::make_unique<TBitmap>();
    GpImage* handle = GetHandle();
    if (handle == nullptr) return bitmap;
    HBITMAP pixels = nullptr;
    GdipCheck(ovGdipApi.GdipCreateHBITMAPFromBitmap(static_cast<GpBitmap*>(handle), &pixels, 0));
    bitmap->SetHandle(pixels);
    bitmap->SetPixelFormat(pf32bit);
    return bitmap;
}

void TovGPImage::Resize(int AWidth, int AHeight) {
    FImageData->NewSize = TSize{AWidth, AHeight};
    if (FHandle == nullptr) return;
    GpBitmap* resized = ovGpCreateBitmap(AWidth, AHeight);
    GpGraphics* graphics = nullptr;
    try {
        GdipCheck(ovGdipApi.GdipGetImageGraphicsContext(resized, &graphics));
        const GpStatus status = ovGdipApi.GdipDrawImageRectI(graphics, FHandle, 0, 0, AWidth, AHeight);
        ovGdipApi.GdipDeleteGraphics(graphics);
        GdipCheck(status);
    } catch (...) {
        ovGdipApi.GdipDisposeImage(resized);
        throw;
    }
    SetHandle(resized);
}

// ---- Loading and saving

void TovGPImage::LoadFromStream(TStream* AStream) {
    const std::int64_t count = AStream->Size() - AStream->Position();
    std::unique_ptr<TovGPMemoryStream> copy;
    if (count > 0) {
        copy = std::make_unique<TovGPMemoryStream>();
        copy->CopyFrom(AStream, count);
        copy->SetPosition(0);
    }
    FreeHandle();
    FImageData->Data = std::move(copy);
    Changed(this);
}

void TovGPImage::LoadFromResource(HINSTANCE AInstance, const std::string& AName, const std::string& AType) {
    TResourceStream resource(AInstance, AName, AType);
    LoadFromStream(&resource);
}

void TovGPImage::SaveToStream(TStream* AStream) {
    SaveToStreamByFormat(AStream, GetImageDataFormat());
}

void TovGPImage::SaveToStreamByFormat(TStream* AStream, TovImageDataFormat AFormat) {
    GpImage* handle = GetHandle();
    if (handle == nullptr) return;
    // A copy is encoded: the image keeps its pixels, so saving again never re-encodes a decoded copy.
    const std::unique_ptr<TovGPMemoryStream> encoded = gdiplus_image_detail::Encode(handle, AFormat);
    AStream->CopyFrom(encoded.get(), 0);
}

void TovGPImage::SaveToClipboardFormat(UINT& AFormat, std::vector<BYTE>& AData) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf32bit);
    bitmap.SetSize(Width(), Height());
    HDC dc = bitmap.Canvas()->Handle();
    const RECT whole{0, 0, bitmap.Width(), bitmap.Height()};
    ::FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    StretchDraw(dc, whole);
    bitmap.SaveToClipboardFormat(AFormat, AData);
}

void TovGPImage::LoadFromClipboardFormat(UINT AFormat, const std::vector<BYTE>& AData) {
    TBitmap bitmap;
    bitmap.SetPixelFormat(pf32bit);
    bitmap.LoadFromClipboardFormat(AFormat, AData);
    AssignBitmap(&bitmap);
}

// ---- Drawing

void TovGPImage::Draw(TCanvas* ACanvas, const RECT& Rect) {
    StretchDraw(ACanvas->Handle(), Rect, 255);
}

void TovGPImage::StretchDraw(HDC DC, const TRect& R, std::uint8_t AAlpha) {
    StretchDrawPart(DC, R, AAlpha, GetClientRect());
}

void TovGPImage::StretchDrawPart(HDC DC, const TRect& R, std::uint8_t AAlpha, const TRect& ASourceRect) {
    if (GetHandle() == nullptr) return;
    TovGPPaintCanvas* canvas = ovSharedGpPaintCanvas();
    canvas->BeginPaint(DC, R);
    const TovFinally end([canvas] { canvas->EndPaint(); });
    canvas->DrawPart(this, R, AAlpha, ASourceRect);
}

// ---- Copies and comparison

void TovGPImage::Changed(TObject* Sender) {
    FAlphaUsedKnown = false;
    TGraphic::Changed(Sender);
}

void TovGPImage::Assign(TPersistent* ASource) {
    if (ASource == nullptr) {
        Clear();
    } else if (auto* image = dynamic_cast<TovGPImage*>(ASource)) {
        AssignFromGpImage(image);
    } else if (auto* graphic = dynamic_cast<TGraphic*>(ASource)) {
        AssignFromGraphic(graphic);
    } else {
        TGraphic::Assign(ASource);
    }
}

void TovGPImage::AssignTo(TPersistent* ADest) {
    if (auto* image = dynamic_cast<TovGPImage*>(ADest)) {
        image->Assign(this);
    } else if (auto* bitmap = dynamic_cast<TBitmap*>(ADest)) {
        const std::unique_ptr<TBitmap> pixels = GetAsBitmap();
        bitmap->Assign(pixels.get());
    } else {
        TGraphic::AssignTo(ADest);
    }
}

void TovGPImage::AssignFromGpImage(TovGPImage* AImage) {
    if (AImage == this) return;
    if (AImage->Empty()) {
        Clear();
    } else if (!AImage->FImageData->Empty()) {
        FreeHandle();
        FImageData->Assign(*AImage->FImageData);
        Changed(this);
    } else if (AImage->GetImageDataFormat() == dfBMP) {
        AssignBitmap(AImage->GetAsBitmap().get());
    } else {
        TMemoryStream encoded;
        AImage->SaveToStream(&encoded);
        encoded.SetPosition(0);
        LoadFromStream(&encoded);
    }
}

void TovGPImage::AssignFromGraphic(TGraphic* AGraphic) {
    if (dynamic_cast<TBitmap*>(AGraphic) != nullptr) {
        AssignBitmap(AGraphic);
        return;
    }
    const std::unique_ptr<TBitmap> drawn = gdiplus_image_detail::DrawnBitmap(AGraphic);
    AssignBitmap(drawn.get());
}

void TovGPImage::AssignBitmap(TGraphic* AGraphic) {
    CreateHandleFromBitmap(AGraphic);
    Changed(this);
}

std::unique_ptr<TovGPImage> TovGPImage::Clone() const {
    std::unique_ptr<TovGPImage> copy(static_cast<TovGPImage*>(GraphicClass()->Create()));
    copy->AssignFromGpImage(const_cast<TovGPImage*>(this));
    return copy;
}

void TovGPImage::ChangeColor(TColor AColor) {
    if (!uiIsDrawableColor(AColor) || Empty()) return;
    TRGBColors pixels;
    if (!GetPixels(pixels)) return;
    const int width = Width(), height = Height();
    const COLORREF rgb = ColorToRGB(AColor);
    const int red = rgb & 0xFF, green = (rgb >> 8) & 0xFF, blue = (rgb >> 16) & 0xFF;
    for (std::uint32_t& pixel : pixels) {
        const int alpha = int(pixel >> 24);
        pixel = std::uint32_t(MulDiv(blue, alpha, 255)) | (std::uint32_t(MulDiv(green, alpha, 255)) << 8) |
                (std::uint32_t(MulDiv(red, alpha, 255)) << 16) | (std::uint32_t(alpha) << 24);
    }
    LoadFromBits(width, height, true, pixels);
    Changed(this);
}

bool TovGPImage::Compare(TovGPImage* AImage) {
    if (AImage == nullptr || Width() != AImage->Width() || Height() != AImage->Height()) return false;
    if (Empty() || AImage->Empty()) return true;
    TRGBColors mine, theirs;
    return GetPixels(mine) && AImage->GetPixels(theirs) && mine == theirs;
}

void TovGPImage::Clear() {
    if (FHandle == nullptr && FImageData->Empty()) return;
    FreeHandle();
    Changed(this);
}

// ---- TovPNGImage

void TovPNGImage::SaveToStream(TStream* AStream) {
    SaveToStreamByFormat(AStream, dfPNG);
}
