#include "ui/ribbon/qat/RibbonQuickAccessToolbar.h"

#include "platform/rtl/IniFile.h"
#include "platform/rtl/Registry.h"
#include "platform/rtl/RegistryIniFile.h"
#include "platform/rtl/StringList.h"
#include "platform/win/Painting.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/layout/BarLayoutDiagnostics.h"
#include "ui/bars/layout/BarLayoutFormat.h"
#include "ui/bars/layout/BarLayoutValues.h"
#include "ui/core/base/Finally.h"
#include "ui/ribbon/qat/RibbonQuickAccessGroupButton.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonMergeHelper.h"
#include "ui/ribbon/ribbon/RibbonSubObjects.h"
#include "ui/ribbon/ribbon/RibbonUnitServices.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/tabs/RibbonTabGroup.h"

#include <algorithm>
#include <climits>

namespace {

constexpr const char* ToolbarNameKey = "ToolbarName";

// The link sections a store can hold below ASection: its nested keys in the registry, where links are
// keys of their list's key; every section of an ini file otherwise.
int StoredSectionBound(TCustomIniFile* AIniFile, const std::string& ASection, TovBarStoringKind AKind) {
    TStringList names;
    if (AKind == bskRegistry && dynamic_cast<TRegistryIniFile*>(AIniFile) != nullptr) {
        TRegistry registry;
        if (!registry.OpenKeyReadOnly(ASection)) return 0;
        registry.GetKeyNames(names);
    } else {
        AIniFile->ReadSections(names);
    }
    return names.Count();
}

// A link the bar layout writes (and numbers): an item with a name that was not merged in.
bool IsStoredLink(TovBarItemLink* ALink) {
    return ALink->Item() != nullptr && !ALink->Item()->Name().empty() && ALink->MergedWith == nullptr;
}

} // namespace

TovRibbonQuickAccessToolbar::TovRibbonQuickAccessToolbar(TovCustomRibbon* ARibbon) : FRibbon(ARibbon) {}

TovRibbonQuickAccessToolbar::~TovRibbonQuickAccessToolbar() {
    SetToolbar(nullptr);
    FDockControl.reset();
}

void TovRibbonQuickAccessToolbar::CreateDock() {
    FDockControl.reset(CreateDockControl());
    if (FDockControl) FDockControl->SetVisible(false);
}

IovRibbonDockControl* TovRibbonQuickAccessToolbar::CreateDockControl() {
    return FRibbon->CreateQuickAccessDockControl();
}

TPersistent* TovRibbonQuickAccessToolbar::GetOwner() {
    return FRibbon;
}

void TovRibbonQuickAccessToolbar::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TovRibbonQuickAccessToolbar*>(Source);
    if (source == nullptr) return;
    FRibbon->BeginUpdate();
    TovFinally finally([this] { FRibbon->EndUpdate(); });
    SetPosition(source->Position());
    SetToolbar(source->Toolbar());
    SetVisible(source->Visible());
}

void TovRibbonQuickAccessToolbar::SetPosition(TovQuickAccessToolbarPosition AValue) {
    if (FPosition == AValue) return;
    FPosition = AValue;
    Changed();
}

void TovRibbonQuickAccessToolbar::SetVisible(bool AValue) {
    if (FVisible == AValue) return;
    FVisible = AValue;
    if (FDockControl) FDockControl->SetVisible(AValue && FToolbar != nullptr);
    Changed();
}

