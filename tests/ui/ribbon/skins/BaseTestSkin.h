// A ribbon skin of the base class alone, on the 2007 sheets, for the tests of loading, cutting and the
// flat drawing: it counts its loads, can be pointed at any colour sheet, and cuts the small button strip
// besides the base's parts so that state drawing can be seen on a strip.
#pragma once

#include "ui/ribbon/skins/RibbonSkin.h"

#include <string>

namespace ribbon_skin_test {

class TBaseTestSkin : public TovCustomRibbonSkin {
public:
    std::string GetName() const override { return "Test"; }

    std::string ColorSheet = "RIBBONBLUE";
    int Loads = 0;
    bool CutSmallButtons = true;

    using TovCustomRibbonSkin::AddStateParts;
    using TovCustomRibbonSkin::DrawCenteredPart;
    using TovCustomRibbonSkin::DrawPart;
    using TovCustomRibbonSkin::DrawStatePart;
    using TovCustomRibbonSkin::SetLowColors;

protected:
    void LoadColorTexture(TovGPImage& AImage) override {
        ++Loads;
        LoadSkinSheet(AImage, ColorSheet);
    }
    void InitializeCommonParts(GpImage* ASheet) override {
        TovCustomRibbonSkin::InitializeCommonParts(ASheet);
        if (CutSmallButtons) Cut(ASheet, ribbon_sheets::TovRibbonCut::SmallButton);
    }
};

} // namespace ribbon_skin_test
