#include "imaging/picture/PngGraphic.h"

#include "imaging/PackedBits.h"
#include "imaging/png/PngTypes.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"

#include <zlib.h>

#include <cstring>
#include <new>

namespace png_graphic_detail {
constexpr std::uint8_t Signature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};
inline std::uint32_t BE32(const std::uint8_t* p) {
    return (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) | (std::uint32_t(p[2]) << 8) | p[3];
}
inline std::uint16_t BE16(const std::uint8_t* p) {
    return std::uint16_t((p[0] << 8) | p[1]);
}
inline std::uint32_t TypeWord(const char* t) {
    return (std::uint32_t(std::uint8_t(t[0])) << 24) | (std::uint32_t(std::uint8_t(t[1])) << 16) |
           (std::uint32_t(std::uint8_t(t[2])) << 8) | std::uint8_t(t[3]);
}
constexpr int RowStart[7] = {0, 0, 4, 0, 2, 0, 1};
constexpr int ColumnStart[7] = {0, 4, 0, 2, 0, 1, 0};
constexpr int RowIncrement[7] = {8, 8, 8, 4, 4, 2, 2};
constexpr int ColumnIncrement[7] = {8, 8, 4, 4, 2, 2, 1};
constexpr std::uint8_t PassMask[7] = {0x80, 0x08, 0x88, 0x22, 0xAA, 0x55, 0xFF};
const char* const Png = "PNG";
} // namespace png_graphic_detail

using namespace png_graphic_detail;

TPNGGraphic::TPNGGraphic() = default;
TPNGGraphic::~TPNGGraphic() = default;

bool TPNGGraphic::CanLoadStream(TStream* Stream) {
    const std::int64_t position = Stream->Position();
    bool result = false;
    if (Stream->Size() - position > 8) {
        std::uint8_t head[8];
        result = Stream->Read(head, 8) == 8 && std::memcmp(head, Signature, 8) == 0;
    }
    Stream->SetPosition(position);
    return result;
}

bool TPNGGraphic::ReadChunkHeader() {
    std::uint8_t head[8];
    if (FStream->Read(head, 8) != 8) return false;
    FHeader.Length = BE32(head);
    std::memcpy(FHeader.Type, head + 4, 4);
    FCurrentCRC = std::uint32_t(crc32(0, head + 4, 4));
    return true;
}

void TPNGGraphic::ReadChunkData() {
    // A length beyond the bytes left is a damaged file; it is refused before anything is allocated.
    const std::int64_t left = FStream->Size() - FStream->Position();
    if (std::int64_t(FHeader.Length) + 4 > left) GraphicErrorFmt(PngGraphicText::InvalidFormat, Png);
    FRawBuffer.resize(FHeader.Length);
    if (FHeader.Length > 0) FStream->ReadBuffer(FRawBuffer.data(), FHeader.Length);
    std::uint8_t stored[4];
    FStream->ReadBuffer(stored, 4);
    FCurrentCRC = std::uint32_t(crc32(FCurrentCRC, FRawBuffer.data(), uInt(FHeader.Length)));
    if (FCurrentCRC != BE32(stored)) GraphicErrorFmt(PngGraphicText::CrcError, Png);
}

bool TPNGGraphic::MatchChunk(const char* Type) const {
    return (TypeWord(FHeader.Type) & 0xDFDFDFDFu) == (TypeWord(Type) & 0xDFDFDFDFu);
}

