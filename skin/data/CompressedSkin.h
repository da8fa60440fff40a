// Packed skins: a skin's pictures and text in the skin stream layout, deflated with zlib at the maximum
// level (the "packed bytes"), and the container of skin files (version 2, the byte count, the packed
// bytes). The plain functions pack and read without any component, for build-time tools; the stored
// skin keeps one skin's packed bytes with a form.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/MemoryStream.h"

#include <string>

class TStrings;
class TskSkinPictureSet;

// Packs a skin text file and the BMP pictures it names (relative to the text's folder) into Packed.
// Returns false, leaving Packed as it was, when the text lacks one of the five sections of a skin
// text. A picture file that is missing or not a BMP raises (EFOpenError, EInvalidGraphic); Packed is
// then empty.
bool PackSkinTextFile(const std::string& Path, TMemoryStream& Packed);
// Packs pictures and text held in memory (the same bytes PackSkinTextFile makes of the files).
void PackSkin(TskSkinPictureSet& Pictures, const TStrings& Text, TMemoryStream& Packed);
// The container: version 2, the byte count and the packed bytes.
void WriteSkinContainer(TStream& Stream, TMemoryStream& Packed);
// Reads a container from the stream's position into Packed (cleared first). A version above 3, a
// byte count that is negative or runs past the end of the stream, or a stream too short for the two
// numbers leave Packed empty.
void ReadSkinContainer(TStream& Stream, TMemoryStream& Packed);

// One packed skin kept with a form. Its packed bytes are the form's "CompressedData" (no container).
class TskCompressedStoredSkin : public TComponent {
public:
    explicit TskCompressedStoredSkin(TComponent* AOwner);

    const std::string& Description() const { return FDescription; }
    void SetDescription(const std::string& Value) { FDescription = Value; }
    const std::string& FileName() const { return FFileName; }
    // While designed (and not loading): keeps the bare name and packs the skin text at Value.
    // Otherwise the name is only stored.
    void SetFileName(const std::string& Value);
    const std::string& CompressedFileName() const { return FCompressedFileName; }
    // The same with a skin file, read by LoadFromCompressedFile.
    void SetCompressedFileName(const std::string& Value);
    // The two setters with the design state given by the caller (a list item asks its list).
    void ChangeFileName(const std::string& Value, bool Designing);
    void ChangeCompressedFileName(const std::string& Value, bool Designing);

    bool IsEmpty() { return FCompressedStream.Size() == 0; }
    TMemoryStream& CompressedStream() { return FCompressedStream; }

    // PackSkinTextFile into the packed bytes.
    bool LoadFromSkinTextFile(const std::string& Path);
    // Reads a skin file's container (see ReadSkinContainer); EFOpenError when it cannot be opened.
    void LoadFromCompressedFile(const std::string& Path);
    void SaveToCompressedStream(TStream* Stream);
    // Reads a container from the start of the stream.
    void LoadFromCompressedStream(TStream* Stream);
    // Inflates the packed bytes into Stream (EDecompressionError for damaged bytes).
    void UnpackToStream(TMemoryStream* Stream);

    // The "CompressedData" property: the packed bytes themselves, read from the stream's position to
    // its end and written whole (zero bytes for an empty stored skin).
    void ReadCompressedData(TStream* Stream);
    void WriteCompressedData(TStream* Stream);

private:
    std::string FDescription;
    std::string FFileName;
    std::string FCompressedFileName;
    TMemoryStream FCompressedStream;
};
