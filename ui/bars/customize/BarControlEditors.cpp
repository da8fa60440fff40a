#include "ui/bars/customize/BarControlEditors.h"

#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarLabels.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/customize/BarDesignController.h"
#include "ui/core/base/ClassRefs.h"
#include "ui/core/base/ResourceStrings.h"

// The editors' texts are the built-in ones: a product's replaced texts never rename designer entries.

const TuiClassRef* TovBarControlEditor::GetItemClass(const std::string&) const {
    return nullptr;
}

const TuiClassRef* TovBarControlEditor::GetMenuItemClass() const {
    return uiClassOf<TovBarButton>();
}

void TovBarControlEditor::EntryClicked(TObject* AEntry) const {
    auto* entry = dynamic_cast<TovBarItem*>(AEntry);
    BarDesignController()->CreateItemByEditor(this, entry != nullptr ? entry->Caption() : std::string());
}

TovBarItemLink* TovBarControlEditor::AddMenuItem(TovBarItemLinks* ALinks) const {
    TovBarItemLink* link = BarDesignController()->AddInternalItem(
        ALinks, GetMenuItemClass(), false, 0,
        TNotifyEvent([this](TObject* AEntry) { EntryClicked(AEntry); }, this), EffectiveCaption());
    if (link != nullptr) InitializeMenuItem(link);
    return link;
}

const TuiClassRef* TovAddSubItemEditor::GetItemClass(const std::string&) const {
    return uiClassOf<TovBarSubItem>();
}
std::string TovAddSubItemEditor::EffectiveCaption() const {
    return ovSBAR_CP_ADDSUBITEM.Text;
}

const TuiClassRef* TovAddButtonEditor::GetItemClass(const std::string&) const {
    return uiClassOf<TovBarButton>();
}
std::string TovAddButtonEditor::EffectiveCaption() const {
    return ovSBAR_CP_ADDBUTTON.Text;
}

const TuiClassRef* TovAddLargeButtonEditor::GetItemClass(const std::string&) const {
    return uiClassOf<TovBarLargeButton>();
}
std::string TovAddLargeButtonEditor::EffectiveCaption() const {
    return ovSBAR_CP_ADDLARGEBUTTON.Text;
}

const TuiClassRef* TovAddSeparatorEditor::GetItemClass(const std::string&) const {
    return uiClassOf<TovBarSeparator>();
}
std::string TovAddSeparatorEditor::EffectiveCaption() const {
    return ovSBAR_CP_ADDSEPARATOR.Text;
}

const TuiClassRef* TovItemsEditorEx::GetItemClass(const std::string& AClickedCaption) const {
    TovBarItemList* list = BarItemList();
    if (list == nullptr) return nullptr;
    for (int i = 0; i < list->Count(); ++i)
        if (const TuiClassRef* itemClass = list->ItemClass(i);
            itemClass != nullptr && itemClass->ClassName() == AClickedCaption)
            return itemClass;
    return nullptr;
}

std::string TovItemsEditorEx::EffectiveCaption() const {
    return ovSBAR_CP_ADDDXITEM.Text;
}

const TuiClassRef* TovItemsEditorEx::GetMenuItemClass() const {
    return uiClassOf<TovBarSubItem>();
}

void TovItemsEditorEx::InitializeMenuItem(TovBarItemLink* AMenuLink) const {
    if (auto* subItem = dynamic_cast<TCustomovBarSubItem*>(AMenuLink->Item())) {
        // The entry itself makes nothing; its menu's entries do.
        subItem->SetOnClick(nullptr);
        FillSubMenu(subItem->ItemLinks());
    }
}

void TovItemsEditorEx::FillSubMenu(TovBarItemLinks* ASubMenuLinks) const {
    TovBarItemList* list = BarItemList();
    if (list == nullptr) return;
    for (int i = 0; i < list->VisibleCount(); ++i)
        if (const TuiClassRef* itemClass = list->VisibleItemClass(i))
            BarDesignController()->AddInternalItem(
                ASubMenuLinks, uiClassOf<TovBarButton>(), false, 0,
                TNotifyEvent([this](TObject* AEntry) { EntryClicked(AEntry); }, this),
                itemClass->ClassName());
}

const TovAddSubItemEditor* ovAddSubItemEditor() {
    static const TovAddSubItemEditor editor;
    return &editor;
}
const TovAddButtonEditor* ovAddButtonEditor() {
    static const TovAddButtonEditor editor;
    return &editor;
}
const TovAddLargeButtonEditor* ovAddLargeButtonEditor() {
    static const TovAddLargeButtonEditor editor;
    return &editor;
}
const TovAddSeparatorEditor* ovAddSeparatorEditor() {
    static const TovAddSeparatorEditor editor;
    return &editor;
}
const TovItemsEditorEx* ovItemsEditorEx() {
    static const TovItemsEditorEx editor;
    return &editor;
}
