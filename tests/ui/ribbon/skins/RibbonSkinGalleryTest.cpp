// Every registered skin's gallery under build/test-output/ribbon/skins/, and the flat look every skin falls
// back to on a low-colour screen under build/test-output/ribbon/sheets/.
#include "RibbonSkinGallery.h"
#include "RibbonSkinTestSupport.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/Surface.h"
#include "ui/ribbon/skins/Ribbon2010Skins.h"
#include "ui/ribbon/skins/RibbonSkinsManager.h"

using namespace ribbon_skin_test;

namespace ribbon_skin_gallery_test {

using RibbonSkinGalleryTest = RibbonSkinTest;

const char* StyleName(TovRibbonStyle AStyle) {
    return AStyle == rs2007 ? "2007" : AStyle == rs2010 ? "2010" : "2013";
}

TEST_F(RibbonSkinGalleryTest, EveryRegisteredSkin) {
    TovRibbonSkinsManager* manager = SkinsManager();
    ASSERT_GT(manager->Count(), 0);
    for (int i = 0; i < manager->Count(); ++i) {
        TovCustomRibbonSkin* skin = manager->Items(i);
        skin->AddRef();
        auto canvas = MakeGalleryCanvas();
        PaintRibbonSkinGallery(*skin, *canvas, rcsaBlue);
        const std::string name = skin->GetName() + StyleName(skin->GetStyle());
        EXPECT_FALSE(IsUniform(*canvas, PixelOf(*canvas, 0, 0))) << name;
        EXPECT_TRUE(SaveSurfaceToPng(*GdiGetBitmapSurface(canvas->Handle()),
                                     RibbonOutputPath("skins", name + ".png")));
        skin->Release();
        EXPECT_EQ(0, skin->Count()) << name << ": the gallery's use is given back";
    }
}

// A skin as it is on a screen of 8 bits per pixel or fewer.
class TLowColourSilver : public TovSilverRibbon2010Skin {
public:
    TLowColourSilver() { SetLowColors(true); }
};

TEST_F(RibbonSkinGalleryTest, TheFlatLook) {
    TLowColourSilver skin;
    skin.AddRef();
    auto canvas = MakeGalleryCanvas();
    PaintRibbonSkinGallery(skin, *canvas, rcsaYellow);
    EXPECT_TRUE(SaveSurfaceToPng(*GdiGetBitmapSurface(canvas->Handle()),
                                 RibbonOutputPath("sheets", "flat-look.png")));
    skin.Release();
}

} // namespace ribbon_skin_gallery_test
