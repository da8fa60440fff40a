#include "ui/ribbon/skins/RibbonTexturedSkin.h"

#include "platform/gdi/GdiDC.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/bars/skin/SkinnedRect.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/platform/GdiPlusDrawing.h"
#include "ui/painters/office11/Office11Drawing.h"

using ribbon_sheets::TovRibbonCut;

namespace {

// The cell of a three-cell scroll button (normal, hot, pressed) for a skin state.
int ScrollButtonCell(int AState) {
    return AState == ovSkinStateHot ? 1 : AState == ovSkinStatePressed ? 2 : 0;
}

// The cell of a four-cell scroll bar element (normal, hot, pressed, disabled) for a skin state.
int ScrollBarCell(int AState) {
    switch (AState) {
    case ovSkinStateDisabled:
        return 3;
    case ovSkinStateHot:
        return 1;
    case ovSkinStatePressed:
        return 2;
    default:
        return 0;
    }
}

// The row of a caption glyph for a form button state: normal, hot, pressed, and inactive for both
// inactive states.
int CaptionGlyphRow(int AState) {
    return AState < 0 ? 0 : AState > 3 ? 3 : AState;
}

} // namespace

// ---- Initialisation

void TovCustomRibbonTexturedSkin::InitializeCommonParts(GpImage* ASheet) {
    TovCustomRibbonSkin::InitializeCommonParts(ASheet);
    Cut(ASheet, TovRibbonCut::ProgressBand);
    Cut(ASheet, TovRibbonCut::ProgressChunk);
    Cut(ASheet, TovRibbonCut::ContextCaptionGlass);
    InitializeButtonParts(ASheet);
}

void TovCustomRibbonTexturedSkin::InitializeButtonParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::SmallButton);
    Cut(ASheet, TovRibbonCut::SmallSplitMain);
    Cut(ASheet, TovRibbonCut::SmallSplitDropDown);
    Cut(ASheet, TovRibbonCut::LargeButton);
    Cut(ASheet, TovRibbonCut::LargeSplitMain);
    Cut(ASheet, TovRibbonCut::LargeSplitDropDown);
    Cut(ASheet, TovRibbonCut::TabGroupCaptionButton);
}

void TovCustomRibbonTexturedSkin::InitializeMenuParts(GpImage* ASheet) {
    TovCustomRibbonSkin::InitializeMenuParts(ASheet);
    Cut(ASheet, TovRibbonCut::MenuDetachCaption);
    Cut(ASheet, TovRibbonCut::MenuCheck);
    Cut(ASheet, TovRibbonCut::MenuCheckMark);
    Cut(ASheet, TovRibbonCut::MenuScrollArea);
    Cut(ASheet, TovRibbonCut::QatGroupButton);
}

void TovCustomRibbonTexturedSkin::InitializeColorParts(GpImage* ASheet) {
    TovCustomRibbonSkin::InitializeColorParts(ASheet);
    Cut(ASheet, TovRibbonCut::ProgressSubstrate);
    InitializeCollapsedTabGroupParts(ASheet);
    InitializeScrollBarParts(ASheet);
    InitializeScrollButtonParts(ASheet);
    InitializeContextParts(ASheet);
    InitializeTabGroupParts(ASheet);
    InitializeStatusBarParts(ASheet);
}

void TovCustomRibbonTexturedSkin::InitializeQuickAccessToolbarParts(GpImage* ASheet) {
    TovCustomRibbonSkin::InitializeQuickAccessToolbarParts(ASheet);
    Cut(ASheet, TovRibbonCut::RibbonTopBand);
    InitializeFormFrameParts(ASheet);
    InitializeFormIconParts(ASheet);
    InitializeApplicationButtonParts(ASheet);
}

void TovCustomRibbonTexturedSkin::InitializeDropDownGalleryParts(GpImage* ASheet) {
    TovCustomRibbonSkin::InitializeDropDownGalleryParts(ASheet);
    InitializeGalleryButtonParts(ASheet);
    InitializeGalleryButtonGlyphParts(ASheet);
    Cut(ASheet, TovRibbonCut::GalleryFilterBand);
    Cut(ASheet, TovRibbonCut::GalleryGroupHeader);
    Cut(ASheet, TovRibbonCut::GalleryTopSizingBand);
    Cut(ASheet, TovRibbonCut::GalleryBottomSizingBand);
}

