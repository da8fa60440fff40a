#include "ui/ribbon/skins/Ribbon2013Skin.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/bars/skin/SkinnedRect.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/graphics/Colors.h"
#include "ui/core/platform/GdiPlusDrawing.h"
#include "ui/painters/office11/Office11Drawing.h"

using ribbon_sheets::TovRibbonCut;

const TovRibbon2013AccentColors ovRibbon2013AccentColors[ovRibbonAccentCount] = {
    {0x3EA5EA, 0x9CD0F4, 0xC8E3FD}, // yellow
    {0x9A572B, 0xE2BCA2, 0xF2E1D5}, // blue
    {0x457220, 0xA0BF86, 0xE0F0D3}, // green
    {0x2647D2, 0x9CB9F4, 0xDDE5FD}, // orange
    {0x7B3880, 0xDEBFE0, 0xEEDAF0}, // purple
};

namespace {

TColor Lighter(TColor AColor, double ADelta) {
    return TovColorHelper::ChangeLightness(AColor, ADelta);
}

void Fill(HDC DC, const TRect& R, TColor AColor) {
    if (!uiIsRectEmpty(R)) FillRectWithColor(DC, R, AColor);
}

void GpFill(HDC DC, const TRect& R, TColor AColor, std::uint8_t AAlpha = 255) {
    if (!uiIsRectEmpty(R)) ovGpFillRect(DC, R, AColor, AAlpha);
}

// A glyph part at its own size centred in R, recoloured (clDefault: as it is).
void DrawGlyphPart(TovSkinnedRect* APart, HDC DC, const TRect& R, TColor AColor) {
    if (APart != nullptr) APart->DrawWithColor(DC, uiCentreSizeIn(R, APart->ImageSize()), 255, AColor);
}

// The glyph colour state of a form or minimize button state: normal, hot, pressed, and normal for inactive.
constexpr int FormButtonGlyphState[] = {0, 2, 4, 0, 2};
constexpr int MinimizeButtonGlyphState[] = {0, 0, 2, 4, 1};

} // namespace

void DrawRibbon2013LauncherGlyph(HDC DC, const TRect& R, TColor AColor) {
    const TRect cell = uiCentreRectIn(R, 7, 7);
    const int x = cell.left, y = cell.top;
    // The left and top lines of a 6 x 6 square at the cell's top left.
    FillRectWithColor(DC, TRect{x, y, x + 6, y + 1}, AColor);
    FillRectWithColor(DC, TRect{x, y, x + 1, y + 6}, AColor);
    // The right and bottom lines of a 4 x 4 square at its bottom right, the pixel at that square's top left
    // and the 2 x 2 square inside it.
    FillRectWithColor(DC, TRect{x + 6, y + 3, x + 7, y + 7}, AColor);
    FillRectWithColor(DC, TRect{x + 3, y + 6, x + 7, y + 7}, AColor);
    FillRectWithColor(DC, TRect{x + 3, y + 3, x + 4, y + 4}, AColor);
    FillRectWithColor(DC, TRect{x + 4, y + 4, x + 6, y + 6}, AColor);
}

// ---- Sheets and metrics

void TovCustomRibbon2013Skin::LoadCommonTexture(TovGPImage& AImage) {
    LoadSkinSheet(AImage, "RIBBONCOMMON2013");
}

void TovCustomRibbon2013Skin::LoadColorTexture(TovGPImage& AImage) {
    LoadSkinSheet(AImage, "RIBBONALL2013");
}

void TovCustomRibbon2013Skin::InitializeFormIconParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::CaptionGlyphs2013, TovRibbonCut::CaptionGlyphs);
    Cut(ASheet, TovRibbonCut::CaptionButton2010, TovRibbonCut::CaptionButton);
    Cut(ASheet, TovRibbonCut::CloseButton);
    Cut(ASheet, TovRibbonCut::MinimizeCollapseGlyph);
    Cut(ASheet, TovRibbonCut::MinimizeExpandGlyph);
    Cut(ASheet, TovRibbonCut::MinimizePinGlyph);
    Cut(ASheet, TovRibbonCut::MdiMinimizeGlyph2013, TovRibbonCut::MdiMinimizeGlyph);
    Cut(ASheet, TovRibbonCut::MdiRestoreGlyph2013, TovRibbonCut::MdiRestoreGlyph);
    Cut(ASheet, TovRibbonCut::MdiCloseGlyph2013, TovRibbonCut::MdiCloseGlyph);
}

void TovCustomRibbon2013Skin::InitializeMenuViewParts(GpImage* ASheet) {
    TovCustomRibbon2010Skin::InitializeMenuViewParts(ASheet);
    Cut(ASheet, TovRibbonCut::MenuViewButton);
}

TRect TovCustomRibbon2013Skin::GetWindowBordersWidth(bool AFlag) {
    return TRect{1, 0, 1, 1};
}

bool TovCustomRibbon2013Skin::UseFlatWindowBorders() {
    return true;
}

bool TovCustomRibbon2013Skin::UseRoundedWindowCorners() {
    return false;
}

TRect TovCustomRibbon2013Skin::GetContentOffsets(int APart) {
    switch (APart) {
    case ovSkinPartTabGroup:
        return TRect{2, 2, 2, 2};
    case ovSkinPartMenuViewBackground:
        return TRect{};
    case ovSkinPartMenuViewNavigation:
        return TRect{0, 18, 0, 0};
    case ovSkinPartMenuViewItem:
        return TRect{16, 0, 0, 0};
    case ovSkinPartMenuViewTab:
        return TRect{21, 11, 11, 11};
    case 1010:
    case 1011:
        return TRect{2, 2, 2, 3};
    default:
        return TovCustomRibbon2010Skin::GetContentOffsets(APart);
    }
}

