#include "net/Base64.h"
#include "net/HeaderEncoding.h"
#include "net/HeaderFolding.h"
#include "net/MimeUtils.h"
#include "net/QuotedPrintable.h"
#include "platform/rtl/Exception.h"
#include "platform/rtl/FileStream.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/StringList.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <vector>

// RFC 4648 test vectors.
TEST(Base64, EncodesAndDecodesPublishedVectors) {
    const std::pair<const char*, const char*> vectors[] = {{"", ""},
                                                           {"f", "Zg=="},
                                                           {"fo", "Zm8="},
                                                           {"foo", "Zm9v"},
                                                           {"foob", "Zm9vYg=="},
                                                           {"fooba", "Zm9vYmE="},
                                                           {"foobar", "Zm9vYmFy"}};
    for (const auto& [plain, encoded] : vectors) {
        EXPECT_EQ(Base64Encode(plain), encoded);
        EXPECT_EQ(Base64Decode(encoded), plain);
    }
    std::string all;
    for (int i = 0; i < 256; ++i)
        all += static_cast<char>(i);
    EXPECT_EQ(Base64Decode(Base64Encode(all)), all);
}

TEST(Base64, DecodeSkipsLineBreaksBetweenGroupsAndSurvivesTruncatedInput) {
    EXPECT_EQ(Base64Decode("Zm9v\r\nYmFy\r\n"), "foobar");
    EXPECT_EQ(Base64Decode("\nZm9vYg==\n"), "foob");
    EXPECT_EQ(Base64Decode("Zm9vYmF"), "fooba"); // last group short of its padding
    EXPECT_EQ(Base64Decode("Zm9vY"), "foo");     // one stray character describes no byte
}

TEST(Base64, EncodeExFillsUpToTheMaximumWithoutClearingOutput) {
    const std::string text(100, 'a');
    int position = 1;
    std::string out = ">";
    Base64EncodeEx(text, 77, position, out);
    EXPECT_EQ(out.size(), 77u); // ">" and 19 groups from 57 bytes
    EXPECT_EQ(position, 58);
    std::string rest;
    Base64EncodeEx(text, 76, position, rest);
    EXPECT_EQ(Base64Decode(out.substr(1) + rest), text);
}

TEST(Base64, EncodeLineReadsAtMost54BytesPerLine) {
    struct Case {
        int size;
        std::vector<std::pair<int, bool>> lines; // length and more flag of each line
    };
    const Case cases[] = {{54, {{72, true}, {0, false}}},
                          {55, {{72, true}, {4, false}}},
                          {3, {{4, false}}},
                          {57, {{72, true}, {4, false}}},
                          {1, {{4, false}}},
                          {0, {{0, false}}}};
    for (const auto& c : cases) {
        TMemoryStream stream;
        const std::string data(c.size, 'z');
        stream.WriteBuffer(data.data(), data.size());
        stream.SetPosition(0);
        std::string joined;
        for (const auto& [length, more] : c.lines) {
            bool gotMore = !more;
            const std::string line = EncodeBase64Line(stream, gotMore);
            EXPECT_EQ(static_cast<int>(line.size()), length) << c.size;
            EXPECT_EQ(gotMore, more) << c.size;
            joined += line;
        }
        EXPECT_EQ(Base64Decode(joined), data);
    }
}

TEST(QuotedPrintable, SegmentsStopWithSoftBreakWhereTheNextByteDoesNotFit) {
    const std::string letters = "abcdefghijklmnopqrst";
    int position = 1;
    EXPECT_EQ(QuotedPrintableChunk(letters, 10, TByteSet(), false, position, true), "abcdefghi=");
    EXPECT_EQ(position, 10);
    // An escape needs three places: "ab" + "=3D" fits in 6 with the soft break, a second one does not.
    position = 1;
    EXPECT_EQ(QuotedPrintableChunk("ab==", 7, TByteSet(), false, position, true), "ab=3D=");
    EXPECT_EQ(position, 4);
    position = 1;
    EXPECT_EQ(QuotedPrintableChunk("a b\xE9", 10, MakeByteSet("?"), true, position, true), "a_b=E9");
    EXPECT_EQ(position, 5);
}

TEST(QuotedPrintable, WithoutLimitTheRestIsOneSegment) {
    const std::string text = std::string(40, 'x') + "=\xff";
    int position = 1;
    EXPECT_EQ(QuotedPrintableChunk(text, 5, TByteSet(), false, position, false),
              std::string(40, 'x') + "=3D=FF");
    EXPECT_EQ(position, static_cast<int>(text.size()) + 1);
    position = 1;
    EXPECT_EQ(QuotedPrintableChunk("\x01", 0, TByteSet(), false, position, false), "=01");
}

namespace {

// Decodes a quoted-printable body given as its lines, each ending in a hard line break.
std::string DecodeQuotedPrintableLines(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& line : lines) {
        bool soft = false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] != '=') {
                out += line[i];
            } else if (i + 1 == line.size()) {
                soft = true;
            } else {
                out += static_cast<char>(std::stoi(line.substr(i + 1, 2), nullptr, 16));
                i += 2;
            }
        }
        if (!soft) out += "\r\n";
    }
    return out;
}

} // namespace

