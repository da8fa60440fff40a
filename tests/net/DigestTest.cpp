#include "net/Des.h"
#include "net/Md4.h"
#include "net/Md5.h"
#include "net/NetExceptions.h"
#include "net/Sha1.h"
#include "tests/net/TestHex.h"

#include <gtest/gtest.h>

using net_test::FromHex;
using net_test::Hex;

struct DigestVector {
    const char* input;
    const char* md4;
    const char* md5;
};

// RFC 1320 and RFC 1321 test suites.
const DigestVector DigestVectors[] = {
    {"", "31d6cfe0d16ae931b73c59d7e0c089c0", "d41d8cd98f00b204e9800998ecf8427e"},
    {"a", "bde52cb31de33e46245e05fbdbd6fb24", "0cc175b9c0f1b6a831c399e269772661"},
    {"abc", "a448017aaf21d8525fc10ae87aa6729d", "900150983cd24fb0d6963f7d28e17f72"},
    {"message digest", "d9130a8164549fe818874806e1c7014b", "f96b697d7cb7938d525a2f31aaf161d0"},
    {"abcdefghijklmnopqrstuvwxyz", "d79e1c308aa5bbcdeea8ed63df412da9", "c3fcd3d76192e4007dfb496cca67e13b"},
    {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789", "043f8582f241db351ce627e153e7f0e4",
     "d174ab98d277d9f5a5611c2c9f419d9f"},
    {"12345678901234567890123456789012345678901234567890123456789012345678901234567890",
     "e33b4ddc9c38f2199c3e7b164fcc0536", "57edf4a22be3c955ac49da2e2107b67a"},
};

TEST(Digests, Md4AndMd5MatchPublishedVectors) {
    for (const auto& v : DigestVectors) {
        EXPECT_EQ(Hex(Md4OfString(v.input)), v.md4) << v.input;
        EXPECT_EQ(Hex(Md5OfString(v.input)), v.md5) << v.input;
    }
}

TEST(Digests, Md5FedInPiecesAndThroughChunkedBufferMatchesOneCall) {
    const std::string data(50000, 'x');
    TMD5Context context;
    Md5Init(context);
    Md5UpdateBuffer(context, data.data(), data.size());
    TMD5Digest chunked;
    Md5Final(chunked, context);
    Md5Init(context);
    for (std::size_t i = 0; i < data.size(); i += 7)
        Md5Update(context, data.data() + i, std::min<std::size_t>(7, data.size() - i));
    TMD5Digest pieces;
    Md5Final(pieces, context);
    EXPECT_EQ(chunked, pieces);
    EXPECT_EQ(chunked, Md5OfString(data));
}

TEST(Digests, Md4ContextMustBeInitialisedBeforeEveryUse) {
    TMD4Context context;
    EXPECT_THROW(Md4Update(context, "a", 1), MD4Exception);
    Md4Init(context);
    Md4Update(context, "abc", 3);
    TMD4Digest digest;
    Md4Final(context, digest);
    EXPECT_EQ(Hex(digest), "a448017aaf21d8525fc10ae87aa6729d");
    try {
        Md4Update(context, "a", 1);
        FAIL() << "update after final must raise";
    } catch (const MD4Exception& e) {
        EXPECT_EQ(e.Message(), "MD4 not initialized");
    }
    EXPECT_THROW(Md4Final(context, digest), MD4Exception);
}

