// TuiStyleController: a non-visual component that holds one container style per state and that any
// number of styles follow: a style that leaves a value unassigned reads it from the controller's style
// of its state, and every change of the controller is pushed to all of them.
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "ui/core/base/Components.h"
#include "ui/painters/popups/ContainerStyle.h"

#include <array>
#include <memory>
#include <vector>

// The four styles of a set, indexed by state: index 0 without parent, 1 to 3 with index 0 as parent.
class TuiContainerStyles : public TObject {
public:
    TuiContainerStyles(TPersistent* AOwner, TuiContainerStyleClass AStyleClass);
    ~TuiContainerStyles() override;
    TuiContainerStyles(const TuiContainerStyles&) = delete;
    TuiContainerStyles& operator=(const TuiContainerStyles&) = delete;

    TuiContainerStyle* Items(int AState) const { return FItems[AState]; }
    TuiContainerStyle* Style() const { return FItems[uiContainerStateNormal]; }
    static constexpr int Count = 4;
    // The change handler of all four.
    void SetOnChanged(const TNotifyEvent& AValue);

private:
    std::array<TuiContainerStyle*, Count> FItems{};
};

// A class of style sets, as a controller names it.
struct TuiContainerStylesClassInfo {
    TuiContainerStyles* (*Create)(TPersistent* AOwner, TuiContainerStyleClass AStyleClass);
};
using TuiContainerStylesClass = const TuiContainerStylesClassInfo*;
TuiContainerStylesClass uiDefaultContainerStylesClass();

class TuiStyleController : public TuiScalableComponent {
public:
    explicit TuiStyleController(TComponent* AOwner);
    ~TuiStyleController() override;
    void Loaded() override;

    // The styles, made on first use (so that a descendant's style class is the one asked).
    TuiContainerStyles* Styles();
    TuiContainerStyle* Style() { return Styles()->Style(); }
    bool IsDestroying() const { return FIsDestroying; }
    int ListenerCount() const { return static_cast<int>(FListeners.size()); }
    TuiContainerStyle* Listeners(int AIndex) const { return FListeners[AIndex]; }

    // A design-time link only: reads the controller of the own normal style; setting does nothing.
    TuiStyleController* FakeStyleController() { return Style()->StyleController(); }
    void SetFakeStyleController(TuiStyleController*) {}

    // Fired before the listeners hear of a change.
    TNotifyEvent OnChanged;

    virtual void AddStyleListener(TuiContainerStyle* AStyle);
    virtual TuiContainerStyleClass GetContainerStyleClass();
    virtual TuiContainerStylesClass GetContainerStylesClass() { return uiDefaultContainerStylesClass(); }
    virtual void RemoveStyleListener(TuiContainerStyle* AStyle);
    // Scales the assigned fonts of the four styles by AMultiplier / ADivisor.
    void ChangeScale(int AMultiplier, int ADivisor) override;

protected:
    void StylesChanged(TObject* Sender);

private:
    std::vector<TuiContainerStyle*> FListeners;
    std::unique_ptr<TuiContainerStyles> FStyles;
    bool FIsDestroying = false;
};
