// Runs an effect over a stretch of a sequence straight into new blocks, several blocks at a time spread
// over the cores: each new block's channels are read into its own memory, changed there and summarised
// by the thread that has them in its cache. Effects qualify when they work on separate channel arrays
// and either their blocks or their channels can be processed apart.
#pragma once

#include "audio/SampleSequence.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace effects {
class TAudioEffect;
}

bool CanStreamApart(const effects::TAudioEffect& effect);

// The effect over frames [start, start + total) of source (from the last block to the first for
// effects that read backwards), into blocks of store. progress(frames done) is called on the caller's
// thread between rounds of blocks.
TSampleSequence StreamApart(const TSampleSequence& source, std::int64_t start, std::int64_t total,
                            effects::TAudioEffect& effect, const std::shared_ptr<TBlockStore>& store,
                            const std::function<void(std::int64_t)>& progress);
