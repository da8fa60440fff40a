// The output format dialogs: what they load and store, which parts they enable, the coupled rate
// limits, and pictures of each dialog as a user sees it (build/test-output/formats).
#include "platform/gdi/GdiText.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/GroupBox.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/RadioButton.h"
#include "platform/vcl/ScrollBar.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinUser.h"
#include "source/GlobalVars.h"
#include "source/controls/ImageSlider.h"
#include "source/dialogs/ConvertSampleRateForm.h"
#include "source/formats/FormatPresetForm.h"
#include "source/formats/Mp3SettingsSpecifyForm.h"
#include "source/formats/OGGSettingsSpecifyForm.h"
#include "source/formats/WaveFormatSpecifyForm.h"
#include "tests/vcl/StdCtrlsTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace format_dialogs_test {

using stdctrls_test::StdCtrlsTest;

class FormatDialogsTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        SetInitialValues(Vars, {"/d/", "/t/", "/m"});
        ShowForm();
    }
    template <class T> T* Show(T* Dialog) {
        Dialog->SetLeft(20);
        Dialog->SetTop(20);
        Dialog->LoadParams();
        Dialog->Show();
        Pump();
        return Dialog;
    }
    void Picture(TCustomForm* Dialog, const std::string& Name) {
        const std::string dir = stdctrls_test::TestOutDir() + "/formats";
        std::filesystem::create_directories(dir);
        EXPECT_TRUE(olva::win::SaveWindowPng(Dialog->Handle(), dir + "/" + Name + ".png")) << Name;
    }
    TGlobalVars Vars;
};

TEST_F(FormatDialogsTest, PresetDialogsLoadAndStoreTheChoiceAndShowThePresetTexts) {
    struct TCase {
        int Code;
        std::uint8_t TGlobalVars::*Type;
        std::uint8_t TGlobalVars::*Presets;
        int MaxPreset;
        const char* FirstQuality;
        const char* LastDetail;
    };
    const TCase cases[] = {
        {1, &TGlobalVars::OutputWAVType, &TGlobalVars::OutputWAVPersets, 2, "FM Quality",
         "96,000 Hz, 16 bits, Stereo"},
        {2, &TGlobalVars::OutputMP3Type, &TGlobalVars::OutputMP3Presets, 10, "Phone Quality",
         "[MPEG 1, Layer 3, 320kbps, Stereo]"},
        {6, &TGlobalVars::OutputOGGType, &TGlobalVars::OutputOGGPresets, 6, "Voice Quality",
         "320 kbps, Stereo"},
        {11, nullptr, &TGlobalVars::OutputWMAPresets, 6, "Phone Quality",
         "[WMA, 192 kbps, 44,100 Hz, Stereo]"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Code);
        if (c.Type) Vars.*c.Type = 1;
        Vars.*c.Presets = 0;
        TFormatPresetForm* dialog = Show(MakeFormatPresetForm(form, c.Code, Vars));
        EXPECT_EQ(dialog->LabelPresetQuality1->Caption(), c.FirstQuality);
        EXPECT_EQ(dialog->ImageSliderPreset->MaxValue(), c.MaxPreset);
        if (c.Type) {
            // Specify chosen: the summary and Configure are live, the preset part is not.
            EXPECT_TRUE(dialog->RadioButtonSpecifySettings->Checked());
            EXPECT_FALSE(dialog->ImageSliderPreset->Enabled());
            EXPECT_FALSE(dialog->LabelLowQuality->Enabled());
            EXPECT_TRUE(dialog->ButtonConfigure->Enabled());
            EXPECT_FALSE(dialog->LabelSpecifySettings->Caption().empty());
            dialog->RadioButtonPresetQuality->SetChecked(true);
            EXPECT_TRUE(dialog->ImageSliderPreset->Enabled());
            EXPECT_FALSE(dialog->ButtonConfigure->Enabled());
            EXPECT_FALSE(dialog->LabelSpecifySettings->Enabled());
        } else {
            EXPECT_EQ(dialog->RadioButtonPresetQuality, nullptr);
            EXPECT_EQ(dialog->ButtonConfigure, nullptr);
        }
        dialog->ImageSliderPreset->SetValue(c.MaxPreset);
        EXPECT_EQ(dialog->LabelPresetQuality2->Caption(), c.LastDetail);
        dialog->StoreParams();
        EXPECT_EQ(Vars.*c.Presets, c.MaxPreset);
        if (c.Type) {
            EXPECT_EQ(Vars.*c.Type, 0);
        }
        dialog->Free();
        Pump();
    }
}

