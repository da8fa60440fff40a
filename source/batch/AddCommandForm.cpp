#include "source/batch/AddCommandForm.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/Strings.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/ListBox.h"
#include "platform/win/WinKeys.h"
#include "source/HelpAddress.h"
#include "source/batch/BatchCommands.h"
#include "source/dialogs/DialogSupport.h"

TAddCommandForm::TAddCommandForm(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("AddCommandForm");
    SetUpDialogForm(*this, "Add Command", 300, 330);
    SetKeyPreview(true);
    LabelPrompt = AddLabel(this, this, "Select command(s) to add to the Command list.", 12, 12);
    ListBoxCommand = PlaceControl<TListBox>(this, this, "ListBoxCommand", 12, 32, 276, 254);
    for (const std::string& text : BatchCommandListTexts())
        ListBoxCommand->Items()->Add(text);
    ListBoxCommand->OnClick = TNotifyEvent(this, &TAddCommandForm::ListBoxCommandClick);
    ListBoxCommand->OnDblClick = TNotifyEvent(this, &TAddCommandForm::ListBoxCommandDblClick);
    ButtonAdd = AddDialogButton(this, this, "Add", 51, 296, mrOk);
    ButtonAdd->SetName("ButtonAdd");
    ButtonAdd->SetEnabled(false);
    ButtonCancel = AddDialogButton(this, this, "Cancel", 132, 296, mrCancel);
    ButtonCancel->SetName("ButtonCancel");
    ButtonHelp = AddDialogButton(this, this, "Help", 213, 296);
    ButtonHelp->SetName("ButtonHelp");
    ButtonHelp->OnClick = TNotifyEvent(this, &TAddCommandForm::ButtonHelpClick);
    OnKeyDown = TKeyEvent(this, &TAddCommandForm::FormKeyDown);
    SetActiveControl(ListBoxCommand);
    OnShow = TNotifyEvent(this, &TAddCommandForm::FormShow);
}

void TAddCommandForm::FormShow(TObject*) {
    ApplyDialogFont(this);
    ListBoxCommandClick(this);
}

void TAddCommandForm::ListBoxCommandClick(TObject*) {
    ButtonAdd->SetEnabled(ListBoxCommand->ItemIndex() >= 0);
}

void TAddCommandForm::ListBoxCommandDblClick(TObject*) {
    if (ListBoxCommand->ItemIndex() >= 0) SetModalResult(mrOk);
}

void TAddCommandForm::ButtonHelpClick(TObject*) {
    ShowHelpPage(Handle(), "Effects");
}

void TAddCommandForm::FormKeyDown(TObject*, WORD& Key, TShiftState Shift) {
    if (Key == VK_F1 && Shift.empty()) {
        ButtonHelpClick(this);
        Key = 0;
    }
}