void TovRibbonQuickAccessToolbar::SetToolbar(TovBar* AValue) {
    if (AValue == FToolbar) return;
    FRibbon->BeginUpdate();
    TovFinally finally([this] {
        FRibbon->EndUpdateSiteOnly();
        Changed();
    });
    if (TovBar* old = FToolbar; old != nullptr && !old->ComponentState().Contains(csDestroying)) {
        old->RemoveFreeNotification(FRibbon);
        TovBarItemLinks* links = old->ItemLinks();
        for (int i = links->Count() - 1; i >= 0; --i)
            if (i < links->Count())
                if (auto* button = dynamic_cast<TovRibbonQuickAccessGroupButton*>(links->Items(i)->Item()))
                    button->Free();
        UndockToolbar(old);
    }
    FToolbar = AValue;
    if (AValue == nullptr) {
        if (FDockControl) FDockControl->SetVisible(false);
        return;
    }
    // A toolbar on the quick access toolbar shows in no tab group.
    if (TovRibbonTabCollection* tabs = FRibbon->Tabs())
        for (int t = 0; t < tabs->Count(); ++t) {
            TovRibbonTabGroups* groups = tabs->Items(t)->Groups();
            for (int g = groups->Count() - 1; g >= 0; --g)
                if (g < groups->Count() && groups->Items(g)->ToolBar() == AValue)
                    groups->Items(g)->SetToolBar(nullptr);
        }
    AValue->FreeNotification(FRibbon);
    PlaceToolbarInDock(AValue, FDockControl.get());
    if (FDockControl) FDockControl->SetVisible(FVisible);
}

TovRibbonPopupMenuItems TovRibbonQuickAccessToolbar::GetMenuItems() {
    TovRibbonPopupMenuItems items = FRibbon->GetPopupMenuItems();
    items.Exclude(rpmiQATAddRemoveItem);
    return items;
}

void TovRibbonQuickAccessToolbar::Update() {
    if (FVisible && FDockControl && FDockControl->Visible()) FDockControl->RepaintAll();
}

