#include "net/WSocket.h"
#include "net/NetExceptions.h"
#include "net/WinsockBinding.h"
#include "platform/rtl/StringList.h"
#include "tests/net/SocketTestSupport.h"
#include "tests/net/TestResolver.h"

#include <gtest/gtest.h>

#include <thread>

using net_test::ClosedPort;
using net_test::PumpFor;
using net_test::PumpUntil;
using net_test::TPlainListener;

namespace {

const char* StateName(TSocketState s) {
    static const char* names[] = {"invalid",   "opened",    "bound",     "connecting", "socksconnected",
                                  "connected", "accepting", "listening", "closed"};
    return names[s];
}

// Records a socket's events as text, in order.
struct EventLog {
    std::vector<std::string> events;
    std::string received;
    void Attach(TCustomWSocket& s, bool read = true) {
        s.OnChangeState = [this](TObject*, TSocketState from, TSocketState to) {
            events.push_back(std::string("state ") + StateName(from) + ">" + StateName(to));
        };
        s.OnSessionConnected = [this](TObject*, WORD e) {
            events.push_back("connected " + std::to_string(e));
        };
        s.OnSessionClosed = [this](TObject*, WORD e) { events.push_back("closed " + std::to_string(e)); };
        if (read)
            s.OnDataAvailable = [this, &s](TObject*, WORD) {
                char buffer[700];
                const int n = s.Receive(buffer, sizeof buffer);
                if (n > 0) received.append(buffer, n);
                if (events.empty() || events.back() != "data") events.push_back("data");
            };
    }
    bool Has(const std::string& e) const {
        return std::find(events.begin(), events.end(), e) != events.end();
    }
};

} // namespace

TEST(WSocket, ClientSessionEventOrderAndOwnerClose) {
    TPlainListener server;
    TCustomWSocket client(nullptr);
    EventLog log;
    log.Attach(client);
    int sent = 0, dataSent = 0;
    client.OnSendData = [&](TObject*, int n) { sent += n; };
    client.OnDataSent = [&](TObject*, WORD) { ++dataSent; };
    client.SetAddr("127.0.0.1");
    client.SetPort(server.PortText());
    client.Connect();
    EXPECT_EQ(client.State(), wsConnecting);
    ASSERT_TRUE(PumpUntil([&] { return log.Has("connected 0"); }));
    const int peer = server.AcceptOne();
    EXPECT_EQ(client.SendStr("hello"), 5);
    ASSERT_TRUE(PumpUntil([&] { return dataSent > 0; }));
    EXPECT_EQ(sent, 5);
    ::send(peer, "world", 5, 0);
    ASSERT_TRUE(PumpUntil([&] { return log.received == "world"; }));
    EXPECT_EQ(client.GetPeerAddr(), "127.0.0.1");
    EXPECT_EQ(client.GetPeerPort(), server.PortText());
    client.Close();
    EXPECT_EQ(net_test::ReadAll(peer), "hello");
    ::close(peer);
    const std::vector<std::string> expected = {"state closed>opened",
                                               "state opened>connecting",
                                               "state connecting>connected",
                                               "connected 0",
                                               "data",
                                               "state connected>closed",
                                               "closed 0"};
    EXPECT_EQ(log.events, expected);
    EXPECT_EQ(client.State(), wsClosed);
}

TEST(WSocket, PeerCloseDeliversPendingDataFirst) {
    TPlainListener server;
    TCustomWSocket client(nullptr);
    EventLog log;
    log.Attach(client);
    client.SetAddr("127.0.0.1");
    client.SetPort(server.PortText());
    client.Connect();
    const int peer = server.AcceptOne();
    const std::string payload(3000, 'p');
    ::send(peer, payload.data(), payload.size(), 0);
    ::close(peer);
    ASSERT_TRUE(PumpUntil([&] { return log.Has("closed 0"); }));
    PumpFor(50);
    EXPECT_EQ(log.received, payload);
    EXPECT_EQ(std::count(log.events.begin(), log.events.end(), "closed 0"), 1);
    // Data, then the close, then the state change.
    const auto data = std::find(log.events.begin(), log.events.end(), "data");
    const auto closed = std::find(log.events.begin(), log.events.end(), "closed 0");
    const auto toClosed = std::find(log.events.begin(), log.events.end(), "state connected>closed");
    EXPECT_LT(data, closed);
    EXPECT_LT(closed, toClosed);
    EXPECT_EQ(client.State(), wsClosed);
    EXPECT_EQ(client.Proto(), "tcp"); // defaults restored
    EXPECT_EQ(client.LocalAddr(), "0.0.0.0");
}

