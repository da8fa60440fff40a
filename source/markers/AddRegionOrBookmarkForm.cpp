#include "source/markers/AddRegionOrBookmarkForm.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/StrUtils.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Label.h"
#include "source/ProgramEnvironment.h"
#include "source/dialogs/DialogSupport.h"

#include <memory>

TAddRegionOrBookmarkForm::TAddRegionOrBookmarkForm(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("AddRegionOrBookmarkForm");
    SetUpDialogForm(*this, "Enter Region or Bookmark Name", 360, 100);

    EditName = new TEdit(this);
    EditName->SetName("EditName");
    EditName->SetBounds(12, 32, 336, 21);
    EditName->SetParent(this);
    LabelName = AddLabel(this, this, "Enter Region or Bookmark Name", 12, 12, EditName);

    TButton* ok = AddDialogButton(this, this, "&OK", 192, 66);
    ok->SetDefault(true);
    ok->OnClick = TNotifyEvent(this, &TAddRegionOrBookmarkForm::ButtonOKClick);
    AddDialogButton(this, this, "&Cancel", 273, 66, mrCancel);
    SetActiveControl(EditName);
    OnShow = TNotifyEvent(this, &TAddRegionOrBookmarkForm::FormShow);
}

void TAddRegionOrBookmarkForm::SetPrompt(const std::string& Prompt) {
    SetCaption(Prompt);
    LabelName->SetCaption(Prompt);
}

void TAddRegionOrBookmarkForm::FormShow(TObject*) {
    ApplyDialogFont(this);
}

void TAddRegionOrBookmarkForm::ButtonOKClick(TObject*) {
    if (Trim(EditName->Text()).empty()) {
        EditName->SetText("");
        EditName->SetFocus();
        Application()->MessageBox("You must enter a name. Please try again.", ApplicationTitle,
                                  MB_OK | MB_ICONERROR);
        return;
    }
    SetModalResult(mrOk);
}

bool AskMarkerName(TCustomForm& Owner, const std::string& Prompt, std::string& Name) {
    std::unique_ptr<TAddRegionOrBookmarkForm> dialog(TCustomForm::New<TAddRegionOrBookmarkForm>(&Owner));
    dialog->SetPrompt(Prompt);
    dialog->EditName->SetText(Name);
    CenterOnOwner(*dialog, Owner);
    if (dialog->ShowModal() != mrOk) return false;
    Name = dialog->EditName->Text();
    return true;
}
