#include "audio/devices/PlaybackEngine.h"

#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <cmath>

namespace playback_engine_detail {
constexpr unsigned PlaybackPositionMessage = WM_USER + 1;
constexpr unsigned PlaybackEndMessage = WM_USER + 2;
constexpr UINT_PTR PlaybackWatchTimer = 1;
constexpr UINT PlaybackWatchMs = 100;
} // namespace playback_engine_detail

using namespace playback_engine_detail;

struct TPlaybackEngine::TPlay {
    std::uint32_t Serial = 0;
    TReader Reader;
    std::int64_t Start = 0, End = 0;
    bool Looped = false;
    int Channels = 0;
    std::atomic<std::int64_t> Next{0}; // next frame to hand over
    std::atomic<int> PeakLeft{0}, PeakRight{0};
    std::atomic<bool> PositionPosted{false}; // one position message in the queue at a time
    std::atomic<bool> DataDone{false};
    std::atomic<bool> EndPosted{false};
};

TPlaybackEngine::TPlaybackEngine()
    : FWindow([this](UINT message, WPARAM wParam, LPARAM lParam) {
          HandleMessage(message, static_cast<std::uintptr_t>(wParam), static_cast<std::intptr_t>(lParam));
      }) {}

TPlaybackEngine::~TPlaybackEngine() {
    OnEndPlay = nullptr;
    Stop();
}

bool TPlaybackEngine::Open(int sampleRate, int channels) {
    if (FDevice.IsOpen() && sampleRate == FRate && channels == FChannels) return true;
    Stop();
    FDevice.Close();
    FRate = FChannels = 0;
    if (!FWindow.Handle()) return false;
    if (!FDevice.Open(false, "", sampleRate, channels, TSdlAudioDevice::BufferFramesFor(sampleRate),
                      [this](float* samples, int frames) { Fill(samples, frames); }))
        return false;
    FRate = sampleRate;
    FChannels = channels;
    return true;
}

bool TPlaybackEngine::Play(int sampleRate, int channels, TReader reader, std::int64_t start, std::int64_t end,
                           bool looped) {
    Stop();
    if (!Open(sampleRate, channels)) return false;
    auto play = std::make_shared<TPlay>();
    play->Serial = ++FSerial;
    play->Reader = std::move(reader);
    play->Start = start;
    play->End = std::max(start, end);
    play->Looped = looped && end > start;
    play->Channels = channels;
    play->Next = start;
    FPlay = play;
    FDevice.Locked([&] { FAudioPlay = play; });
    FState = Playing;
    FDevice.SetPaused(false);
    // A device that goes away stops calling back; the watch then ends the play.
    SetTimer(FWindow.Handle(), PlaybackWatchTimer, PlaybackWatchMs, nullptr);
    return true;
}

void TPlaybackEngine::Fill(float* samples, int frames) {
    TPlay* play = FAudioPlay.get();
    const std::size_t total = std::size_t(frames) * std::size_t(FChannels);
    std::fill(samples, samples + total, 0.0f);
    if (!play) return;
    int done = 0;
    while (done < frames && !play->DataDone) {
        std::int64_t next = play->Next;
        if (next >= play->End) {
            if (!play->Looped) {
                play->DataDone = true;
                break;
            }
            next = play->Start;
        }
        const std::int64_t want = std::min<std::int64_t>(frames - done, play->End - next);
        std::int64_t got =
            play->Reader ? play->Reader(next, want, samples + std::size_t(done) * FChannels) : 0;
        if (got <= 0) { // the source ended early
            play->Next = play->End;
            if (!play->Looped) continue;
            play->DataDone = true; // an empty loop would spin
            break;
        }
        done += int(got);
        play->Next = next + got;
    }
    float left = 0, right = 0;
    for (int i = 0; i < done; ++i) {
        left = std::max(left, std::fabs(samples[std::size_t(i) * FChannels]));
        right = std::max(right, std::fabs(samples[std::size_t(i) * FChannels + (FChannels > 1 ? 1 : 0)]));
    }
    play->PeakLeft = std::min(100, int(std::lround(left * 100)));
    play->PeakRight = std::min(100, int(std::lround(right * 100)));
    if (!play->PositionPosted.exchange(true)) FWindow.Post(PlaybackPositionMessage, play->Serial);
    // The end is reported one buffer after the last sample was handed over, so the device had a
    // buffer's time to play it.
    if (play->DataDone && done == 0 && !play->EndPosted.exchange(true))
        FWindow.Post(PlaybackEndMessage, play->Serial);
}

void TPlaybackEngine::HandleMessage(unsigned message, std::uintptr_t serial, std::intptr_t) {
    if (message == WM_TIMER) {
        if (FState != Stopped && !FDevice.IsAlive()) Finish();
        return;
    }
    if (!FPlay || FPlay->Serial != serial) return; // a message of an earlier play
    if (message == PlaybackPositionMessage) {
        FPlay->PositionPosted = false;
        if (FState != Playing) return;
        if (OnMeter) OnMeter(FPlay->PeakLeft, FPlay->PeakRight);
        if (OnChangePlayPosition) OnChangePlayPosition();
    } else if (message == PlaybackEndMessage) {
        Finish();
    }
}

std::int64_t TPlaybackEngine::Position() const {
    if (!FPlay) return 0;
    return std::min(FPlay->Next.load(), FPlay->End);
}

void TPlaybackEngine::Pause() {
    if (FState != Playing) return;
    FDevice.SetPaused(true);
    FState = Paused;
}

void TPlaybackEngine::Resume() {
    if (FState != Paused) return;
    FState = Playing;
    FDevice.SetPaused(false);
}

void TPlaybackEngine::Stop() {
    Finish();
}

void TPlaybackEngine::Finish() {
    // The device is closed first, so the audio thread no longer touches the play.
    FDevice.Close();
    KillTimer(FWindow.Handle(), PlaybackWatchTimer);
    FRate = FChannels = 0;
    FAudioPlay.reset();
    const bool wasRunning = FState != Stopped;
    FState = Stopped;
    if (wasRunning && OnEndPlay) OnEndPlay();
}
