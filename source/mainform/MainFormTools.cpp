// The tools of the main window that live in windows of their own: the record command, text to speech
// and the frequency analysis window. They reach the window through its IEditorHost.
#include "audio/AudioEditor2.h"
#include "platform/vcl/Action.h"
#include "source/analysis/FreAnalysisForm.h"
#include "source/mainform/MainForm.h"
#include "source/recording/EditorHost.h"
#include "source/recording/RecordRoad.h"
#include "source/speech/SpeechRoad.h"

namespace main_form_tools_detail {

class TMainFormToolHost : public IEditorHost {
public:
    explicit TMainFormToolHost(TMainForm& Form) : FForm(Form) {}
    TCustomForm& OwnerForm() override { return FForm; }
    TAudioEditor2& Editor() override { return *FForm.AudioEditor; }
    bool DocumentOpen() override { return FForm.DocumentOpen; }
    void StopIfBusy() override { FForm.StopIfBusy(); }
    bool PromptNewFileFormat(int& SampleRate, int& Channels) override {
        return FForm.PromptNewFileFormat(SampleRate, Channels);
    }
    bool NewAudioFile(int SampleRate, int Channels) override {
        return FForm.NewAudioFile("Untitled", SampleRate, Channels);
    }
    void InsertFileAtCursor(const std::string& Path) override { FForm.InsertFileAtCursor(Path); }

private:
    TMainForm& FForm;
};

} // namespace main_form_tools_detail

void TMainForm::BindToolCommands() {
    FToolHost = std::make_unique<main_form_tools_detail::TMainFormToolHost>(*this);
    ActionRecord->SetOnExecute(TNotifyEvent(this, &TMainForm::ActionRecordExecute));
    ActionTextToSpeech->SetOnExecute(TNotifyEvent(this, &TMainForm::ActionTextToSpeechExecute));
    ActionFrequencyAnalysis->SetOnExecute(TNotifyEvent(this, &TMainForm::ActionFrequencyAnalysisExecute));
    // The editor's position events refresh the analysis window (which reads nothing while hidden);
    // MainFormEvents.cpp binds them.
}

void TMainForm::InsertFileAtCursor(const std::string& Path) {
    RunEditorOperation([&] {
        BeginEditorOperation();
        AudioEditor->InsertFile(Path);
    });
    SetModified(true);
}

void TMainForm::SetFrequencyAnalysisWindow(TFreAnalysisForm* Window) {
    FFreAnalysisForm = Window;
    if (Window != nullptr) Window->SetAudioEditor(AudioEditor);
}

void TMainForm::RefreshFrequencyAnalysis() {
    if (FFreAnalysisForm != nullptr) FFreAnalysisForm->RefreshAnalysis();
}

void TMainForm::ActionRecordExecute(TObject*) {
    RunRecordCommand(*FToolHost);
}

void TMainForm::ActionTextToSpeechExecute(TObject*) {
    RunTextToSpeechCommand(*FToolHost);
}

void TMainForm::ActionFrequencyAnalysisExecute(TObject*) {
    if (FFreAnalysisForm != nullptr) FFreAnalysisForm->ShowAnalysis();
}
