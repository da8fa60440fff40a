#include "source/effects/EqualizerForm.h"

#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"

namespace equalizer_form_detail {

std::vector<TEffectParameter> Bands() {
    static const char* const captions[EqualizerBandCount] = {"31", "62", "125", "252", "500", "1k",
                                                             "2k", "4k", "6k",  "9k",  "12k", "16k"};
    std::vector<TEffectParameter> bands;
    for (int i = 0; i < EqualizerBandCount; ++i)
        bands.push_back(
            Band("Band" + std::to_string(i + 1), captions[i], -180, 180, EqualizerFields()[i], 0));
    return bands;
}

} // namespace equalizer_form_detail

const TEffectDialogModel& TEqualizerForm::DialogModel() {
    static const TEffectDialogModel model{
        "Equalizer",
        eiEqualizer,
        TOkForm::CloseAtOnce,
        {"Equalizer"},
        equalizer_form_detail::Bands(),
        {
            // Band1 .. Band12, tenths of a dB
            {"Basic Low Boost", {30, 55, 30, 15, 0, 0, 0, 0, 0, 0, 0, 0}},
            {"Basic High Boost", {0, 0, 0, 0, 0, 0, 10, 20, 30, 40, 50, 60}},
            {"1960s", {-50, -180, -50, 0, -30, 80, 0, 75, 45, 30, 15, 0}},
            {"Classic V", {0, 20, -30, -55, -90, -80, -60, -50, -20, 10, 10, 0}},
            {"Basic Mid Boost", {0, 0, 0, 0, 15, 30, 30, 15, 0, 0, 0, 0}},
            {"Basic High Cut", {0, 0, 0, 0, 0, 0, -15, -30, -45, -60, -75, -90}},
            {"Basic Low Cut", {-20, -50, -35, -20, -10, 0, 0, 0, 0, 0, 0, 0}},
            {"Basic Mid Cut", {0, 0, 0, 0, -20, -40, -40, -10, 0, 0, 0, 0}},
            {"Ghetto Fab (Attention: extreme  bass boost)", {120, 140, 120, 65, 0, 0, 0, 0, 0, 0, 0, 0}},
            {"Lo Fi", {-180, -180, -180, -90, 90, 90, 90, -90, -180, -180, -180, -180}},
            {"Raver Neighhor", {0, 10, 20, 0, -50, -90, -140, -180, -180, -180, -180, -180}},
            {"Telephonic", {-180, -180, 0, 0, 0, 0, -40, -100, -160, -180, -180, -180}},
            {"Just Bass", {0, 0, 0, 0, -50, -110, -180, -180, -180, -180, -180, -180}},
            {"Just Treble", {-180, -180, -180, -180, -130, -50, 0, 0, 0, 0, 0, 0}},
            {"1k Notch", {0, 0, 0, 0, 0, 90, 0, 0, 0, 0, 0, 0}},
            {"Vocal Presence Boost", {0, 0, 0, 0, 0, 10, 25, 10, 0, 0, 0, 0}},
            {"Vocal Presence Cut", {0, 0, 0, 0, 0, -10, -25, -10, 0, 0, 0, 0}},
            {"Remove Sub-Bass", {-180, -50, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
            {"Notch Every 2nd Octave", {-180, 90, -180, 90, -180, 90, -180, 90, -180, 90, -180, 90}},
            {"AM Radio", {-55, -180, 0, -115, 20, -10, -40, -70, -100, -130, -160, -180}},
        },
        {},
        {{"Label18dB", "18 dB", 180}, {"Label10dB", "0 dB", 0}, {"Label18dB2", "-18 dB", -180}},
        "&Select Presets"};
    return model;
}

TEqualizerForm::TEqualizerForm(TComponent* AOwner, TEffectDialogHost* Host)
    : TEffectForm(AOwner, DialogModel(), Host) {
    TImageSlider** sliders[] = {&Band1, &Band2, &Band3, &Band4,  &Band5,  &Band6,
                                &Band7, &Band8, &Band9, &Band10, &Band11, &Band12};
    TLabel** labels[] = {&LabelBand1, &LabelBand2, &LabelBand3, &LabelBand4,  &LabelBand5,  &LabelBand6,
                         &LabelBand7, &LabelBand8, &LabelBand9, &LabelBand10, &LabelBand11, &LabelBand12};
    for (int i = 0; i < EqualizerBandCount; ++i)
        Bind(i, *labels[i], *sliders[i]);
    Label18dB = ScaleMark(0);
    Label10dB = ScaleMark(1);
    Label18dB2 = ScaleMark(2);
    GroupBoxEqualizer = Group(0);
    GroupBoxPresets = PresetGroupBox();
}
