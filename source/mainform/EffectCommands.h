// The effect commands of the main window. Each effect action hands its command to one effect road,
// which shows the effect's dialog and applies the effect to the document.
#pragma once

#include <memory>

class TEffectCommands;
class TMainForm;

enum class TEffectCommand {
    Amplify,
    Normalize,
    DynamicRangeCompressor,
    HighPass,
    Equalizer,
    Echo,
    Reverb,
    Reverse,
    FadeIn,
    FadeOut,
    FadeOutAndTrim,
    CrossFade,
    Envelope,
    MixStereo,
    NoiseReduction,
    SpeedChange,
    PitchChange,
    Phaser,
    Flanger,
    Chorus,
    // The ribbon's filter, modulation and one-click buttons.
    Vibrato,
    PeakEQ,
    NotchFilter,
    BandPass,
    LowPass,
    LowShelf,
    HighShelf,
    Invert,
    CassetteNoiseReduction,
    VoiceBreathNoiseReduction,
};

class IEffectCommands {
public:
    virtual ~IEffectCommands() = default;
    virtual void RunEffect(TEffectCommand Command) = 0;
    // The road the commands run on, for the other roads that open effect dialogs (the favourites);
    // null where there is none.
    virtual TEffectCommands* Road() { return nullptr; }
};

// The effect road the program is built with, working on `Form`'s document.
std::unique_ptr<IEffectCommands> CreateEffectCommands(TMainForm& Form);
