// Encoders of the four output formats. Each takes interleaved float frames already at its own rate
// and channel count (EncodedShape) and writes a complete file at the target's path with the given tags.
#pragma once

#include "audio/AudioOutputFormat.h"
#include "audio/AudioTags.h"

#include <cstdint>
#include <memory>
#include <string>

class TAudioEncoder {
public:
    virtual ~TAudioEncoder() = default;
    virtual void Write(const float* interleaved, std::int64_t frames) = 0;
    // Writes what the encoder still holds and closes the file; raises EAudioError on failure.
    virtual void Finish() = 0;
};

// Where an encoder writes, and the name its messages give: a save writes a temporary file beside the
// user's file first, but a failure is reported against the user's file.
struct TEncoderTarget {
    std::string Path;
    std::string ShownName;
};

// Raises EAudioError "Cannot write "<shown name>": <reason>."
[[noreturn]] void ThrowWriteError(const TEncoderTarget& target, const std::string& reason);
// The same with the reason of the system error `error` (an errno value).
[[noreturn]] void ThrowWriteError(const TEncoderTarget& target, int error);

std::unique_ptr<TAudioEncoder> MakeAudioEncoder(const TOutputFormat& format, const TEncoderTarget& target,
                                                const TAudioTags& tags);

// The individual encoders, for the factory above.
std::unique_ptr<TAudioEncoder> MakeWavEncoder(const TEncoderTarget& target, int sampleRate, int channels,
                                              int bits, const TAudioTags& tags);
std::unique_ptr<TAudioEncoder> MakeMp3Encoder(const TOutputFormat& format, const TEncoderTarget& target,
                                              const TAudioTags& tags);
std::unique_ptr<TAudioEncoder> MakeOggEncoder(const TOutputFormat& format, const TEncoderTarget& target,
                                              const TAudioTags& tags);
std::unique_ptr<TAudioEncoder> MakeWmaEncoder(const TOutputFormat& format, const TEncoderTarget& target,
                                              const TAudioTags& tags);

namespace mp3_presets {
struct TPreset {
    int SampleRate, BitRate, Channels, ChannelMode; // ChannelMode as in TLameSettings
};
// Presets 1..11 of the MP3 settings object; raises EAudioError for any other number.
TPreset Get(int preset);
// Whether MP3 frames exist at this sample rate, and at this rate with this constant bit rate.
bool SampleRateAllowed(int sampleRate);
// Raises EAudioError naming the rates an MP3 file can have when sampleRate is not one of them.
void RequireSampleRate(int sampleRate);
bool BitRateAllowed(int sampleRate, int kbps);
} // namespace mp3_presets

namespace wma_profiles {
struct TProfile {
    int SampleRate, BitRate, Channels;
};
// The WMA profile numbers the format dialog offers; raises EAudioError for any other number.
TProfile Get(int profile);
} // namespace wma_profiles
