#include "platform/vcl/Menu.h"

#include "platform/rtl/StrUtils.h"
#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/Keyboard.h"
#include "platform/vcl/MenuActionLink.h"
#include "platform/win/WinUser.h"

#include <algorithm>

namespace menu_detail {
// Command numbers of menu items; a freed item's number is not used again.
UINT NextCommand = 1;

constexpr const char* SMenuIndexError = "Menu index out of range";
constexpr const char* SMenuReinserted = "Menu inserted twice";
} // namespace menu_detail

TShortCut ShortCutFromMessage(const TMessage& Message) {
    if (Message.WParam > 0xFF) return 0;
    TShortCut modifiers = 0;
    if (::GetKeyState(VK_SHIFT) < 0) modifiers |= scShift;
    if (::GetKeyState(VK_CONTROL) < 0) modifiers |= scCtrl;
    if (KeyDataAltDown(Message.LParam)) modifiers |= scAlt;
    return ShortCut(static_cast<std::uint16_t>(Message.WParam), modifiers);
}

TMenuItem* FindAccelItem(const TMenuItem* Parent, char32_t Key, const TMenuItem* Current) {
    const int count = Parent->Count();
    int start = Current != nullptr ? Parent->IndexOf(Current) : -1;
    for (int step = 1; step <= count; ++step) {
        TMenuItem* item = Parent->Items((start + step + count) % count);
        if (item->Visible() && !item->IsLine() && IsAccel(Key, item->Caption())) return item;
    }
    return nullptr;
}

// ---- TMenuItem

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(menu_detail::NextCommand++) {}

TMenuItem::~TMenuItem() {
    if (FParent != nullptr) FParent->Remove(this);
    while (!FItems.empty()) {
        TMenuItem* item = FItems.back();
        FItems.pop_back();
        item->FParent = nullptr;
        item->Free();
    }
    if (FSubMenuImages != nullptr) FSubMenuImages->RemoveFreeNotification(this);
}

TMenuItem* TMenuItem::Items(int Index) const {
    if (Index < 0 || Index >= Count()) throw EMenuError(menu_detail::SMenuIndexError);
    return FItems[static_cast<std::size_t>(Index)];
}

void TMenuItem::Add(TMenuItem* Item) {
    Insert(Count(), Item);
}

void TMenuItem::Insert(int Index, TMenuItem* Item) {
    if (Item == nullptr) return;
    if (Item->FParent != nullptr) throw EMenuError(menu_detail::SMenuReinserted);
    if (Index < 0 || Index > Count()) throw EMenuError(menu_detail::SMenuIndexError);
    for (const TMenuItem* p = this; p != nullptr; p = p->FParent)
        if (p == Item) throw EMenuError(menu_detail::SMenuReinserted);
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
    MenuChanged(true);
}

void TMenuItem::Delete(int Index) {
    TMenuItem* item = Items(Index);
    FItems.erase(FItems.begin() + Index);
    item->FParent = nullptr;
    MenuChanged(true);
}

void TMenuItem::Remove(TMenuItem* Item) {
    const int index = IndexOf(Item);
    if (index < 0) throw EMenuError("Sub-menu is not in menu");
    Delete(index);
}

void TMenuItem::Clear() {
    while (!FItems.empty()) {
        TMenuItem* item = FItems.back();
        FItems.pop_back();
        item->FParent = nullptr;
        item->Free();
    }
    MenuChanged(true);
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TMenuItem* TMenuItem::Find(const std::string& ACaption) const {
    const std::string wanted = StripHotkey(ACaption);
    for (TMenuItem* item : FItems)
        if (SameText(StripHotkey(item->FCaption), wanted)) return item;
    return nullptr;
}

void TMenuItem::SetMenuIndex(int Value) {
    if (FParent == nullptr) return;
    TMenuItem* parent = FParent;
    const int count = parent->Count();
    if (Value < 0) Value = 0;
    if (Value >= count) Value = count - 1;
    if (Value == MenuIndex()) return;
    parent->Remove(this);
    parent->Insert(Value, this);
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* item = this;
    while (item->FParent != nullptr)
        item = item->FParent;
    return item->FMenu;
}

void TMenuItem::SetCaption(const std::string& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    MenuChanged(true);
}

void TMenuItem::TurnSiblingsOff() {
    if (FParent == nullptr) return;
    for (TMenuItem* item : FParent->FItems)
        if (item != this && item->FRadioItem && item->FGroupIndex == FGroupIndex && item->FChecked) {
            item->FChecked = false;
            item->MenuChanged(false);
        }
}

void TMenuItem::SetChecked(bool Value) {
    if (FChecked == Value) return;
    FChecked = Value;
    if (Value && FRadioItem) TurnSiblingsOff();
    MenuChanged(false);
}

void TMenuItem::SetEnabled(bool Value) {
    if (FEnabled == Value) return;
    FEnabled = Value;
    MenuChanged(false);
}

void TMenuItem::SetVisible(bool Value) {
    if (FVisible == Value) return;
    FVisible = Value;
    MenuChanged(true);
}

void TMenuItem::SetDefault(bool Value) {
    if (FDefault == Value) return;
    if (Value && FParent != nullptr)
        for (TMenuItem* item : FParent->FItems)
            if (item != this) item->FDefault = false;
    FDefault = Value;
    MenuChanged(false);
}

void TMenuItem::SetRadioItem(bool Value) {
    if (FRadioItem == Value) return;
    FRadioItem = Value;
    if (FChecked && Value) TurnSiblingsOff();
    MenuChanged(false);
}

void TMenuItem::SetGroupIndex(int Value) {
    if (FGroupIndex == Value) return;
    FGroupIndex = Value;
    if (FChecked && FRadioItem) TurnSiblingsOff();
    MenuChanged(false);
}

void TMenuItem::SetShortCut(TShortCut Value) {
    if (FShortCut == Value) return;
    FShortCut = Value;
    MenuChanged(false);
}

void TMenuItem::SetImageIndex(int Value) {
    if (FImageIndex == Value) return;
    FImageIndex = Value;
    MenuChanged(false);
}

void TMenuItem::SetSubMenuImages(TCustomImageList* Value) {
    if (FSubMenuImages == Value) return;
    if (FSubMenuImages != nullptr) FSubMenuImages->RemoveFreeNotification(this);
    FSubMenuImages = Value;
    if (Value != nullptr) Value->FreeNotification(this);
    MenuChanged(false);
}

TCustomImageList* TMenuItem::GetImageList() const {
    for (const TMenuItem* p = FParent; p != nullptr; p = p->FParent)
        if (p->FSubMenuImages != nullptr) return p->FSubMenuImages;
    TMenu* menu = GetParentMenu();
    return menu != nullptr ? menu->Images() : nullptr;
}

void TMenuItem::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FSubMenuImages) FSubMenuImages = nullptr;
}

