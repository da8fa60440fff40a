// The effect dialogs by their models: named controls, ranges, presets, loading and storing, the edits
// kept in step with the sliders, the signed-edit key filter, OK checks, help and the preview states.
#include "EffectDialogCatalog.h"
#include "EffectTestSupport.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileNames.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/StrConvert.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Bevel.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/Timer.h"
#include "platform/win/Screen.h"
#include "platform/win/WinKeys.h"
#include "source/GlobalVars.h"
#include "source/SettingsFile.h"
#include "source/controls/ImageSlider.h"
#include "source/effects/EffectParameters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <utility>

namespace effect_dialog_test {

using effect_dialog_catalog::AllDialogs;
using effect_dialog_catalog::TDialogEntry;
using effect_test::EffectDialogTest;
using effect_test::EffectTest;
using effect_test::TTestDialogHost;

class EveryDialog : public EffectDialogTest, public testing::WithParamInterface<TDialogEntry> {
protected:
    TEffectForm* Make() {
        Dialog = GetParam().Make(form, &Host);
        return Dialog;
    }
};

TEST_P(EveryDialog, ControlsCarryTheNamesRangesAndLengthsOfTheModel) {
    TEffectForm* d = Make();
    const TEffectDialogModel& m = d->Model();
    EXPECT_EQ(d->Caption(), m.Caption);
    EXPECT_EQ(d->BorderStyle(), bsSingle);
    EXPECT_EQ(d->BorderIcons(), TBorderIcons{biSystemMenu});
    EXPECT_EQ(d->Font()->Name(), "Tahoma");
    // Dialogs without presets have no preset controls.
    EXPECT_EQ(m.Presets.empty(), d->ComboBoxPreset == nullptr);
    EXPECT_EQ(m.Presets.empty(), d->LabelPreset == nullptr);
    for (const auto& [name, control] :
         std::vector<std::pair<std::string, TComponent*>>{{"ButtonOK", d->ButtonOK},
                                                          {"ButtonCancel", d->ButtonCancel},
                                                          {"ButtonHelp", d->ButtonHelp},
                                                          {"Bevel", d->Bevel}}) {
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(d->FindComponent(name), control) << name;
    }
    EXPECT_EQ(d->ButtonOK->Caption(), "&OK");
    EXPECT_TRUE(d->ButtonOK->Default());
    EXPECT_EQ(d->ButtonCancel->Caption(), "&Cancel");
    EXPECT_EQ(d->ButtonCancel->ModalResult(), mrCancel);
    EXPECT_EQ(d->ButtonHelp->Caption(), "&Help");
    EXPECT_EQ(m.HasPreview(), d->ButtonPreview != nullptr);
    EXPECT_EQ(m.HasPreview(), d->TimerMonitor != nullptr);
    if (m.HasPreview()) {
        EXPECT_EQ(d->FindComponent("ButtonPreview"), d->ButtonPreview);
        EXPECT_EQ(d->FindComponent("TimerMonitor"), d->TimerMonitor);
        EXPECT_EQ(d->ButtonPreview->Caption(), "&Preview");
        EXPECT_EQ(d->TimerMonitor->Interval(), 50u);
        EXPECT_FALSE(d->TimerMonitor->Enabled());
    }
    EXPECT_EQ(d->ButtonOK->ModalResult(), m.OkForm == TOkForm::CheckFirst ? mrNone : mrOk);
    if (!m.Presets.empty()) {
        EXPECT_EQ(d->FindComponent("LabelPreset"), d->LabelPreset);
        EXPECT_EQ(d->FindComponent("ComboBoxPreset"), d->ComboBoxPreset);
        EXPECT_EQ(d->LabelPreset->Caption(), "&Presets:");
        ASSERT_EQ(d->ComboBoxPreset->Items()->Count(), static_cast<int>(m.Presets.size()) + 1);
        EXPECT_EQ(d->ComboBoxPreset->Items()->Strings(0), "Select Preset");
        for (std::size_t p = 0; p < m.Presets.size(); ++p)
            EXPECT_EQ(d->ComboBoxPreset->Items()->Strings(static_cast<int>(p) + 1), m.Presets[p].Caption);
        EXPECT_EQ(d->ComboBoxPreset->ItemIndex(), 0);
    }
    for (std::size_t k = 0; k < m.ScaleMarks.size(); ++k) {
        EXPECT_EQ(d->FindComponent(m.ScaleMarks[k].Name), d->ScaleMark(static_cast<int>(k)));
        EXPECT_EQ(d->ScaleMark(static_cast<int>(k))->Caption(), m.ScaleMarks[k].Caption);
    }

    for (std::size_t i = 0; i < m.Parameters.size(); ++i) {
        const TEffectParameter& p = m.Parameters[i];
        const int n = static_cast<int>(i);
        const std::string label = p.LabelName.empty() ? "Label" + p.Name : p.LabelName;
        EXPECT_EQ(d->FindComponent(label), d->ParameterLabel(n)) << p.Name;
        EXPECT_EQ(d->ParameterLabel(n)->Caption(), p.Caption);
        if (p.Kind == TParameterKind::Band) {
            // An upright slider named after the band, no edit.
            EXPECT_EQ(d->ParameterEdit(n), nullptr);
            ASSERT_NE(d->ParameterSlider(n), nullptr) << p.Name;
            EXPECT_EQ(d->FindComponent(p.Name), d->ParameterSlider(n));
            EXPECT_EQ(d->ParameterSlider(n)->Orientation(), soVertical);
            EXPECT_EQ(d->ParameterSlider(n)->MinValue(), p.MinValue);
            EXPECT_EQ(d->ParameterSlider(n)->MaxValue(), p.MaxValue);
            EXPECT_EQ(d->ParameterSlider(n)->Increment(), 1);
            EXPECT_TRUE(d->ParameterSlider(n)->Options().Contains(soSmooth));
            continue;
        }
        EXPECT_EQ(d->FindComponent("Edit" + p.Name), d->ParameterEdit(n)) << p.Name;
        EXPECT_EQ(d->ParameterLabel(n)->FocusControl(), d->ParameterEdit(n));
        EXPECT_EQ(d->ParameterEdit(n)->MaxLength(), p.EditLength) << p.Name;
        if (p.Kind == TParameterKind::PlainEdit) {
            EXPECT_EQ(d->ParameterSlider(n), nullptr);
            continue;
        }
        TImageSlider* slider = d->ParameterSlider(n);
        ASSERT_NE(slider, nullptr) << p.Name;
        EXPECT_EQ(d->FindComponent("ImageSlider" + p.Name), slider);
        EXPECT_EQ(slider->MinValue(), p.MinValue) << p.Name;
        EXPECT_EQ(slider->MaxValue(), p.MaxValue) << p.Name;
        EXPECT_EQ(slider->Increment(), 1);
        EXPECT_TRUE(slider->Options().Contains(soSmooth));
        EXPECT_EQ(d->FindComponent(label + "Min"), d->ParameterMinLabel(n));
        EXPECT_EQ(d->FindComponent(label + "Max"), d->ParameterMaxLabel(n));
        EXPECT_EQ(d->ParameterMinLabel(n)->Caption(), p.MinText);
        EXPECT_EQ(d->ParameterMaxLabel(n)->Caption(), p.MaxText);
    }
}

TEST_P(EveryDialog, PresetsFillTheControlsAndSelectPresetChangesNothing) {
    TEffectForm* d = Make();
    const TEffectDialogModel& m = d->Model();
    if (m.Presets.empty()) return;
    const auto shown = [&](int i) {
        return d->ParameterSlider(i) != nullptr ? d->ParameterSlider(i)->Value()
                                                : StrToInt(d->ParameterEdit(i)->Text());
    };
    for (std::size_t p = 0; p < m.Presets.size(); ++p) {
        ASSERT_EQ(m.Presets[p].Values.size(), m.Parameters.size()) << m.Presets[p].Caption;
        d->ComboBoxPreset->SetItemIndex(static_cast<int>(p) + 1);
        d->ComboBoxPresetChange(d->ComboBoxPreset);
        for (std::size_t i = 0; i < m.Parameters.size(); ++i) {
            EXPECT_EQ(shown(static_cast<int>(i)), m.Presets[p].Values[i]) << m.Presets[p].Caption << " " << i;
            if (d->ParameterEdit(static_cast<int>(i)) != nullptr)
                EXPECT_EQ(d->ParameterEdit(static_cast<int>(i))->Text(), IntToStr(m.Presets[p].Values[i]));
        }
    }
    d->ComboBoxPreset->SetItemIndex(0);
    d->ComboBoxPresetChange(d->ComboBoxPreset);
    for (std::size_t i = 0; i < m.Parameters.size(); ++i)
        EXPECT_EQ(shown(static_cast<int>(i)), m.Presets.back().Values[i]);
    EXPECT_EQ(d->ComboBoxPreset->ItemIndex(), 0);
}

TEST_P(EveryDialog, SlidersClampStoredValuesAndStoreWritesTheIdentifierWithTheFields) {
    TEffectForm* d = Make();
    const TEffectDialogModel& m = d->Model();
    TGlobalVars& vars = GlobalVars();
    for (bool below : {true, false}) {
        for (const TEffectParameter& p : m.Parameters)
            if (p.Kind != TParameterKind::PlainEdit) vars.*p.Field = below ? p.MinValue - 7 : p.MaxValue + 7;
        vars.PreviewOperationTypes = -1;
        d->LoadParams();
        d->StoreParams();
        EXPECT_EQ(vars.PreviewOperationTypes, m.HasPreview() ? m.Identifier : -1);
        for (const TEffectParameter& p : m.Parameters)
            if (p.Kind != TParameterKind::PlainEdit)
                EXPECT_EQ(vars.*p.Field, below ? p.MinValue : p.MaxValue) << p.Name;
    }
}

// Tab goes through the rows as they stand (slider, then edit), then the presets and the buttons from left
// to right; the dialog opens in its first edit (its first band, or OK where it has no parameter).
TEST_P(EveryDialog, TabVisitsTheControlsInTheirVisibleOrder) {
    TEffectForm* d = Make();
    const TEffectDialogModel& m = d->Model();
    std::vector<TWinControl*> order;
    for (std::size_t i = 0; i < m.Parameters.size(); ++i) {
        if (d->ParameterSlider(static_cast<int>(i)) != nullptr)
            order.push_back(d->ParameterSlider(static_cast<int>(i)));
        if (d->ParameterEdit(static_cast<int>(i)) != nullptr)
            order.push_back(d->ParameterEdit(static_cast<int>(i)));
    }
    if (d->ComboBoxPreset != nullptr) order.push_back(d->ComboBoxPreset);
    if (d->ButtonPreview != nullptr) order.push_back(d->ButtonPreview);
    for (TWinControl* button : {d->ButtonOK, d->ButtonCancel, d->ButtonHelp})
        order.push_back(button);
    d->LoadParams();
    d->Show();
    Pump();
    TWinControl* first = m.Parameters.empty()             ? static_cast<TWinControl*>(d->ButtonOK)
                         : d->ParameterEdit(0) != nullptr ? static_cast<TWinControl*>(d->ParameterEdit(0))
                                                          : static_cast<TWinControl*>(d->ParameterSlider(0));
    const auto start = std::find(order.begin(), order.end(), first);
    ASSERT_NE(start, order.end());
    EXPECT_TRUE(first->Focused()) << first->Name();
    std::rotate(order.begin(), start, order.end());
    for (std::size_t step = 1; step <= order.size(); ++step) {
        Key(VK_TAB);
        TWinControl* expected = order[step % order.size()];
        EXPECT_TRUE(expected->Focused()) << "step " << step << ": expected " << expected->Name();
    }
}

INSTANTIATE_TEST_SUITE_P(Dialogs, EveryDialog, testing::ValuesIn(AllDialogs()),
                         [](const auto& info) { return info.param.Name; });

// The controls other parts of the program fill and read by name are the dialogs' public members.
TEST_F(EffectDialogTest, NamedMembersAreTheNamedControls) {
    const auto check = [](TEffectForm* d, std::vector<std::pair<std::string, TComponent*>> members) {
        for (const auto& [name, member] : members) {
            EXPECT_NE(member, nullptr) << d->Caption() << " " << name;
            EXPECT_EQ(d->FindComponent(name), member) << d->Caption() << " " << name;
        }
        d->Free();
    };
    auto* echo = TCustomForm::New<TEchoForm>(form, nullptr);
    check(echo, {{"ImageSliderDelayTime", echo->ImageSliderDelayTime},
                 {"ImageSliderMixDepth", echo->ImageSliderMixDepth},
                 {"ImageSliderFeedbackGain", echo->ImageSliderFeedbackGain},
                 {"EditDelayTime", echo->EditDelayTime},
                 {"LabelFeedbackGainMax", echo->LabelFeedbackGainMax}});
    auto* phaser = TCustomForm::New<TPhaserForm>(form, nullptr);
    check(phaser, {{"ImageSliderDelayTime", phaser->ImageSliderDelayTime},
                   {"ImageSliderMixDepth", phaser->ImageSliderMixDepth},
                   {"ImageSliderFeedbackGain", phaser->ImageSliderFeedbackGain}});
    auto* reverb = TCustomForm::New<TReverbForm>(form, nullptr);
    check(reverb, {{"ImageSliderDelayTime", reverb->ImageSliderDelayTime},
                   {"ImageSliderMixDepth", reverb->ImageSliderMixDepth},
                   {"ImageSliderFeedbackGain", reverb->ImageSliderFeedbackGain},
                   {"ImageSliderReverbGain", reverb->ImageSliderReverbGain},
                   {"ImageSliderReverbFrequency", reverb->ImageSliderReverbFrequency},
                   {"ImageSliderTaps", reverb->ImageSliderTaps},
                   {"EditTaps", reverb->EditTaps}});
    for (TSweptDelayForm* swept :
         {static_cast<TSweptDelayForm*>(TCustomForm::New<TFlangerForm>(form, nullptr)),
          static_cast<TSweptDelayForm*>(TCustomForm::New<TChorusForm>(form, nullptr))})
        check(swept, {{"ImageSliderDelayRate", swept->ImageSliderDelayRate},
                      {"ImageSliderMixDepth", swept->ImageSliderMixDepth},
                      {"ImageSliderFeedbackGain", swept->ImageSliderFeedbackGain},
                      {"ImageSliderSweepDepth", swept->ImageSliderSweepDepth},
                      {"ImageSliderSweepRate", swept->ImageSliderSweepRate},
                      {"ImageSliderSweepPhase", swept->ImageSliderSweepPhase}});
    auto* vibrato = TCustomForm::New<TVibratoForm>(form, nullptr);
    check(vibrato, {{"ImageSliderSweepDepth", vibrato->ImageSliderSweepDepth},
                    {"ImageSliderSweepRate", vibrato->ImageSliderSweepRate},
                    {"ImageSliderSweepPhase", vibrato->ImageSliderSweepPhase}});
    auto* amplify = TCustomForm::New<TAmplifyForm>(form, nullptr);
    check(amplify, {{"EditAmplify", amplify->EditAmplify}, {"LabelAmplify", amplify->LabelAmplify}});
    auto* normalize = TCustomForm::New<TNormalizeForm>(form, nullptr);
    check(normalize, {{"EditNormalizePeak", normalize->EditNormalizePeak}});
    auto* fade = TCustomForm::New<TCossFadeForm>(form, nullptr);
    check(fade, {{"ImageSliderInitial", fade->ImageSliderInitial},
                 {"ImageSliderFinal", fade->ImageSliderFinal},
                 {"LabelMixDepth", fade->LabelMixDepth},
                 {"EditInitial", fade->EditInitial}});
    auto* compressor = TCustomForm::New<TDynamicRangeCompressorForm>(form, nullptr);
    check(compressor, {{"ImageSliderThreshold", compressor->ImageSliderThreshold},
                       {"ImageSliderRate", compressor->ImageSliderRate},
                       {"EditThreshold", compressor->EditThreshold}});
    auto* noise = TCustomForm::New<TNoiseReductionForm>(form, nullptr);
    check(noise, {{"ImageSliderThreshold", noise->ImageSliderThreshold},
                  {"ImageSliderRate", noise->ImageSliderRate},
                  {"ImageSliderRMSTime", noise->ImageSliderRMSTime}});
    auto* mix = TCustomForm::New<TMixStereoForm>(form, nullptr);
    check(mix, {{"ImageSliderNewLeftChannelLeft", mix->ImageSliderNewLeftChannelLeft},
                {"ImageSliderNewLeftChannelRight", mix->ImageSliderNewLeftChannelRight},
                {"ImageSliderNewRightChannelLeft", mix->ImageSliderNewRightChannelLeft},
                {"ImageSliderNewRightChannelRight", mix->ImageSliderNewRightChannelRight}});
}

// ---- Loading, showing and storing
// --------------------------------------------------------------------------

TEST_F(EffectDialogTest, ShowingPreparesTheEditsAndClearsThePreviewFlag) {
    GlobalVars().DefCompressorThreshold = -12;
    GlobalVars().DefCompressorRate = 70;
    Host.PreviewingFlag = true;
    auto* d = Open<TDynamicRangeCompressorForm>();
    EXPECT_FALSE(Host.PreviewingFlag);
    EXPECT_FALSE(d->TimerMonitor->Enabled());
    EXPECT_EQ(d->EditThreshold->Text(), "-12");
    EXPECT_EQ(d->EditRate->Text(), "70");
    // The signed threshold filters its keys itself; the rate takes digits only.
    EXPECT_FALSE(d->EditThreshold->NumbersOnly());
    EXPECT_TRUE(d->EditRate->NumbersOnly());
}

TEST_F(EffectDialogTest, LongValuesShowWholeInShortEdits) {
    GlobalVars().DefReverbFrequency = 11025;
    GlobalVars().DefNoiseReductionRMSTime = 1000;
    auto* reverb = Open<TReverbForm>();
    EXPECT_EQ(reverb->EditReverbFrequency->Text(), "11025");
    EXPECT_EQ(reverb->ImageSliderReverbFrequency->Value(), 11025);
    reverb->ImageSliderReverbFrequency->SetValue(22500);
    EXPECT_EQ(reverb->EditReverbFrequency->Text(), "22500");
    reverb->Free();
    auto* noise = Open<TNoiseReductionForm>();
    EXPECT_EQ(noise->EditRMSTime->Text(), "1000");
    noise->StoreParams();
    EXPECT_EQ(GlobalVars().DefNoiseReductionRMSTime, 1000);
}

TEST_F(EffectDialogTest, StoringReadsEveryEditBeforeWritingAnything) {
    GlobalVars().PreviewOperationTypes = 5;
    GlobalVars().DefAmplify = 25;
    auto* d = Open<TAmplifyForm>();
    d->EditAmplify->SetText("");
    try {
        d->StoreParams();
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'' is not a valid integer value");
    }
    EXPECT_EQ(GlobalVars().PreviewOperationTypes, 5);
    EXPECT_EQ(GlobalVars().DefAmplify, 25);
    d->EditAmplify->SetText("999");
    d->StoreParams();
    EXPECT_EQ(GlobalVars().PreviewOperationTypes, eiAmplify);
    EXPECT_EQ(GlobalVars().DefAmplify, 999);
}

TEST_F(EffectDialogTest, NormalizeStoresNoIdentifier) {
    GlobalVars().PreviewOperationTypes = 9;
    auto* d = Open<TNormalizeForm>();
    d->EditNormalizePeak->SetText("75");
    d->StoreParams();
    EXPECT_EQ(GlobalVars().PreviewOperationTypes, 9);
    EXPECT_EQ(GlobalVars().DefNormalize, 75);
}

// The vibrato's fields live only while the program runs; the echo's go to the settings file.
TEST_F(EffectDialogTest, VibratoStartsAgainFromItsDefaultsAfterARestart) {
    const std::string path = (std::filesystem::temp_directory_path() / "effects-restart.dat").string();
    auto* vibrato = TCustomForm::New<TVibratoForm>(form, nullptr);
    vibrato->ImageSliderSweepDepth->SetValue(70);
    vibrato->ImageSliderSweepRate->SetValue(20);
    vibrato->ImageSliderSweepPhase->SetValue(90);
    vibrato->StoreParams();
    vibrato->Free();
    auto* echo = TCustomForm::New<TEchoForm>(form, nullptr);
    echo->ImageSliderDelayTime->SetValue(500);
    echo->StoreParams();
    echo->Free();
    SaveSettings(GlobalVars(), path);
    SetInitialValues(GlobalVars(), {"/d/", "/t/", "/m"});
    LoadSettings(GlobalVars(), path);
    vibrato = TCustomForm::New<TVibratoForm>(form, nullptr);
    vibrato->LoadParams();
    EXPECT_EQ(vibrato->ImageSliderSweepDepth->Value(), 40);
    EXPECT_EQ(vibrato->ImageSliderSweepRate->Value(), 15);
    EXPECT_EQ(vibrato->ImageSliderSweepPhase->Value(), 95);
    vibrato->Free();
    echo = TCustomForm::New<TEchoForm>(form, nullptr);
    echo->LoadParams();
    EXPECT_EQ(echo->ImageSliderDelayTime->Value(), 500);
    echo->Free();
    std::filesystem::remove(path);
}

TEST_F(EffectDialogTest, DisablingLeavesEditsEnabledButReadOnly) {
    auto* d = Open<TEchoForm>();
    d->SetControlsEnabled(false);
    for (TControl* c :
         {static_cast<TControl*>(d->LabelDelayTime), static_cast<TControl*>(d->ImageSliderDelayTime),
          static_cast<TControl*>(d->LabelDelayTimeMin), static_cast<TControl*>(d->LabelDelayTimeMax),
          static_cast<TControl*>(d->LabelPreset), static_cast<TControl*>(d->ComboBoxPreset),
          static_cast<TControl*>(d->ButtonOK), static_cast<TControl*>(d->ButtonCancel),
          static_cast<TControl*>(d->ButtonHelp), static_cast<TControl*>(d->ButtonPreview)})
        EXPECT_FALSE(c->Enabled()) << c->Name();
    EXPECT_TRUE(d->EditDelayTime->Enabled());
    EXPECT_TRUE(d->EditDelayTime->ReadOnly());
    d->SetControlsEnabled(true);
    EXPECT_TRUE(d->ButtonPreview->Enabled());
    EXPECT_FALSE(d->EditDelayTime->ReadOnly());
}

// ---- Edits and sliders under the user's hands ------------------------------------------------------------

TEST_F(EffectDialogTest, AnEditOutOfRangeShowsRedAndIsClampedWhenLeft) {
    auto* d = Open<TEchoForm>();
    d->EditDelayTime->SetFocus();
    d->EditDelayTime->SelectAll();
    Type("6000");
    EXPECT_EQ(d->EditDelayTime->Font()->Color(), clRed);
    EXPECT_EQ(d->ImageSliderDelayTime->Value(), 600); // "600" was the last number in range
    Key(VK_TAB);
    EXPECT_EQ(d->EditDelayTime->Text(), "5000");
    EXPECT_EQ(d->ImageSliderDelayTime->Value(), 5000);
    EXPECT_NE(d->EditDelayTime->Font()->Color(), clRed);
    // An emptied edit is no number: red, then the minimum.
    d->EditMixDepth->SetFocus();
    d->EditMixDepth->SelectAll();
    Key(VK_BACK);
    EXPECT_EQ(d->EditMixDepth->Font()->Color(), clRed);
    EXPECT_EQ(d->ImageSliderMixDepth->Value(), 70);
    Key(VK_TAB);
    EXPECT_EQ(d->EditMixDepth->Text(), "0");
    EXPECT_EQ(d->ImageSliderMixDepth->Value(), 0);
    // Unsigned edits take digits only.
    d->EditFeedbackGain->SetFocus();
    d->EditFeedbackGain->SelectAll();
    Type("-5");
    EXPECT_EQ(d->EditFeedbackGain->Text(), "5");
}

// A preset whose value the slider already holds still rewrites an edit left red.
TEST_F(EffectDialogTest, APresetRewritesAnEditLeftRed) {
    auto* d = Open<TEchoForm>();
    d->EditMixDepth->SetFocus();
    d->EditMixDepth->SelectAll();
    Type("700");
    EXPECT_EQ(d->EditMixDepth->Font()->Color(), clRed);
    EXPECT_EQ(d->ImageSliderMixDepth->Value(), 70);
    d->ComboBoxPreset->SetItemIndex(1); // "Echo": 200, 70, 40
    d->ComboBoxPresetChange(d->ComboBoxPreset);
    EXPECT_EQ(d->EditMixDepth->Text(), "70");
    EXPECT_NE(d->EditMixDepth->Font()->Color(), clRed);
}

TEST_F(EffectDialogTest, MovingASliderWritesItsEdit) {
    auto* d = Open<TEchoForm>();
    d->ImageSliderMixDepth->SetFocus();
    Key(VK_RIGHT);
    EXPECT_EQ(d->EditMixDepth->Text(), "71");
    Key(VK_HOME);
    EXPECT_EQ(d->EditMixDepth->Text(), "0");
}

TEST_F(EffectDialogTest, SignedEditsFilterTheirKeys) {
    auto* d = Open<TDynamicRangeCompressorForm>();
    TEdit* edit = d->EditThreshold;
    edit->SetFocus();
    edit->SelectAll();
    Type("-45"); // the minus replaces the whole text
    EXPECT_EQ(edit->Text(), "-45");
    EXPECT_EQ(edit->Font()->Color(), clRed);
    EXPECT_EQ(d->ImageSliderThreshold->Value(), -4);
    Key(VK_TAB);
    EXPECT_EQ(edit->Text(), "-40");
    EXPECT_EQ(d->ImageSliderThreshold->Value(), -40);

    edit->SetFocus();
    edit->SetSelStart(3);
    edit->SetSelLength(0);
    const int beeps = olva::win::BeepCount();
    Type("-"); // after a digit
    Type("x"); // no digit at all
    EXPECT_EQ(edit->Text(), "-40");
    EXPECT_EQ(olva::win::BeepCount(), beeps + 2);
    edit->SetSelStart(0);
    Type("-"); // a second minus, even at the start
    EXPECT_EQ(edit->Text(), "-40");
    EXPECT_EQ(olva::win::BeepCount(), beeps + 3);

    edit->SelectAll();
    Type("6");
    edit->SetSelStart(0);
    Type("-"); // at the start of a text without a minus
    EXPECT_EQ(edit->Text(), "-6");
    EXPECT_EQ(d->ImageSliderThreshold->Value(), -6);
    edit->SelectAll();
    Type("-0"); // minus zero is zero, and the slider writes it back as such
    EXPECT_NE(edit->Font()->Color(), clRed);
    EXPECT_EQ(d->ImageSliderThreshold->Value(), 0);
    EXPECT_EQ(edit->Text(), "0");
    Type("."); // passes the filter, but makes no number
    EXPECT_EQ(edit->Text(), "0.");
    EXPECT_EQ(edit->Font()->Color(), clRed);
    Key(VK_TAB);
    EXPECT_EQ(edit->Text(), "-40");
}

// ---- OK --------------------------------------------------------------------------------------------------

TEST_F(EffectDialogTest, EnterInAnEditClampsItBeforeTheDialogCloses) {
    int result = 0;
    auto* d = TCustomForm::New<TCossFadeForm>(form, &Host);
    Dialog = d;
    d->LoadParams();
    WhenDialogUp([&](TEffectForm*) {
        d->EditFinal->SetFocus();
        d->EditFinal->SelectAll();
        Type("150");
        Key(VK_RETURN);
    });
    result = d->ShowModal();
    EXPECT_EQ(result, mrOk);
    EXPECT_EQ(d->EditFinal->Text(), "100");
    EXPECT_EQ(d->ImageSliderFinal->Value(), 100);
}

TEST_F(EffectDialogTest, MixStereoClosesAtOnceWithTheSlidersLastValidValue) {
    auto* d = TCustomForm::New<TMixStereoForm>(form, &Host);
    Dialog = d;
    d->LoadParams();
    WhenDialogUp([&](TEffectForm*) {
        d->EditNewLeftChannelLeft->SetFocus();
        d->EditNewLeftChannelLeft->SelectAll();
        Type("150");
        Key(VK_RETURN);
    });
    EXPECT_EQ(d->ShowModal(), mrOk);
    EXPECT_EQ(d->ImageSliderNewLeftChannelLeft->Value(), 15);
}

struct TNormalizeCase {
    std::string Text;
    bool Closes;
};

class NormalizeOk : public EffectDialogTest, public testing::WithParamInterface<TNormalizeCase> {};

TEST_P(NormalizeOk, AcceptsUpTo500) {
    auto* d = TCustomForm::New<TNormalizeForm>(form, &Host);
    Dialog = d;
    d->LoadParams();
    bool stayedOpen = false;
    WhenDialogUp([&](TEffectForm*) {
        d->EditNormalizePeak->SetFocus();
        d->EditNormalizePeak->SelectAll();
        Type(GetParam().Text);
        ClickCentre(d->ButtonOK);
        stayedOpen = d->ModalResult() == mrNone;
        if (stayedOpen) {
            EXPECT_TRUE(d->EditNormalizePeak->Focused());
            ClickCentre(d->ButtonCancel);
        }
    });
    const int result = d->ShowModal();
    EXPECT_EQ(result, GetParam().Closes ? mrOk : mrCancel);
    EXPECT_EQ(stayedOpen, !GetParam().Closes);
    if (GetParam().Closes) {
        EXPECT_EQ(BoxCount(), 0u);
    } else {
        ASSERT_EQ(BoxCount(), 1u);
        EXPECT_TRUE(BoxShowed(0, "Normailze Peak Level must be less than 500%. Please try again."));
        // The text is the program's own, misspelling included.
        EXPECT_FALSE(BoxShowed(0, "Normalize Peak Level must be less than 500%. Please try again."));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, NormalizeOk,
                         testing::Values(TNormalizeCase{"500", true}, TNormalizeCase{"0", true},
                                         TNormalizeCase{"501", false}, TNormalizeCase{"999", false}),
                         [](const auto& info) { return "Peak" + info.param.Text; });

TEST_F(EffectDialogTest, NormalizeWithAnEmptyEditReportsTheConversionAndStaysOpen) {
    auto* d = TCustomForm::New<TNormalizeForm>(form, &Host);
    Dialog = d;
    bool stayedOpen = false;
    WhenDialogUp([&](TEffectForm*) {
        d->EditNormalizePeak->SetText("");
        ClickCentre(d->ButtonOK);
        stayedOpen = d->ModalResult() == mrNone;
        ClickCentre(d->ButtonCancel);
    });
    d->ShowModal();
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(BoxCount(), 1u);
    // The application's error box ends the message with a full stop.
    EXPECT_TRUE(BoxShowed(0, "'' is not a valid integer value."));
}

// ---- Help and preview ------------------------------------------------------------------------------------

TEST_F(EffectDialogTest, HelpOpensTheEffectsPageOfTheHelpFile) {
    auto* d = Open<TPhaserForm>();
    ClickCentre(d->ButtonHelp);
    ASSERT_EQ(Host.HelpAddresses.size(), 1u);
    EXPECT_EQ(Host.HelpAddresses[0], ChangeFileExt(GetProgramFile(), ".chm") + "::/effects.htm");
    EXPECT_EQ(Host.HelpCommands[0], 0u);
}

TEST_F(EffectDialogTest, PreviewStoresStartsAndTheMonitorFollowsTheHost) {
    auto* d = Open<TFlangerForm>();
    d->ImageSliderSweepRate->SetValue(33);
    Host.OnStartPreview = [this] {
        Host.BusyFlag = true;
        Host.PreviewingFlag = true;
    };
    ClickCentre(d->ButtonPreview);
    EXPECT_EQ(Host.Starts, 1);
    EXPECT_EQ(GlobalVars().PreviewOperationTypes, eiFlanger);
    EXPECT_EQ(GlobalVars().DefFlangerSweepRate, 33);
    EXPECT_EQ(d->ButtonPreview->Caption(), "&Stop");
    EXPECT_FALSE(d->ButtonPreview->Enabled());
    EXPECT_TRUE(d->EditSweepRate->ReadOnly());
    EXPECT_TRUE(d->TimerMonitor->Enabled());
    Advance(50); // computing: nothing changes
    EXPECT_FALSE(d->ButtonPreview->Enabled());
    Host.BusyFlag = false;
    Advance(50); // playing: the controls are back, the button still stops
    EXPECT_TRUE(d->ButtonPreview->Enabled());
    EXPECT_FALSE(d->EditSweepRate->ReadOnly());
    EXPECT_EQ(d->ButtonPreview->Caption(), "&Stop");
    EXPECT_TRUE(d->TimerMonitor->Enabled());
    ClickCentre(d->ButtonPreview);
    EXPECT_EQ(Host.Stops, 1);
    EXPECT_EQ(d->ButtonPreview->Caption(), "&Preview");
    Advance(50);
    EXPECT_FALSE(d->TimerMonitor->Enabled());
    // The end of the play clears the flag by itself: the next tick returns to idle.
    ClickCentre(d->ButtonPreview);
    Host.BusyFlag = false;
    Host.PreviewingFlag = false;
    Advance(50);
    EXPECT_EQ(d->ButtonPreview->Caption(), "&Preview");
    EXPECT_FALSE(d->TimerMonitor->Enabled());
}

TEST_F(EffectDialogTest, APreviewThatFailsToStartReturnsToIdleAtTheNextTick) {
    auto* d = Open<TEchoForm>();
    Host.OnStartPreview = [] { throw Exception("The device went away."); };
    ClickCentre(d->ButtonPreview);
    ASSERT_EQ(BoxCount(), 1u);
    EXPECT_TRUE(BoxShowed(0, "The device went away."));
    Advance(50);
    EXPECT_EQ(d->ButtonPreview->Caption(), "&Preview");
    EXPECT_TRUE(d->ButtonPreview->Enabled());
    EXPECT_FALSE(d->EditDelayTime->ReadOnly());
    EXPECT_FALSE(d->TimerMonitor->Enabled());
}

} // namespace effect_dialog_test
