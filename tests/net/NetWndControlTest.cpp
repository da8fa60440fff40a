#include "net/NetWndControl.h"
#include "net/NetExceptions.h"
#include "net/NetTimer.h"
#include "platform/rtl/Clock.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

#include <memory>
#include <thread>

namespace {

// A control that needs a chosen count of numbers and records what reaches it.
class TCountingControl : public TNetWndControl {
public:
    TCountingControl(int count) : TNetWndControl(nullptr), FNeeded(count) { GetWindowHandle(); }
    ~TCountingControl() override { FinalizeWindow(); }
    std::vector<UINT> Numbers;
    std::vector<UINT> Seen;
    bool ThrowOnMessage = false;
    int Aborts = 0;
    bool* DestroyedFlag = nullptr;

    void HandleMessage(TNetMessage& Msg) override {
        for (UINT n : Numbers)
            if (n == Msg.Msg) {
                Seen.push_back(Msg.Msg);
                try {
                    if (ThrowOnMessage) throw ESocketException("boom");
                } catch (Exception& e) {
                    HandleBackgroundError(e);
                }
                return;
            }
        TNetWndControl::HandleMessage(Msg);
    }
    using TNetWndControl::UnregisterMessages;

protected:
    int MessageCountNeeded() const override { return FNeeded; }
    void RegisterMessages() override {
        TNetWndControl::RegisterMessages();
        for (int i = 1; i < FNeeded; ++i)
            Numbers.push_back(Handler()->RegisterMessage(this));
    }
    void UnregisterMessages() override {
        TNetWndControl::UnregisterMessages();
        for (UINT& n : Numbers)
            Handler()->UnregisterMessage(n);
        Numbers.clear();
    }
    void AbortOnError() override { ++Aborts; }

private:
    int FNeeded;
};

void Pump() {
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
    }
}

} // namespace

TEST(NetWndControl, FifteenthSocketSizedControlGetsSecondWindow) {
    std::vector<std::unique_ptr<TCountingControl>> sockets;
    for (int i = 0; i < 14; ++i)
        sockets.push_back(std::make_unique<TCountingControl>(7));
    const HWND first = sockets[0]->Handle();
    for (auto& s : sockets)
        EXPECT_EQ(s->Handle(), first);
    sockets.push_back(std::make_unique<TCountingControl>(7));
    EXPECT_NE(sockets.back()->Handle(), first);
    EXPECT_EQ(NetWndWindowCount(), 2);
    // Numbers on the second window start again at 1025.
    EXPECT_EQ(sockets.back()->Numbers.front(), 1026u);
    TCountingControl small(1);
    EXPECT_EQ(small.Handle(), first); // two numbers were still free in the first window
    sockets.clear();
    EXPECT_EQ(NetWndWindowCount(), 1);
}

TEST(NetWndControl, LastNumberDropsWindowAndClassComesBack) {
    {
        TCountingControl control(3);
        EXPECT_TRUE(IsWindow(control.Handle()));
        EXPECT_EQ(NetWndWindowCount(), 1);
    }
    EXPECT_EQ(NetWndWindowCount(), 0);
    WNDCLASS wc;
    EXPECT_FALSE(GetClassInfo(nullptr, "NetWndControlWindowClass", &wc));
    TCountingControl again(1);
    EXPECT_TRUE(GetClassInfo(nullptr, "NetWndControlWindowClass", &wc));
}

TEST(NetWndControl, UnregisterMessageChecksItsNumber) {
    TCountingControl control(2);
    TNetWndHandler* handler = control.Handler();
    struct Case {
        UINT number;
        const char* message;
    };
    const Case cases[] = {
        {1125, "Msg value out of bound"}, {1000, "Msg value out of bound"}, {1100, "Msg not registered"}};
    for (const auto& c : cases) {
        UINT n = c.number;
        try {
            handler->UnregisterMessage(n);
            FAIL() << c.number;
        } catch (const ENetException& e) {
            EXPECT_EQ(e.Message(), c.message);
        }
    }
    UINT zero = 0;
    handler->UnregisterMessage(zero);
    EXPECT_EQ(handler->Count(), 2);
}

