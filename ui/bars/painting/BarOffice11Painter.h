// TovBarOffice11Painter: the Office11 look of the bars, the main window's look. It keeps the flat rules
// (one-pixel frames, joined drop-downs, the icon column) and paints with the Office11 palette instead of
// the flat system colours: gradient toolbars with rounded ends and a gradient mark, gradient dock sites,
// hot and pressed faces in the palette's warm colours framed by the Office11 selection frame, menus with
// a gradient icon band, grip dots instead of stripes.
//
// The painter holds a reference to the Office11 palette for as long as it lives, so the palette's colours
// and brushes exist whenever it draws. Every brush it hands out belongs to the palette or the system.
// The skinned look derives from this class and falls back on it where a skin answers nothing.
#pragma once

#include "ui/bars/painting/BarFlatPainter.h"
#include "ui/bars/painting/BarOffice11PainterGradients.h"

struct TovBarPainterClass;

class TovBarOffice11Painter : public TovBarFlatPainter {
public:
    explicit TovBarOffice11Painter(TuiLookAndFeelPainterBase* ASkinPainter = nullptr);
    ~TovBarOffice11Painter() override;
    TovBarOffice11Painter(const TovBarOffice11Painter&) = delete;
    TovBarOffice11Painter& operator=(const TovBarOffice11Painter&) = delete;

    // ---- Glyph decorations, arrows, selection frame
    void PaintGlyphFrame(TovBarItemControl* AControl, HDC ADC, const TRect& R,
                         const TovItemGlyphArgs& AArgs) override;
    void DrawDropDownArrow(HDC ADC, const TRect& R, TColor AColor, bool AFlat, bool ASelected, bool AEnabled,
                           int ADirection) override;
    void DrawArrow(HDC ADC, const TRect& R, TColor AColor, bool AFlat, bool AEnabled, bool ASelected,
                   int ASize, int ADirection) override;
    void FrameSelRect(HDC ADC, const TRect& R) override;

    // ---- Text colours and look flags
    TColor GetTextColor(TovBarItemControl* AControl, bool ASelected, bool AFlat) override;
    void DisabledTextColorPair(TovBarItemControl* AControl, bool ASelected, TColor& ATextColor,
                               TColor& AShadowColor, bool AFlat) override;
    bool GetMakeDisabledImagesFaded(TCustomovBarControl* ABarControl) override { return true; }
    bool NonRecentItemsUseMenuBrush() override { return true; }
    bool IsGlyphBackgroundTransparent() override { return false; }
    bool UseGlyphShadow() override { return false; }
    bool AllowTextSelection() override;
    // The look-and-feel painter of the Office11 style.
    TuiCustomLookAndFeelPainter* GetLookAndFeelPainter() override;

    // ---- Toolbar mark and caption colours
    TColor BarCaptionColor(TovBarControl* ABarControl, bool AActive) override;
    TColor BarCaptionTextColor(TovBarControl* ABarControl) override;
    TColor BarMarkArrowColor(TovBarControl* ABarControl, int AMarkState) override;
    void BarDrawMarkBackground(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush, const TRect& R) override;
    void BarDrawMarkElements(TovBarControl* ABarControl, HDC ADC, const TRect& R) override;

    // ---- Menus: expand mark
    void SubMenuControlPaintMarkGlyph(TovBarSubMenuControl* AMenu, HDC ADC, bool ASelected,
                                      const TRect& R) override;

    // ---- Item drawing
    void DrawButtonInMenuBackground(TovBarItemControlDrawParams* ADrawParams, const TRect& R) override;
    HBRUSH GetItemBackgroundBrush(TovBarItemControl* AControl) override;
    void EditButtonDrawFrame(TovBarItemControl* AControl, HDC ADC, bool APressed, bool ASelected,
                             bool AEnabled, TRect& R) override;

    // ---- Bar metrics
    int BarGripOffset() override { return TovBarFlatPainter::BarGripOffset() + GetFingerElementSize(); }
    int BarGripAreaSize(TovBarControl* ABarControl) override {
        return BarFingerWidth() + BarGripOffset() + 2;
    }
    int BarNoGripIndent() override { return 2; }
    int GetFloatingFrameWidth() override { return 3; }
    int GetFloatingFrameHeight() override { return 3; }

