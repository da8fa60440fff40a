// The filter dialogs: a frequency typed in Hz, then, for all but the high pass, a steepness slider,
// and for the shelves and the peak EQ a gain slider in dB. The three levels share their controls'
// names (Frequency, Steepness, Gain), which the favourites and the batch converter fill by name.
#pragma once

#include "source/effects/EffectForm.h"

// The high pass: the frequency alone.
class TFilterForm : public TEffectForm {
public:
    TLabel* LabelFrequency = nullptr;
    TEdit* EditFrequency = nullptr;

protected:
    TFilterForm(TComponent* AOwner, const TEffectDialogModel& Model, TEffectDialogHost* Host);
};

// Low pass, band pass, notch: the frequency and the steepness.
class TSteepFilterForm : public TFilterForm {
public:
    TLabel* LabelSteepness = nullptr;
    TEdit* EditSteepness = nullptr;
    TImageSlider* ImageSliderSteepness = nullptr;
    TLabel* LabelSteepnessMin = nullptr;
    TLabel* LabelSteepnessMax = nullptr;

protected:
    TSteepFilterForm(TComponent* AOwner, const TEffectDialogModel& Model, TEffectDialogHost* Host);
};

// Low shelf, high shelf, peak EQ: the frequency, the steepness and the gain.
class TGainFilterForm : public TSteepFilterForm {
public:
    TLabel* LabelGain = nullptr;
    TEdit* EditGain = nullptr;
    TImageSlider* ImageSliderGain = nullptr;
    TLabel* LabelGainMin = nullptr;
    TLabel* LabelGainMax = nullptr;

protected:
    TGainFilterForm(TComponent* AOwner, const TEffectDialogModel& Model, TEffectDialogHost* Host);
};

// The model of a filter with a steepness (and a gain where Gain is given): frequency, steepness and
// gain in that order, and the presets "<Prefix> 10kHz", " 1kHz" and " 200Hz".
TEffectDialogModel SteepFilterModel(const std::string& Caption, int Identifier, const std::string& Prefix,
                                    int TGlobalVars::*Frequency, int TGlobalVars::*Steepness,
                                    int TGlobalVars::*Gain = nullptr);
