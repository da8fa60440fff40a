#include "acm/Msacm.h"

#include <soxr.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <mutex>
#include <set>
#include <vector>

// A PCM to PCM conversion stream: samples are read to float, their channels mapped, their rate
// converted on soxr when it differs, and written in the destination's sample size.
struct TAcmStream {
    WAVEFORMATEX Source{}, Destination{};
    soxr_t Resampler = nullptr;
    std::vector<float> In, Mapped, Out;
    ~TAcmStream() {
        if (Resampler) soxr_delete(Resampler);
    }
};

// The one built-in driver.
struct TAcmDriver {};

namespace acm_stream_detail {

TAcmDriver PcmDriver;
std::mutex StreamsLock;
std::set<HACMSTREAM>& Streams() {
    static std::set<HACMSTREAM> streams;
    return streams;
}
bool StreamValid(HACMSTREAM stream) {
    std::lock_guard lock(StreamsLock);
    return stream && Streams().count(stream) > 0;
}

bool IsPcm(const WAVEFORMATEX& f) {
    return f.wFormatTag == WAVE_FORMAT_PCM && f.nChannels >= 1 && f.nChannels <= 2 &&
           (f.wBitsPerSample == 8 || f.wBitsPerSample == 16) && f.nSamplesPerSec >= 1000 &&
           f.nSamplesPerSec <= 192000 && f.nBlockAlign == f.nChannels * f.wBitsPerSample / 8;
}

// The rates the driver lists as its formats.
constexpr DWORD ListedRates[] = {8000, 11025, 22050, 44100, 48000};

WAVEFORMATEX Pcm(DWORD rate, WORD channels, WORD bits) {
    WAVEFORMATEX f{};
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = channels;
    f.nSamplesPerSec = rate;
    f.wBitsPerSample = bits;
    f.nBlockAlign = WORD(channels * bits / 8);
    f.nAvgBytesPerSec = rate * f.nBlockAlign;
    f.cbSize = 0;
    return f;
}

// Output bytes for `frames` input frames, with room for what the resampler may still hold.
DWORD OutputBytes(const TAcmStream& s, DWORD frames) {
    const double ratio = double(s.Destination.nSamplesPerSec) / s.Source.nSamplesPerSec;
    const DWORD slack = s.Resampler ? 64 : 0;
    return DWORD(std::ceil(frames * ratio) + slack) * s.Destination.nBlockAlign;
}

void ToFloat(const WAVEFORMATEX& f, const BYTE* data, DWORD frames, std::vector<float>& out) {
    const std::size_t count = std::size_t(frames) * f.nChannels;
    out.resize(count);
    if (f.wBitsPerSample == 16) {
        for (std::size_t i = 0; i < count; ++i) {
            std::int16_t v;
            std::memcpy(&v, data + i * 2, 2);
            out[i] = float(v) / 32768.0f;
        }
    } else {
        for (std::size_t i = 0; i < count; ++i)
            out[i] = (float(data[i]) - 128.0f) / 128.0f;
    }
}

void FromFloat(const WAVEFORMATEX& f, const std::vector<float>& in, BYTE* data) {
    if (f.wBitsPerSample == 16) {
        for (std::size_t i = 0; i < in.size(); ++i) {
            const auto v = std::int16_t(std::lround(std::clamp(in[i] * 32768.0f, -32768.0f, 32767.0f)));
            std::memcpy(data + i * 2, &v, 2);
        }
    } else {
        for (std::size_t i = 0; i < in.size(); ++i)
            data[i] = BYTE(std::lround(std::clamp(in[i] * 128.0f + 128.0f, 0.0f, 255.0f)));
    }
}

void MapChannels(const std::vector<float>& in, int from, int to, std::vector<float>& out) {
    if (from == to) {
        out = in;
        return;
    }
    const std::size_t frames = in.size() / std::size_t(from);
    out.resize(frames * std::size_t(to));
    for (std::size_t i = 0; i < frames; ++i) {
        if (to == 2) {
            out[i * 2] = out[i * 2 + 1] = in[i];
        } else {
            out[i] = 0.5f * (in[i * 2] + in[i * 2 + 1]);
        }
    }
}

} // namespace acm_stream_detail

