#include "audio/effects/PhaseVocoderShift.h"

#include "audio/FftwPlanner.h"
#include "audio/effects/FastPhase.h"
#include "audio/effects/Resampler.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <map>
#include <memory>
#include <mutex>
#include <numbers>

namespace effects {

namespace phase_vocoder_detail {
using namespace fast_phase;
constexpr double TwoPi = 2 * std::numbers::pi;
// Frame length in seconds (before a lowering shortens it); long enough to part the harmonics of a low
// voice, short enough to keep attacks from smearing much.
constexpr double FrameSeconds = 0.046;
// Below the crossover the signal is analysed with frames this many times longer: notes of a chord
// 30 Hz apart then lie far enough apart in the spectrum to keep their own peaks and phases, where the
// short frame sees one peak between them and pulls both towards it. Longer still, a gliding voice
// blurs and loses level. Attacks are mostly carried by the higher band, which keeps the short frames.
constexpr int LowBandLengthening = 2;
// The crossover: a raised-cosine slope CrossoverWidthHz wide, placed between these frequencies (of
// the input) where the piece has least energy. A partial in the slope would be shifted by both
// halves, with phases that need not agree, and could partly cancel itself: the slope is kept narrow and
// put in the quietest place between partials.
constexpr double CrossoverLowestHz = 450, CrossoverHighestHz = 1000, CrossoverWidthHz = 50;
// Frames laid over each point of the stretched signal: the output hop is this part of a frame.
constexpr int Overlap = 4;
// A frame counts as an onset when most of its energy lies in bins that rose by more than 6 dB since the
// frame before, and the frame as a whole grew louder by more than 3 dB.
constexpr float OnsetRise = 4.0f;
constexpr double OnsetShare = 0.5;
constexpr double OnsetGrowth = 2.0;
// Below this energy a frame is silence: nothing to lock to.
constexpr double SilentEnergy = 1e-14;
// Bound on the level correction, either way: output this far off its input's level is mostly cancelling
// itself, and making up more would only raise noise.
constexpr double MostCorrection = 2.0;
// The level is compared over this many frames on each side of each one: the power of single frames
// swings with where attacks and decays fall in them, and following it would colour the sound.
constexpr int LevelSpan = 3;
// Frames the resampler's filter reaches past the stretched signal's ends, with room to spare.
constexpr std::int64_t ResamplerReach = 512;

struct TFftwFree {
    void operator()(void* p) const { fftwf_free(p); }
};
template <typename T> using TFftwBuffer = std::unique_ptr<T[], TFftwFree>;

template <typename T> TFftwBuffer<T> Allocate(std::size_t count) {
    return TFftwBuffer<T>(static_cast<T*>(fftwf_malloc(sizeof(T) * count)));
}

// The transforms of one frame size and its window, made once for the whole program under the planner's
// lock; the plans themselves run on several threads at once (on buffers of their own). Plans are estimated,
// not measured: measuring costs more than the whole shift of a long file gains by it.
struct TPlans {
    fftwf_plan Forward = nullptr, Inverse = nullptr;
    std::vector<float> Window; // periodic Hann

    explicit TPlans(int size) : Window(static_cast<std::size_t>(size)) {
        const std::size_t n = static_cast<std::size_t>(size);
        auto real = Allocate<float>(n);
        auto spectrum = Allocate<fftwf_complex>(n / 2 + 1);
        std::lock_guard planner(ovFftwPlannerLock());
        Forward = fftwf_plan_dft_r2c_1d(size, real.get(), spectrum.get(), FFTW_ESTIMATE);
        Inverse = fftwf_plan_dft_c2r_1d(size, spectrum.get(), real.get(), FFTW_ESTIMATE);
        for (std::size_t i = 0; i < n; ++i)
            Window[i] = static_cast<float>(0.5 - 0.5 * std::cos(TwoPi * static_cast<double>(i) / size));
    }
    ~TPlans() {
        std::lock_guard planner(ovFftwPlannerLock());
        fftwf_destroy_plan(Forward);
        fftwf_destroy_plan(Inverse);
    }
    TPlans(const TPlans&) = delete;
    TPlans& operator=(const TPlans&) = delete;
};

const TPlans& PlansFor(int size) {
    static std::mutex lock;
    static std::map<int, std::unique_ptr<TPlans>> made;
    std::lock_guard guard(lock);
    auto& plans = made[size];
    if (!plans) plans = std::make_unique<TPlans>(size);
    return *plans;
}

// Working buffers of one thread, kept between calls so that a shift allocates nothing per frame.
struct TWork {
    int Size = 0;
    TFftwBuffer<float> Frame;
    TFftwBuffer<fftwf_complex> Spectrum;
    std::vector<std::complex<float>> Previous;     // the last frame's spectrum as analysed
    std::vector<float> Power, PreviousPower;       // two bins of -1 at each end, for the peak search
    std::vector<float> Rotation, PreviousRotation; // phase added to each bin
    std::vector<int> Peaks;
    // The stretched signal laid over, each frame's input power.
    std::vector<float> Sum, InputPower;
    // Per peak: the phase turn since the last frame, what the bin's centre frequency alone gives over
    // the analysis and the output hop, the rotation the frame before gave it, and what it gets now.
    std::vector<float> TurnRe, TurnIm, Expected, Advance, Carried, PeakRotation, PeakCos, PeakSin;

