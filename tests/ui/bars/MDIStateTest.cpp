// The MDI state helper, driven by a test source of MDI children: the change kinds, the system-menu item
// of a maximized child, and the child managers' menus merged into the frame's main menu.
#include "BarsTestSupport.h"

#include "platform/vcl/Form.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/mdi/BarMDIState.h"
#include "ui/bars/mdi/SystemMenuSubItem.h"
#include "ui/core/base/Registries.h"

#include <deque>
#include <map>
#include <utility>

using namespace bars_test;

namespace {

class TestMDISource : public IovBarMDISource {
public:
    HWND ActiveChild() override { return Active; }
    bool IsMaximized(HWND AChild) override { return Maximized[AChild]; }
    TovBarManager* ChildBarManager(HWND AChild) override {
        auto found = Managers.find(AChild);
        return found == Managers.end() ? nullptr : found->second;
    }
    bool HasSystemMenu(HWND) override { return SystemMenus; }

    HWND Active = nullptr;
    std::map<HWND, bool> Maximized;
    std::map<HWND, TovBarManager*> Managers;
    bool SystemMenus = true;
};

// A child form with a manager whose main menu holds one item.
struct Child {
    TForm* Form = nullptr;
    TovBarManager* Manager = nullptr;
    TovBar* Menu = nullptr;
    HWND Window() const { return Form->Handle(); }
};

class MDIStateTest : public BarsTest, public IovBarMergeOperationHandler {
protected:
    void SetUp() override {
        BarsTest::SetUp();
        previousSource = ovSetBarMDISource(&source);
        frame = MakeManager();
        mainMenu = frame->AddToolbar(true, false);
        frame->MDIStateChangedHandlers()->Add(TuiEventHandler(
            [this](TObject*, void* AData) {
                auto* data = static_cast<TovBarMDIStateChangedEventData*>(AData);
                events.push_back(std::to_string(data->Change) + " " + NameOf(data->Window));
            },
            this));
        frame->OnMerge = TovBarMergeEvent(
            [this](TovBarManager*, TovBarManager* AChild, bool AAdd) {
                events.push_back(std::string(AAdd ? "merge " : "unmerge ") +
                                 NameOf(AChild->OwnerWinControl()->Handle()));
            },
            this);
    }
    void TearDown() override {
        for (Child& child : children)
            child.Form->Free();
        ovSetBarMDISource(previousSource);
        BarsTest::TearDown();
    }
    bool HandleMergeOperation(TovBarManager* AChild, TovBarMergeOperation AOperation) override {
        events.push_back(std::string("handler ") + (AOperation == bmoMerge ? "merge " : "unmerge ") +
                         NameOf(AChild->OwnerWinControl()->Handle()));
        return handlerTakesIt;
    }

    Child& AddChild(const std::string& AName) {
        Child child;
        child.Form = TCustomForm::New<TForm>(nullptr);
        child.Form->SetName(AName);
        child.Form->HandleNeeded();
        child.Manager = new TovBarManager(child.Form);
        child.Menu = child.Manager->AddToolbar(true, false);
        auto* item = new TovBarButton(child.Form);
        item->SetCaption(AName + " command");
        child.Menu->ItemLinks()->AddItem(item);
        source.Managers[child.Window()] = child.Manager;
        children.push_back(child);
        return children.back();
    }
    std::string NameOf(HWND AWindow) const {
        for (const Child& child : children)
            if (child.Window() == AWindow) return child.Form->Name();
        return "?";
    }
    // The captions on the frame's main menu, the system-menu item shown as "[system]".
    std::vector<std::string> MenuEntries() const {
        std::vector<std::string> entries;
        for (int i = 0; i < mainMenu->ItemLinks()->Count(); ++i) {
            TovBarItem* item = mainMenu->ItemLinks()->Items(i)->Item();
            entries.push_back(dynamic_cast<TSystemMenuSubItem*>(item) ? "[system]" : item->Caption());
        }
        return entries;
    }
    void Activate(const Child& AChild, bool AMaximized) {
        source.Active = AChild.Window();
        source.Maximized[AChild.Window()] = AMaximized;
        frame->CheckMDIState();
    }
    std::vector<std::string> TakeEvents() { return std::exchange(events, {}); }

    TestMDISource source;
    IovBarMDISource* previousSource = nullptr;
    TovBarManager* frame = nullptr;
    TovBar* mainMenu = nullptr;
    std::deque<Child> children; // references to its entries stay valid
    std::vector<std::string> events;
    bool handlerTakesIt = false;
};

} // namespace

