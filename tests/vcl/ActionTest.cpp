#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/ImageList.h"

#include "platform/rtl/Exceptions.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace action_test {

// A client link that records what the action tells it; the hint is not taken from the action.
class TRecordingLink : public TActionLink {
public:
    TRecordingLink() : TActionLink(nullptr) {}
    bool IsHintLinked() override { return false; }
    void SetCaption(const std::string& Value) override { Log.push_back("caption " + Value); }
    void SetChecked(bool Value) override { Log.push_back(Value ? "checked" : "unchecked"); }
    void SetEnabled(bool Value) override { Log.push_back(Value ? "enabled" : "disabled"); }
    void SetHint(const std::string& Value) override { Log.push_back("hint " + Value); }
    void SetImageIndex(int Value) override { Log.push_back("image " + std::to_string(Value)); }
    void SetShortCut(TShortCut Value) override { Log.push_back("shortcut " + ShortCutToText(Value)); }
    void SetVisible(bool Value) override { Log.push_back(Value ? "shown" : "hidden"); }
    std::vector<std::string> Log;
};

class ActionTest : public ::testing::Test {
protected:
    void SetUp() override { owner = std::make_unique<TComponent>(nullptr); }
    void TearDown() override {
        SetApplicationActionHandlers(nullptr, nullptr);
        owner.reset();
    }
    TAction* NewAction(TCustomActionList* list = nullptr) {
        auto* action = new TAction(owner.get());
        action->SetActionList(list);
        return action;
    }
    std::unique_ptr<TComponent> owner;
};

} // namespace action_test

using namespace action_test;

TEST_F(ActionTest, ExecuteRunsTheHandlerOnlyWhenEnabled) {
    TAction* action = NewAction();
    int runs = 0;
    EXPECT_FALSE(action->Execute()); // no handler: disabled by the update that precedes execution
    EXPECT_FALSE(action->Enabled());
    action->SetOnExecute([&runs](TObject*) { ++runs; });
    EXPECT_TRUE(action->Execute());
    EXPECT_TRUE(action->Enabled());
    EXPECT_EQ(runs, 1);
    // An update handler that disables the action keeps it from running.
    action->OnUpdate = [action](TObject*) { action->SetEnabled(false); };
    EXPECT_FALSE(action->Execute());
    EXPECT_EQ(runs, 1);
    action->SetDisableIfNoHandler(false);
    action->OnUpdate = nullptr;
    action->SetEnabled(true);
    action->SetOnExecute(nullptr);
    EXPECT_FALSE(action->Execute());
    EXPECT_TRUE(action->Enabled());
}

TEST_F(ActionTest, AListsUpdateHandlerDecidesTheEnabledState) {
    // The handler sets every command's state and leaves Handled alone, as the program's windows do.
    auto* list = new TActionList(owner.get());
    TAction* record = NewAction(list);
    TAction* pause = NewAction(list);
    record->SetOnExecute([](TObject*) {});
    pause->SetOnExecute([](TObject*) {});
    bool recording = false;
    list->OnUpdate = [&](TBasicAction*, bool&) {
        record->SetEnabled(!recording);
        pause->SetEnabled(recording);
    };
    list->UpdateActions();
    EXPECT_TRUE(record->Enabled());
    EXPECT_FALSE(pause->Enabled());
    recording = true;
    list->UpdateActions();
    EXPECT_FALSE(record->Enabled());
    EXPECT_TRUE(pause->Enabled());
}

TEST_F(ActionTest, TheListThenTheApplicationMayHandleFirst) {
    auto* list = new TActionList(owner.get());
    TAction* action = NewAction(list);
    std::vector<std::string> order;
    action->SetOnExecute([&](TObject*) { order.push_back("action"); });
    bool listHandles = true, appHandles = true;
    list->OnExecute = [&](TBasicAction* a, bool& handled) {
        EXPECT_EQ(a, action);
        order.push_back("list");
        handled = listHandles;
    };
    SetApplicationActionHandlers(
        [&](TBasicAction*) {
            order.push_back("application");
            return appHandles;
        },
        nullptr);
    action->Execute();
    listHandles = false;
    action->Execute();
    appHandles = false;
    action->Execute();
    const std::vector<std::string> expected = {"list", "list",        "application",
                                               "list", "application", "action"};
    EXPECT_EQ(order, expected);
}

TEST_F(ActionTest, LinksCarryPropertyChangesToTheirClients) {
    TAction* action = NewAction();
    auto link = std::make_unique<TRecordingLink>();
    link->SetAction(action);
    EXPECT_EQ(action->ClientCount(), 1);
    action->SetCaption("&Open");
    action->SetCaption("&Open");     // unchanged: nothing sent
    action->SetHint("Opens a file"); // the hint is not linked
    action->SetImageIndex(3);
    action->SetShortCut(scCtrl | 'O');
    action->SetVisible(false);
    const std::vector<std::string> expected = {"caption &Open", "image 3", "shortcut Ctrl+O", "hidden"};
    EXPECT_EQ(link->Log, expected);
    EXPECT_EQ(action->Hint(), "Opens a file");

    link.reset(); // a client that goes away leaves the action
    EXPECT_EQ(action->ClientCount(), 0);
    auto survivor = std::make_unique<TRecordingLink>();
    survivor->SetAction(action);
    delete action; // an action that goes away leaves its clients with nothing
    EXPECT_EQ(survivor->Action(), nullptr);
    EXPECT_FALSE(survivor->Execute());
}

