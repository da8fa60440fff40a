#include "audio/views/AudioVisualization2.h"

#include "audio/AudioError.h"
#include "audio/views/ColorRamp.h"
#include "audio/views/FrequencyAnalyzer.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr double LowestHz = 20; // the logarithmic axis starts here
constexpr int BarWidth = 3, BarGap = 1;
const std::uint32_t TracePixels[2] = {ColorRefToPixel(RGB(102, 255, 102)),
                                      ColorRefToPixel(RGB(255, 190, 80))};

// The bar looks, bottom of the plot to its top.
const TColorRamp& BarRamp(int visType) {
    static const TColorRamp normal = MakeColorRamp({{0, 40, 110, 220}, {1, 120, 200, 255}});
    static const TColorRamp fire =
        MakeColorRamp({{0, 90, 0, 0}, {0.35, 210, 30, 0}, {0.7, 255, 150, 0}, {1, 255, 245, 140}});
    static const TColorRamp glass = MakeColorRamp({{0, 15, 45, 75}, {0.5, 70, 160, 210}, {1, 200, 245, 255}});
    static const TColorRamp kryptonite =
        MakeColorRamp({{0, 0, 45, 15}, {0.5, 25, 200, 70}, {1, 190, 255, 160}});
    switch (visType) {
    case 3:
        return fire;
    case 4:
        return glass;
    case 5:
        return kryptonite;
    default:
        return normal;
    }
}

} // namespace

TAudioVisualization2::TAudioVisualization2(TComponent* AOwner) : TPlotControl(AOwner, 320, 160) {
    FLevels.assign(std::size_t(FWindowArraySize / 2 + 1), float(BottomDb));
}

TAudioVisualization2::~TAudioVisualization2() = default;

void TAudioVisualization2::SetVisType(int Value) {
    if (Value < 0 || Value > 5) throw EAudioError("View type " + std::to_string(Value) + " does not exist.");
    FVisType = Value;
    Invalidate();
}

void TAudioVisualization2::SetWindowArraySize(int Value) {
    if (Value != 256 && Value != 1024 && Value != 4096)
        throw EAudioError("An FFT size of " + std::to_string(Value) + " is not supported.");
    if (Value == FWindowArraySize) return;
    FWindowArraySize = Value;
    Analyze();
}

void TAudioVisualization2::SetWindowFFTType(int Value) {
    if (Value < TSpectrumAnalyzer::Hann || Value > TSpectrumAnalyzer::Rectangular)
        throw EAudioError("FFT window " + std::to_string(Value) + " does not exist.");
    if (Value == FWindowFFTType) return;
    FWindowFFTType = Value;
    Analyze();
}

void TAudioVisualization2::PutArray(const std::vector<float>& samples, int channels, int sampleRate) {
    if (channels < 1) throw EAudioError("A sound has at least one channel.");
    if (sampleRate <= 0) throw EAudioError("The sample rate must be positive.");
    FChannels = channels;
    FSampleRate = sampleRate;
    FSamples.assign(samples.begin(), samples.begin() + std::ptrdiff_t(samples.size() / std::size_t(channels) *
                                                                      std::size_t(channels)));
    Analyze();
}

void TAudioVisualization2::Analyze() {
    const int n = FWindowArraySize;
    const std::size_t frames = FSamples.size() / std::size_t(FChannels);
    std::vector<float> mix(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        float sum = 0;
        for (int c = 0; c < FChannels; ++c)
            sum += FSamples[i * std::size_t(FChannels) + std::size_t(c)];
        mix[i] = sum / float(FChannels);
    }
    // Welch's average: the power of half-overlapping windows, at least one (padded with silence).
    TSpectrumAnalyzer analyzer(n, FWindowFFTType);
    std::vector<float> levels(std::size_t(analyzer.Bins()));
    std::vector<double> power(levels.size(), 0.0);
    int windows = 0;
    for (std::size_t start = 0; windows == 0 || start + std::size_t(n) <= frames;
         start += std::size_t(n / 2)) {
        const int count = int(std::min<std::size_t>(std::size_t(n), frames - std::min(frames, start)));
        analyzer.Analyze(mix.data() + std::min(start, frames), count, levels.data());
        for (std::size_t k = 0; k < levels.size(); ++k)
            power[k] += std::pow(10.0, levels[k] / 10.0);
        ++windows;
    }
    FLevels.resize(levels.size());
    for (std::size_t k = 0; k < levels.size(); ++k)
        FLevels[k] = float(10.0 * std::log10(std::max(power[k] / windows, 1e-14)));
    Invalidate();
}

