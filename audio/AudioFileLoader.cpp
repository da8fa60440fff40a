#include "audio/AudioFileLoader.h"

#include "audio/AudioDecoder.h"
#include "audio/AudioError.h"

#include <cstdlib>

std::string DefaultTempDirectory() {
    const char* folder = std::getenv("TMPDIR");
    return folder && *folder ? folder : "/tmp";
}

TLoadedAudio LoadAudioFile(const std::string& path, const TLoadOptions& options,
                           const TProgressFunc& progress) {
    TAudioDecoder decoder(path);
    TLoadedAudio result;
    result.SampleRate = decoder.SampleRate();
    result.Tags = decoder.Tags();
    result.Description = decoder.Description();
    std::int64_t expectedBytes = decoder.LengthFrames() * decoder.Channels() * std::int64_t(sizeof(float));
    if (options.Store)
        result.Store = options.Store;
    else if (expectedBytes > options.MemoryLimitBytes)
        result.Store = MakeFileBlockStore(options.TempDirectory.empty() ? DefaultTempDirectory()
                                                                        : options.TempDirectory);
    else
        result.Store = MakeMemoryBlockStore();
    TSequenceBuilder builder(result.Store, decoder.Channels());
    constexpr std::int64_t chunk = 32768;
    std::vector<float> buffer(chunk * decoder.Channels());
    int lastPercent = -1;
    while (true) {
        std::int64_t n = decoder.Read(buffer.data(), chunk);
        if (n == 0) break;
        builder.AppendInterleaved(buffer.data(), n);
        if (progress && decoder.LengthFrames() > 0) {
            int percent = int(std::min<std::int64_t>(100, builder.Frames() * 100 / decoder.LengthFrames()));
            if (percent != lastPercent) progress(lastPercent = percent);
        }
    }
    result.Samples = builder.Finish();
    if (result.Samples.Empty() && decoder.DecodeErrors() > 0)
        throw EAudioError("Cannot open \"" + path + "\": the file is damaged or its format is not supported");
    return result;
}
