// The classic three-dimensional looks of the bars.
//
// TovBarStandardPainter: raised and sunken edges drawn with DrawEdge, a two-bar grip, embossed disabled
// content, the system's caption and MDI buttons, the checker brush behind checked items. Floating
// toolbars use the window system's small caption and close button.
//
// TovBarEnhancedPainter keeps that look with a one-bar grip, a framed toolbar mark that is raised while
// hot and sunken while pressed, and the quick-customization arrow.
//
// Both are stateless; every operation not overridden here draws as the base.
#pragma once

#include "ui/bars/painting/BarPainter.h"

struct TovBarPainterClass;

class TovBarStandardPainter : public TovBarPainter {
public:
    using TovBarPainter::TovBarPainter;

    // ---- Metrics and flags
    void ItemCaptionOffsets(TRect& R) override { R = TRect{2, 1, 2, 1}; }
    void GetItemVerticalOffsets(int& ATop, int& ABottom) override {
        ATop = 0;
        ABottom = 2;
    }
    int GetPressedGlyphOffset(TovBarItemControl* AControl) override { return 1; }
    int GetDownGlyphOffset(TovBarItemControl* AControl, bool AFlag) override { return 1; }
    int GetLoweredBorderWidth(TovBarItemControl* AControl) override { return 1; }
    int BarGripOffset() override { return 2; }
    int BarGripAreaSize(TovBarControl* ABarControl) override {
        return 2 * BarFingerWidth() + BarGripOffset() + 1;
    }
    int BarGetExtraIndent() override { return 2; }
    int BarFloatingSideIndent() override { return 4; }
    int BarFloatingTopIndent() override { return 2; }
    int BarFloatingBottomIndent() override { return 1; }
    bool BarUseSystemCloseButton() override { return true; }
    bool BarUseSystemCaption() override { return true; }
    bool BarCanQuickCustomize() override { return false; }
    bool IsBarMarkSmall(TovBarControl* ABarControl, const TRect& R) override { return false; }
    bool IsClassicCheckedLook() override { return true; }
    int SubMenuSeparatorIndent() override { return 2; }
    int SubMenuControlBorderIndent() override { return 2; }
    bool SubMenuControlUsesFrameBrush() override { return false; }
    bool SubMenuControlHasRecentSeparator() override { return true; }
    // The base offsets; a menu with a detach caption starts its items right below it.
    void SubMenuControlGetMenuContentOffsets(TovBarSubMenuControl* AMenu, TRect& R) override;
    bool ProgressRedrawOnChangeOnly() override { return true; }
    // The look-and-feel painter of the Flat style.
    TuiCustomLookAndFeelPainter* GetLookAndFeelPainter() override;

    // ---- Items: embossed dots, glyph edges, the check mark, menu entries
    void PaintDisabledShadow(TovBarItemControl* AControl, HDC ADC, const TRect& R) override;
    HBRUSH GetItemBackgroundBrush(TovBarItemControl* AControl) override;
    void PaintGlyphFrame(TovBarItemControl* AControl, HDC ADC, const TRect& R,
                         const TovItemGlyphArgs& AArgs) override;
    void PaintGlyphCheck(TovBarItemControl* AControl, HDC ADC, int AFactor, int Y, int X) override;
    void DrawButtonInMenuBackground(TovBarItemControlDrawParams* ADrawParams, const TRect& R) override;
    void EditButtonDrawFrame(TovBarItemControl* AControl, HDC ADC, bool APressed, bool ASelected,
                             bool AEnabled, TRect& R) override;
    void DrawDropDownButtonBackground(TovBarItemControlDrawParams* ADrawParams, TRect R,
                                      HBRUSH ABrush) override;
    void ComboDrawButtonBackground(TovBarItemControlDrawParams* ADrawParams, TRect& R,
                                   HBRUSH ABrush) override;
    void DropDownListBoxPaintFrame(HDC ADC, TColor AColor, const TRect& R) override;
    // The lines that set the non-recent entries of a personalised menu apart.
    void SubMenuControlPaintItemFrame(TovBarSubMenuControl* AMenu, TovBarItemControl* AControl, HDC ADC,
                                      const TRect& R) override;

    // ---- Toolbars: border and grip, floating frame, close button, mark, MDI buttons
    void BarDrawDockedBarBorder(TovBarControl* ABarControl, HDC ADC, TRect& R) override;
    void BarPaintFloatingFrame(TovBarControl* ABarControl, HDC ADC, const TRect& R) override;
    void BarDrawCloseButton(TovBarControl* ABarControl, HDC ADC, const TRect& R) override;
    void BarGetMarkRect(TovBarControl* ABarControl, TRect& R) override;
    // A floating caption's text follows the mark at its left end.
    void BarShiftFloatingCaption(TovBarControl* ABarControl, int& X, TRect& R) override;
    void BarDrawMarkBackground(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush, const TRect& R) override;
    void BarDrawMarkChevrons(TovBarControl* ABarControl, HDC ADC, int AOffset, bool ASmall) override;
    void BarPaintMDIButton(TovBarControl* ABarControl, HDC ADC, const TRect& R, int AButton,
                           int AState) override;

protected:
    // One raised grip bar across R: the bar's edge, its inside in the button face, the bar kept out of
    // later drawing. AHighlightCorner: the corner pixel that continues the light side of the edge.
    static void DrawGripBar(HDC ADC, const TRect& R, bool AHorizontalBar, bool AHighlightCorner);
    // The toolbar's inner rectangle after its raised border.
    static void DrawRaisedBorder(HDC ADC, TRect& R);
};

class TovBarEnhancedPainter : public TovBarStandardPainter {
public:
    using TovBarStandardPainter::TovBarStandardPainter;

    int BarGripOffset() override { return 1; }
    int BarGripAreaSize(TovBarControl* ABarControl) override {
        return BarFingerWidth() + BarGripOffset() + 2;
    }
    int SubMenuSeparatorIndent() override { return 12; }
    bool BarCanQuickCustomize() override { return true; }
    void BarDrawDockedBarBorder(TovBarControl* ABarControl, HDC ADC, TRect& R) override;
    void BarDrawMarkChevrons(TovBarControl* ABarControl, HDC ADC, int AOffset, bool ASmall) override;
    void BarDrawMarkBackground(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush, const TRect& R) override;
};

// The painter classes of the Standard and Enhanced rows of the painter table.
extern const TovBarPainterClass ovBarStandardPainterClass;
extern const TovBarPainterClass ovBarEnhancedPainterClass;
