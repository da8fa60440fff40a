// TuiUltraFlatLookAndFeelPainter: style 2, "UltraFlat", the default look of library controls: single
// one-pixel lines instead of 3-D edges, hot-tracked buttons with blended highlight faces, black or
// highlight-coloured frames. The Office11 painter derives from it.
#pragma once

#include "ui/painters/lookandfeel/LookAndFeelPainter.h"

class TuiUltraFlatLookAndFeelPainter : public TuiCustomLookAndFeelPainter {
public:
    void DrawSchedulerNavButtonContent(TuiCanvas* ACanvas, const TRect& R, const TRect& AArrowRect,
                                       bool AIsNext, TuiPainterButtonState AState) override;
    std::string PainterStyleName() override;
    TuiLookAndFeelStyle LookAndFeelStyle() override;
    TColor DefaultSplitterBorderColor() override;
    int BorderThickness() override;
    void DrawBorderFrame(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawSeparatorCore(TuiCanvas* ACanvas, const TRect& R, bool AVertical) override;
    int ButtonBorderThickness(TuiPainterButtonState AState) override;
    TColor ButtonFaceColor(TuiPainterButtonState AState) override;
    TRect ButtonFocusBounds(TuiCanvas* ACanvas, const TRect& R) override;
    TColor ButtonSignColor(TuiPainterButtonState AState, TColor ADefaultColor = clDefault) override;
    int ButtonTextIndent() override;
    int PressedButtonTextShift() override;
    TuiPainterButtonState ButtonGlyphState(TuiPainterButtonState AState) override;
    void DrawButtonFrame(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState) override;
    void DrawExpandBox(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                       TColor AColor = clDefault) override;
    int ExpandBoxSize() override;
    bool ButtonHotTracks() override;
    void DrawHeaderEx(TuiCanvas* ACanvas, const TRect& ABounds, const TRect& ATextArea,
                      TuiNeighbors ANeighbors, TuiBorders ABorders, TuiPainterButtonState AState,
                      TAlignment AHorz, TVerticalAlignment AVert, bool AMultiLine, bool AEndEllipsis,
                      const std::string& AText, TFont* AFont, TColor ATextColor, TColor ABkColor,
                      const TuiPainterBackgroundEvent& AOnDrawBackground = {}) override;
    void DrawHeaderFrame(TuiCanvas* ACanvas, const TRect& R, TuiNeighbors ANeighbors,
                         TuiBorders ABorders) override;
    void DrawHeaderControlSectionFrame(TuiCanvas* ACanvas, const TRect& R, TuiBorders ABorders,
                                       TuiPainterButtonState AState) override;
    void DrawHeaderControlSectionContent(TuiCanvas* ACanvas, const TRect& R, const TRect& ATextAreaBounds,
                                         TuiPainterButtonState AState, TAlignment AHorz,
                                         TVerticalAlignment AVert, bool AMultiLine, bool AEndEllipsis,
                                         const std::string& AText, TFont* AFont, TColor ATextColor,
                                         TColor ABkColor) override;
    void DrawSortingMark(TuiCanvas* ACanvas, const TRect& R, bool AAscending) override;
    void DrawBarredSortingMark(TuiCanvas* ACanvas, const TRect& R, bool AAscending) override;
    TuiBorders HeaderBorderSides(TuiNeighbors ANeighbors) override;
    int HeaderBorderWidth() override;
    TSize SortingMarkExtent() override;
    TSize BarredSortingMarkSize() override;
    void DrawFooterFrame(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawFooterBorderWithSeparator(TuiCanvas* ACanvas, const TRect& R, TuiBorders ABorders) override;
    void DrawFooterCellFrame(TuiCanvas* ACanvas, const TRect& R) override;
    int AreaFlag1() override;
    TuiBorders ItemBorderSides() override;
    int FooterBorderWidth() override;
    int FooterCellBorderWidth() override;
    int FooterCellSpacing() override;
    void DrawFilterComboButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                               bool AActive) override;
    TSize FilterClearButtonSize() override;
    void DrawTabFrame(TuiCanvas* ACanvas, const TRect& R, int ASide, TuiBorders ABorders,
                      bool AVertical) override;
    void DrawTabStripFrame(TuiCanvas* ACanvas, const TRect& R, TuiBorders ABorders, bool AVertical) override;
    int TabBorderWidth(bool AVertical) override;
    void DrawScrollBarElement(TuiCanvas* ACanvas, bool AHorizontal, const TRect& R, TuiScrollBarPart APart,
                              TuiPainterButtonState AState) override;
    void DrawNavigatorButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState) override;
    void DrawSplitterBorder(TuiCanvas* ACanvas, const TRect& R, const TuiViewParams& AParams,
                            bool AHorizontal) override;
    void DrawGroupBoxBorder(TuiCanvas* ACanvas, const TRect& R, bool AEnabled, int AIgnored,
                            TuiBorders ABorders) override;
    void DrawCheckBoxFrame(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState) override;
    TColor RadioButtonFillColor(TuiPainterButtonState AState) override;
    void DrawTrackBarTrackFrame(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawTrackBarThumbEdges(TuiCanvas* ACanvas, const TuiPolyline& ALight, const TuiPolyline& ADark,
                                const TuiPolyline& AShadow) override;
    void DrawTrackBarThumbFrame(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawPreviewBackground(TuiCanvas* ACanvas, const TRect& R) override;
    TColor SplitterOuterColor(bool AHighlighted) override;
    TSize SplitterGripSize(bool AHorizontal) override;
    void DrawGlyphButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                         TColor AFrameColor) override;
    void DrawGlyphButtonFrame(TuiCanvas* ACanvas, const TRect& R, bool ASelected) override;
    bool IsGlyphButtonHotTrack() override;
    int GlyphButtonBorderSize() override;
    void DrawDropDownListBackground(TuiCanvas* ACanvas, const TRect& R, bool ABordered) override;
    void DrawDropDownListGutter(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawDropDownListSelection(TuiCanvas* ACanvas, const TRect& R, int AIgnored = 0) override;
    void DrawDropDownListSeparator(TuiCanvas* ACanvas, const TRect& R, const TRect& AGutterRect) override;
    TColor DropDownListItemTextColor(bool ASelected) override;
    int BreadcrumbEditSeparatorWidth() override;
    TRect BreadcrumbEditButtonContentMargins(bool AFirst, bool ALast) override;
    void DrawBreadcrumbEditBorder(TuiCanvas* ACanvas, const TRect& R, TuiBorders ABorders,
                                  int AState) override;
    void DrawBreadcrumbEditButtonAreaSeparator(TuiCanvas* ACanvas, const TRect& R, int AState) override;
    void DrawBreadcrumbEditButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                  bool AFirst, bool ALast) override;
    void DrawBreadcrumbEditDropDownButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                          bool APressed) override;
    TSize EdgeSize(int AKind) override;
    void EdgeColors(TColor& AOuter, TColor& AInner) override;

    // Operations this look adds to the interface.
    virtual TColor FilterButtonFrameColor(TuiPainterButtonState AState);
    virtual void DrawBreadcrumbEditButtonFrame(TuiCanvas* ACanvas, const TRect& R,
                                               TuiPainterButtonState AState, TuiBorders ABorders);
    virtual TColor TabFrameColor();
    virtual TColor TabSelectedFrameColor();
    virtual TColor HighlightBorderColor();
};
