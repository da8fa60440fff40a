// The spin edit: its number in the text (value type, rounding, range, prefix before or after), texts that
// hold no number, steps, and in a menu window on the headless screen: the keys, the characters it accepts,
// the buttons repeating on the fake clock (pausing off the button) and the wheel.
#include "tests/ui/bars/editcontrols/EditControlsTestSupport.h"
#include "tests/ui/bars/gallery/BarGallery.h"

#include "platform/rtl/FormatSettings.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "ui/bars/extitems/BarSpinEdit.h"
#include "ui/bars/extitems/SpinEditControl.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace edit_controls_test;

namespace bars_spin_edit_test {

class SpinEditTest : public EditControlsTest {
protected:
    TovBarSpinEdit* NewSpin() {
        auto* spin = new TovBarSpinEdit(form);
        spin->SetCaption("Level");
        spin->SetWidth(120);
        return spin;
    }
    // The spin edit alone in an open menu, focused by a click on its text field.
    TovBarSpinEditControl* OpenFocusedSpin(TovBarSpinEdit* ASpin) {
        menu = OpenItemsMenu(100, 100, {ASpin});
        auto* control = dynamic_cast<TovBarSpinEditControl*>(ControlOf(menu, 0));
        const TRect field = control->Parts()[0];
        Click(ScreenPoint(menu, TPoint{field.left + 6, (field.top + field.bottom) / 2}));
        return control;
    }
    TRecordingMenu* menu = nullptr;
};

} // namespace bars_spin_edit_test
using namespace bars_spin_edit_test;

TEST_F(SpinEditTest, WholeNumbersAreTruncatedAndFractionsKept) {
    TovBarSpinEdit* spin = NewSpin();
    EXPECT_EQ(spin->GetText(), "0");
    spin->SetValue(2.9);
    EXPECT_EQ(spin->GetText(), "2");
    spin->SetValue(-2.9);
    EXPECT_EQ(spin->GetText(), "-2");
    spin->SetValueType(svtFloat);
    spin->SetValue(2.5);
    EXPECT_EQ(spin->GetText(), "2.5");
    EXPECT_DOUBLE_EQ(spin->Value(), 2.5);
    spin->SetValueType(svtInteger);
    EXPECT_EQ(spin->GetText(), "2");
}

TEST_F(SpinEditTest, IncrementsAreNeverNothing) {
    TovBarSpinEdit* spin = NewSpin();
    spin->SetIncrement(0.5);
    EXPECT_EQ(spin->Increment(), 1);
    spin->SetValueType(svtFloat);
    spin->SetIncrement(0);
    EXPECT_EQ(spin->Increment(), 1);
    spin->SetIncrement(0.25);
    EXPECT_EQ(spin->Increment(), 0.25);
    spin->Step(sbUp);
    spin->Step(sbUp);
    EXPECT_EQ(spin->GetText(), "0.5");
}

TEST_F(SpinEditTest, TheRangeClampsAndItsEndsMoveTogether) {
    TovBarSpinEdit* spin = NewSpin();
    EXPECT_FALSE(spin->RangeActive());
    spin->SetValue(-50);
    EXPECT_EQ(spin->GetText(), "-50") << "no range: anything goes";
    spin->SetMaxValue(10);
    EXPECT_EQ(spin->MinValue(), 0) << "0 is below 10";
    spin->SetMinValue(5);
    EXPECT_EQ(spin->GetText(), "5");
    spin->SetMaxValue(3);
    EXPECT_EQ(spin->MinValue(), 3);
    EXPECT_EQ(spin->GetText(), "3");
    spin->SetMinValue(8);
    EXPECT_EQ(spin->MaxValue(), 8);
    spin->SetValue(100);
    EXPECT_EQ(spin->GetText(), "8");
}

TEST_F(SpinEditTest, APrefixStandsBeforeOrAfterTheNumberAndParsesBack) {
    TovBarSpinEdit* spin = NewSpin();
    spin->SetValue(5);
    spin->SetPrefix(" %");
    EXPECT_EQ(spin->GetText(), "5 %");
    EXPECT_EQ(spin->Value(), 5);
    spin->SetPrefixPlace(ppStart);
    EXPECT_EQ(spin->GetText(), " %5");
    spin->SetPrefix("x");
    EXPECT_EQ(spin->GetText(), "x5");
    spin->SetText("x12");
    EXPECT_EQ(spin->Value(), 12);
}

TEST_F(SpinEditTest, ATextWithoutANumberLeavesTheOldText) {
    TovBarSpinEdit* spin = NewSpin();
    spin->SetPrefix(" dB");
    spin->SetValue(7);
    for (const char* text : {"abc", " dB", "", "7.5 dB", "--3"}) {
        spin->SetText(text);
        EXPECT_EQ(spin->GetText(), "7 dB") << text;
    }
    spin->SetMaxValue(20);
    spin->SetText("35 dB");
    EXPECT_EQ(spin->GetText(), "20 dB") << "a number beyond the range is clamped";
}

