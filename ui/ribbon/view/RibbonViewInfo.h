// TovRibbonViewInfo: the layout of the whole ribbon. It decides what shows (the ribbon hides on a form
// smaller than 300 × 250), lays out the application button, the quick access toolbar (above, in the
// form's caption or below), the tab row with its tabs and buttons, the context headers, the groups area
// and the caption text, answers hit tests and paints the ribbon's client area in a fixed order through
// the painter. Coordinates are the ribbon's client coordinates.
//
// Calculate is the one entry; everything else reads what it left. The element view informations it owns
// live in RibbonTabsViewInfo.h, RibbonTabsAreaButtons.h, RibbonApplicationButtonViewInfo.h and
// RibbonContextsViewInfo.h.
#pragma once

#include "platform/rtl/Object.h"
#include "ui/ribbon/ribbon/RibbonSubObjects.h"

#include <memory>
#include <string>

class TFont;
class TuiCanvas;
class TovCustomRibbon;
class TovCustomRibbonSkin;
class TovRibbonHitInfo;
class TovRibbonPainter;
class TovRibbonTab;
class TovRibbonTabsViewInfo;
class TovRibbonTabViewInfo;
class TovRibbonTabsAreaButtonsViewInfo;
class TovRibbonApplicationButtonViewInfo;
class TovRibbonContextsViewInfo;
class TovRibbonGroupsDockControlSiteViewInfo;

class TovRibbonViewInfo : public TObject, public IovRibbonViewInfo {
public:
    explicit TovRibbonViewInfo(TovCustomRibbon* ARibbon);
    ~TovRibbonViewInfo() override;

    TovCustomRibbon* Ribbon() const { return FRibbon; }
    TovRibbonApplicationButtonViewInfo* ApplicationButtonViewInfo() const { return FApplicationButton.get(); }
    TovRibbonContextsViewInfo* ContextsViewInfo() const { return FContexts.get(); }
    TovRibbonTabsViewInfo* TabsViewInfo() const { return FTabs.get(); }
    TovRibbonTabsAreaButtonsViewInfo* TabsAreaButtonsViewInfo() const { return FTabsAreaButtons.get(); }
    // The groups site's view information; null without a site.
    TovRibbonGroupsDockControlSiteViewInfo* GetGroupsDockControlSiteViewInfo() const;
    TovRibbonPainter* GetPainter() const;
    TovCustomRibbonSkin* GetSkin() const;
    TuiCanvas* GetCanvas() const;

    // ---- The layout (IovRibbonViewInfo)
    void Calculate() override;
    bool IsHidden() override { return Hidden; }
    // At design time never; a minimized form (not a top-level application window), a form narrower than
    // 300 or lower than 250 pixels, or the form's auto-hide mode hiding the ribbon.
    bool CalculateHidden() override;
    int GetRibbonHeight() override;
    int GetNonClientAreaHeight() override;
    int GetTabsHeight() override;
    TRect GetTabsAreaBounds() override;
    int GetLastTabRight() override;
    TRect GetGroupsDockControlSiteContentOffsets() override;
    TovRibbonTab* GetTabAtPos(int X, int Y) override;
    void UpdateNonClientDrawingFlags() override;
    bool SupportsNonClientDrawing() override { return SupportNonClientDrawing; }
    bool DrawsOnGlass() override { return FDrawsOnGlass; }
    HRGN GetNonClientElementsRegion() override;
    bool IsQuickAccessToolbarInCaption() override;
    TRect GetQuickAccessToolbarDockControlBounds() override;
    TRect GetApplicationButtonBounds() override;
    void DrawApplicationButton(HDC DC, const TRect& R) override;
    int GetFormCaptionFontSize(int ASize) override;
    void Paint(TuiCanvas* ACanvas) override;

    // ---- Hit test: tabs, tab-row buttons, context headers, application button, then the groups site.
    void GetHitInfo(TovRibbonHitInfo& AHitInfo);

