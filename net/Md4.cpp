#include "net/Md4.h"

#include "net/NetExceptions.h"

#include <bit>
#include <cstring>

namespace md4_detail {

std::uint32_t LoadLe(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

void Transform(std::uint32_t state[4], const std::uint8_t block[64]) {
    std::uint32_t x[16];
    for (int i = 0; i < 16; ++i)
        x[i] = LoadLe(block + 4 * i);
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    auto f = [](std::uint32_t x1, std::uint32_t y, std::uint32_t z) { return (x1 & y) | (~x1 & z); };
    auto g = [](std::uint32_t x1, std::uint32_t y, std::uint32_t z) { return (x1 & y) | (x1 & z) | (y & z); };
    auto h = [](std::uint32_t x1, std::uint32_t y, std::uint32_t z) { return x1 ^ y ^ z; };
    static constexpr int r1[4] = {3, 7, 11, 19}, r2[4] = {3, 5, 9, 13}, r3[4] = {3, 9, 11, 15};
    for (int i = 0; i < 16; ++i) {
        const std::uint32_t t = std::rotl(a + f(b, c, d) + x[i], r1[i % 4]);
        a = d, d = c, c = b, b = t;
    }
    static constexpr int order2[16] = {0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15};
    for (int i = 0; i < 16; ++i) {
        const std::uint32_t t = std::rotl(a + g(b, c, d) + x[order2[i]] + 0x5A827999u, r2[i % 4]);
        a = d, d = c, c = b, b = t;
    }
    static constexpr int order3[16] = {0, 8, 4, 12, 2, 10, 6, 14, 1, 9, 5, 13, 3, 11, 7, 15};
    for (int i = 0; i < 16; ++i) {
        const std::uint32_t t = std::rotl(a + h(b, c, d) + x[order3[i]] + 0x6ED9EBA1u, r3[i % 4]);
        a = d, d = c, c = b, b = t;
    }
    state[0] += a, state[1] += b, state[2] += c, state[3] += d;
}

void RequireInit(const TMD4Context& context) {
    if (!context.Initialized) throw MD4Exception("MD4 not initialized");
}

} // namespace md4_detail

void Md4Init(TMD4Context& Context) {
    Context = TMD4Context();
    Context.State[0] = 0x67452301u;
    Context.State[1] = 0xEFCDAB89u;
    Context.State[2] = 0x98BADCFEu;
    Context.State[3] = 0x10325476u;
    Context.Initialized = true;
}

void Md4Update(TMD4Context& Context, const void* Data, std::size_t Length) {
    md4_detail::RequireInit(Context);
    const auto* bytes = static_cast<const std::uint8_t*>(Data);
    Context.BitCount += static_cast<std::uint64_t>(Length) * 8;
    while (Length > 0) {
        const std::size_t take = std::min<std::size_t>(64 - Context.Fill, Length);
        std::memcpy(Context.Buffer + Context.Fill, bytes, take);
        Context.Fill += static_cast<std::uint32_t>(take);
        bytes += take;
        Length -= take;
        if (Context.Fill == 64) {
            md4_detail::Transform(Context.State, Context.Buffer);
            Context.Fill = 0;
        }
    }
}

void Md4Final(TMD4Context& Context, TMD4Digest& Digest) {
    md4_detail::RequireInit(Context);
    const std::uint64_t bits = Context.BitCount;
    const std::uint8_t pad = 0x80;
    Md4Update(Context, &pad, 1);
    const std::uint8_t zero = 0;
    while (Context.Fill != 56)
        Md4Update(Context, &zero, 1);
    std::uint8_t length[8];
    for (int i = 0; i < 8; ++i)
        length[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    Md4Update(Context, length, 8);
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 4; ++k)
            Digest[4 * i + k] = static_cast<std::uint8_t>(Context.State[i] >> (8 * k));
    Context = TMD4Context();
}

TMD4Digest Md4OfString(std::string_view Text) {
    TMD4Context context;
    Md4Init(context);
    Md4Update(context, Text.data(), Text.size());
    TMD4Digest digest;
    Md4Final(context, digest);
    return digest;
}
