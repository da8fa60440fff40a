#include "platform/vcl/Bitmap.h"

#include "platform/gdi/DibCodec.h"
#include "platform/gdi/Gdi.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/Resources.h"

#include <algorithm>
#include <cstring>
#include <unordered_set>

namespace bitmap_detail {

constexpr std::uint32_t kWhite = 0xFFFFFF;

bool IsBlackAndWhite(const std::vector<RGBQUAD>& palette) {
    auto is = [](const RGBQUAD& q, int v) { return q.rgbRed == v && q.rgbGreen == v && q.rgbBlue == v; };
    return palette.size() == 2 && is(palette[0], 0) && is(palette[1], 255);
}

bool Indexed(TPixelFormat format) {
    return format == pf1bit || format == pf4bit || format == pf8bit;
}

// Formats whose stored rows differ from the 32-bit surface.
bool Packed(TPixelFormat format) {
    return format != pf32bit && format != pfDevice && format != pfCustom;
}

std::shared_ptr<TSurface> CopySurface(const TSurface& source, int width, int height, int bitsPerPixel) {
    auto copy = std::make_shared<TSurface>(width, height, bitsPerPixel);
    if (bitsPerPixel == 1) copy->Fill(kWhite);
    const int w = std::min(width, source.Width()), h = std::min(height, source.Height());
    for (int y = 0; y < h; ++y)
        std::memcpy(copy->Row(y), source.Row(y), static_cast<std::size_t>(w) * 4);
    return copy;
}

// The palette of an indexed format for a picture: its own colours first when they all fit, then the
// standard entries; the standard palette alone when they do not fit.
std::vector<RGBQUAD> PaletteFor(const TSurface* surface, int bits) {
    std::vector<RGBQUAD> standard = dib_codec::DefaultPalette(bits);
    if (surface == nullptr) return standard;
    const std::size_t room = std::size_t(1) << bits;
    std::vector<std::uint32_t> colors; // in order of appearance
    std::unordered_set<std::uint32_t> seen;
    for (int y = 0; y < surface->Height(); ++y)
        for (int x = 0; x < surface->Width(); ++x) {
            const std::uint32_t c = surface->Row(y)[x] & 0xFFFFFF;
            if (!seen.insert(c).second) continue;
            if (colors.size() == room) return standard;
            colors.push_back(c);
        }
    auto quadOf = [](std::uint32_t c) {
        RGBQUAD q;
        q.rgbBlue = static_cast<BYTE>(c & 0xFF), q.rgbGreen = static_cast<BYTE>((c >> 8) & 0xFF);
        q.rgbRed = static_cast<BYTE>((c >> 16) & 0xFF);
        return q;
    };
    // Two colours that are black and white keep the monochrome order.
    if (bits == 1 && colors.size() == 2 &&
        ((colors[0] == 0 && colors[1] == kWhite) || (colors[1] == 0 && colors[0] == kWhite)))
        return standard;
    std::vector<RGBQUAD> palette;
    for (std::uint32_t c : colors)
        palette.push_back(quadOf(c));
    for (const RGBQUAD& q : standard) {
        if (palette.size() == room) break;
        const std::uint32_t c = q.rgbBlue | (q.rgbGreen << 8) | (static_cast<std::uint32_t>(q.rgbRed) << 16);
        if (std::find(colors.begin(), colors.end(), c) == colors.end()) palette.push_back(q);
    }
    return palette;
}

std::int64_t ReadAll(TStream* stream, std::vector<std::uint8_t>& bytes) {
    const std::int64_t available = stream->Size() - stream->Position();
    bytes.resize(static_cast<std::size_t>(std::max<std::int64_t>(available, 0)));
    if (!bytes.empty()) stream->ReadBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
    return available;
}

} // namespace bitmap_detail

// ---- TBitmapCanvas

void TBitmapCanvas::CreateHandle() {
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) return;
    HBITMAP bitmap = FBitmap->Handle();
    FOldBitmap = bitmap != nullptr ? SelectObject(dc, bitmap) : nullptr;
    SetHandle(dc);
}

void TBitmapCanvas::FreeContext() {
    if (!HandleAllocated()) return;
    HDC dc = Handle();
    SetHandle(nullptr);
    if (FOldBitmap != nullptr) SelectObject(dc, FOldBitmap);
    FOldBitmap = nullptr;
    DeleteDC(dc);
}

