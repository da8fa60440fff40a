#include "ui/painters/hints/HintStyles.h"

#include "ui/core/base/Registries.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/painters/hints/HintController.h"
#include "ui/painters/hints/HintWindows.h"

#include <algorithm>

TuiCustomHintStyleController::TuiCustomHintStyleController(TComponent* AOwner) : TuiCustomComponent(AOwner) {
    FLookAndFeel = std::make_unique<TuiLookAndFeel>(this);
    CreateHintStyle();
}

TuiCustomHintStyleController::~TuiCustomHintStyleController() {
    FIsDestroying = true;
    const std::vector<IuiHintStyleControllerListener*> listeners = FListeners;
    for (IuiHintStyleControllerListener* listener : listeners)
        listener->HintStyleControllerRemoved(this);
    DropHintStyle();
    FLookAndFeel.reset();
    FListeners.clear();
}

// ---- Style and window

void TuiCustomHintStyleController::CreateHintStyle() {
    const TuiClassRef* styleClass = GetHintStyleClass();
    if (styleClass == nullptr) return;
    FHintStyle.reset(dynamic_cast<TuiCustomHintStyle*>(styleClass->Create(this)));
    if (FHintStyle == nullptr) return;
    FHintStyle->OnChanged = TNotifyEvent(this, &TuiCustomHintStyleController::HintStyleChanged);
    if (THintWindowClass windowClass = FHintStyle->HintWindowClassOf())
        FHintWindow = windowClass->Create(this);
    if (TuiHintController* controller = uiHintController()) controller->RegisterController(this);
}

void TuiCustomHintStyleController::DropHintStyle() {
    if (TuiHintController* controller = uiHintController()) controller->UnregisterController(this);
    delete FHintWindow;
    FHintWindow = nullptr;
    FHintStyle.reset();
}

void TuiCustomHintStyleController::SetHintStyleClass(const TuiClassRef* AValue) {
    if (FHintStyleClass == AValue && (AValue == nullptr || FHintStyle != nullptr)) return;
    DropHintStyle();
    FHintStyleClass = AValue;
    CreateHintStyle();
    NotifyListeners();
}

std::string TuiCustomHintStyleController::HintStyleClassName() const {
    return FHintStyleClass != nullptr ? FHintStyleClass->ClassName() : std::string();
}

void TuiCustomHintStyleController::SetHintStyleClassName(const std::string& AValue) {
    SetHintStyleClass(ovGetRegisteredHintStyles()->FindByClassName(AValue));
}

THintWindowClass TuiCustomHintStyleController::HintWindowClassOf() {
    return FHintStyle != nullptr ? FHintStyle->HintWindowClassOf() : nullptr;
}

void TuiCustomHintStyleController::HintStyleChanged(TObject*) {
    NotifyListeners();
}

void TuiCustomHintStyleController::ProcessHint(std::string& AHintText, bool& ACanShow, THintInfo& AHintInfo) {
    // A controller without a style (an unknown class name) leaves the window class and the text alone.
    if (THintWindowClass windowClass = HintWindowClassOf()) AHintInfo.HintWindowClass = windowClass;
    if (FHintStyle != nullptr) FHintStyle->ShowHintHook(AHintText, ACanShow, AHintInfo);
    OnShowHint(this, AHintText, ACanShow, AHintInfo);
    std::string caption;
    OnShowHintEx(this, caption, AHintText, ACanShow, AHintInfo);
    if (auto* window = dynamic_cast<TuiCustomHintWindow*>(FHintWindow)) window->SetHintCaption(caption);
}

// ---- Pauses

void TuiCustomHintStyleController::ApplyPauses() {
    if (ComponentState().Contains(csDesigning) || FUpdateCount > 0 || Application() == nullptr) return;
    Application()->SetHintShortPause(FHintShortPause);
    Application()->SetHintPause(FHintPause);
    Application()->SetHintHidePause(FHintHidePause);
}

void TuiCustomHintStyleController::SetHintShortPause(int AValue) {
    if (FHintShortPause == AValue) return;
    FHintShortPause = AValue;
    ApplyPauses();
}

void TuiCustomHintStyleController::SetHintPause(int AValue) {
    if (FHintPause == AValue) return;
    FHintPause = AValue;
    ApplyPauses();
}

void TuiCustomHintStyleController::SetHintHidePause(int AValue) {
    if (FHintHidePause == AValue) return;
    FHintHidePause = AValue;
    ApplyPauses();
}

void TuiCustomHintStyleController::BeginUpdate() {
    ++FUpdateCount;
}

void TuiCustomHintStyleController::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0) ApplyPauses();
}

void TuiCustomHintStyleController::Loaded() {
    TuiCustomComponent::Loaded();
    ApplyPauses();
    NotifyListeners();
}

void TuiCustomHintStyleController::SetLookAndFeel(TuiLookAndFeel* AValue) {
    FLookAndFeel->Assign(AValue);
}

void TuiCustomHintStyleController::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TuiCustomHintStyleController*>(Source);
    if (source == nullptr) return TuiCustomComponent::Assign(Source);
    BeginUpdate();
    OnHintStyleChanged = source->OnHintStyleChanged;
    OnShowHint = source->OnShowHint;
    OnShowHintEx = source->OnShowHintEx;
    SetHintShortPause(source->HintShortPause());
    SetHintPause(source->HintPause());
    SetHintHidePause(source->HintHidePause());
    SetHintStyleClassName(source->HintStyleClassName());
    if (FHintStyle != nullptr && source->HintStyle() != nullptr) FHintStyle->Assign(source->HintStyle());
    FLookAndFeel->Assign(source->LookAndFeel());
    EndUpdate();
}

// ---- Listeners

void TuiCustomHintStyleController::NotifyListeners() {
    if (FIsDestroying) return;
    if (FHintStyle != nullptr) OnHintStyleChanged(this, FHintStyle.get());
    const std::vector<IuiHintStyleControllerListener*> listeners = FListeners;
    for (IuiHintStyleControllerListener* listener : listeners)
        if (std::find(FListeners.begin(), FListeners.end(), listener) != FListeners.end())
            NotifyListener(listener);
}

void TuiCustomHintStyleController::NotifyListener(IuiHintStyleControllerListener* AListener) {
    AListener->HintStyleControllerChanged(this);
    OnHintStyleChanged(this, dynamic_cast<TObject*>(AListener));
}

void TuiCustomHintStyleController::AddChangeListener(IuiHintStyleControllerListener* AListener) {
    if (AListener != nullptr &&
        std::find(FListeners.begin(), FListeners.end(), AListener) == FListeners.end())
        FListeners.push_back(AListener);
}

void TuiCustomHintStyleController::RemoveChangeListener(IuiHintStyleControllerListener* AListener) {
    const auto it = std::find(FListeners.begin(), FListeners.end(), AListener);
    if (it != FListeners.end()) FListeners.erase(it);
}

void TuiCustomHintStyleController::Notification(TComponent* AComponent, TOperation Operation) {
    TuiCustomComponent::Notification(AComponent, Operation);
    if (Operation == opRemove && FHintStyle != nullptr && AComponent != FHintWindow)
        FHintStyle->ComponentWasRemoved(AComponent);
    if (Operation == opRemove && AComponent == FHintWindow) FHintWindow = nullptr;
}