TEST(WSocket, RefusedConnectPassesThroughConnectedAndCloses) {
    TCustomWSocket client(nullptr);
    EventLog log;
    log.Attach(client);
    client.SetAddr("127.0.0.1");
    client.SetPort(std::to_string(ClosedPort()));
    client.Connect();
    ASSERT_TRUE(PumpUntil([&] { return log.Has("closed 0"); }));
    const std::vector<std::string> expected = {"state closed>opened",        "state opened>connecting",
                                               "state connecting>connected", "connected 10061",
                                               "state connected>closed",     "closed 0"};
    EXPECT_EQ(log.events, expected);
}

TEST(WSocket, ListenAcceptAndDupMakeAServer) {
    TCustomWSocket listener(nullptr), served(nullptr), client(nullptr);
    listener.SetAddr("127.0.0.1");
    listener.SetPort("0");
    listener.Listen();
    ASSERT_EQ(listener.State(), wsListening);
    const std::string port = listener.LocalPort();
    EXPECT_NE(port, "0");
    EXPECT_EQ(listener.GetBoundPort(), port);
    listener.OnSessionAvailable = [&](TObject*, WORD error) {
        EXPECT_EQ(error, 0);
        served.Dup(listener.Accept());
    };
    EventLog serverLog, clientLog;
    serverLog.Attach(served);
    clientLog.Attach(client);
    served.OnDataAvailable = [&](TObject*, WORD) {
        const std::string s = served.ReceiveStr();
        serverLog.received += s;
        if (!s.empty()) served.SendStr("echo:" + s);
    };
    client.SetAddr("127.0.0.1");
    client.SetPort(port);
    client.Connect();
    ASSERT_TRUE(PumpUntil([&] { return served.State() == wsConnected && clientLog.Has("connected 0"); }));
    client.SendStr("ping");
    ASSERT_TRUE(PumpUntil([&] { return clientLog.received == "echo:ping"; }));
    EXPECT_EQ(serverLog.received, "ping");
    client.Close();
    ASSERT_TRUE(PumpUntil([&] { return served.State() == wsClosed; }));
    EXPECT_TRUE(serverLog.Has("closed 0"));
}

TEST(WSocket, ConfigurationErrors) {
    TCustomWSocket s(nullptr);
    auto message = [&](const std::function<void()>& f) {
        try {
            f();
        } catch (const ESocketException& e) {
            return e.Message();
        }
        return std::string("(none)");
    };
    EXPECT_EQ(message([&] { s.Connect(); }), "Connect: No Port Specified");
    s.SetPort("1");
    EXPECT_EQ(message([&] { s.Connect(); }), "Connect: No IP Address Specified");
    s.SetAddr("127.0.0.1");
    s.SetProto("");
    EXPECT_EQ(message([&] { s.Connect(); }), "Connect: No Protocol Specified");
    s.SetProto("tcp");
    s.SetPort("http-nonexistent-service");
    EXPECT_EQ(message([&] { s.Connect(); }).rfind("connect: Winsock Resolve Port: Cannot convert port", 0),
              0u);
    EXPECT_EQ(message([&] { s.Send("x", 1); }), "Socket is not connected (#10057 in Send)");
}

TEST(WSocket, ConnectTwiceAndSettersWhileOpen) {
    TPlainListener server;
    TCustomWSocket s(nullptr);
    s.SetAddr("127.0.0.1");
    s.SetPort(server.PortText());
    s.Connect();
    EXPECT_THROW(s.Connect(), ESocketException);
    try {
        s.SetAddr("127.0.0.2");
        FAIL();
    } catch (const ESocketException& e) {
        EXPECT_EQ(e.Message(), "Cannot change Addr if not closed");
    }
    s.Close();
    // After a close the port must be assigned again.
    try {
        s.Connect();
        FAIL();
    } catch (const ESocketException& e) {
        EXPECT_EQ(e.Message(), "Connect: No Port Specified");
    }
    s.SetLocalAddr("");
    EXPECT_EQ(s.LocalAddr(), "0.0.0.0");
}

TEST(WSocket, OnErrorTakesFailuresInsteadOfExceptions) {
    TCustomWSocket s(nullptr);
    int errors = 0;
    s.OnError = [&](TObject* sender) {
        EXPECT_EQ(sender, &s);
        ++errors;
    };
    s.Connect(); // no port
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(s.Send("x", 1), -1);
    EXPECT_EQ(errors, 2);
    EXPECT_EQ(s.LastError(), 10057);
}

