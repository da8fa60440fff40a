#include "ui/bars/owner/BarOwnerRouting.h"

#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/hints/BarHintController.h"
#include "ui/bars/hooks/BarHooks.h"
#include "ui/bars/owner/BarOwnerMessages.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace bar_owner_routing_detail {

std::vector<std::unique_ptr<TovBarOwnerMessages>>& Handlers() {
    static std::vector<std::unique_ptr<TovBarOwnerMessages>> handlers;
    return handlers;
}

void ManagerAdded(TovBarManager* AManager) {
    if (ovBarOwnerMessagesOf(AManager) == nullptr)
        Handlers().push_back(std::make_unique<TovBarOwnerMessages>(AManager));
}

void ManagerRemoved(TovBarManager* AManager) {
    TovBarHintController::Instance().ManagerDestroyed(AManager);
    std::erase_if(Handlers(), [AManager](const std::unique_ptr<TovBarOwnerMessages>& AHandler) {
        return AHandler->Manager() == AManager;
    });
}

// The selection of a bar moved: the manager's hint follows the selected item control.
void SelectionHint(TCustomovBarControl* ABar, TovBarItemControl* AControl) {
    TovBarManager* manager = ABar != nullptr ? ABar->GetBarManager() : nullptr;
    if (manager == nullptr) return;
    TovBarHintController::Instance().ActivateHint(manager, AControl != nullptr, std::string(), AControl);
}

void HideHint(TovBarManager* AManager) {
    if (AManager != nullptr) TovBarHintController::Instance().HideHint(AManager);
}

} // namespace bar_owner_routing_detail

using namespace bar_owner_routing_detail;

void ovBarOwnerMessagesStart() {
    TovBarHookPoints& points = ovBarHookPoints();
    points.ManagerAdded = &ManagerAdded;
    points.ManagerRemoved = &ManagerRemoved;
    points.RouteWindowMessage = &ovBarRouteOwnerMessage;
    points.ActivateHint = &SelectionHint;
    points.HideHint = &HideHint;
}

void ovBarOwnerMessagesEnd() {
    TovBarHookPoints& points = ovBarHookPoints();
    points.ManagerAdded = nullptr;
    points.ManagerRemoved = nullptr;
    points.RouteWindowMessage = nullptr;
    points.ActivateHint = nullptr;
    points.HideHint = nullptr;
    Handlers().clear();
    TovBarHintController::Instance().Reset();
}

TovBarOwnerMessages* ovBarOwnerMessagesOf(TovBarManager* AManager) {
    for (const auto& handler : Handlers())
        if (handler->Manager() == AManager) return handler.get();
    return nullptr;
}

bool ovBarIsBroadcastOwnerMessage(UINT AMsg) {
    switch (AMsg) {
    case WM_ACTIVATE:
    case WM_SYSCOLORCHANGE:
    case WM_ACTIVATEAPP:
    case WM_CHILDACTIVATE:
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED:
    case WM_SYSCOMMAND:
    case WM_MDIACTIVATE:
        return true;
    default:
        return false;
    }
}

void ovBarRouteOwnerMessage(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
    if (AWnd == nullptr || Handlers().empty()) return;
    const bool broadcast = ovBarIsBroadcastOwnerMessage(AMsg);
    // A handler may free managers (a click, a close-up): the list is walked by manager, each looked up
    // again before its turn.
    std::vector<TovBarManager*> managers;
    for (const auto& handler : Handlers())
        managers.push_back(handler->Manager());
    for (TovBarManager* manager : managers) {
        TovBarOwnerMessages* handler = ovBarOwnerMessagesOf(manager);
        if (handler == nullptr) continue;
        const HWND owner = handler->OwnerWindow();
        if (owner == nullptr) continue;
        if (owner == AWnd || (broadcast && IsChild(AWnd, owner)))
            handler->HandleOwnerMessage(AWnd, AMsg, AWParam, ALParam);
    }
}
