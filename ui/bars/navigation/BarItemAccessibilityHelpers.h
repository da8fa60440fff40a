// The helpers of items: through a link (an item the ribbon shows without a control of its own) or
// through the item control a bar window shows. They give the key tip of the item (the user's, else
// Ctrl+letter's letter, else the caption's accelerator, else "Y"), run the item or open its drop-down
// when the key tip is typed, and select the control when navigation reaches it.
#pragma once

#include "platform/vcl/ShortCuts.h"
#include "ui/bars/navigation/BarAccessibilityHelper.h"

class TovBarItem;
class TovBarItemLink;
class TovBarItemControl;
class TCustomovBarControlAccessibilityHelper;

class TovBarItemAccessibilityHelper : public TovBarAccessibilityHelper {
public:
    using TovBarAccessibilityHelper::TovBarAccessibilityHelper;
    virtual TovBarItem* GetItem() = 0;
    virtual TShortCut GetShortCut();
    virtual void ExecuteItem() = 0;
    virtual void ShowItemDropDown() = 0;
    // The item owns links it can show (a sub-item, a drop-down button).
    virtual bool HasDropDown();

    std::string GetUserKeyTip() override;
    std::string GetAutoKeyTip() override;
    void ExecuteKeyTip(TObject* ASender) override;
};

class TovBarItemLinkAccessibilityHelper : public TovBarItemAccessibilityHelper {
public:
    using TovBarItemAccessibilityHelper::TovBarItemAccessibilityHelper;
    virtual TovBarItemLink* GetItemLink();
    virtual TovBarItemControl* GetItemControl();
    // The helper of the bar that shows the link (null when none does).
    TCustomovBarControlAccessibilityHelper* ParentBarHelper();

    TovBarItem* GetItem() override;
    TovBarManager* OwningBarManager() override;
    TovBarAccessibilityHelper* GetNextAccessibleObject(int ADirection) override;
    bool IsSelectableObject() override { return IsOwnerAlive() && GetVisible(); }
    void GetKeyTipInfo(TovBarKeyTipInfo& AInfo) override;
    TuiAccessibilityHelper* GetParent() override;
    void ExecuteItem() override;
    void ShowItemDropDown() override;
};

class TovBarItemControlAccessibilityHelper : public TovBarItemLinkAccessibilityHelper {
public:
    explicit TovBarItemControlAccessibilityHelper(TovBarItemControl* AControl);
    TovBarItemControl* Control() const { return FControl; }
    // The key tip runs on the same item of another bar (a hidden ribbon group's items).
    virtual bool RedirectsKeyTip() { return false; }
    void RedirectKeyTip(TObject* ASender);

    bool TryNavigationKey(WORD& AKey, TShiftState AShift) override;
    void Select(bool ASetFocus) override;
    void LoseSelection(TovBarAccessibilityHelper* ANext) override;
    TovBarItem* GetItem() override;
    TShortCut GetShortCut() override;
    TovBarItemLink* GetItemLink() override;
    TovBarItemControl* GetItemControl() override { return FControl; }
    HWND GetOwnerWindow() override;
    TuiAccessibilityHelper* GetParent() override;
    void BoundsOnScreen(int AIndex, TRect& R) override;
    bool IsSelectableObject() override;
    LONG GetState(int AIndex) override;
    void GetKeyTipInfo(TovBarKeyTipInfo& AInfo) override;

private:
    TovBarItemControl* FControl;
};

class TovBarButtonLikeControlAccessibilityHelper : public TovBarItemControlAccessibilityHelper {
public:
    using TovBarItemControlAccessibilityHelper::TovBarItemControlAccessibilityHelper;
    // Opens the drop-down; whether it is open now.
    virtual bool ShowDropDownWindow() { return false; }
    bool RedirectsKeyTip() override { return HasDropDown(); }
    bool HasDropDown() override { return false; }
    void ExecuteItem() override;
    void ShowItemDropDown() override;
};

class TovBarButtonControlAccessibilityHelper : public TovBarButtonLikeControlAccessibilityHelper {
public:
    using TovBarButtonLikeControlAccessibilityHelper::TovBarButtonLikeControlAccessibilityHelper;
    bool HasDropDown() override;
    bool ShowDropDownWindow() override;
};

class TovBarSubItemControlAccessibilityHelper : public TovBarButtonLikeControlAccessibilityHelper {
public:
    using TovBarButtonLikeControlAccessibilityHelper::TovBarButtonLikeControlAccessibilityHelper;
    bool HasDropDown() override { return true; }
    bool ShowDropDownWindow() override;
};

// A window item (an edit, a combo): its key tip opens the editor.
class TovBarWinControlAccessibilityHelper : public TovBarItemControlAccessibilityHelper {
public:
    using TovBarItemControlAccessibilityHelper::TovBarItemControlAccessibilityHelper;
    bool RedirectsKeyTip() override { return true; }
    void ExecuteKeyTip(TObject* ASender) override;
};
