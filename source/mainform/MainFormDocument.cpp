// The roads by which a document comes and goes: open (dialog, recent lists, dropped file, command line,
// CD track), new, close and conversion, and the helpers every command of the window uses.
#include "audio/AudioDecoder.h"
#include "audio/AudioEditor2.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FileNames.h"
#include "platform/rtl/FileUtils.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/FileDialog.h"
#include "source/FileNameHelpers.h"
#include "source/GlobalVars.h"
#include "source/ProgramEnvironment.h"
#include "source/WaitCursor.h"
#include "source/dialogs/ConvertSampleRateForm.h"
#include "source/dialogs/DialogSupport.h"
#include "source/dialogs/NewFileForm.h"
#include "source/mainform/CdTrackLoader.h"
#include "source/mainform/EffectCommands.h"
#include "source/mainform/MainForm.h"
#include "source/mainform/MarkerListWindows.h"

#include <memory>
#include <optional>
#include <utility>

namespace main_form_document_detail {

constexpr const char* OpenFilter =
    "All Supported "
    "Formats|*.wav;*.mp3;*.mp2;*.mpga;*.wma;*.ogg;*.cda;*.vox;*.raw;*.g721;*.g723;*.g726;*.aif;*.aiff;*.aifc;"
    "*.mpc|"
    "Wave Files (*.wav)|*.wav|MPEG Layer 3 Files (*.mp3;*.mp2;*.mpga)|*.mp3;*.mp2;*.mpga|Windows Media Audio "
    "Files "
    "(*.wma)|*.wma|OGG Vorbis Audio Files (*.ogg)|*.ogg|CD Audio Tracks (*.cda)|*.cda|Dialogic VOX Files "
    "(*.vox)|*.vox|RAW Audio Files (*.raw)|*.raw|G.72x Audio Files "
    "(*.g721;*.g723;*.g726)|*.g721;*.g723;*.g726|AIFF "
    "Apple Audio Files (*.aif;*.aiff;*.aifc)|*.aif;*.aiff;*.aifc|MPC Audio Files (*.mpc)|*.mpc";

int CurrentYear() {
    std::uint16_t year = 0, month = 0, day = 0;
    DecodeDate(Now(), year, month, day);
    return year;
}

// The sample size the file stores (16 for compressed formats, and when it cannot be told).
int StoredBitsPerSample(const std::string& Path) {
    try {
        return TAudioDecoder(Path).BitsPerSample();
    } catch (const Exception&) {
        return 16;
    }
}

} // namespace main_form_document_detail

void TMainForm::BindDocumentCommands() {
    ActionOpenFile->SetOnExecute(TNotifyEvent(this, &TMainForm::ActionOpenFileExecute));
    ActionNewFile->SetOnExecute(TNotifyEvent(this, &TMainForm::ActionNewFileExecute));
    ActionSaveFile->SetOnExecute(TNotifyEvent(this, &TMainForm::ActionSaveFileExecute));
    ActionSaveAs->SetOnExecute(TNotifyEvent(this, &TMainForm::ActionSaveAsExecute));
    ActionSaveSelect->SetOnExecute(TNotifyEvent(this, &TMainForm::ActionSaveSelectExecute));
    ActionCopyToNew->SetOnExecute(TNotifyEvent(this, &TMainForm::ActionSaveSelectExecute));
    ActionCloseFile->SetOnExecute(TNotifyEvent(this, &TMainForm::ActionCloseFileExecute));
    ActionLoadCD->SetOnExecute(TNotifyEvent(this, &TMainForm::ActionLoadCDExecute));
    ActionConvertSampleRate->SetOnExecute(TNotifyEvent(this, &TMainForm::ActionConvertSampleRateExecute));
    ActionEditID3->SetOnExecute(TNotifyEvent(this, &TMainForm::ActionEditID3Execute));
    ActionOptions->SetOnExecute(TNotifyEvent(this, &TMainForm::ActionOptionsExecute));
}