int TovCustomRibbon2013Skin::GetPartSize(int APart) {
    switch (APart) {
    case 254:
    case ovSkinPartButtonGroupSplitButtonSeparator:
    case 10191:
        return 0;
    case ovSkinPartMenuViewItem:
    case ovSkinPartMenuViewTab:
        return 38;
    case ovSkinPartMenuViewSeparator:
        return 23;
    case ovSkinPartMenuViewButton:
        return 35;
    default:
        return TovCustomRibbon2010Skin::GetPartSize(APart);
    }
}

// ---- The scheme's colours

TColor TovCustomRibbon2013Skin::GetTabsAreaBackgroundColor(int AApplicationMenuState) {
    return AApplicationMenuState == 3 ? clWhite : GetBackgroundColor();
}

TColor TovCustomRibbon2013Skin::GetFormBackgroundColor1() {
    return GetBackgroundColor();
}

TColor TovCustomRibbon2013Skin::GetFormBackgroundColor2() {
    return GetFormBackgroundColor1();
}

TColor TovCustomRibbon2013Skin::GetFormBorderColor(bool AActive, TovRibbonColorSchemeAccent AAccent) {
    return AActive ? GetAccentColor(AAccent) : TColor(0x848484);
}

TColor TovCustomRibbon2013Skin::GetLineColor() {
    return 0xC6C6C6;
}

TColor TovCustomRibbon2013Skin::GetGlyphColor(int AState, TovRibbonColorSchemeAccent AAccent) {
    if (AState == ovSkinStateHot) return Lighter(GetPressedColor(AAccent), -0.3);
    if (AState == ovSkinStatePressed) return Lighter(GetPressedColor(AAccent), -0.4);
    return 0x777777;
}

TColor TovCustomRibbon2013Skin::GetPressedColor(TovRibbonColorSchemeAccent AAccent) {
    return ovRibbon2013AccentColors[AAccent].Pressed;
}

TColor TovCustomRibbon2013Skin::GetHotColor(TovRibbonColorSchemeAccent AAccent) {
    return ovRibbon2013AccentColors[AAccent].Hot;
}

TColor TovCustomRibbon2013Skin::GetAccentColor(TovRibbonColorSchemeAccent AAccent) {
    return GetBaseAccentColor(AAccent);
}

TColor TovCustomRibbon2013Skin::GetScrollBarBackgroundColor() {
    return 0xF3F3F3;
}

TColor TovCustomRibbon2013Skin::GetScrollBarPartBorderColor(int APart, int AState) {
    return AState == ovSkinStateHot || AState == ovSkinStatePressed ? 0x777777 : 0xABABAB;
}

TColor TovCustomRibbon2013Skin::GetScrollBarPartColor(int APart, int AState) {
    return clWhite;
}

TColor TovCustomRibbon2013Skin::GetBaseAccentColor(TovRibbonColorSchemeAccent AAccent) {
    return ovRibbon2013AccentColors[AAccent].Base;
}

TColor TovCustomRibbon2013Skin::ChangeBaseAccentLightness(TovRibbonColorSchemeAccent AAccent, double ADelta) {
    return Lighter(GetBaseAccentColor(AAccent), ADelta);
}

TColor TovCustomRibbon2013Skin::ChangeAccentLightness(TovRibbonColorSchemeAccent AAccent, double ADelta) {
    return Lighter(GetAccentColor(AAccent), ADelta);
}

TColor TovCustomRibbon2013Skin::MenuViewSelectionColor(TovRibbonColorSchemeAccent AAccent, double ADelta) {
    return ChangeAccentLightness(AAccent, ADelta);
}

