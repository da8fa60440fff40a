#include "StdCtrlsTestSupport.h"

#include "platform/vcl/ListBox.h"
#include "platform/vcl/ScrollBar.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace listbox_test {

using stdctrls_test::StdCtrlsTest;

class ListBoxTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        list = new TListBox(form);
        list->SetBounds(10, 10, 150, 4 + 5 * 13); // five rows of the test font
        list->SetParent(form);
        for (const char* s : {"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf", "Hotel",
                              "India", "Juliet", "Kilo", "Lima"})
            list->Items()->Add(s);
        list->OnClick = [this](TObject*) { ++clicks; };
        ShowForm();
        list->SetFocus();
        Pump();
    }
    // The middle of a visible row.
    POINT Row(int index) {
        const RECT r = list->ItemRect(index);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    void ClickRow(int index, std::initializer_list<int> modifiers = {}) {
        for (int m : modifiers)
            olva::win::InjectKey(m, true);
        Pump();
        Click(list, Row(index).x, Row(index).y);
        for (int m : modifiers)
            olva::win::InjectKey(m, false);
        Pump();
    }
    std::vector<int> SelectedRows() {
        std::vector<int> rows;
        for (int i = 0; i < list->Count(); ++i)
            if (list->Selected(i)) rows.push_back(i);
        return rows;
    }
    TListBox* list = nullptr;
    int clicks = 0;
};

TEST_F(ListBoxTest, KeysMoveTheSelectionAndScrollItIntoView) {
    ASSERT_EQ(list->VisibleItems(), 5);
    EXPECT_TRUE(list->ScrollBar()->Visible());
    Key(VK_DOWN);
    EXPECT_EQ(list->ItemIndex(), 0);
    Key(VK_END);
    EXPECT_EQ(list->ItemIndex(), 11);
    EXPECT_EQ(list->TopIndex(), 7);
    Key(VK_PRIOR);
    EXPECT_EQ(list->ItemIndex(), 7);
    Key(VK_HOME);
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_EQ(list->TopIndex(), 0);
    EXPECT_EQ(clicks, 4);
    EXPECT_EQ(::SendMessage(list->Handle(), LB_GETCURSEL, 0, 0), 0);
}

TEST_F(ListBoxTest, TypingFindsItemsByTheirStart) {
    const struct {
        const char* Typed;
        int Pause;
        int Expected;
    } steps[] = {
        {"h", 0, 7},     // Hotel
        {"i", 2000, 8},  // a pause starts a new search: India
        {"k", 2000, 10}, // Kilo
        {"l", 0, -2},    // "kl" matches nothing: the focus stays
    };
    for (const auto& step : steps) {
        Advance(step.Pause);
        Type(step.Typed);
        EXPECT_EQ(list->ItemIndex(), step.Expected == -2 ? 10 : step.Expected) << step.Typed;
    }
    // The same letter again cycles through the items starting with it.
    list->Items()->Add("Golfer");
    list->SetItemIndex(0);
    Advance(2000);
    Type("g");
    EXPECT_EQ(list->Items()->Strings(list->ItemIndex()), "Golf");
    Type("g");
    EXPECT_EQ(list->Items()->Strings(list->ItemIndex()), "Golfer");
}

