#include "source/effects/FilterForm.h"

#include <utility>

TFilterForm::TFilterForm(TComponent* AOwner, const TEffectDialogModel& Model, TEffectDialogHost* Host)
    : TEffectForm(AOwner, Model, Host) {
    Bind(0, LabelFrequency, EditFrequency);
}

TSteepFilterForm::TSteepFilterForm(TComponent* AOwner, const TEffectDialogModel& Model,
                                   TEffectDialogHost* Host)
    : TFilterForm(AOwner, Model, Host) {
    Bind(1, LabelSteepness, EditSteepness, ImageSliderSteepness, LabelSteepnessMin, LabelSteepnessMax);
}

TGainFilterForm::TGainFilterForm(TComponent* AOwner, const TEffectDialogModel& Model, TEffectDialogHost* Host)
    : TSteepFilterForm(AOwner, Model, Host) {
    Bind(2, LabelGain, EditGain, ImageSliderGain, LabelGainMin, LabelGainMax);
}

TEffectDialogModel SteepFilterModel(const std::string& Caption, int Identifier, const std::string& Prefix,
                                    int TGlobalVars::*Frequency, int TGlobalVars::*Steepness,
                                    int TGlobalVars::*Gain) {
    TEffectDialogModel model;
    model.Caption = Caption;
    model.Identifier = Identifier;
    model.OkForm = TOkForm::FocusFirst;
    // The frequency is not limited: whatever five digits make is stored (the effect refuses what the
    // sound cannot carry, with its own message).
    model.Parameters.push_back(PlainEdit("Frequency", "Frequency (Hz):", 5, Frequency));
    model.Parameters.push_back(Slider("Steepness", "&Steepness (%):", "0 %", "100 %", 0, 100, 4, Steepness));
    if (Gain != nullptr)
        model.Parameters.push_back(Slider("Gain", "&Gain (dB):", "-90 dB", "90 dB", -90, 90, 4, Gain, true));
    // frequency Hz, steepness %, gain dB
    const std::pair<const char*, int> presets[] = {{" 10kHz", 10000}, {" 1kHz", 1000}, {" 200Hz", 200}};
    for (const auto& [name, frequency] : presets) {
        TEffectPreset preset{Prefix + name, {frequency, 50}};
        if (Gain != nullptr) preset.Values.push_back(-10);
        model.Presets.push_back(preset);
    }
    return model;
}
