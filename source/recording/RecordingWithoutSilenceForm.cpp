#include "source/recording/RecordingWithoutSilenceForm.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/StrConvert.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/Label.h"
#include "source/GlobalVars.h"
#include "source/HelpAddress.h"
#include "source/dialogs/DialogSupport.h"

namespace recording_without_silence_detail {

constexpr int LowestLevel = -90;

// One group: "Time:" with its edit and "ms", "Level:" with its edit and "db".
void BuildGroup(TRecordingWithoutSilenceForm* Form, TGroupBox* Group, const char* TimeName, TEdit*& Time,
                const char* LevelName, TEdit*& Level) {
    Time = PlaceControl<TEdit>(Form, Group, TimeName, 56, 20, 40, 21);
    Time->SetMaxLength(3);
    AddLabel(Form, Group, "Time:", 12, 23, Time);
    AddLabel(Form, Group, "ms", 102, 23);
    Level = PlaceControl<TEdit>(Form, Group, LevelName, 56, 48, 40, 21);
    Level->SetMaxLength(3);
    Level->OnKeyPress = TKeyPressEvent(Form, &TRecordingWithoutSilenceForm::EditLevelKeyPress);
    AddLabel(Form, Group, "Level:", 12, 51, Level);
    AddLabel(Form, Group, "db", 102, 51);
}

} // namespace recording_without_silence_detail

using namespace recording_without_silence_detail;

TRecordingWithoutSilenceForm::TRecordingWithoutSilenceForm(TComponent* AOwner) : TForm(AOwner) {
    TComponentLoading loading(this);
    SetName("RecordingWithoutSilenceForm");
    SetUpDialogForm(*this, "Recording without silence", 290, 128);

    GroupBoxAttack = PlaceControl<TGroupBox>(this, this, "GroupBoxAttack", 10, 8, 130, 80);
    GroupBoxAttack->SetCaption("Attack");
    BuildGroup(this, GroupBoxAttack, "EditAttackTime", EditAttackTime, "EditAttackLevel", EditAttackLevel);
    GroupBoxRelease = PlaceControl<TGroupBox>(this, this, "GroupBoxRelease", 150, 8, 130, 80);
    GroupBoxRelease->SetCaption("Release");
    BuildGroup(this, GroupBoxRelease, "EditReleaseTime", EditReleaseTime, "EditReleaseLevel",
               EditReleaseLevel);

    ButtonOK = AddDialogButton(this, this, "OK", 43, 98);
    ButtonOK->SetName("ButtonOK");
    ButtonOK->SetDefault(true);
    ButtonOK->OnClick = TNotifyEvent(this, &TRecordingWithoutSilenceForm::ButtonOKClick);
    ButtonCancel = AddDialogButton(this, this, "Cancel", 124, 98, mrCancel);
    ButtonCancel->SetName("ButtonCancel");
    ButtonHelp = AddDialogButton(this, this, "&Help", 205, 98);
    ButtonHelp->SetName("ButtonHelp");
    ButtonHelp->OnClick = TNotifyEvent(this, &TRecordingWithoutSilenceForm::ButtonHelpClick);

    OnShow = TNotifyEvent(this, &TRecordingWithoutSilenceForm::FormShow);
}

void TRecordingWithoutSilenceForm::FormShow(TObject*) {
    ApplyDialogFont(this);
    EditAttackTime->SetNumbersOnly(true);
    EditReleaseTime->SetNumbersOnly(true);
}

void TRecordingWithoutSilenceForm::LoadParams(const TGlobalVars& Vars) {
    EditAttackLevel->SetText(IntToStr(Vars.AccuAttackLevel));
    EditAttackTime->SetText(IntToStr(Vars.AccuAttackTime));
    EditReleaseLevel->SetText(IntToStr(Vars.AccuReleaseLevel));
    EditReleaseTime->SetText(IntToStr(Vars.AccuReleaseTime));
}

void TRecordingWithoutSilenceForm::StoreParams(TGlobalVars& Vars) const {
    // Converted in full first: a text that is no number raises before anything is stored.
    const int attackLevel = StrToInt(EditAttackLevel->Text());
    const int attackTime = StrToInt(EditAttackTime->Text());
    const int releaseLevel = StrToInt(EditReleaseLevel->Text());
    const int releaseTime = StrToInt(EditReleaseTime->Text());
    Vars.AccuAttackLevel = attackLevel;
    Vars.AccuAttackTime = attackTime;
    Vars.AccuReleaseLevel = releaseLevel;
    Vars.AccuReleaseTime = releaseTime;
}

bool TRecordingWithoutSilenceForm::CheckLevel(TEdit* Edit, const char* Message) {
    int level = 0;
    if (TryStrToInt(Edit->Text(), level) && level >= LowestLevel && level <= 0) return true;
    Edit->SetFocus();
    Application()->MessageBox(Message, Application()->Title(), MB_OK | MB_ICONERROR);
    return false;
}

void TRecordingWithoutSilenceForm::ButtonOKClick(TObject*) {
    if (!CheckLevel(EditAttackLevel, "Attack Level must be less than 0 and more than -90. Please try again."))
        return;
    if (!CheckLevel(EditReleaseLevel,
                    "Release Level must be less than 0 and more than -90. Please try again."))
        return;
    SetModalResult(mrOk);
}

void TRecordingWithoutSilenceForm::ButtonHelpClick(TObject*) {
    ShowHelpPage(Handle(), "AdvancedRecordingOptions");
}

void TRecordingWithoutSilenceForm::EditLevelKeyPress(TObject* Sender, TKeyChar& Key) {
    if (auto* edit = dynamic_cast<TEdit*>(Sender)) SignedEditKeyPress(edit, Key);
}
