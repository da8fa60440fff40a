// The 12-band graphic equalizer: an upright slider per band, its gain in tenths of a dB (-18 to +18
// dB), three marks on the scale that set every band to their value at a double click, and twenty band
// curves as presets. It has no edits.
#pragma once

#include "source/effects/EffectForm.h"

class TEqualizerForm : public TEffectForm {
public:
    explicit TEqualizerForm(TComponent* AOwner, TEffectDialogHost* Host = nullptr);
    static const TEffectDialogModel& DialogModel();

    TImageSlider *Band1 = nullptr, *Band2 = nullptr, *Band3 = nullptr, *Band4 = nullptr, *Band5 = nullptr,
                 *Band6 = nullptr, *Band7 = nullptr, *Band8 = nullptr, *Band9 = nullptr, *Band10 = nullptr,
                 *Band11 = nullptr, *Band12 = nullptr;
    TLabel *LabelBand1 = nullptr, *LabelBand2 = nullptr, *LabelBand3 = nullptr, *LabelBand4 = nullptr,
           *LabelBand5 = nullptr, *LabelBand6 = nullptr, *LabelBand7 = nullptr, *LabelBand8 = nullptr,
           *LabelBand9 = nullptr, *LabelBand10 = nullptr, *LabelBand11 = nullptr, *LabelBand12 = nullptr;
    // The scale's marks: "18 dB", "0 dB" and "-18 dB".
    TLabel* Label18dB = nullptr;
    TLabel* Label10dB = nullptr;
    TLabel* Label18dB2 = nullptr;
    TGroupBox* GroupBoxEqualizer = nullptr;
    TGroupBox* GroupBoxPresets = nullptr;
};
