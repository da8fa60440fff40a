#include "ui/ribbon/skins/Ribbon2010Skin.h"

#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/bars/skin/SkinnedRect.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/graphics/Colors.h"
#include "ui/core/graphics/ScreenMetrics.h"
#include "ui/core/platform/GdiPlusImage.h"
#include "ui/painters/office11/Office11Drawing.h"

using ribbon_sheets::CutInfo;
using ribbon_sheets::TovRibbonCut;

// ---- Metrics

void TovCustomRibbon2010Skin::LoadCommonTexture(TovGPImage& AImage) {
    LoadSkinSheet(AImage, "RIBBONCOMMON2010");
}

TSize TovCustomRibbon2010Skin::GetApplicationButtonSize() {
    return TSize{56, 25};
}

TRect TovCustomRibbon2010Skin::GetApplicationMenuContentOffset(const TRect& AButtonBounds) {
    return TRect{uiScaleToCurrentDPI(2), uiHeightOfRect(AButtonBounds) + 1, uiScaleToCurrentDPI(2),
                 uiScaleToCurrentDPI(30)};
}

TRect TovCustomRibbon2010Skin::GetWindowBordersWidth(bool AFlag) {
    return TRect{8, 0, 8, 8};
}

int TovCustomRibbon2010Skin::QuickAccessToolbarMarkButtonIndent(bool AHasApplicationButton, bool ABelow) {
    return 8;
}

int TovCustomRibbon2010Skin::QuickAccessToolbarWidthOverride(bool AHasApplicationButton, bool ADrawsOnGlass) {
    return 4;
}

TRect TovCustomRibbon2010Skin::GetContentOffsets(int APart) {
    switch (APart) {
    case ovSkinPartTabGroup:
        return TRect{0, 3, 5, 1};
    case ovSkinPartMenuViewBackground:
        return TRect{0, 2, 0, 0};
    case ovSkinPartApplicationMenuButton:
        return TRect{0, 4, 2, 4};
    case 455:
        return TRect{0, 0, uiScaleToCurrentDPI(4), 0};
    case 459:
        return uiGetRectCurrentDPI(TRect{12, 5, 12, 4});
    case ovSkinPartCollapsedTabGroup:
        return TRect{2, 2, 5, 2};
    case ovSkinPartCollapsedTabGroupGlyphBackground:
        return TRect{7, 7, 7, 7};
    case ovSkinPartTabGroupInPopup:
        return TRect{2, 3, 2, 1};
    default:
        return TovCustomRibbonTexturedSkin::GetContentOffsets(APart);
    }
}

int TovCustomRibbon2010Skin::GetPartSize(int APart) {
    switch (APart) {
    case ovSkinPartTabGroup:
    case ovSkinPartMenuCaptionSeparatorLine:
    case ovSkinPartTabGroupInPopup:
        return 0;
    case ovSkinPartMenuViewSeparator:
        // The separator part's height, which the catalogue fixes before the sheets are loaded.
        if (TovSkinnedRect* part = PartOf(TovRibbonCut::MenuViewSeparator, 0)) return part->ImageSize().cy;
        return CutInfo(TovRibbonCut::MenuViewSeparator).CellHeight;
    case 10150:
    case 10151:
        return 2;
    default:
        return TovCustomRibbonTexturedSkin::GetPartSize(APart);
    }
}