TColor TovCustomRibbon2013Skin::GetPartColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) {
    const TColor inherited = TovCustomRibbon2010Skin::GetPartColor(APart, AState, AAccent);
    if (LowColors()) return inherited;
    switch (APart) {
    case ovSkinColorEditBackground:
        return ovSkinStateIsLit(AState) ? clWhite : TColor(0xFEFEFE);
    case ovSkinColorEditFrame:
    case ovSkinColorEditButtonFrame:
        if (AState == ovSkinStateNormal) return GetLineColor();
        if (AState == ovSkinStateDisabled) return 0xE2E2E2;
        return ovSkinStateIsLit(AState) ? GetPressedColor(AAccent) : inherited;
    case ovSkinColorMenuCaptionText:
        return 0x646464;
    case ovSkinColorKeyTipText:
    case ovSkinColorMenuViewBackground:
    case 10581:
        return clWhite;
    case ovSkinColorInRibbonGalleryBackground:
        return GetPartColor(ovSkinColorEditBackground, ovSkinStateNormal, AAccent);
    case 80:
        return GetAccentColor(AAccent);
    case 81:
        return GetPartColor(10065, ovSkinStateNormal, rcsaYellow);
    case 251:
        return clBlack;
    case 261:
    case 271:
        return ovSkinStateIsDisabled(AState) ? ChangeAccentLightness(AAccent, 0.2) : clWhite;
    case 314:
        return 0x262626;
    case ovSkinColorItemText:
        return ovSkinStateIsDisabled(AState) ? TColor(0x8D8D8D) : TColor(0x282828);
    case ovSkinColorArrowGlyph:
        if (AState == ovSkinStateDisabled) return 0xC6C6C6;
        if (AState == ovSkinStateHot || AState == ovSkinStatePressed || AState == ovSkinStateDroppedDown)
            return 0x444444;
        return 0x777777;
    case ovSkinColorMenuText:
        return ovSkinStateIsDisabled(AState) ? TColor(0xB1B1B1) : TColor(0x646464);
    case ovSkinColorMenuSplitLine:
        return 0xE5E2DF;
    case ovSkinColorFormBackground:
    case 10065:
        return GetBackgroundColor();
    case ovSkinColorFormCaptionTextActive:
    case ovSkinColorFormCaptionTextInactive:
        return AState == ovSkinStateNormal ? 0x292929 : 0x818181;
    case ovSkinColorTabText:
        if (AState == ovSkinStateHot || AState == ovSkinStateHighlighted || AState == ovSkinStatePressed)
            return AAccent == rcsaYellow ? ChangeBaseAccentLightness(AAccent, -0.2)
                                         : GetBaseAccentColor(AAccent);
        return GetPartColor(ovSkinColorItemText, AState, AAccent);
    case 10134:
        return GetPartColor(ovSkinColorItemText, AState, AAccent);
    case 10138:
        if (AState == ovSkinStateNormal) return clWhite;
        if (AState == ovSkinStateDisabled) return ChangeAccentLightness(AAccent, 0.2);
        return GetPartColor(ovSkinColorItemText, AState, AAccent);
    case 10141:
        return clNone;
    default:
        return inherited;
    }
}

// ---- Drawing. Each operation names the one it draws on a low-colour screen.

void TovCustomRibbon2013Skin::DrawApplicationButton(HDC DC, const TRect& R, int AState,
                                                    TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawApplicationButton(DC, R, AState, AAccent);
    if (AState == 0 || AState == 2)
        GpFill(DC, R, GetAccentColor(AAccent));
    else if (AState == 1)
        GpFill(DC, R, ChangeBaseAccentLightness(AAccent, 0.1));
}

void TovCustomRibbon2013Skin::DrawApplicationMenuBackground(HDC DC, const TRect& R, const TRect& ABounds,
                                                            TovRibbonColorSchemeAccent AAccent) {
    Fill(DC, R, GetBackgroundColor());
    Fill(DC, TRect{R.left, ABounds.bottom, R.right, R.bottom}, 0xF0F0F0);
    Fill(DC, TRect{R.left, R.top, R.right, ABounds.top}, GetAccentColor(AAccent));
    DrawRibbonFrame(DC, R, clNone, 1, rfsAll, GetAccentColor(AAccent));
}

void TovCustomRibbon2013Skin::DrawApplicationMenuButton(HDC DC, const TRect& R, int AState,
                                                        TovRibbonColorSchemeAccent AAccent) {
    DrawButton(DC, R, AState, AAccent);
}

void TovCustomRibbon2013Skin::DrawButtonGroupButton(HDC DC, const TRect& R, int AState,
                                                    TovRibbonColorSchemeAccent AAccent) {
    DrawButton(DC, R, AState, AAccent);
}

void TovCustomRibbon2013Skin::DrawQuickAccessToolbarMarkButton(HDC DC, const TRect& R, int AState,
                                                               bool ANonClientWithTabs, bool ANonClient,
                                                               bool ABelow,
                                                               TovRibbonColorSchemeAccent AAccent) {
    DrawButton(DC, R, AState, AAccent);
}

void TovCustomRibbon2013Skin::DrawLargeButton(HDC DC, const TRect& R, int AState,
                                              TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawLargeButton(DC, R, AState, AAccent);
    DrawButton(DC, R, AState, AAccent);
}

void TovCustomRibbon2013Skin::DrawTabGroupCaptionButton(HDC DC, const TRect& R, int AState,
                                                        TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawTabGroupCaptionButton(DC, R, AState, AAccent);
    DrawButton(DC, R, AState, AAccent);
}

void TovCustomRibbon2013Skin::DrawButtonGroupButtonDropDown(HDC DC, const TRect& R, int AState,
                                                            TovRibbonColorSchemeAccent AAccent) {
    DrawButtonDropDown(DC, R, AState, AAccent);
}

void TovCustomRibbon2013Skin::DrawButtonGroupButtonMainPart(HDC DC, const TRect& R, int AState,
                                                            TovRibbonColorSchemeAccent AAccent) {
    DrawButtonMainPart(DC, R, AState, AAccent);
}

void TovCustomRibbon2013Skin::DrawButton(HDC DC, const TRect& R, int AState,
                                         TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawButton(DC, R, AState, AAccent);
    switch (AState) {
    case ovSkinStateHot:
    case ovSkinStateHighlighted:
    case ovSkinStateDisabledSelected:
        GpFill(DC, R, GetHotColor(AAccent));
        break;
    case ovSkinStatePressed:
    case ovSkinStateDroppedDown:
    case ovSkinStateChecked:
        GpFill(DC, R, GetPressedColor(AAccent));
        break;
    case ovSkinStateCheckedHot:
        DrawRibbonFrame(DC, R, GetHotColor(AAccent), 1, rfsAll, GetPressedColor(AAccent), true);
        break;
    default:
        break;
    }
}

