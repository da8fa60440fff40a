#include "audio/effects/AudioTransform2.h"

#include "audio/effects/AudioEffect.h"
#include "audio/effects/DelayEffects.h"
#include "audio/effects/DynamicsEffects.h"
#include "audio/effects/EffectErrors.h"
#include "audio/effects/EffectMath.h"
#include "audio/effects/FilterEffects.h"
#include "audio/effects/LevelEffects.h"
#include "audio/effects/ModulationEffects.h"
#include "audio/effects/TimeEffects.h"
#include "audio/effects/WholeSignalEffects.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <initializer_list>

namespace transform_detail {
// Frames per slice of one-piece work: progress is reported, and the message loop may run, after each.
constexpr std::size_t SliceFrames = 262144;

std::string Signature(const char* name, std::initializer_list<double> values) {
    std::string text = name;
    char number[32];
    for (double value : values) {
        std::snprintf(number, sizeof number, "|%.9g", value);
        text += number;
    }
    return text;
}

void ReplaceNonFinite(std::vector<float>& samples) {
    effects::ReplaceNonFinite(samples.data(), samples.size());
}

// Runs work with the busy flag set, and raises the end event afterwards, also when work fails.
template <typename Work> void Guarded(TAudioTransform2* self, bool& busy, Work&& work) {
    if (busy) throw EAudioEffectError("The transform is still working on another array.");
    busy = true;
    try {
        work();
    } catch (...) {
        busy = false;
        if (self->OnEndTransform) self->OnEndTransform(self);
        throw;
    }
    busy = false;
    if (self->OnEndTransform) self->OnEndTransform(self);
}
} // namespace transform_detail

TAudioTransform2::TAudioTransform2(TComponent* owner) : TComponent(owner) {}
TAudioTransform2::~TAudioTransform2() = default;

void TAudioTransform2::SetFormat(int sampleRate, int channels) {
    if (sampleRate < 1 || sampleRate > 768000)
        throw EAudioEffectParameter("Unsupported sample rate: " + std::to_string(sampleRate) + " Hz.");
    if (channels < 1 || channels > 32)
        throw EAudioEffectParameter("Unsupported channel count: " + std::to_string(channels) + ".");
    FSampleRate = sampleRate;
    FChannels = channels;
    ResetStream();
}

void TAudioTransform2::SetSampleRate(int sampleRate) {
    SetFormat(sampleRate, FChannels);
}

void TAudioTransform2::ResetStream() {
    FSlots.clear();
    FPeakGroups.clear();
    FStageInputs.clear();
    FStageOutputs.clear();
    FMonoSource = false;
    FEndOfStream = false;
    FSplitCount = 0;
    FCallIndex = 0;
}

void TAudioTransform2::SetProcessing(bool on) {
    if (on) {
        FCallIndex = 0;
        FSplitCount = 0;
    } else if (FProcessing && FEndOfStream) {
        // The flush after the last block has run: the file is done.
        const bool mono = FMonoSource;
        ResetStream();
        FMonoSource = mono;
    }
    FProcessing = on;
}

std::size_t TAudioTransform2::NextCall() {
    return FCallIndex++;
}

void TAudioTransform2::PrepareMono(std::vector<float>&) {
    FMonoSource = true;
}

void TAudioTransform2::SplitChannels(std::vector<float>& block, std::vector<float>& left,
                                     std::vector<float>& right) {
    if (!FMonoSource && FChannels > 2)
        throw EAudioEffectError("Only mono and stereo blocks can be split into left and right channels.");
    if (FMonoSource || FChannels == 1) {
        left = block;
        right = block;
    } else {
        if (block.size() % 2 != 0) throw EAudioEffectError("The block does not hold whole stereo frames.");
        const std::size_t frames = block.size() / 2;
        left.resize(frames);
        right.resize(frames);
        for (std::size_t f = 0; f < frames; ++f) {
            left[f] = block[2 * f];
            right[f] = block[2 * f + 1];
        }
    }
    transform_detail::ReplaceNonFinite(left);
    transform_detail::ReplaceNonFinite(right);
    block.clear();
    block.shrink_to_fit();
    if (FProcessing) {
        FSplitCount = 2;
        FStageInputs.assign(2, {});
        FStageOutputs = {left, right};
    }
}

void TAudioTransform2::JoinChannels(std::vector<float>& left, std::vector<float>& right,
                                    std::vector<float>& block) {
    if (FMonoSource || FChannels == 1) {
        block.swap(left);
    } else {
        if (left.size() != right.size())
            throw EAudioEffectError("The left and right channels differ in length (" +
                                    std::to_string(left.size()) + " and " + std::to_string(right.size()) +
                                    " samples).");
        block.resize(left.size() * 2);
        for (std::size_t f = 0; f < left.size(); ++f) {
            block[2 * f] = left[f];
            block[2 * f + 1] = right[f];
        }
    }
    left.clear();
    right.clear();
}

