// TuiWinXPLookAndFeelPainter: style 3, "Native": every part it can is drawn with the system's visual
// styles through the foundation's theme manager (one cached handle per themed class), and each
// operation whose theme class does not open falls back to the Standard look (or to the rule named next
// to it). Controls reach it when their look-and-feel asks for the native style and styles are on; the
// Office11 painter borrows its scroll bars, navigator buttons and group boxes. Where visual styles are
// off, as on this platform, it draws as the Standard painter apart from a few constant metrics.
#pragma once

#include "ui/core/platform/ThemeManager.h"
#include "ui/painters/lookandfeel/StandardPainter.h"

#include <memory>

class TuiBitmap32;

class TuiWinXPLookAndFeelPainter : public TuiStandardLookAndFeelPainter {
public:
    TuiWinXPLookAndFeelPainter();
    ~TuiWinXPLookAndFeelPainter() override;

    void DrawSchedulerNavButtonContent(TuiCanvas* ACanvas, const TRect& R, const TRect& AArrowRect,
                                       bool AIsNext, TuiPainterButtonState AState) override;
    std::string PainterStyleName() override;
    TuiLookAndFeelStyle LookAndFeelStyle() override;
    bool RedrawsOnResize() override;
    TColor DefaultSplitterBorderColor() override;
    TColor DefaultPaleYellowColor() override;
    TColor DefaultTabTextColorAt(int AIndex, TuiPainterButtonState AState) override;
    TColor DefaultTabTextColor(TuiPainterButtonState AState) override;
    void DrawArrowButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                         TuiPainterArrowDirection ADirection, bool ABordered = true) override;
    void DrawArrowFrame(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState) override;
    int BorderThickness() override;
    int SeparatorThickness() override;
    void DrawBorderFrame(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawSeparatorCore(TuiCanvas* ACanvas, const TRect& R, bool AVertical) override;
    int ButtonBorderThickness(TuiPainterButtonState AState) override;
    TColor ButtonFaceColor(TuiPainterButtonState AState) override;
    TRect ButtonFocusBounds(TuiCanvas* ACanvas, const TRect& R) override;
    TColor ButtonSignColor(TuiPainterButtonState AState, TColor ADefaultColor = clDefault) override;
    int ButtonTextIndent() override;
    int PressedButtonTextShift() override;
    void DrawButton(TuiCanvas* ACanvas, const TRect& R, const std::string& ACaption,
                    TuiPainterButtonState AState, bool ADrawBorder = true, TColor AColor = clDefault,
                    TColor ATextColor = clDefault, bool AWordWrap = false,
                    bool AIsToolButton = false) override;
    TColor ButtonCaptionColor(TuiPainterButtonState AState, TColor ADefaultColor = clDefault) override;
    void DrawPlainButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                         TColor AColor = clDefault) override;
    void DrawCommandLinkGlyph(TuiCanvas* ACanvas, const TPoint& AOrigin,
                              TuiPainterButtonState AState) override;
    TSize CommandLinkGlyphSize() override;
    TRect CommandLinkMargins() override;
    void DrawExpandBox(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                       TColor AColor = clDefault) override;
    bool IsExpandButtonDrawnFirst() override;
    void DrawGroupExpander(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                           TuiPainterButtonState AState) override;
    void DrawSmallExpandBox(TuiCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AFrameColor,
                            TColor AFillColor = clDefault) override;
    int ExpandBoxSize() override;
    int GroupExpandButtonExtent() override;
    bool ButtonHotTracks() override;
    bool GroupExpandButtonHitTest(const TRect& R, const TPoint& P) override;
    int SmallExpandBoxSize() override;
    void DrawHeader(TuiCanvas* ACanvas, const TRect& ABounds, const TRect& ATextArea, TuiNeighbors ANeighbors,
                    TuiBorders ABorders, TuiPainterButtonState AState, TAlignment AHorz,
                    TVerticalAlignment AVert, bool AMultiLine, bool AEndEllipsis, const std::string& AText,
                    TFont* AFont, TColor ATextColor, TColor ABkColor,
                    const TuiPainterBackgroundEvent& AOnDrawBackground = {}, bool AIsLast = false,
                    bool AIsGroup = false) override;
    void InvertHeaderArea(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawHeaderControlSection(TuiCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                  int AIgnored, TuiBorders ABorders, TuiPainterButtonState AState,
                                  TAlignment AHorz, TVerticalAlignment AVert, bool AMultiLine,
                                  bool AEndEllipsis, const std::string& AText, TFont* AFont,
                                  TColor ATextColor, TColor ABkColor) override;
    void DrawSortingMark(TuiCanvas* ACanvas, const TRect& R, bool AAscending) override;
    void DrawBarredSortingMark(TuiCanvas* ACanvas, const TRect& R, bool AAscending) override;
    int HeaderBorderWidth() override;
    int HeaderControlSectionBorderWidth(TuiPainterButtonState AState) override;
    TRect HeaderControlSectionContentBounds(const TRect& R, TuiPainterButtonState AState) override;
    bool HeaderFlag2() override;
    TSize SortingMarkExtent() override;
    void DrawMenuItemBackground(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                bool AIgnored = false) override;
    void DrawTabItemBackground(TuiCanvas* ACanvas, const TRect& R, int AIgnored, bool AFlag,
                               TuiPainterButtonState AState) override;
    int FooterBorderWidth() override;
    int FooterCellBorderWidth() override;
    int FooterCellSpacing() override;
    bool IsFooterCellDrawnFirst() override;
    void DrawFooterCell(TuiCanvas* ACanvas, const TRect& R, TAlignment AHorz, TVerticalAlignment AVert,
                        bool AMultiLine, const std::string& AText, TFont* AFont, TColor ATextColor,
                        TColor ABkColor, const TuiPainterBackgroundEvent& AOnDrawBackground = {}) override;
    void DrawFooterFrame(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawFilterClearButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState) override;
    void DrawFilterComboButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                               bool AActive) override;
    TSize FilterCheckButtonSize() override;
    TSize FilterClearButtonSize() override;
    void DrawPopupFrame(TuiCanvas* ACanvas, TRect& R, TuiPopupBorderStyle AStyle, bool ASizeable) override;
    int PopupFrameWidth(TuiPopupBorderStyle AStyle) override;
    int PopupFrameInnerWidth(TuiPopupBorderStyle AStyle) override;
    TColor ScreenTipGetBorderColor() override;
    void ScreenTipDrawBackgroundFill(TuiCanvas* ACanvas, const TRect& R, TColor AColor) override;
    TColor ScreenTipGetTitleTextColor() override;
    TColor ScreenTipGetDescriptionTextColor() override;
    // AVertical turns the tab; the int argument is the tab's border set (bit 0 left .. bit 3 bottom).
    void DrawTab(TuiCanvas* ACanvas, const TRect& R, const TRect& ATextRect, TuiPainterButtonState AState,
                 int ABorders, bool AFocused, bool AVertical, const std::string& AText) override;
    void DrawTabFrame(TuiCanvas* ACanvas, const TRect& R, int ASide, TuiBorders ABorders,
                      bool AVertical) override;
    void DrawTabStripFrame(TuiCanvas* ACanvas, const TRect& R, TuiBorders ABorders, bool AVertical) override;
    bool HasOwnTabDrawing() override;
    bool AreTabsHotTracked() override;
    int TabBorderWidth(bool AVertical) override;
    void DrawIndicatorItem(TuiCanvas* ACanvas, const TRect& R, int AKind, TColor ABkColor,
                           const TuiPainterBackgroundEvent& AOnDrawBackground = {}) override;
    int ScrollBarMinimalThumbSize(bool AVertical) override;
    void DrawScrollBarElement(TuiCanvas* ACanvas, bool AHorizontal, const TRect& R, TuiScrollBarPart APart,
                              TuiPainterButtonState AState) override;
    TSize SizeGripExtent() override;
    void DrawSizeGripCore(TuiCanvas* ACanvas, const TRect& R) override;
    TSize SmallCloseButtonExtent() override;
    void DrawCloseButtonBackground(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState) override;
    void DrawNavigatorHeader(TuiCanvas* ACanvas, const TRect& R, const std::string& AText,
                             TuiNeighbors ANeighbors, const TuiViewParams& AParams, int AArrowFlags,
                             int ASideWidth,
                             const TuiPainterBackgroundEvent& AOnDrawBackground = {}) override;
    void DrawSchedulerEventProgressBar(TuiCanvas* ACanvas, const TRect& R, const TRect& ABarRect,
                                       const TuiViewParams& AParams, bool ASelected) override;
    void DrawNavigatorButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState) override;
    void DrawSplitterBorder(TuiCanvas* ACanvas, const TRect& R, const TuiViewParams& AParams,
                            bool AHorizontal) override;
    TRect EventProgressMargins() override;
    TSize ZoomInButtonSize() override;
    TSize ZoomOutButtonSize() override;
    void DrawZoomInButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState) override;
    void DrawZoomOutButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState) override;
    TSize BackButtonSize() override;
    void DrawBackButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState) override;
    void DrawHeaderPanelBackground(TuiCanvas* ACanvas, TRect& R) override;
    TSize GlyphButtonSpacing() override;
    TSize GlyphButtonSize() override;
    void DrawGroupBoxBorder(TuiCanvas* ACanvas, const TRect& R, bool AEnabled, int AIgnored,
                            TuiBorders ABorders) override;
    TColor GroupBoxTextColorByState(bool AEnabled, int AIgnored = 0) override;
    int CheckBoxBorderWidth() override;
    TSize CheckBoxSize() override;
    void DrawCheck(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                   TuiPainterCheckState ACheckState, TColor AMarkColor) override;
    void DrawCheckBoxFrame(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState) override;
    void DrawRadioButton(TuiCanvas* ACanvas, int X, int Y, TuiPainterButtonState AState, bool AChecked,
                         bool AEmphasisB, TColor ABkColor = clDefault, bool AEmphasisA = false) override;
    TSize RadioButtonExtent() override;
    void DrawAreaFrame1(TuiCanvas* ACanvas, const TRect& R, TControl* AControl = nullptr,
                        TColor AColor1 = clDefault, TColor AColor2 = clDefault) override;
    void TrackBarTrackContentBounds(TRect& R, bool AHorizontal, int AKind) override;
    void DrawTrackBarTrack(TuiCanvas* ACanvas, const TRect& R, int AIgnored1, int AIgnored2, int AIgnored3,
                           bool AHorizontal, TColor AColor) override;
    void DrawTrackBarThumb(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState, bool AHorizontal,
                           int AKind, TColor AColor) override;
    void DrawSplitterBar(TuiCanvas* ACanvas, const TRect& R, bool AHighlighted, int AIgnored,
                         bool AHorizontal) override;
    TColor DefaultFaceColor21() override;
    TRect BreadcrumbEditBorderWidths() override;
    TRect BreadcrumbEditButtonContentMargins(bool AFirst, bool ALast) override;
    bool BreadcrumbEditFlag1() override;
    TSize BreadcrumbEditProgressChunkSize() override;
    TRect BreadcrumbEditProgressChunkOffsets() override;
    void DrawBreadcrumbEditBorder(TuiCanvas* ACanvas, const TRect& R, TuiBorders ABorders,
                                  int AState) override;
    void DrawBreadcrumbEditButtonAreaSeparator(TuiCanvas* ACanvas, const TRect& R, int AState) override;
    void DrawBreadcrumbEditButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                  bool AFirst, bool ALast) override;
    void DrawBreadcrumbEditDropDownButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                          bool APressed) override;
    void DrawBreadcrumbEditNode(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                bool AFlag) override;
    void DrawBreadcrumbEditScrollButton(TuiCanvas* ACanvas, const TRect& R,
                                        TuiPainterButtonState AState) override;
    void DrawBreadcrumbEditNodeDelimiterGlyph(TuiCanvas* ACanvas, const TRect& R,
                                              TuiPainterButtonState AState) override;
    void DrawBreadcrumbEditScrollArrow(TuiCanvas* ACanvas, const TRect& R,
                                       TuiPainterButtonState AState) override;
    void DrawBreadcrumbEditProgressChunk(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawBreadcrumbEditProgressFrame(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawDropDownListBackground(TuiCanvas* ACanvas, const TRect& R, bool ABordered) override;
    void DrawDropDownListGutter(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawDropDownListSelection(TuiCanvas* ACanvas, const TRect& R, int AIgnored = 0) override;
    void DrawDropDownListSeparator(TuiCanvas* ACanvas, const TRect& R, const TRect& AGutterRect) override;
    TColor DropDownListItemTextColor(bool ASelected) override;
    int DropDownListSeparatorHeight() override;
    int SmallButtonCornerRadius() override;
    TSize EdgeSize(int AKind) override;
    void DrawEdgeBox(TuiCanvas* ACanvas, const TRect& R, TColor AOuter, TColor AInner, bool A3D) override;
    void DrawEdgeLine(TuiCanvas* ACanvas, const TRect& R, TColor AOuter, TColor AInner,
                      bool AVertical) override;

    // Operations this look adds to the interface.
    // A "Button" part 1 in the state (nothing for default and disabled) whose sides outside AKeptSides
    // (bit 0 left .. bit 3 bottom) run outside the clip, so only the kept sides show the button's edge.
    virtual void DrawBreadcrumbButtonPart(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                          int AKeptSides);
    // Text of a themed part: aligned, single line or word-wrapped, optional end ellipsis and prefix.
    virtual void DrawThemedText(TuiCanvas* ACanvas, HTHEME ATheme, int APart, int AState, const TRect& R,
                                TAlignment AHorz, TVerticalAlignment AVert, bool AMultiLine,
                                bool AEndEllipsis, bool AShowPrefix, const std::string& AText, TFont* AFont,
                                TColor ATextColor);

    // The push-button state of a painter button state (default 5, normal 1, hot 2, pressed 3, disabled 4).
    static int PushButtonState(TuiPainterButtonState AState);

private:
    // The tab part drawn as the themed tab drawing describes, turned for vertical tabs.
    void DrawThemedTab(TuiCanvas* ACanvas, const TRect& R, int ATabState, TuiBorders ABorders, bool AVertical,
                       const std::string& AText);
    void DrawZoomButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState, TuiBitmap32* AGlyph,
                        bool AZoomIn);
    TSize ZoomButtonSize(TuiBitmap32* AGlyph, bool AZoomIn);

    std::unique_ptr<TuiBitmap32> FZoomInGlyph;
    std::unique_ptr<TuiBitmap32> FZoomOutGlyph;
};
