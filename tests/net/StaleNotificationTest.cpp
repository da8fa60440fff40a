// A socket notification still queued when its socket closes must not reach the next socket that gets
// the same descriptor number (and the same message number).
#include "net/AsyncSelect.h"
#include "net/WSocket.h"
#include "tests/net/SocketTestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>

using net_test::PumpFor;
using net_test::PumpUntil;
using net_test::TPlainListener;

namespace {

// A socket whose notification message number the test can see.
class TProbeSocket : public TCustomWSocket {
public:
    using TCustomWSocket::TCustomWSocket;
    UINT SelectMessage() const { return FMsg_WM_ASYNCSELECT; }
};

// What a connection heard since it was made.
struct Heard {
    bool connected = false;
    int dataSent = 0;
    int closed = 0;
    void Attach(TCustomWSocket& s) {
        s.OnSessionConnected = [this](TObject*, WORD) { connected = true; };
        s.OnDataSent = [this](TObject*, WORD) { ++dataSent; };
        s.OnSessionClosed = [this](TObject*, WORD) { ++closed; };
    }
};

void ConnectTo(TCustomWSocket& s, const TPlainListener& server) {
    s.SetAddr("127.0.0.1");
    s.SetPort(server.PortText());
    s.Connect();
}

// Dispatches messages until one that `wanted` picks comes up, and takes that one out of the queue
// instead of dispatching it.
bool HoldBack(const std::function<bool(const MSG&)>& wanted, MSG& held) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (std::chrono::steady_clock::now() < deadline) {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (wanted(msg)) {
                held = msg;
                return true;
            }
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return false;
}

// The socket's notification of `event`.
bool HoldBackNotification(const TProbeSocket& s, WORD event, MSG& held) {
    return HoldBack(
        [&](const MSG& msg) {
            return msg.hwnd == s.Handle() && msg.message == s.SelectMessage() &&
                   (LOWORD(DWORD_PTR(msg.lParam)) & event);
        },
        held);
}

// The readiness of the descriptor as the message loop reports it to the notification window.
bool HoldBackReadiness(TSocket fd, MSG& held) {
    return HoldBack(
        [&](const MSG& msg) {
            char name[64] = {};
            GetClassName(msg.hwnd, name, sizeof name);
            return std::string(name) == "OlvaSocketNotifier" && msg.wParam == WPARAM(fd);
        },
        held);
}

// A listener that takes one connection into its queue and leaves later ones waiting in their connect.
class TFullListener {
public:
    TFullListener() : listener(0) {
        filler = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in sin{};
        sin.sin_family = AF_INET;
        sin.sin_port = htons(std::uint16_t(listener.port));
        sin.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::connect(filler, reinterpret_cast<sockaddr*>(&sin), sizeof sin);
    }
    ~TFullListener() { ::close(filler); }
    std::string PortText() const { return listener.PortText(); }

private:
    TPlainListener listener;
    int filler;
};

} // namespace

// The socket's own "all sent" notice, queued by a send just before the socket closed and connected
// again on the same descriptor number, is not the new connection's.
TEST(WSocketStaleNotification, OwnNoticeOfAClosedConnectionDoesNotReachItsSuccessor) {
    TPlainListener server;
    TProbeSocket client(nullptr);
    Heard first;
    first.Attach(client);
    ConnectTo(client, server);
    ASSERT_TRUE(PumpUntil([&] { return first.connected; }));
    const int peer = server.AcceptOne();
    const TSocket oldNumber = client.HSocket();
    EXPECT_EQ(client.SendStr("x"), 1); // leaves an FD_WRITE notice in the queue
    client.Abort();

    Heard second;
    second.Attach(client);
    ConnectTo(client, server);
    ASSERT_EQ(client.HSocket(), oldNumber) << "the system handed out another descriptor number";
    ASSERT_TRUE(PumpUntil([&] { return second.connected; }));
    const int peer2 = server.AcceptOne();
    PumpFor(30);
    EXPECT_EQ(second.dataSent, 0); // nothing was sent on this connection
    EXPECT_EQ(client.State(), wsConnected);
    ::close(peer);
    ::close(peer2);
}

