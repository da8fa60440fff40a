// The bar manager's stored layout: where it is kept (registry, ini file, the saved design state), when it
// is read and written, and the passes over a store.

#include "platform/rtl/FileUtils.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/Registry.h"
#include "platform/rtl/RegistryIniFile.h"
#include "platform/rtl/RegistryStore.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/Form.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarWindows.h"
#include "ui/bars/layout/BarLayoutDiagnostics.h"
#include "ui/bars/layout/BarLayoutFormat.h"
#include "ui/bars/layout/BarLayoutReader.h"
#include "ui/bars/layout/BarLayoutWriter.h"
#include "ui/bars/layout/StagedIniFile.h"
#include "ui/core/base/Registries.h"

#include <functional>

namespace {

// The values the layout keeps in the registry path's own key.
const char* const MainKeys[] = {layout_keys::Version,
                                layout_keys::MenusShowRecentItemsFirst,
                                layout_keys::ShowFullMenusAfterDelay,
                                layout_keys::LargeIcons,
                                layout_keys::MenuAnimations,
                                layout_keys::ShowHint,
                                layout_keys::ShowShortCutInHint,
                                layout_keys::BarCount};

TovBarIniFileEventData EventData(TCustomIniFile* AIniFile, const std::string& APrefix,
                                 TovBarStoringKind AKind) {
    return TovBarIniFileEventData{AIniFile, AKind, APrefix, GetLayoutSeparator(AKind)};
}

// Every section the staged layout writes must name a key before the stored layout is touched: a name
// the store refuses halfway would leave half a layout.
void CheckRegistrySections(const TovStagedIniFile& AStaged, const std::string& APath) {
    const std::optional<RegistryPath> key = ResolveRegistryPath("HKEY_CURRENT_USER", nullptr, APath);
    if (!key) throw ERegistryException("Failed to create key " + APath);
    for (const std::string& section : AStaged.SectionNames())
        if (!ResolveRegistryPath("HKEY_CURRENT_USER", &*key, section))
            throw ERegistryException("Failed to create key " + section);
}

// Runs AWork; what it raises is reported (with the reason when there is one) instead of passed on.
void ReportFailure(const std::string& AWhat, const std::string& AConsequence,
                   const std::function<void()>& AWork) noexcept {
    try {
        AWork();
    } catch (const std::exception& error) {
        ovBarLayoutReport(AWhat + " (" + error.what() + ")" + AConsequence);
    } catch (...) {
        ovBarLayoutReport(AWhat + AConsequence);
    }
}

bool IsMainSection(const std::string& ASection, const std::string& APath) {
    return SameText(ASection, APath) || SameText(ASection + "\\", APath);
}

} // namespace

std::string TovBarManager::GetIniSectionPrefix() const {
    std::string prefix = Name() + ".";
    for (TComponent* owner = Owner(); owner != nullptr && !owner->Name().empty(); owner = owner->Owner()) {
        prefix = owner->Name() + "." + prefix;
        if (dynamic_cast<TCustomForm*>(owner) != nullptr) break;
    }
    return prefix;
}

int TovBarManager::GetStoredBarCount() const {
    int count = 0;
    for (int i = 0; i < FBars->Count(); ++i)
        if (!FBars->GetItem(i)->CreatedByMerging()) ++count;
    return count;
}

void TovBarManager::EraseLayoutSections(TCustomIniFile* AIniFile, const std::string& APrefix,
                                        TovBarStoringKind AKind) {
    if (AKind == bskIniFile) {
        AIniFile->EraseSectionsWhere(
            [&](const std::string& ASection) { return StartsText(APrefix, ASection); });
        return;
    }
    // Others may keep their values under the same registry path: only the layout's own go.
    AIniFile->EraseSectionsWhere(IsOwnLayoutRegistrySection);
    for (const char* key : MainKeys)
        AIniFile->DeleteKey(APrefix, key);
}

void TovBarManager::WriteLayout(TCustomIniFile* AIniFile, const std::string& APrefix,
                                TovBarStoringKind AKind) {
    EraseLayoutSections(AIniFile, APrefix, AKind);
    TovBarLayoutWriter(this, *AIniFile, APrefix, AKind).WriteManager();
    TovBarIniFileEventData data = EventData(AIniFile, APrefix, AKind);
    FWriteIniFileHandlers->CallEvents(this, &data);
}

void TovBarManager::ReadLayout(TCustomIniFile* AIniFile, const std::string& APrefix,
                               TovBarStoringKind AKind) {
    BeginUpdate();
    try {
        TovBarLayoutReader(this, *AIniFile, APrefix, AKind).ReadManager();
        TovBarIniFileEventData data = EventData(AIniFile, APrefix, AKind);
        try {
            FReadIniFileHandlers->CallEvents(this, &data);
        } catch (const std::exception& error) {
            ovBarLayoutReport(std::string("a component's part of the layout could not be read (") +
                              error.what() + ")");
        }
    } catch (...) {
        EndUpdate(true);
        throw;
    }
    EndUpdate(true);
}