bool TPNGGraphic::ReadImageProperties(TStream* Stream, unsigned ImageIndex) {
    TPicLibGraphic::ReadImageProperties(Stream, ImageIndex);
    FStream = Stream;
    std::uint8_t head[8];
    if (Stream->Read(head, 8) != 8 || std::memcmp(head, Signature, 8) != 0) return false;
    if (!ReadChunkHeader() || !MatchChunk("IHDR") || FHeader.Length < 13) return false;
    FImageProperties.Options |= ioBigEndian;
    ReadChunkData();
    const std::uint8_t* d = FRawBuffer.data();
    const std::uint32_t width = BE32(d), height = BE32(d + 4);
    if (width == 0 || height == 0 || width > 0x7FFFFFFFu || height > 0x7FFFFFFFu) return false;
    auto& p = FImageProperties;
    p.Width = width;
    p.Height = height;
    p.Compression = d[10] == 0 ? ctLZ77 : 0;
    p.BitsPerSample = d[8];
    switch (d[9]) {
    case 0:
        p.ColorScheme = csG, p.SamplesPerPixel = 1;
        break;
    case 2:
        p.ColorScheme = csRGB, p.SamplesPerPixel = 3;
        break;
    case 3:
        p.ColorScheme = csIndexed, p.SamplesPerPixel = 1;
        break;
    case 4:
        p.ColorScheme = csGA, p.SamplesPerPixel = 2;
        break;
    case 6:
        p.ColorScheme = csRGBA, p.SamplesPerPixel = 4;
        break;
    default:
        p.ColorScheme = csUnknown, p.SamplesPerPixel = 1;
        break;
    }
    p.BitsPerPixel = std::uint8_t(p.SamplesPerPixel * p.BitsPerSample);
    p.FilterMode = d[11];
    p.Interlaced = d[12] != 0;
    p.HasAlpha = p.ColorScheme == csGA || p.ColorScheme == csRGBA || p.ColorScheme == csBGRA;
    for (;;) {
        if (!ReadChunkHeader()) return true; // the properties are known; a short file fails when loading
        if (MatchChunk("gAMA") && FHeader.Length == 4) {
            ReadChunkData();
            p.FileGamma = float(BE32(FRawBuffer.data())) / 100000.0f;
            return true;
        }
        if (MatchChunk("IEND")) return true;
        Stream->Seek(std::int64_t(FHeader.Length) + 4, soCurrent);
    }
}

int TPNGGraphic::ConfigureColorDepth(int ColorType, int BitDepth) {
    TColorManager& cm = *FColorManager;
    auto depthIn = [&](std::initializer_list<int> allowed) {
        for (int d : allowed)
            if (d == BitDepth) return true;
        return false;
    };
    int result = 0;
    switch (ColorType) {
    case 0:
        if (!depthIn({1, 2, 4, 8, 16})) break;
        cm.SetSourceColorScheme(csG);
        cm.SetTargetColorScheme(csG);
        cm.SetSourceSamplesPerPixel(1);
        cm.SetTargetSamplesPerPixel(1);
        cm.SetSourceBitsPerSample(std::uint8_t(BitDepth));
        cm.SetTargetBitsPerSample(std::uint8_t(BitDepth == 2 ? 4 : BitDepth == 16 ? 8 : BitDepth));
        SetImageFormat(cm.PixelFormatFor(true));
        FPalette = cm.BuildGreyPalette(false);
        FHavePalette = true;
        result = (BitDepth + 7) / 8;
        break;
    case 2:
        if (!depthIn({8, 16})) break;
        cm.SetSourceColorScheme(csRGB);
        cm.SetTargetColorScheme(csBGR);
        cm.SetSourceSamplesPerPixel(3);
        cm.SetTargetSamplesPerPixel(3);
        cm.SetSourceBitsPerSample(std::uint8_t(BitDepth));
        cm.SetTargetBitsPerSample(8);
        SetImageFormat(ppf24bit);
        result = BitDepth * 3 / 8;
        break;
    case 3:
        if (!depthIn({1, 2, 4, 8})) break;
        cm.SetSourceColorScheme(csIndexed);
        cm.SetTargetColorScheme(csIndexed);
        cm.SetSourceSamplesPerPixel(1);
        cm.SetTargetSamplesPerPixel(1);
        cm.SetSourceBitsPerSample(std::uint8_t(BitDepth));
        cm.SetTargetBitsPerSample(std::uint8_t(BitDepth == 2 ? 4 : BitDepth));
        SetImageFormat(cm.PixelFormatFor(true));
        result = 1;
        break;
    case 4:
        if (!depthIn({8, 16})) break;
        cm.SetSourceColorScheme(csGA);
        cm.SetTargetColorScheme(csIndexed);
        cm.SetSourceSamplesPerPixel(1);
        cm.SetTargetSamplesPerPixel(1);
        cm.SetSourceBitsPerSample(std::uint8_t(BitDepth));
        cm.SetTargetBitsPerSample(8);
        SetImageFormat(ppf8bit);
        FPalette = cm.BuildGreyPalette(false);
        FHavePalette = true;
        result = BitDepth * 2 / 8;
        break;
    case 6:
        if (!depthIn({8, 16})) break;
        cm.SetSourceColorScheme(csRGBA);
        cm.SetTargetColorScheme(csBGRA);
        cm.SetSourceSamplesPerPixel(4);
        cm.SetTargetSamplesPerPixel(4);
        cm.SetSourceBitsPerSample(std::uint8_t(BitDepth));
        cm.SetTargetBitsPerSample(8);
        SetImageFormat(ppf32bit);
        result = BitDepth * 4 / 8;
        break;
    default:
        break;
    }
    if (result == 0) GraphicErrorFmt(PngGraphicText::InvalidColorFormat, Png);
    FSourceBPP = result;
    return result;
}