TEST_F(FormatDialogsTest, AnUnknownStoredTypeKeepsPresetQualityAndIsNotRewrittenAsSpecify) {
    Vars.OutputMP3Type = 7;
    auto* dialog = Show(TCustomForm::New<TMp3FormatForm>(form, Vars));
    EXPECT_TRUE(dialog->RadioButtonPresetQuality->Checked());
    dialog->StoreParams();
    EXPECT_EQ(Vars.OutputMP3Type, 0);
    dialog->Free();
}

TEST_F(FormatDialogsTest, WaveSettingsRoundTripAndUnknownIndexesStayStored) {
    Vars.OutputWAVSampleType = 4, Vars.OutputWAVBitesPerSample = 2, Vars.OutputWAVMode = 1;
    auto* dialog = Show(TCustomForm::New<TWaveFormatSpecifyForm>(form, Vars));
    EXPECT_EQ(dialog->ComboBoxSampleRate->Text(), "22050 Hz");
    EXPECT_EQ(dialog->ComboBoxBitDepth->Text(), "24 bits");
    EXPECT_TRUE(dialog->RadioButtonMono->Checked());
    dialog->RadioButtonStereo->SetChecked(true);
    dialog->ComboBoxSampleRate->SetItemIndex(9);
    dialog->StoreParams();
    EXPECT_EQ(Vars.OutputWAVSampleType, 9);
    EXPECT_EQ(Vars.OutputWAVBitesPerSample, 2);
    EXPECT_EQ(Vars.OutputWAVMode, 0);
    dialog->Free();
    // A hand-edited index outside the list shows nothing and is written back unchanged.
    Vars.OutputWAVSampleType = 40;
    dialog = Show(TCustomForm::New<TWaveFormatSpecifyForm>(form, Vars));
    EXPECT_EQ(dialog->ComboBoxSampleRate->ItemIndex(), -1);
    dialog->StoreParams();
    EXPECT_EQ(Vars.OutputWAVSampleType, 40);
    dialog->Free();
}

TEST_F(FormatDialogsTest, Mp3SettingsEnableTheirPartsAndCoupleTheRateLimits) {
    auto* dialog = Show(TCustomForm::New<TMp3SettingsSpecifyForm>(form, Vars));
    // Defaults: constant 192 kbps; the variable part is off.
    EXPECT_TRUE(dialog->RadioButtonConstant->Checked());
    EXPECT_EQ(dialog->ComboBoxConstant->Text(), "192 kbps");
    EXPECT_TRUE(dialog->ComboBoxConstant->Enabled());
    EXPECT_FALSE(dialog->ComboBoxMin->Enabled());
    EXPECT_FALSE(dialog->RadioButtonQuality->Enabled());
    EXPECT_TRUE(dialog->CheckBoxChecksum->Enabled());
    EXPECT_TRUE(dialog->ComboBoxMode->Enabled());
    struct TState {
        bool Variable, Quality;
        bool Constant, Limits, Slider, Average;
    };
    const TState states[] = {{true, true, false, true, true, false},
                             {true, false, false, true, false, true},
                             {false, false, true, false, false, false}};
    for (const TState& s : states) {
        (s.Variable ? dialog->RadioButtonVariable : dialog->RadioButtonConstant)->SetChecked(true);
        (s.Quality ? dialog->RadioButtonQuality : dialog->RadioButtonSetAverage)->SetChecked(true);
        dialog->RadioButtonConstantClick(nullptr);
        EXPECT_EQ(dialog->ComboBoxConstant->Enabled(), s.Constant);
        EXPECT_EQ(dialog->ComboBoxMax->Enabled(), s.Limits);
        EXPECT_EQ(dialog->CheckBoxWriteXING->Enabled(), s.Limits);
        EXPECT_EQ(dialog->ImageSliderQuality->Enabled(), s.Slider);
        EXPECT_EQ(dialog->LabelLow->Enabled(), s.Slider);
        EXPECT_EQ(dialog->ComboBoxSetAverage->Enabled(), s.Average);
    }
    // A minimum of 256 kbps lifts the maximum to 320; a maximum of 40 lowers the minimum to 32.
    dialog->ComboBoxMin->SetItemIndex(12);
    dialog->ComboBoxMinChange(nullptr);
    EXPECT_EQ(dialog->ComboBoxMax->Text(), "320 kbps");
    dialog->ComboBoxMax->SetItemIndex(0);
    dialog->ComboBoxMaxChange(nullptr);
    EXPECT_EQ(dialog->ComboBoxMin->Text(), "32 kbps");
    // The quality slider's right end is level 0.
    dialog->RadioButtonVariable->SetChecked(true);
    dialog->RadioButtonQuality->SetChecked(true);
    dialog->ImageSliderQuality->SetValue(9);
    EXPECT_EQ(dialog->LabelQuality->Caption(), "0");
    dialog->StoreParams();
    EXPECT_EQ(Vars.OutputMP3QualityLevelValue, 0);
    EXPECT_FALSE(Vars.OutputMP3CBR);
    EXPECT_TRUE(Vars.OutputMP3QualityLevel);
    EXPECT_EQ(Vars.OutputMP3VBRBitRateMin, 0);
    EXPECT_EQ(Vars.OutputMP3VBRBitRateMax, 0);
    dialog->Free();
}