TEST(QuotedPrintable, TextBodyKeepsItsLineBreaksAndBytes) {
    struct Case {
        std::string text;
        std::vector<std::string> lines;
    };
    const std::string longLine = std::string(70, 'a') + "\xE9" + std::string(10, 'b');
    const std::vector<Case> cases = {
        {"Caf\xE9\r\nsecond line\r\n", {"Caf=E9", "second line"}},
        {"one\r\n\r\nthree\r\n", {"one", "", "three"}},
        {"ends in a blank \r\nand a tab\t\r\n", {"ends in a blank=20", "and a tab=09"}},
        {"bare\rCR and = sign\r\n", {"bare=0DCR and =3D sign"}},
        {longLine + "\r\n", {std::string(70, 'a') + "=E9b=", std::string(9, 'b')}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines;
        int position = 1;
        while (position <= static_cast<int>(c.text.size())) {
            lines.push_back(QuotedPrintableLine(c.text, 75, position));
            ASSERT_LE(lines.back().size(), 76u);
            ASSERT_LT(lines.size(), 10u);
        }
        EXPECT_EQ(lines, c.lines) << c.text;
        EXPECT_EQ(DecodeQuotedPrintableLines(lines), c.text);
    }
}

TEST(HeaderEncoding, QWordsEscapeTheirSpecialCharacters) {
    EXPECT_EQ(HdrEncodeInLine("a b_c?d=e", TByteSet(), 'Q', "UTF-8", 76, false),
              "=?utf-8?Q?a_b=5Fc=3Fd=3De?=");
    EXPECT_EQ(HdrEncodeInLine("", TByteSet(), 'Q', "utf-8", 76, true), "");
}

TEST(HeaderEncoding, FoldedQWordsStayWithinTheColumnAndDecodeBack) {
    const std::string text = "Gr\xC3\xBC\xC3\x9F"
                             "e aus einem sehr langen Betreff mit Umlauten \xC3\xA4\xC3\xB6\xC3\xBC";
    const std::string encoded = HdrEncodeInLine(text, TByteSet(), 'Q', "utf-8", 40, true);
    std::string decoded;
    std::size_t start = 0;
    int words = 0;
    while (start < encoded.size()) {
        auto end = encoded.find("\r\n\t", start);
        const std::string word =
            encoded.substr(start, end == std::string::npos ? std::string::npos : end - start);
        EXPECT_LE(word.size(), 40u) << word;
        ASSERT_EQ(word.substr(0, 10), "=?utf-8?Q?");
        ASSERT_EQ(word.substr(word.size() - 2), "?=");
        const std::string body = word.substr(10, word.size() - 12);
        for (std::size_t i = 0; i < body.size(); ++i) {
            if (body[i] == '_')
                decoded += ' ';
            else if (body[i] == '=') {
                decoded += static_cast<char>(std::stoi(body.substr(i + 1, 2), nullptr, 16));
                i += 2;
            } else
                decoded += body[i];
        }
        ++words;
        start = end == std::string::npos ? encoded.size() : end + 3;
    }
    EXPECT_GT(words, 1);
    EXPECT_EQ(decoded, text);
}

TEST(HeaderEncoding, NarrowColumnStillMakesProgress) {
    // A character set name this long leaves no room for even one escape: every byte gets a word.
    const std::string encoded =
        HdrEncodeInLine("\xE9\xE9", TByteSet(), 'Q', "a-very-long-charset-name", 10, true);
    EXPECT_EQ(encoded, "=?a-very-long-charset-name?Q?=E9?=\r\n\t=?a-very-long-charset-name?Q?=E9?=");
    const std::string b = HdrEncodeInLine("abcdef", TByteSet(), 'B', "a-very-long-charset-name", 10, true);
    EXPECT_EQ(b, "=?a-very-long-charset-name?B?YWJj?=\r\n\t=?a-very-long-charset-name?B?ZGVm?=");
}

TEST(HeaderEncoding, BWordsFoldAtTheColumn) {
    EXPECT_EQ(HdrEncodeInLine("", TByteSet(), 'B', "utf-8", 76, true), "=?utf-8?B?"
                                                                       "?=");
    EXPECT_EQ(HdrEncodeInLine("foobar", TByteSet(), 'B', "UTF-8", 76, false), "=?utf-8?B?Zm9vYmFy?=");
    // Prefix 10 + 2 = 12; with column 25 three groups fit (24), the fourth starts a new word.
    EXPECT_EQ(HdrEncodeInLine("abcdefghijkl", TByteSet(), 'B', "utf-8", 10, true),
              "=?utf-8?B?YWJjZGVmZ2hp?=\r\n\t=?utf-8?B?amts?=");
}

TEST(HeaderEncoding, RefusesBadCharsetAndLetter) {
    try {
        HdrEncodeInLine("x", TByteSet(), 'X', "utf-8", 76, false);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Function 'HdrEncodeInLine', invalid EncType: X");
    }
    try {
        HdrEncodeInLine("x", TByteSet(), 'B', "utf", 76, false);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "Function 'HdrEncodeInLine', invalid CharSet: utf");
    }
}

