// The clip region of a DC kept while an object lives: the skinned look clips parts to an item, a bar or
// a triangle and puts the clip back afterwards. Only the clip is saved: the DC's font and colours belong
// to the canvas that selected them.
#pragma once

#include "ui/bars/painting/BarBackgrounds.h"

class TovSkinnedSavedClip {
public:
    explicit TovSkinnedSavedClip(HDC ADC) : FDC(ADC) { SaveCurrentClipRegion(ADC, FRegion, FExists); }
    ~TovSkinnedSavedClip() { RestoreSavedClipRegion(FDC, FRegion, FExists); }
    TovSkinnedSavedClip(const TovSkinnedSavedClip&) = delete;
    TovSkinnedSavedClip& operator=(const TovSkinnedSavedClip&) = delete;

private:
    HDC FDC;
    HRGN FRegion = nullptr;
    bool FExists = false;
};
