// Geometry of controls: alignment, anchors, constraints, coordinates; properties parents pass on.
#include "ControlTestSupport.h"

#include "platform/vcl/Font.h"
#include "platform/vcl/GraphicControl.h"

namespace control_test {
namespace {

struct AlignCase {
    TAlign Align;
    RECT Initial; // left, top, width, height as a rectangle of bounds
    RECT Expected;
};

TEST_F(ControlTest, EachAlignmentTakesItsEdgeOfTheFreeArea) {
    // Parent 200 x 100 without a window: the client area is the bounds.
    TTestPanel parent(nullptr);
    parent.SetBounds(0, 0, 200, 100);
    const AlignCase cases[] = {
        {alTop, {5, 5, 50, 20}, {0, 0, 200, 20}},      {alBottom, {5, 5, 50, 10}, {0, 90, 200, 100}},
        {alLeft, {5, 5, 30, 50}, {0, 20, 30, 90}},     {alRight, {5, 5, 40, 50}, {160, 20, 200, 90}},
        {alClient, {0, 0, 10, 10}, {30, 20, 160, 90}},
    };
    std::vector<std::unique_ptr<TGraphicControl>> children;
    for (const AlignCase& c : cases) {
        auto child = std::make_unique<TGraphicControl>(nullptr);
        child->SetBounds(c.Initial.left, c.Initial.top, c.Initial.right, c.Initial.bottom);
        child->SetParent(&parent);
        child->SetAlign(c.Align);
        children.push_back(std::move(child));
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
        SCOPED_TRACE(i);
        RECT r = children[i]->BoundsRect();
        EXPECT_EQ(r.left, cases[i].Expected.left);
        EXPECT_EQ(r.top, cases[i].Expected.top);
        EXPECT_EQ(r.right, cases[i].Expected.right);
        EXPECT_EQ(r.bottom, cases[i].Expected.bottom);
    }
    // Resizing the parent realigns every child.
    parent.SetBounds(0, 0, 300, 200);
    EXPECT_EQ(children[4]->BoundsRect().right, 260);
    EXPECT_EQ(children[4]->BoundsRect().bottom, 190);
    EXPECT_EQ(children[1]->Top(), 190);
    // A hidden child gives its room back.
    children[0]->SetVisible(false);
    EXPECT_EQ(children[2]->Top(), 0);
    for (auto& child : children)
        child->SetParent(nullptr);
}

TEST_F(ControlTest, WindowedChildrenAlignWithoutAnyWindowBeingMade) {
    TTestPanel parent(nullptr);
    parent.SetBounds(0, 0, 200, 100);
    auto* top = new TTestPanel(&parent);
    top->SetHeight(30);
    top->SetParent(&parent);
    top->SetAlign(alTop);
    auto* rest = new TTestPanel(&parent);
    rest->SetParent(&parent);
    rest->SetAlign(alClient);
    EXPECT_EQ(rest->ClientHeight(), 70);
    EXPECT_EQ(rest->ClientWidth(), 200);
    EXPECT_FALSE(parent.HandleAllocated());
    EXPECT_FALSE(rest->HandleAllocated());
}

TEST_F(ControlTest, ControlsOfOneAlignmentStackInTheirOrder) {
    TTestPanel parent(nullptr);
    parent.SetBounds(0, 0, 100, 100);
    TGraphicControl a(nullptr), b(nullptr);
    a.SetBounds(0, 50, 10, 10);
    b.SetBounds(0, 10, 10, 15);
    a.SetParent(&parent);
    b.SetParent(&parent);
    parent.DisableAlign();
    a.SetAlign(alTop);
    b.SetAlign(alTop);
    EXPECT_EQ(a.Top(), 50); // nothing moves while alignment is held back
    parent.EnableAlign();
    // b was above a, so it stays first.
    EXPECT_EQ(b.Top(), 0);
    EXPECT_EQ(a.Top(), 15);
    a.SetParent(nullptr);
    b.SetParent(nullptr);
}

TEST_F(ControlTest, AnchorsKeepDistancesToTheEdges) {
    TTestPanel parent(nullptr);
    parent.SetBounds(0, 0, 200, 100);
    TGraphicControl right(nullptr), stretch(nullptr), fixed(nullptr);
    right.SetBounds(150, 10, 40, 20);
    stretch.SetBounds(10, 40, 180, 50);
    fixed.SetBounds(10, 10, 20, 20);
    for (TControl* c : std::initializer_list<TControl*>{&right, &stretch, &fixed})
        c->SetParent(&parent);
    right.SetAnchors(TAnchors{akTop, akRight});
    stretch.SetAnchors(TAnchors{akLeft, akTop, akRight, akBottom});
    parent.SetBounds(0, 0, 300, 160);
    EXPECT_EQ(right.Left(), 250);
    EXPECT_EQ(right.Width(), 40);
    EXPECT_EQ(stretch.Width(), 280);
    EXPECT_EQ(stretch.Height(), 110);
    EXPECT_EQ(fixed.Left(), 10);
    parent.SetBounds(0, 0, 100, 100);
    EXPECT_EQ(right.Left(), 50);
    EXPECT_EQ(stretch.Width(), 80);
    for (TControl* c : std::initializer_list<TControl*>{&right, &stretch, &fixed})
        c->SetParent(nullptr);
}

TEST_F(ControlTest, ConstraintsLimitEverySizeChange) {
    struct Case {
        int Width, Height, ExpectedWidth, ExpectedHeight;
    };
    TGraphicControl control(nullptr);
    control.Constraints()->SetMinWidth(20);
    control.Constraints()->SetMaxWidth(100);
    control.Constraints()->SetMinHeight(10);
    control.Constraints()->SetMaxHeight(50);
    const Case cases[] = {{5, 5, 20, 10}, {50, 30, 50, 30}, {500, 500, 100, 50}, {-3, 60, 20, 50}};
    for (const Case& c : cases) {
        control.SetBounds(0, 0, c.Width, c.Height);
        EXPECT_EQ(control.Width(), c.ExpectedWidth);
        EXPECT_EQ(control.Height(), c.ExpectedHeight);
    }
    // Tightening a limit applies it at once.
    control.SetBounds(0, 0, 80, 40);
    control.Constraints()->SetMaxWidth(30);
    EXPECT_EQ(control.Width(), 30);
}

TEST_F(ControlTest, ChildrenFollowTheParentsFontAndColourUntilTheyHaveTheirOwn) {
    TTestPanel parent(nullptr);
    TGraphicControl child(nullptr);
    child.SetParent(&parent);
    parent.Font()->SetName("Courier New");
    parent.SetColor(clRed);
    EXPECT_EQ(child.Font()->Name(), "Courier New");
    EXPECT_EQ(child.Color(), clRed);
    EXPECT_TRUE(child.ParentFont());
    child.Font()->SetHeight(-20);
    EXPECT_FALSE(child.ParentFont());
    parent.Font()->SetName("Tahoma");
    EXPECT_EQ(child.Font()->Name(), "Courier New");
    child.SetColor(clBlue);
    parent.SetColor(clGreen);
    EXPECT_EQ(child.Color(), clBlue);
    child.SetParent(nullptr);
}

TEST_F(ControlTest, CoordinatesConvertThroughTheParentChain) {
    TForm* form = MakeForm(300, 200);
    auto* panel = new TTestPanel(form);
    panel->SetBounds(20, 30, 100, 100);
    panel->SetParent(form);
    auto* inner = new TGraphicControl(form);
    inner->SetBounds(5, 7, 10, 10);
    inner->SetParent(panel);
    form->Show();
    Process();
    const POINT origin = form->ClientOrigin();
    const POINT p = inner->ClientToScreen(POINT{1, 2});
    EXPECT_EQ(p.x, origin.x + 20 + 5 + 1);
    EXPECT_EQ(p.y, origin.y + 30 + 7 + 2);
    const POINT back = inner->ScreenToClient(p);
    EXPECT_EQ(back.x, 1);
    EXPECT_EQ(back.y, 2);
    const POINT inForm = inner->ClientToParent(POINT{0, 0}, form);
    EXPECT_EQ(inForm.x, 25);
    EXPECT_EQ(inForm.y, 37);
    TTestPanel stranger(nullptr);
    EXPECT_THROW(inner->ClientToParent(POINT{0, 0}, &stranger), EInvalidOperation);
    // A child control without a parent cannot have a window.
    TTestEdit orphan(nullptr);
    EXPECT_THROW(orphan.Handle(), EInvalidOperation);
}

TEST_F(ControlTest, WindowProcCanBeHookedAndRestored) {
    TGraphicControl control(nullptr);
    std::vector<UINT> seen;
    const TControl::TWndMethod previous = control.WindowProc;
    control.WindowProc = TControl::TWndMethod(
        [&](TMessage& Message) {
            seen.push_back(Message.Msg);
            if (Message.Msg == CM_HITTEST) {
                Message.Result = 42;
                return;
            }
            previous(Message);
        },
        &seen);
    EXPECT_EQ(control.Perform(CM_HITTEST, 0, 0), 42);
    control.SetText("abc");
    EXPECT_EQ(control.Perform(WM_GETTEXTLENGTH, 0, 0), 3);
    EXPECT_NE(std::find(seen.begin(), seen.end(), CM_TEXTCHANGED), seen.end());
    control.WindowProc = previous;
    EXPECT_EQ(control.Perform(CM_HITTEST, 0, 0), HTCLIENT);
}

TEST_F(ControlTest, MouseEnterAndLeaveFollowTheMouseAndReachParents) {
    TForm* form = MakeForm(200, 100);
    auto* panel = new TTestPanel(form);
    panel->SetBounds(10, 10, 80, 80);
    panel->SetParent(form);
    auto* label = new TGraphicControl(form);
    label->SetBounds(10, 10, 20, 20);
    label->SetParent(panel);
    std::vector<std::string> events;
    label->OnMouseEnter = TNotifyEvent([&](TObject*) { events.push_back("label enter"); }, &events);
    label->OnMouseLeave = TNotifyEvent([&](TObject*) { events.push_back("label leave"); }, &events);
    panel->OnMouseEnter = TNotifyEvent([&](TObject*) { events.push_back("panel enter"); }, &events);
    panel->OnMouseLeave = TNotifyEvent([&](TObject*) { events.push_back("panel leave"); }, &events);
    form->Show();
    Process();
    bool done = true;
    const POINT onLabel = label->ClientToScreen(POINT{5, 5});
    const POINT onPanel = panel->ClientToScreen(POINT{60, 60});
    olva::win::InjectMouse(olva::win::MouseAction::Move, onLabel.x, onLabel.y);
    Process();
    Application()->DoIdleWork(done);
    EXPECT_EQ(Application()->MouseControl(), label);
    olva::win::InjectMouse(olva::win::MouseAction::Move, onPanel.x, onPanel.y);
    Process();
    Application()->DoIdleWork(done);
    Application()->DoIdleWork(done);
    const std::vector<std::string> expected{"label enter", "label leave", "panel enter"};
    EXPECT_EQ(events, expected);
}

} // namespace
} // namespace control_test
