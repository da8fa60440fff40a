// One short-time spectrum: a window of frames, weighted by a window function and transformed by a real
// FFT, as levels in dB relative to a full-scale sine. The spectrum display and the editor's spectral
// view share it.
#pragma once

#include <memory>
#include <vector>

class TSpectrumAnalyzer {
public:
    // Window kinds: 0 Hann, 1 Hamming, 2 Blackman, 3 rectangular.
    enum TWindowKind { Hann = 0, Hamming = 1, Blackman = 2, Rectangular = 3 };
    static constexpr float FloorDb = -140.0f;

    // `size` is a power of two from 16 to 65536; raises EAudioError otherwise, or for an unknown kind.
    TSpectrumAnalyzer(int size, int window = Hann);
    ~TSpectrumAnalyzer();
    TSpectrumAnalyzer(const TSpectrumAnalyzer&) = delete;
    TSpectrumAnalyzer& operator=(const TSpectrumAnalyzer&) = delete;

    int Size() const { return FSize; }
    int Bins() const { return FSize / 2 + 1; }
    // The levels of bins 0..Size()/2 of `count` frames (fewer than Size() are padded with silence,
    // more are cut), each at least FloorDb.
    void Analyze(const float* frames, int count, float* levelsDb);

private:
    struct TPlan;
    int FSize;
    std::vector<float> FWindow;
    float FGain = 1; // turns a bin's magnitude into the amplitude of a sine
    std::unique_ptr<TPlan> FPlan;
};
