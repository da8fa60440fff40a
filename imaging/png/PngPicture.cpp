#include "imaging/png/PngPicture.h"

#include "imaging/png/PngDataChunk.h"
#include "imaging/png/PngErrors.h"
#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngSmallChunks.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/Stream.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace png_picture_detail {
template <class T> std::unique_ptr<TChunk> Make(TPngPicture* owner) {
    return std::make_unique<T>(owner);
}
} // namespace png_picture_detail

const std::vector<TPngChunkClass>& PngCodecChunkClasses() {
    using namespace png_picture_detail;
    static const std::vector<TPngChunkClass> classes = {
        {"IEND", &Make<TChunkIEND>}, {"IHDR", &Make<TChunkIHDR>}, {"IDAT", &Make<TChunkIDAT>},
        {"PLTE", &Make<TChunkPLTE>}, {"gAMA", &Make<TChunkgAMA>}, {"tRNS", &Make<TChunktRNS>},
        {"tIME", &Make<TChunktIME>}, {"tEXt", &Make<TChunktEXt>}, {"zTXt", &Make<TChunkzTXt>},
    };
    return classes;
}

TPngPicture::TPngPicture() : FChunkList(this) {
    ResetGammaTables();
}

TPngPicture::~TPngPicture() {
    FreeAllChunks();
}

const std::vector<TPngChunkClass>& TPngPicture::ChunkClasses() const {
    return PngCodecChunkClasses();
}

void TPngPicture::ResetGammaTables() {
    for (int i = 0; i < 256; ++i) {
        GammaLookup[std::size_t(i)] = std::uint8_t(i);
        InverseGammaLookup[std::size_t(i)] = std::uint8_t(i);
    }
    FGammaExponent = 1.0;
    FGammaChangesLevels = false;
}

void TPngPicture::ApplyGamma(int Value) {
    if (Value <= 0) return;
    FGammaChangesLevels = false;
    const double exponent = 1.0 / (Value / 100000.0 * 2.2);
    for (int i = 0; i < 256; ++i) {
        const double base = i / 255.0;
        const double p = base == 0.0 ? (exponent == 0.0 ? 1.0 : 0.0) : std::pow(base, exponent);
        const auto g = std::uint8_t(std::clamp(std::nearbyint(p * 255.0), 0.0, 255.0));
        GammaLookup[std::size_t(i)] = g;
        InverseGammaLookup[g] = std::uint8_t(i);
        if (g != i) FGammaChangesLevels = true;
    }
    // A level no sample is shown as (a pixel set to it, say) goes back to the sample shown nearest to
    // it, not to itself: a steep gamma leaves wide gaps between the shown levels.
    for (int g = 0; g < 256; ++g) {
        int best = 0;
        for (int i = 1; i < 256; ++i)
            if (std::abs(GammaLookup[std::size_t(i)] - g) < std::abs(GammaLookup[std::size_t(best)] - g))
                best = i;
        if (GammaLookup[std::size_t(best)] != g) InverseGammaLookup[std::size_t(g)] = std::uint8_t(best);
    }
    FGammaExponent = exponent;
}

std::uint8_t TPngPicture::GammaLevel16(std::uint16_t Sample) const {
    if (!FGammaChangesLevels) return GammaLookup[Sample >> 8];
    const double p = Sample == 0 ? 0.0 : std::pow(Sample / 65535.0, FGammaExponent);
    return std::uint8_t(std::clamp(std::nearbyint(p * 255.0), 0.0, 255.0));
}

void TPngPicture::FreeAllChunks() {
    ResetGammaTables();
    FChunkList.Clear();
}

TChunkIHDR* TPngPicture::HeaderChunk() const {
    auto* header = dynamic_cast<TChunkIHDR*>(FChunkList.Item(0));
    if (!header) Fail<EPNGHeaderNotPresent>(PngText::HeaderNotPresent);
    return header;
}

bool TPngPicture::HasHeader() const {
    return dynamic_cast<TChunkIHDR*>(FChunkList.Item(0)) != nullptr;
}

TChunkIHDR& TPngPicture::RequireHeader() const {
    TChunkIHDR* header = HeaderChunk();
    if (!header->HasImage()) Fail<EPNGHeaderNotPresent>(PngText::HeaderNotPresent);
    return *header;
}

int TPngPicture::Width() const {
    return HasHeader() ? HeaderChunk()->Width : 0;
}
int TPngPicture::Height() const {
    return HasHeader() ? HeaderChunk()->Height : 0;
}
void TPngPicture::SetWidth(int) {
    Fail<EPngError>(PngText::CannotResize);
}
void TPngPicture::SetHeight(int) {
    Fail<EPngError>(PngText::CannotResize);
}

int TPngPicture::PackedRowSize(int Pixels, int ColorType, int BitDepth) {
    const int bits = Pixels * BitDepth;
    switch (ColorType) {
    case 0:
    case 3:
        return (bits + 7) / 8;
    case 2:
        return bits * 3 / 8;
    case 4:
        return bits * 2 / 8;
    case 6:
        return bits * 4 / 8;
    default:
        return 0;
    }
}

int TPngPicture::FilterOffset(int ColorType, int BitDepth) {
    switch (ColorType) {
    case 0:
        return BitDepth == 16 ? 2 : 1;
    case 3:
        return 1;
    case 2:
        return BitDepth * 3 / 8;
    case 4:
        return BitDepth / 4;
    case 6:
        return BitDepth / 2;
    default:
        return 0;
    }
}

void TPngPicture::RowGeometry(int& RowBytes, int& Offset) const {
    RowBytes = Offset = 0;
    if (!HasHeader()) return;
    const TChunkIHDR* h = HeaderChunk();
    RowBytes = PackedRowSize(h->Width, h->ColorType, h->BitDepth);
    Offset = FilterOffset(h->ColorType, h->BitDepth);
}

