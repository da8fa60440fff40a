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
    EXPECT_EQ(HelloUserText("user@example.org"), "user example.org");
    EXPECT_EQ(HelloUserText("odd@name@host"), "odd@name host");
    EXPECT_EQ(HelloUserText("nobody"), "");
    EXPECT_EQ(CddbEscape(HelloUserText("user@example.org")), "user+example%2Eorg");
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
