// The navigation controller over a fake helper tree: key tips shown, narrowed by typing, run by a whole
// key tip, kept with a beep by a letter that matches nothing, left one container at a time by Escape;
// the 500 ms wait on the fake clock; arrows to the nearest object in their direction and Tab in logical
// order; a mouse-down and a dying owner ending what refers to them.
#include "NavigationTestSupport.h"

#include "platform/win/Screen.h"
#include "platform/win/WinKeys.h"
#include "ui/bars/navigation/BarNavigationController.h"
#include "ui/core/base/CoreServices.h"

using namespace navigation_test;

namespace {

class NavigationControllerTest : public NavigationTest {
protected:
    void SetUp() override {
        NavigationTest::SetUp();
        rootRef = MakeRoot("root", TRect{0, 0, 500, 100});
        root = static_cast<FakeHelper*>(rootRef.Get());
        root->Windows = &windows;
        root->Events = &events;
        controller = BarNavigationController();
    }

    RecordingKeyTipWindows windows;
    std::vector<std::string> events;
    TovBarHelperRef rootRef;
    FakeHelper* root = nullptr;
    TovBarNavigationController* controller = nullptr;
};

TEST_F(NavigationControllerTest, TypingNarrowsTheKeyTipsAndAWholeKeyTipRunsItsItem) {
    FakeHelper* f = root->Add("file", TRect{0, 0, 40, 20});
    f->UserKeyTip = "F";
    FakeHelper* fa = root->Add("format", TRect{40, 0, 80, 20});
    fa->UserKeyTip = "FA";
    FakeHelper* h = root->Add("help", TRect{80, 0, 120, 20});
    h->UserKeyTip = "H";

    controller->ShowKeyTips(root, "");
    EXPECT_EQ(windows.Shown(), (std::vector<std::string>{"F1", "FA", "H"}));
    EXPECT_EQ(windows.Updates, 0) << "every BeginUpdate has its EndUpdate";

    controller->ProcessKey('F', {});
    EXPECT_EQ(controller->TypedText(), "F");
    EXPECT_EQ(windows.Shown(), (std::vector<std::string>{"F1", "FA"})) << "H does not begin with F";
    EXPECT_EQ(f->Executed + fa->Executed, 0);

    controller->ProcessKey('1', {});
    EXPECT_EQ(f->Executed, 1);
    EXPECT_EQ(fa->Executed, 0);
}

TEST_F(NavigationControllerTest, ALetterThatBeginsNoKeyTipBeepsAndKeepsThem) {
    root->Add("file", TRect{0, 0, 40, 20})->UserKeyTip = "F";
    root->Add("edit", TRect{40, 0, 80, 20})->UserKeyTip = "E";
    controller->ShowKeyTips(root, "");
    const int beeps = olva::win::BeepCount();
    controller->ProcessKey('Q', {});
    EXPECT_EQ(olva::win::BeepCount(), beeps + 1);
    EXPECT_TRUE(controller->AreKeyTipsShown());
    EXPECT_EQ(windows.Shown(), (std::vector<std::string>{"F", "E"}));
    EXPECT_EQ(controller->TypedText(), "");
}

TEST_F(NavigationControllerTest, ADisabledKeyTipIsShownButDoesNotRun) {
    FakeHelper* item = root->Add("cut", TRect{0, 0, 40, 20});
    item->UserKeyTip = "X";
    item->KeyTipEnabled = false;
    controller->ShowKeyTips(root, "");
    controller->ProcessKey('X', {});
    EXPECT_EQ(item->Executed, 0);
}

TEST_F(NavigationControllerTest, EscapeStepsOutOneContainerAndAtTheTopEndsKeyboardHandling) {
    root->Container = true;
    FakeHelper* tab = root->Add("home", TRect{0, 0, 60, 20});
    tab->UserKeyTip = "H";
    tab->Container = true;
    FakeHelper* paste = tab->Add("paste", TRect{0, 30, 40, 60});
    paste->UserKeyTip = "V";
    tab->Selectable = false; // its items carry the key tips while its own are shown
    controller->ShowKeyTips(tab, "");
    EXPECT_EQ(windows.Shown(), (std::vector<std::string>{"V"}));

    tab->Selectable = true;
    controller->ProcessKey(VK_ESCAPE, {});
    EXPECT_EQ(controller->KeyTipContainer(), root) << "the enclosing container's key tips are back";
    EXPECT_EQ(windows.Shown(), (std::vector<std::string>{"H"}));
    EXPECT_EQ(controller->GetSelectedObject(), tab) << "with the container that was left selected";

    controller->ProcessKey(VK_ESCAPE, {});
    EXPECT_FALSE(controller->AreKeyTipsShown());
    EXPECT_TRUE(windows.Shown().empty());
    EXPECT_EQ(controller->GetSelectedObject(), nullptr);
}

TEST_F(NavigationControllerTest, AltHeldFiveHundredMillisecondsShowsTheKeyTips) {
    root->Add("file", TRect{0, 0, 40, 20})->UserKeyTip = "F";
    for (const bool held : {false, true}) {
        controller->SetAltAlone(true);
        controller->BeginKeyTipWait(root);
        Run(499);
        EXPECT_FALSE(controller->AreKeyTipsShown());
        EXPECT_TRUE(controller->IsWaitingForKeyTips());
        if (!held) controller->SetAltAlone(false); // another key came between
        Run(1);
        EXPECT_EQ(controller->AreKeyTipsShown(), held);
        EXPECT_EQ(windows.Shown().size(), held ? 1u : 0u);
        controller->HideKeyTips();
        controller->EndKeyTipWait(false);
    }
}

TEST_F(NavigationControllerTest, AWaitForAnotherContainerIsReplacedNotRefused) {
    // The keyboard hook starts waits on Alt-down: an exception there would leave the hook.
    TovBarHelperRef otherRef = MakeRoot("other", TRect{0, 200, 100, 220});
    auto* other = static_cast<FakeHelper*>(otherRef.Get());
    other->Windows = &windows;
    other->Add("x", TRect{0, 200, 20, 220})->UserKeyTip = "X";
    root->Add("file", TRect{0, 0, 40, 20})->UserKeyTip = "F";

    EXPECT_THROW(controller->BeginKeyTipWait(nullptr), EovException);
    controller->SetAltAlone(true);
    controller->BeginKeyTipWait(root);
    Run(300);
    EXPECT_NO_THROW(controller->BeginKeyTipWait(other));
    EXPECT_EQ(controller->KeyTipWaitRoot(), other);
    Run(300);
    EXPECT_FALSE(controller->AreKeyTipsShown()) << "the new wait runs its own 500 ms";
    Run(200);
    EXPECT_EQ(controller->KeyTipContainer(), other);
    EXPECT_EQ(windows.Shown(), (std::vector<std::string>{"X"}));
}

TEST_F(NavigationControllerTest, ATypedKeyTipWhileWaitingRunsWithoutWaiting) {
    FakeHelper* file = root->Add("file", TRect{0, 0, 40, 20});
    file->UserKeyTip = "F";
    controller->SetAltAlone(true);
    controller->BeginKeyTipWait(root);
    EXPECT_FALSE(controller->IsKeyTipKey('Q', {ssAlt})) << "Alt+Q begins no key tip: an accelerator";
    EXPECT_TRUE(controller->IsKeyTipKey('F', {ssAlt}));
    EXPECT_TRUE(controller->IsKeyForNavigation('F', {ssAlt}));
    controller->ProcessKey('F', {ssAlt});
    EXPECT_EQ(file->Executed, 1);
    EXPECT_FALSE(controller->IsWaitingForKeyTips());
    Run(1000);
    EXPECT_FALSE(controller->AreKeyTipsShown());
}

// A grid of items: A B on the first row, C under A, D far away, E overlapping A's row only in part.
class DirectionalNavigationTest : public NavigationControllerTest {
protected:
    void SetUp() override {
        NavigationControllerTest::SetUp();
        a = root->Add("A", TRect{0, 0, 50, 20});
        b = root->Add("B", TRect{60, 0, 110, 20});
        c = root->Add("C", TRect{0, 30, 50, 50});
        d = root->Add("D", TRect{300, 60, 350, 80});
        e = root->Add("E", TRect{120, 10, 170, 40});
        all = {a, b, c, d, e};
    }
    FakeHelper *a, *b, *c, *d, *e;
    std::vector<FakeHelper*> all;
};

TEST_F(DirectionalNavigationTest, ArrowsGoToTheNearestObjectInTheirDirection) {
    const struct {
        FakeHelper** From;
        WORD Key;
        FakeHelper** To;
    } cases[] = {
        {&a, VK_RIGHT, &b},     {&b, VK_RIGHT, &e}, {&b, VK_LEFT, &a},
        {&a, VK_DOWN, &c},      {&c, VK_UP, &a},    {&a, VK_UP, nullptr}, // nothing above
        {&b, VK_DOWN, nullptr}, // C is below but does not overlap B across
        {&d, VK_UP, nullptr},
    };
    for (const auto& k : cases) {
        controller->ChangeSelectedObject(false, *k.From);
        controller->ProcessKey(k.Key, {});
        FakeHelper* expected = k.To != nullptr ? *k.To : *k.From;
        EXPECT_EQ(controller->GetSelectedObject(), expected) << (*k.From)->Name << " key " << k.Key;
    }
}

TEST_F(DirectionalNavigationTest, NeverTheSourceNeverWithoutCrossAxisOverlap) {
    for (FakeHelper* from : all)
        for (int direction = bndLeft; direction <= bndDown; ++direction) {
            controller->ChangeSelectedObject(false, from);
            TovBarAccessibilityHelper* to = from->GetNextAccessibleObject(direction);
            if (to == nullptr) continue;
            EXPECT_NE(to, from);
            const TRect S = from->ScreenBounds(), B = to->ScreenBounds();
            if (direction == bndUp || direction == bndDown)
                EXPECT_TRUE(S.left < B.right && B.left < S.right) << from->Name << " " << direction;
            else
                EXPECT_TRUE(S.top < B.bottom && B.top < S.bottom) << from->Name << " " << direction;
        }
}

TEST_F(NavigationControllerTest, TabGoesInLogicalOrderAndShiftTabBack) {
    FakeHelper* g1 = root->Add("g1", TRect{0, 0, 100, 20}, false);
    FakeHelper* a = g1->Add("a", TRect{0, 0, 40, 20});
    g1->Add("b", TRect{50, 0, 90, 20});
    FakeHelper* g2 = root->Add("g2", TRect{0, 30, 100, 50}, false);
    g2->Add("c", TRect{0, 30, 40, 50}, false); // not selectable: skipped
    g2->Add("d", TRect{50, 30, 90, 50});
    FakeHelper* hidden = g2->Add("e", TRect{50, 60, 90, 80});
    hidden->Visible = false;

    controller->ChangeSelectedObject(true, a);
    std::vector<std::string> order;
    for (int i = 0; i < 4; ++i) {
        controller->ProcessKey(VK_TAB, {});
        order.push_back(static_cast<FakeHelper*>(controller->GetSelectedObject())->Name);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"b", "d", "a", "b"})) << "round at the end";
    order.clear();
    for (int i = 0; i < 4; ++i) {
        controller->ProcessKey(VK_TAB, {ssShift});
        order.push_back(static_cast<FakeHelper*>(controller->GetSelectedObject())->Name);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"a", "d", "b", "a"}));
}