TEST(WSocket, SendOfNothingStillReportsDataSent) {
    TPlainListener server;
    TCustomWSocket s(nullptr);
    bool connected = false;
    int dataSent = 0;
    s.OnSessionConnected = [&](TObject*, WORD) { connected = true; };
    s.OnDataSent = [&](TObject*, WORD e) {
        EXPECT_EQ(e, 0);
        ++dataSent;
    };
    s.SetAddr("127.0.0.1");
    s.SetPort(server.PortText());
    s.Connect();
    ASSERT_TRUE(PumpUntil([&] { return connected; }));
    const int before = dataSent;
    EXPECT_EQ(s.Send(nullptr, 0), 0);
    ASSERT_TRUE(PumpUntil([&] { return dataSent > before; }));
}

TEST(WSocket, WithoutReaderDataIsDiscardedAndSocketStays) {
    TPlainListener server;
    TCustomWSocket s(nullptr);
    bool connected = false;
    s.OnSessionConnected = [&](TObject*, WORD) { connected = true; };
    s.SetAddr("127.0.0.1");
    s.SetPort(server.PortText());
    s.Connect();
    const int peer = server.AcceptOne();
    ASSERT_TRUE(PumpUntil([&] { return connected; }));
    ::send(peer, "ignored", 7, 0);
    EXPECT_EQ(s.GetRcvdCount(), 7); // on loopback the bytes are there once send returns
    ASSERT_TRUE(PumpUntil([&] { return s.GetRcvdCount() == 0; }));
    EXPECT_EQ(s.State(), wsConnected);
    ::close(peer);
}

TEST(WSocket, ReceiveLoopAndOneEventPerNotification) {
    for (bool noLoop : {false, true}) {
        TPlainListener server;
        TCustomWSocket s(nullptr);
        bool connected = false;
        int events = 0;
        std::string got;
        s.OnSessionConnected = [&](TObject*, WORD) { connected = true; };
        s.OnDataAvailable = [&](TObject*, WORD) {
            ++events;
            char buffer[10];
            const int n = s.Receive(buffer, sizeof buffer);
            if (n > 0) got.append(buffer, n);
        };
        if (noLoop) s.SetComponentOptions({wsoNoReceiveLoop});
        s.SetAddr("127.0.0.1");
        s.SetPort(server.PortText());
        s.Connect();
        const int peer = server.AcceptOne();
        ASSERT_TRUE(PumpUntil([&] { return connected; }));
        const std::string payload(100, 'q');
        ::send(peer, payload.data(), payload.size(), 0);
        ASSERT_TRUE(PumpUntil([&] { return got.size() == payload.size(); }));
        EXPECT_EQ(events, 10) << noLoop; // ten reads of ten bytes either way
        ::close(peer);
    }
}

TEST(WSocket, HandlerThatReadsNothingDoesNotHangTheLoop) {
    TPlainListener server;
    TCustomWSocket s(nullptr);
    bool connected = false;
    int calls = 0;
    s.OnSessionConnected = [&](TObject*, WORD) { connected = true; };
    s.OnDataAvailable = [&](TObject*, WORD) { ++calls; };
    s.SetAddr("127.0.0.1");
    s.SetPort(server.PortText());
    s.Connect();
    const int peer = server.AcceptOne();
    ASSERT_TRUE(PumpUntil([&] { return connected; }));
    ::send(peer, "stuck", 5, 0);
    ASSERT_TRUE(PumpUntil([&] { return calls >= 3; }));
    // The loop keeps answering: a late reader still gets the bytes.
    std::string got;
    s.OnDataAvailable = [&](TObject*, WORD) { got += s.ReceiveStr(); };
    ASSERT_TRUE(PumpUntil([&] { return got == "stuck"; }));
    ::close(peer);
}

TEST(WSocket, DatagramConnectIsConnectedAtOnce) {
    TCustomWSocket s(nullptr);
    std::vector<WORD> connected;
    s.OnSessionConnected = [&](TObject*, WORD e) { connected.push_back(e); };
    s.SetProto("udp");
    s.SetAddr("127.0.0.1");
    s.SetPort(std::to_string(ClosedPort()));
    s.Connect();
    EXPECT_EQ(s.State(), wsConnected);
    EXPECT_EQ(connected, std::vector<WORD>{0});
    s.Close();
}

