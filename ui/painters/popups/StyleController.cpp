#include "ui/painters/popups/StyleController.h"

#include "platform/rtl/Numerics.h"
#include "platform/vcl/Font.h"
#include "ui/core/controls/LookAndFeel.h"

#include <algorithm>
#include <vector>

// ---- The style set

TuiContainerStyles::TuiContainerStyles(TPersistent* AOwner, TuiContainerStyleClass AStyleClass) {
    if (AStyleClass == nullptr) AStyleClass = uiContainerStyleClassOf<TuiContainerStyle>();
    FItems[0] = AStyleClass->Create(AOwner, 0, nullptr);
    for (int state = 1; state < Count; ++state)
        FItems[state] = AStyleClass->Create(AOwner, state, FItems[0]);
}

TuiContainerStyles::~TuiContainerStyles() {
    for (int state = Count - 1; state >= 0; --state) {
        delete FItems[state];
        FItems[state] = nullptr;
    }
}

void TuiContainerStyles::SetOnChanged(const TNotifyEvent& AValue) {
    for (TuiContainerStyle* style : FItems)
        style->OnChanged = AValue;
}

TuiContainerStylesClass uiDefaultContainerStylesClass() {
    static const TuiContainerStylesClassInfo info{
        [](TPersistent* AOwner, TuiContainerStyleClass AStyleClass) {
            return new TuiContainerStyles(AOwner, AStyleClass);
        }};
    return &info;
}

// ---- The controller

TuiStyleController::TuiStyleController(TComponent* AOwner) : TuiScalableComponent(AOwner) {}

TuiStyleController::~TuiStyleController() {
    FIsDestroying = true;
    // The listeners leave the list themselves; the copy keeps the walk on the ones there now.
    const std::vector<TuiContainerStyle*> listeners = FListeners;
    for (auto it = listeners.rbegin(); it != listeners.rend(); ++it)
        if (std::find(FListeners.begin(), FListeners.end(), *it) != FListeners.end())
            (*it)->StyleControllerFreed(this);
    FStyles.reset();
    FListeners.clear();
}

TuiContainerStyles* TuiStyleController::Styles() {
    if (FStyles == nullptr) {
        FStyles.reset(GetContainerStylesClass()->Create(this, GetContainerStyleClass()));
        FStyles->SetOnChanged(TNotifyEvent(this, &TuiStyleController::StylesChanged));
    }
    return FStyles.get();
}

TuiContainerStyleClass TuiStyleController::GetContainerStyleClass() {
    return uiContainerStyleClassOf<TuiContainerStyle>();
}

void TuiStyleController::StylesChanged(TObject*) {
    OnChanged(this);
    if (FIsDestroying) return;
    const std::vector<TuiContainerStyle*> listeners = FListeners;
    for (TuiContainerStyle* style : listeners)
        if (std::find(FListeners.begin(), FListeners.end(), style) != FListeners.end())
            style->StyleControllerChanged(this);
}

void TuiStyleController::Loaded() {
    TuiScalableComponent::Loaded();
    StylesChanged(this);
}

void TuiStyleController::ChangeScale(int AMultiplier, int ADivisor) {
    // The styles of states 1 to 3 share the base style's font: each font is scaled once.
    std::vector<TFont*> scaled;
    for (int state = 0; state < TuiContainerStyles::Count; ++state) {
        TuiContainerStyle* style = Styles()->Items(state);
        TFont* font = style->Font();
        if (!style->AssignedValues().Contains(csvFont) ||
            std::find(scaled.begin(), scaled.end(), font) != scaled.end())
            continue;
        scaled.push_back(font);
        font->SetHeight(MulDiv(font->Height(), AMultiplier, ADivisor));
    }
}

void TuiStyleController::AddStyleListener(TuiContainerStyle* AStyle) {
    if (AStyle == nullptr || std::find(FListeners.begin(), FListeners.end(), AStyle) != FListeners.end())
        return;
    FListeners.push_back(AStyle);
    AStyle->LookAndFeel()->SetMasterLookAndFeel(Style()->LookAndFeel());
}

void TuiStyleController::RemoveStyleListener(TuiContainerStyle* AStyle) {
    const auto it = std::find(FListeners.begin(), FListeners.end(), AStyle);
    if (it == FListeners.end()) return;
    FListeners.erase(it);
    AStyle->LookAndFeel()->SetMasterLookAndFeel(nullptr);
}
