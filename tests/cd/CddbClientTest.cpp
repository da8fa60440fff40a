// The database client against a scripted database server on loopback: queries with one, several or
// no matches, reading and parsing the chosen entry, and the failures on the way.
#include "cd/Cddb.h"
#include "net/HttpProt.h"
#include "net/LineWSocket.h"
#include "tests/cd/SimulatedCDDevice.h"
#include "tests/net/HttpTestClient.h"
#include "tests/net/SocketTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

namespace cddb_client_test {

using namespace cd_test;
using http_test::Response;
using http_test::THttpTestServer;
using http_test::TReply;

// 13 tracks 200 s apart from 2 s, lead-out at 45:33: disc identifier 530aab0d.
std::vector<std::uint8_t> ThirteenTracks() {
    std::vector<TSimTrack> tracks;
    for (int i = 0; i < 13; ++i)
        tracks.push_back({(2 + 200 * i) * 75 - LeadInFrames});
    return RawToc(1, tracks, 2733 * 75 - LeadInFrames);
}

TReply Text(const std::string& body) {
    return {Response("200 OK", "Content-Type: text/plain\r\n", body, "HTTP/1.0"), true};
}

const std::string EntryReply = "210 rock 530aab0d CD database entry follows (until terminating `.')\r\n"
                               "# xmcd\r\n#\r\n# Track frame offsets:\r\n#\t150\r\n#\t15150\r\n#\r\n"
                               "# Disc length: 2733 seconds\r\n#\r\n# Revision: 1\r\n#\r\n"
                               "DISCID=530aab0d\r\nDTITLE=Some Artist / Some Album\r\nDYEAR=2001\r\n"
                               "TTITLE0=Opening\r\nTTITLE1=Second Song\r\nEXTD=\r\nEXTT0=\r\nEXTT1=\r\n"
                               "PLAYORDER=\r\n.\r\n";

class CddbClient : public ::testing::Test {
protected:
    CddbClient() : override_(sim) { sim.AddDrive(ThirteenTracks()); }

    // A client pointed at the server, recording its statuses and answering match choices with `choice`.
    std::unique_ptr<TCddb> Client(const THttpTestServer& server) {
        auto cddb = std::make_unique<TCddb>(nullptr);
        cddb->ServerAddr = "127.0.0.1";
        cddb->ServerPort = server.Port();
        cddb->ServerType = HTTP;
        cddb->EmailUser = "user@example.org";
        cddb->ClientName = "discgrab";
        cddb->ClientVersion = "2.0";
        TCddb* client = cddb.get();
        cddb->OnStatusMessage = TStatusEvent(
            [this, client](TObject*, const std::string& s) {
                statuses.push_back(s);
                statusStates.push_back(client->RequestState());
            },
            this);
        cddb->OnMatch = TMatchEvent(
            [this](TObject*, const TMatchArray& m, int& rightOne) {
                offered.clear();
                for (const std::string& s : m)
                    if (!s.empty()) offered.push_back(s);
                rightOne = choice;
            },
            this);
        EXPECT_TRUE(cddb->ReadDriveTOC(0));
        return cddb;
    }

    // Runs an operation and waits until the client left the state it started.
    bool Run(TCddb& cddb, bool (TCddb::*operation)()) {
        if ((cddb.*operation)()) return false;
        const int sent = cddb.RequestState();
        return net_test::PumpUntil([&] { return cddb.RequestState() != sent; });
    }

    bool Saw(const std::string& status) const {
        return std::find(statuses.begin(), statuses.end(), status) != statuses.end();
    }

