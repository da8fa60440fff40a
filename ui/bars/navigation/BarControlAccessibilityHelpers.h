// The helpers of the bar windows and their parts: dock controls, bar controls (toolbars and menus), the
// toolbar mark and the toolbar's caption buttons. Each asks its owner for everything; none keeps state.
#pragma once

#include "ui/bars/navigation/BarAccessibilityHelper.h"

class TCustomovBarControl;
class TovBarControl;
class TovBarSubMenuControl;
class TovDockControl;
class TovBarItemControl;
class TovBarItemLink;
class TovBarCaptionButton;
class TovBarCaptionButtons;
class TovBarItemLinkAccessibilityHelper;

// A dock: its children are the toolbars docked in it, row by row and within a row from the start.
class TovDockControlAccessibilityHelper : public TovBarAccessibilityHelper {
public:
    explicit TovDockControlAccessibilityHelper(TovDockControl* ADock);
    TovDockControl* Dock() const { return FDock; }

    TovBarManager* OwningBarManager() override;
    bool ChildIsSimpleElement(int AIndex) override { return false; }
    TuiAccessibilityHelper* ChildHelperAt(int AIndex) override;
    int GetChildCount() override;
    int IndexOfChildHelper(TuiAccessibilityHelper* AHelper) override;
    HWND GetOwnerWindow() override;
    void BoundsOnScreen(int AIndex, TRect& R) override;
    LONG GetState(int AIndex) override;
    // Where the toolbars docked in it lie on screen together.
    static TRect DockScreenBounds(TovDockControl* ADock);

private:
    std::vector<TovBarControl*> Toolbars();
    TovDockControl* FDock;
};

class TCustomovBarControlAccessibilityHelper : public TovBarAccessibilityHelper {
public:
    explicit TCustomovBarControlAccessibilityHelper(TCustomovBarControl* ABarControl);
    TCustomovBarControl* BarControl() const { return FBarControl; }
    // The item controls the bar shows, in order.
    std::vector<TovBarItemControl*> ItemControls();

    TovBarManager* OwningBarManager() override;
    bool AllowsChildNavigation(WORD AKey) override;
    bool ChildIsSimpleElement(int AIndex) override { return false; }
    TuiAccessibilityHelper* ChildHelperAt(int AIndex) override;
    int GetChildCount() override;
    int IndexOfChildHelper(TuiAccessibilityHelper* AHelper) override;
    HWND GetOwnerWindow() override;
    void BoundsOnScreen(int AIndex, TRect& R) override;
    LONG GetState(int AIndex) override;
    TovBarAccessibilityHelper* GetNextLogicalChild(int AIndex, TShiftState AShift) override;

    // ---- What the item helpers ask of their bar
    virtual void ExecuteItemLink(TovBarItemLinkAccessibilityHelper* AItemHelper) {}
    virtual void ShowItemLinkDropDown(TovBarItemLinkAccessibilityHelper* AItemHelper) {}
    // Bars that show the items of another bar answer that bar's helper; the base raises EovException.
    virtual TCustomovBarControlAccessibilityHelper* GetKeyTipTargetHelper();
    virtual void GetItemKeyTipPosition(TovBarAccessibilityHelper* AItemHelper, TovBarKeyTipInfo& AInfo);
    virtual TovBarAccessibilityHelper* GetNextItemObject(TovBarAccessibilityHelper* AItemHelper,
                                                         int ADirection);
    virtual bool HidesChildren() { return false; }
    // The bar's item selection goes (the focus too when the bar has it).
    virtual void ReleaseSelection();

protected:
    // The selectable item helpers of the bar in order, and the one after (or before) AItemHelper,
    // cycling round.
    TovBarAccessibilityHelper* CycleItem(TovBarAccessibilityHelper* AItemHelper, bool AForward);

private:
    TCustomovBarControl* FBarControl;
};

// A toolbar, docked or floating.
class TovBarControlAccessibilityHelper : public TCustomovBarControlAccessibilityHelper {
public:
    explicit TovBarControlAccessibilityHelper(TovBarControl* AToolbar);
    TovBarControl* Toolbar() const;
    bool HasCaptionButtons();

    TovBarAccessibilityHelper* GetFirstAccessibleObject() override { return this; }
    bool TryNavigationKey(WORD& AKey, TShiftState AShift) override;
    void Select(bool ASetFocus) override;
    void LoseSelection(TovBarAccessibilityHelper* ANext) override;
    TuiAccessibilityHelper* ChildHelperAt(int AIndex) override;
    int GetChildCount() override;
    int IndexOfChildHelper(TuiAccessibilityHelper* AHelper) override;
    TuiAccessibilityHelper* GetParent() override;
    TovBarAccessibilityHelper* GetNextItemObject(TovBarAccessibilityHelper* AItemHelper,
                                                 int ADirection) override;
    // Ribbon toolbars place their caption buttons' key tips; the base raises EovException.
    virtual void GetCaptionButtonKeyTipPosition(TovBarCaptionButton* AButton, int& Y,
                                                std::uint8_t& AVertAlign);
};

