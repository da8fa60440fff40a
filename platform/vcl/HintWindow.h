// THintWindow: the small pop-up window that shows a control's hint, in the info colours, without taking
// the activation.
#pragma once

#include "platform/vcl/CustomControl.h"

#include <string>

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