int TPNGGraphic::GreyIndex(std::uint16_t Sample) const {
    // Indices of the bitmap's grey palette: 2-bit samples spread over the 16-step palette, 16-bit ones
    // reduced to 8 bits, the others as they are.
    switch (FBitDepth) {
    case 2:
        return (Sample & 3) * 15 / 3;
    case 16:
        return Sample * 255 / 65535;
    case 1:
        return Sample & 1;
    case 4:
        return Sample & 15;
    default:
        return Sample & 0xFF;
    }
}

void TPNGGraphic::ReadBackground() {
    ReadChunkData();
    const std::uint8_t* d = FRawBuffer.data();
    const std::size_t n = FRawBuffer.size();
    switch (FColorType) {
    case 0:
    case 4:
        if (n >= 2) FBackgroundIndex = GreyIndex(BE16(d));
        break;
    case 2:
    case 6:
        if (n >= 6) {
            auto reduce = [&](int i) {
                const std::uint16_t v = BE16(d + 2 * i);
                return std::uint8_t(FBitDepth == 16 ? v * 255 / 65535 : v & 0xFF);
            };
            FBackgroundColor = RGB(reduce(0), reduce(1), reduce(2));
        }
        break;
    default:
        break; // palette images keep their own background: the bitmap is not filled
    }
}

void TPNGGraphic::ReadTransparency() {
    ReadChunkData();
    // Worked out once the conversion is known (ReadImageData): the key has to show as the pixels do.
    FTrns = FRawBuffer;
}

std::uint8_t TPNGGraphic::GreyLevel(std::uint16_t Sample) const {
    if (FBitDepth == 16) return FColorManager->Level16(Sample);
    const std::uint8_t v = std::uint8_t(Sample);
    return (FColorManager->TargetOptions & coApplyGamma) ? FColorManager->GammaTable()[v] : v;
}

COLORREF TPNGGraphic::KeyColor() {
    const std::uint8_t* d = FTrns.data();
    if (FColorType == 0 && FTrns.size() >= 2) {
        const std::uint16_t sample = BE16(d);
        if (FBitDepth == 16) {
            const std::uint8_t g = GreyLevel(sample);
            return RGB(g, g, g);
        }
        // The key is the colour the grey sample shows: its entry of the grey palette.
        const int index = GreyIndex(sample);
        const int levels = 1 << (FBitDepth == 2 ? 4 : FBitDepth);
        const int level = index * 255 / (levels - 1);
        const std::uint8_t g = (FColorManager->TargetOptions & coApplyGamma)
                                   ? FColorManager->GammaTable()[std::size_t(level)]
                                   : std::uint8_t(level);
        return RGB(g, g, g);
    }
    if (FColorType == 2 && FTrns.size() >= 6) {
        // Through the same conversion as the pixels, gamma and all.
        std::uint8_t source[6], shown[3];
        for (int c = 0; c < 3; ++c) {
            if (FBitDepth == 16) {
                source[2 * c] = d[2 * c];
                source[2 * c + 1] = d[2 * c + 1];
            } else {
                source[c] = d[2 * c + 1];
            }
        }
        FColorManager->ConvertRow({source}, shown, 1, 0xFF);
        return RGB(shown[2], shown[1], shown[0]);
    }
    return PicClNone;
}

