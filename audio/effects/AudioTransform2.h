// TAudioTransform2: the in-memory effect processor used by the preview and by the batch converter.
//
// Every operation takes an interleaved float array by reference, changes it in place (speed and pitch
// may change its length) and leaves the result in the same array. Parameters come in the order and
// units the effect dialogs give them. A parameter out of range raises EAudioEffectParameter before the
// array is touched.
//
// Two ways of use:
// - One piece (processing switch off, the preview): each call treats the array as a whole signal of
//   the format set by SetFormat. Work is done in slices, with OnTransformBlock (percent) raised on the
//   caller's thread after each, so a handler can let the message loop run; OnEndTransform follows at
//   the end, also when the call fails.
// - Block by block (the batch converter): SetSampleRate starts a new file; each block is processed
//   between SetProcessing(true) and SetProcessing(false), usually split into channel arrays with
//   SplitChannels and put back with JoinChannels. Within one block the calls are matched to those of
//   the previous block by their order, so each effect of the chain keeps its state (echo tails, filter
//   memories, a running normalize) from block to block of the file. Effects that must see the whole
//   file (normalize, reverse) or that delay their output (speed, pitch) hold samples back; after the
//   last block the caller runs one more pass, with SetEndOfStream(true), feeding empty arrays through
//   the same chain: it gives out everything held back.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/ObjectEvent.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace effects {
class TAudioEffect;
struct TPeakMeter;
} // namespace effects

class TAudioTransform2 : public TComponent {
public:
    using TTransformBlockEvent = TEvent<TObject* /*sender*/, int /*percent*/>;

    explicit TAudioTransform2(TComponent* owner = nullptr);
    ~TAudioTransform2() override;

    TTransformBlockEvent OnTransformBlock;
    TNotifyEvent OnEndTransform;

    // Format of the arrays (the preview passes the document's). Also ends any block-wise stream.
    void SetFormat(int sampleRate, int channels);
    int SampleRate() const { return FSampleRate; }
    int Channels() const { return FChannels; }
    bool Busy() const { return FBusy; }

    // --- Block-wise use ---
    // Sets the rate of the file about to be processed and starts its stream afresh (the channel count
    // stays; SetFormat sets both).
    void SetSampleRate(int sampleRate);
    void SetProcessing(bool on);
    bool Processing() const { return FProcessing; }
    // Marks the next processing pass as the flush after the file's last block.
    void SetEndOfStream(bool on) { FEndOfStream = on; }
    // The file is mono: its blocks hold one channel; SplitChannels gives the channel on both sides and
    // JoinChannels gives back one channel. (A format of one channel means the same.) Split and join
    // handle mono and stereo blocks only.
    void PrepareMono(std::vector<float>& block);
    void SplitChannels(std::vector<float>& block, std::vector<float>& left, std::vector<float>& right);
    void JoinChannels(std::vector<float>& left, std::vector<float>& right, std::vector<float>& block);

