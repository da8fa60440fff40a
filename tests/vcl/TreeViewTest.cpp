#include "StdCtrlsTestSupport.h"

#include "platform/vcl/ScrollBar.h"
#include "platform/vcl/TreeView.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace treeview_test {

using stdctrls_test::StdCtrlsTest;

class TreeViewTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        tree = new TTreeView(form);
        tree->SetBounds(10, 10, 200, 150);
        tree->SetParent(form);
        TTreeNodes* items = tree->Items();
        amplitude = items->Add(nullptr, "Amplitude");
        items->AddChild(amplitude, "Amplify");
        items->AddChild(amplitude, "Fade");
        delay = items->Add(nullptr, "Delay");
        items->AddChild(delay, "Echo");
        filters = items->Add(nullptr, "Filters");
        items->AddChild(filters, "Band-Pass");
        TTreeNode* high = items->AddChild(filters, "High-Pass");
        items->AddChild(high, "Steep");
        tree->OnChange = [this](TObject*, TTreeNode* node) {
            changes.push_back(node != nullptr ? node->Text() : std::string("(none)"));
        };
        tree->OnClick = [this](TObject*) { ++clicks; };
        ShowForm();
        tree->SetFocus();
        Pump();
    }
    std::string SelectedText() const {
        return tree->Selected() != nullptr ? tree->Selected()->Text() : "(none)";
    }
    // The texts of the rows a user sees, top to bottom.
    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (TTreeNode* n = tree->Items()->GetFirstNode(); n != nullptr; n = n->GetNextVisible())
            texts.push_back(n->Text());
        return texts;
    }
    int RowIndex(TTreeNode* node) const {
        int row = 0;
        for (TTreeNode* n = tree->Items()->GetFirstNode(); n != nullptr && n != node; n = n->GetNextVisible())
            ++row;
        return row;
    }
    POINT TextPoint(TTreeNode* node) {
        const RECT r = tree->NodeRect(node, true);
        return POINT{r.left + 3, (r.top + r.bottom) / 2};
    }
    POINT ButtonPoint(TTreeNode* node) {
        const RECT r = tree->NodeRect(node, true);
        return POINT{r.left - tree->Indent() / 2, (r.top + r.bottom) / 2};
    }

    TTreeView* tree = nullptr;
    TTreeNode* amplitude = nullptr;
    TTreeNode* delay = nullptr;
    TTreeNode* filters = nullptr;
    std::vector<std::string> changes;
    int clicks = 0;
};

TEST_F(TreeViewTest, NodesKeepTheirOrderPlacesAndData) {
    int tag = 7;
    TTreeNodes* items = tree->Items();
    TTreeNode* first = items->AddChildFirst(delay, "Delay line");
    TTreeNode* before = items->Insert(filters, "Dynamics");
    TTreeNode* withData = items->AddChildObject(before, "Compressor", &tag);
    EXPECT_EQ(delay->Item(0), first);
    EXPECT_EQ(before->GetNextSibling(), filters);
    EXPECT_EQ(before->Index(), 2);
    EXPECT_EQ(withData->Data(), &tag);
    EXPECT_EQ(withData->Parent(), before);
    EXPECT_EQ(amplitude->Parent(), nullptr);
    EXPECT_EQ(filters->GetLastChild()->GetFirstChild()->Level(), 2);
    EXPECT_EQ(items->Count(), 12);
    EXPECT_EQ(items->Item(withData->AbsoluteIndex()), withData);
    std::vector<std::string> order;
    for (TTreeNode* n = items->GetFirstNode(); n != nullptr; n = n->GetNext())
        order.push_back(n->Text());
    EXPECT_EQ(order, (std::vector<std::string>{"Amplitude", "Amplify", "Fade", "Delay", "Delay line", "Echo",
                                               "Dynamics", "Compressor", "Filters", "Band-Pass", "High-Pass",
                                               "Steep"}));
}