void TovCustomRibbonTexturedSkin::InitializeControlParts(GpImage* ASheet) {
    TovCustomRibbonSkin::InitializeControlParts(ASheet);
    Cut(ASheet, TovRibbonCut::ArrowDown);
    Cut(ASheet, TovRibbonCut::MenuArrowDown);
    Cut(ASheet, TovRibbonCut::MenuArrowRight);
    Cut(ASheet, TovRibbonCut::ButtonGroupBorderLeft);
    Cut(ASheet, TovRibbonCut::ButtonGroupBorderRight);
    Cut(ASheet, TovRibbonCut::ButtonGroupSeparator);
    Cut(ASheet, TovRibbonCut::ButtonGroupSplitSeparator);
}

void TovCustomRibbonTexturedSkin::InitializeApplicationMenuParts(GpImage* ASheet) {
    TovCustomRibbonSkin::InitializeApplicationMenuParts(ASheet);
    // The menu's scroll area in its normal state comes from the colour sheet; its hot and pressed states
    // from the common one.
    Cut(ASheet, TovRibbonCut::MenuScrollAreaNormal);
    SharePart(TovRibbonCut::MenuScrollArea, ovSkinStateNormal, TovRibbonCut::MenuScrollAreaNormal, 0);
}

void TovCustomRibbonTexturedSkin::InitializeQuickAccessToolbarButtonParts(GpImage* ASheet) {
    TovCustomRibbonSkin::InitializeQuickAccessToolbarButtonParts(ASheet);
    Cut(ASheet, TovRibbonCut::QatPopup);
}

void TovCustomRibbonTexturedSkin::InitializeTabSeparator(GpImage* ASheet) {
    TovCustomRibbonSkin::InitializeTabSeparator(ASheet);
    Cut(ASheet, TovRibbonCut::Tab);
    Cut(ASheet, TovRibbonCut::ContextTab);
}

void TovCustomRibbonTexturedSkin::InitializeApplicationButtonParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::ApplicationButton);
}

void TovCustomRibbonTexturedSkin::InitializeCollapsedTabGroupParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::CollapsedGroup);
    Cut(ASheet, TovRibbonCut::CollapsedGroupGlyph);
}

void TovCustomRibbonTexturedSkin::InitializeContextParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::ContextCaption);
    // One part serves the context groups area with the toolbar above and below.
    Cut(ASheet, TovRibbonCut::ContextGroupsArea);
    SharePart(TovRibbonCut::ContextGroupsArea, 1, TovRibbonCut::ContextGroupsArea, 0);
    Cut(ASheet, TovRibbonCut::ContextTabSeparators);
}

void TovCustomRibbonTexturedSkin::InitializeFormIconParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::CaptionButton);
    Cut(ASheet, TovRibbonCut::CaptionGlyphs);
}

void TovCustomRibbonTexturedSkin::InitializeFormFrameParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::FormCaption);
    Cut(ASheet, TovRibbonCut::FormCaptionMaximized);
    Cut(ASheet, TovRibbonCut::FormCaptionLeft);
    Cut(ASheet, TovRibbonCut::FormCaptionRight);
    Cut(ASheet, TovRibbonCut::FormBorderLeft);
    Cut(ASheet, TovRibbonCut::FormBorderRight);
    Cut(ASheet, TovRibbonCut::FormBottomThin);
    Cut(ASheet, TovRibbonCut::FormBottomRounded);
    Cut(ASheet, TovRibbonCut::FormBottomSquare);
}

void TovCustomRibbonTexturedSkin::InitializeGalleryButtonParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::GalleryUp);
    Cut(ASheet, TovRibbonCut::GalleryDown);
    Cut(ASheet, TovRibbonCut::GalleryDropDown);
}

void TovCustomRibbonTexturedSkin::InitializeGalleryButtonGlyphParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::GalleryUpGlyph);
    Cut(ASheet, TovRibbonCut::GalleryDownGlyph);
    Cut(ASheet, TovRibbonCut::GalleryDropDownGlyph);
}

void TovCustomRibbonTexturedSkin::InitializeTabGroupParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::TabGroupBody);
    Cut(ASheet, TovRibbonCut::TabGroupCaption);
    Cut(ASheet, TovRibbonCut::SmallStateGlyph);
    // One part serves the groups area with the toolbar above, below and in a popup.
    Cut(ASheet, TovRibbonCut::GroupsArea);
    SharePart(TovRibbonCut::GroupsArea, 1, TovRibbonCut::GroupsArea, 0);
    SharePart(TovRibbonCut::GroupsArea, 2, TovRibbonCut::GroupsArea, 0);
}

