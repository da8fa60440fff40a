#include "source/markers/ExportRegionForm.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/Strings.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/FolderBrowser.h"
#include "source/FolderBrowse.h"
#include "source/GlobalVars.h"
#include "source/dialogs/DialogSupport.h"
#include "source/mainform/OutputFormatDialog.h"
#include "source/markers/RegionExport.h"

TExportRegionForm::TExportRegionForm(TComponent* AOwner, TGlobalVars& Vars) : TForm(AOwner), FVars(Vars) {
    TComponentLoading loading(this);
    SetName("ExportRegionForm");
    SetUpDialogForm(*this, "Export Region(s)", 400, 126);

    EditFolder = new TEdit(this);
    EditFolder->SetName("EditFolder");
    EditFolder->SetReadOnly(true);
    EditFolder->SetBounds(100, 14, 254, 21);
    EditFolder->SetParent(this);
    AddLabel(this, this, "Export Folder:", 12, 17, EditFolder);
    ButtonBrowse = AddDialogButton(this, this, "...", 360, 13);
    ButtonBrowse->SetName("ButtonBrowse");
    ButtonBrowse->SetWidth(28);
    ButtonBrowse->OnClick = TNotifyEvent(this, &TExportRegionForm::ButtonBrowseClick);

    ComboBoxFormat = new TComboBox(this);
    ComboBoxFormat->SetName("ComboBoxFormat");
    ComboBoxFormat->SetStyle(csDropDownList);
    ComboBoxFormat->SetBounds(100, 48, 120, 21);
    ComboBoxFormat->SetParent(this);
    for (int i = 0; i < ExportFormatCount; ++i)
        ComboBoxFormat->Items()->Add(ExportFormatOf(i).Extension);
    AddLabel(this, this, "Export Format:", 12, 51, ComboBoxFormat);
    ButtonFormatSettings = AddDialogButton(this, this, "Format Settings", 230, 47);
    ButtonFormatSettings->SetName("ButtonFormatSettings");
    ButtonFormatSettings->SetWidth(100);
    ButtonFormatSettings->OnClick = TNotifyEvent(this, &TExportRegionForm::ButtonFormatSettingsClick);

    AddDialogButton(this, this, "&OK", 232, 92, mrOk);
    AddDialogButton(this, this, "&Cancel", 313, 92, mrCancel);
    SetActiveControl(ComboBoxFormat);
    OnShow = TNotifyEvent(this, &TExportRegionForm::FormShow);
}

void TExportRegionForm::FormShow(TObject*) {
    ApplyDialogFont(this);
}

void TExportRegionForm::LoadParams() {
    EditFolder->SetText(FVars.ExportFolder);
    const bool known = FVars.ExportFormat >= 0 && FVars.ExportFormat < ExportFormatCount;
    ComboBoxFormat->SetItemIndex(known ? FVars.ExportFormat : 0);
}

void TExportRegionForm::StoreParams() {
    FVars.ExportFolder = EditFolder->Text();
    FVars.ExportFormat = ComboBoxFormat->ItemIndex();
}

void TExportRegionForm::ButtonBrowseClick(TObject*) {
    std::string folder = FVars.ExportFolder;
    if (!BrowseForFolder(Handle(), folder, "Please select a folder",
                         BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE, ""))
        return;
    FVars.ExportFolder = folder;
    EditFolder->SetText(folder);
}

void TExportRegionForm::ButtonFormatSettingsClick(TObject*) {
    RunOutputFormatDialog(*this, ExportFormatOf(ComboBoxFormat->ItemIndex()).Code, FVars);
}
