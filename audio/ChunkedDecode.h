// Decodes the packets of one audio stream in stretches on several threads. Each stretch is decoded by a
// decoder of its own that first sees the few packets before it again (the bit reservoir and overlap of
// lossy codecs need them) and drops what they give, so the stretches join into exactly the samples a
// decoder going through the file in one piece gives. Each stretch also builds its own blocks, so the
// block summaries are made in parallel too.
#pragma once

#include "audio/AudioDocument.h"

#include <cstdint>
#include <memory>
#include <string>

struct AVCodec;
struct AVCodecParameters;
struct AVFormatContext;

// How a file is split; the defaults suit the machine and the file.
struct TDecodeSplit {
    int Workers = 0;              // decoding threads; 0 for one a core
    std::int64_t ChunkFrames = 0; // frames a stretch aims at; 0 to choose by the file's length
};

struct TChunkSource {
    std::string Path;
    AVFormatContext* Format = nullptr; // positioned at the first packet
    int StreamIndex = -1;
    const AVCodec* Codec = nullptr;
    int OutChannels = 2;
    std::int64_t ExpectedFrames = 0; // an estimate, for the size of the stretches and progress
};

// Whether stretches of this codec's packets decode apart into exactly the samples of the whole.
bool CanDecodeInChunks(const AVCodecParameters& codec);

// Decodes every remaining packet of the stream into blocks of `store`; `errors` counts the packets the
// codec refused. Progress is reported on the calling thread.
TSampleSequence DecodeInChunks(const TChunkSource& source, const std::shared_ptr<TBlockStore>& store,
                               const TDecodeSplit& split, const TProgressFunc& progress, int& errors);
