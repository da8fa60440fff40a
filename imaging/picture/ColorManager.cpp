#include "imaging/picture/ColorManager.h"

#include "imaging/PackedBits.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace color_manager_detail {
inline std::uint16_t Swap(std::uint16_t v) {
    return std::uint16_t((v >> 8) | (v << 8));
}
inline std::uint16_t ReadWord(const std::uint8_t* p) {
    return std::uint16_t(p[0] | (p[1] << 8));
}
inline void WriteWord(std::uint8_t* p, std::uint16_t v) {
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}
inline std::uint8_t ClampByte(int v) {
    return std::uint8_t(v < 0 ? 0 : v > 255 ? 255 : v);
}
inline std::uint8_t Rotate(std::uint8_t bit) {
    return std::uint8_t((bit >> 1) | (bit << 7));
}
inline bool HasAlpha(TColorScheme s) {
    return s == csGA || s == csRGBA || s == csBGRA;
}
inline bool IsValidDepth(std::uint8_t v) {
    return v == 1 || v == 2 || v == 4 || v == 8 || v == 16;
}
inline std::uint16_t MaxOf(int bits) {
    return std::uint16_t(bits >= 16 ? 65535 : (1 << bits) - 1);
}
} // namespace color_manager_detail

using namespace color_manager_detail;

TColorManager::TColorManager() {
    for (int i = 0; i < 256; ++i)
        FGammaTable[std::size_t(i)] = std::uint8_t(i);
    AssignGamma(1.0f, 2.2f);
}

void TColorManager::RaiseConversionError(const char* Message) {
    throw EColorConversionError(Message);
}

void TColorManager::SetSourceBitsPerSample(std::uint8_t Value) {
    // Only the depths a converter exists for; a depth of 3 would silently produce garbage.
    if (!IsValidDepth(Value)) RaiseConversionError(ColorText::InvalidBitsPerSample);
    if (FSourceBPS != Value) FChanged = true;
    FSourceBPS = Value;
}

void TColorManager::SetTargetBitsPerSample(std::uint8_t Value) {
    if (!IsValidDepth(Value)) RaiseConversionError(ColorText::InvalidBitsPerSample);
    if (FTargetBPS != Value) FChanged = true;
    FTargetBPS = Value;
}

void TColorManager::SetSourceSamplesPerPixel(std::uint8_t Value) {
    if (Value == 0 || Value > 4) RaiseConversionError(ColorText::InvalidSamplesPerPixel);
    if (FSourceSPP != Value) FChanged = true;
    FSourceSPP = Value;
}

void TColorManager::SetTargetSamplesPerPixel(std::uint8_t Value) {
    if (Value == 0 || Value > 4) RaiseConversionError(ColorText::InvalidSamplesPerPixel);
    if (FTargetSPP != Value) FChanged = true;
    FTargetSPP = Value;
}

void TColorManager::SetSourceColorScheme(TColorScheme Value) {
    if (FSourceScheme != Value) FChanged = true;
    FSourceScheme = Value;
}

void TColorManager::SetTargetColorScheme(TColorScheme Value) {
    if (FTargetScheme != Value) FChanged = true;
    FTargetScheme = Value;
}

void TColorManager::AssignGamma(float MainGamma, float DisplayGamma) {
    FMainGamma = MainGamma > 0 ? MainGamma : 1.0f;
    FDisplayGamma = DisplayGamma > 0 ? DisplayGamma : 2.2f;
    const int d = FSourceBPS >= 8 ? 255 : MaxOf(FTargetBPS);
    const int m = FTargetBPS >= 8 ? 255 : MaxOf(FTargetBPS);
    const double exponent = 1.0 / (double(FMainGamma) * double(FDisplayGamma));
    FGammaChangesLevels = false;
    for (int i = 0; i <= d && i < 256; ++i) {
        FGammaTable[std::size_t(i)] =
            std::uint8_t(std::clamp(std::nearbyint(std::pow(double(i) / d, exponent) * m), 0.0, 255.0));
        if (FGammaTable[std::size_t(i)] != i) FGammaChangesLevels = true;
    }
    FGammaExponent = exponent;
    FGammaTable16.clear();
}

