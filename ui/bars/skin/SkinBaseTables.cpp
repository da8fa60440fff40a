#include "ui/bars/skin/SkinBaseTables.h"

#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/ScreenMetrics.h"

#include <array>

namespace skin_base_tables_detail {

struct TOffsets {
    int Part;
    TRect Offsets;
    bool FollowsDPI;
};

// Kinds 455 and 459 are answered for the ribbon's metrics only.
constexpr TOffsets ContentOffsets[] = {
    {ovSkinPartTabGroup, {2, 2, 2, 1}, false},
    {ovSkinPartTabGroupInPopup, {2, 2, 2, 1}, false},
    {ovSkinPartButton, {3, 3, 3, 3}, false},
    {ovSkinPartExtraPanePinGlyphButton, {3, 3, 3, 3}, false},
    {ovSkinPartQuickAccessToolbarMarkButton, {3, 3, 3, 3}, false},
    {ovSkinPartLargeButton, {5, 3, 5, 3}, false},
    {ovSkinPartMenuViewNavigation, {6, 5, 6, 6}, false},
    {ovSkinPartMenuViewItem, {10, 0, 0, 0}, false},
    {ovSkinPartMenuViewTab, {21, 12, 11, 12}, false},
    {ovSkinPartExtraPaneHeader, {7, 4, 7, 4}, false},
    {ovSkinPartExtraPaneCheckButton, {7, 0, 8, 0}, false},
    {ovSkinPartExtraPanePinButton, {7, 0, 8, 0}, false},
    {ovSkinPartApplicationMenuContent, {4, 16, 4, 29}, true},
    {ovSkinPartApplicationMenuButton, {0, 4, 0, 3}, false},
    {455, {3, 5, 4, 0}, true},
    {459, {8, 8, 10, 10}, true},
    {ovSkinPartCollapsedTabGroup, {2, 2, 2, 2}, false},
    {1002, {2, 2, 2, 2}, false},
    {ovSkinPartCollapsedTabGroupGlyphBackground, {7, 4, 7, 11}, false},
    {1010, {3, 3, 3, 4}, false},
    {1011, {3, 3, 3, 4}, false},
};

enum TSizeRule { srFixed, srMenuSeparator, srPinGlyph };
struct TSizeEntry {
    int Part;
    TSizeRule Rule;
    int Size;
};

// Kinds 254, 301, 1013, 10150, 10151 and 10191 are answered for the ribbon's metrics only.
constexpr TSizeEntry PartSizes[] = {
    {ovSkinPartTabGroup, srFixed, 1},
    {ovSkinPartMenuCaptionSeparatorLine, srFixed, 1},
    {254, srFixed, 1},
    {301, srFixed, 1},
    {ovSkinPartTabGroupInPopup, srFixed, 1},
    {1013, srFixed, 1},
    {10150, srFixed, 1},
    {10151, srFixed, 1},
    {ovSkinPartMenuViewItem, srFixed, 25},
    {ovSkinPartMenuViewTab, srFixed, 40},
    {ovSkinPartMenuViewSeparator, srFixed, 2},
    {ovSkinPartButtonGroupBorderLeft, srFixed, 2},
    {ovSkinPartButtonGroupBorderRight, srFixed, 2},
    {ovSkinPartMenuViewButton, srFixed, 32},
    {ovSkinPartExtraPaneSeparator, srMenuSeparator, 0},
    {ovSkinPartMenuSeparatorHorz, srMenuSeparator, 0},
    {ovSkinPartExtraPaneCheckButton, srPinGlyph, 0},
    {ovSkinPartExtraPanePinGlyphButton, srPinGlyph, 0},
    {ovSkinPartExtraPanePinButton, srPinGlyph, 0},
    {ovSkinPartButtonGroupButton, srFixed, 3},
    {ovSkinPartButtonGroupSplitButtonSeparator, srFixed, 3},
    {10191, srFixed, 3},
};

// A key's colour in states 0..8, and in any state outside them.
struct TColorRule {
    int Key;
    std::array<TColor, ovSkinStateCount> ByState;
    TColor Other;
};

constexpr TColorRule ByState(int AKey, TColor ANormal, TColor ADisabled, TColor AOther) {
    TColorRule rule{AKey, {}, AOther};
    rule.ByState.fill(AOther);
    rule.ByState[ovSkinStateNormal] = ANormal;
    rule.ByState[ovSkinStateDisabled] = ADisabled;
    return rule;
}
constexpr TColorRule Fixed(int AKey, TColor AColor) {
    return ByState(AKey, AColor, AColor, AColor);
}
constexpr TColorRule WithState(TColorRule ARule, int AState, TColor AColor) {
    ARule.ByState[AState] = AColor;
    return ARule;
}

// Keys answered clDefault here keep it on low-colour screens too: their painters pick the colour.
constexpr TColorRule Colors[] = {
    Fixed(ovSkinColorEditBackground, clBtnFace),
    ByState(ovSkinColorEditFrame, clBtnShadow, clBtnShadow, clWhite),
    ByState(ovSkinColorEditButtonFrame, clBtnShadow, clBtnShadow, clWhite),
    ByState(ovSkinColorEditText, clWindowText, clGrayText, clWindowText),
    Fixed(ovSkinColorDateNavigatorHeader, 0xDAD5D2),
    Fixed(ovSkinColorMenuCaptionSeparator, 0xEFE7DE),
    Fixed(ovSkinColorScreenTip, 0xDDBB9E),
    Fixed(ovSkinColorScreenTipDescriptionText, clDefault),
    Fixed(ovSkinColorScreenTipTitleText, clDefault),
    Fixed(ovSkinColorKeyTipText, clBtnText),
    Fixed(ovSkinColorInRibbonGalleryBackground, clBtnFace),
    Fixed(ovSkinColorInRibbonGalleryBorder, clBtnShadow),
    Fixed(ovSkinColorDropDownGalleryBackground, clBtnFace),
    Fixed(66, clBtnText),
    Fixed(67, clHighlight),
    Fixed(68, clHighlight),
    Fixed(ovSkinColorGalleryBackground, 0xF5F5F5),
    Fixed(81, clWhite),
    Fixed(251, 0),
    Fixed(ovSkinColorArrowGlyph, 0),
    Fixed(315, clGrayText),
    ByState(ovSkinColorItemText, clWindowText, clGrayText, clHighlightText),
    ByState(ovSkinColorMenuText, clMenuText, clGrayText, clHighlightText),
    Fixed(ovSkinColorMenuSplitLine, clDefault),
    WithState(WithState(Fixed(ovSkinColorEditSelectionLine, clDefault), ovSkinStateHighlighted, 0x85B6CA),
              ovSkinStateDisabledSelected, 0xCDCDCD),
    Fixed(ovSkinColorFormBackground, clBtnShadow),
    Fixed(10066, 0xF3E2D5),
    ByState(ovSkinColorFormCaptionTextActive, clCaptionText, clInactiveCaptionText, clInactiveCaptionText),
    ByState(ovSkinColorFormCaptionTextInactive, clCaptionText, clInactiveCaptionText, clInactiveCaptionText),
    ByState(ovSkinColorTabText, clWindowText, clHighlightText, clHighlightText),
    Fixed(10134, clWindowText),
    WithState(ByState(10138, clWindowText, clGrayText, clHighlightText), ovSkinStateChecked, clWindowText),
    ByState(10140, clWindowText, clHighlightText, clHighlightText),
    Fixed(10141, clNone),
    Fixed(10142, clNone),
    Fixed(10581, clBtnText),
};

// A key that answers the colour of another key, in the same state or in state 0.
constexpr int SameState = -1;
struct TColorAlias {
    int Key, Target, State;
};
constexpr TColorAlias ColorAliases[] = {
    {ovSkinColorMenuCaptionText, ovSkinColorMenuText, SameState},
    {ovSkinColorGalleryGroupHeaderText, ovSkinColorMenuText, ovSkinStateNormal},
    {80, 10065, ovSkinStateNormal},
    {ovSkinColorGalleryText, ovSkinColorItemText, SameState},
    {ovSkinColorGalleryMenuText, ovSkinColorMenuText, SameState},
    {261, ovSkinColorMenuText, SameState},
    {271, ovSkinColorMenuText, SameState},
    {301, ovSkinColorInRibbonGalleryBorder, SameState},
    {306, ovSkinColorGalleryGroupHeaderText, SameState},
    {314, ovSkinColorMenuText, SameState},
    {ovSkinColorExtraPaneItemText, ovSkinColorMenuText, SameState},
    {ovSkinColorExtraPaneHeaderText, ovSkinColorMenuText, SameState},
    {ovSkinColorApplicationMenuButtonText, ovSkinColorItemText, SameState},
    {10133, ovSkinColorItemText, SameState},
    {10139, ovSkinColorTabText, ovSkinStateNormal},
    {10154, ovSkinColorTabText, SameState},
};

} // namespace skin_base_tables_detail

