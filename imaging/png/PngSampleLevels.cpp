#include "imaging/png/PngSampleLevels.h"

#include "imaging/png/PngHeaderChunk.h"
#include "imaging/png/PngPicture.h"
#include "imaging/png/PngSmallChunks.h"

#include <algorithm>
#include <cmath>

TPngSampleLevels::TPngSampleLevels(const TPngPicture& Pic, const TChunkIHDR& Header)
    : FPic(Pic), FDepth(Header.BitDepth) {
    const int type = Header.ColorType;
    const bool colour = type == 2 || type == 6;
    if (FDepth == 16 && (type == 0 || type == 4 || colour))
        FChannels = colour ? 3 : 1;
    else if (FDepth == 8 && colour)
        FChannels = 3;
    if (FChannels == 0) return;
    FGamma = Pic.GammaChangesLevels();
    if (FDepth == 16 && (type == 0 || type == 2)) {
        const TChunktRNS* trns = Pic.ChunkList().FindChunk<TChunktRNS>();
        if (trns && trns->PayloadSize() >= 2 * FChannels) {
            FHasKey = true;
            for (int c = 0; c < FChannels; ++c)
                FKey[std::size_t(c)] = png_bytes::ReadBE16(trns->Payload() + 2 * c);
        }
    }
    if (FDepth == 16 && FGamma) {
        FGamma16.resize(65536);
        for (int v = 0; v < 65536; ++v)
            FGamma16[std::size_t(v)] = Pic.GammaLevel16(std::uint16_t(v));
    }
    if (FHasKey) RawLevels(FKey.data(), FKeyLevels.data());
    FKeeps = FDepth == 16 || FGamma;
}

void TPngSampleLevels::RawLevels(const std::uint16_t* Samples, std::uint8_t* Levels) const {
    for (int c = 0; c < FChannels; ++c) {
        const std::uint16_t s = Samples[c];
        if (FDepth == 16)
            Levels[c] = FGamma16.empty() ? std::uint8_t(s >> 8) : FGamma16[s];
        else
            Levels[c] = FPic.GammaLookup[s & 0xFF];
    }
}

void TPngSampleLevels::Levels(const std::uint16_t* Samples, std::uint8_t* Levels) const {
    RawLevels(Samples, Levels);
    if (!FHasKey || !IsKey(Levels) || std::equal(Samples, Samples + FChannels, FKey.begin())) return;
    std::uint8_t& last = Levels[FChannels - 1];
    last = last == 255 ? 254 : std::uint8_t(last + 1);
}

bool TPngSampleLevels::IsKey(const std::uint8_t* Levels) const {
    return FHasKey && std::equal(Levels, Levels + FChannels, FKeyLevels.begin());
}

std::uint16_t TPngSampleLevels::Sample(std::uint8_t Level) const {
    if (FDepth != 16) return FPic.InverseGammaLookup[Level];
    if (FGamma16.empty()) return std::uint16_t(Level * 257);
    // The sample the gamma shows as exactly this level, or (a level between two samples' levels, where
    // the gamma is steep) the one shown nearest to it.
    const double exact = std::pow(Level / 255.0, 1.0 / FPic.GammaExponent()) * 65535.0;
    const int middle = int(std::clamp(std::nearbyint(exact), 0.0, 65535.0));
    int best = middle;
    for (int s = std::max(middle - 1, 0); s <= std::min(middle + 1, 65535); ++s)
        if (std::abs(FGamma16[std::size_t(s)] - Level) < std::abs(FGamma16[std::size_t(best)] - Level))
            best = s;
    return std::uint16_t(best);
}
