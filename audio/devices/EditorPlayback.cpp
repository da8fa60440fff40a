#include "audio/devices/EditorPlayback.h"

#include "audio/AudioEditor2.h"
#include "audio/AudioError.h"

TEditorPlayback::TEditorPlayback(TAudioEditor2& editor) : FEditor(editor) {
    FPlayer.OnChangePlayPosition = [this] {
        // The editor's position interface reports the play position while playing or paused.
        FEditor.SetPlayPosition(FPlayer.PlayPosition());
        if (OnChangePlayPosition) OnChangePlayPosition();
    };
    FPlayer.OnMeter = [this](int left, int right) {
        if (OnMeter) OnMeter(left, right);
    };
    FPlayer.OnEndPlay = [this] {
        SyncState();
        if (OnEndPlay) OnEndPlay();
    };
}

TEditorPlayback::~TEditorPlayback() {
    FPlayer.OnEndPlay = nullptr;
    FPlayer.Stop();
    FEditor.SetPlayState(0);
}

bool TEditorPlayback::Play(int mode) {
    Stop();
    if (!FEditor.HasDocument() || mode < 1 || mode > 3) return false;
    const TAudioDocument& document = FEditor.Document();
    TAudioEditor2Position& position = FEditor.Position();
    const std::int64_t length = position.GetLength();
    // With the selection off, both ends report the cursor.
    const std::int64_t start = position.GetSelectionStart();
    std::int64_t end = position.GetSelectionEnd();
    if (mode == 2 || end <= start) end = length;
    if (end <= start) return false;
    FEditor.SetPlayPosition(start);
    const bool started = FPlayer.Play(document.Samples(), document.SampleRate(), start, end, mode == 3);
    SyncState();
    if (!started) throw EAudioError("Starting audio device error.");
    return true;
}

void TEditorPlayback::Stop() {
    FPlayer.Stop();
    SyncState();
}

void TEditorPlayback::Pause() {
    FPlayer.Pause();
    if (FPlayer.PlayState() == 5) FEditor.SetPlayPosition(FPlayer.PlayPosition());
    SyncState();
}

void TEditorPlayback::Resume() {
    FPlayer.Resume();
    SyncState();
}

std::int64_t TEditorPlayback::PlayPosition() const {
    if (FPlayer.PlayState() != 0) return FPlayer.PlayPosition();
    return FEditor.HasDocument() ? FEditor.Position().GetPosition() : 0;
}

void TEditorPlayback::SyncState() {
    FEditor.SetPlayState(FPlayer.PlayState());
}
