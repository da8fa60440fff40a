#include "audio/FrameConverter.h"

#include "audio/AudioError.h"

#include <algorithm>
#include <cstring>
#include <string>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

namespace frame_converter_detail {
// Integer samples of `channels` interleaved channels to float planes, as the converter library scales
// them (the sample less the offset, as a float, times the scale: exact for 8, 16 and 24 bits), without
// its set-up for every frame.
template <typename T>
void Spread(const std::uint8_t* data, int channels, int n, float* const* planes, int offset, float scale) {
    const T* in = reinterpret_cast<const T*>(data);
    for (int c = 0; c < channels; ++c) {
        float* out = planes[c];
        for (int i = 0; i < n; ++i)
            out[i] = static_cast<float>(static_cast<std::int32_t>(in[i * channels + c]) - offset) * scale;
    }
}
} // namespace frame_converter_detail

TFrameConverter::TFrameConverter(const AVCodecContext& codec, int outChannels, const char* path)
    : FOutChannels(outChannels), FSourceFormat(codec.sample_fmt),
      FSourceChannels(codec.ch_layout.nb_channels), FCodec(codec), FPath(path) {
    // A format that needs the converter library is refused when the file is opened, not halfway.
    const bool direct = (FSourceFormat == AV_SAMPLE_FMT_FLTP || FSourceFormat == AV_SAMPLE_FMT_FLT) &&
                        FSourceChannels == FOutChannels;
    if (!direct) FPlanar = Make(true);
}

TFrameConverter::~TFrameConverter() {
    if (FPlanar) swr_free(&FPlanar);
    if (FInterleaved) swr_free(&FInterleaved);
}

SwrContext* TFrameConverter::Make(bool planar) {
    SwrContext* swr = nullptr;
    AVChannelLayout inLayout{}, outLayout{}; // a copy frees what its target held: start empty
    if (FCodec.ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&inLayout, FSourceChannels);
    else
        av_channel_layout_copy(&inLayout, &FCodec.ch_layout);
    av_channel_layout_default(&outLayout, FOutChannels);
    int rc = swr_alloc_set_opts2(&swr, &outLayout, planar ? AV_SAMPLE_FMT_FLTP : AV_SAMPLE_FMT_FLT,
                                 FCodec.sample_rate, &inLayout, AVSampleFormat(FSourceFormat),
                                 FCodec.sample_rate, 0, nullptr);
    av_channel_layout_uninit(&inLayout);
    av_channel_layout_uninit(&outLayout);
    if (rc < 0 || swr_init(swr) < 0) {
        if (swr) swr_free(&swr);
        throw EAudioError(std::string("Cannot open \"") + FPath + "\": the sample format is not supported");
    }
    return swr;
}

void TFrameConverter::ToPlanar(const AVFrame& frame, float* const* planes) {
    const int n = frame.nb_samples;
    if (n <= 0) return;
    if (frame.format == AV_SAMPLE_FMT_FLTP && frame.ch_layout.nb_channels == FOutChannels) {
        for (int c = 0; c < FOutChannels; ++c)
            std::memcpy(planes[c], frame.extended_data[c], sizeof(float) * std::size_t(n));
        return;
    }
    if (frame.format == AV_SAMPLE_FMT_FLT && frame.ch_layout.nb_channels == FOutChannels) {
        const float* in = reinterpret_cast<const float*>(frame.data[0]);
        for (int c = 0; c < FOutChannels; ++c)
            for (int i = 0; i < n; ++i)
                planes[c][i] = in[i * FOutChannels + c];
        return;
    }
    if (frame.ch_layout.nb_channels == FOutChannels) {
        using frame_converter_detail::Spread;
        switch (frame.format) {
        case AV_SAMPLE_FMT_U8:
            Spread<std::uint8_t>(frame.data[0], FOutChannels, n, planes, 128, 1.0f / 128);
            return;
        case AV_SAMPLE_FMT_S16:
            Spread<std::int16_t>(frame.data[0], FOutChannels, n, planes, 0, 1.0f / 32768);
            return;
        case AV_SAMPLE_FMT_S32:
            Spread<std::int32_t>(frame.data[0], FOutChannels, n, planes, 0, 1.0f / 2147483648.0f);
            return;
        default:
            break;
        }
    }
    if (!FPlanar) FPlanar = Make(true);
    uint8_t* out[2] = {reinterpret_cast<uint8_t*>(planes[0]),
                       reinterpret_cast<uint8_t*>(planes[FOutChannels > 1 ? 1 : 0])};
    swr_convert(FPlanar, out, n, const_cast<const uint8_t**>(frame.extended_data), n);
}

void TFrameConverter::ToInterleaved(const AVFrame& frame, float* out) {
    const int n = frame.nb_samples;
    if (n <= 0) return;
    if (frame.format == AV_SAMPLE_FMT_FLTP && frame.ch_layout.nb_channels == FOutChannels) {
        for (int c = 0; c < FOutChannels; ++c) {
            const float* in = reinterpret_cast<const float*>(frame.extended_data[c]);
            for (int i = 0; i < n; ++i)
                out[i * FOutChannels + c] = in[i];
        }
        return;
    }
    if (!FInterleaved) FInterleaved = Make(false);
    uint8_t* planes[1] = {reinterpret_cast<uint8_t*>(out)};
    swr_convert(FInterleaved, planes, n, const_cast<const uint8_t**>(frame.extended_data), n);
}
