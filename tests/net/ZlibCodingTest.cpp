#include "net/ZlibContentCoding.h"
#include "tests/net/TestZlib.h"

#include <gtest/gtest.h>

namespace {

using net_test::Compress;

std::string Decode(const THttpContentCodingClass& cls, const std::string& body, std::size_t piece,
                   bool* valid = nullptr) {
    std::string result;
    auto decoder = cls.Create([&](const void* b, int c) {
        result.append(static_cast<const char*>(b), c);
        return c;
    });
    for (std::size_t i = 0; i < body.size(); i += piece)
        decoder->WriteBuffer(body.data() + i, static_cast<int>(std::min(piece, body.size() - i)));
    decoder->Complete();
    if (valid) *valid = static_cast<THttpCCodInflate*>(decoder.get())->Valid();
    return result;
}

} // namespace

TEST(ZlibContentCoding, DecodesGzipZlibAndBareDeflateInAnyPieces) {
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "line " + std::to_string(i) + " of a compressible body\n";
    EXPECT_EQ(THttpCCodGzip::Class().GetCoding(), "gzip");
    EXPECT_EQ(THttpCCodDeflate::Class().GetCoding(), "deflate");
    for (std::size_t piece : {std::size_t(1), std::size_t(7), std::size_t(4096), std::size_t(1) << 20}) {
        EXPECT_TRUE(Decode(THttpCCodGzip::Class(), Compress(text, 31), piece) == text) << piece;
        EXPECT_TRUE(Decode(THttpCCodDeflate::Class(), Compress(text, 15), piece) == text) << piece;
        EXPECT_TRUE(Decode(THttpCCodDeflate::Class(), Compress(text, -15), piece) == text) << piece;
    }
}

TEST(ZlibContentCoding, BodyThatIsNotCompressedPassesAsItCame) {
    bool valid = true;
    const std::string plain = "<html>not compressed at all, although labelled so</html>";
    EXPECT_EQ(Decode(THttpCCodGzip::Class(), plain, 1000, &valid), plain);
    EXPECT_FALSE(valid);
    EXPECT_EQ(Decode(THttpCCodGzip::Class(), plain, 1, &valid), plain);
    EXPECT_FALSE(valid);
    // Damage half way: the decoder notices (at the latest at the checksum) and says so.
    std::string text(100000, 'a');
    for (std::size_t i = 0; i < text.size(); i += 3)
        text[i] = static_cast<char>('a' + i % 26);
    std::string gz = Compress(text, 31);
    for (std::size_t i = gz.size() / 2; i < gz.size() / 2 + 16; ++i)
        gz[i] = static_cast<char>(~gz[i]);
    const std::string decoded = Decode(THttpCCodGzip::Class(), gz, 64, &valid);
    EXPECT_FALSE(valid);
    EXPECT_FALSE(decoded == text);
}
