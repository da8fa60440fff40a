// Streams interleaved float frames of any rate and channel count into a file of the chosen output
// format, converting on the way. The file appears under its name only when Close succeeds.
#pragma once

#include "audio/AudioOutputFormat.h"
#include "audio/AudioTags.h"

#include <cstdint>
#include <memory>
#include <string>

class TAudioEncoder;
class TAudioResampler;
class TSafeFileTarget;

class TAudioWriter {
public:
    TAudioWriter(const std::string& path, const TOutputFormat& format, int inputRate, int inputChannels,
                 const TAudioTags& tags);
    ~TAudioWriter(); // an unclosed writer leaves the target as it was
    TAudioWriter(const TAudioWriter&) = delete;
    TAudioWriter& operator=(const TAudioWriter&) = delete;

    void Write(const float* interleaved, std::int64_t frames);
    void Close();

private:
    int FInputChannels, FOutputChannels;
    std::unique_ptr<TSafeFileTarget> FTarget;
    std::unique_ptr<TAudioResampler> FResampler;
    std::unique_ptr<TAudioEncoder> FEncoder;
};
