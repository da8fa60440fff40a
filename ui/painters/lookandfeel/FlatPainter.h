// TuiFlatLookAndFeelPainter: style 0, "Flat": one-pixel 3-D edges, buttons with a single raised edge,
// sunken one-pixel borders. The Standard painter borrows its group-expand button.
#pragma once

#include "ui/painters/lookandfeel/LookAndFeelPainter.h"

class TuiFlatLookAndFeelPainter : public TuiCustomLookAndFeelPainter {
public:
    std::string PainterStyleName() override;
    TuiLookAndFeelStyle LookAndFeelStyle() override;
    int BorderThickness() override;
    int SeparatorThickness() override;
    void DrawBorderFrame(TuiCanvas* ACanvas, const TRect& R) override;
    int ButtonBorderThickness(TuiPainterButtonState AState) override;
    int ButtonTextIndent() override;
    int PressedButtonTextShift() override;
    void DrawButtonFrame(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState) override;
    void DrawExpandBox(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                       TColor AColor = clDefault) override;
    int ExpandBoxSize() override;
    bool ButtonHotTracks() override;
    void DrawHeaderFrame(TuiCanvas* ACanvas, const TRect& R, TuiNeighbors ANeighbors,
                         TuiBorders ABorders) override;
    void DrawHeaderControlSectionFrame(TuiCanvas* ACanvas, const TRect& R, TuiBorders ABorders,
                                       TuiPainterButtonState AState) override;
    void DrawSortingMark(TuiCanvas* ACanvas, const TRect& R, bool AAscending) override;
    void DrawBarredSortingMark(TuiCanvas* ACanvas, const TRect& R, bool AAscending) override;
    int HeaderBorderWidth() override;
    TSize SortingMarkExtent() override;
    TSize BarredSortingMarkSize() override;
    int FooterBorderWidth() override;
    int FooterCellBorderWidth() override;
    int FooterCellSpacing() override;
    void DrawFooterFrame(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawFooterCellFrame(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawFilterComboButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                               bool AActive) override;
    void DrawTabFrame(TuiCanvas* ACanvas, const TRect& R, int ASide, TuiBorders ABorders,
                      bool AVertical) override;
    void DrawTabStripFrame(TuiCanvas* ACanvas, const TRect& R, TuiBorders ABorders, bool AVertical) override;
    int TabBorderWidth(bool AVertical) override;
    void DrawScrollBarElement(TuiCanvas* ACanvas, bool AHorizontal, const TRect& R, TuiScrollBarPart APart,
                              TuiPainterButtonState AState) override;
    void DrawSplitterBorder(TuiCanvas* ACanvas, const TRect& R, const TuiViewParams& AParams,
                            bool AHorizontal) override;
    void DrawGroupBoxBorder(TuiCanvas* ACanvas, const TRect& R, bool AEnabled, int AIgnored,
                            TuiBorders ABorders) override;
    void DrawCheckBoxFrame(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState) override;
    void DrawTrackBarTrackFrame(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawTrackBarThumbEdges(TuiCanvas* ACanvas, const TuiPolyline& ALight, const TuiPolyline& ADark,
                                const TuiPolyline& AShadow) override;
    void DrawTrackBarThumbFrame(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawHeaderPanelBackground(TuiCanvas* ACanvas, TRect& R) override;
    TColor SplitterOuterColor(bool AHighlighted) override;

    // The header frame shared with the Standard look: a raised inner edge with softened corners.
    static void DrawSoftenedHeaderFrame(TuiCanvas* ACanvas, const TRect& R, TuiBorders ABorders);
    // One side of a tab frame in the Flat and Standard looks.
    static void DrawFlatTabFrame(TuiCanvas* ACanvas, const TRect& R, int ASide, TuiBorders ABorders,
                                 bool AVertical);
    // The drop-down button of a filter-row combo in the Flat and Standard looks.
    static void DrawFlatFilterComboButton(TuiPainterButtonState AState, bool AActive, TuiCanvas* ACanvas,
                                          const TRect& R, TuiCustomLookAndFeelPainter* APainter);
    // Page areas of the Flat, Standard and UltraFlat scroll bars: the pattern, pressed or not.
    static void FillScrollBarPage(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState);
};
