#include "ui/bars/extitems/BarMRUListItem.h"

#include "platform/rtl/StringList.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/core/graphics/TextMeasure.h"

TovBarMRUListItem::TovBarMRUListItem(TComponent* AOwner) : TovBarListItem(AOwner) {
    Items()->SetCaseSensitive(true);
}

void TovBarMRUListItem::SetMaxItemCount(int AValue) {
    if (AValue < 0) AValue = 0;
    if (AValue == FMaxItemCount) return;
    FMaxItemCount = AValue;
    TrimToMaxItemCount();
}

void TovBarMRUListItem::AddItem(const std::string& AText, TObject* AObject) {
    TStringList* items = Items();
    int index = items->IndexOf(AText);
    if (index < 0 && AObject != nullptr) index = items->IndexOfObject(AObject);
    items->BeginUpdate();
    if (index >= 0) {
        items->Move(index, 0);
    } else {
        items->InsertObject(0, AText, AObject);
        TrimToMaxItemCount();
    }
    items->EndUpdate();
}

void TovBarMRUListItem::RemoveItem(const std::string& AText, TObject* AObject) {
    TStringList* items = Items();
    const int index = AText.empty() ? items->IndexOfObject(AObject) : items->IndexOf(AText);
    if (index >= 0) items->Delete(index);
}

void TovBarMRUListItem::TrimToMaxItemCount() {
    if (FMaxItemCount == 0) return;
    TStringList* items = Items();
    items->BeginUpdate();
    while (items->Count() > FMaxItemCount)
        items->Delete(items->Count() - 1);
    items->EndUpdate();
}

std::string TovBarMRUListItem::GetDisplayText(const std::string& AText) const {
    if (AText.empty()) return {};
    return uiGetStringAdjustedToWidth(nullptr, nullptr, AText, tePath, DisplayWidth);
}

std::string TovBarMRUListItem::GetItemCaption(int AStringIndex) const {
    std::string caption;
    for (char c : GetDisplayText(Items()->Strings(AStringIndex)))
        caption += c == '&' ? std::string("&&") : std::string(1, c);
    return caption;
}

bool TovBarMRUListItem::HasActiveControl() const {
    for (int i = 0; i < LinkCount(); ++i)
        if (Links(i)->Control() != nullptr && Links(i)->Control()->IsActive()) return true;
    return false;
}

void TovBarMRUListItem::DoClick() {
    // The clicked entry is known by its text: a handler that adds or removes entries moves the entry
    // ItemIndex pointed to, and removing by index afterwards would take another one (or none).
    const bool entry = ItemIndex >= 0 && ItemIndex < Items()->Count();
    const std::string clicked = entry ? Items()->Strings(ItemIndex) : std::string();
    TovBarListItem::DoClick();
    if (!RemoveItemOnClick || !entry || HasActiveControl()) return;
    if (BarManager() != nullptr && BarManager()->IsCustomizingOrDesigning()) return;
    const int index = Items()->IndexOf(clicked);
    if (index >= 0) Items()->Delete(index);
    ItemIndex = -1;
}

void TovBarMRUListItem::Assign(TPersistent* Source) {
    if (auto* source = dynamic_cast<TovBarMRUListItem*>(Source)) {
        FMaxItemCount = source->FMaxItemCount;
        RemoveItemOnClick = source->RemoveItemOnClick;
    }
    TovBarListItem::Assign(Source);
    Items()->SetCaseSensitive(true);
}
