// The processors behind every effect. A processor is built for one signal (its sample rate and channel
// count) and is fed that signal's interleaved float blocks in order; it keeps whatever state it needs
// between blocks, so a signal processed block by block comes out as if processed in one piece.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace effects {

class TAudioEffect {
public:
    TAudioEffect(int sampleRate, int channels);
    virtual ~TAudioEffect() = default;
    TAudioEffect(const TAudioEffect&) = delete;
    TAudioEffect& operator=(const TAudioEffect&) = delete;

    int SampleRate() const { return FSampleRate; }
    int Channels() const { return FChannels; }

    // Processes the next block in place; the block may change length (effects that change the
    // duration, or that must see the whole signal, hold output back). With last set, the block ends the
    // signal and everything still held back is appended to it.
    virtual void Process(std::vector<float>& block, bool last) = 0;

    // True for effects that give out nothing before they have seen the whole signal; a caller holding
    // the whole signal hands it over in one piece rather than in slices.
    virtual bool NeedsWholeSignal() const { return false; }

    // True for effects that keep the length and give out every frame at once: they can work straight
    // on a part of the caller's array through ProcessInPlace, as Process would.
    virtual bool WorksInPlace() const { return false; }
    virtual void ProcessInPlace(float* samples, std::size_t frames);

    // True for in-place effects that treat every channel on its own: they can also work straight on
    // separate channel arrays (one pointer per channel), which spares splitting interleaved frames.
    virtual bool WorksOnChannels() const { return false; }
    virtual void ProcessChannels(float* const* channels, std::size_t frames);

    // True for whole-signal effects that can take the signal twice instead of holding it: first every
    // block through Measure, then every block again through ProcessInPlace (normalize).
    virtual bool MeasuresFirst() const { return false; }
    virtual void Measure(const float* samples, std::size_t frames);

    // True for whole-signal effects that give the signal out back to front (reverse): fed the blocks
    // from the last to the first, ProcessInPlace (or ProcessChannels) turns each around.
    virtual bool ReadsBackwards() const { return false; }

    // True for effects that may change the length and treat every channel on their own (speed change):
    // they take separate channel arrays and give each channel's output in outputs[c] (cleared first;
    // every channel gives the same count), sparing the caller interleaving and splitting frames.
    virtual bool WorksOnLanes() const { return false; }
    virtual void ProcessLanes(const float* const* channels, std::size_t frames, bool last,
                              std::vector<std::vector<float>>& outputs);

    // True for in-place effects whose blocks may be processed side by side and in any order, each told
    // where it lies in the signal, through ProcessChannelsAt (gain, fades, channel mixing, normalize once
    // measured, reverse with the blocks fed from the end).
    virtual bool BlocksApart() const { return false; }
    virtual void ProcessChannelsAt(float* const* channels, std::size_t frames, std::uint64_t firstFrame);

    // True for in-place effects whose channels are separate chains (filters, delays, modulation,
    // dynamics): ProcessOneChannel may run for several channels at once, each channel's blocks in order.
    virtual bool ChannelsApart() const { return false; }
    virtual void ProcessOneChannel(int channel, float* samples, std::size_t frames);

    // True for measuring effects that need no more of the first pass than each channel's largest
    // absolute sample (normalize): a caller that knows these peaks already (a document keeps them in its
    // block summaries) hands them over through TakePeaks instead of feeding every block to Measure.
    virtual bool MeasuresPeaksOnly() const { return false; }
    virtual void TakePeaks(const std::vector<float>& peaks);

protected:
    // Number of frames in the block; raises EAudioEffectError when it does not hold whole frames.
    std::size_t FramesOf(const std::vector<float>& block) const;

private:
    int FSampleRate;
    int FChannels;
};

// Effects whose output frame depends only on the input frame and its position in the signal (gain,
// fades, channel mixing). Large blocks are split across the machine's cores.
class TFrameEffect : public TAudioEffect {
public:
    using TAudioEffect::TAudioEffect;
    void Process(std::vector<float>& block, bool last) override;
    bool WorksInPlace() const override { return true; }
    void ProcessInPlace(float* samples, std::size_t frames) override;

    bool WorksOnChannels() const override { return true; }
    void ProcessChannels(float* const* channels, std::size_t frames) override;
    bool BlocksApart() const override { return true; }
    void ProcessChannelsAt(float* const* channels, std::size_t frames, std::uint64_t firstFrame) override {
        ProcessPlanes(channels, frames, firstFrame);
    }

protected:
    // Processes count interleaved frames in place; firstFrame is the position of the first of them in
    // the signal. Called from several threads at once on disjoint ranges.
    virtual void ProcessFrames(float* frames, std::size_t count, std::uint64_t firstFrame) const = 0;
    // The same on separate channel arrays (one pointer per channel, each at the first of the count
    // frames). By default the frames are interleaved a stretch at a time for ProcessFrames; the cheap
    // effects work on the arrays directly.
    virtual void ProcessPlanes(float* const* channels, std::size_t count, std::uint64_t firstFrame) const;

private:
    std::uint64_t FPosition = 0;
};

// Effects that keep state per channel (filters, delays, modulation, dynamics): each channel is
// processed on its own, channels in parallel when the block is large enough.
class TChannelEffect : public TAudioEffect {
public:
    // firstChannel numbers channel 0 of this processor within the whole signal (non-zero when the
    // channels of one signal are fed to separate processors); modulation effects use it to offset the
    // phase of each channel.
    TChannelEffect(int sampleRate, int channels, int firstChannel = 0);
    void Process(std::vector<float>& block, bool last) override;
    bool WorksInPlace() const override { return true; }
    void ProcessInPlace(float* samples, std::size_t frames) override;
    bool WorksOnChannels() const override { return true; }
    void ProcessChannels(float* const* channels, std::size_t frames) override;
    bool ChannelsApart() const override { return true; }
    void ProcessOneChannel(int channel, float* samples, std::size_t frames) override {
        ProcessChannel(channel, samples, frames);
    }

protected:
    int SignalChannel(int channel) const { return FFirstChannel + channel; }
    // Processes count consecutive samples of one channel in place.
    virtual void ProcessChannel(int channel, float* samples, std::size_t count) = 0;

private:
    int FFirstChannel;
    std::vector<std::vector<float>> FScratch;
};

// Effects that may change the length, one channel at a time (speed and pitch change): each channel's
// samples go in, a possibly different number come out; channels run in parallel.
class TLaneEffect : public TAudioEffect {
public:
    using TAudioEffect::TAudioEffect;
    void Process(std::vector<float>& block, bool last) override;
    bool WorksOnLanes() const override { return true; }
    void ProcessLanes(const float* const* channels, std::size_t frames, bool last,
                      std::vector<std::vector<float>>& outputs) override;

protected:
    // Consumes count input samples of one channel and appends what it gives out to output; with last
    // set, also everything it still holds.
    virtual void ProcessLane(int channel, const float* input, std::size_t count, bool last,
                             std::vector<float>& output) = 0;

private:
    std::vector<std::vector<float>> FInputs, FOutputs;
};

} // namespace effects