void TColorManager::SelectConverter() {
    FConverter = Converter::None;
    const bool sourceIndexed = FSourceScheme == csIndexed || FSourceScheme == csG || FSourceScheme == csGA;
    const bool targetIndexed = FTargetScheme == csIndexed || FTargetScheme == csG;
    if (sourceIndexed != targetIndexed) RaiseConversionError(ColorText::IndexedNotSupported);
    SourceOptions =
        TConvertOptions(HasAlpha(FSourceScheme) ? SourceOptions | coAlpha : SourceOptions & ~coAlpha);
    TargetOptions =
        TConvertOptions(HasAlpha(FTargetScheme) ? TargetOptions | coAlpha : TargetOptions & ~coAlpha);
    const bool targetRGB = FTargetScheme == csRGB || FTargetScheme == csRGBA;
    const bool targetBGR = FTargetScheme == csBGR || FTargetScheme == csBGRA;
    switch (FSourceScheme) {
    case csIndexed:
        if (FSourceBPS == 16 && FTargetBPS == 16)
            FConverter = Converter::Indexed16To16;
        else if (FSourceBPS == 16)
            FConverter = Converter::Indexed16ToPacked;
        else if (FTargetBPS == 16)
            FConverter = Converter::IndexedPackedTo16;
        else
            FConverter = Converter::Packed;
        break;
    case csG:
        if (FSourceBPS != 16 && FTargetBPS != 16)
            FConverter = Converter::Packed;
        else if (FSourceBPS >= 8 && FTargetBPS >= 8)
            FConverter = Converter::Grey;
        break;
    case csGA:
        if ((FSourceBPS == 8 || FSourceBPS == 16) && (FTargetBPS == 8 || FTargetBPS == 16))
            FConverter = Converter::Grey;
        break;
    case csRGB:
    case csRGBA:
        if (targetRGB)
            FConverter = Converter::RGBKeep;
        else if (targetBGR)
            FConverter = Converter::RGBReverse;
        break;
    case csBGR:
    case csBGRA:
        if (targetRGB)
            FConverter = Converter::RGBReverse;
        else if (targetBGR)
            FConverter = Converter::RGBKeep;
        break;
    case csCMYK:
        if (targetRGB || targetBGR) FConverter = Converter::CMYK;
        break;
    case csCIELab:
        if (targetRGB || targetBGR) FConverter = Converter::Lab;
        break;
    case csYCbCr:
        if (targetRGB || targetBGR) {
            BuildYCbCrTables(128, 128);
            FConverter = Converter::YCbCr;
        }
        break;
    case csPhotoYCC:
        if (targetRGB || targetBGR) {
            BuildYCbCrTables(137, 156);
            FConverter = Converter::YCbCr;
        }
        break;
    default:
        break;
    }
    FChanged = false;
}

void TColorManager::BuildYCbCrTables(int Offset1, int Offset2) {
    const float kr = FYCbCrCoefficients[0], kg = FYCbCrCoefficients[1], kb = FYCbCrCoefficients[2];
    const float a = 2 - 2 * kr, b = kr * a / kg, c = 2 - 2 * kb, d = kb * c / kg;
    FCrToRed.assign(256, 0);
    FCbToBlue.assign(256, 0);
    FCrToGreen.assign(256, 0);
    FCbToGreen.assign(256, 0);
    for (int i = 0; i < 256; ++i) {
        FCrToRed[std::size_t(i)] = int(std::nearbyint(a * float(i - Offset1)));
        FCbToBlue[std::size_t(i)] = int(std::nearbyint(c * float(i - Offset2)));
        FCrToGreen[std::size_t(i)] = -int(std::nearbyint(b * float(i - Offset1)));
        FCbToGreen[std::size_t(i)] = -int(std::nearbyint(d * float(i - Offset2)));
    }
}

void TColorManager::ConvertRow(const std::vector<const void*>& Sources, void* Target, unsigned Count,
                               std::uint8_t Mask) {
    if (FChanged) SelectConverter();
    if (FConverter == Converter::None) RaiseConversionError(ColorText::NoConverter);
    if (Sources.empty() || !Sources[0] || !Target) return;
    const auto* src = static_cast<const std::uint8_t*>(Sources[0]);
    auto* dst = static_cast<std::uint8_t*>(Target);
    switch (FConverter) {
    case Converter::Packed:
        ConvertPacked(src, dst, Count, Mask);
        break;
    case Converter::Indexed16To16:
    case Converter::Indexed16ToPacked:
    case Converter::IndexedPackedTo16:
        ConvertIndexed16(src, dst, Count, Mask);
        break;
    case Converter::Grey:
        ConvertGrey(src, dst, Count, Mask);
        break;
    case Converter::RGBKeep:
        ConvertRGB(Sources, dst, Count, Mask, false);
        break;
    case Converter::RGBReverse:
        ConvertRGB(Sources, dst, Count, Mask, true);
        break;
    case Converter::CMYK:
        ConvertCMYK(Sources, dst, Count, Mask);
        break;
    case Converter::Lab:
        ConvertLab(src, dst, Count, Mask);
        break;
    case Converter::YCbCr:
        ConvertYCbCr(Sources, dst, Count, Mask);
        break;
    case Converter::None:
        break;
    }
}