// A drop-down menu: it consumes every navigation key.
class TovBarSubMenuControlAccessibilityHelper : public TCustomovBarControlAccessibilityHelper {
public:
    explicit TovBarSubMenuControlAccessibilityHelper(TovBarSubMenuControl* AMenu);
    TovBarSubMenuControl* Menu() const;

    bool TryNavigationKey(WORD& AKey, TShiftState AShift) override;
    void GetItemKeyTipPosition(TovBarAccessibilityHelper* AItemHelper, TovBarKeyTipInfo& AInfo) override;
    TovBarAccessibilityHelper* KeyTipParent() override;
    bool ActsAsKeyTipContainer() override { return true; }
    void EscapeFromKeyTips() override;
    void ReleaseSelection() override;
    TovBarAccessibilityHelper* GetFirstAccessibleObject() override { return this; }

    // The item after (before) ALink's among the selectable ones, cycling; for null the first.
    virtual TovBarAccessibilityHelper* GetNextLink(TovBarAccessibilityHelper* ALink, bool AForward);
    virtual void SelectSiblingMenu(bool ALeft);
    virtual void SelectNextItem(bool AUp, bool AByTab);
};

// The toolbar mark, the button that opens quick customization.
class TovBarControlMarkAccessibilityHelper : public TovBarAccessibilityHelper {
public:
    explicit TovBarControlMarkAccessibilityHelper(TovBarControl* AToolbar);
    TovBarControl* Toolbar() const { return FToolbar; }
    // The toolbar's mark state changed: a selected mark (1) in navigation mode becomes the selection.
    void MarkStateChanged(int AState);

    TovBarManager* OwningBarManager() override;
    bool TryNavigationKey(WORD& AKey, TShiftState AShift) override;
    bool AcceptsNavigationKey(WORD AKey) override;
    void Select(bool ASetFocus) override;
    void LoseSelection(TovBarAccessibilityHelper* ANext) override;
    HWND GetOwnerWindow() override;
    TuiAccessibilityHelper* GetParent() override;
    void BoundsOnScreen(int AIndex, TRect& R) override;
    bool IsSelectableObject() override { return IsOwnerAlive() && GetVisible(); }
    LONG GetState(int AIndex) override;

private:
    TovBarControl* FToolbar;
};

// The toolbar's caption buttons: navigated from the last button of the collection to the first.
class TovBarCaptionButtonsAccessibilityHelper : public TovBarAccessibilityHelper {
public:
    TovBarCaptionButtonsAccessibilityHelper(TovBarCaptionButtons* AButtons, TovBarControl* AToolbar);
    TovBarCaptionButtons* Buttons() const { return FButtons; }
    TovBarControl* Toolbar() const { return FToolbar; }
    // The toolbar window's screen origin, which the buttons' window coordinates are moved by.
    TPoint WindowOrigin();
    // The buttons take their hot and pressed states from the cursor again.
    void UpdateStatesFromCursor();

    TovBarManager* OwningBarManager() override;
    void LoseSelection(TovBarAccessibilityHelper* ANext) override;
    bool ChildIsSimpleElement(int AIndex) override { return false; }
    TuiAccessibilityHelper* ChildHelperAt(int AIndex) override;
    int GetChildCount() override;
    int IndexOfChildHelper(TuiAccessibilityHelper* AHelper) override;
    HWND GetOwnerWindow() override;
    TuiAccessibilityHelper* GetParent() override;
    void BoundsOnScreen(int AIndex, TRect& R) override;
    LONG GetState(int AIndex) override;

private:
    TovBarCaptionButtons* FButtons;
    TovBarControl* FToolbar;
};

class TovBarCaptionButtonAccessibilityHelper : public TovBarAccessibilityHelper {
public:
    TovBarCaptionButtonAccessibilityHelper(TovBarCaptionButton* AButton,
                                           TovBarCaptionButtonsAccessibilityHelper* AParent);
    TovBarCaptionButton* Button() const { return FButton; }

    TovBarManager* OwningBarManager() override;
    bool TryNavigationKey(WORD& AKey, TShiftState AShift) override;
    bool AcceptsNavigationKey(WORD AKey) override;
    void Select(bool ASetFocus) override;
    void LoseSelection(TovBarAccessibilityHelper* ANext) override;
    TuiAccessibilityHelper* GetParent() override;
    void BoundsOnScreen(int AIndex, TRect& R) override;
    bool IsSelectableObject() override { return IsOwnerAlive() && GetVisible(); }
    LONG GetState(int AIndex) override;
    std::string GetUserKeyTip() override;
    std::string GetAutoKeyTip() override { return "Y"; }
    void GetKeyTipInfo(TovBarKeyTipInfo& AInfo) override;
    void ExecuteKeyTip(TObject* ASender) override;

private:
    TovBarCaptionButtonsAccessibilityHelper* Parent() const {
        return static_cast<TovBarCaptionButtonsAccessibilityHelper*>(FParent.Get());
    }
    void Click();
    TovBarCaptionButton* FButton;
    TovBarHelperRef FParent;
};
