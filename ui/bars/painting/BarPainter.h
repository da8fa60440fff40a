// TovBarPainter: the drawing object of everything the bar controls of one bar manager show — toolbars
// with their borders, grips, captions, marks and separators; menus with their bands, separators, scroll
// buttons and detach caption; every kind of item control; hints and screen tips. Bar and item controls own
// no drawing code: they compute their state into draw params and call the painter.
//
// A painter holds no state: every operation takes what it draws from its arguments, so one instance
// serves every bar control of a manager. The operations are in the order of the painter's operation
// table; each look (Standard, Enhanced, Flat, Office11, themed, skinned) overrides a subset. The base draws
// backgrounds, text and glyphs, and leaves borders, grips, marks, frames and close buttons to the looks:
// an operation listed as empty draws nothing here.
//
// Brushes passed in belong to somebody else (a bar control, the manager, the system); a painter frees only
// what it creates. Rectangles are in the coordinates of the device context or canvas passed in.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"
#include "ui/bars/BarTypes.h"
#include "ui/bars/itemcontrols/ItemControlTypes.h"
#include "ui/core/base/CoreClasses.h"

#include <memory>
#include <string>
#include <vector>

class TBitmap;
class TComponent;
class TCustomImageList;
class TFont;
class TObject;
class TuiCanvas;
class TuiCustomLookAndFeelPainter;
class TuiLookAndFeel;
class TuiLookAndFeelPainterBase;
class TCustomovBarControl;
class TovBarControl;
class TovBarSubMenuControl;
class TovDockControl;
class TovBarItemControl;
class TovBarCustomHintViewInfo;
class TovBarItemControlDrawParams;
class TovBarProgressControlDrawParams;
class TovBarStaticLikeControlDrawParams;

// What a glyph is drawn with: its area, the view it belongs to and the states it is drawn in.
struct TovItemGlyphArgs {
    TRect Area{0, 0, 0, 0};
    TovBarItemViewSize ViewSize = ivsSmall;
    TovBarItemViewStructure ViewStructure;
    TovBarItemPaintType PaintType = iptHorizontal;
    bool GrayScale = false;
    bool DroppedDown = false;
    bool Pressed = false;
    bool Down = false;
    bool Selected = false;
    // The item shows no glyph: a checked item in a menu gets the check mark instead.
    bool NoGlyph = false;
    bool InMenu = false;
    // A one-pixel border around the glyph when there is room for it.
    bool Border = true;
    bool HasFadeRect = false;
    TRect FadeRect{0, 0, 0, 0};
};

// Placements of a caption relative to the glyph: left, centre, right.
constexpr int ovCaptionLeft = 0;
constexpr int ovCaptionCentre = 1;
constexpr int ovCaptionRight = 2;

class TovBarPainter : public TuiIUnknownObject {
public:
    // ASkinPainter: the look-and-feel's skin painter (none here); the base ignores it.
    explicit TovBarPainter(TuiLookAndFeelPainterBase* ASkinPainter = nullptr);
    ~TovBarPainter() override;

    // ---- Bar control frame and background
    virtual void DrawBarControlBackground(TCustomovBarControl* ABarControl, HDC ADC);
    virtual void DrawBarControlNonClient(TCustomovBarControl* ABarControl, HDC ADC) {}
    virtual void GetBarCaptionRect(TovBar* ABar, const TRect& AWindowRect, TRect& R);
    virtual bool HasCustomBackground() { return false; }
    virtual bool NeedDoubleBuffer() { return false; }
    virtual bool AllowLargeIcons() { return true; }

    // ---- Glyph decorations and arrows
    // R: the glyph area with its border ring when AArgs.Border says it has one.
    virtual void PaintGlyphFrame(TovBarItemControl* AControl, HDC ADC, const TRect& R,
                                 const TovItemGlyphArgs& AArgs) {}
    virtual void PaintGlyphCheck(TovBarItemControl* AControl, HDC ADC, int AFactor, int Y, int X) {}
    virtual void DrawCheckMark(TovBarItemControl* AControl, HDC ADC, bool AChecked,
                               TovBarItemPaintType APaintType, const TRect& R);
    virtual void DrawDropDownArrow(HDC ADC, const TRect& R, TColor AColor, bool AFlat, bool ASelected,
                                   bool AEnabled, int ADirection);
    virtual void DrawArrow(HDC ADC, const TRect& R, TColor AColor, bool AFlat, bool AEnabled, bool ASelected,
                           int ASize, int ADirection);
    virtual void FrameSelRect(HDC ADC, const TRect& R) {}

    // ---- Text colours and look flags
    virtual TColor GetTextColor(TovBarItemControl* AControl, bool ASelected, bool AFlat);
    virtual void GetTextColors(TovBarItemControl* AControl, bool AEnabled, TColor& ATextColor,
                               TColor& AShadowColor, bool ASelected, bool AFlat);
    virtual void DisabledTextColorPair(TovBarItemControl* AControl, bool ASelected, TColor& ATextColor,
                                       TColor& AShadowColor, bool AFlat);
    virtual TColor GetEnabledTextColor(TovBarItemControl* AControl, bool ASelected, bool AFlat);
    virtual TColor GetItemTextColor(TovBarItemControlDrawParams* ADrawParams);
    virtual bool GetMakeDisabledImagesFaded(TCustomovBarControl* ABarControl);
    virtual bool IsClassicCheckedLook() { return false; }
    virtual bool NonRecentItemsUseMenuBrush() { return false; }
    // The painter draws the pictures item controls fade between (IovBarFadingPainter).
    virtual bool IsFadingAvailable();
    virtual bool IsSelectedWithoutPressShift(TovBarItemControl* AControl) { return false; }
    virtual bool KeepTextColorWhenSelected(TovBarItemControlDrawParams* ADrawParams) { return false; }