void TColorManager::ConvertPacked(const std::uint8_t* src, std::uint8_t* dst, unsigned count,
                                  std::uint8_t mask) const {
    const int s = FSourceBPS, t = FTargetBPS;
    if (s == t && mask == 0xFF) {
        std::memcpy(dst, src, (std::size_t(count) * std::size_t(s) + 7) / 8);
        return;
    }
    std::uint8_t bit = 0x80;
    unsigned read = 0;
    for (unsigned i = 0; i < count; ++i, bit = Rotate(bit)) {
        if (!(mask & bit)) continue;
        const int v = packed_bits::GetBits(src, read++, s);
        packed_bits::SetBits(dst, i, t, MulDiv16(std::uint16_t(v), MaxOf(t), MaxOf(s)));
    }
}

void TColorManager::ConvertIndexed16(const std::uint8_t* src, std::uint8_t* dst, unsigned count,
                                     std::uint8_t mask) const {
    const bool swap = SourceOptions & coNeedByteSwap;
    std::uint8_t bit = 0x80;
    unsigned read = 0;
    for (unsigned i = 0; i < count; ++i, bit = Rotate(bit)) {
        if (!(mask & bit)) continue;
        const unsigned k = read++;
        switch (FConverter) {
        case Converter::Indexed16To16: {
            std::uint16_t v = ReadWord(src + 2 * k);
            WriteWord(dst + 2 * i, swap ? Swap(v) : v);
            break;
        }
        case Converter::Indexed16ToPacked: {
            std::uint16_t v = ReadWord(src + 2 * k);
            if (swap) v = Swap(v);
            packed_bits::SetBits(dst, i, FTargetBPS, MulDiv16(v, MaxOf(FTargetBPS), 65535));
            break;
        }
        default: {
            std::uint16_t v =
                MulDiv16(std::uint16_t(packed_bits::GetBits(src, k, FSourceBPS)), 65535, MaxOf(FSourceBPS));
            WriteWord(dst + 2 * i, swap ? Swap(v) : v);
            break;
        }
        }
    }
}

void TColorManager::ConvertGrey(const std::uint8_t* src, std::uint8_t* dst, unsigned count,
                                std::uint8_t mask) const {
    const bool swap = SourceOptions & coNeedByteSwap;
    const unsigned sourceStride = (SourceOptions & coAlpha) ? 2 : 1;
    const unsigned targetStride = FTargetSPP;
    const unsigned sb = FSourceBPS / 8, tb = FTargetBPS / 8;
    std::uint8_t bit = 0x80;
    for (unsigned i = 0; i < count; ++i, bit = Rotate(bit), dst += targetStride * tb) {
        if (!(mask & bit)) continue;
        if (sb == 1) {
            if (tb == 1)
                *dst = *src;
            else
                WriteWord(dst, MulDiv16(*src, 65535, 255));
        } else {
            std::uint16_t v = ReadWord(src);
            if (swap) v = Swap(v);
            if (tb == 1)
                *dst = std::uint8_t(MulDiv16(v, 255, 65535));
            else
                WriteWord(dst, v);
        }
        src += sourceStride * sb;
    }
}

void TColorManager::BuildGammaTable16() const {
    if (!FGammaTable16.empty()) return;
    FGammaTable16.resize(65536);
    for (std::size_t w = 0; w < FGammaTable16.size(); ++w)
        FGammaTable16[w] = std::uint8_t(
            std::clamp(std::nearbyint(std::pow(double(w) / 65535.0, FGammaExponent) * 255.0), 0.0, 255.0));
}

std::uint8_t TColorManager::Level16(std::uint16_t Sample) const {
    if (!(TargetOptions & coApplyGamma)) return std::uint8_t(MulDiv16(Sample, 255, 65535));
    if (!FGammaChangesLevels) return FGammaTable[MulDiv16(Sample, 255, 65535)];
    BuildGammaTable16();
    return FGammaTable16[Sample];
}

