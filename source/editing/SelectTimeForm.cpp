#include "source/editing/SelectTimeForm.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Edit.h"
#include "source/TimeText.h"
#include "source/dialogs/DialogSupport.h"

TSelectSpecifiedTimeForm::TSelectSpecifiedTimeForm(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("SelectSpecifiedTimeForm");
    SetUpDialogForm(*this, "Set Selection", 276, 132);

    auto field = [this](const char* Name, const char* Caption, int Top, TSelectionField Field) {
        auto* edit = PlaceControl<TEdit>(this, this, Name, 150, Top, 114, 21);
        AddLabel(this, this, Caption, 12, Top + 3, edit);
        edit->OnEnter = TNotifyEvent(this, &TSelectSpecifiedTimeForm::EditEnter);
        edit->OnExit = TNotifyEvent([this, edit, Field](TObject*) { ApplyField(edit, Field); }, edit);
        return edit;
    };
    EditStart = field("EditStart", "Specified &Time Start:", 12, TSelectionField::Start);
    EditEnd = field("EditEnd", "&Specified Time End:", 40, TSelectionField::End);
    EditLength = field("EditLength", "Specified Time &Length:", 68, TSelectionField::Length);

    ButtonOK = AddDialogButton(this, this, "OK", 108, 100);
    ButtonOK->SetDefault(true);
    ButtonOK->OnClick = TNotifyEvent(this, &TSelectSpecifiedTimeForm::ButtonOKClick);
    ButtonCancel = AddDialogButton(this, this, "&Cancel", 189, 100, mrCancel);
    SetActiveControl(EditStart);
    OnShow = TNotifyEvent(this, &TSelectSpecifiedTimeForm::FormShow);
}

void TSelectSpecifiedTimeForm::SetTimes(std::int64_t Start, std::int64_t End, std::int64_t Total) {
    FTimes = {Start, End};
    FTotal = Total;
    ShowTimes();
}

void TSelectSpecifiedTimeForm::ShowTimes() {
    EditStart->SetText(FormatTime(static_cast<int>(FTimes.Start)));
    EditEnd->SetText(FormatTime(static_cast<int>(FTimes.End)));
    EditLength->SetText(FormatTime(static_cast<int>(FTimes.End - FTimes.Start)));
}

void TSelectSpecifiedTimeForm::FormShow(TObject*) {
    ApplyDialogFont(this);
}

void TSelectSpecifiedTimeForm::EditEnter(TObject* Sender) {
    FEnteredText = static_cast<TEdit*>(Sender)->Text();
}

void TSelectSpecifiedTimeForm::ApplyField(TEdit* Edit, TSelectionField Field) {
    const int value = ParseTimeText(Edit->Text());
    if (value < 0) {
        Edit->SetText(FEnteredText);
        return;
    }
    FTimes = ApplyTypedTime(Field, value, FTimes, FTotal);
    ShowTimes();
}

void TSelectSpecifiedTimeForm::ButtonOKClick(TObject*) {
    // Taking the focus applies the field being edited.
    ButtonOK->SetFocus();
    SetModalResult(mrOk);
}
