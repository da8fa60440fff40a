#include "TestSkinPainter.h"

#include "tests/ui/bars/gallery/BarGallery.h"
#include "ui/bars/skin/SkinPartKinds.h"

namespace skin_test {

namespace {

// The base tables write lit item text in the highlight-text colour, made for the dark highlight face of
// the base skin; the test skin's cells are light, so its pictures take dark ink for every lit state.
class TReadableTestSkin : public TTestSkin {
public:
    TColor GetPartColor(int APart, int AState) override {
        const bool itemText = APart == ovSkinColorItemText || APart == ovSkinColorMenuText ||
                              APart == ovSkinColorGalleryText || APart == ovSkinColorGalleryMenuText;
        if (itemText)
            return AState == ovSkinStateDisabled || AState == ovSkinStateDisabledSelected ? clGrayText
                                                                                          : clWindowText;
        return TTestSkin::GetPartColor(APart, AState);
    }
};

} // namespace

TTestSkinHolder::TTestSkinHolder() : Skin(std::make_unique<TReadableTestSkin>()) {
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
