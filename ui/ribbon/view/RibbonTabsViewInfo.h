// The tab row: one cell per visible tab (the tabs without a context first, then each visible context's
// tabs), laid out in one of three ways. With room, every tab takes its preferred width (caption + 27).
// Short of room, every tab first gives up the spare width around its caption, up to 17 pixels, while
// separators fade in; beyond that the widest captions shrink, a pixel at a time, never below three
// characters + 10. Only when even those widths do not fit does the row scroll, with a button at each end
// that has more to show. Each cell draws through the tab painter, which forwards to the skin.
#pragma once

#include "ui/ribbon/view/RibbonCustomViewInfo.h"

#include <cstdint>
#include <memory>
#include <string>

class TFont;
class TuiBitmap32;
class TovRibbonTab;
class TovRibbonTabsViewInfo;

// Tab states: 0 normal, 1 hot, 2 active, 3 active and hot, 4 focused (keyboard navigation).
constexpr int ovRibbonTabNormal = 0;
constexpr int ovRibbonTabHot = 1;
constexpr int ovRibbonTabActive = 2;
constexpr int ovRibbonTabActiveHot = 3;
constexpr int ovRibbonTabFocused = 4;

// Draws a tab's parts through the ribbon's skin with the ribbon's accent.
class TovRibbonTabPainter : public TObject {
public:
    explicit TovRibbonTabPainter(TovCustomRibbon* ARibbon) : FRibbon(ARibbon) {}
    virtual void DrawBackground(TuiCanvas* ACanvas, const TRect& R, int AState);
    virtual void DrawContextBackground(TuiCanvas* ACanvas, TColor AContextColor, int AState, const TRect& R);
    // The context's edge at its first (ABegin) or last tab.
    virtual void DrawContextSeparator(TuiCanvas* ACanvas, const TRect& R, bool ABegin);
    virtual void DrawSeparator(TuiCanvas* ACanvas, const TRect& R, std::uint8_t AAlpha);
    // One line, centred vertically; centred or at the left.
    virtual void DrawText(TuiCanvas* ACanvas, const TRect& R, bool AOnGlass, bool ALeftAligned,
                          const std::string& ACaption);

private:
    TovCustomRibbon* FRibbon;
};

class TovRibbonTabViewInfo : public TObject {
public:
    TovRibbonTabViewInfo(TovRibbonTabsViewInfo* AOwner, TovRibbonTab* ATab);
    ~TovRibbonTabViewInfo() override;

    // The widths in the tab font: TextWidth, PreferredWidth, MinWidth.
    virtual void CalculateWidths();
    // Places the cell with the separator opacity.
    virtual void Calculate(const TRect& R, std::uint8_t AAlpha);
    virtual TRect GetTextBounds();
    virtual TRect GetSeparatorBounds();
    virtual int GetState();
    // Active, the groups shown and no application menu over them.
    bool IsActiveWithGroups();
    bool IsHot();
    bool IsKeyboardSelected();
    // 3 active with groups, 2 any other lit state, 0 normal.
    int GetFontState();
    void Draw(TuiCanvas* ACanvas);
    // The background in the state a fade ends in (hot or not), for the tab's fading.
    TuiBitmap32* PrepareFadeImage(bool AHot);

    TovRibbonTabsViewInfo* Owner() const { return FOwner; }
    TovRibbonTab* Tab() const { return FTab; }
    TovRibbonTabPainter* Painter() const { return FPainter.get(); }

    bool SeparatorAllowed = false;
    bool FirstOfContext = false;
    bool LastOfContext = false;
    int MinWidth = 0;
    int PreferredWidth = 0;
    std::uint8_t SeparatorOpacity = 0;
    TRect SeparatorBounds{};
    TRect TextBounds{};
    int TextWidth = 0;
    int Width = 0;
    TRect Bounds{};

private:
    // The background, the context's tint and its edges for the state.
    void DrawBackgroundParts(TuiCanvas* ACanvas, const TRect& R, int AState);
    int StateForHot(bool AHot);

