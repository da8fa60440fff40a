// TovBarFlatPainter: the flat look of the bars. No 3-D edges: hot and pressed elements get a one-pixel
// highlight frame and the manager's flat brushes (face, frame, hot, checked, checked-hot); menus have a
// coloured icon column; a drop-down joins the item that opened it through an open edge in the frame. The
// Office11 and skinned looks are built on it. Every operation not overridden here draws as the base.
//
// One shared instance (BarFlatPainter) serves painters and forms that borrow flat drawings; the bar
// unit frees it at shut-down.
#pragma once

#include "ui/bars/painting/BarPainter.h"

struct TovBarPainterClass;

class TovBarFlatPainter : public TovBarPainter {
public:
    using TovBarPainter::TovBarPainter;

    // ---- Glyph decorations, selection frame, text and look flags
    void PaintGlyphFrame(TovBarItemControl* AControl, HDC ADC, const TRect& R,
                         const TovItemGlyphArgs& AArgs) override;
    void PaintGlyphCheck(TovBarItemControl* AControl, HDC ADC, int AFactor, int Y, int X) override;
    // A one-pixel highlight frame (highlight text under a black high-contrast scheme).
    void FrameSelRect(HDC ADC, const TRect& R) override;
    TColor BarCaptionColor(TovBarControl* ABarControl, bool AActive) override;
    TColor BarMarkArrowColor(TovBarControl* ABarControl, int AMarkState) override;
    void BarDrawMarkBackground(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush, const TRect& R) override;
    void BarShiftFloatingCaption(TovBarControl* ABarControl, int& X, TRect& R) override;
    int MarkElementColor(TovBarControl* ABarControl) override;

    // ---- Menus: recent-group border, expand mark, look-and-feel, part layout
    void SubMenuControlDrawRecentGroupBorder(TovBarSubMenuControl* AMenu, TuiCanvas* ACanvas, const TRect& R,
                                             bool ABottom) override {}
    void SubMenuControlPaintMarkHighlight(TovBarSubMenuControl* AMenu, HDC ADC, const TRect& R) override;
    void SpinEditDrawArrow(TovBarItemControlDrawParams* ADrawParams, const TPoint& APosition,
                           int AButton) override;
    TColor PopupPanelBorderColor() override { return clBtnShadow; }
    // The look-and-feel painter of the UltraFlat style.
    TuiCustomLookAndFeelPainter* GetLookAndFeelPainter() override;
    void SpinEditCalcParts(TovBarItemControlDrawParams* ADrawParams, std::vector<TRect>& AParts,
                           const TRect& R) override;

    // ---- Metrics
    int BarGetExtraIndent() override { return 1; }
    int GetSubItemArrowIndent(TovBarItemControlDrawParams* ADrawParams) override;
    void DrawButtonInMenuBackground(TovBarItemControlDrawParams* ADrawParams, const TRect& R) override;
    void PaintLoweredFrame(HDC ADC, TRect& R) override;
    void EditButtonDrawFrame(TovBarItemControl* AControl, HDC ADC, bool APressed, bool ASelected,
                             bool AEnabled, TRect& R) override;
    HBRUSH GetItemBackgroundBrush(TovBarItemControl* AControl) override;
    bool IsGlyphBackgroundTransparent() override { return true; }
    bool IsFlatStyle() override { return true; }
    bool UseGlyphBackgroundBrush(TovBarItemControl* AControl, bool ANoGlyph, bool ADown, bool APressed,
                                 bool ASelected) override;
    bool UseGlyphShadow() override { return true; }
    int GetLoweredBorderWidth(TovBarItemControl* AControl) override { return 1; }
    int GetMenuCaptionOffset(TovBarItemControlDrawParams* ADrawParams) override;
    int BarGripOffset() override { return 1; }
    int BarGripAreaSize(TovBarControl* ABarControl) override {
        return BarFingerWidth() + BarGripOffset() + 2;
    }
    int GetButtonArrowWidth(TovBarManager* AManager) override;
    int GetLargeButtonArrowWidth(TovBarManager* AManager) override;
    int SubMenuSeparatorIndent() override { return 8; }

