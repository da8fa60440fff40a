// TovBarSkinnedPainter: the look of the bars that live in and around a skinned object (the ribbon's group
// bars, quick access toolbar, popup menus and application menu). Instead of system colours it names the
// elements it draws by part kind and skin state (SkinPartKinds.h) and lets the skin of its skinned object
// draw them and answer their colours, sizes and content offsets.
//
// The painter never keeps the skin: every operation asks the skinned object anew (GetSkin), so a skin
// change shows at the next paint without telling the painter. The skinned object may answer no skin at
// all (between two skins, after a sheet failed to load); every operation then takes the inherited Office11
// drawing and metrics instead of crashing, and debug builds stop at the accessor to point at the caller.
//
// The painter is created by its owner (the ribbon) with the skinned object, never by the painter table.
// Which named skin operation a part kind dispatches to is the skin's business (the ribbon's forwarding),
// not this painter's.
#pragma once

#include "ui/bars/painting/BarOffice11Painter.h"
#include "ui/bars/painting/BarPainterInterfaces.h"

class IovSkin;
class TObject;

class TovBarSkinnedPainter : public TovBarOffice11Painter,
                             public IovBarSkinnedPainter,
                             public IovBarFadingPainter {
public:
    // ASkinnedObject: an IovSkinnedObject or an IovSkin; not owned, it must outlive the painter.
    explicit TovBarSkinnedPainter(TObject* ASkinnedObject);
    ~TovBarSkinnedPainter() override;

    TObject* SkinnedObject() const { return FSkinnedObject; }
    // The skinned object's skin at this moment; null while it has none (debug builds assert).
    IovSkin* GetSkin() const;

    // ---- Skin states of item parts (0..8, SkinPartKinds.h)
    // The plain rule: hot, highlighted (selected but another part hot), normal, disabled.
    static int GetItemPartState(const TovBarItemControlDrawParams* P, int APart);
    // Buttons: part 0 the button (or the main part of a split one), part 1 the drop-down part.
    virtual int GetItemState(TovBarItemControlDrawParams* P, int APart);
    // Edit-like items: part 0 the field, 3 the combo button, 4 the ellipsis button.
    static int GetEditPartState(const TovBarItemControlDrawParams* P, int APart);
    // Spin edits: part 3 the upper, 4 the lower button.
    static int GetSpinButtonState(const TovBarItemControlDrawParams* P, int APart);
    // The parts of a selected button in a menu: part 0 the button, 1 its drop-down.
    static int GetMenuButtonPartState(const TovBarItemControlDrawParams* P, int APart);

    // ---- Added by the skinned look
    // The button background: its kind by view size and group, one segment or the two of a split button,
    // and the group's borders and separators.
    virtual void DrawButtonParts(TovBarItemControlDrawParams* P);
    // 1003 for a popup bar control (a collapsed group's popup), else 1.
    virtual int GetBarPartID(TCustomovBarControl* ABarControl);
    // A pin button of the application menu's extra pane: pinned (checked) or not, hot or not.
    virtual void DrawPinButtonPart(TovBarItemControlDrawParams* P, const TRect& R);
    // Part 340 in the state, the mark arrow's size centred in R.
    void DrawDropDownGlyph(HDC ADC, const TRect& R, int AState);
    // A menu arrow (direction 3: right, a sub-menu arrow) centred in the arrow area of R.
    void DrawMenuArrow(TovBarItemControlDrawParams* P, int ADirection, const TRect& R);
    // " ..." long enough for the drop-down glyph, after the caption of a large drop-down; empty otherwise.
    std::string GetArrowPlaceholder(TovBarItemControlDrawParams* P);

    // ---- IovBarSkinnedPainter, IovBarFadingPainter
    int ItemControlSkinState(TovBarItemControl* AControl) override;
    bool FadingImagesNeedOpaque() override { return false; }
    void DrawItemControlFadeImage(TovBarItemControl* AControl, TuiCanvas* ACanvas, const TRect& R) override;
    // State 0 the normal picture (left transparent), 1 the hot one.
    void DrawBarMarkFadeImage(TovBarControl* ABarControl, HDC ADC, const TRect& R, int AState) override;

    // ---- Bars
    void DrawBarControlBackground(TCustomovBarControl* ABarControl, HDC ADC) override;
    bool HasCustomBackground() override { return true; }
    bool AllowLargeIcons() override { return false; }
    void BarBorderSizes(TovBar* ABar, TovBarDockingStyle ADockingStyle, TRect& R,
                        bool AWithSizeGrip) override;
    void BarFillBackground(TCustomovBarControl* ABarControl, HDC ADC, HBRUSH ABrush, const TRect& R,
                           const TRect& AClipRect) override;
    void BarDrawBackground(TovBarControl* ABarControl, HDC ADC, const TRect& ADestRect,
                           const TRect& AClipRect, HBRUSH ABrush) override;
    void BarDrawDockBackground(TovBarControl* ABarControl, HDC ADC, const TRect& ADestRect,
                               const TRect& AClipRect) override;
    void BarDrawSeparator(TCustomovBarControl* ABarControl, HDC ADC, bool AHorizontal, HBRUSH ABrush,
                          TRect R) override;
    void BarDrawMarkBackground(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush, const TRect& R) override;
    void BarDrawMarkElements(TovBarControl* ABarControl, HDC ADC, const TRect& R) override;
    void BarUpdateWindowRegion(HWND AWindow, const TRect& R, bool ARedraw) override;
    // A docked group: the bar part over the window, then its caption.
    void BarDrawDockedBarBorder(TovBarControl* ABarControl, HDC ADC, TRect& R) override;
    // A floating bar is a group too: the bar part over its window with the caption in the part's strip;
    // no caption bar of its own.
    void BarPaintFloatingFrame(TovBarControl* ABarControl, HDC ADC, const TRect& R) override;
    void BarDrawFloatingBarCaption(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                   const TRect& AWindowRect, TRect ACaptionRect) override;
    // The bar's caption in the caption strip of its part (DC and R in window coordinates).
    virtual void DrawBarCaption(TovBarControl* ABarControl, HDC ADC, const TRect& AWindowRect);

    // ---- Buttons
    void DrawButton(TovBarItemControlDrawParams* P, TRect R) override;
    void DrawButtonInMenuBackground(TovBarItemControlDrawParams* P, const TRect& R) override;
    void DrawDropDownButtonArrow(TovBarItemControlDrawParams* P, TRect R) override;
    void DrawDropDownButton(TovBarItemControlDrawParams* P, const TRect& R) override;
    void DrawButtonArrow(TovBarItemControlDrawParams* P, TRect R) override;
    void DrawCaption(TovBarItemControlDrawParams* P, const TRect& R, UINT AFormat, int AAlignment) override;
    void CalcCaptionRect(TovBarItemControlDrawParams* P, TRect& R) override;
    TovBarGlyphLayout GetGlyphLayout(TovBarItemControlDrawParams* P) override;
    void DrawItemGlyphImage(TovBarItemControl* AControl, HDC ADC, const TovItemGlyphArgs& AArgs,
                            const TRect& AGlyphRect, const TSize& AGlyphSize, TCustomImageList* AImages,
                            int AImageIndex, TBitmap* AGlyph) override;
    void PaintGlyphFrame(TovBarItemControl* AControl, HDC ADC, const TRect& R,
                         const TovItemGlyphArgs& AArgs) override;
    TColor GetTextColor(TovBarItemControl* AControl, bool ASelected, bool AFlat) override;
    void DisabledTextColorPair(TovBarItemControl* AControl, bool ASelected, TColor& ATextColor,
                               TColor& AShadowColor, bool AFlat) override;
    void GetButtonCaptionOffsets(TRect& R) override { R = TRect{3, 0, 2, 0}; }

    // ---- Menus
    void SubMenuControlDrawBackground(TovBarSubMenuControl* AMenu, HDC ADC, TColor AColor, HBRUSH ABrush,
                                      const TRect& R) override;
    void SubMenuControlDrawBorder(TovBarSubMenuControl* AMenu, HDC ADC, TRect R) override;
    void SubMenuControlDrawInnerBorder(TovBarSubMenuControl* AMenu, HDC ADC, HBRUSH ABrush, TRect R) override;
    void SubMenuControlDrawDetachCaption(TovBarSubMenuControl* AMenu, HDC ADC, const TRect& R) override;
    void SubMenuControlDrawScrollButtonBackground(TovBarSubMenuControl* AMenu, TuiCanvas* ACanvas,
                                                  const TRect& R, bool ABottom) override;
    bool SubMenuControlScrollButtonUsesMenuBrush() override;
    void SubMenuControlPaintScrollArrowFill(TuiCanvas* ACanvas, const TRect& R, TColor AColor) override;
    void SubMenuControlPaintSeparator(HDC ADC, const TRect& R) override;
    void SubMenuControlPaintMarkGlyph(TovBarSubMenuControl* AMenu, HDC ADC, bool ASelected,
                                      const TRect& R) override;
    void SubMenuControlPaintMarkHighlight(TovBarSubMenuControl* AMenu, HDC ADC, const TRect& R) override;
    void InPlaceSubItemDrawArrow(TovBarItemControlDrawParams* P, int ADirection, const TRect& R) override;
    void InPlaceSubItemDrawBackground(TovBarItemControlDrawParams* P, const TRect& R) override;
    void DropDownListBoxPaintFrame(HDC ADC, TColor AColor, const TRect& R) override;

    // ---- Application menu and its extra pane
    void ApplicationMenuGetButtonsOffsets(TRect& R) override;
    void ApplicationMenuGetContentOffsets(TRect& R) override;
    void ApplicationMenuDrawButton(TovBarItemControlDrawParams* P, const TRect& R) override;
    TColor ApplicationMenuGetButtonTextColor(bool AEnabled, bool ASelected) override;
    void ExtraPaneDrawSeparator(TCustomovBarControl* ABarControl, HDC ADC, const TRect& R) override;
    TColor ExtraPaneGetItemTextColor(bool AEnabled, bool ASelected) override;
    TColor ExtraPaneGetHeaderTextColor() override;
    int ExtraPaneGetPinButtonWidth() override;

    // ---- Edits and spin edits
    TColor EditGetBkColor(TovBarItemControl* AControl) override;
    TColor EditGetDefaultTextColor() override;
    TColor EditGetDisabledTextColor() override;
    void EditDrawFrame(TovBarItemControlDrawParams* P, TRect& R) override;
    // APart: the part whose state the edit-button part is drawn in.
    // Around a selected edit: the item's button part, then the skin's line left of the field (and right of
    // it when the caption stands elsewhere).
    void EditDrawSelectionFrame(TovBarItemControlDrawParams* P, HDC ADC, const TRect& R) override;
    void EditDrawPartBackground(TovBarItemControlDrawParams* P, const TRect& R, int APart) override;
    void DrawComboDropDownButton(TovBarItemControlDrawParams* P, TRect R) override;
    void DrawEllipsisButton(TovBarItemControlDrawParams* P, TRect R) override;
    // A combo (part 3) or ellipsis (part 4) button: a frame in the lit states, the edit-button part, the
    // glyph.
    void DrawEditButtonPart(TovBarItemControlDrawParams* P, int APart, TRect R);
    // AButton: 0 the upper, 1 the lower spin button.
    void SpinEditDrawButton(TovBarItemControlDrawParams* P, TRect R, int AButton) override;
    void SpinEditDrawButtonsBackground(TovBarItemControlDrawParams* P, const TRect& R) override;

    // ---- Progress, statics, separators, galleries, screen tips, skin queries
    void ProgressDrawBackground(TovBarProgressControlDrawParams* P, const TRect& R) override;
    void ProgressDrawSolidBar(TovBarProgressControlDrawParams* P, const TRect& R, HBRUSH ABrush) override;
    void ProgressDrawBlock(TovBarProgressControlDrawParams* P, const TRect& R, HBRUSH ABrush) override;
    void StaticDrawBorder(TovBarStaticLikeControlDrawParams* P, TRect& R) override;
    void SeparatorGetTextColors(TovBarItemControl* AControl, bool AEnabled, bool ASelected, bool AFlat,
                                TColor& ATextColor, TColor& AShadowColor) override;
    void GalleryGetTextColors(TovBarItemControl* AControl, bool AEnabled, bool ASelected, bool AFlat,
                              TColor& ATextColor, TColor& AShadowColor) override;
    void SeparatorDrawLine(HDC ADC, const TRect& R) override;
    int SeparatorGetLineSize() override;
    void DropDownGalleryDrawBackground(HDC ADC, const TRect& R) override;
    void DropDownGalleryDrawBorder(HDC ADC, const TRect& R) override;
    void DropDownGalleryDrawTopSizingBand(HDC ADC, const TRect& R) override;
    void DropDownGalleryDrawBottomSizingBand(HDC ADC, const TRect& R) override;
    void DropDownGalleryDrawTopSizeGrip(HDC ADC, const TRect& R) override;
    void DropDownGalleryDrawBottomSizeGrip(HDC ADC, const TRect& R) override;
    void DropDownGalleryDrawTopVerticalSizeGrip(HDC ADC, const TRect& R) override;
    void DropDownGalleryDrawBottomVerticalSizeGrip(HDC ADC, const TRect& R) override;
    void GalleryDrawFilterBand(HDC ADC, const TRect& R) override;
    void GalleryDrawGroupHeaderBackground(HDC ADC, const TRect& R) override;
    void DropDownGalleryDrawScrollBarBackground(HDC ADC, const TRect& R) override;
    void GalleryDrawItemBackground(HDC ADC, const TRect& R, int AState) override;
    void DropDownGalleryDrawScrollBarPart(HDC ADC, const TRect& R, int APart, int AState) override;
    TColor GalleryGetGroupHeaderTextColor() override;
    void GetPartContentOffsets(int APart, TRect& R) override;
    TColor GetPartColor(int APart, int AState) override;
    void GetSkinName(std::string& AName) override;
    TColor DateNavigatorGetHeaderColor() override;
    void ScreenTipDrawBackground(TuiCanvas* ACanvas, const TRect& R) override;
    void ScreenTipDrawFooterLine(TuiCanvas* ACanvas, const TRect& R) override;
    TColor ScreenTipGetTitleTextColor() override;
    TColor ScreenTipGetDescriptionTextColor() override;
    TObject* GetItemFadingOptions() override;

    // ---- Metrics
    int DefaultTextExtent(TuiCanvas* ACanvas) override;
    int GetItemHeightIndent() override;
    int GetItemWidthIndent() override;
    int GetLargeButtonHeightIndent() override;
    int GetLargeButtonWidthIndent() override;
    int GetItemHeight(int AGlyphSize, int ATextHeight) override;
    int GetItemWidth(int AGlyphSize, int ATextHeight) override;
    int GetButtonArrowWidth(TovBarManager* AManager) override;
    int AutoAlignToolbarOffset() override;
    int BarGetExtraIndent() override;
    TSize GetMarkArrowSize() override;
    int GetComboBoxArrowWidth(TCustomovBarControl* ABarControl, int AZeroWidth) override;
    int ComboGetButtonIndent() override;
    bool SubMenuControlHasOwnerLink(TCustomovBarControl* ABarControl) override;
    int SubMenuControlSeparatorHeight() override;
    int SubMenuControlBorderWidth() override;
    int SubMenuControlBorderIndent() override;
    int SubMenuControlGetTextVertOffset() override;
    int SubMenuControlGetExtraWidth() override;
    int SubMenuControlSubArrowWidth(int AHeight) override;
    int SubMenuControlDetachCaptionHeight(int ACaptionHeight) override;
    int SubMenuControlScrollArrowExtent(int ABandSize) override;
    int GetBaseTextSize() override;
    int SubMenuControlGetTextSize(TuiCanvas* ACanvas) override;
    int SubMenuControlScrollBandHeight(TovBarSubMenuControl* AMenu) override;
    int GetLoweredBorderWidth(TovBarItemControl* AControl) override;
    int DropDownGalleryGetContentOffset() override;
    int DropDownGalleryGetBorderSize() override;
    TSize SpinEditGetArrowSize(int AHeight) override;
    bool EditAllowFocusFrame() override;
    bool GetHintOption() override;
    bool ProgressRedrawOnChangeOnly() override;

private:
    // One segment of a button background: its rectangle, part index and kind, and the group position.
    void DrawButtonSegment(TovBarItemControlDrawParams* P, IovSkin* ASkin, const TRect& R, int APart,
                           int AKind, int APlace, bool ASplit);
    // Whether the skin is there; the fallbacks and the debug assertion in one place.
    bool HasSkin() const { return GetSkin() != nullptr; }

    TObject* FSkinnedObject;
};
