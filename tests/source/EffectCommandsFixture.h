// The effect command tests' fixture: a real editor holding half a second of stereo tones with a
// selection, the in-memory processor, the preview player and the effect commands over a recording host;
// and the helpers that read what the commands did to the document or sent to the disk audio driver.
#pragma once

#include "EffectTestSupport.h"

#include "audio/AudioEditor2.h"
#include "audio/devices/AudioPlayer2.h"
#include "audio/effects/AudioTransform2.h"
#include "source/GlobalVars.h"
#include "source/effects/EffectCommands.h"
#include "source/effects/EffectParameters.h"
#include "tests/audio/devices/DeviceTestSupport.h"
#include "tests/support/EnvironmentGuard.h"
#include "tests/support/FileSizeLimit.h"

#include <cmath>
#include <filesystem>
#include <memory>
#include <vector>

namespace effect_commands_test {

using effect_test::EffectTest;
using effect_test::TTestEffectHost;

constexpr int Rate = 44100;

// A stereo pair of tones, different on each side, 0.5 s long.
inline std::vector<float> Tones(int rate, int frames) {
    std::vector<float> samples(std::size_t(frames) * 2);
    for (int i = 0; i < frames; ++i) {
        samples[std::size_t(i) * 2] = float(0.25 * std::sin(2 * M_PI * 440.0 * i / rate));
        samples[std::size_t(i) * 2 + 1] = float(0.2 * std::sin(2 * M_PI * 660.0 * i / rate + 0.3));
    }
    return samples;
}

// The index of the first sample that is not silence (the device may play silence first).
inline std::size_t FirstSound(const std::vector<float>& samples) {
    std::size_t i = 0;
    while (i < samples.size() && samples[i] == 0.0f)
        ++i;
    return i - i % 2;
}

inline float MaxDifference(const std::vector<float>& a, const std::vector<float>& b) {
    if (a.size() != b.size()) return INFINITY;
    float worst = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        worst = std::max(worst, std::fabs(a[i] - b[i]));
    return worst;
}

class EffectCommandsTest : public EffectTest {
protected:
    void SetUp() override {
        EffectTest::SetUp();
        Editor = std::make_unique<TAudioEditor2>();
        Editor->New(Rate, 2);
        Original = Tones(Rate, Rate / 2);
        Editor->PutSamples(Original);
        Select(4410, 13230);
        Transform = std::make_unique<TAudioTransform2>();
        Player = std::make_unique<TAudioPlayer2>();
        Host = std::make_unique<TTestEffectHost>(form, *Editor, *Transform);
        Commands = std::make_unique<TEffectCommands>(*Editor, *Transform, *Player, *Host);
    }
    void TearDown() override {
        Commands.reset();
        Host.reset();
        Player.reset();
        Transform.reset();
        Editor.reset();
        EffectTest::TearDown();
    }
    void Select(std::int64_t start, std::int64_t end) {
        Editor->Position().SetSelection(-1);
        Editor->Position().SetSelectionStart(start);
        Editor->Position().SetSelectionEnd(end);
    }
    // The document's samples from start to end.
    std::vector<float> Samples(std::int64_t start, std::int64_t end) {
        Editor->Position().SetSelection(-1);
        Editor->Position().SetSelectionStart(start);
        Editor->Position().SetSelectionEnd(end);
        return Editor->GetSamples(end - start);
    }
    std::vector<float> Part(std::int64_t start, std::int64_t end) const {
        return {Original.begin() + start * 2, Original.begin() + end * 2};
    }
    // What the processor makes of samples with the effect Id and the settings now stored.
    static std::vector<float> Processed(std::vector<float> samples, int id, int rate = Rate,
                                        int channels = 2) {
        TAudioTransform2 transform;
        transform.SetFormat(rate, channels);
        ApplyPreviewEffect(transform, samples, id, GlobalVars());
        return samples;
    }

    std::unique_ptr<TAudioEditor2> Editor;
    std::unique_ptr<TAudioTransform2> Transform;
    std::unique_ptr<TAudioPlayer2> Player;
    std::unique_ptr<TTestEffectHost> Host;
    std::unique_ptr<TEffectCommands> Commands;
    std::vector<float> Original;
};

// The disk driver writes what plays into a file; the file size is limited while it runs.
struct TDiskOutput {
    TEnvironmentGuard Env;
    TFileSizeLimit Limit{device_tests::kMaxFileBytes};
    std::string Path = device_tests::TempPath("effect-preview.raw");
    TDiskOutput() {
        std::filesystem::remove(Path);
        Env.Set("SDL_AUDIODRIVER", "disk");
        Env.Set("SDL_DISKAUDIOFILE", Path);
    }
};

} // namespace effect_commands_test
