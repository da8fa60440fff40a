#include "imaging/png/PngSmallChunks.h"

#include "imaging/png/PngErrors.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/PngSampleLevels.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

// --- PLTE ---------------------------------------------------------------------------------------------

void TChunkPLTE::CopyFrom(const TChunk& Source) {
    const auto* src = dynamic_cast<const TChunkPLTE*>(&Source);
    if (!src) Fail<EPngError>(PngText::IncompatibleChunks);
    TChunk::CopyFrom(Source);       // the values read, for writing them back
    FEntryCount = src->FEntryCount; // the colours travel with the header
}

bool TChunkPLTE::ReadPayload(TStream* Stream, const std::string& ChunkType, int Size) {
    if (!ReadBasePayload(Stream, Size)) return false;
    if (FPayloadSize % 3 != 0 || FPayloadSize / 3 > 256) Fail<EPNGInvalidPalette>(PngText::InvalidPalette);
    FEntryCount = FPayloadSize / 3;
    TChunkIHDR* header = HeaderChunk();
    if (!header) return true;
    const auto& gamma = Owner()->GammaLookup;
    for (int i = 0; i < FEntryCount; ++i) {
        auto& e = header->DibInfo.Colors[static_cast<std::size_t>(i)];
        e.Red = gamma[FPayload[std::size_t(i) * 3]];
        e.Green = gamma[FPayload[std::size_t(i) * 3 + 1]];
        e.Blue = gamma[FPayload[std::size_t(i) * 3 + 2]];
        e.Reserved = 0;
    }
    return true;
}

bool TChunkPLTE::WriteChunk(TStream* Stream) {
    TChunkIHDR* header = HeaderChunk();
    const int count = std::clamp(FEntryCount, 0, 256);
    const std::vector<std::uint8_t> read(FPayload.begin(), FPayload.begin() + FPayloadSize);
    SetPayloadSize(count * 3);
    if (header) {
        const auto& gamma = Owner()->GammaLookup;
        const auto& inverse = Owner()->InverseGammaLookup;
        // A value the palette was read with is written back as it was while the entry still shows it:
        // a gamma can show two values alike, and the inverse table knows only one of them.
        auto put = [&](std::size_t at, std::uint8_t shown) {
            FPayload[at] = at < read.size() && gamma[read[at]] == shown ? read[at] : inverse[shown];
        };
        for (int i = 0; i < count; ++i) {
            const auto& e = header->DibInfo.Colors[static_cast<std::size_t>(i)];
            put(std::size_t(i) * 3, e.Red);
            put(std::size_t(i) * 3 + 1, e.Green);
            put(std::size_t(i) * 3 + 2, e.Blue);
        }
    }
    return WriteBaseChunk(Stream);
}

COLORREF TChunkPLTE::EntryColor(int Index) const {
    if (Index < 0 || Index >= FEntryCount) Fail<EPngError>(PngText::NoPaletteEntry);
    TChunkIHDR* header = HeaderChunk();
    if (!header) return 0;
    return PngEntryToColor(header->DibInfo.Colors[static_cast<std::size_t>(Index)]);
}

// --- gAMA ---------------------------------------------------------------------------------------------

TChunkgAMA::TChunkgAMA(TPngPicture* AOwner) : TChunk(AOwner) {
    FChunkType = ClassType;
    SetPayloadSize(4);
    SetGammaValue(1);
}

void TChunkgAMA::CopyFrom(const TChunk& Source) {
    const auto* src = dynamic_cast<const TChunkgAMA*>(&Source);
    if (!src) Fail<EPngError>(PngText::IncompatibleChunks);
    SetGammaValue(src->GammaValue());
}

int TChunkgAMA::GammaValue() const {
    return FPayloadSize >= 4 ? static_cast<std::int32_t>(png_bytes::ReadBE32(FPayload.data())) : 1;
}