    void Resize(int size) {
        const std::size_t n = static_cast<std::size_t>(size), bins = n / 2 + 1;
        Size = size;
        Frame = Allocate<float>(n);
        Spectrum = Allocate<fftwf_complex>(bins);
        Previous.assign(bins, {});
        Power.assign(bins + 4, -1.0f);
        PreviousPower.assign(bins + 4, -1.0f);
        Rotation.assign(bins, 0);
        PreviousRotation.assign(bins, 0);
        Peaks.assign(bins, 0);
        for (auto* v : {&TurnRe, &TurnIm, &Expected, &Advance, &Carried, &PeakRotation, &PeakCos, &PeakSin})
            v->assign(bins, 0.0f);
    }
};

TWork& WorkFor(int size) {
    thread_local std::map<int, TWork> works; // one a frame length: the two bands use two
    TWork& work = works[size];
    if (work.Size != size) work.Resize(size);
    return work;
}

// Each peak's rotation now (and its cosine and sine), from the phase turn its bin made since the frame
// before (turnRe, turnIm), what the bin's centre frequency alone gives over the analysis hop (expected)
// and adds over the output hop (advance), and the rotation it had (carried); toOutput is how much
// longer the output hop is than the analysis hop, less one.
void PeakRotations(std::size_t count, float toOutput, const float* __restrict turnRe,
                   const float* __restrict turnIm, const float* __restrict expected,
                   const float* __restrict advance, const float* __restrict carried,
                   float* __restrict rotations, float* __restrict cosines, float* __restrict sines) {
    for (std::size_t i = 0; i < count; ++i) {
        const float deviation = Wrap(Angle(turnIm[i], turnRe[i]) - expected[i]);
        const float rotation = Wrap(Wrap(carried[i] + advance[i]) + deviation * toOutput);
        rotations[i] = rotation;
        CosSin(rotation, cosines[i], sines[i]);
    }
}

// The frame length nearest to length (in frames) that the transform handles fast: a multiple of the
// overlap made of small primes only.
int FrameSize(double length) {
    int best = Overlap;
    for (int size = Overlap; size <= 4 * length; size += Overlap) {
        int rest = size;
        for (int prime : {2, 3, 5})
            while (rest % prime == 0)
                rest /= prime;
        if (rest == 1 && std::fabs(size - length) < std::fabs(best - length)) best = size;
    }
    return best;
}

// The bins that stand above their two neighbours on each side, into peaks; returns their number.
// power is padded with two negative bins at each end.
int FindPeaks(const std::vector<float>& power, std::vector<int>& peaks) {
    const int bins = static_cast<int>(power.size()) - 4;
    const float* p = power.data() + 2;
    int count = 0;
    for (int k = 0; k < bins; ++k) {
        peaks[static_cast<std::size_t>(count)] = k;
        count += (p[k] > p[k - 1]) & (p[k] >= p[k + 1]) & (p[k] > p[k - 2]) & (p[k] >= p[k + 2]);
    }
    return count;
}

// Locks the phases of one analysed frame (in work.Spectrum) for an output hop of synthesisHop after an
// analysis hop of analysisHop; the first frame, an onset or silence takes the phases as analysed.
void LockPhases(TWork& work, int analysisHop, int synthesisHop, bool first) {
    const std::size_t bins = work.Rotation.size();
    auto* spectrum = reinterpret_cast<std::complex<float>*>(work.Spectrum.get());
    float* power = work.Power.data() + 2;
    const float* previousPower = work.PreviousPower.data() + 2;
    for (std::size_t k = 0; k < bins; ++k) {
        const float re = spectrum[k].real(), im = spectrum[k].imag();
        power[k] = re * re + im * im;
    }
    // In eight running sums each, so that the compiler can keep them in vector registers.
    float totals[8] = {}, risings[8] = {}, previousTotals[8] = {};
    for (std::size_t k = 0; k + 8 <= bins; k += 8)
        for (std::size_t j = 0; j < 8; ++j) {
            const float p = power[k + j], before = previousPower[k + j];
            totals[j] += p;
            previousTotals[j] += before;
            risings[j] += p > OnsetRise * before ? p : 0.0f;
        }
    float total = 0, rising = 0, previousTotal = 0;
    for (std::size_t j = 0; j < 8; ++j) {
        total += totals[j];
        rising += risings[j];
        previousTotal += previousTotals[j];
    }
    for (std::size_t k = bins / 8 * 8; k < bins; ++k) {
        total += power[k];
        previousTotal += previousPower[k];
        rising += power[k] > OnsetRise * previousPower[k] ? power[k] : 0.0f;
    }
    const bool onset = rising > OnsetShare * total && total > OnsetGrowth * previousTotal;
    std::swap(work.Rotation, work.PreviousRotation);
    std::swap(work.Power, work.PreviousPower);
    if (first || onset || total < SilentEnergy) {
        std::fill(work.Rotation.begin(), work.Rotation.end(), 0.0f);
        std::copy(spectrum, spectrum + bins, work.Previous.begin());
        return;
    }
    const int count = FindPeaks(work.PreviousPower, work.Peaks); // this frame's power, after the swap
    const std::size_t peaks = static_cast<std::size_t>(count);
    // The phase a peak's bin gained over the analysis hop, beyond what its centre frequency gives, tells
    // the peak's own frequency; over the output hop it gains that frequency's advance, counted on from
    // the rotation given to this bin in the frame before (the nearest peak's there), so that a partial
    // moving from bin to bin keeps its phase running. The centre frequency's own advances are taken in
    // whole turns exactly, before single precision could lose them.
    const double perSize = 1.0 / static_cast<double>(2 * (bins - 1));
    for (std::size_t i = 0; i < peaks; ++i) {
        const auto bin = static_cast<std::size_t>(work.Peaks[i]);
        const std::complex<float> now = spectrum[bin], before = work.Previous[bin];
        work.TurnRe[i] = now.real() * before.real() + now.imag() * before.imag();
        work.TurnIm[i] = now.imag() * before.real() - now.real() * before.imag();
        const double k = work.Peaks[i];
        work.Expected[i] = WholeTurnsOff(k * analysisHop * perSize);
        work.Advance[i] = WholeTurnsOff(k * (synthesisHop - analysisHop) * perSize);
        work.Carried[i] = work.PreviousRotation[bin];
    }
    const float toOutput = static_cast<float>(synthesisHop - analysisHop) / static_cast<float>(analysisHop);
    PeakRotations(peaks, toOutput, work.TurnRe.data(), work.TurnIm.data(), work.Expected.data(),
                  work.Advance.data(), work.Carried.data(), work.PeakRotation.data(), work.PeakCos.data(),
                  work.PeakSin.data());
    std::copy(spectrum, spectrum + bins, work.Previous.begin());
    if (peaks == 0) {
        std::fill(work.Rotation.begin(), work.Rotation.end(), 0.0f);
        return;
    }
    // Every bin turns with its peak: the region of a peak reaches to the lowest bin between it and the
    // next one.
    const float* own = work.PreviousPower.data() + 2;
    std::size_t from = 0;
    for (std::size_t i = 0; i < peaks; ++i) {
        std::size_t to = bins;
        if (i + 1 < peaks) {
            const auto peak = static_cast<std::size_t>(work.Peaks[i]);
            const auto next = static_cast<std::size_t>(work.Peaks[i + 1]);
            to = peak + 1;
            for (std::size_t k = peak + 2; k < next; ++k)
                if (own[k] < own[to]) to = k;
            if (to - peak <= next - to) ++to; // the lowest bin goes with the nearer peak
        }
        const float rotation = work.PeakRotation[i], c = work.PeakCos[i], sn = work.PeakSin[i];
        for (std::size_t k = from; k < to; ++k) {
            const float re = spectrum[k].real(), im = spectrum[k].imag();
            spectrum[k] = {re * c - im * sn, re * sn + im * c};
            work.Rotation[k] = rotation;
        }
        from = to;
    }
}

// Power of a windowed frame seen through the window once more (as the output frame laid over it is):
// the sum of (window * frame) squared, in eight running sums the compiler can keep in vector registers.
float WeightedPower(const float* frame, const float* window, std::int64_t size) {
    float sums[8] = {};
    for (std::int64_t n = 0; n + 8 <= size; n += 8)
        for (int k = 0; k < 8; ++k) {
            const float y = frame[n + k] * window[n + k];
            sums[k] += y * y;
        }
    float total = 0;
    for (float part : sums)
        total += part;
    return total;
}

// Partials too close to be parted by a frame share one phase advance, and where that does not suit them
// they cancel each other in part as the frames are laid over: the stretched signal (laid over and
// scaled, from stretched[0]) comes out quieter than the input at places. Each frame's stretch of output
// is brought to the power its input frame had, the gain going linearly from frame centre to frame centre
// and bounded either way.
void CorrectLevel(float* stretched, std::int64_t length, const std::vector<float>& inputPower,
                  std::int64_t firstFrame, const float* window, std::int64_t size, std::int64_t hop) {
    const std::int64_t half = size / 2;
    std::vector<float> gains(inputPower.size(), 1.0f);
    std::vector<float> frame(static_cast<std::size_t>(size));
    // The input frames were taken through the window once before (their power is measured through it
    // twice); the output is measured through it twice directly.
    std::vector<float> made(gains.size(), -1.0f);
    for (std::size_t i = 0; i < gains.size(); ++i) {
        const std::int64_t start = (firstFrame + static_cast<std::int64_t>(i)) * hop - half;
        if (start < 0 || start + size > length) continue;
        for (std::int64_t n = 0; n < size; ++n)
            frame[static_cast<std::size_t>(n)] = stretched[start + n] * window[n];
        made[i] = WeightedPower(frame.data(), window, size);
    }
    for (std::size_t i = 0; i < gains.size(); ++i) {
        double wanted = 0, got = 0;
        bool ok = true;
        for (int d = -LevelSpan; d <= LevelSpan; ++d) {
            const std::int64_t j = static_cast<std::int64_t>(i) + d;
            if (j < 0 || j >= static_cast<std::int64_t>(gains.size()) ||
                made[static_cast<std::size_t>(j)] < 0) {
                ok = false;
                break;
            }
            wanted += inputPower[static_cast<std::size_t>(j)];
            got += made[static_cast<std::size_t>(j)];
        }
        if (ok && got > SilentEnergy && wanted > SilentEnergy)
            gains[i] =
                static_cast<float>(std::clamp(std::sqrt(wanted / got), 1 / MostCorrection, MostCorrection));
    }
    for (std::size_t i = 0; i + 1 < gains.size(); ++i) {
        const std::int64_t centre = (firstFrame + static_cast<std::int64_t>(i)) * hop;
        const std::int64_t from = std::max<std::int64_t>(centre, 0), to = std::min(centre + hop, length);
        const float step = (gains[i + 1] - gains[i]) / static_cast<float>(hop);
        for (std::int64_t s = from; s < to; ++s)
            stretched[s] *= gains[i] + step * static_cast<float>(s - centre);
    }
}
// Splits samples at the crossover without delay: the whole piece goes through one transform, its
// spectrum is weighted by a raised-cosine slope and comes back as the low band; the high band is what
// is left, so the two add up to the samples exactly. The transform is longer than the piece by a
// stretch of silence that takes the filter's ringing, so neither end of the piece reaches the other.
void SplitBands(const std::vector<float>& samples, int sampleRate, std::vector<float>& low,
                std::vector<float>& high) {
    constexpr std::size_t Margin = 8192;
    int size = 1024;
    while (static_cast<std::size_t>(size) < samples.size() + Margin)
        size *= 2;
    const TPlans& plans = PlansFor(size); // its window goes unused here
    thread_local TFftwBuffer<float> real;
    thread_local TFftwBuffer<fftwf_complex> spectrum;
    thread_local int allocated = 0;
    if (allocated < size) {
        real = Allocate<float>(static_cast<std::size_t>(size));
        spectrum = Allocate<fftwf_complex>(static_cast<std::size_t>(size) / 2 + 1);
        allocated = size;
    }
    std::copy(samples.begin(), samples.end(), real.get());
    std::fill(real.get() + samples.size(), real.get() + size, 0.0f);
    fftwf_execute_dft_r2c(plans.Forward, real.get(), spectrum.get());
    const double binHz = static_cast<double>(sampleRate) / size;
    const std::size_t bins = static_cast<std::size_t>(size) / 2 + 1;
    // The slope goes where the energy over it and as far again on either side is least.
    const fftwf_complex* x = spectrum.get();
    auto power = [&](std::size_t k) {
        return static_cast<double>(x[k][0]) * x[k][0] + static_cast<double>(x[k][1]) * x[k][1];
    };
    const auto span = static_cast<std::size_t>(std::ceil(1.5 * CrossoverWidthHz / binHz));
    const auto lowest = static_cast<std::size_t>(CrossoverLowestHz / binHz);
    const auto highest = std::min(bins - span - 1, static_cast<std::size_t>(CrossoverHighestHz / binHz));
    double running = 0;
    for (std::size_t k = lowest - span; k <= lowest + span; ++k)
        running += power(k);
    double quietest = running;
    std::size_t centre = lowest;
    for (std::size_t k = lowest + 1; k <= highest; ++k) {
        running += power(k + span) - power(k - span - 1);
        if (running < quietest) {
            quietest = running;
            centre = k;
        }
    }
    const double slopeLow = static_cast<double>(centre) * binHz - CrossoverWidthHz / 2;
    for (std::size_t k = 0; k < bins; ++k) {
        const double f = static_cast<double>(k) * binHz;
        double weight = 0;
        if (f <= slopeLow)
            weight = 1;
        else if (f < slopeLow + CrossoverWidthHz)
            weight = 0.5 + 0.5 * std::cos(std::numbers::pi * (f - slopeLow) / CrossoverWidthHz);
        const float w = static_cast<float>(weight / size);
        spectrum.get()[k][0] *= w;
        spectrum.get()[k][1] *= w;
    }
    fftwf_execute_dft_c2r(plans.Inverse, spectrum.get(), real.get());
    low.assign(real.get(), real.get() + samples.size());
    high.resize(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        high[i] = samples[i] - low[i];
}

// Stretches samples by factor with frames of size (a quarter frame apart on the output side) and adds
// the stretched signal, stretched frames long, to out.
void StretchInto(const std::vector<float>& samples, double factor, int size, float* out,
                 std::int64_t stretched) {
    const std::int64_t length = static_cast<std::int64_t>(samples.size());
    const TPlans& plans = PlansFor(size);
    TWork& work = WorkFor(size);
    std::fill(work.PreviousPower.begin() + 2, work.PreviousPower.end() - 2, 0.0f);
    const std::int64_t half = size / 2, hop = size / Overlap;
    const float* window = plans.Window.data();

    // Output frames centred on every hop of the stretched signal, from the first that reaches its start
    // to the last that reaches its end; each is analysed from the input around the matching point.
    const std::int64_t firstFrame = -(half / hop) + 1, lastFrame = (stretched - 1 + half) / hop;
    const std::int64_t base = firstFrame * hop - half;
    std::vector<float>& sum = work.Sum;
    sum.assign(static_cast<std::size_t>(lastFrame * hop + half - base), 0.0f);
    std::vector<float>& inputPower = work.InputPower;
    inputPower.resize(static_cast<std::size_t>(lastFrame - firstFrame + 1));
    // Hann analysis times Hann synthesis, laid over at a quarter frame, adds up to 3/8 of the overlap.
    const float scale = 1.0f / (static_cast<float>(size) * 0.375f * Overlap);
    std::int64_t previousCentre = 0;
    float* frame = work.Frame.get();
    for (std::int64_t m = firstFrame; m <= lastFrame; ++m) {
        const std::int64_t centre = std::llround(static_cast<double>(m * hop) / factor);
        const std::int64_t start = centre - half;
        const std::int64_t from = std::clamp<std::int64_t>(-start, 0, size);
        const std::int64_t to = std::clamp<std::int64_t>(length - start, from, size);
        std::fill(frame, frame + from, 0.0f);
        std::fill(frame + to, frame + size, 0.0f);
        const float* source = samples.data() + start;
        for (std::int64_t n = from; n < to; ++n)
            frame[n] = source[n] * window[n];
        inputPower[static_cast<std::size_t>(m - firstFrame)] = WeightedPower(frame, window, size);
        fftwf_execute_dft_r2c(plans.Forward, frame, work.Spectrum.get());
        LockPhases(work, static_cast<int>(centre - previousCentre), static_cast<int>(hop), m == firstFrame);
        previousCentre = centre;
        fftwf_execute_dft_c2r(plans.Inverse, work.Spectrum.get(), frame);
        float* target = sum.data() + (m * hop - half - base);
        for (std::int64_t n = 0; n < size; ++n)
            target[n] += frame[n] * window[n] * scale;
    }
    CorrectLevel(sum.data() - base, stretched, inputPower, firstFrame, window, size, hop);
    const float* made = sum.data() - base;
    for (std::int64_t i = 0; i < stretched; ++i)
        out[i] += made[i];
}

// Attacks (a click, a drum's hit, a plosive) would be smeared by the frames that see them and echoed
// before they happen by the frames that see them coming. Each one found is cut out of what the frames
// analyse and put back into the stretched signal as it was, unstretched, so that the resampler moves its
// pitch and keeps it as short as it was. The cut and the insert cover the same stretch of the stretched
// signal, with fades that add up to one.
constexpr double AttackBeforeMs = 1.0, AttackAfterMs = 5.0, AttackFadeMs = 2.0;
// An attack: a block of 0.7 ms at least 15 dB louder than the 30 ms before it, and not quieter than
// -80 dB; another one is looked for 50 ms later at the earliest.
constexpr int AttackBlock = 32;
constexpr double AttackRise = 31.6, AttackFloor = 1e-8;
constexpr int AttackHistoryBlocks = 40, AttackQuietBlocks = 70;

std::vector<std::int64_t> FindAttacks(const std::vector<float>& samples) {
    const std::size_t blocks = samples.size() / AttackBlock;
    std::vector<double> energy(blocks, 0.0);
    for (std::size_t b = 0; b < blocks; ++b) {
        double e = 0;
        for (int i = 0; i < AttackBlock; ++i) {
            const double x = samples[b * AttackBlock + static_cast<std::size_t>(i)];
            e += x * x;
        }
        energy[b] = e / AttackBlock;
    }
    std::vector<std::int64_t> attacks;
    double history = 0; // sum of the energies of the last AttackHistoryBlocks blocks before the one before
    std::size_t quietUntil = 0;
    for (std::size_t b = 0; b < blocks; ++b) {
        if (b >= 2) history += energy[b - 2];
        if (b >= 2 + AttackHistoryBlocks) history -= energy[b - 2 - AttackHistoryBlocks];
        const double before = history / AttackHistoryBlocks;
        if (b < quietUntil || energy[b] < AttackFloor || energy[b] <= AttackRise * before) continue;
        // The attack starts at the first sample of this block or the one before that rises above a
        // tenth of this block's peak.
        float peak = 0;
        for (int i = 0; i < AttackBlock; ++i)
            peak = std::max(peak, std::fabs(samples[b * AttackBlock + static_cast<std::size_t>(i)]));
        std::size_t at = b * AttackBlock;
        for (std::size_t i = (b > 0 ? b - 1 : 0) * AttackBlock; i < (b + 1) * AttackBlock; ++i)
            if (std::fabs(samples[i]) >= 0.1f * peak) {
                at = i;
                break;
            }
        attacks.push_back(static_cast<std::int64_t>(at));
        quietUntil = b + AttackQuietBlocks;
    }
    return attacks;
}

// The share of the attack at `at` in the frames' input at frame t: 1 from AttackBeforeMs before it to
// AttackAfterMs after it, fading to 0 over AttackFadeMs on either side.
struct TAttackShape {
    double Before, After, Fade;
    explicit TAttackShape(int sampleRate)
        : Before(AttackBeforeMs * sampleRate / 1000), After(AttackAfterMs * sampleRate / 1000),
          Fade(AttackFadeMs * sampleRate / 1000) {}
    double Reach() const { return std::max(Before, After) + Fade; }
    double Share(double offset) const { // offset from the attack, in input frames
        const double outside = offset < -Before ? -Before - offset : offset > After ? offset - After : 0;
        if (outside >= Fade) return 0;
        return 0.5 + 0.5 * std::cos(std::numbers::pi * outside / Fade);
    }
};
} // namespace phase_vocoder_detail

TPhaseVocoderShift::TPhaseVocoderShift(int sampleRate, double factor)
    : FSampleRate(sampleRate), FFactor(factor) {
    using namespace phase_vocoder_detail;
    // The resampler lengthens the frames of a lowered stretch by 1 / factor as heard, and each output
    // moment mixes frames from that far apart: a gliding voice blurs. Shorter frames part close
    // partials (of a chord) less well; they are shortened by the square root of the factor, halfway
    // between the two.
    FSize = FrameSize(FrameSeconds * sampleRate * std::sqrt(std::min(1.0, factor)));
    FHop = FSize / Overlap;
    FLowSize = FSize * LowBandLengthening;
    const std::int64_t half = FLowSize / 2;
    FSettling = half + static_cast<std::int64_t>(std::ceil(half / factor)) + ResamplerReach;
}

std::vector<float> TPhaseVocoderShift::Shift(const std::vector<float>& samples, std::size_t from,
                                             std::size_t frames) const {
    using namespace phase_vocoder_detail;
    const std::int64_t length = static_cast<std::int64_t>(samples.size());
    if (length == 0 || frames == 0) return std::vector<float>(frames, 0.0f);
    const std::int64_t stretched =
        std::max<std::int64_t>(1, std::llround(static_cast<double>(length) * FFactor));
    thread_local std::vector<float> steady, sum, low, high, resampled;
    sum.assign(static_cast<std::size_t>(stretched), 0.0f);
    const std::vector<std::int64_t> attacks = FindAttacks(samples);
    const TAttackShape shape(FSampleRate);
    steady = samples;
    for (std::int64_t at : attacks) {
        const auto reach = static_cast<std::int64_t>(std::ceil(shape.Reach()));
        for (std::int64_t t = std::max<std::int64_t>(0, at - reach); t < std::min(length, at + reach); ++t)
            steady[static_cast<std::size_t>(t)] *=
                static_cast<float>(1 - shape.Share(static_cast<double>(t - at)));
    }
    SplitBands(steady, FSampleRate, low, high);
    StretchInto(low, FFactor, FLowSize, sum.data(), stretched);
    StretchInto(high, FFactor, FSize, sum.data(), stretched);
    // Each attack goes back where the frames left it out, at its own speed: stretched frame
    // factor * at + u holds input frame at + u, weighted by the share the frames left out there.
    for (std::int64_t at : attacks) {
        const double centre = static_cast<double>(at) * FFactor;
        const double reach = shape.Reach() * FFactor;
        const auto first = std::max<std::int64_t>(0, static_cast<std::int64_t>(std::floor(centre - reach)));
        const auto last = std::min(stretched, static_cast<std::int64_t>(std::ceil(centre + reach)) + 1);
        for (std::int64_t tau = first; tau < last; ++tau) {
            const double u = static_cast<double>(tau) - centre;
            const std::int64_t t = at + std::llround(u);
            if (t < 0 || t >= length) continue;
            sum[static_cast<std::size_t>(tau)] +=
                static_cast<float>(shape.Share(u / FFactor)) * samples[static_cast<std::size_t>(t)];
        }
    }

    resampled.clear();
    TResampler resampler(FSampleRate, FFactor, "Pitch Change");
    resampler.Run(sum.data(), static_cast<std::size_t>(stretched), true, resampled);
    resampled.resize(std::max(resampled.size(), from + frames), 0.0f);
    const auto begin = resampled.begin() + static_cast<std::ptrdiff_t>(from);
    return std::vector<float>(begin, begin + static_cast<std::ptrdiff_t>(frames));
}

} // namespace effects
