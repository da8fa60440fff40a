#include "ui/bars/mdi/BarMDIState.h"

#include "platform/vcl/Application.h"
#include "platform/vcl/Form.h"
#include "platform/win/Painting.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/BarWindows.h"
#include "ui/bars/mdi/SystemMenuSubItem.h"
#include "ui/core/base/CoreClasses.h"
#include "ui/core/base/Registries.h"

namespace {

// The program's windows hold no MDI client, so no child is ever active.
class TProgramMDISource : public IovBarMDISource {
public:
    HWND ActiveChild() override { return nullptr; }
    bool IsMaximized(HWND AChild) override { return AChild != nullptr && IsZoomed(AChild); }
    TovBarManager* ChildBarManager(HWND AChild) override { return FindBarManagerOfWindow(AChild); }
    bool HasSystemMenu(HWND AChild) override {
        return AChild != nullptr && (static_cast<DWORD>(GetWindowLong(AChild, GWL_STYLE)) & WS_SYSMENU) != 0;
    }
};

TProgramMDISource& ProgramSource() {
    static TProgramMDISource source;
    return source;
}

IovBarMDISource*& InstalledSource() {
    static IovBarMDISource* source = nullptr;
    return source;
}

// The private message that makes a bar window rebuild itself.
constexpr UINT WM_BAR_REBUILD = WM_APP + 200;

bool AnyBarChanged(TovBarManager* AManager) {
    for (int i = 0; i < AManager->Bars()->Count(); ++i)
        if (AManager->Bars()->GetItem(i)->Changed()) return true;
    return false;
}

} // namespace

IovBarMDISource* ovBarMDISource() {
    return InstalledSource() != nullptr ? InstalledSource() : &ProgramSource();
}

IovBarMDISource* ovSetBarMDISource(IovBarMDISource* ASource) {
    IovBarMDISource* previous = InstalledSource();
    InstalledSource() = ASource;
    return previous;
}

HWND GetActiveMDIChildHandle() {
    return ovBarMDISource()->ActiveChild();
}

TovBarManagerMDIStateHelper::TovBarManagerMDIStateHelper(TovBarManager* AManager)
    : FManager(AManager), FItemWatcher(std::make_unique<TuiFreeNotificator>(nullptr)) {
    FItemWatcher->OnComponentFreed = TuiComponentFreedEvent(
        [this](TComponent* AComponent) {
            std::erase_if(FSystemMenuItems, [AComponent](TSystemMenuSubItem* AItem) {
                return static_cast<TComponent*>(AItem) == AComponent;
            });
        },
        this);
}

TovBarManagerMDIStateHelper::~TovBarManagerMDIStateHelper() {
    ClearSystemMenuItems();
    FItemWatcher->OnComponentFreed = nullptr;
}

