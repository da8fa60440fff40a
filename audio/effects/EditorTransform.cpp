#include "audio/effects/EditorTransform.h"

#include "audio/AudioEditor2.h"
#include "audio/effects/AudioEffect.h"
#include "audio/effects/AudioTransform2.h"

#include <cstdlib>

template <typename Effect> void TEditorTransform::Apply(Effect&& effect) {
    std::unique_ptr<effects::TAudioEffect> made;
    try {
        const TAudioDocument& doc = FEditor.Document();
        TAudioTransform2 transform;
        transform.SetFormat(doc.SampleRate(), doc.Channels());
        const std::int64_t selected =
            std::abs(FEditor.Position().GetSelectionEnd() - FEditor.Position().GetSelectionStart());
        made = transform.MakeEffect(effect, std::uint64_t(selected));
    } catch (...) {
        // A refused parameter (or no document) still ends the operation, as every operation does.
        if (FEditor.OnEndOperation) FEditor.OnEndOperation();
        throw;
    }
    FEditor.StreamSelection(*made);
}

void TEditorTransform::Pitch(float percent) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) { t.Pitch(s, percent); });
}

void TEditorTransform::Speed(float percent) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) { t.Speed(s, percent); });
}

void TEditorTransform::MixStereo(float ll, float lr, float rl, float rr) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) { t.MixStereo(s, ll, lr, rl, rr); });
}

void TEditorTransform::Amplify(float gainPercent) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) { t.Amplify(s, gainPercent); });
}

void TEditorTransform::Fade(float startPercent, float endPercent) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) { t.Fade(s, startPercent, endPercent); });
}

void TEditorTransform::Normalize(float peakPercent, int channelMode) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) { t.Normalize(s, peakPercent, channelMode); });
}

void TEditorTransform::Vibrato(float depthPercent, float rateHz, float phaseDegrees) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) {
        t.Vibrato(s, depthPercent, rateHz, phaseDegrees);
    });
}

void TEditorTransform::Envelope(std::vector<float>& gains) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) { t.Envelope(s, gains); });
}

void TEditorTransform::Compressor(float thresholdDb, float ratePercent, float outputPercent) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) {
        t.Compressor(s, thresholdDb, ratePercent, outputPercent);
    });
}

void TEditorTransform::NoiseReduction(float thresholdDb, float ratePercent, float rmsTimeMs) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) {
        t.NoiseReduction(s, thresholdDb, ratePercent, rmsTimeMs);
    });
}

void TEditorTransform::Echo(float delayMs, float mixPercent, float feedbackPercent) {
    Apply(
        [&](TAudioTransform2& t, std::vector<float>& s) { t.Echo(s, delayMs, mixPercent, feedbackPercent); });
}

void TEditorTransform::Flanger(float delayRate, float mixDepth, float feedbackGain, float sweepDepth,
                               float sweepRate, float sweepPhase) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) {
        t.Flanger(s, delayRate, mixDepth, feedbackGain, sweepDepth, sweepRate, sweepPhase);
    });
}

void TEditorTransform::Chorus(float delayRate, float mixDepth, float feedbackGain, float sweepDepth,
                              float sweepRate, float sweepPhase) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) {
        t.Chorus(s, delayRate, mixDepth, feedbackGain, sweepDepth, sweepRate, sweepPhase);
    });
}

void TEditorTransform::Phaser(float delayMs, float mixPercent, float feedbackPercent) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) {
        t.Phaser(s, delayMs, mixPercent, feedbackPercent);
    });
}

void TEditorTransform::Reverb(float delayMs, float mixPercent, float feedbackPercent, float reverbGainPercent,
                              float frequencyHz, int taps) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) {
        t.Reverb(s, delayMs, mixPercent, feedbackPercent, reverbGainPercent, frequencyHz, taps);
    });
}

void TEditorTransform::LowPass(float frequencyHz, float steepness) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) { t.LowPass(s, frequencyHz, steepness); });
}

void TEditorTransform::HighPass(float cutoffHz, float steepness) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) { t.HighPass(s, cutoffHz, steepness); });
}

void TEditorTransform::BandPass(float frequencyHz, float steepness) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) { t.BandPass(s, frequencyHz, steepness); });
}

void TEditorTransform::Notch(float frequencyHz, float steepness) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) { t.Notch(s, frequencyHz, steepness); });
}

void TEditorTransform::PeakEQ(float gainDb, float frequencyHz, float steepness) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) { t.PeakEQ(s, gainDb, frequencyHz, steepness); });
}

void TEditorTransform::LowShelf(float frequencyHz, float gainDb, float steepness) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) { t.LowShelf(s, gainDb, frequencyHz, steepness); });
}

void TEditorTransform::HighShelf(float frequencyHz, float gainDb, float steepness) {
    Apply(
        [&](TAudioTransform2& t, std::vector<float>& s) { t.HighShelf(s, gainDb, frequencyHz, steepness); });
}

void TEditorTransform::Equalizer(std::vector<float>& gains, std::vector<float>& frequencies) {
    Apply([&](TAudioTransform2& t, std::vector<float>& s) { t.Equalizer(s, gains, frequencies); });
}
