#include "source/speech/SpeechRoad.h"

#include "source/dialogs/DialogSupport.h"
#include "source/recording/EditorHost.h"
#include "source/recording/ToolSound.h"
#include "source/speech/TextToSpeechForm.h"

#include <memory>

namespace speech_road_detail {
constexpr const char* SpeechFileName = "SynthesizeSpeech.wav";
} // namespace speech_road_detail

bool RunSpeechDialog(TCustomForm& Owner, int SampleRate, int Channels, const std::string& TargetPath) {
    std::unique_ptr<TTextToSpeechForm> dialog(TCustomForm::New<TTextToSpeechForm>(&Owner));
    CenterOnOwner(*dialog, Owner);
    dialog->SampleRate = SampleRate;
    dialog->Channels = Channels;
    dialog->TargetPath = TargetPath;
    return dialog->ShowModal() == mrOk;
}

void RunTextToSpeechCommand(IEditorHost& Host) {
    Host.StopIfBusy();
    const bool hadDocument = Host.DocumentOpen();
    const std::optional<TToolSoundFormat> format = ChooseToolSoundFormat(Host);
    if (!format) return;
    // The speech file lives only for the command: in the temporary folder, gone afterwards.
    const std::string target = PrepareToolSoundFile(speech_road_detail::SpeechFileName);
    TToolSoundFileRemover remover(target);
    if (!RunSpeechDialog(Host.OwnerForm(), format->SampleRate, format->Channels, target)) return;
    InsertToolSoundFile(Host, hadDocument, *format, target);
}