void TovBarManager::SaveToRegistry(const std::string& APath) {
    const std::string path = NormalizeRegistryPath(APath);
    if (path.empty()) return;
    // The whole layout is composed first; the stored one is replaced only when that succeeded.
    TovStagedIniFile staged;
    WriteLayout(&staged, path, bskRegistry);
    CheckRegistrySections(staged, path);
    TRegistryIniFile registry(path);
    EraseLayoutSections(&registry, path, bskRegistry);
    // The handlers' sections go too, so that no value of an older layout of theirs stays behind.
    for (const std::string& section : staged.SectionNames())
        if (!IsMainSection(section, path)) registry.EraseSection(section);
    staged.CommitTo(registry);
    registry.UpdateFile();
}

void TovBarManager::LoadFromRegistry(const std::string& APath) {
    const std::string path = NormalizeRegistryPath(APath);
    if (path.empty()) return;
    // Reading makes no key: a path that was never written holds nothing to read.
    if (!TRegistry().KeyExists(path)) return;
    TRegistryIniFile registry(path);
    ReadLayout(&registry, path, bskRegistry);
}

void TovBarManager::SaveToIniFile(const std::string& AFileName) {
    if (AFileName.empty()) return;
    // The file is written back whole through a temporary copy, and only after the pass succeeded.
    TMemIniFile ini(AFileName);
    WriteLayout(&ini, GetIniSectionPrefix(), bskIniFile);
    ini.UpdateFile();
}

void TovBarManager::LoadFromIniFile(const std::string& AFileName) {
    if (AFileName.empty() || !FileExists(AFileName)) return;
    TMemIniFile ini(AFileName);
    ReadLayout(&ini, GetIniSectionPrefix(), bskIniFile);
}

void TovBarManager::StoreLayoutAtExit() noexcept {
    if (IsDesigning()) return;
    const std::string kept = "; the previous layout is kept";
    if (StoreInRegistry)
        ReportFailure("could not be stored in the registry", kept, [this] { SaveToRegistry(FRegistryPath); });
    if (StoreInIniFile)
        ReportFailure("could not be stored in the ini file", kept, [this] { SaveToIniFile(IniFileName); });
}

void TovBarManager::LoadStoredLayout() noexcept {
    const std::string designed = "; the toolbars stay as designed";
    if (StoreInRegistry)
        ReportFailure("could not be read from the registry", designed,
                      [this] { LoadFromRegistry(FRegistryPath); });
    if (StoreInIniFile)
        ReportFailure("could not be read from the ini file", designed,
                      [this] { LoadFromIniFile(IniFileName); });
}

void TovBarManager::SaveDesignState() {
    if (!FSavedState) return;
    FState |= bmsSavingDesignState;
    try {
        WriteLayout(FSavedState.get(), GetIniSectionPrefix(), bskIniFile);
    } catch (...) {
        FState &= ~bmsSavingDesignState;
        throw;
    }
    FState &= ~bmsSavingDesignState;
}

IovBarDock* TovBarManager::FindDockControlByPath(const std::string& APath) const {
    if (APath.empty()) return nullptr;
    TComponent* component = FindComponentByPath(APath, Owner());
    if (component == nullptr) {
        ovBarLayoutReport("no dock control \"" + APath + "\"; the toolbar docks in its own place");
        return nullptr;
    }
    auto* dock = dynamic_cast<IovBarDock*>(component);
    if (dock == nullptr || dock->BarManager() != this) {
        ovBarLayoutReport("\"" + APath + "\" is not a dock control of this manager; ignored");
        return nullptr;
    }
    return dock;
}

int TovBarManager::FindBarInSavedState(const TovBar* ABar) const {
    if (!FSavedState || ABar == nullptr) return -1;
    const std::string prefix = GetIniSectionPrefix();
    const int count =
        FSavedState->ReadInteger(MakeMainSectionName(prefix, bskIniFile), layout_keys::BarCount, 0);
    // By name first: the user may have renamed the toolbar since.
    if (!ABar->Name().empty())
        for (int i = 0; i < count; ++i)
            if (SameText(FSavedState->ReadString(MakeBarSectionName(prefix, i), layout_keys::Name, ""),
                         ABar->Name()))
                return i;
    for (int i = 0; i < count; ++i) {
        const std::string section = MakeBarSectionName(prefix, i);
        if (FSavedState->ValueExists(section, layout_keys::Caption) &&
            FSavedState->ReadString(section, layout_keys::Caption, "") == ABar->Caption())
            return i;
    }
    return -1;
}
