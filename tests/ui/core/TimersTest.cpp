#include "UiCoreTestSupport.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/win/WinUser.h"
#include "ui/core/UiCoreInit.h"
#include "ui/core/base/Components.h"
#include "ui/core/base/ObjectLinks.h"
#include "ui/core/base/Timers.h"

#include <vector>

using namespace ui_core_test;

namespace {

class TimersTest : public UiCoreTest {};

TEST_F(TimersTest, FiresEveryIntervalOnTheSharedWindow) {
    std::vector<TObject*> fired;
    TuiTimer timer(nullptr);
    timer.SetInterval(100);
    timer.SetOnTimer(TNotifyEvent([&](TObject* s) { fired.push_back(s); }, this));
    EXPECT_TRUE(timer.Running());
    EXPECT_EQ(uiActiveTimerCount(), 1);
    Run(99);
    EXPECT_TRUE(fired.empty());
    Run(1);
    ASSERT_EQ(fired.size(), 1u);
    EXPECT_EQ(fired[0], &timer);
    Run(100);
    EXPECT_EQ(fired.size(), 2u);
}

TEST_F(TimersTest, ChangesRestartTheCountAndAZeroIntervalIsIgnored) {
    int fired = 0;
    TuiTimer timer(nullptr);
    timer.SetOnTimer(TNotifyEvent([&](TObject*) { ++fired; }, this));
    Run(600);
    timer.SetInterval(0);
    EXPECT_EQ(timer.Interval(), 1000u);
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.Running());
    EXPECT_EQ(uiActiveTimerCount(), 0);
    timer.SetEnabled(true);
    Run(600); // 1200 since the start, but the count restarted at 600
    EXPECT_EQ(fired, 0);
    Run(400);
    EXPECT_EQ(fired, 1);
    timer.SetOnTimer(nullptr); // no handler: stopped, though still enabled
    EXPECT_TRUE(timer.Enabled());
    EXPECT_FALSE(timer.Running());
    Run(2000);
    EXPECT_EQ(fired, 1);
}

TEST_F(TimersTest, AStaleTimerMessageReachesNoTimerAndIdsAreNeverReused) {
    int firedOld = 0, firedNew = 0;
    auto* old = uiCreateTimer(50, true, TNotifyEvent([&](TObject*) { ++firedOld; }, this));
    const UINT_PTR oldIdent = old->TimerIdent();
    // A WM_TIMER of the old timer is queued, then the timer is freed and another one made.
    PostMessage(uiSharedTimerWindow()->Handle(), WM_TIMER, oldIdent, 0);
    delete old;
    TuiTimer fresh(nullptr);
    fresh.SetInterval(50);
    fresh.SetOnTimer(TNotifyEvent([&](TObject*) { ++firedNew; }, this));
    EXPECT_GT(fresh.TimerIdent(), oldIdent);
    Pump();
    EXPECT_EQ(firedOld, 0);
    EXPECT_EQ(firedNew, 0);
    Run(50);
    EXPECT_EQ(firedNew, 1);
}

TEST_F(TimersTest, ATimerMayFreeItselfWhenItFires) {
    int fired = 0;
    TuiTimer* timer = nullptr;
    timer = uiCreateTimer(10, true,
                          TNotifyEvent(
                              [&](TObject*) {
                                  ++fired;
                                  delete timer;
                              },
                              this));
    Run(10);
    Run(10);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(uiActiveTimerCount(), 0);
}

TEST_F(TimersTest, AfterShutDownTimersNoLongerStart) {
    TuiTimer timer(nullptr);
    timer.SetOnTimer(TNotifyEvent([](TObject*) {}, this));
    EXPECT_TRUE(timer.Running());
    uiCoreFinalize();
    EXPECT_FALSE(timer.Running());
    EXPECT_EQ(uiSharedTimerWindow(), nullptr);
    timer.SetInterval(20);
    EXPECT_FALSE(timer.Running());
    uiCoreInitialize();
    timer.SetInterval(30);
    EXPECT_TRUE(timer.Running());
}

TEST(ObjectLinksTest, LinksAreClearedWhenTheComponentGoes) {
    auto* component = new TuiComponent(nullptr);
    TuiObjectLink* a = uiAddObjectLink(component);
    TuiObjectLink* b = uiAddObjectLink(component);
    EXPECT_EQ(uiAddObjectLink(nullptr), nullptr);
    EXPECT_EQ(uiLiveObjectLinkCount(), 2);
    uiRemoveObjectLink(b);
    EXPECT_EQ(uiLiveObjectLinkCount(), 1);
    component->Free();
    EXPECT_EQ(a->Ref, nullptr);
    EXPECT_EQ(uiLiveObjectLinkCount(), 0);
    EXPECT_TRUE(uiObjectLinkControllerExists()); // a link is still outstanding
    uiRemoveObjectLink(a);
    EXPECT_FALSE(uiObjectLinkControllerExists());
    uiRemoveObjectLink(nullptr);
}

