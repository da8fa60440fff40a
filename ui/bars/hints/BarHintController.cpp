#include "ui/bars/hints/BarHintController.h"

#include "platform/vcl/Screen.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/BarWindows.h"
#include "ui/bars/hints/BarHintInterfaces.h"
#include "ui/bars/hints/BarHintWindow.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/painters/hints/ScreenTipWindow.h"

#include <typeinfo>

namespace bar_hint_controller_detail {

int ScreenWidth() {
    return Screen() != nullptr ? Screen()->Width() : GetSystemMetrics(SM_CXSCREEN);
}

} // namespace bar_hint_controller_detail

using namespace bar_hint_controller_detail;

TovBarHintController& TovBarHintController::Instance() {
    // Never destroyed: its window must not outlive the window system at the program's exit.
    static auto* controller = new TovBarHintController();
    return *controller;
}

bool TovBarHintController::IsWindowVisible() const {
    return FWindow != nullptr && FWindow->HandleAllocated() && ::IsWindowVisible(FWindow->Handle()) != FALSE;
}

void TovBarHintController::EnsureWindowClass(bool ACustom) {
    const std::type_info& wanted = ACustom ? typeid(TovScreenTipWindow) : typeid(TovBarHintWindow);
    if (FWindow != nullptr && typeid(*FWindow) == wanted) return;
    FWindow.reset();
    if (ACustom)
        FWindow = std::make_unique<TovScreenTipWindow>(nullptr);
    else
        FWindow = std::make_unique<TovBarHintWindow>(nullptr);
}

void TovBarHintController::ActivateHint(TovBarManager* AManager, bool AShow, const std::string& AText,
                                        TObject* AObject) {
    if (AManager == nullptr || AManager->IsCustomizingOrDesigning() || !AManager->ShowHint) return;
    auto* support = dynamic_cast<IovBarCustomHintSupport*>(AObject);
    FCustomHint = support != nullptr && support->WantsScreenTipStyleHint();
    const bool custom = FCustomHint && !AManager->UseBarHintWindow;
    EnsureWindowClass(custom);
    // A plain hint is taken down before the next one; whether one was up still decides below that the
    // next shows at once, as the pointer moves from one hinted item to the next.
    const bool wasVisible = IsWindowVisible();
    if (AShow && !custom && wasVisible) HideWindow();
    if (!AShow && !FRequested) return;
    FRequested = AShow;
    FText = AText;
    FShown = false;
    KillHintTimer();
    FManager = AManager;
    FObject = AObject;
    IovBarControl* open = CurrentBarControl();
    const bool somethingToShow = open == nullptr || !open->IsActive() || !AText.empty() || AObject != nullptr;
    if (AShow && somethingToShow) {
        if (wasVisible || FQuickShow) {
            ShowHint();
            return;
        }
        unsigned pause = ovBarCustomHintShowDelay;
        if (!custom)
            if (auto* window = dynamic_cast<TovBarHintWindow*>(FWindow.get())) pause = window->ShowPause();
        StartHintTimer(pause, true);
    } else if (wasVisible) {
        HideWindow();
        if (AShow) StartQuickShowTimer();
    }
}

void TovBarHintController::ShowHint() {
    TovBarManager* manager = FManager.Get();
    if (manager == nullptr) return;
    bool shown = false;
    if (!FText.empty()) {
        shown = ShowText(FText, std::string());
    } else if (TObject* object = FObject.Get()) {
        std::string text, shortCut;
        bool hasHint = false, enabled = false;
        if (auto* provider = dynamic_cast<IovBarHintProvider*>(object)) {
            hasHint = provider->GetBarHint(text, shortCut);
            enabled = provider->IsBarHintEnabled();
        } else if (auto* control = dynamic_cast<TovBarItemControl*>(object)) {
            control->GetHintTexts(text, shortCut);
            hasHint = !text.empty();
            enabled = control->GetEnabled();
        }
        if (hasHint && (enabled || manager->ShowHintForDisabledItems)) {
            if (!manager->ShowShortCutInHint) shortCut.clear();
            shown = ShowText(text, shortCut);
        }
    }
    if (!shown) HideWindow();
}

