// TuiStandardLookAndFeelPainter: style 1, "Standard": the classic two-pixel 3-D look (raised buttons with
// a dark outer shadow, sunken two-pixel borders, system-drawn scroll arrows). The ribbon and the bar
// painters take arrow points from it.
#pragma once

#include "ui/painters/lookandfeel/LookAndFeelPainter.h"

class TuiStandardLookAndFeelPainter : public TuiCustomLookAndFeelPainter {
public:
    TColor DefaultPaleYellowColor() override;
    std::string PainterStyleName() override;
    TuiLookAndFeelStyle LookAndFeelStyle() override;
    int BorderThickness() override;
    void DrawBorderFrame(TuiCanvas* ACanvas, const TRect& R) override;
    int ButtonBorderThickness(TuiPainterButtonState AState) override;
    int ButtonTextIndent() override;
    int PressedButtonTextShift() override;
    void DrawButtonFrame(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState) override;
    void DrawExpandBox(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                       TColor AColor = clDefault) override;
    void DrawGroupExpander(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                           TuiPainterButtonState AState) override;
    int ExpandBoxSize() override;
    bool ButtonHotTracks() override;
    void DrawCheckBoxFrame(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState) override;
    void DrawHeaderFrame(TuiCanvas* ACanvas, const TRect& R, TuiNeighbors ANeighbors,
                         TuiBorders ABorders) override;
    void DrawHeaderControlSectionFrame(TuiCanvas* ACanvas, const TRect& R, TuiBorders ABorders,
                                       TuiPainterButtonState AState) override;
    void DrawSortingMark(TuiCanvas* ACanvas, const TRect& R, bool AAscending) override;
    void DrawBarredSortingMark(TuiCanvas* ACanvas, const TRect& R, bool AAscending) override;
    int HeaderBorderWidth() override;
    int HeaderControlSectionBorderWidth(TuiPainterButtonState AState) override;
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
    void DrawNavigatorHeader(TuiCanvas* ACanvas, const TRect& R, const std::string& AText,
                             TuiNeighbors ANeighbors, const TuiViewParams& AParams, int AArrowFlags,
                             int ASideWidth,
                             const TuiPainterBackgroundEvent& AOnDrawBackground = {}) override;
    void DrawSplitterBorder(TuiCanvas* ACanvas, const TRect& R, const TuiViewParams& AParams,
                            bool AHorizontal) override;
    void DrawGroupBoxBorder(TuiCanvas* ACanvas, const TRect& R, bool AEnabled, int AIgnored,
                            TuiBorders ABorders) override;
    void DrawTrackBarTrackFrame(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawTrackBarThumbEdges(TuiCanvas* ACanvas, const TuiPolyline& ALight, const TuiPolyline& ADark,
                                const TuiPolyline& AShadow) override;
    void DrawTrackBarThumbFrame(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawBreadcrumbEditButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                  bool AFirst, bool ALast) override;

private:
    // The border of scroll buttons and the thumb; flat for a pressed button.
    void DrawScrollButtonBorder(TuiCanvas* ACanvas, const TRect& R, bool APressedButton);
};