// ---- TBitmap

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int AWidth, int AHeight) {
    SetSize(AWidth, AHeight);
}

TBitmap::~TBitmap() {
    FCanvas.reset();
    FreeHandles();
}

void TBitmap::FreeHandles() {
    if (FCanvas) FCanvas->FreeContext();
    if (FHandle != nullptr) DeleteObject(FHandle);
    FHandle = nullptr;
    if (FMaskHandle != nullptr) DeleteObject(FMaskHandle);
    FMaskHandle = nullptr;
}

void TBitmap::Dormant() {
    SurfaceNeeded();
    FreeHandles();
}

bool TBitmap::StoredRows() const {
    return bitmap_detail::Packed(FPixelFormat) && !(FPixelFormat == pf1bit && Monochrome());
}

void TBitmap::TakeImage(std::shared_ptr<TSurface> Surface, TPixelFormat Format,
                        std::vector<RGBQUAD> Palette) {
    FreeHandles();
    FSurface = std::move(Surface);
    if (FSurface && FSurface->Empty()) FSurface.reset();
    if (FSurface) {
        FWidth = FSurface->Width();
        FHeight = FSurface->Height();
    }
    FPixelFormat = Format;
    FPalette = std::move(Palette);
    FRows.clear();
    FRowsAhead = false;
}

void TBitmap::AdoptSurface32(std::shared_ptr<TSurface> Surface) {
    TakeImage(std::move(Surface), pf32bit, {});
    if (!FSurface) FWidth = FHeight = 0;
    Changed(this);
}

void TBitmap::SurfaceNeeded() {
    if (!FRowsAhead || !FSurface) return;
    // Rows written through ScanLine come back into the surface.
    const int bits = PixelFormatBits(FPixelFormat);
    const std::size_t rowBytes = dib_codec::RowBytes(FWidth, bits);
    for (int y = 0; y < FHeight; ++y)
        dib_codec::UnpackRow(FRows.data() + rowBytes * (FHeight - 1 - y), FWidth, bits,
                             FPixelFormat == pf16bit, FPalette, FSurface->Row(y));
    FRowsAhead = false;
}

void TBitmap::StoreRows() {
    const int bits = PixelFormatBits(FPixelFormat);
    const std::size_t rowBytes = dib_codec::RowBytes(FWidth, bits);
    FRows.assign(rowBytes * FHeight, 0);
    dib_codec::TPaletteMatcher matcher(FPalette);
    for (int y = 0; y < FHeight; ++y)
        dib_codec::PackRow(FSurface->Row(y), FWidth, bits, FPixelFormat == pf16bit, &matcher,
                           FRows.data() + rowBytes * (FHeight - 1 - y));
}

void* TBitmap::ScanLine(int Row) {
    if (Row < 0 || Row >= FHeight || FSurface == nullptr) throw EInvalidGraphic(SScanLine);
    if (!StoredRows()) {
        // The surface is the picture: drawing and rows share the memory.
        if (FSurface->IsMonochrome() || FPixelFormat == pf1bit) {
            // A monochrome picture hands out packed rows too, taken back before the next drawing.
            const std::size_t rowBytes = dib_codec::RowBytes(FWidth, 1);
            if (!FRowsAhead) {
                FRows.assign(rowBytes * FHeight, 0);
                dib_codec::TPaletteMatcher matcher(FPalette);
                for (int y = 0; y < FHeight; ++y)
                    dib_codec::PackRow(FSurface->Row(y), FWidth, 1, false, &matcher,
                                       FRows.data() + rowBytes * (FHeight - 1 - y));
            }
            FRowsAhead = true;
            return FRows.data() + rowBytes * (FHeight - 1 - Row);
        }
        return FSurface->Row(Row);
    }
    if (!FRowsAhead) StoreRows();
    // The caller may write: the surface takes the rows back before its next use.
    FRowsAhead = true;
    return FRows.data() + dib_codec::RowBytes(FWidth, PixelFormatBits(FPixelFormat)) * (FHeight - 1 - Row);
}

