// Container styles: the fallbacks of the base style and of the state rows, lookups through style
// controllers, storing, value names, refused controller cycles, and the frame, shadow and ring the
// container view info paints.
#include "PaintersTestSupport.h"

#include "platform/vcl/Font.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/painters/popups/ContainerStyle.h"
#include "ui/painters/popups/ContainerViewInfo.h"
#include "ui/painters/popups/StyleController.h"

#include <memory>
#include <string>

using namespace painters_test;

namespace {

class ContainerStyleTest : public PaintersTest {
protected:
    std::unique_ptr<TuiContainerStyle> NewStyle() {
        return std::make_unique<TuiContainerStyle>(nullptr, uiContainerStateNormal, nullptr);
    }
};

TEST_F(ContainerStyleTest, AFreshBaseStyleAnswersTheFallbacksOfItsLook) {
    auto style = NewStyle();
    EXPECT_TRUE(style->AssignedValues().empty());
    EXPECT_EQ(style->Color(), clBtnFace);
    EXPECT_EQ(style->BorderColor(), clWindowFrame);
    EXPECT_EQ(style->Edges(), uiBordersAll);
    EXPECT_TRUE(style->HotTrack());
    EXPECT_FALSE(style->Shadow());
    EXPECT_TRUE(style->TransparentBorder());
    EXPECT_EQ(style->TextColor(), style->Font()->Color());
    struct Case {
        TuiLookAndFeelKind kind;
        TuiContainerBorderStyle border;
    } const cases[] = {
        {lfFlat, cbsFlat}, {lfStandard, cbs3D}, {lfUltraFlat, cbsUltraFlat}, {lfOffice11, cbsOffice11}};
    for (const Case& c : cases) {
        style->LookAndFeel()->SetKind(c.kind);
        EXPECT_EQ(style->BorderStyle(), c.border) << int(c.kind);
    }
    // Setting the look's kind is no style value.
    EXPECT_TRUE(style->AssignedValues().empty());
}

TEST_F(ContainerStyleTest, TheStateRowsFollowTheParentsBorderStyleAndHotTracking) {
    TuiStyleController controller(nullptr);
    TuiContainerStyle* normal = controller.Styles()->Items(0);
    struct Case {
        TuiContainerBorderStyle parent;
        bool hotTrack;
        int state;
        TuiContainerBorderStyle expected;
    } const cases[] = {
        {cbsFlat, true, 1, cbs3D},
        {cbsFlat, false, 1, cbsFlat},
        {cbsFlat, true, 3, cbs3D},
        {cbsNone, true, 1, cbsFlat},
        {cbsSingle, true, 3, cbsThick},
        {cbsSingle, false, 3, cbsSingle},
        {cbsFlat, true, 2, cbsFlat},
        {cbsFlat, false, 2, cbsFlat},
        {cbsUltraFlat, true, 1, cbsUltraFlat},
        {cbsOffice11, true, 1, cbsOffice11},
        {cbs3D, false, 1, cbs3D},
    };
    for (const Case& c : cases) {
        normal->SetBorderStyle(c.parent);
        normal->SetHotTrack(c.hotTrack);
        EXPECT_EQ(controller.Styles()->Items(c.state)->BorderStyle(), c.expected)
            << "parent " << int(c.parent) << " hot " << c.hotTrack << " state " << c.state;
    }
    // The disabled state greys its border and text; the hot states take the parent's.
    normal->SetBorderColor(clRed);
    normal->SetTextColor(clBlue);
    EXPECT_EQ(controller.Styles()->Items(2)->BorderColor(), clBtnShadow);
    EXPECT_EQ(controller.Styles()->Items(2)->TextColor(), clBtnShadow);
    EXPECT_EQ(controller.Styles()->Items(1)->BorderColor(), clRed);
    EXPECT_EQ(controller.Styles()->Items(3)->TextColor(), clBlue);
    normal->SetColor(clYellow);
    EXPECT_EQ(controller.Styles()->Items(2)->Color(), clYellow);
}

TEST_F(ContainerStyleTest, SharedValuesOfAStateStyleLiveOnTheBaseStyle) {
    TuiStyleController controller(nullptr);
    TuiContainerStyle* normal = controller.Styles()->Items(0);
    TuiContainerStyle* disabled = controller.Styles()->Items(2);
    disabled->SetEdges(TuiBorders{bLeft, bTop});
    EXPECT_EQ(normal->Edges(), (TuiBorders{bLeft, bTop}));
    EXPECT_TRUE(normal->AssignedValues().Contains(csvEdges));
    EXPECT_FALSE(disabled->AssignedValues().Contains(csvEdges));
    disabled->SetShadow(true);
    EXPECT_TRUE(normal->Shadow());
    EXPECT_EQ(disabled->Font(), normal->Font());
    EXPECT_EQ(disabled->LookAndFeel(), normal->LookAndFeel());
    // Colours stay the state's own.
    disabled->SetColor(clGreen);
    EXPECT_TRUE(disabled->AssignedValues().Contains(csvColor));
    EXPECT_EQ(normal->Color(), clBtnFace);
}

TEST_F(ContainerStyleTest, UnassignedValuesAreLookedUpThroughTheControllerChain) {
    TuiStyleController first(nullptr), second(nullptr);
    auto style = NewStyle();
    style->SetStyleController(&first);
    EXPECT_EQ(style->StyleController(), &first);
    EXPECT_EQ(first.ListenerCount(), 1);
    first.Style()->SetColor(clRed);
    EXPECT_EQ(style->Color(), clRed);
    EXPECT_TRUE(style->IsStyleValueAssigned(csvColor));
    EXPECT_FALSE(style->AssignedValues().Contains(csvColor));
    // Through the first controller's own controller.
    first.Style()->SetStyleController(&second);
    second.Style()->SetBorderStyle(cbsThick);
    EXPECT_EQ(style->BorderStyle(), cbsThick);
    // Clearing the controller's assignment makes the style fall back again.
    first.Style()->SetAssignedValues({});
    EXPECT_EQ(style->Color(), clBtnFace);
    // The style's own value wins.
    style->SetBorderStyle(cbsSingle);
    EXPECT_EQ(style->BorderStyle(), cbsSingle);
    first.Style()->SetStyleController(nullptr);
    style->SetStyleController(nullptr);
    EXPECT_EQ(first.ListenerCount(), 0);
}

TEST_F(ContainerStyleTest, ControllerCyclesAreRefusedAndTheFirstLinkStays) {
    TuiStyleController a(nullptr), b(nullptr), c(nullptr);
    a.Style()->SetStyleController(&b);
    b.Style()->SetStyleController(&a);
    EXPECT_EQ(a.Style()->StyleController(), &b);
    EXPECT_EQ(b.Style()->StyleController(), nullptr);
    // A longer loop: c follows a, then b would follow c (b -> c -> a -> b).
    c.Style()->SetStyleController(&a);
    b.Style()->SetStyleController(&c);
    EXPECT_EQ(b.Style()->StyleController(), nullptr);
    // A style never follows the controller that owns it.
    a.Style()->SetStyleController(&a);
    EXPECT_EQ(a.Style()->StyleController(), &b);
    c.Style()->SetStyleController(nullptr);
    a.Style()->SetStyleController(nullptr);
}

TEST_F(ContainerStyleTest, TheControllersFontReachesListenersWithoutAssigningTheirFont) {
    TuiStyleController controller(nullptr);
    auto style = NewStyle();
    int changes = 0;
    style->OnChanged = TNotifyEvent([&](TObject*) { ++changes; }, this);
    style->SetStyleController(&controller);
    TFont font;
    font.SetName("Courier New");
    font.SetHeight(-20);
    controller.Style()->SetFont(&font);
    EXPECT_EQ(style->Font()->Name(), "Courier New");
    EXPECT_EQ(style->Font()->Height(), -20);
    EXPECT_FALSE(style->AssignedValues().Contains(csvFont));
    EXPECT_GT(changes, 0);
    // The user's own font is kept from then on.
    style->Font()->SetHeight(-9);
    EXPECT_TRUE(style->AssignedValues().Contains(csvFont));
    font.SetHeight(-30);
    controller.Style()->SetFont(&font);
    EXPECT_EQ(style->Font()->Height(), -9);
    // Scaling touches assigned fonts only, and the font the state styles share with the base style once.
    controller.Styles()->Items(1)->SetAssignedValues({csvFont});
    controller.Styles()->Items(3)->SetAssignedValues({csvFont});
    controller.ChangeScale(3, 2);
    EXPECT_EQ(controller.Style()->Font()->Height(), -45);
    style->SetStyleController(nullptr);
}

TEST_F(ContainerStyleTest, AControllerGoingAwayLeavesItsListenersWithoutIt) {
    auto style = NewStyle();
    {
        TuiStyleController controller(nullptr);
        controller.Style()->SetColor(clAqua);
        style->SetStyleController(&controller);
        EXPECT_EQ(style->Color(), clAqua);
    }
    EXPECT_EQ(style->StyleController(), nullptr);
    EXPECT_EQ(style->Color(), clBtnFace);
}

TEST_F(ContainerStyleTest, StoredValuesAndTheFontAssignedQuirk) {
    auto style = NewStyle();
    EXPECT_FALSE(style->IsValueStored(csvColor));
    EXPECT_FALSE(style->WritesIsFontAssigned());
    style->SetColor(clRed);
    EXPECT_TRUE(style->IsValueStored(csvColor));
    EXPECT_TRUE(style->IsStyleControllerStored());
    // Whatever Boolean the stream holds, reading it marks the font assigned.
    style->ReadIsFontAssigned(false);
    EXPECT_TRUE(style->AssignedValues().Contains(csvFont));
    EXPECT_TRUE(style->WritesIsFontAssigned());
    TuiStyleController controller(nullptr);
    EXPECT_FALSE(controller.Styles()->Items(1)->IsStyleControllerStored());
    // Setting an assigned value to the value it has changes nothing.
    int changes = 0;
    style->OnChanged = TNotifyEvent([&](TObject*) { ++changes; }, this);
    style->SetColor(clRed);
    EXPECT_EQ(changes, 0);
    style->BeginUpdate();
    style->SetColor(clLime);
    style->SetBorderColor(clLime);
    EXPECT_EQ(changes, 0);
    style->EndUpdate();
    EXPECT_EQ(changes, 1);
}

TEST_F(ContainerStyleTest, ValueNamesResolveInAnyLetterCase) {
    struct Case {
        const char* name;
        int index;
    } const cases[] = {{"BorderColor", 0}, {"borderstyle", 1},       {"COLOR", 2},        {"Edges", 3},
                       {"font", 4},        {"HotTrack", 5},          {"shadow", 6},       {"textcolor", 7},
                       {"TextStyle", 8},   {"transparentborder", 9}, {"LookAndFeel", -1}, {"", -1}};
    for (const Case& c : cases)
        EXPECT_EQ(uiContainerStyleValueIndex(c.name), c.index) << c.name;
    auto style = NewStyle();
    EXPECT_EQ(style->StyleValueCount(), 10);
    std::string name;
    EXPECT_TRUE(style->StyleValueName(7, name));
    EXPECT_EQ(name, "TextColor");
    EXPECT_FALSE(style->StyleValueName(10, name));
    EXPECT_EQ(name, "");
    EXPECT_EQ(uiContainerStyleValuesToBits(style->UnpublishedValues()), 0x278u);
    EXPECT_FALSE(style->IsPublishedValueName("LookAndFeel"));
    EXPECT_FALSE(style->IsPublishedValueName("StyleController"));
    EXPECT_FALSE(style->IsPublishedValueName("Shadow"));
    EXPECT_TRUE(style->IsPublishedValueName("BorderColor"));
}

TEST_F(ContainerStyleTest, AssignCopiesTheStoredAndEffectiveValuesAndClearingForgetsThem) {
    TuiStyleController controller(nullptr);
    auto source = NewStyle();
    source->SetStyleController(&controller);
    source->SetBorderStyle(cbsThick);
    source->SetShadow(true);
    controller.Style()->SetTextColor(clMaroon);
    auto target = NewStyle();
    target->Assign(source.get());
    EXPECT_EQ(target->StyleController(), &controller);
    EXPECT_EQ(target->BorderStyle(), cbsThick);
    EXPECT_TRUE(target->Shadow());
    EXPECT_EQ(target->TextColor(), clMaroon);
    EXPECT_EQ(target->AssignedValues(), source->AssignedValues());
    target->ClearAssignedValues();
    EXPECT_TRUE(target->AssignedValues().empty());
    EXPECT_FALSE(target->Shadow());
    target->SetStyleController(nullptr);
    source->SetStyleController(nullptr);
}

// ---- The view info

class ContainerViewInfoTest : public PaintersTest {};

TEST_F(ContainerViewInfoTest, TheRingFillsFourStripsAndNothingForEmptyOrEqualRectangles) {
    struct Case {
        TRect outer, inner;
        int painted;
    } const cases[] = {
        {{2, 2, 12, 12}, {4, 4, 10, 10}, 100 - 36},
        {{2, 2, 12, 12}, {2, 2, 12, 12}, 0},
        {{2, 2, 2, 12}, {4, 4, 10, 10}, 0},
        {{2, 2, 12, 12}, {5, 5, 5, 5}, 100},
    };
    for (const Case& c : cases) {
        auto bitmap =
            Draw(16, 16, clWhite, [&](TuiCanvas* canvas) { uiFillRing(canvas, c.outer, c.inner, clRed); });
        int painted = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (ColorAt(*bitmap, x, y) == Rgb(clRed)) ++painted;
        EXPECT_EQ(painted, c.painted);
    }
}

TEST_F(ContainerViewInfoTest, TheFrameShadowAndBackgroundOfASingleBorder) {
    TuiContainerViewInfo viewInfo;
    viewInfo.Painter = Painter("UltraFlat");
    viewInfo.BorderStyle = cbsSingle;
    viewInfo.BorderWidth = 1;
    viewInfo.BorderColor = clRed;
    viewInfo.BackgroundColor = clYellow;
    viewInfo.Shadow = true;
    viewInfo.Bounds = TRect{0, 0, 40, 30};
    viewInfo.BorderRect = TRect{1, 1, 36, 26};
    auto bitmap = Draw(40, 30, clWhite, [&](TuiCanvas* canvas) { viewInfo.Paint(canvas); });
    EXPECT_EQ(ColorAt(*bitmap, 0, 10), Rgb(clRed));
    EXPECT_EQ(ColorAt(*bitmap, 36, 10), Rgb(clRed));
    EXPECT_EQ(ColorAt(*bitmap, 10, 26), Rgb(clRed));
    EXPECT_EQ(ColorAt(*bitmap, 10, 10), Rgb(clYellow));
    // The shadow bands: below from left + 3, right from top + 3, 3 pixels wide.
    EXPECT_EQ(ColorAt(*bitmap, 2, 28), Rgb(clWhite));
    EXPECT_EQ(ColorAt(*bitmap, 3, 28), Rgb(clBtnShadow));
    EXPECT_EQ(ColorAt(*bitmap, 39, 2), Rgb(clWhite));
    EXPECT_EQ(ColorAt(*bitmap, 39, 3), Rgb(clBtnShadow));
    EXPECT_EQ(ColorAt(*bitmap, 39, 29), Rgb(clBtnShadow));
    // Offsetting moves the three rectangles.
    viewInfo.ClientRect = viewInfo.BorderRect;
    viewInfo.Offset(5, 7);
    EXPECT_EQ(viewInfo.Bounds, (TRect{5, 7, 45, 37}));
    EXPECT_EQ(viewInfo.ClientRect, (TRect{6, 8, 41, 33}));
    EXPECT_TRUE(viewInfo.ContainerState.Contains(csNormal));
}

} // namespace