std::unique_ptr<effects::TAudioEffect>
TAudioTransform2::MakeEffect(const std::function<void(TAudioTransform2&, std::vector<float>&)>& call,
                             std::uint64_t totalFrames) {
    if (FProcessing) throw EAudioEffectError("The transform is processing a file block by block.");
    std::unique_ptr<effects::TAudioEffect> made;
    FMade = &made;
    FMadeFrames = totalFrames;
    std::vector<float> none;
    try {
        call(*this, none);
    } catch (...) {
        FMade = nullptr;
        throw;
    }
    FMade = nullptr;
    if (!made) throw EAudioEffectError("This effect cannot be made on its own.");
    return made;
}

void TAudioTransform2::Run(std::vector<float>& samples, const std::string& signature, bool needsLength,
                           const TEffectMaker& make) {
    if (FMade) {
        *FMade = make({FSampleRate, FChannels, 0, FMadeFrames, nullptr});
        return;
    }
    transform_detail::Guarded(this, FBusy, [&] {
        if (FProcessing)
            RunBlock(samples, signature, needsLength, make);
        else
            RunWhole(samples, make);
    });
}

void TAudioTransform2::RunWhole(std::vector<float>& samples, const TEffectMaker& make) {
    const std::size_t channels = static_cast<std::size_t>(FChannels);
    if (samples.size() % channels != 0)
        throw EAudioEffectError("The sample array does not hold whole frames of " +
                                std::to_string(FChannels) + " channels.");
    const std::size_t total = samples.size();
    auto effect = make({FSampleRate, FChannels, 0, total / channels, nullptr});
    transform_detail::ReplaceNonFinite(samples);
    if (effect->NeedsWholeSignal()) {
        effect->Process(samples, true);
        if (OnTransformBlock) OnTransformBlock(this, 100);
        return;
    }

    const std::size_t step = transform_detail::SliceFrames * channels;
    if (effect->WorksInPlace()) {
        for (std::size_t read = 0; read < total; read += step) {
            effect->ProcessInPlace(samples.data() + read, std::min(step, total - read) / channels);
            OnTransformBlock(this, static_cast<int>(std::min(total, read + step) * 100 / total));
        }
        if (total == 0) OnTransformBlock(this, 100);
        return;
    }

    // Output is written back over the part of the array already read; what does not fit (an effect
    // that lengthens the signal) is collected behind it.
    std::size_t read = 0, written = 0;
    std::vector<float> slice, overflow;
    for (;;) {
        const std::size_t count = std::min(step, total - read);
        slice.assign(samples.begin() + read, samples.begin() + read + count);
        read += count;
        const bool last = read == total;
        effect->Process(slice, last);
        std::size_t placed = 0;
        if (overflow.empty()) {
            placed = std::min(slice.size(), read - written);
            std::copy(slice.begin(), slice.begin() + placed, samples.begin() + written);
            written += placed;
        }
        overflow.insert(overflow.end(), slice.begin() + placed, slice.end());
        if (last) break;
        if (OnTransformBlock) OnTransformBlock(this, static_cast<int>(read * 100 / total));
    }
    samples.resize(written);
    samples.insert(samples.end(), overflow.begin(), overflow.end());
    if (OnTransformBlock) OnTransformBlock(this, 100);
}

void TAudioTransform2::RunBlock(std::vector<float>& samples, const std::string& signature, bool needsLength,
                                const TEffectMaker& make) {
    if (needsLength)
        throw EAudioEffectError("This effect needs the whole selection and cannot run block by block.");
    const std::size_t call = NextCall();
    const bool split = FSplitCount > 0;
    const int channel = split ? static_cast<int>(call % static_cast<std::size_t>(FSplitCount)) : 0;
    const std::size_t group = split ? call / static_cast<std::size_t>(FSplitCount) : call;
    auto& peak = FPeakGroups[group];
    if (!peak) peak = std::make_shared<effects::TPeakMeter>();
    if (FSlots.size() <= call) FSlots.resize(call + 1);
    TSlot& slot = FSlots[call];
    if (!slot.Effect || slot.Signature != signature) {
        slot.Effect = make({FSampleRate, split ? 1 : FChannels, channel, 0, split ? peak : nullptr});
        slot.Signature = signature;
    }
    transform_detail::ReplaceNonFinite(samples);
    if (split) FStageInputs[static_cast<std::size_t>(channel)] = samples;
    slot.Effect->Process(samples, FEndOfStream);
    if (split) FStageOutputs[static_cast<std::size_t>(channel)] = samples;
    if (OnTransformBlock) OnTransformBlock(this, 100);
}

