#include "source/splash/SplashPicture.h"

void FillPremultiplyTable(TPremultiplyTable& Table) {
    for (int a = 0; a < 256; ++a)
        for (int c = 0; c < 256; ++c)
            Table[static_cast<std::size_t>(a)][static_cast<std::size_t>(c)] =
                static_cast<std::uint8_t>(a * c / 255);
}

void PremultiplyRow(std::uint8_t* Pixels, int Width, const TPremultiplyTable& Table) {
    for (int x = 0; x < Width; ++x, Pixels += 4) {
        const auto& row = Table[Pixels[3]];
        Pixels[0] = row[Pixels[0]];
        Pixels[1] = row[Pixels[1]];
        Pixels[2] = row[Pixels[2]];
    }
}

int NextFadeAlpha(int Alpha) {
    return Alpha + (255 - Alpha) / 32 + 1;
}

std::vector<int> FadeSteps() {
    std::vector<int> steps;
    for (int alpha = 0; alpha < 255;) {
        alpha = NextFadeAlpha(alpha);
        steps.push_back(alpha);
    }
    return steps;
}
