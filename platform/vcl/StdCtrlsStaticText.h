// TStaticText: a caption with a window of its own (so it can sit over other windows and have a frame):
// alignment, a sunken or single frame, "&" accelerators that move the focus to FocusControl, AutoSize.
#pragma once

#include "platform/vcl/CustomControl.h"
#include "platform/vcl/StdCtrls.h"

enum TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };

class TStaticText : public TCustomControl {
public:
    explicit TStaticText(TComponent* AOwner);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment Value);
    TStaticBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TStaticBorderStyle Value);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool Value);
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);
    bool CanAutoSize(int& NewWidth, int& NewHeight) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void CMDialogChar(TMessage& Message) override;

private:
    int FrameWidth() const { return FBorderStyle == sbsNone ? 0 : FBorderStyle == sbsSingle ? 1 : 2; }
    TAlignment FAlignment = taLeftJustify;
    TStaticBorderStyle FBorderStyle = sbsNone;
    bool FShowAccelChar = true;
    TWinControl* FFocusControl = nullptr;
};
