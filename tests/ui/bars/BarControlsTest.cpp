// The bar controls' open menu chain: a menu finds its painter through the bar that opened it, and either
// end of the chain may be freed first without the other keeping a dangling link.
#include "BarPaintingTestSupport.h"

#include "ui/bars/BarButtons.h"
#include "ui/bars/BarManager.h"

#include <memory>

using namespace bars_test;
using bar_standins::TStandInMenu;

namespace {

class BarControlsTest : public BarPaintingTest {};

TEST_F(BarControlsTest, EitherEndOfTheMenuChainMayGoFirst) {
    for (const bool parentFirst : {false, true}) {
        auto parent = std::make_unique<TStandInMenu>(manager);
        parent->SetPainter(painter.get());
        auto child = std::make_unique<TStandInMenu>(manager);
        parent->SetChildBar(child.get());
        ASSERT_EQ(child->ParentBarControl(), parent.get());
        EXPECT_EQ(child->GetPainter(), painter.get()) << "the opener's painter";
        if (parentFirst) {
            parent.reset();
            EXPECT_EQ(child->ParentBarControl(), nullptr);
            EXPECT_EQ(child->GetPainter(), manager->DefaultPainter()) << "then the manager's";
        } else {
            child.reset();
            EXPECT_EQ(parent->ChildBar(), nullptr);
        }
    }
}

} // namespace
