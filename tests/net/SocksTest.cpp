#include "net/HttpProt.h"
#include "net/NetExceptions.h"
#include "net/SocksWSocket.h"
#include "platform/rtl/MemoryStream.h"
#include "tests/net/SocketTestSupport.h"
#include "tests/net/TestHex.h"
#include "tests/net/TestResolver.h"

#include <gtest/gtest.h>

using net_test::Hex;
using net_test::PumpUntil;
using Step = net_test::TScriptedPeer::Step;

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values)
        s += static_cast<char>(v);
    return s;
}

struct SocksClient {
    TCustomSocksWSocket socket{nullptr};
    std::vector<std::string> events;
    std::string data;
    bool finished = false;

    SocksClient(const std::string& proxyPort, const std::string& level, const std::string& host,
                const std::string& port) {
        socket.OnSessionConnected = [this](TObject*, WORD e) {
            events.push_back("connected " + std::to_string(e));
        };
        socket.OnSessionClosed = [this](TObject*, WORD e) {
            events.push_back("closed " + std::to_string(e));
            finished = true;
        };
        socket.OnSocksConnected = [this](TObject*, WORD e) {
            events.push_back("proxy " + std::to_string(e));
        };
        socket.OnSocksError = [this](TObject*, int e, const std::string& msg) {
            events.push_back("socks error " + std::to_string(e) + " " + msg);
        };
        socket.OnSocksAuthState = [this](TObject*, TSocksAuthState s) {
            static const char* names[] = {"start", "success", "failure", "not required"};
            events.push_back(std::string("auth ") + names[s]);
        };
        socket.OnDataAvailable = [this](TObject*, WORD) {
            char buffer[100];
            const int n = socket.Receive(buffer, sizeof buffer);
            if (n > 0) data.append(buffer, n);
        };
        socket.SetSocksServer("127.0.0.1");
        socket.SetSocksPort(proxyPort);
        socket.SetSocksLevel(level);
        socket.SetAddr(host);
        socket.SetPort(port);
    }
};

} // namespace

TEST(Socks, Level5WithoutAuthenticationAndDataAfterTheReply) {
    const std::string reply = Bytes({5, 0, 0, 1, 10, 1, 2, 3, 0x1F, 0x90}) + "abc";
    net_test::TScriptedPeer proxy({{3, Bytes({5, 0})}, {18, reply}});
    SocksClient c(proxy.PortText(), "5", "example.org", "80");
    c.socket.Connect();
    ASSERT_TRUE(PumpUntil([&] { return c.data == "abc"; }));
    EXPECT_EQ(Hex(proxy.received[0]), "050100");
    EXPECT_EQ(proxy.received[1], Bytes({5, 1, 0, 3, 11}) + "example.org" + Bytes({0, 80}));
    EXPECT_EQ(c.events, (std::vector<std::string>{"proxy 0", "connected 0"}));
    EXPECT_EQ(c.socket.BoundAddrThruSocks(), "10.1.2.3");
    EXPECT_EQ(c.socket.BoundPortThruSocks(), "8080");
    c.socket.Close();
    // A close forgets the proxy: the next connect goes straight to the peer unless set again.
    EXPECT_EQ(c.socket.SocksServer(), "");
    EXPECT_EQ(c.socket.SocksLevel(), "5");
}

TEST(Socks, Level5AuthenticationWithReplyInTwoPackets) {
    const std::string auth = Bytes({1, 4}) + "user" + Bytes({6}) + "secret";
    net_test::TScriptedPeer proxy({{3, Bytes({5, 2})},
                                   {static_cast<int>(auth.size()), Bytes({1})},
                                   {0, Bytes({0})},
                                   {7 + 9, Bytes({5, 0, 0, 1, 127, 0, 0, 1, 0, 25})}});
    SocksClient c(proxy.PortText(), "5", "127.0.0.1", "25");
    c.socket.SetSocksUsercode("user");
    c.socket.SetSocksPassword("secret");
    c.socket.SetSocksAuthentication(socksAuthenticateUsercode);
    c.socket.Connect();
    ASSERT_TRUE(PumpUntil([&] { return c.events.size() >= 4; }));
    EXPECT_EQ(Hex(proxy.received[0]), "050102");
    EXPECT_EQ(proxy.received[1], auth);
    EXPECT_EQ(proxy.received[3], Bytes({5, 1, 0, 3, 9}) + "127.0.0.1" + Bytes({0, 25}));
    EXPECT_EQ(c.events, (std::vector<std::string>{"proxy 0", "auth start", "auth success", "connected 0"}));
}

