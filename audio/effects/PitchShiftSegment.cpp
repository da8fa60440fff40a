#include "audio/effects/PitchShiftSegment.h"

namespace effects {

TPitchShiftSegment::TPitchShiftSegment(int sampleRate, double factor) : FShifter(sampleRate, factor) {}

std::int64_t TPitchShiftSegment::ReadsBefore() const {
    return FShifter.Settling();
}

std::int64_t TPitchShiftSegment::ReadsAfter() const {
    return FShifter.Settling();
}

std::vector<float> TPitchShiftSegment::Shift(const TLaneSpan& input, std::int64_t from,
                                             std::size_t frames) const {
    const std::int64_t first = from - ReadsBefore();
    const std::int64_t end = from + static_cast<std::int64_t>(frames) + ReadsAfter();
    thread_local std::vector<float> samples; // kept: a stretch is several hundred kilobytes
    samples.resize(static_cast<std::size_t>(end - first));
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = input.At(first + static_cast<std::int64_t>(i));
    return FShifter.Shift(samples, static_cast<std::size_t>(from - first), frames);
}

} // namespace effects
