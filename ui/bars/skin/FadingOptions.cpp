#include "ui/bars/skin/FadingOptions.h"

#include <algorithm>

namespace fading_options_detail {
constexpr int MaxFrameCount = 32;
constexpr int MinFrameDelay = 10;
constexpr int MaxFrameDelay = 300;

int FrameCount(int AValue) {
    return std::clamp(AValue, 0, MaxFrameCount);
}
int FrameDelay(int AValue) {
    return std::clamp(AValue, MinFrameDelay, MaxFrameDelay);
}
} // namespace fading_options_detail

void TovFadingOptions::Assign(TPersistent* ASource) {
    auto* source = dynamic_cast<TovFadingOptions*>(ASource);
    if (source == nullptr) {
        TPersistent::Assign(ASource);
        return;
    }
    SetFadeInFrameCount(source->FadeInFrameCount());
    SetFadeInFrameDelay(source->FadeInFrameDelay());
    SetFadeOutFrameCount(source->FadeOutFrameCount());
    SetFadeOutFrameDelay(source->FadeOutFrameDelay());
}

void TovFadingOptions::SetFadeInFrameCount(int AValue) {
    FFadeInFrameCount = fading_options_detail::FrameCount(AValue);
}

void TovFadingOptions::SetFadeInFrameDelay(int AValue) {
    FFadeInFrameDelay = fading_options_detail::FrameDelay(AValue);
}

void TovFadingOptions::SetFadeOutFrameCount(int AValue) {
    FFadeOutFrameCount = fading_options_detail::FrameCount(AValue);
}

void TovFadingOptions::SetFadeOutFrameDelay(int AValue) {
    FFadeOutFrameDelay = fading_options_detail::FrameDelay(AValue);
}
