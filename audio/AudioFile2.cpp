#include "audio/AudioFile2.h"

#include "audio/AudioDecoder.h"
#include "audio/AudioEncoder.h"
#include "audio/AudioError.h"
#include "audio/AudioWriter.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>

TAudioFile2::TAudioFile2() = default;
TAudioFile2::~TAudioFile2() = default;

void TAudioFile2::Open(const std::string& path, int, int) {
    FReader.reset();
    FLength = -1;
    FReader = std::make_unique<TAudioDecoder>(path);
    FReadPath = path;
}

namespace audio_file_detail {
TAudioDecoder& Reader(const std::unique_ptr<TAudioDecoder>& reader) {
    if (!reader) throw EAudioError("No file is open for reading.");
    return *reader;
}
} // namespace audio_file_detail

std::vector<float> TAudioFile2::Read(std::int64_t count) {
    TAudioDecoder& reader = audio_file_detail::Reader(FReader);
    std::int64_t frames = std::max<std::int64_t>(1, count / reader.Channels());
    std::vector<float> block(std::size_t(frames) * reader.Channels());
    std::int64_t got = reader.Read(block.data(), frames);
    block.resize(std::size_t(got) * reader.Channels());
    return block;
}

std::int64_t TAudioFile2::GetLength() const {
    const TAudioDecoder& reader = audio_file_detail::Reader(FReader);
    if (FLength >= 0) return FLength;
    if (reader.LengthIsExact()) return FLength = reader.LengthFrames();
    // A decoder of its own, so that the reader's place in the file stays where it is.
    TAudioDecoder counter(FReadPath);
    std::vector<float> scratch(std::size_t(65536) * counter.Channels());
    std::int64_t frames = 0;
    while (std::int64_t n = counter.Read(scratch.data(), 65536))
        frames += n;
    return FLength = frames;
}
int TAudioFile2::GetSampleRate() const {
    return audio_file_detail::Reader(FReader).SampleRate();
}
int TAudioFile2::GetChannels() const {
    return audio_file_detail::Reader(FReader).SourceChannels();
}
int TAudioFile2::GetBits() const {
    return audio_file_detail::Reader(FReader).BitsPerSample();
}
int TAudioFile2::GetBitRate() const {
    return audio_file_detail::Reader(FReader).BitRate();
}
int TAudioFile2::GetDecodedSampleRate() const {
    return audio_file_detail::Reader(FReader).SampleRate();
}
int TAudioFile2::GetDecodedChannels() const {
    return audio_file_detail::Reader(FReader).Channels();
}

void TAudioFile2::SetInputFormat(int sampleRate, int channels) {
    FInputRate = sampleRate;
    FInputChannels = channels;
}

void TAudioFile2::SetWAV(int sampleRate, int channels, int bits) {
    FFormat.Code = afWav;
    FFormat.WavSampleRate = sampleRate;
    FFormat.WavChannels = channels;
    FFormat.WavBits = bits;
}

void TAudioFile2::SetWAVFormatOfFile(const std::string& path) {
    TAudioDecoder source(path);
    int bits = source.BitsPerSample();
    bits = bits <= 8 ? 8 : bits <= 16 ? 16 : bits <= 24 ? 24 : 32;
    SetWAV(source.SampleRate(), source.Channels(), bits);
}

void TAudioFile2::SetMP3CBR(int sampleRate, int kbps, int channels, int channelMode) {
    FFormat.Mp3ChannelMode = channelMode;
    FFormat.Code = afMp3;
    FFormat.UseLameSettings = false;
    FFormat.Mp3SampleRate = sampleRate;
    FFormat.Mp3BitRate = kbps;
    FFormat.Mp3Channels = channels;
}

void TAudioFile2::SetMP3(const TAudioFile2LameEnc& settings) {
    FFormat.Code = afMp3;
    FFormat.UseLameSettings = true;
    FFormat.Mp3SampleRate = 44100;
    FFormat.Lame = settings.Settings();
}

void TAudioFile2::SetOGG(int sampleRate, int channels, int kbps, int, int, int quality) {
    FFormat.Code = afOgg;
    FFormat.OggSampleRate = sampleRate;
    FFormat.OggChannels = channels;
    FFormat.OggBitRate = kbps;
    FFormat.OggQuality = quality;
}

void TAudioFile2::SetWMA(int profile) {
    FFormat.Code = afWma;
    FFormat.WmaProfile = profile;
}

bool TAudioFile2::CanWriteMP3(int sampleRate, int kbps, int channels) const {
    return (channels == 1 || channels == 2) && mp3_presets::BitRateAllowed(sampleRate, kbps);
}

bool TAudioFile2::CanWriteOGG(int sampleRate, int channels, int kbps, int, int) const {
    if (channels != 1 && channels != 2) return false;
    if (sampleRate < 1000 || sampleRate > 200000 || kbps <= 0) return false;
    vorbis_info info;
    vorbis_info_init(&info);
    int rc = vorbis_encode_setup_managed(&info, channels, sampleRate, -1, long(kbps) * 1000, -1);
    vorbis_info_clear(&info);
    return rc == 0;
}

void TAudioFile2::Create(const std::string& path, int) {
    FWriter.reset();
    // Without an input format the blocks come in the output's own rate and channel count.
    if (FInputRate <= 0 || FInputChannels <= 0) {
        TEncodedShape shape = EncodedShape(FFormat);
        FInputRate = shape.SampleRate;
        FInputChannels = shape.Channels;
    }
    FWriter = std::make_unique<TAudioWriter>(path, FFormat, FInputRate, FInputChannels, TAudioTags());
}

void TAudioFile2::Write(const std::vector<float>& samples) {
    if (!FWriter) throw EAudioError("No file is open for writing.");
    if (samples.size() % std::size_t(FInputChannels) != 0)
        throw EAudioError("The sample array does not hold whole frames.");
    FWriter->Write(samples.data(), std::int64_t(samples.size()) / FInputChannels);
}

void TAudioFile2::Close() {
    FReader.reset();
    if (FWriter) {
        std::unique_ptr<TAudioWriter> writer = std::move(FWriter);
        writer->Close();
    }
}