TColor TovCustomRibbon2010Skin::GetPartColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) {
    const TColor textured = TovCustomRibbonTexturedSkin::GetPartColor(APart, AState, AAccent);
    if (LowColors()) return textured;
    const bool disabled = AState == ovSkinStateDisabled || AState == ovSkinStateDisabledSelected;
    constexpr TColor Text = 0x5B391E;
    switch (APart) {
    case ovSkinColorEditButtonFrame:
        if (AState == ovSkinStateNormal || disabled)
            return GetPartColor(ovSkinColorEditBackground, 0, AAccent);
        if (AState == ovSkinStateHot) return 0x54CCF0;
        if (AState == ovSkinStateHighlighted)
            return GetPartColor(ovSkinColorEditFrame, ovSkinStateHighlighted, AAccent);
        if (AState == ovSkinStatePressed || AState == ovSkinStateDroppedDown) return 0x3888C2;
        return textured;
    case ovSkinColorDateNavigatorHeader:
    case ovSkinColorMenuCaptionSeparator:
        return 0xF5F2F0;
    case ovSkinColorInRibbonGalleryBorder:
        return GetPartColor(ovSkinColorEditFrame, ovSkinStateNormal, AAccent);
    case ovSkinColorDropDownGalleryBackground:
    case ovSkinColorGalleryBackground:
    case 10139:
    case 10581:
        return clWhite;
    case 261:
        return disabled ? TColor(0xAAA6A5) : clBlack;
    case 271:
        if (disabled) return 0xAAA6A5;
        // Lit menu view tabs carry light text, but dark text on the yellow accent.
        if (AState == ovSkinStatePressed || AState == ovSkinStateChecked || AState == ovSkinStateCheckedHot)
            return AAccent == rcsaYellow ? clBlack : clWhite;
        return clBlack;
    case ovSkinColorMenuText:
        return disabled ? textured : Text;
    case ovSkinColorExtraPaneBackground:
        return GetPartColor(ovSkinColorEditBackground, ovSkinStateNormal, AAccent);
    case ovSkinColorFormCaptionTextActive:
    case ovSkinColorFormCaptionTextInactive:
    case ovSkinColorTabText:
    case 10133:
    case 10134:
    case 10140:
        return Text;
    case 10138:
        return AState == ovSkinStateDisabled ? GetPartColor(ovSkinColorItemText, ovSkinStateDisabled, AAccent)
                                             : Text;
    case 10141:
        return 0x808080;
    default:
        return textured;
    }
}

// ---- Initialisation

void TovCustomRibbon2010Skin::InitializeCommonParts(GpImage* ASheet) {
    TovCustomRibbonTexturedSkin::InitializeCommonParts(ASheet);
    InitializeApplicationButtonAccentParts(ASheet);
    InitializeMenuViewParts(ASheet);
}

void TovCustomRibbon2010Skin::InitializeApplicationButtonAccentParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::ApplicationButton2010, TovRibbonCut::ApplicationButton);
}

void TovCustomRibbon2010Skin::InitializeMenuViewParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::MenuViewLine);
    Cut(ASheet, TovRibbonCut::MenuViewTab);
    Cut(ASheet, TovRibbonCut::MenuViewItem);
    Cut(ASheet, TovRibbonCut::MenuViewSeparator);
}

void TovCustomRibbon2010Skin::InitializeColorParts(GpImage* ASheet) {
    TovCustomRibbonTexturedSkin::InitializeColorParts(ASheet);
    Cut(ASheet, TovRibbonCut::SeparatorVert);
    Cut(ASheet, TovRibbonCut::SeparatorHorz);
    InitializeMenuViewColorParts(ASheet);
}

void TovCustomRibbon2010Skin::InitializeMenuViewColorParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::MenuViewNavigation);
    Cut(ASheet, TovRibbonCut::MenuViewTabGlyph);
}

