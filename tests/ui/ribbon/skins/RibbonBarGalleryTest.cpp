// The skinned bar painter on the main window's skin: the bar tests' gallery drawn again with the skinned
// look, whose skin interface forwards through the ribbon's part-kind dispatch to Silver 2010, under
// build/test-output/ribbon/bars/.
#include "RibbonSkinTestSupport.h"
#include "RibbonTestSkin.h"
#include "tests/ui/bars/gallery/BarGallery.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/Surface.h"
#include "platform/vcl/Form.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/painting/BarSkinnedPainter.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/ribbon/skins/Ribbon2010Skins.h"

using namespace ribbon_skin_test;

namespace ribbon_bar_gallery_test {

using RibbonBarGalleryTest = RibbonSkinTest;

TEST_F(RibbonBarGalleryTest, TheSkinnedBarGalleryOnSilver2010) {
    TCustomForm* form = TCustomForm::New<TForm>(nullptr);
    auto* manager = new TovBarManager(form);
    bar_gallery::PrepareGalleryManager(manager);
    TovSilverRibbon2010Skin silver;
    {
        TRibbonTestSkin skin(silver);
        TovBarSkinnedPainter painter(&skin);
        bar_gallery::TBarGallery gallery(manager, &painter);
        gallery.SetLabel("Silver 2010");
        for (const std::string& sheet : bar_gallery::TBarGallery::SheetNames()) {
            const TSize size = gallery.SheetSize(sheet);
            auto bitmap = MakeCanvas(size.cx, size.cy, 0xFFFFFFFF);
            TuiCanvas canvas(bitmap->Canvas());
            gallery.PaintSheet(sheet, &canvas);
            EXPECT_FALSE(IsUniform(*bitmap, 0xFFFFFFFF)) << sheet;
            EXPECT_TRUE(SaveSurfaceToPng(*GdiGetBitmapSurface(bitmap->Handle()),
                                         RibbonOutputPath("bars", "gallery-silver2010-" + sheet + ".png")));
        }
        EXPECT_GT(silver.Count(), 0) << "the gallery drew with the skin's parts";
    }
    EXPECT_EQ(0, silver.Count()) << "the skin is released with its interface";
    delete form;
}

} // namespace ribbon_bar_gallery_test