using namespace acm_stream_detail;

MMRESULT acmStreamOpen(HACMSTREAM* stream, HACMDRIVER driver, const WAVEFORMATEX* source,
                       const WAVEFORMATEX* destination, void* filter, DWORD_PTR, DWORD_PTR, DWORD flags) {
    if (!source || !destination || filter) return MMSYSERR_INVALPARAM;
    if (driver && driver != &PcmDriver) return MMSYSERR_INVALHANDLE;
    if (!IsPcm(*source) || !IsPcm(*destination)) return ACMERR_NOTPOSSIBLE;
    if (flags & ACM_STREAMOPENF_QUERY) return MMSYSERR_NOERROR;
    if (!stream) return MMSYSERR_INVALPARAM;
    auto s = std::make_unique<TAcmStream>();
    s->Source = *source;
    s->Destination = *destination;
    if (source->nSamplesPerSec != destination->nSamplesPerSec) {
        soxr_error_t error = nullptr;
        const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
        // Real-time streams want little delay; the others the best quality.
        const soxr_quality_spec_t quality =
            soxr_quality_spec((flags & ACM_STREAMOPENF_NONREALTIME) ? SOXR_HQ : SOXR_LQ, 0);
        s->Resampler = soxr_create(source->nSamplesPerSec, destination->nSamplesPerSec,
                                   destination->nChannels, &error, &io, &quality, nullptr);
        if (error || !s->Resampler) return MMSYSERR_NOMEM;
    }
    std::lock_guard lock(StreamsLock);
    Streams().insert(s.get());
    *stream = s.release();
    return MMSYSERR_NOERROR;
}

MMRESULT acmStreamSize(HACMSTREAM stream, DWORD input, DWORD* output, DWORD flags) {
    if (!StreamValid(stream)) return MMSYSERR_INVALHANDLE;
    if (!output) return MMSYSERR_INVALPARAM;
    if (flags == ACM_STREAMSIZEF_SOURCE) {
        *output = OutputBytes(*stream, input / stream->Source.nBlockAlign);
    } else {
        const double ratio = double(stream->Source.nSamplesPerSec) / stream->Destination.nSamplesPerSec;
        *output =
            DWORD(std::ceil(input / stream->Destination.nBlockAlign * ratio)) * stream->Source.nBlockAlign;
    }
    return MMSYSERR_NOERROR;
}