void TovCustomRibbon2010Skin::InitializeQuickAccessToolbarParts(GpImage* ASheet) {
    InitializeFormFrameParts(ASheet);
    InitializeFormIconParts(ASheet);
    // The toolbar below the ribbon keeps its part: without it a toolbar below would draw nothing.
    Cut(ASheet, TovRibbonCut::QatBelow);
    // One left end and one body serve the active and the inactive form, with and without an application
    // button.
    Cut(ASheet, TovRibbonCut::QatEnd2010, TovRibbonCut::QatEndWithButton);
    SharePart(TovRibbonCut::QatEndWithButton, 1, TovRibbonCut::QatEndWithButton, 0);
    SharePart(TovRibbonCut::QatEnd, 0, TovRibbonCut::QatEndWithButton, 0);
    SharePart(TovRibbonCut::QatEnd, 1, TovRibbonCut::QatEndWithButton, 0);
    Cut(ASheet, TovRibbonCut::QatBody2010, TovRibbonCut::QatBody);
    SharePart(TovRibbonCut::QatBody, 1, TovRibbonCut::QatBody, 0);
    Cut(ASheet, TovRibbonCut::RibbonTopBand);
}

void TovCustomRibbon2010Skin::InitializeTabSeparator(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::TabSeparator2010, TovRibbonCut::TabSeparator);
    Cut(ASheet, TovRibbonCut::Tab);
    Cut(ASheet, TovRibbonCut::ContextTab2010, TovRibbonCut::ContextTab);
}

void TovCustomRibbon2010Skin::InitializeApplicationButtonParts(GpImage* ASheet) {}

void TovCustomRibbon2010Skin::InitializeCollapsedTabGroupParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::CollapsedGroup2010, TovRibbonCut::CollapsedGroup);
    Cut(ASheet, TovRibbonCut::CollapsedGroupGlyph2010, TovRibbonCut::CollapsedGroupGlyph);
}

void TovCustomRibbon2010Skin::InitializeContextParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::ContextCaption);
    Cut(ASheet, TovRibbonCut::ContextCaptionLayer);
    Cut(ASheet, TovRibbonCut::ContextTabLayer);
    Cut(ASheet, TovRibbonCut::ContextTabSeparators2010, TovRibbonCut::ContextTabSeparators);
    Cut(ASheet, TovRibbonCut::ContextGroupsArea2010, TovRibbonCut::ContextGroupsArea);
}

void TovCustomRibbon2010Skin::InitializeFormIconParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::CaptionGlyphs2010, TovRibbonCut::CaptionGlyphs);
    Cut(ASheet, TovRibbonCut::CaptionButton2010, TovRibbonCut::CaptionButton);
    Cut(ASheet, TovRibbonCut::CloseButton);
    Cut(ASheet, TovRibbonCut::MinimizeCollapseGlyph);
    Cut(ASheet, TovRibbonCut::MinimizeExpandGlyph);
    Cut(ASheet, TovRibbonCut::MinimizePinGlyph);
    Cut(ASheet, TovRibbonCut::MdiMinimizeGlyph);
    Cut(ASheet, TovRibbonCut::MdiRestoreGlyph);
    Cut(ASheet, TovRibbonCut::MdiCloseGlyph);
}

void TovCustomRibbon2010Skin::InitializeFormFrameParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::FormCaption);
    Cut(ASheet, TovRibbonCut::FormCaptionMaximized);
    Cut(ASheet, TovRibbonCut::FormCaptionLeft2010, TovRibbonCut::FormCaptionLeft);
    Cut(ASheet, TovRibbonCut::FormCaptionRight2010, TovRibbonCut::FormCaptionRight);
    Cut(ASheet, TovRibbonCut::FormBorderLeft2010, TovRibbonCut::FormBorderLeft);
    Cut(ASheet, TovRibbonCut::FormBorderRight2010, TovRibbonCut::FormBorderRight);
    Cut(ASheet, TovRibbonCut::FormBottomThin2010, TovRibbonCut::FormBottomThin);
    Cut(ASheet, TovRibbonCut::FormBottomRounded2010, TovRibbonCut::FormBottomRounded);
    Cut(ASheet, TovRibbonCut::FormBottomSquare2010, TovRibbonCut::FormBottomSquare);
}

