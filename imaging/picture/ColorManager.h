// Converts rows of pixels between colour schemes, sample depths and byte orders, with gamma where asked,
// and builds the palettes of indexed and grey targets.
#pragma once

#include "platform/rtl/Exception.h"
#include "platform/rtl/Object.h"

#include <array>
#include <cstdint>
#include <vector>

class EColorConversionError : public Exception {
public:
    using Exception::Exception;
};

namespace ColorText {
inline constexpr const char* InvalidBitsPerSample =
    "Color depth is invalid. Bits per sample must be 1, 2, 4, 8 or 16.";
inline constexpr const char* InvalidSamplesPerPixel =
    "Sample count per pixel does not correspond to the given color scheme.";
inline constexpr const char* IndexedNotSupported =
    "Conversion between indexed and non-indexed pixel formats is not supported.";
inline constexpr const char* NoConverter = "Color conversion failed. Could not find a proper method.";
} // namespace ColorText

enum TColorScheme : std::uint8_t {
    csUnknown = 0,
    csIndexed = 1,
    csG = 2,
    csGA = 3,
    csRGB = 4,
    csRGBA = 5,
    csBGR = 6,
    csBGRA = 7,
    csCMY = 8,
    csCMYK = 9,
    csCIELab = 10,
    csYCbCr = 11,
    csPhotoYCC = 12,
};

// Option bits of the source and target layouts.
using TConvertOptions = std::uint8_t;
constexpr TConvertOptions coAlpha = 1;
constexpr TConvertOptions coApplyGamma = 2;
constexpr TConvertOptions coNeedByteSwap = 4;
constexpr TConvertOptions coLabByteRange = 8;
constexpr TConvertOptions coLabChromaOffset = 16;

// A logical palette entry (red, green, blue, flags).
struct TPicPaletteEntry {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    std::uint8_t Flags = 0;
    bool operator==(const TPicPaletteEntry&) const = default;
};
using TPicPalette = std::vector<TPicPaletteEntry>;

// Pixel formats with the class library's ordinal values.
enum TPicPixelFormat : std::uint8_t {
    ppfDevice = 0,
    ppf1bit = 1,
    ppf4bit = 2,
    ppf8bit = 3,
    ppf15bit = 4,
    ppf16bit = 5,
    ppf24bit = 6,
    ppf32bit = 7,
    ppfCustom = 8,
};

// Layouts of the palette data given to BuildColorPalette.
enum TRawPaletteFormat : std::uint8_t {
    pfInterlaced8Triple = 0,
    pfInterlaced8Quad = 1,
    pfPlane8Triple = 2,
    pfPlane8Quad = 3,
    pfInterlaced16Triple = 4,
    pfInterlaced16Quad = 5,
    pfPlane16Triple = 6,
    pfPlane16Quad = 7,
};

class TColorManager : public TObject {
public:
    TColorManager();

    std::uint8_t SourceBitsPerSample() const { return FSourceBPS; }
    std::uint8_t TargetBitsPerSample() const { return FTargetBPS; }
    std::uint8_t SourceSamplesPerPixel() const { return FSourceSPP; }
    std::uint8_t TargetSamplesPerPixel() const { return FTargetSPP; }
    TColorScheme SourceColorScheme() const { return FSourceScheme; }
    TColorScheme TargetColorScheme() const { return FTargetScheme; }
    // Depths must be 1, 2, 4, 8 or 16; sample counts 1 to 4.
    void SetSourceBitsPerSample(std::uint8_t Value);
    void SetTargetBitsPerSample(std::uint8_t Value);
    void SetSourceSamplesPerPixel(std::uint8_t Value);
    void SetTargetSamplesPerPixel(std::uint8_t Value);
    void SetSourceColorScheme(TColorScheme Value);
    void SetTargetColorScheme(TColorScheme Value);

    TConvertOptions SourceOptions = 0;
    TConvertOptions TargetOptions = 0;