TEST(ObjectLinksTest, TheCallOutIdiomLearnsOfDestructionDuringACall) {
    auto* component = new TuiComponent(nullptr);
    TNotifyEvent event([&](TObject*) { component->Free(); }, nullptr);
    TuiObjectLink* link = uiAddObjectLink(component);
    event(component);
    EXPECT_EQ(link->Ref, nullptr);
    uiRemoveObjectLink(link);
}

class Scaled : public TuiScalableComponent {
public:
    using TuiScalableComponent::TuiScalableComponent;
    std::vector<std::pair<int, int>> scales;

protected:
    void ChangeScale(int M, int D) override { scales.emplace_back(M, D); }
};

TEST(ComponentsTest, ScalableComponentRescalesWhenLoadedAtAnotherDpi) {
    TComponent form(nullptr);
    Scaled* designedLarger = nullptr;
    Scaled* fixed = nullptr;
    {
        // As a form builds itself: the stored DPI is set while loading, Loaded runs at the end.
        TComponentLoading loading(&form);
        designedLarger = new Scaled(&form);
        EXPECT_EQ(designedLarger->PixelsPerInch, 96);
        designedLarger->PixelsPerInch = 120;
        fixed = new Scaled(&form);
        fixed->PixelsPerInch = 144;
        fixed->Scalable = false;
        EXPECT_TRUE(designedLarger->scales.empty());
    }
    EXPECT_EQ(designedLarger->scales, (std::vector<std::pair<int, int>>{{96, 120}}));
    EXPECT_EQ(designedLarger->PixelsPerInch, 96);
    EXPECT_TRUE(fixed->scales.empty());
    EXPECT_EQ(fixed->PixelsPerInch, 96);
}

class Linking : public TuiComponent {
public:
    using TuiComponent::TuiComponent;
    std::vector<TComponent*> offered;
    void FinishLoading() { Loaded(); }

protected:
    void GetPlaceholderLinks(TList* AList) override {
        for (TComponent* c : offered)
            AList->Add(c);
    }
};

TEST(ComponentsTest, PlaceholderLinksAreFilledAtDesignTimeOnly) {
    TComponent form(nullptr);
    auto* component = new Linking(&form);
    TComponent a(nullptr), b(nullptr);
    component->offered = {&a, &b};
    component->FinishLoading();
    EXPECT_EQ(component->FakeComponentLink(0), nullptr); // not designing: untouched
    form.SetDesigning(true);
    component->FinishLoading();
    EXPECT_EQ(component->FakeComponentLink(0), &a);
    EXPECT_EQ(component->FakeComponentLink(1), &b);
    EXPECT_EQ(component->FakeComponentLink(2), nullptr);
    component->offered = {&b};
    component->FinishLoading();
    EXPECT_EQ(component->FakeComponentLink(0), &b);
    EXPECT_EQ(component->FakeComponentLink(1), nullptr);
}

TEST(ComponentsTest, SmallRoutines) {
    EXPECT_EQ(uiGetRangeCenter(-3, 0), -2);
    EXPECT_EQ(uiGetRangeCenter(3, 0), 1);
    EXPECT_EQ(CharByteLengthAt("a\xC3\xA9\xE2\x82\xAC", 2), 2);
    EXPECT_EQ(CharByteLengthAt("a\xC3\xA9\xE2\x82\xAC", 4), 3);
    EXPECT_EQ(CharByteLengthAt("a", 1), 1);
}

struct Handlers : TObject {
    void First(TObject*) {}
    void Second(TObject*) {}
};

TEST(ComponentsTest, SameMethodComparesObjectAndCode) {
    Handlers a, b;
    EXPECT_TRUE(uiIsSameMethod(TNotifyEvent(&a, &Handlers::First), TNotifyEvent(&a, &Handlers::First)));
    EXPECT_FALSE(uiIsSameMethod(TNotifyEvent(&a, &Handlers::First), TNotifyEvent(&a, &Handlers::Second)));
    EXPECT_FALSE(uiIsSameMethod(TNotifyEvent(&a, &Handlers::First), TNotifyEvent(&b, &Handlers::First)));
}

} // namespace
