// TGroupBox: an etched frame with a caption on its top edge that holds other controls. Its accelerator
// moves the focus to the first control inside it that takes the focus.
#pragma once

#include "platform/vcl/CustomControl.h"

class TGroupBox : public TCustomControl {
public:
    explicit TGroupBox(TComponent* AOwner);

protected:
    void Paint() override;
    void AdjustClientRect(RECT& Rect) override;
    void CMDialogChar(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
};