    TovRibbonTabsViewInfo* FOwner;
    TovRibbonTab* FTab;
    std::unique_ptr<TovRibbonTabPainter> FPainter;
};

// A scroll button at an end of the tab row (0 left, 1 right).
class TovRibbonTabsScrollButtonViewInfo : public TovRibbonCustomScrollButtonViewInfo {
public:
    TovRibbonTabsScrollButtonViewInfo(TovRibbonCustomContainerViewInfo* AOwner, int AScrollButton)
        : TovRibbonCustomScrollButtonViewInfo(AOwner), ScrollButton(AScrollButton) {}
    void DrawBackground(TuiCanvas* ACanvas, const TRect& R, int AState) override;
    void DrawGlyph(TuiCanvas* ACanvas, const TRect& R, int AState) override;

    const int ScrollButton;

protected:
    std::uint8_t HitCode() override;
};

// Which scroll buttons show: bit 0 left, bit 1 right.
constexpr std::uint8_t ovRibbonScrollLeft = 1;
constexpr std::uint8_t ovRibbonScrollRight = 2;

class TovRibbonTabsViewInfo : public TovRibbonCustomContainerViewInfo {
public:
    explicit TovRibbonTabsViewInfo(TovRibbonViewInfo* AOwner);
    ~TovRibbonTabsViewInfo() override;

    void Calculate(const TRect& ABounds) override;
    // Onto an off-screen copy of the row's background: the cells, the scroll buttons; copied back.
    void Draw(TuiCanvas* ACanvas) override;
    // The scroll buttons, then the cell under the point between them.
    bool GetHitInfo(TovRibbonHitInfo& AHitInfo) override;

    // The cells again: the tabs without a context, then each visible context's visible tabs.
    void RecreateTabs();
    int TabCount() const { return GetCount(); }
    TovRibbonTabViewInfo* GetTab(int AIndex) const {
        return static_cast<TovRibbonTabViewInfo*>(GetItem(AIndex));
    }
    // The cell of the tab; null when the tab has none.
    TovRibbonTabViewInfo* FindTab(const TovRibbonTab* ATab) const;
    // MinWidth, plus one for every tab but the last.
    int GetTabMinWidth(int AIndex) const;
    // Scrolls the row until the tab's cell shows (only while the row scrolls).
    void MakeTabVisible(TovRibbonTab* ATab);
    // Clamped to 0..ScrollWidth; a change recalculates and repaints the ribbon.
    void SetScrollPosition(int AValue);
    void UpdateScrollButtonsState();
    void UpdateTabsGroupsDockControls();

    TovRibbonTabsScrollButtonViewInfo* ScrollButtonLeft() const { return FScrollButtonLeft.get(); }
    TovRibbonTabsScrollButtonViewInfo* ScrollButtonRight() const { return FScrollButtonRight.get(); }
    TuiBitmap32* Bitmap() const { return FBitmap.get(); }

    bool ButtonAtRight = false;
    bool HintNeeded = false;
    std::uint8_t ScrollButtons = 0;
    int ScrollPosition = 0;
    int ScrollWidth = 0;
    std::uint8_t SeparatorOpacity = 0;
    int TotalMinimumWidth = 0;
    int TotalPreferredWidth = 0;

protected:
    virtual void CalculateReducedLayout();
    virtual void CalculateOptimalLayout();
    virtual void CalculateScrollingLayout();
    virtual void AddContextTabs();
    virtual void AddTabs();

private:
    void ReduceTabWidths(int ACount);
    void ResetScrolling();
    // The cells from ALeft with their Width, the context indent when asked.
    void PlaceCells(int ALeft, bool AContextIndent, bool APreferred);
    void CalculateScrollButtons();
    int AddCell(TovRibbonTab* ATab);

    std::unique_ptr<TuiBitmap32> FBitmap;
    std::unique_ptr<TovRibbonTabsScrollButtonViewInfo> FScrollButtonLeft;
    std::unique_ptr<TovRibbonTabsScrollButtonViewInfo> FScrollButtonRight;
};
