#include "audio/effects/Biquad.h"

#include <cmath>
#include <complex>
#include <numbers>
#include <utility>

namespace effects {

namespace biquad_detail {
struct TPrototype {
    double W0, CosW0, Alpha;
};

TPrototype Prepare(double sampleRate, double frequency, double q) {
    const double w0 = 2.0 * std::numbers::pi * frequency / sampleRate;
    return {w0, std::cos(w0), std::sin(w0) / (2.0 * q)};
}

TBiquadCoefficients Normalise(double b0, double b1, double b2, double a0, double a1, double a2) {
    TBiquadCoefficients c;
    c.B0 = b0 / a0;
    c.B1 = b1 / a0;
    c.B2 = b2 / a0;
    c.A1 = a1 / a0;
    c.A2 = a2 / a0;
    return c;
}
} // namespace biquad_detail

TBiquadCoefficients TBiquadCoefficients::LowPass(double sampleRate, double frequency, double q) {
    const auto p = biquad_detail::Prepare(sampleRate, frequency, q);
    const double b1 = 1.0 - p.CosW0;
    return biquad_detail::Normalise(b1 / 2, b1, b1 / 2, 1 + p.Alpha, -2 * p.CosW0, 1 - p.Alpha);
}

TBiquadCoefficients TBiquadCoefficients::HighPass(double sampleRate, double frequency, double q) {
    const auto p = biquad_detail::Prepare(sampleRate, frequency, q);
    const double b0 = (1.0 + p.CosW0) / 2;
    return biquad_detail::Normalise(b0, -(1.0 + p.CosW0), b0, 1 + p.Alpha, -2 * p.CosW0, 1 - p.Alpha);
}

TBiquadCoefficients TBiquadCoefficients::BandPass(double sampleRate, double frequency, double q) {
    const auto p = biquad_detail::Prepare(sampleRate, frequency, q);
    return biquad_detail::Normalise(p.Alpha, 0, -p.Alpha, 1 + p.Alpha, -2 * p.CosW0, 1 - p.Alpha);
}

TBiquadCoefficients TBiquadCoefficients::Notch(double sampleRate, double frequency, double q) {
    const auto p = biquad_detail::Prepare(sampleRate, frequency, q);
    return biquad_detail::Normalise(1, -2 * p.CosW0, 1, 1 + p.Alpha, -2 * p.CosW0, 1 - p.Alpha);
}

TBiquadCoefficients TBiquadCoefficients::Peaking(double sampleRate, double frequency, double q,
                                                 double gainDb) {
    const auto p = biquad_detail::Prepare(sampleRate, frequency, q);
    const double a = std::pow(10.0, gainDb / 40.0);
    return biquad_detail::Normalise(1 + p.Alpha * a, -2 * p.CosW0, 1 - p.Alpha * a, 1 + p.Alpha / a,
                                    -2 * p.CosW0, 1 - p.Alpha / a);
}

namespace biquad_detail {
// Shelf alpha from the shelf slope.
double ShelfAlpha(double w0, double a, double slope) {
    return std::sin(w0) / 2.0 * std::sqrt((a + 1.0 / a) * (1.0 / slope - 1.0) + 2.0);
}
// Sections beyond this count run one pass each.
constexpr std::size_t MaxInterleavedSections = 16;

// Tiny state values become 0, so that a long silence after a loud passage does not slow the filter down
// with denormal arithmetic.
double FlushDenormal(double value) {
    return std::fabs(value) < 1e-30 ? 0.0 : value;
}
} // namespace biquad_detail

TBiquadCoefficients TBiquadCoefficients::LowShelf(double sampleRate, double frequency, double gainDb,
                                                  double slope) {
    const double a = std::pow(10.0, gainDb / 40.0);
    const double w0 = 2.0 * std::numbers::pi * frequency / sampleRate;
    const double cw = std::cos(w0);
    const double alpha = biquad_detail::ShelfAlpha(w0, a, slope);
    const double root = 2.0 * std::sqrt(a) * alpha;
    return biquad_detail::Normalise(a * ((a + 1) - (a - 1) * cw + root), 2 * a * ((a - 1) - (a + 1) * cw),
                                    a * ((a + 1) - (a - 1) * cw - root), (a + 1) + (a - 1) * cw + root,
                                    -2 * ((a - 1) + (a + 1) * cw), (a + 1) + (a - 1) * cw - root);
}

TBiquadCoefficients TBiquadCoefficients::HighShelf(double sampleRate, double frequency, double gainDb,
                                                   double slope) {
    const double a = std::pow(10.0, gainDb / 40.0);
    const double w0 = 2.0 * std::numbers::pi * frequency / sampleRate;
    const double cw = std::cos(w0);
    const double alpha = biquad_detail::ShelfAlpha(w0, a, slope);
    const double root = 2.0 * std::sqrt(a) * alpha;
    return biquad_detail::Normalise(a * ((a + 1) + (a - 1) * cw + root), -2 * a * ((a - 1) + (a + 1) * cw),
                                    a * ((a + 1) + (a - 1) * cw - root), (a + 1) - (a - 1) * cw + root,
                                    2 * ((a - 1) - (a + 1) * cw), (a + 1) - (a - 1) * cw - root);
}

double TBiquadCoefficients::Magnitude(double sampleRate, double frequency) const {
    const double w = 2.0 * std::numbers::pi * frequency / sampleRate;
    const std::complex<double> z1 = std::polar(1.0, -w);
    const std::complex<double> z2 = z1 * z1;
    return std::abs((B0 + B1 * z1 + B2 * z2) / (1.0 + A1 * z1 + A2 * z2));
}

std::vector<double> ButterworthSectionQs(int sectionCount) {
    std::vector<double> qs;
    const int order = 2 * sectionCount;
    for (int k = 0; k < sectionCount; ++k) {
        const double theta = (2.0 * k + 1.0) * std::numbers::pi / (2.0 * order);
        qs.push_back(1.0 / (2.0 * std::cos(theta)));
    }
    return qs;
}

TBiquadCascade::TBiquadCascade(std::vector<TBiquadCoefficients> sections)
    : FSections(std::move(sections)), FStates(FSections.size()) {}

void TBiquadCascade::Process(float* samples, std::size_t count) {
    const std::size_t n = FSections.size();
    if (n == 0) return;
    if (n > biquad_detail::MaxInterleavedSections) {
        ProcessSectionBySection(samples, count);
        return;
    }
    // Each sample runs through all sections before the next: the sections' recursions are independent
    // chains the processor can overlap, three times faster than one pass per section.
    double b0[biquad_detail::MaxInterleavedSections], b1[biquad_detail::MaxInterleavedSections],
        b2[biquad_detail::MaxInterleavedSections], a1[biquad_detail::MaxInterleavedSections],
        a2[biquad_detail::MaxInterleavedSections], z1[biquad_detail::MaxInterleavedSections],
        z2[biquad_detail::MaxInterleavedSections];
    for (std::size_t k = 0; k < n; ++k) {
        b0[k] = FSections[k].B0;
        b1[k] = FSections[k].B1;
        b2[k] = FSections[k].B2;
        a1[k] = FSections[k].A1;
        a2[k] = FSections[k].A2;
        z1[k] = FStates[k].Z1;
        z2[k] = FStates[k].Z2;
    }
    for (std::size_t i = 0; i < count; ++i) {
        double x = samples[i];
        for (std::size_t k = 0; k < n; ++k) {
            const double y = b0[k] * x + z1[k];
            z1[k] = b1[k] * x - a1[k] * y + z2[k];
            z2[k] = b2[k] * x - a2[k] * y;
            x = y;
        }
        samples[i] = static_cast<float>(x);
    }
    for (std::size_t k = 0; k < n; ++k)
        FStates[k] = {biquad_detail::FlushDenormal(z1[k]), biquad_detail::FlushDenormal(z2[k])};
}

namespace biquad_detail {
// The pair's loop for a cascade of N sections known when compiling: the sections are written out one
// after the other, so the coefficients and states stay in registers (the general loop keeps the states
// in memory, and every sample then waits on a store and a load). Same operations, same results.
template <std::size_t N, std::size_t... K>
void PairUnrolled(std::index_sequence<K...>, const double (&b0)[N], const double (&b1)[N],
                  const double (&b2)[N], const double (&a1)[N], const double (&a2)[N], double (&z1)[2][N],
                  double (&z2)[2][N], float* first, float* second, std::size_t count) {
    double za[N], zb[N], wa[N], wb[N];
    ((za[K] = z1[0][K], zb[K] = z1[1][K], wa[K] = z2[0][K], wb[K] = z2[1][K]), ...);
    for (std::size_t i = 0; i < count; ++i) {
        double x = first[i], w = second[i];
        auto section = [&](std::size_t k) {
            const double y = b0[k] * x + za[k];
            const double v = b0[k] * w + zb[k];
            za[k] = b1[k] * x - a1[k] * y + wa[k];
            zb[k] = b1[k] * w - a1[k] * v + wb[k];
            wa[k] = b2[k] * x - a2[k] * y;
            wb[k] = b2[k] * w - a2[k] * v;
            x = y;
            w = v;
        };
        (section(K), ...);
        first[i] = static_cast<float>(x);
        second[i] = static_cast<float>(w);
    }
    ((z1[0][K] = za[K], z1[1][K] = zb[K], z2[0][K] = wa[K], z2[1][K] = wb[K]), ...);
}

template <std::size_t N>
void PairFixed(const TBiquadCoefficients* sections, double (&state)[4][MaxInterleavedSections], float* first,
               float* second, std::size_t count) {
    double b0[N], b1[N], b2[N], a1[N], a2[N], z1[2][N], z2[2][N];
    for (std::size_t k = 0; k < N; ++k) {
        b0[k] = sections[k].B0, b1[k] = sections[k].B1, b2[k] = sections[k].B2;
        a1[k] = sections[k].A1, a2[k] = sections[k].A2;
        z1[0][k] = state[0][k], z2[0][k] = state[1][k], z1[1][k] = state[2][k], z2[1][k] = state[3][k];
    }
    PairUnrolled(std::make_index_sequence<N>(), b0, b1, b2, a1, a2, z1, z2, first, second, count);
    for (std::size_t k = 0; k < N; ++k)
        state[0][k] = z1[0][k], state[1][k] = z2[0][k], state[2][k] = z1[1][k], state[3][k] = z2[1][k];
}
} // namespace biquad_detail

void TBiquadCascade::ProcessPair(TBiquadCascade& first, float* firstSamples, TBiquadCascade& second,
                                 float* secondSamples, std::size_t count) {
    constexpr std::size_t most = biquad_detail::MaxInterleavedSections;
    const std::size_t n = first.FSections.size();
    if (n != second.FSections.size() || n > most || n == 0) {
        first.Process(firstSamples, count);
        second.Process(secondSamples, count);
        return;
    }
    for (std::size_t k = 0; k < n; ++k) {
        const TBiquadCoefficients& c = first.FSections[k];
        const TBiquadCoefficients& d = second.FSections[k];
        if (c.B0 != d.B0 || c.B1 != d.B1 || c.B2 != d.B2 || c.A1 != d.A1 || c.A2 != d.A2) {
            first.Process(firstSamples, count);
            second.Process(secondSamples, count);
            return;
        }
    }
    if (n <= 4) {
        double state[4][most];
        for (std::size_t k = 0; k < n; ++k) {
            state[0][k] = first.FStates[k].Z1, state[1][k] = first.FStates[k].Z2;
            state[2][k] = second.FStates[k].Z1, state[3][k] = second.FStates[k].Z2;
        }
        const TBiquadCoefficients* sections = first.FSections.data();
        switch (n) {
        case 1:
            biquad_detail::PairFixed<1>(sections, state, firstSamples, secondSamples, count);
            break;
        case 2:
            biquad_detail::PairFixed<2>(sections, state, firstSamples, secondSamples, count);
            break;
        case 3:
            biquad_detail::PairFixed<3>(sections, state, firstSamples, secondSamples, count);
            break;
        default:
            biquad_detail::PairFixed<4>(sections, state, firstSamples, secondSamples, count);
            break;
        }
        for (std::size_t k = 0; k < n; ++k) {
            first.FStates[k] = {biquad_detail::FlushDenormal(state[0][k]),
                                biquad_detail::FlushDenormal(state[1][k])};
            second.FStates[k] = {biquad_detail::FlushDenormal(state[2][k]),
                                 biquad_detail::FlushDenormal(state[3][k])};
        }
        return;
    }
    double b0[most], b1[most], b2[most], a1[most], a2[most], z1[2][most], z2[2][most];
    for (std::size_t k = 0; k < n; ++k) {
        const TBiquadCoefficients& c = first.FSections[k];
        b0[k] = c.B0, b1[k] = c.B1, b2[k] = c.B2, a1[k] = c.A1, a2[k] = c.A2;
        z1[0][k] = first.FStates[k].Z1, z2[0][k] = first.FStates[k].Z2;
        z1[1][k] = second.FStates[k].Z1, z2[1][k] = second.FStates[k].Z2;
    }
    for (std::size_t i = 0; i < count; ++i) {
        double x = firstSamples[i], w = secondSamples[i];
        for (std::size_t k = 0; k < n; ++k) {
            const double y = b0[k] * x + z1[0][k];
            const double v = b0[k] * w + z1[1][k];
            z1[0][k] = b1[k] * x - a1[k] * y + z2[0][k];
            z1[1][k] = b1[k] * w - a1[k] * v + z2[1][k];
            z2[0][k] = b2[k] * x - a2[k] * y;
            z2[1][k] = b2[k] * w - a2[k] * v;
            x = y;
            w = v;
        }
        firstSamples[i] = static_cast<float>(x);
        secondSamples[i] = static_cast<float>(w);
    }
    for (std::size_t k = 0; k < n; ++k) {
        first.FStates[k] = {biquad_detail::FlushDenormal(z1[0][k]), biquad_detail::FlushDenormal(z2[0][k])};
        second.FStates[k] = {biquad_detail::FlushDenormal(z1[1][k]), biquad_detail::FlushDenormal(z2[1][k])};
    }
}

void TBiquadCascade::ProcessSectionBySection(float* samples, std::size_t count) {
    for (std::size_t s = 0; s < FSections.size(); ++s) {
        const TBiquadCoefficients c = FSections[s];
        double z1 = FStates[s].Z1, z2 = FStates[s].Z2;
        for (std::size_t i = 0; i < count; ++i) {
            const double x = samples[i];
            const double y = c.B0 * x + z1;
            z1 = c.B1 * x - c.A1 * y + z2;
            z2 = c.B2 * x - c.A2 * y;
            samples[i] = static_cast<float>(y);
        }
        FStates[s] = {biquad_detail::FlushDenormal(z1), biquad_detail::FlushDenormal(z2)};
    }
}

} // namespace effects