void TovCustomRibbon2010Skin::InitializeGalleryButtonGlyphParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::GalleryUpGlyph2010, TovRibbonCut::GalleryUpGlyph);
    Cut(ASheet, TovRibbonCut::GalleryDownGlyph2010, TovRibbonCut::GalleryDownGlyph);
    Cut(ASheet, TovRibbonCut::GalleryDropDownGlyph2010, TovRibbonCut::GalleryDropDownGlyph);
}

void TovCustomRibbon2010Skin::InitializeTabGroupParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::TabGroupBody2010, TovRibbonCut::TabGroupBody);
    Cut(ASheet, TovRibbonCut::TabGroupCaption2010, TovRibbonCut::TabGroupCaption);
    Cut(ASheet, TovRibbonCut::SmallStateGlyph);
    // The groups area with the toolbar above, below, and in a popup.
    Cut(ASheet, TovRibbonCut::GroupsArea2010, TovRibbonCut::GroupsArea);
    Cut(ASheet, TovRibbonCut::GroupsAreaPopup);
    SharePart(TovRibbonCut::GroupsArea, 2, TovRibbonCut::GroupsAreaPopup, 0);
    Cut(ASheet, TovRibbonCut::TabOverlay);
}

void TovCustomRibbon2010Skin::InitializeStatusBarParts(GpImage* ASheet) {
    // One separator serves the panels, the grip and the plain panels.
    Cut(ASheet, TovRibbonCut::StatusSeparator2010, TovRibbonCut::StatusPanelSeparator);
    SharePart(TovRibbonCut::StatusPanelSeparatorPlain, 0, TovRibbonCut::StatusPanelSeparator, 0);
    SharePart(TovRibbonCut::StatusGripSeparator, 0, TovRibbonCut::StatusPanelSeparator, 0);
    Cut(ASheet, TovRibbonCut::StatusToolbarSeparator2010, TovRibbonCut::StatusToolbarSeparator);
    Cut(ASheet, TovRibbonCut::StatusRightSeparator2010, TovRibbonCut::StatusRightSeparator);
    Cut(ASheet, TovRibbonCut::StatusBorderLeft2010, TovRibbonCut::StatusBorderLeft);
    Cut(ASheet, TovRibbonCut::StatusBorderRight2010, TovRibbonCut::StatusBorderRight);
    Cut(ASheet, TovRibbonCut::StatusPlainBorderLeft2010, TovRibbonCut::StatusPlainBorderLeft);
    Cut(ASheet, TovRibbonCut::StatusPlainBorderRight2010, TovRibbonCut::StatusPlainBorderRight);
}

// ---- Drawing

void TovCustomRibbon2010Skin::DrawColorizedPart(TovRibbonCut ASlot, int AEntry, HDC DC, TColor AColor,
                                                const TRect& R) {
    TovSkinnedRect* part = PartOf(ASlot, AEntry);
    if (part == nullptr || uiIsRectEmpty(R)) return;
    std::unique_ptr<TBitmap> layer = uiCreateBitmapOfRect(R);
    part->Draw(layer->Canvas()->Handle(), uiRectOfSize(uiSizeOfRect(R)), 255);
    uiColorizeBitmap(layer.get(), AColor);
    uiAlphaBlendBitmap(DC, layer.get(), R, 255, false, uiRectOfSize(uiSizeOfRect(R)));
}

void TovCustomRibbon2010Skin::DrawApplicationButton(HDC DC, const TRect& R, int AState,
                                                    TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawApplicationButton(DC, R, AState, AAccent);
    DrawPart(TovRibbonCut::ApplicationButton, 3 * int(AAccent) + AState, DC, R);
}

