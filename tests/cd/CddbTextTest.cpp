// The disc identifier, the query command and the escaping of what goes into a database address.
#include "cd/CddbText.h"

#include <gtest/gtest.h>

#include <vector>

namespace cddb_text_test {

// A table of contents from the tracks' start seconds and the lead-out second.
TCDTOC TocOfSeconds(const std::vector<int>& starts, int leadOut) {
    TCDTOC toc;
    toc.TrackCount = static_cast<std::uint8_t>(starts.size());
    for (std::size_t i = 0; i < starts.size(); ++i)
        toc.Tracks[i] = {std::uint8_t(starts[i] / 60), std::uint8_t(starts[i] % 60), 0, true};
    toc.LeadOut = {std::uint8_t(leadOut / 60), std::uint8_t(leadOut % 60), 0};
    return toc;
}

TEST(CddbText, DiscIdentifiersWorkedOutByHand) {
    struct TCase {
        std::vector<int> starts;
        int leadOut;
        const char* id;
    };
    const std::vector<TCase> cases{
        // digit sum 2, 178 s, 1 track
        {{2}, 180, "0200b201"},
        // 13 tracks 200 s apart from 2 s: digit sums 83, 2731 s (45:33 less 2 s)
        {{2, 202, 402, 602, 802, 1002, 1202, 1402, 1602, 1802, 2002, 2202, 2402}, 2733, "530aab0d"},
        // 99 tracks of digit sum 23: 2277 mod 255 = 237, 1 s
        {std::vector<int>(99, 599), 600, "ed000163"},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(DiscIdText(CddbDiscId(TocOfSeconds(c.starts, c.leadOut))), c.id);
    const std::uint32_t id = CddbDiscId(
        TocOfSeconds({2, 202, 402, 602, 802, 1002, 1202, 1402, 1602, 1802, 2002, 2202, 2402}, 2733));
    EXPECT_EQ(id & 0xFF, 13u);
    EXPECT_EQ((id >> 8) & 0xFFFF, 2731u);
}

TEST(CddbText, QueryCommandListsFrameOffsetsAndSeconds) {
    TCDTOC toc;
    toc.TrackCount = 3;
    toc.Tracks[0] = {0, 2, 0, true};
    toc.Tracks[1] = {4, 3, 40, true};
    toc.Tracks[2] = {9, 59, 74, false};
    toc.LeadOut = {20, 0, 0};
    // digit sums 2 + 9 + 23 = 34, 1198 s
    EXPECT_EQ(CddbQueryCommand(toc), "cddb query 2204ae03 3 150 18265 44999 1200");
}

TEST(CddbText, EscapingAndTheGreeting) {
    EXPECT_EQ(CddbEscape("cddb query 2204ae03 3 150"), "cddb+query+2204ae03+3+150");
    EXPECT_EQ(CddbEscape("2.0"), "2%2E0");
    EXPECT_EQ(CddbEscape("a&b=c/d"), "a%26b%3Dc%2Fd");
    EXPECT_EQ(CddbEscape("\xC3\xA9"), "%C3%A9");
    EXPECT_EQ(CddbEscape(HelloUserText("user@example.org", "pc")), "user+example%2Eorg");
}

// The server refuses a greeting whose user, host, client name or version is not one word each.
TEST(CddbText, GreetingIsAlwaysAUserAndHostPairOfWords) {
    const struct {
        const char* email;
        const char* greeting;
    } cases[] = {
        {"user@example.org", "user example.org"},
        {"odd@name@host", "odd@name host"},
        {"nobody", "nobody pc"},
        {"", "anonymous pc"},
        {"@example.org", "anonymous example.org"},
        {"first last@my host", "first_last my_host"},
        {"  user@  ", "user pc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HelloUserText(c.email, "pc"), c.greeting) << c.email;
    EXPECT_EQ(HelloUserText("nobody", ""), "nobody localhost");
    EXPECT_EQ(HelloWord("OLVA CD database\tclient"), "OLVA_CD_database_client");
    EXPECT_EQ(HelloWord("v0.1.76 Development"), "v0.1.76_Development");
}

TEST(CddbText, EntryTextIsConvertedFromLatin1UnlessAlreadyUtf8) {
    EXPECT_EQ(EntryTextToUtf8("Caf\xe9"), "Caf\xC3\xA9");
    EXPECT_EQ(EntryTextToUtf8("Caf\xC3\xA9"), "Caf\xC3\xA9");
    EXPECT_EQ(EntryTextToUtf8("plain"), "plain");
    EXPECT_EQ(EntryTextToUtf8("\xC3"), "\xC3\x83"); // a cut-off sequence is Latin-1
    for (const char* bad : {"\xC3", "\xC0\x80", "\xED\xA0\x80", "\xF5\x80\x80\x80", "a\xE9b"})
        EXPECT_FALSE(IsUtf8(bad)) << bad;
    for (const char* good : {"", "abc", "\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x8E\xB5"})
        EXPECT_TRUE(IsUtf8(good)) << good;
}

TEST(CddbText, ReadAddressChecks) {
    EXPECT_TRUE(IsValidCategory("rock"));
    EXPECT_TRUE(IsValidCategory("Classical"));
    for (const char* bad : {"", "ro ck", "rock&cmd=x", "r0ck", "rock\r\n"})
        EXPECT_FALSE(IsValidCategory(bad)) << bad;
    EXPECT_TRUE(IsValidDiscId("530aab0d"));
    EXPECT_TRUE(IsValidDiscId("530AAB0D"));
    for (const char* bad : {"", "530aab0", "530aab0d1", "530aab0g", "530a b0d"})
        EXPECT_FALSE(IsValidDiscId(bad)) << bad;
}

} // namespace cddb_text_test