TEST(HeaderFolding, FoldHdrLineBreaksAfterLastBreakCharacterBeforeColumn77) {
    std::string line = "To: ";
    for (int i = 0; line.size() < 100; ++i)
        line += "user" + std::to_string(i) + "@example.org, ";
    line.resize(100);
    TStringList list;
    FoldHdrLine(list, line);
    ASSERT_GE(list.Count(), 2);
    const std::string first = list[0];
    EXPECT_LE(first.size(), 76u);
    EXPECT_EQ(first.back(), ',');
    // The cut is the last "," or blank within the first 76 characters.
    const auto lastBreak = line.substr(0, 76).find_last_of(", ");
    EXPECT_EQ(first, line.substr(0, line[lastBreak] == ' ' ? lastBreak : lastBreak + 1));
    for (int i = 1; i < list.Count(); ++i)
        EXPECT_EQ(list[i][0], '\t');
    std::string rejoined = first;
    for (int i = 1; i < list.Count(); ++i)
        rejoined += " " + list[i].substr(1);
    EXPECT_EQ(rejoined, line.substr(0, line.find_last_not_of(' ') + 1));
}

TEST(HeaderFolding, WrapTextHonoursBreakStringQuotesAndLongRuns) {
    int position = 1;
    // The break string ends a segment at once and is left out of it.
    EXPECT_EQ(WrapText("ab\r\n\tcd", "\r\n\t", MakeByteSet(" "), TByteSet(), position, 76), "ab");
    EXPECT_EQ(position, 6);
    EXPECT_EQ(WrapText("ab\r\n\tcd", "\r\n\t", MakeByteSet(" "), TByteSet(), position, 76), "cd");
    EXPECT_EQ(position, INT_MAX);
    // Blanks inside quotes are no break positions.
    position = 1;
    const std::string quoted = "\"aa bb cc\" dd";
    EXPECT_EQ(WrapText(quoted, "\r\n\t", MakeByteSet(" "), MakeByteSet("\""), position, 5), "\"aa bb cc\" ");
    // A run without a break character is never cut.
    position = 1;
    const std::string run(30, 'x');
    EXPECT_EQ(WrapText(run, "\r\n\t", MakeByteSet(" "), TByteSet(), position, 10), run);
}

TEST(HeaderFolding, FoldStringJoinsTrimmedSegments) {
    EXPECT_EQ(FoldString("aaaa bbbb cccc", MakeByteSet(" "), 6), "aaaa\r\n\tbbbb\r\n\tcccc");
    EXPECT_EQ(FoldString("short", MakeByteSet(" "), 76), "short");
}

TEST(MimeUtils, ContentTypesByExtension) {
    const std::pair<const char*, const char*> cases[] = {{"a.htm", "text/html"},
                                                         {"b.HTML", "text/html"},
                                                         {"c.gif", "image/gif"},
                                                         {"d.bmp", "image/bmp"},
                                                         {"e.JPG", "image/jpeg"},
                                                         {"f.jpeg", "image/jpeg"},
                                                         {"g.txt", "text/plain"},
                                                         {"h.wav", "application/octet-stream"},
                                                         {"noext", "application/octet-stream"},
                                                         {"dir.txt/file", "application/octet-stream"}};
    for (const auto& [name, type] : cases)
        EXPECT_EQ(FilenameToContentType(name), type) << name;
}

TEST(MimeUtils, NeedsEncoding) {
    EXPECT_FALSE(NeedsEncoding("plain text\twith\r\nbreaks"));
    EXPECT_TRUE(NeedsEncoding("caf\xC3\xA9"));
    EXPECT_TRUE(NeedsEncoding("\x7f"));
    EXPECT_TRUE(NeedsEncoding(std::string("a\0b", 3)));
}

TEST(MimeUtils, FileStreamsOpenForReadingAndClose) {
    const std::string path =
        std::string(OLVA_TEST_OUT_DIR) + "/net-mime-stream-" + std::to_string(::getpid()) + ".txt";
    std::filesystem::create_directories(OLVA_TEST_OUT_DIR);
    { std::ofstream(path, std::ios::binary) << "abcdef"; }
    std::unique_ptr<TStream> stream = OpenFileStream(path, fmShareDenyWrite);
    ASSERT_TRUE(stream);
    bool more = false;
    EXPECT_EQ(EncodeBase64Line(*stream, more), "YWJjZGVm");
    CloseFileStream(stream);
    EXPECT_FALSE(stream);
    CloseFileStream(stream); // nothing to close: no harm
    EXPECT_THROW(OpenFileStream(path + ".missing", fmShareDenyNone), Exception);
    std::filesystem::remove(path);
}
