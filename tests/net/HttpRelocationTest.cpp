#include "net/Base64.h"
#include "net/HttpProt.h"
#include "net/Ntlm.h"
#include "net/Resolution.h"
#include "platform/rtl/Clock.h"
#include "tests/net/HttpTestClient.h"

#include <gtest/gtest.h>

#include <algorithm>

using http_test::HeaderValue;
using http_test::RequestLine;
using http_test::Response;
using http_test::THttpTestServer;
using http_test::TRecordingClient;
using http_test::TReply;

struct RelocationCase {
    const char* name;
    const char* status;
    const char* version;  // of the client and the server
    std::string location; // "$" stands for the server's base URL
    const char* firstPath;
    const char* secondLine; // the request line that follows the relocation
    int connections;
    int locationChanges;
};

class HttpRelocation : public testing::TestWithParam<RelocationCase> {};

TEST_P(HttpRelocation, FollowsTheLocation) {
    const RelocationCase& c = GetParam();
    std::string base;
    THttpTestServer server([&](int index, const std::string&) {
        const bool close = std::string(c.version) == "1.0";
        if (index == 0) {
            std::string location = c.location;
            if (location[0] == '$') location = base + location.substr(1);
            return TReply{Response(c.status, "Location: " + location + "\r\n", "moved",
                                   std::string("HTTP/") + c.version),
                          close};
        }
        return TReply{Response("200 OK", "", "target", std::string("HTTP/") + c.version), close};
    });
    base = server.Base();
    TRecordingClient rec;
    rec.client.SetRequestVer(c.version);
    int changes = 0;
    rec.client.OnLocationChange = [&](TObject*) { ++changes; };
    ASSERT_TRUE(rec.Get(server.Base() + c.firstPath));
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(RequestLine(requests[1].text), c.secondLine);
    EXPECT_EQ(server.Connections(), c.connections);
    EXPECT_EQ(rec.client.LocationChangeCurCount(), c.locationChanges);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(rec.client.StatusCode(), 200);
    EXPECT_EQ(rec.Body(), "target");
    EXPECT_EQ(rec.doneCount, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HttpRelocation,
    testing::Values(
        RelocationCase{"Moved301Absolute", "301 Moved", "1.1", "$/new", "/old", "GET /new HTTP/1.1", 1, 1},
        RelocationCase{"Found302PathOn10", "302 Found", "1.0", "/other", "/old", "GET /other HTTP/1.0", 2, 1},
        RelocationCase{"SeeOther303Relative", "303 See Other", "1.1", "b.html", "/dir/a.html?x=1",
                       "GET /dir/b.html HTTP/1.1", 1, 1},
        RelocationCase{"Temporary307Absolute10", "307 Temporary", "1.0", "$/t?q=2#frag", "/",
                       "GET /t?q=2 HTTP/1.0", 2, 1},
        RelocationCase{"DotSegmentsRelative", "302 Found", "1.1", "../up/./b.html?p=../x", "/dir/sub/a.html",
                       "GET /dir/up/b.html?p=../x HTTP/1.1", 1, 1},
        RelocationCase{"DotSegmentsAbsolutePath", "302 Found", "1.1", "/a/b/../../../c", "/",
                       "GET /c HTTP/1.1", 1, 1},
        RelocationCase{"DotSegmentsAbsoluteUrl", "301 Moved", "1.0", "$/x/./y/../z", "/", "GET /x/z HTTP/1.0",
                       2, 1}),
    [](const testing::TestParamInfo<RelocationCase>& info) { return std::string(info.param.name); });

struct RelocationLimitCase {
    const char* name;
    const char* version; // of the client and the server: 1.0 closes after every reply
    bool alternate;      // every hop goes to the other of two servers
};

class HttpRelocationLimit : public testing::TestWithParam<RelocationLimitCase> {};

// Each followed Location counts once, whatever the connection does: five hops are followed and the
// sixth Location is the one past the limit.
TEST_P(HttpRelocationLimit, FiveHopsAreFollowedTheSixthEndsWithTheRedirect) {
    const RelocationLimitCase& c = GetParam();
    const std::string status = std::string("HTTP/") + c.version;
    const bool close = std::string(c.version) == "1.0";
    std::string bases[2];
    auto script = [&](int, const std::string& request) {
        const std::string line = RequestLine(request);
        const int hop = line.find("/hop") == std::string::npos ? 0 : line[line.find("/hop") + 4] - '0' + 1;
        const std::string next = (c.alternate ? bases[(hop + 1) % 2] : "") + "/hop" + std::to_string(hop);
        return TReply{Response("302 Found", "Location: " + next + "\r\n", "", status), close};
    };
    THttpTestServer first(script), other(script);
    bases[0] = first.Base();
    bases[1] = other.Base();
    TRecordingClient rec;
    rec.client.SetRequestVer(c.version);
    int exceeded = 0, countSeen = 0;
    rec.client.OnLocationChangeExceeded = [&](TObject*, int Count, bool& More) {
        ++exceeded;
        countSeen = Count;
        EXPECT_FALSE(More);
    };
    ASSERT_TRUE(rec.Get(first.Base() + "/"));
    EXPECT_EQ(first.Requests().size() + other.Requests().size(), 6u);
    EXPECT_EQ(exceeded, 1);
    EXPECT_EQ(countSeen, 6);
    EXPECT_EQ(rec.client.StatusCode(), 302);
    EXPECT_EQ(rec.doneError, 0);
    EXPECT_EQ(rec.doneCount, 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, HttpRelocationLimit,
                         testing::Values(RelocationLimitCase{"KeptConnection", "1.1", false},
                                         RelocationLimitCase{"NewConnectionEachHop", "1.0", false},
                                         RelocationLimitCase{"AnotherPortEachHop", "1.1", true}),
                         [](const testing::TestParamInfo<RelocationLimitCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(HttpRelocationOff, FollowRelocationOffKeepsTheReply) {
    THttpTestServer server([](int, const std::string&) {
        return TReply{Response("302 Found", "Location: /x\r\n", "see /x"), false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    rec.client.FollowRelocation = false;
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(rec.Body(), "see /x");
}

TEST(HttpRelocationCredentials, StayWithTheServerTheyWereGivenFor) {
    THttpTestServer other([](int, const std::string&) {
        return TReply{Response("200 OK", "", "other"), true};
    });
    std::string target;
    THttpTestServer first([&](int index, const std::string&) {
        return TReply{Response("302 Found", "Location: " + target + "\r\n", ""), true};
    });
    TRecordingClient rec;
    rec.client.ServerAuth = httpAuthBasic;
    rec.client.Username = "user";
    rec.client.Password = "secret";

    target = other.Base() + "/plain";
    ASSERT_TRUE(rec.Get(first.Base() + "/"));
    EXPECT_EQ(HeaderValue(first.Requests().at(0).text, "Authorization"),
              "Basic " + Base64Encode("user:secret"));
    EXPECT_EQ(HeaderValue(other.Requests().at(0).text, "Authorization"), "<none>");
    EXPECT_EQ(rec.Body(), "other");

    target = "http://u2:p2@127.0.0.1:" + other.Port() + "/own";
    ASSERT_TRUE(rec.Get(first.Base() + "/"));
    EXPECT_EQ(HeaderValue(other.Requests().at(1).text, "Authorization"), "Basic " + Base64Encode("u2:p2"));
}

TEST(HttpAuth, BasicAnswersA401AndRefusedCredentialsEndWith401) {
    THttpTestServer server([](int, const std::string& request) {
        if (HeaderValue(request, "Authorization") == "Basic " + Base64Encode("user:good"))
            return TReply{Response("200 OK", "", "welcome"), false};
        return TReply{Response("401 Unauthorized", "WWW-Authenticate: Basic realm=\"r\"\r\n", "no"), false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    rec.client.Username = "user";
    rec.client.Password = "good";
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_EQ(server.Requests().size(), 2u);
    EXPECT_EQ(rec.client.StatusCode(), 200);
    EXPECT_EQ(rec.client.ServerBasicState(), 2);
    EXPECT_EQ(rec.Body(), "welcome");
    EXPECT_EQ(rec.doneCount, 1);

    rec.client.Password = "bad";
    rec.received.SetSize(0);
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_EQ(server.Requests().size(), 4u);
    EXPECT_EQ(rec.client.StatusCode(), 401);
    EXPECT_EQ(rec.doneError, 0);
    EXPECT_EQ(rec.client.ServerBasicState(), 0);
    EXPECT_EQ(rec.doneCount, 2);
    net_test::PumpFor(50);
    EXPECT_EQ(server.Requests().size(), 4u);
}

// A challenge message with a fixed server challenge and nothing else.
std::string FixedChallenge() {
    std::string m("NTLMSSP\0", 8);
    auto le32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            m += static_cast<char>(v >> (8 * i));
    };
    le32(2);
    m += std::string("\0\0\0\0", 4);
    le32(48);
    le32(0x00008201);
    m += "\x01\x23\x45\x67\x89\xAB\xCD\xEF";
    m += std::string(8, '\0');
    m += std::string("\0\0\0\0", 4);
    le32(48);
    return Base64Encode(m);
}

struct NtlmCase {
    const char* name;
    bool proxy;
};

class HttpNtlm : public testing::TestWithParam<NtlmCase> {};

TEST_P(HttpNtlm, ThreeStepExchangeOnOneConnection) {
    const bool proxy = GetParam().proxy;
    const std::string ask = proxy ? "Proxy-Authenticate" : "WWW-Authenticate";
    const std::string answer = proxy ? "Proxy-Authorization" : "Authorization";
    const std::string status = proxy ? "407 Proxy Authentication Required" : "401 Unauthorized";
    THttpTestServer server([&](int index, const std::string&) {
        if (index == 0)
            return TReply{Response(status, ask + ": Basic realm=\"x\"\r\n" + ask + ": NTLM\r\n", ""), false};
        if (index == 1)
            return TReply{Response(status, ask + ": NTLM " + FixedChallenge() + "\r\n", ""), false};
        return TReply{Response("200 OK", "", "in"), false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    std::string url = server.Base() + "/doc";
    if (proxy) {
        rec.client.Proxy = "127.0.0.1";
        rec.client.ProxyPort = server.Port();
        rec.client.ProxyUsername = "puser";
        rec.client.ProxyPassword = "ppass";
        url = "http://inside.example/doc";
    } else {
        rec.client.Username = "user";
        rec.client.Password = "pass";
    }
    ASSERT_TRUE(rec.Get(url));
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(server.Connections(), 1);
    EXPECT_EQ(HeaderValue(requests[0].text, answer), "<none>");
    EXPECT_EQ(HeaderValue(requests[1].text, answer), "NTLM " + NtlmNegotiateMessage("", ""));
    TNTLM_Msg2_Info info = NtlmParseChallenge(FixedChallenge());
    ASSERT_TRUE(info.ResponsePresent);
    const std::string user = proxy ? "puser" : "user", pass = proxy ? "ppass" : "pass";
    EXPECT_EQ(HeaderValue(requests[2].text, answer),
              "NTLM " + NtlmAuthenticateMessage("", LocalHostName(), user, pass, info.Challenge));
    EXPECT_EQ(rec.client.StatusCode(), 200);
    EXPECT_EQ(proxy ? rec.client.ProxyNTLMState() : rec.client.ServerNTLMState(), 4);
    EXPECT_EQ(rec.doneCount, 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, HttpNtlm, testing::Values(NtlmCase{"Server", false}, NtlmCase{"Proxy", true}),
                         [](const testing::TestParamInfo<NtlmCase>& info) {
                             return std::string(info.param.name);
                         });

TEST(HttpAuth, NoNtlmOptionLeavesThe401Unanswered) {
    THttpTestServer server([](int, const std::string&) {
        return TReply{Response("401 Unauthorized", "WWW-Authenticate: NTLM\r\n", ""), false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    rec.client.Username = "user";
    rec.client.Password = "pass";
    rec.client.ServerAuth = httpAuthNtlm;
    THttpCliOptions options;
    options.Include(httpoNoNTLMAuth);
    rec.client.SetOptions(options);
    // Sent before being asked, then the 401 is not answered again.
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    net_test::PumpFor(50);
    EXPECT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(rec.client.StatusCode(), 401);
}

TEST(HttpProxy, RequestLineNamesTheWholeUrlAndBasicCredentialsAnswer407) {
    THttpTestServer proxy([](int index, const std::string& request) {
        if (HeaderValue(request, "Proxy-Authorization") == "<none>")
            return TReply{Response("407 Proxy Authentication Required",
                                   "Proxy-Authenticate: Basic realm=\"p\"\r\n", "", "HTTP/1.0"),
                          true};
        return TReply{Response("200 OK", "", "via proxy", "HTTP/1.0"), true};
    });
    TRecordingClient rec;
    rec.client.Proxy = "127.0.0.1";
    rec.client.ProxyPort = proxy.Port();
    rec.client.ProxyUsername = "pu";
    rec.client.ProxyPassword = "pp";
    ASSERT_TRUE(rec.Get("http://h/p"));
    const auto requests = proxy.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(RequestLine(requests[0].text), "GET http://h/p HTTP/1.0");
    EXPECT_EQ(HeaderValue(requests[0].text, "Host"), "h");
    EXPECT_EQ(HeaderValue(requests[1].text, "Proxy-Authorization"), "Basic " + Base64Encode("pu:pp"));
    EXPECT_EQ(rec.Body(), "via proxy");

    // A named port stays in the request line and the host line.
    rec.received.SetSize(0);
    rec.client.ProxyAuth = httpAuthBasic;
    ASSERT_TRUE(rec.Get("http://h:8080/q"));
    EXPECT_EQ(RequestLine(proxy.Requests().at(2).text), "GET http://h:8080/q HTTP/1.0");
    EXPECT_EQ(HeaderValue(proxy.Requests().at(2).text, "Host"), "h:8080");
    EXPECT_EQ(HeaderValue(proxy.Requests().at(2).text, "Proxy-Authorization"),
              "Basic " + Base64Encode("pu:pp"));
}

TEST(HttpBandwidth, ReceptionWaitsForTheClock) {
    TFakeClock clock;
    TClockOverride useClock(clock);
    const std::string body(40000, 'z');
    THttpTestServer server([&](int, const std::string&) {
        return TReply{Response("200 OK", "", body), false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    rec.client.BandwidthLimit = 10000;
    rec.client.BandwidthSampling = 1000;
    THttpCliOptions options;
    options.Include(httpoBandwidthControl);
    rec.client.SetOptions(options);
    rec.client.URL = server.Base() + "/";
    rec.client.GetASync();
    ASSERT_TRUE(net_test::PumpUntil([&] { return rec.client.RcvdCount() > 0; }));
    net_test::PumpFor(100);
    const auto held = rec.client.RcvdCount();
    EXPECT_LT(held, static_cast<std::int64_t>(body.size()));
    net_test::PumpFor(100);
    EXPECT_EQ(rec.client.RcvdCount(), held); // paused until the sampling period ends
    int periods = 0;
    while (rec.doneCount == 0 && periods < 20) {
        clock.Advance(1000);
        ++periods;
        net_test::PumpFor(30);
    }
    EXPECT_EQ(rec.doneCount, 1);
    EXPECT_EQ(rec.Body(), body);
    // 40000 bytes at 10000 a second need about four periods.
    EXPECT_GE(periods, 3);
    EXPECT_LE(periods, 6);
}

TEST(HttpProxy, RelocationThroughTheProxyKeepsTheProxyAddress) {
    THttpTestServer proxy([](int index, const std::string&) {
        if (index == 0) return TReply{Response("302 Found", "Location: /moved\r\n", "", "HTTP/1.0"), true};
        if (index == 1)
            return TReply{Response("301 Moved", "Location: http://other:81/x\r\n", "", "HTTP/1.0"), true};
        return TReply{Response("200 OK", "", "arrived", "HTTP/1.0"), true};
    });
    TRecordingClient rec;
    rec.client.Proxy = "127.0.0.1";
    rec.client.ProxyPort = proxy.Port();
    ASSERT_TRUE(rec.Get("http://h/start"));
    const auto requests = proxy.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(RequestLine(requests[1].text), "GET http://h/moved HTTP/1.0");
    EXPECT_EQ(RequestLine(requests[2].text), "GET http://other:81/x HTTP/1.0");
    EXPECT_EQ(HeaderValue(requests[2].text, "Host"), "other:81");
    EXPECT_EQ(proxy.Connections(), 3);
    EXPECT_EQ(rec.Body(), "arrived");
}

struct RedirectMethodCase {
    const char* name;
    const char* status;
    const char* version;
    const char* method; // of the request that follows
    bool withBody;
};

class HttpRedirectedPost : public testing::TestWithParam<RedirectMethodCase> {};

TEST_P(HttpRedirectedPost, KeepsOrDropsTheMethodByStatus) {
    const RedirectMethodCase& c = GetParam();
    THttpTestServer server([&](int index, const std::string&) {
        const std::string version = std::string("HTTP/") + c.version;
        const bool close = std::string(c.version) == "1.0";
        if (index == 0) return TReply{Response(c.status, "Location: /new\r\n", "", version), close};
        return TReply{Response("200 OK", "", "posted", version), close};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer(c.version);
    TMemoryStream body;
    body.Write("--a=1&b=2", 9);
    body.SetPosition(2); // the body starts where the owner left the stream
    rec.client.SendStream = &body;
    ASSERT_TRUE(rec.Run(httpPOST, server.Base() + "/form"));
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(RequestLine(requests[1].text), std::string(c.method) + " /new HTTP/" + c.version);
    const std::string tail = requests[1].text.substr(requests[1].text.find("\r\n\r\n") + 4);
    EXPECT_EQ(tail, c.withBody ? "a=1&b=2" : "");
    EXPECT_EQ(HeaderValue(requests[1].text, "Content-Length"), c.withBody ? "7" : "<none>");
    EXPECT_EQ(rec.Body(), "posted");
    EXPECT_EQ(rec.doneCount, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HttpRedirectedPost,
    testing::Values(
        RedirectMethodCase{"Temporary307", "307 Temporary Redirect", "1.1", "POST", true},
        RedirectMethodCase{"Permanent308NewConnection", "308 Permanent Redirect", "1.0", "POST", true},
        RedirectMethodCase{"SeeOther303", "303 See Other", "1.1", "GET", false},
        RedirectMethodCase{"Found302", "302 Found", "1.1", "GET", false},
        RedirectMethodCase{"Moved301NewConnection", "301 Moved Permanently", "1.0", "GET", false}),
    [](const testing::TestParamInfo<RedirectMethodCase>& info) { return std::string(info.param.name); });

TEST(HttpRelocationTarget, NetworkPathReferenceNamesAnotherServer) {
    THttpTestServer other([](int, const std::string&) {
        return TReply{Response("200 OK", "", "other server"), false};
    });
    THttpTestServer first([&](int, const std::string&) {
        return TReply{Response("302 Found", "Location: //127.0.0.1:" + other.Port() + "/there?q=1\r\n", ""),
                      false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    ASSERT_TRUE(rec.Get(first.Base() + "/here"));
    ASSERT_EQ(first.Requests().size(), 1u);
    ASSERT_EQ(other.Requests().size(), 1u);
    EXPECT_EQ(RequestLine(other.Requests()[0].text), "GET /there?q=1 HTTP/1.1");
    EXPECT_EQ(HeaderValue(other.Requests()[0].text, "Host"), "127.0.0.1:" + other.Port());
    EXPECT_EQ(rec.client.Location(), "http://127.0.0.1:" + other.Port() + "/there?q=1");
    EXPECT_EQ(rec.Body(), "other server");
}

struct UnfollowableCase {
    const char* name;
    const char* location;
};

class HttpUnfollowableLocation : public testing::TestWithParam<UnfollowableCase> {};

// A Location the client cannot speak ends the request with an error; it is never fetched as a path of
// the current server.
TEST_P(HttpUnfollowableLocation, EndsWithAClearError) {
    THttpTestServer server([&](int, const std::string&) {
        return TReply{
            Response("302 Found", std::string("Location: ") + GetParam().location + "\r\n", "moved"), false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    ASSERT_TRUE(rec.Get(server.Base() + "/start"));
    EXPECT_EQ(rec.doneError, httpErrBadProtocol);
    EXPECT_NE(rec.client.ReasonPhrase().find(GetParam().location), std::string::npos)
        << rec.client.ReasonPhrase();
    EXPECT_EQ(rec.client.Location(), GetParam().location);
    EXPECT_EQ(rec.docData, "");
    net_test::PumpFor(30);
    EXPECT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(rec.doneCount, 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, HttpUnfollowableLocation,
                         testing::Values(UnfollowableCase{"Ftp", "ftp://host/x"},
                                         UnfollowableCase{"Https", "https://127.0.0.1/secure"},
                                         UnfollowableCase{"MailTo", "mailto:someone@example.org"}),
                         [](const testing::TestParamInfo<UnfollowableCase>& info) {
                             return std::string(info.param.name);
                         });

struct StepBodyCase {
    const char* name;
    std::string firstReply;
    bool credentials;
    std::string document; // what the owner receives through OnDocData and the stream
    int requests;
};

class HttpStepBody : public testing::TestWithParam<StepBodyCase> {};

// The body of a reply that is only a step on the way (a redirect that is followed, a challenge that is
// answered) is read and dropped; the owner sees the document it asked for, and a step that is not taken
// is the document.
TEST_P(HttpStepBody, ReachesTheOwnerOnlyWhenItIsTheAnswer) {
    const StepBodyCase& c = GetParam();
    THttpTestServer server([&](int index, const std::string&) {
        if (index == 0) return TReply{c.firstReply, false};
        return TReply{Response("200 OK", "", "the document"), false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    if (c.credentials) {
        rec.client.Username = "user";
        rec.client.Password = "pass";
    }
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_EQ(rec.docData, c.document);
    EXPECT_EQ(rec.Body(), c.document);
    EXPECT_EQ(std::count(rec.events.begin(), rec.events.end(), "docbegin"), 1);
    EXPECT_EQ(std::count(rec.events.begin(), rec.events.end(), "docend"), 1);
    EXPECT_EQ(static_cast<int>(server.Requests().size()), c.requests);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HttpStepBody,
    testing::Values(
        StepBodyCase{"FollowedRedirect", Response("302 Found", "Location: /b\r\n", "<p>moved</p>"), false,
                     "the document", 2},
        StepBodyCase{"FollowedChunkedRedirect",
                     "HTTP/1.1 301 Moved\r\nLocation: /b\r\nTransfer-Encoding: chunked\r\n\r\n"
                     "5\r\nmoved\r\n0\r\n\r\n",
                     false, "the document", 2},
        StepBodyCase{"AnsweredChallenge",
                     Response("401 Unauthorized", "WWW-Authenticate: Basic realm=\"r\"\r\n", "<p>log in</p>"),
                     true, "the document", 2},
        StepBodyCase{"ChallengeWithoutCredentials",
                     Response("401 Unauthorized", "WWW-Authenticate: Basic realm=\"r\"\r\n", "<p>log in</p>"),
                     false, "<p>log in</p>", 1}),
    [](const testing::TestParamInfo<StepBodyCase>& info) { return std::string(info.param.name); });

TEST(HttpStepBody, RedirectPastTheLimitIsTheDocument) {
    THttpTestServer server([](int index, const std::string&) {
        return TReply{Response("302 Found", "Location: /next" + std::to_string(index) + "\r\n",
                               "page " + std::to_string(index)),
                      false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    rec.client.LocationChangeMaxCount = 1;
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_EQ(server.Requests().size(), 2u);
    EXPECT_EQ(rec.client.StatusCode(), 302);
    EXPECT_EQ(rec.docData, "page 1");
    EXPECT_EQ(rec.Body(), "page 1");
}