void TChunkgAMA::SetGammaValue(int Value) {
    if (FPayloadSize != 4) SetPayloadSize(4);
    png_bytes::WriteBE32(FPayload.data(), static_cast<std::uint32_t>(Value));
}

bool TChunkgAMA::ReadPayload(TStream* Stream, const std::string& ChunkType, int Size) {
    if (!ReadBasePayload(Stream, Size)) return false;
    const int value = FPayloadSize == 4 ? GammaValue() : 0;
    if (value > 0) {
        Owner()->ApplyGamma(value);
    } else {
        // A damaged gamma is ignored: the image stays uncorrected, and saving writes the neutral value
        // (1 / 2.2, the one whose tables are the identity) rather than a nonsense gamma.
        SetGammaValue(45455);
    }
    return true;
}

// --- tRNS ---------------------------------------------------------------------------------------------

void TChunktRNS::CopyFrom(const TChunk& Source) {
    const auto* src = dynamic_cast<const TChunktRNS*>(&Source);
    if (src) {
        AlphaValues = src->AlphaValues;
        BinaryAlpha = src->BinaryAlpha;
    }
    TChunk::CopyFrom(Source);
}

bool TChunktRNS::ReadPayload(TStream* Stream, const std::string& ChunkType, int Size) {
    if (!ReadBasePayload(Stream, Size)) return false;
    if (FPayloadSize > 256) Fail<EPNGInvalidPalette>(PngText::InvalidPalette);
    AlphaValues.fill(255);
    std::copy(FPayload.begin(), FPayload.begin() + FPayloadSize, AlphaValues.begin());
    TChunkIHDR* header = HeaderChunk();
    if (!header) return true;
    switch (header->ColorType) {
    case 0:
    case 2:
        BinaryAlpha = true;
        break;
    case 3: {
        // One key entry only when exactly one entry is see-through and that one fully: an entry of,
        // say, alpha 128 must be blended, not punched out.
        int nonOpaque = 0, fullyClear = 0;
        for (int i = 0; i < FPayloadSize; ++i)
            if (AlphaValues[std::size_t(i)] != 255) {
                ++nonOpaque;
                if (AlphaValues[std::size_t(i)] == 0) ++fullyClear;
            }
        BinaryAlpha = nonOpaque == 1 && fullyClear == 1;
        break;
    }
    default:
        break;
    }
    return true;
}

bool TChunktRNS::WriteChunk(TStream* Stream) {
    // The key is written as it is: a 16-bit pixel showing the key is written with the key's samples,
    // and every other pixel with samples of its own (see TPngSampleLevels).
    if (FPayloadSize <= 256)
        std::copy(AlphaValues.begin(), AlphaValues.begin() + FPayloadSize, FPayload.begin());
    return WriteBaseChunk(Stream);
}

namespace png_trns_detail {
// A held 8-bit level back to the file's sample at the given depth (below 16 bits).
inline std::uint16_t HeldToSample(std::uint8_t held, int depth) {
    if (depth == 8) return held;
    const int max = (1 << depth) - 1;
    return std::uint16_t((held * max + 127) / 255);
}
} // namespace png_trns_detail