std::unique_ptr<TChunk> TPngPicture::CreateChunk(const std::string& Type) {
    std::unique_ptr<TChunk> chunk;
    for (const auto& c : ChunkClasses())
        if (Type == c.Type) {
            chunk = c.Create(this);
            break;
        }
    if (!chunk) chunk = std::make_unique<TChunk>(this);
    chunk->SetChunkType(Type);
    return chunk;
}

void TPngPicture::LoadFromStream(TStream* Stream) {
    ReadChunks(Stream, true);
}

void TPngPicture::ReadChunks(TStream* Stream, bool Strict) {
    FreeAllChunks();
    std::uint8_t signature[8];
    if (Stream->Read(signature, 8) != 8 || std::memcmp(signature, PngSignature, 8) != 0)
        Fail<EPNGInvalidFileHeader>(PngText::InvalidFileHeader);
    bool haveData = false;
    for (int count = 1;; ++count) {
        std::uint8_t head[8];
        const std::int64_t got = Stream->Read(head, 4);
        if (got <= 0) Fail<EPngUnexpectedEnd>(PngText::UnexpectedEnd);
        if (got < 4 || Stream->Read(head + 4, 4) != 4) Fail<EPngUnexpectedEnd>(PngText::UnexpectedEnd);
        const std::uint32_t length = png_bytes::ReadBE32(head);
        const std::string name(reinterpret_cast<const char*>(head + 4), 4);
        if (count == 1 && name != "IHDR") Fail<EPNGIHDRNotFirst>(PngText::IHDRNotFirst);
        // A second header would leave the pixels described by one header and written under two.
        if (count > 1 && name == "IHDR") Fail<EPngInvalidIHDR>(PngText::InvalidIHDR);
        if (length > 0x7FFFFFFFu) Fail<EPngUnexpectedEnd>(PngText::UnexpectedEnd);
        if (name == "cHRM" || (name == "IDAT" && haveData)) {
            Stream->Seek(std::int64_t(length) + 4, soCurrent);
            continue;
        }
        std::unique_ptr<TChunk> owned = CreateChunk(name);
        TChunk* chunk = owned.get();
        FChunkList.Add(std::move(owned));
        if (Strict && typeid(*chunk) == typeid(TChunk) && head[4] != 0 && (head[4] & 0x20) == 0)
            Fail<EPNGUnknownCriticalChunk>(PngText::UnknownCriticalChunk);
        const bool ok = chunk->ReadPayload(Stream, name, int(length));
        if (dynamic_cast<TChunkIDAT*>(chunk)) haveData = true;
        if (!ok || name == "IEND") break;
    }
    if (Strict && !haveData) Fail<EPNGNoImageData>(PngText::NoImageData);
}

void TPngPicture::SaveToStream(TStream* Stream) {
    Stream->WriteBuffer(PngSignature, 8);
    for (int i = 0; i < FChunkList.Count(); ++i)
        FChunkList.Item(i)->WriteChunk(Stream);
}

void TPngPicture::LoadFromFile(const std::string& FileName) {
    TMemoryStream stream;
    stream.LoadFromFile(FileName);
    LoadFromStream(&stream);
}

void TPngPicture::SaveToFile(const std::string& FileName) {
    TMemoryStream stream;
    SaveToStream(&stream);
    stream.SaveToFile(FileName);
}

TChunk* TPngPicture::InsertNewChunk(std::unique_ptr<TChunk> Chunk) {
    const std::string type = Chunk->TypeFromClass();
    if (type == "IHDR" || type == "IDAT" || type == "PLTE" || type == "IEND" ||
        (type == "gAMA" && FChunkList.FindChunk<TChunkgAMA>()) ||
        (type == "tRNS" && FChunkList.FindChunk<TChunktRNS>()))
        Fail<EPngError>(PngText::AddExistentCritical);
    TChunkIHDR* header = FChunkList.FindChunk<TChunkIHDR>();
    TChunkIEND* end = FChunkList.FindChunk<TChunkIEND>();
    if (!header || !end) Fail<EPngError>(PngText::AddToInvalidImage);
    TChunk* result = Chunk.get();
    int position;
    if (type == "gAMA") {
        position = header->ListIndex() + 1;
    } else if (type == "tRNS") {
        if (auto* plte = FChunkList.FindChunk<TChunkPLTE>())
            position = plte->ListIndex() + 1;
        else if (auto* idat = FChunkList.FindChunk<TChunkIDAT>())
            position = idat->ListIndex();
        else
            position = header->ListIndex() + 1;
    } else {
        position = end->ListIndex();
    }
    FChunkList.Insert(std::move(Chunk), position);
    return result;
}

void TPngPicture::CopyImage(const TPngPicture& Source) {
    if (&Source == this) return;
    FInterlaceMode = Source.FInterlaceMode;
    SetIdatLimit(Source.FIdatLimit);
    FDeflateLevel = Source.FDeflateLevel;
    FFilterSet = Source.FFilterSet;
    FreeAllChunks();
    GammaLookup = Source.GammaLookup;
    InverseGammaLookup = Source.InverseGammaLookup;
    FGammaExponent = Source.FGammaExponent;
    FGammaChangesLevels = Source.FGammaChangesLevels;
    for (int i = 0; i < Source.FChunkList.Count(); ++i) {
        const TChunk* src = Source.FChunkList.Item(i);
        std::unique_ptr<TChunk> copy = src->CreateSameClass(this);
        TChunk* chunk = copy.get();
        FChunkList.Add(std::move(copy));
        chunk->CopyFrom(*src);
        if (chunk->ChunkType().empty()) chunk->SetChunkType(src->ChunkType());
    }
}
