// Pictures of every effect dialog as a user sees it (the desktop's own fonts), with its settings
// loaded, for inspection under build/test-output/effects.
#include "EffectDialogCatalog.h"

#include "audio/views/AudioTransformDisplay2.h"
#include "platform/gdi/GdiText.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/win/Presenter.h"
#include "source/GlobalVars.h"
#include "source/controls/ImageSlider.h"
#include "source/effects/EnvelopeForm.h"
#include "source/effects/EqualizerForm.h"
#include "tests/vcl/StdCtrlsTestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace effect_dialog_screenshot_test {

using stdctrls_test::StdCtrlsTest;

class EffectDialogScreenshotTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        GdiSetTestFontEverywhere(false);
        SetInitialValues(GlobalVars(), {"/d/", "/t/", "/m"});
    }
    // Shows a dialog near the screen's corner with its settings loaded.
    template <class T> T* ShowDialog(T* dialog) {
        dialog->SetLeft(20);
        dialog->SetTop(20);
        dialog->LoadParams();
        dialog->Show();
        Pump();
        return dialog;
    }
};

TEST_F(EffectDialogScreenshotTest, EveryDialogWithItsSettingsLoaded) {
    const std::string dir = stdctrls_test::TestOutDir() + "/effects";
    std::filesystem::create_directories(dir);
    ShowForm();
    for (const auto& entry : effect_dialog_catalog::AllDialogs()) {
        TEffectForm* dialog = ShowDialog(entry.Make(form, nullptr));
        EXPECT_TRUE(olva::win::SaveWindowPng(dialog->Handle(), dir + "/" + entry.Name + ".png"))
            << entry.Name;
        dialog->Free();
        Pump();
    }
}

// The states a user meets: a focused slider, a value out of range, and the controls held while the
// preview's effect is computed.
TEST_F(EffectDialogScreenshotTest, TheStatesOfADialog) {
    const std::string dir = stdctrls_test::TestOutDir() + "/effects";
    std::filesystem::create_directories(dir);
    ShowForm();
    auto* echo = TCustomForm::New<TEchoForm>(form, nullptr);
    echo->SetLeft(20);
    echo->SetTop(20);
    echo->LoadParams();
    echo->Show();
    Pump();
    echo->ImageSliderMixDepth->SetFocus();
    echo->EditDelayTime->SetText("6000");
    echo->ComboBoxPreset->SetItemIndex(6);
    Pump();
    EXPECT_TRUE(olva::win::SaveWindowPng(echo->Handle(), dir + "/Echo-focus-and-red-edit.png"));
    echo->SetControlsEnabled(false);
    echo->ButtonPreview->SetCaption("&Stop");
    Pump();
    EXPECT_TRUE(olva::win::SaveWindowPng(echo->Handle(), dir + "/Echo-computing-preview.png"));
    echo->Free();
}

// The equalizer with a band curve, and the envelope over a selection with a curve drawn.
TEST_F(EffectDialogScreenshotTest, TheEqualizerAndTheEnvelopeInUse) {
    const std::string dir = stdctrls_test::TestOutDir() + "/effects";
    std::filesystem::create_directories(dir);
    ShowForm();
    auto* equalizer = ShowDialog(TCustomForm::New<TEqualizerForm>(form, nullptr));
    equalizer->ComboBoxPreset->SetItemIndex(4); // "Classic V"
    equalizer->ComboBoxPresetChange(equalizer->ComboBoxPreset);
    equalizer->Band7->SetFocus();
    Pump();
    EXPECT_TRUE(olva::win::SaveWindowPng(equalizer->Handle(), dir + "/Equalizer-classic-v.png"));
    equalizer->Free();

    auto* envelope = TCustomForm::New<TEnvelopeForm>(form, nullptr);
    envelope->SetScaleToSamples(44100, 88200);
    ShowDialog(envelope);
    TAudioTransformDisplay2* display = envelope->TD;
    const RECT plot = display->PlotRect();
    const POINT start = display->PixelOf(display->Line().Points().front());
    MouseDown(display, start.x, start.y);
    MouseMoveTo(display, start.x, plot.bottom - 1);
    MouseUp(display, start.x, plot.bottom - 1);
    const int middle = (plot.left + plot.right) / 2;
    MouseDown(display, middle, plot.top + (plot.bottom - plot.top) / 4);
    MouseUp(display, middle, plot.top + (plot.bottom - plot.top) / 4);
    Pump();
    EXPECT_TRUE(olva::win::SaveWindowPng(envelope->Handle(), dir + "/Envelope-drawn.png"));
    envelope->Free();
}

} // namespace effect_dialog_screenshot_test