void TChunktRNS::SetKeyColor(COLORREF Color) {
    TChunkIHDR* header = HeaderChunk();
    if (!header) return;
    AlphaValues.fill(0);
    BinaryAlpha = true;
    const auto& inverse = Owner()->InverseGammaLookup;
    const int depth = header->BitDepth;
    const TPngSampleLevels levels(*Owner(), *header);
    // Grey images below 16 bits show the gamma-corrected ramp and 8-bit colour images the gamma table,
    // so the key goes back through the inverse table; 16-bit ones hold their levels from whole samples.
    auto keySample = [&](std::uint8_t level) {
        return depth == 16 ? levels.Sample(level) : png_trns_detail::HeldToSample(inverse[level], depth);
    };
    switch (header->ColorType) {
    case 0: {
        SetPayloadSize(2);
        png_bytes::WriteBE16(FPayload.data(), keySample(GetRValue(Color)));
        break;
    }
    case 2: {
        SetPayloadSize(6);
        png_bytes::WriteBE16(FPayload.data(), keySample(GetRValue(Color)));
        png_bytes::WriteBE16(FPayload.data() + 2, keySample(GetGValue(Color)));
        png_bytes::WriteBE16(FPayload.data() + 4, keySample(GetBValue(Color)));
        break;
    }
    case 3: {
        const int count = 1 << std::min<int>(depth, 8);
        int found = -1;
        for (int i = 0; i < count && found < 0; ++i)
            if (PngEntryToColor(header->DibInfo.Colors[std::size_t(i)]) == (Color & 0xFFFFFF)) found = i;
        if (found < 0) {
            // No entry has that colour: nothing becomes transparent.
            AlphaValues.fill(255);
            BinaryAlpha = false;
            SetPayloadSize(0);
            break;
        }
        for (int i = 0; i < found; ++i)
            AlphaValues[std::size_t(i)] = 255;
        SetPayloadSize(found + 1);
        break;
    }
    default:
        break;
    }
    if (header->ColorType == 3) {
        std::copy(AlphaValues.begin(), AlphaValues.begin() + FPayloadSize, FPayload.begin());
    } else {
        // Grey and RGB keys are sample values: the alpha table mirrors the payload, as after reading, so
        // that writing keeps the key.
        AlphaValues.fill(255);
        std::copy(FPayload.begin(), FPayload.begin() + FPayloadSize, AlphaValues.begin());
    }
}

// --- tIME ---------------------------------------------------------------------------------------------

void TChunktIME::CopyFrom(const TChunk& Source) {
    TChunk::CopyFrom(Source);
    if (const auto* src = dynamic_cast<const TChunktIME*>(&Source)) {
        Year = src->Year;
        Month = src->Month;
        Day = src->Day;
        Hour = src->Hour;
        Minute = src->Minute;
        Second = src->Second;
    }
}

bool TChunktIME::ReadPayload(TStream* Stream, const std::string& ChunkType, int Size) {
    if (!ReadBasePayload(Stream, Size)) return false;
    if (FPayloadSize == 7) {
        Year = png_bytes::ReadBE16(FPayload.data());
        Month = FPayload[2];
        Day = FPayload[3];
        Hour = FPayload[4];
        Minute = FPayload[5];
        Second = FPayload[6];
    }
    return true;
}

bool TChunktIME::WriteChunk(TStream* Stream) {
    SetPayloadSize(7);
    png_bytes::WriteBE16(FPayload.data(), Year);
    FPayload[2] = Month;
    FPayload[3] = Day;
    FPayload[4] = Hour;
    FPayload[5] = Minute;
    FPayload[6] = Second;
    return WriteBaseChunk(Stream);
}

// --- tEXt and zTXt ------------------------------------------------------------------------------------

void TChunktEXt::CopyFrom(const TChunk& Source) {
    const auto* src = dynamic_cast<const TChunktEXt*>(&Source);
    if (!src) return;
    Keyword = src->Keyword;
    Text = src->Text;
}

int TChunktEXt::ReadKeyword() {
    const auto* begin = FPayload.data();
    const auto* zero = static_cast<const std::uint8_t*>(std::memchr(begin, 0, std::size_t(FPayloadSize)));
    const int length = zero ? int(zero - begin) : FPayloadSize;
    Keyword.assign(reinterpret_cast<const char*>(begin), std::size_t(length));
    return zero ? length + 1 : FPayloadSize;
}

bool TChunktEXt::ReadPayload(TStream* Stream, const std::string& ChunkType, int Size) {
    if (!ReadBasePayload(Stream, Size)) return false;
    if (FPayloadSize >= 3) {
        const int start = ReadKeyword();
        Text.assign(reinterpret_cast<const char*>(FPayload.data()) + start,
                    std::size_t(FPayloadSize - start));
    }
    return true;
}

