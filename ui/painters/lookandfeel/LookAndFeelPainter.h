// TuiCustomLookAndFeelPainter: the drawing service behind every control of the library. One stateless
// painter exists per look ("Flat", "Standard", "UltraFlat", ...); a control passes the canvas, the
// rectangles, the state and the colours of each part it draws or measures. The base class answers every
// operation and draws every family (the base drawing lives in one source file per family:
// PainterContent, PainterHeaders, PainterScrollBars, PainterControls); the looks override frames,
// metrics and colours.
//
// Conventions: button state 0 default, 1 normal, 2 hot, 3 pressed, 4 disabled; arrows 0 up, 1 down,
// 2 left, 3 right; check state 0 unchecked, 1 checked, 2 grayed; clNone draws nothing and clDefault
// stands for the part's default colour.
#pragma once

#include "platform/vcl/Graphics.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/lookandfeel/PainterLookAndFeelTypes.h"
#include "ui/painters/lookandfeel/PainterTypes.h"

#include <functional>
#include <memory>
#include <string>

class TControl;
class TCustomImageList;
class TFont;
class TovSkinDetails;
class TovSmartImage;

// Paints a background itself and answers True, or answers False to leave it to the painter.
using TuiPainterBackgroundEvent = std::function<bool(TuiCanvas*, const TRect&)>;

// A point of a line in the edge polylines of track-bar thumbs.
using TuiPolyline = std::vector<TPoint>;

class TuiCustomLookAndFeelPainter : public TuiLookAndFeelPainterBase {
public:
    TuiCustomLookAndFeelPainter();
    ~TuiCustomLookAndFeelPainter() override;
    TuiCustomLookAndFeelPainter(const TuiCustomLookAndFeelPainter&) = delete;
    TuiCustomLookAndFeelPainter& operator=(const TuiCustomLookAndFeelPainter&) = delete;

    // ---- 1. Identity and details
    virtual std::unique_ptr<TovSkinDetails> CreatePainterDetails();
    virtual TovSkinDetails* GetDetails();
    virtual TColor DefaultAccentTextColor();
    virtual void DrawBackgroundArea(TuiCanvas* ACanvas, const TRect& R, bool ATransparent, TColor AColor,
                                    TBitmap* ABitmap);
    virtual void DrawButtonDropArrow(TuiCanvas* ACanvas, const TRect& R, TColor AColor);
    virtual void DrawContentArea(TuiCanvas* ACanvas, const TRect& ABounds, const TRect& ATextArea, int AState,
                                 TAlignment AHorz, TVerticalAlignment AVert, bool AMultiLine,
                                 bool AEndEllipsis, const std::string& AText, TFont* AFont, TColor ATextColor,
                                 TColor ABkColor, const TuiPainterBackgroundEvent& AOnDrawBackground,
                                 bool AIsFooter = false);
    virtual void DrawFilterGlyph(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                 bool AActive);
    virtual void DrawSchedulerNavButtonContent(TuiCanvas* ACanvas, const TRect& R, const TRect& AArrowRect,
                                               bool AIsNext, TuiPainterButtonState AState);
    virtual TRect FooterCellContentBounds(const TRect& R);
    virtual TRect FooterCellTextBounds(const TRect& R);
    virtual TColor FilterGlyphColor(TuiPainterButtonState AState, bool AActive);
    virtual TRect SeparatorBandBounds(const TRect& R, int AWidth, bool AVertical);
    virtual bool QueryPainterData(void*& AData);
    virtual bool QueryPainterDetails(TovSkinDetails*& ADetails);
    virtual bool IsBuiltInPainter();
    std::string PainterStyleName() override;
    TuiLookAndFeelStyle LookAndFeelStyle() override;
    virtual bool RedrawsOnResize();

