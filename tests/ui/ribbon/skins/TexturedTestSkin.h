// A textured skin on the 2007 sheets, as the 2007 colour schemes are before their palettes: what the tests
// of the textured family's drawing use.
#pragma once

#include "ui/ribbon/skins/RibbonTexturedSkin.h"

namespace ribbon_skin_test {

class TTexturedTestSkin : public TovCustomRibbonTexturedSkin {
public:
    std::string GetName() const override { return "Textured"; }
    using TovCustomRibbonSkin::SetLowColors;
    using TovCustomRibbonTexturedSkin::DrawAlignedGlyph;

protected:
    void LoadColorTexture(TovGPImage& AImage) override { LoadSkinSheet(AImage, "RIBBONBLUE"); }
};

} // namespace ribbon_skin_test