TEST(WSocket, DatagramsBetweenTwoSockets) {
    TCustomWSocket receiver(nullptr), sender(nullptr);
    receiver.SetProto("udp");
    receiver.SetAddr("127.0.0.1");
    receiver.SetPort("0");
    std::string got;
    receiver.OnDataAvailable = [&](TObject*, WORD) {
        char buffer[100];
        TSockAddrIn from;
        const int n = receiver.ReceiveFrom(buffer, sizeof buffer, from);
        if (n > 0) got.assign(buffer, n);
    };
    receiver.Listen();
    ASSERT_EQ(receiver.State(), wsConnected);
    const std::string port = receiver.GetBoundPort();
    sender.SetProto("udp");
    sender.SetAddr("127.0.0.1");
    sender.SetPort(port);
    sender.Connect();
    sender.SendStr("datagram");
    ASSERT_TRUE(PumpUntil([&] { return got == "datagram"; }));
}

TEST(WSocket, ManyConnectionsLeakNoDescriptors) {
    TCustomWSocket listener(nullptr);
    listener.SetAddr("127.0.0.1");
    listener.SetPort("0");
    listener.SetListenBacklog(128);
    listener.Listen();
    const std::string port = listener.LocalPort();
    int accepted = 0;
    listener.OnSessionAvailable = [&](TObject*, WORD) {
        const TSocket fd = listener.Accept();
        if (fd != INVALID_SOCKET) {
            ::close(fd);
            ++accepted;
        }
    };
    const int before = net_test::OpenDescriptorCount();
    for (int i = 0; i < 2000; ++i) {
        TCustomWSocket client(nullptr);
        bool done = false;
        client.OnSessionConnected = [&](TObject*, WORD) { done = true; };
        client.SetAddr("127.0.0.1");
        client.SetPort(port);
        client.Connect();
        ASSERT_TRUE(PumpUntil([&] { return done; })) << i;
        client.Close();
    }
    ASSERT_TRUE(PumpUntil([&] { return accepted == 2000; }));
    EXPECT_EQ(net_test::OpenDescriptorCount(), before);
}

TEST(WSocket, DnsLookups) {
    net_test::TResolverScope scope;
    scope.resolver->hosts["localhost"] = {htonl(0x7F000001)};
    scope.resolver->hosts["other"] = {htonl(0x7F000002), htonl(0x7F000003)};
    scope.resolver->names[htonl(0x7F000001)] = {"localhost", "", "loopback"};
    TCustomWSocket s(nullptr);
    std::vector<WORD> done;
    s.OnDnsLookupDone = [&](TObject*, WORD e) { done.push_back(e); };

    s.DnsLookup("127.0.0.1"); // answered at once
    EXPECT_EQ(done, std::vector<WORD>{0});
    EXPECT_EQ(s.DnsResult(), "127.0.0.1");
    EXPECT_EQ(s.DnsResultList().Count(), 1);

    done.clear();
    s.DnsLookup("localhost");
    s.DnsLookup("other"); // replaces the first silently
    ASSERT_TRUE(PumpUntil([&] { return !done.empty(); }));
    PumpFor(50);
    EXPECT_EQ(done, std::vector<WORD>{0});
    EXPECT_EQ(s.DnsResult(), "127.0.0.2");
    EXPECT_EQ(s.DnsResultList().Count(), 2);

    done.clear();
    s.DnsLookup("nowhere");
    ASSERT_TRUE(PumpUntil([&] { return !done.empty(); }));
    EXPECT_EQ(done, std::vector<WORD>{11001});

    done.clear();
    s.DnsLookup("localhost");
    s.CancelDnsLookup();
    EXPECT_EQ(done, std::vector<WORD>{10004});
    PumpFor(50);
    EXPECT_EQ(done.size(), 1u);
    s.CancelDnsLookup(); // nothing pending: nothing happens
    EXPECT_EQ(done.size(), 1u);

    done.clear();
    s.ReverseDnsLookupSync("127.0.0.1");
    EXPECT_EQ(done, std::vector<WORD>{0});
    EXPECT_EQ(s.DnsResult(), "localhost");
    EXPECT_EQ(s.DnsResultList().Count(), 2); // the empty alias is left out

    done.clear();
    s.SetAddr("x"); // keep OnError unassigned: the bad argument raises and then reports 10022
    EXPECT_THROW(s.ReverseDnsLookupSync(std::string(257, '1')), ESocketException);
}

