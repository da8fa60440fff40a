// TovBarDropDownListBox: the list a combo item of a bar drops down. A borderless, top-most tool window
// that belongs to no form, so it can hang below a toolbar or a menu while the combo's edit keeps the
// keyboard focus; its border is drawn by the bar painter. A press on the combo's arrow that is dragged
// into the list and let go over an entry chooses that entry; the entry under the pointer is always the
// selected one.
#pragma once

#include "platform/rtl/WeakLink.h"
#include "platform/vcl/ListBox.h"

#include <functional>

class TovBarCustomCombo;
class TovBarPainter;

class TovBarDropDownListBox : public TCustomListBox {
public:
    explicit TovBarDropDownListBox(TovBarCustomCombo* ACombo);
    ~TovBarDropDownListBox() override;

    TovBarCustomCombo* Combo() const { return FCombo.Get(); }
    // The combo was opened by a press that is still down: the list takes the mouse capture until the
    // button goes up or the pointer enters it.
    bool PressedInCombo() const { return FPressedInCombo; }
    void SetPressedInCombo(bool AValue);
    // The width of the border the painter draws around the entries (2 in the base look).
    int BorderSize() const;
    // The painter of the bar that shows the combo (null: the border is left to the base look).
    TovBarPainter* Painter() const;
    // Shows the entry chosen so far in the combo before it is committed.
    std::function<void(int AIndex)> OnPreview;

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void SelectionChangedByUser() override;

private:
    void Choose();
    void PaintBorder();

    TWeakLink<TovBarCustomCombo> FCombo;
    bool FPressedInCombo = false;
};