void TColorManager::ConvertRGB(const std::vector<const void*>& sources, std::uint8_t* dst, unsigned count,
                               std::uint8_t mask, bool reverse) const {
    const bool planar = sources.size() >= 3;
    const bool sourceAlpha = SourceOptions & coAlpha, targetAlpha = TargetOptions & coAlpha;
    const bool bothAlpha = sourceAlpha && targetAlpha;
    const bool gamma = TargetOptions & coApplyGamma;
    const bool swap = SourceOptions & coNeedByteSwap;
    const unsigned sb = FSourceBPS / 8, tb = FTargetBPS / 8;
    const unsigned sourceStep = planar ? 1 : (sourceAlpha ? 4 : 3);
    const unsigned targetStep = targetAlpha ? 4 : 3;
    if (gamma && FGammaChangesLevels && sb == 2 && tb == 1) BuildGammaTable16();
    const std::uint8_t* gamma16 = FGammaTable16.data();
    auto convert = [&](const std::uint8_t* p, std::uint8_t* out, bool colour) {
        if (sb == 1) {
            const std::uint8_t v = colour && gamma ? FGammaTable[*p] : *p;
            if (tb == 1)
                *out = v;
            else {
                std::uint16_t w = MulDiv16(v, 65535, 255);
                WriteWord(out, swap ? Swap(w) : w);
            }
        } else {
            std::uint16_t w = ReadWord(p);
            if (swap) w = Swap(w);
            if (tb == 1) {
                if (colour && gamma && FGammaChangesLevels) {
                    *out = gamma16[w];
                } else {
                    const std::uint8_t v = std::uint8_t(MulDiv16(w, 255, 65535));
                    *out = colour && gamma ? FGammaTable[v] : v;
                }
            } else {
                WriteWord(out, w);
            }
        }
    };
    std::uint8_t bit = 0x80;
    unsigned read = 0;
    for (unsigned i = 0; i < count; ++i, bit = Rotate(bit), dst += targetStep * tb) {
        if (!(mask & bit)) continue;
        const std::uint8_t* sample[4];
        for (unsigned c = 0; c < 4; ++c) {
            sample[c] = planar && c >= sources.size()
                            ? nullptr
                            : SamplePointer(sources, planar, c, read, sourceStep, sb);
        }
        ++read;
        for (unsigned c = 0; c < 3; ++c)
            convert(sample[reverse ? 2 - c : c], dst + c * tb, true);
        if (bothAlpha && sample[3]) convert(sample[3], dst + 3 * tb, false);
    }
}

void TColorManager::WriteColor(std::uint8_t*& dst, int r, int g, int b) const {
    const bool bgr = FTargetScheme == csBGR || FTargetScheme == csBGRA;
    const int values[3] = {bgr ? b : r, g, bgr ? r : b};
    const unsigned tb = FTargetBPS / 8;
    for (int c = 0; c < 3; ++c) {
        if (tb == 1)
            dst[c] = std::uint8_t(values[c]);
        else
            WriteWord(dst + 2 * c, MulDiv16(std::uint16_t(values[c]), 65535, 255));
    }
    dst += ((TargetOptions & coAlpha) ? 4 : 3) * tb; // a target alpha sample is left as it is
}

