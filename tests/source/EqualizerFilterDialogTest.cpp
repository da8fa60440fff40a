// The equalizer and filter dialogs under a user's hands: the equalizer's scale marks and what it
// disables, its preview and cancel; the filters' frequency edits, their settings across a restart and
// the signed gain edit.
#include "EffectTestSupport.h"

#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Label.h"
#include "platform/win/Screen.h"
#include "platform/win/WinKeys.h"
#include "source/GlobalVars.h"
#include "source/SettingsFile.h"
#include "source/controls/ImageSlider.h"
#include "source/effects/EffectParameters.h"
#include "source/effects/EqualizerForm.h"
#include "source/effects/HighPassForm.h"
#include "source/effects/NotchForm.h"
#include "source/effects/PeakEQForm.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace equalizer_filter_dialog_test {

using effect_test::EffectDialogTest;

std::vector<int> BandValues(TEqualizerForm* d) {
    std::vector<int> values;
    for (int i = 0; i < EqualizerBandCount; ++i)
        values.push_back(d->ParameterSlider(i)->Value());
    return values;
}

// ---- Equalizer --------------------------------------------------------------------------------------------

TEST_F(EffectDialogTest, EqualizerScaleMarksSetEveryBandAndThePresetNameStays) {
    auto* d = Open<TEqualizerForm>();
    d->ComboBoxPreset->SetItemIndex(15);
    d->ComboBoxPresetChange(d->ComboBoxPreset);
    EXPECT_EQ(d->ComboBoxPreset->Text(), "1k Notch");
    EXPECT_EQ(BandValues(d), (std::vector<int>{0, 0, 0, 0, 0, 90, 0, 0, 0, 0, 0, 0}));
    const std::pair<TLabel*, int> marks[] = {{d->Label18dB2, -180}, {d->Label18dB, 180}, {d->Label10dB, 0}};
    for (const auto& [mark, value] : marks) {
        DoubleClick(mark, 2, mark->Height() / 2);
        EXPECT_EQ(BandValues(d), std::vector<int>(EqualizerBandCount, value)) << mark->Caption();
        EXPECT_EQ(d->ComboBoxPreset->Text(), "1k Notch");
    }
    // A single click changes nothing.
    d->Band3->SetValue(40);
    Click(d->Label18dB, 2, 2);
    EXPECT_EQ(d->Band3->Value(), 40);
}

// Each mark stands level with the thumbs when they sit at its value.
TEST_F(EffectDialogTest, EqualizerMarksStandBesideTheirValues) {
    auto* d = Open<TEqualizerForm>();
    for (TLabel* mark : {d->Label18dB, d->Label10dB, d->Label18dB2}) {
        DoubleClick(mark, 2, mark->Height() / 2);
        const RECT thumb = d->Band12->ThumbRect();
        const int thumbCentre = d->Band12->Top() + (thumb.top + thumb.bottom) / 2;
        EXPECT_NEAR(mark->Top() + mark->Height() / 2, thumbCentre, 1) << mark->Caption();
        EXPECT_LT(mark->Left() + mark->Width(), d->Band1->Left()) << mark->Caption();
    }
    EXPECT_LT(d->Label18dB->Top(), d->Label10dB->Top());
    EXPECT_LT(d->Label10dB->Top(), d->Label18dB2->Top());
    // Under each band its name, centred on the slider.
    for (int i = 0; i < EqualizerBandCount; ++i) {
        TLabel* name = d->ParameterLabel(i);
        TImageSlider* band = d->ParameterSlider(i);
        EXPECT_GE(name->Top(), band->Top() + band->Height()) << name->Caption();
        EXPECT_NEAR(name->Left() + name->Width() / 2, band->Left() + band->Width() / 2, 1) << name->Caption();
    }
}

TEST_F(EffectDialogTest, EqualizerDisablingCoversMarksBandsAndTheirNames) {
    auto* d = Open<TEqualizerForm>();
    d->SetControlsEnabled(false);
    std::vector<TControl*> controls{d->Label18dB,    d->Label10dB,      d->Label18dB2,
                                    d->LabelPreset,  d->ComboBoxPreset, d->ButtonOK,
                                    d->ButtonCancel, d->ButtonHelp,     d->ButtonPreview};
    for (int i = 0; i < EqualizerBandCount; ++i) {
        controls.push_back(d->ParameterSlider(i));
        controls.push_back(d->ParameterLabel(i));
    }
    for (TControl* c : controls)
        EXPECT_FALSE(c->Enabled()) << c->Name();
    d->SetControlsEnabled(true);
    for (TControl* c : controls)
        EXPECT_TRUE(c->Enabled()) << c->Name();
}

TEST_F(EffectDialogTest, EqualizerBandsMoveByTheirKeysAndStoreInTenthsOfADecibel) {
    auto* d = Open<TEqualizerForm>();
    EXPECT_TRUE(d->Band1->Focused()); // the dialog opens in its first band
    d->Band4->SetFocus();
    Key(VK_UP);
    Key(VK_UP);
    EXPECT_EQ(d->Band4->Value(), 2);
    Key(VK_HOME);
    EXPECT_EQ(d->Band4->Value(), -180);
    d->StoreParams();
    EXPECT_EQ(GlobalVars().EqualizerBuf4, -180);
    EXPECT_EQ(GlobalVars().PreviewOperationTypes, eiEqualizer);
    // The effect takes -1.8 units of 10 dB: the -18 dB the scale shows.
    EXPECT_FLOAT_EQ(EqualizerGains(GlobalVars())[3], -1.8f);
    EXPECT_FLOAT_EQ(EqualizerBandGain(90), 0.9f);
}

