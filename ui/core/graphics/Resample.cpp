// Lanczos-3 resampling, separably: every row to the new width, then every column to the new height.
#include "ui/core/graphics/AlphaBlend.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Bitmap.h"
#include "ui/core/base/BitmapBits.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace resample_detail {

struct TContributor {
    int Pixel;  // source index
    int Weight; // times 256
};
using TContributors = std::vector<TContributor>;
using TContributorList = std::vector<TContributors>;

float Sinc(float T) {
    if (T == 0.0f) return 1.0f;
    const float x = 3.14159265358979f * T;
    return std::sin(x) / x;
}

float Lanczos3(float T) {
    if (std::fabs(T) >= 3.0f) return 0.0f;
    return Sinc(T) * Sinc(T / 3.0f);
}

// Reflects an index at the source's ends until it lies inside: a small source scaled down reaches far
// beyond both ends.
int Mirror(int J, int ACount) {
    while (J < 0 || J >= ACount)
        J = J < 0 ? -J : 2 * ACount - 1 - J;
    return J;
}

// The scale of a run of ASource pixels stretched to ADest pixels (end pixels onto end pixels).
double Scale(int ADest, int ASource) {
    if (ADest == 1 || ASource == 1) return double(ADest) / double(ASource);
    return double(ADest - 1) / double(ASource - 1);
}

TContributorList Weights(int ADestCount, int ASourceCount, double AScale) {
    const float scale = static_cast<float>(AScale);
    const float support = scale >= 1.0f ? 1.0f : 1.0f / scale;
    const float radius = 3.0f * support;
    TContributorList list(static_cast<std::size_t>(ADestCount));
    for (int i = 0; i < ADestCount; ++i) {
        const float centre = static_cast<float>(i) / scale;
        TContributors& pairs = list[static_cast<std::size_t>(i)];
        pairs.reserve(static_cast<std::size_t>(2 * radius + 1));
        const int first = static_cast<int>(std::floor(centre - radius));
        const int last = static_cast<int>(std::ceil(centre + radius));
        for (int j = first; j <= last; ++j) {
            const float weight = Lanczos3((centre - static_cast<float>(j)) / support) / support * 256.0f;
            const int g = static_cast<int>(std::nearbyint(weight));
            if (g == 0) continue;
            pairs.push_back(TContributor{Mirror(j, ASourceCount), g});
        }
    }
    return list;
}

std::uint32_t Apply(const TContributors& APairs, const std::uint32_t* AData, std::size_t AStride) {
    int sums[4] = {0, 0, 0, 0};
    for (const TContributor& pair : APairs) {
        const std::uint32_t p = AData[static_cast<std::size_t>(pair.Pixel) * AStride];
        for (int c = 0; c < 4; ++c)
            sums[c] += pair.Weight * int((p >> (8 * c)) & 0xFF);
    }
    std::uint32_t out = 0;
    for (int c = 0; c < 4; ++c) {
        const int value = sums[c] < 0 ? 0 : std::min(255, sums[c] >> 8);
        out |= std::uint32_t(value) << (8 * c);
    }
    return out;
}

} // namespace resample_detail

void uiResample(TBitmap* ASource, TBitmap* ADest, bool AForce) {
    using namespace resample_detail;
    const int sw = ASource->Width(), sh = ASource->Height();
    const int w = ADest->Width(), h = ADest->Height();
    if (sw == 0 || sh == 0 || w == 0 || h == 0) return;
    ASource->Canvas()->Lock();
    ADest->Canvas()->Lock();
    if (!AForce) {
        HDC dc = ADest->Canvas()->Handle();
        const int oldMode = SetStretchBltMode(dc, HALFTONE);
        StretchBlt(dc, 0, 0, w, h, ASource->Canvas()->Handle(), 0, 0, sw, sh, SRCCOPY);
        SetStretchBltMode(dc, oldMode);
    } else {
        TRGBColors source;
        if (ovGetBitmapBits(ASource, source, false)) {
            const TContributorList columns = Weights(w, sw, Scale(w, sw));
            const TContributorList rows = Weights(h, sh, Scale(h, sh));
            TRGBColors across(static_cast<std::size_t>(w) * sh);
            for (int y = 0; y < sh; ++y)
                for (int x = 0; x < w; ++x)
                    across[static_cast<std::size_t>(y) * w + x] = Apply(
                        columns[static_cast<std::size_t>(x)], &source[static_cast<std::size_t>(y) * sw], 1);
            TRGBColors result(static_cast<std::size_t>(w) * h);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    result[static_cast<std::size_t>(y) * w + x] =
                        Apply(rows[static_cast<std::size_t>(y)], &across[static_cast<std::size_t>(x)],
                              static_cast<std::size_t>(w));
            ovSetBitmapBits(ADest, result, false);
        }
    }
    ADest->Canvas()->Unlock();
    ASource->Canvas()->Unlock();
}
