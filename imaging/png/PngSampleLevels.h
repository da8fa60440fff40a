// How the samples of a PNG file become the 8-bit levels an image holds, and back. The held levels are
// what the image shows (a file gamma applied); the file's own samples are kept beside them where the
// levels cannot give them back, so that saving writes what was read and never the gamma made for
// display: every 16-bit image (its held levels have 8 bits), and 8-bit colour images with a gamma that
// changes levels.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

class TPngPicture;
class TChunkIHDR;

class TPngSampleLevels {
public:
    TPngSampleLevels(const TPngPicture& Pic, const TChunkIHDR& Header);

    // Colour samples per pixel: 1 for grey, 3 for RGB; 0 for images whose samples are held as they are.
    int Channels() const { return FChannels; }
    // Whether the image keeps its file samples.
    bool KeepsSamples() const { return FKeeps; }
    // The held levels of one pixel's colour samples (file order). With a 16-bit transparency key the
    // whole samples decide: a pixel that only comes near the key is held one level off it, so that the
    // levels match the key's exactly when the samples do.
    void Levels(const std::uint16_t* Samples, std::uint8_t* Levels) const;
    // The file sample of a held level that came from no sample of the file (the pixel was changed): the
    // sample whose level it is.
    std::uint16_t Sample(std::uint8_t Level) const;
    // Whether the levels are the key's, and the key's samples.
    bool IsKey(const std::uint8_t* Levels) const;
    const std::uint16_t* Key() const { return FKey.data(); }

private:
    void RawLevels(const std::uint16_t* Samples, std::uint8_t* Levels) const;

    const TPngPicture& FPic;
    int FDepth = 0;
    int FChannels = 0;
    bool FGamma = false;
    bool FKeeps = false;
    bool FHasKey = false;
    std::array<std::uint16_t, 3> FKey{};
    std::array<std::uint8_t, 3> FKeyLevels{};
    std::vector<std::uint8_t> FGamma16; // 16-bit sample to level, with a gamma that changes levels
};