void TPNGGraphic::ConvertPngRow(const std::uint8_t* Source, std::uint8_t* Target, std::uint8_t Mask) {
    const int bytes = FBitDepth == 16 ? 2 : 1;
    const bool key16 = FBitDepth == 16 && FTransparentColor != PicClNone;
    if (!FDirect) {
        FColorManager->ConvertRow({Source}, Target, FWidth, Mask);
        if (!key16 || FColorType != 2) return;
    }
    std::uint8_t bit = 0x80;
    std::size_t i = 0;
    for (std::uint32_t x = 0; x < FWidth; ++x, bit = bit == 1 ? 0x80 : std::uint8_t(bit >> 1)) {
        if (!(Mask & bit)) continue;
        const std::size_t at = i++;
        switch (FColorType) {
        case 0: { // 16-bit: an index of the plain grey ramp
            const std::uint16_t s = BE16(Source + 2 * at);
            std::uint8_t level = GreyLevel(s);
            // Only the whole sample matches the key: a near miss is shown one level off it.
            if (key16 && level == GetRValue(FTransparentColor) && s != BE16(FTrns.data()))
                level = level == 255 ? 254 : std::uint8_t(level + 1);
            Target[x] = level;
            break;
        }
        case 2: { // 16-bit with a key, after the colour manager
            std::uint8_t* p = Target + 3 * std::size_t(x);
            if (RGB(p[2], p[1], p[0]) == FTransparentColor &&
                std::memcmp(Source + 6 * at, FTrns.data(), 6) != 0)
                p[0] = p[0] == 255 ? 254 : std::uint8_t(p[0] + 1);
            break;
        }
        case 3: { // palette with transparency: colour and alpha of the entry
            const int index =
                FBitDepth == 8 ? Source[at] : int(packed_bits::GetBits(Source, int(at), FBitDepth));
            std::uint8_t* p = Target + 4 * std::size_t(x);
            // The palette of a 2-bit image is spread over 16 entries, as its 4-bit pixels are.
            const std::size_t entry = std::size_t(FBitDepth == 2 ? index * 5 : index);
            if (entry < FPalette.size()) {
                p[0] = FPalette[entry].Blue;
                p[1] = FPalette[entry].Green;
                p[2] = FPalette[entry].Red;
            } else {
                p[0] = p[1] = p[2] = 0; // an index past the palette shows black
            }
            p[3] = std::size_t(index) < FTrns.size() ? FTrns[std::size_t(index)] : 255;
            break;
        }
        case 4: { // grey + alpha into 32 bits
            const std::uint8_t* s = Source + 2 * bytes * at;
            const std::uint8_t g = GreyLevel(bytes == 2 ? BE16(s) : s[0]);
            std::uint8_t* p = Target + 4 * std::size_t(x);
            p[0] = p[1] = p[2] = g;
            p[3] = s[bytes];
            break;
        }
        default:
            break;
        }
    }
}

std::int64_t TPNGGraphic::FilteredImageBytes() const {
    const int samples = FImageProperties.SamplesPerPixel;
    auto rowBytes = [&](std::int64_t pixels) { return (pixels * samples * FBitDepth + 7) / 8 + 1; };
    if (FInterlace == 0) return rowBytes(FWidth) * FHeight;
    std::int64_t total = 0;
    for (int pass = 0; pass < 7; ++pass) {
        if (FWidth <= std::uint32_t(ColumnStart[pass]) || FHeight <= std::uint32_t(RowStart[pass])) continue;
        const std::int64_t w =
            (std::int64_t(FWidth) + ColumnIncrement[pass] - ColumnStart[pass] - 1) / ColumnIncrement[pass];
        const std::int64_t h =
            (std::int64_t(FHeight) + RowIncrement[pass] - RowStart[pass] - 1) / RowIncrement[pass];
        total += rowBytes(w) * h;
    }
    return total;
}

