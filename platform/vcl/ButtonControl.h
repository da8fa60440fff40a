// TButtonControl: what push buttons, check boxes and radio buttons share — a windowed control painted in
// the classic look that takes the focus on a click, is pressed by the mouse (released inside) or by Space
// (released), answers its "&" accelerator, and shows a dotted focus rectangle around its caption.
#pragma once

#include "platform/vcl/CustomControl.h"

// The size of the check box and radio button marks.
constexpr int StdCtrlsCheckSize = 13;

class TButtonControl : public TCustomControl {
public:
    explicit TButtonControl(TComponent* AOwner);

    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    // Whether the button shows pressed now (mouse held inside, or Space held).
    bool Pressed() const { return FPressed; }

protected:
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMDialogChar(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    // What a press does: a push button clicks, a check box toggles. Called once per completed press.
    virtual void Press() { Click(); }
    // What the accelerator does; pressing is the usual answer.
    virtual void Accelerate();
    // Draws the caption in Rect with DrawText Flags, embossed when disabled, and the focus rectangle
    // around the text when focused (FocusAroundText) or inside Rect.
    void DrawCaption(HDC DC, RECT Rect, unsigned Flags, bool FocusAroundText);
    void SetPressed(bool Value);
    // Paints a check box or radio button: the face, the mark (a DrawFrameControl DFC_BUTTON state)
    // centred on the height at the left, or at the right when MarkRight, and the caption beside it.
    void PaintMarkAndCaption(UINT MarkState, bool MarkRight);

    bool FWordWrap = false;
    bool FPressed = false;
    bool FSpaceDown = false;
};