TEST_F(ListBoxTest, ShiftAndCtrlClicksInAnExtendedMultiSelection) {
    list->SetMultiSelect(true);
    ClickRow(1);
    ClickRow(3, {VK_SHIFT});
    EXPECT_EQ(SelectedRows(), (std::vector<int>{1, 2, 3}));
    ClickRow(2, {VK_CONTROL});
    EXPECT_EQ(SelectedRows(), (std::vector<int>{1, 3}));
    ClickRow(0, {VK_CONTROL});
    EXPECT_EQ(SelectedRows(), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(list->SelCount(), 3);
    // Shift+Down extends from the anchor (the last clicked row).
    Chord({VK_SHIFT}, VK_DOWN);
    EXPECT_EQ(SelectedRows(), (std::vector<int>{0, 1}));
    // A plain click selects one row only.
    ClickRow(4);
    EXPECT_EQ(SelectedRows(), (std::vector<int>{4}));
}

TEST_F(ListBoxTest, DeletingSelectedItemsOneByOneDeletesThemAll) {
    list->SetMultiSelect(true);
    for (int i : {1, 4, 5, 9})
        list->SetSelected(i, true);
    for (int i = list->Count() - 1; i >= 0; --i)
        if (list->Selected(i)) list->Items()->Delete(i);
    EXPECT_EQ(list->Count(), 8);
    EXPECT_EQ(list->Items()->CommaText(), "Alpha,Charlie,Delta,Golf,Hotel,India,Kilo,Lima");
    EXPECT_EQ(list->SelCount(), 0);
}

TEST_F(ListBoxTest, WheelAndThumbScrollTheList) {
    Wheel(list, 20, 20, -WHEEL_DELTA);
    EXPECT_EQ(list->TopIndex(), 3);
    Wheel(list, 20, 20, -WHEEL_DELTA);
    EXPECT_EQ(list->TopIndex(), 6);
    Wheel(list, 20, 20, -WHEEL_DELTA);
    EXPECT_EQ(list->TopIndex(), 7); // no further than the last page
    Wheel(list, 20, 20, 2 * WHEEL_DELTA);
    EXPECT_EQ(list->TopIndex(), 1);
    // Drag the thumb to the top, then down to the bottom of the track.
    TScrollBar* bar = list->ScrollBar();
    const int x = bar->Width() / 2;
    const int thumbMiddle = bar->ThumbStart() + bar->ThumbLength() / 2;
    MouseDown(bar, x, thumbMiddle);
    MouseMoveTo(bar, x, thumbMiddle - 100);
    EXPECT_EQ(list->TopIndex(), 0);
    MouseMoveTo(bar, x, bar->Height() + 100);
    MouseUp(bar, x, bar->Height() + 100);
    EXPECT_EQ(list->TopIndex(), 7);
    // The scroll bar took no focus from the list.
    EXPECT_TRUE(list->Focused());
}

TEST_F(ListBoxTest, OwnerDrawnItemsAreDrawnByTheHandlerWithTheirState) {
    list->SetStyle(lbOwnerDrawFixed);
    list->SetItemHeight(20);
    list->SetItemIndex(2);
    std::vector<std::pair<int, bool>> drawn;
    list->OnDrawItem = [&](TWinControl*, int index, RECT r, TOwnerDrawState state) {
        drawn.emplace_back(index, state.Contains(odSelected));
        EXPECT_EQ(r.bottom - r.top, 20);
    };
    list->Repaint();
    Pump();
    ASSERT_GE(drawn.size(), 3u);
    EXPECT_EQ(drawn[0], std::make_pair(0, false));
    EXPECT_EQ(drawn[2], std::make_pair(2, true));
    EXPECT_EQ(::SendMessage(list->Handle(), LB_GETITEMHEIGHT, 0, 0), 20);
}

TEST_F(ListBoxTest, MessagesCallersSend) {
    const HWND h = list->Handle();
    EXPECT_EQ(::SendMessage(h, LB_GETCOUNT, 0, 0), 12);
    EXPECT_EQ(::SendMessage(h, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("ech")), 4);
    EXPECT_EQ(::SendMessage(h, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("ech")),
              LB_ERR);
    ::SendMessage(h, LB_SETCURSEL, 6, 0);
    EXPECT_EQ(list->ItemIndex(), 6);
    char text[32] = {};
    EXPECT_EQ(::SendMessage(h, LB_GETTEXT, 6, reinterpret_cast<LPARAM>(text)), 4);
    EXPECT_STREQ(text, "Golf");
    ::SendMessage(h, LB_SETTOPINDEX, 5, 0);
    EXPECT_EQ(::SendMessage(h, LB_GETTOPINDEX, 0, 0), 5);
    TObject marker;
    ::SendMessage(h, LB_SETITEMDATA, 3, reinterpret_cast<LPARAM>(&marker));
    EXPECT_EQ(list->Items()->Objects(3), &marker);
    EXPECT_EQ(::SendMessage(h, LB_GETCURSEL, 0, 0), 6);
    ::SendMessage(h, LB_RESETCONTENT, 0, 0);
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(::SendMessage(h, LB_GETCURSEL, 0, 0), LB_ERR);
}

} // namespace listbox_test

namespace listbox_test {

TEST_F(ListBoxTest, ItemsWiderThanTheBoxScrollSidewaysUnderAHorizontalBar) {
    EXPECT_FALSE(list->HorzScrollBar()->Visible());
    const int rowsBefore = list->VisibleItems();
    const RECT before = list->ItemRect(0);
    ::SendMessage(list->Handle(), LB_SETHORIZONTALEXTENT, 400, 0);
    EXPECT_EQ(::SendMessage(list->Handle(), LB_GETHORIZONTALEXTENT, 0, 0), 400);
    ASSERT_TRUE(list->HorzScrollBar()->Visible());
    EXPECT_LT(list->VisibleItems(), rowsBefore) << "the bar takes a row's room at the bottom";
    RECT item = list->ItemRect(0);
    EXPECT_EQ(item.left, before.left);
    EXPECT_EQ(item.right - item.left, 400) << "an item is as wide as the extent";

    // Line, page and thumb steps; never beyond the items' right end.
    ::SendMessage(list->Handle(), WM_HSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(list->LeftOffset(), 8);
    EXPECT_EQ(list->ItemRect(0).left, before.left - 8);
    ::SendMessage(list->Handle(), WM_HSCROLL, SB_BOTTOM, 0);
    const int width = list->HorzScrollBar()->Width();
    EXPECT_EQ(list->LeftOffset(), 400 - width);
    EXPECT_EQ(list->ItemRect(0).right, before.left + width) << "the end of the items at the box's right";
    EXPECT_EQ(list->HorzScrollBar()->Position(), list->LeftOffset());
    ::SendMessage(list->Handle(), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 30), 0);
    EXPECT_EQ(list->LeftOffset(), 30);
    ::SendMessage(list->Handle(), WM_HSCROLL, SB_PAGEUP, 0);
    EXPECT_EQ(list->LeftOffset(), 0);

    // The same by the bar; and vertically by WM_VSCROLL.
    list->HorzScrollBar()->SetPosition(50);
    EXPECT_EQ(list->LeftOffset(), 50);
    ::SendMessage(list->Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(list->TopIndex(), 1);
    ::SendMessage(list->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(list->TopIndex(), list->Count() - list->VisibleItems());

    // Back to a narrow extent: no bar, no offset.
    list->SetScrollWidth(50);
    EXPECT_FALSE(list->HorzScrollBar()->Visible());
    EXPECT_EQ(list->LeftOffset(), 0);
    EXPECT_EQ(list->ItemRect(0).right, before.right);
}

} // namespace listbox_test
