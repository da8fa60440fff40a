// TovBarXPPainter: the bars drawn with the system's visual styles. Every themed element is a part and
// state of a theme class ("ToolBar", "Rebar", "Window", "Status", "Edit", "ComboBox", "Spin", "Progress",
// "ScrollBar") drawn through the theme binding; what has no themed part borrows the Flat look (check mark,
// floating frame, combo list entries). The manager chooses it only while visual styles are available,
// which on our platform they never are: the themed branches are exercised through a test theme.
//
// Its metrics come from theme queries made when a painter is created and are shared by all XP painters;
// a query that fails leaves the value the classic looks use. Button-like controls fade between the
// pictures this painter draws (IovBarFadingPainter). The base painter calls its class-level routines for
// status bars and size grips whenever a painter reports a native background and themes are available.
#pragma once

#include "ui/bars/painting/BarPainter.h"
#include "ui/bars/painting/BarPainterInterfaces.h"

struct TovBarPainterClass;

// The metrics of the themed look, read from the theme when an XP painter is created.
struct TovBarXPThemeMetrics {
    int SeparatorSize = 6;
    TSize CaptionButtonSize{0, 0};
    int ItemIndent = 6;
    // -1: the theme gave nothing, the base rule applies.
    int ComboArrowWidth = -1;
    TRect EditContentOffsets{2, 2, 2, 2};
    int FingerWidth = 3;
    int ProgressHeight = 12;
    // -1: the theme gave nothing; menus and separators keep their own heights.
    int BeginGroupSize = -1;
    TSize SizeGripSize{0, 0};
};

class TovBarXPPainter : public TovBarPainter, public IovBarFadingPainter {
public:
    // Reads the theme metrics again (after the base).
    explicit TovBarXPPainter(TuiLookAndFeelPainterBase* ASkinPainter = nullptr);
    ~TovBarXPPainter() override;

    // The metrics the last XP painter read.
    static const TovBarXPThemeMetrics& ThemeMetrics();

    // ---- Class-level routines for status bars and size grips
    // The status background is themed into the bar control's cache while the cache is empty, then copied.
    static void DrawThemedStatusBarBackground(TCustomovBarControl* ABarControl, HDC ADC, const TRect& R,
                                              const TPoint& AOrigin, const TRect& ADest);
    static void DrawThemedSizeGrip(TCustomovBarControl* ABarControl, HDC ADC, const TRect& R);
    static void GetThemedSizeGripSize(TCustomovBarControl* ABarControl, TSize& ASize);

    // ---- IovBarFadingPainter
    bool FadingImagesNeedOpaque() override { return true; }
    void DrawItemControlFadeImage(TovBarItemControl* AControl, TuiCanvas* ACanvas, const TRect& R) override;
    void DrawBarMarkFadeImage(TovBarControl* ABarControl, HDC ADC, const TRect& R, int AState) override;

    // ---- Flags, glyphs and look-and-feel
    bool NeedDoubleBuffer() override { return true; }
    void PaintGlyphFrame(TovBarItemControl* AControl, HDC ADC, const TRect& R,
                         const TovItemGlyphArgs& AArgs) override;
    void PaintGlyphCheck(TovBarItemControl* AControl, HDC ADC, int AFactor, int Y, int X) override;
    bool GetMakeDisabledImagesFaded(TCustomovBarControl* ABarControl) override { return true; }
    bool IsSelectedWithoutPressShift(TovBarItemControl* AControl) override;
    void DrawEllipsisDot(TovBarItemControlDrawParams* ADrawParams, const TRect& R) override;
    // The look-and-feel painter of the native style.
    TuiCustomLookAndFeelPainter* GetLookAndFeelPainter() override;
    void DrawButtonInMenuBackground(TovBarItemControlDrawParams* ADrawParams, const TRect& R) override;
    HBRUSH GetItemBackgroundBrush(TovBarItemControl* AControl) override;
    int GetPressedGlyphOffset(TovBarItemControl* AControl) override { return 1; }
    // A down glyph moves by one pixel, and no further when it is also pressed.
    int GetDownGlyphOffset(TovBarItemControl* AControl, bool AFlag) override;
    bool IsGlyphBackgroundTransparent() override { return true; }
    bool QuickCustUseFlatLook() override { return true; }
    bool IsArrowFlat() override { return true; }