TEST_F(ActionTest, GroupsAndAutoCheck) {
    auto* list = new TActionList(owner.get());
    TAction* a = NewAction(list);
    TAction* b = NewAction(list);
    TAction* other = NewAction(list);
    for (TAction* action : {a, b}) {
        action->SetGroupIndex(1);
        action->SetAutoCheck(true);
        action->SetOnExecute([](TObject*) {});
    }
    other->SetChecked(true);
    a->Execute();
    EXPECT_TRUE(a->Checked());
    b->Execute();
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(other->Checked()); // not in the group
    b->Execute();                  // a checked member of a group stays checked
    EXPECT_TRUE(b->Checked());

    other->SetAutoCheck(true);
    other->SetOnExecute([](TObject*) {});
    other->Execute();
    EXPECT_FALSE(other->Checked());
}

TEST_F(ActionTest, ShortCutsFindTheirActions) {
    auto* list = new TActionList(owner.get());
    TAction* save = NewAction(list);
    TAction* copy = NewAction(list);
    int saves = 0, copies = 0;
    save->SetShortCut(scCtrl | 'S');
    save->SetOnExecute([&saves](TObject*) { ++saves; });
    copy->SecondaryShortCuts().Add("Ctrl+Ins");
    copy->SetShortCut(scCtrl | 'C');
    copy->SetOnExecute([&copies](TObject*) { ++copies; });
    EXPECT_TRUE(list->IsShortCut(scCtrl | 'S'));
    EXPECT_TRUE(list->IsShortCut(scCtrl | 0x2D));
    EXPECT_FALSE(list->IsShortCut(scCtrl | 'X'));
    EXPECT_FALSE(list->IsShortCut(scNone));
    EXPECT_EQ(saves, 1);
    EXPECT_EQ(copies, 1);
    // A disabled action still takes its key, without running.
    save->OnUpdate = [save](TObject*) { save->SetEnabled(false); };
    EXPECT_TRUE(list->IsShortCut(scCtrl | 'S'));
    EXPECT_EQ(saves, 1);
    list->SetState(asSuspended);
    EXPECT_FALSE(list->IsShortCut(scCtrl | 'C'));
    EXPECT_EQ(copies, 1);
    list->SetState(asNormal);
    // From a key message: Alt comes from the key data.
    olva::win::ResetWindowSystem();
    copy->SetShortCut(scAlt | 'C');
    EXPECT_TRUE(list->IsShortCutKey('C', 0x20000000));
    EXPECT_FALSE(list->IsShortCutKey('C', 0));
    EXPECT_EQ(copies, 2);
}

TEST_F(ActionTest, HintsAndIdleUpdates) {
    auto* list = new TActionList(owner.get());
    TAction* action = NewAction(list);
    action->OnHint = [](std::string& hint, bool& show) {
        hint += " (Ctrl+O)";
        show = hint.rfind("Open", 0) == 0;
    };
    std::string hint = "Open a file";
    EXPECT_TRUE(action->DoHint(hint));
    EXPECT_EQ(hint, "Open a file (Ctrl+O)");
    hint = "Close";
    EXPECT_FALSE(action->DoHint(hint));

    int updates = 0;
    list->OnUpdate = [&updates](TBasicAction*, bool& handled) {
        ++updates;
        handled = true;
    };
    NewAction(list);
    list->UpdateActions();
    EXPECT_EQ(updates, 2);
    EXPECT_TRUE(action->Enabled()); // handled by the list: DisableIfNoHandler does not apply
}

TEST_F(ActionTest, ListsKeepOrderImagesAndFreeTheirActions) {
    auto* list = new TActionList(owner.get());
    TAction* first = NewAction(list);
    TAction* second = NewAction(list);
    EXPECT_EQ(second->Index(), 1);
    second->SetIndex(0);
    EXPECT_EQ(list->Actions(0), second);
    EXPECT_THROW(list->Actions(5), EListError);
    delete first;
    EXPECT_EQ(list->ActionCount(), 1);

    int changes = 0;
    list->OnChange = [&changes](TObject*) { ++changes; };
    auto* images = new TImageList(owner.get());
    list->SetImages(images);
    images->SetBkColor(clRed); // the list hears of its images' changes
    EXPECT_EQ(changes, 2);
    delete images;
    EXPECT_EQ(list->Images(), nullptr);

    const int before = owner->ComponentCount();
    delete list; // takes its actions with it
    EXPECT_EQ(owner->ComponentCount(), before - 2);
}
