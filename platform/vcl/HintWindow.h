// THintWindow: the small pop-up window that shows a control's hint, in the info colours, without taking
// the activation.
#pragma once

#include "platform/vcl/CustomControl.h"

#include <string>
#include <typeinfo>

class THintWindow;

// A class of hint windows: its name, how to make one, and whether a window is exactly of it.
struct THintWindowClassInfo {
    const std::type_info* Type;
    THintWindow* (*Create)(TComponent* AOwner);
    std::string ClassName() const { return TObject::ClassNameOf(*Type); }
    bool IsClassOf(const THintWindow* AWindow) const;
};
using THintWindowClass = const THintWindowClassInfo*;

// The class record of a hint window class (one per class).
template <class T> THintWindowClass HintWindowClassOf() {
    static constexpr THintWindowClassInfo info{
        &typeid(T), [](TComponent* AOwner) -> THintWindow* { return new T(AOwner); }};
    return &info;
}

class THintWindow : public TCustomControl {
public:
    explicit THintWindow(TComponent* AOwner);

    // The size the text needs (text wrapped at MaxWidth), at (0, 0).
    virtual RECT CalcHintRect(int MaxWidth, const std::string& Hint, void* Data);
    // Shows the hint at Rect (screen coordinates).
    virtual void ActivateHint(RECT Rect, const std::string& Hint);
    // Hides the hint and lets its window go.
    void ReleaseHandle();

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void WMEraseBkgnd(TMessage& Message) override { Message.Result = 1; }
    void Dispatch(TMessage& Message) override;
};

// The class the application makes its hint window from: THintWindow unless a library installs its own.
extern THintWindowClass HintWindowClass;