    // ---- Backgrounds and brushes (the palette's)
    void DockControlFillBackground(TovDockControl* ADock, HDC ADC, const TRect& ADestRect,
                                   const TRect& AOrigin, TColor AColor, HBRUSH ABrush) override;
    bool UsesNativeBackground() override { return true; }
    bool BarControlHasShadow(TCustomovBarControl* ABarControl) override;
    HBRUSH BarControlOwnerLinkBrush(TCustomovBarControl* ABarControl) override;
    void BarDrawDockBackground(TovBarControl* ABarControl, HDC ADC, const TRect& ADestRect,
                               const TRect& AClipRect) override;
    void BarDrawBackground(TovBarControl* ABarControl, HDC ADC, const TRect& ADestRect,
                           const TRect& AClipRect, HBRUSH ABrush) override;
    void DrawOwnerEdge(TCustomovBarControl* ABarControl, HDC ADC) override;
    HBRUSH BarToolbarBrush(TCustomovBarControl* ABarControl) override;
    HBRUSH BarDownedBrush(TCustomovBarControl* ABarControl) override;
    HBRUSH BarDownedSelBrush(TCustomovBarControl* ABarControl) override;
    HBRUSH BarSelBrush(TCustomovBarControl* ABarControl) override;
    int GetComboBoxArrowWidth(TCustomovBarControl* ABarControl, int AZeroWidth) override { return 13; }

    // ---- Toolbars, floating bars, marks
    void BarDockedBorderSizes(TovBar* ABar, TovBarDockingStyle ADockingStyle, TRect& R) override;
    void BarDrawSeparator(TCustomovBarControl* ABarControl, HDC ADC, bool AHorizontal, HBRUSH ABrush,
                          TRect R) override;
    void BarDrawCaptionButtonBackground(TovBarControl* ABarControl, HDC ADC, int AState, TRect R) override;
    void BarDrawDockedBarBorder(TovBarControl* ABarControl, HDC ADC, TRect& R) override;
    void BarPaintFloatingFrame(TovBarControl* ABarControl, HDC ADC, const TRect& R) override;
    void BarDrawFloatingBarCaption(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                   const TRect& AWindowRect, TRect ACaptionRect) override;
    void BarGetMarkPaintRect(TovBarControl* ABarControl, TRect& R) override;
    void BarRedrawMark(TovBarControl* ABarControl) override;
    HBRUSH BarToolbarBrushAlt(TCustomovBarControl* ABarControl) override;
    void QuickCustItemDrawSelection(TovBarItemControl* AControl, HDC ADC, bool ASelected,
                                    const TRect& ACheckRect, const TRect& AItemRect) override;

    // ---- Buttons and combos
    HBRUSH GetDropDownButtonBrush(TovBarItemControl* AControl) override;
    TColor ComboGetArrowColor(TovBarItemControlDrawParams* ADrawParams) override;
    HBRUSH ComboGetButtonBrush(TovBarItemControl* AControl) override;
    void ComboDrawButtonBackground(TovBarItemControlDrawParams* ADrawParams, TRect& R,
                                   HBRUSH ABrush) override;
    void DropDownListBoxPaintFrame(HDC ADC, TColor AColor, const TRect& R) override;

    // ---- Menus
    bool SubMenuControlShowsGlyphBand() override { return true; }
    void SubMenuControlCalcExpandButtonSize(TuiCanvas* ACanvas, int ATextSize, int& AHeight,
                                            int& AWidth) override;
    int SubMenuControlDetachCaptionHeight(int ACaptionHeight) override { return ACaptionHeight + 5; }
    void SubMenuControlAdjustDetachCaptionRect(TRect& R) override;
    void SubMenuControlDrawBackground(TovBarSubMenuControl* AMenu, HDC ADC, TColor AColor, HBRUSH ABrush,
                                      const TRect& R) override;
    void SubMenuControlDrawBorder(TovBarSubMenuControl* AMenu, HDC ADC, TRect R) override;
    void SubMenuControlDrawInnerBorder(TovBarSubMenuControl* AMenu, HDC ADC, HBRUSH ABrush, TRect R) override;
    void SubMenuControlDrawDetachCaption(TovBarSubMenuControl* AMenu, HDC ADC, const TRect& R) override;
    HBRUSH SubMenuControlGetFrameBrush(TovBarSubMenuControl* AMenu) override;

