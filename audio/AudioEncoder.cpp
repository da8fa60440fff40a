#include "audio/AudioEncoder.h"

#include "audio/AudioError.h"
#include "audio/AudioText.h"

#include <algorithm>
#include <cstring>

namespace mp3_presets {
TPreset Get(int preset) {
    // MPEG 2.5 for the two lowest, MPEG 2 for the next two, MPEG 1 above, as the preset texts promise.
    static const TPreset table[11] = {{8000, 16, 1, 1},   {11025, 24, 1, 1},  {16000, 32, 1, 1},
                                      {24000, 96, 2, 2},  {44100, 64, 1, 1},  {44100, 112, 2, 2},
                                      {44100, 128, 2, 2}, {44100, 160, 2, 2}, {44100, 192, 2, 1},
                                      {44100, 256, 2, 1}, {44100, 320, 2, 1}};
    if (preset < 1 || preset > 11) throw EAudioError("Unknown MP3 preset " + std::to_string(preset) + ".");
    return table[preset - 1];
}

namespace {
constexpr int kRates[] = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
}

bool SampleRateAllowed(int sampleRate) {
    return std::find(std::begin(kRates), std::end(kRates), sampleRate) != std::end(kRates);
}

std::string AllowedRatesText() {
    std::string text;
    for (std::size_t i = 0; i < std::size(kRates); ++i)
        text += (i == 0 ? "" : i + 1 == std::size(kRates) ? " or " : ", ") + audio_text::Thousands(kRates[i]);
    return text + " Hz";
}

void RequireSampleRate(int sampleRate) {
    // The encoder would quietly pick another rate: a setting it cannot keep is refused.
    if (!SampleRateAllowed(sampleRate))
        throw EAudioError("Invalid MP3 sample rate " + audio_text::Thousands(sampleRate) +
                          " Hz: MP3 files have " + AllowedRatesText() + ".");
}

bool BitRateAllowed(int sampleRate, int kbps) {
    // MPEG 1 above 24 kHz; MPEG 2 and 2.5 (the same rates) below.
    static const int mpeg1[] = {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    static const int mpeg2[] = {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    if (!SampleRateAllowed(sampleRate)) return false;
    if (sampleRate >= 32000) return std::find(std::begin(mpeg1), std::end(mpeg1), kbps) != std::end(mpeg1);
    return std::find(std::begin(mpeg2), std::end(mpeg2), kbps) != std::end(mpeg2);
}
} // namespace mp3_presets

namespace wma_profiles {
TProfile Get(int profile) {
    switch (profile) {
    case 36: // FFmpeg's encoder goes no lower than 24 kbps: the phone profile keeps its rate and mono
        return {8000, 24000, 1};
    case 23:
        return {22050, 32000, 2};
    case 16:
        return {44100, 48000, 1};
    case 13:
        return {44100, 64000, 2};
    case 11:
        return {44100, 96000, 2};
    case 10:
        return {44100, 128000, 2};
    case 8:
        return {44100, 192000, 2};
    }
    throw EAudioError("Unknown WMA profile " + std::to_string(profile) + ".");
}
} // namespace wma_profiles

TEncodedShape EncodedShape(const TOutputFormat& f) {
    auto check = [](int rate, int channels) {
        if (rate < 1000 || rate > 768000)
            throw EAudioError("Invalid output sample rate " + std::to_string(rate) + ".");
        if (channels != 1 && channels != 2)
            throw EAudioError("Invalid output channel count " + std::to_string(channels) + ".");
        return TEncodedShape{rate, channels};
    };
    switch (f.Code) {
    case afWav:
        if (f.WavBits != 8 && f.WavBits != 16 && f.WavBits != 24 && f.WavBits != 32)
            throw EAudioError("Invalid WAV sample size " + std::to_string(f.WavBits) + " bits.");
        return check(f.WavSampleRate, f.WavChannels);
    case afMp3:
        if (f.UseLameSettings && f.Lame.UsePreset) {
            auto p = mp3_presets::Get(f.Lame.Preset);
            return check(p.SampleRate, p.Channels);
        }
        mp3_presets::RequireSampleRate(f.Mp3SampleRate);
        if (f.UseLameSettings) {
            // The encoder would take any quality outside its scale as the nearest end of it (or worse).
            if (f.Lame.BitRateMode != 4 && (f.Lame.VBRQuality < 0 || f.Lame.VBRQuality > 9))
                throw EAudioError("Invalid MP3 variable bit rate quality " +
                                  std::to_string(f.Lame.VBRQuality) +
                                  ": the quality goes from 0 (best) to 9.");
            return check(f.Mp3SampleRate, f.Lame.Channels);
        }
        if (!mp3_presets::BitRateAllowed(f.Mp3SampleRate, f.Mp3BitRate))
            throw EAudioError("Invalid MP3 bit rate " + std::to_string(f.Mp3BitRate) + " kbps at " +
                              audio_text::Thousands(f.Mp3SampleRate) + " Hz.");
        return check(f.Mp3SampleRate, f.Mp3Channels);
    case afOgg:
        return check(f.OggSampleRate, f.OggChannels);
    case afWma: {
        auto p = wma_profiles::Get(f.WmaProfile);
        return check(p.SampleRate, p.Channels);
    }
    }
    throw EAudioError("Unknown file format code " + std::to_string(f.Code) + ".");
}

void ThrowWriteError(const TEncoderTarget& target, const std::string& reason) {
    throw EAudioError("Cannot write \"" + target.ShownName + "\": " + reason + ".");
}

void ThrowWriteError(const TEncoderTarget& target, int error) {
    ThrowWriteError(target, std::strerror(error));
}

std::unique_ptr<TAudioEncoder> MakeAudioEncoder(const TOutputFormat& format, const TEncoderTarget& target,
                                                const TAudioTags& tags) {
    TEncodedShape shape = EncodedShape(format);
    switch (format.Code) {
    case afWav:
        return MakeWavEncoder(target, shape.SampleRate, shape.Channels, format.WavBits, tags);
    case afMp3:
        return MakeMp3Encoder(format, target, tags);
    case afOgg:
        return MakeOggEncoder(format, target, tags);
    default:
        return MakeWmaEncoder(format, target, tags);
    }
}
