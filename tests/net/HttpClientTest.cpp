#include "net/HttpContentCoding.h"
#include "net/HttpProt.h"
#include "net/LineWSocket.h"
#include "net/NetWndHandler.h"
#include "platform/rtl/StringList.h"
#include "tests/net/HttpTestClient.h"
#include "tests/net/TestResolver.h"

#include <gtest/gtest.h>

using http_test::HeaderValue;
using http_test::RequestLine;
using http_test::Response;
using http_test::THttpTestServer;
using http_test::TRecordingClient;
using http_test::TReply;

TEST(HttpClient, GetSendsExactlyTheDefaultHeaderAndReadsTheBody) {
    THttpTestServer server([](int, const std::string&) {
        return TReply{Response("200 OK", "Content-Type: Text/Plain\r\n", "hello", "HTTP/1.0"), true};
    });
    TRecordingClient rec;
    ASSERT_TRUE(rec.Get(server.Base() + "/dir/page?x=1"));
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].text, "GET /dir/page?x=1 HTTP/1.0\r\n"
                                "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n"
                                "User-Agent: Mozilla/4.0 (compatible; OLVA)\r\n"
                                "Host: 127.0.0.1:" +
                                    server.Port() + "\r\n\r\n");
    EXPECT_EQ(rec.client.StatusCode(), 200);
    EXPECT_EQ(rec.client.ReasonPhrase(), "OK");
    EXPECT_EQ(rec.client.ErrCode(), 0);
    EXPECT_EQ(rec.client.ContentType(), "text/plain");
    EXPECT_EQ(rec.client.ContentLength(), 5);
    EXPECT_EQ(rec.client.RcvdCount(), 5);
    EXPECT_EQ(rec.client.DocName(), "page");
    EXPECT_EQ(rec.client.ServerVersion(), "1.0");
    EXPECT_EQ(rec.Body(), "hello");
    EXPECT_EQ(rec.docData, "hello");
    EXPECT_EQ(rec.client.State(), httpReady);
}