MMRESULT acmStreamPrepareHeader(HACMSTREAM stream, ACMSTREAMHEADER* header, DWORD) {
    if (!StreamValid(stream)) return MMSYSERR_INVALHANDLE;
    if (!header || header->cbStruct < sizeof(ACMSTREAMHEADER) || !header->pbSrc || !header->pbDst)
        return MMSYSERR_INVALPARAM;
    header->fdwStatus |= ACMSTREAMHEADER_STATUSF_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT acmStreamUnprepareHeader(HACMSTREAM stream, ACMSTREAMHEADER* header, DWORD) {
    if (!StreamValid(stream)) return MMSYSERR_INVALHANDLE;
    if (!header) return MMSYSERR_INVALPARAM;
    if (!(header->fdwStatus & ACMSTREAMHEADER_STATUSF_PREPARED)) return ACMERR_UNPREPARED;
    header->fdwStatus &= ~ACMSTREAMHEADER_STATUSF_PREPARED;
    return MMSYSERR_NOERROR;
}

MMRESULT acmStreamConvert(HACMSTREAM stream, ACMSTREAMHEADER* header, DWORD) {
    if (!StreamValid(stream)) return MMSYSERR_INVALHANDLE;
    if (!header) return MMSYSERR_INVALPARAM;
    if (!(header->fdwStatus & ACMSTREAMHEADER_STATUSF_PREPARED)) return ACMERR_UNPREPARED;
    TAcmStream& s = *stream;
    header->fdwStatus &= ~ACMSTREAMHEADER_STATUSF_DONE;
    // Whole source frames only, and no more than the destination can take.
    DWORD frames = header->cbSrcLength / s.Source.nBlockAlign;
    while (frames > 0 && OutputBytes(s, frames) > header->cbDstLength)
        frames = frames * 3 / 4;
    ToFloat(s.Source, header->pbSrc, frames, s.In);
    MapChannels(s.In, s.Source.nChannels, s.Destination.nChannels, s.Mapped);
    const std::vector<float>* result = &s.Mapped;
    if (s.Resampler) {
        const std::size_t capacity = header->cbDstLength / s.Destination.nBlockAlign;
        s.Out.resize(capacity * s.Destination.nChannels);
        std::size_t used = 0, made = 0;
        soxr_error_t error =
            soxr_process(s.Resampler, s.Mapped.data(), frames, &used, s.Out.data(), capacity, &made);
        if (error) return MMSYSERR_ERROR;
        s.Out.resize(made * s.Destination.nChannels);
        result = &s.Out;
    }
    FromFloat(s.Destination, *result, header->pbDst);
    header->cbSrcLengthUsed = frames * s.Source.nBlockAlign;
    header->cbDstLengthUsed = DWORD(result->size() / s.Destination.nChannels) * s.Destination.nBlockAlign;
    header->fdwStatus |= ACMSTREAMHEADER_STATUSF_DONE;
    return MMSYSERR_NOERROR;
}

MMRESULT acmStreamReset(HACMSTREAM stream, DWORD) {
    if (!StreamValid(stream)) return MMSYSERR_INVALHANDLE;
    if (stream->Resampler) soxr_clear(stream->Resampler);
    return MMSYSERR_NOERROR;
}

MMRESULT acmStreamClose(HACMSTREAM stream, DWORD) {
    if (!StreamValid(stream)) return MMSYSERR_INVALHANDLE;
    {
        std::lock_guard lock(StreamsLock);
        Streams().erase(stream);
    }
    delete stream;
    return MMSYSERR_NOERROR;
}

MMRESULT acmFormatSuggest(HACMDRIVER driver, const WAVEFORMATEX* source, WAVEFORMATEX* destination,
                          DWORD size, DWORD flags) {
    if (!source || !destination || size < sizeof(WAVEFORMATEX)) return MMSYSERR_INVALPARAM;
    if (driver && driver != &PcmDriver) return MMSYSERR_INVALHANDLE;
    if ((flags & ACM_FORMATSUGGESTF_WFORMATTAG) && destination->wFormatTag != WAVE_FORMAT_PCM)
        return ACMERR_NOTPOSSIBLE;
    if (!IsPcm(*source)) return ACMERR_NOTPOSSIBLE;
    const WORD channels = (flags & ACM_FORMATSUGGESTF_NCHANNELS) ? destination->nChannels : source->nChannels;
    const DWORD rate =
        (flags & ACM_FORMATSUGGESTF_NSAMPLESPERSEC) ? destination->nSamplesPerSec : source->nSamplesPerSec;
    const WORD bits =
        (flags & ACM_FORMATSUGGESTF_WBITSPERSAMPLE) ? destination->wBitsPerSample : source->wBitsPerSample;
    const WAVEFORMATEX suggestion = Pcm(rate, channels, bits);
    if (!IsPcm(suggestion)) return ACMERR_NOTPOSSIBLE;
    *destination = suggestion;
    return MMSYSERR_NOERROR;
}

MMRESULT acmDriverEnum(ACMDRIVERENUMCB callback, DWORD_PTR instance, DWORD) {
    if (!callback) return MMSYSERR_INVALPARAM;
    callback(&PcmDriver, instance, ACMDRIVERDETAILS_SUPPORTF_CONVERTER | ACMDRIVERDETAILS_SUPPORTF_LOCAL);
    return MMSYSERR_NOERROR;
}

MMRESULT acmDriverDetails(HACMDRIVERID driverId, ACMDRIVERDETAILS* details, DWORD) {
    if (driverId != &PcmDriver) return MMSYSERR_INVALHANDLE;
    if (!details) return MMSYSERR_INVALPARAM;
    *details = ACMDRIVERDETAILS{};
    details->fdwSupport = ACMDRIVERDETAILS_SUPPORTF_CONVERTER | ACMDRIVERDETAILS_SUPPORTF_LOCAL;
    details->cFormatTags = 1;
    std::strcpy(details->szShortName, "PCM Converter");
    std::strcpy(details->szLongName, "PCM sample rate, size and channel converter");
    std::strcpy(details->szCopyright, "OLVA Audio Editor");
    std::strcpy(details->szLicensing, "");
    std::strcpy(details->szFeatures, "Converts PCM between rates, 8 and 16 bits, mono and stereo.");
    return MMSYSERR_NOERROR;
}

MMRESULT acmDriverOpen(HACMDRIVER* driver, HACMDRIVERID driverId, DWORD) {
    if (driverId != &PcmDriver) return MMSYSERR_INVALHANDLE;
    if (!driver) return MMSYSERR_INVALPARAM;
    *driver = &PcmDriver;
    return MMSYSERR_NOERROR;
}

MMRESULT acmDriverClose(HACMDRIVER driver, DWORD) {
    return driver == &PcmDriver ? MMSYSERR_NOERROR : MMSYSERR_INVALHANDLE;
}

MMRESULT acmMetrics(HACMOBJ object, UINT metric, void* value) {
    if (!value) return MMSYSERR_INVALPARAM;
    if (object != static_cast<void*>(&PcmDriver)) return MMSYSERR_INVALHANDLE;
    DWORD answer = 0;
    if (metric == ACM_METRIC_MAX_SIZE_FORMAT)
        answer = sizeof(WAVEFORMATEX);
    else if (metric == ACM_METRIC_DRIVER_PRIORITY)
        answer = 1;
    else
        return MMSYSERR_NOTSUPPORTED;
    std::memcpy(value, &answer, sizeof answer);
    return MMSYSERR_NOERROR;
}

MMRESULT acmFormatEnum(HACMDRIVER driver, ACMFORMATDETAILS* details, ACMFORMATENUMCB callback,
                       DWORD_PTR instance, DWORD) {
    if (driver != &PcmDriver) return MMSYSERR_INVALHANDLE;
    if (!details || !callback || !details->pwfx || details->cbwfx < sizeof(WAVEFORMATEX))
        return MMSYSERR_INVALPARAM;
    if (details->dwFormatTag != 0 && details->dwFormatTag != WAVE_FORMAT_PCM) return MMSYSERR_NOERROR;
    DWORD index = 0;
    for (DWORD rate : ListedRates) {
        for (WORD bits : {WORD(8), WORD(16)}) {
            for (WORD channels : {WORD(1), WORD(2)}) {
                *details->pwfx = Pcm(rate, channels, bits);
                details->dwFormatIndex = index++;
                details->dwFormatTag = WAVE_FORMAT_PCM;
                details->fdwSupport = ACMDRIVERDETAILS_SUPPORTF_CONVERTER;
                std::snprintf(details->szFormat, sizeof details->szFormat, "%u.%03u kHz, %u Bit, %s",
                              unsigned(rate / 1000), unsigned(rate % 1000), unsigned(bits),
                              channels == 1 ? "Mono" : "Stereo");
                if (!callback(&PcmDriver, details, instance, ACMDRIVERDETAILS_SUPPORTF_CONVERTER))
                    return MMSYSERR_NOERROR;
            }
        }
    }
    return MMSYSERR_NOERROR;
}
