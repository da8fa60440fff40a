// The theme parts the themed bar painter draws, under the numbers of the system's theme definitions, and
// the one call it draws a part with (nothing when the class does not open).
#pragma once

#include "platform/rtl/WinTypes.h"
#include "ui/core/platform/ThemeManager.h"

namespace bar_xp_parts {

// "ToolBar"
constexpr int TP_BUTTON = 1;
constexpr int TP_SPLITBUTTON = 3;
constexpr int TP_SPLITBUTTONDROPDOWN = 4;
constexpr int TP_SEPARATOR = 5;
constexpr int TP_SEPARATORVERT = 6;
// "Rebar"
constexpr int RP_GRIPPER = 1;
constexpr int RP_GRIPPERVERT = 2;
// "Window"
constexpr int WP_MDIMINBUTTON = 16;
constexpr int WP_SMALLCLOSEBUTTON = 19;
constexpr int WP_MDICLOSEBUTTON = 20;
constexpr int WP_MDIRESTOREBUTTON = 22;
// "Status"
constexpr int SP_GRIPPER = 3;
// "Edit"
constexpr int EP_EDITTEXT = 1;
// "ComboBox"
constexpr int CP_DROPDOWNBUTTON = 1;
// "Spin"
constexpr int SPNP_UP = 1;
constexpr int SPNP_DOWN = 2;
// "Progress"
constexpr int PP_BAR = 1;
constexpr int PP_BARVERT = 2;
constexpr int PP_CHUNK = 3;
constexpr int PP_CHUNKVERT = 4;
// Properties
constexpr int TMT_FILLCOLOR = 3802;
// Part size kinds: the minimum and the true size.
constexpr int PartSizeMin = 0;
constexpr int PartSizeTrue = 1;

// Draws the part of the class over R; false when the class does not open.
inline bool DrawThemePart(TovThemedObjectType AType, HDC ADC, int APart, int AState, const TRect& R) {
    HTHEME theme = OpenTheme(AType);
    if (theme == nullptr) return false;
    const RECT r = R;
    ovDrawThemeBackground(theme, ADC, APart, AState, &r, nullptr);
    return true;
}

inline bool DrawToolBarPart(HDC ADC, int APart, int AState, const TRect& R) {
    return DrawThemePart(totToolBar, ADC, APart, AState, R);
}

} // namespace bar_xp_parts