void TovCustomRibbon2013Skin::DrawButtonDropDown(HDC DC, const TRect& R, int AState,
                                                 TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawButtonDropDown(DC, R, AState, AAccent);
    if (AState == ovSkinStateHighlighted || AState == ovSkinStateDisabledSelected)
        DrawRibbonFrame(DC, R, 0xFEFEFE, 1, rfsTop | rfsRight | rfsBottom, GetHotColor(AAccent), true);
    else
        DrawButton(DC, R, AState, AAccent);
}

void TovCustomRibbon2013Skin::DrawButtonMainPart(HDC DC, const TRect& R, int AState,
                                                 TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawButtonMainPart(DC, R, AState, AAccent);
    if (AState == ovSkinStateHighlighted || AState == ovSkinStateDisabledSelected)
        DrawRibbonFrame(DC, R, 0xFEFEFE, 1, rfsLeft | rfsTop | rfsBottom, GetHotColor(AAccent), true);
    else
        DrawButton(DC, R, AState, AAccent);
}

void TovCustomRibbon2013Skin::DrawLargeButtonMainPart(HDC DC, const TRect& R, int AState,
                                                      TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawLargeButtonMainPart(DC, R, AState, AAccent);
    if (AState == ovSkinStateNormal) {
        DrawLargeButton(DC, R, AState, AAccent);
        Fill(DC, TRect{R.left + 6, R.bottom - 1, R.right - 6, R.bottom}, 0xD4D4D4);
    } else if (AState == ovSkinStateHighlighted || AState == ovSkinStateDisabledSelected) {
        DrawRibbonFrame(DC, R, clNone, 1, rfsLeft | rfsTop | rfsRight, GetHotColor(AAccent));
    } else {
        DrawLargeButton(DC, R, AState, AAccent);
    }
}

void TovCustomRibbon2013Skin::DrawLargeButtonDropDown(HDC DC, const TRect& R, int AState,
                                                      TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawLargeButtonDropDown(DC, R, AState, AAccent);
    if (AState == ovSkinStateHighlighted || AState == ovSkinStateDisabledSelected)
        DrawRibbonFrame(DC, R, clNone, 1, rfsLeft | rfsRight | rfsBottom, GetHotColor(AAccent));
    else
        DrawLargeButton(DC, R, AState, AAccent);
}

void TovCustomRibbon2013Skin::DrawEditButton(HDC DC, const TRect& R, int AState,
                                             TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawEditButton(DC, R, AState, AAccent);
    if (AState == ovSkinStateHot)
        Fill(DC, R, GetHotColor(AAccent));
    else if (AState == ovSkinStatePressed || AState == ovSkinStateDroppedDown)
        Fill(DC, R, GetPressedColor(AAccent));
}

void TovCustomRibbon2013Skin::DrawApplicationMenuExtraPanePinButtonGlyph(HDC DC, const TRect& R, bool APinned,
                                                                         int AState,
                                                                         TovRibbonColorSchemeAccent AAccent) {
    const bool lit = AState == ovSkinStateHot || AState == ovSkinStateCheckedHot;
    DrawGlyphPart(PartOf(TovRibbonCut::PinGlyph, APinned ? 1 : 0), DC, R,
                  lit ? ChangeBaseAccentLightness(AAccent, 0.1) : clDefault);
}

void TovCustomRibbon2013Skin::DrawCollapsedTabGroup(HDC DC, const TRect& R, int AState) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawCollapsedTabGroup(DC, R, AState);
    if (AState == ovSkinStateHot) Fill(DC, R, 0xECECEC);
    if (AState == ovSkinStatePressed) Fill(DC, R, 0xE6E6E6);
    Fill(DC, TRect{R.right - 1, R.top, R.right, R.bottom}, GetLineColor());
}

void TovCustomRibbon2013Skin::DrawCollapsedTabGroupGlyphBackground(HDC DC, const TRect& R, int AState) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawCollapsedTabGroupGlyphBackground(DC, R, AState);
    DrawRibbonFrame(DC, R, 0xFDFDFD, 1, rfsAll, 0xC7C7C7);
}

void TovCustomRibbon2013Skin::DrawDropDownGalleryBackground(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawDropDownGalleryBackground(DC, R);
    Fill(DC, R, clWhite);
}

void TovCustomRibbon2013Skin::DrawDropDownGalleryTopSizingBand(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawDropDownGalleryTopSizingBand(DC, R);
    Fill(DC, R, clWhite);
}

void TovCustomRibbon2013Skin::DrawDropDownGalleryBottomSizingBand(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawDropDownGalleryBottomSizingBand(DC, R);
    Fill(DC, R, clWhite);
}

void TovCustomRibbon2013Skin::DrawMenuContent(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawMenuContent(DC, R);
    Fill(DC, R, clWhite);
}

void TovCustomRibbon2013Skin::DrawMenuGlyph(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawMenuGlyph(DC, R);
    Fill(DC, R, clWhite);
}

void TovCustomRibbon2013Skin::DrawMenuSeparatorVert(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawMenuSeparatorVert(DC, R);
    Fill(DC, R, clWhite);
}

void TovCustomRibbon2013Skin::DrawScrollBarCorner(HDC DC, const TRect& R,
                                                  TovRibbonColorSchemeAccent AAccent) {
    Fill(DC, R, clWhite);
}

