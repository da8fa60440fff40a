// What the equalizer, filter, speed, pitch and envelope commands and the ribbon's one-click effects do
// to the sound when a user runs them through their dialogs: measured on generated signals.
#include "EffectCommandsFixture.h"

#include "audio/views/AudioTransformDisplay2.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Label.h"
#include "platform/win/WinKeys.h"
#include "source/controls/ImageSlider.h"
#include "source/effects/EnvelopeForm.h"
#include "source/effects/EqualizerForm.h"
#include "source/effects/HighPassForm.h"
#include "tests/audio/effects/SignalTools.h"

#include <gtest/gtest.h>

#include <map>

namespace effect_sound_test {

using effect_commands_test::EffectCommandsTest;
using effect_commands_test::MaxDifference;
using effect_commands_test::Rate;
using effects_test::Db;
using effects_test::Rms;
using effects_test::Sine;
using effects_test::ToneFrequency;

class EffectSoundTest : public EffectCommandsTest {
protected:
    // A mono document of these samples with nothing selected: the commands work on all of it.
    void Load(const std::vector<float>& samples, int rate = effects_test::Rate) {
        Editor->New(rate, 1);
        Editor->PutSamples(samples);
        Editor->Position().SetSelection(0);
        Editor->Position().SetCursor(0);
    }
    std::vector<float> Document() { return Samples(0, Editor->Position().GetLength()); }
    // Half a second of each tone, one after the other, 0.1 loud.
    static std::vector<float> Probes(const std::vector<double>& frequencies) {
        std::vector<float> signal;
        for (double f : frequencies) {
            const std::vector<float> tone = Sine(f, 0.5, 0.1);
            signal.insert(signal.end(), tone.begin(), tone.end());
        }
        return signal;
    }
    // The change in dB of each probe tone, over the middle of its half second (no filter transients).
    std::map<double, double> ProbeGains(const std::vector<double>& frequencies,
                                        const std::vector<float>& before) {
        const std::vector<float> after = Document();
        std::map<double, double> gains;
        const std::size_t length = effects_test::Rate / 2;
        for (std::size_t i = 0; i < frequencies.size(); ++i) {
            const std::size_t from = i * length + length / 5, to = (i + 1) * length - length / 5;
            gains[frequencies[i]] = Db(Rms(after, from, to) / Rms(before, from, to));
        }
        return gains;
    }
    // Types a text over the whole of an edit.
    void Retype(TEdit* edit, const std::string& text) {
        edit->SetFocus();
        edit->SelectAll();
        Type(text);
    }
};

// ---- Equalizer ------------------------------------------------------------------------------------------

TEST_F(EffectSoundTest, EqualizerBandsChangeTheSoundByTheDecibelsTheirLabelsSay) {
    const std::vector<double> probes{125, 250, 1000, 8000};
    const std::vector<float> signal = Probes(probes);
    Load(signal);

    // "1k Notch" raises the 1k band by 90 tenths: +9 dB at 1 kHz, nothing three octaves away.
    WhenDialogUp([&](TEffectForm* dialog) {
        auto* eq = dynamic_cast<TEqualizerForm*>(dialog);
        ASSERT_NE(eq, nullptr);
        Chord({VK_MENU}, 'P');
        ASSERT_TRUE(eq->ComboBoxPreset->Focused());
        for (int i = 0; i < 15; ++i)
            Key(VK_DOWN);
        EXPECT_EQ(eq->ComboBoxPreset->Text(), "1k Notch");
        EXPECT_EQ(eq->Band6->Value(), 90);
        ClickCentre(eq->ButtonOK);
    });
    ASSERT_TRUE(Commands->Equalizer());
    EXPECT_EQ(GlobalVars().EqualizerBuf6, 90);
    std::map<double, double> gains = ProbeGains(probes, signal);
    EXPECT_NEAR(gains[1000], 9.0, 0.3);
    EXPECT_NEAR(gains[125], 0.0, 0.5);
    EXPECT_NEAR(gains[8000], 0.0, 0.5);
    Editor->Undo();

    // All bands back to 0 by their scale mark, then the "252" band down to its end: -18 dB at 250 Hz.
    WhenDialogUp([&](TEffectForm* dialog) {
        auto* eq = dynamic_cast<TEqualizerForm*>(dialog);
        EXPECT_EQ(eq->Band6->Value(), 90); // the stored bands come back
        DoubleClick(eq->Label10dB, 2, eq->Label10dB->Height() / 2);
        eq->Band4->SetFocus();
        Key(VK_HOME);
        EXPECT_EQ(eq->Band4->Value(), -180);
        Key(VK_RETURN);
    });
    ASSERT_TRUE(Commands->Equalizer());
    gains = ProbeGains(probes, signal);
    EXPECT_NEAR(gains[250], -18.0, 0.3);
    EXPECT_NEAR(gains[8000], 0.0, 0.5);
    EXPECT_EQ(Host->ModifiedCalls, (std::vector<bool>{true, true}));
}

// ---- High pass -------------------------------------------------------------------------------------------

TEST_F(EffectSoundTest, HighPassAtOneKilohertzCutsTwoOctavesBelowAndKeepsTwoAbove) {
    const std::vector<double> probes{250, 4000};
    const std::vector<float> signal = Probes(probes);
    Load(signal);
    WhenDialogUp([&](TEffectForm* dialog) {
        auto* highPass = dynamic_cast<THighPassForm*>(dialog);
        ASSERT_NE(highPass, nullptr);
        EXPECT_EQ(highPass->EditFrequency->Text(), "200");
        Retype(highPass->EditFrequency, "1000");
        Key(VK_RETURN);
    });
    ASSERT_TRUE(Commands->HighPass());
    EXPECT_EQ(GlobalVars().DefHighPass, 1000);
    std::map<double, double> gains = ProbeGains(probes, signal);
    EXPECT_LT(gains[250], -40.0);
    EXPECT_NEAR(gains[4000], 0.0, 1.0);
}

// ---- Pitch and speed -------------------------------------------------------------------------------------

// Typed into the dialog, then OK: pitch 50 % moves a 440 Hz tone by 100 / 50 to 880 Hz and keeps the
// length; speed 50 % plays it at half speed, twice as long and an octave down.
TEST_F(EffectSoundTest, PitchAndSpeedByHalfDoubleTheFrequencyOrTheLength) {
    struct TCase {
        bool (TEffectCommands::*Run)();
        int TGlobalVars::*Field;
        double LengthFactor, Frequency;
    };
    const TCase cases[] = {{&TEffectCommands::PitchChange, &TGlobalVars::DefPitchChange, 1.0, 880.0},
                           {&TEffectCommands::SpeedChange, &TGlobalVars::DefSpeedChange, 2.0, 220.0}};
    for (const TCase& c : cases) {
        const std::vector<float> signal = Sine(440, 0.5);
        Load(signal);
        WhenDialogUp([&](TEffectForm* dialog) {
            Retype(dialog->ParameterEdit(0), "50");
            Key(VK_RETURN);
        });
        ASSERT_TRUE((Commands.get()->*c.Run)()) << c.Frequency;
        EXPECT_EQ(GlobalVars().*c.Field, 50);
        const std::vector<float> after = Document();
        EXPECT_NEAR(static_cast<double>(after.size()), c.LengthFactor * signal.size(), 2.0) << c.Frequency;
        EXPECT_NEAR(ToneFrequency(after, after.size() / 4, after.size() * 3 / 4), c.Frequency,
                    c.Frequency * 0.01);
    }
}

// ---- Envelope --------------------------------------------------------------------------------------------

// The curve's start dragged from 0 dB to the bottom: a ramp from -60 dB up to 0 dB across the selection.
TEST_F(EffectSoundTest, AnEnvelopeDrawnAsARampGivesARamp) {
    constexpr int rate = 8000;
    Load(std::vector<float>(rate, 0.5f), rate);
    Select(2000, 6000);
    WhenDialogUp([&](TEffectForm* dialog) {
        auto* envelope = dynamic_cast<TEnvelopeForm*>(dialog);
        ASSERT_NE(envelope, nullptr);
        TAudioTransformDisplay2* display = envelope->TD;
        EXPECT_EQ(display->ScaleXMin(), 2000.0f);
        EXPECT_EQ(display->ScaleXMax(), 6000.0f);
        const POINT start = display->PixelOf(display->Line().Points().front());
        const RECT plot = display->PlotRect();
        MouseDown(display, start.x, start.y);
        MouseMoveTo(display, start.x, plot.bottom + 20);
        MouseUp(display, start.x, plot.bottom + 20);
        EXPECT_EQ(display->Line().Points().front().Db, TAudioTransformDisplay2::BottomDb);
        ClickCentre(envelope->ButtonOK);
    });
    ASSERT_TRUE(Commands->Envelope());
    const std::vector<float> after = Document();
    ASSERT_EQ(after.size(), std::size_t(rate));
    // Outside the selection nothing changed; inside, the level in dB rises in a straight line.
    EXPECT_EQ(after[1999], 0.5f);
    EXPECT_EQ(after[6000], 0.5f);
    for (int k = 0; k <= 8; ++k) {
        const std::size_t i = 2000 + std::min<std::size_t>(3999, k * 500);
        const double expected = -60.0 + 60.0 * (double(i) - 2000) / 3999;
        EXPECT_NEAR(Db(after[i] / 0.5), expected, 0.2) << "sample " << i;
    }
    EXPECT_EQ(Host->ModifiedCalls, std::vector<bool>{true});
}

TEST_F(EffectSoundTest, CancellingTheEnvelopeChangesNothing) {
    WhenDialogUp([&](TEffectForm* dialog) {
        auto* envelope = dynamic_cast<TEnvelopeForm*>(dialog);
        ASSERT_NE(envelope, nullptr);
        const POINT start = envelope->TD->PixelOf(envelope->TD->Line().Points().front());
        MouseDown(envelope->TD, start.x, start.y);
        MouseMoveTo(envelope->TD, start.x, start.y + 60);
        MouseUp(envelope->TD, start.x, start.y + 60);
        Key(VK_ESCAPE);
    });
    EXPECT_FALSE(Commands->Envelope());
    EXPECT_EQ(Samples(0, Rate / 2), Original);
    EXPECT_TRUE(Host->ModifiedCalls.empty());
}

// ---- The ribbon's buttons --------------------------------------------------------------------------------

// Each dialog command opens its own dialog and, on OK, applies its effect with the stored fields to the
// selection alone.
TEST_F(EffectSoundTest, DialogCommandsApplyTheirOwnEffectToTheSelection) {
    struct TCommand {
        const char* Name;
        bool (TEffectCommands::*Run)();
        int Id;
    };
    const TCommand commands[] = {
        {"high pass", &TEffectCommands::HighPass, eiHighPass},
        {"equalizer", &TEffectCommands::Equalizer, eiEqualizer},
        {"speed", &TEffectCommands::SpeedChange, eiSpeedChange},
        {"pitch", &TEffectCommands::PitchChange, eiPitchChange},
        {"vibrato", &TEffectCommands::Vibrato, eiVibrato},
        {"peak EQ", &TEffectCommands::PeakEQ, eiPeakEQ},
        {"notch", &TEffectCommands::Notch, eiNotch},
        {"band pass", &TEffectCommands::BandPass, eiBandPass},
        {"low pass", &TEffectCommands::LowPass, eiLowPass},
        {"low shelf", &TEffectCommands::LowShelf, eiLowShelf},
        {"high shelf", &TEffectCommands::HighShelf, eiHighShelf},
    };
    // Settings away from the defaults, so that every field tells (the equalizer's bands, speed, pitch).
    TGlobalVars& v = GlobalVars();
    v.EqualizerBuf5 = -60;
    v.DefSpeedChange = 120;
    v.DefPitchChange = 80;
    v.DefLowShelfGain = 6;
    v.DefHighShelfGain = -12;
    for (const TCommand& c : commands) {
        Select(4410, 13230);
        int shown = 0;
        WhenDialogUp([&](TEffectForm* dialog) {
            shown = dialog->Model().Identifier;
            ClickCentre(dialog->ButtonOK);
        });
        ASSERT_TRUE((Commands.get()->*c.Run)()) << c.Name;
        EXPECT_EQ(shown, c.Id) << c.Name;
        std::vector<float> expected = Part(0, 4410);
        const std::vector<float> changed = Processed(Part(4410, 13230), c.Id);
        expected.insert(expected.end(), changed.begin(), changed.end());
        const std::vector<float> rest = Part(13230, Rate / 2);
        expected.insert(expected.end(), rest.begin(), rest.end());
        EXPECT_LT(MaxDifference(Samples(0, Editor->Position().GetLength()), expected), 1e-5f) << c.Name;
        Editor->Undo();
    }
    EXPECT_EQ(Host->ModifiedCalls, std::vector<bool>(std::size(commands), true));
}

TEST_F(EffectSoundTest, OneClickButtonsApplyAtOnceAndPlayAfterTheEdit) {
    GlobalVars().OP_PlayAfterEdit = true;
    Commands->Invert();
    std::vector<float> inverted = Part(4410, 13230);
    for (float& s : inverted)
        s = -s;
    EXPECT_EQ(Samples(4410, 13230), inverted);
    Editor->Undo();
    const struct {
        void (TEffectCommands::*Run)();
        float Threshold, Rate, RmsTime;
    } reductions[] = {{&TEffectCommands::CassetteNoiseReduction, -13, 99, 55},
                      {&TEffectCommands::VoiceBreathNoiseReduction, -30, 25, 30}};
    for (const auto& r : reductions) {
        Select(4410, 13230);
        (Commands.get()->*r.Run)();
        std::vector<float> expected = Part(4410, 13230);
        TAudioTransform2 transform;
        transform.SetFormat(Rate, 2);
        transform.NoiseReduction(expected, r.Threshold, r.Rate, r.RmsTime);
        EXPECT_LT(MaxDifference(Samples(4410, 13230), expected), 1e-6f) << r.Threshold;
        EXPECT_GT(MaxDifference(expected, Part(4410, 13230)), 1e-3f) << r.Threshold;
        Editor->Undo();
    }
    EXPECT_EQ(Host->ModifiedCalls, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(Host->Plays, 3);
    EXPECT_EQ(Host->StopIfBusyCalls, 3);
    EXPECT_EQ(Host->SelectAllCalls, 3);
}

} // namespace effect_sound_test
