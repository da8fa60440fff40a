#include "ui/painters/hints/HintController.h"

#include "platform/vcl/Control.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Screen.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/Registries.h"
#include "ui/core/controls/BaseControl.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/painters/hints/HintStyles.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"

#include <algorithm>
#include <memory>

namespace hint_controller_detail {
TuiHintController* Controller = nullptr;
std::unique_ptr<TuiRegisteredClasses> RegisteredHintStyles;

// The look-and-feel of an object offering one, directly or through the component its hint host names.
TuiLookAndFeel* LookAndFeelOf(TControl* AControl) {
    if (auto* provider = dynamic_cast<IuiLookAndFeelProvider*>(AControl)) return provider->GetLookAndFeel();
    if (auto* host = dynamic_cast<IovHintHost*>(AControl))
        if (auto* provider = dynamic_cast<IuiLookAndFeelProvider*>(host->GetHintHostComponent()))
            return provider->GetLookAndFeel();
    return nullptr;
}
} // namespace hint_controller_detail

using namespace hint_controller_detail;

TuiHintController* uiHintController() {
    return Controller;
}

TuiHintController::TuiHintController() : TComponent(nullptr) {}

TuiHintController::~TuiHintController() {
    SetHintedControl(nullptr);
    if (!FControllers.empty() && Application() != nullptr) {
        Application()->OnShowHint = FSavedShowHint;
        HintWindowClass = FSavedHintWindowClass;
    }
}

void TuiHintController::RegisterController(TuiCustomHintStyleController* AController) {
    if (AController == nullptr || AController->ComponentState().Contains(csDesigning)) return;
    // A controller without a window class (no style) takes no part in the hint handling.
    THintWindowClass windowClass = AController->HintWindowClassOf();
    if (windowClass == nullptr) return;
    if (std::find(FControllers.begin(), FControllers.end(), AController) != FControllers.end()) return;
    if (FControllers.empty()) {
        FSavedHintWindowClass = HintWindowClass;
        if (Application() != nullptr) {
            FSavedShowHint = Application()->OnShowHint;
            Application()->OnShowHint = TShowHintEvent(this, &TuiHintController::ShowHintHandler);
        }
    }
    HintWindowClass = windowClass;
    FControllers.push_back(AController);
}

void TuiHintController::UnregisterController(TuiCustomHintStyleController* AController) {
    if (AController == nullptr || AController->ComponentState().Contains(csDesigning)) return;
    const auto it = std::find(FControllers.begin(), FControllers.end(), AController);
    if (it == FControllers.end()) return;
    const THintWindowClass lastClass = FControllers.back()->HintWindowClassOf();
    FControllers.erase(it);
    if (HintWindowClass == lastClass)
        HintWindowClass =
            FControllers.empty() ? FSavedHintWindowClass : FControllers.back()->HintWindowClassOf();
    if (FControllers.empty() && Application() != nullptr) {
        Application()->OnShowHint = FSavedShowHint;
        FSavedShowHint = nullptr;
    }
}

TuiCustomHintStyleController* TuiHintController::ActiveController() {
    TControl* control = HintedControl();
    for (TControl* c = control; c != nullptr; c = c->Parent())
        if (auto* found = uiLocateComponent<TuiCustomHintStyleController>(c)) return found;
    if (auto* host = dynamic_cast<IovHintHost*>(control))
        if (TComponent* component = host->GetHintHostComponent())
            if (auto* found = uiLocateComponent<TuiCustomHintStyleController>(component)) return found;
    for (auto it = FControllers.rbegin(); it != FControllers.rend(); ++it)
        if ((*it)->Global()) return *it;
    return nullptr;
}

TControl* TuiHintController::HintedControl() {
    if (FHintedControl != nullptr) return FHintedControl;
    if (HWND capture = GetCapture()) return FindControl(capture);
    const TPoint cursor = uiGetMouseCursorPos();
    HWND window = WindowFromPoint(POINT{cursor.x, cursor.y});
    return window != nullptr ? FindControl(window) : nullptr;
}

void TuiHintController::SetHintedControl(TControl* AControl) {
    if (FHintedControl == AControl) return;
    if (FHintedControl != nullptr) FHintedControl->RemoveFreeNotification(this);
    FHintedControl = AControl;
    if (FHintedControl != nullptr) FHintedControl->FreeNotification(this);
}

void TuiHintController::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FHintedControl) FHintedControl = nullptr;
}

void TuiHintController::ShowHintHandler(std::string& AHintText, bool& ACanShow, THintInfo& AHintInfo) {
    SetHintedControl(AHintInfo.HintControl);
    if (TuiCustomHintStyleController* controller = ActiveController())
        controller->ProcessHint(AHintText, ACanShow, AHintInfo);
    FSavedShowHint(AHintText, ACanShow, AHintInfo);
    if (!ACanShow || AHintText.empty()) SetHintedControl(nullptr);
}

// ---- Routines