    // ---- Backgrounds and brushes (the manager's flat brushes)
    bool BarControlIsFlat(TCustomovBarControl* ABarControl) override { return true; }
    HBRUSH BarToolbarBrush(TCustomovBarControl* ABarControl) override;
    HBRUSH BarToolbarBrushEx(TCustomovBarControl* ABarControl) override;
    HBRUSH BarDownedBrush(TCustomovBarControl* ABarControl) override;
    HBRUSH BarDownedSelBrush(TCustomovBarControl* ABarControl) override;
    HBRUSH BarSelBrush(TCustomovBarControl* ABarControl) override;

    // ---- Toolbars, floating bars, marks
    int BarSeparatorOffset() override { return (BarSeparatorSize() - 1) / 2; }
    int BarSeparatorSize() override { return 5; }
    void BarDrawSeparator(TCustomovBarControl* ABarControl, HDC ADC, bool AHorizontal, HBRUSH ABrush,
                          TRect R) override;
    void BarDrawCloseButton(TovBarControl* ABarControl, HDC ADC, const TRect& R) override;
    void BarDrawDockedBarBorder(TovBarControl* ABarControl, HDC ADC, TRect& R) override;
    void BarPaintFloatingFrame(TovBarControl* ABarControl, HDC ADC, const TRect& R) override;
    void BarDrawCaptionMark(TovBarControl* ABarControl, HDC ADC, const TRect& R) override;
    void BarPaintMDIButton(TovBarControl* ABarControl, HDC ADC, const TRect& R, int AButton,
                           int AState) override;
    HBRUSH BarToolbarBrushAlt(TCustomovBarControl* ABarControl) override;
    void QuickCustItemCalcCheckRect(TovBarItemControl* AControl, HDC ADC, bool AChecked, int& ARight,
                                    TRect& R) override;
    void QuickCustItemDrawSelection(TovBarItemControl* AControl, HDC ADC, bool ASelected,
                                    const TRect& ACheckRect, const TRect& AItemRect) override;
    bool QuickCustUseFlatLook() override { return true; }

    // ---- Buttons and combos
    HBRUSH GetDropDownButtonBrush(TovBarItemControl* AControl) override;
    void AdjustMenuItemHeight(int& AHeight) override { AHeight += 2; }
    void AdjustMenuItemWidth(int& AWidth) override { AWidth += 9; }
    void DrawDropDownButtonBackground(TovBarItemControlDrawParams* ADrawParams, TRect R,
                                      HBRUSH ABrush) override;
    TColor ComboGetArrowColor(TovBarItemControlDrawParams* ADrawParams) override;
    HBRUSH ComboGetButtonBrush(TovBarItemControl* AControl) override;
    void ComboDrawButtonBackground(TovBarItemControlDrawParams* ADrawParams, TRect& R,
                                   HBRUSH ABrush) override;

    // ---- Menus
    int SubMenuControlItemIndent() override { return 1; }
    int SubMenuControlSeparatorHeight() override { return 5; }
    void SubMenuControlCalcExpandButtonSize(TuiCanvas* ACanvas, int ATextSize, int& AHeight,
                                            int& AWidth) override;
    int SubMenuControlDetachCaptionHeight(int ACaptionHeight) override { return ACaptionHeight + 1; }
    int SubMenuControlGetMarkSize(int AHeight) override;
    int GetBaseTextSize() override { return 20; }
    TRect SubMenuControlItemGlyphRect(const TRect& R, int AIconAreaSize) override;
    TRect SubMenuControlItemCaptionRect(TovBarSubMenuControl* AMenu, const TRect& R) override;
    int SubMenuControlItemCaptionIndent(TovBarSubMenuControl* AMenu) override;
    void SubMenuControlGetBeginGroupRect(TovBarSubMenuControl* AMenu, TovBarItemControl* AControl, TRect& R,
                                         const TRect& AItemRect) override;
    void SubMenuControlAdjustDetachCaptionRect(TRect& R) override;
    void SubMenuControlDrawBorder(TovBarSubMenuControl* AMenu, HDC ADC, TRect R) override;
    void SubMenuControlDrawInnerBorder(TovBarSubMenuControl* AMenu, HDC ADC, HBRUSH ABrush, TRect R) override;
    void SubMenuControlDrawDetachCaption(TovBarSubMenuControl* AMenu, HDC ADC, const TRect& R) override;
    void SubMenuControlDrawBeginGroup(TovBarSubMenuControl* AMenu, TovBarItemControl* AControl, TRect R,
                                      HDC ADC) override;
    void SubMenuControlPaintSeparator(HDC ADC, const TRect& R) override;
    int SubMenuControlGetTextSize(TuiCanvas* ACanvas) override;
    HBRUSH SubMenuControlGetFrameBrush(TovBarSubMenuControl* AMenu) override;

