// MD4 message digest (RFC 1320), as the NT password hash uses it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

using TMD4Digest = std::array<std::uint8_t, 16>;

struct TMD4Context {
    std::uint64_t BitCount = 0;
    std::uint32_t Fill = 0;
    std::uint32_t State[4] = {};
    std::uint8_t Buffer[64] = {};
    bool Initialized = false;
};

void Md4Init(TMD4Context& Context);
// Both raise MD4Exception "MD4 not initialized" on a context that Md4Init has not prepared.
void Md4Update(TMD4Context& Context, const void* Data, std::size_t Length);
// Writes the digest and clears the whole context, which must be initialised again before reuse.
void Md4Final(TMD4Context& Context, TMD4Digest& Digest);
TMD4Digest Md4OfString(std::string_view Text);