TEST(Socks, Level5AuthenticationNotRequired) {
    net_test::TScriptedPeer proxy({{3, Bytes({5, 0})}, {7 + 4, Bytes({5, 0, 0, 1, 1, 2, 3, 4, 0, 1})}});
    SocksClient c(proxy.PortText(), "5", "host", "21");
    c.socket.SetSocksUsercode("u");
    c.socket.SetSocksAuthentication(socksAuthenticateUsercode);
    c.socket.Connect();
    ASSERT_TRUE(PumpUntil([&] { return c.events.size() >= 3; }));
    EXPECT_EQ(c.events, (std::vector<std::string>{"proxy 0", "auth not required", "connected 0"}));
}

TEST(Socks, Level5RefusalsReportTheirCodes) {
    struct Case {
        std::vector<Step> script;
        std::string error;
    };
    const Case cases[] = {
        {{{3, Bytes({5, 0xFF})}}, "socks error 20003 authentification method not acceptable"},
        {{{3, Bytes({4, 0})}}, "socks error 20002 socks version error"},
        {{{3, Bytes({5, 0})}, {11, Bytes({5, 5, 0, 1})}}, "socks error 20008 connection refused"},
        {{{3, Bytes({5, 0})}, {11, Bytes({5, 9, 0, 1})}}, "socks error 20012 unassigned error #9"},
    };
    for (const auto& c : cases) {
        net_test::TScriptedPeer proxy(c.script);
        SocksClient client(proxy.PortText(), "5", "host", "21");
        client.socket.Connect();
        ASSERT_TRUE(PumpUntil([&] { return client.finished; })) << c.error;
        const std::string code = c.error.substr(12, 5);
        EXPECT_EQ(client.events,
                  (std::vector<std::string>{"proxy 0", c.error, "connected " + code, "closed " + code}));
        EXPECT_EQ(client.socket.State(), wsClosed);
    }
}

TEST(Socks, Level4AAndLevel4Requests) {
    {
        const std::string request = Bytes({4, 1, 0, 80, 0, 0, 0, 1, 0}) + "example.org" + Bytes({0});
        net_test::TScriptedPeer proxy(
            {{static_cast<int>(request.size()), Bytes({0, 0x5A, 0, 0, 0, 0, 0, 0})}});
        SocksClient c(proxy.PortText(), "4a", "example.org", "80");
        EXPECT_EQ(c.socket.SocksLevel(), "4A");
        c.socket.Connect();
        ASSERT_TRUE(PumpUntil([&] { return c.events.size() >= 2; }));
        EXPECT_EQ(proxy.received[0], request);
        EXPECT_EQ(c.events, (std::vector<std::string>{"proxy 0", "connected 0"}));
    }
    {
        const std::string request = Bytes({4, 1, 0x1F, 0x90, 127, 0, 0, 1}) + "me" + Bytes({0});
        net_test::TScriptedPeer proxy(
            {{static_cast<int>(request.size()), Bytes({0, 0x5B, 0, 0, 0, 0, 0, 0})}});
        SocksClient c(proxy.PortText(), "4", "127.0.0.1", "8080");
        c.socket.SetSocksUsercode("me");
        c.socket.Connect();
        ASSERT_TRUE(PumpUntil([&] { return c.finished; }));
        EXPECT_EQ(proxy.received[0], request);
        EXPECT_EQ(c.events[1], "socks error 20016 request rejected or failed");
    }
}

TEST(Socks, NamesTooLongAreRefusedBeforeAnythingIsSent) {
    net_test::TScriptedPeer proxy({{1, ""}}, true);
    SocksClient c(proxy.PortText(), "5", std::string(122, 'h'), "80");
    c.socket.Connect();
    ASSERT_TRUE(PumpUntil([&] { return c.finished; }));
    EXPECT_EQ(c.events[1], "socks error 20014 host name, user code or password too long for socks request");
    proxy.Join();
    EXPECT_EQ(proxy.received[0], ""); // the proxy saw the connection close without a byte
}