    // ---- Hints
    virtual void CalcHintPosition(TCustomovBarControl* ABarControl, const TRect& R, TPoint& P,
                                  const TPoint& ACursorPos, int AHintHeight);
    // A plain hint for the manager at the mouse cursor; the base ignores AScreenTip.
    virtual std::unique_ptr<TovBarCustomHintViewInfo> CreateHintViewInfo(TovBarManager* AManager,
                                                                         const std::string& AHint,
                                                                         const std::string& AShortCut,
                                                                         TComponent* AScreenTip);
    virtual bool GetHintOption() { return true; }

    // ---- Toolbar mark and caption colours
    virtual bool IsBarMarkSmall(TovBarControl* ABarControl, const TRect& R);
    virtual TColor BarCaptionColor(TovBarControl* ABarControl, bool AActive);
    virtual TColor BarCaptionTextColor(TovBarControl* ABarControl);
    virtual TColor BarMarkArrowColor(TovBarControl* ABarControl, int AMarkState);
    virtual void BarDrawSizeGrip(TCustomovBarControl* ABarControl, HDC ADC, HBRUSH ABrush, const TRect& R);
    virtual void BarDrawMarkArrow(TovBarControl* ABarControl, HDC ADC, const TRect& R);
    virtual void BarDrawMarkChevrons(TovBarControl* ABarControl, HDC ADC, int AOffset, bool ASmall);
    virtual void BarDrawMarkBackground(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush, const TRect& R) {}
    virtual void BarDrawMarkElements(TovBarControl* ABarControl, HDC ADC, const TRect& R);
    virtual void BarShiftFloatingCaption(TovBarControl* ABarControl, int& X, TRect& R);
    // A system colour index.
    virtual int MarkElementColor(TovBarControl* ABarControl);

    // ---- Captions in buttons
    virtual void DrawCaption(TovBarItemControlDrawParams* ADrawParams, const TRect& R, UINT AFormat,
                             int AAlignment);
    virtual void CalcButtonTextRect(TovBarItemControlDrawParams* ADrawParams, const TRect& AGlyphRect,
                                    int& APlacement, TRect& ATextRect);
    virtual void GetButtonCaptionOffsets(TRect& R) { R = TRect{4, 0, 0, 0}; }
    virtual void CalcCaptionRect(TovBarItemControlDrawParams* ADrawParams, TRect& R);
    virtual TovBarGlyphLayout GetGlyphLayout(TovBarItemControlDrawParams* ADrawParams);
    virtual void AdjustButtonContentLeft(TovBarItemControlDrawParams* ADrawParams, int& ALeft);

    // ---- Ellipsis and edit-button arrows
    virtual void DrawEllipsisDot(TovBarItemControlDrawParams* ADrawParams, const TRect& R);
    virtual void DrawEllipsis(TovBarItemControlDrawParams* ADrawParams, const TRect& R);
    virtual void DrawEditButtonArrow(TovBarItemControlDrawParams* ADrawParams, const TRect& R, TColor AColor,
                                     int ASize);

    // ---- Menu scroll buttons and expand mark
    virtual void SubMenuControlPaintScrollArrowFill(TuiCanvas* ACanvas, const TRect& R, TColor AColor);
    virtual void SubMenuControlDrawScrollArrow(TovBarSubMenuControl* AMenu, TuiCanvas* ACanvas,
                                               const TRect& R, bool ABottom);
    virtual void SubMenuControlDrawScrollButton(TovBarSubMenuControl* AMenu, TuiCanvas* ACanvas,
                                                bool ABottom);
    virtual void SubMenuControlDrawScrollButtonBackground(TovBarSubMenuControl* AMenu, TuiCanvas* ACanvas,
                                                          const TRect& R, bool ABottom);
    virtual void SubMenuControlDrawRecentGroupBorder(TovBarSubMenuControl* AMenu, TuiCanvas* ACanvas,
                                                     const TRect& R, bool ABottom);
    virtual void SubMenuControlGetScrollButtonRect(TovBarSubMenuControl* AMenu, bool ABottom, TRect& R);
    virtual int SubMenuControlScrollBandHeight(TovBarSubMenuControl* AMenu);
    virtual int SubMenuControlScrollArrowExtent(int ABandSize) { return ABandSize / 3 - 1; }
    virtual void SubMenuControlPaintMarkGlyph(TovBarSubMenuControl* AMenu, HDC ADC, bool ASelected,
                                              const TRect& R);
    virtual void SubMenuControlDrawMark(TovBarSubMenuControl* AMenu, TuiCanvas* ACanvas, const TRect& R,
                                        bool ASelected);
    virtual void SubMenuControlPaintMarkHighlight(TovBarSubMenuControl* AMenu, HDC ADC, const TRect& R);
    virtual bool SubMenuControlScrollButtonUsesMenuBrush() { return true; }

    // ---- Edit, spin and popup helpers
    virtual void EditGetInnerRect(TovBarItemPaintType APaintType, TRect& R);
    virtual void SpinEditDrawArrow(TovBarItemControlDrawParams* ADrawParams, const TPoint& APosition,
                                   int AButton);
    virtual TColor PopupPanelBorderColor() { return clWindowFrame; }
    // The look-and-feel painter of the Standard style, through which shared elements are drawn.
    virtual TuiCustomLookAndFeelPainter* GetLookAndFeelPainter();
    virtual void DrawButtonText(HDC ADC, const TRect& R, bool AOpaque, const std::string& AText, int AShift);
    virtual void DrawDropDownSizeGrip(HDC ADC, const TRect& R);