void TovCustomRibbon2010Skin::DrawApplicationMenuBackground(HDC DC, const TRect& R, const TRect& ABounds,
                                                            TovRibbonColorSchemeAccent AAccent) {
    const TRect inner = uiGrowRect(R, -2, -2);
    const TRect b1{ABounds.left, ABounds.top - 1, ABounds.right, ABounds.bottom + 1};
    const TRect header{inner.left, inner.top, inner.right, b1.top};
    const TRect footer{inner.left, b1.bottom, inner.right, inner.bottom};
    if (LowColors()) {
        FillRectWithColor(DC, header, clMenu);
        FillRectWithColor(DC, footer, clMenu);
        DrawRibbonFrame(DC, R, clMenu, 1, rfsAll, clBlack);
    } else {
        DrawPart(TovRibbonCut::ApplicationMenuHeader, 0, DC, header);
        DrawPart(TovRibbonCut::ApplicationMenuFooter, 0, DC, footer);
        DrawPart(TovRibbonCut::ApplicationMenuBorder, 0, DC, R);
    }
    TColor innerBorder, outerBorder, sideFill;
    GetApplicationMenuColors(innerBorder, outerBorder, sideFill);
    DrawRibbonFrame(DC, b1, clNone, 1, rfsAll, outerBorder);
}

void TovCustomRibbon2010Skin::DrawButtonGroupButton(HDC DC, const TRect& R, int AState,
                                                    TovRibbonColorSchemeAccent AAccent) {
    DrawButton(DC, R, AState, AAccent);
}

void TovCustomRibbon2010Skin::DrawButtonGroupButtonDropDown(HDC DC, const TRect& R, int AState,
                                                            TovRibbonColorSchemeAccent AAccent) {
    DrawButtonDropDown(DC, R, AState, AAccent);
}

void TovCustomRibbon2010Skin::DrawButtonGroupButtonMainPart(HDC DC, const TRect& R, int AState,
                                                            TovRibbonColorSchemeAccent AAccent) {
    DrawButtonMainPart(DC, R, AState, AAccent);
}

void TovCustomRibbon2010Skin::DrawFormBorderIcon(HDC DC, const TRect& R, int AIcon, int AState,
                                                 TovRibbonColorSchemeAccent AAccent) {
    if (LowColors() || AIcon != 3)
        return TovCustomRibbonTexturedSkin::DrawFormBorderIcon(DC, R, AIcon, AState, AAccent);
    // The close button lights up in a colour of its own.
    const int background = AState == 1 ? 0 : AState == 2 ? 1 : AState == 4 ? 2 : -1;
    if (background >= 0) DrawPart(TovRibbonCut::CloseButton, background, DC, R);
    DrawAlignedGlyph(DC, R, 2, clDefault, AState, AIcon);
}

void TovCustomRibbon2010Skin::DrawFormCaption(HDC DC, const TRect& R, const TovRibbonSkinPaintData& AData) {
    TovCustomRibbonTexturedSkin::DrawFormCaption(DC, R, AData);
    // With no ribbon below it the caption ends in the scheme's edge line.
    const bool nothingBelow = AData.RibbonHidden || AData.RibbonHeight == AData.CaptionHeight;
    if (nothingBelow && AData.FormData.WindowState != ovRibbonFormMinimized && !uiIsRectEmpty(R))
        DrawFormCaptionBottomLine(DC, TRect{R.left, R.bottom - 1, R.right, R.bottom});
}

void TovCustomRibbon2010Skin::DrawItemSeparator(HDC DC, const TRect& R, bool AHorizontal) {
    DrawEtchedLine(DC, R, 0xEBDBCF, clWhite, AHorizontal);
}

void TovCustomRibbon2010Skin::DrawMDIButtonGlyph(HDC DC, const TRect& R, int AButton, int AState) {
    static constexpr TovRibbonCut Strips[] = {TovRibbonCut::MdiMinimizeGlyph, TovRibbonCut::MdiRestoreGlyph,
                                              TovRibbonCut::MdiCloseGlyph};
    const int row = AState <= 1 ? 0 : std::min(AState - 1, 3);
    TovSkinnedRect* part = PartOf(Strips[std::clamp(AButton, 0, 2)], row);
    if (part != nullptr) part->Draw(DC, uiCentreSizeIn(R, part->ImageSize()), 255);
}

