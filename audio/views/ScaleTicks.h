// Where the sound views put the ticks and labels of their scales, and the label texts: steps of 1, 2
// and 5 (and minute-friendly steps for time) chosen so that labels never crowd each other.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct TScaleTick {
    double Offset = 0; // pixels along the scale from its origin
    bool Major = false;
    std::string Label; // majors only
};

// The width of a label in pixels.
using TMeasureText = std::function<int(const std::string&)>;

namespace scale_ticks {

// m:ss with `decimals` digits after the seconds (minutes run past 59); -0 never shows.
std::string DecimalTime(double seconds, int decimals);
// A frequency in Hz: "500", "1k", "2.5k".
std::string FrequencyText(double hz);

// Ticks over the values [first, first + span) drawn on `pixels` pixels from left to right: format 1
// whole sample numbers (values are frames), format 2 decimal time (values are frames, labels m:ss.dddd
// at `sampleRate`).
std::vector<TScaleTick> Time(double first, double span, int pixels, int format, int sampleRate,
                             const TMeasureText& measure);

// Ticks of a lane `height` pixels high whose edges stand for +/- `amplitude` (1 = full scale), measured
// from the lane's top: format 1 sample values (full scale 32768), 2 normalized values, 3 decibels.
// `textHeight` keeps labels apart.
std::vector<TScaleTick> Amplitude(int format, double amplitude, int height, int textHeight);

// Ticks of frequencies 0 (bottom) to `nyquist` (top) over `height` pixels, measured from the top.
std::vector<TScaleTick> Frequency(double nyquist, int height, int textHeight);

// Ticks of frequencies from `low` (offset 0) to `high` (offset pixels - 1) on a linear or a logarithmic
// axis; labels are meant to be centred on their ticks.
std::vector<TScaleTick> FrequencyAxis(double low, double high, int pixels, bool logarithmic,
                                      const TMeasureText& measure);

// The widest label Amplitude() gives for a format and amplitude, and the widest frequency label.
std::string WidestAmplitudeLabel(int format, double amplitude);
std::string WidestFrequencyLabel();

} // namespace scale_ticks
