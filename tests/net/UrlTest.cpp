#include "net/UrlUtils.h"

#include <gtest/gtest.h>

struct UrlCase {
    const char* url;
    const char* base;
    const char* proto;
    const char* user;
    const char* pass;
    const char* host;
    const char* port;
    const char* path;
};

TEST(SplitUrl, SplitsUrlsAndRelativeReferences) {
    const UrlCase cases[] = {
        {"HTTP://Srv:8080/a/b?x=1", "", "http", "", "", "Srv", "8080", "/a/b?x=1"},
        {"http://u:p@h:81/x", "", "http", "u", "p", "h", "81", "/x"},
        {"http://u@h", "", "http", "u", "", "h", "", ""},
        {"http://h?q=1", "", "http", "", "", "h", "", "?q=1"},
        {"ftp+x://h/p", "", "ftp+x", "", "", "h", "", "/p"},
        {"my_s://h/p", "", "http", "", "", "my_s", "", "//h/p"},
        {"/abs/path", "", "http", "", "", "", "", "/abs/path"},
        {"//h/p", "", "http", "", "", "", "", "/h/p"},
        {"/", "", "http", "", "", "", "", ""},
        {"http:/x", "", "http", "", "", "", "", "/x"},
        {"mailto:u@h", "", "mailto", "u", "", "h", "", ""},
        {"srv:81/x", "", "", "", "", "srv", "81", "/x"},
        {"page2.html", "", "", "", "", "page2.html", "", ""},
        {"./c.html", "/a/b/x.html", "", "", "", "", "", "/a/b/c.html"},
        {"../c.html", "/a/b/x.html", "", "", "", "", "", "/a/c.html"},
        {"../../c.html", "/a/b/x.html", "", "", "", "", "", "/c.html"},
        {"../../../../c.html", "/a/b/x.html", "", "", "", "", "", "/c.html"},
        {"../c", "/x.html", "", "", "", "", "", "/c"},
        {"./c", "noslash", "", "", "", "", "", "/c"},
        {"http://user:pa:ss@h", "", "http", "user", "pa:ss", "h", "", ""},
        {"", "/base", "", "", "", "", "", ""},
    };
    for (const auto& c : cases) {
        std::string proto = "x", user = "x", pass = "x", host = "x", port = "x", path = c.base;
        SplitUrl(c.url, proto, user, pass, host, port, path);
        EXPECT_EQ(proto, c.proto) << c.url;
        EXPECT_EQ(user, c.user) << c.url;
        EXPECT_EQ(pass, c.pass) << c.url;
        EXPECT_EQ(host, c.host) << c.url;
        EXPECT_EQ(port, c.port) << c.url;
        EXPECT_EQ(path, c.path) << c.url;
    }
}

TEST(UrlHelpers, FindOccurrence) {
    EXPECT_EQ(FindOccurrence("/", "/a/b/c", -1), 5);
    EXPECT_EQ(FindOccurrence("/", "abc", -1), 0);
    EXPECT_EQ(FindOccurrence("/", "", -1), 0);
    EXPECT_EQ(FindOccurrence("/", "/a/b", 0), 0);
    EXPECT_EQ(FindOccurrence("/", "/a/b", 2), 3);
    EXPECT_GT(FindOccurrence("/", "/a/b", 3), 4); // fewer occurrences: beyond the text
    EXPECT_EQ(FindOccurrence("ab", "xabab", -1), 4);
}

TEST(UrlHelpers, HexDigits) {
    const std::pair<char, int> digits[] = {{'0', 0}, {'9', 9}, {'a', 10}, {'A', 10}, {'f', 15}, {'F', 15}};
    for (const auto& [c, value] : digits) {
        EXPECT_TRUE(IsHexDigit(c));
        EXPECT_EQ(HexDigitValue(c), value);
    }
    EXPECT_FALSE(IsHexDigit('g'));
    EXPECT_FALSE(IsHexDigit(' '));
}

// The relative references of RFC 3986 section 5.4 that this splitter resolves itself, against the
// path of the base URI http://a/b/c/d;p?q.
TEST(SplitUrl, Rfc3986RelativeReferences) {
    const std::pair<const char*, const char*> cases[] = {
        {"./g", "/b/c/g"}, {"./g?y", "/b/c/g?y"}, {"../g", "/b/g"},
        {"../../g", "/g"}, {"../../../g", "/g"},  {"../../../../g", "/g"},
        {"/g", "/g"},      {"./", "/b/c/"},       {"../", "/b/"},
    };
    for (auto [reference, expected] : cases) {
        std::string proto, user, pass, host, port, path = "/b/c/d;p?q";
        SplitUrl(reference, proto, user, pass, host, port, path);
        EXPECT_EQ(path, expected) << reference;
        EXPECT_EQ(host, "") << reference;
    }
}
