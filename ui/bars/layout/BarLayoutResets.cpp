// Resets read the saved design state, which the manager writes right after loading: a toolbar gets its
// designed links back (and its designed place with UseFullReset), menus their designed usage data. Also
// the layout members of toolbars and link lists, which hand their work to the layout passes.

#include "platform/rtl/Format.h"
#include "platform/rtl/IniFile.h"
#include "platform/vcl/Application.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/BarUpdateBracket.h"
#include "ui/bars/layout/BarLayoutReader.h"
#include "ui/bars/layout/BarLayoutWriter.h"
#include "ui/core/base/ResourceStrings.h"

#include <algorithm>
#include <vector>

// ---- Layout members

void TovBar::ReadLayout(TCustomIniFile* AIniFile, const std::string& ASection, TovBarStoringKind AKind,
                        bool AReadValues) {
    TovBarManager* manager = OwningBarManager();
    if (manager == nullptr || AIniFile == nullptr) return;
    TovBarLayoutReader(manager, *AIniFile, {}, AKind).ReadBar(this, ASection, AReadValues);
}

void TovBar::WriteLayout(TCustomIniFile* AIniFile, const std::string& ASection, TovBarStoringKind AKind) {
    TovBarManager* manager = OwningBarManager();
    if (manager == nullptr || AIniFile == nullptr) return;
    TovBarLayoutWriter(manager, *AIniFile, {}, AKind).WriteBar(this, ASection);
}

void TovBarItemLinks::ReadLayout(TCustomIniFile* AIniFile, const std::string& ASection,
                                 TovBarStoringKind AKind) {
    if (FManager == nullptr || AIniFile == nullptr) return;
    TovBarLayoutReader(FManager, *AIniFile, {}, AKind).ReadLinks(this, ASection);
}

void TovBarItemLinks::WriteLayout(TCustomIniFile* AIniFile, const std::string& ASection,
                                  TovBarStoringKind AKind) {
    if (FManager == nullptr || AIniFile == nullptr) return;
    TovBarLayoutWriter(FManager, *AIniFile, {}, AKind).WriteLinks(this, ASection);
}

void TovBarItemLinks::ResetUsageData(TCustomIniFile* ASavedState, const std::string& ASection) {
    if (FManager == nullptr || ASavedState == nullptr) return;
    TovBarLayoutReader(FManager, *ASavedState, {}, bskIniFile).ReadUsageData(this, ASection);
}

void TovBarItemLinks::PackRecentList() {
    int front = 0;
    while (front < RecentCount() && RecentItems(front)->CanVisibleIndexOf() >= 0)
        ++front;
    for (int i = front + 1; i < RecentCount(); ++i)
        if (TovBarItemLink* link = RecentItems(i); link->CanVisibleIndexOf() >= 0)
            MoveInRecent(link, front++);
    RebuildLists();
}

// ---- Toolbar resets

void TovBar::ResetWithConfirmation(bool AShowConfirmation) {
    TovBarManager* manager = OwningBarManager();
    if (manager == nullptr || manager->DoBarReset(this, AShowConfirmation)) return;
    if (AShowConfirmation) {
        const std::string text = Format(uiGetResourceString(ovSBAR_WANTTORESETTOOLBAR), {Caption()});
        if (Application()->MessageBox(text, Application()->Title(), MB_OKCANCEL | MB_ICONWARNING) != IDOK)
            return;
    }
    Reset();
}

void TovBar::Reset() {
    TovBarManager* manager = OwningBarManager();
    const int index = manager ? manager->FindBarInSavedState(this) : -1;
    if (index < 0) return;
    manager->OnBarBeforeReset(manager, this);
    const std::string prefix = manager->GetIniSectionPrefix();
    const std::string section = MakeBarSectionName(prefix, index);
    ovBarWithinUpdate(manager, [&] {
        TovBarLayoutReader reader(manager, *manager->SavedState(), prefix, bskIniFile);
        reader.ReadBar(this, section, manager->UseFullReset);
        reader.ReadUsageData(FItemLinks, section);
        // The items on the bar get their own designed menus back too.
        std::vector<TovBarButtonLikeItem*> items;
        for (int i = 0; i < FItemLinks->Count(); ++i)
            if (auto* item = dynamic_cast<TovBarButtonLikeItem*>(FItemLinks->Items(i)->Item());
                item != nullptr && std::find(items.begin(), items.end(), item) == items.end())
                items.push_back(item);
        for (TovBarButtonLikeItem* item : items)
            if (!item->Name().empty() && item->LinksOf() != nullptr)
                reader.ReadLinks(item->LinksOf(), item->GetLinksSectionName(prefix), false);
    });
    manager->OnBarAfterReset(manager, this);
}

void TovBar::ResetUsageData() {
    TovBarManager* manager = OwningBarManager();
    const int index = manager ? manager->FindBarInSavedState(this) : -1;
    if (index < 0) return;
    FItemLinks->ResetUsageData(manager->SavedState(),
                               MakeBarSectionName(manager->GetIniSectionPrefix(), index));
}

// ---- The manager's resets

void TovBarManager::ResetUsageData() {
    if (!FSavedState) return;
    const std::string prefix = GetIniSectionPrefix();
    ovBarWithinUpdate(this, [&] {
        for (int i = 0; i < ItemCount(); ++i)
            if (auto* item = dynamic_cast<TovBarButtonLikeItem*>(Items(i));
                item != nullptr && !item->Name().empty() && item->LinksOf() != nullptr)
                item->LinksOf()->ResetUsageData(FSavedState.get(), item->GetLinksSectionName(prefix));
        for (int i = 0; i < FBars->Count(); ++i)
            FBars->GetItem(i)->ResetUsageData();
    });
}

void TovBarManager::ResetUsageDataWithConfirmation() {
    if (Application()->MessageBox(uiGetResourceString(ovSBAR_WANTTORESETUSAGEDATA), Application()->Title(),
                                  MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES)
        ResetUsageData();
}

void TovBarManager::ResetToolbar(TovBar* ABar) {
    if (ABar != nullptr) ABar->ResetWithConfirmation(true);
}