    // --- Effects ---
    void Amplify(std::vector<float>& samples, float gainPercent);
    void Normalize(std::vector<float>& samples, float peakPercent, int channelMode);
    void Fade(std::vector<float>& samples, float startPercent, float endPercent);
    void Envelope(std::vector<float>& samples, std::vector<float>& gains);
    void Invert(std::vector<float>& samples);
    void Reverse(std::vector<float>& samples);
    void Silence(std::vector<float>& samples);
    // Inserts milliseconds of silence before frame atFrame (0 = at the start).
    void InsertSilence(std::vector<float>& samples, float milliseconds, std::size_t atFrame = 0);
    void MixStereo(std::vector<float>& samples, float ll, float lr, float rl, float rr);
    void Compressor(std::vector<float>& samples, float thresholdDb, float ratePercent, float outputPercent);
    void NoiseReduction(std::vector<float>& samples, float thresholdDb, float ratePercent, float rmsTimeMs);
    void Echo(std::vector<float>& samples, float delayMs, float mixPercent, float feedbackPercent);
    void Reverb(std::vector<float>& samples, float delayMs, float mixPercent, float feedbackPercent,
                float reverbGainPercent, float frequencyHz, int taps);
    void Phaser(std::vector<float>& samples, float delayMs, float mixPercent, float feedbackPercent);
    void Flanger(std::vector<float>& samples, float delayRate, float mixDepth, float feedbackGain,
                 float sweepDepth, float sweepRate, float sweepPhase);
    void Chorus(std::vector<float>& samples, float delayRate, float mixDepth, float feedbackGain,
                float sweepDepth, float sweepRate, float sweepPhase);
    void Vibrato(std::vector<float>& samples, float depthPercent, float rateHz, float phaseDegrees);
    void Speed(std::vector<float>& samples, float percent);
    void Pitch(std::vector<float>& samples, float percent);
    void HighPass(std::vector<float>& samples, float cutoffHz, float steepness);
    void LowPass(std::vector<float>& samples, float frequencyHz, float steepness);
    void BandPass(std::vector<float>& samples, float frequencyHz, float steepness);
    void Notch(std::vector<float>& samples, float frequencyHz, float steepness);
    void LowShelf(std::vector<float>& samples, float gainDb, float frequencyHz, float steepness);
    void HighShelf(std::vector<float>& samples, float gainDb, float frequencyHz, float steepness);
    void PeakEQ(std::vector<float>& samples, float gainDb, float frequencyHz, float steepness);
    void Equalizer(std::vector<float>& samples, std::vector<float>& gains, std::vector<float>& frequencies);

    // The effect that `call` (one of the operations above, given this transform and an array) would run
    // on a signal of totalFrames frames of the set format, made and handed back instead of run, for a
    // caller that feeds it the signal itself (the editor streams a selection block by block from its
    // document). Raises EAudioEffectParameter for parameters out of range, as the call would.
    std::unique_ptr<effects::TAudioEffect>
    MakeEffect(const std::function<void(TAudioTransform2&, std::vector<float>&)>& call,
               std::uint64_t totalFrames);

    // What an effect is built from: the signal it will see.
    struct TSetup {
        int SampleRate;
        int Channels;
        int FirstChannel;          // number of channel 0 within the whole signal
        std::uint64_t TotalFrames; // length of the whole signal; 0 when unknown (block-wise use)
        std::shared_ptr<effects::TPeakMeter> PeakGroup;
    };
    using TEffectMaker = std::function<std::unique_ptr<effects::TAudioEffect>(const TSetup&)>;

private:
    // Runs one effect over the array in the current mode. signature identifies the effect and its
    // parameters, to match calls between blocks; needsLength marks effects that must know the length.
    void Run(std::vector<float>& samples, const std::string& signature, bool needsLength,
             const TEffectMaker& make);
    void RunWhole(std::vector<float>& samples, const TEffectMaker& make);
    void RunBlock(std::vector<float>& samples, const std::string& signature, bool needsLength,
                  const TEffectMaker& make);
    void MixSplitChannel(std::vector<float>& samples, float ll, float lr, float rl, float rr);
    void ResetStream();
    std::size_t NextCall();

    struct TSlot {
        std::string Signature;
        std::unique_ptr<effects::TAudioEffect> Effect;
    };

    int FSampleRate = 44100;
    int FChannels = 2;
    bool FBusy = false;
    bool FProcessing = false;
    bool FEndOfStream = false;
    bool FMonoSource = false;
    int FSplitCount = 0;
    std::size_t FCallIndex = 0;
    std::vector<TSlot> FSlots;
    std::map<std::size_t, std::shared_ptr<effects::TPeakMeter>> FPeakGroups;
    // With split channels: each channel's array as it entered and left the latest call, so the stereo
    // mixer can see the other channel at the same step of the chain.
    std::vector<std::vector<float>> FStageInputs, FStageOutputs;
    // While MakeEffect runs: where the made effect goes, and the signal's length.
    std::unique_ptr<effects::TAudioEffect>* FMade = nullptr;
    std::uint64_t FMadeFrames = 0;
};
