#include "audio/devices/TextToAudio2.h"

#include "audio/AudioFile2.h"
#include "audio/devices/DeviceMessageWindow.h"
#include "platform/win/WinMessages.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cstring>
#include <mutex>

namespace text_to_audio_detail {
constexpr unsigned SpeechProgressMessage = WM_USER + 1;
constexpr unsigned SpeechEndMessage = WM_USER + 2;

// The speech engine is one per process and not reentrant: every call into it holds this lock.
std::mutex EngineLock;
int EngineRate = 0; // 0 until started; -1 when it cannot start

// Starts the engine once; under EngineLock.
bool StartEngine() {
    if (EngineRate == 0) {
        const int rate =
            espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 200, nullptr, espeakINITIALIZE_DONT_EXIT);
        EngineRate = rate > 0 ? rate : -1;
    }
    return EngineRate > 0;
}

const std::vector<std::string>& Voices() {
    static std::vector<std::string> names;
    static bool listed = false;
    std::lock_guard lock(EngineLock);
    if (!listed && StartEngine()) {
        listed = true;
        const espeak_VOICE** voices = espeak_ListVoices(nullptr);
        for (int i = 0; voices && voices[i]; ++i)
            if (voices[i]->name && *voices[i]->name) names.emplace_back(voices[i]->name);
    }
    return names;
}
} // namespace text_to_audio_detail

using namespace text_to_audio_detail;

struct TTextToAudio2::TJob {
    std::uint32_t Serial = 0;
    std::string Text, Target, Voice;
    int Rate = 0, Channels = 0, Bits = 16;
    int Speed = 0, Volume = 100, Pitch = -1;
    std::atomic<bool> Cancelled{false};
    std::atomic<int> Percent{0};
    std::atomic<bool> ProgressPosted{false};
    std::string Error;
    TDeviceMessageWindow* Window = nullptr;
    std::unique_ptr<TAudioFile2> Writer;
};

namespace text_to_audio_detail {
// The engine's callback: the job comes back as the events' user data.
int OnSamples(short* samples, int count, espeak_EVENT* events) {
    auto* job = events ? static_cast<TTextToAudio2::TJob*>(events->user_data) : nullptr;
    if (!job) return 0;
    if (job->Cancelled) return 1;
    for (espeak_EVENT* e = events; e->type != espeakEVENT_LIST_TERMINATED; ++e) {
        const int length = std::max<int>(1, int(job->Text.size()));
        const int percent = std::clamp(int(std::int64_t(e->text_position) * 100 / length), 0, 100);
        if (percent > job->Percent) {
            job->Percent = percent;
            if (!job->ProgressPosted.exchange(true)) job->Window->Post(SpeechProgressMessage, job->Serial);
        }
    }
    if (samples && count > 0) {
        std::vector<float> block(static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i)
            block[std::size_t(i)] = float(samples[i]) / 32768.0f;
        try {
            job->Writer->Write(block);
        } catch (const std::exception& e) {
            job->Error = e.what();
            return 1;
        }
    }
    return 0;
}
} // namespace text_to_audio_detail

TTextToAudio2::TTextToAudio2()
    : FWindow(std::make_unique<TDeviceMessageWindow>([this](UINT message, WPARAM wParam, LPARAM lParam) {
          HandleMessage(message, static_cast<std::uintptr_t>(wParam), static_cast<std::intptr_t>(lParam));
      })) {}

TTextToAudio2::~TTextToAudio2() {
    OnEndConvert = nullptr;
    Cancel();
}

int TTextToAudio2::GetVoiceCount() const {
    return int(Voices().size());
}

void TTextToAudio2::SetCurrentVoice(int index) {
    if (index >= 0 && index < GetVoiceCount()) FVoice = index;
}

std::string TTextToAudio2::GetVoiceName() const {
    const auto& voices = Voices();
    return FVoice < int(voices.size()) ? voices[std::size_t(FVoice)] : std::string();
}

void TTextToAudio2::SetVoiceName(const std::string& name) {
    const auto& voices = Voices();
    auto it = std::find(voices.begin(), voices.end(), name);
    if (it != voices.end()) FVoice = int(it - voices.begin());
}

void TTextToAudio2::SetOutputFormat(int sampleRate, int channels) {
    FRate = sampleRate;
    FChannels = channels;
}

void TTextToAudio2::Synthesize(const std::string& text, const std::string& targetPath, int bits) {
    Cancel();
    FLastError.clear();
    auto job = std::make_shared<TJob>();
    job->Serial = ++FSerial;
    job->Text = text;
    job->Target = targetPath;
    job->Voice = GetVoiceName();
    job->Rate = FRate;
    job->Channels = FChannels;
    job->Bits = bits;
    job->Speed = FSpeed;
    job->Volume = FVolume;
    job->Pitch = FPitch;
    job->Window = FWindow.get();
    FJob = job;
    FWorker = std::thread([job] { Run(job); });
}

void TTextToAudio2::Run(const std::shared_ptr<TJob>& job) {
    try {
        std::lock_guard lock(EngineLock);
        if (!StartEngine()) throw std::runtime_error("No speech engine is available.");
        if (job->Voice.empty() || espeak_SetVoiceByName(job->Voice.c_str()) != EE_OK)
            throw std::runtime_error("The speech voice cannot be used.");
        espeak_SetParameter(espeakRATE,
                            std::clamp(espeakRATE_NORMAL + job->Speed * espeakRATE_NORMAL / 10,
                                       espeakRATE_MINIMUM, espeakRATE_MAXIMUM),
                            0);
        espeak_SetParameter(espeakVOLUME, std::clamp(job->Volume, 0, 100), 0);
        if (job->Pitch >= 0) espeak_SetParameter(espeakPITCH, std::clamp(job->Pitch, 0, 100), 0);
        job->Writer = std::make_unique<TAudioFile2>();
        job->Writer->SetInputFormat(EngineRate, 1);
        job->Writer->SetWAV(job->Rate, job->Channels, job->Bits);
        job->Writer->Create(job->Target, 1);
        espeak_SetSynthCallback(&OnSamples);
        const espeak_ERROR result = espeak_Synth(job->Text.c_str(), job->Text.size() + 1, 0, POS_CHARACTER, 0,
                                                 espeakCHARS_UTF8, nullptr, job.get());
        espeak_SetSynthCallback(nullptr);
        if (job->Cancelled) {
            job->Writer.reset(); // an unfinished file never reaches the target
            return;
        }
        if (!job->Error.empty()) throw std::runtime_error(job->Error);
        if (result != EE_OK) throw std::runtime_error("Speech synthesis failed.");
        job->Writer->Close();
        job->Writer.reset();
    } catch (const std::exception& e) {
        job->Writer.reset();
        job->Error = e.what();
    }
    if (!job->Cancelled) job->Window->Post(SpeechEndMessage, job->Serial);
}

void TTextToAudio2::HandleMessage(unsigned message, std::uintptr_t serial, std::intptr_t) {
    if (!FJob || FJob->Serial != serial) return;
    if (message == SpeechProgressMessage) {
        FJob->ProgressPosted = false;
        if (OnConvertBlock) OnConvertBlock(FJob->Percent);
    } else if (message == SpeechEndMessage) {
        if (FWorker.joinable()) FWorker.join();
        FLastError = FJob->Error;
        FJob.reset();
        if (OnConvertBlock && FLastError.empty()) OnConvertBlock(100);
        if (OnEndConvert) OnEndConvert();
    }
}

void TTextToAudio2::Cancel() {
    if (!FJob) return;
    FJob->Cancelled = true;
    if (FWorker.joinable()) FWorker.join();
    FJob.reset();
}
