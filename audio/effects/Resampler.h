// Sample-rate conversion of one channel, shared by the effects that move frequencies by resampling (the
// speed change, and the pitch change after its stretch): the input is taken as recorded at rate * factor
// and converted to rate, so the length becomes length / factor and every frequency moves by factor.
// Sounds stay where they were in time: the converter's own delay is not passed on.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace effects {

class TResampler {
public:
    // effectName starts the messages of the errors thrown (as the user sees them).
    TResampler(int sampleRate, double factor, std::string effectName);
    ~TResampler();
    TResampler(const TResampler&) = delete;
    TResampler& operator=(const TResampler&) = delete;

    // Converts count more input frames, appending what is ready to output; last also flushes the rest.
    void Run(const float* input, std::size_t count, bool last, std::vector<float>& output);

private:
    struct TState;
    std::unique_ptr<TState> FState;
    double FFactor;
    std::string FEffectName;

    void Check(const char* error) const;
    [[noreturn]] void Fail(const char* what, const char* why) const;
};

} // namespace effects
