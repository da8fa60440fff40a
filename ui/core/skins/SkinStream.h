// The binary form of the skin element model: little-endian primitives (Int32, Byte, Word, String,
// WideString, Picture), the version rules of the readers, and the window through which an embedded
// picture is decoded. Writers always write the newest layout; readers take the version of the stream.
//
// Streams may come from anywhere: every count and every length is checked against the bytes left before
// anything is allocated, and a short stream raises EReadError "Stream read error".
#pragma once

#include "platform/rtl/Stream.h"

#include <cstdint>
#include <string>

class TovGPImage;

// What a stream of a version holds. The versions written so far are 1.01, 1.02, 1.04, 1.08, 1.09 and
// 1.1; a version is taken in hundredths, so the rules are exact for each of them:
//   image gradient colours and mode        from 1.02
//   details display name, group, notes     from 1.04
//   two legacy strings before each border  before 1.09
//   one image count in the element         before 1.1
//   an image count in each image           from 1.1
struct TovSkinStreamVersion {
    explicit TovSkinStreamVersion(double AVersion);
    int Hundredths;
    bool HasImageGradient() const { return Hundredths >= 102; }
    bool HasDetailsTexts() const { return Hundredths >= 104; }
    bool HasLegacyBorderStrings() const { return Hundredths < 109; }
    bool HasElementImageCount() const { return Hundredths < 110; }
    bool HasImageCount() const { return Hundredths >= 110; }
};

std::int32_t ReadIntegerFromStream(TStream* AStream);
std::uint8_t ReadByteFromStream(TStream* AStream);
std::uint16_t ReadWordFromStream(TStream* AStream);
// A byte holding an ordinal below ACount (a stored enumeration); any other raises the read error.
std::uint8_t ReadOrdinalFromStream(TStream* AStream, int ACount);
// Int32 n, then n bytes; n <= 0 is the empty string.
std::string ReadStringFromStream(TStream* AStream);
// Int32 n, then n UTF-16 units; the text comes back as UTF-8.
std::string ReadWideStringFromStream(TStream* AStream);
// Int32 n, then n bytes of PNG data loaded into AImage (n <= 0 leaves it as it was). The stream is left
// just after the block, whatever the image read of it.
void ReadImageFromStream(TStream* AStream, TovGPImage* AImage);
// Raises the read error when ACount exceeds the bytes left.
void ovCheckStreamBytesLeft(TStream* AStream, std::int64_t ACount);

// Int32 values go through ovWriteIntegerToStream (CoreServices.h).
void WriteByteToStream(TStream* AStream, std::uint8_t AValue);
void WriteWordToStream(TStream* AStream, std::uint16_t AValue);
void WriteStringToStream(TStream* AStream, const std::string& AValue);
void WriteWideStringToStream(TStream* AStream, const std::string& AValue);
// The image as PNG with its size first (0 for an empty image).
void WriteImageToStream(TStream* AStream, TovGPImage* AImage);

// A window [start, end) of another stream (not owned). Reads pass through unchanged (they are not cut at
// the end); seeks are clamped into the window; a write moves the end to where the source stands.
class TovSkinPartStream : public TStream {
public:
    TovSkinPartStream(TStream* ASource, std::int64_t ASize, std::int64_t AStart);
    std::int64_t Read(void* Buffer, std::int64_t Count) override;
    std::int64_t Write(const void* Buffer, std::int64_t Count) override;
    // Origin soBeginning counts from the start, soEnd from the end, any other from the source's position.
    std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
    std::int64_t Size() override { return FEnd - FStart; }

private:
    std::int64_t FEnd;
    std::int64_t FStart;
    TStream* FSource;
};
