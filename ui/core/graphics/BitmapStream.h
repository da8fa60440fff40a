// The compressed bitmap stream "XDBM": how a library bitmap writes its pixels as a component's binary
// "Data" property when compression is on. All integers are little-endian.
//
//   offset  size  field
//   0       4     size: the number of body bytes after this 10-byte header (Int32)
//   4       4     signature "XDBM"
//   8       2     version (Int16): 2 is written; 1 and 2 are read
//   10      size  body
//
// The body packs the plain data D (the class library's own "Data" form: a 4-byte length, then a BMP
// file). Version 2: one byte B, the block size (bits per pixel div 8, at least 1); one byte M = len(D)
// mod B; the first M bytes of D as they are; then packets over the rest, a whole number of blocks.
// Version 1: packets only, with B = 1. A packet is a control byte whose bits 0-6 count 1 to 125
// blocks: with bit 7 set that many blocks follow literally, with bit 7 clear one block follows that
// stands for count repetitions of itself.
//
// Reading accepts the plain form as well (no signature at offset 4). A compressed body that is cut
// short, inflates to more or fewer bytes than its plain data declares, or has another version is a
// load error (EInvalidGraphic).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class TStream;

namespace xdbm {

constexpr int HeaderSize = 10;
constexpr int MaxPacketBlocks = 125;

// The packets of ACount blocks of ABlockSize bytes (ACount x ABlockSize bytes at AData).
std::vector<std::uint8_t> PackBlocks(const std::uint8_t* AData, std::size_t ACount, std::size_t ABlockSize);
// The version-2 body of the plain data.
std::vector<std::uint8_t> EncodeBody(const std::vector<std::uint8_t>& APlain, int ABlockSize);
// The plain data of a body; raises EInvalidGraphic for a damaged body.
std::vector<std::uint8_t> DecodeBody(const std::uint8_t* ABody, std::size_t ASize, int AVersion);

// Header and version-2 body of the plain data.
void WriteCompressed(TStream* AStream, const std::vector<std::uint8_t>& APlain, int ABlockSize);
// When the stream continues with a compressed header, reads header and body and returns true with the
// plain data; otherwise returns false with the stream where it was.
bool ReadCompressed(TStream* AStream, std::vector<std::uint8_t>& APlain);

} // namespace xdbm
