#include "ui/core/controls/FadingObject.h"

namespace {

class TNoFader : public IovFader {
public:
    void FadeIn(IovFadingObject*) override {}
    void FadeOut(IovFadingObject*) override {}
    void Remove(IovFadingObject*, bool) override {}
    bool DrawFadeStep(IovFadingObject*, HDC, const TRect&) override { return false; }
};

TNoFader NoFader;
IovFader* InstalledFader = nullptr;

} // namespace

IovFader* ovFaderSlot() {
    return InstalledFader ? InstalledFader : &NoFader;
}

void ovSetFaderSlot(IovFader* AFader) {
    InstalledFader = AFader;
}

TovFadingObjectHelper::~TovFadingObjectHelper() {
    ovFaderSlot()->Remove(this, true);
}

void TovFadingObjectHelper::StartFadingOnStateChange(TuiPainterButtonState APrevState,
                                                     TuiPainterButtonState AState) {
    if (APrevState == AState) return;
    if (AState == cxbsHot && APrevState < cxbsHot)
        FadeIn();
    else if (APrevState == cxbsHot && AState < cxbsHot)
        FadeOut();
    else
        CancelFade();
}

void TovFadingObjectHelper::FadeIn() {
    ovFaderSlot()->FadeIn(this);
}

void TovFadingObjectHelper::FadeOut() {
    ovFaderSlot()->FadeOut(this);
}

void TovFadingObjectHelper::CancelFade() {
    ovFaderSlot()->Remove(this, false);
}

bool TovFadingObjectHelper::DrawImage(HDC ADC, const TRect& R) {
    return ovFaderSlot()->DrawFadeStep(this, ADC, R);
}