void TovCustomRibbon2013Skin::DrawFormBorderIcon(HDC DC, const TRect& R, int AIcon, int AState,
                                                 TovRibbonColorSchemeAccent AAccent) {
    const int state = FormButtonGlyphState[std::clamp(AState, 0, 4)];
    DrawEditButton(DC, R, state, AAccent);
    DrawAlignedGlyph(DC, R, AIcon == 6 ? 1 : 2, GetGlyphColor(state, AAccent), AState, AIcon);
}

void TovCustomRibbon2013Skin::DrawFormBorders(HDC DC, const TRect& AWidths,
                                              const TovRibbonSkinPaintData& AData) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawFormBorders(DC, AWidths, AData);
    const TRect bounds = AData.FormData.WindowBounds;
    const int saved = SaveDC(DC);
    const TRect content = uiShrinkRectByMargins(bounds, AWidths);
    ExcludeClipRect(DC, content.left, content.top, content.right, content.bottom);
    Fill(DC, bounds, GetFormBorderColor(AData.FormData.IsActive, AData.Accent));
    RestoreDC(DC, saved);
}

void TovCustomRibbon2013Skin::DrawFormCaption(HDC DC, const TRect& R, const TovRibbonSkinPaintData& AData) {
    if (LowColors()) return TovCustomRibbon2010Skin::DrawFormCaption(DC, R, AData);
    // A minimized window is its caption alone: it gets the border all round.
    const bool minimized = AData.FormData.WindowState == ovRibbonFormMinimized;
    DrawRibbonFrame(DC, R, GetTabsAreaBackgroundColor(AData.ApplicationMenuState), 1,
                    minimized ? rfsAll : rfsTop, GetFormBorderColor(AData.FormData.IsActive, AData.Accent));
}

void TovCustomRibbon2013Skin::DrawFormStatusBarBorder(HDC DC, const TRect& R, int ASide, int AKind,
                                                      bool AActive, bool AStatusBarKind,
                                                      TovRibbonColorSchemeAccent AAccent) {
    if (LowColors())
        return TovCustomRibbonTexturedSkin::DrawFormStatusBarBorder(DC, R, ASide, AKind, AActive,
                                                                    AStatusBarKind, AAccent);
    Fill(DC, R, GetFormBorderColor(AActive, AAccent));
}

void TovCustomRibbon2013Skin::DrawInRibbonGalleryScrollBarButton(HDC DC, const TRect& R, int AKind,
                                                                 int AState,
                                                                 TovRibbonColorSchemeAccent AAccent) {
    if (LowColors())
        return TovCustomRibbonTexturedSkin::DrawInRibbonGalleryScrollBarButton(DC, R, AKind, AState, AAccent);
    {
        const int saved = SaveDC(DC);
        IntersectClipRect(DC, R.left, R.top, R.right, R.bottom);
        const TRect r = AKind == 2 ? R : TRect{R.left, R.top, R.right, R.bottom + 1};
        const bool pressed = AState == ovSkinStatePressed || AState == ovSkinStateDroppedDown;
        const TColor fill = AState == ovSkinStateHot ? GetHotColor(AAccent)
                            : pressed                ? GetPressedColor(AAccent)
                                                     : clNone;
        const TColor border = AState == ovSkinStateHot || pressed
                                  ? GetPressedColor(AAccent)
                                  : GetPartColor(ovSkinColorEditFrame, AState, AAccent);
        DrawRibbonFrame(DC, r, fill, 1, rfsAll, border);
        const TovRibbonFrameSides sides = AKind == 0   ? rfsTop | rfsRight
                                          : AKind == 1 ? rfsRight
                                                       : TovRibbonFrameSides(rfsRight | rfsBottom);
        DrawRibbonFrame(DC, r, clNone, 1, sides,
                        GetPartColor(ovSkinColorEditFrame, ovSkinStateNormal, AAccent));
        RestoreDC(DC, saved);
    }
    static constexpr TovRibbonCut Glyphs[] = {TovRibbonCut::GalleryUpGlyph, TovRibbonCut::GalleryDownGlyph,
                                              TovRibbonCut::GalleryDropDownGlyph};
    if (AKind >= 0 && AKind <= 2) DrawCenteredPart(Glyphs[AKind], AState, DC, R, 0, 1);
}

void TovCustomRibbon2013Skin::DrawTabGroupCaptionButtonGlyph(HDC DC, const TRect& R, int AState,
                                                             TovRibbonColorSchemeAccent AAccent) {
    if (LowColors())
        return TovCustomRibbonTexturedSkin::DrawTabGroupCaptionButtonGlyph(DC, R, AState, AAccent);
    DrawRibbon2013LauncherGlyph(DC, R, GetGlyphColor(AState, AAccent));
}

void TovCustomRibbon2013Skin::DrawMenuCheck(HDC DC, const TRect& R, int AState,
                                            TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawMenuCheck(DC, R, AState, AAccent);
    DrawRibbonFrame(DC, R, GetHotColor(AAccent), 1, rfsAll, GetPressedColor(AAccent));
}

void TovCustomRibbon2013Skin::DrawMenuCheckMark(HDC DC, const TRect& R, int AState,
                                                TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawMenuCheckMark(DC, R, AState, AAccent);
    DrawCenteredPart(TovRibbonCut::MenuCheckMark, AState, DC, R);
}

void TovCustomRibbon2013Skin::DrawMenuSeparatorHorz(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawMenuSeparatorHorz(DC, R);
    const int y = R.top + uiFloorHalf(uiHeightOfRect(R));
    Fill(DC, TRect{R.left, y, R.right, y + 1}, 0xE5E2DF);
}

