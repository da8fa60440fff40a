#include "audio/devices/AudioPlayer2.h"

#include <algorithm>
#include <memory>

TAudioPlayer2::TAudioPlayer2() {
    FEngine.OnEndPlay = [this] {
        if (OnEndPlay) OnEndPlay();
    };
}

void TAudioPlayer2::SetFormat(int sampleRate, int channels) {
    FSampleRate = sampleRate;
    FChannels = channels;
}

void TAudioPlayer2::Open() {
    FErrorState = FEngine.Open(FSampleRate, FChannels) ? 0 : 1;
}

void TAudioPlayer2::PlayArray(const std::vector<float>& samples) {
    if (FChannels <= 0) {
        FErrorState = 1;
        return;
    }
    auto copy = std::make_shared<const std::vector<float>>(samples);
    const int channels = FChannels;
    const std::int64_t frames = std::int64_t(copy->size()) / channels;
    auto reader = [copy, channels](std::int64_t frame, std::int64_t count, float* dst) {
        const std::int64_t frames = std::int64_t(copy->size()) / channels;
        const std::int64_t n = std::max<std::int64_t>(0, std::min(count, frames - frame));
        std::copy_n(copy->data() + frame * channels, n * channels, dst);
        return n;
    };
    FErrorState = FEngine.Play(FSampleRate, FChannels, reader, 0, frames, false) ? 0 : 1;
}

void TAudioPlayer2::Stop() {
    FEngine.Stop();
}
