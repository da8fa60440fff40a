// Menus: TMenuItem (a command, a separator "-" or a sub-menu of further items), TMenu with its root
// item, its images and its shortcut matching, and TMainMenu, the menu a form answers shortcuts for.
// An item frees the items under it; a menu frees its root item.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/vcl/Messages.h"
#include "platform/vcl/ShortCuts.h"

#include <memory>
#include <string>
#include <vector>

class TMenu;
class TCustomImageList;
class TBasicAction;
class TMenuActionLink;

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;

    // ---- Items under this one
    int Count() const { return static_cast<int>(FItems.size()); }
    // Raises EMenuError "Menu index out of range" for a bad index.
    TMenuItem* Items(int Index) const;
    void Add(TMenuItem* Item);
    // Raises EMenuError "Menu inserted twice" for an item that has a parent already.
    void Insert(int Index, TMenuItem* Item);
    void Delete(int Index);
    void Remove(TMenuItem* Item);
    void Clear();
    int IndexOf(const TMenuItem* Item) const;
    // The item with that caption (compared without accelerator marks and without regard to case).
    TMenuItem* Find(const std::string& ACaption) const;
    TMenuItem* Parent() const { return FParent; }
    int MenuIndex() const { return FParent != nullptr ? FParent->IndexOf(this) : -1; }
    void SetMenuIndex(int Value);
    // The menu this item belongs to, through its parents.
    TMenu* GetParentMenu() const;

    // ---- Properties
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    bool IsLine() const { return FCaption == "-"; }
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    bool Default() const { return FDefault; }
    void SetDefault(bool Value);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool Value) { FAutoCheck = Value; }
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    TCustomImageList* SubMenuImages() const { return FSubMenuImages; }
    void SetSubMenuImages(TCustomImageList* Value);
    // The images drawn for this item: its parent's SubMenuImages, else the menu's Images.
    TCustomImageList* GetImageList() const;
    // A command number unique among all items, for code that refers to items by number.
    UINT Command() const { return FCommand; }

    // The action the item follows (null for none); the item takes the action's properties.
    TBasicAction* Action() const;
    void SetAction(TBasicAction* Value);

    // Runs the item: toggles it when AutoCheck, then OnClick, or the action when OnClick is not set.
    virtual void Click();
    // Fires OnClick without AutoCheck: what a sub-menu's item does before its items are shown.
    void InitiateAction();

    TNotifyEvent OnClick;

    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    virtual void MenuChanged(bool Rebuild);

private:
    void TurnSiblingsOff();

    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr; // set on the root item only
    std::unique_ptr<TMenuActionLink> FActionLink;
    std::vector<TMenuItem*> FItems;
    std::string FCaption;
    std::string FHint;
    TShortCut FShortCut = 0;
    int FImageIndex = -1;
    int FGroupIndex = 0;
    UINT FCommand = 0;
    TCustomImageList* FSubMenuImages = nullptr;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    bool FDefault = false;
    bool FRadioItem = false;
    bool FAutoCheck = false;

    friend class TMenu;
};

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    TMenuItem* Items() const { return FItems; }
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    // The item of a command number or of a shortcut, searched through every level.
    TMenuItem* FindItemByCommand(UINT Command) const;
    TMenuItem* FindItemByShortCut(TShortCut ShortCut) const;
    // Runs the item whose shortcut a key message (WM_KEYDOWN / WM_SYSKEYDOWN) is; true when the key
    // belongs to an item (a disabled item keeps its key too).
    virtual bool IsShortCut(TMessage& Message);
    // Runs the item of a command number; false for none.
    bool DispatchCommand(UINT Command);
    // Heard when an item under this menu changes.
    TNotifyEvent OnChange;

    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    friend class TMenuItem;
    virtual void MenuChanged(TMenuItem* Source, bool Rebuild);

private:
    TMenuItem* FItems;
    TCustomImageList* FImages = nullptr;
};

class TMainMenu : public TMenu {
public:
    explicit TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}
    bool AutoMerge() const { return FAutoMerge; }
    void SetAutoMerge(bool Value) { FAutoMerge = Value; }

private:
    bool FAutoMerge = false;
};

class EMenuError : public Exception {
public:
    using Exception::Exception;
};

// The shortcut a key message stands for (its key with the modifiers held).
TShortCut ShortCutFromMessage(const TMessage& Message);
// The item an accelerator character chooses among the visible items of Parent, starting after Current;
// null when none has it.
TMenuItem* FindAccelItem(const TMenuItem* Parent, char32_t Key, const TMenuItem* Current);
