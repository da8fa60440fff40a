#include "platform/vcl/StdCtrlsText.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Graphics.h"
#include "platform/win/WinUser.h"

namespace stdctrlstext_detail {

// A memory DC with the font selected, for measuring.
class TMeasureDC {
public:
    explicit TMeasureDC(TFont* Font) : FDC(::CreateCompatibleDC(nullptr)) {
        FOld = ::SelectObject(FDC, Font->Handle());
    }
    ~TMeasureDC() {
        ::SelectObject(FDC, FOld);
        ::DeleteDC(FDC);
    }
    TMeasureDC(const TMeasureDC&) = delete;
    TMeasureDC& operator=(const TMeasureDC&) = delete;
    HDC DC() const { return FDC; }

private:
    HDC FDC;
    HGDIOBJ FOld;
};

} // namespace stdctrlstext_detail

SIZE StdCtrlsTextExtent(TFont* Font, const std::string& Text) {
    stdctrlstext_detail::TMeasureDC dc(Font);
    SIZE size{0, 0};
    ::GetTextExtentPoint32(dc.DC(), Text.c_str(), static_cast<int>(Text.size()), &size);
    if (Text.empty()) size.cy = StdCtrlsLineHeight(Font);
    return size;
}

int StdCtrlsLineHeight(TFont* Font) {
    stdctrlstext_detail::TMeasureDC dc(Font);
    TEXTMETRIC tm{};
    ::GetTextMetrics(dc.DC(), &tm);
    return tm.tmHeight;
}

RECT StdCtrlsMeasureText(TFont* Font, const std::string& Text, RECT Rect, UINT Flags) {
    stdctrlstext_detail::TMeasureDC dc(Font);
    ::DrawText(dc.DC(), Text.c_str(), static_cast<int>(Text.size()), &Rect, Flags | DT_CALCRECT);
    return Rect;
}

void StdCtrlsDrawCaption(HDC DC, TFont* Font, const std::string& Text, RECT Rect, UINT Flags, bool Enabled,
                         COLORREF TextColor) {
    const int saved = ::SaveDC(DC);
    ::SelectObject(DC, Font->Handle());
    ::SetBkMode(DC, TRANSPARENT);
    if (Enabled) {
        ::SetTextColor(DC, TextColor);
        ::DrawText(DC, Text.c_str(), static_cast<int>(Text.size()), &Rect, Flags);
    } else {
        RECT shifted = Rect;
        ::OffsetRect(&shifted, 1, 1);
        ::SetTextColor(DC, ColorToRGB(clBtnHighlight));
        ::DrawText(DC, Text.c_str(), static_cast<int>(Text.size()), &shifted, Flags);
        ::SetTextColor(DC, ColorToRGB(clBtnShadow));
        ::DrawText(DC, Text.c_str(), static_cast<int>(Text.size()), &Rect, Flags);
    }
    ::RestoreDC(DC, saved);
}