// The peer's close of one connection, noticed but not yet handled when that socket went, does not
// close the connection of a new socket that took over its descriptor and message numbers.
TEST(WSocketStaleNotification, PeerCloseOfAGoneSocketDoesNotCloseTheNextOne) {
    TPlainListener server;
    TProbeSocket keeper(nullptr); // keeps the hidden window (and its queue) between the two sockets
    auto gone = std::make_unique<TProbeSocket>(nullptr);
    Heard goneHeard;
    goneHeard.Attach(*gone);
    ConnectTo(*gone, server);
    ASSERT_TRUE(PumpUntil([&] { return goneHeard.connected; }));
    ::close(server.AcceptOne());
    MSG held{};
    ASSERT_TRUE(HoldBackNotification(*gone, FD_CLOSE, held));
    const TSocket oldNumber = gone->HSocket();
    const UINT oldMessage = gone->SelectMessage();
    gone.reset();

    TProbeSocket next(nullptr);
    Heard nextHeard;
    nextHeard.Attach(next);
    ConnectTo(next, server);
    ASSERT_EQ(next.HSocket(), oldNumber) << "the system handed out another descriptor number";
    ASSERT_EQ(next.SelectMessage(), oldMessage);
    ASSERT_EQ(next.Handle(), held.hwnd);
    ASSERT_TRUE(PumpUntil([&] { return nextHeard.connected; }));
    const int peer = server.AcceptOne();

    // The held notice arrives now, as it would have had it still been queued.
    PostMessage(held.hwnd, held.message, held.wParam, held.lParam);
    PumpFor(30);
    EXPECT_EQ(nextHeard.closed, 0);
    EXPECT_EQ(next.State(), wsConnected);
    ::close(peer);
    ASSERT_TRUE(PumpUntil([&] { return nextHeard.closed == 1; })); // its own close still arrives
}

// A readiness report about a closed socket's connect, read only after a new socket of the same number
// started connecting, does not complete the new socket's connect.
TEST(WSocketStaleNotification, ReadinessOfAClosedSocketDoesNotCompleteTheNextConnect) {
    TPlainListener server;
    TFullListener full;
    TProbeSocket gone(nullptr), next(nullptr);
    gone.SetAddr("127.0.0.1");
    gone.SetPort(server.PortText());
    gone.Connect();
    MSG held{};
    ASSERT_TRUE(HoldBackReadiness(gone.HSocket(), held)); // its connect is done, not yet handled
    const TSocket oldNumber = gone.HSocket();
    gone.Abort();

    Heard nextHeard;
    nextHeard.Attach(next);
    next.SetAddr("127.0.0.1");
    next.SetPort(full.PortText());
    next.Connect();
    ASSERT_EQ(next.HSocket(), oldNumber) << "the system handed out another descriptor number";
    PostMessage(held.hwnd, held.message, held.wParam, held.lParam);
    PumpFor(30);
    EXPECT_FALSE(nextHeard.connected);
    EXPECT_EQ(next.State(), wsConnecting); // the listener has not taken the connection
}

// A notification of the current registration is recognised; one of an earlier registration of the
// same descriptor number is not.
TEST(WSocketStaleNotification, EachRegistrationOfADescriptorHasItsOwnSerial) {
    TProbeSocket window(nullptr);
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(WSAAsyncSelect(fd, window.GetWindowHandle(), window.SelectMessage(), FD_READ), 0);
    const LPARAM first = AsyncSelectLParam(fd, FD_READ, 0);
    EXPECT_EQ(LOWORD(DWORD_PTR(first)), FD_READ); // the event and error words are as they always were
    EXPECT_EQ(HIWORD(DWORD_PTR(first)), 0);
    EXPECT_TRUE(AsyncSelectIsCurrent(fd, first));
    EXPECT_FALSE(AsyncSelectIsCurrent(fd, MAKELPARAM(FD_READ, 0))); // not made by this registration
    AsyncSelectForget(fd);
    EXPECT_FALSE(AsyncSelectIsCurrent(fd, first));
    ASSERT_EQ(WSAAsyncSelect(fd, window.GetWindowHandle(), window.SelectMessage(), FD_READ), 0);
    EXPECT_FALSE(AsyncSelectIsCurrent(fd, first));
    EXPECT_TRUE(AsyncSelectIsCurrent(fd, AsyncSelectLParam(fd, FD_READ, 0)));
    AsyncSelectForget(fd);
    ::close(fd);
}