    // ---- Part layout of item controls
    virtual void ExtraPaneCalcPinButtonParts(TovBarItemControlDrawParams* ADrawParams,
                                             std::vector<TRect>& AParts);
    virtual void ButtonCalcParts(TovBarItemControlDrawParams* ADrawParams, std::vector<TRect>& AParts);
    virtual void ColorComboCalcParts(TovBarItemControlDrawParams* ADrawParams, std::vector<TRect>& AParts,
                                     const TRect& R);
    virtual void ComboCalcParts(TovBarItemControlDrawParams* ADrawParams, std::vector<TRect>& AParts,
                                const TRect& R);
    virtual void EditCalcParts(TovBarItemControlDrawParams* ADrawParams, std::vector<TRect>& AParts,
                               const TRect& ABounds);
    virtual void SpinEditCalcParts(TovBarItemControlDrawParams* ADrawParams, std::vector<TRect>& AParts,
                                   const TRect& R);
    // The fading options item controls fade with; none (the fader's defaults) here.
    virtual TObject* GetItemFadingOptions() { return nullptr; }

    // ---- Bar metrics
    virtual void BarBorderSizes(TovBar* ABar, TovBarDockingStyle ADockingStyle, TRect& R, bool AWithSizeGrip);
    virtual int AutoAlignToolbarOffset() { return 0; }
    virtual int BarGetExtraIndent() { return 0; }
    virtual int GetIconAreaSize(TCustomovBarControl* ABarControl);
    virtual int GetSubItemArrowIndent(TovBarItemControlDrawParams* ADrawParams);
    virtual int DefaultTextExtent(TuiCanvas* ACanvas);
    virtual int PopupWindowFrameWidth() { return 2; }

