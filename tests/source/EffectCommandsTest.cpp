// The effect commands over a real editor: the dialog road (stop, select all, dialog, store, apply,
// modified, play after edit), the preview through the disk audio driver and its failures, the two
// parameter orders, and signals the effects must never blow up.
#include "EffectCommandsFixture.h"
#include "EffectTestSupport.h"

#include "audio/AudioEditor2.h"
#include "audio/devices/AudioPlayer2.h"
#include "audio/effects/AudioTransform2.h"
#include "audio/effects/EffectErrors.h"
#include "platform/rtl/Exceptions.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Timer.h"
#include "platform/win/WinKeys.h"
#include "source/GlobalVars.h"
#include "source/controls/ImageSlider.h"
#include "source/effects/AmplifyForm.h"
#include "source/effects/EchoForm.h"
#include "source/effects/EffectCommands.h"
#include "source/effects/EffectParameters.h"
#include "source/effects/NormalizeForm.h"
#include "tests/audio/devices/DeviceTestSupport.h"
#include "tests/support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace effect_commands_test {

// ---- The road, through the user's hands ------------------------------------------------------------------

TEST_F(EffectCommandsTest, EchoByKeysMousePresetPreviewAndOkAppliesToTheSelectionAndUndoRestoresIt) {
    TDiskOutput disk;
    auto* echoButton = new TButton(form);
    echoButton->SetCaption("Ech&o...");
    echoButton->SetBounds(10, 10, 90, 25);
    echoButton->SetParent(form);
    bool applied = false;
    echoButton->OnClick = TNotifyEvent([&](TObject*) { applied = Commands->Echo(); }, this);

    std::vector<float> played;
    WhenDialogUp([&](TEffectForm* dialog) {
        auto* echo = dynamic_cast<TEchoForm*>(dialog);
        ASSERT_NE(echo, nullptr);
        // Centred on the main window.
        EXPECT_EQ(echo->Left(), form->Left() + (form->Width() - echo->Width()) / 2);
        EXPECT_EQ(echo->Top(), form->Top() + (form->Height() - echo->Height()) / 2);
        EXPECT_EQ(echo->EditDelayTime->Text(), "200");

        // A key on the delay slider, after a click on its thumb.
        TImageSlider* delay = echo->ImageSliderDelayTime;
        const RECT thumb = delay->ThumbRect();
        Click(delay, (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2);
        Key(VK_RIGHT);
        EXPECT_EQ(delay->Value(), 201);
        EXPECT_EQ(echo->EditDelayTime->Text(), "201");

        // The mix slider dragged 40 pixels to the right.
        TImageSlider* mix = echo->ImageSliderMixDepth;
        const RECT mixThumb = mix->ThumbRect();
        const int y = (mixThumb.top + mixThumb.bottom) / 2;
        MouseDown(mix, mixThumb.left + 5, y);
        MouseMoveTo(mix, mixThumb.left + 45, y);
        MouseUp(mix, mixThumb.left + 45, y);
        EXPECT_EQ(mix->Value(), mix->PosToValue(mixThumb.left + 40));
        EXPECT_GT(mix->Value(), 70);
        EXPECT_EQ(echo->EditMixDepth->Text(), std::to_string(mix->Value()));
        Advance(1000);

        // A preset by the keyboard: the label's accelerator, then six steps down to "Many Echoes".
        Chord({VK_MENU}, 'P');
        EXPECT_TRUE(echo->ComboBoxPreset->Focused());
        for (int i = 0; i < 6; ++i)
            Key(VK_DOWN);
        EXPECT_EQ(echo->ComboBoxPreset->Text(), "Many Echoes");
        EXPECT_EQ(delay->Value(), 500);
        EXPECT_EQ(mix->Value(), 50);
        EXPECT_EQ(echo->ImageSliderFeedbackGain->Value(), 70);

        // Preview: the effect is computed (the progress window hears of it) and played.
        ClickCentre(echo->ButtonPreview);
        EXPECT_TRUE(Commands->Previewing());
        EXPECT_FALSE(Commands->TransformBusy());
        EXPECT_FALSE(Host->Progress.empty());
        EXPECT_GE(Host->TransformEnds, 1);
        EXPECT_EQ(GlobalVars().PreviewOperationTypes, eiEcho);
        EXPECT_EQ(echo->ButtonPreview->Caption(), "&Stop");
        Advance(50); // the computation is over: the controls are back
        EXPECT_TRUE(echo->ButtonOK->Enabled());
        device_tests::TGrowingFloatFile output(disk.Path);
        ASSERT_TRUE(PumpUntil([&] {
            const auto& sofar = output.Update();
            return sofar.size() >= FirstSound(sofar) + 2000;
        }));
        played = output.Update();
        // Stop ends it.
        ClickCentre(echo->ButtonPreview);
        EXPECT_FALSE(Commands->Previewing());
        EXPECT_FALSE(Player->Playing());
        Advance(50);
        EXPECT_EQ(echo->ButtonPreview->Caption(), "&Preview");
        EXPECT_FALSE(echo->TimerMonitor->Enabled());

        ClickCentre(echo->ButtonOK);
    });
    ClickCentre(echoButton);

    ASSERT_TRUE(applied);
    EXPECT_EQ(Host->StopIfBusyCalls, 1);
    EXPECT_EQ(Host->SelectAllCalls, 1);
    EXPECT_EQ(Host->ModifiedCalls, std::vector<bool>{true});
    EXPECT_EQ(Host->Plays, 0);
    EXPECT_EQ(GlobalVars().DefEchoDelayTime, 500);
    EXPECT_EQ(GlobalVars().DefEchoMixDepth, 50);
    EXPECT_EQ(GlobalVars().DefEchoFeedbackGain, 70);

    // What played is the selection through the echo: its start, as far as it came before Stop.
    const std::vector<float> expected = Processed(Part(4410, 13230), eiEcho);
    const std::size_t first = FirstSound(played);
    ASSERT_GE(played.size(), first + 2000);
    for (std::size_t i = 0; i < 2000; ++i)
        ASSERT_FLOAT_EQ(played[first + i], expected[i]) << "sample " << i;

    // The document: the selection changed as the preview sounded, the rest untouched; undo restores it.
    EXPECT_LT(MaxDifference(Samples(4410, 13230), expected), 1e-6f);
    EXPECT_EQ(Samples(0, 4410), Part(0, 4410));
    EXPECT_EQ(Samples(13230, Rate / 2), Part(13230, Rate / 2));
    Editor->Undo();
    EXPECT_EQ(Samples(0, Rate / 2), Original);
}

TEST_F(EffectCommandsTest, CancelChangesNeitherTheDocumentNorTheSettings) {
    WhenDialogUp([&](TEffectForm* dialog) {
        auto* echo = dynamic_cast<TEchoForm*>(dialog);
        echo->ImageSliderDelayTime->SetFocus();
        Key(VK_END);
        ClickCentre(echo->ButtonCancel);
    });
    EXPECT_FALSE(Commands->Echo());
    EXPECT_EQ(Samples(0, Rate / 2), Original);
    EXPECT_TRUE(Host->ModifiedCalls.empty());
    EXPECT_EQ(GlobalVars().DefEchoDelayTime, 200);
    EXPECT_EQ(GlobalVars().PreviewOperationTypes, -1);
}

TEST_F(EffectCommandsTest, CancelAfterAPreviewStopsItAndKeepsThePreviewedValues) {
    TDiskOutput disk;
    WhenDialogUp([&](TEffectForm* dialog) {
        auto* echo = dynamic_cast<TEchoForm*>(dialog);
        echo->ImageSliderFeedbackGain->SetValue(10);
        ClickCentre(echo->ButtonPreview);
        ASSERT_TRUE(Commands->Previewing());
        ClickCentre(echo->ButtonCancel);
    });
    EXPECT_FALSE(Commands->Echo());
    EXPECT_FALSE(Commands->Previewing());
    EXPECT_FALSE(Player->Playing());
    EXPECT_EQ(GlobalVars().PreviewOperationTypes, eiEcho);
    EXPECT_EQ(GlobalVars().DefEchoFeedbackGain, 10);
    EXPECT_EQ(Samples(0, Rate / 2), Original);
    EXPECT_TRUE(Host->ModifiedCalls.empty());
}

// OK with an edit that holds no number: the command applies nothing, and the preview that was playing
// stops all the same.
TEST_F(EffectCommandsTest, AStoreThatFailsAppliesNothingAndStopsThePreview) {
    TDiskOutput disk;
    WhenDialogUp([&](TEffectForm* dialog) {
        auto* amplify = dynamic_cast<TAmplifyForm*>(dialog);
        ClickCentre(amplify->ButtonPreview);
        ASSERT_TRUE(Commands->Previewing());
        amplify->EditAmplify->SetText("");
        ClickCentre(amplify->ButtonOK);
    });
    EXPECT_THROW(Commands->Amplify(), EConvertError);
    EXPECT_FALSE(Commands->Previewing());
    EXPECT_FALSE(Player->Playing());
    EXPECT_EQ(Samples(0, Rate / 2), Original);
    EXPECT_TRUE(Host->ModifiedCalls.empty());
    EXPECT_EQ(GlobalVars().DefAmplify, 25);
}

TEST_F(EffectCommandsTest, WithoutASelectionTheWholeDocumentChangesAndPlaysAfterTheEdit) {
    Editor->Position().SetSelection(0);
    GlobalVars().OP_PlayAfterEdit = true;
    WhenDialogUp([&](TEffectForm* dialog) {
        auto* amplify = dynamic_cast<TAmplifyForm*>(dialog);
        ASSERT_NE(amplify, nullptr);
        amplify->EditAmplify->SetFocus();
        amplify->EditAmplify->SelectAll();
        Type("200");
        Key(VK_RETURN);
    });
    ASSERT_TRUE(Commands->Amplify());
    EXPECT_EQ(Host->Plays, 1);
    std::vector<float> doubled = Original;
    for (float& v : doubled)
        v *= 2;
    EXPECT_LT(MaxDifference(Samples(0, Rate / 2), doubled), 1e-6f);
}

TEST_F(EffectCommandsTest, NormalizeBringsTheSelectionsPeakToTheStoredLevel) {
    WhenDialogUp([&](TEffectForm* dialog) {
        auto* normalize = dynamic_cast<TNormalizeForm*>(dialog);
        ASSERT_NE(normalize, nullptr);
        normalize->EditNormalizePeak->SetFocus();
        normalize->EditNormalizePeak->SelectAll();
        Type("50");
        ClickCentre(normalize->ButtonOK);
    });
    ASSERT_TRUE(Commands->Normalize());
    EXPECT_EQ(GlobalVars().DefNormalize, 50);
    float peak = 0;
    for (float v : Samples(4410, 13230))
        peak = std::max(peak, std::fabs(v));
    EXPECT_NEAR(peak, 0.5f, 0.01f);
}

TEST_F(EffectCommandsTest, CommandsWithoutDialogStopSelectApplyAndMarkModified) {
    Commands->Reverse();
    std::vector<float> reversed = Part(4410, 13230);
    for (std::size_t i = 0, j = reversed.size() / 2 - 1; i < j; ++i, --j) {
        std::swap(reversed[2 * i], reversed[2 * j]);
        std::swap(reversed[2 * i + 1], reversed[2 * j + 1]);
    }
    EXPECT_EQ(Samples(4410, 13230), reversed);
    Editor->Undo();
    Select(4410, 13230);
    Commands->FadeIn();
    const std::vector<float> faded = Samples(4410, 13230);
    EXPECT_EQ(faded[0], 0.0f);
    EXPECT_NEAR(faded[faded.size() - 2], Original[13229 * 2], 1e-3f);
    Editor->Undo();
    Select(4410, 13230);
    Commands->FadeOut();
    EXPECT_NEAR(Samples(4410, 13230)[0], Original[4410 * 2], 1e-6f);
    EXPECT_EQ(Host->ModifiedCalls, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(Host->StopIfBusyCalls, 3);
}

// ---- Preview outcomes
// ---------------------------------------------------------------------------------------

TEST_F(EffectCommandsTest, NoIdentifierPreviewsTheSelectionUnchanged) {
    TDiskOutput disk;
    GlobalVars().PreviewOperationTypes = -1;
    Commands->StartPreview();
    ASSERT_TRUE(Commands->Previewing());
    EXPECT_EQ(Commands->PreviewLength(), 13230 - 4410);
    device_tests::TGrowingFloatFile output(disk.Path);
    ASSERT_TRUE(PumpUntil([&] { return !Commands->Previewing(); }, 10000)); // the end of the play stops it
    const std::vector<float> played = output.Update();
    const std::vector<float> selection = Part(4410, 13230);
    const std::size_t first = FirstSound(played);
    ASSERT_GE(played.size(), first + selection.size());
    EXPECT_EQ(std::vector<float>(played.begin() + first, played.begin() + first + selection.size()),
              selection);
}

TEST_F(EffectCommandsTest, ADeviceThatDoesNotOpenShowsTheErrorAndNothingPlays) {
    TEnvironmentGuard env;
    env.Set("SDL_AUDIODRIVER", "no-such-driver");
    GlobalVars().PreviewOperationTypes = eiEcho;
    WhenDialogUp([&](TEffectForm* dialog) {
        ClickCentre(dialog->ButtonPreview);
        EXPECT_FALSE(Commands->Previewing());
        Advance(50); // back to idle within one period of the monitor
        EXPECT_EQ(dialog->ButtonPreview->Caption(), "&Preview");
        EXPECT_TRUE(dialog->ButtonOK->Enabled());
        ClickCentre(dialog->ButtonCancel);
    });
    EXPECT_FALSE(Commands->Echo());
    ASSERT_EQ(BoxCount(), 1u);
    EXPECT_TRUE(BoxShowed(0, "Starting audio device error."));
}

TEST_F(EffectCommandsTest, AnEmptyResultShowsTheBufferErrorAndNothingPlays) {
    TDiskOutput disk;
    Editor->New(Rate, 2); // nothing in it
    GlobalVars().PreviewOperationTypes = eiEcho;
    Commands->StartPreview();
    EXPECT_FALSE(Commands->Previewing());
    EXPECT_FALSE(Player->Playing());
    ASSERT_EQ(BoxCount(), 1u);
    EXPECT_TRUE(BoxShowed(0, "Preview Transform Buffer error."));
}

TEST_F(EffectCommandsTest, AParameterTheProcessorRefusesEndsThePreviewWithItsError) {
    TDiskOutput disk;
    GlobalVars().PreviewOperationTypes = eiLowPass;
    GlobalVars().DefLowPassFrequency = 0;
    EXPECT_THROW(Commands->StartPreview(), EAudioEffectParameter);
    EXPECT_FALSE(Commands->Previewing());
    EXPECT_FALSE(Player->Playing());
    EXPECT_FALSE(Commands->TransformBusy());
}

// ---- Parameters
// --------------------------------------------------------------------------------------------

// Both processors get every effect's fields in their own order: their results agree.
TEST_F(EffectCommandsTest, TheEditorAndThePreviewGetTheSameParametersForEveryEffect) {
    for (int id = eiCompressor; id <= eiVibrato; ++id) {
        Select(0, Rate / 2);
        const std::vector<float> preview = Processed(Original, id);
        ASSERT_TRUE(ApplyEditorEffect(Editor->Transform(), id, GlobalVars())) << id;
        const std::vector<float> edited = Samples(0, Editor->Position().GetLength());
        EXPECT_LT(MaxDifference(edited, preview), 1e-5f) << "effect " << id;
        Editor->Undo();
    }
    EXPECT_FALSE(ApplyEditorEffect(Editor->Transform(), 22, GlobalVars()));
    std::vector<float> untouched = Original;
    TAudioTransform2 transform;
    EXPECT_FALSE(ApplyPreviewEffect(transform, untouched, -1, GlobalVars()));
    EXPECT_EQ(untouched, Original);
}

// Each field of each dialog's effect reaches the effect: changing it changes the sound.
TEST_F(EffectCommandsTest, EveryStoredFieldReachesItsEffect) {
    struct TFieldChange {
        int Id;
        int TGlobalVars::*Field;
        int Value;
    };
    std::vector<TFieldChange> changes{
        {eiCompressor, &TGlobalVars::DefCompressorThreshold, -30},
        {eiCompressor, &TGlobalVars::DefCompressorRate, 90},
        {eiAmplify, &TGlobalVars::DefAmplify, 60},
        {eiEcho, &TGlobalVars::DefEchoDelayTime, 50},
        {eiEcho, &TGlobalVars::DefEchoMixDepth, 20},
        {eiEcho, &TGlobalVars::DefEchoFeedbackGain, 90},
        {eiReverb, &TGlobalVars::DefReverbDelayTime, 60},
        {eiReverb, &TGlobalVars::DefReverbMixDepth, 20},
        {eiReverb, &TGlobalVars::DefReverbFeedbackGain, 20},
        {eiReverb, &TGlobalVars::DefReverbGain, 90},
        {eiReverb, &TGlobalVars::DefReverbFrequency, 500},
        {eiReverb, &TGlobalVars::DefReverbTaps, 2},
        {eiCrossFade, &TGlobalVars::DefFadeInt, 10},
        {eiCrossFade, &TGlobalVars::DefFadeFin, 90},
        {eiMixStereo, &TGlobalVars::DefMixChanLL, 10},
        {eiMixStereo, &TGlobalVars::DefMixChanLR, 10},
        {eiMixStereo, &TGlobalVars::DefMixChanRL, 10},
        {eiMixStereo, &TGlobalVars::DefMixChanRR, 10},
        {eiNoiseReduction, &TGlobalVars::DefNoiseReductionThreshold, -3},
        {eiNoiseReduction, &TGlobalVars::DefNoiseReductionRate, 20},
        {eiNoiseReduction, &TGlobalVars::DefNoiseReductionRMSTime, 5},
        {eiPhaser, &TGlobalVars::DefPhaserDelayTime, 50},
        {eiPhaser, &TGlobalVars::DefPhaserMixDepth, 90},
        {eiPhaser, &TGlobalVars::DefPhaserFeedbackGain, 90},
        {eiFlanger, &TGlobalVars::DefFlangerDelayRate, 80},
        {eiFlanger, &TGlobalVars::DefFlangerMixDepth, 90},
        {eiFlanger, &TGlobalVars::DefFlangerFeedbackGain, 90},
        {eiFlanger, &TGlobalVars::DefFlangerSweepDepth, 10},
        {eiFlanger, &TGlobalVars::DefFlangerSweepRate, 80},
        {eiFlanger, &TGlobalVars::DefFlangerSweepPhase, 200},
        {eiChorus, &TGlobalVars::DefChorusDelayRate, 80},
        {eiChorus, &TGlobalVars::DefChorusMixDepth, 90},
        {eiChorus, &TGlobalVars::DefChorusFeedbackGain, 10},
        {eiChorus, &TGlobalVars::DefChorusSweepDepth, 80}, // from 40
        {eiChorus, &TGlobalVars::DefChorusSweepRate, 50},
        {eiChorus, &TGlobalVars::DefChorusSweepPhase, 200},
        {eiVibrato, &TGlobalVars::DefVibratoSweepDepth, 90},
        {eiVibrato, &TGlobalVars::DefVibratoSweepRate, 3},
        {eiVibrato, &TGlobalVars::DefVibratoSweepPhase, 10},
        {eiHighPass, &TGlobalVars::DefHighPass, 2000},
        {eiSpeedChange, &TGlobalVars::DefSpeedChange, 120},
        {eiPitchChange, &TGlobalVars::DefPitchChange, 80},
        {eiNotch, &TGlobalVars::DefNotchFrequency, 1000},
        {eiNotch, &TGlobalVars::DefNotchSteepness, 90},
        {eiBandPass, &TGlobalVars::DefBandPassFrequency, 1000},
        {eiBandPass, &TGlobalVars::DefBandPassSteepness, 90},
        {eiLowPass, &TGlobalVars::DefLowPassFrequency, 1000},
        {eiLowPass, &TGlobalVars::DefLowPassSteepness, 90},
        {eiLowShelf, &TGlobalVars::DefLowShelfFrequency, 1000},
        {eiLowShelf, &TGlobalVars::DefLowShelfSteepness, 90},
        {eiLowShelf, &TGlobalVars::DefLowShelfGain, 10},
        {eiHighShelf, &TGlobalVars::DefHighShelfFrequency, 1000},
        {eiHighShelf, &TGlobalVars::DefHighShelfSteepness, 90},
        {eiHighShelf, &TGlobalVars::DefHighShelfGain, 10},
        {eiPeakEQ, &TGlobalVars::DefPeakEQFrequency, 1000},
        {eiPeakEQ, &TGlobalVars::DefPeakEQSteepness, 90},
        {eiPeakEQ, &TGlobalVars::DefPeakEQGain, 10},
    };
    for (int TGlobalVars::*band : EqualizerFields())
        changes.push_back({eiEqualizer, band, 120});
    // A second of noise with a loud burst in it: every level, delay and modulation leaves a mark on it.
    std::vector<float> signal(std::size_t(Rate) * 2);
    std::uint32_t seed = 12345;
    for (std::size_t i = 0; i < signal.size(); ++i) {
        seed = seed * 1664525u + 1013904223u;
        const float loud = i > signal.size() / 3 && i < signal.size() / 2 ? 0.8f : 0.05f;
        signal[i] = loud * (float(seed >> 8) / float(1u << 24) * 2.0f - 1.0f);
    }
    for (const TFieldChange& change : changes) {
        SetInitialValues(GlobalVars(), {"/d/", "/t/", "/m"});
        // The chorus's default sweep stands still; its rate and phase matter once it moves.
        GlobalVars().DefChorusSweepDepth = 40;
        const std::vector<float> before = Processed(signal, change.Id);
        const int old = GlobalVars().*change.Field;
        GlobalVars().*change.Field = change.Value;
        const std::vector<float> after = Processed(signal, change.Id);
        EXPECT_GT(MaxDifference(before, after), 1e-4f)
            << "effect " << change.Id << ": field from " << old << " to " << change.Value;
    }
}

// Frequencies past the file's Nyquist frequency, no taps, a still sweep: the output stays a signal.
TEST_F(EffectCommandsTest, ExtremeSettingsOnALowRateFileStayFinite) {
    Editor->New(8000, 1);
    std::vector<float> loud(8000);
    for (std::size_t i = 0; i < loud.size(); ++i)
        loud[i] = i % 50 < 25 ? 0.9f : -0.9f;
    Editor->PutSamples(loud);
    TGlobalVars& v = GlobalVars();
    v.DefReverbFrequency = 22500; // far above 4000 Hz
    v.DefReverbTaps = 0;
    v.DefReverbFeedbackGain = 100;
    v.DefEchoDelayTime = 0;
    v.DefEchoFeedbackGain = 100;
    v.DefVibratoSweepRate = 0;
    v.DefFlangerSweepRate = 0;
    v.DefFlangerFeedbackGain = 100;
    v.DefChorusSweepDepth = 0;
    v.DefPhaserDelayTime = 0;
    v.DefPhaserFeedbackGain = 100;
    for (int id : {eiReverb, eiEcho, eiVibrato, eiFlanger, eiChorus, eiPhaser}) {
        const auto bounded = [](const std::vector<float>& s) {
            return std::all_of(s.begin(), s.end(),
                               [](float x) { return std::isfinite(x) && std::fabs(x) < 200; });
        };
        EXPECT_TRUE(bounded(Processed(loud, id, 8000, 1))) << "preview of effect " << id;
        Select(0, 8000);
        ApplyEditorEffect(Editor->Transform(), id, v);
        EXPECT_TRUE(bounded(Samples(0, 8000))) << "effect " << id;
        Editor->Undo();
    }
    // A filter frequency the file cannot carry is refused with a clear error, and nothing changes.
    v.DefNotchFrequency = 5000;
    Select(0, 8000);
    EXPECT_THROW(ApplyEditorEffect(Editor->Transform(), eiNotch, v), EAudioEffectParameter);
    EXPECT_EQ(Samples(0, 8000), loud);
}

} // namespace effect_commands_test
