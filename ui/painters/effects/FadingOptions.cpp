#include "ui/painters/effects/FadingOptions.h"

#include <algorithm>

void TovFadingOptions::Assign(TPersistent* ASource) {
    if (auto* source = dynamic_cast<TovFadingOptions*>(ASource)) {
        SetFadeInFrameCount(source->FadeInFrameCount());
        SetFadeInFrameDelay(source->FadeInFrameDelay());
        SetFadeOutFrameCount(source->FadeOutFrameCount());
        SetFadeOutFrameDelay(source->FadeOutFrameDelay());
        return;
    }
    TPersistent::Assign(ASource);
}

void TovFadingOptions::SetFadeInFrameCount(int AValue) {
    FFadeInFrameCount = std::clamp(AValue, 0, MaxFrameCount);
}
void TovFadingOptions::SetFadeInFrameDelay(int AValue) {
    FFadeInFrameDelay = std::clamp(AValue, MinFrameDelay, MaxFrameDelay);
}
void TovFadingOptions::SetFadeOutFrameCount(int AValue) {
    FFadeOutFrameCount = std::clamp(AValue, 0, MaxFrameCount);
}
void TovFadingOptions::SetFadeOutFrameDelay(int AValue) {
    FFadeOutFrameDelay = std::clamp(AValue, MinFrameDelay, MaxFrameDelay);
}