TEST(WSocket, LargeSendIsQueuedAndDrainedAsThePeerReads) {
    TPlainListener server;
    TCustomWSocket s(nullptr);
    bool connected = false;
    int dataSent = 0;
    s.OnSessionConnected = [&](TObject*, WORD) { connected = true; };
    s.OnDataSent = [&](TObject*, WORD) { ++dataSent; };
    s.SetAddr("127.0.0.1");
    s.SetPort(server.PortText());
    s.Connect();
    const int peer = server.AcceptOne();
    ASSERT_TRUE(PumpUntil([&] { return connected; }));
    std::string payload(8 << 20, '\0');
    for (std::size_t i = 0; i < payload.size(); ++i)
        payload[i] = static_cast<char>(i * 131 + (i >> 12));
    s.SetSocketSndBufSize(16384);
    EXPECT_EQ(s.Send(payload.data(), static_cast<int>(payload.size())), static_cast<int>(payload.size()));
    EXPECT_GT(s.QueuedBytes(), 0); // the peer reads nothing yet: the system took only part
    std::string got;
    std::thread reader([&] { got = net_test::ReadAll(peer); });
    ASSERT_TRUE(PumpUntil([&] { return s.AllSent(); }, 20000));
    EXPECT_EQ(s.QueuedBytes(), 0);
    ASSERT_TRUE(PumpUntil([&] { return dataSent > 0; }));
    s.Close();
    reader.join();
    ::close(peer);
    EXPECT_TRUE(got == payload);
}

TEST(WSocket, LibraryStartsOnFirstUseAndStopsWithLastSocket) {
    ASSERT_EQ(WinsockUserCount(), 0);
    UnloadWinsock();
    {
        TCustomWSocket s(nullptr);
        EXPECT_FALSE(WinsockLoaded());
        s.SetAddr("127.0.0.1");
        s.SetPort(std::to_string(ClosedPort()));
        s.Connect();
        EXPECT_TRUE(WinsockLoaded());
        try {
            s.SetReqVerHigh(2);
            FAIL();
        } catch (const ESocketException& e) {
            EXPECT_EQ(e.Message(),
                      "Invalid argument (#10022 in SetReqVerHigh: WinSock version can't be changed now)");
        }
        s.Abort();
    }
    EXPECT_FALSE(WinsockLoaded());
}

TEST(WSocket, LoggerHearsConnectAndPauseStopsEvents) {
    TPlainListener server;
    TNetLogger logger(nullptr);
    std::vector<std::string> logged;
    logger.SetLogOptions({loDestEvent, loWsockInfo});
    logger.SetOnNetLogEvent([&](TObject*, TLogOption, const std::string& msg) { logged.push_back(msg); });
    TCustomWSocket s(nullptr);
    s.SetNetLogger(&logger);
    bool connected = false;
    std::string got;
    s.OnSessionConnected = [&](TObject*, WORD) { connected = true; };
    s.OnDataAvailable = [&](TObject*, WORD) { got += s.ReceiveStr(); };
    s.SetAddr("127.0.0.1");
    s.SetPort(server.PortText());
    s.Connect();
    ASSERT_FALSE(logged.empty());
    EXPECT_EQ(logged[0], "TWSocket will connect to 127.0.0.1:" + server.PortText());
    const int peer = server.AcceptOne();
    ASSERT_TRUE(PumpUntil([&] { return connected; }));
    s.Pause();
    ::send(peer, "later", 5, 0);
    PumpFor(50);
    EXPECT_EQ(got, "");
    s.Resume();
    ASSERT_TRUE(PumpUntil([&] { return got == "later"; }));
    ::close(peer);
}

TEST(WSocket, ExceptionInAHandlerAbortsUnlessTheOwnerSaysNo) {
    for (bool keep : {false, true}) {
        TPlainListener server;
        TCustomWSocket s(nullptr);
        bool connected = false;
        std::string seen;
        s.OnSessionConnected = [&](TObject*, WORD) { connected = true; };
        s.OnDataAvailable = [&](TObject*, WORD) {
            s.ReceiveStr();
            throw ESocketException("handler failed");
        };
        s.SetOnBgException([&](TObject*, Exception& e, bool& canClose) {
            seen = e.Message();
            canClose = !keep;
        });
        s.SetAddr("127.0.0.1");
        s.SetPort(server.PortText());
        s.Connect();
        const int peer = server.AcceptOne();
        ASSERT_TRUE(PumpUntil([&] { return connected; }));
        ::send(peer, "x", 1, 0);
        ASSERT_TRUE(PumpUntil([&] { return !seen.empty(); }));
        EXPECT_EQ(seen, "handler failed");
        EXPECT_EQ(s.State(), keep ? wsConnected : wsClosed);
        ::close(peer);
    }
}