void TAudioTransform2::Amplify(std::vector<float>& samples, float gainPercent) {
    Run(samples, transform_detail::Signature("Amplify", {gainPercent}), false, [&](const TSetup& s) {
        return std::make_unique<effects::TAmplifyEffect>(s.SampleRate, s.Channels, gainPercent);
    });
}

void TAudioTransform2::Normalize(std::vector<float>& samples, float peakPercent, int channelMode) {
    Run(samples, transform_detail::Signature("Normalize", {peakPercent, static_cast<double>(channelMode)}),
        false, [&](const TSetup& s) {
            return std::make_unique<effects::TNormalizeEffect>(s.SampleRate, s.Channels, peakPercent,
                                                               channelMode,
                                                               channelMode == -1 ? s.PeakGroup : nullptr);
        });
}

void TAudioTransform2::Fade(std::vector<float>& samples, float startPercent, float endPercent) {
    Run(samples, transform_detail::Signature("Fade", {startPercent, endPercent}), true, [&](const TSetup& s) {
        return std::make_unique<effects::TFadeEffect>(s.SampleRate, s.Channels, startPercent, endPercent,
                                                      s.TotalFrames);
    });
}

void TAudioTransform2::Envelope(std::vector<float>& samples, std::vector<float>& gains) {
    Run(samples, "Envelope", true, [&](const TSetup& s) {
        return std::make_unique<effects::TEnvelopeEffect>(s.SampleRate, s.Channels, gains, s.TotalFrames);
    });
}

void TAudioTransform2::Invert(std::vector<float>& samples) {
    Run(samples, "Invert", false,
        [&](const TSetup& s) { return std::make_unique<effects::TInvertEffect>(s.SampleRate, s.Channels); });
}

void TAudioTransform2::Reverse(std::vector<float>& samples) {
    Run(samples, "Reverse", false,
        [&](const TSetup& s) { return std::make_unique<effects::TReverseEffect>(s.SampleRate, s.Channels); });
}

void TAudioTransform2::Silence(std::vector<float>& samples) {
    Run(samples, "Silence", false,
        [&](const TSetup& s) { return std::make_unique<effects::TSilenceEffect>(s.SampleRate, s.Channels); });
}

void TAudioTransform2::InsertSilence(std::vector<float>& samples, float milliseconds, std::size_t atFrame) {
    transform_detail::Guarded(this, FBusy, [&] {
        effects::RequireRange("Insert Silence", "silence time (ms)", milliseconds, 0, 999999);
        const bool split = FProcessing && FSplitCount > 0;
        const std::size_t channels = split ? 1 : static_cast<std::size_t>(FChannels);
        const std::size_t call = FProcessing ? NextCall() : 0;
        if (samples.size() % channels != 0 || atFrame > samples.size() / channels)
            throw EAudioEffectError("Insert Silence: the position lies beyond the end of the samples.");
        const auto frames = static_cast<std::size_t>(effects::MsToFrames(milliseconds, FSampleRate));
        // With split channels the stereo mixer reads the other channel as this step left it.
        const std::size_t channel = split ? call % static_cast<std::size_t>(FSplitCount) : 0;
        if (split) FStageInputs[channel] = samples;
        samples.insert(samples.begin() + static_cast<std::ptrdiff_t>(atFrame * channels), frames * channels,
                       0.0f);
        if (split) FStageOutputs[channel] = samples;
        if (OnTransformBlock) OnTransformBlock(this, 100);
    });
}

void TAudioTransform2::MixStereo(std::vector<float>& samples, float ll, float lr, float rl, float rr) {
    if (FProcessing && FSplitCount == 2) {
        transform_detail::Guarded(this, FBusy, [&] { MixSplitChannel(samples, ll, lr, rl, rr); });
        return;
    }
    Run(samples, transform_detail::Signature("MixStereo", {ll, lr, rl, rr}), false, [&](const TSetup& s) {
        if (s.Channels != 2) throw EAudioEffectError("Mix Stereo Channels needs a stereo signal.");
        return std::make_unique<effects::TMixStereoEffect>(s.SampleRate, s.Channels, ll, lr, rl, rr);
    });
}

