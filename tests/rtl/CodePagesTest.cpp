#include "platform/rtl/CodePages.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

TEST(CodePages, Utf16RoundTrips) {
    const std::string samples[] = {"", "plain", "é ж €", "𝄞 clef", "\x7f\xc2\x80"};
    for (const std::string& s : samples)
        EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(s)), s);
    EXPECT_EQ(Utf8ToUtf16("a€𝄞"), (std::u16string{u'a', 0x20AC, 0xD834, 0xDD1E}));
}

TEST(CodePages, MalformedInputBecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToUtf16("a\xff"
                          "b"),
              u"a\uFFFDb");
    EXPECT_EQ(Utf8ToUtf16("\xe2\x82"), u"\uFFFD\uFFFD");           // truncated sequence
    EXPECT_EQ(Utf8ToUtf16("\xc0\xaf"), u"\uFFFD\uFFFD");           // overlong '/'
    EXPECT_EQ(Utf8ToUtf16("\xed\xa0\x80"), u"\uFFFD\uFFFD\uFFFD"); // encoded surrogate
    EXPECT_EQ(Utf16ToUtf8(std::u16string{u'x', 0xD800}), "x\xef\xbf\xbd");
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDC00, u'y'}), "\xef\xbf\xbdy");
}

TEST(CodePages, SingleByteTable) {
    struct Case {
        unsigned codePage;
        std::string bytes;
        std::string utf8;
    };
    const Case cases[] = {
        {CP_WINDOWS1252, "caf\xe9", "café"},
        {CP_WINDOWS1252, "\x80 \x93q\x94", "€ “q”"},
        {CP_WINDOWS1252, "\x81", "\xc2\x81"},
        {CP_LATIN1, "\x80\xe9",
         "\xc2\x80"
         "é"},
        {CP_USASCII, "abc", "abc"},
        {CP_UTF8, "é", "é"},
        {CP_ACP, "ж", "ж"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CodePageToUtf8(c.bytes, c.codePage), c.utf8) << c.codePage;
        EXPECT_EQ(Utf8ToCodePage(c.utf8, c.codePage), c.bytes) << c.codePage;
    }
}

TEST(CodePages, UnmappableCharactersAndUnknownPages) {
    EXPECT_EQ(Utf8ToCodePage("a€ж", CP_LATIN1), "a??");
    EXPECT_EQ(Utf8ToCodePage("€ж", CP_WINDOWS1252, '_'), "\x80_");
    EXPECT_EQ(CodePageToUtf8("\xe9", CP_USASCII), "\xef\xbf\xbd");
    EXPECT_EQ(GetACP(), CP_UTF8);
    EXPECT_THROW(CodePageToUtf8("x", 932), EConvertError);
}
