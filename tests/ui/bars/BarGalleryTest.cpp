// The bar gallery's sheets, one picture each per painter, under build/test-output/bars/.
#include "gallery/BarGallery.h"
#include "BarPaintingTestSupport.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/Surface.h"
#include "ui/core/graphics/Canvas.h"

using namespace bars_test;

namespace {

class BarGalleryTest : public BarPaintingTest {};

TEST_F(BarGalleryTest, EverySheetOfEveryPainterIsPaintedAndWritten) {
    for (const std::string& name : bar_gallery::GalleryPainterNames()) {
        auto look = bar_gallery::MakeGalleryPainter(name);
        bar_gallery::TBarGallery gallery(manager, look.get());
        gallery.SetLabel(bar_gallery::GalleryPainterLabel(name));
        for (const std::string& sheet : bar_gallery::TBarGallery::SheetNames()) {
            const TSize size = gallery.SheetSize(sheet);
            ASSERT_GT(size.cx, 100) << sheet;
            ASSERT_GT(size.cy, 50) << sheet;
            TPicture picture = Picture(size.cx, size.cy);
            gallery.PaintSheet(sheet, picture.Canvas.get());
            const std::string file = OutputPath("gallery-" + name + "-" + sheet + ".png");
            EXPECT_TRUE(SaveSurfaceToPng(*GdiGetBitmapSurface(picture.Bitmap->Handle()), file)) << file;
        }
    }
}

} // namespace
