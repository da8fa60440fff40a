#include "source/editing/PasteMixForm.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/StrConvert.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/RadioButton.h"
#include "source/HelpAddress.h"
#include "source/ProgramEnvironment.h"
#include "source/dialogs/DialogSupport.h"

TPasteMixForm::TPasteMixForm(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("PasteMixForm");
    SetUpDialogForm(*this, "Paste Mix", 300, 196);

    GroupBoxVolume = PlaceControl<TGroupBox>(this, this, "GroupBoxVolume", 10, 8, 280, 76);
    GroupBoxVolume->SetCaption("&Mix Volume");
    auto percent = [this](const char* Name, const char* Caption, int Top) {
        auto* edit = PlaceControl<TEdit>(this, GroupBoxVolume, Name, 200, Top, 64, 21);
        edit->SetMaxLength(3);
        edit->SetText("100");
        AddLabel(this, GroupBoxVolume, Caption, 12, Top + 3, edit);
        return edit;
    };
    EditSelectPart = percent("EditSelectPart", "&Select Part (%):", 18);
    EditAudioInBuffer = percent("EditAudioInBuffer", "&Audio in the Buffer (%):", 46);

    GroupBoxLonger = PlaceControl<TGroupBox>(this, this, "GroupBoxLonger", 10, 90, 280, 66);
    GroupBoxLonger->SetCaption("If mi&x audio is longer that selection:");
    RadioButtonIncrease =
        PlaceControl<TRadioButton>(this, GroupBoxLonger, "RadioButtonIncrease", 12, 20, 250, 17);
    RadioButtonIncrease->SetCaption("Increase se&lection");
    RadioButtonIncrease->SetChecked(true);
    RadioButtonInsertSilence =
        PlaceControl<TRadioButton>(this, GroupBoxLonger, "RadioButtonInsertSilence", 12, 42, 250, 17);
    RadioButtonInsertSilence->SetCaption("&Insert silence");

    ButtonOK = AddDialogButton(this, this, "OK", 53, 164);
    ButtonOK->SetDefault(true);
    ButtonOK->OnClick = TNotifyEvent(this, &TPasteMixForm::ButtonOKClick);
    ButtonCancel = AddDialogButton(this, this, "Cancel", 134, 164, mrCancel);
    ButtonHelp = AddDialogButton(this, this, "&Help", 215, 164);
    ButtonHelp->OnClick = TNotifyEvent(this, &TPasteMixForm::ButtonHelpClick);
    SetActiveControl(EditSelectPart);
    OnShow = TNotifyEvent(this, &TPasteMixForm::FormShow);
}

void TPasteMixForm::FormShow(TObject*) {
    EditSelectPart->SetNumbersOnly(true);
    EditAudioInBuffer->SetNumbersOnly(true);
    ApplyDialogFont(this);
}

void TPasteMixForm::ButtonOKClick(TObject*) {
    // An empty field raises the conversion error and the dialog stays open.
    for (TEdit* edit : {EditSelectPart, EditAudioInBuffer}) {
        if (StrToInt(edit->Text()) > 100) {
            Application()->MessageBox("Mix Volume must be less than 100%. Please try again.",
                                      ApplicationTitle, MB_OK | MB_ICONERROR);
            edit->SetFocus();
            return;
        }
    }
    SetModalResult(mrOk);
}

void TPasteMixForm::ButtonHelpClick(TObject*) {
    ShowHelpPage(Handle(), "Editing");
}
