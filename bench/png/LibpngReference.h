// The reference: encoding and decoding an RGBA image with libpng at its default settings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace libpng_reference {
std::string EncodeRgba(const std::vector<std::uint8_t>& rgba, int width, int height);
std::vector<std::uint8_t> DecodeRgba(const std::string& png, int& width, int& height);
} // namespace libpng_reference
