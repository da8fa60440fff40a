#include "net/Sha1.h"

#include <bit>
#include <cstring>

namespace sha1_detail {

void ProcessBlock(TSHA1Context& c) {
    std::uint32_t w[80];
    for (int t = 0; t < 16; ++t)
        w[t] = std::uint32_t(c.Block[4 * t]) << 24 | std::uint32_t(c.Block[4 * t + 1]) << 16 |
               std::uint32_t(c.Block[4 * t + 2]) << 8 | std::uint32_t(c.Block[4 * t + 3]);
    for (int t = 16; t < 80; ++t)
        w[t] = std::rotl(w[t - 3] ^ w[t - 8] ^ w[t - 14] ^ w[t - 16], 1);
    std::uint32_t a = c.State[0], b = c.State[1], cc = c.State[2], d = c.State[3], e = c.State[4];
    for (int t = 0; t < 80; ++t) {
        std::uint32_t f, k;
        if (t < 20) {
            f = (b & cc) | (~b & d);
            k = 0x5A827999u;
        } else if (t < 40) {
            f = b ^ cc ^ d;
            k = 0x6ED9EBA1u;
        } else if (t < 60) {
            f = (b & cc) | (b & d) | (cc & d);
            k = 0x8F1BBCDCu;
        } else {
            f = b ^ cc ^ d;
            k = 0xCA62C1D6u;
        }
        const std::uint32_t temp = std::rotl(a, 5) + f + e + w[t] + k;
        e = d;
        d = cc;
        cc = std::rotl(b, 30);
        b = a;
        a = temp;
    }
    c.State[0] += a, c.State[1] += b, c.State[2] += cc, c.State[3] += d, c.State[4] += e;
    c.BlockIndex = 0;
}

void PadMessage(TSHA1Context& c) {
    c.Block[c.BlockIndex++] = 0x80;
    if (c.BlockIndex > 56) {
        while (c.BlockIndex < 64)
            c.Block[c.BlockIndex++] = 0;
        ProcessBlock(c);
    }
    while (c.BlockIndex < 56)
        c.Block[c.BlockIndex++] = 0;
    for (int i = 0; i < 8; ++i)
        c.Block[56 + i] = static_cast<std::uint8_t>(c.BitCount >> (56 - 8 * i));
    ProcessBlock(c);
}

} // namespace sha1_detail

int Sha1Reset(TSHA1Context* Context) {
    if (!Context) return shaNull;
    *Context = TSHA1Context();
    Context->State[0] = 0x67452301u;
    Context->State[1] = 0xEFCDAB89u;
    Context->State[2] = 0x98BADCFEu;
    Context->State[3] = 0x10325476u;
    Context->State[4] = 0xC3D2E1F0u;
    return shaSuccess;
}

int Sha1Input(TSHA1Context* Context, const void* Data, std::size_t Length) {
    if (Length == 0) return shaSuccess;
    if (!Context || !Data) return shaNull;
    if (Context->Computed) {
        Context->Corrupted = shaStateError;
        return shaStateError;
    }
    if (Context->Corrupted) return Context->Corrupted;
    const auto* bytes = static_cast<const std::uint8_t*>(Data);
    while (Length-- > 0 && !Context->Corrupted) {
        Context->Block[Context->BlockIndex++] = *bytes++;
        Context->BitCount += 8;
        if (Context->BitCount == 0) Context->Corrupted = shaNull; // the message passed 2^64 bits
        if (Context->BlockIndex == 64) sha1_detail::ProcessBlock(*Context);
    }
    return Context->Corrupted;
}

int Sha1Result(TSHA1Context* Context, TSHA1Digest& Digest) {
    if (!Context) return shaNull;
    if (Context->Corrupted) return Context->Corrupted;
    if (!Context->Computed) {
        sha1_detail::PadMessage(*Context);
        std::memset(Context->Block, 0, sizeof Context->Block);
        Context->Computed = true;
    }
    for (int i = 0; i < 20; ++i)
        Digest[i] = static_cast<std::uint8_t>(Context->State[i / 4] >> (8 * (3 - i % 4)));
    return shaSuccess;
}

TSHA1Digest Sha1OfString(std::string_view Text) {
    TSHA1Context context;
    Sha1Reset(&context);
    Sha1Input(&context, Text.data(), Text.size());
    TSHA1Digest digest{};
    Sha1Result(&context, digest);
    return digest;
}

TSHA1Digest HmacSha1(const void* Text, std::size_t TextLength, const void* Key, std::size_t KeyLength) {
    std::uint8_t key[64] = {};
    if (KeyLength > 64) {
        const TSHA1Digest keyDigest =
            Sha1OfString(std::string_view(static_cast<const char*>(Key), KeyLength));
        std::memcpy(key, keyDigest.data(), keyDigest.size());
    } else if (KeyLength > 0) {
        std::memcpy(key, Key, KeyLength);
    }
    std::uint8_t inner[64], outer[64];
    for (int i = 0; i < 64; ++i) {
        inner[i] = key[i] ^ 0x36;
        outer[i] = key[i] ^ 0x5c;
    }
    TSHA1Context context;
    TSHA1Digest innerDigest{}, digest{};
    Sha1Reset(&context);
    Sha1Input(&context, inner, 64);
    Sha1Input(&context, Text, TextLength);
    Sha1Result(&context, innerDigest);
    Sha1Reset(&context);
    Sha1Input(&context, outer, 64);
    Sha1Input(&context, innerDigest.data(), innerDigest.size());
    Sha1Result(&context, digest);
    return digest;
}
