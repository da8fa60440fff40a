#include "source/dialogs/OptionsForm.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/PageControl.h"
#include "platform/vcl/RadioButton.h"
#include "source/FolderBrowse.h"
#include "source/GlobalVars.h"
#include "source/HelpAddress.h"
#include "source/dialogs/ConvertSampleRateForm.h"
#include "source/dialogs/DialogSupport.h"

#include <memory>

namespace {

TGroupBox* AddGroup(TCustomForm* Form, TWinControl* Parent, const char* Caption, int Left, int Top, int Width,
                    int Height) {
    auto* group = new TGroupBox(Form);
    group->SetCaption(Caption);
    group->SetBounds(Left, Top, Width, Height);
    group->SetParent(Parent);
    return group;
}

template <class T>
T* AddChoice(TCustomForm* Form, TWinControl* Parent, const char* Caption, int Left, int Top, int Width) {
    auto* choice = new T(Form);
    choice->SetCaption(Caption);
    choice->SetBounds(Left, Top, Width, 17);
    choice->SetParent(Parent);
    return choice;
}

} // namespace

TOptionsForm::TOptionsForm(TComponent* AOwner, TGlobalVars& Vars, std::function<void()> ClearRecentList)
    : TForm(AOwner), FVars(Vars), FClearRecentList(std::move(ClearRecentList)) {
    TComponentLoading loading(this);
    SetName("OptionsForm");
    SetUpDialogForm(*this, "Options", 400, 300);

    PageControl = new TPageControl(this);
    PageControl->SetBounds(8, 8, 384, 248);
    PageControl->SetParent(this);
    TabGeneral = new TTabSheet(this);
    TabGeneral->SetCaption("General");
    TabGeneral->SetPageControl(PageControl);
    TabAudioProcessing = new TTabSheet(this);
    TabAudioProcessing->SetCaption("Audio Processing");
    TabAudioProcessing->SetPageControl(PageControl);

    TGroupBox* newFile = AddGroup(this, TabGeneral, "&When creating a new file", 8, 8, 360, 112);
    RadioButtonPrompt =
        AddChoice<TRadioButton>(this, newFile, "&Prompt for Sample Rate and Channels", 14, 22, 330);
    RadioButtonUseDefault =
        AddChoice<TRadioButton>(this, newFile, "&Use Default Sample Rate and Channels", 14, 46, 330);
    ButtonSetDefault = new TButton(this);
    ButtonSetDefault->SetCaption("&Set Default Sample Rate and Channels");
    ButtonSetDefault->SetBounds(32, 74, 230, 23);
    ButtonSetDefault->SetParent(newFile);
    ButtonDeleteRecent = new TButton(this);
    ButtonDeleteRecent->SetCaption("Delete &Recent Files List");
    ButtonDeleteRecent->SetBounds(8, 132, 160, 23);
    ButtonDeleteRecent->SetParent(TabGeneral);

    TGroupBox* folder = AddGroup(this, TabAudioProcessing, "Audio &Working Folder", 8, 8, 360, 96);
    RadioButtonDefaultFolder =
        AddChoice<TRadioButton>(this, folder, "Use Default User Data Folder", 14, 22, 330);
    RadioButtonSpecifiedFolder =
        AddChoice<TRadioButton>(this, folder, "Use this Specified Folder", 14, 44, 330);
    EditFolder = new TEdit(this);
    EditFolder->SetBounds(32, 66, 286, 21);
    EditFolder->SetParent(folder);
    ButtonBrowse = new TButton(this);
    ButtonBrowse->SetCaption("...");
    ButtonBrowse->SetBounds(322, 65, 26, 23);
    ButtonBrowse->SetParent(folder);
    TGroupBox* play = AddGroup(this, TabAudioProcessing, "Play Options", 8, 112, 360, 104);
    CheckBoxPlayAfterOpened =
        AddChoice<TCheckBox>(this, play, "Play file automatically when opened", 14, 20, 330);
    CheckBoxPlayAfterEdit =
        AddChoice<TCheckBox>(this, play, "Automatic &playback after any edit or effect", 14, 40, 330);
    CheckBoxPlayAfterBookmark =
        AddChoice<TCheckBox>(this, play, "Play file automatically after go to bookmark", 14, 60, 330);
    CheckBoxPlayAfterRegion =
        AddChoice<TCheckBox>(this, play, "Play file automatically after select region", 14, 80, 330);

    AddDialogButton(this, this, "OK", 155, 266, mrOk);
    AddDialogButton(this, this, "Cancel", 236, 266, mrCancel);
    ButtonHelp = AddDialogButton(this, this, "&Help", 317, 266);

    for (TRadioButton* choice :
         {RadioButtonPrompt, RadioButtonUseDefault, RadioButtonDefaultFolder, RadioButtonSpecifiedFolder})
        choice->OnClick = TNotifyEvent(this, &TOptionsForm::ChoiceClick);
    ButtonSetDefault->OnClick = TNotifyEvent(this, &TOptionsForm::ButtonSetDefaultClick);
    ButtonBrowse->OnClick = TNotifyEvent(this, &TOptionsForm::ButtonBrowseClick);
    ButtonDeleteRecent->OnClick = TNotifyEvent(this, &TOptionsForm::ButtonDeleteRecentClick);
    ButtonHelp->OnClick = TNotifyEvent(this, &TOptionsForm::ButtonHelpClick);
    PageControl->SetActivePage(TabGeneral);
    OnShow = TNotifyEvent(this, &TOptionsForm::FormShow);
}

