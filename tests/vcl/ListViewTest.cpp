#include "StdCtrlsTestSupport.h"

#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/ListView.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace listview_test {

using stdctrls_test::StdCtrlsTest;

class ListViewTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        view = new TListView(form);
        view->SetBounds(10, 10, 300, 4 + view->HeaderHeight() + 6 * view->RowHeight());
        view->SetParent(form);
        view->SetMultiSelect(true);
        view->SetRowSelect(true);
        for (const char* c : {"Name", "Start", "Length"})
            view->Columns()->Add()->SetCaption(c);
        view->Columns()->Items(0)->SetWidth(120);
        view->Columns()->Items(1)->SetWidth(80);
        view->Columns()->Items(2)->SetWidth(80);
        const struct {
            const char* Name;
            const char* Start;
            const char* Length;
        } rows[] = {{"Intro", "00:00", "0:15"},  {"verse", "00:15", "0:40"}, {"Chorus", "00:55", "0:30"},
                    {"Bridge", "01:25", "0:20"}, {"outro", "01:45", "0:10"}, {"Break", "01:55", "0:05"},
                    {"Coda", "02:00", "0:12"},   {"Tag", "02:12", "0:03"}};
        for (const auto& r : rows) {
            TListItem* item = view->Items()->Add();
            item->SetCaption(r.Name);
            item->SubItems()->Add(r.Start);
            item->SubItems()->Add(r.Length);
        }
        ShowForm();
        view->SetFocus();
        Pump();
    }
    void ClickRow(int index, std::initializer_list<int> modifiers = {}) {
        for (int m : modifiers)
            olva::win::InjectKey(m, true);
        Pump();
        const RECT r = view->Items()->Item(index)->DisplayRect();
        Click(view, 200, (r.top + r.bottom) / 2);
        for (int m : modifiers)
            olva::win::InjectKey(m, false);
        Pump();
    }
    std::vector<std::string> SelectedNames() {
        std::vector<std::string> names;
        for (int i = 0; i < view->Items()->Count(); ++i)
            if (view->Items()->Item(i)->Selected()) names.push_back(view->Items()->Item(i)->Caption());
        return names;
    }
    std::vector<std::string> Order() {
        std::vector<std::string> names;
        for (int i = 0; i < view->Items()->Count(); ++i)
            names.push_back(view->Items()->Item(i)->Caption());
        return names;
    }
    TListView* view = nullptr;
};

TEST_F(ListViewTest, ShiftAndCtrlMultiSelectWithMouseAndKeys) {
    ClickRow(1);
    ClickRow(3, {VK_SHIFT});
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"verse", "Chorus", "Bridge"}));
    ClickRow(2, {VK_CONTROL});
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"verse", "Bridge"}));
    ClickRow(5, {VK_CONTROL});
    EXPECT_EQ(view->SelCount(), 3);
    EXPECT_EQ(view->ItemFocused()->Caption(), "Break");
    EXPECT_EQ(view->Selected()->Caption(), "verse");
    // Shift+Down extends from the anchor; Ctrl+Down moves the focus alone, Ctrl+Space toggles there.
    Chord({VK_SHIFT}, VK_DOWN);
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"Break", "Coda"}));
    Chord({VK_CONTROL}, VK_UP);
    Chord({VK_CONTROL}, VK_UP);
    Chord({VK_CONTROL}, VK_SPACE);
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"outro", "Break", "Coda"}));
    // A plain arrow selects only the item it reaches; the view scrolled to keep it in sight.
    Key(VK_END);
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"Tag"}));
    EXPECT_EQ(view->TopItem()->Caption(), "Chorus");
}

TEST_F(ListViewTest, ClickingAColumnSortsByIt) {
    int sortColumn = 0;
    view->OnCompare = [&](TObject*, TListItem* a, TListItem* b, int, int& result) {
        const std::string& x = sortColumn == 0 ? a->Caption() : a->SubItems()->Strings(sortColumn - 1);
        const std::string& y = sortColumn == 0 ? b->Caption() : b->SubItems()->Strings(sortColumn - 1);
        result = CompareText(x, y);
    };
    view->OnColumnClick = [&](TObject*, TListColumn* column) {
        sortColumn = column->Index();
        view->AlphaSort();
    };
    view->Items()->Item(2)->SetSelected(true);
    Click(view, 10, 5); // the Name header
    EXPECT_EQ(Order(), (std::vector<std::string>{"Break", "Bridge", "Chorus", "Coda", "Intro", "outro", "Tag",
                                                 "verse"}));
    Click(view, 120 + 82 + 40, 5); // the Length header
    EXPECT_EQ(Order(), (std::vector<std::string>{"Tag", "Break", "outro", "Coda", "Intro", "Bridge", "Chorus",
                                                 "verse"}));
    // The selection went with its item.
    EXPECT_EQ(view->Selected()->Caption(), "Chorus");
}

