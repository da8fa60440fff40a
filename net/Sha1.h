// SHA-1 (RFC 3174) with its result codes, and HMAC-SHA1 (RFC 2104).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

using TSHA1Digest = std::array<std::uint8_t, 20>;

enum TSHA1Result : int { shaSuccess = 0, shaNull = 1, shaStateError = 3 };

struct TSHA1Context {
    std::uint32_t State[5] = {};
    std::uint64_t BitCount = 0;
    int BlockIndex = 0;
    std::uint8_t Block[64] = {};
    bool Computed = false;
    int Corrupted = shaSuccess;
};

// shaNull for a null context.
int Sha1Reset(TSHA1Context* Context);
// Length 0 succeeds at once; null data gives shaNull; input after Sha1Result sets and returns
// shaStateError; a message longer than 2^64 bits sets shaNull.
int Sha1Input(TSHA1Context* Context, const void* Data, std::size_t Length);
// The first call pads and computes; later calls give the same digest (big-endian words).
int Sha1Result(TSHA1Context* Context, TSHA1Digest& Digest);
TSHA1Digest Sha1OfString(std::string_view Text);

// HMAC with SHA-1; a key longer than 64 bytes is replaced by its digest.
TSHA1Digest HmacSha1(const void* Text, std::size_t TextLength, const void* Key, std::size_t KeyLength);
