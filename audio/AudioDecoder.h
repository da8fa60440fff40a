// Reads any supported sound file as interleaved float frames at the file's own rate, with one or two
// channels (files with more are folded into stereo).
#pragma once

#include "audio/AudioTags.h"
#include "audio/ChunkedDecode.h"

#include <cstdint>
#include <memory>
#include <string>

class TAudioDecoder {
public:
    // Raises EAudioError with a clear message when the file cannot be opened or decoded.
    explicit TAudioDecoder(const std::string& path);
    ~TAudioDecoder();
    TAudioDecoder(const TAudioDecoder&) = delete;
    TAudioDecoder& operator=(const TAudioDecoder&) = delete;

    int SampleRate() const;
    int Channels() const;       // of the decoded frames: 1 or 2
    int SourceChannels() const; // as stored in the file
    int BitsPerSample() const;  // of the stored samples; 16 for compressed formats
    int BitRate() const;        // bits per second of the stored stream
    // Frames the file is expected to hold (exact for plain formats, an estimate for compressed ones).
    std::int64_t LengthFrames() const;
    // Whether LengthFrames is what a full read delivers: plain samples, lossless streams that state
    // their length, and files that stored their exact length. Other compressed streams state a length
    // that counts whole codec frames, with the encoder's delay and padding.
    bool LengthIsExact() const;
    std::string Description() const;
    const TAudioTags& Tags() const;
    // Packets or frames the decoder refused so far (a damaged stretch is skipped, as players do).
    int DecodeErrors() const;

    // Reads up to `frames` frames into `dst`; returns the number read, 0 at the end of the file.
    std::int64_t Read(float* dst, std::int64_t frames);
    // Decodes what Read has not given out yet into blocks of `store`, on several threads where the
    // codec's packets can be decoded in stretches (plain samples, FLAC, MP3, Vorbis, WMA). Progress is
    // reported on the calling thread.
    TSampleSequence ReadAll(const std::shared_ptr<TBlockStore>& store, const TProgressFunc& progress = {},
                            const TDecodeSplit& split = {});

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};
