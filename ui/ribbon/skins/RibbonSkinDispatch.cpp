#include "ui/ribbon/skins/RibbonSkinDispatch.h"

#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/core/base/Geometry.h"
#include "ui/ribbon/skins/RibbonSkin.h"

namespace {

bool IsTabGroupPart(int APart) {
    return APart == ovSkinPartTabGroup || APart == ovSkinPartTabGroupInPopup;
}

} // namespace

void ovRibbonSkinDrawBackground(TovCustomRibbonSkin& ASkin, HDC DC, const TRect& R, const TRect& ABounds,
                                int APart, int AState, const TovRibbonSkinContext& AContext) {
    TovCustomRibbonSkin& s = ASkin;
    const TovRibbonColorSchemeAccent a = AContext.Accent;
    switch (APart) {
    case ovSkinPartBarSeparatorHorz:
    case ovSkinPartBarSeparatorVert:
        s.DrawSeparator(DC, R, APart == ovSkinPartBarSeparatorHorz);
        break;
    case ovSkinPartTabGroup:
    case ovSkinPartTabGroupInPopup: {
        const bool inPopup = APart == ovSkinPartTabGroupInPopup;
        const int strip = AContext.CaptionStripHeight();
        s.DrawTabGroupBackground(DC, TRect{R.left, R.top, R.right, R.bottom - strip}, inPopup, AState);
        s.DrawTabGroupHeaderBackground(DC, TRect{R.left, R.bottom - strip, R.right, R.bottom}, inPopup,
                                       AState);
        break;
    }
    case ovSkinPartButton:
        s.DrawButton(DC, R, AState, a);
        break;
    case ovSkinPartButtonDropDown:
        s.DrawButtonDropDown(DC, R, AState, a);
        break;
    case ovSkinPartButtonMainPart:
        s.DrawButtonMainPart(DC, R, AState, a);
        break;
    case ovSkinPartLargeButton:
        s.DrawLargeButton(DC, R, AState, a);
        break;
    case ovSkinPartLargeButtonDropDown:
        s.DrawLargeButtonDropDown(DC, R, AState, a);
        break;
    case ovSkinPartLargeButtonMainPart:
        s.DrawLargeButtonMainPart(DC, R, AState, a);
        break;
    case ovSkinPartEditButton:
        s.DrawEditButton(DC, R, AState, a);
        break;
    case ovSkinPartEditArrowGlyph:
        s.DrawEditArrowButtonGlyph(DC, R, AState);
        break;
    case ovSkinPartEditEllipsisGlyph:
        s.DrawEditEllipsisButtonGlyph(DC, R, AState);
        break;
    case ovSkinPartEditAuxiliaryGlyph:
        s.DrawEditButtonAuxiliaryGlyph(DC, R, AState);
        break;
    case ovSkinPartEditAuxiliaryGlyph2:
        s.DrawEditButtonAuxiliaryGlyph2(DC, R, AState);
        break;
    case ovSkinPartMenuCaptionSeparator:
        s.DrawMenuCaptionSeparator(DC, R);
        break;
    case ovSkinPartMenuCaptionSeparatorLine:
        s.DrawMenuCaptionSeparatorLine(DC, R);
        break;
    case ovSkinPartProgressSolidBand:
        s.DrawProgressSolidBand(DC, R);
        break;
    case ovSkinPartProgressDiscreteBand:
        s.DrawProgressDiscreteBand(DC, R);
        break;
    case ovSkinPartProgressSubstrate:
        s.DrawProgressSubstrate(DC, R);
        break;
    case ovSkinPartScreenTip:
        s.DrawScreenTip(DC, R);
        break;
    case ovSkinPartInRibbonGalleryBackground:
        s.DrawInRibbonGalleryBackground(DC, R, AState);
        break;
    case ovSkinPartInRibbonGalleryScrollUp:
    case ovSkinPartInRibbonGalleryScrollDown:
    case ovSkinPartInRibbonGalleryDropDown:
        s.DrawInRibbonGalleryScrollBarButton(DC, R, APart - ovSkinPartInRibbonGalleryScrollUp, AState, a);
        break;
    case ovSkinPartDropDownGalleryBackground:
        s.DrawDropDownGalleryBackground(DC, R);
        break;
    case ovSkinPartDropDownGalleryTopSizingBand:
        s.DrawDropDownGalleryTopSizingBand(DC, R);
        break;
    case ovSkinPartDropDownGalleryBottomSizingBand:
        s.DrawDropDownGalleryBottomSizingBand(DC, R);
        break;
    case ovSkinPartDropDownGalleryTopSizeGrip:
        s.DrawDropDownGalleryTopSizeGrip(DC, R);
        break;
    case ovSkinPartDropDownGalleryBottomSizeGrip:
        s.DrawDropDownGalleryBottomSizeGrip(DC, R);
        break;
    case ovSkinPartDropDownGalleryTopVerticalSizeGrip:
        s.DrawDropDownGalleryTopVerticalSizeGrip(DC, R);
        break;
    case ovSkinPartDropDownGalleryBottomVerticalSizeGrip:
        s.DrawDropDownGalleryBottomVerticalSizeGrip(DC, R);
        break;
    case ovSkinPartGalleryGroupHeader:
        s.DrawGalleryGroupHeaderBackground(DC, R);
        break;
    case ovSkinPartGalleryFilterBand:
        s.DrawGalleryFilterBand(DC, R);
        break;
    case ovSkinPartGalleryItem:
        s.DrawGalleryItemBackground(DC, R, AState);
        break;
    case ovSkinPartGalleryBackground:
        s.DrawGalleryBackground(DC, R);
        break;
    case ovSkinPartScrollBarHorzBackground:
    case ovSkinPartScrollBarVertBackground:
        s.DrawScrollBarBackground(DC, R, APart == ovSkinPartScrollBarHorzBackground, a);
        break;
    case ovSkinPartScrollBarHorzLineUp:
    case ovSkinPartScrollBarHorzLineDown:
    case ovSkinPartScrollBarHorzThumb:
    case ovSkinPartScrollBarHorzPageUp:
    case ovSkinPartScrollBarHorzPageDown:
        s.PaintScrollBarElement(DC, R, true, AState, APart - ovSkinPartScrollBarHorzBackground, a);
        break;
    case ovSkinPartScrollBarVertLineUp:
    case ovSkinPartScrollBarVertLineDown:
    case ovSkinPartScrollBarVertThumb:
    case ovSkinPartScrollBarVertPageUp:
    case ovSkinPartScrollBarVertPageDown:
        s.PaintScrollBarElement(DC, R, false, AState, APart - ovSkinPartScrollBarVertBackground, a);
        break;
    case ovSkinPartScrollBarCorner:
        s.DrawScrollBarCorner(DC, R, a);
        break;
    case ovSkinPartMenuViewBackground:
        s.DrawMenuViewBackground(DC, R, a);
        break;
    case ovSkinPartMenuViewNavigation:
        s.DrawMenuViewNavigationBackground(DC, R, a);
        break;
    case ovSkinPartMenuViewContent:
        s.DrawMenuViewContentBackground(DC, R, a);
        break;
    case ovSkinPartMenuViewItem:
        s.DrawMenuViewItem(DC, R, AState, a);
        break;
    case ovSkinPartMenuViewTab:
        s.DrawMenuViewTab(DC, R, AState, a);
        break;
    case ovSkinPartMenuViewSeparator:
        s.DrawMenuViewSeparator(DC, R, AState, a);
        break;
    case ovSkinPartMenuViewButton:
        s.DrawMenuViewButton(DC, R, AState, a);
        break;
    case ovSkinPartExtraPaneBackground:
        s.DrawApplicationMenuExtraPaneBackground(DC, R);
        break;
    case ovSkinPartExtraPaneHeader:
        s.DrawApplicationMenuExtraPaneHeader(DC, R);
        break;
    case ovSkinPartExtraPaneSeparator:
        s.DrawApplicationMenuExtraPaneSeparator(DC, R, a);
        break;
    case ovSkinPartExtraPaneButton:
        s.DrawApplicationMenuExtraPaneButton(DC, R, AState, a);
        break;
    case ovSkinPartExtraPaneCheckButton:
        s.DrawApplicationMenuExtraPaneCheckButton(DC, R, AState, a);
        break;
    case ovSkinPartExtraPanePinGlyph:
        s.DrawApplicationMenuExtraPanePinGlyph(DC, R, AState, a);
        break;
    case ovSkinPartExtraPanePinGlyphButton:
        s.DrawApplicationMenuExtraPanePinGlyphButton(DC, R, AState, a);
        break;
    case ovSkinPartSmallStateGlyph:
        s.DrawSmallStateGlyph(DC, R, AState);
        break;
    case ovSkinPartSmallArrowGlyph:
        s.DrawSmallArrowGlyph(DC, R, AState);
        break;
    case ovSkinPartArrowDown:
        s.DrawArrowDown(DC, R, AState);
        break;
    case ovSkinPartMenuScrollArrow:
        s.DrawScrollArrow(DC, R);
        break;
    case ovSkinPartMenuItemButton:
        s.DrawMenuItemButton(DC, R, AState, a);
        break;
    case ovSkinPartMenuItemButtonMainPart:
        s.DrawMenuItemButtonMainPart(DC, R, AState, a);
        break;
    case ovSkinPartMenuItemButtonDropDown:
        s.DrawMenuItemButtonDropDown(DC, R, AState, a);
        break;
    case ovSkinPartMenuArrowDown:
        s.DrawMenuArrowDown(DC, R);
        break;
    case ovSkinPartMenuArrowRight:
        s.DrawMenuArrowRight(DC, R);
        break;
    case ovSkinPartMenuDetachCaption:
        s.DrawMenuDetachCaption(DC, R, AState);
        break;
    case ovSkinPartMenuGlyph:
        s.DrawMenuGlyph(DC, R);
        break;
    case ovSkinPartMenuContent:
        s.DrawMenuContent(DC, R);
        break;
    case ovSkinPartExtraPaneItem:
        s.DrawApplicationMenuExtraPaneItem(DC, R, AState, a);
        break;
    case ovSkinPartExtraPanePinButton:
        s.DrawApplicationMenuExtraPanePinButton(DC, R, AState, a);
        break;
    case ovSkinPartItemSeparatorHorz:
    case ovSkinPartItemSeparatorVert:
        s.DrawItemSeparator(DC, R, APart == ovSkinPartItemSeparatorHorz);
        break;
    case ovSkinPartMenuSeparatorHorz:
        s.DrawMenuSeparatorHorz(DC, R);
        break;
    case ovSkinPartMenuSeparatorVert:
        s.DrawMenuSeparatorVert(DC, R);
        break;
    case ovSkinPartMenuCheck:
        s.DrawMenuCheck(DC, R, AState, a);
        break;
    case ovSkinPartMenuCheckMark:
        s.DrawMenuCheckMark(DC, R, AState, a);
        break;
    case ovSkinPartMenuMark:
        s.DrawMenuMark(DC, R);
        break;
    case ovSkinPartMenuScrollArea:
        s.DrawMenuScrollArea(DC, R, AState);
        break;
    case ovSkinPartDropDownBorder:
        s.DrawDropDownBorder(DC, R);
        break;
    case ovSkinPartApplicationMenuBackground:
        s.DrawApplicationMenuBackground(DC, R, ABounds, a);
        break;
    case ovSkinPartApplicationMenuButton:
        s.DrawApplicationMenuButton(DC, R, AState, a);
        break;
    case ovSkinPartButtonGroupButton:
        s.DrawButtonGroupButton(DC, R, AState, a);
        break;
    case ovSkinPartButtonGroupButtonDropDown:
        s.DrawButtonGroupButtonDropDown(DC, R, AState, a);
        break;
    case ovSkinPartButtonGroupButtonMainPart:
        s.DrawButtonGroupButtonMainPart(DC, R, AState, a);
        break;
    case ovSkinPartButtonGroupBorderLeft:
        s.DrawButtonGroupBorderLeft(DC, R);
        break;
    case ovSkinPartButtonGroupBorderRight:
        s.DrawButtonGroupBorderRight(DC, R);
        break;
    case ovSkinPartButtonGroupSeparator:
        s.DrawButtonGroupSeparator(DC, R, AState);
        break;
    case ovSkinPartButtonGroupSplitButtonSeparator:
        s.DrawButtonGroupSplitButtonSeparator(DC, R, AState);
        break;
    case ovSkinPartTabGroupCaptionButtonGlyph:
        s.DrawTabGroupCaptionButtonGlyph(DC, R, AState, a);
        break;
    case ovSkinPartTabGroupCaptionButton:
        s.DrawTabGroupCaptionButton(DC, R, AState, a);
        break;
    case ovSkinPartQuickAccessToolbarMarkButton:
        s.DrawQuickAccessToolbarMarkButton(DC, R, AState, AContext.ShowTabHeaders, AContext.NonClient,
                                           AContext.QuickAccessToolbarBelow, a);
        break;
    case ovSkinPartCollapsedTabGroup:
        s.DrawCollapsedTabGroup(DC, R, AState);
        break;
    case ovSkinPartCollapsedTabGroupGlyphBackground:
        s.DrawCollapsedTabGroupGlyphBackground(DC, R, AState);
        break;
    default:
        break;
    }
}

TRect ovRibbonSkinCaptionRect(TovCustomRibbonSkin& ASkin, const TRect& R, int APart,
                              const TovRibbonSkinContext& AContext) {
    if (!IsTabGroupPart(APart)) return TRect{};
    const TRect offsets = ASkin.GetContentOffsets(APart);
    const int bottom = R.bottom - AContext.CaptionBottomOffset;
    return TRect{R.left + offsets.left, bottom - AContext.CaptionHeight, R.right - offsets.right, bottom};
}

TRect ovRibbonSkinContentOffsets(TovCustomRibbonSkin& ASkin, int APart,
                                 const TovRibbonSkinContext& AContext) {
    if (APart == ovSkinPartApplicationMenuContent)
        return ASkin.GetApplicationMenuContentOffset(AContext.ApplicationButtonBounds);
    TRect offsets = ASkin.GetContentOffsets(APart);
    if (IsTabGroupPart(APart)) offsets.bottom += AContext.CaptionStripHeight();
    return offsets;
}