bool TovBarHintController::ShowText(std::string AText, std::string AShortCut) {
    TovBarManager* manager = FManager.Get();
    FShortCutText = AShortCut;
    const bool custom = FCustomHint && manager != nullptr && !manager->UseBarHintWindow;
    if (custom && !AText.empty()) AText += AShortCut;
    TObject* object = FObject.Get();
    auto* control = dynamic_cast<TovBarItemControl*>(object);
    if (auto* window = dynamic_cast<TovBarHintWindow*>(FWindow.get())) {
        window->SetShortCutText(AShortCut);
        // An item's hint is made by its bar's painter, with the item's screen tip.
        if (control != nullptr)
            window->SetViewInfoFace([control](const std::string& AHint, const std::string& AShort) {
                return control->CreateHintViewInfo(AHint, AShort);
            });
        else
            window->SetViewInfoFace(nullptr);
    }
    TRect r = FWindow->CalcHintRect(ScreenWidth(), AText, manager);
    if (uiIsRectEmpty(r)) return false;
    const TPoint cursor = uiGetMouseCursorPos();
    TPoint at = cursor;
    if (auto* provider = dynamic_cast<IovBarHintProvider*>(object))
        at = provider->GetBarHintPosition(cursor, uiHeightOfRect(r));
    else if (control != nullptr)
        control->CalcHintPosition(at, cursor, uiHeightOfRect(r));
    OffsetRect(&r, at.x - r.left, at.y - r.top);
    FWindow->ActivateHint(r, AText);
    FShown = true;
    unsigned hide = ovBarCustomHintHideDelay;
    if (!custom)
        if (auto* window = dynamic_cast<TovBarHintWindow*>(FWindow.get())) hide = window->HideTimeout();
    StartHintTimer(hide, false);
    return true;
}

void TovBarHintController::HideWindow() {
    if (FWindow != nullptr && FWindow->HandleAllocated()) ShowWindow(FWindow->Handle(), SW_HIDE);
    FShown = false;
}

void TovBarHintController::StartHintTimer(unsigned AElapse, bool AShowing) {
    KillHintTimer();
    FHintTimerShows = AShowing;
    FHintTimer = SetTimer(nullptr, 0, AElapse, &TovBarHintController::HintTimerProc);
}

void TovBarHintController::KillHintTimer() {
    if (FHintTimer != 0) KillTimer(nullptr, FHintTimer);
    FHintTimer = 0;
}

void TovBarHintController::StartQuickShowTimer() {
    if (FQuickShowTimer != 0) KillTimer(nullptr, FQuickShowTimer);
    FQuickShow = true;
    FQuickShowTimer = SetTimer(nullptr, 0, ovBarHintQuickShowTime, &TovBarHintController::QuickShowTimerProc);
}

void TovBarHintController::HintTimerProc(HWND, UINT, UINT_PTR, DWORD) {
    TovBarHintController& self = Instance();
    self.KillHintTimer();
    TovBarManager* manager = self.FManager.Get();
    if (self.FHintTimerShows) {
        if (manager != nullptr && !manager->BeingDestroyed()) self.ShowHint();
    } else {
        self.HideWindow();
    }
}

void TovBarHintController::QuickShowTimerProc(HWND, UINT, UINT_PTR, DWORD) {
    TovBarHintController& self = Instance();
    if (self.FQuickShowTimer != 0) KillTimer(nullptr, self.FQuickShowTimer);
    self.FQuickShowTimer = 0;
    self.FQuickShow = false;
}

void TovBarHintController::ManagerDestroyed(TovBarManager* AManager) {
    if (FManager.Get() != AManager) return;
    KillHintTimer();
    HideWindow();
    FRequested = false;
    FManager = nullptr;
}

void TovBarHintController::Reset() {
    KillHintTimer();
    if (FQuickShowTimer != 0) KillTimer(nullptr, FQuickShowTimer);
    FQuickShowTimer = 0;
    FQuickShow = false;
    FRequested = FShown = FCustomHint = false;
    FText.clear();
    FShortCutText.clear();
    FManager = nullptr;
    FObject = nullptr;
    FWindow.reset();
}
