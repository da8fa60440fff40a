// DES block cipher (FIPS 46), as the LM and NT responses use it.
#pragma once

#include <array>
#include <cstdint>

using TDesBlock = std::array<std::uint8_t, 8>;

// One block operation of DES under the 8-byte key (the low bit of every key byte is parity and
// ignored); Encrypt false decrypts.
void DesBlock(const std::uint8_t Input[8], std::uint8_t Output[8], const std::uint8_t Key[8], bool Encrypt);
// Spreads the 56 bits of a 7-byte key over the 8-byte key form and encrypts the block.
TDesBlock DesWithShortKey(const std::uint8_t Key[7], const std::uint8_t Block[8]);
