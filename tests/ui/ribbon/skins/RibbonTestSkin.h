// A skin interface over a ribbon skin, as the ribbon serves it, for drawing the skinned bar painter on a
// ribbon skin where no ribbon exists: every call goes through the part-kind dispatch with a fixed accent
// and caption strip. The skin is used (loaded) for the object's life.
#pragma once

#include "ui/bars/skin/SkinInterface.h"
#include "ui/painters/effects/FadingOptions.h"
#include "ui/ribbon/skins/RibbonSkinDispatch.h"

class TovCustomRibbonSkin;

namespace ribbon_skin_test {

class TRibbonTestSkin : public TObject, public IovSkin {
public:
    explicit TRibbonTestSkin(TovCustomRibbonSkin& ASkin, TovRibbonColorSchemeAccent AAccent = rcsaBlue);
    ~TRibbonTestSkin() override;

    void DrawBackground(HDC DC, const TRect& R, int APart, int AState) override;
    void DrawBackgroundEx(HDC DC, const TRect& R, const TRect& ABounds, int APart, int AState) override;
    void DrawCaption(HDC DC, const std::string& AText, const TRect& R, int APart, int AState) override;
    TovFadingOptions* GetFadingOptions() override { return &FFadingOptions; }
    TRect GetCaptionRect(const TRect& R, int APart) override;
    TRect GetContentOffsets(int APart) override;
    bool GetIsAlphaUsed(int APart) override;
    std::string GetName() override;
    TColor GetPartColor(int APart, int AState) override;
    int GetPartSize(int APart) override;
    bool UseRoundedWindowCorners() override;

    TovRibbonSkinContext Context;

private:
    TovCustomRibbonSkin& FSkin;
    TovFadingOptions FFadingOptions;
};

} // namespace ribbon_skin_test