void TBitmap::SetSize(int AWidth, int AHeight) {
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (AWidth == FWidth && AHeight == FHeight) return;
    SurfaceNeeded();
    std::shared_ptr<TSurface> surface;
    if (AWidth > 0 && AHeight > 0) {
        const int bits = Monochrome() ? 1 : 32;
        surface = FSurface ? bitmap_detail::CopySurface(*FSurface, AWidth, AHeight, bits)
                           : std::make_shared<TSurface>(AWidth, AHeight, bits);
        if (!FSurface && bits == 1) surface->Fill(bitmap_detail::kWhite);
    }
    auto palette = FPalette;
    TakeImage(surface, FPixelFormat, std::move(palette));
    FWidth = AWidth;
    FHeight = AHeight;
    Changed(this);
}

TCanvas* TBitmap::Canvas() {
    if (!FCanvas) {
        FCanvas = std::make_unique<TBitmapCanvas>(this);
        FCanvas->OnChange = TNotifyEvent(this, &TBitmap::CanvasChanged);
    }
    SurfaceNeeded();
    return FCanvas.get();
}

void TBitmap::CanvasChanged(TObject*) {
    Changed(this);
}

HBITMAP TBitmap::Handle() {
    SurfaceNeeded();
    if (FHandle == nullptr && FSurface) FHandle = GdiCreateBitmapFromSurface(FSurface);
    return FHandle;
}

void TBitmap::SetHandle(HBITMAP Value) {
    if (Value != nullptr && Value == FHandle) return;
    std::shared_ptr<TSurface> surface = Value != nullptr ? GdiGetBitmapSurface(Value) : nullptr;
    if (surface && surface->Empty()) surface.reset();
    const bool mono = surface && surface->IsMonochrome();
    TakeImage(surface, mono ? pf1bit : (surface ? pfDevice : FPixelFormat),
              mono ? dib_codec::DefaultPalette(1) : std::vector<RGBQUAD>{});
    if (FSurface) {
        FHandle = Value;
    } else {
        FWidth = FHeight = 0;
        if (Value != nullptr) DeleteObject(Value);
    }
    Changed(this);
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
    if (Value == FPixelFormat || Value == pfCustom) return;
    SurfaceNeeded();
    const int bits = PixelFormatBits(Value);
    std::vector<RGBQUAD> palette;
    if (bitmap_detail::Indexed(Value))
        palette = PixelFormatBits(FPixelFormat) == bits ? FPalette
                                                        : bitmap_detail::PaletteFor(FSurface.get(), bits);
    std::shared_ptr<TSurface> surface;
    if (FSurface) {
        const bool mono = Value == pf1bit && bitmap_detail::IsBlackAndWhite(palette);
        surface = bitmap_detail::CopySurface(*FSurface, FWidth, FHeight, mono ? 1 : 32);
        if (Value != pf32bit && Value != pfDevice) {
            // Reduce the colours to what the format holds.
            const std::size_t rowBytes = dib_codec::RowBytes(FWidth, bits);
            std::vector<std::uint8_t> row(rowBytes);
            dib_codec::TPaletteMatcher matcher(palette);
            for (int y = 0; y < FHeight; ++y) {
                dib_codec::PackRow(surface->Row(y), FWidth, bits, Value == pf16bit, &matcher, row.data());
                dib_codec::UnpackRow(row.data(), FWidth, bits, Value == pf16bit, palette, surface->Row(y));
            }
        }
    }
    TakeImage(surface, Value, std::move(palette));
    Changed(this);
}

bool TBitmap::Monochrome() const {
    return FPixelFormat == pf1bit && bitmap_detail::IsBlackAndWhite(FPalette);
}

void TBitmap::SetMonochrome(bool Value) {
    if (Value == Monochrome()) return;
    if (Value) {
        SurfaceNeeded();
        const int w = FWidth, h = FHeight;
        std::shared_ptr<TSurface> surface;
        if (FSurface) {
            // Light pixels become white, dark ones black.
            surface = std::make_shared<TSurface>(w, h, 1);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const std::uint32_t p = FSurface->Row(y)[x];
                    const int luma =
                        (299 * ((p >> 16) & 0xFF) + 587 * ((p >> 8) & 0xFF) + 114 * (p & 0xFF)) / 1000;
                    surface->Row(y)[x] = luma >= 128 ? bitmap_detail::kWhite : 0;
                }
        }
        TakeImage(surface, pf1bit, dib_codec::DefaultPalette(1));
        FWidth = w, FHeight = h;
        Changed(this);
    } else {
        SetPixelFormat(pfDevice);
    }
}

