// The static and progress items: sizes from text, border and indents or fixed, the progress range, the
// bar's place and the partial repaint between two filled lengths, and the unit's registrations.
#include "tests/ui/bars/BarPaintingTestSupport.h"
#include "tests/ui/bars/gallery/BarGallery.h"

#include "ui/bars/Bar.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/extitems/BarStaticItems.h"
#include "ui/bars/extitems/ExtItemsUnit.h"
#include "ui/bars/extitems/StaticItemControls.h"
#include "ui/bars/painting/BarStandardPainter.h"
#include "ui/core/base/Geometry.h"

#include <vector>

using namespace bars_test;

namespace bars_static_items_test {

// A progress item whose controls note the rectangles they invalidate.
class TRecordingProgressControl : public TovBarProgressControl {
public:
    using TovBarProgressControl::TovBarProgressControl;
    void InvalidateRect(const TRect& R) override { Invalidated().push_back(R); }
    static std::vector<TRect>& Invalidated() {
        static std::vector<TRect> rects;
        return rects;
    }
};
class TRecordingProgressItem : public TovBarProgressItem {
public:
    using TovBarProgressItem::TovBarProgressItem;
};
const TovBarItemControlClass RecordingProgressControlClass{"TRecordingProgressControl",
                                                           &ovMakeItemControl<TRecordingProgressControl>};

class StaticItemsTest : public BarPaintingTest {
protected:
    void SetUp() override {
        BarPaintingTest::SetUp();
        ovBarRegisterItem<TRecordingProgressItem>(&RecordingProgressControlClass, false);
        TRecordingProgressControl::Invalidated().clear();
    }
    void TearDown() override {
        ovBarUnregisterItem(TuiClassRef::Of<TRecordingProgressItem>());
        BarPaintingTest::TearDown();
    }
    // The item alone on a stand-in toolbar, laid out; its control.
    template <class TControl = TovBarStaticControl>
    TControl* Place(TovBarItem* AItem, TovBarDockingStyle AStyle = dsTop) {
        bar_standins::TStandInToolbar* toolbar = Toolbar(AStyle);
        toolbar->MarkShown = false;
        TovBarItemLink* link = toolbar->Add(AItem);
        toolbar->Layout();
        return dynamic_cast<TControl*>(link->Control());
    }
    TovBarStatic* Static(const std::string& ACaption, TovBarStaticBorderStyle AStyle) {
        auto* item = new TovBarStatic(form);
        item->SetCaption(ACaption);
        item->SetBorderStyle(AStyle);
        return item;
    }
};

} // namespace bars_static_items_test
using namespace bars_static_items_test;

TEST_F(StaticItemsTest, TheUnitRegistersItsItemsAndTakesThemBackAtItsEnd) {
    struct TCase {
        const std::type_info& Item;
        const TovBarItemControlClass* Control;
    };
    const TCase cases[] = {{typeid(TovBarStatic), &ovBarStaticControlClass},
                           {typeid(TovBarProgressItem), &ovBarProgressControlClass}};
    for (const TCase& c : cases)
        EXPECT_EQ(BarItemList()->ItemControlClassOf(c.Item), c.Control) << c.Item.name();
    const int count = BarItemList()->Count();
    ovBarExtItemsEnd();
    for (const TCase& c : cases)
        EXPECT_EQ(BarItemList()->ItemControlClassOf(c.Item), nullptr) << c.Item.name();
    EXPECT_LT(BarItemList()->Count(), count);
    ovBarExtItemsStart();
    EXPECT_EQ(BarItemList()->Count(), count);
}

TEST_F(StaticItemsTest, SizesAreStoredNeverBelowZero) {
    TovBarStatic* item = Static("Level", sbsNone);
    item->SetLeftIndent(-5);
    item->SetRightIndent(3);
    item->SetWidth(-1);
    item->SetHeight(-7);
    EXPECT_EQ(item->LeftIndent(), 0);
    EXPECT_EQ(item->RightIndent(), 3);
    EXPECT_EQ(item->Width(), 0);
    EXPECT_EQ(item->Height(), 0);
    EXPECT_FALSE(item->IsShortCutSupported());
    item->AllowClick = true;
    EXPECT_TRUE(item->IsShortCutSupported());
}

TEST_F(StaticItemsTest, TheAutomaticSizeGrowsWithTheBorderAndIndentsOfEachStyle) {
    TovBarStaticControl* plain = Place(Static("Position", sbsNone));
    ASSERT_NE(plain, nullptr);
    const int width = plain->GetWidth(), height = plain->GetHeight();
    EXPECT_GT(width, plain->GetCaptionWidth());
    struct TCase {
        TovBarStaticBorderStyle Style;
        int Border;
    };
    const TCase cases[] = {{sbsLowered, 1}, {sbsRaised, 1}, {sbsEtched, 2}, {sbsBump, 2}};
    for (const TCase& c : cases) {
        TovBarStaticControl* framed = Place(Static("Position", c.Style));
        EXPECT_EQ(framed->GetWidth(), width + 2 * c.Border) << c.Style;
        EXPECT_EQ(framed->GetHeight(), height + 2 * c.Border) << c.Style;
    }
    TovBarStatic* indented = Static("Position", sbsNone);
    indented->SetLeftIndent(4);
    indented->SetRightIndent(6);
    EXPECT_EQ(Place(indented)->GetWidth(), width + 10);
}

