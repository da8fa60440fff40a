// TovCustomRibbon2010Skin: the 2010 look on the textured skin. It loads the 2010 sheets and adds what the
// 2010 look has: an application button per accent colour, the parts of the window-filling menu view,
// context captions and tabs tinted with the context's colour, separators and an overlay of the tab row;
// the application menu becomes a flat frame, the buttons of a button group plain buttons, and the caption
// text bold. The base of the three 2010 colour schemes and of the 2013 family.
#pragma once

#include "ui/ribbon/skins/RibbonTexturedSkin.h"

class TovCustomRibbon2010Skin : public TovCustomRibbonTexturedSkin {
public:
    TovRibbonStyle GetStyle() const override { return rs2010; }

    TSize GetApplicationButtonSize() override;
    TRect GetApplicationMenuContentOffset(const TRect& AButtonBounds) override;
    TRect GetWindowBordersWidth(bool AFlag) override;
    int QuickAccessToolbarMarkButtonIndent(bool AHasApplicationButton, bool ABelow) override;
    int QuickAccessToolbarWidthOverride(bool AHasApplicationButton, bool ADrawsOnGlass) override;
    TRect GetContentOffsets(int APart) override;
    int GetPartSize(int APart) override;
    TColor GetPartColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) override;

    void DrawApplicationButton(HDC DC, const TRect& R, int AState,
                               TovRibbonColorSchemeAccent AAccent) override;
    void DrawApplicationMenuBackground(HDC DC, const TRect& R, const TRect& ABounds,
                                       TovRibbonColorSchemeAccent AAccent) override;
    void DrawButtonGroupButton(HDC DC, const TRect& R, int AState,
                               TovRibbonColorSchemeAccent AAccent) override;
    void DrawButtonGroupButtonDropDown(HDC DC, const TRect& R, int AState,
                                       TovRibbonColorSchemeAccent AAccent) override;
    void DrawButtonGroupButtonMainPart(HDC DC, const TRect& R, int AState,
                                       TovRibbonColorSchemeAccent AAccent) override;
    void DrawFormBorderIcon(HDC DC, const TRect& R, int AIcon, int AState,
                            TovRibbonColorSchemeAccent AAccent) override;
    void DrawFormCaption(HDC DC, const TRect& R, const TovRibbonSkinPaintData& AData) override;
    void DrawItemSeparator(HDC DC, const TRect& R, bool AHorizontal) override;
    void DrawMDIButtonGlyph(HDC DC, const TRect& R, int AButton, int AState) override;
    void DrawMinimizeButtonGlyph(HDC DC, const TRect& R, int AGlyphKind, int AState,
                                 TovRibbonColorSchemeAccent AAccent) override;
    void DrawMenuViewBackground(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent) override;
    void DrawMenuViewNavigationBackground(HDC DC, const TRect& R,
                                          TovRibbonColorSchemeAccent AAccent) override;
    void DrawMenuViewItem(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override;
    void DrawMenuViewTab(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override;
    void DrawMenuViewSeparator(HDC DC, const TRect& R, int AState,
                               TovRibbonColorSchemeAccent AAccent) override;
    void DrawTabGroupBackground(HDC DC, const TRect& R, bool AInPopup, int AState) override;
    void DrawTabGroupHeaderBackground(HDC DC, const TRect& R, bool AInPopup, int AState) override;
    void SetCaptionAreaFontColor(TFont* AFont, bool AOnGlass, TColor AColor,
                                 TovRibbonColorSchemeAccent AAccent) override;
    void DrawContextBackground(HDC DC, const TRect& R, TColor AColor) override;
    void DrawContextBackgroundGlass(HDC DC, const TRect& R, TColor AColor) override;
    void DrawContextTab(HDC DC, const TRect& R, TColor AColor, int AState,
                        TovRibbonColorSchemeAccent AAccent) override;
    void DrawContextTabGroupsArea(HDC DC, const TRect& R, TColor AColor, bool AQuickAccessToolbarBelow,
                                  bool AInPopup) override;
    void DrawQuickAccessToolbar(HDC DC, const TRect& R, bool ABelow, bool ANonClient,
                                bool AHasApplicationButton, bool AIsActive, bool ANotOnGlass) override;
    void DrawSeparator(HDC DC, const TRect& R, bool AHorizontal) override;
    void DrawTabsAreaOverlay(HDC DC, const TRect& R, bool AFlag) override;
    void DrawMenuCaptionSeparatorLine(HDC DC, const TRect& R) override;

    // The line under a caption without a ribbon below it; the colour schemes draw it in their edge colour.
    virtual void DrawFormCaptionBottomLine(HDC DC, const TRect& R) {}
    // The part of an element's entry drawn into R as a neutral layer tinted towards AColor in proportion to
    // each pixel's alpha, then blended into the DC. Nothing for an empty R or an entry without a part.
    void DrawColorizedPart(ribbon_sheets::TovRibbonCut ASlot, int AEntry, HDC DC, TColor AColor,
                           const TRect& R);

protected:
    void LoadCommonTexture(TovGPImage& AImage) override;
    void InitializeCommonParts(GpImage* ASheet) override;
    void InitializeColorParts(GpImage* ASheet) override;
    void InitializeQuickAccessToolbarParts(GpImage* ASheet) override;
    void InitializeTabSeparator(GpImage* ASheet) override;
    void InitializeApplicationButtonParts(GpImage* ASheet) override;
    void InitializeCollapsedTabGroupParts(GpImage* ASheet) override;
    void InitializeContextParts(GpImage* ASheet) override;
    void InitializeFormIconParts(GpImage* ASheet) override;
    void InitializeFormFrameParts(GpImage* ASheet) override;
    void InitializeGalleryButtonGlyphParts(GpImage* ASheet) override;
    void InitializeTabGroupParts(GpImage* ASheet) override;
    void InitializeStatusBarParts(GpImage* ASheet) override;
    virtual void InitializeApplicationButtonAccentParts(GpImage* ASheet);
    virtual void InitializeMenuViewParts(GpImage* ASheet);
    virtual void InitializeMenuViewColorParts(GpImage* ASheet);
};
