#include "source/FavoriteParams.h"

#include "platform/rtl/Exceptions.h"
#include "source/Favorites.h"
#include "source/GlobalVars.h"

#include <gtest/gtest.h>

namespace {

TGlobalVars Vars() {
    TGlobalVars vars;
    SetInitialValues(vars, {"/d/", "/t/", "/m"});
    return vars;
}

TEST(FavoriteParamsTest, ParsesTheListIntoCells) {
    const TFavoriteParams zero{};
    EXPECT_EQ(ParseFavoriteParams("500,50,70", zero), (TFavoriteParams{500, 50, 70}));
    EXPECT_EQ(ParseFavoriteParams("-13,99,55", zero), (TFavoriteParams{-13, 99, 55}));
    const TFavoriteParams defaults{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(ParseFavoriteParams("0,100", defaults), (TFavoriteParams{0, 100, 3, 4, 5, 6, 7, 8, 9, 10}));
    // values beyond the ten cells are not kept
    EXPECT_EQ(ParseFavoriteParams("1,1,1,1,1,1,1,1,1,1,77,88", zero),
              (TFavoriteParams{1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST(FavoriteParamsTest, ItemsThatAreNoIntegerAreRefused) {
    struct Case {
        const char* Text;
        const char* Message;
    };
    for (const Case& c :
         {Case{"", "'' is not a valid integer value"}, Case{"1,,2", "'' is not a valid integer value"},
          Case{"5,abc", "'abc' is not a valid integer value"},
          Case{"1,2,", "'' is not a valid integer value"},
          Case{"1,1,1,1,1,1,1,1,1,1,1,x", "'x' is not a valid integer value"}}) {
        try {
            ParseFavoriteParams(c.Text, TFavoriteParams{});
            ADD_FAILURE() << "no error for " << c.Text;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), c.Message) << c.Text;
        }
    }
}

TEST(FavoriteParamsTest, MissingValuesTakeTheEffectsCurrentSettings) {
    TGlobalVars vars = Vars();
    const TFavoriteEffect* echo = FindFavoriteEffect("Echo");
    ASSERT_NE(echo, nullptr);
    const TFavorite many{"Many Echoes", "Ctrl+3", "500,50,70", "Echo", false};
    const TFavorite one{"One Value", "", "500", "Echo", false};
    EXPECT_EQ(FavoriteParamsFor(many, *echo, vars), (TFavoriteParams{500, 50, 70}));
    // run right after the other, the short list still gets the settings, not the earlier favourite's values
    EXPECT_EQ(FavoriteParamsFor(one, *echo, vars), (TFavoriteParams{500, 70, 40}));
    vars.DefEchoMixDepth = 33;
    EXPECT_EQ(FavoriteParamsFor(one, *echo, vars), (TFavoriteParams{500, 33, 40}));
}

TEST(FavoriteParamsTest, EffectsWithoutParametersReadNoList) {
    const TGlobalVars vars = Vars();
    for (const char* flag : {"Invert", "Reverse"}) {
        const TFavoriteEffect* effect = FindFavoriteEffect(flag);
        ASSERT_NE(effect, nullptr);
        EXPECT_EQ(FavoriteParamsFor({"X", "", "not numbers", flag, true}, *effect, vars), TFavoriteParams{});
    }
}

TEST(FavoriteParamsTest, EffectTableOrderAndListOrder) {
    const std::vector<std::string> names{
        "Echo",       "Vibrato",      "Reverb",    "Amplify",  "Fade",           "Normalize",
        "Compressor", "Chorus",       "Flanger",   "Phaser",   "Speed Change",   "Pitch Change",
        "PeakEQ",     "Notch Filter", "Band Pass", "Low Pass", "High Pass",      "Low Shelf",
        "High Shelf", "Mix Stereo",   "Invert",    "Reverse",  "Noise Reduction"};
    ASSERT_EQ(FavoriteEffects().size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i)
        EXPECT_EQ(FavoriteEffects()[i].Flag, names[i]);
    EXPECT_EQ(FindFavoriteEffect("echo"), nullptr); // letter case counts
    EXPECT_EQ(FindFavoriteEffect("Echo "), nullptr);

    TGlobalVars vars = Vars();
    vars.DefPeakEQFrequency = 1000, vars.DefPeakEQSteepness = 20, vars.DefPeakEQGain = -6;
    EXPECT_EQ(FavoriteEffectDefaults(*FindFavoriteEffect("PeakEQ"), vars), (TFavoriteParams{1000, 20, -6}));
    EXPECT_EQ(FavoriteEffectDefaults(*FindFavoriteEffect("Reverb"), vars),
              (TFavoriteParams{30, 60, 60, 30, 11025, 8}));
    EXPECT_EQ(FavoriteEffectDefaults(*FindFavoriteEffect("Noise Reduction"), vars),
              (TFavoriteParams{-13, 99, 55}));
    EXPECT_EQ(FavoriteEffectDefaults(*FindFavoriteEffect("Mix Stereo"), vars),
              (TFavoriteParams{50, 50, 50, 50}));
}

TEST(FavoriteParamsTest, EveryBuiltInFavouriteParses) {
    const TGlobalVars vars = Vars();
    for (const TFavorite& favorite : DefaultFavorites()) {
        const TFavoriteEffect* effect = FindFavoriteEffect(favorite.Flag);
        ASSERT_NE(effect, nullptr) << favorite.Name;
        EXPECT_NO_THROW(FavoriteParamsFor(favorite, *effect, vars)) << favorite.Name;
    }
    const TFavorite& radio = DefaultFavorites()[10];
    EXPECT_EQ(FavoriteParamsFor(radio, *FindFavoriteEffect(radio.Flag), vars)[0], 2000);
}

} // namespace
