// What the program's small modal dialogs share: placing a dialog over the window that opened it, the
// interface font every window takes when it is shown, and the few controls each dialog builds alike.
#pragma once

#include "platform/vcl/ControlTypes.h"
#include "platform/vcl/Form.h"

#include <string>

class TButton;
class TControl;
class TEdit;
class TLabel;

// top := owner top + (owner height - dialog height) div 2, left likewise with the widths.
void CenterOnOwner(TCustomForm& Dialog, const TControl& Owner);

// ApplyUiFont with "Tahoma" and the screen's hint font, as every window does when it is shown.
void ApplyDialogFont(TWinControl* Window);

// A dialog form: fixed frame, close box only, the given caption and client size.
void SetUpDialogForm(TCustomForm& Dialog, const std::string& Caption, int ClientWidth, int ClientHeight);

// A 75 x 23 push button; OK is the default button, Cancel answers Esc.
// Controls are owned by `Form` and placed on `Parent`.
TButton* AddDialogButton(TCustomForm* Form, TWinControl* Parent, const std::string& Caption, int Left,
                         int Top, TModalResult Result = mrNone);

// A label at (Left, Top) naming `Control` (its "&" accelerator focuses the control).
TLabel* AddLabel(TCustomForm* Form, TWinControl* Parent, const std::string& Caption, int Left, int Top,
                 TWinControl* Control = nullptr);

// A control of class T named `Name`, owned by `Form`, placed on `Parent` at the given bounds.
template <class T>
T* PlaceControl(TCustomForm* Form, TWinControl* Parent, const char* Name, int Left, int Top, int Width,
                int Height) {
    auto* control = new T(Form);
    control->SetName(Name);
    control->SetBounds(Left, Top, Width, Height);
    control->SetParent(Parent);
    return control;
}

// The key filter of edits that take signed numbers (their OnKeyPress): digits, "-", ".", Backspace and
// Enter pass; "-" only over the whole text or at the start of a text without one. A refused key is
// swallowed with a beep.
void SignedEditKeyPress(TEdit* Edit, TKeyChar& Key);
