// The spin edit's control: an edit with two buttons (part 3 up, part 4 down) that step the number once on a
// press and then repeat while the mouse holds them, pausing while it is off the button; the wheel steps
// too.
#pragma once

#include "ui/bars/itemcontrols/EditControls.h"

class TovBarSpinEdit;

class TovBarSpinEditControl : public TovBarEditControl {
public:
    static constexpr int UpButton = 3, DownButton = 4;
    // How often a held button steps, and the least wait before the first repeat.
    static constexpr UINT RepeatInterval = 100;

    using TovBarEditControl::TovBarEditControl;
    ~TovBarSpinEditControl() override;

    TovBarSpinEdit* SpinEdit() const;
    // The button held by the mouse or stepped by a key (UpButton, DownButton), or -1.
    int ActiveButton() const { return FActiveButton; }
    // Forced to -1 while the item is read-only; a change repaints.
    void SetActiveButton(int AValue);
    int PressedButton() const { return FPressedButton; }
    bool Repeating() const { return FTimer != 0; }
    // The wait before the first repeat: the double-click time less 100 ms, never shorter than a repeat.
    static UINT FirstRepeatDelay();

    std::unique_ptr<TovBarItemControlDrawParams> CreateDrawParams() override;
    int GetPartCount() const override { return TovBarEditControl::GetPartCount() + 2; }
    void CalcDrawParams(bool AFull = true) override;
    void CalcParts() override;
    void DrawTextField() override;
    void ControlInactivate(bool AImmediately) override;

protected:
    void AdjustTextRect(TRect& R) override;
    void InnerWndProc(TMessage& AMessage) override;

private:
    int PartAt(const TPoint& P) const;
    void StartRepeat();
    void StopRepeat();
    void StepWith(int AButton);

    int FActiveButton = -1;
    int FPressedButton = -1;
    UINT_PTR FTimer = 0;
};

extern const TovBarItemControlClass ovBarSpinEditControlClass;