    // ---- 2. Default colours
    virtual TColor DefaultContentBackColor();
    virtual TColor DefaultContentEvenBackColor();
    virtual TColor DefaultContentOddBackColor();
    virtual TColor DefaultContentForeColor();
    virtual TColor DefaultEditorBackgroundColor(bool AReadOnly);
    virtual TColor DefaultEditorBackgroundColorByKind(int AKind);
    virtual TColor DefaultEditorTextColor(bool AReadOnly);
    virtual TColor DefaultEditorTextColorByKind(int AKind);
    virtual TColor DefaultShadowColor1();
    virtual TColor DefaultLightColor1();
    virtual TColor DefaultButtonTextColor1();
    virtual TColor DefaultFaceColor1();
    virtual TColor DefaultButtonTextColor2();
    virtual TColor DefaultFaceColor2();
    virtual TColor DefaultShadowColor2();
    virtual TColor DefaultShadowColor3();
    virtual TColor DefaultFaceColor3();
    virtual TColor DefaultFaceColor4();
    virtual TColor DefaultButtonTextColor3();
    virtual TColor DefaultShadowColor4();
    virtual TColor DefaultFaceColor5();
    virtual TColor DefaultFaceColor6();
    virtual TColor DefaultButtonTextColor4();
    virtual TColor DefaultBlueColor1();
    virtual TColor DefaultFaceColor7();
    virtual TColor DefaultButtonTextColor5();
    virtual TColor DefaultBlueColor2();
    virtual TColor DefaultShadowColor5();
    TColor DefaultSizeGripAreaColor() override;
    virtual TColor DefaultShadowColor6();
    virtual TColor DefaultShadowColor7();
    virtual TColor DefaultBlackColor2();
    virtual TColor DefaultFaceColor8();
    virtual TColor DefaultUnsetColor1();
    virtual TColor DefaultFaceColor9();
    virtual TColor DefaultButtonTextColor6();
    virtual TColor DefaultBlackColor1();
    virtual TColor DefaultEditorOrContentColor();
    virtual TColor DefaultFaceColor10();
    virtual TColor DefaultAccentOrButtonTextColor(bool AAccent);
    virtual TColor DefaultRedColor();
    virtual TColor DefaultGrayTextColor();
    virtual TColor DefaultHighlightColor1();
    virtual TColor DefaultHighlightTextColor1();
    virtual TColor DefaultShadowColor8();
    virtual TColor DefaultWindowColor1();
    virtual TColor DefaultWindowTextColor1();
    virtual TColor DefaultMaroonColor();
    virtual TColor DefaultNavyColor1();
    virtual TColor DefaultWindowColor2();
    virtual TColor DefaultSplitterBorderColor();
    virtual TColor DefaultUnsetColor2();
    virtual TColor DefaultFaceColor11();
    virtual TColor DefaultColorByIndex(int AIndex);
    virtual TColor DefaultFaceColor12();
    virtual TColor DefaultWindowTextColor2();
    virtual TColor DefaultFaceColor13();
    virtual TColor DefaultButtonTextColor7();
    virtual TColor DefaultPaleYellowColor();
    virtual TColor DefaultHighlightTextColor3();
    virtual TColor DefaultWindowTextColor3();
    virtual TColor DefaultUnsetColor3();
    virtual TColor DefaultHighlightColor2();
    virtual TColor DefaultHighlightTextColor2();
    virtual TColor DefaultFaceColor14();
    virtual TColor DefaultFaceColor15();
    virtual TColor DefaultButtonTextColor8();
    virtual TColor DefaultWindowColor3();
    virtual TColor DefaultFaceColor16();
    virtual TColor DefaultWhiteColor1();
    virtual TColor DefaultBlackColor3();
    virtual TColor DefaultFaceColor17();
    virtual TColor DefaultButtonTextColor9();
    virtual TColor DefaultWhiteColor2();
    virtual TColor DefaultBlackColor4();
    virtual TColor DefaultBlackColor5();
    virtual TColor DefaultBlackColor6();
    virtual TColor DefaultLightGrayColor();
    virtual TColor DefaultWhiteColor3();
    virtual TColor DefaultShadowColor9();
    virtual TColor DefaultSkyBlueColor();
    virtual TColor DefaultNavyColor2();
    virtual TColor DefaultShadowColor10();
    virtual TColor DefaultShadowColor11();
    virtual TColor DefaultTabTextColorAt(int AIndex, TuiPainterButtonState AState);
    virtual TColor DefaultContentColor2();
    virtual TColor DefaultTabTextColor(TuiPainterButtonState AState);
    virtual TColor DefaultHighlightOrShadowColor(bool AHighlight);
    virtual TColor DefaultHighlightOrButtonTextColor(bool AHighlight);