void TovBarManagerMDIStateHelper::Check() {
    IovBarMDISource* source = ovBarMDISource();
    const HWND child = source->ActiveChild();
    const HWND previous = FPreviousChild;
    const bool maximized = child != nullptr && source->IsMaximized(child);
    FManager->LockUpdate(false);
    try {
        if (child != previous) {
            TCustomForm* mainForm = Application() ? Application()->MainForm() : nullptr;
            const bool holdDrawing = mainForm != nullptr && mainForm->HandleAllocated() &&
                                     IsWindowVisible(mainForm->Handle()) &&
                                     ((previous != nullptr && WillMergeOrUnmerge(mscDeactivated, previous)) ||
                                      (child != nullptr && WillMergeOrUnmerge(mscActivated, child)));
            if (holdDrawing) SendMessage(mainForm->Handle(), WM_SETREDRAW, 0, 0);
            FPreviousChild = child;
            FPreviousMaximized = maximized;
            try {
                if (previous != nullptr) HandleChange(mscDeactivated, previous);
                if (child != nullptr) HandleChange(mscActivated, child);
            } catch (...) {
                if (holdDrawing) SendMessage(mainForm->Handle(), WM_SETREDRAW, 1, 0);
                throw;
            }
            if (holdDrawing) {
                SendMessage(mainForm->Handle(), WM_SETREDRAW, 1, 0);
                RedrawWindow(mainForm->Handle(), nullptr, nullptr,
                             RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
            }
        } else if (child != nullptr && maximized != FPreviousMaximized) {
            FPreviousMaximized = maximized;
            HandleChange(mscStateChanged, child);
        }
    } catch (...) {
        FManager->UnlockUpdateQuietly(false);
        throw;
    }
    if (AnyBarChanged(FManager))
        FManager->UnlockUpdate(true, false);
    else
        FManager->UnlockUpdateQuietly(false);
    if (maximized)
        if (TovBar* mainMenu = FManager->GetMainMenuBar())
            if (IovBarControl* control = mainMenu->GetControl();
                control != nullptr && control->Handle() != nullptr)
                PostMessage(control->Handle(), WM_BAR_REBUILD, 0, 0);
}

bool TovBarManagerMDIStateHelper::WillMergeOrUnmerge(TovBarMDIStateChange AChange, HWND AWindow) const {
    IovBarMDISource* source = ovBarMDISource();
    if (source->ChildBarManager(AWindow) == nullptr) return false;
    if (AChange == mscDeactivated) return true;
    return FManager->AlwaysMerge || source->IsMaximized(AWindow);
}

void TovBarManagerMDIStateHelper::HandleChange(TovBarMDIStateChange AChange, HWND AWindow) {
    IovBarMDISource* source = ovBarMDISource();
    const bool maximized = AWindow != nullptr && source->IsMaximized(AWindow);
    if (FManager->GetMainMenuBar() != nullptr) {
        if (AChange != mscDeactivated && maximized) {
            if (!HasSystemMenuItem()) AddSystemMenuItem(AWindow);
        } else if (AChange == mscDeactivated || (AChange == mscStateChanged && !maximized)) {
            ClearSystemMenuItems();
        }
    }
    MergeChildManager(AChange, AWindow, maximized);
    TovBarMDIStateChangedEventData data{AChange, AWindow};
    FManager->MDIStateChangedHandlers()->CallEvents(FManager, &data);
}

void TovBarManagerMDIStateHelper::MergeChildManager(TovBarMDIStateChange AChange, HWND AWindow,
                                                    bool AMaximized) {
    if (AChange == mscStateChanged && FManager->AlwaysMerge) return;
    const bool merge = AChange != mscDeactivated && (FManager->AlwaysMerge || AMaximized);
    const bool unmerge = AChange == mscDeactivated || (AChange == mscStateChanged && !AMaximized);
    if (!merge && !unmerge) return;
    TovBarManager* child = ovBarMDISource()->ChildBarManager(AWindow);
    if (child == nullptr) return;
    if (!FManager->OnMerge && FManager->CallMergeOperationHandlers(child, merge ? bmoMerge : bmoUnmerge))
        return;
    if (merge)
        FManager->MergeChildMainMenu(child);
    else
        FManager->UnmergeChildMainMenu(child);
}

void TovBarManagerMDIStateHelper::AddSystemMenuItem(HWND AWindow) {
    TovBar* mainMenu = FManager->GetMainMenuBar();
    if (mainMenu == nullptr || !ovBarMDISource()->HasSystemMenu(AWindow)) return;
    auto* item = new TSystemMenuSubItem(FManager->Owner());
    // An internal item: not one of the manager's items, so never customized or stored.
    FManager->RemoveItem(item);
    item->SetMDIChild(AWindow);
    FSystemMenuItems.push_back(item);
    FItemWatcher->AddSender(item);
    TovBarItemLinks* links = mainMenu->ItemLinks();
    TovBarItemLink* link = links->AddItem(item);
    links->Move(link->Index(), 0);
}

void TovBarManagerMDIStateHelper::ClearSystemMenuItems() {
    while (!FSystemMenuItems.empty()) {
        TSystemMenuSubItem* item = FSystemMenuItems.back();
        FSystemMenuItems.pop_back();
        FItemWatcher->RemoveSender(item);
        item->Free();
    }
}

// ---- The manager's part

void TovBarManager::CheckMDIState() {
    FMDIStateHelper->Check();
}

void TovBarManager::SendMDIChildSysCommand(int AIndex) {
    static const WPARAM Commands[] = {SC_MINIMIZE, SC_RESTORE, SC_CLOSE};
    if (AIndex < 0 || AIndex >= static_cast<int>(std::size(Commands))) return;
    if (HWND child = GetActiveMDIChildHandle()) SendMessage(child, WM_SYSCOMMAND, Commands[AIndex], 0);
}
