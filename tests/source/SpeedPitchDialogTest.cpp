// The speed and pitch dialogs check their percentage when the edit is left and at OK: a refused value
// is told once for each, the focus goes back to the edit with the text as typed, and the dialog stays
// open; Cancel always cancels.
#include "EffectTestSupport.h"

#include "platform/vcl/Button.h"
#include "platform/vcl/ComboBox.h"
#include "platform/vcl/Edit.h"
#include "platform/win/WinKeys.h"
#include "source/GlobalVars.h"
#include "source/effects/EffectParameters.h"
#include "source/effects/PitchChangeForm.h"
#include "source/effects/SpeedChangeForm.h"

#include <gtest/gtest.h>

namespace speed_pitch_dialog_test {

using effect_test::EffectDialogTest;

const std::string SpeedAbove = "Speed Change Percent must be less than 300. Please try again.";
const std::string SpeedBelow = "Speed Change Percent must be more than 0. Please try again.";
const std::string PitchOut = "Pitch Change Percent must be less than 300 and more than 10. Please try again.";

enum class TPress { EnterInTheEdit, ClickOnOk, TabThenClickOnOk };

struct TCheckCase {
    bool Speed;
    std::string Text;
    TPress Press;
    std::string Message; // empty: accepted
};

std::string CaseName(const testing::TestParamInfo<TCheckCase>& info) {
    static const char* const presses[] = {"Enter", "Click", "TabClick"};
    return std::string(info.param.Speed ? "Speed" : "Pitch") + info.param.Text +
           presses[static_cast<int>(info.param.Press)];
}

class SpeedPitchOk : public EffectDialogTest, public testing::WithParamInterface<TCheckCase> {};

TEST_P(SpeedPitchOk, RefusedValuesAreToldOnceAndKeepTheDialogOpen) {
    const TCheckCase& c = GetParam();
    TEffectForm* d = c.Speed ? static_cast<TEffectForm*>(Prepare<TSpeedChangeForm>())
                             : static_cast<TEffectForm*>(Prepare<TPitchChangeForm>());
    TEdit* edit = d->ParameterEdit(0);
    bool stayedOpen = false;
    WhenDialogUp([&](TEffectForm*) {
        edit->SetFocus();
        edit->SelectAll();
        Type(c.Text);
        if (c.Press == TPress::EnterInTheEdit) Key(VK_RETURN);
        if (c.Press == TPress::TabThenClickOnOk) Key(VK_TAB);
        if (c.Press != TPress::EnterInTheEdit) ClickCentre(d->ButtonOK);
        stayedOpen = d->ModalResult() == mrNone;
        if (stayedOpen) {
            EXPECT_TRUE(edit->Focused());
            EXPECT_EQ(edit->Text(), c.Text);
            ClickCentre(d->ButtonCancel); // tells nothing more
        }
    });
    const int result = d->ShowModal();
    EXPECT_EQ(stayedOpen, !c.Message.empty());
    EXPECT_EQ(result, c.Message.empty() ? mrOk : mrCancel);
    if (c.Message.empty()) {
        EXPECT_EQ(BoxCount(), 0u);
        d->StoreParams();
        EXPECT_EQ(GlobalVars().*(d->Model().Parameters[0].Field), std::stoi(c.Text));
    } else {
        // Leaving the edit by Tab, then OK: two checks, each told once.
        const std::size_t checks = c.Press == TPress::TabThenClickOnOk ? 2 : 1;
        ASSERT_EQ(BoxCount(), checks);
        for (std::size_t i = 0; i < checks; ++i)
            EXPECT_TRUE(BoxShowed(i, c.Message));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SpeedPitchOk,
    testing::Values(TCheckCase{true, "300", TPress::EnterInTheEdit, ""},
                    TCheckCase{true, "1", TPress::ClickOnOk, ""},
                    TCheckCase{true, "301", TPress::EnterInTheEdit, SpeedAbove},
                    TCheckCase{true, "301", TPress::ClickOnOk, SpeedAbove},
                    TCheckCase{true, "999", TPress::TabThenClickOnOk, SpeedAbove},
                    // A speed of 0 would make the sound endless: refused, with a message of its own.
                    TCheckCase{true, "0", TPress::EnterInTheEdit, SpeedBelow},
                    TCheckCase{true, "0", TPress::ClickOnOk, SpeedBelow},
                    TCheckCase{false, "10", TPress::EnterInTheEdit, ""},
                    TCheckCase{false, "300", TPress::ClickOnOk, ""},
                    TCheckCase{false, "9", TPress::EnterInTheEdit, PitchOut},
                    TCheckCase{false, "301", TPress::ClickOnOk, PitchOut},
                    TCheckCase{false, "0", TPress::TabThenClickOnOk, PitchOut}),
    CaseName);

TEST_F(EffectDialogTest, LeavingTheSpeedEditWithARefusedValueBringsTheFocusBack) {
    auto* d = Prepare<TSpeedChangeForm>();
    WhenDialogUp([&](TEffectForm*) {
        EXPECT_EQ(d->EditSpeedAdjust->Text(), "100");
        EXPECT_TRUE(d->EditSpeedAdjust->NumbersOnly());
        d->EditSpeedAdjust->SelectAll();
        Type("500");
        Key(VK_TAB);
        EXPECT_TRUE(d->EditSpeedAdjust->Focused());
        EXPECT_EQ(d->EditSpeedAdjust->Text(), "500");
        // A good value lets the focus go on.
        d->EditSpeedAdjust->SelectAll();
        Type("50");
        Key(VK_TAB);
        EXPECT_FALSE(d->EditSpeedAdjust->Focused());
        ClickCentre(d->ButtonCancel);
    });
    d->ShowModal();
    ASSERT_EQ(BoxCount(), 1u);
    EXPECT_TRUE(BoxShowed(0, SpeedAbove));
}

// Reaching for the preset list to mend a refused value is not refused again: the preset mends it and
// OK takes it (60 % "Helium", which raises the pitch).
TEST_F(EffectDialogTest, APresetMendsARefusedPitchWithoutTheErrorComingBack) {
    auto* d = Prepare<TPitchChangeForm>();
    WhenDialogUp([&](TEffectForm*) {
        d->EditPitchAdjust->SetFocus();
        d->EditPitchAdjust->SelectAll();
        Type("5");
        ClickCentre(d->ComboBoxPreset);
        EXPECT_TRUE(d->ComboBoxPreset->Focused());
        d->ComboBoxPreset->SetDroppedDown(false);
        d->ComboBoxPreset->SetItemIndex(3);
        d->ComboBoxPresetChange(d->ComboBoxPreset);
        EXPECT_EQ(d->EditPitchAdjust->Text(), "60");
        ClickCentre(d->ButtonOK);
    });
    ASSERT_EQ(d->ShowModal(), mrOk);
    EXPECT_EQ(BoxCount(), 0u);
    d->StoreParams();
    EXPECT_EQ(GlobalVars().DefPitchChange, 60);
}

// A refused value never keeps the user from cancelling, by the mouse or by Esc.
TEST_F(EffectDialogTest, CancelClosesWhateverThePitchEditHolds) {
    for (bool escape : {false, true}) {
        auto* d = Prepare<TPitchChangeForm>();
        WhenDialogUp([&](TEffectForm*) {
            d->EditPitchAdjust->SetFocus();
            d->EditPitchAdjust->SelectAll();
            Type("500");
            if (escape)
                Key(VK_ESCAPE);
            else
                ClickCentre(d->ButtonCancel);
        });
        EXPECT_EQ(d->ShowModal(), mrCancel) << escape;
        EXPECT_EQ(BoxCount(), 0u) << escape;
        EXPECT_EQ(GlobalVars().DefPitchChange, 100);
        Close();
    }
}

// An emptied edit is no number: the conversion error is told at each check, on leaving the edit and
// at OK, and the dialog stays open.
TEST_F(EffectDialogTest, AnEmptiedSpeedEditReportsTheConversionAtEachCheck) {
    for (bool tabFirst : {false, true}) {
        auto* d = Prepare<TSpeedChangeForm>();
        const std::size_t boxesBefore = BoxCount();
        bool stayedOpen = false;
        WhenDialogUp([&](TEffectForm*) {
            d->EditSpeedAdjust->SetFocus();
            d->EditSpeedAdjust->SelectAll();
            Key(VK_BACK);
            if (tabFirst) Key(VK_TAB);
            ClickCentre(d->ButtonOK);
            stayedOpen = d->ModalResult() == mrNone;
            ClickCentre(d->ButtonCancel);
        });
        d->ShowModal();
        EXPECT_TRUE(stayedOpen) << tabFirst;
        const std::size_t checks = tabFirst ? 2 : 1;
        ASSERT_EQ(BoxCount(), boxesBefore + checks) << tabFirst;
        for (std::size_t i = 0; i < checks; ++i)
            EXPECT_TRUE(BoxShowed(boxesBefore + i, "'' is not a valid integer value.")) << tabFirst;
        Close();
    }
}

TEST_F(EffectDialogTest, APresetThenOkStoresThePresetsSpeed) {
    auto* d = Prepare<TSpeedChangeForm>();
    WhenDialogUp([&](TEffectForm*) {
        d->ComboBoxPreset->SetItemIndex(1);
        d->ComboBoxPresetChange(d->ComboBoxPreset);
        EXPECT_EQ(d->ComboBoxPreset->Text(), "Double Speed");
        ClickCentre(d->ButtonOK);
    });
    ASSERT_EQ(d->ShowModal(), mrOk);
    d->StoreParams();
    EXPECT_EQ(GlobalVars().DefSpeedChange, 200);
    EXPECT_EQ(GlobalVars().PreviewOperationTypes, eiSpeedChange);
}

} // namespace speed_pitch_dialog_test
