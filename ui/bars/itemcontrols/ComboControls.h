// The combo controls: an edit control with a drop-down button that opens the item's drop-down window
// below the control (beside it in menus and vertical bars); and the control of the combo with a string
// list, which steps through the strings with Up, Down and the wheel without opening the list and commits
// the shown string's index on Enter or Tab.
#pragma once

#include "ui/bars/itemcontrols/EditControls.h"

class TCustomovBarCombo;
class TovBarCustomCombo;

class TCustomovBarComboControl : public TovBarEditControl {
public:
    using TovBarEditControl::TovBarEditControl;
    ~TCustomovBarComboControl() override;

    TCustomovBarCombo* Combo() const;
    bool IsDroppedDown() const override { return FDroppedDown; }
    void SetDroppedDown(bool AValue) override;
    // The screen point the drop-down window opens at.
    virtual void GetDropDownPosition(TPoint& P) const;
    bool ShowsEditor() const override;

    void CalcDrawParams(bool AFull = true) override;
    void CalcParts() override;
    bool CanDrawTextField() const override;
    void ControlInactivate(bool AImmediately) override;
    void DrawTextField() override;
    void EnabledChanged() override;
    int GetPartCount() const override { return TovBarEditControl::GetPartCount() + 1; }
    bool ContainsWindow(HWND AWnd) const override;

protected:
    void AdjustTextRect(TRect& R) override;
    bool IsMenuKeyDown(WORD AKey, TShiftState AShift) const override;
    bool IsMenuKeyUp(WORD AKey, TShiftState AShift) const override;
    bool HandleMenuKeyDown(WORD AKey, TShiftState AShift) override;
    bool HandleMenuKeyUp(WORD AKey, TShiftState AShift) override;
    void InnerWndProc(TMessage& AMessage) override;
    // The part of the control a bar point lies on (the drop-down button is part 3).
    int PartAt(const TPoint& P) const;

private:
    bool FDroppedDown = false;
    bool FDroppedDownOnPress = false;
};

class TovBarComboControl : public TCustomovBarComboControl {
public:
    using TCustomovBarComboControl::TCustomovBarComboControl;

    TovBarCustomCombo* StringCombo() const;
    int LocalItemIndex() const { return FLocalItemIndex; }
    void SetLocalItemIndex(int AValue);
    void UpdateText() override;
    void SetFocused(bool AValue) override;

protected:
    void InnerWndProc(TMessage& AMessage) override;

private:
    int FLocalItemIndex = -1;
};
