// The lists' typing search: the same letter cycles, more letters narrow, case does not matter, and the
// search goes round from the current item.
#include "platform/vcl/ListTypingSearch.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace list_typing_search_test {
namespace {

const std::vector<std::string> Items{"Bass", "banjo", "Cello", "bassoon", "Drums"};

int TypeAll(TListTypingSearch& Search, const std::string& Keys, int Current) {
    for (char key : Keys) {
        const int found = Search.Find(static_cast<TKeyChar>(key), Current, static_cast<int>(Items.size()),
                                      [](int i) { return Items[i]; });
        if (found >= 0)
            Current = found;
        else
            return -1;
    }
    return Current;
}

TEST(ListTypingSearch, FindsTheItemTheTypedLettersLeadTo) {
    struct Case {
        const char* Keys;
        int Current;
        int Expected;
    };
    const Case cases[] = {
        {"c", -1, 2},    // from nothing: the first match
        {"B", -1, 0},    // case does not matter
        {"bb", -1, 1},   // the same letter again goes on to the next item with it
        {"bbbb", -1, 0}, // and round past the end
        {"bas", 1, 3},   // more letters narrow the search from the current item on
        {"d", 4, 4},     // one letter looks past the current item first, then comes round to it
        {"x", 2, -1},    // nothing starts with it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Keys);
        TListTypingSearch search;
        EXPECT_EQ(TypeAll(search, c.Keys, c.Current), c.Expected);
    }
}

TEST(ListTypingSearch, TypeGathersTheSearchTextAndStartsWithNoCaseComparesPrefixes) {
    TListTypingSearch search;
    search.Type('a');
    EXPECT_EQ(search.Type('B'), "aB");
    EXPECT_EQ(search.Type(0x00E9), "aB?");
    EXPECT_TRUE(StartsWithNoCase("Bassoon", "bASS"));
    EXPECT_TRUE(StartsWithNoCase("Bass", ""));
    EXPECT_FALSE(StartsWithNoCase("Bas", "bass"));
}

TEST(ListTypingSearch, FindListItemSearchesAfterAnItemAndGoesRound) {
    struct Case {
        const char* Wanted;
        int After;
        bool Exact;
        int Expected;
    };
    const Case cases[] = {
        {"bas", -1, false, 0},    // from the first item
        {"bas", 0, false, 3},     // after item 0
        {"bas", 3, false, 0},     // round past the end
        {"BASS", -1, true, 0},    // exact, case ignored
        {"bass", 0, true, 0},     // exact comes round to the only match
        {"bassoo", -1, true, -1}, // a prefix is no exact match
        {"zz", 2, false, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Wanted);
        EXPECT_EQ(
            FindListItem(
                static_cast<int>(Items.size()), [](int i) { return Items[i]; }, c.Wanted, c.After, c.Exact),
            c.Expected);
    }
}

} // namespace
} // namespace list_typing_search_test
