// Static and separator controls: separator heights in menus, bold group headers, and statics that are
// selectable only while customizing and never click.
#include "BarPaintingTestSupport.h"

#include "platform/vcl/Font.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarLabels.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/itemcontrols/StaticControls.h"
#include "ui/core/graphics/Canvas.h"

using namespace bars_test;
using bar_standins::TStandInMenu;

namespace {

class StaticControlsTest : public BarPaintingTest {
protected:
    TovBarSeparator* Separator(bool ACaption) {
        auto* separator = new TovBarSeparator(form);
        separator->SetCaption("Recent");
        separator->SetShowCaption(ACaption);
        return separator;
    }
    static int Height(TovBarItemLink* ALink) { return ALink->ItemRect.bottom - ALink->ItemRect.top; }
};

TEST_F(StaticControlsTest, SeparatorHeightsInMenus) {
    TStandInMenu* menu = Menu();
    TovBarItemLink* first = menu->Add(Separator(true));
    menu->Add(Button("Open", 1));
    TovBarItemLink* bare = menu->Add(Separator(false));
    TovBarItemLink* later = menu->Add(Separator(true));
    menu->Layout();
    EXPECT_EQ(Height(bare), painter->SubMenuControlSeparatorHeight())
        << "a bare line takes the separator size";
    EXPECT_TRUE(bare->Control()->DrawParams()->ViewStructure.empty()) << "and shows no text";
    EXPECT_EQ(Height(later) - Height(first), painter->SeparatorGetLineSize())
        << "the first header has no line above it";
    const int row = menu->GetIconAreaSize();
    EXPECT_EQ(Height(first), row + 2);
    EXPECT_EQ(Height(later), row + 4);
}

TEST_F(StaticControlsTest, AHeaderWithoutStyleIsBoldAndTheFontComesBack) {
    TStandInMenu* menu = Menu();
    TovBarItemLink* header = menu->Add(Separator(true));
    menu->Layout();
    auto* control = dynamic_cast<TovBarSeparatorControl*>(header->Control());
    ASSERT_NE(control, nullptr);
    TovBarSavedFont saved;
    control->SelectFont(nullptr, 0, saved);
    EXPECT_TRUE(menu->GetCanvas()->Font()->Style().Contains(fsBold));
    control->RestoreFont(saved);
    EXPECT_FALSE(menu->GetCanvas()->Font()->Style().Contains(fsBold));
    TPicture picture = Picture(200, 40);
    menu->PaintTo(picture.Canvas.get());
    EXPECT_FALSE(picture.Canvas->Font()->Style().Contains(fsBold))
        << "painting leaves the canvas font as it was";
}

TEST_F(StaticControlsTest, StaticsAreSelectableOnlyWhileCustomizingAndNeverClick) {
    auto* label = new TovBarLabel(form);
    label->SetCaption("Position");
    int clicks = 0;
    label->SetOnClick(TNotifyEvent([&](TObject*) { ++clicks; }, this));
    bar_standins::TStandInToolbar* toolbar = Toolbar();
    TovBarItemLink* link = toolbar->Add(label);
    toolbar->Layout();
    TovBarItemControl* control = link->Control();
    ASSERT_NE(dynamic_cast<TovBarCustomStaticControl*>(control), nullptr);
    EXPECT_FALSE(control->CanSelect());
    EXPECT_FALSE(control->CanClick());
    control->Click(false);
    EXPECT_EQ(clicks, 0);
    manager->SetIsCustomizing(true);
    EXPECT_TRUE(control->CanSelect());
    manager->SetIsCustomizing(false);
}

} // namespace
