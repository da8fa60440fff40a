// The timing of a fade: how many pictures a fade-in and a fade-out show and how many milliseconds apart.
// Fading objects that want their own timing (ribbon tabs, groups, the application button) answer it
// through IovFadingOptionsProvider.
#pragma once

#include "platform/rtl/Persistent.h"

class TovFadingOptions : public TPersistent {
public:
    static constexpr int DefaultFadeInFrameCount = 4;
    static constexpr int DefaultFadeInFrameDelay = 15;
    static constexpr int DefaultFadeOutFrameCount = 12;
    static constexpr int DefaultFadeOutFrameDelay = 20;
    static constexpr int MaxFrameCount = 32;
    static constexpr int MinFrameDelay = 10;
    static constexpr int MaxFrameDelay = 300;

    // Another TovFadingOptions is copied through the setters; other sources go to the inherited Assign.
    void Assign(TPersistent* ASource) override;

    int FadeInFrameCount() const { return FFadeInFrameCount; }
    int FadeInFrameDelay() const { return FFadeInFrameDelay; }
    int FadeOutFrameCount() const { return FFadeOutFrameCount; }
    int FadeOutFrameDelay() const { return FFadeOutFrameDelay; }
    // Counts are kept within 0..32 (0 turns that direction off), delays within 10..300 ms.
    void SetFadeInFrameCount(int AValue);
    void SetFadeInFrameDelay(int AValue);
    void SetFadeOutFrameCount(int AValue);
    void SetFadeOutFrameDelay(int AValue);

private:
    int FFadeInFrameCount = DefaultFadeInFrameCount;
    int FFadeInFrameDelay = DefaultFadeInFrameDelay;
    int FFadeOutFrameCount = DefaultFadeOutFrameCount;
    int FFadeOutFrameDelay = DefaultFadeOutFrameDelay;
};

// Implemented by fading objects with a timing of their own.
class IovFadingOptionsProvider {
public:
    virtual ~IovFadingOptionsProvider() = default;
    // The object's options, or null for the defaults.
    virtual TovFadingOptions* GetFadingOptions() = 0;
};
