// How the client reads replies that real servers send besides the plain ones: informational replies
// ahead of the real one, Location headers on replies that are no redirects, and bodies framed or
// coded in more than one way.
#include "net/HttpContentCoding.h"
#include "net/HttpProt.h"
#include "net/ZlibContentCoding.h"
#include "platform/rtl/StringList.h"
#include "tests/net/HttpTestClient.h"
#include "tests/net/ScopedContentCoding.h"
#include "tests/net/TestZlib.h"

#include <gtest/gtest.h>

using http_test::Response;
using http_test::THttpTestServer;
using http_test::TRecordingClient;
using http_test::TReply;

namespace {

std::string Gzip(const std::string& text) {
    return net_test::Compress(text, 31);
}

// The body in chunks of the given size.
std::string Chunked(const std::string& body, std::size_t piece) {
    std::string out;
    char size[32];
    for (std::size_t i = 0; i < body.size(); i += piece) {
        const std::string part = body.substr(i, piece);
        std::snprintf(size, sizeof size, "%zx", part.size());
        out += std::string(size) + "\r\n" + part + "\r\n";
    }
    return out + "0\r\n\r\n";
}

// Gzip under a token of its own, registered by the tests that decode with it and never announced (not
// available), so that no Accept-Encoding changes while it is registered.
class TTestGzipClass : public THttpContentCodingClass {
public:
    std::string ClassName() const override { return "THttpContentCodingx-test-gzip"; }
    bool IsAvailable() const override { return false; }
    std::unique_ptr<THttpContentCoding> Create(THttpWriteProc Output) const override {
        return THttpCCodGzip::Class().Create(std::move(Output));
    }
};

const TTestGzipClass TestGzipClass;

// A client for HTTP/1.1 that decodes content codings (register the test's own gzip alongside).
void DecodingClient(TRecordingClient& rec) {
    rec.client.SetRequestVer("1.1");
    THttpCliOptions options;
    options.Include(httpoEnableContentCoding);
    rec.client.SetOptions(options);
}

const std::string LongText = [] {
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "line " + std::to_string(i) + " of the document\n";
    return text;
}();

} // namespace

struct InterimCase {
    const char* name;
    std::string interim; // what comes before the real reply
};

class HttpInterimReply : public testing::TestWithParam<InterimCase> {};