void TovCustomRibbon2013Skin::DrawItemSeparator(HDC DC, const TRect& R, bool AHorizontal) {
    DrawEtchedLine(DC, R, GetLineColor(), clWhite, AHorizontal);
}

void TovCustomRibbon2013Skin::DrawSeparator(HDC DC, const TRect& R, bool AHorizontal) {
    if (LowColors()) return TovCustomRibbon2010Skin::DrawSeparator(DC, R, AHorizontal);
    DrawEtchedLine(DC, R, clNone, GetLineColor(), AHorizontal);
}

void TovCustomRibbon2013Skin::DrawMinimizeButtonGlyph(HDC DC, const TRect& R, int AGlyphKind, int AState,
                                                      TovRibbonColorSchemeAccent AAccent) {
    if (LowColors())
        return TovCustomRibbon2010Skin::DrawMinimizeButtonGlyph(DC, R, AGlyphKind, AState, AAccent);
    static constexpr TovRibbonCut Pairs[] = {TovRibbonCut::MinimizeCollapseGlyph,
                                             TovRibbonCut::MinimizeExpandGlyph,
                                             TovRibbonCut::MinimizePinGlyph};
    if (AGlyphKind < 0 || AGlyphKind > 2) return;
    const int state = MinimizeButtonGlyphState[std::clamp(AState, 0, 4)];
    DrawGlyphPart(PartOf(Pairs[AGlyphKind], AState == 4 ? 1 : 0), DC, R, GetGlyphColor(state, AAccent));
}

void TovCustomRibbon2013Skin::DrawMenuViewButton(HDC DC, const TRect& R, int AState,
                                                 TovRibbonColorSchemeAccent AAccent) {
    TColor circle, arrow;
    if (LowColors()) {
        circle = 0xFCFCFC;
        arrow = clBlack;
    } else {
        circle = GetAccentColor(AAccent);
        arrow = AState == ovSkinStateHot       ? ChangeBaseAccentLightness(AAccent, 0.3)
                : AState == ovSkinStatePressed ? ChangeBaseAccentLightness(AAccent, 0.1)
                                               : clWhite;
    }
    DrawGlyphPart(PartOf(TovRibbonCut::MenuViewButton, 1), DC, R, circle);
    DrawGlyphPart(PartOf(TovRibbonCut::MenuViewButton, 0), DC, R, arrow);
}

void TovCustomRibbon2013Skin::DrawMenuViewNavigationBackground(HDC DC, const TRect& R,
                                                               TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbon2010Skin::DrawMenuViewNavigationBackground(DC, R, AAccent);
    Fill(DC, R, GetAccentColor(AAccent));
}

void TovCustomRibbon2013Skin::DrawMenuViewContentBackground(HDC DC, const TRect& R,
                                                            TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonSkin::DrawMenuViewContentBackground(DC, R, AAccent);
    Fill(DC, R, GetAccentColor(AAccent));
}

void TovCustomRibbon2013Skin::DrawMenuViewItem(HDC DC, const TRect& R, int AState,
                                               TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbon2010Skin::DrawMenuViewItem(DC, R, AState, AAccent);
    if (AState == ovSkinStateChecked)
        Fill(DC, R, MenuViewSelectionColor(AAccent, 0.08));
    else if (AState == ovSkinStateHot || AState == ovSkinStateHighlighted || AState == ovSkinStatePressed ||
             AState == ovSkinStateCheckedHot || AState == ovSkinStateDisabledSelected)
        Fill(DC, R, MenuViewSelectionColor(AAccent, -0.08));
}

void TovCustomRibbon2013Skin::DrawMenuViewTab(HDC DC, const TRect& R, int AState,
                                              TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbon2010Skin::DrawMenuViewTab(DC, R, AState, AAccent);
    if (AState == ovSkinStateChecked)
        Fill(DC, R, MenuViewSelectionColor(AAccent, 0.08));
    else if (AState == ovSkinStateHot || AState == ovSkinStateHighlighted || AState == ovSkinStatePressed ||
             AState == ovSkinStateCheckedHot || AState == ovSkinStateDisabledSelected)
        Fill(DC, R, MenuViewSelectionColor(AAccent, -0.08));
}

void TovCustomRibbon2013Skin::DrawMenuViewSeparator(HDC DC, const TRect& R, int AState,
                                                    TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbon2010Skin::DrawMenuViewSeparator(DC, R, AState, AAccent);
    const int y = R.top + uiFloorHalf(uiHeightOfRect(R));
    Fill(DC, TRect{R.left + 15, y, R.right - 15, y + 1}, ChangeAccentLightness(AAccent, 0.1));
}

void TovCustomRibbon2013Skin::DrawTab(HDC DC, const TRect& R, int AState,
                                      TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawTab(DC, R, AState, AAccent);
    if (AState == 2 || AState == 3)
        DrawRibbonFrame(DC, R, GetContentColor(), 1, rfsLeft | rfsTop | rfsRight, GetLineColor(), true);
    else if (AState == 4)
        DrawRibbonFrame(DC, R, GetHotColor(AAccent), 1, rfsLeft | rfsTop | rfsRight, GetPressedColor(AAccent),
                        true);
}

