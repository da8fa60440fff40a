// TovCustomRibbonTexturedSkin: the bitmap look of the ribbon skins. Nearly every element is one or a few
// parts cut from the two sheets: a single part stretched over the target as a nine-slice frame (or at its
// own size, centred, for glyphs), or a state strip whose entry for a state may be empty (the small button,
// for one, is invisible until it is hot). On a low-colour screen every operation draws the base skin's
// flat look instead. The base of the 2007 colour schemes and of the 2010 and 2013 families.
#pragma once

#include "ui/ribbon/skins/RibbonSkin.h"

class TovCustomRibbonTexturedSkin : public TovCustomRibbonSkin {
public:
    void DrawApplicationButton(HDC DC, const TRect& R, int AState,
                               TovRibbonColorSchemeAccent AAccent) override;
    void DrawButtonGroupBorderLeft(HDC DC, const TRect& R) override;
    void DrawButtonGroupBorderRight(HDC DC, const TRect& R) override;
    void DrawButtonGroupSeparator(HDC DC, const TRect& R, int AState) override;
    void DrawButtonGroupSplitButtonSeparator(HDC DC, const TRect& R, int AState) override;
    void DrawCollapsedTabGroup(HDC DC, const TRect& R, int AState) override;
    void DrawCollapsedTabGroupGlyphBackground(HDC DC, const TRect& R, int AState) override;
    void DrawDropDownGalleryBottomSizingBand(HDC DC, const TRect& R) override;
    void DrawDropDownGalleryTopSizingBand(HDC DC, const TRect& R) override;
    void DrawFormBorderIcon(HDC DC, const TRect& R, int AIcon, int AState,
                            TovRibbonColorSchemeAccent AAccent) override;
    void DrawFormBorders(HDC DC, const TRect& AWidths, const TovRibbonSkinPaintData& AData) override;
    void DrawFormCaption(HDC DC, const TRect& R, const TovRibbonSkinPaintData& AData) override;
    void DrawFormStatusBarBorder(HDC DC, const TRect& R, int ASide, int AKind, bool AActive,
                                 bool AStatusBarKind, TovRibbonColorSchemeAccent AAccent) override;
    void DrawInRibbonGalleryScrollBarButton(HDC DC, const TRect& R, int AKind, int AState,
                                            TovRibbonColorSchemeAccent AAccent) override;
    void DrawLargeButton(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override;
    void DrawLargeButtonMainPart(HDC DC, const TRect& R, int AState,
                                 TovRibbonColorSchemeAccent AAccent) override;
    void DrawLargeButtonDropDown(HDC DC, const TRect& R, int AState,
                                 TovRibbonColorSchemeAccent AAccent) override;
    void DrawTabGroupCaptionButton(HDC DC, const TRect& R, int AState,
                                   TovRibbonColorSchemeAccent AAccent) override;
    void DrawTabGroupCaptionButtonGlyph(HDC DC, const TRect& R, int AState,
                                        TovRibbonColorSchemeAccent AAccent) override;
    void DrawMDIButton(HDC DC, const TRect& R, int AButton, int AState,
                       TovRibbonColorSchemeAccent AAccent) override;
    void DrawMDIButtonGlyph(HDC DC, const TRect& R, int AButton, int AState) override;
    void DrawMenuArrowDown(HDC DC, const TRect& R) override;
    void DrawMenuArrowRight(HDC DC, const TRect& R) override;
    void DrawMenuCheck(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override;
    void DrawMenuCheckMark(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override;
    void DrawMenuDetachCaption(HDC DC, const TRect& R, int AState) override;
    void DrawMenuScrollArea(HDC DC, const TRect& R, int AState) override;
    void DrawProgressDiscreteBand(HDC DC, const TRect& R) override;
    void DrawProgressSolidBand(HDC DC, const TRect& R) override;
    void DrawProgressSubstrate(HDC DC, const TRect& R) override;
    void DrawButton(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override;
    void DrawButtonDropDown(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override;
    void DrawButtonMainPart(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override;
    void DrawMenuViewSeparator(HDC DC, const TRect& R, int AState,
                               TovRibbonColorSchemeAccent AAccent) override;
    void DrawSmallStateGlyph(HDC DC, const TRect& R, int AState) override;
    void DrawTab(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) override;
    void DrawTabGroupBackground(HDC DC, const TRect& R, bool AInPopup, int AState) override;
    void DrawTabGroupHeaderBackground(HDC DC, const TRect& R, bool AInPopup, int AState) override;
    void DrawTabGroupsArea(HDC DC, const TRect& R, bool AQuickAccessToolbarBelow, bool AInPopup) override;
    void DrawTabScrollButton(HDC DC, const TRect& R, int AKind, int AState,
                             TovRibbonColorSchemeAccent AAccent) override;
    void DrawTabGroupsScrollButton(HDC DC, const TRect& R, int AKind, int AState,
                                   TovRibbonColorSchemeAccent AAccent) override;
    void DrawContextBackground(HDC DC, const TRect& R, TColor AColor) override;
    void DrawContextBackgroundGlass(HDC DC, const TRect& R, TColor AColor) override;
    void DrawContextTab(HDC DC, const TRect& R, TColor AColor, int AState,
                        TovRibbonColorSchemeAccent AAccent) override;
    void DrawContextTabGroupsArea(HDC DC, const TRect& R, TColor AColor, bool AQuickAccessToolbarBelow,
                                  bool AInPopup) override;
    void DrawContextTabSeparator(HDC DC, const TRect& R, int AKind) override;
    void DrawQuickAccessToolbarGroupButton(HDC DC, const TRect& R) override;
    void DrawQuickAccessToolbarPopup(HDC DC, const TRect& R) override;
    void DrawStatusBarPanelSeparator(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent) override;
    void DrawStatusBarGripSeparator(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent) override;
    void DrawStatusBarPanelSeparatorEx(HDC DC, const TRect& R, bool AFlag,
                                       TovRibbonColorSchemeAccent AAccent) override;
    void DrawStatusBarToolbarSeparator(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent) override;
    void DrawStatusBarSeparatorRight(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent) override;
    void DrawScrollBarBackground(HDC DC, const TRect& R, bool AHorizontal,
                                 TovRibbonColorSchemeAccent AAccent) override;
    void PaintScrollBarElement(HDC DC, const TRect& R, bool AHorizontal, int AState, int AElement,
                               TovRibbonColorSchemeAccent AAccent) override;
    void DrawArrowDown(HDC DC, const TRect& R, int AState) override;
    void DrawGalleryFilterBand(HDC DC, const TRect& R) override;
    void DrawGalleryGroupHeaderBackground(HDC DC, const TRect& R) override;
    void DrawRibbonBackgroundTopPart(HDC DC, const TRect& R) override;
    TColor GetPartColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) override;

protected:
    // The glyph of a form caption button (icon column AIcon, row by the form button state) centred
    // vertically in R, one pixel lower, at R's left (alignment 0), right (1) or centre (2), recoloured with
    // AColor (clDefault: as it is).
    void DrawAlignedGlyph(HDC DC, const TRect& R, int AAlignment, TColor AColor, int AState, int AIcon);

    void InitializeCommonParts(GpImage* ASheet) override;
    void InitializeMenuParts(GpImage* ASheet) override;
    void InitializeControlParts(GpImage* ASheet) override;
    void InitializeColorParts(GpImage* ASheet) override;
    void InitializeQuickAccessToolbarParts(GpImage* ASheet) override;
    void InitializeDropDownGalleryParts(GpImage* ASheet) override;
    void InitializeApplicationMenuParts(GpImage* ASheet) override;
    void InitializeQuickAccessToolbarButtonParts(GpImage* ASheet) override;
    void InitializeTabSeparator(GpImage* ASheet) override;
    virtual void InitializeButtonParts(GpImage* ASheet);
    virtual void InitializeApplicationButtonParts(GpImage* ASheet);
    virtual void InitializeCollapsedTabGroupParts(GpImage* ASheet);
    virtual void InitializeContextParts(GpImage* ASheet);
    virtual void InitializeFormIconParts(GpImage* ASheet);
    virtual void InitializeFormFrameParts(GpImage* ASheet);
    virtual void InitializeGalleryButtonParts(GpImage* ASheet);
    virtual void InitializeGalleryButtonGlyphParts(GpImage* ASheet);
    virtual void InitializeTabGroupParts(GpImage* ASheet);
    virtual void InitializeScrollBarParts(GpImage* ASheet);
    virtual void InitializeScrollButtonParts(GpImage* ASheet);
    virtual void InitializeStatusBarParts(GpImage* ASheet);
};
