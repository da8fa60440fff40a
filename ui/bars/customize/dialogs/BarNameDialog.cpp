#include "ui/bars/customize/dialogs/BarNameDialog.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/Format.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/DialogFormRun.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Label.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarStrings.h"
#include "ui/bars/customize/form/BarCustomizationForm.h"

namespace {

std::string NameDialogCaption(TovBarNameKind AKind, int AMode) {
    if (AKind == bnkToolbar)
        return uiGetResourceString(AMode == bnmToolbarRename ? ovSBAR_TOOLBARRENAME : ovSBAR_TOOLBARADD);
    switch (AMode) {
    case bnmInsert:
        return uiGetResourceString(ovSBAR_CATEGORYINSERT);
    case bnmRename:
        return uiGetResourceString(ovSBAR_CATEGORYRENAME);
    default:
        return uiGetResourceString(ovSBAR_CATEGORYADD);
    }
}

} // namespace

TovBarNameEd::TovBarNameEd(TovBarNameKind AKind, int AMode, TovBar* ABar, TovBarManager* ABarManager)
    : TForm(nullptr), FKind(AKind), FBarManager(ABarManager), FBar(ABar) {
    TComponentLoading loading(this);
    SetBorderStyle(bsDialog);
    SetBorderIcons(TBorderIcons{});
    SetPosition(poScreenCenter);
    SetClientSize(266, 87);
    SetCaption(NameDialogCaption(AKind, AMode));
    LName = new TLabel(this);
    LName->SetBounds(8, 10, 250, 15);
    LName->SetCaption(uiGetResourceString(AKind == bnkToolbar ? ovSBAR_TOOLBARNAME : ovSBAR_CATEGORYNAME));
    LName->SetParent(this);
    EName = new TEdit(this);
    EName->SetBounds(8, 28, 250, 21);
    EName->SetParent(this);
    LName->SetFocusControl(EName);
    BOK = new TButton(this);
    BOK->SetBounds(266 - 8 - 75 - 6 - 75, 56, 75, 25);
    BOK->SetCaption(uiGetResourceString(ovSBAR_OK));
    BOK->SetDefault(true);
    BOK->SetModalResult(mrOk);
    BOK->SetParent(this);
    BCancel = new TButton(this);
    BCancel->SetBounds(266 - 8 - 75, 56, 75, 25);
    BCancel->SetCaption(uiGetResourceString(ovSBAR_CANCEL));
    BCancel->SetCancel(true);
    BCancel->SetModalResult(mrCancel);
    BCancel->SetParent(this);
    EName->OnChange = TNotifyEvent(this, &TovBarNameEd::NameChanged);
}

void TovBarNameEd::NameChanged(TObject*) {
    BOK->SetEnabled(!EName->Text().empty());
}

bool TovBarNameEd::CloseQuery() {
    if (!TForm::CloseQuery()) return false;
    if (ModalResult() != mrOk || FKind != bnkToolbar || FBarManager == nullptr) return true;
    const std::string name = EName->Text();
    // Another toolbar with exactly this caption is refused; the bar being renamed may keep its own.
    TovBar* existing = FBarManager->GetBarByCaption(name);
    if (existing == nullptr || existing == FBar) return true;
    Application()->MessageBox(Format(uiGetResourceString(ovSBAR_TOOLBAREXISTS), {name}),
                              Application()->Title(), MB_OK | MB_ICONERROR);
    return false;
}

bool ShowBarNameDialog(std::string& AName, TovBarNameKind AKind, int AMode, TovBar* ABar,
                       TovBarManager* ABarManager) {
    auto* dialog = TCustomForm::New<TovBarNameEd>(AKind, AMode, ABar, ABarManager);
    AssignBarManagerFont(dialog, ABarManager);
    dialog->EName->SetText(AName);
    dialog->BOK->SetEnabled(!AName.empty());
    dialog->SetActiveControl(dialog->EName);
    std::string result;
    dialog->OnClose = [dialog, &result](TObject*, TCloseAction&) { result = dialog->EName->Text(); };
    const int answer = RunDialogFormAndFree(dialog);
    if (answer != mrOk) return false;
    AName = result;
    return true;
}