// ---------------------------------------------------------------------------------------------------
// Geometry

double TAudioVisualization2::FrequencyAt(double fraction) const {
    const double nyquist = FSampleRate / 2.0;
    if (!LogAxis()) return fraction * nyquist;
    return LowestHz * std::pow(nyquist / LowestHz, fraction);
}

double TAudioVisualization2::FractionOf(double hz) const {
    const double nyquist = FSampleRate / 2.0;
    if (!LogAxis()) return hz / nyquist;
    return std::log(std::max(hz, LowestHz) / LowestHz) / std::log(nyquist / LowestHz);
}

double TAudioVisualization2::LevelAt(double hz) const {
    const double bin = hz / (FSampleRate / 2.0) * double(FLevels.size() - 1);
    const std::size_t k = std::min<std::size_t>(FLevels.size() - 2, std::size_t(std::max(0.0, bin)));
    const double t = std::clamp(bin - double(k), 0.0, 1.0);
    return FLevels[k] + (FLevels[k + 1] - FLevels[k]) * t;
}

bool TAudioVisualization2::ValuesAt(int X, int Y, int& XValue, int& YValue) {
    const RECT plot = PlotRect();
    if (X < plot.left || X >= plot.right || Y < plot.top || Y >= plot.bottom) return false;
    const double fx = double(X - plot.left) / std::max<LONG>(1, plot.right - plot.left - 1);
    const double fy = double(Y - plot.top) / std::max<LONG>(1, plot.bottom - plot.top - 1);
    if (FVisType == 0) {
        const std::size_t frames = FSamples.size() / std::size_t(FChannels);
        XValue = int(std::lround(fx * double(frames > 0 ? frames - 1 : 0)));
        const double amplitude = std::fabs(1.0 - 2.0 * fy);
        YValue = int(std::lround(std::max(BottomDb, 20.0 * std::log10(std::max(amplitude, 1e-9)))));
    } else {
        XValue = int(std::lround(FrequencyAt(fx)));
        YValue = int(std::lround(TopDb + (BottomDb - TopDb) * fy));
    }
    return true;
}

void TAudioVisualization2::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    int xValue = 0, yValue = 0;
    if (ValuesAt(X, Y, xValue, yValue)) OnMouseMove(this, X, Y, xValue, yValue);
}

// ---------------------------------------------------------------------------------------------------
// Painting

void TAudioVisualization2::Paint() {
    if (ClientWidth() <= 0 || ClientHeight() <= 0) return;
    const RECT plot = PlotRect();
    TPixelPainter painter = BeginPicture();
    PaintGrid(painter, plot);
    if (FVisType == 0)
        PaintWave(painter, plot);
    else if (FVisType == 1)
        PaintLine(painter, plot);
    else
        PaintBars(painter, plot);
    EndPicture();
}

void TAudioVisualization2::PaintGrid(TPixelPainter& painter, const RECT& plot) {
    const int height = plot.bottom - plot.top;
    // Levels: 0 to -100 dB every 20 dB (the wave shape: +1, 0, -1).
    const int rows = FVisType == 0 ? 2 : 5;
    for (int i = 0; i <= rows; ++i) {
        const int y = plot.top + int(std::lround(double(i) * (height - 1) / rows));
        painter.DottedHorizontal(plot.left, plot.right - 1, y, GridPixel, 3);
        LeftLabel(plot, y,
                  FVisType == 0 ? (i == 0   ? "+1"
                                   : i == 1 ? "0"
                                            : "-1")
                                : std::to_string(int(TopDb) - 20 * i));
    }
    // Along the bottom: frequencies (frame numbers for the wave shape).
    std::vector<TScaleTick> ticks;
    auto measure = [&](const std::string& s) { return TextWidth(s); };
    const int width = plot.right - plot.left;
    if (FVisType == 0) {
        const double frames = double(std::max<std::size_t>(1, FSamples.size() / std::size_t(FChannels)));
        ticks = scale_ticks::Time(0, frames, width, 1, FSampleRate, measure);
    } else {
        ticks = scale_ticks::FrequencyAxis(LogAxis() ? LowestHz : 0, FSampleRate / 2.0, width, LogAxis(),
                                           measure);
    }
    BottomAxis(painter, plot, ticks, true);
}