    // ---- What shows (AIgnoreHidden asks as if the ribbon were not hidden)
    bool CanShowElements(bool AIgnoreHidden = false);
    bool IsTabsVisible(bool AIgnoreHidden = false);
    bool IsTabGroupsVisible(bool AIgnoreHidden = false);
    bool IsQuickAccessToolbarVisible(bool AIgnoreHidden = false);
    bool IsQuickAccessToolbarBelow();
    bool IsQuickAccessToolbarOnGlass();
    bool IsClassicApplicationButtonVisible();
    bool AreContextsVisible();
    bool IsTabsAreaBottomLineVisible();
    bool IsTabsOnGlass();
    bool IsActiveTabInContext();
    bool IsFormActive();
    bool HasMDIButtons();
    // Whether the caption shows the form's icon (the form's paint data: MDI child, minimized).
    bool IsFormIconVisible(bool AIsMDIChild);
    bool IsTabGroupsPopupShowing();
    // The tab row holds at least one tab.
    bool HasTabs();

    // ---- Metrics
    // The top of the tab row.
    int GetTopOffset();
    virtual TRect GetTabContentMargins();
    virtual TRect GetTabsBounds();
    // The width of a scroll button of the tab and groups rows: the tab font's height + 2.
    int GetScrollButtonWidth();
    virtual TRect GetGroupsDockControlSiteMargins();
    virtual int GetGroupsAreaHeight(bool AForce);
    virtual TRect GetGroupsDockControlSiteBounds();
    virtual TRect GetGroupsDockControlBounds();
    // The caption of a context as its header needs it (0 without the ribbon's caption drawing).
    int GetContextCaptionWidth(const std::string& ACaption);

    // ---- The quick access toolbar
    virtual TRect GetQuickAccessToolbarMargins();
    virtual int GetQuickAccessToolbarLeft();
    virtual int GetQuickAccessToolbarTop();
    virtual int GetQuickAccessToolbarWidth();
    virtual int GetQuickAccessToolbarHeight();
    virtual TRect GetQuickAccessToolbarBounds();
    // The width the toolbar's row may take.
    virtual int GetQuickAccessToolbarAvailableWidth();
    // The size the toolbar asks for; (0, 0) while it is hidden or the application menu covers it.
    virtual TSize GetQuickAccessToolbarSize();
    void UpdateQuickAccessToolbarDockControl();
    // The skin's width the toolbar starts inside a classic application button (2007) or beside it.
    int GetQuickAccessToolbarWidthOverride();

    // ---- The form's caption
    // The caption part of the title: the form caption, after " - " when there is a document name.
    virtual std::string GetCaption();
    virtual std::string GetDocumentName();
    // The document name, then the caption.
    std::string GetFormCaptionText();
    virtual TRect GetFormCaptionAreaBounds();
    virtual TRect GetFormCaptionTextBounds();
    virtual TRect CalculateFormCaptionTextBoundsWithContexts(const TRect& R, const TRect& ACentred,
                                                             int AWidth);
    TColor GetDocumentNameTextColor(bool AIsActive);
    TFont* GetFormCaptionFont(bool AIsActive);

    // ---- Invalidation helpers
    void UpdateButtonsState();

    TRect Bounds{};
    bool DrawEmptyRibbon = false;
    TRect CaptionTextBounds{};
    bool CaptionLeftOfContext = false;
    TRect GroupsDockControlSiteBounds{};
    TRect GroupsDockControlBounds{};
    bool Hidden = false;
    TSize QuickAccessToolbarSize{};
    TRect QuickAccessToolbarBounds{};
    bool SupportNonClientDrawing = false;

protected:
    virtual void CalculateContexts();
    virtual void CalculateQuickAccessToolbar();
    virtual void CalculateFormCaption();
    virtual void CalculateGroupsArea();
    virtual void CalculateTabs();
    virtual void CalculateTabsAreaButtons();
    virtual TRect GetBounds();

private:
    void CalculateLayout();
    int GetCaptionHeight();

    TovCustomRibbon* FRibbon;
    std::unique_ptr<TovRibbonContextsViewInfo> FContexts;
    std::unique_ptr<TovRibbonTabsViewInfo> FTabs;
    std::unique_ptr<TovRibbonApplicationButtonViewInfo> FApplicationButton;
    std::unique_ptr<TovRibbonTabsAreaButtonsViewInfo> FTabsAreaButtons;
    bool FDrawsOnGlass = false;
    HRGN FNonClientElementsRegion = nullptr;
};

// The ribbon's view information as its own class (null while the ribbon runs with another).
TovRibbonViewInfo* ovRibbonViewInfo(const TovCustomRibbon* ARibbon);
