#include "TestSkinPainter.h"

#include "tests/ui/bars/gallery/BarGallery.h"

namespace skin_test {

TTestSkinHolder::TTestSkinHolder() : Skin(std::make_unique<TTestSkin>()) {
    Object.Skin = Skin.get();
}

TTestSkinPainter::TTestSkinPainter() : TTestSkinHolder(), TovBarSkinnedPainter(&Object) {}

namespace {

// The gallery shows the skinned look next to the painter table's looks.
const bool testSkinLookRegistered = [] {
    bar_gallery::RegisterGalleryPainter("TestSkin", "test skin",
                                        [] { return std::make_unique<TTestSkinPainter>(); });
    return true;
}();

} // namespace

} // namespace skin_test
