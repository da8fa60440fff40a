// The skin stream: what a packed skin inflates to. A format version, the optional pictures (each a flag
// byte and, when present, a BMP file image), the numbered "active" pictures, and the skin text to the
// end of the stream. Integers are 32-bit little-endian.
#pragma once

#include "platform/vcl/Bitmap.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TStream;
class TStrings;

// The version the packer writes; readers take any version up to the highest they know.
constexpr int SkinStreamVersion = 2;
constexpr int SkinStreamHighestVersion = 3;

// Which optional pictures a stream of a version holds (the picture and the mask always).
constexpr bool SkinStreamHasInactivePicture(int Version) {
    return Version == 2 || Version == 3;
}
constexpr bool SkinStreamHasRollUpPictures(int Version) {
    return Version == 1 || Version == 2;
}

// The pictures of one skin: five optional ones (empty when absent) and the numbered active pictures
// that every picture index of a description refers to.
class TskSkinPictureSet {
public:
    TBitmap Picture;
    TBitmap InactivePicture;
    TBitmap Mask;
    TBitmap RollUpPicture;
    TBitmap RollUpMask;
    std::vector<std::unique_ptr<TBitmap>> ActivePictures;

    // The active picture of an index, or null for -1 and indexes past the list.
    TBitmap* ActivePicture(int Index) const;
    int ActivePictureCount() const { return static_cast<int>(ActivePictures.size()); }
    // Empties the five pictures and frees the active ones.
    void Clear();
};

// Writes version, the optional pictures the version holds, the active pictures and the text lines
// (each ended by CR LF).
void WriteSkinStream(TStream& Stream, TskSkinPictureSet& Pictures, const TStrings& Text,
                     int Version = SkinStreamVersion);

// Reads a skin stream from its current position into Pictures (cleared first) and Text; returns the
// version. A version above the highest known ends the reading there (Pictures stay empty). Reading
// stops at the end of the data even when the active-picture count names more pictures. A picture that
// the stream does not hold completely, or that is not a valid BMP, raises (EReadError or
// EInvalidGraphic); so do pictures that together would need more than a skin's pixel budget.
int ReadSkinStream(TStream& Stream, TskSkinPictureSet& Pictures, std::string& Text);

// The 32-bit little-endian integers of skin streams and containers; reading is false when the stream
// does not hold four more bytes.
bool ReadSkinInt32(TStream& Stream, std::int32_t& Value);
void WriteSkinInt32(TStream& Stream, std::int32_t Value);

// One BMP file image from the stream's position, taking exactly the length its file header gives.
void ReadSkinBitmap(TStream& Stream, TBitmap& Bitmap);
// A flag byte (1: no picture, 0: a BMP follows) and the BMP image.
void WriteSkinPicture(TStream& Stream, TBitmap& Bitmap);