    // ---- Metrics
    int BarGripOffset() override { return 0; }
    int BarGripAreaSize(TovBarControl* ABarControl) override {
        return BarFingerWidth() + BarGripOffset() + 2;
    }
    int BarFingerWidth() override;
    int GetButtonArrowWidth(TovBarManager* AManager) override;
    int GetLargeButtonArrowWidth(TovBarManager* AManager) override;
    int GetComboBoxArrowWidth(TCustomovBarControl* ABarControl, int AZeroWidth) override;
    int BarSeparatorOffset() override { return (BarSeparatorSize() - 1) / 2; }
    int BarSeparatorSize() override;
    int BarBorderWidth() override { return 0; }
    TSize BarCaptionButtonSize() override;
    int GetItemHeightIndent() override;
    int GetItemWidthIndent() override { return GetItemHeightIndent(); }
    void AdjustMenuItemHeight(int& AHeight) override { AHeight += 1; }
    int ComboGetButtonIndent() override { return 0; }
    int SubMenuControlItemIndent() override { return 1; }
    int SubMenuControlSeparatorHeight() override;
    int SubMenuControlDetachCaptionHeight(int ACaptionHeight) override { return ACaptionHeight + 1; }
    int GetPopupPanelHeight() override;
    int ProgressGetHeight() override;
    int SeparatorGetLineHeight() override;

    // ---- Backgrounds and brushes
    void DockControlFillBackground(TovDockControl* ADock, HDC ADC, const TRect& ADestRect,
                                   const TRect& AOrigin, TColor AColor, HBRUSH ABrush) override;
    bool UsesNativeBackground() override { return true; }
    // The toolbar face in the theme's fill colour.
    HBRUSH BarToolbarBrush(TCustomovBarControl* ABarControl) override;
    HBRUSH BarToolbarBrushEx(TCustomovBarControl* ABarControl) override {
        return BarToolbarBrush(ABarControl);
    }
    HBRUSH BarDownedBrush(TCustomovBarControl* ABarControl) override;
    HBRUSH BarDownedSelBrush(TCustomovBarControl* ABarControl) override;
    HBRUSH BarSelBrush(TCustomovBarControl* ABarControl) override;

    // ---- Toolbars, floating bars, marks
    void BarPaintCaptionBackground(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                   const TRect& R) override;
    bool BarIsCaptionBackgroundFilled() override { return true; }
    void BarDrawSeparator(TCustomovBarControl* ABarControl, HDC ADC, bool AHorizontal, HBRUSH ABrush,
                          TRect R) override;
    void BarDrawCloseButton(TovBarControl* ABarControl, HDC ADC, const TRect& R) override;
    void BarDrawDockedBarBorder(TovBarControl* ABarControl, HDC ADC, TRect& R) override;
    void BarPaintFloatingFrame(TovBarControl* ABarControl, HDC ADC, const TRect& R) override;
    void BarPaintMDIButton(TovBarControl* ABarControl, HDC ADC, const TRect& R, int AButton,
                           int AState) override;
    void BarDrawMarkBackground(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush, const TRect& R) override;
    void BarShiftFloatingCaption(TovBarControl* ABarControl, int& X, TRect& R) override;

    // ---- Buttons and combos
    void DrawDropDownButtonArrow(TovBarItemControlDrawParams* ADrawParams, TRect R) override;
    void DrawDropDownButtonBackground(TovBarItemControlDrawParams* ADrawParams, TRect R,
                                      HBRUSH ABrush) override;
    void DrawComboDropDownButton(TovBarItemControlDrawParams* ADrawParams, TRect R) override;