bool TPNGGraphic::DataCanFillPicture() {
    const std::int64_t start = FStream->Position();
    const std::int64_t size = FStream->Size();
    std::int64_t compressed = 0;
    std::uint32_t length = FHeader.Length;
    for (std::int64_t at = start;;) {
        compressed += length;
        at += std::int64_t(length) + 4;
        std::uint8_t head[8];
        if (at + 8 > size) break;
        FStream->SetPosition(at);
        if (FStream->Read(head, 8) != 8 || std::memcmp(head + 4, "IDAT", 4) != 0) break;
        length = BE32(head);
        at += 8;
    }
    FStream->SetPosition(start);
    // A deflate block turns a byte into at most 258 bytes, a stored run into fewer: 1032 a byte is the
    // format's own bound, with a little for the stream's end.
    return FilteredImageBytes() <= compressed * 1032 + 1032;
}

void TPNGGraphic::LoadFromStream(TStream* Stream) {
    try {
        LoadPicture(Stream);
    } catch (const std::bad_alloc&) {
        // Memory that runs out is this picture's failure, reported as any other.
        GraphicErrorFmt(PngGraphicText::InvalidFormat, Png);
    }
}

void TPNGGraphic::LoadPicture(TStream* Stream) {
    DropImage();
    FBasePosition = Stream->Position();
    FDecoder.reset();
    FStream = Stream;
    FEndOfStream = false;
    FImageDataRead = false;
    if (!ReadImageProperties(Stream, 0)) GraphicErrorFmt(PngGraphicText::InvalidFormat, Png);
    Stream->SetPosition(FBasePosition + 8);
    FProgressRect = TRect{0, 0, LONG(FImageProperties.Width), 1};
    Progress(psStarting, 0, false, FProgressRect, "Preparing...");

    FHavePalette = false;
    FPalette.clear();
    FBackgroundColor = 0xFFFFFF;
    FBackgroundIndex = -1;
    FTransparentColor = PicClNone;
    FTrns.clear();
    FDirect = false;
    FRawBuffer.clear();
    FColorManager->SourceOptions = coNeedByteSwap;
    // The gamma of an earlier file must not colour this one: only this file's gAMA switches it on.
    FColorManager->TargetOptions = TConvertOptions(FColorManager->TargetOptions & ~coApplyGamma);
    if (!ReadChunkHeader()) GraphicErrorFmt(PngGraphicText::InvalidFormat, Png);
    ReadChunkData();
    const std::uint8_t* d = FRawBuffer.data();
    FWidth = BE32(d);
    FHeight = BE32(d + 4);
    FBitDepth = d[8];
    FColorType = d[9];
    FCompression = d[10];
    FFilter = d[11];
    FInterlace = d[12];
    if (FImageProperties.Compression != ctLZ77)
        GraphicErrorFmt(PngGraphicText::NotSupported, PngGraphicText::CompressionScheme, Png);

    FDecoder = std::make_unique<TLZ77Decoder>(Z_PARTIAL_FLUSH, false);
    struct Cleanup {
        TPNGGraphic& Self;
        ~Cleanup() {
            try {
                if (Self.FDecoder) Self.FDecoder->FinishDecoding();
            } catch (...) {
            }
            Self.FDecoder.reset();
            Self.FRawBuffer.clear();
            Self.FRawBuffer.shrink_to_fit();
            Self.DropImage(); // an image that was not handed over goes
            Self.Progress(psEnding, 0, false, Self.FProgressRect, "");
        }
    } cleanup{*this};
    FDecoder->StartDecoding();

    for (;;) {
        if (!ReadChunkHeader()) {
            // A file that ends after its image data shows what it has; one without data is no image.
            if (FImageDataRead) break;
            GraphicErrorFmt(PngGraphicText::InvalidFormat, Png);
        }
        if (MatchChunk("IDAT")) {
            Progress(psEnding, 0, false, FProgressRect, "");
            ReadImageData();
            FImageDataRead = true;
            if (FEndOfStream) break;
            Stream->Seek(std::int64_t(FHeader.Length) + 4, soCurrent);
        } else if (MatchChunk("PLTE")) {
            if (FHeader.Length % 3 != 0) GraphicErrorFmt(PngGraphicText::InvalidPalette, Png);
            ReadChunkData();
            if (FColorType == 3) {
                ConfigureColorDepth(FColorType, FBitDepth);
                FPalette = FColorManager->BuildColorPalette({FRawBuffer.data()}, pfInterlaced8Triple,
                                                            unsigned(FHeader.Length / 3), false);
                FHavePalette = true;
            }
            continue;
        } else if (MatchChunk("gAMA")) {
            ReadChunkData();
            if (FRawBuffer.size() == 4) {
                FColorManager->AssignGamma(float(BE32(FRawBuffer.data())) / 100000.0f, 2.2f);
                FColorManager->TargetOptions |= coApplyGamma;
                FImageProperties.Options |= ioUseGamma;
            }
            continue;
        } else if (MatchChunk("bKGD")) {
            ReadBackground();
            continue;
        } else if (MatchChunk("tRNS")) {
            ReadTransparency();
            continue;
        } else {
            Stream->Seek(std::int64_t(FHeader.Length) + 4, soCurrent);
        }
        if (MatchChunk("IEND")) break;
        if (FHeader.Type[0] & 0x20) continue;
        GraphicError(PngGraphicText::UnknownCritical);
    }
    if (!FImageDataRead) GraphicErrorFmt(PngGraphicText::InvalidFormat, Png);
    CommitImage(FTransparentColor);
}