bool TChunktEXt::WriteChunk(TStream* Stream) {
    SetPayloadSize(int(Keyword.size() + Text.size() + 1));
    std::copy(Keyword.begin(), Keyword.end(), FPayload.begin());
    FPayload[Keyword.size()] = 0;
    std::copy(Text.begin(), Text.end(), FPayload.begin() + std::ptrdiff_t(Keyword.size()) + 1);
    return WriteBaseChunk(Stream);
}

bool TChunkzTXt::ReadPayload(TStream* Stream, const std::string& ChunkType, int Size) {
    if (!ReadBasePayload(Stream, Size)) return false;
    if (FPayloadSize >= 4) {
        const int start = ReadKeyword();
        Text.clear();
        if (start < FPayloadSize && FPayload[std::size_t(start)] == 0) {
            std::string text;
            if (PngDecompressText(FPayload.data() + start + 1, std::size_t(FPayloadSize - start - 1), text))
                Text = std::move(text);
        }
    }
    return true;
}

bool TChunkzTXt::WriteChunk(TStream* Stream) {
    if (Text.empty()) Text = " ";
    std::string packed, error;
    if (PngCompressText(Text, Owner() ? Owner()->DeflateLevel() : Z_DEFAULT_COMPRESSION, packed, error)) {
        SetPayloadSize(int(Keyword.size() + packed.size() + 2));
        std::copy(Keyword.begin(), Keyword.end(), FPayload.begin());
        FPayload[Keyword.size()] = 0;
        FPayload[Keyword.size() + 1] = 0;
        std::copy(packed.begin(), packed.end(), FPayload.begin() + std::ptrdiff_t(Keyword.size()) + 2);
    }
    // When compression failed the payload held so far is written: the text the file had is not lost.
    return WriteBaseChunk(Stream);
}

bool PngCompressText(const std::string& Input, int Level, std::string& Output, std::string& ErrorText) {
    Output.clear();
    z_stream z{};
    int rc = deflateInit(&z, Level);
    if (rc != Z_OK) {
        ErrorText = z.msg ? z.msg : PngZlibErrorText(rc);
        return false;
    }
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(Input.data()));
    z.avail_in = static_cast<uInt>(Input.size());
    unsigned char buffer[256];
    do {
        z.next_out = buffer;
        z.avail_out = sizeof buffer;
        rc = deflate(&z, Z_FINISH);
        if (rc < 0 && rc != Z_BUF_ERROR) {
            ErrorText = z.msg ? z.msg : PngZlibErrorText(rc);
            deflateEnd(&z);
            return false;
        }
        Output.append(reinterpret_cast<char*>(buffer), sizeof buffer - z.avail_out);
    } while (rc != Z_STREAM_END);
    deflateEnd(&z);
    return true;
}

bool PngDecompressText(const std::uint8_t* Data, std::size_t Size, std::string& Output) {
    Output.clear();
    z_stream z{};
    if (inflateInit(&z) != Z_OK) return false;
    z.next_in = const_cast<Bytef*>(Data);
    z.avail_in = static_cast<uInt>(Size);
    unsigned char buffer[4096];
    int rc;
    do {
        z.next_out = buffer;
        z.avail_out = sizeof buffer;
        rc = inflate(&z, Z_NO_FLUSH);
        if (rc != Z_OK && rc != Z_STREAM_END) break;
        Output.append(reinterpret_cast<char*>(buffer), sizeof buffer - z.avail_out);
        // A text is small; a stream that inflates beyond this is refused rather than followed.
        if (Output.size() > (std::size_t(1) << 24)) {
            rc = Z_MEM_ERROR;
            break;
        }
    } while (rc != Z_STREAM_END);
    inflateEnd(&z);
    if (rc != Z_STREAM_END) Output.clear();
    return rc == Z_STREAM_END;
}
