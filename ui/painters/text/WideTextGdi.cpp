#include "ui/painters/text/WideTextGdi.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/CodePages.h"

namespace wide_text_gdi {

std::string Narrow(const char16_t* AText, int ALength) {
    if (AText == nullptr || ALength <= 0) return {};
    return Utf16ToUtf8(std::u16string_view(AText, static_cast<std::size_t>(ALength)));
}

namespace {

// UTF-8 bytes of one UTF-16 unit sequence starting at AText[I]; AUnits gets 1 or 2.
int Utf8Bytes(const char16_t* AText, int ALength, int I, int& AUnits) {
    const char16_t c = AText[I];
    AUnits = 1;
    if (c < 0x80) return 1;
    if (c < 0x800) return 2;
    if (c >= 0xD800 && c <= 0xDBFF && I + 1 < ALength && AText[I + 1] >= 0xDC00 && AText[I + 1] <= 0xDFFF) {
        AUnits = 2;
        return 4;
    }
    return 3; // a lone surrogate becomes U+FFFD, three bytes as well
}

} // namespace

TSize TextExtent(HDC ADC, const char16_t* AText, int ALength) {
    const std::string text = Narrow(AText, ALength);
    SIZE size{};
    if (!GetTextExtentPoint32(ADC, text.c_str(), static_cast<int>(text.size()), &size)) return TSize{0, 0};
    return size;
}

TSize TabbedTextExtent16(HDC ADC, const char16_t* AText, int ALength) {
    const std::string text = Narrow(AText, ALength);
    const DWORD extent = GetTabbedTextExtent(ADC, text.c_str(), static_cast<int>(text.size()), 0, nullptr);
    return TSize{static_cast<LONG>(LOWORD(extent)), static_cast<LONG>(HIWORD(extent))};
}

TSize DrawTextLineExtent(HDC ADC, const char16_t* AText, int ALength) {
    const std::string text = Narrow(AText, ALength);
    RECT r{0, 0, 0, 0};
    DrawText(ADC, text.c_str(), static_cast<int>(text.size()), &r,
             DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE | DT_EXPANDTABS);
    return TSize{r.right - r.left, r.bottom - r.top};
}

int FittingLength(HDC ADC, const char16_t* AText, int ALength, int AMaxExtent) {
    const std::string text = Narrow(AText, ALength);
    INT fitBytes = 0;
    SIZE size{};
    if (!GetTextExtentExPoint(ADC, text.c_str(), static_cast<int>(text.size()), AMaxExtent, &fitBytes,
                              nullptr, &size))
        return 0;
    int units = 0, bytes = 0;
    while (units < ALength) {
        int step = 1;
        const int n = Utf8Bytes(AText, ALength, units, step);
        if (bytes + n > fitBytes) break;
        bytes += n;
        units += step;
    }
    return units;
}

BOOL TextOut(HDC ADC, int X, int Y, const char16_t* AText, int ALength) {
    const std::string text = Narrow(AText, ALength);
    return ::TextOut(ADC, X, Y, text.c_str(), static_cast<int>(text.size()));
}

int TabbedTextOut(HDC ADC, int X, int Y, const char16_t* AText, int ALength, int ATabOrigin) {
    const std::string text = Narrow(AText, ALength);
    return LOWORD(
        ::TabbedTextOut(ADC, X, Y, text.c_str(), static_cast<int>(text.size()), 0, nullptr, ATabOrigin));
}

BOOL ExtTextOut(HDC ADC, int X, int Y, UINT AOptions, const TRect* AClip, const char16_t* AText,
                int ALength) {
    const std::string text = Narrow(AText, ALength);
    RECT clip{};
    if (AClip != nullptr) clip = *AClip;
    return ::ExtTextOut(ADC, X, Y, AOptions, AClip != nullptr ? &clip : nullptr, text.c_str(),
                        static_cast<UINT>(text.size()), nullptr);
}

} // namespace wide_text_gdi