void TMainForm::BindEffectCommands() {
    const std::pair<TAction*, TEffectCommand> effects[] = {
        {ActionAmplify, TEffectCommand::Amplify},
        {ActionNormalize, TEffectCommand::Normalize},
        {ActionDynamicRangeCompressor, TEffectCommand::DynamicRangeCompressor},
        {ActionHighPass, TEffectCommand::HighPass},
        {ActionEqualizer, TEffectCommand::Equalizer},
        {ActionEcho, TEffectCommand::Echo},
        {ActionReverb, TEffectCommand::Reverb},
        {ActionReverse, TEffectCommand::Reverse},
        {ActionFadeIn, TEffectCommand::FadeIn},
        {ActionFadeOut, TEffectCommand::FadeOut},
        {ActionFadeOutAndTrim, TEffectCommand::FadeOutAndTrim},
        {ActionCrossFade, TEffectCommand::CrossFade},
        {ActionEnvelope, TEffectCommand::Envelope},
        {ActionMixStereo, TEffectCommand::MixStereo},
        {ActionNoiseReduction, TEffectCommand::NoiseReduction},
        {ActionSpeedChange, TEffectCommand::SpeedChange},
        {ActionPitchChange, TEffectCommand::PitchChange},
        {ActionPhaser, TEffectCommand::Phaser},
        {ActionFlanger, TEffectCommand::Flanger},
        {ActionChorus, TEffectCommand::Chorus},
    };
    for (const auto& [action, command] : effects)
        action->SetOnExecute(TNotifyEvent(
            [this, command = command](TObject*) { FEffectCommands->RunEffect(command); }, action));
    // The ribbon's filter and one-click buttons carry no action: their clicks come through the bars.
    Bars().OnItemClick = [this](TBarItem Item) {
        static const std::pair<TBarItem, TEffectCommand> buttons[] = {
            {TBarItem::Vibrato, TEffectCommand::Vibrato},
            {TBarItem::PeakEQ, TEffectCommand::PeakEQ},
            {TBarItem::NotchFilter, TEffectCommand::NotchFilter},
            {TBarItem::BandPass, TEffectCommand::BandPass},
            {TBarItem::LowPass, TEffectCommand::LowPass},
            {TBarItem::LowShelf, TEffectCommand::LowShelf},
            {TBarItem::HighShelf, TEffectCommand::HighShelf},
            {TBarItem::Invert, TEffectCommand::Invert},
            {TBarItem::CassetteNoiseReduction, TEffectCommand::CassetteNoiseReduction},
            {TBarItem::VoiceBreathNoiseReduction, TEffectCommand::VoiceBreathNoiseReduction},
        };
        for (const auto& [item, command] : buttons)
            if (item == Item) FEffectCommands->RunEffect(command);
    };
}

// ---- Helpers shared by the commands

void TMainForm::StopIfBusy() {
    const int state = AudioEditor->PlayState();
    if (state == 1 || state == 2 || state == 5) AudioEditor->Stop();
}

void TMainForm::SelectAllIfEmpty() {
    TAudioEditor2Position& position = AudioEditor->Position();
    if (position.GetSelectionStart() != position.GetSelectionEnd()) return;
    position.SetSelection(-1);
    position.SetSelectionStart(0);
    position.SetSelectionEnd(position.GetLength());
}

void TMainForm::SetModified(bool Modified) {
    AudioEditor->SetTag(Modified ? 10 : 11);
}

bool TMainForm::Modified() const {
    return AudioEditor->Tag() == 10;
}

bool TMainForm::ConfirmSave() {
    if (!Modified()) return true;
    const int answer =
        Application()->MessageBox("Do you want to save the changes you made to \"" + FileName + "\"?",
                                  ApplicationTitle, MB_YESNOCANCEL | MB_ICONQUESTION);
    if (answer == IDYES) return SaveAudioFile(false, false);
    return answer == IDNO;
}

void TMainForm::ApplyWorkingFolder() {
    const TGlobalVars& vars = GlobalVars();
    AudioEditor->SetTempDirectory(vars.OP_UseDefFolder ? vars.DataFolder : vars.OP_WorkingFolder);
}

void TMainForm::ShowDocumentCaption() {
    Bars().Ribbon().SetDocumentName(FileName + " - [ " + AudioEditor->FileInfo().GetDescription() + " ]");
}

void TMainForm::ClearMarkerLists() {
    if (FMarkerListWindows != nullptr) FMarkerListWindows->ClearLists();
}

// ---- Open and new

bool TMainForm::OpenAudioFile(const std::string& Path) {
    if (!ConfirmSave()) return false;
    const std::string path = Path; // a recent list may hold the caller's text and change meanwhile
    ApplyWorkingFolder();
    // The name, caption and state change only once the file is open: a file that cannot be read
    // leaves the document that was open as it was.
    RunEditorOperation([&] {
        BeginEditorOperation();
        AudioEditor->Open(path, 0);
    });
    DocumentBitsPerSample = main_form_document_detail::StoredBitsPerSample(path);
    FileName = path;
    DocumentOpen = true;
    ClearMarkerLists();
    GlobalVars().LastOpenDir = IncludeTrailingPathDelimiter(ExtractFilePath(path));
    ShowDocumentCaption();
    SetModified(false);
    AddToRecentLists(path);
    if (GlobalVars().OP_PlayAfterOpened) ActionPlay->Execute();
    return true;
}