void TAudioTransform2::MixSplitChannel(std::vector<float>& samples, float ll, float lr, float rl, float rr) {
    // The channels come one at a time, left first; each new channel needs both old ones at this step.
    effects::TMixStereoEffect mixer(FSampleRate, 1, ll, lr, rl, rr);
    const std::size_t channel = NextCall() % 2;
    transform_detail::ReplaceNonFinite(samples);
    const std::vector<float>& other = channel == 0 ? FStageOutputs[1] : FStageInputs[0];
    if (other.size() != samples.size())
        throw EAudioEffectError("Mix Stereo Channels: the two channels differ in length.");
    std::vector<float> mixed(samples.size());
    if (channel == 0)
        mixer.MixInto(samples.data(), other.data(), mixed.data(), samples.size(), true);
    else
        mixer.MixInto(other.data(), samples.data(), mixed.data(), samples.size(), false);
    FStageInputs[channel] = std::move(samples);
    samples = std::move(mixed);
    FStageOutputs[channel] = samples;
    if (OnTransformBlock) OnTransformBlock(this, 100);
}

void TAudioTransform2::Compressor(std::vector<float>& samples, float thresholdDb, float ratePercent,
                                  float outputPercent) {
    Run(samples, transform_detail::Signature("Compressor", {thresholdDb, ratePercent, outputPercent}), false,
        [&](const TSetup& s) {
            return std::make_unique<effects::TCompressorEffect>(s.SampleRate, s.Channels, thresholdDb,
                                                                ratePercent, outputPercent);
        });
}

void TAudioTransform2::NoiseReduction(std::vector<float>& samples, float thresholdDb, float ratePercent,
                                      float rmsTimeMs) {
    Run(samples, transform_detail::Signature("NoiseReduction", {thresholdDb, ratePercent, rmsTimeMs}), false,
        [&](const TSetup& s) {
            return std::make_unique<effects::TNoiseReductionEffect>(s.SampleRate, s.Channels, thresholdDb,
                                                                    ratePercent, rmsTimeMs);
        });
}

void TAudioTransform2::Echo(std::vector<float>& samples, float delayMs, float mixPercent,
                            float feedbackPercent) {
    Run(samples, transform_detail::Signature("Echo", {delayMs, mixPercent, feedbackPercent}), false,
        [&](const TSetup& s) {
            return std::make_unique<effects::TEchoEffect>(s.SampleRate, s.Channels, delayMs, mixPercent,
                                                          feedbackPercent);
        });
}

void TAudioTransform2::Reverb(std::vector<float>& samples, float delayMs, float mixPercent,
                              float feedbackPercent, float reverbGainPercent, float frequencyHz, int taps) {
    Run(samples,
        transform_detail::Signature("Reverb", {delayMs, mixPercent, feedbackPercent, reverbGainPercent,
                                               frequencyHz, static_cast<double>(taps)}),
        false, [&](const TSetup& s) {
            return std::make_unique<effects::TReverbEffect>(s.SampleRate, s.Channels, delayMs, mixPercent,
                                                            feedbackPercent, reverbGainPercent, frequencyHz,
                                                            taps);
        });
}

void TAudioTransform2::Phaser(std::vector<float>& samples, float delayMs, float mixPercent,
                              float feedbackPercent) {
    Run(samples, transform_detail::Signature("Phaser", {delayMs, mixPercent, feedbackPercent}), false,
        [&](const TSetup& s) {
            return std::make_unique<effects::TPhaserEffect>(s.SampleRate, s.Channels, delayMs, mixPercent,
                                                            feedbackPercent);
        });
}

void TAudioTransform2::Flanger(std::vector<float>& samples, float delayRate, float mixDepth,
                               float feedbackGain, float sweepDepth, float sweepRate, float sweepPhase) {
    Run(samples,
        transform_detail::Signature("Flanger",
                                    {delayRate, mixDepth, feedbackGain, sweepDepth, sweepRate, sweepPhase}),
        false, [&](const TSetup& s) {
            return std::make_unique<effects::TFlangerEffect>(s.SampleRate, s.Channels, delayRate, mixDepth,
                                                             feedbackGain, sweepDepth, sweepRate, sweepPhase,
                                                             s.FirstChannel);
        });
}

void TAudioTransform2::Chorus(std::vector<float>& samples, float delayRate, float mixDepth,
                              float feedbackGain, float sweepDepth, float sweepRate, float sweepPhase) {
    Run(samples,
        transform_detail::Signature("Chorus",
                                    {delayRate, mixDepth, feedbackGain, sweepDepth, sweepRate, sweepPhase}),
        false, [&](const TSetup& s) {
            return std::make_unique<effects::TChorusEffect>(s.SampleRate, s.Channels, delayRate, mixDepth,
                                                            feedbackGain, sweepDepth, sweepRate, sweepPhase,
                                                            s.FirstChannel);
        });
}