    // ---- 3. Arrows, borders and separators
    virtual void DrawArrowShape(TuiCanvas* ACanvas, const TRect& R, TuiPainterArrowDirection ADirection,
                                TColor AColor);
    virtual void DrawArrowButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                 TuiPainterArrowDirection ADirection, bool ABordered = true);
    virtual void DrawArrowFrame(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState);
    virtual void DrawDoubleChevron(TuiCanvas* ACanvas, const TRect& R, TColor AColor, int ALineWidth = 1);
    virtual void DrawArrowGlyph(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                TuiPainterArrowDirection ADirection);
    int BorderThickness() override;
    virtual int SeparatorThickness();
    void DrawBorderFrame(TuiCanvas* ACanvas, const TRect& R) override;
    virtual void DrawContainerBorder(TuiCanvas* ACanvas, const TRect& R, TuiContainerBorderStyle AStyle,
                                     int AWidth, TColor AColor, TuiBorders ABorders);
    virtual void DrawSeparatorCore(TuiCanvas* ACanvas, const TRect& R, bool AVertical);

    // ---- 4. Buttons
    virtual int ButtonBorderThickness(TuiPainterButtonState AState);
    virtual TColor ButtonFaceColor(TuiPainterButtonState AState);
    virtual TColor ButtonSubTextColor(TuiPainterButtonState AState, TColor ADefaultColor);
    virtual TRect ButtonFocusBounds(TuiCanvas* ACanvas, const TRect& R);
    virtual TColor ButtonSignColor(TuiPainterButtonState AState, TColor ADefaultColor = clDefault);
    virtual int ButtonTextIndent();
    virtual int PressedButtonTextShift();
    virtual TuiPainterButtonState ButtonGlyphState(TuiPainterButtonState AState);
    virtual void DrawButton(TuiCanvas* ACanvas, const TRect& R, const std::string& ACaption,
                            TuiPainterButtonState AState, bool ADrawBorder = true, TColor AColor = clDefault,
                            TColor ATextColor = clDefault, bool AWordWrap = false,
                            bool AIsToolButton = false);
    virtual TColor ButtonCaptionColor(TuiPainterButtonState AState, TColor ADefaultColor = clDefault);
    virtual void DrawPlainButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                 TColor AColor = clDefault);
    virtual void DrawCommandLinkGlyph(TuiCanvas* ACanvas, const TPoint& AOrigin,
                                      TuiPainterButtonState AState);
    virtual TSize CommandLinkGlyphSize();
    virtual TRect CommandLinkMargins();
    virtual void DrawButtonFrame(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState);
    virtual void DrawExpandBox(TuiCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor = clDefault);
    virtual void DrawRotatedGroupExpandButton(TuiCanvas* ACanvas, const TRect& R,
                                              TuiPainterButtonState AState, bool AExpanded,
                                              TuiRotationAngle ARotation);
    virtual bool IsExpandButtonDrawnFirst();
    virtual void DrawGroupExpander(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                                   TuiPainterButtonState AState);
    virtual void DrawSmallExpandBox(TuiCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AFrameColor,
                                    TColor AFillColor = clDefault);
    virtual int TouchExpandBoxSize();
    virtual int ExpandBoxSize();
    virtual int GroupExpandButtonExtent();
    bool ButtonHotTracks() override;
    virtual bool GroupExpandButtonHitTest(const TRect& R, const TPoint& P);
    virtual int SmallExpandBoxSize();

    // ---- 5. Headers and sorting marks
    virtual void DrawHeader(TuiCanvas* ACanvas, const TRect& ABounds, const TRect& ATextArea,
                            TuiNeighbors ANeighbors, TuiBorders ABorders, TuiPainterButtonState AState,
                            TAlignment AHorz, TVerticalAlignment AVert, bool AMultiLine, bool AEndEllipsis,
                            const std::string& AText, TFont* AFont, TColor ATextColor, TColor ABkColor,
                            const TuiPainterBackgroundEvent& AOnDrawBackground = {}, bool AIsLast = false,
                            bool AIsGroup = false);
    virtual void DrawHeaderEx(TuiCanvas* ACanvas, const TRect& ABounds, const TRect& ATextArea,
                              TuiNeighbors ANeighbors, TuiBorders ABorders, TuiPainterButtonState AState,
                              TAlignment AHorz, TVerticalAlignment AVert, bool AMultiLine, bool AEndEllipsis,
                              const std::string& AText, TFont* AFont, TColor ATextColor, TColor ABkColor,
                              const TuiPainterBackgroundEvent& AOnDrawBackground = {});
    virtual void DrawHeaderFrame(TuiCanvas* ACanvas, const TRect& R, TuiNeighbors ANeighbors,
                                 TuiBorders ABorders);
    virtual void InvertHeaderArea(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawHeaderControlSection(TuiCanvas* ACanvas, const TRect& ABounds,
                                          const TRect& ATextAreaBounds, int AIgnored, TuiBorders ABorders,
                                          TuiPainterButtonState AState, TAlignment AHorz,
                                          TVerticalAlignment AVert, bool AMultiLine, bool AEndEllipsis,
                                          const std::string& AText, TFont* AFont, TColor ATextColor,
                                          TColor ABkColor);
    virtual void DrawHeaderControlSectionFrame(TuiCanvas* ACanvas, const TRect& R, TuiBorders ABorders,
                                               TuiPainterButtonState AState);
    virtual void DrawHeaderControlSectionContent(TuiCanvas* ACanvas, const TRect& R,
                                                 const TRect& ATextAreaBounds, TuiPainterButtonState AState,
                                                 TAlignment AHorz, TVerticalAlignment AVert, bool AMultiLine,
                                                 bool AEndEllipsis, const std::string& AText, TFont* AFont,
                                                 TColor ATextColor, TColor ABkColor);
    virtual void DrawHeaderControlSectionText(TuiCanvas* ACanvas, const TRect& R,
                                              TuiPainterButtonState AState, TAlignment AHorz,
                                              TVerticalAlignment AVert, bool AMultiLine, bool AEndEllipsis,
                                              const std::string& AText, TFont* AFont, TColor ATextColor);
    virtual void DrawInsetBar(TuiCanvas* ACanvas, const TRect& R, int AMarginWidth, TColor AColor,
                              const TuiViewParams& AParams);
    virtual void DrawSortingMark(TuiCanvas* ACanvas, const TRect& R, bool AAscending);
    virtual void DrawBarredSortingMark(TuiCanvas* ACanvas, const TRect& R, bool AAscending);
    virtual TuiBorders HeaderBorderSides(TuiNeighbors ANeighbors);
    virtual int HeaderBorderWidth();
    virtual TRect HeaderCellBoundsByNeighbors(const TRect& R, TuiNeighbors ANeighbors, TuiBorders ABorders);
    virtual TRect HeaderContentBounds(const TRect& R, TuiBorders ABorders);
    virtual bool HeaderFlag1();
    virtual int HeaderHeight(int AFontHeight);
    virtual int HeaderControlSectionBorderWidth(TuiPainterButtonState AState);
    virtual TRect HeaderControlSectionTextBounds(const TRect& R, TuiPainterButtonState AState);
    virtual TRect HeaderControlSectionContentBounds(const TRect& R, TuiPainterButtonState AState);
    virtual int HeaderWidth(TuiCanvas* ACanvas, TuiBorders ABorders, const std::string& AText, TFont* AFont);
    virtual bool HeaderFlag2();
    virtual TSize SortingMarkAreaSize();
    virtual TSize SortingMarkExtent();
    virtual TSize BarredSortingMarkSize();
    virtual void DrawAreaBackground(TuiCanvas* ACanvas, const TRect& R, bool ATransparent, TColor AColor,
                                    TBitmap* ABitmap);
    virtual int AreaFlag1();
    virtual TColor SchemeBackgroundColor(bool AWindow);
    virtual TColor SchemeColor1();
    virtual TColor SchemeColor2();
    virtual bool HeaderFlag1Alias();
    virtual TColor DefaultShadowColor12();
    virtual TColor DefaultFaceColor18();
    virtual void DrawMenuItemBackground(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                        bool AIgnored = false);
    virtual void DrawTabItemBackground(TuiCanvas* ACanvas, const TRect& R, int AIgnored, bool AIgnoredFlag,
                                       TuiPainterButtonState AState);
    virtual void DrawTabItemFrame(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                  TuiBorders ABorders);
    virtual void DrawFramedFaceItem(TuiCanvas* ACanvas, const TRect& R, int AIgnored,
                                    TuiPainterButtonState AState, TuiBorders ABorders);
    virtual void DrawExpandChevronButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                         bool AExpanded);
    virtual TRect ItemContentMargins1();
    virtual TRect ItemContentMargins2();
    virtual int AreaMetric1();
    virtual int AreaMetric2();
    virtual TuiBorders ItemBorderSides();

    // ---- 6. Footers
    virtual int FooterBorderWidth();
    virtual int FooterCellBorderWidth();
    virtual int FooterCellSpacing();
    virtual bool IsFooterCellDrawnFirst();
    virtual TColor FooterSeparatorColor();
    virtual int FooterSeparatorSize();
    virtual void DrawFooterCell(TuiCanvas* ACanvas, const TRect& R, TAlignment AHorz,
                                TVerticalAlignment AVert, bool AMultiLine, const std::string& AText,
                                TFont* AFont, TColor ATextColor, TColor ABkColor,
                                const TuiPainterBackgroundEvent& AOnDrawBackground = {});
    virtual void DrawFooterCellContent(TuiCanvas* ACanvas, const TRect& R, TAlignment AHorz,
                                       TVerticalAlignment AVert, bool AMultiLine, const std::string& AText,
                                       TFont* AFont, TColor ATextColor, TColor ABkColor,
                                       const TuiPainterBackgroundEvent& AOnDrawBackground = {});
    virtual void DrawFooterFrame(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawFooterBorderWithSeparator(TuiCanvas* ACanvas, const TRect& R, TuiBorders ABorders);
    virtual void DrawFooterCellFrame(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawFooterBackground(TuiCanvas* ACanvas, const TRect& R, const TuiViewParams& AParams);
    virtual void DrawFooterSeparator(TuiCanvas* ACanvas, const TRect& R);

    // ---- 7. Filter buttons
    virtual void DrawFilterCheckButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                       bool AChecked);
    virtual void DrawFilterClearButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState);
    virtual void DrawFilterComboButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                       bool AActive);
    virtual void DrawFilterPanelBackground(TuiCanvas* ACanvas, const TRect& R, bool ATransparent,
                                           TColor AColor, TBitmap* ABitmap);
    virtual void DrawFilterGlyphButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                       bool AActive);
    virtual TSize FilterCheckButtonSize();
    virtual TSize FilterClearButtonSize();
    virtual TSize FilterGlyphButtonSize();
    virtual TSize FilterSmallGlyphSize();

    // ---- 8. Popup panels
    virtual TColor PopupTextColor();
    virtual void DrawPopupBackground(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawPopupFrame(TuiCanvas* ACanvas, TRect& R, TuiPopupBorderStyle AStyle, bool ASizeable);
    virtual int PopupFrameWidth(TuiPopupBorderStyle AStyle);
    virtual int PopupFrameInnerWidth(TuiPopupBorderStyle AStyle);
    virtual bool PopupFlag1();

    // ---- 9. Screen tips
    virtual TColor ScreenTipGetBorderColor();
    virtual void ScreenTipDrawBackgroundFill(TuiCanvas* ACanvas, const TRect& R, TColor AColor);
    virtual TColor ScreenTipGetTitleTextColor();
    virtual TColor ScreenTipGetDescriptionTextColor();
    virtual int ScreenTipGetFooterLineSize();
    virtual void ScreenTipDrawBackground(TuiCanvas* ACanvas, const TRect& R);
    virtual void ScreenTipDrawFooterLine(TuiCanvas* ACanvas, const TRect& R);

    // ---- 10. Tabs
    virtual void DrawTab(TuiCanvas* ACanvas, const TRect& R, const TRect& ATextRect,
                         TuiPainterButtonState AState, int ASide, bool AFocused, bool AVertical,
                         const std::string& AText);
    virtual void DrawTabFrame(TuiCanvas* ACanvas, const TRect& R, int ASide, TuiBorders ABorders,
                              bool AVertical);
    virtual void DrawTabStripFrame(TuiCanvas* ACanvas, const TRect& R, TuiBorders ABorders, bool AVertical);
    virtual bool HasOwnTabDrawing();
    virtual bool AreTabsHotTracked();
    virtual int TabBorderWidth(bool AVertical);

    // ---- 11. Indicators
    virtual void DrawIndicatorCustomizeMark(TuiCanvas* ACanvas, const TRect& R, TColor AColor);
    virtual void DrawIndicatorGlyph(TuiCanvas* ACanvas, const TRect& R, int AKind);
    virtual void DrawIndicatorItem(TuiCanvas* ACanvas, const TRect& R, int AKind, TColor ABkColor,
                                   const TuiPainterBackgroundEvent& AOnDrawBackground = {});
    virtual void DrawIndicatorItemEx(TuiCanvas* ACanvas, const TRect& R, int AKind, TColor ABkColor,
                                     const TuiPainterBackgroundEvent& AOnDrawBackground = {});
    virtual bool IndicatorFlag1();

    // ---- 12. Scroll bars, size grips and close buttons
    int ScrollBarMinimalThumbSize(bool AVertical) override;
    void DrawScrollBarBackground(TuiCanvas* ACanvas, const TRect& R, bool AHorizontal) override;
    void DrawScrollBarElement(TuiCanvas* ACanvas, bool AHorizontal, const TRect& R, TuiScrollBarPart APart,
                              TuiPainterButtonState AState) override;
    virtual TSize SizeGripExtent();
    virtual void DrawSizeGripCore(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawSizeGripRegion(TuiCanvas* ACanvas, const TRect& R, TColor ABkColor, TuiCorner ACorner);
    virtual TSize ScrollBarSizeGripSize();
    virtual void DrawScrollArrowButton(TuiCanvas* ACanvas, const TRect& R,
                                       TuiPainterArrowDirection ADirection, TuiPainterButtonState AState);
    virtual TSize SmallCloseButtonExtent();
    virtual void DrawCloseButtonBackground(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState);
    virtual void DrawSmallCloseButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState);

    // ---- 13. Navigation buttons and markers
    virtual void CalculateSchedulerNavigationButtonRects(bool AIsNext, bool AArrowOnly,
                                                         const TSize& ATextSize1, const TSize& ATextSize2,
                                                         TRect& ABounds, TRect& ATextRect, TRect& AArrowRect);
    virtual void DrawNavigatorHeader(TuiCanvas* ACanvas, const TRect& R, const std::string& AText,
                                     TuiNeighbors ANeighbors, const TuiViewParams& AParams, int AArrowFlags,
                                     int ASideWidth, const TuiPainterBackgroundEvent& AOnDrawBackground = {});
    virtual void DrawContentBorder(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawSchedulerEventProgressBar(TuiCanvas* ACanvas, const TRect& R, const TRect& ABarRect,
                                               const TuiViewParams& AParams, bool ASelected);
    virtual void DrawNotchedMarker(TuiCanvas* ACanvas, const TRect& R, TColor AColor);
    virtual void DrawCaptionCell(TuiCanvas* ACanvas, const TRect& R, TColor ABkColor,
                                 const TuiPainterBackgroundEvent& AOnDrawBackground = {});
    virtual void DrawDiamondMarker(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawSchedulerNavigationButton(TuiCanvas* ACanvas, const TRect& R, bool AIsNext,
                                               TuiPainterButtonState AState, const std::string& AText,
                                               const TRect& ATextRect, const TRect& AArrowRect);
    virtual void DrawSchedulerNavButtonArrow(TuiCanvas* ACanvas, const TRect& R, bool AIsNext, TColor AColor);
    virtual void DrawNavigatorButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState);
    virtual void DrawSplitterBorder(TuiCanvas* ACanvas, const TRect& R, const TuiViewParams& AParams,
                                    bool AHorizontal);
    virtual TRect EventProgressMargins();
    virtual TColor NavigationButtonTextColor(bool AIsNext, TuiPainterButtonState AState,
                                             TColor ADefaultColor = clDefault);
    // Borders (left, top, right, bottom), whether there is a text area, and the arrow size.
    virtual void NavigationButtonMetrics(bool AIsNext, TRect& ABorders, bool& AHasTextArea,
                                         TSize& AArrowSize);

    // ---- 14. Edit buttons and containers
    virtual void DrawEditButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState);
    virtual void DrawEditButtonGlyph(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState);
    virtual int EditButtonTextIndent();
    virtual TSize EditButtonExtent();
    virtual TColor EditButtonCaptionColor(TuiPainterButtonState AState);
    virtual TColor ContainerBorderColor();
    virtual int ContainerBorderWidth(TuiContainerBorderStyle AStyle);

    // ---- 15. Clock, zoom and back buttons
    virtual TSize ClockFaceSize();
    virtual void DrawClockFace(TuiCanvas* ACanvas, const TRect& R, double ATime, TColor ABkColor);
    virtual TSize ZoomInButtonSize();
    virtual TSize ZoomOutButtonSize();
    virtual void DrawZoomInButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState);
    virtual void DrawZoomOutButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState);
    virtual TSize BackButtonSize();
    virtual void DrawBackButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState);

    // ---- 16. Header panels and glyph buttons
    virtual void DrawHeaderPanelBackground(TuiCanvas* ACanvas, TRect& R);
    virtual void DrawGlyphButtonFrame(TuiCanvas* ACanvas, const TRect& R, bool ASelected);
    virtual void DrawGlyphButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                 TColor AFrameColor);
    virtual void DrawGlyphButtonGlyph(TuiCanvas* ACanvas, TCustomImageList* AImages, int AImageIndex,
                                      const TRect& R, bool AEnabled, int AIgnored = 0);
    virtual bool IsGlyphButtonHotTrack();
    virtual int GlyphButtonBorderSize();
    virtual TRect GlyphButtonGlyphMargins();
    virtual TSize GlyphButtonGlyphSize();
    virtual TSize GlyphButtonSpacing();
    virtual TSize GlyphButtonSize();
    virtual void DrawGlyphButtonArea1(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawGlyphButtonArea2(TuiCanvas* ACanvas, const TRect& R);

    // ---- 17. Captions and group boxes
    virtual void DrawCaptionText(TuiCanvas* ACanvas, bool AVertical, bool APlain, const std::string& AText,
                                 const TRect& ATextRect, int AIgnored, const TRect& ABounds, TColor AColor);
    virtual TRect CaptionTextPadding();
    virtual TColor CaptionTextColor();
    virtual TColor CaptionGlowColor(bool AGlow);
    virtual void DrawCaptionArea1(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawCaptionArea2(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawCaptionArea3(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawCaptionExpandButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                         bool AExpanded, TuiRotationAngle ARotation);
    virtual void DrawGroupBoxBorder(TuiCanvas* ACanvas, const TRect& R, bool AEnabled, int AIgnored,
                                    TuiBorders ABorders);
    virtual TRect GroupBoxBorderWidths(int AIgnored1, int AIgnored2);
    virtual int GroupBoxCaptionGap();
    virtual TColor GroupBoxTextColorByState(bool AEnabled, int AIgnored = 0);
    virtual bool IsGroupBoxCaptionOverBorder();
    virtual bool GroupBoxIsTransparent();

    // ---- 18. Check boxes and radio buttons
    virtual TSize TouchCheckBoxSize();
    virtual int CheckBoxBorderWidth();
    virtual TColor CheckBoxFaceColor(TuiPainterButtonState AState, TuiPainterCheckState ACheckState);
    virtual TSize CheckBoxSize();
    virtual void DrawCheckMark(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                               bool AChecked, TColor AColor);
    virtual void DrawCheck(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                           TuiPainterCheckState ACheckState, TColor AMarkColor);
    virtual void DrawCheckBoxFrame(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState);
    virtual void DrawCheckButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                 bool AChecked);
    virtual void DrawCheckBox(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                              TuiPainterCheckState ACheckState);
    virtual void DrawRadioButton(TuiCanvas* ACanvas, int X, int Y, TuiPainterButtonState AState,
                                 bool AChecked, bool AEmphasisB, TColor ABkColor = clDefault,
                                 bool AEmphasisA = false);
    virtual TColor RadioButtonFillColor(TuiPainterButtonState AState);
    virtual TSize RadioButtonExtent();

    // ---- 19. Frames, areas and track bars
    virtual void DrawSunkenFrame(TuiCanvas* ACanvas, const TRect& R, TColor ADarkColor, TColor ALightColor,
                                 bool AVertical);
    virtual int SunkenFrameWidth();
    // The base forwards to DrawCaptionArea1; the gradient looks fill with the control's parent image
    // (colour 1 clDefault), colour 1, or a vertical gradient from colour 1 to colour 2.
    virtual void DrawAreaFrame1(TuiCanvas* ACanvas, const TRect& R, TControl* AControl = nullptr,
                                TColor AColor1 = clDefault, TColor AColor2 = clDefault);
    virtual void DrawPanelFrame(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawAreaFrame2(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawFaceArea(TuiCanvas* ACanvas, const TRect& R, int AIgnored = 0);
    virtual TRect AreaMargins();
    virtual TColor AreaTextColor();
    virtual void TrackBarTrackContentBounds(TRect& R, bool AHorizontal, int AKind);
    virtual void DrawTrackBarTrack(TuiCanvas* ACanvas, const TRect& R, int AIgnored1, int AIgnored2,
                                   int AIgnored3, bool AHorizontal, TColor AColor);
    virtual void DrawTrackBarTrackFrame(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawTrackBarThumb(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                   bool AHorizontal, int AKind, TColor AColor);
    virtual void DrawTrackBarThumbEdges(TuiCanvas* ACanvas, const TuiPolyline& ALight,
                                        const TuiPolyline& ADark, const TuiPolyline& AShadow);
    virtual void DrawTrackBarThumbFrame(TuiCanvas* ACanvas, const TRect& R);
    virtual TSize TrackBarThumbSize();
    virtual TColor TrackBarThumbColor();
    virtual int TrackBarFlag1();
    virtual TColor SplitterInnerColor();

    // ---- 20. Splitters and previews
    virtual TColor SplitterOuterColor(bool AHighlighted);
    virtual void DrawSplitterBar(TuiCanvas* ACanvas, const TRect& R, bool AHighlighted, int AIgnored,
                                 bool AHorizontal);
    virtual TSize SplitterGripSize(bool AHorizontal);
    virtual TColor DefaultFaceColor19();
    virtual void FillWithFaceColor(TuiCanvas* ACanvas, const TRect& R);
    virtual void FillWithColor(TuiCanvas* ACanvas, const TRect& R, TColor AColor);
    virtual TRect ContentMargins();
    virtual void DrawPreviewBackground(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawPreviewPage(TuiCanvas* ACanvas, const TRect& R, const TRect& APageRect, int AFrameKind,
                                 bool AWithBackground);
    virtual TColor MarkerColorByIndex(int AIndex);
    virtual TColor DefaultFaceColor20();
    virtual void DrawCaptionBox(TuiCanvas* ACanvas, const TRect& R, const std::string& AText, TFont* AFont,
                                TColor AColor);
    virtual TColor DefaultFaceColor21();

    // ---- 21. Breadcrumb edit
    virtual TRect BreadcrumbEditBorderWidths();
    virtual int BreadcrumbEditSeparatorWidth();
    virtual TRect BreadcrumbEditButtonContentMargins(bool AFirst, bool ALast);
    virtual int BreadcrumbEditDropDownButtonBaseWidth();
    virtual int BreadcrumbEditDropDownButtonWidth();
    virtual bool BreadcrumbEditFlag1();
    virtual int BreadcrumbEditNodeDelimiterSize();
    virtual TColor BreadcrumbEditArrowColor(TuiPainterButtonState AState);
    virtual TRect BreadcrumbEditNodeTextOffsets();
    virtual TSize BreadcrumbEditProgressChunkSize();
    virtual TRect BreadcrumbEditProgressChunkOffsets();
    virtual void DrawBreadcrumbEditBorder(TuiCanvas* ACanvas, const TRect& R, TuiBorders ABorders,
                                          int AState);
    virtual void DrawBreadcrumbEditButtonAreaSeparator(TuiCanvas* ACanvas, const TRect& R, int AState);
    virtual void DrawBreadcrumbEditButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                          bool AFirst, bool ALast);
    virtual void DrawBreadcrumbEditDropDownButton(TuiCanvas* ACanvas, const TRect& R,
                                                  TuiPainterButtonState AState, bool APressed);
    virtual void DrawBreadcrumbEditDropDownArrow(TuiCanvas* ACanvas, const TRect& R,
                                                 TuiPainterButtonState AState, int AIgnored = 0);
    virtual void DrawBreadcrumbEditNode(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                        bool AFlag);
    virtual void DrawBreadcrumbEditScrollButton(TuiCanvas* ACanvas, const TRect& R,
                                                TuiPainterButtonState AState);
    virtual void DrawBreadcrumbEditNodeDelimiterGlyph(TuiCanvas* ACanvas, const TRect& R,
                                                      TuiPainterButtonState AState);
    virtual void DrawBreadcrumbEditScrollArrow(TuiCanvas* ACanvas, const TRect& R,
                                               TuiPainterButtonState AState);
    virtual void DrawBreadcrumbEditProgressChunk(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawBreadcrumbEditProgressFrame(TuiCanvas* ACanvas, const TRect& R);

    // ---- 22. Drop-down lists
    virtual void DrawDropDownListBackground(TuiCanvas* ACanvas, const TRect& R, bool ABordered);
    virtual void DrawDropDownListGutter(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawDropDownListSelection(TuiCanvas* ACanvas, const TRect& R, int AIgnored = 0);
    virtual void DrawDropDownListSeparator(TuiCanvas* ACanvas, const TRect& R, const TRect& AGutterRect);
    virtual int DropDownListBorderWidth();
    virtual TRect DropDownListItemImageMargins();
    virtual TColor DropDownListItemTextColor(bool ASelected);
    virtual TRect DropDownListItemTextMargins();
    virtual int DropDownListSeparatorHeight();

    // ---- 23. Small buttons
    virtual TRect SmallButtonGlyphMargins();
    virtual void SmallButtonGlyphSize(int AKind, TSize& ASize);
    virtual TRect SmallButtonMargins();
    virtual int SmallButtonCornerRadius();
    virtual TColor SmallButtonGlyphColor();
    virtual TColor SmallButtonTextColor();
    virtual void DrawSmallButtonBackground(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawSmallButton(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState, int AKind,
                                 bool APressed);
    virtual void DrawSmallButtonFrame(TuiCanvas* ACanvas, const TRect& R);

    // ---- 24. Items
    virtual TRect ItemMargins();
    virtual TColor ItemBackgroundColor();
    virtual TColor ItemTextColor();
    virtual TColor ItemDisabledTextColor();
    virtual TColor ItemFrameColor();
    virtual void DrawItemBackground(TuiCanvas* ACanvas, const TRect& R);
    virtual void DrawItemCaption(TuiCanvas* ACanvas, const TRect& R);
    virtual int ItemFlag1();
    virtual void DrawItemHighlightFrame(TuiCanvas* ACanvas, const TRect& R, bool AF1, bool AF2, bool AF3,
                                        bool AF4);
    virtual void DrawItemFrame(TuiCanvas* ACanvas, const TRect& R);
    virtual TColor ItemLightColor();
    virtual void DrawItemStateFrame(TuiCanvas* ACanvas, const TRect& R, bool AG1, bool AG2, bool AG3,
                                    bool AG4, bool AG5);

    // ---- 25. Edges
    virtual TSize EdgeSize(int AKind);
    virtual void EdgeColors(TColor& AOuter, TColor& AInner);
    virtual void DrawEdgeBox(TuiCanvas* ACanvas, const TRect& R, TColor AOuter, TColor AInner, bool A3D);
    virtual void DrawEdgeLine(TuiCanvas* ACanvas, const TRect& R, TColor AOuter, TColor AInner,
                              bool AVertical);
    virtual void DrawEdgeByKind(TuiCanvas* ACanvas, const TRect& R, int AKind, int AVariant);

    // ---- Operations of the base class shared by the looks
    // The three points of an arrow in R; with an unknown direction False (no points: draw nothing).
    static bool ComputeArrowPoints(const TRect& R, TuiArrowPoints& APoints, int ADirection,
                                   bool AProportional, int ASize = 0);
    void ComputePopupPanelClientBounds(TRect& AClientRect, TRect& APanelRect, TRect& AGripRect,
                                       TRect& ACloseButtonRect, TuiCorner ACorner, const TRect& ABorders,
                                       TuiBorders APanelBorders, int APanelHeight, bool AShowCloseButton,
                                       bool AShowGrip);
    void DrawPopupNCPanel(HWND AWindow, bool ACloseButtonHot, bool ACloseButtonPressed, TuiCorner ACorner,
                          const TRect& ACloseButtonRect, const TRect& AGripRect, TColor ABorderColor);
    void DrawPopupPanel(TuiCanvas* ACanvas, const TRect& APanelRect, const TRect& AGripRect,
                        const TRect& ACloseButtonRect, TuiCorner ACorner,
                        TuiPainterButtonState ACloseButtonState, TuiBorders APanelBorders,
                        TColor ABorderColor, bool ADrawGrip, bool ADrawCloseButton);
    int DefaultPopupPanelHeight();
    TovSmartImage* BackButtonImage();
    void DrawExpandSign(TuiCanvas* ACanvas, const TRect& R, bool AExpanded, TColor AColor);
    void DrawGroupExpandChevrons(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                                 TuiPainterButtonState AState);
    void DrawSortingTriangle(TuiCanvas* ACanvas, const TRect& R, TColor ADarkColor, TColor ALightColor,
                             bool AAscending);
    void DrawBarredSortingTriangle(TuiCanvas* ACanvas, const TRect& R, TColor ADarkColor, TColor ALightColor,
                                   bool AAscending);
    void DrawCloseCross(TuiCanvas* ACanvas, const TRect& R, TColor AColor, TuiPainterButtonState AState);
    void DrawHeaderSideArrows(TuiCanvas* ACanvas, const TRect& R, int AArrowFlags, int ASideWidth,
                              TColor AColor);
    void DrawPinGlyph(TuiCanvas* ACanvas, const TRect& R, TColor AColor, bool AUpright);
    static TuiPainterArrowDirection ScrollButtonArrowDirection(bool AHorizontal, TuiScrollBarPart APart);

private:
    // Fills a polygon of three points in one colour.
    static void FillArrow(TuiCanvas* ACanvas, const TuiArrowPoints& APoints, TColor AColor);
    std::unique_ptr<TovSkinDetails> FDetails;
    std::unique_ptr<TovSmartImage> FBackButtonImage;
};
