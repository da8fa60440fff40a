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
    const std::string folder = options.TempDirectory.empty() ? DefaultTempDirectory() : options.TempDirectory;
    std::int64_t expectedBytes = decoder.LengthFrames() * decoder.Channels() * std::int64_t(sizeof(float));
    if (options.Store)
        result.Store = options.Store;
    else if (expectedBytes > options.MemoryLimitBytes)
        result.Store = MakeFileBlockStore(folder);
    else
        result.Store = MakeMemoryBlockStore(folder);
    result.Samples = decoder.ReadAll(result.Store, progress, options.Split);
    if (result.Samples.Empty() && decoder.DecodeErrors() > 0)
        throw EAudioError("Cannot open \"" + path + "\": the file is damaged or its format is not supported");
    return result;
}