void TovCustomRibbonTexturedSkin::InitializeScrollBarParts(GpImage* ASheet) {
    for (TovRibbonCut cut :
         {TovRibbonCut::ScrollPageHorz, TovRibbonCut::ScrollPageVert, TovRibbonCut::ScrollVertLineDown,
          TovRibbonCut::ScrollVertLineUp, TovRibbonCut::ScrollVertThumb, TovRibbonCut::ScrollHorzLineDown,
          TovRibbonCut::ScrollHorzLineUp, TovRibbonCut::ScrollHorzThumb,
          TovRibbonCut::ScrollVertLineDownGlyph, TovRibbonCut::ScrollVertLineUpGlyph,
          TovRibbonCut::ScrollVertThumbGlyph, TovRibbonCut::ScrollHorzLineDownGlyph,
          TovRibbonCut::ScrollHorzLineUpGlyph, TovRibbonCut::ScrollHorzThumbGlyph})
        Cut(ASheet, cut);
}

void TovCustomRibbonTexturedSkin::InitializeScrollButtonParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::TabScrollLeft);
    Cut(ASheet, TovRibbonCut::TabScrollRight);
    Cut(ASheet, TovRibbonCut::GroupsScrollLeft);
    Cut(ASheet, TovRibbonCut::GroupsScrollRight);
}

void TovCustomRibbonTexturedSkin::InitializeStatusBarParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::StatusPanelSeparator);
    Cut(ASheet, TovRibbonCut::StatusPanelSeparatorPlain);
    Cut(ASheet, TovRibbonCut::StatusToolbarSeparator);
    Cut(ASheet, TovRibbonCut::StatusGripSeparator);
    Cut(ASheet, TovRibbonCut::StatusRightSeparator);
    Cut(ASheet, TovRibbonCut::StatusBorderLeft);
    Cut(ASheet, TovRibbonCut::StatusBorderRight);
    Cut(ASheet, TovRibbonCut::StatusPlainBorderLeft);
    Cut(ASheet, TovRibbonCut::StatusPlainBorderRight);
}

// ---- Drawing. On a low-colour screen each operation draws the base skin's flat look.

