// The skinned bar painter over a test skin of its own: what the gallery, the screenshots and the
// painting benchmark draw the skinned look with. The painter owns its skin and the object that stands
// for the ribbon, and frees them after itself. Its skin writes lit item text in dark ink, readable on the
// test skin's light cells.
#pragma once

#include "TestSkin.h"

#include "ui/bars/painting/BarSkinnedPainter.h"

#include <memory>

namespace skin_test {

// Built before the painter, freed after it.
struct TTestSkinHolder {
    TTestSkinHolder();
    std::unique_ptr<TTestSkin> Skin;
    TTestSkinnedObject Object;
};

class TTestSkinPainter : private TTestSkinHolder, public TovBarSkinnedPainter {
public:
    TTestSkinPainter();
    TTestSkin& Skin() { return *TTestSkinHolder::Skin; }
};

} // namespace skin_test
