// TPaintBox: an area without a window that its owner paints in OnPaint on the control's canvas.
#pragma once

#include "platform/vcl/GraphicControl.h"

class TPaintBox : public TGraphicControl {
public:
    explicit TPaintBox(TComponent* AOwner);

    TNotifyEvent OnPaint;

protected:
    void Paint() override;
};
