#include "audio/views/FrequencyAnalyzer.h"

#include "audio/AudioError.h"
#include "audio/FftwPlanner.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

struct TSpectrumAnalyzer::TPlan {
    explicit TPlan(int size)
        : Input(fftwf_alloc_real(std::size_t(size))), Output(fftwf_alloc_complex(std::size_t(size / 2 + 1))) {
        // The effects plan on worker threads while a view may plan here.
        std::lock_guard planner(ovFftwPlannerLock());
        Plan = fftwf_plan_dft_r2c_1d(size, Input, Output, FFTW_ESTIMATE);
    }
    ~TPlan() {
        {
            std::lock_guard planner(ovFftwPlannerLock());
            fftwf_destroy_plan(Plan);
        }
        fftwf_free(Input);
        fftwf_free(Output);
    }
    float* Input;
    fftwf_complex* Output;
    fftwf_plan Plan;
};

TSpectrumAnalyzer::TSpectrumAnalyzer(int size, int window) : FSize(size) {
    if (size < 16 || size > 65536 || (size & (size - 1)) != 0)
        throw EAudioError("An FFT size of " + std::to_string(size) + " is not supported.");
    if (window < Hann || window > Rectangular)
        throw EAudioError("FFT window " + std::to_string(window) + " does not exist.");
    FWindow.resize(std::size_t(size));
    const double pi2 = 2 * std::numbers::pi / size;
    double sum = 0;
    for (int i = 0; i < size; ++i) {
        double w = 1;
        switch (window) {
        case Hann:
            w = 0.5 - 0.5 * std::cos(pi2 * i);
            break;
        case Hamming:
            w = 0.54 - 0.46 * std::cos(pi2 * i);
            break;
        case Blackman:
            w = 0.42 - 0.5 * std::cos(pi2 * i) + 0.08 * std::cos(2 * pi2 * i);
            break;
        default:
            break;
        }
        FWindow[std::size_t(i)] = float(w);
        sum += w;
    }
    FGain = float(2.0 / sum);
    FPlan = std::make_unique<TPlan>(size);
}

TSpectrumAnalyzer::~TSpectrumAnalyzer() = default;

void TSpectrumAnalyzer::Analyze(const float* frames, int count, float* levelsDb) {
    count = std::clamp(count, 0, FSize);
    for (int i = 0; i < count; ++i)
        FPlan->Input[i] = frames[i] * FWindow[std::size_t(i)];
    std::fill(FPlan->Input + count, FPlan->Input + FSize, 0.0f);
    fftwf_execute(FPlan->Plan);
    const float floorPower = std::pow(10.0f, FloorDb / 10);
    for (int k = 0; k < Bins(); ++k) {
        const float re = FPlan->Output[k][0] * FGain, im = FPlan->Output[k][1] * FGain;
        levelsDb[k] = 10.0f * std::log10(std::max(re * re + im * im, floorPower));
    }
}