// Cancel keeps the stored bands, unless a preview stored the ones shown at that moment.
TEST_F(EffectDialogTest, EqualizerCancelKeepsTheBandsButAPreviewStoredThem) {
    for (bool preview : {false, true}) {
        SetInitialValues(GlobalVars(), {"/d/", "/t/", "/m"});
        GlobalVars().EqualizerBuf2 = 33;
        auto* d = Prepare<TEqualizerForm>();
        WhenDialogUp([&](TEffectForm*) {
            d->ComboBoxPreset->SetItemIndex(1); // "Basic Low Boost"
            d->ComboBoxPresetChange(d->ComboBoxPreset);
            if (preview) ClickCentre(d->ButtonPreview);
            ClickCentre(d->ButtonCancel);
        });
        EXPECT_EQ(d->ShowModal(), mrCancel);
        EXPECT_EQ(GlobalVars().EqualizerBuf2, preview ? 55 : 33);
        EXPECT_EQ(GlobalVars().EqualizerBuf1, preview ? 30 : 0);
        EXPECT_EQ(GlobalVars().PreviewOperationTypes, preview ? eiEqualizer : -1);
        Close();
    }
}

// ---- Filters ----------------------------------------------------------------------------------------------

TEST_F(EffectDialogTest, HighPassFrequencyIsKeptAcrossARestartAndTypedInFourDigits) {
    const std::string path = (std::filesystem::temp_directory_path() / "highpass-restart.dat").string();
    auto* d = Open<THighPassForm>();
    EXPECT_EQ(d->EditFrequency->Text(), "200");
    EXPECT_TRUE(d->EditFrequency->NumbersOnly());
    d->ComboBoxPreset->SetItemIndex(2);
    d->ComboBoxPresetChange(d->ComboBoxPreset);
    EXPECT_EQ(d->ComboBoxPreset->Text(), "Radio / Telephone Quality Audio");
    EXPECT_EQ(d->EditFrequency->Text(), "4000");
    d->StoreParams();
    EXPECT_EQ(GlobalVars().DefHighPass, 4000);
    EXPECT_EQ(GlobalVars().PreviewOperationTypes, eiHighPass);
    SaveSettings(GlobalVars(), path);
    SetInitialValues(GlobalVars(), {"/d/", "/t/", "/m"});
    LoadSettings(GlobalVars(), path);
    d->LoadParams();
    EXPECT_EQ(d->EditFrequency->Text(), "4000");
    d->EditFrequency->SetFocus();
    d->EditFrequency->SelectAll();
    Type("12345");
    EXPECT_EQ(d->EditFrequency->Text(), "1234");
    std::filesystem::remove(path);
}

// The filters with a steepness keep their values only while the program runs, and take any frequency.
TEST_F(EffectDialogTest, NotchTakesAnyFrequencyAndStartsAgainFromItsDefaultsAfterARestart) {
    const std::string path = (std::filesystem::temp_directory_path() / "notch-restart.dat").string();
    auto* d = Prepare<TNotchForm>();
    WhenDialogUp([&](TEffectForm*) {
        d->EditFrequency->SetFocus();
        d->EditFrequency->SelectAll();
        Type("99999");
        d->ImageSliderSteepness->SetFocus();
        Key(VK_END);
        Key(VK_RETURN);
    });
    ASSERT_EQ(d->ShowModal(), mrOk);
    d->StoreParams();
    EXPECT_EQ(GlobalVars().DefNotchFrequency, 99999);
    EXPECT_EQ(GlobalVars().DefNotchSteepness, 100);
    SaveSettings(GlobalVars(), path);
    SetInitialValues(GlobalVars(), {"/d/", "/t/", "/m"});
    LoadSettings(GlobalVars(), path);
    d->LoadParams();
    EXPECT_EQ(d->EditFrequency->Text(), "10000");
    EXPECT_EQ(d->ImageSliderSteepness->Value(), 50);
    std::filesystem::remove(path);
}

TEST_F(EffectDialogTest, PeakEqGainIsSignedClampedAndFiltered) {
    auto* d = Open<TPeakEQForm>();
    EXPECT_EQ(d->EditGain->Text(), "-10");
    EXPECT_FALSE(d->EditGain->NumbersOnly());
    EXPECT_TRUE(d->EditSteepness->NumbersOnly());
    d->EditGain->SetFocus();
    d->EditGain->SelectAll();
    Type("-95");
    EXPECT_EQ(d->EditGain->Font()->Color(), clRed);
    Key(VK_TAB);
    EXPECT_EQ(d->EditGain->Text(), "-90");
    EXPECT_EQ(d->ImageSliderGain->Value(), -90);
    d->EditGain->SetFocus();
    d->EditGain->SelectAll();
    Type("5");
    const int beeps = olva::win::BeepCount();
    Type("-");
    EXPECT_EQ(d->EditGain->Text(), "5");
    EXPECT_EQ(olva::win::BeepCount(), beeps + 1);
}

} // namespace equalizer_filter_dialog_test