void TovCustomRibbon2013Skin::DrawTabsAreaBackground(HDC DC, const TRect& R, bool AActive, bool AOnGlass,
                                                     int AApplicationMenuState) {
    if (LowColors())
        return TovCustomRibbonSkin::DrawTabsAreaBackground(DC, R, AActive, AOnGlass, AApplicationMenuState);
    if (!AOnGlass) Fill(DC, R, GetTabsAreaBackgroundColor(AApplicationMenuState));
}

void TovCustomRibbon2013Skin::DrawTabGroupBackground(HDC DC, const TRect& R, bool AInPopup, int AState) {
    if (LowColors()) return TovCustomRibbon2010Skin::DrawTabGroupBackground(DC, R, AInPopup, AState);
    if (AInPopup)
        DrawRibbonFrame(DC, R, clWhite, 1, rfsLeft | rfsTop | rfsRight, 0xC6C6C6);
    else
        Fill(DC, TRect{R.right - 1, R.top, R.right, R.bottom}, GetLineColor());
}

void TovCustomRibbon2013Skin::DrawTabGroupHeaderBackground(HDC DC, const TRect& R, bool AInPopup,
                                                           int AState) {
    if (LowColors()) return TovCustomRibbon2010Skin::DrawTabGroupHeaderBackground(DC, R, AInPopup, AState);
    if (AInPopup)
        DrawRibbonFrame(DC, R, clWhite, 1, rfsLeft | rfsRight | rfsBottom, 0xC6C6C6);
    else
        Fill(DC, TRect{R.right - 1, R.top, R.right, R.bottom - 4}, GetLineColor());
}

void TovCustomRibbon2013Skin::DrawTabGroupsArea(HDC DC, const TRect& R, bool AQuickAccessToolbarBelow,
                                                bool AInPopup) {
    if (LowColors())
        return TovCustomRibbonTexturedSkin::DrawTabGroupsArea(DC, R, AQuickAccessToolbarBelow, AInPopup);
    DrawRibbonFrame(DC, R, GetContentColor(), 1, rfsTop | rfsBottom, GetLineColor());
}

void TovCustomRibbon2013Skin::DrawContextTabGroupsArea(HDC DC, const TRect& R, TColor AColor,
                                                       bool AQuickAccessToolbarBelow, bool AInPopup) {
    if (LowColors())
        return TovCustomRibbon2010Skin::DrawContextTabGroupsArea(DC, R, AColor, AQuickAccessToolbarBelow,
                                                                 AInPopup);
    DrawTabGroupsArea(DC, R, AQuickAccessToolbarBelow, AInPopup);
}

void TovCustomRibbon2013Skin::DrawTabScrollButton(HDC DC, const TRect& R, int AKind, int AState,
                                                  TovRibbonColorSchemeAccent AAccent) {
    DrawTabGroupsScrollButton(DC, R, AKind, AState, AAccent);
}

void TovCustomRibbon2013Skin::DrawTabGroupsScrollButton(HDC DC, const TRect& R, int AKind, int AState,
                                                        TovRibbonColorSchemeAccent AAccent) {
    if (LowColors())
        return TovCustomRibbonTexturedSkin::DrawTabGroupsScrollButton(DC, R, AKind, AState, AAccent);
    TColor fill = 0xFDFDFD, border = GetLineColor();
    if (AState == ovSkinStateHot) fill = GetHotColor(AAccent), border = GetPressedColor(AAccent);
    if (AState == ovSkinStatePressed)
        fill = GetPressedColor(AAccent), border = Lighter(GetPressedColor(AAccent), -0.1);
    DrawRibbonFrame(DC, R, fill, 1, rfsAll, border);
}

void TovCustomRibbon2013Skin::SetCaptionAreaFontColor(TFont* AFont, bool AOnGlass, TColor AColor,
                                                      TovRibbonColorSchemeAccent AAccent) {
    if (LowColors())
        return TovCustomRibbon2010Skin::SetCaptionAreaFontColor(AFont, AOnGlass, AColor, AAccent);
    if (AFont != nullptr) AFont->SetColor(Lighter(AColor, -0.2));
}

void TovCustomRibbon2013Skin::SetTabFontColor(TFont* AFont, int AState, TColor AColor,
                                              TovRibbonColorSchemeAccent AAccent) {
    if (!LowColors() && AFont != nullptr &&
        (AState == ovSkinStateHighlighted || AState == ovSkinStateDisabledSelected)) {
        AFont->SetColor(Lighter(AColor, -0.2));
        return;
    }
    TovCustomRibbonSkin::SetTabFontColor(AFont, AState, AColor, AAccent);
}

void TovCustomRibbon2013Skin::DrawContextBackground(HDC DC, const TRect& R, TColor AColor) {
    if (LowColors()) return TovCustomRibbon2010Skin::DrawContextBackground(DC, R, AColor);
    const TRect r = uiShiftRectVert(R, 1);
    GpFill(DC, r, AColor);
    GpFill(DC, TRect{r.left, r.top + 4, r.right, r.bottom}, clWhite, 200);
}

void TovCustomRibbon2013Skin::DrawContextBackgroundGlass(HDC DC, const TRect& R, TColor AColor) {
    if (uiIsRectEmpty(R)) return;
    // Composed apart and copied whole, so that nothing of the glass under it shows through.
    std::unique_ptr<TBitmap> buffer = uiCreateBitmapOfRect(R);
    const TRect local = uiRectOfSize(uiSizeOfRect(R));
    DrawContextBackground(buffer->Canvas()->Handle(), local, AColor);
    BitBlt(DC, R.left, R.top, uiWidthOfRect(R), uiHeightOfRect(R), buffer->Canvas()->Handle(), 0, 0, SRCCOPY);
}