TEST_P(HttpInterimReply, IsSkippedAndTheRealReplyIsRead) {
    const InterimCase& c = GetParam();
    THttpTestServer server([&](int, const std::string&) {
        return TReply{c.interim + Response("200 OK", "X-Real: yes\r\n", "the body"), false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_EQ(rec.client.StatusCode(), 200);
    EXPECT_EQ(rec.doneError, 0);
    EXPECT_EQ(rec.Body(), "the body");
    // Only the real reply's lines remain, and the header began once.
    EXPECT_EQ(rec.client.RcvdHeader().Count(), 3);
    EXPECT_EQ(std::count(rec.events.begin(), rec.events.end(), "headerbegin"), 1);
    // The connection stays in step: a second request on it reads its own reply.
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_EQ(rec.Body(), "the bodythe body");
    EXPECT_EQ(server.Connections(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HttpInterimReply,
    testing::Values(
        InterimCase{"Continue", "HTTP/1.1 100 Continue\r\n\r\n"},
        InterimCase{"Processing", "HTTP/1.1 102 Processing\r\n\r\n"},
        InterimCase{"EarlyHintsWithLinks", "HTTP/1.1 103 Early Hints\r\nLink: </s.css>; rel=preload\r\n"
                                           "Content-Length: 99\r\n\r\n"},
        InterimCase{"SeveralFromAn10Server", "HTTP/1.0 100 Continue\r\n\r\nHTTP/1.1 102 Processing\r\n\r\n"}),
    [](const testing::TestParamInfo<InterimCase>& info) { return std::string(info.param.name); });

struct LocationCase {
    const char* name;
    const char* status;
};

class HttpLocationWithoutRedirect : public testing::TestWithParam<LocationCase> {};

TEST_P(HttpLocationWithoutRedirect, KeepsTheReplyItsBody) {
    THttpTestServer server([&](int, const std::string&) {
        return TReply{Response(GetParam().status, "Location: /elsewhere\r\n", "own body"), false};
    });
    TRecordingClient rec;
    rec.client.SetRequestVer("1.1");
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    net_test::PumpFor(30);
    EXPECT_EQ(server.Requests().size(), 1u);
    EXPECT_EQ(rec.Body(), "own body");
    EXPECT_EQ(rec.client.StatusCode(), std::stoi(GetParam().status));
    EXPECT_EQ(rec.client.LocationChangeCurCount(), 0);
    EXPECT_EQ(rec.doneCount, 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, HttpLocationWithoutRedirect,
                         testing::Values(LocationCase{"Ok", "200 OK"}, LocationCase{"Created", "201 Created"},
                                         LocationCase{"Accepted", "202 Accepted"},
                                         LocationCase{"NotFound", "404 Not Found"}),
                         [](const testing::TestParamInfo<LocationCase>& info) {
                             return std::string(info.param.name);
                         });

struct FramingCase {
    const char* name;
    std::string headers; // each ending in CR LF
    std::string body;    // as sent
};

class HttpBodyFraming : public testing::TestWithParam<FramingCase> {};

TEST_P(HttpBodyFraming, DeliversTheDocumentExactly) {
    const FramingCase& c = GetParam();
    THttpTestServer server([&](int, const std::string&) {
        return TReply{"HTTP/1.1 200 OK\r\n" + c.headers + "\r\n" + c.body, false};
    });
    const net_test::TScopedContentCoding testGzip(TestGzipClass, 0);
    TRecordingClient rec;
    DecodingClient(rec);
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_EQ(rec.doneError, 0);
    EXPECT_EQ(rec.client.StatusCode(), 200);
    EXPECT_TRUE(rec.Body() == LongText) << rec.Body().substr(0, 80);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HttpBodyFraming,
    testing::Values(
        FramingCase{"ChunkedWithExtensionsAndTrailer", "Transfer-Encoding: chunked\r\n",
                    [] {
                        std::string c = Chunked(LongText, 1000);
                        c.insert(c.find("\r\n"), ";name=value"); // an extension on the first size line
                        return c.substr(0, c.size() - 2) + "X-Checksum: 1\r\nX-Other: 2\r\n\r\n";
                    }()},
        FramingCase{"GzipThenChunked", "Transfer-Encoding: gzip, chunked\r\n", Chunked(Gzip(LongText), 777)},
        FramingCase{"ChunkedInTwoHeaders", "Transfer-Encoding: gzip\r\nTransfer-Encoding: chunked\r\n",
                    Chunked(Gzip(LongText), 4096)},
        FramingCase{"SameLengthTwice",
                    "Content-Length: " + std::to_string(LongText.size()) +
                        "\r\nContent-Length: " + std::to_string(LongText.size()) + "\r\n",
                    LongText},
        FramingCase{"ChunkedOverridesLength", "Content-Length: 5\r\nTransfer-Encoding: chunked\r\n",
                    Chunked(LongText, 5000)},
        FramingCase{"ContentCodingOverChunks",
                    "Content-Encoding: x-test-gzip\r\nTransfer-Encoding: chunked\r\n",
                    Chunked(Gzip(LongText), 999)}),
    [](const testing::TestParamInfo<FramingCase>& info) { return std::string(info.param.name); });

TEST(HttpBodyCoding, BodyThatIsNotInItsCodingIsDeliveredButFails) {
    const std::string plain = "<html>labelled as compressed, but plain</html>";
    THttpTestServer server([&](int index, const std::string&) {
        if (index == 0) return TReply{Response("200 OK", "Content-Encoding: x-test-gzip\r\n", plain), false};
        // Cut off half way: the stream never reaches its end.
        const std::string gz = Gzip(LongText);
        return TReply{Response("200 OK", "Content-Encoding: x-test-gzip\r\n", gz.substr(0, gz.size() / 2)),
                      false};
    });
    const net_test::TScopedContentCoding testGzip(TestGzipClass, 0);
    TRecordingClient rec;
    DecodingClient(rec);
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_EQ(rec.doneError, httpErrBadCoding);
    EXPECT_EQ(rec.client.StatusCode(), 404);
    EXPECT_EQ(rec.Body(), plain); // nothing is lost: the bytes are there, the error says what they are
    EXPECT_EQ(std::count(rec.events.begin(), rec.events.end(), "docend"), 1);

    rec.received.SetSize(0);
    ASSERT_TRUE(rec.Get(server.Base() + "/"));
    EXPECT_EQ(rec.doneError, httpErrBadCoding);
    EXPECT_EQ(rec.doneCount, 2);
    net_test::PumpFor(30);
    EXPECT_EQ(rec.doneCount, 2);
}