void TAudioTransform2::Vibrato(std::vector<float>& samples, float depthPercent, float rateHz,
                               float phaseDegrees) {
    Run(samples, transform_detail::Signature("Vibrato", {depthPercent, rateHz, phaseDegrees}), false,
        [&](const TSetup& s) {
            return std::make_unique<effects::TVibratoEffect>(s.SampleRate, s.Channels, depthPercent, rateHz,
                                                             phaseDegrees, s.FirstChannel);
        });
}

void TAudioTransform2::Speed(std::vector<float>& samples, float percent) {
    Run(samples, transform_detail::Signature("Speed", {percent}), false, [&](const TSetup& s) {
        return std::make_unique<effects::TSpeedChangeEffect>(s.SampleRate, s.Channels, percent);
    });
}

void TAudioTransform2::Pitch(std::vector<float>& samples, float percent) {
    Run(samples, transform_detail::Signature("Pitch", {percent}), false, [&](const TSetup& s) {
        return std::make_unique<effects::TPitchChangeEffect>(s.SampleRate, s.Channels, percent);
    });
}

namespace transform_detail {
// A filter effect from a designer of its sections.
template <typename Design> TAudioTransform2::TEffectMaker FilterMaker(Design design) {
    return [design](const TAudioTransform2::TSetup& s) -> std::unique_ptr<effects::TAudioEffect> {
        return std::make_unique<effects::TFilterEffect>(s.SampleRate, s.Channels, design(s.SampleRate));
    };
}
} // namespace transform_detail

void TAudioTransform2::HighPass(std::vector<float>& samples, float cutoffHz, float steepness) {
    Run(samples, transform_detail::Signature("HighPass", {cutoffHz, steepness}), false,
        transform_detail::FilterMaker(
            [=](int rate) { return effects::filter_design::HighPass(rate, cutoffHz, steepness); }));
}

void TAudioTransform2::LowPass(std::vector<float>& samples, float frequencyHz, float steepness) {
    Run(samples, transform_detail::Signature("LowPass", {frequencyHz, steepness}), false,
        transform_detail::FilterMaker(
            [=](int rate) { return effects::filter_design::LowPass(rate, frequencyHz, steepness); }));
}

void TAudioTransform2::BandPass(std::vector<float>& samples, float frequencyHz, float steepness) {
    Run(samples, transform_detail::Signature("BandPass", {frequencyHz, steepness}), false,
        transform_detail::FilterMaker(
            [=](int rate) { return effects::filter_design::BandPass(rate, frequencyHz, steepness); }));
}

void TAudioTransform2::Notch(std::vector<float>& samples, float frequencyHz, float steepness) {
    Run(samples, transform_detail::Signature("Notch", {frequencyHz, steepness}), false,
        transform_detail::FilterMaker(
            [=](int rate) { return effects::filter_design::Notch(rate, frequencyHz, steepness); }));
}

void TAudioTransform2::LowShelf(std::vector<float>& samples, float gainDb, float frequencyHz,
                                float steepness) {
    Run(samples, transform_detail::Signature("LowShelf", {gainDb, frequencyHz, steepness}), false,
        transform_detail::FilterMaker([=](int rate) {
            return effects::filter_design::LowShelf(rate, gainDb, frequencyHz, steepness);
        }));
}

void TAudioTransform2::HighShelf(std::vector<float>& samples, float gainDb, float frequencyHz,
                                 float steepness) {
    Run(samples, transform_detail::Signature("HighShelf", {gainDb, frequencyHz, steepness}), false,
        transform_detail::FilterMaker([=](int rate) {
            return effects::filter_design::HighShelf(rate, gainDb, frequencyHz, steepness);
        }));
}

void TAudioTransform2::PeakEQ(std::vector<float>& samples, float gainDb, float frequencyHz, float steepness) {
    Run(samples, transform_detail::Signature("PeakEQ", {gainDb, frequencyHz, steepness}), false,
        transform_detail::FilterMaker(
            [=](int rate) { return effects::filter_design::PeakEQ(rate, gainDb, frequencyHz, steepness); }));
}

void TAudioTransform2::Equalizer(std::vector<float>& samples, std::vector<float>& gains,
                                 std::vector<float>& frequencies) {
    std::string signature = "Equalizer";
    for (std::size_t i = 0; i < gains.size() && i < frequencies.size(); ++i)
        signature += transform_detail::Signature("", {gains[i], frequencies[i]});
    Run(samples, signature, false, transform_detail::FilterMaker([g = gains, f = frequencies](int rate) {
            return effects::filter_design::Equalizer(rate, g, f);
        }));
}