void TovCustomRibbon2013Skin::DrawContextTab(HDC DC, const TRect& R, TColor AColor, int AState,
                                             TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbon2010Skin::DrawContextTab(DC, R, AColor, AState, AAccent);
    const TRect r{R.left, R.top, R.right, R.bottom - GetPartSize(1013)};
    GpFill(DC, r, AColor);
    GpFill(DC, r, clWhite, 200);
    DrawTab(DC, R, AState, AAccent);
}

void TovCustomRibbon2013Skin::DrawQuickAccessToolbarPopup(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawQuickAccessToolbarPopup(DC, R);
    DrawRibbonFrame(DC, R, GetBackgroundColor(), 1, rfsAll, 0x777777);
}

void TovCustomRibbon2013Skin::DrawRibbonBackgroundTopPart(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawRibbonBackgroundTopPart(DC, R);
    Fill(DC, R, GetBackgroundColor());
}

void TovCustomRibbon2013Skin::DrawStatusBarPanelSeparator(HDC DC, const TRect& R,
                                                          TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawStatusBarPanelSeparator(DC, R, AAccent);
    Fill(DC, R, GetAccentColor(AAccent));
}

void TovCustomRibbon2013Skin::DrawStatusBarGripSeparator(HDC DC, const TRect& R,
                                                         TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawStatusBarGripSeparator(DC, R, AAccent);
    Fill(DC, R, GetAccentColor(AAccent));
}

void TovCustomRibbon2013Skin::DrawStatusBarPanelSeparatorEx(HDC DC, const TRect& R, bool AFlag,
                                                            TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawStatusBarPanelSeparatorEx(DC, R, AFlag, AAccent);
    Fill(DC, R, GetAccentColor(AAccent));
}

void TovCustomRibbon2013Skin::DrawScrollBarBackground(HDC DC, const TRect& R, bool AHorizontal,
                                                      TovRibbonColorSchemeAccent AAccent) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawScrollBarBackground(DC, R, AHorizontal, AAccent);
    Fill(DC, R, GetScrollBarBackgroundColor());
}

void TovCustomRibbon2013Skin::PaintScrollBarElement(HDC DC, const TRect& R, bool AHorizontal, int AState,
                                                    int AElement, TovRibbonColorSchemeAccent AAccent) {
    if (LowColors())
        return TovCustomRibbonTexturedSkin::PaintScrollBarElement(DC, R, AHorizontal, AState, AElement,
                                                                  AAccent);
    if (AElement < 1 || AElement > 3) return;
    DrawRibbonFrame(DC, R, GetScrollBarPartColor(AElement, AState), 1, rfsAll,
                    GetScrollBarPartBorderColor(AElement, AState));
    if (AElement == 1)
        DrawCenteredPart(AHorizontal ? TovRibbonCut::ScrollHorzLineUpGlyph
                                     : TovRibbonCut::ScrollVertLineUpGlyph,
                         0, DC, R);
    else if (AElement == 2)
        DrawCenteredPart(AHorizontal ? TovRibbonCut::ScrollHorzLineDownGlyph
                                     : TovRibbonCut::ScrollVertLineDownGlyph,
                         0, DC, R);
}

void TovCustomRibbon2013Skin::DrawArrowDown(HDC DC, const TRect& R, int AState) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawArrowDown(DC, R, AState);
    DrawArrowGlyph(DC, uiShiftRectHorz(R, 1), AState, ovRibbonArrowDown);
}

void TovCustomRibbon2013Skin::DrawDropDownBorder(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawDropDownBorder(DC, R);
    DrawRibbonFrame(DC, R, clWhite, 1, rfsAll, 0xC6C6C6);
}

void TovCustomRibbon2013Skin::DrawGalleryFilterBand(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawGalleryFilterBand(DC, R);
    Fill(DC, R, 0xE5E5E5);
}

void TovCustomRibbon2013Skin::DrawGalleryGroupHeaderBackground(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonTexturedSkin::DrawGalleryGroupHeaderBackground(DC, R);
    Fill(DC, R, 0xEEEEEE);
}

void TovCustomRibbon2013Skin::DrawMenuCaptionSeparator(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawMenuCaptionSeparator(DC, R);
    Fill(DC, R, 0xEEEEEE);
}

void TovCustomRibbon2013Skin::DrawMenuCaptionSeparatorLine(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawMenuCaptionSeparatorLine(DC, R);
    Fill(DC, R, 0xEEEEEE);
}

void TovCustomRibbon2013Skin::DrawKeyTip(HDC DC, const TRect& R) {
    if (LowColors()) return TovCustomRibbonSkin::DrawKeyTip(DC, R);
    Fill(DC, R, 0x535353);
}

void TovCustomRibbon2013Skin::DrawFormBackground(HDC DC, const TRect& R, int ARibbonHeight) {
    if (LowColors()) return TovCustomRibbonSkin::DrawFormBackground(DC, R, ARibbonHeight);
    const int split = std::clamp(R.top + ARibbonHeight, R.top, R.bottom);
    DrawRibbonBackground(DC, TRect{R.left, R.top, R.right, split});
    const TRect below{R.left, split, R.right, R.bottom};
    if (!uiIsRectEmpty(below))
        FillGradientBand(DC, below, GetFormBackgroundColor1(), GetFormBackgroundColor2(), false);
}
