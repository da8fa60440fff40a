#include "audio/AudioDecoder.h"

#include "audio/AudioError.h"
#include "audio/AudioText.h"
#include "audio/ExactLength.h"
#include "audio/FfmpegLog.h"
#include "audio/FrameConverter.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/opt.h>
}

namespace decoder_detail {

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

std::string Extension(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return "";
    return Lower(path.substr(dot));
}

std::string AvError(int code) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return text;
}

// A file named as headerless audio that starts like a container is read as that container.
bool HasContainerSignature(const std::string& path) {
    unsigned char head[16] = {};
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    std::size_t n = std::fread(head, 1, sizeof head, file);
    std::fclose(file);
    auto starts = [&](const char* magic, std::size_t size) {
        return n >= size && std::memcmp(head, magic, size) == 0;
    };
    static const unsigned char asf[4] = {0x30, 0x26, 0xB2, 0x75};
    return starts("RIFF", 4) || starts("FORM", 4) || starts("OggS", 4) || starts("ID3", 3) ||
           starts("fLaC", 4) || starts("MPCK", 4) || starts("MP+", 3) ||
           (n >= 4 && std::memcmp(head, asf, 4) == 0);
}

// A RIFF WAVE file.
bool IsWaveFile(const std::string& path) {
    unsigned char head[12] = {};
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    const std::size_t n = std::fread(head, 1, sizeof head, file);
    std::fclose(file);
    return n == sizeof head && std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WAVE", 4) == 0;
}

// Headerless telephony files: the codec and its settings come from the extension alone; all are
// 8000 Hz mono.
struct THeaderless {
    AVCodecID Codec;
    int BitsPerCodedSample;
};
bool HeaderlessFormat(const std::string& ext, THeaderless& out) {
    if (ext == ".raw")
        out = {AV_CODEC_ID_PCM_S16LE, 16};
    else if (ext == ".vox")
        out = {AV_CODEC_ID_ADPCM_IMA_OKI, 4};
    else if (ext == ".g721" || ext == ".g726")
        out = {AV_CODEC_ID_ADPCM_G726LE, 4};
    else if (ext == ".g723")
        out = {AV_CODEC_ID_ADPCM_G726LE, 3};
    else
        return false;
    return true;
}

} // namespace decoder_detail

struct TAudioDecoder::TImpl {
    std::string Path;
    AVFormatContext* Format = nullptr;
    AVCodecContext* Codec = nullptr;
    std::unique_ptr<TFrameConverter> Converter;
    AVPacket* Packet = nullptr;
    AVFrame* Frame = nullptr;
    int StreamIndex = -1;
    // Headerless files are read in chunks straight into the decoder.
    std::FILE* RawFile = nullptr;
    std::int64_t RawBytes = 0;
    int RawChunk = 0;

    int OutChannels = 2;
    int SourceChannels = 0;
    int Bits = 16;
    int BitRate = 0;
    std::int64_t Length = 0;
    // The exact length a writer stored where the codec pads the end; -1 when none was stored.
    std::int64_t FrameLimit = -1;
    std::int64_t Delivered = 0; // frames handed out by Read
    std::string Description;
    TAudioTags Tags;
    std::vector<float> Pending; // decoded; [PendingStart, end) not yet handed out
    std::size_t PendingStart = 0;
    bool InputDone = false, DecoderDone = false;
    int Errors = 0;

    ~TImpl() {
        Converter.reset();
        if (Codec) avcodec_free_context(&Codec);
        if (Format) avformat_close_input(&Format);
        if (Packet) av_packet_free(&Packet);
        if (Frame) av_frame_free(&Frame);
        if (RawFile) std::fclose(RawFile);
    }

    [[noreturn]] void Fail(const std::string& why) const {
        throw EAudioError("Cannot open \"" + Path + "\": " + why);
    }

    void ReadTags(AVDictionary* dict) {
        auto get = [&](const char* key, std::string& into) {
            if (!into.empty()) return;
            if (AVDictionaryEntry* e = av_dict_get(dict, key, nullptr, 0)) into = e->value;
        };
        get("title", Tags.Title);
        get("artist", Tags.Artist);
        get("album", Tags.Album);
        get("date", Tags.Year);
        get("year", Tags.Year);
        get("comment", Tags.Comment);
        get("ICMT", Tags.Comment);
        std::string genre;
        get("genre", genre);
        if (Tags.Genre < 0 && !genre.empty()) Tags.Genre = audio_genres::Find(genre);
        if (Tags.Year.size() > 4 && std::isdigit(static_cast<unsigned char>(Tags.Year[0])))
            Tags.Year = Tags.Year.substr(0, 4); // a full date keeps its year
    }