void TColorManager::ConvertCMYK(const std::vector<const void*>& sources, std::uint8_t* dst, unsigned count,
                                std::uint8_t mask) const {
    const bool planar = sources.size() == 4;
    const bool swap = SourceOptions & coNeedByteSwap;
    const unsigned sb = FSourceBPS / 8;
    std::uint8_t bit = 0x80;
    unsigned read = 0;
    for (unsigned i = 0; i < count; ++i, bit = Rotate(bit)) {
        if (!(mask & bit)) {
            dst += ((TargetOptions & coAlpha) ? 4 : 3) * (FTargetBPS / 8);
            continue;
        }
        int v[4];
        for (unsigned c = 0; c < 4; ++c) {
            const std::uint8_t* p = SamplePointer(sources, planar, c, read, 4, sb);
            if (sb == 1)
                v[c] = *p;
            else
                v[c] = swap ? Swap(ReadWord(p)) : ReadWord(p);
        }
        ++read;
        int out[3];
        if (sb == 1) {
            for (int c = 0; c < 3; ++c)
                out[c] = ClampByte(255 - (v[c] - v[c] * v[3] / 255 + v[3]));
        } else if (FTargetBPS == 16) {
            const bool bgr = FTargetScheme == csBGR || FTargetScheme == csBGRA;
            std::uint16_t w[3];
            for (int c = 0; c < 3; ++c)
                w[c] = std::uint16_t(65535 - (v[c] - v[c] * v[3] / 65535 + v[3]));
            const std::uint16_t order[3] = {bgr ? w[2] : w[0], w[1], bgr ? w[0] : w[2]};
            for (int c = 0; c < 3; ++c)
                WriteWord(dst + 2 * c, order[c]);
            dst += ((TargetOptions & coAlpha) ? 4 : 3) * 2;
            continue;
        } else {
            for (int c = 0; c < 3; ++c) {
                const int sum = std::min(65535, v[c] - v[c] * v[3] / 65535 + v[3]);
                out[c] = ClampByte(255 - MulDiv16(std::uint16_t(std::max(0, sum)), 255, 65535));
            }
        }
        WriteColor(dst, out[0], out[1], out[2]);
    }
}

void TColorManager::ConvertLab(const std::uint8_t* src, std::uint8_t* dst, unsigned count,
                               std::uint8_t mask) const {
    const unsigned sb = FSourceBPS / 8;
    std::uint8_t bit = 0x80;
    for (unsigned i = 0; i < count; ++i, bit = Rotate(bit)) {
        if (!(mask & bit)) {
            dst += ((TargetOptions & coAlpha) ? 4 : 3) * (FTargetBPS / 8);
            continue;
        }
        // 16-bit samples are read by their high byte: the 8-bit constants then apply unchanged.
        auto sample = [&](int c) {
            return int(sb == 1 ? src[c] : src[c * 2 + ((SourceOptions & coNeedByteSwap) ? 0 : 1)]);
        };
        double L = sample(0);
        if (SourceOptions & coLabByteRange) L /= 2.55;
        double a, b;
        if (SourceOptions & coLabChromaOffset) {
            a = sample(1) - 128;
            b = sample(2) - 128;
        } else {
            a = std::int8_t(sample(1));
            b = std::int8_t(sample(2));
        }
        src += 3 * sb;
        double X, Y, Z;
        const double fy = (L + 16) / 116;
        if (L < 7.9996) {
            Y = L / 903.3;
            X = a / 3893.5 + Y;
            Z = Y - b / 1557.4;
        } else {
            X = std::pow(a / 500 + fy, 3);
            Y = fy * fy * fy;
            Z = std::pow(fy - b / 200, 3);
        }
        const double R = 2.998 * X - 1.458 * Y - 0.541 * Z, G = -0.952 * X + 1.893 * Y + 0.059 * Z,
                     B = 0.099 * X - 0.198 * Y + 1.099 * Z;
        auto toByte = [](double v) {
            return ClampByte(int(std::clamp(std::nearbyint(v * 255), -1.0, 256.0)));
        };
        WriteColor(dst, toByte(R), toByte(G), toByte(B));
    }
}

void TColorManager::ConvertYCbCr(const std::vector<const void*>& sources, std::uint8_t* dst, unsigned count,
                                 std::uint8_t mask) const {
    const bool planar = sources.size() >= 3;
    const bool swap = SourceOptions & coNeedByteSwap;
    const unsigned sb = FSourceBPS / 8;
    std::uint8_t bit = 0x80;
    unsigned read = 0;
    for (unsigned i = 0; i < count; ++i, bit = Rotate(bit)) {
        if (!(mask & bit)) {
            dst += ((TargetOptions & coAlpha) ? 4 : 3) * (FTargetBPS / 8);
            continue;
        }
        int v[3];
        for (unsigned c = 0; c < 3; ++c) {
            const std::uint8_t* p = SamplePointer(sources, planar, c, read, 3, sb);
            v[c] = sb == 1 ? *p : MulDiv16(swap ? Swap(ReadWord(p)) : ReadWord(p), 255, 65535);
        }
        ++read;
        const int y = v[0], cb = v[1], cr = v[2];
        WriteColor(dst, ClampByte(y + FCrToRed[std::size_t(cr)]),
                   ClampByte(y + FCbToGreen[std::size_t(cb)] + FCrToGreen[std::size_t(cr)]),
                   ClampByte(y + FCbToBlue[std::size_t(cb)]));
    }
}