    TSimulatedCDSystem sim;
    TCDDeviceSystemOverride override_;
    std::vector<std::string> statuses, offered;
    std::vector<int> statusStates; // the request state each status was given in
    int choice = 0;
};

TEST_F(CddbClient, OneMatchIsReadAndParsed) {
    THttpTestServer server([](int index, const std::string&) {
        return index == 0 ? Text("200 rock 530aab0d Some Artist / Some Album\r\n") : Text(EntryReply);
    });
    auto cddb = Client(server);
    EXPECT_EQ(cddb->CDInfo().DiscId, "530aab0d");
    ASSERT_TRUE(Run(*cddb, &TCddb::Query));
    EXPECT_EQ(cddb->RequestState(), cddb_state::MatchChosen);
    EXPECT_EQ(offered, std::vector<std::string>{"rock 530aab0d Some Artist / Some Album"});
    EXPECT_EQ(cddb->CDInfo().Category, "rock");
    EXPECT_TRUE(Saw("Found exact match"));

    ASSERT_TRUE(Run(*cddb, &TCddb::ReadEntry));
    EXPECT_EQ(cddb->RequestState(), cddb_state::EntryRead);
    EXPECT_TRUE(Saw("Entry read"));
    EXPECT_FALSE(Saw("The entry is corrupt"));
    EXPECT_EQ(cddb->CDInfo().Artist, "Some Artist");
    EXPECT_EQ(cddb->CDInfo().TrackTitles[1], "Second Song");
    EXPECT_EQ(cddb->CDInfo().Category, "rock");
    // The table of contents comes from the drive again, not from the entry.
    EXPECT_EQ(cddb->CDInfo().TOC.TrackCount, 13);
    EXPECT_EQ(cddb->CDInfo().DiscId, "530aab0d");

    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    const std::string hello = "&hello=user+example%2Eorg+discgrab+2%2E0&proto=5 HTTP/1.0";
    EXPECT_EQ(http_test::RequestLine(requests[0].text),
              "GET /~cddb/cddb.cgi?cmd=cddb+query+530aab0d+13+150+15150+30150+45150+60150+75150+90150+105150+"
              "120150+135150+150150+165150+180150+2733" +
                  hello);
    EXPECT_EQ(http_test::RequestLine(requests[1].text),
              "GET /~cddb/cddb.cgi?cmd=cddb+read+rock+530aab0d" + hello);
}

TEST_F(CddbClient, SeveralMatchesAreOfferedAndTheChoiceIsBounded) {
    THttpTestServer server([](int, const std::string&) {
        return Text("211 Found inexact matches, list follows (until terminating `.')\r\n"
                    "rock 11111111 A / B\r\njazz 22222222 C / D\r\nmisc 33333333 E / F\r\n.\r\n");
    });
    auto cddb = Client(server);
    choice = 2;
    ASSERT_TRUE(Run(*cddb, &TCddb::Query));
    EXPECT_EQ(offered.size(), 3u);
    EXPECT_EQ(cddb->RequestState(), cddb_state::MatchChosen);
    EXPECT_EQ(cddb->CDInfo().Category, "misc");
    EXPECT_EQ(cddb->CDInfo().DiscId, "33333333");
    EXPECT_TRUE(Saw("Found inexact matches"));
    EXPECT_TRUE(Saw("Received matches"));

    for (int refused : {-1, 3, 100}) {
        choice = refused;
        statuses.clear();
        ASSERT_TRUE(Run(*cddb, &TCddb::Query));
        EXPECT_EQ(cddb->RequestState(), cddb_state::NoUsableMatch) << refused;
        EXPECT_TRUE(cddb->ReadEntry());
        EXPECT_TRUE(Saw("Can't perform a CDDB READ without a successful CDDB QUERY!"));
    }
    EXPECT_EQ(server.Requests().size(), 4u);
}

TEST_F(CddbClient, NoMatchAndRepliesThatAreNotUsable) {
    struct TCase {
        std::string body;
        int state;
        std::string status;
    };
    const std::vector<TCase> cases{
        {"202 No match for disc ID 530aab0d.\r\n", cddb_state::NoUsableMatch, "No match found"},
        {"403 Database entry is corrupt.\r\n", cddb_state::NoUsableMatch, "Database entry is corrupt"},
        {"409 No handshake.\r\n", cddb_state::NoUsableMatch, "No handshake"},
        {"2x0 not a code\r\n", cddb_state::NoUsableMatch, "Unexpected reply line: 2x0 not a code"},
        // Server errors end the query, so the lookup stops and says why.
        {"500 Command syntax error.\r\n", cddb_state::NoUsableMatch,
         "Command syntax error, command unknown, command unimplemented"},
        {"530 Server timeout.\r\n", cddb_state::NoUsableMatch, "Server error, server timeout"},
        {"402 Server error.\r\n", cddb_state::NoUsableMatch, "Server error"},
        {"408 CGI environment error.\r\n", cddb_state::NoUsableMatch, "CGI environment error"},
        {"230 Bye.\r\n", cddb_state::NotConnected, "Command OK, connection will close"},
        {"401 No such thing.\r\n", cddb_state::NoUsableMatch, "Command OK, but cannot be performed"},
        // Replies that stop short end it too.
        {"", cddb_state::NoUsableMatch, "The CD database sent an incomplete reply"},
        {"Welcome to the server\r\n", cddb_state::NoUsableMatch, "The CD database sent an incomplete reply"},
        {"211 Found inexact matches\r\nrock 11111111 A / B\r\n", cddb_state::NoUsableMatch,
         "The CD database sent an incomplete reply"},
        {"210 Found exact matches\r\nrock 11111111 A / B\r\n.extra\r\n", cddb_state::NoUsableMatch,
         "The CD database sent an incomplete reply"},
        // A last line without its line end still counts.
        {"200 rock 530aab0d Some Title", cddb_state::MatchChosen, "Found exact match"},
    };
    for (const TCase& c : cases) {
        THttpTestServer server([&](int, const std::string&) { return Text(c.body); });
        auto cddb = Client(server);
        statuses.clear();
        ASSERT_FALSE(cddb->Query());
        net_test::PumpUntil([&] {
            return server.Requests().size() == 1 && !statuses.empty() && statuses.back() != "Querying CD";
        });
        net_test::PumpFor(20);
        EXPECT_EQ(cddb->RequestState(), c.state) << c.body;
        EXPECT_TRUE(Saw(c.status)) << c.body;
        // The owner learns the end with the state already set, as the lookup window reads it.
        ASSERT_FALSE(statusStates.empty());
        EXPECT_EQ(statusStates.back(), c.state) << c.body;
    }
}

TEST_F(CddbClient, FailedRequestsEndInTheFailedState) {
    THttpTestServer server([](int index, const std::string&) -> TReply {
        if (index == 0)
            return {Response("500 Internal Server Error", "Content-Type: text/html\r\n",
                             "<html><body>200 rock 530aab0d Not a reply</body></html>"),
                    true};
        // The connection drops halfway through the body.
        return {"HTTP/1.0 200 OK\r\nContent-Length: 500\r\n\r\n200 rock 530aab0d Half", true};
    });
    auto cddb = Client(server);
    ASSERT_TRUE(Run(*cddb, &TCddb::Query));
    EXPECT_EQ(cddb->RequestState(), cddb_state::HttpFailed);
    EXPECT_EQ(statuses.back(), "CDDB Component Internal Error: THttpCli.GetAsync failed because of error "
                               "\"500 Internal Server Error\"");
    EXPECT_TRUE(offered.empty());
    statuses.clear();
    ASSERT_TRUE(Run(*cddb, &TCddb::Query));
    EXPECT_EQ(cddb->RequestState(), cddb_state::HttpFailed);
    EXPECT_TRUE(offered.empty());
    EXPECT_EQ(
        statuses.back().rfind("CDDB Component Internal Error: THttpCli.GetAsync failed because of error ", 0),
        0u);
}

TEST_F(CddbClient, ReadsOnlyAfterASuccessfulQueryAndOnlyWellFormedAddresses) {
    THttpTestServer server([](int index, const std::string&) {
        return index == 0 ? Text("200 ro&ck 530aab0d Title\r\n")
                          : Text("401 rock 530aab0d No such CD entry.\r\n");
    });
    auto cddb = Client(server);
    EXPECT_TRUE(cddb->ReadEntry());
    EXPECT_EQ(statuses.back(), "Can't perform a CDDB READ without a successful CDDB QUERY!");
    ASSERT_TRUE(Run(*cddb, &TCddb::Query));
    EXPECT_TRUE(cddb->ReadEntry());
    EXPECT_EQ(statuses.back(), "Can't perform a CDDB READ without a valid category and disc ID!");
    EXPECT_EQ(server.Requests().size(), 1u);

    cddb->ServerType = CDDBP;
    EXPECT_TRUE(cddb->Query());
    EXPECT_EQ(statuses.back(), "Selected server not an HTTP server");
}

TEST_F(CddbClient, ReadFailuresAndUnexpectedEntryLines) {
    struct TCase {
        std::string body;
        std::string status;
    };
    const std::vector<TCase> cases{
        {"401 rock 530aab0d No such CD entry.\r\n", "Specified CDDB entry not found"},
        {"403 Database entry is corrupt.\r\n", "Database entry is corrupt"},
        // A line an entry cannot hold fails the read, and the end mark after it does not undo that.
        {"210 rock 530aab0d follows\r\n# xmcd\r\nXYZ=1\r\n.\r\n", "Unexpected reply line: XYZ=1"},
        {"210 rock 530aab0d follows\r\n# xmcd\r\n.\r\n", "The entry is corrupt"},
        {"402 Server error.\r\n", "Server error"},
        {"500 Command syntax error.\r\n", "Command syntax error, command unknown, command unimplemented"},
        // An entry that stops short is no entry read.
        {"", "The CD database sent an incomplete entry"},
        {"210 rock 530aab0d follows\r\n# xmcd\r\nDTITLE=A / B\r\n",
         "The CD database sent an incomplete entry"},
        {"210 rock 530aab0d follows\r\n# xmcd\r\n.hidden\r\n.\r\n", "Unexpected reply line: .hidden"},
    };
    for (const TCase& c : cases) {
        THttpTestServer server([&](int index, const std::string&) {
            return index == 0 ? Text("200 rock 530aab0d Title\r\n") : Text(c.body);
        });
        auto cddb = Client(server);
        ASSERT_TRUE(Run(*cddb, &TCddb::Query));
        statuses.clear();
        ASSERT_TRUE(Run(*cddb, &TCddb::ReadEntry));
        net_test::PumpFor(20);
        const bool complete = c.status == "The entry is corrupt";
        EXPECT_EQ(cddb->RequestState(), complete ? cddb_state::EntryRead : cddb_state::ReadFailed) << c.body;
        EXPECT_EQ(Saw("Entry read"), complete) << c.body;
        EXPECT_TRUE(Saw(c.status)) << c.body;
        EXPECT_NE(std::find(statusStates.begin(), statusStates.end(),
                            complete ? cddb_state::EntryRead : cddb_state::ReadFailed),
                  statusStates.end())
            << c.body;
    }
}

// An entry as a server at protocol level 5 sends it: Latin-1, values split over several lines where
// they are long (a line may end in a blank, and a " / " may fall across the break), more after the
// terminating ".".
const std::string SplitLatin1Entry = "210 rock 0a1b2c0d CD database entry follows (until terminating `.')\r\n"
                                     "# xmcd\r\n#\r\n# Track frame offsets:\r\n#\t150\r\n#\t15150\r\n#\r\n"
                                     "# Disc length: 2733 seconds\r\n#\r\n# Revision: 1\r\n#\r\n"
                                     "DISCID=0a1b2c0d\r\nDTITLE=Les Caf\xe9s /\r\nDTITLE= Something \r\n"
                                     "DTITLE=Rather Long\r\nTTITLE0=Caf\xe9 \r\nTTITLE0=au lait\r\n"
                                     "TTITLE1=Untitled\r\nEXTD=Recorded \r\nEXTD=live\r\nEXTT0=\r\nEXTT1=\r\n"
                                     "PLAYORDER=\r\n.\r\nTTITLE1=Not part of the entry\r\n";

TEST_F(CddbClient, EntryOverHttpIsJoinedSplitAndConverted) {
    THttpTestServer server([](int index, const std::string&) {
        // An exact match the server files under another disc's identifier.
        return index == 0 ? Text("200 rock 0a1b2c0d Les Caf\xe9s / Something Rather Long\r\n")
                          : Text(SplitLatin1Entry);
    });
    auto cddb = Client(server);
    ASSERT_TRUE(Run(*cddb, &TCddb::Query));
    EXPECT_EQ(offered, std::vector<std::string>{"rock 0a1b2c0d Les Caf\xC3\xA9s / Something Rather Long"});
    ASSERT_TRUE(Run(*cddb, &TCddb::ReadEntry));
    EXPECT_EQ(http_test::RequestLine(server.Requests().at(1).text).substr(0, 50),
              "GET /~cddb/cddb.cgi?cmd=cddb+read+rock+0a1b2c0d&he");
    EXPECT_EQ(cddb->RequestState(), cddb_state::EntryRead);
    const TCDInfo& info = cddb->CDInfo();
    EXPECT_EQ(info.Artist, "Les Caf\xC3\xA9s");
    EXPECT_EQ(info.Title, "Something Rather Long");
    EXPECT_EQ(info.TrackTitles[0], "Caf\xC3\xA9 au lait");
    EXPECT_EQ(info.TrackTitles[1], "Untitled");
    EXPECT_EQ(info.ExtendedData, "Recorded live");
}

// The greeting the server reads as "user host client version": four words, whatever the settings.
TEST_F(CddbClient, GreetingHasFourWordsWithDefaultNamesAndAnAddressWithoutAt) {
    THttpTestServer server([](int, const std::string&) { return Text("202 No match\r\n"); });
    auto cddb = Client(server);
    cddb->EmailUser = "someone";
    cddb->ClientName = TCddb(nullptr).ClientName; // the component's own name
    cddb->ClientVersion = "v0.1.76 Development";
    ASSERT_TRUE(Run(*cddb, &TCddb::Query));
    const std::string line = http_test::RequestLine(server.Requests().at(0).text);
    const auto start = line.find("&hello=") + 7;
    const std::string hello = line.substr(start, line.find('&', start) - start);
    EXPECT_EQ(std::count(hello.begin(), hello.end(), '+'), 3) << hello;
    EXPECT_EQ(hello.rfind("someone+", 0), 0u) << hello;
    EXPECT_NE(hello.find("+v0%2E1%2E76%5FDevelopment"), std::string::npos) << hello;
}

TEST(CddbReplyLines, LineEndsZeroBytesAndTheLastLine) {
    using V = std::vector<std::string>;
    EXPECT_EQ(SplitReplyLines("a\r\nb\rc\nd"), (V{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitReplyLines(std::string_view("x\0y\nz\n", 6)), (V{"x", "z"}));
    EXPECT_EQ(SplitReplyLines("\r\n\r\n"), (V{"", ""}));
    EXPECT_EQ(SplitReplyLines(""), V{});
}

TEST(CddbSettings, NoteLengthLocalTypeAndProxy) {
    TSimulatedCDSystem none;
    TCDDeviceSystemOverride use(none);
    TCddb cddb(nullptr);
    EXPECT_TRUE(cddb.InternalTOCRetrieve);
    EXPECT_EQ(cddb.Drives().Count, 0);
    EXPECT_EQ(cddb.RequestState(), cddb_state::NotConnected);
    EXPECT_EQ(cddb.ServerAdditionalAddr, "/~cddb/cddb.cgi");
    cddb.SetNoteToUser(std::string(100, 'n'));
    EXPECT_EQ(cddb.NoteToUser(), std::string(70, 'n'));
    cddb.SetLocalCDDBType(lctWIN);
    cddb.SetLocalCDDBType(static_cast<TLocalCDDBType>(5));
    EXPECT_EQ(cddb.LocalCDDBType(), lctWIN);
    cddb.SetProxyAddress("proxy.example");
    EXPECT_EQ(cddb.HttpClient().Proxy, "proxy.example");
    EXPECT_FALSE(cddb.ReadDriveTOC(0));
}

TEST(CddbSocket, BannersOfTheLineProtocolServer) {
    TSimulatedCDSystem none;
    TCDDeviceSystemOverride use(none);
    net_test::TPlainListener listener;
    std::thread peer([&] {
        const int fd = listener.AcceptOne();
        const std::string banner = "201 cddb.example CDDBP server v1.5 ready at Mon Jan 1 00:00:00 2024\r\n";
        ::send(fd, banner.data(), banner.size(), MSG_NOSIGNAL);
        char byte;
        ::recv(fd, &byte, 1, 0); // until the client goes
        ::close(fd);
    });
    TCddb cddb(nullptr);
    std::vector<std::string> statuses;
    cddb.OnStatusMessage =
        TStatusEvent([&](TObject*, const std::string& s) { statuses.push_back(s); }, nullptr);
    cddb.Socket().SetAddr("127.0.0.1");
    cddb.Socket().SetPort(listener.PortText());
    cddb.Socket().Connect();
    EXPECT_TRUE(net_test::PumpUntil([&] { return cddb.RequestState() == cddb_state::BannerReadOnly; }));
    EXPECT_EQ(statuses, std::vector<std::string>{"OK, read only"});
    cddb.Socket().Close();
    net_test::PumpFor(20);
    EXPECT_EQ(cddb.RequestState(), cddb_state::NotConnected);
    EXPECT_EQ(statuses.back(), "Connection closed");
    peer.join();
}

} // namespace cddb_client_test
