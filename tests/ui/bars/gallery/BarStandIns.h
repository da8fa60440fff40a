// Stand-ins of the bar windows for the painting tests, the gallery and the benchmark: a toolbar (docked
// horizontally or vertically, or floating) and a menu that hold their own link lists, lay their item
// controls out in a row, a column or a menu, and paint themselves and their items through their painter
// onto any canvas. They have no window; each answers the values a test chooses.
#pragma once

#include "ui/bars/BarItemLinks.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/ToolbarControl.h"

#include <memory>
#include <vector>

class TuiCanvas;

namespace bar_standins {

// The owner of a stand-in's links: everything may be placed on it.
class TStandInLinksOwner : public IovBarLinksOwner {
public:
    explicit TStandInLinksOwner(TObject* AOwner) : FOwner(AOwner) {}
    bool CanContainItem(TovBarItem*, std::string& AErrorText) override {
        AErrorText.clear();
        return true;
    }
    IovBarControl* CreateBarControl() override { return nullptr; }
    TCustomImageList* ImageListOf() override { return nullptr; }
    TObject* OwnerObject() override { return FOwner; }
    TovBarItemLinks* LinksOf() override { return Links.get(); }
    std::unique_ptr<TovBarItemLinks> Links;

private:
    TObject* FOwner;
};

// A toolbar of the toolbar ABar (for its docking style, font and flags) with links of its own.
class TStandInToolbar : public TovBarControl {
public:
    // With links of its own, or (AShowBarLinks) as the window of the toolbar's own links.
    TStandInToolbar(TovBarManager* AManager, TovBar* ABar, bool AShowBarLinks = false);
    ~TStandInToolbar() override;

    TovBarItemLinks* Links() const { return ItemLinks(); }
    TovBarItemLink* Add(TovBarItem* AItem, bool ABeginGroup = false);
    // Places the links in a row (horizontal bars) or a column (vertical ones) from the client's top-left
    // corner, with a separator band before each group and the mark's band at the end; the client becomes
    // just large enough (or AMinLength long when that is more).
    void Layout(int AMinLength = 0);
    // Background, separators, items and mark, at the canvas's origin (the client's top-left corner).
    void PaintTo(TuiCanvas* ACanvas);
    // A floating toolbar: frame, caption and client, the client at ClientOffset() in the window.
    void PaintFloatingTo(TuiCanvas* ACanvas);
    TPoint ClientOffset() const;
    // A docked toolbar's window: its border and grip around the client, the client at the border's
    // top-left corner.
    TRect DockedBorders() const;
    TSize DockedWindowSize() const;
    void PaintDockedTo(TuiCanvas* ACanvas);

    TuiCanvas* GetCanvas() const override;
    void SetPaintCanvas(TuiCanvas* ACanvas) { FPaintCanvas = ACanvas; }
    // The answers tests choose.
    TovBarDockingStyle DockingStyleOverride = dsTop;
    bool MarkShown = true;
    TovBarDockingStyle DockingStyleOf() const override { return DockingStyleOverride; }
    bool HasMark() const override { return MarkShown; }
    bool CaptionShown = true;
    bool HasCaption() const override { return CaptionShown && TovBarControl::HasCaption(); }
    std::vector<TRect> Separators;
    TRect MarkRect{0, 0, 0, 0};

private:
    TStandInLinksOwner FOwner;
    TuiCanvas* FPaintCanvas = nullptr;
};

// A drop-down menu with links of its own.
class TStandInMenu : public TovBarSubMenuControl {
public:
    // With links of its own, or showing ALinks (a sub-item's).
    explicit TStandInMenu(TovBarManager* AManager, TovBarItemLinks* ALinks = nullptr);
    ~TStandInMenu() override;

    TovBarItemLinks* Links() const { return ItemLinks(); }
    // Shown without a window of its own.
    void Show() override {
        TCustomovBarControl::Show();
        ++ShowCount;
    }
    int ShowCount = 0;
    TovBarItemLink* Add(TovBarItem* AItem, bool ABeginGroup = false);
    // One item a row inside the frame, a begin-group band above each group, the expand button at the
    // bottom when ExpandMark is set; the client becomes just large enough (at least AMinWidth wide).
    void Layout(int AMinWidth = 0);
    // Background, frame, side band, groups, items, scroll buttons and expand button.
    void PaintTo(TuiCanvas* ACanvas);

    TuiCanvas* GetCanvas() const override;
    void SetPaintCanvas(TuiCanvas* ACanvas) { FPaintCanvas = ACanvas; }
    bool ScrollButtons = false;
    bool ExpandMark = false;
    bool ExpandMarkSelected = false;
    TRect ExpandMarkRect{0, 0, 0, 0};

private:
    TStandInLinksOwner FOwner;
    TuiCanvas* FPaintCanvas = nullptr;
};

// Opens AMenu below AControl (the toolbar's mark when null) of a docked toolbar whose window stands at the
// screen's origin: the menu's window starts at the owner's bottom-left corner, the menu knows its owner, and
// its owner edge is the strip where the two meet — the owner's bottom row and the menu's top row.
void JoinMenuBelow(TStandInToolbar* AToolbar, TovBarItemControl* AControl, TStandInMenu* AMenu);

} // namespace bar_standins