TEST_F(NavigationControllerTest, AMouseDownEndsNavigation) {
    root->Add("a", TRect{0, 0, 40, 20});
    root->Add("b", TRect{50, 0, 90, 20});
    controller->EnterNavigationMode(root);
    EXPECT_TRUE(controller->NavigationMode());
    ASSERT_NE(controller->GetSelectedObject(), nullptr);
    events.clear();
    controller->MouseDown();
    EXPECT_FALSE(controller->NavigationMode());
    EXPECT_EQ(controller->GetSelectedObject(), nullptr);
    EXPECT_EQ(events, (std::vector<std::string>{"lose a"}));
}

TEST_F(NavigationControllerTest, AnObjectWhoseOwnerIsGoneIsForgotten) {
    FakeHelper* a = root->Add("a", TRect{0, 0, 40, 20});
    a->UserKeyTip = "A";
    controller->ChangeSelectedObject(false, a);
    a->Owner.reset();
    EXPECT_EQ(controller->GetSelectedObject(), nullptr);
    controller->ShowKeyTips(root, "");
    EXPECT_TRUE(windows.Shown().empty()) << "a dead owner gives no key tip";
    root->Owner.reset();
    controller->ProcessKey(VK_RIGHT, {});
    EXPECT_FALSE(controller->AreKeyTipsShown()) << "the container went with its owner";
}

} // namespace