void TovCustomRibbonTexturedSkin::DrawApplicationButton(HDC DC, const TRect& R, int AState,
                                                        TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawApplicationButton(DC, R, AState, AAccent);
    DrawPart(TovRibbonCut::ApplicationButton, AState, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawButtonGroupBorderLeft(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawButtonGroupBorderLeft(DC, R);
    DrawPart(TovRibbonCut::ButtonGroupBorderLeft, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawButtonGroupBorderRight(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawButtonGroupBorderRight(DC, R);
    DrawPart(TovRibbonCut::ButtonGroupBorderRight, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawButtonGroupSeparator(HDC DC, const TRect& R, int AState) {
    if (LowColors()) return TovCustomRibbonSkin::DrawButtonGroupSeparator(DC, R, AState);
    DrawStatePart(TovRibbonCut::ButtonGroupSeparator, DC, AState, R);
}

void TovCustomRibbonTexturedSkin::DrawButtonGroupSplitButtonSeparator(HDC DC, const TRect& R, int AState) {
    if (LowColors()) return TovCustomRibbonSkin::DrawButtonGroupSplitButtonSeparator(DC, R, AState);
    DrawStatePart(TovRibbonCut::ButtonGroupSplitSeparator, DC, AState, R);
}

void TovCustomRibbonTexturedSkin::DrawCollapsedTabGroup(HDC DC, const TRect& R, int AState) {
    if (LowColors()) return TovCustomRibbonSkin::DrawCollapsedTabGroup(DC, R, AState);
    // A collapsed group is never invisible: states without a part of their own look normal.
    const bool own = AState == ovSkinStateNormal || AState == ovSkinStateHot ||
                     AState == ovSkinStateHighlighted || AState == ovSkinStatePressed;
    DrawStatePart(TovRibbonCut::CollapsedGroup, DC, own ? AState : ovSkinStateNormal, R);
}

void TovCustomRibbonTexturedSkin::DrawCollapsedTabGroupGlyphBackground(HDC DC, const TRect& R, int AState) {
    if (LowColors()) return TovCustomRibbonSkin::DrawCollapsedTabGroupGlyphBackground(DC, R, AState);
    DrawStatePart(TovRibbonCut::CollapsedGroupGlyph, DC, AState, R);
}

void TovCustomRibbonTexturedSkin::DrawDropDownGalleryBottomSizingBand(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawDropDownGalleryBottomSizingBand(DC, R);
    DrawPart(TovRibbonCut::GalleryBottomSizingBand, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawDropDownGalleryTopSizingBand(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawDropDownGalleryTopSizingBand(DC, R);
    DrawPart(TovRibbonCut::GalleryTopSizingBand, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawAlignedGlyph(HDC DC, const TRect& R, int AAlignment, TColor AColor,
                                                   int AState, int AIcon) {
    TovSkinnedRect* glyph = PartOf(TovRibbonCut::CaptionGlyphs, AIcon * 4 + CaptionGlyphRow(AState));
    if (glyph == nullptr) return;
    const TSize size = glyph->ImageSize();
    const TRect vertical = uiShiftRectVert(uiCentreRectVert(R, size.cy), 1);
    TRect target;
    if (AAlignment == 0)
        target = uiResizeRectWidth(vertical, size.cx);
    else if (AAlignment == 1)
        target = uiPlaceRectRightWidth(vertical, R.right, size.cx);
    else
        target = uiCentreRectHorz(vertical, size.cx);
    glyph->DrawWithColor(DC, target, 255, AColor);
}

void TovCustomRibbonTexturedSkin::DrawFormBorderIcon(HDC DC, const TRect& R, int AIcon, int AState,
                                                     TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawFormBorderIcon(DC, R, AIcon, AState, AAccent);
    // Hot, pressed and inactive hot buttons have a background; normal and inactive ones show the glyph alone.
    const int background = AState == 1 ? 0 : AState == 2 ? 1 : AState == 4 ? 2 : -1;
    if (background >= 0) DrawPart(TovRibbonCut::CaptionButton, background, DC, R);
    DrawAlignedGlyph(DC, R, 2, clDefault, AState, AIcon);
}

void TovCustomRibbonTexturedSkin::DrawFormBorders(HDC DC, const TRect& AWidths,
                                                  const TovRibbonSkinPaintData& AData) {
    if (LowColors()) return TovCustomRibbonSkin::DrawFormBorders(DC, AWidths, AData);
    const TRect B = AData.FormData.WindowBounds;
    const int cell = AData.FormData.IsActive ? 0 : 1;
    const int captionBottom = B.top + AData.TabsGlassHeight + AData.CaptionHeight;
    const int saved = SaveDC(DC);
    if (AData.TabsGlassHeight + AData.CaptionHeight > 0) {
        DrawPart(TovRibbonCut::FormCaptionLeft, cell, DC,
                 TRect{B.left, B.top, B.left + AWidths.left, captionBottom});
        DrawPart(TovRibbonCut::FormCaptionRight, cell, DC,
                 TRect{B.right - AWidths.right, B.top, B.right, captionBottom});
    }
    const bool square = RibbonFormHasSquareCorners(AData.FormData);
    if (AWidths.bottom < 2) {
        DrawPart(TovRibbonCut::FormBottomThin, cell, DC,
                 TRect{B.left + AWidths.left, B.bottom - AWidths.bottom, B.right - AWidths.right, B.bottom});
    } else {
        const TRect bottom{B.left, B.bottom - AWidths.bottom, B.right, B.bottom};
        DrawPart(square ? TovRibbonCut::FormBottomSquare : TovRibbonCut::FormBottomRounded, cell, DC, bottom);
        ExcludeClipRect(DC, bottom.left, bottom.top, bottom.right, bottom.bottom);
    }
    const int top = captionBottom + AWidths.top, sideBottom = square ? B.bottom : B.bottom - 1;
    DrawPart(TovRibbonCut::FormBorderLeft, cell, DC, TRect{B.left, top, B.left + AWidths.left, sideBottom});
    DrawPart(TovRibbonCut::FormBorderRight, cell, DC,
             TRect{B.right - AWidths.right, top, B.right, sideBottom});
    RestoreDC(DC, saved);
}

void TovCustomRibbonTexturedSkin::DrawFormCaption(HDC DC, const TRect& R,
                                                  const TovRibbonSkinPaintData& AData) {
    if (LowColors()) return TovCustomRibbonSkin::DrawFormCaption(DC, R, AData);
    const int cell = AData.FormData.IsActive ? 0 : 1;
    if (AData.FormData.WindowState == ovRibbonFormMaximized) {
        DrawPart(TovRibbonCut::FormCaptionMaximized, cell, DC, R);
    } else if (AData.FormData.WindowState == ovRibbonFormMinimized) {
        DrawPart(TovRibbonCut::FormCaption, cell, DC, TRect{R.left, R.top, R.right, R.bottom - 1});
        DrawPart(TovRibbonCut::FormBottomThin, cell, DC, TRect{R.left, R.bottom - 1, R.right, R.bottom});
    } else {
        DrawPart(TovRibbonCut::FormCaption, cell, DC, R);
    }
}

void TovCustomRibbonTexturedSkin::DrawFormStatusBarBorder(HDC DC, const TRect& R, int ASide, int AKind,
                                                          bool AActive, bool AStatusBarKind,
                                                          TovRibbonColorSchemeAccent AAccent) {
    if (LowColors())
        return TovCustomRibbonSkin::DrawFormStatusBarBorder(DC, R, ASide, AKind, AActive, AStatusBarKind,
                                                            AAccent);
    const TovRibbonCut slot =
        AStatusBarKind
            ? (ASide == 0 ? TovRibbonCut::StatusBorderLeft : TovRibbonCut::StatusBorderRight)
            : (ASide == 0 ? TovRibbonCut::StatusPlainBorderLeft : TovRibbonCut::StatusPlainBorderRight);
    DrawPart(slot, AKind + (AActive ? 0 : 2), DC, R);
}

void TovCustomRibbonTexturedSkin::DrawInRibbonGalleryScrollBarButton(HDC DC, const TRect& R, int AKind,
                                                                     int AState,
                                                                     TovRibbonColorSchemeAccent AAccent) {
    if (LowColors())
        return TovCustomRibbonSkin::DrawInRibbonGalleryScrollBarButton(DC, R, AKind, AState, AAccent);
    static constexpr TovRibbonCut Buttons[] = {TovRibbonCut::GalleryUp, TovRibbonCut::GalleryDown,
                                               TovRibbonCut::GalleryDropDown};
    static constexpr TovRibbonCut Glyphs[] = {TovRibbonCut::GalleryUpGlyph, TovRibbonCut::GalleryDownGlyph,
                                              TovRibbonCut::GalleryDropDownGlyph};
    if (AKind < 0 || AKind > 2) return;
    DrawStatePart(Buttons[AKind], DC, AState, R);
    DrawCenteredPart(Glyphs[AKind], AState, DC, R, 0, 1);
}

void TovCustomRibbonTexturedSkin::DrawLargeButton(HDC DC, const TRect& R, int AState,
                                                  TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawLargeButton(DC, R, AState, AAccent);
    DrawStatePart(TovRibbonCut::LargeButton, DC, AState, R);
}

void TovCustomRibbonTexturedSkin::DrawLargeButtonMainPart(HDC DC, const TRect& R, int AState,
                                                          TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawLargeButtonMainPart(DC, R, AState, AAccent);
    DrawStatePart(TovRibbonCut::LargeSplitMain, DC, AState, R);
}

void TovCustomRibbonTexturedSkin::DrawLargeButtonDropDown(HDC DC, const TRect& R, int AState,
                                                          TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawLargeButtonDropDown(DC, R, AState, AAccent);
    DrawStatePart(TovRibbonCut::LargeSplitDropDown, DC, AState, R);
}

void TovCustomRibbonTexturedSkin::DrawTabGroupCaptionButton(HDC DC, const TRect& R, int AState,
                                                            TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawTabGroupCaptionButton(DC, R, AState, AAccent);
    DrawStatePart(TovRibbonCut::TabGroupCaptionButton, DC, AState, R);
}

void TovCustomRibbonTexturedSkin::DrawTabGroupCaptionButtonGlyph(HDC DC, const TRect& R, int AState,
                                                                 TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawTabGroupCaptionButtonGlyph(DC, R, AState, AAccent);
    DrawStatePart(TovRibbonCut::TabGroupCaptionGlyph, DC, AState, R);
}

void TovCustomRibbonTexturedSkin::DrawMDIButton(HDC DC, const TRect& R, int AButton, int AState,
                                                TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawMDIButton(DC, R, AButton, AState, AAccent);
    DrawSmallButton(DC, R, AState, AAccent);
}

void TovCustomRibbonTexturedSkin::DrawMDIButtonGlyph(HDC DC, const TRect& R, int AButton, int AState) {
    if (LowColors()) return TovCustomRibbonSkin::DrawMDIButtonGlyph(DC, R, AButton, AState);
    const int column = AButton == 0 ? 0 : AButton == 1 ? 2 : 3;
    const int row = AState <= 1 ? 0 : std::min(AState - 1, 3);
    const int left = R.left + (uiWidthOfRect(R) - 9) / 2, top = R.top + (uiHeightOfRect(R) - 9) / 2 + 1;
    DrawPart(TovRibbonCut::CaptionGlyphs, column * 4 + row, DC, TRect{left, top, left + 9, top + 9});
}

void TovCustomRibbonTexturedSkin::DrawMenuArrowDown(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawMenuArrowDown(DC, R);
    DrawCenteredPart(TovRibbonCut::MenuArrowDown, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawMenuArrowRight(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawMenuArrowRight(DC, R);
    DrawCenteredPart(TovRibbonCut::MenuArrowRight, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawMenuCheck(HDC DC, const TRect& R, int AState,
                                                TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawMenuCheck(DC, R, AState, AAccent);
    DrawStatePart(TovRibbonCut::MenuCheck, DC, AState, R);
}

void TovCustomRibbonTexturedSkin::DrawMenuCheckMark(HDC DC, const TRect& R, int AState,
                                                    TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawMenuCheckMark(DC, R, AState, AAccent);
    DrawStatePart(TovRibbonCut::MenuCheck, DC, AState, R);
    DrawCenteredPart(TovRibbonCut::MenuCheckMark, AState, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawMenuDetachCaption(HDC DC, const TRect& R, int AState) {
    if (LowColors()) return TovCustomRibbonSkin::DrawMenuDetachCaption(DC, R, AState);
    DrawStatePart(TovRibbonCut::MenuDetachCaption, DC, AState, R);
}

void TovCustomRibbonTexturedSkin::DrawMenuScrollArea(HDC DC, const TRect& R, int AState) {
    if (LowColors()) return TovCustomRibbonSkin::DrawMenuScrollArea(DC, R, AState);
    DrawStatePart(TovRibbonCut::MenuScrollArea, DC, AState, R);
}

void TovCustomRibbonTexturedSkin::DrawProgressDiscreteBand(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawProgressDiscreteBand(DC, R);
    DrawPart(TovRibbonCut::ProgressChunk, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawProgressSolidBand(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawProgressSolidBand(DC, R);
    DrawPart(TovRibbonCut::ProgressBand, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawProgressSubstrate(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawProgressSubstrate(DC, R);
    DrawPart(TovRibbonCut::ProgressSubstrate, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawButton(HDC DC, const TRect& R, int AState,
                                             TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawButton(DC, R, AState, AAccent);
    DrawStatePart(TovRibbonCut::SmallButton, DC, AState, R);
}

void TovCustomRibbonTexturedSkin::DrawButtonDropDown(HDC DC, const TRect& R, int AState,
                                                     TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawButtonDropDown(DC, R, AState, AAccent);
    DrawStatePart(TovRibbonCut::SmallSplitDropDown, DC, AState, R);
}

void TovCustomRibbonTexturedSkin::DrawButtonMainPart(HDC DC, const TRect& R, int AState,
                                                     TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawButtonMainPart(DC, R, AState, AAccent);
    DrawStatePart(TovRibbonCut::SmallSplitMain, DC, AState, R);
}

void TovCustomRibbonTexturedSkin::DrawMenuViewSeparator(HDC DC, const TRect& R, int AState,
                                                        TovRibbonColorSchemeAccent AAccent) {
    // Two plain lines, in both colour modes.
    const TRect r{R.left + 4, R.top, R.right - 4, R.bottom};
    if (uiIsRectEmpty(r)) return;
    FillRectWithColor(DC, uiResizeRectHeight(r, 1), 0xE0E0E0);
    FillRectWithColor(DC, uiPlaceRectBottomHeight(r, r.bottom, 1), clBtnHighlight);
}

void TovCustomRibbonTexturedSkin::DrawSmallStateGlyph(HDC DC, const TRect& R, int AState) {
    if (LowColors()) return TovCustomRibbonSkin::DrawSmallStateGlyph(DC, R, AState);
    DrawCenteredPart(TovRibbonCut::SmallStateGlyph, AState, DC, R, 0, 1);
}

void TovCustomRibbonTexturedSkin::DrawTab(HDC DC, const TRect& R, int AState,
                                          TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawTab(DC, R, AState, AAccent);
    if (AState >= 0 && AState <= 4) DrawPart(TovRibbonCut::Tab, AState, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawTabGroupBackground(HDC DC, const TRect& R, bool AInPopup, int AState) {
    if (LowColors()) return TovCustomRibbonSkin::DrawTabGroupBackground(DC, R, AInPopup, AState);
    DrawStatePart(TovRibbonCut::TabGroupBody, DC, AState, R);
}

void TovCustomRibbonTexturedSkin::DrawTabGroupHeaderBackground(HDC DC, const TRect& R, bool AInPopup,
                                                               int AState) {
    if (LowColors()) return TovCustomRibbonSkin::DrawTabGroupHeaderBackground(DC, R, AInPopup, AState);
    DrawStatePart(TovRibbonCut::TabGroupCaption, DC, AState, R);
}

void TovCustomRibbonTexturedSkin::DrawTabGroupsArea(HDC DC, const TRect& R, bool AQuickAccessToolbarBelow,
                                                    bool AInPopup) {
    if (LowColors()) return TovCustomRibbonSkin::DrawTabGroupsArea(DC, R, AQuickAccessToolbarBelow, AInPopup);
    DrawPart(TovRibbonCut::GroupsArea, AInPopup ? 2 : AQuickAccessToolbarBelow ? 1 : 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawTabScrollButton(HDC DC, const TRect& R, int AKind, int AState,
                                                      TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawTabScrollButton(DC, R, AKind, AState, AAccent);
    DrawPart(AKind == 0 ? TovRibbonCut::TabScrollLeft : TovRibbonCut::TabScrollRight,
             ScrollButtonCell(AState), DC, R);
}

void TovCustomRibbonTexturedSkin::DrawTabGroupsScrollButton(HDC DC, const TRect& R, int AKind, int AState,
                                                            TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawTabGroupsScrollButton(DC, R, AKind, AState, AAccent);
    DrawPart(AKind == 0 ? TovRibbonCut::GroupsScrollLeft : TovRibbonCut::GroupsScrollRight,
             ScrollButtonCell(AState), DC, R);
}

void TovCustomRibbonTexturedSkin::DrawContextBackground(HDC DC, const TRect& R, TColor AColor) {
    if (LowColors()) return TovCustomRibbonSkin::DrawContextBackground(DC, R, AColor);
    if (AColor != clDefault) FillRectWithColor(DC, R, AColor);
    DrawPart(TovRibbonCut::ContextCaption, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawContextBackgroundGlass(HDC DC, const TRect& R, TColor AColor) {
    if (LowColors()) return TovCustomRibbonSkin::DrawContextBackgroundGlass(DC, R, AColor);
    ovGpFillRectByGradient(DC, R, AColor, AColor, LinearGradientModeVertical, 0, 220);
    DrawPart(TovRibbonCut::ContextCaptionGlass, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawContextTab(HDC DC, const TRect& R, TColor AColor, int AState,
                                                 TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawContextTab(DC, R, AColor, AState, AAccent);
    if (AColor != clDefault && !uiIsRectEmpty(R)) ovGpFillRect(DC, R, AColor, 255);
    if (AState >= 0 && AState <= 4) DrawPart(TovRibbonCut::ContextTab, AState, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawContextTabGroupsArea(HDC DC, const TRect& R, TColor AColor,
                                                           bool AQuickAccessToolbarBelow, bool AInPopup) {
    if (LowColors())
        return TovCustomRibbonSkin::DrawContextTabGroupsArea(DC, R, AColor, AQuickAccessToolbarBelow,
                                                             AInPopup);
    DrawPart(TovRibbonCut::ContextGroupsArea, AQuickAccessToolbarBelow ? 1 : 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawContextTabSeparator(HDC DC, const TRect& R, int AKind) {
    if (LowColors()) return TovCustomRibbonSkin::DrawContextTabSeparator(DC, R, AKind);
    DrawPart(TovRibbonCut::ContextTabSeparators, AKind, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawQuickAccessToolbarGroupButton(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawQuickAccessToolbarGroupButton(DC, R);
    DrawPart(TovRibbonCut::QatGroupButton, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawQuickAccessToolbarPopup(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawQuickAccessToolbarPopup(DC, R);
    DrawPart(TovRibbonCut::QatPopup, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawStatusBarPanelSeparator(HDC DC, const TRect& R,
                                                              TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawStatusBarPanelSeparator(DC, R, AAccent);
    DrawPart(TovRibbonCut::StatusPanelSeparator, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawStatusBarGripSeparator(HDC DC, const TRect& R,
                                                             TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawStatusBarGripSeparator(DC, R, AAccent);
    DrawPart(TovRibbonCut::StatusGripSeparator, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawStatusBarPanelSeparatorEx(HDC DC, const TRect& R, bool AFlag,
                                                                TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawStatusBarPanelSeparatorEx(DC, R, AFlag, AAccent);
    DrawPart(AFlag ? TovRibbonCut::StatusPanelSeparator : TovRibbonCut::StatusPanelSeparatorPlain, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawStatusBarToolbarSeparator(HDC DC, const TRect& R,
                                                                TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawStatusBarToolbarSeparator(DC, R, AAccent);
    DrawPart(TovRibbonCut::StatusToolbarSeparator, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawStatusBarSeparatorRight(HDC DC, const TRect& R,
                                                              TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawStatusBarSeparatorRight(DC, R, AAccent);
    DrawPart(TovRibbonCut::StatusRightSeparator, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawScrollBarBackground(HDC DC, const TRect& R, bool AHorizontal,
                                                          TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawScrollBarBackground(DC, R, AHorizontal, AAccent);
    DrawPart(AHorizontal ? TovRibbonCut::ScrollPageHorz : TovRibbonCut::ScrollPageVert, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::PaintScrollBarElement(HDC DC, const TRect& R, bool AHorizontal, int AState,
                                                        int AElement, TovRibbonColorSchemeAccent AAccent) {
    if (LowColors())
        return TovCustomRibbonSkin::PaintScrollBarElement(DC, R, AHorizontal, AState, AElement, AAccent);
    const int cell = ScrollBarCell(AState);
    TovRibbonCut element, glyph;
    switch (AElement) {
    case 1:
        element = AHorizontal ? TovRibbonCut::ScrollHorzLineUp : TovRibbonCut::ScrollVertLineUp;
        glyph = AHorizontal ? TovRibbonCut::ScrollHorzLineUpGlyph : TovRibbonCut::ScrollVertLineUpGlyph;
        break;
    case 2:
        element = AHorizontal ? TovRibbonCut::ScrollHorzLineDown : TovRibbonCut::ScrollVertLineDown;
        glyph = AHorizontal ? TovRibbonCut::ScrollHorzLineDownGlyph : TovRibbonCut::ScrollVertLineDownGlyph;
        break;
    case 3:
        element = AHorizontal ? TovRibbonCut::ScrollHorzThumb : TovRibbonCut::ScrollVertThumb;
        glyph = AHorizontal ? TovRibbonCut::ScrollHorzThumbGlyph : TovRibbonCut::ScrollVertThumbGlyph;
        break;
    case 4:
    case 5:
        DrawPart(AHorizontal ? TovRibbonCut::ScrollPageHorz : TovRibbonCut::ScrollPageVert, cell, DC, R);
        return;
    default:
        return;
    }
    DrawPart(element, cell, DC, R);
    DrawCenteredPart(glyph, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawArrowDown(HDC DC, const TRect& R, int AState) {
    if (LowColors()) return TovCustomRibbonSkin::DrawArrowDown(DC, R, AState);
    DrawStatePart(TovRibbonCut::ArrowDown, DC, AState, R);
}

void TovCustomRibbonTexturedSkin::DrawGalleryFilterBand(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawGalleryFilterBand(DC, R);
    DrawPart(TovRibbonCut::GalleryFilterBand, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawGalleryGroupHeaderBackground(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawGalleryGroupHeaderBackground(DC, R);
    DrawPart(TovRibbonCut::GalleryGroupHeader, 0, DC, R);
}

void TovCustomRibbonTexturedSkin::DrawRibbonBackgroundTopPart(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawRibbonBackgroundTopPart(DC, R);
    DrawPart(TovRibbonCut::RibbonTopBand, 0, DC, R);
}

TColor TovCustomRibbonTexturedSkin::GetPartColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) {
    // These colours apply on every screen.
    switch (APart) {
    case ovSkinColorKeyTipText:
        return 0x4C4C4C;
    case ovSkinColorDropDownGalleryBackground:
        return 0xFAFAFA;
    case 67:
        if (AState == ovSkinStateHot) return 0x3694F2;
        if (AState == ovSkinStateChecked) return 0x1048EF;
        if (AState == ovSkinStateCheckedHot) return 0x3695F2;
        break;
    case 68:
        if (AState == ovSkinStateHot || AState == ovSkinStateChecked) return 0x94E2FF;
        if (AState == ovSkinStateCheckedHot) return 0x95E3FF;
        break;
    case ovSkinColorGalleryBackground:
    case 451:
        return 0xF5F5F5;
    case ovSkinColorMenuViewBackground:
        return clWhite;
    case 315:
        return 0x646464;
    case ovSkinColorItemText:
        if (AState == ovSkinStateDisabled || AState == ovSkinStateDisabledSelected) return 0x8D8D8D;
        // The colour scheme's text of ribbon groups.
        return GetPartColor(10133, ovSkinStateNormal, AAccent);
    case ovSkinColorMenuText:
        if (AState == ovSkinStateDisabled || AState == ovSkinStateDisabledSelected) return 0xA7A7A7;
        break;
    case ovSkinColorMenuDetachCaption:
        return 0xF7F7F7;
    case ovSkinColorExtraPaneBackground:
        return 0xEEEAE9;
    case ovSkinColorMenuSplitLine:
        return 0xBDB6A5;
    case 10140:
        return clBlack;
    default:
        break;
    }
    return TovCustomRibbonSkin::GetPartColor(APart, AState, AAccent);
}
