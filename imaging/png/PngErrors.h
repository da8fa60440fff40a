// The PNG codec's exception classes and their message texts. Every failure of the codec is raised
// through Fail so that the class tells the cause and the text is always the one below.
#pragma once

#include "platform/rtl/Exception.h"

#include <string>

#define OLVA_PNG_ERROR_CLASS(name)                                                                           \
    class name : public Exception {                                                                          \
    public:                                                                                                  \
        using Exception::Exception;                                                                          \
    }

OLVA_PNG_ERROR_CLASS(EPNGInvalidFileHeader);
OLVA_PNG_ERROR_CLASS(EPngUnexpectedEnd);
OLVA_PNG_ERROR_CLASS(EPNGIHDRNotFirst);
OLVA_PNG_ERROR_CLASS(EPNGUnknownCriticalChunk);
OLVA_PNG_ERROR_CLASS(EPNGNoImageData);
OLVA_PNG_ERROR_CLASS(EPngInvalidCRC);
OLVA_PNG_ERROR_CLASS(EPngInvalidIHDR);
OLVA_PNG_ERROR_CLASS(EPNGSizeExceeds);
OLVA_PNG_ERROR_CLASS(EPNGUnknownCompression);
OLVA_PNG_ERROR_CLASS(EPNGUnknownInterlace);
OLVA_PNG_ERROR_CLASS(EPNGInvalidPalette);
OLVA_PNG_ERROR_CLASS(EPNGMissingMultipleIDAT);
OLVA_PNG_ERROR_CLASS(EPNGZLIBError);
OLVA_PNG_ERROR_CLASS(EPNGHeaderNotPresent);
OLVA_PNG_ERROR_CLASS(EPngError);
OLVA_PNG_ERROR_CLASS(EPNGOutMemory);

#undef OLVA_PNG_ERROR_CLASS

namespace PngText {
inline constexpr const char* InvalidFileHeader =
    "The file being readed is not a valid \"Portable Network Graphics\" image because it contains an "
    "invalid header. This file may be corruped, try obtaining it again.";
inline constexpr const char* UnexpectedEnd =
    "This \"Portable Network Graphics\" image is invalid because the "
    "decoder found an unexpected end of the file.";
inline constexpr const char* IHDRNotFirst = "This \"Portable Network Graphics\" image is not supported or it "
                                            "might be invalid.\r\n(IHDR chunk is not the first)";
inline constexpr const char* UnknownCriticalChunk = "This \"Portable Network Graphics\" image contains an "
                                                    "unknown critical part which could not be decoded.";
inline constexpr const char* NoImageData = "This \"Portable Network Graphics\" image contains no data.";
inline constexpr const char* InvalidCRC = "This \"Portable Network Graphics\" image is not valid because it "
                                          "contains invalid pieces of data (crc error)";
inline constexpr const char* InvalidIHDR = "The \"Portable Network Graphics\" image could not be loaded "
                                           "because one of its main piece of data (ihdr) might be corrupted";
inline constexpr const char* SizeExceeds =
    "This \"Portable Network Graphics\" image is not supported because either it's width or height exceeds "
    "the maximum size, which is 65535 pixels length.";
inline constexpr const char* UnknownCompression =
    "This \"Portable Network Graphics\" image is encoded with an "
    "unknown compression scheme which could not be decoded.";
inline constexpr const char* UnknownInterlace = "This \"Portable Network Graphics\" image uses an unknown "
                                                "interlace scheme which could not be decoded.";
inline constexpr const char* InvalidPalette =
    "The \"Portable Network Graphics\" image contains an invalid palette.";
inline constexpr const char* MissingMultipleIDAT =
    "This \"Portable Network Graphics\" image is invalid because it has missing image parts.";
inline constexpr const char* ZLIBError =
    "Could not decompress the image because it contains invalid compressed data.\r\n Description: ";
inline constexpr const char* HeaderNotPresent =
    "This operation is not valid because the current image contains no valid header.";
inline constexpr const char* OutMemory = "Some operation could not be performed because the system is out of "
                                         "resources. Close some windows and try again.";
inline constexpr const char* CannotResize =
    "The \"Portable Network Graphics\" image can not be resize by changing width and height properties. Try "
    "assigning the image from a bitmap.";
inline constexpr const char* NoPaletteEntry = "There is no such palette entry.";
inline constexpr const char* IncompatibleChunks = "The chunks must be compatible to be assigned.";
inline constexpr const char* AddExistentCritical =
    "The program tried to add a existent critical chunk to the "
    "current image which is not allowed.";
inline constexpr const char* AddToInvalidImage =
    "It's not allowed to add a new chunk because the current image is invalid.";
// Raised when the image data cannot be compressed (an invalid compression level): writing must never
// produce a file without its pixels and report success.
inline constexpr const char* CompressFailed = "Could not compress the image data.\r\n Description: ";
} // namespace PngText

// Raises a new exception of class E with the text.
template <class E> [[noreturn]] void Fail(const std::string& text) {
    throw E(text);
}

// zlib's result code as the codec describes it ("data error (-3)").
std::string PngZlibErrorText(int code);
