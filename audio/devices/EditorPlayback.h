// The editor's transport: Play (mode 1 normal, 2 to the end, 3 looped), Stop, Pause, Resume and the
// play state, on the editor's open document, with the position, meter and end events. Keeps the
// editor's play state (1 playing, 5 paused, 0 stopped) in step.
#pragma once

#include "audio/devices/DocumentPlayer.h"

#include <cstdint>
#include <functional>

class TAudioEditor2;

class TEditorPlayback {
public:
    explicit TEditorPlayback(TAudioEditor2& editor);
    ~TEditorPlayback();

    // Mode 1: the selection, or from the cursor to the end without one; mode 2: from the selection
    // start (or the cursor) to the end; mode 3: as mode 1, repeated until stopped. False when there is
    // nothing to play (no document, an empty range); raises EAudioError "Starting audio device error."
    // when no output device can be opened.
    bool Play(int mode);
    void Stop();
    void Pause();
    void Resume();
    int PlayState() const { return FPlayer.PlayState(); }
    // The frame being played; the cursor when stopped.
    std::int64_t PlayPosition() const;
    const std::string& LastError() const { return FPlayer.LastError(); }

    std::function<void()> OnChangePlayPosition;
    std::function<void(int left, int right)> OnMeter;
    std::function<void()> OnEndPlay;

private:
    void SyncState();
    TAudioEditor2& FEditor;
    TDocumentPlayer FPlayer;
};