    // ---- Menus
    void SubMenuControlGetBeginGroupRect(TovBarSubMenuControl* AMenu, TovBarItemControl* AControl, TRect& R,
                                         const TRect& AItemRect) override;
    void SubMenuControlAdjustDetachCaptionRect(TRect& R) override;
    void SubMenuControlDrawBorder(TovBarSubMenuControl* AMenu, HDC ADC, TRect R) override;
    void SubMenuControlDrawInnerBorder(TovBarSubMenuControl* AMenu, HDC ADC, HBRUSH ABrush, TRect R) override;
    void SubMenuControlDrawBeginGroup(TovBarSubMenuControl* AMenu, TovBarItemControl* AControl, TRect R,
                                      HDC ADC) override;
    void SubMenuControlPaintSeparator(HDC ADC, const TRect& R) override;
    HBRUSH SubMenuControlGetFrameBrush(TovBarSubMenuControl* AMenu) override;

    // ---- Edits, colour combos, ellipsis buttons, date navigator, spin edits
    TColor EditGetDefaultBkColor() override;
    TColor EditGetDisabledBkColor(TovBarItemControl* AControl) override;
    TColor EditGetDefaultTextColor() override;
    TColor EditGetDisabledTextColor() override;
    void ComboDrawListItem(TuiCanvas* ACanvas, const std::string& AText, bool AInInterior,
                           const TRect& R) override;
    void EditGetContentOffsets(TovBarItemPaintType APaintType, TRect& R) override;
    void EditDrawFrame(TovBarItemControlDrawParams* ADrawParams, TRect& R) override;
    bool EditIsFrameSelected(TovBarItemControlDrawParams* ADrawParams) override;
    int EditGetCaptionOffset() override { return 6; }
    int EditGetCaptionRightOffset() override { return 5; }
    void EditGetMenuGlyphOffsets(TRect& R) override { R = TRect{5, 0, 0, 0}; }
    int ColorComboGetDotOffset(int ADotSize) override { return 2 * ADotSize; }
    void ColorComboGetButtonOffsets(TRect& R) override { R = TRect{1, 1, 1, 1}; }
    void DrawEllipsisButton(TovBarItemControlDrawParams* ADrawParams, TRect R) override;
    void ColorComboDrawSeparator(TovBarItemControlDrawParams* ADrawParams, const TRect& R) override;
    bool DateNavigatorIsFlat() override { return true; }
    void DateNavigatorDrawButton(HDC ADC, bool APressed, const std::string& ACaption, TRect R) override;
    void SpinEditGetButtonsOffsets(TRect& R) override { R = TRect{0, 0, 0, 0}; }
    void SpinEditDrawButton(TovBarItemControlDrawParams* ADrawParams, TRect R, int AButton) override;

    // ---- Progress bars
    TColor ProgressGetBarColor() override;
    // The blocks go into the themed bar's content rectangle.
    void ProgressDraw(TovBarProgressControlDrawParams* ADrawParams, const TRect& R, TColor AColor) override;
    void ProgressDrawBackground(TovBarProgressControlDrawParams* ADrawParams, const TRect& R) override;
    void ProgressDrawBlocks(TovBarProgressControlDrawParams* ADrawParams, const TRect& R,
                            HBRUSH ABrush) override;

protected:
    // The themed face of a button: the toolbar's button or split-button part in the state of the flags,
    // or the highlight of a hot main-menu item; a menu entry that shows a check mark keeps Brush.
    void PaintThemedButtonFace(TovBarItemControl* AControl, HDC ADC, bool ASplit, bool ADroppedDown,
                               bool ADropDownPressed, bool ADown, bool ASelected, bool ACheckMark,
                               TovBarItemPaintType APaintType, const TRect& R, HBRUSH ABrush);

private:
    HBRUSH FToolbarBrush = nullptr;
};

// The painter class of the XP row of the painter table.
extern const TovBarPainterClass ovBarXPPainterClass;