void TPNGGraphic::ReadImageData() {
    Progress(psStarting, 0, false, FProgressRect, "Transfering...");
    if (ImageFormat() == ppfDevice) ConfigureColorDepth(FColorType, FBitDepth);
    const int bytesPerPixel = FSourceBPP;
    const int F = FBitDepth == 16 ? bytesPerPixel / 2 : bytesPerPixel;
    if (FColorType == 3 && !FHavePalette) GraphicErrorFmt(PngGraphicText::InvalidPalette, Png);
    FDirect = false;
    if (FColorType == 4 || (FColorType == 3 && !FTrns.empty())) {
        // Alpha of its own or from the palette's transparency: a 32-bit picture with alpha.
        SetImageFormat(ppf32bit);
        FDirect = true;
    } else if (FColorType == 0 && FBitDepth == 16) {
        // The gamma goes on the whole sample, so the ramp itself is plain.
        FPalette.assign(256, TPicPaletteEntry{});
        for (int i = 0; i < 256; ++i)
            FPalette[std::size_t(i)] = TPicPaletteEntry{std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0};
        FDirect = true;
    }
    if ((FColorType == 0 || FColorType == 2) && !FTrns.empty()) FTransparentColor = KeyColor();
    if (FHavePalette && ImageFormat() != ppf32bit) SetImagePalette(FPalette);
    // A picture its data cannot fill is refused before anything is allocated for it.
    if (FWidth > 0x7FFFFFFFu || FHeight > 0x7FFFFFFFu || !DataCanFillPicture() ||
        !PrepareImage(ImageFormat(), int(FWidth), int(FHeight)))
        GraphicErrorFmt(PngGraphicText::InvalidFormat, Png);
    const int maxIndex = (1 << std::min(8, BitsPerPixel(ImageFormat()))) - 1;
    if (ImageFormat() == ppf32bit)
        FillImage(FBackgroundColor, 0);
    else if (FColorType == 0)
        FillImage(0, FBackgroundIndex >= 0 ? std::min(FBackgroundIndex, maxIndex)
                                           : maxIndex); // white by default
    else if (FColorType != 3)
        FillImage(FBackgroundColor, 0);

    const std::int64_t rowSize64 = (std::int64_t(FWidth) * FBitDepth + 7) / 8 * F + 1;
    const int rowSize = int(rowSize64);
    std::vector<std::uint8_t> rows[2] = {std::vector<std::uint8_t>(std::size_t(rowSize), 0),
                                         std::vector<std::uint8_t>(std::size_t(rowSize), 0)};
    int current = 0;
    bool complete = true;
    if (FInterlace == 0) {
        for (std::uint32_t y = 0; y < FHeight && complete; ++y) {
            std::uint8_t* row = rows[current].data();
            std::uint8_t* previous = rows[1 - current].data();
            if (!InflateRow(row, rowSize)) {
                complete = false; // the data ended: the rest stays background
                break;
            }
            UnfilterRow(row[0], row + 1, previous + 1, bytesPerPixel, rowSize - 1);
            ConvertPngRow(row + 1, ImageLine(int(y)), 0xFF);
            Progress(psRunning, int(std::int64_t(y) * 100 / FHeight), true, FProgressRect, "");
            FProgressRect.top += 1;
            FProgressRect.bottom += 1;
            current = 1 - current;
        }
    } else {
        for (int pass = 0; pass < 7 && complete; ++pass) {
            if (FWidth <= std::uint32_t(ColumnStart[pass])) continue;
            const std::int64_t passWidth =
                (std::int64_t(FWidth) + ColumnIncrement[pass] - ColumnStart[pass] - 1) /
                ColumnIncrement[pass];
            const int passRowSize = int((passWidth * FBitDepth + 7) / 8 * F + 1);
            std::fill(rows[1 - current].begin(), rows[1 - current].end(), 0);
            for (std::uint32_t y = std::uint32_t(RowStart[pass]); y < FHeight;
                 y += std::uint32_t(RowIncrement[pass])) {
                std::uint8_t* row = rows[current].data();
                std::uint8_t* previous = rows[1 - current].data();
                if (!InflateRow(row, passRowSize)) {
                    complete = false;
                    break;
                }
                UnfilterRow(row[0], row + 1, previous + 1, bytesPerPixel, passRowSize - 1);
                ConvertPngRow(row + 1, ImageLine(int(y)), PassMask[pass]);
                if (pass == 6) {
                    Progress(psRunning, int((std::int64_t(y) + 1) * 100 / FHeight), true, FProgressRect, "");
                    FProgressRect.top += 1;
                    FProgressRect.bottom += 1;
                }
                current = 1 - current;
            }
        }
    }
    // Pass the remaining image-data chunks, so that the first other chunk's header is current.
    while (!FEndOfStream && MatchChunk("IDAT")) {
        ReadChunkData();
        if (!ReadChunkHeader()) FEndOfStream = true;
    }
}