TEST_F(SpinEditTest, UpAndDownStepTheFocusedFieldAndCharactersAreFiltered) {
    TovBarSpinEdit* spin = NewSpin();
    int ups = 0, downs = 0;
    spin->OnButtonClick = TovBarSpinEditButtonClickEvent(
        [&](TovBarSpinEdit*, TovBarSpinEditButton AButton) { ++(AButton == sbUp ? ups : downs); }, this);
    TovBarSpinEditControl* control = OpenFocusedSpin(spin);
    ASSERT_TRUE(control->Focused());
    PressKey(VK_UP);
    PressKey(VK_UP);
    PressKey(VK_DOWN);
    EXPECT_EQ(control->GetText(), "1");
    EXPECT_EQ(ups, 2);
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(control->ActiveButton(), -1) << "released with the key";
    // No range below zero: no minus; whole numbers: no separator; letters never.
    ::SendMessage(control->GetHandle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    Type("-4a.2b");
    EXPECT_EQ(control->GetText(), "42");
    spin->SetMinValue(-10);
    spin->SetMaxValue(100);
    spin->SetValueType(svtFloat);
    ::SendMessage(control->GetHandle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    Type(std::string("-4") + FormatSettings.DecimalSeparator + "5");
    EXPECT_EQ(control->GetText(), std::string("-4") + FormatSettings.DecimalSeparator + "5");
}

TEST_F(SpinEditTest, AHeldButtonStepsOnceWaitsThenRepeatsAndPausesOffTheButton) {
    ::SetDoubleClickTime(500);
    TovBarSpinEdit* spin = NewSpin();
    TovBarSpinEditControl* control = OpenFocusedSpin(spin);
    const TPoint up = PartCentre(menu, 0, TovBarSpinEditControl::UpButton);
    Press(up);
    EXPECT_EQ(control->GetText(), "1");
    EXPECT_EQ(control->ActiveButton(), TovBarSpinEditControl::UpButton);
    Run(390);
    EXPECT_EQ(control->GetText(), "1") << "waits the double-click time less 100 ms";
    Run(20);
    Run(100);
    EXPECT_EQ(control->GetText(), "2");
    Run(100);
    EXPECT_EQ(control->GetText(), "3");
    // Off the button: no steps, the repeat goes on underneath.
    const TPoint field = PartCentre(menu, 0, 0);
    MoveTo(field);
    Run(300);
    EXPECT_EQ(control->GetText(), "3");
    MoveTo(up);
    Run(100);
    EXPECT_EQ(control->GetText(), "4");
    Release(up);
    EXPECT_FALSE(control->Repeating());
    Run(300);
    EXPECT_EQ(control->GetText(), "4");
}

TEST_F(SpinEditTest, AFastDoubleClickSettingStillWaitsBeforeTheFirstRepeat) {
    // Double-click time minus 100 ms would be no wait at all, or a negative one.
    for (UINT setting : {50u, 100u, 150u, 200u}) {
        ::SetDoubleClickTime(setting);
        EXPECT_GE(TovBarSpinEditControl::FirstRepeatDelay(), TovBarSpinEditControl::RepeatInterval)
            << setting;
    }
    ::SetDoubleClickTime(500);
    EXPECT_EQ(TovBarSpinEditControl::FirstRepeatDelay(), 400u);
}

TEST_F(SpinEditTest, TheWheelStepsUnlessReadOnly) {
    TovBarSpinEdit* spin = NewSpin();
    TovBarSpinEditControl* control = OpenFocusedSpin(spin);
    const TPoint field = PartCentre(menu, 0, 0);
    MoveTo(field);
    Wheel(field, 1);
    Wheel(field, 1);
    Wheel(field, -1);
    EXPECT_EQ(control->GetText(), "1");
    spin->ReadOnly = true;
    Wheel(field, 1);
    EXPECT_EQ(control->GetText(), "1");
    control->SetActiveButton(TovBarSpinEditControl::UpButton);
    EXPECT_EQ(control->ActiveButton(), -1) << "read-only: no button is active";
}

TEST_F(SpinEditTest, PictureOfSpinEditsIdleFocusedAndWithTheUpButtonHeld) {
    std::pair<const char*, std::unique_ptr<TovBarPainter>> looks[] = {
        {"office11", bar_gallery::MakeGalleryPainter("Office11")}, {"base", nullptr}};
    for (auto& [name, look] : looks) {
        // The menu opens with the look's painter.
        if (look) std::swap(painter, look);
        std::vector<TovBarItem*> spins;
        for (int i = 0; i < 3; ++i) {
            TovBarSpinEdit* spin = NewSpin();
            spin->SetPrefix(" dB");
            spin->SetValue(3 * i);
            spins.push_back(spin);
        }
        menu = OpenItemsMenu(60, 60, spins);
        const TRect field = ControlOf(menu, 1)->Parts()[0];
        Click(ScreenPoint(menu, TPoint{field.left + 6, (field.top + field.bottom) / 2}));
        const TPoint up = PartCentre(menu, 1, TovBarSpinEditControl::UpButton);
        Press(up);
        ::RedrawWindow(menu->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        const std::filesystem::path dir = std::filesystem::path(OLVA_TEST_OUT_DIR) / "bars" / "extitems";
        std::filesystem::create_directories(dir);
        EXPECT_TRUE(olva::win::SaveWindowPng(menu->Handle(),
                                             (dir / (std::string("spin-edits-") + name + ".png")).string()));
        Release(up);
        PressKey(VK_ESCAPE);
        if (look) {
            std::swap(painter, look);
            menu->SetPainter(painter.get());
        }
    }
}
