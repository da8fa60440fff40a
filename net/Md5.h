// MD5 message digest (RFC 1321), for CRAM-MD5 and digests of data.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

using TMD5Digest = std::array<std::uint8_t, 16>;

struct TMD5Context {
    std::uint32_t State[4] = {};
    std::uint64_t BitCount = 0;
    std::uint8_t Buffer[64] = {};
};

void Md5Init(TMD5Context& Context);
void Md5Update(TMD5Context& Context, const void* Data, std::size_t Length);
// Feeds the data in chunks of at most 16 KB.
void Md5UpdateBuffer(TMD5Context& Context, const void* Data, std::size_t Length);
// Writes the digest and zeroes the context.
void Md5Final(TMD5Digest& Digest, TMD5Context& Context);
TMD5Digest Md5OfString(std::string_view Text);