bool TPNGGraphic::InflateRow(std::uint8_t* Buffer, int Count) {
    std::uint8_t* dest = Buffer;
    while (dest < Buffer + Count) {
        while (FIdatSize == 0) {
            if (FEndOfStream || !MatchChunk("IDAT")) return false;
            // A data chunk cut short by the end of the file ends the image data there.
            if (std::int64_t(FHeader.Length) + 4 > FStream->Size() - FStream->Position()) {
                FEndOfStream = true;
                return false;
            }
            ReadChunkData();
            FCurrentSource = FRawBuffer.data();
            FIdatSize = int(FHeader.Length);
            if (!ReadChunkHeader()) FEndOfStream = true;
        }
        FDecoder->DecodeBlock(FCurrentSource, dest, FIdatSize, int(Buffer + Count - dest));
        FIdatSize = int(FDecoder->AvailableInput());
        const int result = FDecoder->ZLibResult();
        if (result == Z_STREAM_END) {
            if (FDecoder->AvailableOutput() > 0 || FDecoder->AvailableInput() > 0)
                GraphicErrorFmt(PngGraphicText::ExtraData, Png);
            return true;
        }
        if (result != Z_OK) GraphicErrorFmt(PngGraphicText::CompressionError, Png);
    }
    return true;
}

void TPNGGraphic::UnfilterRow(int Filter, std::uint8_t* Row, const std::uint8_t* Previous, int BytesPerPixel,
                              int Count) {
    const int b = BytesPerPixel;
    switch (Filter) {
    case 1:
        for (int i = b; i < Count; ++i)
            Row[i] = std::uint8_t(Row[i] + Row[i - b]);
        break;
    case 2:
        for (int i = 0; i < Count; ++i)
            Row[i] = std::uint8_t(Row[i] + Previous[i]);
        break;
    case 3:
        for (int i = 0; i < Count; ++i)
            Row[i] = std::uint8_t(Row[i] + (((i >= b ? Row[i - b] : 0) + Previous[i]) >> 1));
        break;
    case 4:
        for (int i = 0; i < Count; ++i)
            Row[i] = std::uint8_t(Row[i] + PngPaethPredictor(i >= b ? Row[i - b] : 0, Previous[i],
                                                             i >= b ? Previous[i - b] : 0));
        break;
    case 0:
        break;
    default:
        // There are five filter types: any other byte means the image data are damaged.
        GraphicErrorFmt(PngGraphicText::InvalidFormat, Png);
    }
}