TEST_F(MDIStateTest, MaximizingTheActiveChildShowsItsSystemMenuAndMergesItsMenu) {
    Child& a = AddChild("A");
    Activate(a, false);
    EXPECT_EQ(TakeEvents(), std::vector<std::string>{"0 A"});
    EXPECT_TRUE(MenuEntries().empty());
    Activate(a, true);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"merge A", "2 A"}));
    EXPECT_EQ(MenuEntries(), (std::vector<std::string>{"[system]", "A command"}));
    ASSERT_EQ(frame->MDIStateHelper()->SystemMenuItemCount(), 1);
    EXPECT_EQ(frame->MDIStateHelper()->SystemMenuItems(0)->MDIChild(), a.Window());
    EXPECT_EQ(frame->IndexOfItem(frame->MDIStateHelper()->SystemMenuItems(0)), -1) << "an internal item";
    EXPECT_FALSE(a.Menu->Visible());
    frame->CheckMDIState();
    EXPECT_TRUE(TakeEvents().empty()) << "nothing changed";
    Activate(a, false);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"unmerge A", "2 A"}));
    EXPECT_TRUE(MenuEntries().empty());
    EXPECT_TRUE(a.Menu->Visible());
}

TEST_F(MDIStateTest, SwitchingMaximizedChildrenUnmergesTheOldOneFirst) {
    Child& a = AddChild("A");
    Child& b = AddChild("B");
    Activate(a, true);
    TakeEvents();
    Activate(b, true);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"unmerge A", "1 A", "merge B", "0 B"}));
    EXPECT_EQ(MenuEntries(), (std::vector<std::string>{"[system]", "B command"}));
    EXPECT_EQ(frame->MDIStateHelper()->SystemMenuItems(0)->MDIChild(), b.Window());
    source.Active = nullptr;
    frame->CheckMDIState();
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"unmerge B", "1 B"}));
    EXPECT_TRUE(MenuEntries().empty());
}

TEST_F(MDIStateTest, AlwaysMergeMergesOnActivationAndIgnoresMaximizing) {
    frame->AlwaysMerge = true;
    Child& a = AddChild("A");
    Activate(a, false);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"merge A", "0 A"}));
    Activate(a, true);
    EXPECT_EQ(TakeEvents(), std::vector<std::string>{"2 A"});
    EXPECT_EQ(MenuEntries(), (std::vector<std::string>{"[system]", "A command"}));
    Activate(a, false);
    EXPECT_EQ(TakeEvents(), std::vector<std::string>{"2 A"});
    EXPECT_EQ(MenuEntries(), std::vector<std::string>{"A command"}) << "still merged";
}

TEST_F(MDIStateTest, MergeOperationHandlersMayTakeTheMergeUnlessOnMergeIsSet) {
    Child& a = AddChild("A");
    frame->AddMergeOperationHandler(this);
    handlerTakesIt = true;
    frame->OnMerge = nullptr;
    Activate(a, true);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"handler merge A", "0 A"}));
    EXPECT_EQ(MenuEntries(), std::vector<std::string>{"[system]"}) << "the handler merged its own way";
    handlerTakesIt = false;
    Activate(a, false);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"handler unmerge A", "2 A"}));
    frame->OnMerge =
        TovBarMergeEvent([this](TovBarManager*, TovBarManager*, bool) { events.push_back("OnMerge"); }, this);
    handlerTakesIt = true;
    Activate(a, true);
    EXPECT_EQ(TakeEvents(), (std::vector<std::string>{"OnMerge", "2 A"}))
        << "with OnMerge no handler is asked";
    frame->RemoveMergeOperationHandler(this);
}

TEST_F(MDIStateTest, ChildrenWithoutAManagerOrASystemMenu) {
    Child& a = AddChild("A");
    source.Managers.clear();
    source.SystemMenus = false;
    Activate(a, true);
    EXPECT_EQ(TakeEvents(), std::vector<std::string>{"0 A"});
    EXPECT_TRUE(MenuEntries().empty());
}

TEST_F(MDIStateTest, SystemCommandsGoToTheActiveChild) {
    Child& a = AddChild("A");
    a.Form->Show();
    frame->SendMDIChildSysCommand(0);
    EXPECT_FALSE(IsIconic(a.Window())) << "no active child yet";
    source.Active = a.Window();
    frame->SendMDIChildSysCommand(3);
    EXPECT_FALSE(IsIconic(a.Window()));
    frame->SendMDIChildSysCommand(0);
    EXPECT_TRUE(IsIconic(a.Window()));
    frame->SendMDIChildSysCommand(1);
    EXPECT_FALSE(IsIconic(a.Window()));
}

TEST_F(MDIStateTest, TheProgramHasNoActiveChild) {
    ovSetBarMDISource(nullptr);
    EXPECT_EQ(GetActiveMDIChildHandle(), nullptr);
    frame->CheckMDIState();
    EXPECT_TRUE(events.empty());
    ovSetBarMDISource(&source);
}
