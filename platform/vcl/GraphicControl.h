// TGraphicControl: a control without a window, painted by its parent on the parent's device context.
#pragma once

#include "platform/vcl/Control.h"
#include "platform/vcl/ControlCanvas.h"

#include <memory>

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner);
    ~TGraphicControl() override;

    TCanvas* Canvas() const { return FCanvas.get(); }

protected:
    void Paint() override {}
    void Dispatch(TMessage& Message) override;
    virtual void WMPaint(TMessage& Message);

private:
    std::unique_ptr<TControlCanvas> FCanvas;
};
