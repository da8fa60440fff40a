// Recording without silence: decides, window by window (10 ms), which captured samples are kept.
// While sound is kept, a stretch below the release level that lasts the release time is kept and what
// follows is dropped; dropping ends when the level stays at or above the attack level for the attack
// time, and that attack is kept so no onset is lost. Levels are peak dBFS, times milliseconds.
#pragma once

#include <cstdint>
#include <vector>

class TSilenceGate {
public:
    TSilenceGate(int sampleRate, int channels, int attackLevelDb, int attackTimeMs, int releaseLevelDb,
                 int releaseTimeMs);
    // Appends the samples to keep of `frames` interleaved frames to `kept`.
    void Process(const float* samples, int frames, std::vector<float>& kept);
    // Appends what is still held at the end of the recording (an incomplete window while sound is kept).
    void Flush(std::vector<float>& kept);
    bool Keeping() const { return FKeeping; }

private:
    void Window(const float* samples, int frames, std::vector<float>& kept);
    int FChannels, FWindowFrames;
    double FAttackLevel, FReleaseLevel; // linear peaks
    int FAttackWindows, FReleaseWindows;
    bool FKeeping = false; // a recording starts by waiting for sound
    int FQuietWindows = 0;
    int FLoudWindows = 0;
    std::vector<float> FAttack;  // held windows of a beginning attack
    std::vector<float> FPending; // an incomplete window
};
