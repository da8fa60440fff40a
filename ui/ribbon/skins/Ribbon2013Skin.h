// TovCustomRibbon2013Skin: the flat look. Nearly every element is a plain fill or a one-pixel frame in the
// colours of the ribbon's accent and a few greys of the scheme; parts remain only for glyphs, which the
// skin tints as it draws them. The base of the White, LightGray and DarkGray schemes (Ribbon2013Skins.h).
#pragma once

#include "ui/ribbon/skins/Ribbon2010Skin.h"

// The accents' colours of the flat look: the base colour, and the colours of pressed and hot elements.
struct TovRibbon2013AccentColors {
    TColor Base, Pressed, Hot;
};
extern const TovRibbon2013AccentColors ovRibbon2013AccentColors[ovRibbonAccentCount];

// The launcher glyph of a group's caption, drawn in AColor in a 7 x 7 cell centred in R.
void DrawRibbon2013LauncherGlyph(HDC DC, const TRect& R, TColor AColor);

class TovCustomRibbon2013Skin : public TovCustomRibbon2010Skin {
public:
    TovRibbonStyle GetStyle() const override { return rs2013; }

    TRect GetWindowBordersWidth(bool AFlag) override;
    bool UseFlatWindowBorders() override;
    bool UseRoundedWindowCorners() override;
    TRect GetContentOffsets(int APart) override;
    int GetPartSize(int APart) override;
    TColor GetPartColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) override;

    // ---- The scheme's colours
    virtual TColor GetTabsAreaBackgroundColor(int AApplicationMenuState);
    virtual TColor GetFormBackgroundColor1();
    virtual TColor GetFormBackgroundColor2();
    virtual TColor GetFormBorderColor(bool AActive, TovRibbonColorSchemeAccent AAccent);
    virtual TColor GetLineColor();
    virtual TColor GetGlyphColor(int AState, TovRibbonColorSchemeAccent AAccent);
    virtual TColor GetPressedColor(TovRibbonColorSchemeAccent AAccent);
    virtual TColor GetHotColor(TovRibbonColorSchemeAccent AAccent);
    virtual TColor GetBackgroundColor() = 0;
    virtual TColor GetAccentColor(TovRibbonColorSchemeAccent AAccent);
    virtual TColor GetContentColor() = 0;
    virtual TColor GetScrollBarBackgroundColor();
    // APart: the scroll bar element (1 line up, 2 line down, 3 thumb).
    virtual TColor GetScrollBarPartBorderColor(int APart, int AState);
    virtual TColor GetScrollBarPartColor(int APart, int AState);
    TColor GetBaseAccentColor(TovRibbonColorSchemeAccent AAccent);
    TColor ChangeBaseAccentLightness(TovRibbonColorSchemeAccent AAccent, double ADelta);
    TColor ChangeAccentLightness(TovRibbonColorSchemeAccent AAccent, double ADelta);

    // ---- Drawing
    void DrawApplicationButton(HDC DC, const TRect& R, int AState,
                               TovRibbonColorSchemeAccent AAccent) override;
    void DrawApplicationMenuBackground(HDC DC, const TRect& R, const TRect& ABounds,
                                       TovRibbonColorSchemeAccent AAccent) override;
    void DrawApplicationMenuButton(HDC DC, const TRect& R, int AState,
                                   TovRibbonColorSchemeAccent AAccent) override;
    void DrawButtonGroupButton(HDC DC, const TRect& R, int AState,
                               TovRibbonColorSchemeAccent AAccent) override;
    void DrawQuickAccessToolbarMarkButton(HDC DC, const TRect& R, int AState, bool ANonClientWithTabs,
                                          bool ANonClient, bool ABelow,
                                          TovRibbonColorSchemeAccent AAccent) override;
    void DrawLargeButton(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override;
    void DrawTabGroupCaptionButton(HDC DC, const TRect& R, int AState,
                                   TovRibbonColorSchemeAccent AAccent) override;
    void DrawButtonGroupButtonDropDown(HDC DC, const TRect& R, int AState,
                                       TovRibbonColorSchemeAccent AAccent) override;
    void DrawButtonGroupButtonMainPart(HDC DC, const TRect& R, int AState,
                                       TovRibbonColorSchemeAccent AAccent) override;
    void DrawButtonGroupBorderLeft(HDC DC, const TRect& R) override {}
    void DrawButtonGroupBorderRight(HDC DC, const TRect& R) override {}
    void DrawButtonGroupSeparator(HDC DC, const TRect& R, int AState) override {}
    void DrawButtonGroupSplitButtonSeparator(HDC DC, const TRect& R, int AState) override {}
    void DrawContextTabSeparator(HDC DC, const TRect& R, int AKind) override {}
    void DrawQuickAccessToolbar(HDC DC, const TRect& R, bool ABelow, bool ANonClient,
                                bool AHasApplicationButton, bool AIsActive, bool ANotOnGlass) override {}
    void DrawStatusBarToolbarSeparator(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent) override {}
    void DrawStatusBarSizeGrip(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent) override {}
    void DrawStatusBarSeparatorRight(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent) override {}
    void DrawButton(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override;
    void DrawButtonDropDown(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override;
    void DrawButtonMainPart(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override;
    void DrawLargeButtonMainPart(HDC DC, const TRect& R, int AState,
                                 TovRibbonColorSchemeAccent AAccent) override;
    void DrawLargeButtonDropDown(HDC DC, const TRect& R, int AState,
                                 TovRibbonColorSchemeAccent AAccent) override;
    void DrawEditButton(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override;
    void DrawApplicationMenuExtraPanePinButtonGlyph(HDC DC, const TRect& R, bool APinned, int AState,
                                                    TovRibbonColorSchemeAccent AAccent) override;
    void DrawCollapsedTabGroup(HDC DC, const TRect& R, int AState) override;
    void DrawCollapsedTabGroupGlyphBackground(HDC DC, const TRect& R, int AState) override;
    void DrawDropDownGalleryBackground(HDC DC, const TRect& R) override;
    void DrawDropDownGalleryTopSizingBand(HDC DC, const TRect& R) override;
    void DrawDropDownGalleryBottomSizingBand(HDC DC, const TRect& R) override;
    void DrawMenuContent(HDC DC, const TRect& R) override;
    void DrawMenuGlyph(HDC DC, const TRect& R) override;
    void DrawMenuSeparatorVert(HDC DC, const TRect& R) override;
    void DrawScrollBarCorner(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent) override;
    void DrawFormBorderIcon(HDC DC, const TRect& R, int AIcon, int AState,
                            TovRibbonColorSchemeAccent AAccent) override;
    void DrawFormBorders(HDC DC, const TRect& AWidths, const TovRibbonSkinPaintData& AData) override;
    void DrawFormCaption(HDC DC, const TRect& R, const TovRibbonSkinPaintData& AData) override;
    void DrawFormStatusBarBorder(HDC DC, const TRect& R, int ASide, int AKind, bool AActive,
                                 bool AStatusBarKind, TovRibbonColorSchemeAccent AAccent) override;
    void DrawInRibbonGalleryScrollBarButton(HDC DC, const TRect& R, int AKind, int AState,
                                            TovRibbonColorSchemeAccent AAccent) override;
    void DrawTabGroupCaptionButtonGlyph(HDC DC, const TRect& R, int AState,
                                        TovRibbonColorSchemeAccent AAccent) override;
    void DrawMenuCheck(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override;
    void DrawMenuCheckMark(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override;
    void DrawMenuSeparatorHorz(HDC DC, const TRect& R) override;
    void DrawItemSeparator(HDC DC, const TRect& R, bool AHorizontal) override;
    void DrawSeparator(HDC DC, const TRect& R, bool AHorizontal) override;
    void DrawMinimizeButtonGlyph(HDC DC, const TRect& R, int AGlyphKind, int AState,
                                 TovRibbonColorSchemeAccent AAccent) override;
    void DrawMenuViewButton(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override;
    void DrawMenuViewNavigationBackground(HDC DC, const TRect& R,
                                          TovRibbonColorSchemeAccent AAccent) override;
    void DrawMenuViewContentBackground(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent) override;
    void DrawMenuViewItem(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override;
    void DrawMenuViewTab(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override;
    void DrawMenuViewSeparator(HDC DC, const TRect& R, int AState,
                               TovRibbonColorSchemeAccent AAccent) override;
    void DrawTab(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override;
    void DrawTabsAreaBackground(HDC DC, const TRect& R, bool AActive, bool AOnGlass,
                                int AApplicationMenuState) override;
    void DrawTabGroupBackground(HDC DC, const TRect& R, bool AInPopup, int AState) override;
    void DrawTabGroupHeaderBackground(HDC DC, const TRect& R, bool AInPopup, int AState) override;
    void DrawTabGroupsArea(HDC DC, const TRect& R, bool AQuickAccessToolbarBelow, bool AInPopup) override;
    void DrawContextTabGroupsArea(HDC DC, const TRect& R, TColor AColor, bool AQuickAccessToolbarBelow,
                                  bool AInPopup) override;
    void DrawTabScrollButton(HDC DC, const TRect& R, int AKind, int AState,
                             TovRibbonColorSchemeAccent AAccent) override;
    void DrawTabGroupsScrollButton(HDC DC, const TRect& R, int AKind, int AState,
                                   TovRibbonColorSchemeAccent AAccent) override;
    void SetCaptionAreaFontColor(TFont* AFont, bool AOnGlass, TColor AColor,
                                 TovRibbonColorSchemeAccent AAccent) override;
    void SetTabFontColor(TFont* AFont, int AState, TColor AColor,
                         TovRibbonColorSchemeAccent AAccent) override;
    void DrawContextBackground(HDC DC, const TRect& R, TColor AColor) override;
    void DrawContextBackgroundGlass(HDC DC, const TRect& R, TColor AColor) override;
    void DrawContextTab(HDC DC, const TRect& R, TColor AColor, int AState,
                        TovRibbonColorSchemeAccent AAccent) override;
    void DrawQuickAccessToolbarPopup(HDC DC, const TRect& R) override;
    void DrawRibbonBackgroundTopPart(HDC DC, const TRect& R) override;
    void DrawStatusBarPanelSeparator(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent) override;
    void DrawStatusBarGripSeparator(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent) override;
    void DrawStatusBarPanelSeparatorEx(HDC DC, const TRect& R, bool AFlag,
                                       TovRibbonColorSchemeAccent AAccent) override;
    void DrawScrollBarBackground(HDC DC, const TRect& R, bool AHorizontal,
                                 TovRibbonColorSchemeAccent AAccent) override;
    void PaintScrollBarElement(HDC DC, const TRect& R, bool AHorizontal, int AState, int AElement,
                               TovRibbonColorSchemeAccent AAccent) override;
    void DrawArrowDown(HDC DC, const TRect& R, int AState) override;
    void DrawDropDownBorder(HDC DC, const TRect& R) override;
    void DrawGalleryFilterBand(HDC DC, const TRect& R) override;
    void DrawGalleryGroupHeaderBackground(HDC DC, const TRect& R) override;
    void DrawMenuCaptionSeparator(HDC DC, const TRect& R) override;
    void DrawMenuCaptionSeparatorLine(HDC DC, const TRect& R) override;
    void DrawKeyTip(HDC DC, const TRect& R) override;
    void DrawFormBackground(HDC DC, const TRect& R, int ARibbonHeight) override;

protected:
    // The items and tabs of the menu view: the accent lightened or darkened by ADelta.
    virtual TColor MenuViewSelectionColor(TovRibbonColorSchemeAccent AAccent, double ADelta);

    void LoadCommonTexture(TovGPImage& AImage) override;
    void LoadColorTexture(TovGPImage& AImage) override;
    void InitializeFormIconParts(GpImage* ASheet) override;
    void InitializeMenuViewParts(GpImage* ASheet) override;
};
