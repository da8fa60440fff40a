// Turns the frames a decoder gives out, in whatever sample format and channel layout the file has, into
// float samples of one or two channels (more channels are folded into stereo).
#pragma once

#include <cstdint>

struct AVCodecContext;
struct AVFrame;
struct SwrContext;

class TFrameConverter {
public:
    // Raises EAudioError (with `path` in its message) when the decoder's format cannot be converted.
    TFrameConverter(const AVCodecContext& codec, int outChannels, const char* path);
    ~TFrameConverter();
    TFrameConverter(const TFrameConverter&) = delete;
    TFrameConverter& operator=(const TFrameConverter&) = delete;

    int OutChannels() const { return FOutChannels; }
    // Writes the frame's nb_samples samples of each channel to planes[c].
    void ToPlanar(const AVFrame& frame, float* const* planes);
    // Writes the frame's nb_samples frames interleaved to `out`.
    void ToInterleaved(const AVFrame& frame, float* out);

private:
    int FOutChannels;
    int FSourceFormat;
    int FSourceChannels;
    // Only formats that are not float samples in the wanted channels need the converter library.
    SwrContext* FPlanar = nullptr;
    SwrContext* FInterleaved = nullptr;
    const AVCodecContext& FCodec;
    const char* FPath;
    SwrContext* Make(bool planar);
};
