#include "audio/devices/SilenceGate.h"

#include <algorithm>
#include <cmath>

TSilenceGate::TSilenceGate(int sampleRate, int channels, int attackLevelDb, int attackTimeMs,
                           int releaseLevelDb, int releaseTimeMs)
    : FChannels(std::max(1, channels)), FWindowFrames(std::max(1, sampleRate / 100)),
      FAttackLevel(std::pow(10.0, attackLevelDb / 20.0)),
      FReleaseLevel(std::pow(10.0, releaseLevelDb / 20.0)),
      FAttackWindows(std::max(1, (attackTimeMs + 9) / 10)),
      FReleaseWindows(std::max(1, (releaseTimeMs + 9) / 10)) {}

void TSilenceGate::Process(const float* samples, int frames, std::vector<float>& kept) {
    const std::size_t windowSamples = std::size_t(FWindowFrames) * FChannels;
    FPending.insert(FPending.end(), samples, samples + std::size_t(frames) * FChannels);
    std::size_t used = 0;
    while (FPending.size() - used >= windowSamples) {
        Window(FPending.data() + used, FWindowFrames, kept);
        used += windowSamples;
    }
    FPending.erase(FPending.begin(), FPending.begin() + std::ptrdiff_t(used));
}

void TSilenceGate::Window(const float* samples, int frames, std::vector<float>& kept) {
    float peak = 0;
    const std::size_t count = std::size_t(frames) * FChannels;
    for (std::size_t i = 0; i < count; ++i)
        peak = std::max(peak, std::fabs(samples[i]));
    if (FKeeping) {
        kept.insert(kept.end(), samples, samples + count);
        FQuietWindows = peak < FReleaseLevel ? FQuietWindows + 1 : 0;
        if (FQuietWindows >= FReleaseWindows) {
            FKeeping = false;
            FQuietWindows = 0;
        }
        return;
    }
    if (peak < FAttackLevel) {
        FLoudWindows = 0;
        FAttack.clear();
        return;
    }
    FAttack.insert(FAttack.end(), samples, samples + count);
    if (++FLoudWindows >= FAttackWindows) {
        kept.insert(kept.end(), FAttack.begin(), FAttack.end());
        FAttack.clear();
        FLoudWindows = 0;
        FKeeping = true;
    }
}

void TSilenceGate::Flush(std::vector<float>& kept) {
    if (FKeeping) kept.insert(kept.end(), FPending.begin(), FPending.end());
    FPending.clear();
}