    // ---- Edits, date navigator
    TColor EditGetDisabledBkColor(TovBarItemControl* AControl) override;
    TColor EditGetDisabledTextColor() override;
    void EditDrawPartBackground(TovBarItemControlDrawParams* ADrawParams, const TRect& R, int APart) override;
    void EditDrawFrame(TovBarItemControlDrawParams* ADrawParams, TRect& R) override;
    bool EditIsCaptionSelected(TovBarItemControlDrawParams* ADrawParams) override;
    bool EditIsFrameSelected(TovBarItemControlDrawParams* ADrawParams) override;
    bool EditIsButtonHot(TovBarItemControlDrawParams* ADrawParams) override;
    // Without a glyph: the menu's caption indent in menus, else the item's text indent.
    int EditGetCaptionLeftOffset(TovBarItemControlDrawParams* ADrawParams) override;
    // In menus the glyph part lies at the right end of the icon area.
    void EditGetPartOffsets(TovBarItemControlDrawParams* ADrawParams, int APart, TRect& R) override;
    void DateNavigatorDrawButton(HDC ADC, bool APressed, const std::string& ACaption, TRect R) override;
    TColor DateNavigatorGetHeaderColor() override;

    // ---- Progress, in-place sub-items, separators
    HBRUSH InPlaceSubItemGetBrush() override;
    void SeparatorDrawCaption(TovBarItemControlDrawParams* ADrawParams, const TRect& R) override;

    // ---- Added by the flat look
    void DrawButtonFrame(TovBarItemControl* AControl, HDC ADC, bool ADown, bool ASelected,
                         TovBarItemPaintType APaintType, HBRUSH ABrush, const TRect& R) override;
    // The parent bar control's background brush: items sit on the bar's gradient.
    HBRUSH GetFlatFaceBrush(TovBarItemControl* AControl) override;
    HBRUSH GetShadowBrush(TovBarItemControl* AControl, TovBarStaticBorderStyle ABorderStyle) override;
    void BarPaintOwnerFrame(TCustomovBarControl* ABarControl, HDC ADC, const TRect& R) override;
    // The link takes the end of the item's gradient the popup lies on.
    void BarPaintOwnerLink(TCustomovBarControl* ABarControl, HDC ADC, TovBarItemControl* AControl,
                           const TRect& ALinkRect, const TRect& R) override;
    TColor GetBorderColor() override;

    // ---- Added by the Office11 look
    // Grip dots filling R (across a horizontal bar when AHorizontal).
    virtual void DrawFingerElements(TCustomovBarControl* ABarControl, HDC ADC, const TRect& R,
                                    bool AHorizontal);
    virtual int GetFingerElementSize() { return 2; }

    // ---- Helpers shared with the skinned look
    // The gradient of a hot, pressed or down glyph area (and of a hot combo button): C1 at the top (left on
    // a vertically docked bar), C2 at the bottom. ASolid: C1 fills the area alone.
    struct TButtonGradient {
        TColor Color1;
        TColor Color2;
        bool Solid;
    };
    static TButtonGradient ButtonGradientColors(bool AInternalBar, bool ADown, bool APressed, bool AHot);
    // Fills R with the button gradient for the control's states.
    void FillButtonGradient(TovBarItemControl* AControl, HDC ADC, const TRect& R, bool ADown, bool APressed,
                            bool AHot);
    // The dock's two gradient colours by its Align (left: colour 1 alone, right: colour 2 alone).
    static void DockColors(TovBarDockingStyle ADockStyle, TColor& AColor1, TColor& AColor2);
    // A docked toolbar other than the main menu whose bar has a border.
    static bool IsBorderedToolbar(TovBarControl* ABarControl);

private:
    // Set only while a captioned separator draws: the face its caption band takes.
    HBRUSH FSeparatorCaptionBrush = nullptr;
    // The menus' icon band and the docked toolbars' gradient, worked out once per size and colours.
    TovOffice11GradientStrip FMenuBand;
    TovOffice11GradientStrip FToolbarGradient;
};

// The painter class of the Office11 look (the Office11 row of the painter table).
extern const TovBarPainterClass ovBarOffice11PainterClass;