    void AssignGamma(float MainGamma, float DisplayGamma);
    float MainGamma() const { return FMainGamma; }
    float DisplayGamma() const { return FDisplayGamma; }
    const std::array<std::uint8_t, 256>& GammaTable() const { return FGammaTable; }
    // The 8-bit level of a 16-bit colour sample as the target shows it: the gamma (when the target
    // applies it) worked out on the whole sample.
    std::uint8_t Level16(std::uint16_t Sample) const;

    // One source pointer: interleaved samples; three or four: one plane per sample. Mask bit 0x80 is the
    // first pixel, rotating right: pixels whose bit is clear are skipped in the target.
    void ConvertRow(const std::vector<const void*>& Sources, void* Target, unsigned Count, std::uint8_t Mask);

    TPicPixelFormat PixelFormatFor(bool Target) const;
    TPicPalette BuildGreyPalette(bool MinimumIsWhite) const;
    TPicPalette BuildColorPalette(const std::vector<const void*>& Sources, TRawPaletteFormat Format,
                                  unsigned Count, bool RGB) const;
    [[noreturn]] static void RaiseConversionError(const char* Message);

    static std::uint16_t MulDiv16(std::uint16_t a, std::uint16_t b, std::uint16_t c) {
        return c == 0 ? 0 : std::uint16_t(std::uint32_t(a) * b / c);
    }

private:
    enum class Converter {
        None,
        Indexed16To16,
        Indexed16ToPacked,
        IndexedPackedTo16,
        Packed,
        Grey,
        RGBKeep,
        RGBReverse,
        CMYK,
        Lab,
        YCbCr
    };

    void SelectConverter();
    void BuildYCbCrTables(int Offset1, int Offset2);
    void ConvertPacked(const std::uint8_t* src, std::uint8_t* dst, unsigned count, std::uint8_t mask) const;
    void ConvertIndexed16(const std::uint8_t* src, std::uint8_t* dst, unsigned count,
                          std::uint8_t mask) const;
    void ConvertGrey(const std::uint8_t* src, std::uint8_t* dst, unsigned count, std::uint8_t mask) const;
    void ConvertRGB(const std::vector<const void*>& sources, std::uint8_t* dst, unsigned count,
                    std::uint8_t mask, bool reverse) const;
    void ConvertCMYK(const std::vector<const void*>& sources, std::uint8_t* dst, unsigned count,
                     std::uint8_t mask) const;
    void ConvertLab(const std::uint8_t* src, std::uint8_t* dst, unsigned count, std::uint8_t mask) const;
    void ConvertYCbCr(const std::vector<const void*>& sources, std::uint8_t* dst, unsigned count,
                      std::uint8_t mask) const;
    void WriteColor(std::uint8_t*& dst, int r, int g, int b) const;
    // Where component c of the pixel numbered `read` starts: in its own plane, or interleaved among
    // `components` samples of `bytes` bytes each.
    static const std::uint8_t* SamplePointer(const std::vector<const void*>& sources, bool planar, unsigned c,
                                             unsigned read, unsigned components, unsigned bytes) {
        return planar ? static_cast<const std::uint8_t*>(sources[c]) + read * bytes
                      : static_cast<const std::uint8_t*>(sources[0]) + (read * components + c) * bytes;
    }

    bool FChanged = true;
    std::uint8_t FSourceBPS = 8, FTargetBPS = 8, FSourceSPP = 3, FTargetSPP = 3;
    float FMainGamma = 1.0f, FDisplayGamma = 2.2f;
    std::array<std::uint8_t, 256> FGammaTable{};
    // 16-bit colour samples reduced to 8 bits through the gamma in one step, made on first use after each
    // AssignGamma whose table changes levels: cutting to 8 bits first would turn the darkest 16-bit
    // levels into 0. Equal to FGammaTable[w / 257] for samples that are multiples of 257.
    double FGammaExponent = 1.0;
    bool FGammaChangesLevels = false;
    mutable std::vector<std::uint8_t> FGammaTable16;
    void BuildGammaTable16() const;
    float FYCbCrCoefficients[3] = {0.299f, 0.587f, 0.114f};
    std::vector<int> FCrToRed, FCbToBlue, FCrToGreen, FCbToGreen;
    TColorScheme FSourceScheme = csRGB, FTargetScheme = csBGR;
    Converter FConverter = Converter::None;
};