void TovCustomRibbon2010Skin::DrawMinimizeButtonGlyph(HDC DC, const TRect& R, int AGlyphKind, int AState,
                                                      TovRibbonColorSchemeAccent AAccent) {
    static constexpr TovRibbonCut Pairs[] = {TovRibbonCut::MinimizeCollapseGlyph,
                                             TovRibbonCut::MinimizeExpandGlyph,
                                             TovRibbonCut::MinimizePinGlyph};
    if (AGlyphKind < 0 || AGlyphKind > 2) return;
    TovSkinnedRect* part = PartOf(Pairs[AGlyphKind], AState == 4 ? 1 : 0);
    if (part != nullptr) part->Draw(DC, uiCentreSizeIn(R, part->ImageSize()), 255);
}

void TovCustomRibbon2010Skin::DrawMenuViewBackground(HDC DC, const TRect& R,
                                                     TovRibbonColorSchemeAccent AAccent) {
    TovCustomRibbonSkin::DrawMenuViewBackground(DC, R, AAccent);
    DrawPart(TovRibbonCut::MenuViewLine, int(AAccent), DC,
             TRect{R.left, R.top, R.right, std::min(R.bottom, R.top + 2)});
}

void TovCustomRibbon2010Skin::DrawMenuViewNavigationBackground(HDC DC, const TRect& R,
                                                               TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawMenuViewNavigationBackground(DC, R, AAccent);
    DrawPart(TovRibbonCut::MenuViewNavigation, 0, DC, R);
}

void TovCustomRibbon2010Skin::DrawMenuViewItem(HDC DC, const TRect& R, int AState,
                                               TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawMenuViewItem(DC, R, AState, AAccent);
    int row;
    if (AState == ovSkinStateHot || AState == ovSkinStateHighlighted || AState == ovSkinStatePressed)
        row = 0;
    else if (AState == ovSkinStateDisabledSelected)
        row = 1;
    else
        return;
    DrawPart(TovRibbonCut::MenuViewItem, 2 * int(AAccent) + row, DC, R);
}

void TovCustomRibbon2010Skin::DrawMenuViewTab(HDC DC, const TRect& R, int AState,
                                              TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawMenuViewTab(DC, R, AState, AAccent);
    int row;
    switch (AState) {
    case ovSkinStateHot:
    case ovSkinStateHighlighted:
        row = 0;
        break;
    case ovSkinStatePressed:
    case ovSkinStateChecked:
        row = 1;
        break;
    case ovSkinStateCheckedHot:
        row = 2;
        break;
    case ovSkinStateDisabledSelected:
        row = 3;
        break;
    default:
        return;
    }
    DrawPart(TovRibbonCut::MenuViewTab, 4 * int(AAccent) + row, DC, R);
    // The selected tab points at its page with a glyph at its right edge.
    if (row == 1 || row == 2)
        if (TovSkinnedRect* glyph = PartOf(TovRibbonCut::MenuViewTabGlyph, 0)) {
            const TSize size = glyph->ImageSize();
            glyph->Draw(DC, uiPlaceRectRightWidth(uiCentreRectVert(R, size.cy), R.right, size.cx), 255);
        }
}

void TovCustomRibbon2010Skin::DrawMenuViewSeparator(HDC DC, const TRect& R, int AState,
                                                    TovRibbonColorSchemeAccent AAccent) {
    DrawPart(TovRibbonCut::MenuViewSeparator, 0, DC, R);
}

void TovCustomRibbon2010Skin::DrawTabGroupBackground(HDC DC, const TRect& R, bool AInPopup, int AState) {
    if (AInPopup && !LowColors()) return;
    TovCustomRibbonTexturedSkin::DrawTabGroupBackground(DC, R, AInPopup, AState);
}

