// TuiOffice11LookAndFeelPainter: style 4, "Office11", the look of the main window's bar manager: the
// UltraFlat rules over the Office11 gradient palette (toolbar-like faces, orange hot and pressed colours,
// a dark and a light line shade). Scroll bars, navigator buttons and themed group boxes are borrowed from
// the native painter when it is registered. The palette must be referenced (ReferenceOffice11Colors)
// while this painter draws: the bar manager holds a reference, and the painter holds one of its own for
// as long as it lives, so that controls and popups of this look draw their grips, lines and faces in
// the palette's colours also where no bar manager runs.
#pragma once

#include "ui/painters/lookandfeel/UltraFlatPainter.h"

class TuiOffice11LookAndFeelPainter : public TuiUltraFlatLookAndFeelPainter {
public:
    TuiOffice11LookAndFeelPainter();
    ~TuiOffice11LookAndFeelPainter() override;
    TColor DefaultAccentTextColor() override;
    void DrawContentArea(TuiCanvas* ACanvas, const TRect& ABounds, const TRect& ATextArea, int AState,
                         TAlignment AHorz, TVerticalAlignment AVert, bool AMultiLine, bool AEndEllipsis,
                         const std::string& AText, TFont* AFont, TColor ATextColor, TColor ABkColor,
                         const TuiPainterBackgroundEvent& AOnDrawBackground, bool AIsFooter = false) override;
    void DrawSchedulerNavButtonContent(TuiCanvas* ACanvas, const TRect& R, const TRect& AArrowRect,
                                       bool AIsNext, TuiPainterButtonState AState) override;
    std::string PainterStyleName() override;
    TuiLookAndFeelStyle LookAndFeelStyle() override;
    bool RedrawsOnResize() override;
    TColor DefaultShadowColor1() override;
    TColor DefaultLightColor1() override;
    TColor DefaultFaceColor1() override;
    TColor DefaultButtonTextColor2() override;
    TColor DefaultShadowColor3() override;
    TColor DefaultFaceColor3() override;
    TColor DefaultFaceColor4() override;
    TColor DefaultShadowColor4() override;
    TColor DefaultFaceColor6() override;
    TColor DefaultFaceColor10() override;
    TColor DefaultHighlightColor1() override;
    TColor DefaultHighlightTextColor1() override;
    TColor DefaultSplitterBorderColor() override;
    TColor DefaultFaceColor11() override;
    TColor DefaultFaceColor15() override;
    TColor DefaultWindowColor3() override;
    TColor DefaultFaceColor17() override;
    TColor DefaultWhiteColor2() override;
    int SeparatorThickness() override;
    void DrawBorderFrame(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawSeparatorCore(TuiCanvas* ACanvas, const TRect& R, bool AVertical) override;
    TColor ButtonFaceColor(TuiPainterButtonState AState) override;
    TColor ButtonSignColor(TuiPainterButtonState AState, TColor ADefaultColor = clDefault) override;
    void DrawButtonFrame(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState) override;
    void DrawExpandBox(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                       TColor AColor = clDefault) override;
    bool IsExpandButtonDrawnFirst() override;
    void DrawSmallExpandBox(TuiCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AFrameColor,
                            TColor AFillColor = clDefault) override;
    int ExpandBoxSize() override;
    int SmallExpandBoxSize() override;
    void DrawHeader(TuiCanvas* ACanvas, const TRect& ABounds, const TRect& ATextArea, TuiNeighbors ANeighbors,
                    TuiBorders ABorders, TuiPainterButtonState AState, TAlignment AHorz,
                    TVerticalAlignment AVert, bool AMultiLine, bool AEndEllipsis, const std::string& AText,
                    TFont* AFont, TColor ATextColor, TColor ABkColor,
                    const TuiPainterBackgroundEvent& AOnDrawBackground = {}, bool AIsLast = false,
                    bool AIsGroup = false) override;
    void DrawHeaderFrame(TuiCanvas* ACanvas, const TRect& R, TuiNeighbors ANeighbors,
                         TuiBorders ABorders) override;
    void DrawHeaderControlSection(TuiCanvas* ACanvas, const TRect& ABounds, const TRect& ATextAreaBounds,
                                  int AIgnored, TuiBorders ABorders, TuiPainterButtonState AState,
                                  TAlignment AHorz, TVerticalAlignment AVert, bool AMultiLine,
                                  bool AEndEllipsis, const std::string& AText, TFont* AFont,
                                  TColor ATextColor, TColor ABkColor) override;
    void DrawSortingMark(TuiCanvas* ACanvas, const TRect& R, bool AAscending) override;
    void DrawBarredSortingMark(TuiCanvas* ACanvas, const TRect& R, bool AAscending) override;
    TuiBorders HeaderBorderSides(TuiNeighbors ANeighbors) override;
    int HeaderBorderWidth() override;
    bool HeaderFlag2() override;
    int AreaFlag1() override;
    void DrawTabItemBackground(TuiCanvas* ACanvas, const TRect& R, int AIgnored, bool AFlag,
                               TuiPainterButtonState AState) override;
    TColor FooterSeparatorColor() override;
    int ScrollBarMinimalThumbSize(bool AVertical) override;
    void DrawScrollBarElement(TuiCanvas* ACanvas, bool AHorizontal, const TRect& R, TuiScrollBarPart APart,
                              TuiPainterButtonState AState) override;
    void DrawSizeGripCore(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawNavigatorHeader(TuiCanvas* ACanvas, const TRect& R, const std::string& AText,
                             TuiNeighbors ANeighbors, const TuiViewParams& AParams, int AArrowFlags,
                             int ASideWidth,
                             const TuiPainterBackgroundEvent& AOnDrawBackground = {}) override;
    void DrawContentBorder(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawNavigatorButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState) override;
    void DrawHeaderPanelBackground(TuiCanvas* ACanvas, TRect& R) override;
    int GlyphButtonBorderSize() override;
    void DrawGroupBoxBorder(TuiCanvas* ACanvas, const TRect& R, bool AEnabled, int AIgnored,
                            TuiBorders ABorders) override;
    TColor GroupBoxTextColorByState(bool AEnabled, int AIgnored = 0) override;
    TColor CheckBoxFaceColor(TuiPainterButtonState AState, TuiPainterCheckState ACheckState) override;
    TColor RadioButtonFillColor(TuiPainterButtonState AState) override;
    void DrawAreaFrame1(TuiCanvas* ACanvas, const TRect& R, TControl* AControl = nullptr,
                        TColor AColor1 = clDefault, TColor AColor2 = clDefault) override;
    void DrawTrackBarTrackFrame(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawTrackBarThumbEdges(TuiCanvas* ACanvas, const TuiPolyline& ALight, const TuiPolyline& ADark,
                                const TuiPolyline& AShadow) override;
    void DrawTrackBarThumbFrame(TuiCanvas* ACanvas, const TRect& R) override;
    TColor SplitterInnerColor() override;
    TColor SplitterOuterColor(bool AHighlighted) override;
    void FillWithFaceColor(TuiCanvas* ACanvas, const TRect& R) override;
    TColor DefaultFaceColor21() override;
    void DrawBreadcrumbEditBorder(TuiCanvas* ACanvas, const TRect& R, TuiBorders ABorders,
                                  int AState) override;
    void DrawDropDownListBackground(TuiCanvas* ACanvas, const TRect& R, bool ABordered) override;
    void DrawDropDownListGutter(TuiCanvas* ACanvas, const TRect& R) override;
    void DrawDropDownListSelection(TuiCanvas* ACanvas, const TRect& R, int AIgnored = 0) override;
    void DrawDropDownListSeparator(TuiCanvas* ACanvas, const TRect& R, const TRect& AGutterRect) override;
    void DrawSmallButtonBackground(TuiCanvas* ACanvas, const TRect& R) override;
    TSize EdgeSize(int AKind) override;
    void EdgeColors(TColor& AOuter, TColor& AInner) override;
    TColor FilterButtonFrameColor(TuiPainterButtonState AState) override;
    void DrawBreadcrumbEditButtonFrame(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                       TuiBorders ABorders) override;
    TColor TabFrameColor() override;
    TColor HighlightBorderColor() override;

    // Operations this look adds to the interface.
    virtual TColor HeaderGradientColor();
    virtual TColor DarkLineColor();
    virtual TColor LightLineColor();
    virtual TColor HeaderFaceColor();

private:
    // The registered native painter that scroll bars and navigator buttons are borrowed from, or null.
    static TuiCustomLookAndFeelPainter* NativePainter();
};