    // ---- Item drawing primitives
    virtual void CalcLargeGlyphRect(TovBarItemControl* AControl, const TSize& AGlyphSize, TRect& R);
    virtual void FillItemBackground(TovBarItemControl* AControl, HDC ADC, bool AUseBrush, HBRUSH ABrush,
                                    const TRect& R);
    virtual void FrameItemBackground(TovBarItemControl* AControl, HDC ADC, bool AUseBrush, HBRUSH ABrush,
                                     const TRect& R);
    virtual void PaintDisabledShadow(TovBarItemControl* AControl, HDC ADC, const TRect& R);
    virtual void DrawItemParentBackground(TCustomovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                          const TRect& R);
    virtual void DrawItemGlyphRect(TovBarItemControl* AControl, HDC ADC, const TovItemGlyphArgs& AArgs);
    virtual void DrawItemGlyphImage(TovBarItemControl* AControl, HDC ADC, const TovItemGlyphArgs& AArgs,
                                    const TRect& AGlyphRect, const TSize& AGlyphSize,
                                    TCustomImageList* AImages, int AImageIndex, TBitmap* AGlyph);
    virtual void DrawButtonInMenuBackground(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {}
    virtual void DrawItemText(TovBarItemControl* AControl, TuiCanvas* ACanvas, const std::string& AText,
                              TRect R, int AAlignment, bool AEnabled, bool ASelected, bool AVertical,
                              bool AClip, bool AKeepColor, UINT AFormat);
    virtual void PaintLoweredFrame(HDC ADC, TRect& R);
    virtual void EditButtonDrawFrame(TovBarItemControl* AControl, HDC ADC, bool APressed, bool ASelected,
                                     bool AEnabled, TRect& R) {}
    virtual void ItemCaptionOffsets(TRect& R) { R = TRect{2, 2, 2, 3}; }
    virtual HBRUSH GetItemBackgroundBrush(TovBarItemControl* AControl);
    virtual int GetPressedGlyphOffset(TovBarItemControl* AControl) { return 0; }
    virtual int GetDownGlyphOffset(TovBarItemControl* AControl, bool AFlag) { return 0; }
    virtual bool IsGlyphBackgroundTransparent() { return false; }
    virtual bool IsFlatStyle() { return false; }
    virtual bool IsFlatTextStyle();
    virtual bool IsButtonTextSelected(TovBarItemControl* AControl) { return false; }
    virtual bool UseGlyphBackgroundBrush(TovBarItemControl* AControl, bool ANoGlyph, bool ADown,
                                         bool APressed, bool ASelected);
    virtual bool UseGlyphShadow() { return false; }
    virtual bool IsGlyphBackgroundFilled(TovBarItemControl* AControl);
    virtual bool AllowTextSelection() { return true; }
    virtual int GetLoweredBorderWidth(TovBarItemControl* AControl) { return 0; }
    virtual int GetMenuCaptionOffset(TovBarItemControlDrawParams* ADrawParams);
    virtual int BarGripOffset() { return 0; }
    virtual int GetFloatingFrameWidth();
    virtual int GetFloatingFrameHeight();
    virtual int BarNoGripIndent() { return 0; }
    virtual int BarGripAreaSize(TovBarControl* ABarControl) { return 0; }
    virtual int BarFingerWidth() { return 3; }
    virtual int GetButtonArrowWidth(TovBarManager* AManager);
    virtual int GetLargeButtonArrowWidth(TovBarManager* AManager);
    virtual int SubMenuSeparatorIndent() { return 0; }

    // ---- Backgrounds and brushes
    virtual void DockControlFillBackground(TovDockControl* ADock, HDC ADC, const TRect& ADestRect,
                                           const TRect& AOrigin, TColor AColor, HBRUSH ABrush);
    virtual bool UsesNativeBackground() { return false; }
    virtual bool BarControlIsFlat(TCustomovBarControl* ABarControl) { return false; }
    virtual bool BarControlHasShadow(TCustomovBarControl* ABarControl);
    virtual bool SubMenuControlHasOwnerLink(TCustomovBarControl* ABarControl);
    virtual HBRUSH BarControlOwnerLinkBrush(TCustomovBarControl* ABarControl);
    virtual int DockControlGetExtraSize() { return 0; }
    virtual void BarDrawDockBackground(TovBarControl* ABarControl, HDC ADC, const TRect& ADestRect,
                                       const TRect& AClipRect);
    virtual void BarDrawBackground(TovBarControl* ABarControl, HDC ADC, const TRect& ADestRect,
                                   const TRect& AClipRect, HBRUSH ABrush);
    virtual void DrawOwnerEdge(TCustomovBarControl* ABarControl, HDC ADC);
    // The brushes of a bar control (null: of no particular bar).
    virtual HBRUSH BarToolbarBrush(TCustomovBarControl* ABarControl);
    virtual HBRUSH BarToolbarBrushEx(TCustomovBarControl* ABarControl) {
        return BarToolbarBrush(ABarControl);
    }
    virtual HBRUSH BarDownedBrush(TCustomovBarControl* ABarControl);
    virtual HBRUSH BarDownedSelBrush(TCustomovBarControl* ABarControl);
    virtual HBRUSH BarSelBrush(TCustomovBarControl* ABarControl);
    // AZeroWidth: the width of "0" in the bar's font.
    virtual int GetComboBoxArrowWidth(TCustomovBarControl* ABarControl, int AZeroWidth) {
        return 2 * AZeroWidth - 1;
    }
    virtual int GetEditTextSize(TCustomovBarControl* ABarControl, int AHeight);
    virtual void GetItemVerticalOffsets(int& ATop, int& ABottom) {
        ATop = 2;
        ABottom = 2;
    }
    // A bar control was resized; nothing here (skinned looks give the window a rounded region).
    virtual void BarUpdateWindowRegion(HWND AWindow, const TRect& R, bool ARedraw) {}
    virtual bool SubMenuControlUsesFrameBrush() { return true; }

    // ---- Toolbars, floating bars, marks, status bars
    virtual bool BarCanQuickCustomize() { return true; }
    virtual int BarSeparatorOffset() { return (BarSeparatorSize() - 2) / 2; }
    virtual int BarSeparatorSize() { return 6; }
    virtual TRect BarControlBorderRect();
    virtual int BarBorderWidth() { return 1; }
    virtual void BarDockedBorderSizes(TovBar* ABar, TovBarDockingStyle ADockingStyle, TRect& R) {
        R = TRect{2, 2, 2, 2};
    }
    virtual int BarCaptionAreaHeight() { return BarCaptionHeight() + 1; }
    virtual void BarPaintCaptionBackground(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                           const TRect& R);
    virtual int BarCaptionHeight();
    virtual bool BarIsCaptionBackgroundFilled() { return false; }
    virtual TSize BarCaptionButtonSize();
    virtual void BarFillBackground(TCustomovBarControl* ABarControl, HDC ADC, HBRUSH ABrush, const TRect& R,
                                   const TRect& AClipRect);
    virtual void BarDrawSeparator(TCustomovBarControl* ABarControl, HDC ADC, bool AHorizontal, HBRUSH ABrush,
                                  TRect R);
    virtual void BarDrawCaptionButtonBackground(TovBarControl* ABarControl, HDC ADC, int AState, TRect R);
    virtual void BarDrawCloseButton(TovBarControl* ABarControl, HDC ADC, const TRect& R) {}
    virtual void BarDrawDockedBarBorder(TovBarControl* ABarControl, HDC ADC, TRect& R) {}
    virtual void BarPaintFloatingFrame(TovBarControl* ABarControl, HDC ADC, const TRect& R) {}
    virtual void BarDrawFloatingBarCaption(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                           const TRect& AWindowRect, TRect ACaptionRect);
    virtual void BarDrawCaptionMark(TovBarControl* ABarControl, HDC ADC, const TRect& R);
    virtual void BarDrawMark(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush, const TRect& R);
    virtual void BarPaintMDIButton(TovBarControl* ABarControl, HDC ADC, const TRect& R, int AButton,
                                   int AState) {}
    virtual void BarDrawStatusBarSizeGrip(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush, TRect R);
    virtual void BarDrawStatusBarBorder(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush, const TRect& R);
    virtual int BarFloatingSideIndent() { return 0; }
    virtual void BarGetMarkPaintRect(TovBarControl* ABarControl, TRect& R) { BarGetMarkRect(ABarControl, R); }
    virtual void BarGetMarkRect(TovBarControl* ABarControl, TRect& R);
    virtual void BarRedrawMark(TovBarControl* ABarControl);
    virtual int BarFloatingTopIndent() { return 0; }
    virtual int BarFloatingBottomIndent() { return 0; }
    virtual bool BarUseSystemCloseButton() { return false; }
    virtual bool BarUseSystemCaption() { return false; }
    virtual int BarMarkSize() { return 11; }
    virtual void BarDrawStatusBarBackground(TCustomovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                            const TRect& R);
    // Left-top and right-bottom corner offsets of a status bar's content.
    virtual void BarStatusBarBorderOffsets(TRect& R) { R = TRect{0, 0, 0, 0}; }
    virtual int BarStatusBarTopBorderHeight() { return 2; }
    virtual TSize BarSizeGripSize();

    // ---- Quick customization entries
    virtual HBRUSH BarToolbarBrushAlt(TCustomovBarControl* ABarControl) {
        return BarToolbarBrushEx(ABarControl);
    }
    virtual void QuickCustItemCalcCheckRect(TovBarItemControl* AControl, HDC ADC, bool AChecked, int& ARight,
                                            TRect& R);
    virtual void QuickCustItemDrawSelection(TovBarItemControl* AControl, HDC ADC, bool ASelected,
                                            const TRect& ACheckRect, const TRect& AItemRect) {}
    virtual bool QuickCustUseFlatLook() { return false; }

    // ---- Item metrics
    virtual int GetMenuGlyphAreaWidth(TovBarItemControlDrawParams* ADrawParams);
    virtual void GetTextOffsets(TovBarItemControlDrawParams* ADrawParams, int AIndex, TRect& R) {
        R = TRect{3, 0, 3, 0};
    }
    virtual HBRUSH GetDropDownButtonBrush(TovBarItemControl* AControl);
    virtual bool IsDropDownButtonFilled(TovBarItemControlDrawParams* ADrawParams);
    virtual bool IsArrowSelected(TovBarItemControlDrawParams* ADrawParams);
    virtual bool IsArrowFlat() { return IsFlatStyle(); }
    virtual bool IsDropDownFlat() { return IsFlatStyle(); }
    virtual int GetItemHeightIndent() { return 6; }
    virtual int GetItemWidthIndent() { return 7; }
    virtual int GetItemHeight(int AGlyphSize, int ATextHeight) { return AGlyphSize + GetItemHeightIndent(); }
    virtual int GetItemWidth(int AGlyphSize, int ATextHeight) { return AGlyphSize + GetItemWidthIndent(); }
    virtual void GetItemSize(int AGlyphSize, int ATextHeight, TSize& ASize);
    virtual int GetLargeButtonHeightIndent() { return 6; }
    virtual int GetLargeButtonWidthIndent() { return 10; }
    virtual TSize GetMarkArrowSize() { return TSize{5, 3}; }
    virtual void AdjustMenuItemHeight(int& AHeight) {}
    virtual void AdjustMenuItemWidth(int& AWidth) {}
    virtual void OffsetPressedContent(bool ADown, bool APressed, TRect& R);
    virtual void OffsetPressedRect(bool APressed, TRect& R);

    // ---- Buttons and combos
    virtual void DrawButton(TovBarItemControlDrawParams* ADrawParams, TRect R);
    virtual void DrawButtonCaptionOnly(TovBarItemControlDrawParams* ADrawParams, const TRect& R);
    virtual void DrawDropDownButtonArrow(TovBarItemControlDrawParams* ADrawParams, TRect R);
    virtual void DrawDropDownButtonBackground(TovBarItemControlDrawParams* ADrawParams, TRect R,
                                              HBRUSH ABrush);
    virtual void DrawDropDownButton(TovBarItemControlDrawParams* ADrawParams, const TRect& R);
    virtual void DrawButtonArrow(TovBarItemControlDrawParams* ADrawParams, TRect R);
    virtual TColor ComboGetArrowColor(TovBarItemControlDrawParams* ADrawParams) { return clBtnText; }
    virtual HBRUSH ComboGetButtonBrush(TovBarItemControl* AControl) {
        return GetDropDownButtonBrush(AControl);
    }
    virtual int ComboGetButtonIndent() { return 1; }
    virtual void ComboGetTextOffsets(TovBarItemPaintType APaintType, TRect& R) {
        EditGetContentOffsets(APaintType, R);
    }
    virtual void DrawComboDropDownButton(TovBarItemControlDrawParams* ADrawParams, TRect R);
    virtual void ComboDrawButtonBackground(TovBarItemControlDrawParams* ADrawParams, TRect& R,
                                           HBRUSH ABrush) {}
    virtual int ComboGetButtonFrameSize() { return 2; }
    virtual void DropDownListBoxPaintFrame(HDC ADC, TColor AColor, const TRect& R);

    // ---- Menus
    virtual bool SubMenuControlShowsGlyphBand() { return false; }
    virtual bool SubMenuControlHasRecentSeparator() { return false; }
    virtual int SubMenuControlItemIndent() { return 2; }
    virtual int SubMenuControlSubArrowWidth(int AHeight) { return AHeight / 4 * 3 + 1; }
    virtual int SubMenuControlSeparatorHeight() { return 10; }
    virtual int SubMenuControlBorderSize() {
        return SubMenuControlBorderWidth() + SubMenuControlBorderIndent();
    }
    virtual int SubMenuControlBorderWidth() { return 1; }
    virtual int SubMenuControlBorderIndent() { return 1; }
    virtual void SubMenuControlCalcExpandButtonSize(TuiCanvas* ACanvas, int ATextSize, int& AHeight,
                                                    int& AWidth);
    virtual void SubMenuControlGetContentOffsets(TRect& R);
    // The content offsets of one menu (the looks that leave room for a detach caption ask the menu).
    virtual void SubMenuControlGetMenuContentOffsets(TovBarSubMenuControl* AMenu, TRect& R) {
        SubMenuControlGetContentOffsets(R);
    }
    virtual int SubMenuControlDetachCaptionHeight(int ACaptionHeight) { return ACaptionHeight + 3; }
    virtual int SubMenuControlGetGlyphAreaWidth(TovBarSubMenuControl* AMenu);
    virtual int SubMenuControlGetContentIndent(TovBarSubMenuControl* AMenu);
    virtual int SubMenuControlGetTextVertOffset() { return 0; }
    virtual int SubMenuControlGetExtraWidth() { return 0; }
    virtual int SubMenuControlGetMarkSize(int AHeight) { return (AHeight - 6) / 2; }
    virtual int GetBaseTextSize() { return 19; }
    virtual TRect SubMenuControlItemGlyphRect(const TRect& R, int AIconAreaSize);
    virtual TRect SubMenuControlItemCaptionRect(TovBarSubMenuControl* AMenu, const TRect& R);
    virtual int SubMenuControlItemCaptionIndent(TovBarSubMenuControl* AMenu);
    virtual void SubMenuControlGetBeginGroupRect(TovBarSubMenuControl* AMenu, TovBarItemControl* AControl,
                                                 TRect& R, const TRect& AItemRect);
    virtual void SubMenuControlAdjustDetachCaptionRect(TRect& R);
    virtual void SubMenuControlDrawScrollBand(TovBarSubMenuControl* AMenu, TuiCanvas* ACanvas, const TRect& R,
                                              bool ABottom) {}
    virtual void SubMenuControlDrawBackground(TovBarSubMenuControl* AMenu, HDC ADC, TColor AColor,
                                              HBRUSH ABrush, const TRect& R);
    virtual void SubMenuControlDrawBorder(TovBarSubMenuControl* AMenu, HDC ADC, TRect R);
    virtual void SubMenuControlDrawInnerBorder(TovBarSubMenuControl* AMenu, HDC ADC, HBRUSH ABrush, TRect R);
    virtual void SubMenuControlDrawDetachCaption(TovBarSubMenuControl* AMenu, HDC ADC, const TRect& R);
    virtual void SubMenuControlDrawBeginGroup(TovBarSubMenuControl* AMenu, TovBarItemControl* AControl,
                                              TRect R, HDC ADC);
    virtual void SubMenuControlPaintItemFrame(TovBarSubMenuControl* AMenu, TovBarItemControl* AControl,
                                              HDC ADC, const TRect& R) {}
    virtual void SubMenuControlPaintSeparator(HDC ADC, const TRect& R);
    virtual void SubMenuControlGetItemBrush(TovBarSubMenuControl* AMenu, HBRUSH& ABrush);
    virtual int SubMenuControlGetTextSize(TuiCanvas* ACanvas) { return DefaultTextExtent(ACanvas); }
    virtual HBRUSH SubMenuControlGetFrameBrush(TovBarSubMenuControl* AMenu);

    // ---- Application menu and extra pane
    virtual void ApplicationMenuGetButtonsOffsets(TRect& R) { R = TRect{0, 0, 0, 0}; }
    virtual void ApplicationMenuDrawBackground(TCustomovBarControl* ABarControl, HDC ADC,
                                               const TRect& AContentRect);
    virtual void ApplicationMenuDrawButton(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {}
    virtual TColor ApplicationMenuGetButtonTextColor(bool AEnabled, bool ASelected);
    virtual void ApplicationMenuGetContentOffsets(TRect& R) { R = TRect{0, 0, 0, 0}; }
    virtual TColor ExtraPaneGetItemTextColor(bool AEnabled, bool ASelected) { return clDefault; }
    virtual void ExtraPaneDrawBackground(TCustomovBarControl* ABarControl, HDC ADC, const TRect& R);
    virtual void ExtraPaneDrawSeparator(TCustomovBarControl* ABarControl, HDC ADC, const TRect& R);
    virtual void ExtraPaneDrawButton(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {}
    virtual TColor ExtraPaneGetHeaderTextColor() { return clBtnText; }
    virtual int ExtraPaneGetPinButtonWidth() { return 30; }
    virtual int ExtraPaneGetSeparatorSize() { return 2; }

    // ---- Edits (the window item controls draw through these)
    virtual void EditDrawInterior(TovBarItemControl* AControl, TuiCanvas* ACanvas, TRect R,
                                  const std::string& AText);
    // Gives L the look that matches the manager's bars (reset, no skin, the painter style's kind).
    virtual void InitLookAndFeel(TovBarManager* AManager, TuiLookAndFeel* ALookAndFeel);
    virtual TColor EditGetDefaultBkColor() { return clWindow; }
    virtual TColor EditGetDisabledBkColor(TovBarItemControl* AControl);
    virtual TColor EditGetBkColor(TovBarItemControl* AControl);
    virtual TColor EditGetDefaultTextColor() { return clWindowText; }
    virtual TColor EditGetDisabledTextColor() { return clGrayText; }
    virtual TColor EditGetTextColor(TovBarItemControl* AControl);
    virtual void EditGetColors(TovBarItemControl* AControl, TColor& ATextColor, TColor& ABkColor);
    virtual bool EditAllowFocusFrame() { return true; }
    virtual int EditGetButtonStyle() { return 0; }
    virtual bool EditIsSelected(TovBarItemControlDrawParams* ADrawParams);
    virtual int EditGetBorderStyle() { return 0; }
    virtual bool EditIsTransparent() { return false; }
    virtual void EditDrawButtonPart(TovBarItemControlDrawParams* ADrawParams, const TRect& R, int APart) {}
    virtual void EditDrawPartBackground(TovBarItemControlDrawParams* ADrawParams, const TRect& R, int APart) {
    }
    virtual void EditDrawCustomPart(TovBarItemControlDrawParams* ADrawParams, const TRect& R, int APart) {}
    // One entry of a combo's list drawn when the combo has no drawing handler of its own.
    virtual void ComboDrawListItem(TuiCanvas* ACanvas, const std::string& AText, bool AInInterior,
                                   const TRect& R);
    virtual void EditDraw(TovBarItemControlDrawParams* ADrawParams, const TRect& R);
    virtual void EditGetContentOffsets(TovBarItemPaintType APaintType, TRect& R) { R = TRect{2, 2, 2, 2}; }
    virtual void EditDrawBackground(TovBarItemControlDrawParams* ADrawParams, const TRect& R);
    virtual void EditDrawFrame(TovBarItemControlDrawParams* ADrawParams, TRect& R);
    virtual void EditDrawCaption(TovBarItemControlDrawParams* ADrawParams, const TRect& R);
    virtual void EditDrawSelectionFrame(TovBarItemControlDrawParams* ADrawParams, HDC ADC, const TRect& R) {
        FrameSelRect(ADC, R);
    }
    virtual void EditDrawGlyph(TovBarItemControlDrawParams* ADrawParams, const TRect& R);
    virtual bool EditIsCaptionSelected(TovBarItemControlDrawParams* ADrawParams);
    virtual bool EditIsFrameSelected(TovBarItemControlDrawParams* ADrawParams);
    virtual void EditDrawText(TovBarItemControl* AControl, TuiCanvas* ACanvas, const TRect& R,
                              const std::string& AText);
    virtual bool EditIsButtonHot(TovBarItemControlDrawParams* ADrawParams) { return false; }
    // APart: 1 the glyph, 2 the caption.
    virtual void EditGetPartOffsets(TovBarItemControlDrawParams* ADrawParams, int APart, TRect& R);
    virtual int EditGetCaptionLeftOffset(TovBarItemControlDrawParams* ADrawParams);
    virtual int EditGetMenuCaptionOffset(TovBarItemControlDrawParams* ADrawParams) { return 2; }
    virtual int EditGetCaptionOffset() { return 2; }
    virtual int EditGetCaptionRightOffset() { return 4; }
    virtual void EditGetMenuGlyphOffsets(TRect& R) { R = TRect{4, 0, 0, 0}; }
    virtual HBRUSH EditGetBkBrush(TovBarItemControl* AControl);
    virtual bool EditIsGlyphSelected(TovBarItemControlDrawParams* ADrawParams) { return false; }
    virtual void EditSelectAll(HWND AWindow, bool ANotify);
    virtual bool EditIsMenuSelectedLook(TovBarItemPaintType APaintType, bool ASelected) { return false; }

    // ---- Colour combo with custom-colour button
    virtual bool ColorComboFrameIncludesButton() { return false; }
    // Part 4 (the custom-colour button) is not empty.
    virtual bool ColorComboHasCustomColorButton(TovBarItemControlDrawParams* ADrawParams);
    virtual void ColorComboAdjustTextRect(TovBarItemControlDrawParams* ADrawParams, TRect& R);
    virtual int ColorComboGetDotOffset(int ADotSize) { return ADotSize; }
    virtual void ColorComboGetButtonRect(TovBarItemControlDrawParams* ADrawParams, const TRect& R,
                                         TRect& AButton);
    virtual int ColorComboGetButtonWidth(const TRect& R);
    virtual void ColorComboGetButtonOffsets(TRect& R) { R = TRect{1, 2, 1, 2}; }

    // ---- Ellipsis button, custom-colour separator, drop-down sizing panel, date navigator
    virtual void DrawEllipsisButton(TovBarItemControlDrawParams* ADrawParams, TRect R);
    virtual void ColorComboDrawSeparator(TovBarItemControlDrawParams* ADrawParams, const TRect& R);
    // Only for a sizeable drop-down: the client, panel, grip and close rectangles inside the window.
    virtual void PopupPanelCalcNCSize(const TRect& AWindowRect, TRect& AClientRect, bool ASizeable,
                                      int ACorner, TRect& APanelRect, TRect& AGripRect, TRect& ACloseRect);
    virtual void PopupPanelDrawNC(HWND AWindow, bool ASizeable, bool ACloseHot, bool AClosePressed,
                                  int ACorner, const TRect& AGripRect, const TRect& ACloseRect);
    virtual int GetPopupPanelHeight();
    virtual bool DateNavigatorIsFlat() { return false; }
    virtual void DateNavigatorDrawButton(HDC ADC, bool APressed, const std::string& ACaption, TRect R);
    virtual TColor DateNavigatorGetHeaderColor() { return clBtnFace; }

    // ---- Spin edits
    virtual TPoint SpinEditGetArrowPos(TovBarItemControlDrawParams* ADrawParams, const TRect& R, int AButton);
    virtual void SpinEditAdjustTextRect(TovBarItemControlDrawParams* ADrawParams, TRect& R);
    virtual TSize SpinEditGetArrowSize(int AHeight);
    virtual void SpinEditGetButtonRect(TovBarItemControlDrawParams* ADrawParams, const TRect& R,
                                       TRect& AButton, int AButtonIndex);
    virtual void SpinEditGetButtonsOffsets(TRect& R) { R = TRect{1, 0, 1, 0}; }
    virtual int SpinEditGetButtonsWidth(TovBarItemPaintType APaintType, const TRect& R);
    virtual int SpinEditButtonStateOf(TovBarItemControlDrawParams* ADrawParams, int AButton);
    virtual void SpinEditDrawButton(TovBarItemControlDrawParams* ADrawParams, TRect R, int AButton);
    virtual void SpinEditDrawButtonsBackground(TovBarItemControlDrawParams* ADrawParams, const TRect& R);

    // ---- Progress, container, in-place sub-items, statics, separators
    virtual TColor ProgressGetBarColor();
    virtual bool ProgressRedrawOnChangeOnly() { return false; }
    virtual int ProgressGetHeight() { return 12; }
    virtual int ProgressGetIndent() { return 0; }
    virtual void ProgressDraw(TovBarProgressControlDrawParams* ADrawParams, const TRect& R, TColor AColor);
    virtual void ProgressDrawBackground(TovBarProgressControlDrawParams* ADrawParams, const TRect& R);
    // Fills the part of AContent the position stands for, solid or in blocks, in AColor.
    void ProgressDrawPosition(TovBarProgressControlDrawParams* ADrawParams, const TRect& AContent,
                              TColor AColor);
    virtual void ProgressDrawBlocks(TovBarProgressControlDrawParams* ADrawParams, const TRect& R,
                                    HBRUSH ABrush);
    virtual void ProgressDrawSolidBar(TovBarProgressControlDrawParams* ADrawParams, const TRect& R,
                                      HBRUSH ABrush);
    virtual void ProgressDrawBlock(TovBarProgressControlDrawParams* ADrawParams, const TRect& R,
                                   HBRUSH ABrush) {
        ProgressDrawSolidBar(ADrawParams, R, ABrush);
    }
    virtual int ContainerGetIndent() { return 0; }
    virtual HBRUSH InPlaceSubItemGetBrush();
    virtual int InPlaceSubItemGetTextSize(TovBarItemControlDrawParams* ADrawParams);
    virtual int InPlaceSubItemGetTextIndent() { return 5; }
    virtual bool InPlaceSubItemIsTextSelected(TovBarItemControlDrawParams* ADrawParams);
    virtual bool InPlaceSubItemIsArrowSelected(TovBarItemControlDrawParams* ADrawParams) { return true; }
    virtual void InPlaceSubItemDrawArrow(TovBarItemControlDrawParams* ADrawParams, int ADirection,
                                         const TRect& R);
    virtual void InPlaceSubItemDrawBackground(TovBarItemControlDrawParams* ADrawParams, const TRect& R);
    virtual void InPlaceSubItemDraw(TovBarItemControlDrawParams* ADrawParams, TRect R);
    virtual void StaticDrawBackground(TovBarItemControlDrawParams* ADrawParams, const TRect& R);
    virtual void StaticDrawBorder(TovBarStaticLikeControlDrawParams* ADrawParams, TRect& R);
    virtual void StaticDrawContent(TovBarItemControlDrawParams* ADrawParams, const TRect& R);
    // AIndents: the left and right indent of the item (the left and right of the rectangle).
    virtual void StaticDraw(TovBarStaticLikeControlDrawParams* ADrawParams, TRect R, const TRect& AIndents);
    virtual bool StaticIsBackgroundFilled(TovBarItemControlDrawParams* ADrawParams);
    virtual void StaticGetBorderSizes(TovBarStaticBorderStyle AStyle, TRect& R);
    virtual void StaticGetTextOffsets(TovBarItemControlDrawParams* ADrawParams, TRect& R) {
        R = TRect{6, 0, 0, 0};
    }
    virtual void SeparatorGetTextColors(TovBarItemControl* AControl, bool AEnabled, bool ASelected,
                                        bool AFlat, TColor& ATextColor, TColor& AShadowColor) {
        GetTextColors(AControl, AEnabled, ATextColor, AShadowColor, ASelected, AFlat);
    }
    virtual int SeparatorGetLineSize() { return SeparatorGetLineHeight(); }
    virtual int SeparatorGetLineHeight() { return 2; }
    virtual void SeparatorDrawCaption(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
        StaticDrawContent(ADrawParams, R);
    }
    virtual void SeparatorDraw(TovBarItemControlDrawParams* ADrawParams, const TRect& R);
    virtual void SeparatorDrawLine(HDC ADC, const TRect& R) { SubMenuControlPaintSeparator(ADC, R); }

    // ---- Drop-down gallery and skin queries
    virtual void DropDownGalleryDrawBackground(HDC ADC, const TRect& R);
    virtual void DropDownGalleryDrawBorder(HDC ADC, const TRect& R);
    virtual void DropDownGalleryDrawBottomSizeGrip(HDC ADC, const TRect& R);
    virtual void DropDownGalleryDrawBottomSizingBand(HDC ADC, const TRect& R);
    virtual void DropDownGalleryDrawBottomVerticalSizeGrip(HDC ADC, const TRect& R);
    virtual void GalleryDrawFilterBand(HDC ADC, const TRect& R);
    virtual void GalleryDrawGroupHeaderBackground(HDC ADC, const TRect& R);
    virtual void GalleryDrawItemBackground(HDC ADC, const TRect& R, int AState);
    virtual void DropDownGalleryDrawScrollBarBackground(HDC ADC, const TRect& R);
    virtual void DropDownGalleryDrawScrollBarPart(HDC ADC, const TRect& R, int APart, int AState);
    virtual void DropDownGalleryDrawTopSizeGrip(HDC ADC, const TRect& R);
    virtual void DropDownGalleryDrawTopSizingBand(HDC ADC, const TRect& R);
    virtual void DropDownGalleryDrawTopVerticalSizeGrip(HDC ADC, const TRect& R);
    virtual int DropDownGalleryGetContentOffset() { return 1; }
    virtual void GetPartContentOffsets(int APart, TRect& R) { R = TRect{0, 0, 0, 0}; }
    virtual TColor GalleryGetGroupHeaderTextColor();
    virtual void GetSkinName(std::string& AName) { AName.clear(); }
    virtual int DropDownGalleryGetBorderSize() { return 1; }
    virtual TColor GetPartColor(int APart, int AState);
    virtual int GalleryGetItemHeight(int AGlyphSize, TFont* AFont);
    virtual void GalleryGetTextColors(TovBarItemControl* AControl, bool AEnabled, bool ASelected, bool AFlat,
                                      TColor& ATextColor, TColor& AShadowColor) {
        GetTextColors(AControl, AEnabled, ATextColor, AShadowColor, ASelected, AFlat);
    }

    // ---- Screen tips (the Standard look-and-feel painter's)
    virtual TColor ScreenTipGetTitleTextColor();
    virtual TColor ScreenTipGetDescriptionTextColor();
    virtual int ScreenTipGetFooterLineSize();
    virtual void ScreenTipDrawBackground(TuiCanvas* ACanvas, const TRect& R);
    virtual void ScreenTipDrawFooterLine(TuiCanvas* ACanvas, const TRect& R);

    // ---- After the table
    // A floating toolbar's quick-customization popup opens left-aligned under the mark.
    virtual bool QuickPopupOpensLeftAligned(TovBarControl* ABarControl) { return false; }

    // ---- Non-virtual helpers
    // The reference glyph size.
    static int GetSmallImageSize() { return 16; }
    // The canvas's DC with the canvas's font selected, for text drawn and measured on the DC itself.
    static HDC TextDC(TuiCanvas* ACanvas);
    // DrawItemGlyphRect with the control's view structure and view size.
    void DrawItemGlyph(TovBarItemControl* AControl, HDC ADC, TovItemGlyphArgs AArgs);
    // A button item in a menu: glyph column, description lines, caption and shortcut.
    void DrawButtonInMenu(TovBarItemControlDrawParams* ADrawParams, const TRect& R);
    // The spin button (0 up, 1 down) is the one held down.
    static bool SpinButtonIsActive(TovBarItemControlDrawParams* ADrawParams, int AButton);
    // The triangle of a spin arrow whose base starts at APosition, pointing up for the up button (0).
    std::vector<POINT> SpinArrowTriangle(TovBarItemControlDrawParams* ADrawParams, const TPoint& APosition,
                                         int AButton);
};