void ovShowHintWindow(THintWindow* AWindow, const TRect& R, const std::string& AHint) {
    if (MonitorFromPoint(POINT{R.left, R.top}, MONITOR_DEFAULTTONEAREST) == nullptr) return;
    // The application's window owns the hint (made its parent, a hidden window would hide it).
    if (Application() != nullptr) {
        HWND window = AWindow->Handle();
        if (GetParent(window) != Application()->Handle()) {
            ShowWindow(window, SW_HIDE);
            SetWindowLongPtr(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(Application()->Handle()));
        }
    }
    AWindow->ActivateHint(RECT{R.left, R.top, R.right, R.bottom}, AHint);
}

bool ovPrepareHintInfo(THintInfo& AHintInfo, THintWindow*& AWindow, TControl* AControl, int AHideTimeout,
                       void* AHintData, TRect& R, std::string& AHint) {
    TApplication* application = Application();
    AHintInfo = THintInfo{};
    AHintInfo.HintControl = AControl;
    // The class of the current window, as far as the hint classes in use know it.
    for (THintWindowClass candidate : {ovGetActiveHintWindowClass(), HintWindowClass})
        if (AHintInfo.HintWindowClass == nullptr && candidate->IsClassOf(AWindow))
            AHintInfo.HintWindowClass = candidate;
    AHintInfo.HintPos = POINT{R.left, R.top};
    AHintInfo.HintMaxWidth = Screen() != nullptr ? Screen()->Width() : 1920;
    AHintInfo.HintColor = application != nullptr ? application->HintColor() : clInfoBk;
    AHintInfo.ReshowTimeout = 0;
    AHintInfo.HideTimeout =
        AHideTimeout > 0 ? AHideTimeout : (application != nullptr ? application->HintHidePause() : 0);
    AHintInfo.HintStr = AHint;
    AHintInfo.HintData = AHintData;
    if (AControl != nullptr) {
        const TPoint cursor = uiGetMouseCursorPos();
        AHintInfo.CursorPos = AControl->ScreenToClient(POINT{cursor.x, cursor.y});
        AHintInfo.CursorRect = AControl->BoundsRect();
    }
    bool canShow = true;
    if (application == nullptr || !application->OnShowHint) return canShow;
    application->OnShowHint(AHint, canShow, AHintInfo);
    if (!canShow || AHint.empty()) return canShow;
    THintWindowClass windowClass =
        AHintInfo.HintWindowClass != nullptr ? AHintInfo.HintWindowClass : HintWindowClass;
    if (AWindow == nullptr || !windowClass->IsClassOf(AWindow)) {
        delete AWindow;
        AWindow = windowClass->Create(nullptr);
        AWindow->SetColor(AHintInfo.HintColor);
    }
    const RECT r = AWindow->CalcHintRect(AHintInfo.HintMaxWidth, AHint, AHintInfo.HintData);
    R = TRect{AHintInfo.HintPos.x, AHintInfo.HintPos.y, AHintInfo.HintPos.x + (r.right - r.left),
              AHintInfo.HintPos.y + (r.bottom - r.top)};
    return canShow;
}

TuiCustomHintStyleController* ovGetActiveHintStyleController() {
    return Controller != nullptr ? Controller->ActiveController() : nullptr;
}

TuiCustomHintStyle* ovGetActiveHintStyle() {
    TuiCustomHintStyleController* controller = ovGetActiveHintStyleController();
    return controller != nullptr ? controller->HintStyle() : nullptr;
}

THintWindowClass ovGetActiveHintWindowClass() {
    TuiCustomHintStyleController* controller = ovGetActiveHintStyleController();
    THintWindowClass windowClass = controller != nullptr ? controller->HintWindowClassOf() : nullptr;
    return windowClass != nullptr ? windowClass : HintWindowClass;
}

TControl* ovGetHintedControl() {
    return Controller != nullptr ? Controller->HintedControl() : nullptr;
}

void ovResetHintedControl() {
    if (Controller != nullptr) Controller->SetHintedControl(nullptr);
}

TuiRegisteredClasses* ovGetRegisteredHintStyles() {
    if (RegisteredHintStyles == nullptr) RegisteredHintStyles = std::make_unique<TuiRegisteredClasses>();
    return RegisteredHintStyles.get();
}

TuiCustomLookAndFeelPainter* ovGetHintPainter() {
    TuiLookAndFeel* lookAndFeel = RootLookAndFeel();
    if (TuiCustomHintStyleController* controller = ovGetActiveHintStyleController()) {
        lookAndFeel = controller->LookAndFeel();
        if (controller->FollowsControlLook())
            if (TuiLookAndFeel* controlLook = LookAndFeelOf(ovGetHintedControl())) lookAndFeel = controlLook;
    }
    return lookAndFeel != nullptr ? dynamic_cast<TuiCustomLookAndFeelPainter*>(lookAndFeel->Painter())
                                  : nullptr;
}

void uiHintsInitialize() {
    if (Controller == nullptr) Controller = new TuiHintController();
}

void uiHintsFinalize() {
    delete Controller;
    Controller = nullptr;
    RegisteredHintStyles.reset();
}