void TAudioVisualization2::PaintWave(TPixelPainter& picture, const RECT& plot) {
    TPixelPainter painter = picture.Within(plot);
    const std::size_t frames = FSamples.size() / std::size_t(FChannels);
    if (frames == 0) return;
    const int width = plot.right - plot.left;
    const double half = (plot.bottom - plot.top - 1) / 2.0, middle = plot.top + half;
    auto row = [&](float v) { return int(std::lround(middle - std::clamp(v, -1.0f, 1.0f) * half)); };
    for (int c = std::min(FChannels, 2) - 1; c >= 0; --c) {
        auto at = [&](std::size_t i) { return FSamples[i * std::size_t(FChannels) + std::size_t(c)]; };
        // Each column spans the values of its frames and the one before, so the trace never breaks.
        std::size_t previous = 0;
        for (int x = 0; x < width; ++x) {
            const std::size_t last =
                std::min(frames - 1, std::size_t(double(x + 1) * double(frames) / width));
            float lo = at(previous), hi = lo;
            for (std::size_t i = previous; i <= last; ++i) {
                lo = std::min(lo, at(i));
                hi = std::max(hi, at(i));
            }
            painter.VerticalSpan(plot.left + x, row(hi), row(lo), TracePixels[c]);
            previous = last;
        }
    }
}

void TAudioVisualization2::PaintLine(TPixelPainter& picture, const RECT& plot) {
    TPixelPainter painter = picture.Within(plot);
    const int width = plot.right - plot.left, height = plot.bottom - plot.top;
    const std::uint32_t fill = ColorRefToPixel(RGB(20, 70, 30));
    int previous = -1;
    for (int x = 0; x < width; ++x) {
        // The loudest bin under the column (the level between bins where a column is narrower).
        const double f0 = FrequencyAt(double(x) / width), f1 = FrequencyAt(double(x + 1) / width);
        double level = LevelAt((f0 + f1) / 2);
        const double binWidth = FSampleRate / 2.0 / double(FLevels.size() - 1);
        for (double f = f0; f < f1; f += binWidth)
            level = std::max(level, LevelAt(f));
        const double t = std::clamp((level - BottomDb) / (TopDb - BottomDb), 0.0, 1.0);
        const int y = plot.bottom - 1 - int(std::lround(t * (height - 1)));
        painter.VerticalSpan(plot.left + x, y + 1, plot.bottom - 1, fill);
        painter.VerticalSpan(plot.left + x, previous < 0 ? y : previous, y, TracePixels[0]);
        previous = y;
    }
}

void TAudioVisualization2::PaintBars(TPixelPainter& picture, const RECT& plot) {
    TPixelPainter painter = picture.Within(plot);
    const int width = plot.right - plot.left, height = plot.bottom - plot.top;
    const TColorRamp& ramp = BarRamp(FVisType);
    const int bars = std::max(1, width / (BarWidth + BarGap));
    const double binWidth = FSampleRate / 2.0 / double(FLevels.size() - 1);
    for (int b = 0; b < bars; ++b) {
        const double f0 = FrequencyAt(double(b) / bars), f1 = FrequencyAt(double(b + 1) / bars);
        double level = LevelAt((f0 + f1) / 2);
        for (double f = f0; f < f1; f += binWidth)
            level = std::max(level, LevelAt(f));
        const double t = std::clamp((level - BottomDb) / (TopDb - BottomDb), 0.0, 1.0);
        const int barHeight = int(std::lround(t * height));
        const int left = plot.left + b * (BarWidth + BarGap);
        for (int i = 0; i < barHeight; ++i) {
            // The colour follows the height in the plot, so louder bars reach further up the ramp.
            std::uint32_t pixel = ramp[std::size_t(i * 255 / std::max(1, height - 1))];
            const int y = plot.bottom - 1 - i;
            painter.HorizontalLine(left, left + BarWidth - 1, y, pixel);
            if (FVisType == 4)
                painter.HorizontalLine(left, left, y, MixPixel(pixel, 0xFFFFFF, 110)); // glass sheen
        }
        if (barHeight > 0 && FVisType != 2) // a bright cap on every look but the plain one
            painter.HorizontalLine(left, left + BarWidth - 1, plot.bottom - barHeight,
                                   MixPixel(ramp[255], 0xFFFFFF, 128));
    }
}
