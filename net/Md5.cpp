#include "net/Md5.h"

#include <bit>
#include <cmath>
#include <cstring>

namespace md5_detail {

constexpr std::uint32_t K[64] = {
    0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
    0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
    0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
    0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
    0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
    0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
    0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
    0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};
constexpr int Shifts[64] = {7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22, 7, 12, 17, 22,
                            5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20, 5, 9,  14, 20,
                            4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23, 4, 11, 16, 23,
                            6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21, 6, 10, 15, 21};

void Transform(std::uint32_t state[4], const std::uint8_t block[64]) {
    std::uint32_t m[16];
    for (int i = 0; i < 16; ++i)
        m[i] = std::uint32_t(block[4 * i]) | std::uint32_t(block[4 * i + 1]) << 8 |
               std::uint32_t(block[4 * i + 2]) << 16 | std::uint32_t(block[4 * i + 3]) << 24;
    std::uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    for (int i = 0; i < 64; ++i) {
        std::uint32_t f;
        int g;
        if (i < 16) {
            f = (b & c) | (~b & d);
            g = i;
        } else if (i < 32) {
            f = (d & b) | (~d & c);
            g = (5 * i + 1) % 16;
        } else if (i < 48) {
            f = b ^ c ^ d;
            g = (3 * i + 5) % 16;
        } else {
            f = c ^ (b | ~d);
            g = (7 * i) % 16;
        }
        const std::uint32_t t = d;
        d = c;
        c = b;
        b = b + std::rotl(a + f + K[i] + m[g], Shifts[i]);
        a = t;
    }
    state[0] += a, state[1] += b, state[2] += c, state[3] += d;
}

} // namespace md5_detail

void Md5Init(TMD5Context& Context) {
    Context = TMD5Context();
    Context.State[0] = 0x67452301u;
    Context.State[1] = 0xEFCDAB89u;
    Context.State[2] = 0x98BADCFEu;
    Context.State[3] = 0x10325476u;
}

void Md5Update(TMD5Context& Context, const void* Data, std::size_t Length) {
    const auto* bytes = static_cast<const std::uint8_t*>(Data);
    std::size_t fill = static_cast<std::size_t>((Context.BitCount / 8) % 64);
    Context.BitCount += static_cast<std::uint64_t>(Length) * 8;
    while (Length > 0) {
        const std::size_t take = std::min<std::size_t>(64 - fill, Length);
        std::memcpy(Context.Buffer + fill, bytes, take);
        fill += take;
        bytes += take;
        Length -= take;
        if (fill == 64) {
            md5_detail::Transform(Context.State, Context.Buffer);
            fill = 0;
        }
    }
}

void Md5UpdateBuffer(TMD5Context& Context, const void* Data, std::size_t Length) {
    constexpr std::size_t ChunkSize = 16384;
    const auto* bytes = static_cast<const std::uint8_t*>(Data);
    while (Length > 0) {
        const std::size_t take = std::min(ChunkSize, Length);
        Md5Update(Context, bytes, take);
        bytes += take;
        Length -= take;
    }
}

void Md5Final(TMD5Digest& Digest, TMD5Context& Context) {
    const std::uint64_t bits = Context.BitCount;
    const std::uint8_t pad = 0x80, zero = 0;
    Md5Update(Context, &pad, 1);
    while ((Context.BitCount / 8) % 64 != 56)
        Md5Update(Context, &zero, 1);
    std::uint8_t length[8];
    for (int i = 0; i < 8; ++i)
        length[i] = static_cast<std::uint8_t>(bits >> (8 * i));
    Md5Update(Context, length, 8);
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 4; ++k)
            Digest[4 * i + k] = static_cast<std::uint8_t>(Context.State[i] >> (8 * k));
    Context = TMD5Context();
}

TMD5Digest Md5OfString(std::string_view Text) {
    TMD5Context context;
    Md5Init(context);
    Md5Update(context, Text.data(), Text.size());
    TMD5Digest digest;
    Md5Final(digest, context);
    return digest;
}
