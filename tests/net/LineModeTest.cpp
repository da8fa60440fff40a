#include "net/LineWSocket.h"
#include "tests/net/SocketTestSupport.h"

#include <gtest/gtest.h>

using net_test::PumpFor;
using net_test::PumpUntil;
using net_test::TPlainListener;

namespace line_mode_test {

// A line-mode client connected to a plain peer socket that the test writes to.
class LineModeTest : public ::testing::Test {
protected:
    void SetUp() override {
        client.SetLineMode(true);
        client.OnSessionConnected = [this](TObject*, WORD) { connected = true; };
        client.OnSessionClosed = [this](TObject*, WORD) { lines.push_back("<closed>"); };
        client.OnDataAvailable = [this](TObject*, WORD) { lines.push_back(client.ReceiveStr()); };
        client.SetAddr("127.0.0.1");
        client.SetPort(server.PortText());
        client.Connect();
        peer = server.AcceptOne();
        ASSERT_TRUE(PumpUntil([&] { return connected; }));
    }
    void TearDown() override {
        if (peer >= 0) ::close(peer);
    }
    void PeerSends(const std::string& bytes) { ::send(peer, bytes.data(), bytes.size(), 0); }
    // Waits until the client took in what was sent (held or delivered).
    void Settle(std::size_t lineCount) {
        PumpUntil([&] { return lines.size() >= lineCount; }, 2000);
    }

    TPlainListener server;
    TWSocket client{nullptr};
    int peer = -1;
    bool connected = false;
    std::vector<std::string> lines;
};

} // namespace line_mode_test

using namespace line_mode_test;

TEST_F(LineModeTest, LineEndSplitBetweenReceptions) {
    PeerSends("ab\r");
    PumpUntil([&] { return client.RcvdCount() == 3; });
    EXPECT_TRUE(lines.empty());
    PeerSends("\ncd\r\n");
    Settle(2);
    EXPECT_EQ(lines, (std::vector<std::string>{"ab\r\n", "cd\r\n"}));
}

TEST_F(LineModeTest, TwoLinesInOneReceptionFireTwice) {
    PeerSends("one\r\ntwo\r\n");
    Settle(2);
    EXPECT_EQ(lines, (std::vector<std::string>{"one\r\n", "two\r\n"}));
}

TEST_F(LineModeTest, LineLimitDropsAnOverlongLine) {
    client.SetLineLimit(10);
    std::vector<int> reported;
    client.OnLineLimitExceeded = [&](TObject*, int length, bool& clear) {
        reported.push_back(length);
        EXPECT_TRUE(clear);
    };
    PeerSends("0123456789A");
    ASSERT_TRUE(PumpUntil([&] { return !reported.empty(); }));
    EXPECT_EQ(reported, std::vector<int>{11});
    EXPECT_EQ(client.RcvdCount(), 0);
    PeerSends("ok\r\n");
    Settle(1);
    EXPECT_EQ(lines, std::vector<std::string>{"ok\r\n"});
}

TEST_F(LineModeTest, PartlyReadLineIsOfferedAgain) {
    std::vector<std::string> pieces;
    client.OnDataAvailable = [&](TObject*, WORD) {
        char buffer[3];
        const int n = client.Receive(buffer, sizeof buffer);
        pieces.emplace_back(buffer, std::max(n, 0));
    };
    PeerSends("12345678\r\n");
    ASSERT_TRUE(PumpUntil([&] { return pieces.size() == 4; }));
    EXPECT_EQ(pieces, (std::vector<std::string>{"123", "456", "78\r", "\n"}));
}

TEST_F(LineModeTest, SwitchingLineModeOffMidLineDeliversTheRestRawInOrder) {
    std::string raw;
    std::vector<std::string> seen;
    client.OnDataAvailable = [&](TObject*, WORD) {
        if (client.LineMode()) {
            char buffer[4];
            const int n = client.Receive(buffer, sizeof buffer);
            seen.emplace_back(buffer, std::max(n, 0));
            client.SetLineMode(false);
        } else {
            raw += client.ReceiveStr();
        }
    };
    PeerSends("abcdefgh\r\nnext\r\nmore");
    ASSERT_TRUE(PumpUntil([&] { return raw.size() >= 16; }));
    EXPECT_EQ(seen, std::vector<std::string>{"abcd"});
    EXPECT_EQ(raw, "efgh\r\nnext\r\nmore");
}

TEST_F(LineModeTest, PeerCloseDeliversUnterminatedRestAsLastLine) {
    PeerSends("xyz");
    ::close(peer);
    peer = -1;
    ASSERT_TRUE(PumpUntil([&] { return !lines.empty() && lines.back() == "<closed>"; }));
    EXPECT_EQ(lines, (std::vector<std::string>{"xyz", "<closed>"}));
}

TEST_F(LineModeTest, HandlerThatReadsNothingDropsTheLine) {
    int calls = 0;
    client.OnDataAvailable = [&](TObject*, WORD) { ++calls; };
    PeerSends("lost\r\nkept\r\n");
    ASSERT_TRUE(PumpUntil([&] { return calls >= 2; }));
    PumpFor(20);
    EXPECT_EQ(calls, 2); // once per line, then each is dropped
    EXPECT_EQ(client.RcvdCount(), 0);
}

TEST_F(LineModeTest, SendLine) {
    EXPECT_EQ(client.SendLine(""), 0);
    EXPECT_EQ(client.SendLine("abcd"), 6);
    client.Close();
    EXPECT_EQ(net_test::ReadAll(peer), "abcd\r\n");
}

TEST_F(LineModeTest, LineEditingWithEcho) {
    client.SetLineEdit(true);
    client.SetLineEcho(true);
    PeerSends("abc\bd\r\n");
    Settle(1);
    EXPECT_EQ(lines, std::vector<std::string>{"abd\r\n"});
    client.Close();
    EXPECT_EQ(net_test::ReadAll(peer), "abc\b \bd\r\n");
}

TEST_F(LineModeTest, LineEditingExpandsTabs) {
    client.SetLineEdit(true);
    PeerSends("ab\tc\r\n");
    Settle(1);
    EXPECT_EQ(lines, std::vector<std::string>{"ab      c\r\n"});
}

TEST(SyncWSocket, WaitForFlag) {
    TPlainListener server;
    TWSocket client(nullptr);
    bool connected = false;
    client.OnSessionConnected = [&](TObject*, WORD) { connected = true; };
    client.SetAddr("127.0.0.1");
    client.SetPort(server.PortText());
    EXPECT_EQ(client.RunAndWait([&] { client.Connect(); }, connected), 0);
    EXPECT_TRUE(connected);
    bool never = false;
    client.SetTimeout(30);
    EXPECT_EQ(client.WaitForFlag(never), 12001);
    client.SetTimeout(0);
    client.SetTerminated(true);
    EXPECT_EQ(client.WaitForFlag(never), 12001);
}