TBasicAction* TMenuItem::Action() const {
    return FActionLink != nullptr ? FActionLink->Action() : nullptr;
}

void TMenuItem::SetAction(TBasicAction* Value) {
    if (Value == nullptr) {
        FActionLink.reset();
        return;
    }
    if (FActionLink == nullptr) FActionLink = std::make_unique<TMenuActionLink>(this);
    FActionLink->SetAction(Value);
    FActionLink->TakeAll();
}

void TMenuItem::Click() {
    if (!FEnabled) return;
    if (FAutoCheck) SetChecked(!FChecked || FRadioItem);
    TBasicAction* action = Action();
    if (OnClick && (action == nullptr || !(OnClick == action->OnExecute())))
        OnClick(this);
    else if (FActionLink != nullptr)
        FActionLink->Execute(this);
}

void TMenuItem::InitiateAction() {
    OnClick(this);
}

void TMenuItem::MenuChanged(bool Rebuild) {
    TMenu* menu = GetParentMenu();
    if (menu != nullptr) menu->MenuChanged(this, Rebuild);
}

// ---- TMenu

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner) {
    FItems = new TMenuItem(nullptr);
    FItems->FMenu = this;
}

TMenu::~TMenu() {
    FItems->FMenu = nullptr;
    FItems->Free();
    if (FImages != nullptr) FImages->RemoveFreeNotification(this);
}

void TMenu::SetImages(TCustomImageList* Value) {
    if (FImages == Value) return;
    if (FImages != nullptr) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (Value != nullptr) Value->FreeNotification(this);
    MenuChanged(nullptr, false);
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImages) FImages = nullptr;
}

void TMenu::MenuChanged(TMenuItem* Source, bool Rebuild) {
    OnChange(this);
}

namespace menu_detail {
template <class Match> TMenuItem* FindIn(TMenuItem* Parent, const Match& match) {
    for (int i = 0; i < Parent->Count(); ++i) {
        TMenuItem* item = Parent->Items(i);
        if (match(item)) return item;
        if (TMenuItem* found = FindIn(item, match)) return found;
    }
    return nullptr;
}
} // namespace menu_detail

TMenuItem* TMenu::FindItemByCommand(UINT Command) const {
    return menu_detail::FindIn(FItems, [Command](TMenuItem* item) { return item->Command() == Command; });
}

TMenuItem* TMenu::FindItemByShortCut(TShortCut Value) const {
    if (Value == 0) return nullptr;
    return menu_detail::FindIn(FItems, [Value](TMenuItem* item) { return item->ShortCut() == Value; });
}

bool TMenu::IsShortCut(TMessage& Message) {
    const TShortCut shortCut = ShortCutFromMessage(Message);
    TMenuItem* item = FindItemByShortCut(shortCut);
    if (item == nullptr) return false;
    // The items above it run first, so that sub-menus built on demand are up to date; the item may be
    // gone or have lost its shortcut afterwards.
    std::vector<TMenuItem*> chain;
    for (TMenuItem* p = item->Parent(); p != nullptr && p != FItems; p = p->Parent())
        chain.insert(chain.begin(), p);
    TWeakLink<TMenu> self(this);
    for (TMenuItem* parent : chain) {
        TWeakLink<TMenuItem> alive(parent);
        if (!parent->Enabled()) return true;
        parent->InitiateAction();
        if (!self || !alive) return true;
    }
    if (FindItemByShortCut(shortCut) != item) return FindItemByShortCut(shortCut) != nullptr;
    if (item->Enabled() && item->Visible()) item->Click();
    return true;
}

bool TMenu::DispatchCommand(UINT Command) {
    TMenuItem* item = FindItemByCommand(Command);
    if (item == nullptr) return false;
    item->Click();
    return true;
}
