// WMA writer over FFmpeg (version 2 codec in an ASF container) with the profile's rate, channels and
// bit rate; tags as ASF metadata. The codec's first frame only primes the decoder, which gives out
// nothing for it: a frame of silence goes first, so the decoded sound starts with the first sample
// written; and as decoders give out whole frames, the exact length is stored with the tags.
#include "audio/AudioEncoder.h"
#include "audio/AudioError.h"
#include "audio/ExactLength.h"
#include "audio/FfmpegLog.h"

#include <algorithm>
#include <cmath>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libavutil/channel_layout.h>
}

namespace wma_encoder_detail {

class TWmaEncoder final : public TAudioEncoder {
public:
    TWmaEncoder(const TOutputFormat& f, const TEncoderTarget& target, const TAudioTags& tags)
        : FTarget(target) {
        // A constructor that fails runs no destructor: what was made so far is released here.
        try {
            Start(f, target.Path, tags);
        } catch (...) {
            Release();
            throw;
        }
    }
    ~TWmaEncoder() override { Release(); }

    void Write(const float* in, std::int64_t frames) override {
        std::vector<float> planar(std::size_t(frames) * FChannels);
        for (std::int64_t i = 0; i < frames; ++i)
            for (int c = 0; c < FChannels; ++c)
                planar[c * frames + i] = std::isfinite(in[i * FChannels + c])
                                             ? std::clamp(in[i * FChannels + c], -1.0f, 1.0f)
                                             : 0.0f;
        void* planes[2] = {planar.data(), planar.data() + (FChannels > 1 ? frames : 0)};
        Queue(planes, frames);
        FFrames += frames;
    }