bool TMainForm::NewAudioFile(const std::string& Name, int SampleRate, int Channels) {
    if (!ConfirmSave()) return false;
    RunEditorOperation([&] { AudioEditor->New(SampleRate, Channels); });
    DocumentBitsPerSample = 16;
    FileName = Name;
    TAudioEditor2FileInfo& info = AudioEditor->FileInfo();
    info.SetTitle("Untitled");
    info.SetArtist("Unknown Artist");
    info.SetAlbum("Unknown Album");
    info.SetGenre(0);
    info.SetYear(std::to_string(main_form_document_detail::CurrentYear()));
    info.SetComment(std::string("Created by ") + ApplicationTitle + " (" + GlobalVars().ProductWebPage + ")");
    DocumentOpen = true;
    ClearMarkerLists();
    ApplyWorkingFolder();
    ShowDocumentCaption();
    SetModified(false);
    return true;
}

void TMainForm::ActionOpenFileExecute(TObject*) {
    StopIfBusy();
    std::string path;
    if (ChooseAudioFile(path)) OpenAudioFile(path);
}

// The open dialog of the window, also used by the commands that insert or mix a file.
bool TMainForm::ChooseAudioFile(std::string& Path) {
    auto dialog = std::make_unique<TOpenDialog>(this);
    dialog->SetFileName("");
    dialog->SetInitialDir(GlobalVars().LastOpenDir);
    dialog->SetFilter(main_form_document_detail::OpenFilter);
    dialog->SetOptions(dialog->Options() + TOpenOptions{ofPathMustExist, ofFileMustExist});
    if (!dialog->Execute()) return false;
    Path = dialog->FileName();
    return true;
}

void TMainForm::ActionNewFileExecute(TObject*) {
    StopIfBusy();
    TGlobalVars& vars = GlobalVars();
    int rate = vars.OP_DefSample;
    int channels = vars.OP_DefChannel;
    if (vars.OP_PromptNewFile && !PromptNewFileFormat(rate, channels)) return;
    NewAudioFile("Untitled", rate, channels);
}

bool TMainForm::PromptNewFileFormat(int& SampleRate, int& Channels) {
    TGlobalVars& vars = GlobalVars();
    std::unique_ptr<TNewFileForm> dialog(TCustomForm::New<TNewFileForm>(this));
    CenterOnOwner(*dialog, *this);
    dialog->LoadParams(vars);
    if (dialog->ShowModal() != mrOk) return false;
    dialog->StoreParams(vars);
    SampleRate = dialog->SampleRate();
    Channels = dialog->Channels();
    return true;
}

// ---- Close, convert, CD

void TMainForm::ActionCloseFileExecute(TObject*) {
    StopIfBusy();
    if (!ConfirmSave()) return;
    AudioEditor->Close();
    DocumentOpen = false;
    FileName.clear();
    Bars().Ribbon().SetDocumentName("");
    SetModified(false);
    ClipboardFilled = false;
    ClipboardLength = 0;
    ClearMarkerLists();
}

void TMainForm::ActionConvertSampleRateExecute(TObject*) {
    StopIfBusy();
    std::unique_ptr<TConvertSampleRateForm> dialog(TCustomForm::New<TConvertSampleRateForm>(this));
    CenterOnOwner(*dialog, *this);
    dialog->SelectRate(AudioEditor->FileInfo().GetSampleRate());
    dialog->SelectChannels(AudioEditor->FileInfo().GetChannels());
    if (dialog->ShowModal() != mrOk) return;
    const int rate = dialog->SelectedRate();
    const int channels = dialog->SelectedChannels();
    dialog.reset();
    RunEditorOperation([&] { AudioEditor->Convert(rate, channels); });
    SetModified(true);
}

void TMainForm::ActionLoadCDExecute(TObject*) {
    StopIfBusy();
    std::optional<TCdTrack> track;
    {
        TWaitCursor wait;
        if (FCdTrackLoader->CdDriveCount() == 0) {
            Application()->MessageBox(
                "No CD-ROM drivres have been detected. If you do have a CD-ROM drive installed "
                "but see this message please read the Help topic relating to Loading CD Tracks.",
                ApplicationTitle, MB_OK | MB_ICONERROR);
            return;
        }
        // Reading the track drives the progress window as the editor's long operations do.
        track = FCdTrackLoader->RunTrackDialog(
            *this, [this](int Percent) { AudioEditorBlockOperation(Percent); },
            [this] { AudioEditorEndOperation(); });
    }
    if (track && FileExists(track->Path) && OpenAudioFile(track->Path)) {
        FileName = track->Title;
        Bars().Ribbon().SetDocumentName(track->Title);
    }
}