TPicPixelFormat TColorManager::PixelFormatFor(bool Target) const {
    const int samples = Target ? FTargetSPP : FSourceSPP;
    const int bits = Target ? FTargetBPS : FSourceBPS;
    switch (samples) {
    case 1:
        if (bits == 1) return ppf1bit;
        if (bits >= 2 && bits <= 4) return ppf4bit;
        if (bits >= 8 && bits <= 16) return ppf8bit;
        return ppfCustom;
    case 3:
        return bits >= 1 && bits <= 5 ? ppf15bit : ppf24bit;
    case 4:
        return bits >= 8 ? ppf32bit : ppfCustom;
    default:
        return ppfCustom;
    }
}

TPicPalette TColorManager::BuildGreyPalette(bool MinimumIsWhite) const {
    const int n = 1 << std::min(FTargetBPS * FTargetSPP, 8);
    const int step = 255 / (n - 1);
    TPicPalette palette(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const int level = i * step;
        const std::uint8_t g =
            (TargetOptions & coApplyGamma) ? FGammaTable[std::size_t(level)] : std::uint8_t(level);
        palette[std::size_t(MinimumIsWhite ? n - 1 - i : i)] = TPicPaletteEntry{g, g, g, 0};
    }
    return palette;
}

TPicPalette TColorManager::BuildColorPalette(const std::vector<const void*>& Sources,
                                             TRawPaletteFormat Format, unsigned Count, bool RGB) const {
    const unsigned n = std::min(Count, 256u);
    TPicPalette palette(n);
    const bool gamma = TargetOptions & coApplyGamma;
    const bool swap = SourceOptions & coNeedByteSwap;
    auto eight = [&](std::uint8_t v) { return gamma ? FGammaTable[v] : v; };
    auto sixteen = [&](const std::uint8_t* p) {
        std::uint16_t w = ReadWord(p);
        if (swap) w = Swap(w);
        return eight(std::uint8_t(MulDiv16(w, 255, 65535)));
    };
    if (Sources.empty() || !Sources[0]) return {};
    for (unsigned i = 0; i < n; ++i) {
        std::uint8_t c[3];
        switch (Format) {
        case pfInterlaced8Triple:
        case pfInterlaced8Quad: {
            const unsigned step = Format == pfInterlaced8Triple ? 3 : 4;
            const auto* p = static_cast<const std::uint8_t*>(Sources[0]) + i * step;
            for (int k = 0; k < 3; ++k)
                c[k] = eight(p[k]);
            if (RGB) std::swap(c[0], c[2]); // set: the first sample is blue
            break;
        }
        case pfInterlaced16Triple:
        case pfInterlaced16Quad: {
            const unsigned step = Format == pfInterlaced16Triple ? 3 : 4;
            const auto* p = static_cast<const std::uint8_t*>(Sources[0]) + i * step * 2;
            for (int k = 0; k < 3; ++k)
                c[k] = sixteen(p + 2 * k);
            if (!RGB) std::swap(c[0], c[2]); // clear: the first sample is blue
            break;
        }
        case pfPlane8Triple:
        case pfPlane8Quad:
            for (int k = 0; k < 3; ++k)
                c[k] = Sources.size() > std::size_t(k)
                           ? eight(static_cast<const std::uint8_t*>(Sources[std::size_t(k)])[i])
                           : 0;
            break;
        default:
            for (int k = 0; k < 3; ++k)
                c[k] = Sources.size() > std::size_t(k)
                           ? sixteen(static_cast<const std::uint8_t*>(Sources[std::size_t(k)]) + 2 * i)
                           : 0;
            break;
        }
        palette[i] = TPicPaletteEntry{c[0], c[1], c[2], 0};
    }
    if (FTargetBPS <= 8 && MaxOf(FSourceBPS) != MaxOf(FTargetBPS) && !palette.empty()) {
        // Spread the entries as the packed-samples converter spreads the indices.
        const int entries = 1 << FTargetBPS;
        TPicPalette spread(static_cast<std::size_t>(entries));
        for (int j = 0; j < entries; ++j) {
            const unsigned from = MulDiv16(std::uint16_t(j), MaxOf(FSourceBPS), MaxOf(FTargetBPS));
            spread[std::size_t(j)] = from < palette.size() ? palette[from] : TPicPaletteEntry{};
        }
        palette = std::move(spread);
    }
    return palette;
}
