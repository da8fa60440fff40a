#include "ui/core/base/CoreServices.h"

#include "platform/rtl/CodePages.h"
#include "platform/rtl/LocaleData.h"
#include "platform/vcl/Graphics.h"

#include <algorithm>

namespace core_services_detail {
TovOSVersionFlags& Flags() {
    static TovOSVersionFlags flags;
    return flags;
}
bool& FlagsRead() {
    static bool read = false;
    return read;
}
} // namespace core_services_detail

TovOSVersionFlags ovComputeOSVersionFlags(int APlatformId, int AMajor, int AMinor, bool AIsWow64) {
    TovOSVersionFlags f;
    f.IsWin9X = APlatformId == VER_PLATFORM_WIN32_WINDOWS;
    f.IsWin95 = f.IsWin9X && AMinor == 0;
    f.IsWin98 = f.IsWin9X && AMinor == 10;
    f.IsWinME = f.IsWin9X && AMinor == 90;
    f.IsWinNT = APlatformId == VER_PLATFORM_WIN32_NT;
    f.IsWin2K = f.IsWinNT && AMajor == 5 && AMinor == 0;
    f.IsWin2KOrLater = f.IsWinNT && AMajor >= 5;
    f.IsWinXP = f.IsWinNT && AMajor == 5 && AMinor > 0;
    f.IsWinXPOrLater = f.IsWinNT && AMajor >= 5 && !f.IsWin2K;
    f.IsWin2KOrXP = f.IsWin2K || f.IsWinXP;
    f.IsWinVista = f.IsWinNT && AMajor == 6 && AMinor == 0;
    f.IsWinVistaOrLater = f.IsWinNT && AMajor >= 6;
    f.IsWin7 = f.IsWinNT && AMajor == 6 && AMinor == 1;
    f.IsWin7OrLater = f.IsWinVistaOrLater && !f.IsWinVista;
    f.IsWin8 = f.IsWinNT && AMajor == 6 && AMinor == 2;
    f.IsWin8OrLater = f.IsWin7OrLater && !f.IsWin7;
    f.IsWin64Bit = AIsWow64;
    return f;
}

void ovGetOSVersionFlags() {
    core_services_detail::Flags() = ovComputeOSVersionFlags(VER_PLATFORM_WIN32_NT, 6, 1, false);
    core_services_detail::FlagsRead() = true;
}

void ovSetOSVersionFlags(const TovOSVersionFlags& AFlags) {
    core_services_detail::Flags() = AFlags;
    core_services_detail::FlagsRead() = true;
}

const TovOSVersionFlags& ovOSVersion() {
    if (!core_services_detail::FlagsRead()) ovGetOSVersionFlags();
    return core_services_detail::Flags();
}

unsigned ovGetCodePageFromCharset(int ACharset) {
    switch (ACharset) {
    case 128:
        return 932;
    case 129:
    case 130:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    default:
        return 0;
    }
}

namespace core_services_detail {
bool IsUtf8(unsigned ACodePage) {
    return ACodePage == CP_ACP || ACodePage == CP_UTF8;
}
} // namespace core_services_detail

std::u16string ovMultiByteToWideString(const std::string& AText, unsigned ACodePage, int ALength) {
    if (AText.empty()) return {};
    const size_t length = ALength < 0 ? AText.size() : std::min(AText.size(), static_cast<size_t>(ALength));
    const std::string_view bytes(AText.data(), length);
    if (core_services_detail::IsUtf8(ACodePage)) return Utf8ToUtf16(bytes);
    return Utf8ToUtf16(CodePageToUtf8(bytes, ACodePage));
}

std::string ovWideStringToMultiByte(const std::u16string& AText, unsigned ACodePage, int ALength) {
    if (AText.empty()) return {};
    const size_t length = ALength < 0 ? AText.size() : std::min(AText.size(), static_cast<size_t>(ALength));
    const std::string utf8 = Utf16ToUtf8(std::u16string_view(AText.data(), length));
    if (core_services_detail::IsUtf8(ACodePage)) return utf8;
    return Utf8ToCodePage(utf8, ACodePage);
}

std::string ovGetLocaleInfo(LCID ALocale, LCTYPE AType, const std::string& ADefault) {
    std::string text;
    return ReadLocaleText(ALocale, AType, text) ? text : ADefault;
}

bool ovCharInSet(unsigned char AChar, const TovCharSet& ASet) {
    return (ASet[AChar / 32] >> (AChar % 32)) & 1u;
}

std::string ovStringToShortString(const std::string& AText) {
    return AText.size() > 255 ? AText.substr(0, 255) : AText;
}

void ovWriteIntegerToStream(TStream* AStream, std::int32_t AValue) {
    const auto v = static_cast<std::uint32_t>(AValue);
    const unsigned char bytes[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                    static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
    AStream->WriteBuffer(bytes, 4);
}

LPARAM uiPointToLParam(const TPoint& P) {
    const auto low = static_cast<std::uint32_t>(P.x) & 0xFFFFu;
    const auto high = static_cast<std::uint32_t>(P.y) & 0xFFFFu;
    return static_cast<LPARAM>(low | (high << 16));
}

std::uint32_t ovColorToRGBQuad(std::int32_t AColor, std::uint8_t AAlpha) {
    const COLORREF rgb = ColorToRGB(AColor);
    const std::uint32_t r = rgb & 0xFF, g = (rgb >> 8) & 0xFF, b = (rgb >> 16) & 0xFF;
    return b | (g << 8) | (r << 16) | (static_cast<std::uint32_t>(AAlpha) << 24);
}
