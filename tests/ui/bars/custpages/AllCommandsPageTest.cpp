// The Customize window's All commands page: only at design time; its entries with and without the
// shortcut filter (commands of no category never), the four measured columns, and Del deleting the
// selected commands the designer lets go.
#include "CustPagesTestSupport.h"

#include "platform/vcl/CheckBox.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/PageControl.h"
#include "platform/vcl/ShortCuts.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"

#include <gtest/gtest.h>

using namespace custpages_test;

namespace {

class AllCommandsPageTest : public CustPagesTest {
protected:
    void SetUp() override {
        CustPagesTest::SetUp();
        open = Command("&Open", "bbOpen", "File");
        open->SetShortCut(TextToShortCut("Ctrl+O"));
        save = Command("&Save", "bbSave", "File");
        edit = new TovBarEdit(form);
        edit->SetName("beFind");
        edit->SetCaption("Find");
        edit->SetCategory(0);
        sub = new TovBarSubItem(form);
        sub->SetName("bsRecent");
        sub->SetCaption("Recent");
        sub->SetCategory(0);
        internal = Command("Internal", "bbInternal", "File");
        // Kept out of every category, as the bar system's own items are.
        internal->SetCategoryDirect(-1);
    }
    static std::vector<std::string> Names(TovBarCustomizationForm* F) {
        std::vector<std::string> names;
        for (int i = 0; i < F->LAllCommands->Count(); ++i)
            names.push_back(F->LAllCommands->Items()->Strings(i));
        return names;
    }

    TovBarButton *open = nullptr, *save = nullptr, *internal = nullptr;
    TovBarEdit* edit = nullptr;
    TovBarSubItem* sub = nullptr;
};

TEST_F(AllCommandsPageTest, OnlyAtDesignTime) {
    TovBarCustomizationForm* f = OpenForm(false);
    EXPECT_FALSE(f->tsCommands->TabVisible());
    EXPECT_EQ(0, f->LAllCommands->Count());
}

TEST_F(AllCommandsPageTest, TheShortcutFilterLeavesOutCommandsThatTakeNoShortcut) {
    TovBarCustomizationForm* f = OpenForm(true);
    f->PageControl->SetActivePage(f->tsCommands);
    olva::win::PumpMessages();
    EXPECT_TRUE(f->tsCommands->TabVisible());
    ASSERT_TRUE(f->CBShowCommandsWithShortCut->Checked());
    EXPECT_EQ((std::vector<std::string>{"bbOpen", "bbSave"}), Names(f));

    const POINT p = f->CBShowCommandsWithShortCut->ClientToScreen(POINT{6, 8});
    olva::win::InjectMouse(olva::win::MouseAction::LeftDown, p.x, p.y);
    olva::win::InjectMouse(olva::win::MouseAction::LeftUp, p.x, p.y);
    olva::win::PumpMessages();
    EXPECT_FALSE(f->CBShowCommandsWithShortCut->Checked());
    EXPECT_EQ((std::vector<std::string>{"bbOpen", "bbSave", "beFind", "bsRecent"}), Names(f));
    EXPECT_EQ(edit, f->LAllCommands->Items()->Objects(2));
    ASSERT_TRUE(olva::win::SaveWindowPng(f->Handle(), OutputPath("customize-all-commands.png")));

    // The columns fit their widest texts: name, caption, link count, shortcut.
    TCanvas* canvas = f->LAllCommands->Canvas();
    canvas->Font()->Assign(f->LAllCommands->Font());
    EXPECT_EQ(canvas->TextWidth("bsRecent"), f->FAllCommandsColumnWidths[0]);
    EXPECT_EQ(canvas->TextWidth("Recent"), f->FAllCommandsColumnWidths[1]);
    EXPECT_EQ(canvas->TextWidth("0 link(s)"), f->FAllCommandsColumnWidths[2]);
    EXPECT_EQ(canvas->TextWidth(ShortCutToText(open->ShortCut())), f->FAllCommandsColumnWidths[3]);
}

TEST_F(AllCommandsPageTest, DelDeletesTheSelectedCommandsTheDesignerLetsGo) {
    designer.Refused = save;
    TovBarCustomizationForm* f = OpenForm(true);
    f->PageControl->SetActivePage(f->tsCommands);
    olva::win::PumpMessages();
    f->LAllCommands->SetSelected(0, true);
    f->LAllCommands->SetSelected(1, true);
    f->LAllCommands->SetFocus();
    olva::win::InjectKey(VK_DELETE, true);
    olva::win::InjectKey(VK_DELETE, false);
    olva::win::PumpMessages();
    EXPECT_EQ(nullptr, manager->GetItemByName("bbOpen"));
    EXPECT_EQ(save, manager->GetItemByName("bbSave")) << "the designer refused it";
    EXPECT_EQ((std::vector<std::string>{"bbSave"}), Names(f));
}

} // namespace
