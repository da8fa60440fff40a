#include "net/Resolution.h"
#include "net/NetExceptions.h"
#include "net/WinsockBinding.h"
#include "net/WinsockErrors.h"
#include "tests/net/TestResolver.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cerrno>

namespace {

std::string MessageOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const ESocketException& e) {
        return e.Message();
    }
    return "(no exception)";
}

} // namespace

TEST(WinsockErrors, TextsAndCodes) {
    EXPECT_EQ(WinsockErrorText(0), "No Error");
    EXPECT_EQ(WinsockErrorText(10061), "Connection refused");
    EXPECT_EQ(WinsockErrorText(11004), "No Data");
    EXPECT_EQ(WinsockErrorWithCode(10061), "Connection refused (#10061)");
    EXPECT_EQ(WinsockErrorWithCode(12345), "Not a WinSock error (#12345)");
}

TEST(WinsockErrors, ErrnoMapsOntoSocketErrors) {
    const std::pair<int, int> cases[] = {{ECONNREFUSED, 10061}, {EAGAIN, 10035},      {EINPROGRESS, 10035},
                                         {ECONNRESET, 10054},   {EPIPE, 10054},       {ENOTCONN, 10057},
                                         {EADDRINUSE, 10048},   {ETIMEDOUT, 10060},   {EBADF, 10009},
                                         {EHOSTUNREACH, 10065}, {ECONNABORTED, 10053}};
    for (auto [e, code] : cases)
        EXPECT_EQ(WinsockErrorFromErrno(e), code) << e;
    errno = ECONNREFUSED;
    EXPECT_EQ(WSASetLastErrorFromErrno(), 10061);
    EXPECT_EQ(WSAGetLastError(), 10061);
}

TEST(WinsockBinding, VersionCanChangeOnlyWhileNotStarted) {
    ASSERT_EQ(WinsockUserCount(), 0);
    UnloadWinsock();
    EXPECT_FALSE(WinsockLoaded());
    EXPECT_TRUE(SetWinsockReqVerHigh(2));
    LoadWinsock();
    EXPECT_EQ(WinsockStartedVersion(), 0x0201);
    EXPECT_FALSE(SetWinsockReqVerHigh(1)); // refused while started
    EXPECT_EQ(WinsockReqVerHigh(), 2);
    UnloadWinsock();
    EXPECT_TRUE(SetWinsockReqVerHigh(1));
    AddWinsockUser();
    LoadWinsock();
    RemoveWinsockUser(); // the last user shuts it down
    EXPECT_FALSE(WinsockLoaded());
}

TEST(Resolution, DottedAddresses) {
    const std::pair<const char*, bool> cases[] = {
        {"1.2.3.4", true},    {"  10.0.0.1  ", true}, {"255.255.255.255", true}, {".1.2.3", false},
        {"1..2.3", false},    {"1.2.3.", false},      {"1.2.3.256", false},      {"a.b.c.d", false},
        {"1.2.3", false},     {"1.2.3.4.5", false},   {"1.2.3.4x", false},       {"", false},
        {"256.1.1.1", false}, {"1.2.3.4 x", false}};
    for (auto [text, dotted] : cases)
        EXPECT_EQ(IsDottedIP(text), dotted) << text;
    EXPECT_EQ(ParseDecimal("  80abc"), 80);
    EXPECT_EQ(ParseDecimal("x"), 0);
}

TEST(Resolution, ResolveHost) {
    net_test::TResolverScope scope;
    scope.resolver->hosts["localhost"] = {htonl(0x7F000001)};
    scope.resolver->hosts["multi"] = {htonl(0x0A000002), htonl(0x0A000001)};
    EXPECT_EQ(ResolveHost("127.0.0.1"), htonl(0x7F000001));
    EXPECT_EQ(ResolveHost("255.255.255.255"), 0xFFFFFFFFu);
    EXPECT_EQ(ResolveHost("localhost"), htonl(0x7F000001));
    EXPECT_EQ(ResolveHost("multi"), htonl(0x0A000002));
    EXPECT_EQ(MessageOf([] { ResolveHost(""); }), "Winsock Resolve Host: '' Invalid Hostname.");
    EXPECT_EQ(
        MessageOf([] { ResolveHost("nowhere.invalid"); }),
        "Winsock Resolve Host: Cannot convert host address 'nowhere.invalid' - Host not found (#11001)");
}

TEST(Resolution, ResolvePortTakesDigitsOnlyWithinRange) {
    net_test::TResolverScope scope;
    scope.resolver->services["http/tcp"] = 80;
    EXPECT_EQ(ResolvePort("8080", "tcp"), 8080);
    EXPECT_EQ(ResolvePort("65535", "tcp"), 65535);
    EXPECT_EQ(ResolvePort("http", "tcp"), 80);
    EXPECT_EQ(MessageOf([] { ResolvePort("", "tcp"); }), "Winsock Resolve Port: Invalid Port.");
    EXPECT_EQ(MessageOf([] { ResolvePort("80", ""); }), "Winsock Resolve Port: Invalid Proto.");
    for (const char* bad : {"80abc", "65536", "99999999999999999999", " 80"})
        EXPECT_EQ(MessageOf([&] {
                      ResolvePort(bad, "tcp");
                  }).rfind("Winsock Resolve Port: Cannot convert port '" + std::string(bad) + "' - ", 0),
                  0u)
            << bad;
}

TEST(Resolution, SystemServiceTableIsUsedByDefault) {
    // The service table is a local file, not outside name service.
    EXPECT_EQ(ResolvePort("http", "tcp"), 80);
    EXPECT_EQ(ResolveHost("localhost") & htonl(0xFF000000), htonl(0x7F000000));
}

TEST(Resolution, ResolveProto) {
    net_test::TResolverScope scope;
    scope.resolver->protocols["icmp"] = 1;
    EXPECT_EQ(ResolveProto("tcp"), 6);
    EXPECT_EQ(ResolveProto(" UDP "), 17);
    EXPECT_EQ(ResolveProto("raw"), 255);
    EXPECT_EQ(ResolveProto("17"), 17);
    EXPECT_EQ(ResolveProto("icmp"), 1);
    EXPECT_EQ(MessageOf([] { ResolveProto(""); }), "Winsock Resolve Proto: Invalid Protocol.");
    EXPECT_EQ(MessageOf([] { ResolveProto(" Bogus "); }),
              "Winsock Resolve Proto: Cannot convert protocol 'bogus' - No Data (#11004)");
    EXPECT_EQ(LocalHostName(), "testhost");
}
