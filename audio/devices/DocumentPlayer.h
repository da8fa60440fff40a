// Plays a range of a document's samples. The samples are an immutable sequence, so the audio thread
// reads a copy of it while the document goes on being edited.
#pragma once

#include "audio/SampleSequence.h"
#include "audio/devices/PlaybackEngine.h"

#include <cstdint>
#include <functional>
#include <string>

class TDocumentPlayer {
public:
    TDocumentPlayer();

    // Plays frames [start, end) (clipped to the samples), repeated until stopped when looped. False
    // when no output device can be opened; nothing plays then.
    bool Play(const TSampleSequence& samples, int sampleRate, std::int64_t start, std::int64_t end,
              bool looped);
    void Stop();
    void Pause();
    void Resume();
    // 0 stopped, 1 playing, 5 paused.
    int PlayState() const { return FEngine.State(); }
    // The frame being played, in the document.
    std::int64_t PlayPosition() const { return FEngine.Position(); }
    const std::string& LastError() const { return FEngine.LastError(); }

    std::function<void()> OnChangePlayPosition;
    std::function<void(int left, int right)> OnMeter;
    std::function<void()> OnEndPlay;

private:
    TPlaybackEngine FEngine;
};