TEST_F(StaticItemsTest, AFixedSizeStandsAndTurnsWithAVerticalBar) {
    TovBarStatic* item = Static("Position", sbsEtched);
    item->SetWidth(120);
    TovBarStaticControl* across = Place(item);
    EXPECT_EQ(across->GetWidth(), 120);
    TovBarStatic* upright = Static("Position", sbsEtched);
    upright->SetWidth(120);
    TovBarStaticControl* down = Place(upright, dsLeft);
    EXPECT_EQ(down->GetHeight(), 120);
}

TEST_F(StaticItemsTest, OnlyAClickableStaticClicks) {
    TovBarStatic* item = Static("Position", sbsNone);
    TovBarStaticControl* control = Place(item);
    EXPECT_FALSE(control->CanClick());
    EXPECT_FALSE(control->CanSelect());
    item->AllowClick = true;
    EXPECT_TRUE(control->CanClick());
    EXPECT_TRUE(control->CloseMenusOnClick());
}

TEST_F(StaticItemsTest, TheProgressRangeKeepsMinBelowMaxAndThePositionInside) {
    auto* item = new TovBarProgressItem(form);
    EXPECT_EQ(item->BorderStyle(), sbsLowered);
    item->SetPosition(70);
    item->SetMax(50);
    EXPECT_EQ(item->Max(), 50);
    EXPECT_EQ(item->Position(), 50);
    item->SetMax(-10);
    EXPECT_EQ(item->Min(), -10);
    EXPECT_EQ(item->Max(), -10);
    EXPECT_EQ(item->Position(), -10);
    item->SetMin(20);
    EXPECT_EQ(item->Max(), 20);
    EXPECT_EQ(item->Position(), 20);
    item->SetRange(0, 100);
    item->SetPosition(150);
    EXPECT_EQ(item->Position(), 100);
    item->SetPosition(-3);
    EXPECT_EQ(item->Position(), 0);
}

TEST_F(StaticItemsTest, TheBarLiesBesideTheTextCentredAndEndingBeforeTheBorder) {
    auto* item = new TovBarProgressItem(form);
    item->SetCaption("Saving");
    auto* control = Place<TovBarProgressControl>(item);
    ASSERT_NE(control, nullptr);
    const TRect bounds = control->GetBoundsRect(), bar = control->BarRect();
    EXPECT_EQ(uiWidthOfRect(bar), 150);
    EXPECT_EQ(bar.right, bounds.right - (1 + 0 + 2));
    EXPECT_EQ(bar.top - bounds.top, bounds.bottom - bar.bottom) << "centred";
    EXPECT_GT(uiHeightOfRect(bar), 0);
    EXPECT_GE(bar.left, bounds.left + control->GetCaptionWidth()) << "the text stands before the bar";
}

TEST_F(StaticItemsTest, AnEmptyRangeHasNoFilledPart) {
    auto* item = new TovBarProgressItem(form);
    auto* control = Place<TovBarProgressControl>(item);
    item->SetRange(40, 40);
    EXPECT_EQ(control->FilledLength(), 0);
    TPicture picture = Picture(uiWidthOfRect(control->GetBoundsRect()) + 10, 40);
    control->Paint(picture.Canvas.get(), control->GetBoundsRect(), iptHorizontal);
    EXPECT_EQ(control->PaintedFilledLength(), 0);
}

TEST_F(StaticItemsTest, ANewPositionRepaintsOnlyTheStretchBetweenTheFilledLengths) {
    auto* item = new TRecordingProgressItem(form);
    TovBarStandardPainter standard; // repaints partially
    bar_standins::TStandInToolbar* toolbar = Toolbar();
    toolbar->SetPainter(&standard);
    toolbar->MarkShown = false;
    auto* control = dynamic_cast<TRecordingProgressControl*>(toolbar->Add(item)->Control());
    ASSERT_NE(control, nullptr);
    toolbar->Layout();
    item->SetPosition(20);
    const TRect bar = control->BarRect();
    ASSERT_EQ(TRecordingProgressControl::Invalidated().size(), 1u);
    EXPECT_EQ(TRecordingProgressControl::Invalidated().back(), bar) << "nothing painted yet: the whole bar";
    TPicture picture = Picture(uiWidthOfRect(control->GetBoundsRect()) + 10, 40);
    control->Paint(picture.Canvas.get(), control->GetBoundsRect(), iptHorizontal);
    const int before = control->PaintedFilledLength();
    EXPECT_EQ(before, 30); // 150 * 20 / 100
    item->SetPosition(60);
    ASSERT_EQ(TRecordingProgressControl::Invalidated().size(), 2u);
    EXPECT_EQ(TRecordingProgressControl::Invalidated().back(),
              (TRect{bar.left + 30, bar.top, bar.left + 90, bar.bottom}));
    item->Step = 25; // stored only
    EXPECT_EQ(TRecordingProgressControl::Invalidated().size(), 2u);
    toolbar->SetPainter(painter.get());
}