TEST_F(ListViewTest, FindCaptionIgnoresCaseAndWraps) {
    EXPECT_EQ(view->FindCaption(0, "CHORUS", false, true, false)->Index(), 2);
    EXPECT_EQ(view->FindCaption(0, "br", true, true, false)->Caption(), "Bridge");
    EXPECT_EQ(view->FindCaption(3, "br", true, false, false)->Caption(), "Break");
    EXPECT_EQ(view->FindCaption(6, "intro", false, true, false), nullptr);
    EXPECT_EQ(view->FindCaption(6, "intro", false, true, true)->Index(), 0);
    EXPECT_EQ(view->FindCaption(0, "Chor", false, true, true), nullptr); // whole caption only
}

TEST_F(ListViewTest, DeletingTheSelectedItemsInALoopLeavesTheRest) {
    for (int i : {0, 2, 3, 7})
        view->Items()->Item(i)->SetSelected(true);
    view->Items()->BeginUpdate();
    while (view->Selected() != nullptr)
        view->Items()->Delete(view->Selected()->Index());
    view->Items()->EndUpdate();
    EXPECT_EQ(Order(), (std::vector<std::string>{"verse", "outro", "Break", "Coda"}));
    EXPECT_EQ(::SendMessage(view->Handle(), LVM_GETITEMCOUNT, 0, 0), 4);
}

TEST_F(ListViewTest, WheelMakeVisibleAndMessages) {
    Wheel(view, 100, 40, -WHEEL_DELTA);
    EXPECT_EQ(view->TopItem()->Caption(), "Chorus"); // at most the last page
    Wheel(view, 100, 40, WHEEL_DELTA);
    EXPECT_EQ(view->TopItem()->Caption(), "Intro");
    view->Items()->Item(7)->MakeVisible(false);
    EXPECT_EQ(::SendMessage(view->Handle(), LVM_GETTOPINDEX, 0, 0), 2);
    view->Items()->Item(1)->SetSelected(true);
    view->Items()->Item(4)->SetSelected(true);
    EXPECT_EQ(::SendMessage(view->Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);
    EXPECT_EQ(::SendMessage(view->Handle(), LVM_GETNEXTITEM, 1, LVNI_SELECTED), 4);
    EXPECT_EQ(::SendMessage(view->Handle(), LVM_GETNEXTITEM, 4, LVNI_SELECTED), -1);
    EXPECT_EQ(::SendMessage(view->Handle(), LVM_GETSELECTEDCOUNT, 0, 0), 2);
    // Single selection: selecting another item drops the first.
    view->SetMultiSelect(false);
    EXPECT_EQ(view->SelCount(), 1);
    view->Items()->Item(6)->SetSelected(true);
    EXPECT_EQ(SelectedNames(), (std::vector<std::string>{"Coda"}));
}

// The classic look of a report list: the header runs to the right edge (an empty header cell after the
// last column), and a vertical scroll bar runs the full height beside the header, leaving no hole.
TEST_F(ListViewTest, HeaderAndScrollBarFillTheTopRight) {
    const RECT client = view->ClientRect();
    const int frame = 2, headerMiddle = frame + view->HeaderHeight() / 2;
    ASSERT_GT(view->Items()->Count(), view->VisibleRowCount()); // the bar shows
    // Beside the header: the bar's up arrow (button face), not the list's white.
    EXPECT_EQ(ColorAt(view, client.right - frame - 8, frame + 1), ColorToRGB(clBtnFace));
    const std::string out = stdctrls_test::TestOutDir();
    EXPECT_TRUE(olva::win::SaveWindowPng(form->Handle(), out + "/vcl-listview-scrolled.png"));
    // Without the bar the header's last, empty cell reaches the right edge.
    while (view->Items()->Count() > 3)
        view->Items()->Delete(view->Items()->Count() - 1);
    Pump();
    EXPECT_EQ(ColorAt(view, client.right - frame - 3, headerMiddle), ColorToRGB(clBtnFace));
    EXPECT_TRUE(olva::win::SaveWindowPng(form->Handle(), out + "/vcl-listview-short.png"));
}

} // namespace listview_test
