// The skin states the skinned bar painter draws item parts in: the plain part rule, buttons and the parts
// of split buttons, edit fields and their combo and ellipsis buttons, spin buttons and selected menu
// entries, each as a table of draw-param situations and the state the skin gets.
#include "BarPaintingTestSupport.h"
#include "skin/TestSkin.h"

#include "platform/vcl/Form.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/painting/BarSkinnedPainter.h"
#include "ui/bars/skin/SkinPartKinds.h"

#include <string>

using namespace bars_test;
using bar_standins::TStandInToolbar;

namespace {

// One situation of an item: what differs from an enabled, selectable, idle item.
struct TSituation {
    const char* Name;
    int HotPart = ovNoHotPart;
    bool Enabled = true;
    bool CanSelect = true;
    bool Selected = false;
    bool DroppedDown = false;
    bool IsDropDown = false;
    bool Split = false;
    bool Down = false;
    bool Pressed = false;
    bool ByKey = false;
    bool Customizing = false;
    bool Focused = false;
    bool Large = false;
    int ActiveButton = -1;
};

void Apply(const TSituation& S, TovBarItemControlDrawParams& P) {
    P.HotPartIndex = S.HotPart;
    P.Enabled = S.Enabled;
    P.CanSelect = S.CanSelect;
    P.DrawSelected = S.Selected;
    P.DroppedDown = S.DroppedDown;
    P.IsDropDown = S.IsDropDown;
    P.IsPressed = S.Pressed;
    P.SelectedByKey = S.ByKey;
    P.IsCustomizing = S.Customizing;
    P.SetViewSize(S.Large ? ivsLarge : ivsSmall);
}

TovBarButtonLikeControlDrawParams ButtonIn(const TSituation& S) {
    TovBarButtonLikeControlDrawParams p(nullptr);
    Apply(S, p);
    p.Split = S.Split;
    p.Down = S.Down;
    return p;
}

TovBarSpinEditDrawParams SpinIn(const TSituation& S) {
    TovBarSpinEditDrawParams p(nullptr);
    Apply(S, p);
    p.Focused = S.Focused;
    p.ActiveButton = S.ActiveButton;
    return p;
}

struct TCase {
    TSituation Situation;
    int Part;
    int Expected;
};

class SkinItemStatesTest : public BarPaintingTest {
protected:
    void SetUp() override {
        BarPaintingTest::SetUp();
        skin = std::make_unique<skin_test::TTestSkin>();
        skinned.Skin = skin.get();
        painter = std::make_unique<TovBarSkinnedPainter>(&skinned);
        skinnedPainter = static_cast<TovBarSkinnedPainter*>(painter.get());
    }
    // The painter and the bars go before the skin, the skin before the imaging interface ends.
    void TearDown() override {
        standIns.clear();
        delete form;
        form = nullptr;
        painter.reset();
        skin.reset();
        BarPaintingTest::TearDown();
    }
    std::unique_ptr<skin_test::TTestSkin> skin;
    skin_test::TTestSkinnedObject skinned;
    TovBarSkinnedPainter* skinnedPainter = nullptr;
};

TEST_F(SkinItemStatesTest, ThePlainPartRule) {
    const TCase cases[] = {
        {{"hot on this part", 0}, 0, ovSkinStateHot},
        {{"hot on this part though disabled", 0, false}, 0, ovSkinStateHot},
        {{"hot on this part but not selectable", 0, true, false}, 0, ovSkinStateHighlighted},
        {{"another part hot", 1}, 0, ovSkinStateHighlighted},
        {{"another part hot, disabled", 1, false}, 0, ovSkinStateDisabledSelected},
        {{"inside on no part", ovHotPartInside}, 0, ovSkinStateHighlighted},
        {{"selected by key", ovNoHotPart, true, true, true}, 0, ovSkinStateHighlighted},
        {{"selected, disabled", ovNoHotPart, false, true, true}, 0, ovSkinStateDisabledSelected},
        {{"selected but not selectable", ovNoHotPart, true, false, true}, 0, ovSkinStateNormal},
        {{"idle"}, 0, ovSkinStateNormal},
        {{"idle, disabled", ovNoHotPart, false}, 0, ovSkinStateDisabled},
        {{"part 1 hot, asked for part 1", 1}, 1, ovSkinStateHot},
    };
    for (const TCase& c : cases) {
        const TovBarButtonLikeControlDrawParams p = ButtonIn(c.Situation);
        EXPECT_EQ(TovBarSkinnedPainter::GetItemPartState(&p, c.Part), c.Expected) << c.Situation.Name;
    }
}

TSituation Customizing(const char* AName, bool ADown, bool ADroppedDown) {
    TSituation s{AName};
    s.Customizing = true;
    s.Down = ADown;
    s.DroppedDown = ADroppedDown;
    s.Pressed = true;
    s.HotPart = 0;
    return s;
}

TEST_F(SkinItemStatesTest, ButtonStatesOfTheFaceAndTheDropDownPart) {
    auto with = [](const char* AName, auto AChange) {
        TSituation s{AName};
        AChange(s);
        return s;
    };
    const TCase cases[] = {
        {Customizing("customizing, down", true, true), 0, ovSkinStateChecked},
        {Customizing("customizing, dropped down", false, true), 0, ovSkinStateDroppedDown},
        {Customizing("customizing, pressed and hot", false, false), 0, ovSkinStateNormal},
        {Customizing("customizing, down, drop-down part", true, false), 1, ovSkinStateChecked},
        {with("pressed beats down", [](TSituation& s) { s.Pressed = s.Down = true; }), 0, ovSkinStatePressed},
        {with("down and dropped down", [](TSituation& s) { s.Down = s.DroppedDown = true; }), 0,
         ovSkinStateHighlighted},
        {with("down and hot", [](TSituation& s) { s.Down = true, s.HotPart = 0; }), 0, ovSkinStateCheckedHot},
        {with("down, selected by key", [](TSituation& s) { s.Down = s.ByKey = true; }), 0,
         ovSkinStateCheckedHot},
        {with("down, selected by key, a drop-down",
              [](TSituation& s) { s.Down = s.ByKey = s.IsDropDown = true; }),
         0, ovSkinStateChecked},
        {with("down, the arrow hot", [](TSituation& s) { s.Down = true, s.HotPart = 1; }), 0,
         ovSkinStateChecked},
        {with("split, dropped down", [](TSituation& s) { s.Split = s.IsDropDown = s.DroppedDown = true; }), 0,
         ovSkinStateHighlighted},
        {with("whole drop-down, dropped down", [](TSituation& s) { s.IsDropDown = s.DroppedDown = true; }), 0,
         ovSkinStateDroppedDown},
        {with("hot", [](TSituation& s) { s.HotPart = 0; }), 0, ovSkinStateHot},
        {with("disabled", [](TSituation& s) { s.Enabled = false; }), 0, ovSkinStateDisabled},
        {with("arrow, dropped down", [](TSituation& s) { s.DroppedDown = s.Down = true; }), 1,
         ovSkinStateDroppedDown},
        {with("arrow of a down button, nothing hot", [](TSituation& s) { s.Down = true; }), 1,
         ovSkinStateChecked},
        {with("arrow of a down button selected by key",
              [](TSituation& s) { s.Down = s.ByKey = s.Selected = true; }),
         1, ovSkinStateHighlighted},
        {with("arrow of a down button, face hot", [](TSituation& s) { s.Down = true, s.HotPart = 0; }), 1,
         ovSkinStateHighlighted},
        {with("arrow hot", [](TSituation& s) { s.HotPart = 1; }), 1, ovSkinStateHot},
        {with("arrow idle", [](TSituation&) {}), 1, ovSkinStateNormal},
        {with("any other part", [](TSituation& s) { s.HotPart = 2; }), 2, ovSkinStateNormal},
    };
    for (const TCase& c : cases) {
        TovBarButtonLikeControlDrawParams p = ButtonIn(c.Situation);
        EXPECT_EQ(skinnedPainter->GetItemState(&p, c.Part), c.Expected) << c.Situation.Name;
    }
}

TEST_F(SkinItemStatesTest, EditFieldComboAndEllipsisButtonStates) {
    auto with = [](const char* AName, auto AChange) {
        TSituation s{AName};
        AChange(s);
        return s;
    };
    const TCase cases[] = {
        {Customizing("customizing: field", false, true), 0, ovSkinStateNormal},
        {Customizing("customizing: combo button", false, true), 3, ovSkinStateNormal},
        {Customizing("customizing: ellipsis", false, true), 4, ovSkinStateNormal},
        {with("field, dropped down and focused", [](TSituation& s) { s.DroppedDown = s.Focused = true; }), 0,
         ovSkinStateDroppedDown},
        {with("field, focused", [](TSituation& s) { s.Focused = true, s.HotPart = 0; }), 0,
         ovSkinStatePressed},
        {with("field, hot", [](TSituation& s) { s.HotPart = 0; }), 0, ovSkinStateHot},
        {with("field, button hot", [](TSituation& s) { s.HotPart = 3; }), 0, ovSkinStateHighlighted},
        {with("field, disabled", [](TSituation& s) { s.Enabled = false; }), 0, ovSkinStateDisabled},
        {with("combo, dropped down", [](TSituation& s) { s.DroppedDown = s.Focused = true; }), 3,
         ovSkinStateDroppedDown},
        {with("combo, pressed on it", [](TSituation& s) { s.Pressed = true, s.HotPart = 3; }), 3,
         ovSkinStateHot},
        {with("combo, pressed on the field", [](TSituation& s) { s.Pressed = true, s.HotPart = 0; }), 3,
         ovSkinStateHighlighted},
        {with("combo, focused", [](TSituation& s) { s.Focused = true; }), 3, ovSkinStateHot},
        {with("combo, idle", [](TSituation&) {}), 3, ovSkinStateNormal},
        {with("ellipsis, pressed", [](TSituation& s) { s.Pressed = true, s.HotPart = 0; }), 4,
         ovSkinStatePressed},
        {with("ellipsis, dropped down", [](TSituation& s) { s.DroppedDown = true; }), 4, ovSkinStateHot},
        {with("ellipsis, focused", [](TSituation& s) { s.Focused = true; }), 4, ovSkinStateHot},
        {with("ellipsis, hot", [](TSituation& s) { s.HotPart = 4; }), 4, ovSkinStateHot},
        {with("ellipsis, combo hot", [](TSituation& s) { s.HotPart = 3; }), 4, ovSkinStateHighlighted},
        {with("the glyph part", [](TSituation& s) { s.HotPart = 1; }), 1, ovSkinStateNormal},
    };
    for (const TCase& c : cases) {
        const TovBarSpinEditDrawParams p = SpinIn(c.Situation);
        EXPECT_EQ(TovBarSkinnedPainter::GetEditPartState(&p, c.Part), c.Expected) << c.Situation.Name;
    }
}

TEST_F(SkinItemStatesTest, SpinButtonsAndTheHighlightedStateOverTheField) {
    auto with = [](const char* AName, auto AChange) {
        TSituation s{AName};
        AChange(s);
        return s;
    };
    const TCase cases[] = {
        {Customizing("customizing", false, false), 3, ovSkinStateNormal},
        {with("held and hot", [](TSituation& s) { s.ActiveButton = 3, s.HotPart = 3; }), 3,
         ovSkinStateDroppedDown},
        {with("held, the mouse moved to the other", [](TSituation& s) { s.ActiveButton = 3, s.HotPart = 4; }),
         3, ovSkinStateHighlighted},
        {with("hot", [](TSituation& s) { s.HotPart = 4; }), 4, ovSkinStateHot},
        {with("the other button hot", [](TSituation& s) { s.HotPart = 4; }), 3, ovSkinStateHighlighted},
        // Highlighted while the mouse is over the field, its glyph, the item's inside or nowhere: unlit.
        {with("mouse over the field (1)", [](TSituation& s) { s.HotPart = 1; }), 3, ovSkinStateNormal},
        {with("mouse over the caption (2)", [](TSituation& s) { s.HotPart = 2; }), 4, ovSkinStateNormal},
        {with("mouse inside on no part", [](TSituation& s) { s.HotPart = ovHotPartInside; }), 3,
         ovSkinStateNormal},
        {with("selected, mouse away", [](TSituation& s) { s.Selected = true; }), 4, ovSkinStateNormal},
        {with("disabled over the field", [](TSituation& s) { s.HotPart = 1, s.Enabled = false; }), 3,
         ovSkinStateDisabledSelected},
        {with("idle", [](TSituation&) {}), 3, ovSkinStateNormal},
    };
    for (const TCase& c : cases) {
        const TovBarSpinEditDrawParams p = SpinIn(c.Situation);
        EXPECT_EQ(TovBarSkinnedPainter::GetSpinButtonState(&p, c.Part), c.Expected) << c.Situation.Name;
    }
}

TEST_F(SkinItemStatesTest, PartsOfASelectedMenuEntry) {
    auto with = [](const char* AName, auto AChange) {
        TSituation s{AName};
        AChange(s);
        return s;
    };
    const TCase cases[] = {
        {with("drop-down part of a dropped-down entry", [](TSituation& s) { s.DroppedDown = true; }), 1,
         ovSkinStateHot},
        {with("selected entry", [](TSituation& s) { s.Selected = true; }), 0, ovSkinStateHot},
        {with("selected large entry", [](TSituation& s) { s.Selected = s.Large = true; }), 0,
         ovSkinStateHighlighted},
        {with("drop-down part hot", [](TSituation& s) { s.Selected = true, s.HotPart = 1; }), 1,
         ovSkinStateHot},
        {with("drop-down part of a selected entry", [](TSituation& s) { s.Selected = true, s.HotPart = 0; }),
         1, ovSkinStateHighlighted},
        {with("disabled selected entry's drop-down",
              [](TSituation& s) { s.Selected = true, s.Enabled = false; }),
         1, ovSkinStateDisabledSelected},
    };
    for (const TCase& c : cases) {
        const TovBarButtonLikeControlDrawParams p = ButtonIn(c.Situation);
        EXPECT_EQ(TovBarSkinnedPainter::GetMenuButtonPartState(&p, c.Part), c.Expected) << c.Situation.Name;
    }
}

TEST_F(SkinItemStatesTest, ButtonControlsCountTheLitStatesAsSelectedForFading) {
    TStandInToolbar* toolbar = Toolbar(dsTop);
    toolbar->SetPainter(painter.get());
    TovBarItemLink* link = toolbar->Add(Button("Fade", 1));
    toolbar->Layout();
    TovBarItemControl* control = link->Control();
    auto* params = static_cast<TovBarButtonLikeControlDrawParams*>(control->DrawParams());
    params->HotPartIndex = 0;
    EXPECT_EQ(skinnedPainter->ItemControlSkinState(control), ovSkinStateHot);
    params->HotPartIndex = ovNoHotPart;
    params->Down = true;
    EXPECT_EQ(skinnedPainter->ItemControlSkinState(control), ovSkinStateChecked);
    EXPECT_TRUE(painter->IsFadingAvailable()) << "the skinned look draws fade pictures";
}

} // namespace
