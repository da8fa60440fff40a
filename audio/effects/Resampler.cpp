#include "audio/effects/Resampler.h"

#include "audio/effects/EffectErrors.h"

#include <soxr.h>

#include <utility>

namespace effects {

struct TResampler::TState {
    soxr_t Handle = nullptr;
    ~TState() { soxr_delete(Handle); }
};

TResampler::TResampler(int sampleRate, double factor, std::string effectName)
    : FState(new TState), FFactor(factor), FEffectName(std::move(effectName)) {
    soxr_error_t error = nullptr;
    const soxr_io_spec_t io = soxr_io_spec(SOXR_FLOAT32_I, SOXR_FLOAT32_I);
    const soxr_quality_spec_t quality = soxr_quality_spec(SOXR_HQ, 0);
    const soxr_runtime_spec_t runtime = soxr_runtime_spec(1);
    FState->Handle = soxr_create(sampleRate * factor, sampleRate, 1, &error, &io, &quality, &runtime);
    if (error || !FState->Handle) Fail("the resampler cannot start", error ? error : "unknown error");
}

TResampler::~TResampler() = default;

void TResampler::Check(const char* error) const {
    if (error) Fail("resampling failed", error);
}

void TResampler::Fail(const char* what, const char* why) const {
    std::string message = FEffectName;
    message.append(": ").append(what).append(" (").append(why).append(").");
    throw EAudioEffectError(message);
}

void TResampler::Run(const float* input, std::size_t count, bool last, std::vector<float>& output) {
    // The converter gives out a limited stretch per call: its output goes through a small buffer, so
    // that the output is neither zero-filled ahead of time nor moved as it grows.
    constexpr std::size_t Room = 16384;
    float scratch[Room];
    output.reserve(output.size() + static_cast<std::size_t>(static_cast<double>(count) / FFactor) + 256);
    std::size_t consumed = 0;
    while (consumed < count) {
        std::size_t used = 0, made = 0;
        Check(soxr_process(FState->Handle, input + consumed, count - consumed, &used, scratch, Room, &made));
        output.insert(output.end(), scratch, scratch + made);
        consumed += used;
        if (used == 0 && made == 0) break;
    }
    if (!last) return;
    for (;;) {
        std::size_t made = 0;
        Check(soxr_process(FState->Handle, nullptr, 0, nullptr, scratch, Room, &made));
        output.insert(output.end(), scratch, scratch + made);
        if (made == 0) break;
    }
}

} // namespace effects
