#include "audio/effects/Biquad.h"

#include <cmath>
#include <complex>
#include <numbers>

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
        // Flush denormals so that a long silence after a loud passage does not slow the filter down.
        if (std::fabs(z1) < 1e-30) z1 = 0;
        if (std::fabs(z2) < 1e-30) z2 = 0;
        FStates[s] = {z1, z2};
    }
}

} // namespace effects
