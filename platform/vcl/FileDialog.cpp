#include "platform/vcl/FileDialog.h"

#include "platform/rtl/StringList.h"
#include "platform/vcl/DialogFormRun.h"
#include "platform/vcl/FileDialogForm.h"

TOpenDialog::TOpenDialog(TComponent* AOwner) : TComponent(AOwner), FFiles(std::make_unique<TStringList>()) {}

TOpenDialog::~TOpenDialog() = default;

TStrings* TOpenDialog::Files() const {
    return FFiles.get();
}

bool TOpenDialog::Execute() {
    // The form is freed on every way out, exceptions of handlers included.
    std::unique_ptr<TFileDialogForm> form(TCustomForm::New<TFileDialogForm>(nullptr, this));
    const int result = RunDialogForm(form.get(), FForm);
    OnClose(this);
    if (result != mrOk || form->Chosen().empty()) return false;
    FFiles->Clear();
    for (const std::string& path : form->Chosen())
        FFiles->Add(path);
    FFileName = form->Chosen().front();
    FFilterIndex = form->ChosenFilterIndex();
    if (!IsSaveDialog() && !FOptions.Contains(ofHideReadOnly)) {
        if (form->ReadOnlyChecked())
            FOptions.Include(ofReadOnly);
        else
            FOptions.Exclude(ofReadOnly);
    }
    return true;
}
