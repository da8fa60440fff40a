#include "audio/devices/DocumentPlayer.h"

#include <algorithm>

TDocumentPlayer::TDocumentPlayer() {
    FEngine.OnChangePlayPosition = [this] {
        if (OnChangePlayPosition) OnChangePlayPosition();
    };
    FEngine.OnMeter = [this](int left, int right) {
        if (OnMeter) OnMeter(left, right);
    };
    FEngine.OnEndPlay = [this] {
        if (OnEndPlay) OnEndPlay();
    };
}

bool TDocumentPlayer::Play(const TSampleSequence& samples, int sampleRate, std::int64_t start,
                           std::int64_t end, bool looped) {
    start = std::clamp<std::int64_t>(start, 0, samples.Frames());
    end = std::clamp<std::int64_t>(end, start, samples.Frames());
    // The sequence shares its blocks; the copy keeps them alive for as long as the play runs.
    auto reader = [copy = samples](std::int64_t frame, std::int64_t count, float* dst) {
        return copy.ReadInterleaved(frame, count, dst);
    };
    return FEngine.Play(sampleRate, samples.Channels(), reader, start, end, looped);
}

void TDocumentPlayer::Stop() {
    FEngine.Stop();
}
void TDocumentPlayer::Pause() {
    FEngine.Pause();
}
void TDocumentPlayer::Resume() {
    FEngine.Resume();
}