TEST(WSocket, CloseDelayedAndFlush) {
    TPlainListener server;
    TCustomWSocket s(nullptr);
    bool connected = false, closed = false;
    s.OnSessionConnected = [&](TObject*, WORD) { connected = true; };
    s.OnSessionClosed = [&](TObject*, WORD) { closed = true; };
    s.SetAddr("127.0.0.1");
    s.SetPort(server.PortText());
    s.Connect();
    const int peer = server.AcceptOne();
    ASSERT_TRUE(PumpUntil([&] { return connected; }));
    TSockAddrIn peerName, ownName;
    ASSERT_EQ(s.GetPeerName(peerName), 0);
    ASSERT_EQ(s.GetSockName(ownName), 0);
    EXPECT_EQ(ntohs(peerName.sin_port), server.port);
    EXPECT_EQ(s.GetBoundPort(), std::to_string(ntohs(ownName.sin_port)));
    const std::string payload(1 << 20, 'f');
    s.SetSocketSndBufSize(16384);
    std::string got;
    std::thread reader([&] { got = net_test::ReadAll(peer); });
    s.SendStr(payload);
    s.Flush();
    EXPECT_TRUE(s.AllSent());
    s.CloseDelayed();
    EXPECT_EQ(s.State(), wsConnected); // not yet: the close waits for its message
    ASSERT_TRUE(PumpUntil([&] { return closed; }));
    reader.join();
    ::close(peer);
    EXPECT_EQ(got.size(), payload.size());
}

TEST(WSocket, DatagramToBroadcastEnablesBroadcastWithoutSending) {
    TCustomWSocket s(nullptr);
    s.SetProto("udp");
    s.SetAddr("255.255.255.255");
    s.SetPort("9");
    s.Connect(); // a datagram association sends nothing by itself
    ASSERT_EQ(s.State(), wsConnected);
    int broadcast = 0;
    socklen_t len = sizeof broadcast;
    ASSERT_EQ(getsockopt(s.HSocket(), SOL_SOCKET, SO_BROADCAST, &broadcast, &len), 0);
    EXPECT_EQ(broadcast, 1);
    s.Abort();
}

TEST(WSocket, FailingSystemCallGoesToOnErrorWithItsCode) {
    TPlainListener busy;
    TCustomWSocket s(nullptr);
    int errors = 0;
    s.OnError = [&](TObject*) { ++errors; };
    s.SetAddr("127.0.0.1");
    s.SetPort(busy.PortText());
    s.SetLocalAddr("127.0.0.1");
    s.SetLocalPort(busy.PortText()); // taken by the listener
    s.Connect();
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(s.LastError(), 10048);
    EXPECT_EQ(s.State(), wsOpened); // stopped there: nothing was connected from another port
    s.Abort();
    EXPECT_EQ(s.State(), wsClosed);
}

TEST(WSocket, SendOnABrokenConnectionClosesAndReportsInsteadOfRaising) {
    TPlainListener server;
    TCustomWSocket s(nullptr);
    bool connected = false;
    std::vector<WORD> closed;
    s.OnSessionConnected = [&](TObject*, WORD) { connected = true; };
    s.OnSessionClosed = [&](TObject*, WORD e) { closed.push_back(e); };
    s.SetAddr("127.0.0.1");
    s.SetPort(server.PortText());
    s.Connect();
    const int peer = server.AcceptOne();
    ASSERT_TRUE(PumpUntil([&] { return connected; }));
    linger reset{1, 0};
    setsockopt(peer, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
    ::close(peer); // the peer resets the connection
    EXPECT_NO_THROW(s.SendStr("anyone there?"));
    EXPECT_EQ(closed, std::vector<WORD>{10054});
    EXPECT_EQ(s.State(), wsClosed);
    PumpFor(20);
    EXPECT_EQ(closed.size(), 1u);
}

TEST(WSocket, DestroyedLoggerIsForgotten) {
    TCustomWSocket s(nullptr);
    {
        TNetLogger logger(nullptr);
        s.SetNetLogger(&logger);
        EXPECT_EQ(s.NetLogger(), &logger);
    }
    EXPECT_EQ(s.NetLogger(), nullptr);
}
