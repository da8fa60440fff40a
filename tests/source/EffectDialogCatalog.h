// Every effect dialog, by name, for the tests that run through all of them.
#pragma once

#include "source/effects/AmplifyForm.h"
#include "source/effects/BandPassForm.h"
#include "source/effects/ChorusForm.h"
#include "source/effects/CossFadeForm.h"
#include "source/effects/DynamicRangeCompressorForm.h"
#include "source/effects/EchoForm.h"
#include "source/effects/EnvelopeForm.h"
#include "source/effects/EqualizerForm.h"
#include "source/effects/FlangerForm.h"
#include "source/effects/HighPassForm.h"
#include "source/effects/HighShelfForm.h"
#include "source/effects/LowPassForm.h"
#include "source/effects/LowShelfForm.h"
#include "source/effects/MixStereoForm.h"
#include "source/effects/NoiseReductionForm.h"
#include "source/effects/NormalizeForm.h"
#include "source/effects/NotchForm.h"
#include "source/effects/PeakEQForm.h"
#include "source/effects/PhaserForm.h"
#include "source/effects/PitchChangeForm.h"
#include "source/effects/ReverbForm.h"
#include "source/effects/SpeedChangeForm.h"
#include "source/effects/VibratoForm.h"

#include <functional>
#include <string>
#include <vector>

namespace effect_dialog_catalog {

struct TDialogEntry {
    std::string Name;
    std::function<TEffectForm*(TComponent*, TEffectDialogHost*)> Make;
};

template <class T> TDialogEntry Entry(const std::string& name) {
    return {name, [](TComponent* owner, TEffectDialogHost* host) -> TEffectForm* {
                return TCustomForm::New<T>(owner, host);
            }};
}

inline std::vector<TDialogEntry> AllDialogs() {
    return {Entry<TAmplifyForm>("Amplify"),
            Entry<TNormalizeForm>("Normalize"),
            Entry<TDynamicRangeCompressorForm>("DynamicRangeCompressor"),
            Entry<TNoiseReductionForm>("NoiseReduction"),
            Entry<TCossFadeForm>("CrossFade"),
            Entry<TMixStereoForm>("MixStereo"),
            Entry<TEchoForm>("Echo"),
            Entry<TReverbForm>("Reverb"),
            Entry<TPhaserForm>("Phaser"),
            Entry<TFlangerForm>("Flanger"),
            Entry<TChorusForm>("Chorus"),
            Entry<TVibratoForm>("Vibrato"),
            Entry<TEqualizerForm>("Equalizer"),
            Entry<THighPassForm>("HighPass"),
            Entry<TLowPassForm>("LowPass"),
            Entry<TBandPassForm>("BandPass"),
            Entry<TNotchForm>("Notch"),
            Entry<TLowShelfForm>("LowShelf"),
            Entry<THighShelfForm>("HighShelf"),
            Entry<TPeakEQForm>("PeakEQ"),
            Entry<TSpeedChangeForm>("SpeedChange"),
            Entry<TPitchChangeForm>("PitchChange"),
            Entry<TEnvelopeForm>("Envelope")};
}

} // namespace effect_dialog_catalog
