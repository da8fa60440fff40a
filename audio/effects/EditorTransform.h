// The editor's effect transforms: each applies one effect to the document's selection (the whole
// document when the caller selected it) as one undoable step, with the editor's progress events during
// the work and its end event afterwards, also when the effect fails. A parameter out of range raises
// EAudioEffectParameter and leaves the document as it was. Parameters come in the order and units the
// main window passes them; the shelf filters take the frequency before the gain.
#pragma once

#include <vector>

class TAudioEditor2;
class TAudioTransform2;

class TEditorTransform {
public:
    explicit TEditorTransform(TAudioEditor2& editor) : FEditor(editor) {}

    void Pitch(float percent);
    void Speed(float percent);
    void MixStereo(float ll, float lr, float rl, float rr);
    void Amplify(float gainPercent);
    void Fade(float startPercent, float endPercent);
    void Normalize(float peakPercent, int channelMode);
    void Vibrato(float depthPercent, float rateHz, float phaseDegrees);
    // Linear gains spread evenly over the selection.
    void Envelope(std::vector<float>& gains);
    void Compressor(float thresholdDb, float ratePercent, float outputPercent);
    void NoiseReduction(float thresholdDb, float ratePercent, float rmsTimeMs);
    void Echo(float delayMs, float mixPercent, float feedbackPercent);
    void Flanger(float delayRate, float mixDepth, float feedbackGain, float sweepDepth, float sweepRate,
                 float sweepPhase);
    void Chorus(float delayRate, float mixDepth, float feedbackGain, float sweepDepth, float sweepRate,
                float sweepPhase);
    void Phaser(float delayMs, float mixPercent, float feedbackPercent);
    void Reverb(float delayMs, float mixPercent, float feedbackPercent, float reverbGainPercent,
                float frequencyHz, int taps);
    void LowPass(float frequencyHz, float steepness);
    void HighPass(float cutoffHz, float steepness);
    void BandPass(float frequencyHz, float steepness);
    void Notch(float frequencyHz, float steepness);
    void PeakEQ(float gainDb, float frequencyHz, float steepness);
    void LowShelf(float frequencyHz, float gainDb, float steepness);
    void HighShelf(float frequencyHz, float gainDb, float steepness);
    void Equalizer(std::vector<float>& gains, std::vector<float>& frequencies);

private:
    // Runs the effect, given as a call on an in-memory transform, over the selection.
    template <typename Effect> void Apply(Effect&& effect);

    TAudioEditor2& FEditor;
};