TColor TBitmap::TransparentColor() {
    if (FTransparentColor != clDefault && FTransparentMode == tmFixed) return FTransparentColor;
    if (Monochrome()) return clWhite;
    if (Empty()) return clDefault;
    SurfaceNeeded();
    return static_cast<TColor>(PixelToColorRef(FSurface->Row(FHeight - 1)[0]) & 0xFFFFFF);
}

void TBitmap::SetTransparentColor(TColor Value) {
    if (Value == FTransparentColor && FTransparentMode == tmFixed) return;
    FTransparentColor = Value;
    FTransparentMode = Value == clDefault ? tmAuto : tmFixed;
    Changed(this);
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
    if (Value == FTransparentMode) return;
    if (Value == tmAuto)
        SetTransparentColor(clDefault);
    else
        SetTransparentColor(TransparentColor());
}

void TBitmap::Mask(TColor TransparentColor) {
    SurfaceNeeded();
    const int w = FWidth, h = FHeight;
    std::shared_ptr<TSurface> mask;
    if (FSurface) {
        const std::uint32_t key = ColorToRGB(TransparentColor) & 0xFFFFFF;
        mask = std::make_shared<TSurface>(w, h, 1);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                mask->Row(y)[x] =
                    (PixelToColorRef(FSurface->Row(y)[x]) & 0xFFFFFF) == key ? bitmap_detail::kWhite : 0;
    }
    TakeImage(mask, pf1bit, dib_codec::DefaultPalette(1));
    FWidth = w, FHeight = h;
    Changed(this);
}

HBITMAP TBitmap::MaskHandle() {
    if (FMaskHandle == nullptr && !Empty()) {
        TBitmap mask;
        mask.Assign(this);
        mask.Mask(TransparentColor());
        FMaskHandle = GdiCreateBitmapFromSurface(mask.FSurface);
    }
    return FMaskHandle;
}

void TBitmap::Assign(TPersistent* Source) {
    if (Source == nullptr) {
        TakeImage(nullptr, FPixelFormat, FPalette);
        FWidth = FHeight = 0;
        Changed(this);
        return;
    }
    if (auto* bitmap = dynamic_cast<TBitmap*>(Source)) {
        if (bitmap == this) return;
        bitmap->SurfaceNeeded();
        std::shared_ptr<TSurface> copy;
        if (bitmap->FSurface)
            copy = bitmap_detail::CopySurface(*bitmap->FSurface, bitmap->FWidth, bitmap->FHeight,
                                              bitmap->FSurface->BitsPerPixel());
        TakeImage(copy, bitmap->FPixelFormat, bitmap->FPalette);
        FWidth = bitmap->FWidth;
        FHeight = bitmap->FHeight;
        FTransparentColor = bitmap->FTransparentColor;
        FTransparentMode = bitmap->FTransparentMode;
        SetTransparent(bitmap->Transparent());
        Changed(this);
        return;
    }
    if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
        // Any other graphic is drawn onto a 32-bit bitmap of its size (transparent parts stay black).
        TakeImage(nullptr, pf32bit, {});
        FWidth = FHeight = 0;
        SetSize(graphic->Width(), graphic->Height());
        if (!Empty()) Canvas()->Draw(0, 0, graphic);
        Changed(this);
        return;
    }
    TGraphic::Assign(Source);
}

void TBitmap::Draw(TCanvas* ACanvas, const RECT& Rect) {
    if (Empty()) return;
    HDC source = Canvas()->Handle();
    HDC dest = ACanvas->Handle();
    const int w = Rect.right - Rect.left, h = Rect.bottom - Rect.top;
    if (Transparent())
        TransparentBlt(dest, Rect.left, Rect.top, w, h, source, 0, 0, FWidth, FHeight,
                       ColorToRGB(TransparentColor()));
    else
        StretchBlt(dest, Rect.left, Rect.top, w, h, source, 0, 0, FWidth, FHeight, ACanvas->CopyMode());
}

void TBitmap::Changed(TObject* Sender) {
    if (FMaskHandle != nullptr) DeleteObject(FMaskHandle);
    FMaskHandle = nullptr;
    TGraphic::Changed(Sender);
}