TEST(HttpClient, PostPutAndHeadCarryWhatTheyShould) {
    THttpTestServer server([](int, const std::string& request) {
        if (RequestLine(request).rfind("HEAD", 0) == 0)
            return TReply{"HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n", false};
        return TReply{Response("201 Created", "", "ok"), false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    TMemoryStream body;
    body.Write("a=1&b=2", 7);
    body.SetPosition(0);
    rec.client.SendStream = &body;
    std::string sent;
    rec.client.OnSendData = [&](TObject*, const void* Data, int Len) {
        sent.append(static_cast<const char*>(Data), Len);
    };

    ASSERT_TRUE(rec.Run(httpPOST, server.Base() + "/form"));
    body.SetPosition(0);
    rec.client.ContentTypePost = "text/plain";
    ASSERT_TRUE(rec.Run(httpPUT, server.Base() + "/file.txt"));
    EXPECT_EQ(rec.client.SentCount(), 7);
    ASSERT_TRUE(rec.Run(httpHEAD, server.Base() + "/file.txt"));

    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(RequestLine(requests[0].text), "POST /form HTTP/1.1");
    EXPECT_EQ(HeaderValue(requests[0].text, "Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(HeaderValue(requests[0].text, "Content-Length"), "7");
    EXPECT_EQ(requests[0].text.substr(requests[0].text.size() - 7), "a=1&b=2");
    EXPECT_EQ(RequestLine(requests[1].text), "PUT /file.txt HTTP/1.1");
    EXPECT_EQ(HeaderValue(requests[1].text, "Content-Type"), "text/plain");
    EXPECT_EQ(RequestLine(requests[2].text), "HEAD /file.txt HTTP/1.1");
    EXPECT_EQ(HeaderValue(requests[2].text, "Content-Length"), "<none>");
    EXPECT_EQ(sent, "a=1&b=2a=1&b=2");
    // All three went over one kept-alive connection; HEAD read no body.
    EXPECT_EQ(server.Connections(), 1);
    EXPECT_EQ(rec.client.ContentLength(), 10);
    EXPECT_EQ(rec.client.RcvdCount(), 0);
    EXPECT_EQ(rec.Body(), "okok");
}

TEST(HttpClient, KeepAliveReusesTheConnectionAndCloseReplyDoesNot) {
    THttpTestServer server([](int index, const std::string&) {
        if (index == 1) return TReply{Response("200 OK", "Connection: close\r\n", "two"), true};
        return TReply{Response("200 OK", "", "one"), false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    ASSERT_TRUE(rec.Get(server.Base() + "/a"));
    EXPECT_FALSE(rec.client.CloseAfterRequest());
    ASSERT_TRUE(rec.Get(server.Base() + "/b"));
    EXPECT_TRUE(rec.client.CloseAfterRequest());
    ASSERT_TRUE(rec.Get(server.Base() + "/c"));
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[0].connection, 0);
    EXPECT_EQ(requests[1].connection, 0);
    EXPECT_EQ(requests[2].connection, 1);
    EXPECT_EQ(rec.Body(), "onetwoone");
}

TEST(HttpClient, ChunkedBodiesAreJoined) {
    THttpTestServer server([](int, const std::string&) {
        return TReply{"HTTP/1.1 200 OK\r\nTransfer-Encoding: Chunked\r\n\r\n"
                      "5\r\nhello\r\nA;ext=1\r\n, chunked!\r\n0\r\n\r\n",
                      false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_EQ(rec.client.TransferEncoding(), "chunked");
    EXPECT_EQ(rec.Body(), "hello, chunked!");
    EXPECT_EQ(rec.client.ErrCode(), 0);
    EXPECT_EQ(rec.client.DocName(), "document.htm");
    // The connection stays usable after the last chunk.
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_EQ(server.Connections(), 1);
}

TEST(HttpClient, BodyWithoutLengthEndsAtTheCloseInOrder) {
    THttpTestServer server([](int, const std::string&) {
        return TReply{"HTTP/1.0 200 OK\r\n\r\nuntil the end", true};
    });
    TRecordingClient rec;
    ASSERT_TRUE(rec.Get(server.Base() + "/x.html"));
    EXPECT_EQ(rec.Body(), "until the end");
    EXPECT_EQ(rec.client.ErrCode(), 0);
    const std::vector<std::string> expected = {"connected", "headerbegin", "headerend", "docbegin",
                                               "docend",    "closed",      "done 0"};
    EXPECT_EQ(rec.events, expected);
}

TEST(HttpClient, StatusLineWithTwoBlanksAndRedirectWithoutBody) {
    THttpTestServer server([](int index, const std::string&) {
        if (index == 0) return TReply{Response("", "", "gone").replace(8, 1, "  404 Not here"), true};
        return TReply{"HTTP/1.0 302 Found\r\n\r\n", true};
    });
    TRecordingClient rec;
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_EQ(rec.client.StatusCode(), 404);
    EXPECT_EQ(rec.client.ReasonPhrase(), "Not here");
    EXPECT_EQ(rec.client.ErrCode(), 0);
    rec.events.clear();
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_EQ(rec.client.StatusCode(), 302);
    EXPECT_EQ(std::count(rec.events.begin(), rec.events.end(), "docbegin"), 0);
}

struct BrokenReplyCase {
    const char* name;
    std::string reply;
    WORD error;
};

class HttpBrokenReply : public testing::TestWithParam<BrokenReplyCase> {};

TEST_P(HttpBrokenReply, EndsTheRequestWithAnError) {
    const BrokenReplyCase& c = GetParam();
    THttpTestServer server([&](int, const std::string&) { return TReply{c.reply, true}; });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_EQ(rec.doneError, c.error);
    EXPECT_EQ(rec.client.ErrCode(), c.error);
    EXPECT_GE(rec.client.StatusCode(), 400);
    EXPECT_EQ(rec.client.State(), httpReady);
    net_test::PumpFor(50);
    EXPECT_EQ(rec.doneCount, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HttpBrokenReply,
    testing::Values(
        BrokenReplyCase{"NoReplyAtAll", "", httpErrTruncated},
        BrokenReplyCase{"CloseInHeader", "HTTP/1.1 200 OK\r\nContent-Le", httpErrTruncated},
        BrokenReplyCase{"ShortBody", "HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nhalf", httpErrTruncated},
        BrokenReplyCase{"ShortChunked", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhel",
                        httpErrTruncated},
        BrokenReplyCase{"NegativeLength", "HTTP/1.1 200 OK\r\nContent-Length: -5\r\n\r\nabc",
                        httpErrBadLength},
        BrokenReplyCase{"TextLength", "HTTP/1.1 200 OK\r\nContent-Length: many\r\n\r\nabc", httpErrBadLength},
        BrokenReplyCase{"HexLength", "HTTP/1.1 200 OK\r\nContent-Length: 0x5\r\n\r\nhello", httpErrBadLength},
        BrokenReplyCase{"SignedLength", "HTTP/1.1 200 OK\r\nContent-Length: +5\r\n\r\nhello",
                        httpErrBadLength},
        BrokenReplyCase{"LengthWithSuffix", "HTTP/1.1 200 OK\r\nContent-Length: 5 bytes\r\n\r\nhello",
                        httpErrBadLength},
        BrokenReplyCase{"HugeChunk",
                        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nFFFFFFFFFFFFFFFFFF\r\nab",
                        httpErrBadChunk},
        BrokenReplyCase{"ChunkWithoutSize", "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\nzz\r\n",
                        httpErrBadChunk},
        BrokenReplyCase{"LongHeaderLine", "HTTP/1.1 200 OK\r\nX-Long: " + std::string(20000, 'a'),
                        httpErrHeaderTooLarge},
        BrokenReplyCase{"HugeHeader",
                        [] {
                            std::string r = "HTTP/1.1 200 OK\r\n";
                            for (int i = 0; i < 3000; ++i)
                                r += "X-Many: " + std::string(100, 'b') + "\r\n";
                            return r;
                        }(),
                        httpErrHeaderTooLarge},
        BrokenReplyCase{"NoStatusLine", "GARBAGE\r\n\r\nsome text", httpErrBadStatus},
        BrokenReplyCase{"OtherVersion", "HTTP/2 200 OK\r\nContent-Length: 2\r\n\r\nok", httpErrBadStatus},
        BrokenReplyCase{"StatusNotANumber", "HTTP/1.1 OK\r\nContent-Length: 2\r\n\r\nok", httpErrBadStatus},
        BrokenReplyCase{"StatusOutOfRange", "HTTP/1.1 999 Odd\r\nContent-Length: 2\r\n\r\nok",
                        httpErrBadStatus},
        BrokenReplyCase{"TwoDifferentLengths",
                        "HTTP/1.1 200 OK\r\nContent-Length: 5\r\nContent-Length: 7\r\n\r\nhello!!",
                        httpErrBadLength},
        BrokenReplyCase{"BytesAfterChunkData",
                        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5\r\nhelloXYZ\r\n0\r\n\r\n",
                        httpErrBadChunk},
        BrokenReplyCase{"EndlessChunkSizeLine",
                        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5;" + std::string(20000, 'e'),
                        httpErrBadChunk},
        BrokenReplyCase{"GarbageAfterChunkSize",
                        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n5x\r\nhello\r\n0\r\n\r\n",
                        httpErrBadChunk},
        BrokenReplyCase{"ChunkedNotLast",
                        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked, gzip\r\n\r\n5\r\nhello\r\n0\r\n\r\n",
                        httpErrBadChunk},
        BrokenReplyCase{"UnknownTransferCoding",
                        "HTTP/1.1 200 OK\r\nTransfer-Encoding: foo, chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n",
                        httpErrBadCoding},
        BrokenReplyCase{"CorruptGzipTransfer",
                        "HTTP/1.1 200 OK\r\nTransfer-Encoding: gzip, chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n",
                        httpErrBadCoding},
        BrokenReplyCase{"EndlessTrailer",
                        "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n0\r\nX: " +
                            std::string(20000, 't'),
                        httpErrBadChunk}),
    [](const testing::TestParamInfo<BrokenReplyCase>& info) { return std::string(info.param.name); });

TEST(HttpClient, UnreachableServerReportsTheSocketError) {
    TRecordingClient rec;
    ASSERT_TRUE(rec.Get("http://127.0.0.1:" + std::to_string(net_test::ClosedPort()) + "/"));
    EXPECT_NE(rec.doneError, 0);
    EXPECT_EQ(rec.client.StatusCode(), 404);
}

TEST(HttpClient, OtherProtocolsAreNotImplemented) {
    THttpTestServer server([](int, const std::string&) { return TReply{"", true}; });
    TRecordingClient rec;
    ASSERT_TRUE(rec.Get("ftp://127.0.0.1:" + server.Port() + "/f"));
    EXPECT_EQ(rec.client.StatusCode(), 501);
    EXPECT_EQ(rec.client.ReasonPhrase(), "Protocol \"ftp\" not implemented");
    // Not a success: the error says so too.
    EXPECT_EQ(rec.doneError, httpErrBadProtocol);
    EXPECT_EQ(server.Connections(), 0);
}

TEST(HttpClient, ExceptionsForBusyNothingToPostAndVersion) {
    THttpTestServer server([](int, const std::string&) { return TReply{Response("200 OK", "", "x"), true}; });
    TRecordingClient rec;
    rec.client.SetName("Web");
    auto codeOf = [](const std::function<void()>& f) {
        try {
            f();
        } catch (EHttpException& e) {
            return std::to_string(e.ErrorCode()) + " " + e.Message();
        }
        return std::string("none");
    };
    EXPECT_EQ(codeOf([&] { rec.client.SetRequestVer("2.0"); }), "5 Insupported HTTP version");
    EXPECT_EQ(codeOf([&] { rec.client.DoRequestAsync(httpPOST); }),
              "2 HTTP component has nothing to post or put");
    rec.client.URL = server.Base() + "/";
    rec.client.GetASync();
    EXPECT_EQ(codeOf([&] { rec.client.GetASync(); }), "1 HTTP component Web is busy");
    ASSERT_TRUE(net_test::PumpUntil([&] { return rec.doneCount == 1; }));
    EXPECT_EQ(rec.Body(), "x");
}

TEST(HttpClient, AbortWhileIdleReportsAtOnce) {
    TRecordingClient rec;
    rec.client.Abort();
    EXPECT_EQ(rec.doneCount, 1);
    EXPECT_EQ(rec.doneError, 0);
    EXPECT_EQ(rec.client.StatusCode(), 200);
}

TEST(HttpClient, AbortMidBodyThenNewRequestReportsOnlyTheNewOne) {
    THttpTestServer server([](int index, const std::string&) {
        if (index == 0) return TReply{"HTTP/1.1 200 OK\r\nContent-Length: 100000\r\n\r\nfirst part", false};
        return TReply{Response("200 OK", "", "second"), false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    rec.client.URL = server.Base() + "/big";
    rec.client.GetASync();
    ASSERT_TRUE(net_test::PumpUntil([&] { return !rec.docData.empty(); }));
    rec.client.Abort();
    EXPECT_EQ(rec.client.ErrCode(), 3);
    EXPECT_EQ(rec.client.ReasonPhrase(), "Connection aborted on request");
    rec.received.SetSize(0);
    rec.Get(server.Base() + "/small");
    // The first report is the new request's, complete.
    EXPECT_EQ(rec.doneCount, 1);
    EXPECT_EQ(rec.doneError, 0);
    EXPECT_EQ(rec.Body(), "second");
    net_test::PumpFor(50);
    EXPECT_EQ(rec.doneCount, 1);
}

TEST(HttpClient, CloseRequestClosesTheKeptConnection) {
    THttpTestServer server([](int, const std::string&) {
        return TReply{Response("200 OK", "", "x"), false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_EQ(rec.client.CtrlSocket().State(), wsConnected);
    ASSERT_TRUE(rec.Run(httpCLOSE, server.Base() + "/"));
    EXPECT_EQ(rec.client.CtrlSocket().State(), wsClosed);
    EXPECT_EQ(rec.client.StatusCode(), 200);
}

TEST(HttpClient, HeaderLinesFromSettingsAndOwnerHooks) {
    THttpTestServer server([](int, const std::string&) {
        return TReply{Response("200 OK", "Set-Cookie: a=b\r\n", ""), true};
    });
    TRecordingClient rec;
    rec.client.Sender = "me@example";
    rec.client.Reference = "http://ref/";
    rec.client.Cookie = "k=v";
    rec.client.NoCache = true;
    rec.client.ContentRangeBegin = "10";
    rec.client.ModifiedSince = 45000.5; // 15 Mar 2023 12:00:00, a Wednesday
    rec.client.OnBeforeHeaderSend = [](TObject*, const std::string& Method, TStrings* Lines) {
        if (Method == "GET") Lines->Add("X-Extra: injected\r\nEvil: yes");
    };
    std::string cookie;
    rec.client.OnCookie = [&](TObject*, const std::string& Data, bool&) { cookie = Data; };
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    const std::string request = server.Requests().at(0).text;
    EXPECT_EQ(HeaderValue(request, "From"), "me@example");
    EXPECT_EQ(HeaderValue(request, "Referer"), "http://ref/");
    EXPECT_EQ(HeaderValue(request, "Cookie"), "k=v");
    EXPECT_EQ(HeaderValue(request, "Pragma"), "no-cache");
    EXPECT_EQ(HeaderValue(request, "Range"), "bytes=10-");
    EXPECT_EQ(HeaderValue(request, "If-Modified-Since"), "Wed, 15 Mar 2023 12:00:00 GMT");
    // A line break handed in by the owner never starts a header line of its own.
    EXPECT_EQ(HeaderValue(request, "X-Extra"), "injectedEvil: yes");
    EXPECT_EQ(request.find("\r\nEvil"), std::string::npos);
    EXPECT_EQ(cookie, "a=b");
    EXPECT_TRUE(rec.client.ContentRangeBegin.empty());
}

TEST(HttpClient, DestroyedClientGivesBackItsWindow) {
    const int before = NetWndWindowCount();
    {
        THttpTestServer server([](int, const std::string&) {
            return TReply{Response("200 OK", "", "x"), false};
        });
        TRecordingClient rec;
        THttpCliOptions options;
        options.Include(httpoBandwidthControl);
        rec.client.SetOptions(options);
        ASSERT_TRUE(rec.Get(server.Base() + "/"));
        EXPECT_GT(NetWndWindowCount(), before);
    }
    EXPECT_EQ(NetWndWindowCount(), before);
}

TEST(HttpClient, AbortFromTheDataEventLeavesTheClientUsable) {
    THttpTestServer server([](int index, const std::string&) {
        if (index == 0) return TReply{"HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\n0123456789", false};
        return TReply{Response("200 OK", "", "again"), false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    rec.client.OnDocData = [&](TObject*, const void*, int) { rec.client.Abort(); };
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_EQ(rec.doneError, 3);
    EXPECT_EQ(rec.client.State(), httpReady);
    rec.client.OnDocData = nullptr;
    rec.received.SetSize(0);
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_EQ(rec.Body(), "again");
    EXPECT_EQ(rec.doneError, 0);
}

TEST(HttpClient, SynchronousRequestsWaitAndRaiseForErrorStatus) {
    THttpTestServer server([](int index, const std::string&) {
        if (index == 0)
            return TReply{"HTTP/1.1 100 Continue\r\n\r\n" + Response("200 OK", "", "sync"), false};
        return TReply{Response("404 Not Found", "", "missing"), false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    rec.client.URL = server.Base() + "/a";
    rec.client.Get();
    EXPECT_EQ(rec.client.State(), httpReady);
    EXPECT_EQ(rec.client.StatusCode(), 200);
    EXPECT_EQ(rec.client.RcvdHeader().Count(), 2); // the interim reply's lines are gone
    EXPECT_EQ(rec.Body(), "sync");
    EXPECT_EQ(rec.doneCount, 1);
    rec.client.URL = server.Base() + "/b";
    try {
        rec.client.Get();
        ADD_FAILURE() << "no exception";
    } catch (EHttpException& e) {
        EXPECT_EQ(e.ErrorCode(), 404);
        EXPECT_EQ(e.Message(), "Not Found");
    }
    EXPECT_EQ(rec.doneCount, 2);
}

TEST(HttpClient, UnknownHostReportsTheLookupFailure) {
    net_test::TResolverScope names;
    TRecordingClient rec;
    ASSERT_TRUE(rec.Get("http://no-such-host.test/"));
    EXPECT_EQ(rec.client.StatusCode(), 404);
    EXPECT_EQ(rec.client.ReasonPhrase(), "can't resolve hostname to IP address");
    EXPECT_EQ(rec.doneError, 11001);
}

TEST(HttpClient, ContentCodingIsAnnouncedAndTheBodyPassesTheHandler) {
    THttpTestServer server([](int, const std::string&) {
        return TReply{Response("200 OK", "Content-Encoding: identity\r\n", "coded"), false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    THttpCliOptions options;
    options.Include(httpoEnableContentCoding);
    options.Include(httpoUseQuality);
    rec.client.SetOptions(options);
    EXPECT_TRUE(rec.client.ContentCodingHnd().Enabled());
    EXPECT_TRUE(rec.client.Options().Contains(httpoUseQuality));
    rec.client.ContentCodingHnd().SetEnabled(false); // the handler's flag is what the set reports
    EXPECT_FALSE(rec.client.Options().Contains(httpoEnableContentCoding));
    rec.client.SetOptions(options);
    const std::string announced = rec.client.ContentCodingHnd().AcceptEncodingValue();
    ASSERT_FALSE(announced.empty());
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    ASSERT_TRUE(rec.Run(httpHEAD, server.Base() + "/"));
    const auto requests = server.Requests();
    EXPECT_EQ(HeaderValue(requests[0].text, "Accept-Encoding"), announced);
    EXPECT_EQ(HeaderValue(requests[1].text, "Accept-Encoding"), "<none>");
    EXPECT_EQ(rec.client.ContentEncoding(), "identity");
    EXPECT_EQ(rec.Body(), "coded");
    EXPECT_EQ(rec.docData, "coded");
}