    void OpenCodec(const AVCodec* codec, const AVCodecParameters* params) {
        Codec = avcodec_alloc_context3(codec);
        if (!Codec) Fail("out of memory");
        if (params && avcodec_parameters_to_context(Codec, params) < 0)
            Fail("the stream parameters are invalid");
        int rc = avcodec_open2(Codec, codec, nullptr);
        if (rc < 0) Fail("the decoder cannot start (" + decoder_detail::AvError(rc) + ")");
    }

    void SetupConverter() {
        SourceChannels = Codec->ch_layout.nb_channels;
        if (SourceChannels <= 0 || Codec->sample_rate <= 0)
            Fail("the file is damaged or its format is not supported");
        OutChannels = SourceChannels == 1 ? 1 : 2;
        Converter = std::make_unique<TFrameConverter>(*Codec, OutChannels, Path.c_str());
    }

    // What keeps a path from being read as a sound file, said plainly; empty when nothing does.
    static std::string Unreadable(const std::string& path) {
        struct stat info {};
        if (stat(path.c_str(), &info) != 0)
            return errno == ENOENT ? "the file does not exist" : std::strerror(errno);
        if (S_ISDIR(info.st_mode)) return "it is a folder, not a file";
        if (access(path.c_str(), R_OK) != 0) return std::strerror(errno);
        if (S_ISREG(info.st_mode) && info.st_size == 0) return "the file is empty";
        return "";
    }