void TovRibbonQuickAccessToolbar::Changed() {
    if (FRibbon->IsDestroying()) return;
    const bool redraw = FRibbon->HandleAllocated() && IsWindowVisible(FRibbon->Handle());
    if (redraw) SendMessage(FRibbon->Handle(), WM_SETREDRAW, 0, 0);
    TovFinally finally([this, redraw] {
        if (redraw) {
            SendMessage(FRibbon->Handle(), WM_SETREDRAW, 1, 0);
            FRibbon->Invalidate();
        }
        if (TWinControl* parent = FRibbon->Parent(); parent != nullptr && parent->HandleAllocated()) {
            RedrawWindow(parent->Handle(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
            parent->Update();
        }
        if (FRibbon->HandleAllocated()) FRibbon->Update();
    });
    FRibbon->Changed();
}

// ---- Group buttons

TovRibbonQuickAccessGroupButton* TovRibbonQuickAccessToolbar::AddGroupButton(TovBar* AToolbar) {
    if (AToolbar == nullptr || FToolbar == nullptr) return nullptr;
    TovBarItemLink* link =
        FToolbar->ItemLinks()->AddItemByClass(uiClassOf<TovRibbonQuickAccessGroupButton>());
    auto* button = link != nullptr ? dynamic_cast<TovRibbonQuickAccessGroupButton*>(link->Item()) : nullptr;
    if (button == nullptr) return nullptr;
    if (!CanSetToolbar(button, AToolbar)) {
        // The refused button leaves nothing behind: neither its link nor the item made for it.
        button->Free();
        return nullptr;
    }
    button->SetToolbar(AToolbar);
    button->SetName("QAT" + AToolbar->Name());
    return button;
}

bool TovRibbonQuickAccessToolbar::HasGroupButton(TovBar* AToolbar) {
    return FToolbar != nullptr && ContainsGroupButtonWithToolbar(FToolbar->ItemLinks(), AToolbar);
}

void TovRibbonQuickAccessToolbar::UpdateGroupButton(TovBar* AToolbar, bool ARemove) {
    if (FToolbar == nullptr || FToolbar->ComponentState().Contains(csDestroying)) return;
    TovBarItemLinks* links = FToolbar->ItemLinks();
    for (int i = 0; i < links->Count(); ++i) {
        auto* button = dynamic_cast<TovRibbonQuickAccessGroupButton*>(links->Items(i)->Item());
        if (button == nullptr || button->Toolbar() != AToolbar) continue;
        if (ARemove)
            button->SetToolbar(nullptr);
        else
            button->InvalidateLinks();
        return;
    }
}

bool TovRibbonQuickAccessToolbar::ContainsLink(TovBarItemLink* ALink) {
    if (FToolbar == nullptr || ALink == nullptr) return false;
    TovBarItemLinks* links = FToolbar->ItemLinks();
    return links->IndexOf(ALink) >= 0 ||
           (ALink->SourceLink != nullptr && links->IndexOf(ALink->SourceLink) >= 0);
}

// ---- Stored layout

std::string TovRibbonQuickAccessToolbar::BarSectionName(const std::string& APrefix) const {
    // The bar layout numbers only the toolbars it stores.
    TovBars* bars = FToolbar->GetManagerBars();
    int number = 0;
    for (int i = 0; bars != nullptr && i < bars->Count(); ++i) {
        TovBar* bar = bars->GetItem(i);
        if (bar == FToolbar) break;
        if (!bar->CreatedByMerging()) ++number;
    }
    return MakeBarSectionName(APrefix, number);
}

void TovRibbonQuickAccessToolbar::SaveToStore(TCustomIniFile* AIniFile, const std::string& APrefix,
                                              TovBarStoringKind AKind) {
    if (FToolbar == nullptr) return;
    const std::string barSection = BarSectionName(APrefix);
    TovBarItemLinks* links = FToolbar->ItemLinks();
    // Numbered as the bar layout numbers the links it writes, so each name lands in its link's section.
    int number = 0;
    for (int i = 0; i < links->Count(); ++i) {
        TovBarItemLink* link = links->Items(i);
        if (!IsStoredLink(link)) continue;
        const int index = number++;
        auto* button = dynamic_cast<TovRibbonQuickAccessGroupButton*>(link->Item());
        if (button == nullptr || button->Toolbar() == nullptr) continue;
        AIniFile->WriteString(MakeItemLinkSectionName(barSection, index, AKind), ToolbarNameKey,
                              button->Toolbar()->Name());
    }
}

void TovRibbonQuickAccessToolbar::LoadFromStore(TCustomIniFile* AIniFile, const std::string& APrefix,
                                                TovBarStoringKind AKind) {
    if (FToolbar == nullptr || !FRibbon->IsBarManagerValid()) return;
    const std::string barSection = BarSectionName(APrefix);
    const TovLayoutSectionReader section(*AIniFile, barSection, AKind);
    int count = section.Integer(layout_keys::ItemLinkCount, 0, INT_MAX).value_or(0);
    if (count > 0) {
        // A damaged count never reads more links than the store can hold.
        const int bound = StoredSectionBound(AIniFile, barSection, AKind);
        if (count > bound) {
            ovBarLayoutReport("[" + barSection + "] \"" + layout_keys::ItemLinkCount + "\" " +
                              std::to_string(count) + " is more than the store holds; read as " +
                              std::to_string(bound));
            count = bound;
        }
    }
    for (int i = 0; i < count; ++i) {
        const std::string name =
            AIniFile->ReadString(MakeItemLinkSectionName(barSection, i, AKind), ToolbarNameKey, "");
        if (name.empty()) continue;
        TovBar* bar = FRibbon->BarManager()->GetBarByName(name);
        if (bar == nullptr || AddGroupButton(bar) == nullptr) continue;
        // The new link is last; it moves to its stored place, or as near to it as the links reach.
        TovBarItemLinks* links = FToolbar->ItemLinks();
        const int last = links->Count() - 1;
        const int target = std::min(i, last);
        if (target != last) links->Move(last, target);
    }
}

// ---- Merging

bool TovRibbonQuickAccessToolbar::IsMerged() {
    return FToolbar != nullptr && FToolbar->IsMerged();
}

void TovRibbonQuickAccessToolbar::Merge(TovRibbonQuickAccessToolbar* ASource, unsigned AOptions) {
    if (ASource == nullptr || ASource->Toolbar() == nullptr || !ASource->DockControl() ||
        !ASource->DockControl()->Visible())
        return;
    TovRibbonMergeHelper::Merge(this, ASource, (AOptions & rmoCreateQuickAccessToolbar) != 0);
}

void TovRibbonQuickAccessToolbar::Unmerge(TovRibbonQuickAccessToolbar* ASource) {
    TovRibbonMergeHelper::Unmerge(this, ASource);
}
