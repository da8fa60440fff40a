// The drop-down list of a bar combo, driven with scripted mouse and keys on the headless screen: a press
// on the combo's arrow dragged into the list chooses the entry it is let go over; let go outside, the list
// stays open; keys start from the first entry in view; a release with nothing selected closes the list
// and keeps the combo's entry. The list sits outside every form with its border in the non-client area.
#include "../BarPaintingTestSupport.h"

#include "platform/vcl/Form.h"
#include "platform/vcl/ListBox.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/combos/BarDropDownListBox.h"

#include <memory>
#include <string>

using namespace bars_test;

namespace bar_drop_down_list_tests {

class BarDropDownListTest : public BarPaintingTest {
protected:
    void SetUp() override {
        BarPaintingTest::SetUp();
        combo = new TovBarCombo(form);
        for (const char* name : {"44100 Hz", "48000 Hz", "88200 Hz", "96000 Hz", "192000 Hz"})
            combo->Items()->Add(name);
        combo->OnCloseUp = TNotifyEvent([this](TObject*) { ++closeUps; }, this);
        list = std::make_unique<TovBarDropDownListBox>(combo);
        for (int i = 0; i < combo->Items()->Count(); ++i)
            list->Items()->Add(combo->Items()->Strings(i));
        list->SetBounds(300, 200, 140, 150);
        list->HandleNeeded();
        ShowWindow(list->Handle(), SW_SHOWNA);
        olva::win::PumpMessages();
    }
    void TearDown() override {
        list.reset();
        BarPaintingTest::TearDown();
    }
    // The screen point in the middle of an entry.
    POINT EntryAt(int AIndex) {
        for (int y = 0; y < list->ClientHeight(); ++y)
            if (list->ItemAtPos(POINT{10, y}, true) == AIndex) return list->ClientToScreen(POINT{20, y + 3});
        ADD_FAILURE() << "no entry " << AIndex;
        return POINT{};
    }
    void Mouse(olva::win::MouseAction AAction, POINT P) {
        olva::win::InjectMouse(AAction, P.x, P.y);
        olva::win::PumpMessages();
    }
    bool Shown() { return list->HandleAllocated() && IsWindowVisible(list->Handle()) != FALSE; }

    TovBarCombo* combo = nullptr;
    std::unique_ptr<TovBarDropDownListBox> list;
    int closeUps = 0;
};

TEST_F(BarDropDownListTest, TheListIsATopMostToolWindowOfNoFormWithItsBorderOutsideTheEntries) {
    ASSERT_TRUE(Shown());
    EXPECT_EQ(GetParent(list->Handle()), nullptr);
    const LONG exStyle = GetWindowLong(list->Handle(), GWL_EXSTYLE);
    EXPECT_NE(exStyle & WS_EX_TOPMOST, 0);
    EXPECT_NE(exStyle & WS_EX_TOOLWINDOW, 0);
    RECT window{}, client{};
    GetWindowRect(list->Handle(), &window);
    GetClientRect(list->Handle(), &client);
    EXPECT_EQ(client.right, window.right - window.left - 2 * list->BorderSize());
    EXPECT_EQ(client.bottom, window.bottom - window.top - 2 * list->BorderSize());
    list->SetItemIndex(1);
    olva::win::PumpMessages();
    EXPECT_TRUE(olva::win::SaveWindowPng(list->Handle(), OutputPath("extras-combo-list.png")));
}

TEST_F(BarDropDownListTest, PressingOnTheArrowDraggingIntoTheListAndReleasingChoosesTheEntry) {
    const POINT arrow{430, 190}; // the combo's arrow, just above the list
    Mouse(olva::win::MouseAction::LeftDown, arrow);
    list->SetPressedInCombo(true);
    Mouse(olva::win::MouseAction::Move, EntryAt(0));
    EXPECT_FALSE(list->PressedInCombo()); // the press goes on inside the list
    Mouse(olva::win::MouseAction::Move, EntryAt(2));
    EXPECT_EQ(list->ItemIndex(), 2); // the entry under the pointer is selected
    Mouse(olva::win::MouseAction::LeftUp, EntryAt(2));
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(combo->GetText(), "88200 Hz");
    EXPECT_FALSE(Shown());
    EXPECT_EQ(closeUps, 1);
}

TEST_F(BarDropDownListTest, PressingOnTheArrowAndReleasingOutsideTheListLeavesItOpen) {
    const POINT arrow{430, 190};
    Mouse(olva::win::MouseAction::LeftDown, arrow);
    list->SetPressedInCombo(true);
    ASSERT_EQ(GetCapture(), list->Handle());
    Mouse(olva::win::MouseAction::LeftUp, arrow);
    EXPECT_TRUE(Shown());
    EXPECT_FALSE(list->PressedInCombo());
    EXPECT_NE(GetCapture(), list->Handle());
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(closeUps, 0);
    // Then a plain click on an entry chooses it.
    Mouse(olva::win::MouseAction::LeftDown, EntryAt(3));
    Mouse(olva::win::MouseAction::LeftUp, EntryAt(3));
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_FALSE(Shown());
}

TEST_F(BarDropDownListTest, AKeyWithNothingSelectedStartsFromTheFirstEntryInView) {
    for (int i = 0; i < 20; ++i)
        list->Items()->Add("Rate " + std::to_string(i));
    list->SetTopIndex(6);
    ASSERT_EQ(list->ItemIndex(), -1);
    SendMessage(list->Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(list->ItemIndex(), 7);
}

TEST_F(BarDropDownListTest, AReleaseWithNothingSelectedClosesTheListAndKeepsTheEntry) {
    combo->SetItemIndex(1);
    ASSERT_EQ(list->ItemIndex(), -1);
    // Below the last entry: no entry there.
    const POINT empty = list->ClientToScreen(POINT{20, list->ClientHeight() - 3});
    ASSERT_LT(list->ItemAtPos(POINT{20, list->ClientHeight() - 3}, true), 0);
    Mouse(olva::win::MouseAction::LeftDown, empty);
    Mouse(olva::win::MouseAction::LeftUp, empty);
    EXPECT_FALSE(Shown());
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(closeUps, 1);
}

} // namespace bar_drop_down_list_tests