    void Open(const std::string& path) {
        ffmpeg_log::Quiet();
        Path = path;
        if (std::string why = Unreadable(path); !why.empty()) Fail(why);
        Packet = av_packet_alloc();
        Frame = av_frame_alloc();
        std::string ext = decoder_detail::Extension(path);
        decoder_detail::THeaderless headerless;
        if (HeaderlessFormat(ext, headerless) && !decoder_detail::HasContainerSignature(path)) {
            OpenHeaderless(headerless);
            return;
        }
        AVDictionary* options = nullptr;
        if (decoder_detail::IsWaveFile(path)) {
            // Plain samples come in packets of 4 KB unless asked otherwise: a packet costs an
            // allocation and a pass through the reader, so they are read in packets of 64 KB. And the
            // reader looks for other codecs' data in plain samples over its whole probe size (5 MB),
            // which took about 90 ms a file; the start of the data is as good a place to look.
            av_dict_set(&options, "max_size", "65536", 0);
            av_dict_set(&options, "probesize", "65536", 0);
        }
        int rc = avformat_open_input(&Format, path.c_str(), nullptr, &options);
        av_dict_free(&options);
        if (rc < 0)
            Fail(rc == AVERROR(ENOENT) ? "the file does not exist"
                                       : "the file is damaged or its format is not supported");
        if (avformat_find_stream_info(Format, nullptr) < 0)
            Fail("the file is damaged or its format is not supported");
        const AVCodec* codec = nullptr;
        StreamIndex = av_find_best_stream(Format, AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
        if (StreamIndex < 0 || !codec) Fail("the file holds no sound that can be decoded");
        AVStream* stream = Format->streams[StreamIndex];
        OpenCodec(codec, stream->codecpar);
        SetupConverter();
        ReadTags(Format->metadata);
        ReadTags(stream->metadata);
        // Plain samples keep their size; compressed and ADPCM streams count as 16-bit sound.
        int coded = av_get_bits_per_sample(stream->codecpar->codec_id);
        int raw = stream->codecpar->bits_per_raw_sample;
        Bits = coded >= 8 ? coded : (coded == 0 && raw >= 8 && raw <= 32 ? raw : 16);
        BitRate = int(stream->codecpar->bit_rate > 0 ? stream->codecpar->bit_rate : Format->bit_rate);
        if (stream->duration > 0 && stream->duration != AV_NOPTS_VALUE)
            Length = av_rescale_q(stream->duration, stream->time_base, AVRational{1, Codec->sample_rate});
        else if (Format->duration > 0)
            Length = av_rescale(Format->duration, Codec->sample_rate, AV_TIME_BASE);
        if (AVDictionaryEntry* exact = av_dict_get(Format->metadata, exact_length::Key, nullptr, 0))
            FrameLimit = exact_length::Parse(exact->value);
        if (FrameLimit >= 0) Length = FrameLimit;
        Describe(codec->long_name ? codec->long_name : codec->name);
    }

    void OpenHeaderless(const decoder_detail::THeaderless& h) {
        RawFile = std::fopen(Path.c_str(), "rb");
        if (!RawFile) Fail(errno == ENOENT ? "the file does not exist" : std::strerror(errno));
        std::fseek(RawFile, 0, SEEK_END);
        RawBytes = std::ftell(RawFile);
        std::fseek(RawFile, 0, SEEK_SET);
        const AVCodec* codec = avcodec_find_decoder(h.Codec);
        if (!codec) Fail("no decoder for this format");
        Codec = avcodec_alloc_context3(codec);
        Codec->sample_rate = 8000;
        av_channel_layout_default(&Codec->ch_layout, 1);
        Codec->bits_per_coded_sample = h.BitsPerCodedSample;
        int rc = avcodec_open2(Codec, codec, nullptr);
        if (rc < 0) Fail("the decoder cannot start (" + decoder_detail::AvError(rc) + ")");
        SetupConverter();
        // Chunks hold whole groups of codes (a 3-bit group is 3 bytes for 8 samples).
        RawChunk = 4096 * h.BitsPerCodedSample;
        BitRate = 8000 * h.BitsPerCodedSample;
        Bits = 16; // 16-bit samples, or ADPCM that stands for them
        Length = RawBytes * 8 / h.BitsPerCodedSample;
        Describe(codec->long_name ? codec->long_name : codec->name);
    }

    void Describe(const std::string& codecName) {
        Description = codecName + ", " + audio_text::Thousands(Codec->sample_rate) + " Hz, ";
        if (BitRate > 0 && av_get_bits_per_sample(Codec->codec_id) == 0)
            Description += std::to_string((BitRate + 500) / 1000) + " kbps, ";
        else
            Description += std::to_string(Bits) + " bits, ";
        Description += SourceChannels == 1   ? "Mono"
                       : SourceChannels == 2 ? "Stereo"
                                             : std::to_string(SourceChannels) + " Channels";
    }

    // Feeds the decoder one more packet; false when the input has ended.
    bool FeedPacket() {
        if (RawFile) {
            av_packet_unref(Packet);
            if (av_new_packet(Packet, RawChunk) < 0)
                throw EAudioError("Out of memory while decoding \"" + Path + "\".");
            std::size_t n = std::fread(Packet->data, 1, std::size_t(RawChunk), RawFile);
            if (n == 0) return false;
            Packet->size = int(n);
            if (avcodec_send_packet(Codec, Packet) < 0) ++Errors;
            return true;
        }
        while (true) {
            av_packet_unref(Packet);
            int rc = av_read_frame(Format, Packet);
            if (rc < 0) return false;
            if (Packet->stream_index != StreamIndex) continue;
            // A damaged packet is skipped, as players do; the rest of the file still decodes.
            if (avcodec_send_packet(Codec, Packet) < 0) ++Errors;
            return true;
        }
    }

    void Convert(const AVFrame& frame) {
        if (frame.nb_samples <= 0) return;
        // Handed-out samples are dropped before the buffer grows.
        if (PendingStart > 0) {
            Pending.erase(Pending.begin(), Pending.begin() + std::ptrdiff_t(PendingStart));
            PendingStart = 0;
        }
        std::size_t base = Pending.size();
        Pending.resize(base + std::size_t(frame.nb_samples) * OutChannels);
        Converter->ToInterleaved(frame, Pending.data() + base);
    }

    // Decodes until at least `samples` values are pending or the file is done.
    void Fill(std::size_t samples) {
        while (Pending.size() - PendingStart < samples && !DecoderDone) {
            int rc = avcodec_receive_frame(Codec, Frame);
            if (rc == 0) {
                Convert(*Frame);
                av_frame_unref(Frame);
                continue;
            }
            if (rc == AVERROR_EOF) {
                DecoderDone = true;
                break;
            }
            if (rc != AVERROR(EAGAIN)) {
                ++Errors; // an undecodable stretch: dropped, decoding goes on with the next packet
                if (InputDone) {
                    DecoderDone = true;
                    break;
                }
            }
            if (InputDone) continue;
            if (!FeedPacket()) {
                InputDone = true;
                avcodec_send_packet(Codec, nullptr);
            }
        }
    }
};

TAudioDecoder::TAudioDecoder(const std::string& path) : FImpl(std::make_unique<TImpl>()) {
    FImpl->Open(path);
}

TAudioDecoder::~TAudioDecoder() = default;

int TAudioDecoder::SampleRate() const {
    return FImpl->Codec->sample_rate;
}
int TAudioDecoder::Channels() const {
    return FImpl->OutChannels;
}
int TAudioDecoder::SourceChannels() const {
    return FImpl->SourceChannels;
}
int TAudioDecoder::BitsPerSample() const {
    return FImpl->Bits;
}
int TAudioDecoder::BitRate() const {
    return FImpl->BitRate;
}
std::int64_t TAudioDecoder::LengthFrames() const {
    return FImpl->Length;
}
bool TAudioDecoder::LengthIsExact() const {
    const TImpl& d = *FImpl;
    if (d.RawFile || d.FrameLimit >= 0) return true;
    const AVCodecID id = d.Codec->codec_id;
    const bool stated = d.Format->streams[d.StreamIndex]->duration > 0;
    return av_get_bits_per_sample(id) > 0 || (stated && (id == AV_CODEC_ID_FLAC || id == AV_CODEC_ID_ALAC));
}
std::string TAudioDecoder::Description() const {
    return FImpl->Description;
}
const TAudioTags& TAudioDecoder::Tags() const {
    return FImpl->Tags;
}
int TAudioDecoder::DecodeErrors() const {
    return FImpl->Errors;
}

std::int64_t TAudioDecoder::Read(float* dst, std::int64_t frames) {
    if (FImpl->FrameLimit >= 0) frames = std::min(frames, FImpl->FrameLimit - FImpl->Delivered);
    if (frames <= 0) return 0;
    const std::size_t want = std::size_t(frames) * FImpl->OutChannels;
    FImpl->Fill(want);
    std::size_t n = std::min(want, FImpl->Pending.size() - FImpl->PendingStart);
    n -= n % FImpl->OutChannels;
    std::copy_n(FImpl->Pending.begin() + std::ptrdiff_t(FImpl->PendingStart), n, dst);
    FImpl->PendingStart += n;
    FImpl->Delivered += std::int64_t(n) / FImpl->OutChannels;
    return std::int64_t(n) / FImpl->OutChannels;
}

TSampleSequence TAudioDecoder::ReadAll(const std::shared_ptr<TBlockStore>& store,
                                       const TProgressFunc& progress, const TDecodeSplit& split) {
    TImpl& d = *FImpl;
    const bool untouched = d.Delivered == 0 && d.Pending.empty() && !d.InputDone;
    TSampleSequence result(d.OutChannels);
    if (untouched && !d.RawFile && CanDecodeInChunks(*d.Format->streams[d.StreamIndex]->codecpar)) {
        TChunkSource source{d.Path, d.Format, d.StreamIndex, d.Codec->codec, d.OutChannels, d.Length};
        result = DecodeInChunks(source, store, split, progress, d.Errors);
        d.InputDone = d.DecoderDone = true;
        if (d.FrameLimit >= 0 && result.Frames() > d.FrameLimit) result = result.Sub(0, d.FrameLimit);
        d.Delivered = result.Frames();
    } else {
        TSequenceBuilder builder(store, d.OutChannels);
        constexpr std::int64_t chunk = 32768;
        std::vector<float> buffer(chunk * d.OutChannels);
        int lastPercent = -1;
        while (std::int64_t n = Read(buffer.data(), chunk)) {
            builder.AppendInterleaved(buffer.data(), n);
            if (progress && d.Length > 0) {
                int percent = int(std::min<std::int64_t>(99, d.Delivered * 100 / d.Length));
                if (percent > lastPercent) progress(lastPercent = percent);
            }
        }
        result = builder.Finish();
    }
    if (progress) progress(100);
    return result;
}