TEST(NetWndControl, MessagesReachTheirControlAndErrorsStayInside) {
    TCountingControl a(2), b(2);
    PostMessage(a.Handle(), b.Numbers[0], 0, 0);
    PostMessage(a.Handle(), a.Numbers[0], 0, 0);
    b.ThrowOnMessage = true;
    PostMessage(a.Handle(), b.Numbers[0], 0, 0);
    Pump();
    EXPECT_EQ(a.Seen, std::vector<UINT>{a.Numbers[0]});
    EXPECT_EQ(b.Seen.size(), 2u);
    EXPECT_EQ(b.Aborts, 2); // no background-exception event: the control aborts each time
    bool eventSeen = false;
    b.SetOnBgException([&](TObject*, Exception& e, bool& canClose) {
        eventSeen = e.Message() == "boom";
        canClose = false;
    });
    PostMessage(a.Handle(), b.Numbers[0], 0, 0);
    Pump();
    EXPECT_TRUE(eventSeen);
    EXPECT_EQ(b.Aborts, 2); // the event kept the control from aborting
}

TEST(NetWndControl, PostReleaseDestroysLater) {
    auto* control = new TCountingControl(1);
    control->PostRelease();
    EXPECT_EQ(NetWndWindowCount(), 1);
    Pump();
    EXPECT_EQ(NetWndWindowCount(), 0);
}

TEST(NetWndControl, PumpOneMessageStopsAtQuit) {
    TCountingControl control(1);
    PostQuitMessage(0);
    EXPECT_TRUE(control.PumpOneMessage());
    EXPECT_TRUE(control.Terminated());
    EXPECT_FALSE(control.PumpOneMessage());
}

TEST(NetWndControl, ThreadMoves) {
    TCountingControl control(1);
    try {
        control.AttachToThread();
        FAIL();
    } catch (const ENetException& e) {
        EXPECT_EQ(e.Message(), "Cannot attach when not detached");
    }
    std::string fromOther;
    std::thread([&] {
        try {
            control.DetachFromThread();
        } catch (const ENetException& e) {
            fromOther = e.Message();
        }
    }).join();
    EXPECT_EQ(fromOther, "Cannot detach from another thread");
    control.DetachFromThread();
    EXPECT_EQ(control.Handle(), nullptr);
    control.AttachToThread();
    EXPECT_NE(control.Handle(), nullptr);
}

TEST(NetTimer, FiresOnOwnerWindowOnlyWhenArmed) {
    TFakeClock fake(0, 1000);
    TFakeClock* clock = &fake;
    TClockOverride useFake(fake);
    {
        TCountingControl owner(1);
        EXPECT_THROW(TNetTimer(nullptr), ENetException);
        auto* timer = new TNetTimer(&owner); // owned by the control
        int fired = 0;
        timer->SetInterval(100);
        clock->Advance(500);
        Pump();
        EXPECT_EQ(fired, 0); // no handler: never armed
        timer->SetOnTimer([&](TObject* sender) {
            EXPECT_EQ(sender, timer);
            ++fired;
        });
        clock->Advance(100);
        Pump();
        EXPECT_EQ(fired, 1);
        timer->SetInterval(0);
        clock->Advance(500);
        Pump();
        EXPECT_EQ(fired, 1);
        timer->SetInterval(50);
        timer->SetEnabled(false);
        clock->Advance(500);
        Pump();
        EXPECT_EQ(fired, 1);
        // A timer message for an identifier that is no live timer goes to the default procedure.
        PostMessage(owner.Handle(), WM_TIMER, 12345, 0);
        Pump();
        EXPECT_EQ(fired, 1);
        owner.DetachFromThread();
        EXPECT_THROW(timer->SetInterval(10), ENetException);
        timer->SetInterval(50); // unchanged: no window needed
        owner.AttachToThread();
    }
}

TEST(NetTimer, DestroyedTimerStopsOnASharedWindow) {
    TFakeClock fake(0, 1000);
    TClockOverride useFake(fake);
    TCountingControl neighbour(1); // keeps the hidden window alive
    int fired = 0;
    {
        TCountingControl owner(1);
        ASSERT_EQ(owner.Handle(), neighbour.Handle());
        auto* timer = new TNetTimer(&owner);
        timer->SetInterval(10);
        timer->SetOnTimer([&](TObject*) { ++fired; });
        fake.Advance(10);
        Pump();
        EXPECT_EQ(fired, 1);
    }
    ASSERT_TRUE(IsWindow(neighbour.Handle()));
    int timerMessages = 0;
    fake.Advance(100);
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message == WM_TIMER) ++timerMessages;
    EXPECT_EQ(timerMessages, 0);
    EXPECT_EQ(fired, 1);
}