TEST(Digests, Sha1MatchesRfc3174Vectors) {
    EXPECT_EQ(Hex(Sha1OfString("abc")), "a9993e364706816aba3e25717850c26c9cd0d89d");
    EXPECT_EQ(Hex(Sha1OfString("")), "da39a3ee5e6b4b0d3255bfef95601890afd80709");
    EXPECT_EQ(Hex(Sha1OfString("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
              "84983e441c3bd26ebaae4aa1f95129e5e54670f1");
    // One million "a", fed in pieces.
    TSHA1Context context;
    ASSERT_EQ(Sha1Reset(&context), shaSuccess);
    const std::string block(1000, 'a');
    for (int i = 0; i < 1000; ++i)
        ASSERT_EQ(Sha1Input(&context, block.data(), block.size()), shaSuccess);
    TSHA1Digest digest{};
    ASSERT_EQ(Sha1Result(&context, digest), shaSuccess);
    EXPECT_EQ(Hex(digest), "34aa973cd4c4daa4f61eeb2bdbad27316534016f");
}

TEST(Digests, Sha1ResultCodes) {
    EXPECT_EQ(Sha1Reset(nullptr), shaNull);
    TSHA1Context context;
    Sha1Reset(&context);
    EXPECT_EQ(Sha1Input(&context, nullptr, 0), shaSuccess);
    EXPECT_EQ(Sha1Input(&context, nullptr, 3), shaNull);
    Sha1Input(&context, "abc", 3);
    TSHA1Digest first{}, second{};
    EXPECT_EQ(Sha1Result(&context, first), shaSuccess);
    EXPECT_EQ(Sha1Result(&context, second), shaSuccess);
    EXPECT_EQ(first, second);
    EXPECT_EQ(Sha1Input(&context, "x", 1), shaStateError);
    EXPECT_EQ(Sha1Result(&context, second), shaStateError);
}

struct HmacVector {
    std::string key;
    std::string data;
    const char* digest;
};

TEST(Digests, HmacSha1MatchesRfc2202Vectors) {
    const HmacVector vectors[] = {
        {std::string(20, '\x0b'), "Hi There", "b617318655057264e28bc0b6fb378c8ef146be00"},
        {"Jefe", "what do ya want for nothing?", "effcdf6ae5eb2fa2d27416d5f184df9c259a7c79"},
        {std::string(20, '\xaa'), std::string(50, '\xdd'), "125d7342b9ac11cd91a39af48aa17b4f63f175d3"},
        {FromHex("0102030405060708090a0b0c0d0e0f10111213141516171819"), std::string(50, '\xcd'),
         "4c9007f4026250c6bc8414f9bf50c86c2d7235da"},
        {std::string(80, '\xaa'), "Test Using Larger Than Block-Size Key - Hash Key First",
         "aa4ae5e15272d00e95705637ce8a3b55ed402112"},
        {std::string(80, '\xaa'), "Test Using Larger Than Block-Size Key and Larger Than One Block-Size Data",
         "e8e99d0f45237d786d6bbaa7965c7808bbff1a91"},
    };
    for (const auto& v : vectors)
        EXPECT_EQ(Hex(HmacSha1(v.data.data(), v.data.size(), v.key.data(), v.key.size())), v.digest)
            << v.data;
}

TEST(Digests, HmacKeyOfExactlyOneBlockIsUsedDirectlyAndLongerIsHashed) {
    const std::string text = "message";
    auto hmac = [&](const std::string& key) {
        return HmacSha1(text.data(), text.size(), key.data(), key.size());
    };
    auto digestOf = [](const std::string& key) {
        const TSHA1Digest d = Sha1OfString(key);
        return std::string(d.begin(), d.end());
    };
    const std::string key64(64, 'k'), key65(65, 'k');
    EXPECT_EQ(hmac(key65), hmac(digestOf(key65)));
    EXPECT_NE(hmac(key64), hmac(digestOf(key64)));
}

TEST(Des, EncryptsAndDecryptsPublishedBlocks) {
    struct Vector {
        const char* key;
        const char* plain;
        const char* cipher;
    };
    const Vector vectors[] = {
        {"133457799bbcdff1", "0123456789abcdef", "85e813540f0ab405"},
        {"0e329232ea6d0d73", "8787878787878787", "0000000000000000"},
        {"0101010101010101", "95f8a5e5dd31d900", "8000000000000000"},
    };
    for (const auto& v : vectors) {
        const std::string key = FromHex(v.key), plain = FromHex(v.plain);
        std::uint8_t out[8], back[8];
        DesBlock(reinterpret_cast<const std::uint8_t*>(plain.data()), out,
                 reinterpret_cast<const std::uint8_t*>(key.data()), true);
        EXPECT_EQ(Hex(out), v.cipher) << v.key;
        DesBlock(out, back, reinterpret_cast<const std::uint8_t*>(key.data()), false);
        EXPECT_EQ(Hex(back), v.plain) << v.key;
    }
}
