// Builds PNG streams for the tests: a tiny chunk writer over zlib, an independent row packer and
// filter, so that damaged and unusual files (bad CRCs, split data, odd orders) are easy to make.
#pragma once

#include "tests/support/PngBytes.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class TPngPicture;
class TskPngImage;
class TBitmap;
#include <memory>

namespace pngfix {

// Loads a PNG image from bytes with the codec, or with the skin library's image (which must not raise);
// writes an image to bytes.
std::unique_ptr<TPngPicture> Load(const std::string& bytes);
std::unique_ptr<TskPngImage> LoadSkin(const std::string& bytes);
std::string Save(TPngPicture& pic);

using png_bytes_test::Be16;
using png_bytes_test::Be32;
using png_bytes_test::Zlib;
std::string Inflate(const std::string& packed);

// Chunks with their CRC, the header chunk and the signature.
using png_bytes_test::Chunk;
using png_bytes_test::Ihdr;
using png_bytes_test::Signature;

// Samples of pixel (x, y), channel c, at the image's depth.
using SampleFn = std::function<int(int x, int y, int c)>;
int Channels(int colorType);

// The filtered scan lines (with filter bytes) of an image: rows cycle through filter types 0..4 unless
// a single filter is given.
std::string RawImage(int w, int h, int depth, int colorType, int interlace, const SampleFn& sample,
                     int onlyFilter = -1);

// The filtered row (its type byte first) of raw against the row above, bpp bytes per pixel (at least 1).
std::string Filter(int type, const std::string& raw, const std::string& prior, int bpp);
// The rows of non-interlaced image data (each a filter byte and rowBytes bytes), unfiltered.
std::vector<std::string> UnfilterRows(const std::string& data, int rowBytes, int bpp);
// A sample of noise: 0 .. 255, different for every pixel and channel.
int NoiseSample(int x, int y, int c);

// A whole PNG: IHDR, optional extra chunks before the data (PLTE...), the data split into IDATs of at
// most SplitSize bytes, IEND.
std::string Png(int w, int h, int depth, int colorType, int interlace, const SampleFn& sample,
                const std::string& beforeData = std::string(), std::size_t splitSize = 0);

// A palette chunk of n entries: entry i = (i*40+1, 255-i*30, i*7) mod 256.
std::string Plte(int n);
std::uint32_t PlteColor(int i); // as COLORREF

// The chunks of a PNG stream (type, data), after the signature.
struct ParsedChunk {
    std::string Type;
    std::string Data;
};
std::vector<ParsedChunk> ParseChunks(const std::string& png);
// The image data of all IDAT chunks, joined.
std::string IdatData(const std::vector<ParsedChunk>& chunks);

// The samples (8 or 16 bits, every channel) of the image data the image is saved with, row by row;
// the image is saved unfiltered and not interlaced for it.
std::vector<std::uint16_t> WrittenSamples(TPngPicture& pic);
// The samples of an image made by Png() with the same arguments, in the same order.
std::vector<std::uint16_t> SampleList(int w, int h, int colorType, const SampleFn& sample);

// A file for the tests to write into (below the test output folder).
std::string OutPath(const std::string& name);
// Runs a shell command; false when it fails.
bool Run(const std::string& command);
bool HaveConvert();

// A 32-bit bitmap filled with one colour, and the colour of one of its pixels (read from its rows).
std::unique_ptr<TBitmap> FilledBitmap32(int w, int h, std::uint32_t color);
std::uint32_t BitmapPixel(TBitmap& bitmap, int x, int y);

} // namespace pngfix