void TovCustomRibbon2010Skin::DrawTabGroupHeaderBackground(HDC DC, const TRect& R, bool AInPopup,
                                                           int AState) {
    if (AInPopup && !LowColors()) return;
    TovCustomRibbonTexturedSkin::DrawTabGroupHeaderBackground(DC, R, AInPopup, AState);
}

void TovCustomRibbon2010Skin::SetCaptionAreaFontColor(TFont* AFont, bool AOnGlass, TColor AColor,
                                                      TovRibbonColorSchemeAccent AAccent) {
    if (AFont == nullptr) return;
    TovCustomRibbonTexturedSkin::SetCaptionAreaFontColor(AFont, AOnGlass, AColor, AAccent);
    TFontStyles style = AFont->Style();
    style.Include(fsBold);
    AFont->SetStyle(style);
}

void TovCustomRibbon2010Skin::DrawContextBackground(HDC DC, const TRect& R, TColor AColor) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawContextBackground(DC, R, AColor);
    const TRect r{R.left, R.top, R.right, R.bottom + 1};
    DrawColorizedPart(TovRibbonCut::ContextCaptionLayer, 0, DC, AColor, r);
    DrawPart(TovRibbonCut::ContextCaption, 0, DC, r);
}

void TovCustomRibbon2010Skin::DrawContextBackgroundGlass(HDC DC, const TRect& R, TColor AColor) {
    const int saved = SaveDC(DC);
    IntersectClipRect(DC, R.left, R.top, R.right, R.bottom);
    DrawContextBackground(DC, uiShiftRectVert(R, -1), AColor);
    RestoreDC(DC, saved);
}

void TovCustomRibbon2010Skin::DrawContextTab(HDC DC, const TRect& R, TColor AColor, int AState,
                                             TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawContextTab(DC, R, AColor, AState, AAccent);
    if (AState < 0 || AState > 4) return;
    DrawColorizedPart(TovRibbonCut::ContextTabLayer, AState, DC, AColor, R);
    DrawPart(TovRibbonCut::ContextTab, AState, DC, R);
}

void TovCustomRibbon2010Skin::DrawContextTabGroupsArea(HDC DC, const TRect& R, TColor AColor,
                                                       bool AQuickAccessToolbarBelow, bool AInPopup) {
    if (AInPopup) return DrawTabGroupsArea(DC, R, AQuickAccessToolbarBelow, AInPopup);
    TovCustomRibbonTexturedSkin::DrawContextTabGroupsArea(DC, R, AColor, AQuickAccessToolbarBelow, AInPopup);
}

void TovCustomRibbon2010Skin::DrawQuickAccessToolbar(HDC DC, const TRect& R, bool ABelow, bool ANonClient,
                                                     bool AHasApplicationButton, bool AIsActive,
                                                     bool ANotOnGlass) {
    TovCustomRibbonTexturedSkin::DrawQuickAccessToolbar(DC, R, ABelow, ANonClient, false, AIsActive, ABelow);
}

void TovCustomRibbon2010Skin::DrawSeparator(HDC DC, const TRect& R, bool AHorizontal) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawSeparator(DC, R, AHorizontal);
    TovSkinnedRect* part = PartOf(AHorizontal ? TovRibbonCut::SeparatorHorz : TovRibbonCut::SeparatorVert, 0);
    if (part == nullptr) return;
    const TSize size = part->ImageSize();
    part->Draw(DC, AHorizontal ? uiCentreRectVert(R, size.cy) : uiCentreRectHorz(R, size.cx), 255);
}

void TovCustomRibbon2010Skin::DrawTabsAreaOverlay(HDC DC, const TRect& R, bool AFlag) {
    if (AFlag) DrawPart(TovRibbonCut::TabOverlay, 0, DC, TRect{R.left, R.top, R.right, R.bottom - 1});
}

void TovCustomRibbon2010Skin::DrawMenuCaptionSeparatorLine(HDC DC, const TRect& R) {}
