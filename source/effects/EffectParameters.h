// The effect identifiers that the effect dialogs store in PreviewOperationTypes, and the parameters
// every effect takes from the settings record, in the order each of the two processors wants them:
// the editor's transform (applying to the document) and the in-memory processor (the preview). The two
// differ only for the shelf filters, which the editor takes frequency first and the processor gain
// first. Every value goes as a single-precision float, but the reverb's taps (an integer).
#pragma once

#include <array>
#include <string>
#include <vector>

struct TGlobalVars;
class TEditorTransform;
class TAudioTransform2;

enum TEffectId : int {
    eiNone = -1,
    eiCompressor = 1,
    eiAmplify = 2,
    eiHighPass = 3,
    eiEqualizer = 4,
    eiEcho = 5,
    eiReverb = 6,
    eiCrossFade = 7,
    eiMixStereo = 8,
    eiNoiseReduction = 9,
    eiSpeedChange = 10,
    eiPitchChange = 11,
    eiPhaser = 12,
    eiFlanger = 13,
    eiChorus = 14,
    eiNotch = 15,
    eiBandPass = 16,
    eiLowPass = 17,
    eiLowShelf = 18,
    eiHighShelf = 19,
    eiPeakEQ = 20,
    eiVibrato = 21
};

// The effect `Id` on the editor's selection, with the parameters of Vars. False (nothing done) for an
// identifier that names no effect.
bool ApplyEditorEffect(TEditorTransform& Transform, int Id, const TGlobalVars& Vars);

// The effect `Id` on Samples (in the processor's format), with the parameters of Vars. False, with the
// samples unchanged, for an identifier that names no effect.
bool ApplyPreviewEffect(TAudioTransform2& Transform, std::vector<float>& Samples, int Id,
                        const TGlobalVars& Vars);

// The 12-band equalizer. A band's setting is a whole number of tenths of a dB (-180 .. 180 on the
// dialog's sliders); the effect takes a band's gain in units of 10 dB, which is the setting / 100, so
// that the dB the dialog's labels show is the dB heard (180 is 1.8 units, +18 dB). The dialog, the
// effect commands, the batch converter and the favourites all convert through these.
constexpr int EqualizerBandCount = 12;
using TEqualizerBands = std::array<int, EqualizerBandCount>;
float EqualizerBandGain(int BandSetting);
std::vector<float> EqualizerGains(const TEqualizerBands& Bands);
// The settings fields of the bands, lowest band first, and what they hold.
const std::array<int TGlobalVars::*, EqualizerBandCount>& EqualizerFields();
TEqualizerBands EqualizerBands(const TGlobalVars& Vars);
std::vector<float> EqualizerGains(const TGlobalVars& Vars);
// The bands' centre frequencies in Hz.
std::vector<float> EqualizerFrequencies();

// The envelope display's curve, levels in dB, becomes the linear gains the envelope effect takes: each
// level v is replaced by 10^(v / 20) as a single-precision float.
void EnvelopeGainsFromDecibels(std::vector<float>& Levels);

// What the user is told before an effect whose result would pass full scale: the peak it would reach,
// in dB and percent of full scale, and the question whether to go on. Empty when the peak (1 is full
// scale) stays within it.
std::string ClipWarningText(double ResultPeak);
