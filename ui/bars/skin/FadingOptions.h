// TovFadingOptions: the timing of a hot-state cross-fade, frames and the delay between them (in
// milliseconds) for fading in and for fading out. The skin hands bar items the options they fade with.
// Setters keep the values in range: counts 0..32, delays 10..300.
#pragma once

#include "platform/rtl/Persistent.h"

class TovFadingOptions : public TPersistent {
public:
    // Another TovFadingOptions is copied through the setters; other sources go to the inherited rule.
    void Assign(TPersistent* ASource) override;

    int FadeInFrameCount() const { return FFadeInFrameCount; }
    void SetFadeInFrameCount(int AValue);
    int FadeInFrameDelay() const { return FFadeInFrameDelay; }
    void SetFadeInFrameDelay(int AValue);
    int FadeOutFrameCount() const { return FFadeOutFrameCount; }
    void SetFadeOutFrameCount(int AValue);
    int FadeOutFrameDelay() const { return FFadeOutFrameDelay; }
    void SetFadeOutFrameDelay(int AValue);

private:
    int FFadeInFrameCount = 4;
    int FFadeInFrameDelay = 15;
    int FFadeOutFrameCount = 12;
    int FFadeOutFrameDelay = 20;
};
