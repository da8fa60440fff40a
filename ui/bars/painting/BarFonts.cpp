#include "ui/bars/painting/BarFonts.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/Theme.h"
#include "platform/vcl/Font.h"
#include "platform/win/Painting.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemControl.h"
#include "ui/core/base/ServiceObjects.h"
#include "ui/core/base/SystemInfo.h"
#include "ui/core/platform/ThemeManager.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int TMT_FILLCOLOR = 3802;
constexpr int TMT_TEXTCOLOR = 3803;
constexpr int EP_EDITTEXT = 1;
constexpr int WP_SMALLCLOSEBUTTON = 19;
constexpr int SBP_SIZEBOX = 10;

void CopyFaceName(LOGFONT& AFont, const std::string& AName) {
    const std::size_t length = std::min(AName.size(), sizeof(AFont.lfFaceName) - 1);
    std::memcpy(AFont.lfFaceName, AName.data(), length);
    AFont.lfFaceName[length] = '\0';
}

} // namespace

HFONT CreateSmallCaptionFont(TFont* AFont, bool AUseSystemFont) {
    LOGFONT font = ovSystemInfo()->NonClientMetrics().lfSmCaptionFont;
    if (!AUseSystemFont) {
        font.lfHeight = std::min(-11, static_cast<int>(font.lfHeight));
        if (AFont != nullptr) CopyFaceName(font, AFont->Name());
    }
    return CreateFontIndirect(&font);
}

void AssignSystemFont(TFont* ASource, TFont* ADest, bool AUseSystemHeight) {
    if (ASource == nullptr || ADest == nullptr) return;
    LOGFONT font = ASource->LogFont();
    if (AUseSystemHeight) {
        LOGFONT iconTitle{};
        if (TovSystemInfo::GetParameter(SPI_GETICONTITLELOGFONT, &iconTitle))
            font.lfHeight = std::min(-11, static_cast<int>(iconTitle.lfHeight));
    }
    ADest->SetHandle(CreateFontIndirect(&font));
}

TColor GetScreenNearestColor(TColor AColor) {
    HDC dc = GetDC(nullptr);
    const COLORREF nearest = GetNearestColor(dc, ColorToRGB(AColor));
    ReleaseDC(nullptr, dc);
    return static_cast<TColor>(nearest);
}

int ThemedEditStateOf(TovBarItemControl* AControl) {
    return AControl != nullptr && AControl->GetEnabled() ? 1 : 4;
}

TColor ThemedEditBackColor(HTHEME ATheme, int AState) {
    COLORREF color = GetSysColor(COLOR_WINDOW);
    if (AState == 4 && ovGetThemeColor(ATheme, EP_EDITTEXT, AState, TMT_FILLCOLOR, &color) != S_OK)
        color = GetSysColor(COLOR_WINDOW);
    return static_cast<TColor>(color);
}

TColor ThemedEditForeColor(HTHEME ATheme, int AState) {
    COLORREF color = 0;
    if (ovGetThemeColor(ATheme, EP_EDITTEXT, AState, TMT_TEXTCOLOR, &color) == S_OK)
        return static_cast<TColor>(color);
    return static_cast<TColor>(GetSysColor(AState == 4 ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
}

TColor ThemedToolbarFillColor() {
    COLORREF color = 0;
    if (ovGetThemeColor(ovCachedTheme(totToolBar), 0, 0, TMT_FILLCOLOR, &color) == S_OK)
        return static_cast<TColor>(color);
    return static_cast<TColor>(GetSysColor(COLOR_BTNFACE));
}

void ThemedCloseButtonExtent(TSize& ASize) {
    SIZE size{};
    ovGetThemePartSize(ovCachedTheme(totWindow), nullptr, WP_SMALLCLOSEBUTTON, 1, nullptr, 1, &size);
    ASize = TSize{size.cx, size.cy};
}

void ThemedSizeGripExtent(TSize& ASize) {
    SIZE size{};
    ovGetThemePartSize(ovCachedTheme(totScrollBar), nullptr, SBP_SIZEBOX, 1, nullptr, 1, &size);
    ASize = TSize{size.cx + 2, size.cy + 2};
}
