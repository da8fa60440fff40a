#include "source/editing/NumberDialogs.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Edit.h"
#include "source/dialogs/DialogSupport.h"

namespace number_dialogs_detail {

// A one-line dialog: the label, a digits-only edit of at most `MaxLength` digits, OK and Cancel.
TEdit* BuildNumberDialog(TCustomForm* Form, const char* Caption, const char* Label, int MaxLength,
                         const char* Default) {
    SetUpDialogForm(*Form, Caption, 250, 78);
    auto* edit = PlaceControl<TEdit>(Form, Form, "Edit", 170, 12, 68, 21);
    edit->SetMaxLength(MaxLength);
    edit->SetText(Default);
    AddLabel(Form, Form, Label, 12, 15, edit);
    AddDialogButton(Form, Form, "OK", 82, 46, mrOk);
    AddDialogButton(Form, Form, "Cancel", 163, 46, mrCancel);
    Form->SetActiveControl(edit);
    return edit;
}

} // namespace number_dialogs_detail

TRepeatLoopForm::TRepeatLoopForm(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("RepeatLoopForm");
    EditTimes =
        number_dialogs_detail::BuildNumberDialog(this, "Repeat Loop", "&Repeat number of times:", 1, "1");
    EditTimes->SetName("EditTimes");
    OnShow = TNotifyEvent(this, &TRepeatLoopForm::FormShow);
}

void TRepeatLoopForm::FormShow(TObject*) {
    EditTimes->SetNumbersOnly(true);
    ApplyDialogFont(this);
}

TInsertSilenceForm::TInsertSilenceForm(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("InsertSilenceForm");
    EditTime =
        number_dialogs_detail::BuildNumberDialog(this, "Insert Silence", "Silence &Time (ms):", 6, "0");
    EditTime->SetName("EditTime");
    OnShow = TNotifyEvent(this, &TInsertSilenceForm::FormShow);
}

void TInsertSilenceForm::FormShow(TObject*) {
    EditTime->SetNumbersOnly(true);
    ApplyDialogFont(this);
}
