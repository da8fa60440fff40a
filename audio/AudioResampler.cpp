#include "audio/AudioResampler.h"

#include "audio/AudioError.h"

#include <soxr.h>

TAudioResampler::TAudioResampler(int inRate, int outRate, int channels)
    : FInRate(inRate), FOutRate(outRate), FChannels(channels) {
    if (inRate <= 0 || outRate <= 0 || channels <= 0)
        throw EAudioError("Invalid sample rate or channel count.");
    if (Passthrough()) return;
    soxr_error_t error = nullptr;
    soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    soxr_quality_spec_t quality = soxr_quality_spec(SOXR_VHQ, 0);
    FHandle = soxr_create(inRate, outRate, channels, &error, &io, &quality, nullptr);
    if (error) throw EAudioError(std::string("Cannot convert the sample rate: ") + error);
}

TAudioResampler::~TAudioResampler() {
    if (FHandle) soxr_delete(static_cast<soxr_t>(FHandle));
}

void TAudioResampler::Process(const float* in, std::int64_t frames, std::vector<float>& out) {
    if (Passthrough()) {
        out.insert(out.end(), in, in + frames * FChannels);
        return;
    }
    while (frames > 0 || in == nullptr) {
        std::size_t outCapacity = std::size_t(double(frames) * FOutRate / FInRate) + 1024;
        std::size_t base = out.size();
        out.resize(base + outCapacity * FChannels);
        std::size_t used = 0, produced = 0;
        soxr_error_t error = soxr_process(static_cast<soxr_t>(FHandle), in, in ? std::size_t(frames) : 0,
                                          &used, out.data() + base, outCapacity, &produced);
        if (error) throw EAudioError(std::string("Cannot convert the sample rate: ") + error);
        out.resize(base + produced * FChannels);
        if (in == nullptr) {
            if (produced == 0) break;
            continue;
        }
        in += used * FChannels;
        frames -= std::int64_t(used);
    }
}

void TAudioResampler::Flush(std::vector<float>& out) {
    if (!Passthrough()) Process(nullptr, 0, out);
}

std::vector<float> ConvertChannels(const float* in, std::int64_t frames, int inChannels, int outChannels) {
    std::vector<float> out(frames * outChannels);
    if (inChannels == outChannels) {
        std::copy_n(in, frames * inChannels, out.data());
    } else if (outChannels == 1) {
        for (std::int64_t i = 0; i < frames; ++i) {
            float sum = 0;
            for (int c = 0; c < inChannels; ++c)
                sum += in[i * inChannels + c];
            out[i] = sum / float(inChannels);
        }
    } else if (inChannels == 1) {
        for (std::int64_t i = 0; i < frames; ++i)
            for (int c = 0; c < outChannels; ++c)
                out[i * outChannels + c] = in[i];
    } else {
        for (std::int64_t i = 0; i < frames; ++i)
            for (int c = 0; c < inChannels; ++c)
                out[i * outChannels + c % outChannels] +=
                    in[i * inChannels + c] * (outChannels / float(inChannels));
    }
    return out;
}

TSampleSequence ConvertSequence(const TSampleSequence& source, int inRate, int outRate, int outChannels,
                                const std::shared_ptr<TBlockStore>& store, const TProgressFunc& progress) {
    if (inRate == outRate && source.Channels() == outChannels) return source;
    const int inChannels = source.Channels();
    TAudioResampler resampler(inRate, outRate, outChannels);
    TSequenceBuilder builder(store, outChannels);
    std::vector<float> in, out;
    constexpr std::int64_t chunk = 65536;
    const std::int64_t total = source.Frames();
    int lastPercent = -1;
    for (std::int64_t pos = 0; pos < total; pos += chunk) {
        std::int64_t n = std::min(chunk, total - pos);
        in.resize(n * inChannels);
        source.ReadInterleaved(pos, n, in.data());
        std::vector<float> mixed = ConvertChannels(in.data(), n, inChannels, outChannels);
        out.clear();
        resampler.Process(mixed.data(), n, out);
        builder.AppendInterleaved(out.data(), std::int64_t(out.size()) / outChannels);
        int percent = int((pos + n) * 100 / std::max<std::int64_t>(1, total));
        if (progress && percent != lastPercent) progress(lastPercent = percent);
    }
    out.clear();
    resampler.Flush(out);
    builder.AppendInterleaved(out.data(), std::int64_t(out.size()) / outChannels);
    // The converter's own delay may leave a few frames more or less than the exact ratio.
    TSampleSequence result = builder.Finish();
    std::int64_t expected = std::int64_t((static_cast<__int128>(total) * outRate + inRate / 2) / inRate);
    if (result.Frames() > expected) return result.Sub(0, expected);
    if (result.Frames() < expected) {
        TSequenceBuilder pad(store, outChannels);
        pad.AppendSequence(result);
        pad.AppendSilence(expected - result.Frames());
        return pad.Finish();
    }
    return result;
}
