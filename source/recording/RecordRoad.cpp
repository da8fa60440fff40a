#include "source/recording/RecordRoad.h"

#include "platform/vcl/Form.h"
#include "source/GlobalVars.h"
#include "source/dialogs/DialogSupport.h"
#include "source/recording/EditorHost.h"
#include "source/recording/RecordControlForm.h"
#include "source/recording/ToolSound.h"

#include <algorithm>
#include <memory>

namespace record_road_detail {
constexpr int HighestRecordingRate = 48000;
constexpr const char* RecordingFileName = "Recording.wav";
} // namespace record_road_detail

bool RunRecordingWindow(TCustomForm& Owner, int SampleRate, int Channels) {
    std::unique_ptr<TRecordControlForm> window(TCustomForm::New<TRecordControlForm>(&Owner));
    CenterOnOwner(*window, Owner);
    window->RecordSampleRate = SampleRate;
    window->RecordChannels = Channels;
    return window->ShowModal() == mrOk;
}

void RunRecordCommand(IEditorHost& Host) {
    using namespace record_road_detail;
    Host.StopIfBusy();
    const bool hadDocument = Host.DocumentOpen();
    std::optional<TToolSoundFormat> format = ChooseToolSoundFormat(Host);
    if (!format) return;
    format->SampleRate = std::min(format->SampleRate, HighestRecordingRate);
    const std::string file = PrepareToolSoundFile(RecordingFileName);
    GlobalVars().RecordingFile = file;
    TToolSoundFileRemover remover(file);
    if (!RunRecordingWindow(Host.OwnerForm(), format->SampleRate, format->Channels)) return;
    remover.Keep();
    InsertToolSoundFile(Host, hadDocument, *format, file);
}
