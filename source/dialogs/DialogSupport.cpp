#include "source/dialogs/DialogSupport.h"

#include "platform/vcl/Button.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/Screen.h"
#include "platform/win/WinUser.h"
#include "source/UiFont.h"

void CenterOnOwner(TCustomForm& Dialog, const TControl& Owner) {
    Dialog.SetPosition(poDesigned);
    Dialog.SetTop(Owner.Top() + (Owner.Height() - Dialog.Height()) / 2);
    Dialog.SetLeft(Owner.Left() + (Owner.Width() - Dialog.Width()) / 2);
}

void ApplyDialogFont(TWinControl* Window) {
    ApplyUiFont(Window, "Tahoma", Screen()->HintFont()->Name());
}

void SetUpDialogForm(TCustomForm& Dialog, const std::string& Caption, int ClientWidth, int ClientHeight) {
    Dialog.SetBorderStyle(bsDialog);
    Dialog.SetBorderIcons(TBorderIcons{biSystemMenu});
    Dialog.SetCaption(Caption);
    Dialog.SetClientSize(ClientWidth, ClientHeight);
}

TButton* AddDialogButton(TCustomForm* Form, TWinControl* Parent, const std::string& Caption, int Left,
                         int Top, TModalResult Result) {
    auto* button = new TButton(Form);
    button->SetCaption(Caption);
    button->SetBounds(Left, Top, 75, 23);
    button->SetModalResult(Result);
    button->SetDefault(Result == mrOk);
    button->SetCancel(Result == mrCancel);
    button->SetParent(Parent);
    return button;
}

TLabel* AddLabel(TCustomForm* Form, TWinControl* Parent, const std::string& Caption, int Left, int Top,
                 TWinControl* Control) {
    auto* label = new TLabel(Form);
    label->SetCaption(Caption);
    label->SetLeft(Left);
    label->SetTop(Top);
    label->SetFocusControl(Control);
    label->SetParent(Parent);
    return label;
}

void SignedEditKeyPress(TEdit* Edit, TKeyChar& Key) {
    bool allowed = (Key >= '0' && Key <= '9') || Key == '-' || Key == '\b' || Key == '\r' || Key == '.';
    if (Key == '-') {
        const std::string text = Edit->Text();
        const bool replacesAll = Edit->SelLength() == int(text.size());
        const bool atStart = text.find('-') == std::string::npos && Edit->SelStart() == 0;
        allowed = replacesAll || atStart;
    }
    if (!allowed) {
        Key = 0;
        ::MessageBeep(0);
    }
}