    void Finish() override {
        if (av_audio_fifo_size(FFifo) > 0) EncodeFrame(av_audio_fifo_size(FFifo));
        Send(nullptr);
        // The header is written again at the end, now with the final length (of the same size).
        av_dict_set(&FFormat->metadata, exact_length::Key, exact_length::Format(FFrames).c_str(), 0);
        int rc = av_write_trailer(FFormat);
        if (rc >= 0 && FFormat->pb->error < 0) rc = FFormat->pb->error;
        int closed = avio_closep(&FFormat->pb);
        Check(rc < 0 ? rc : closed);
    }

private:
    void Start(const TOutputFormat& f, const std::string& path, const TAudioTags& tags) {
        ffmpeg_log::Quiet();
        wma_profiles::TProfile profile = wma_profiles::Get(f.WmaProfile);
        FChannels = profile.Channels;
        if (avformat_alloc_output_context2(&FFormat, nullptr, "asf", path.c_str()) < 0 || !FFormat)
            throw EAudioError("Cannot start the WMA writer.");
        const AVCodec* codec = avcodec_find_encoder(AV_CODEC_ID_WMAV2);
        if (!codec) throw EAudioError("No WMA encoder is available.");
        FStream = avformat_new_stream(FFormat, nullptr);
        FCodec = avcodec_alloc_context3(codec);
        if (!FStream || !FCodec) throw EAudioError("Cannot start the WMA writer.");
        FCodec->sample_rate = profile.SampleRate;
        av_channel_layout_default(&FCodec->ch_layout, FChannels);
        FCodec->sample_fmt = AV_SAMPLE_FMT_FLTP;
        FCodec->bit_rate = profile.BitRate;
        FCodec->time_base = AVRational{1, profile.SampleRate};
        if (FFormat->oformat->flags & AVFMT_GLOBALHEADER) FCodec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
        if (int rc = avcodec_open2(FCodec, codec, nullptr); rc < 0) {
            char text[AV_ERROR_MAX_STRING_SIZE] = {};
            av_strerror(rc, text, sizeof text);
            throw EAudioError(std::string("The WMA encoder does not accept this profile: ") + text + ".");
        }
        avcodec_parameters_from_context(FStream->codecpar, FCodec);
        FStream->time_base = FCodec->time_base;
        auto set = [&](const char* key, const std::string& value) {
            if (!value.empty()) av_dict_set(&FFormat->metadata, key, value.c_str(), 0);
        };
        set("title", tags.Title);
        set("author", tags.Artist);
        set("album", tags.Album);
        set("date", tags.Year);
        set("comment", tags.Comment);
        set("genre", audio_genres::Name(tags.Genre));
        av_dict_set(&FFormat->metadata, exact_length::Key, exact_length::Format(0).c_str(), 0);
        Check(avio_open(&FFormat->pb, path.c_str(), AVIO_FLAG_WRITE));
        Check(avformat_write_header(FFormat, nullptr));
        FFifo = av_audio_fifo_alloc(AV_SAMPLE_FMT_FLTP, FChannels, FCodec->frame_size * 4);
        FFrame = av_frame_alloc();
        FPacket = av_packet_alloc();
        if (!FFifo || !FFrame || !FPacket)
            throw EAudioError("Out of memory while writing \"" + FTarget.ShownName + "\".");
        std::vector<float> priming(std::size_t(FCodec->frame_size) * FChannels, 0.0f);
        void* planes[2] = {priming.data(), priming.data() + (FChannels > 1 ? FCodec->frame_size : 0)};
        Queue(planes, FCodec->frame_size);
    }
    void Queue(void* const* planes, std::int64_t frames) {
        if (av_audio_fifo_write(FFifo, const_cast<void**>(planes), int(frames)) < frames)
            throw EAudioError("Out of memory while writing \"" + FTarget.ShownName + "\".");
        while (av_audio_fifo_size(FFifo) >= FCodec->frame_size)
            EncodeFrame(FCodec->frame_size);
    }
    // Raises the writing error with its reason (a full disk, for example) for a failed library call.
    void Check(int rc) const {
        if (rc >= 0) return;
        char text[AV_ERROR_MAX_STRING_SIZE] = {};
        av_strerror(rc, text, sizeof text);
        ThrowWriteError(FTarget, text);
    }
    void Release() {
        if (FFifo) av_audio_fifo_free(FFifo);
        if (FFrame) av_frame_free(&FFrame);
        if (FPacket) av_packet_free(&FPacket);
        if (FCodec) avcodec_free_context(&FCodec);
        if (FFormat) {
            if (FFormat->pb) avio_closep(&FFormat->pb);
            avformat_free_context(FFormat);
        }
    }
    void EncodeFrame(int samples) {
        av_frame_unref(FFrame);
        FFrame->nb_samples = FCodec->frame_size; // the last frame is padded with silence
        FFrame->format = FCodec->sample_fmt;
        av_channel_layout_copy(&FFrame->ch_layout, &FCodec->ch_layout);
        FFrame->sample_rate = FCodec->sample_rate;
        if (av_frame_get_buffer(FFrame, 0) < 0)
            throw EAudioError("Out of memory while writing \"" + FTarget.ShownName + "\".");
        for (int c = 0; c < FChannels; ++c)
            std::fill_n(reinterpret_cast<float*>(FFrame->data[c]), FCodec->frame_size, 0.0f);
        av_audio_fifo_read(FFifo, reinterpret_cast<void**>(FFrame->data), samples);
        FFrame->pts = FNextPts;
        FNextPts += FCodec->frame_size;
        Send(FFrame);
    }
    void Send(AVFrame* frame) {
        if (avcodec_send_frame(FCodec, frame) < 0) throw EAudioError("The WMA encoder failed.");
        while (avcodec_receive_packet(FCodec, FPacket) == 0) {
            av_packet_rescale_ts(FPacket, FCodec->time_base, FStream->time_base);
            FPacket->stream_index = FStream->index;
            Check(av_interleaved_write_frame(FFormat, FPacket));
        }
    }

    TEncoderTarget FTarget;
    int FChannels = 2;
    AVFormatContext* FFormat = nullptr;
    AVStream* FStream = nullptr;
    AVCodecContext* FCodec = nullptr;
    AVAudioFifo* FFifo = nullptr;
    AVFrame* FFrame = nullptr;
    AVPacket* FPacket = nullptr;
    std::int64_t FNextPts = 0;
    std::int64_t FFrames = 0; // of the sound, without the priming frame
};

} // namespace wma_encoder_detail

std::unique_ptr<TAudioEncoder> MakeWmaEncoder(const TOutputFormat& format, const TEncoderTarget& target,
                                              const TAudioTags& tags) {
    return std::make_unique<wma_encoder_detail::TWmaEncoder>(format, target, tags);
}
