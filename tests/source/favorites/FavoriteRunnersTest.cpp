// The favourites' runners over a real editor: each effect applied from a favourite's list gives what its
// dialog gives when accepted with the same values; the dialogs' named controls receive the values; bad
// lists, unknown effects and a cancelled dialog change nothing.
#include "tests/source/EffectCommandsFixture.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrConvert.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Edit.h"
#include "source/FavoriteParams.h"
#include "source/Favorites.h"
#include "source/controls/ImageSlider.h"
#include "source/effects/EchoForm.h"
#include "source/effects/EffectForm.h"
#include "source/favorites/FavoriteRunners.h"

#include <gtest/gtest.h>

#include <map>

namespace favorite_runners_test {

using effect_commands_test::EffectCommandsTest;
using effect_commands_test::MaxDifference;

// The controls each runner fills, in the order of the favourite's list.
const std::map<std::string, std::vector<std::string>>& ControlNames() {
    static const std::vector<std::string> swept{"ImageSliderDelayRate",    "ImageSliderMixDepth",
                                                "ImageSliderFeedbackGain", "ImageSliderSweepDepth",
                                                "ImageSliderSweepRate",    "ImageSliderSweepPhase"};
    static const std::map<std::string, std::vector<std::string>> names{
        {"Echo", {"ImageSliderDelayTime", "ImageSliderMixDepth", "ImageSliderFeedbackGain"}},
        {"Vibrato", {"ImageSliderSweepDepth", "ImageSliderSweepRate", "ImageSliderSweepPhase"}},
        {"Reverb",
         {"ImageSliderDelayTime", "ImageSliderMixDepth", "ImageSliderFeedbackGain", "ImageSliderReverbGain",
          "ImageSliderReverbFrequency", "ImageSliderTaps"}},
        {"Amplify", {"EditAmplify"}},
        {"Fade", {"ImageSliderInitial", "ImageSliderFinal"}},
        {"Normalize", {"EditNormalizePeak"}},
        {"Compressor", {"ImageSliderThreshold", "ImageSliderRate"}},
        {"Chorus", swept},
        {"Flanger", swept},
        {"Phaser", {"ImageSliderDelayTime", "ImageSliderMixDepth", "ImageSliderFeedbackGain"}},
        {"Speed Change", {"EditSpeedAdjust"}},
        {"Pitch Change", {"EditPitchAdjust"}},
        {"PeakEQ", {"EditFrequency", "ImageSliderSteepness", "ImageSliderGain"}},
        {"Notch Filter", {"EditFrequency", "ImageSliderSteepness"}},
        {"Band Pass", {"EditFrequency", "ImageSliderSteepness"}},
        {"Low Pass", {"EditFrequency", "ImageSliderSteepness"}},
        {"High Pass", {"EditFrequency"}},
        {"Low Shelf", {"EditFrequency", "ImageSliderSteepness", "ImageSliderGain"}},
        {"High Shelf", {"EditFrequency", "ImageSliderSteepness", "ImageSliderGain"}},
        {"Mix Stereo",
         {"ImageSliderNewLeftChannelLeft", "ImageSliderNewLeftChannelRight", "ImageSliderNewRightChannelLeft",
          "ImageSliderNewRightChannelRight"}},
        {"Noise Reduction", {"ImageSliderThreshold", "ImageSliderRate", "ImageSliderRMSTime"}},
    };
    return names;
}

// Values inside every control's range and away from the first start's settings: an eighth of the way along
// a slider; for the typed values, a number each dialog accepts.
std::vector<int> InRangeValues(const TEffectDialogModel& Model) {
    std::vector<int> values;
    for (const TEffectParameter& p : Model.Parameters) {
        if (p.Name == "DelayTime") // an echo that falls inside the selection
            values.push_back(p.MinValue + 20);
        else if (p.Kind == TParameterKind::SliderWithEdit)
            values.push_back(p.MinValue + (p.MaxValue - p.MinValue) / 8 + 1);
        else if (p.Name == "Frequency")
            values.push_back(1500);
        else
            values.push_back(p.Name == "NormalizePeak" ? 90 : 140);
    }
    return values;
}

std::string ListOf(const std::vector<int>& Values) {
    std::string text;
    for (std::size_t i = 0; i < Values.size(); ++i)
        text += (i > 0 ? "," : "") + IntToStr(Values[i]);
    return text;
}

TFavoriteParams ParamsOf(const std::vector<int>& Values) {
    TFavoriteParams params{};
    std::copy(Values.begin(), Values.end(), params.begin());
    return params;
}

class FavoriteRunnersTest : public EffectCommandsTest {
protected:
    std::vector<float> Document() {
        const std::int64_t length = Editor->Position().GetLength();
        std::vector<float> samples = Samples(0, length);
        Select(4410, 13230);
        return samples;
    }
};

TEST_F(FavoriteRunnersTest, EveryEffectHasARunnerWhoseDialogTakesTheListInItsOrder) {
    ASSERT_EQ(FavoriteEffects().size(), 23u);
    for (const TFavoriteEffect& effect : FavoriteEffects()) {
        const TFavoriteRunner* runner = FindFavoriteRunner(effect.Flag);
        ASSERT_NE(runner, nullptr) << effect.Flag;
        if (effect.Fields.empty()) {
            EXPECT_EQ(runner->MakeDialog, nullptr) << effect.Flag;
            continue;
        }
        ASSERT_NE(runner->MakeDialog, nullptr) << effect.Flag;
        TEffectForm* dialog = runner->MakeDialog(form, nullptr);
        const std::vector<std::string>& names = ControlNames().at(effect.Flag);
        const TEffectDialogModel& model = dialog->Model();
        ASSERT_EQ(model.Parameters.size(), effect.Fields.size()) << effect.Flag;
        ASSERT_EQ(names.size(), effect.Fields.size()) << effect.Flag;
        // The dialog stores the favourite's list order, and its identifier is the runner's.
        for (std::size_t i = 0; i < effect.Fields.size(); ++i)
            EXPECT_EQ(model.Parameters[i].Field, effect.Fields[i]) << effect.Flag << " " << i;
        if (runner->EffectId > 0) {
            EXPECT_EQ(model.Identifier, runner->EffectId) << effect.Flag;
        }

        // The values reach the named controls: sliders their value, edits the decimal text.
        const std::vector<int> values = InRangeValues(model);
        FillFavoriteDialog(*dialog, ParamsOf(values));
        for (std::size_t i = 0; i < names.size(); ++i) {
            TComponent* control = dialog->FindComponent(names[i]);
            ASSERT_NE(control, nullptr) << effect.Flag << " " << names[i];
            if (auto* slider = dynamic_cast<TImageSlider*>(control))
                EXPECT_EQ(slider->Value(), values[i]) << names[i];
            else
                EXPECT_EQ(dynamic_cast<TEdit*>(control)->Text(), IntToStr(values[i])) << names[i];
        }
        EXPECT_EQ(FavoriteDialogValues(*dialog), ListOf(values)) << effect.Flag;
        dialog->Free();
    }
    EXPECT_EQ(FindFavoriteRunner("echo"), nullptr);
}

// The table over the runners: the favourite's list applied directly and through its dialog, accepted as
// filled, give the same document; only the dialog's way stores the values in the settings.
TEST_F(FavoriteRunnersTest, EachRunnerAppliesWhatItsDialogAppliesWithTheSameValues) {
    const TGlobalVars initial = GlobalVars();
    for (const TFavoriteEffect& effect : FavoriteEffects()) {
        SCOPED_TRACE(effect.Flag);
        const TFavoriteRunner* runner = FindFavoriteRunner(effect.Flag);
        std::vector<int> values;
        if (runner->MakeDialog != nullptr) {
            TEffectForm* dialog = runner->MakeDialog(form, nullptr);
            values = InRangeValues(dialog->Model());
            dialog->Free();
        }
        TFavorite favorite{"Test", "", ListOf(values), effect.Flag, false};

        GlobalVars() = initial;
        Select(4410, 13230);
        ASSERT_TRUE(RunFavorite(*Commands, *Editor, favorite));
        const std::vector<float> direct = Document();
        EXPECT_NE(direct, Original);
        // The settings record is not touched by a run without the dialog.
        for (int TGlobalVars::*field : effect.Fields)
            EXPECT_EQ(GlobalVars().*field, initial.*field);
        Editor->Undo();
        ASSERT_EQ(Document(), Original);

        favorite.ShowDialog = true;
        bool dialogShown = false;
        WhenDialogUp([&](TEffectForm* dialog) {
            dialogShown = true;
            ClickCentre(dialog->ButtonOK);
        });
        Select(4410, 13230);
        EXPECT_EQ(RunFavorite(*Commands, *Editor, favorite), true);
        EXPECT_EQ(dialogShown, runner->MakeDialog != nullptr);
        EXPECT_LT(MaxDifference(Document(), direct), 1e-6f);
        for (std::size_t i = 0; i < effect.Fields.size(); ++i)
            EXPECT_EQ(GlobalVars().*(effect.Fields[i]), values[i]);
        Editor->Undo();
    }
    EXPECT_EQ(Host->ModifiedCalls, std::vector<bool>(2 * FavoriteEffects().size(), true));
    EXPECT_EQ(BoxCount(), 0u);
}

// Values a favourite does not hold come from the effect's settings, not from an earlier favourite's.
TEST_F(FavoriteRunnersTest, MissingValuesComeFromTheSettingsNotFromTheFavouriteRunBefore) {
    ASSERT_TRUE(RunFavorite(*Commands, *Editor, TFavorite{"Many Echoes", "", "500,50,70", "Echo", false}));
    Editor->Undo();
    Select(4410, 13230);
    ASSERT_TRUE(RunFavorite(*Commands, *Editor, TFavorite{"Short", "", "500", "Echo", false}));
    const std::vector<float> got = Document();
    Editor->Undo();

    TGlobalVars expected = GlobalVars();
    expected.DefEchoDelayTime = 500;
    Select(4410, 13230);
    ApplyEditorEffect(Editor->Transform(), eiEcho, expected);
    EXPECT_LT(MaxDifference(Document(), got), 1e-6f);
}

TEST_F(FavoriteRunnersTest, ABadListAnUnknownEffectOrACancelledDialogChangesNothing) {
    struct Case {
        TFavorite Favorite;
        bool Throws;
    };
    for (const Case& c : {Case{{"Bad", "", "500,,70", "Echo", false}, true},
                          Case{{"Letters", "", "fast", "Speed Change", false}, true},
                          Case{{"Empty", "", "", "Amplify", true}, true},
                          Case{{"Huge", "", "99999999999999999999", "Amplify", false}, true},
                          Case{{"Case", "", "50", "amplify", false}, false},
                          Case{{"None", "", "50", "Louder", false}, false}}) {
        SCOPED_TRACE(c.Favorite.Name);
        if (c.Throws)
            EXPECT_THROW(RunFavorite(*Commands, *Editor, c.Favorite), EConvertError);
        else
            EXPECT_FALSE(RunFavorite(*Commands, *Editor, c.Favorite));
    }
    // Nothing was stopped, selected or applied.
    EXPECT_EQ(Host->StopIfBusyCalls, 0);
    EXPECT_EQ(Host->SelectAllCalls, 0);

    WhenDialogUp([&](TEffectForm* dialog) { ClickCentre(dialog->ButtonCancel); });
    EXPECT_FALSE(RunFavorite(*Commands, *Editor, TFavorite{"Dialog", "", "500,50,70", "Echo", true}));
    EXPECT_EQ(Document(), Original);
    EXPECT_TRUE(Host->ModifiedCalls.empty());
    EXPECT_EQ(GlobalVars().DefEchoDelayTime, 200);
}

// A value beyond a slider's range reaches the effect clamped when the dialog is shown.
TEST_F(FavoriteRunnersTest, TheDialogShowsTheListClampedToItsSliders) {
    WhenDialogUp([&](TEffectForm* dialog) {
        auto* echo = dynamic_cast<TEchoForm*>(dialog);
        ASSERT_NE(echo, nullptr);
        EXPECT_EQ(echo->ImageSliderDelayTime->Value(), echo->ImageSliderDelayTime->MaxValue());
        EXPECT_EQ(echo->ImageSliderMixDepth->Value(), 50);
        ClickCentre(dialog->ButtonOK);
    });
    ASSERT_TRUE(RunFavorite(*Commands, *Editor, TFavorite{"Far", "", "100000,50", "Echo", true}));
    EXPECT_EQ(GlobalVars().DefEchoMixDepth, 50);
    EXPECT_EQ(GlobalVars().DefEchoFeedbackGain, 40); // from the settings: the list has two values
}

} // namespace favorite_runners_test
