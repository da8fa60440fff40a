// Button, large-button and sub-item controls: drop-down kinds and split parts, checked buttons, the
// 400 ms opening and closing of drop-downs inside menus, large sizes, selected text, where sub-menus open
// and what opening them from the keyboard selects.
#include "BarPaintingTestSupport.h"

#include "platform/vcl/Bitmap.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/itemcontrols/ButtonControls.h"
#include "ui/bars/itemcontrols/ItemControlViewInfo.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/itemcontrols/LargeButtonControls.h"
#include "ui/bars/itemcontrols/SubItemControl.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/graphics/Canvas.h"

using namespace bars_test;
using bar_standins::TStandInMenu;
using bar_standins::TStandInToolbar;

namespace {

// A popup menu a button drops down: it records where it was asked to open and stays open until closed.
class FakeDropDownMenu : public IovBarDropDownMenu {
public:
    explicit FakeDropDownMenu(TovBarManager* AManager) : Menu(AManager) {}
    void PopupFromControl(POINT AScreenPoint, TovBarItemControl* AOwner) override {
        Point = AScreenPoint;
        Owner = AOwner;
        Open = true;
    }
    IovBarControl* OpenBarControl() const override {
        return Open ? const_cast<TStandInMenu*>(&Menu) : nullptr;
    }
    TStandInMenu Menu;
    POINT Point{};
    TovBarItemControl* Owner = nullptr;
    bool Open = false;
};

// A painter of a flat look, whose text selection can be refused.
class FlatPainter : public TovBarPainter {
public:
    bool IsFlatStyle() override { return true; }
    bool AllowTextSelection() override { return AllowSelection; }
    bool AllowSelection = true;
};

class ButtonControlsTest : public BarPaintingTest {
protected:
    TovBarButtonControl* ShowButton(TovBarButton* AItem, TCustomovBarControl** ABar = nullptr,
                                    TovBarDockingStyle AStyle = dsTop) {
        TStandInToolbar* toolbar = Toolbar(AStyle);
        toolbar->SetScreenOrigin(TPoint{100, 200});
        TovBarItemLink* link = toolbar->Add(AItem);
        toolbar->Layout();
        if (ABar != nullptr) *ABar = toolbar;
        return dynamic_cast<TovBarButtonControl*>(link->Control());
    }
    TovBarSubItem* SubItem(const std::string& ACaption, int AEntries) {
        auto* sub = new TovBarSubItem(form);
        sub->SetCaption(ACaption);
        for (int i = 0; i < AEntries; ++i)
            sub->ItemLinks()->AddItem(Button("Entry " + std::to_string(i), i));
        return sub;
    }
};

TEST_F(ButtonControlsTest, DropDownKindByStyleTouchModeViewSizeAndPaintType) {
    auto* controller = new TuiLookAndFeelController(form);
    struct TCase {
        TovBarButtonStyle Style;
        bool Touch, Large, Menu;
        int Kind;
    };
    const TCase cases[] = {
        {bsDefault, false, false, false, 0},        {bsDefault, true, false, false, 0},
        {bsDropDown, false, false, false, 2},       {bsDropDown, true, false, false, 1},
        {bsDropDown, true, true, false, 2},         {bsDropDown, true, false, true, 2},
        {bsCheckedDropDown, true, false, false, 1}, {bsCheckedDropDown, false, false, true, 2},
    };
    for (const TCase& c : cases) {
        controller->SetTouchMode(c.Touch);
        TovBarButton* item = Button("Kind", 1);
        item->SetButtonStyle(c.Style);
        TovBarButtonControl* control;
        if (c.Menu) {
            TStandInMenu* menu = Menu();
            control = dynamic_cast<TovBarButtonControl*>(menu->Add(item)->Control());
        } else {
            control = ShowButton(item);
        }
        if (c.Large) control->ViewInfo()->SetViewLevelDirect(ivlLargeIconWithText);
        EXPECT_EQ(control->GetDropDownKind(), c.Kind)
            << "style " << c.Style << " touch " << c.Touch << " large " << c.Large << " menu " << c.Menu;
        EXPECT_EQ(control->IsDropDown(), c.Kind != 0);
    }
    controller->SetTouchMode(false);
}

TEST_F(ButtonControlsTest, ASplitButtonOpensFromItsArrowAndClicksFromItsFace) {
    TovBarButton* item = Button("Paste", 2);
    item->SetButtonStyle(bsDropDown);
    FakeDropDownMenu dropDown(manager);
    item->DropDownMenu = &dropDown;
    int clicks = 0;
    item->SetOnClick(TNotifyEvent([&](TObject*) { ++clicks; }, this));
    TCustomovBarControl* bar = nullptr;
    TovBarButtonControl* control = ShowButton(item, &bar);
    ASSERT_EQ(control->Parts().size(), 2u);
    const TRect bounds = control->GetBoundsRect();
    EXPECT_EQ(control->Parts()[1].right - control->Parts()[1].left, painter->GetButtonArrowWidth(manager));
    EXPECT_EQ(control->Parts()[0].right, control->Parts()[1].left);
    EXPECT_EQ(control->Parts()[1].right, bounds.right);

    control->SetHotPartIndex(1);
    control->Click(true);
    EXPECT_EQ(clicks, 0) << "a click on the arrow runs nothing";
    control->DropDown(true);
    EXPECT_TRUE(dropDown.Open);
    EXPECT_EQ(dropDown.Owner, control);
    EXPECT_EQ(dropDown.Point.x, 100 + bounds.left) << "under the button's left edge, on the screen";
    EXPECT_EQ(dropDown.Point.y, 200 + bounds.bottom);
    EXPECT_TRUE(control->IsDroppedDown());
    EXPECT_TRUE(static_cast<TovBarButtonLikeControlDrawParams*>(control->DrawParams())->Split);
    control->DoCloseUp(true);
    dropDown.Open = false;
    EXPECT_FALSE(control->IsDroppedDown());

    control->SetHotPartIndex(0);
    control->Click(true);
    EXPECT_EQ(clicks, 1) << "a click on the face runs the item";
    item->DropDownMenu = nullptr;
}

TEST_F(ButtonControlsTest, CheckedButtonsToggleDownOnEveryClickOthersNever) {
    TovBarButton* checked = Button("Loop", 1);
    checked->SetButtonStyle(bsChecked);
    TovBarButtonControl* control = ShowButton(checked);
    control->Click(false);
    EXPECT_TRUE(checked->Down());
    control->Click(false);
    EXPECT_FALSE(checked->Down());
    TovBarButton* plain = Button("Play", 2);
    TovBarButtonControl* plainControl = ShowButton(plain);
    plainControl->Click(false);
    plainControl->Click(false);
    EXPECT_FALSE(plain->Down());
}

TEST_F(ButtonControlsTest, DropDownsInMenusOpenAndCloseAfter400Milliseconds) {
    TStandInMenu* menu = Menu();
    auto* first = dynamic_cast<TovBarSubItemControl*>(menu->Add(SubItem("First", 2))->Control());
    auto* second = dynamic_cast<TovBarSubItemControl*>(menu->Add(SubItem("Second", 2))->Control());
    menu->Layout();
    ASSERT_NE(first, nullptr);
    first->ControlActivate(false, true);
    EXPECT_EQ(TovBarButtonLikeControl::PendingOpen(), first);
    Run(399);
    EXPECT_FALSE(first->IsDroppedDown());
    Run(2);
    EXPECT_TRUE(first->IsDroppedDown()) << "opened 400 ms after it became active";

    second->ControlActivate(false, true);
    first->ControlInactivate(false);
    EXPECT_EQ(TovBarButtonLikeControl::PendingClose(), first) << "leaving an open drop-down waits";
    EXPECT_TRUE(first->IsDroppedDown());
    Run(400);
    EXPECT_FALSE(first->IsDroppedDown()) << "closed 400 ms later";
    EXPECT_TRUE(second->IsDroppedDown());

    second->ControlInactivate(true);
    TStandInMenu* other = Menu();
    auto* third = dynamic_cast<TovBarSubItemControl*>(other->Add(SubItem("Third", 1))->Control());
    auto* fourth = dynamic_cast<TovBarSubItemControl*>(other->Add(SubItem("Fourth", 1))->Control());
    third->ControlActivate(false, true);
    Run(200);
    fourth->ControlActivate(false, true);
    third->ControlInactivate(false);
    Run(250);
    EXPECT_FALSE(third->IsDroppedDown()) << "moving on before 400 ms cancels the opening";
    EXPECT_FALSE(fourth->IsDroppedDown());
    Run(200);
    EXPECT_TRUE(fourth->IsDroppedDown());
    fourth->ControlInactivate(true);
}

TEST_F(ButtonControlsTest, LargeButtonSizesByLayoutAndFixedSizes) {
    auto large = [&](TovBarGlyphLayout ALayout) {
        auto* item = new TovBarLargeButton(form);
        item->SetCaption("Amplify");
        item->SetLargeImageIndex(1);
        item->SetShowCaption(true);
        item->SetGlyphLayout(ALayout);
        return item;
    };
    for (TovBarGlyphLayout layout : {glLeft, glRight, glTop, glBottom}) {
        TovBarLargeButton* item = large(layout);
        TovBarButtonControl* control = ShowButton(item);
        const int caption = control->GetCaptionWidth();
        const int text = control->GetCanvas()->TextHeight("Zq");
        const bool beside = layout == glLeft || layout == glRight;
        EXPECT_EQ(control->GetDefaultWidth(), (beside ? 32 + caption + 6 : std::max(32, caption + 6)) + 10)
            << "layout " << layout;
        EXPECT_EQ(control->GetDefaultHeight(), (beside ? std::max(32, text) : 32 + text + 1) + 6)
            << "layout " << layout;
    }
    TovBarLargeButton* fixed = large(glTop);
    fixed->SetWidth(77);
    fixed->SetHeight(55);
    TovBarButtonControl* control = ShowButton(fixed);
    EXPECT_EQ(control->GetBoundsRect().right - control->GetBoundsRect().left, 77);
    EXPECT_EQ(control->GetBoundsRect().bottom - control->GetBoundsRect().top, 55);

    TovBarLargeButton* glyphOnly = large(glTop);
    glyphOnly->SetShowCaption(false);
    TovBarButtonControl* vertical = ShowButton(glyphOnly, nullptr, dsLeft);
    EXPECT_FALSE(vertical->IsVertical()) << "a glyph-only large button keeps its horizontal layout";
}

TEST_F(ButtonControlsTest, TextIsSelectedOnlyInFlatLooksWhenPressedOrDownAndSelected) {
    TovBarButton* item = Button("Mark", 1, psCaptionGlyph);
    TCustomovBarControl* bar = nullptr;
    TovBarButtonControl* control = ShowButton(item, &bar);
    bar->SetSelectedControl(control);
    item->SetButtonStyle(bsChecked);
    item->SetDown(true);
    EXPECT_FALSE(control->IsTextSelected()) << "the base look never selects text";
    FlatPainter flat;
    bar->SetPainter(&flat);
    EXPECT_TRUE(control->IsTextSelected()) << "down and selected";
    item->SetDown(false);
    EXPECT_FALSE(control->IsTextSelected()) << "selected alone";
    item->SetDown(true);
    flat.AllowSelection = false;
    EXPECT_FALSE(control->IsTextSelected()) << "the look refuses text selection";
    EXPECT_TRUE(control->KeepTextColorWhenSelected());
    bar->SetPainter(painter.get());
}

TEST_F(ButtonControlsTest, SubMenusOpenBelowBesideOrRightOfTheirItem) {
    TovBarSubItem* file = SubItem("File", 2);
    TStandInToolbar* toolbar = Toolbar(dsTop);
    toolbar->SetScreenOrigin(TPoint{10, 20});
    auto* control = dynamic_cast<TovBarSubItemControl*>(toolbar->Add(file)->Control());
    toolbar->Layout();
    TPoint p{};
    int ownerWidth = -1, ownerHeight = -1;
    control->GetSubMenuPosition(p, ownerWidth, ownerHeight);
    const TRect r = control->GetBoundsRect();
    EXPECT_EQ(p.x, 10 + r.left);
    EXPECT_EQ(p.y, 20 + r.bottom) << "below a title of a horizontal bar";
    EXPECT_EQ(ownerHeight, r.bottom - r.top);
    EXPECT_EQ(ownerWidth, 0);

    TStandInToolbar* left = Toolbar(dsLeft);
    auto* side = dynamic_cast<TovBarSubItemControl*>(left->Add(SubItem("Tools", 1))->Control());
    left->Layout();
    side->GetSubMenuPosition(p, ownerWidth, ownerHeight);
    EXPECT_EQ(p.x, side->GetBoundsRect().right) << "right of an item of a vertical bar";
    EXPECT_EQ(p.y, side->GetBoundsRect().top);

    TStandInMenu* menu = Menu();
    menu->SetScreenOrigin(TPoint{300, 40});
    auto* cascade = dynamic_cast<TovBarSubItemControl*>(menu->Add(SubItem("Recent", 1))->Control());
    menu->Layout();
    cascade->GetSubMenuPosition(p, ownerWidth, ownerHeight);
    EXPECT_EQ(p.x, 300 + cascade->GetBoundsRect().right);
    EXPECT_EQ(p.y, 40 + cascade->GetBoundsRect().top - menu->GetTopOffset()) << "level with the entry";
    EXPECT_EQ(ownerWidth, cascade->GetBoundsRect().right - cascade->GetBoundsRect().left);
}

TEST_F(ButtonControlsTest, OpeningFromTheKeyboardSelectsTheFirstEntryAndTheStandardStyleClosesOnAPress) {
    TovBarSubItem* file = SubItem("File", 3);
    int popups = 0;
    file->OnPopup = TNotifyEvent([&](TObject*) { ++popups; }, this);
    TStandInToolbar* toolbar = Toolbar(dsTop);
    auto* control = dynamic_cast<TovBarSubItemControl*>(toolbar->Add(file)->Control());
    toolbar->Layout();

    toolbar->SetMouseDownState(true);
    control->ControlMouseDown(false);
    ASSERT_TRUE(control->IsDroppedDown());
    EXPECT_EQ(popups, 1);
    auto* menu = dynamic_cast<TStandInMenu*>(control->GetSubMenuControl());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->GetOwnerItemControl(), control);
    EXPECT_EQ(menu->ShowCount, 1);
    ASSERT_NE(menu->SelectedControl(), nullptr);
    EXPECT_EQ(menu->SelectedControl()->ItemLink(), file->ItemLinks()->Items(0)) << "from the keyboard";
    control->ControlInactivate(true);

    menu->SetSelectedControl(nullptr);
    toolbar->SetMouseDownState(true);
    control->ControlMouseDown(true);
    ASSERT_TRUE(control->IsDroppedDown());
    EXPECT_EQ(menu->SelectedControl(), nullptr) << "by mouse nothing is selected";

    manager->SetStyle(bmsEnhanced);
    control->ControlMouseDown(true);
    EXPECT_TRUE(control->IsDroppedDown()) << "a press on an open title leaves it open";
    manager->SetStyle(bmsStandard);
    control->ControlMouseDown(true);
    EXPECT_FALSE(control->IsDroppedDown()) << "the Standard style closes it";
}

} // namespace