void TBitmap::LoadDib(const std::uint8_t* Data, std::size_t Size, bool FileHeader) {
    dib_codec::TBmpFile file;
    if (FileHeader) {
        file = dib_codec::ReadBmpFile(Data, Size, SInvalidBitmap);
    } else {
        file.Header = dib_codec::ParseHeader(Data, Size, SInvalidBitmap);
        file.Surface = dib_codec::DecodePixels(file.Header, Data + file.Header.HeaderSize,
                                               Size - file.Header.HeaderSize, SInvalidBitmap);
    }
    const auto& header = file.Header;
    TPixelFormat format = pf32bit;
    switch (header.BitsPerPixel) {
    case 1:
        format = pf1bit;
        break;
    case 4:
        format = pf4bit;
        break;
    case 8:
        format = pf8bit;
        break;
    case 16:
        format = header.GreenMask == 0x07E0 ? pf16bit : pf15bit;
        break;
    case 24:
        format = pf24bit;
        break;
    default:
        break;
    }
    std::shared_ptr<TSurface> surface = file.Surface;
    if (format == pf1bit && bitmap_detail::IsBlackAndWhite(header.Palette))
        surface = bitmap_detail::CopySurface(*surface, surface->Width(), surface->Height(), 1);
    TakeImage(surface, format, header.Palette);
    Changed(this);
}

void TBitmap::LoadFromStream(TStream* Stream) {
    std::vector<std::uint8_t> bytes;
    bitmap_detail::ReadAll(Stream, bytes);
    LoadDib(bytes.data(), bytes.size(), true);
}

void TBitmap::SaveToStream(TStream* Stream) {
    if (Empty()) return;
    SurfaceNeeded();
    int bits = PixelFormatBits(FPixelFormat);
    if (bits == 0) bits = 32;
    const std::string file = dib_codec::EncodeBmpFile(*FSurface, bits, FPixelFormat == pf16bit, FPalette);
    Stream->WriteBuffer(file.data(), static_cast<std::int64_t>(file.size()));
}

void TBitmap::ReadData(TStream* Stream) {
    std::uint8_t sizeBytes[4];
    Stream->ReadBuffer(sizeBytes, 4);
    const std::uint32_t size = sizeBytes[0] | (sizeBytes[1] << 8) | (sizeBytes[2] << 16) |
                               (static_cast<std::uint32_t>(sizeBytes[3]) << 24);
    if (size == 0) {
        TakeImage(nullptr, FPixelFormat, FPalette);
        FWidth = FHeight = 0;
        Changed(this);
        return;
    }
    if (static_cast<std::int64_t>(size) > Stream->Size() - Stream->Position())
        throw EInvalidGraphic(SInvalidBitmap);
    std::vector<std::uint8_t> bytes(size);
    Stream->ReadBuffer(bytes.data(), size);
    LoadDib(bytes.data(), bytes.size(), true);
}

void TBitmap::WriteData(TStream* Stream) {
    TMemoryStream image;
    SaveToStream(&image);
    const std::uint32_t size = static_cast<std::uint32_t>(image.Size());
    const std::uint8_t sizeBytes[4] = {static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                                       static_cast<std::uint8_t>(size >> 16),
                                       static_cast<std::uint8_t>(size >> 24)};
    Stream->WriteBuffer(sizeBytes, 4);
    if (size > 0) Stream->WriteBuffer(image.Memory(), size);
}

void TBitmap::SaveToClipboardFormat(UINT& AFormat, std::vector<BYTE>& AData) {
    if (Empty()) throw EInvalidGraphic(SInvalidBitmap);
    SurfaceNeeded();
    int bits = PixelFormatBits(FPixelFormat);
    if (bits == 0) bits = 32;
    const std::string dib = dib_codec::EncodeDib(*FSurface, bits, FPixelFormat == pf16bit, FPalette);
    AFormat = GraphicClipboardFormatDib;
    AData.assign(dib.begin(), dib.end());
}

void TBitmap::LoadFromClipboardFormat(UINT AFormat, const std::vector<BYTE>& AData) {
    if (AFormat != GraphicClipboardFormatDib) throw EInvalidGraphic("Unsupported clipboard format");
    LoadDib(AData.data(), AData.size(), false);
}

void TBitmap::LoadFromResourceName(HINSTANCE Instance, const std::string& ResName) {
    TResourceStream stream(Instance, ResName, "BITMAP");
    const auto* data = static_cast<const std::uint8_t*>(stream.Memory());
    const auto size = static_cast<std::size_t>(stream.Size());
    LoadDib(data, size, size >= 2 && data[0] == 'B' && data[1] == 'M');
}
