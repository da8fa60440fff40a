// The preview player: plays one array of interleaved samples in a set format.
#pragma once

#include "audio/devices/PlaybackEngine.h"

#include <functional>
#include <string>
#include <vector>

class TAudioPlayer2 {
public:
    TAudioPlayer2();

    void SetFormat(int sampleRate, int channels);
    // Opens the output device for the format; a failure shows only in ErrorState.
    void Open();
    // Non-zero after a failed Open (or a play that could not open the device).
    int ErrorState() const { return FErrorState; }
    // Plays a copy of `samples` (the caller may destroy its array at once); the end event follows.
    void PlayArray(const std::vector<float>& samples);
    // Ends the play (firing OnEndPlay when one was running); safe to call twice and from OnEndPlay.
    void Stop();
    bool Playing() const { return FEngine.State() != TPlaybackEngine::Stopped; }

    std::function<void()> OnEndPlay;

private:
    TPlaybackEngine FEngine;
    int FSampleRate = 44100, FChannels = 2;
    int FErrorState = 0;
};