TEST_F(FormatDialogsTest, OggSettingsShowTheQualityAndEnableTheirParts) {
    auto* dialog = Show(TCustomForm::New<TOGGSettingsSpecifyForm>(form, Vars));
    EXPECT_EQ(dialog->LabelQuality->Caption(), "60%");
    EXPECT_TRUE(dialog->RadioButtonVariable->Checked());
    EXPECT_FALSE(dialog->ComboBoxSetAverage->Enabled());
    EXPECT_TRUE(dialog->ImageSliderQuality->Enabled());
    dialog->RadioButtonAverage->SetChecked(true);
    EXPECT_TRUE(dialog->ComboBoxSetAverage->Enabled());
    EXPECT_FALSE(dialog->LabelHigh->Enabled());
    dialog->ImageSliderQuality->SetValue(1);
    EXPECT_EQ(dialog->LabelQuality->Caption(), "1%");
    dialog->RadioButtonMono->SetChecked(true);
    dialog->ComboBoxSetAverage->SetItemIndex(6);
    dialog->StoreParams();
    EXPECT_TRUE(Vars.OutputOGGABR);
    EXPECT_EQ(Vars.OutputOGGQualityValue, 1);
    EXPECT_EQ(Vars.OutputOGGMode, 1);
    EXPECT_EQ(Vars.OutputOGGABRBitRate, 6);
    dialog->Free();
}

TEST_F(FormatDialogsTest, PicturesOfEveryDialog) {
    GdiSetTestFontEverywhere(false);
    Vars.OutputMP3Type = 1, Vars.OutputMP3CBR = false, Vars.OutputMP3Checksum = true;
    for (int code : {1, 2, 6, 11}) {
        TFormatPresetForm* dialog = Show(MakeFormatPresetForm(form, code, Vars));
        Picture(dialog, dialog->Name());
        dialog->Free();
        Pump();
    }
    TCustomForm* specify = Show(TCustomForm::New<TWaveFormatSpecifyForm>(form, Vars));
    Picture(specify, "WaveFormatSpecifyForm");
    specify->Free();
    auto* mp3 = Show(TCustomForm::New<TMp3SettingsSpecifyForm>(form, Vars));
    Picture(mp3, "Mp3SettingsSpecifyForm-variable");
    mp3->RadioButtonConstant->SetChecked(true);
    Pump();
    Picture(mp3, "Mp3SettingsSpecifyForm-constant");
    mp3->Free();
    specify = Show(TCustomForm::New<TOGGSettingsSpecifyForm>(form, Vars));
    Picture(specify, "OGGSettingsSpecifyForm");
    specify->Free();
    auto* rates = TCustomForm::New<TConvertSampleRateForm>(form);
    rates->SetLeft(20), rates->SetTop(20), rates->Show();
    Pump();
    Picture(rates, "ConvertSampleRateForm");
    rates->Free();
}

// A drop-down list longer than its rows shows its scroll bar, and scrolls down to the last rates.
TEST_F(FormatDialogsTest, TheBitRateListShowsItsScrollBarAndReachesTheLastRates) {
    auto* mp3 = Show(TCustomForm::New<TMp3SettingsSpecifyForm>(form, Vars));
    mp3->RadioButtonConstant->SetChecked(true);
    mp3->ComboBoxConstant->SetItemIndex(0);
    Pump();
    mp3->ComboBoxConstant->SetDroppedDown(true);
    Pump();
    TCustomListBox* list = mp3->ComboBoxConstant->DropDownList();
    ASSERT_NE(list, nullptr);
    ASSERT_NE(list->ScrollBar(), nullptr);
    EXPECT_TRUE(list->ScrollBar()->HandleAllocated() && IsWindowVisible(list->ScrollBar()->Handle()));
    const std::string dir = stdctrls_test::TestOutDir() + "/formats";
    std::filesystem::create_directories(dir);
    EXPECT_TRUE(olva::win::SaveScreenPng(dir + "/mp3-bit-rate-list-open.png"));
    list->ScrollBar()->SetPosition(list->ScrollBar()->Max());
    Pump();
    EXPECT_EQ(list->TopIndex() + 8, mp3->ComboBoxConstant->Items()->Count()); // 320 kbps in view
    mp3->ComboBoxConstant->SetDroppedDown(false);
    mp3->Free();
}

} // namespace format_dialogs_test
