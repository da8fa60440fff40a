#include "StdCtrlsTestSupport.h"

#include "platform/rtl/StringList.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/PageControl.h"
#include "platform/win/WinKeys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pagecontrol_test {

using stdctrls_test::StdCtrlsTest;

class PageControlTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        pages = new TPageControl(form);
        pages->SetBounds(10, 10, 300, 200);
        pages->SetParent(form);
        for (const char* caption : {"&General", "&Format", "&Tags"}) {
            auto* sheet = new TTabSheet(form);
            sheet->SetCaption(caption);
            sheet->SetPageControl(pages);
            auto* edit = new TEdit(form);
            edit->SetBounds(10, 10, 100, 21);
            edit->SetParent(sheet);
            edits.push_back(edit);
        }
        pages->OnChange = [this](TObject*) {
            log.push_back("change " + std::to_string(pages->ActivePageIndex()));
        };
        ShowForm();
    }
    void ClickTab(int position) {
        const RECT r = pages->TabRect(position);
        Click(pages, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    TPageControl* pages = nullptr;
    std::vector<TEdit*> edits;
    std::vector<std::string> log;
};

TEST_F(PageControlTest, OnlyTheActivePageShowsAndFillsTheDisplayArea) {
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    const RECT display = pages->DisplayRect();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(pages->Pages(i)->Visible(), i == 0);
        EXPECT_EQ(pages->Pages(i)->Top(), display.top);
        EXPECT_EQ(pages->Pages(i)->Width(), display.right - display.left);
    }
    pages->SetActivePageIndex(2);
    EXPECT_TRUE(pages->Pages(2)->Visible());
    EXPECT_FALSE(pages->Pages(0)->Visible());
    EXPECT_TRUE(log.empty()); // a change in code is not reported
}

TEST_F(PageControlTest, ClicksCtrlTabAndAcceleratorsTurnThePages) {
    ClickTab(1);
    EXPECT_EQ(pages->ActivePageIndex(), 1);
    EXPECT_TRUE(pages->Focused());
    edits[1]->SetFocus();
    Pump();
    Chord({VK_CONTROL}, VK_TAB);
    EXPECT_EQ(pages->ActivePageIndex(), 2);
    // The focus left the page that went out of sight.
    EXPECT_FALSE(edits[1]->Focused());
    Chord({VK_CONTROL, VK_SHIFT}, VK_TAB);
    Chord({VK_CONTROL, VK_SHIFT}, VK_TAB);
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    Chord({VK_MENU}, 'T');
    EXPECT_EQ(pages->ActivePageIndex(), 2);
    Key(VK_LEFT);
    EXPECT_EQ(pages->ActivePageIndex(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"change 1", "change 2", "change 1", "change 0", "change 2",
                                             "change 1"}));
}

TEST_F(PageControlTest, OnChangingMayRefuseAndHiddenTabsAreSkipped) {
    pages->OnChanging = [](TObject*, bool& allow) { allow = false; };
    ClickTab(2);
    EXPECT_EQ(pages->ActivePageIndex(), 0);
    pages->OnChanging = nullptr;
    pages->Pages(1)->SetTabVisible(false);
    ClickTab(1); // now the "Tags" tab
    EXPECT_EQ(pages->ActivePageIndex(), 2);
    EXPECT_EQ(pages->FindNextPage(pages->Pages(0), true, true), pages->Pages(2));
    // With every tab hidden the tab row goes and the page fills the control.
    for (int i = 0; i < 3; ++i)
        pages->Pages(i)->SetTabVisible(false);
    EXPECT_EQ(pages->TabHeight(), 0);
    EXPECT_EQ(pages->ActivePage()->Top(), 2);
    EXPECT_TRUE(pages->ActivePage()->Visible());
}

TEST_F(PageControlTest, FreeingASheetMovesToAnother) {
    pages->SetActivePageIndex(1);
    pages->Pages(1)->Free();
    ASSERT_EQ(pages->PageCount(), 2);
    EXPECT_EQ(pages->ActivePage()->Caption(), "&Tags");
    EXPECT_TRUE(pages->ActivePage()->Visible());
}

TEST_F(StdCtrlsTest, TabControlKeepsItsTabIndexWithinItsTabs) {
    auto* tabs = new TTabControl(form);
    tabs->SetBounds(10, 10, 300, 100);
    tabs->SetParent(form);
    tabs->Tabs()->Add("Left");
    tabs->Tabs()->Add("Right");
    tabs->Tabs()->Add("Both");
    int changes = 0;
    tabs->OnChange = [&](TObject*) { ++changes; };
    ShowForm();
    EXPECT_EQ(tabs->TabIndex(), 0);
    const RECT r = tabs->TabRect(2);
    Click(tabs, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    EXPECT_EQ(tabs->TabIndex(), 2);
    EXPECT_EQ(changes, 1);
    tabs->Tabs()->Delete(2);
    EXPECT_EQ(tabs->TabIndex(), 1);
    EXPECT_GT(tabs->DisplayRect().top, 0);
}

} // namespace pagecontrol_test