    // ---- Edits, colour combos, date navigator, spin edits
    void ComboDrawListItem(TuiCanvas* ACanvas, const std::string& AText, bool AInInterior,
                           const TRect& R) override;
    void EditGetContentOffsets(TovBarItemPaintType APaintType, TRect& R) override { R = TRect{1, 1, 1, 1}; }
    void EditDrawFrame(TovBarItemControlDrawParams* ADrawParams, TRect& R) override;
    void EditDrawSelectionFrame(TovBarItemControlDrawParams* ADrawParams, HDC ADC, const TRect& R) override;
    bool EditIsFrameSelected(TovBarItemControlDrawParams* ADrawParams) override;
    int EditGetMenuCaptionOffset(TovBarItemControlDrawParams* ADrawParams) override;
    int EditGetCaptionOffset() override { return 6; }
    int EditGetCaptionRightOffset() override { return 5; }
    void EditGetMenuGlyphOffsets(TRect& R) override { R = TRect{7, 0, 0, 0}; }
    HBRUSH EditGetBkBrush(TovBarItemControl* AControl) override;
    bool EditIsGlyphSelected(TovBarItemControlDrawParams* ADrawParams) override;
    bool EditIsMenuSelectedLook(TovBarItemPaintType APaintType, bool ASelected) override {
        return ASelected && APaintType == iptMenu;
    }
    bool DateNavigatorIsFlat() override { return true; }
    void DateNavigatorDrawButton(HDC ADC, bool APressed, const std::string& ACaption, TRect R) override;
    void SpinEditDrawButton(TovBarItemControlDrawParams* ADrawParams, TRect R, int AButton) override;

    // ---- Progress, container, in-place sub-items, statics
    bool ProgressRedrawOnChangeOnly() override { return true; }
    int ContainerGetIndent() override { return 9; }
    bool InPlaceSubItemIsTextSelected(TovBarItemControlDrawParams* ADrawParams) override;
    bool InPlaceSubItemIsArrowSelected(TovBarItemControlDrawParams* ADrawParams) override;
    void StaticDrawBorder(TovBarStaticLikeControlDrawParams* ADrawParams, TRect& R) override;

    // ---- Added by the flat look
    // The frame of a drop-down part: the parent's background when idle, the selection frame when hot or
    // outside menus, a shadow frame for a menu entry that is down.
    virtual void DrawButtonFrame(TovBarItemControl* AControl, HDC ADC, bool ADown, bool ASelected,
                                 TovBarItemPaintType APaintType, HBRUSH ABrush, const TRect& R);
    virtual HBRUSH GetFlatFaceBrush(TovBarItemControl* AControl);
    virtual HBRUSH GetShadowBrush(TovBarItemControl* AControl, TovBarStaticBorderStyle ABorderStyle);
    // The popup border, then the inside filled with the bar control's owner brush.
    virtual void DrawPopupBorderAndBackground(TCustomovBarControl* ABarControl, HDC ADC,
                                              TCustomovBarControl* APopup, const TRect& R);
    // R framed in the flat frame colour, left open where APopup (when shown) meets its owner.
    virtual void DrawPopupBorder(TCustomovBarControl* ABarControl, HDC ADC, TCustomovBarControl* APopup,
                                 TovBarItemControl* AControl, const TRect& R);
    virtual void BarPaintOwnerFrame(TCustomovBarControl* ABarControl, HDC ADC, const TRect& R);
    // ALinkRect filled with the owner brush and kept out of the clip region.
    virtual void BarPaintOwnerLink(TCustomovBarControl* ABarControl, HDC ADC, TovBarItemControl* AControl,
                                   const TRect& ALinkRect, const TRect& R);
    virtual TColor GetBorderColor();

protected:
    // The manager's frame brush of menus, popups and floating bars (the shadow colour without a manager).
    static HBRUSH FlatFrameBrushOf(TCustomovBarControl* ABarControl);
    // Fills R with the brush unless R is empty.
    static void FillPart(HDC ADC, const TRect& R, HBRUSH ABrush);
};

// The painter class of the flat look (the Flat row of the painter table).
extern const TovBarPainterClass ovBarFlatPainterClass;

// The process-wide flat painter, made on first use; freed by the bar unit at shut-down.
TovBarFlatPainter* BarFlatPainter();
void FreeBarFlatPainter();
