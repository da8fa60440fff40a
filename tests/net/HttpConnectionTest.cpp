// The connection under a request: addresses that cannot be connected to, kept connections that the
// server closed, and servers that go silent.
#include "net/Base64.h"
#include "net/HttpProt.h"
#include "net/LineWSocket.h"
#include "platform/rtl/Clock.h"
#include "tests/net/HttpTestClient.h"
#include "tests/net/TestResolver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

using http_test::HeaderValue;
using http_test::RequestLine;
using http_test::Response;
using http_test::THttpTestServer;
using http_test::TRecordingClient;
using http_test::TReply;

namespace {

// The outcome of a synchronous request: "done" or the exception's code and text.
std::string SyncOutcome(THttpCli& client) {
    try {
        client.Get();
    } catch (EHttpException& e) {
        return std::to_string(e.ErrorCode()) + " " + e.Message();
    }
    return "done";
}

// A name service that takes its time: every host look-up waits until released (or five seconds).
class TSlowResolver : public net_test::TFakeResolver {
public:
    bool LookupHost(const std::string& Name, std::vector<std::uint32_t>& Addresses, int& Error) override {
        ++inside;
        std::unique_lock lock(mutex);
        released.wait_for(lock, std::chrono::seconds(5), [this] { return open; });
        --inside;
        return TFakeResolver::LookupHost(Name, Addresses, Error);
    }
    void Release() {
        {
            std::lock_guard lock(mutex);
            open = true;
        }
        released.notify_all();
        while (inside > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::atomic<int> inside{0};

private:
    std::mutex mutex;
    std::condition_variable released;
    bool open = false;
};

// A peer that answers one request in parts: the header and the first part at once, each further part
// when the test lets it go.
class TTricklingPeer {
public:
    explicit TTricklingPeer(std::vector<std::string> parts) : FParts(std::move(parts)) {
        FThread = std::thread([this] {
            const int fd = FListener.AcceptOne();
            if (fd < 0) return;
            std::string request;
            char buffer[1024];
            while (request.find("\r\n\r\n") == std::string::npos) {
                const auto n = ::recv(fd, buffer, sizeof buffer, 0);
                if (n <= 0) break;
                request.append(buffer, static_cast<std::size_t>(n));
            }
            for (std::size_t i = 0; i < FParts.size(); ++i) {
                while (FAllowed.load() <= static_cast<int>(i) && !FStop)
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
                if (FStop) break;
                ::send(fd, FParts[i].data(), FParts[i].size(), MSG_NOSIGNAL);
            }
            ::close(fd);
        });
    }
    ~TTricklingPeer() {
        FStop = true;
        ::shutdown(FListener.fd, SHUT_RDWR);
        FThread.join();
    }
    std::string Url() const { return "http://127.0.0.1:" + FListener.PortText() + "/"; }
    void Allow(int parts) { FAllowed = parts; }

private:
    net_test::TPlainListener FListener;
    std::vector<std::string> FParts;
    std::atomic<int> FAllowed{1};
    std::atomic<bool> FStop{false};
    std::thread FThread;
};

} // namespace

struct BadPortCase {
    const char* name;
    const char* port;
    bool inLocation; // given by a redirect rather than by the URL
};

class HttpBadPort : public testing::TestWithParam<BadPortCase> {};

TEST_P(HttpBadPort, EndsTheRequestWithAnErrorOnce) {
    const BadPortCase& c = GetParam();
    THttpTestServer server([&](int, const std::string&) {
        return TReply{
            Response("302 Found", std::string("Location: http://127.0.0.1:") + c.port + "/x\r\n", ""), true};
    });
    const std::string url =
        c.inLocation ? server.Base() + "/" : std::string("http://127.0.0.1:") + c.port + "/";
    TRecordingClient rec;
    ASSERT_TRUE(rec.Get(url));
    EXPECT_EQ(rec.doneError, httpErrBadPort);
    EXPECT_EQ(rec.client.StatusCode(), 404);
    EXPECT_EQ(rec.client.State(), httpReady);
    net_test::PumpFor(30);
    EXPECT_EQ(rec.doneCount, 1);
    // The synchronous request returns too, with the error raised.
    rec.client.URL = url;
    EXPECT_EQ(SyncOutcome(rec.client), "404 Invalid port \"" + std::string(c.port) + "\"");
    EXPECT_EQ(rec.doneCount, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HttpBadPort,
    testing::Values(BadPortCase{"TooLarge", "99999", false}, BadPortCase{"JustTooLarge", "65536", false},
                    BadPortCase{"Letters", "abc", false}, BadPortCase{"Zero", "0", false},
                    BadPortCase{"TooLargeInLocation", "99999", true},
                    BadPortCase{"LettersInLocation", "abc", true}),
    [](const testing::TestParamInfo<BadPortCase>& info) { return std::string(info.param.name); });

TEST(HttpConnectFailure, ErrorsTheSocketReportsThroughItsEventEndTheRequest) {
    net_test::TResolverScope names;
    THttpTestServer server([](int, const std::string&) { return TReply{Response("200 OK", "", "x"), true}; });
    TRecordingClient rec;
    int socketErrors = 0;
    rec.client.OnSocketError = [&](TObject*) { ++socketErrors; };
    // A local address the name service does not know fails inside the connect.
    rec.client.LocalAddr = "no-such-local.test";
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_NE(rec.doneError, 0);
    EXPECT_EQ(rec.client.StatusCode(), 404);
    EXPECT_GE(socketErrors, 1);
    // An empty host name fails inside the look-up.
    rec.client.LocalAddr = "0.0.0.0";
    ASSERT_TRUE(rec.Get("http://:" + server.Port() + "/"));
    EXPECT_NE(rec.doneError, 0);
    net_test::PumpFor(30);
    EXPECT_EQ(rec.doneCount, 2);
    EXPECT_TRUE(server.Requests().empty());
}

struct ClosedKeptCase {
    const char* name;
    std::string firstReply; // announces nothing about the connection, which the server then closes
};

class HttpServerClosedKeptConnection : public testing::TestWithParam<ClosedKeptCase> {};

TEST_P(HttpServerClosedKeptConnection, FollowUpGoesOverANewConnection) {
    THttpTestServer server([&](int index, const std::string& request) {
        if (index == 0) return TReply{GetParam().firstReply, true};
        return TReply{Response("200 OK", "", "final " + HeaderValue(request, "Authorization")), true};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    rec.client.Username = "u";
    rec.client.Password = "p";
    ASSERT_TRUE(rec.Get(server.Base() + "/a"));
    EXPECT_EQ(rec.doneError, 0);
    EXPECT_EQ(rec.client.StatusCode(), 200);
    EXPECT_EQ(rec.Body().substr(0, 5), "final");
    EXPECT_EQ(server.Connections(), 2);
    EXPECT_EQ(rec.doneCount, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HttpServerClosedKeptConnection,
    testing::Values(ClosedKeptCase{"RedirectWithEmptyBody", "HTTP/1.1 302 Found\r\nLocation: /b\r\n"
                                                            "Content-Length: 0\r\n\r\n"},
                    ClosedKeptCase{"RedirectWithBody", Response("301 Moved", "Location: /b\r\n", "moved")},
                    ClosedKeptCase{
                        "AuthenticationAsked",
                        Response("401 Unauthorized", "WWW-Authenticate: Basic realm=\"r\"\r\n", "")}),
    [](const testing::TestParamInfo<ClosedKeptCase>& info) { return std::string(info.param.name); });

TEST(HttpServerClosedKeptConnection, ThroughAProxyEveryStepArrives) {
    // Proxy and server in one: it asks for the proxy's credentials, then the server's, then redirects,
    // and closes the connection after every reply without saying so.
    THttpTestServer proxy([](int, const std::string& request) {
        if (HeaderValue(request, "Proxy-Authorization") != "Basic " + Base64Encode("pu:pp"))
            return TReply{Response("407 Proxy Authentication Required",
                                   "Proxy-Authenticate: Basic realm=\"p\"\r\n", ""),
                          true};
        if (HeaderValue(request, "Authorization") != "Basic " + Base64Encode("u:p"))
            return TReply{Response("401 Unauthorized", "WWW-Authenticate: Basic realm=\"s\"\r\n", ""), true};
        if (RequestLine(request) == "GET http://h/start HTTP/1.1")
            return TReply{Response("302 Found", "Location: /final\r\n", ""), true};
        return TReply{Response("200 OK", "", "arrived"), true};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    rec.client.Proxy = "127.0.0.1";
    rec.client.ProxyPort = proxy.Port();
    rec.client.ProxyUsername = "pu";
    rec.client.ProxyPassword = "pp";
    rec.client.Username = "u";
    rec.client.Password = "p";
    ASSERT_TRUE(rec.Get("http://h/start"));
    EXPECT_EQ(rec.doneError, 0);
    EXPECT_EQ(rec.client.StatusCode(), 200);
    EXPECT_EQ(rec.Body(), "arrived");
    EXPECT_EQ(rec.doneCount, 1);
    // Asked once for each: the proxy's credentials go along on every new connection once accepted.
    const auto requests = proxy.Requests();
    ASSERT_EQ(requests.size(), 4u);
    EXPECT_EQ(RequestLine(requests.back().text), "GET http://h/final HTTP/1.1");
}

struct DroppedRequestCase {
    const char* name;
    THttpRequest request;
    bool sentAgain; // only a request that may be repeated safely goes out once more by itself
};

class HttpDroppedOnKeptConnection : public testing::TestWithParam<DroppedRequestCase> {};

TEST_P(HttpDroppedOnKeptConnection, OnlyIdempotentRequestsAreSentOnceMore) {
    const DroppedRequestCase& c = GetParam();
    THttpTestServer server([](int index, const std::string&) {
        if (index == 1) return TReply{"", true}; // read, then closed: its keep-alive time ran out
        return TReply{Response("200 OK", "", "reply " + std::to_string(index)), false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    TMemoryStream body;
    body.Write("abc=123", 7);
    body.SetPosition(0);
    rec.client.SendStream = &body;
    ASSERT_TRUE(rec.Run(c.request, server.Base() + "/form"));
    body.SetPosition(0);
    ASSERT_TRUE(rec.Run(c.request, server.Base() + "/form"));
    EXPECT_EQ(rec.doneCount, 2);
    net_test::PumpFor(30);
    const auto requests = server.Requests();
    if (c.sentAgain) {
        EXPECT_EQ(rec.doneError, 0);
        EXPECT_EQ(rec.Body(), "reply 0reply 2");
        ASSERT_EQ(requests.size(), 3u);
        EXPECT_EQ(requests[1].connection, 0);
        EXPECT_EQ(requests[2].connection, 1);
        EXPECT_EQ(requests[2].text, requests[1].text); // the same request, body and all
    } else {
        // The server may have acted on it: the owner learns it was cut off, and decides.
        EXPECT_EQ(rec.doneError, httpErrTruncated);
        EXPECT_EQ(rec.Body(), "reply 0");
        EXPECT_EQ(requests.size(), 2u);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, HttpDroppedOnKeptConnection,
                         testing::Values(DroppedRequestCase{"Get", httpGET, true},
                                         DroppedRequestCase{"Put", httpPUT, true},
                                         DroppedRequestCase{"Post", httpPOST, false}),
                         [](const testing::TestParamInfo<DroppedRequestCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(HttpServerClosedKeptConnection, NewConnectionClosedUnansweredIsAnError) {
    THttpTestServer server([](int index, const std::string&) {
        if (index >= 1) return TReply{"", true};
        return TReply{Response("200 OK", "", "first"), false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_EQ(rec.doneError, httpErrTruncated);
    net_test::PumpFor(30);
    EXPECT_EQ(server.Requests().size(), 3u); // sent once more, not again and again
    EXPECT_EQ(rec.doneCount, 2);
}

TEST(HttpTimeout, SilentServerEndsTheRequestAfterTheTimeout) {
    TFakeClock clock;
    TClockOverride useClock(clock);
    THttpTestServer server([](int, const std::string&) { return TReply{"", false}; }); // reads, never answers
    TRecordingClient rec;
    rec.client.Timeout = 5000;
    rec.client.URL = server.Base() + "/";
    rec.client.GetASync();
    ASSERT_TRUE(net_test::PumpUntil([&] { return server.Requests().size() == 1; }));
    clock.Advance(4000);
    net_test::PumpFor(30);
    EXPECT_EQ(rec.doneCount, 0);
    clock.Advance(1500);
    ASSERT_TRUE(net_test::PumpUntil([&] { return rec.doneCount == 1; }));
    EXPECT_EQ(rec.doneError, httpErrTimedOut);
    EXPECT_EQ(rec.client.StatusCode(), 404);
    EXPECT_EQ(rec.client.ReasonPhrase(), "Connection timed out (Error #10060)");
    EXPECT_EQ(rec.client.State(), httpReady);
}

TEST(HttpTimeout, ArrivingDataKeepsTheRequestAlive) {
    TFakeClock clock;
    TClockOverride useClock(clock);
    TTricklingPeer peer({"HTTP/1.0 200 OK\r\nContent-Length: 9\r\n\r\nabc", "def", "ghi"});
    TRecordingClient rec;
    rec.client.Timeout = 5000;
    rec.client.URL = peer.Url();
    rec.client.GetASync();
    ASSERT_TRUE(net_test::PumpUntil([&] { return rec.docData == "abc"; }));
    clock.Advance(3000);
    net_test::PumpFor(20);
    peer.Allow(2);
    ASSERT_TRUE(net_test::PumpUntil([&] { return rec.docData == "abcdef"; }));
    clock.Advance(3000); // six seconds in all, three since the last bytes
    net_test::PumpFor(20);
    EXPECT_EQ(rec.doneCount, 0);
    peer.Allow(3);
    ASSERT_TRUE(net_test::PumpUntil([&] { return rec.doneCount == 1; }));
    EXPECT_EQ(rec.doneError, 0);
    EXPECT_EQ(rec.Body(), "abcdefghi");
}

TEST(HttpTimeout, NameLookupThatNeverEndsTimesOut) {
    TFakeClock clock;
    TClockOverride useClock(clock);
    auto resolver = std::make_shared<TSlowResolver>();
    SetNameResolver(resolver);
    {
        TRecordingClient rec;
        rec.client.Timeout = 5000;
        rec.client.URL = "http://slow.test/";
        rec.client.GetASync();
        ASSERT_TRUE(net_test::PumpUntil([&] { return resolver->inside == 1; }));
        clock.Advance(6000);
        EXPECT_TRUE(net_test::PumpUntil([&] { return rec.doneCount == 1; }));
        EXPECT_EQ(rec.doneError, httpErrTimedOut);
        resolver->Release();
        net_test::PumpFor(30); // the late answer changes nothing
        EXPECT_EQ(rec.doneCount, 1);
        EXPECT_EQ(rec.client.State(), httpReady);
    }
    resolver->Release();
    SetNameResolver(nullptr);
}

TEST(HttpTimeout, SynchronousRequestReturnsWithTheError) {
    THttpTestServer server([](int, const std::string&) { return TReply{"", false}; });
    TRecordingClient rec;
    rec.client.Timeout = 200;
    rec.client.URL = server.Base() + "/";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(SyncOutcome(rec.client), "404 Connection timed out (Error #10060)");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_EQ(rec.client.ErrCode(), httpErrTimedOut);
    EXPECT_EQ(rec.doneCount, 1);
}

TEST(HttpTimeout, DefaultIsAFewTensOfSecondsAndZeroWaitsForEver) {
    TFakeClock clock;
    TClockOverride useClock(clock);
    THttpTestServer server([](int, const std::string&) { return TReply{"", false}; });
    TRecordingClient rec;
    EXPECT_EQ(rec.client.Timeout, 30000u);
    EXPECT_EQ(rec.client.RequestTimeout, 120000u);
    rec.client.Timeout = 0;
    rec.client.RequestTimeout = 0;
    rec.client.URL = server.Base() + "/";
    rec.client.GetASync();
    ASSERT_TRUE(net_test::PumpUntil([&] { return server.Requests().size() == 1; }));
    clock.Advance(3600 * 1000);
    net_test::PumpFor(30);
    EXPECT_EQ(rec.doneCount, 0);
    rec.client.Abort();
    EXPECT_TRUE(net_test::PumpUntil([&] { return rec.doneCount == 1; }));
    EXPECT_EQ(rec.doneError, 3);
}

namespace {

// A server that reads one request, sends Head at once, then Trickle one byte every 50 ms, and closes.
class TTrickleServer {
public:
    TTrickleServer(std::string Head, std::string Trickle) {
        FThread = std::thread([this, head = std::move(Head), trickle = std::move(Trickle)] {
            const int fd = FListener.AcceptOne();
            if (fd < 0) return;
            std::string request;
            while (request.find("\r\n\r\n") == std::string::npos) {
                char buffer[1024];
                const auto n = ::recv(fd, buffer, sizeof buffer, 0);
                if (n <= 0) break;
                request.append(buffer, static_cast<std::size_t>(n));
            }
            ::send(fd, head.data(), head.size(), MSG_NOSIGNAL);
            for (char c : trickle) {
                if (FStop) break;
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                if (::send(fd, &c, 1, MSG_NOSIGNAL) != 1) break;
            }
            ::close(fd);
        });
    }
    ~TTrickleServer() {
        FStop = true;
        ::shutdown(FListener.fd, SHUT_RDWR);
        FThread.join();
    }
    std::string Base() const { return "http://127.0.0.1:" + FListener.PortText(); }

private:
    net_test::TPlainListener FListener;
    std::atomic<bool> FStop{false};
    std::thread FThread;
};

} // namespace

// One byte every 50 ms keeps the silence time-out of two seconds from ever firing; only the whole
// request's deadline ends a header that never finishes.
TEST(HttpDeadline, TricklingHeaderEndsAtTheDeadline) {
    TTrickleServer server("HTTP/1.1 200 OK\r\n", "X-Slow: " + std::string(200, 'z'));
    TRecordingClient rec;
    rec.client.Timeout = 2000;
    rec.client.RequestTimeout = 400;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_EQ(rec.doneError, httpErrDeadline);
    EXPECT_EQ(rec.client.StatusCode(), 404);
    EXPECT_EQ(rec.client.ReasonPhrase(), "Request not completed within 400 ms");
    EXPECT_EQ(rec.doneCount, 1);
}

TEST(HttpDeadline, SynchronousGetReturnsWithTheError) {
    TTrickleServer server("HTTP/1.0 200 OK\r\n", "X-Slow: " + std::string(200, 'z'));
    TRecordingClient rec;
    rec.client.Timeout = 2000;
    rec.client.RequestTimeout = 400;
    rec.client.URL = server.Base() + "/";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(SyncOutcome(rec.client), "404 Request not completed within 400 ms");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_EQ(rec.client.ErrCode(), httpErrDeadline);
}

struct TrickleBodyCase {
    const char* name;
    bool progressHandler;
    WORD error;
};

class HttpDeadlineBody : public testing::TestWithParam<TrickleBodyCase> {};

// A body whose progress the owner follows may take as long as it keeps coming; one that nobody follows
// is part of the request the deadline bounds.
TEST_P(HttpDeadlineBody, AppliesToTheBodyOnlyWithoutAProgressHandler) {
    const std::string body(16, 'b');
    TTrickleServer server("HTTP/1.1 200 OK\r\nContent-Length: 16\r\n\r\n", body);
    TRecordingClient rec;
    if (!GetParam().progressHandler) rec.client.OnDocData = nullptr;
    rec.client.Timeout = 2000;
    rec.client.RequestTimeout = 300; // the 16 bytes take about 800 ms
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_EQ(rec.doneError, GetParam().error);
    if (GetParam().error == 0) {
        EXPECT_EQ(rec.Body(), body);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, HttpDeadlineBody,
                         testing::Values(TrickleBodyCase{"FollowedByOnDocData", true, 0},
                                         TrickleBodyCase{"IntoTheStreamOnly", false, httpErrDeadline}),
                         [](const testing::TestParamInfo<TrickleBodyCase>& info) {
                             return std::string(info.param.name);
                         });