TEST_F(TreeViewTest, KeysMoveExpandAndCollapseAsInATree) {
    struct TStep {
        const char* What;
        int Key; // a virtual key, or a typed character when above 0xFF
        const char* Selected;
        std::vector<std::string> Shown;
    };
    const std::vector<std::string> closed{"Amplitude", "Delay", "Filters"};
    const TStep steps[] = {
        {"Down with nothing selected takes the first", VK_DOWN, "Amplitude", closed},
        {"Right opens", VK_RIGHT, "Amplitude", {"Amplitude", "Amplify", "Fade", "Delay", "Filters"}},
        {"Right again goes to the first child",
         VK_RIGHT,
         "Amplify",
         {"Amplitude", "Amplify", "Fade", "Delay", "Filters"}},
        {"Down goes to the next row", VK_DOWN, "Fade", {"Amplitude", "Amplify", "Fade", "Delay", "Filters"}},
        {"Left on a leaf goes to the parent",
         VK_LEFT,
         "Amplitude",
         {"Amplitude", "Amplify", "Fade", "Delay", "Filters"}},
        {"Left on an open node closes it", VK_LEFT, "Amplitude", closed},
        {"End goes to the last row", VK_END, "Filters", closed},
        {"* opens everything below",
         VK_MULTIPLY,
         "Filters",
         {"Amplitude", "Delay", "Filters", "Band-Pass", "High-Pass", "Steep"}},
        {"typing finds a text",
         0x100 + 's',
         "Steep",
         {"Amplitude", "Delay", "Filters", "Band-Pass", "High-Pass", "Steep"}},
        {"Backspace goes to the parent",
         VK_BACK,
         "High-Pass",
         {"Amplitude", "Delay", "Filters", "Band-Pass", "High-Pass", "Steep"}},
        {"- on the keypad closes",
         VK_SUBTRACT,
         "High-Pass",
         {"Amplitude", "Delay", "Filters", "Band-Pass", "High-Pass"}},
        {"Home goes to the first row",
         VK_HOME,
         "Amplitude",
         {"Amplitude", "Delay", "Filters", "Band-Pass", "High-Pass"}},
        {"Up at the top stays",
         VK_UP,
         "Amplitude",
         {"Amplitude", "Delay", "Filters", "Band-Pass", "High-Pass"}},
    };
    for (const TStep& s : steps) {
        if (s.Key > 0xFF) {
            Advance(2000); // a pause starts a new search
            Type(std::string(1, static_cast<char>(s.Key - 0x100)));
        } else {
            Key(s.Key);
        }
        EXPECT_EQ(SelectedText(), s.Selected) << s.What;
        EXPECT_EQ(Shown(), s.Shown) << s.What;
    }
    EXPECT_EQ(changes, (std::vector<std::string>{"Amplitude", "Amplify", "Fade", "Amplitude", "Filters",
                                                 "Steep", "High-Pass", "Amplitude"}));
}

TEST_F(TreeViewTest, ClicksSelectAndButtonsOrDoubleClicksOpen) {
    int doubleClicks = 0;
    tree->OnDblClick = [&](TObject*) { ++doubleClicks; };
    POINT p = ButtonPoint(delay);
    Click(tree, p.x, p.y);
    EXPECT_TRUE(delay->Expanded()) << "the button opens";
    EXPECT_EQ(SelectedText(), "(none)") << "the button does not select";
    p = TextPoint(filters);
    Click(tree, p.x, p.y);
    EXPECT_EQ(SelectedText(), "Filters");
    EXPECT_FALSE(filters->Expanded());
    EXPECT_EQ(clicks, 2);
    p = TextPoint(filters);
    DoubleClick(tree, p.x, p.y);
    EXPECT_TRUE(filters->Expanded()) << "a double click opens";
    EXPECT_EQ(doubleClicks, 1);
    p = ButtonPoint(delay);
    Click(tree, p.x, p.y);
    EXPECT_FALSE(delay->Expanded()) << "the button closes";
    p = TextPoint(filters);
    const RECT below = tree->NodeRect(filters->GetLastChild(), false);
    Click(tree, p.x, below.bottom + 20);
    EXPECT_EQ(SelectedText(), "Filters") << "a click below the rows changes nothing";
    EXPECT_EQ(changes, (std::vector<std::string>{"Filters"}));
}

TEST_F(TreeViewTest, HandlersCanRefuseAndCollapsingMovesAHiddenSelectionUp) {
    tree->OnChanging = [](TObject*, TTreeNode* node, bool& allow) {
        allow = node == nullptr || node->Text() != "Echo";
    };
    tree->OnExpanding = [](TObject*, TTreeNode* node, bool& allow) { allow = node->Text() != "Amplitude"; };
    tree->SetSelected(delay->GetFirstChild());
    EXPECT_EQ(SelectedText(), "(none)");
    amplitude->Expand(false);
    EXPECT_FALSE(amplitude->Expanded());
    tree->SetSelected(filters->GetLastChild()->GetFirstChild());
    EXPECT_EQ(SelectedText(), "Steep");
    EXPECT_TRUE(filters->Expanded()) << "selecting shows the node";
    filters->Collapse(false);
    EXPECT_EQ(SelectedText(), "Filters");
    std::vector<std::string> deleted;
    tree->OnDeletion = [&](TObject*, TTreeNode* node) { deleted.push_back(node->Text()); };
    filters->Delete();
    EXPECT_EQ(deleted, (std::vector<std::string>{"Steep", "High-Pass", "Band-Pass", "Filters"}));
    EXPECT_EQ(SelectedText(), "Delay") << "the selection moves to a neighbour";
    EXPECT_EQ(changes, (std::vector<std::string>{"Steep", "Filters", "Delay"}));
    EXPECT_EQ(tree->Items()->Count(), 5);
}

