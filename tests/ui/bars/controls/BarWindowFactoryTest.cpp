// The unit's window factory: installed at the unit's start, it makes each kind of window through the
// maker registered for it, none without one, and it is gone at the unit's end.
#include "../BarsTestSupport.h"

#include "ui/bars/Bar.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarUnit.h"
#include "ui/bars/BarWindowFactory.h"

using namespace bars_test;

namespace {

class BarWindowFactoryTest : public BarsTest {};

} // namespace

TEST_F(BarWindowFactoryTest, TheUnitsFactoryMakesWindowsThroughTheRegisteredMakers) {
    // The fixture put its fakes in place of the unit's factory.
    ASSERT_NE(nullptr, ovBarWindows());
    EXPECT_EQ(ovBarWindows(), previousFactory);
    ovSetBarWindowFactory(ovBarWindows());
    TovBarManager* manager = MakeManager();

    TovBar* withoutMaker = manager->Bars()->Add();
    withoutMaker->SetVisible(true);
    EXPECT_EQ(nullptr, withoutMaker->GetControl()) << "a kind without a maker gets no window";

    std::vector<TovBar*> made;
    ovBarWindows()->SetToolbarMaker([&](TovBar* ABar) -> IovBarControl* {
        made.push_back(ABar);
        return new FakeBarControl("made", bckToolbar);
    });
    TovBar* withMaker = manager->Bars()->Add();
    withMaker->SetVisible(true);
    ASSERT_NE(nullptr, withMaker->GetControl());
    EXPECT_EQ(std::vector<TovBar*>{withMaker}, made);
    EXPECT_EQ(nullptr, ovBarWindows()->CreateSubMenuControl(nullptr));
    EXPECT_EQ(nullptr, ovBarWindows()->CreateBuiltInDock(manager, dsTop));

    delete form;
    form = nullptr;
    ovBarWindows()->SetToolbarMaker(nullptr);
    uiBarsFinalize();
    EXPECT_EQ(nullptr, ovBarWindows());
    EXPECT_EQ(nullptr, ovBarWindowFactory());
    uiBarsInitialize();
    EXPECT_EQ(ovBarWindows(), ovBarWindowFactory());
    previousFactory = ovBarWindows();
}