void TOptionsForm::FormShow(TObject*) {
    ApplyDialogFont(this);
}

void TOptionsForm::LoadParams() {
    RadioButtonPrompt->SetChecked(FVars.OP_PromptNewFile);
    RadioButtonUseDefault->SetChecked(!FVars.OP_PromptNewFile);
    RadioButtonDefaultFolder->SetChecked(FVars.OP_UseDefFolder);
    RadioButtonSpecifiedFolder->SetChecked(!FVars.OP_UseDefFolder);
    EditFolder->SetText(FVars.OP_WorkingFolder);
    CheckBoxPlayAfterOpened->SetChecked(FVars.OP_PlayAfterOpened);
    CheckBoxPlayAfterEdit->SetChecked(FVars.OP_PlayAfterEdit);
    CheckBoxPlayAfterBookmark->SetChecked(FVars.OP_PlayAfterBookmark);
    CheckBoxPlayAfterRegion->SetChecked(FVars.OP_PlayAfterRegion);
    UpdateEnabledStates();
}

void TOptionsForm::StoreParams() {
    FVars.OP_PromptNewFile = RadioButtonPrompt->Checked();
    FVars.OP_UseDefFolder = RadioButtonDefaultFolder->Checked();
    FVars.OP_WorkingFolder = EditFolder->Text();
    FVars.OP_PlayAfterOpened = CheckBoxPlayAfterOpened->Checked();
    FVars.OP_PlayAfterEdit = CheckBoxPlayAfterEdit->Checked();
    FVars.OP_PlayAfterBookmark = CheckBoxPlayAfterBookmark->Checked();
    FVars.OP_PlayAfterRegion = CheckBoxPlayAfterRegion->Checked();
}

void TOptionsForm::UpdateEnabledStates() {
    ButtonSetDefault->SetEnabled(RadioButtonUseDefault->Checked());
    EditFolder->SetEnabled(RadioButtonSpecifiedFolder->Checked());
    ButtonBrowse->SetEnabled(RadioButtonSpecifiedFolder->Checked());
}

void TOptionsForm::ChoiceClick(TObject*) {
    UpdateEnabledStates();
}

void TOptionsForm::ButtonSetDefaultClick(TObject*) {
    std::unique_ptr<TConvertSampleRateForm> dialog(TCustomForm::New<TConvertSampleRateForm>(this));
    CenterOnOwner(*dialog, *this);
    dialog->SelectRate(FVars.OP_DefSample);
    dialog->SelectChannels(FVars.OP_DefChannel);
    if (dialog->ShowModal() != mrOk) return;
    FVars.OP_DefSample = dialog->SelectedRate();
    FVars.OP_DefChannel = dialog->SelectedChannels();
}

void TOptionsForm::ButtonBrowseClick(TObject*) {
    std::string folder = FVars.OP_WorkingFolder;
    if (!BrowseForFolder(Handle(), folder, "Please select a folder", 0x41, "")) return;
    FVars.OP_WorkingFolder = folder;
    EditFolder->SetText(folder);
}

void TOptionsForm::ButtonDeleteRecentClick(TObject*) {
    if (Application()->MessageBox("Are you sure you want to delete your recent files list?",
                                  Application()->Title(), MB_YESNOCANCEL | MB_ICONQUESTION) == IDYES &&
        FClearRecentList)
        FClearRecentList();
}

void TOptionsForm::ButtonHelpClick(TObject*) {
    ShowHelpPage(Handle(), "APPOptions");
}