TEST_F(TreeViewTest, TreeMessagesKeepTheirMeaning) {
    HWND h = tree->Handle();
    const LRESULT defaultHeight = ::SendMessage(h, TVM_GETITEMHEIGHT, 0, 0);
    EXPECT_EQ(defaultHeight % 2, 0);
    EXPECT_EQ(::SendMessage(h, TVM_SETITEMHEIGHT, 19, 0), defaultHeight);
    EXPECT_EQ(::SendMessage(h, TVM_GETITEMHEIGHT, 0, 0), 18) << "odd heights are made even";
    const RECT second = tree->NodeRect(delay, false);
    const RECT first = tree->NodeRect(amplitude, false);
    EXPECT_EQ(second.top - first.top, 18);
    ::SendMessage(h, TVM_SETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    EXPECT_EQ(::SendMessage(h, TVM_GETITEMHEIGHT, 0, 0), defaultHeight);

    EXPECT_EQ(::SendMessage(h, TVM_GETCOUNT, 0, 0), 9);
    EXPECT_EQ(reinterpret_cast<TTreeNode*>(::SendMessage(h, TVM_GETNEXTITEM, TVGN_ROOT, 0)), amplitude);
    EXPECT_EQ(reinterpret_cast<TTreeNode*>(
                  ::SendMessage(h, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(amplitude))),
              delay);
    EXPECT_EQ(::SendMessage(h, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(delay)), 1);
    EXPECT_EQ(::SendMessage(h, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(delay)), 0) << "already open";
    EXPECT_TRUE(delay->Expanded());
    TTreeNode* echo = delay->GetFirstChild();
    EXPECT_EQ(::SendMessage(h, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(echo)), 1);
    EXPECT_EQ(reinterpret_cast<TTreeNode*>(::SendMessage(h, TVM_GETNEXTITEM, TVGN_CARET, 0)), echo);
    EXPECT_EQ(reinterpret_cast<TTreeNode*>(
                  ::SendMessage(h, TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(echo))),
              delay);
    EXPECT_EQ(::SendMessage(h, TVM_EXPAND, TVE_TOGGLE, reinterpret_cast<LPARAM>(delay)), 1);
    EXPECT_FALSE(delay->Expanded());
}

TEST_F(TreeViewTest, ALongTreeScrollsToTheSelectionAndByTheWheel) {
    tree->Items()->BeginUpdate();
    for (int i = 0; i < 40; ++i)
        tree->Items()->AddChild(delay, "Tap " + std::to_string(i));
    tree->Items()->EndUpdate();
    delay->Expand(false);
    Pump();
    EXPECT_TRUE(tree->ScrollBar()->Visible());
    Key(VK_END);
    EXPECT_EQ(SelectedText(), "Filters");
    const RECT area = tree->ClientRect();
    const RECT last = tree->NodeRect(filters, false);
    EXPECT_GT(last.bottom, 0);
    EXPECT_LE(last.bottom, area.bottom) << "the selection is in view";
    EXPECT_EQ(RowIndex(tree->TopItem()), tree->VisibleCount() - tree->VisibleRows());
    Wheel(tree, 20, 20, 2 * WHEEL_DELTA);
    EXPECT_EQ(RowIndex(tree->TopItem()), tree->VisibleCount() - tree->VisibleRows() - 6);
    EXPECT_EQ(tree->ScrollBar()->Position(), tree->VisibleCount() - tree->VisibleRows() - 6);
}

TEST_F(TreeViewTest, SortingByTextAppliesToNewNodes) {
    tree->SetSortType(stText);
    tree->Items()->Add(nullptr, "Chorus");
    tree->Items()->AddChild(amplitude, "Envelope");
    std::vector<std::string> tops;
    for (TTreeNode* n = tree->Items()->GetFirstNode(); n != nullptr; n = n->GetNextSibling())
        tops.push_back(n->Text());
    EXPECT_EQ(tops, (std::vector<std::string>{"Amplitude", "Chorus", "Delay", "Filters"}));
    EXPECT_EQ(amplitude->Item(1)->Text(), "Envelope");
}

} // namespace treeview_test