TEST(Socks, SettersAndUnsupportedUses) {
    TCustomSocksWSocket s(nullptr);
    auto message = [&](const std::function<void()>& f) {
        try {
            f();
        } catch (const ESocketException& e) {
            return e.Message();
        }
        return std::string("(none)");
    };
    EXPECT_EQ(message([&] { s.SetSocksLevel("3"); }), "Invalid socks level. Must be 4, 4A or 5.");
    s.SetSocksServer(" 127.0.0.1 ");
    EXPECT_EQ(s.SocksServer(), "127.0.0.1");
    s.SetAddr("127.0.0.1");
    s.SetPort("0");
    EXPECT_EQ(message([&] { s.Listen(); }), "Listening is not supported thru socks server");
    s.SetProto("udp");
    s.SetSocksPort("1080");
    EXPECT_EQ(message([&] { s.Connect(); }), "TCP is the only protocol supported thru socks server");
}

TEST(Socks, Level4TargetThatCannotBeResolvedIsReportedWithoutConnecting) {
    net_test::TResolverScope scope; // knows no names
    net_test::TScriptedPeer proxy({{1, ""}}, true);
    SocksClient c(proxy.PortText(), "4", "unknown.example", "80");
    c.socket.Connect();
    ASSERT_TRUE(PumpUntil([&] { return c.finished; }));
    ASSERT_EQ(c.events.size(), 3u);
    EXPECT_EQ(c.events[0], "proxy 0");
    EXPECT_EQ(c.events[1].rfind(
                  "socks error 20017 ESocketException Winsock Resolve Host: Cannot convert host address", 0),
              0u);
    EXPECT_EQ(c.events[2], "closed 20017"); // no OnSessionConnected
    proxy.Join();
    EXPECT_EQ(proxy.received[0], "");
}

struct HttpSocksCase {
    const char* name;
    const char* level;
    std::vector<net_test::TScriptedPeer::Step> negotiation; // up to the proxy's grant
    std::string connectRequest;                             // what the proxy must see asking for the target
};

class HttpThroughSocks : public testing::TestWithParam<HttpSocksCase> {};

// Through SOCKS 4A and 5 the proxy is given the server's name: it may resolve names this host cannot
// (here: none at all), and the client never looks the name up itself.
TEST_P(HttpThroughSocks, SendsTheServerNameToTheProxy) {
    const HttpSocksCase& c = GetParam();
    net_test::TResolverScope scope; // knows no names
    std::vector<Step> script = c.negotiation;
    script.push_back({1, "HTTP/1.0 200 OK\r\nContent-Length: 2\r\n\r\nok"});
    net_test::TScriptedPeer proxy(script, true);
    THttpCli client(nullptr);
    TMemoryStream received;
    client.RcvdStream = &received;
    int done = 0;
    client.OnRequestDone = [&](TObject*, THttpRequest, WORD) { ++done; };
    client.SocksServer = "127.0.0.1";
    client.SocksPort = proxy.PortText();
    client.SocksLevel = c.level;
    client.URL = "http://far.example/doc";
    client.GetASync();
    ASSERT_TRUE(PumpUntil([&] { return done == 1; }));
    proxy.Join();
    EXPECT_EQ(client.ErrCode(), 0) << client.ReasonPhrase();
    EXPECT_EQ(client.StatusCode(), 200);
    EXPECT_EQ(std::string(static_cast<const char*>(received.Memory()), 2), "ok");
    ASSERT_GE(proxy.received.size(), c.negotiation.size());
    EXPECT_EQ(Hex(proxy.received[c.negotiation.size() - 1]), Hex(c.connectRequest));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HttpThroughSocks,
    testing::Values(HttpSocksCase{"Level5",
                                  "5",
                                  {{3, Bytes({5, 0})}, {18, Bytes({5, 0, 0, 1, 10, 1, 2, 3, 0, 80})}},
                                  Bytes({5, 1, 0, 3, 11}) + "far.example" + Bytes({0, 80})},
                    HttpSocksCase{"Level4A",
                                  "4A",
                                  {{21, Bytes({0, 0x5A, 0, 0, 0, 0, 0, 0})}},
                                  Bytes({4, 1, 0, 80, 0, 0, 0, 1, 0}) + "far.example" + Bytes({0})}),
    [](const testing::TestParamInfo<HttpSocksCase>& info) { return std::string(info.param.name); });