TRect ovSkinBaseContentOffsets(int APart) {
    for (const auto& entry : skin_base_tables_detail::ContentOffsets)
        if (entry.Part == APart) return entry.FollowsDPI ? uiGetRectCurrentDPI(entry.Offsets) : entry.Offsets;
    return TRect{};
}

int ovSkinBasePartSize(int APart, const TovSkinBaseInputs& AInputs) {
    using namespace skin_base_tables_detail;
    for (const auto& entry : PartSizes) {
        if (entry.Part != APart) continue;
        switch (entry.Rule) {
        case srMenuSeparator:
            return AInputs.MenuSeparatorSize;
        case srPinGlyph:
            return uiHorzMarginsSum(ovSkinBaseContentOffsets(APart)) + AInputs.PinGlyphWidth;
        case srFixed:
            break;
        }
        return entry.Size;
    }
    return 0;
}

TColor ovSkinBasePartColor(int AKey, int AState, const TovSkinBaseInputs& AInputs) {
    using namespace skin_base_tables_detail;
    for (const auto& alias : ColorAliases)
        if (alias.Key == AKey)
            return ovSkinBasePartColor(alias.Target, alias.State == SameState ? AState : alias.State,
                                       AInputs);
    for (const auto& rule : Colors)
        if (rule.Key == AKey)
            return AState >= 0 && AState < ovSkinStateCount ? rule.ByState[AState] : rule.Other;
    // The menu view background (250) and every key without a colour of its own.
    return AInputs.LowColors ? clBtnFace : clDefault;
}

bool ovSkinBaseColorAlias(int AKey, int& ATarget, int& ATargetState) {
    using namespace skin_base_tables_detail;
    for (const auto& alias : ColorAliases)
        if (alias.Key == AKey) {
            ATarget = alias.Target;
            ATargetState = alias.State;
            return true;
        }
    return false;
}
