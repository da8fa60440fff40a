// The output-format step of saving and exporting: the quality dialog of the format about to be written.
#include "source/mainform/OutputFormatDialog.h"

#include "source/dialogs/DialogSupport.h"
#include "source/formats/FormatPresetForm.h"

#include <memory>

bool RunOutputFormatDialog(TCustomForm& Owner, int FormatCode, TGlobalVars& Vars) {
    std::unique_ptr<TFormatPresetForm> dialog(MakeFormatPresetForm(&Owner, FormatCode, Vars));
    if (!dialog) return false;
    CenterOnOwner(*dialog, Owner);
    dialog->LoadParams();
    if (dialog->ShowModal() != mrOk) return false;
    dialog->StoreParams();
    return true;
}
