// Drag and drop between controls, and hints shown for the control under the mouse.
#include "ControlTestSupport.h"

#include "platform/vcl/DragDrop.h"
#include "platform/vcl/HintWindow.h"

namespace control_test {
namespace {

TEST_F(ControlTest, AutomaticDragStartsPastTheThresholdAndDropsOnAnAcceptingTarget) {
    TForm* form = MakeForm(300, 200);
    auto* source = new TTestEdit(form);
    source->SetBounds(10, 10, 50, 20);
    source->SetParent(form);
    source->SetDragMode(dmAutomatic);
    auto* target = new TTestEdit(form);
    target->SetBounds(150, 100, 80, 40);
    target->SetParent(form);
    std::vector<std::string> events;
    TObject* droppedSource = nullptr;
    target->OnDragOver = TDragOverEvent(
        [&](TObject*, TObject* Source, int, int, TDragState State, bool& Accept) {
            if (State == dsDragEnter) events.push_back("enter");
            Accept = Source == source;
        },
        &events);
    target->OnDragDrop = TDragDropEvent(
        [&](TObject*, TObject* Source, int X, int Y) {
            droppedSource = Source;
            events.push_back("drop " + std::to_string(X) + "," + std::to_string(Y));
        },
        &events);
    TObject* endTarget = reinterpret_cast<TObject*>(1);
    source->OnEndDrag =
        TEndDragEvent([&](TObject*, TObject* Target, int, int) { endTarget = Target; }, &events);
    form->Show();
    Process();
    const POINT start = source->ClientToScreen(POINT{5, 5});
    const POINT small = source->ClientToScreen(POINT{7, 6});
    const POINT over = target->ClientToScreen(POINT{10, 12});
    olva::win::InjectMouse(olva::win::MouseAction::Move, start.x, start.y);
    olva::win::InjectMouse(olva::win::MouseAction::LeftDown, start.x, start.y);
    olva::win::InjectMouse(olva::win::MouseAction::Move, small.x, small.y);
    Process();
    EXPECT_TRUE(source->Dragging());
    EXPECT_TRUE(DragManager().Detecting()) << "a small move does not start the drag yet";
    olva::win::InjectMouse(olva::win::MouseAction::Move, over.x, over.y);
    olva::win::InjectMouse(olva::win::MouseAction::LeftUp, over.x, over.y);
    Process();
    EXPECT_FALSE(source->Dragging());
    const std::vector<std::string> expected{"enter", "drop 10,12"};
    EXPECT_EQ(events, expected);
    EXPECT_EQ(droppedSource, source);
    EXPECT_EQ(endTarget, target);
}

TEST_F(ControlTest, EscapeCancelsADragAndTheSourceHearsOfNoTarget) {
    TForm* form = MakeForm(300, 200);
    auto* source = new TTestEdit(form);
    source->SetBounds(10, 10, 50, 20);
    source->SetParent(form);
    bool dropped = false;
    auto* target = new TTestEdit(form);
    target->SetBounds(150, 100, 80, 40);
    target->SetParent(form);
    target->OnDragOver =
        TDragOverEvent([](TObject*, TObject*, int, int, TDragState, bool& Accept) { Accept = true; }, this);
    target->OnDragDrop = TDragDropEvent([&](TObject*, TObject*, int, int) { dropped = true; }, this);
    TObject* endTarget = reinterpret_cast<TObject*>(1);
    source->OnEndDrag = TEndDragEvent([&](TObject*, TObject* Target, int, int) { endTarget = Target; }, this);
    form->Show();
    Process();
    source->BeginDrag(true);
    const POINT over = target->ClientToScreen(POINT{10, 12});
    olva::win::InjectMouse(olva::win::MouseAction::Move, over.x, over.y);
    Press(VK_ESCAPE);
    Process();
    EXPECT_FALSE(source->Dragging());
    EXPECT_FALSE(dropped);
    EXPECT_EQ(endTarget, nullptr);
}

TEST_F(ControlTest, HintsShowAfterThePauseWithTheShortTextAndCanBeRefused) {
    TForm* form = MakeForm(300, 200);
    auto* control = new TTestEdit(form);
    control->SetBounds(10, 10, 80, 20);
    control->SetParent(form);
    control->SetHint("Volume|Sets the playback volume");
    control->SetShowHint(true);
    std::vector<std::string> longHints;
    Application()->OnHint = TNotifyEvent([&](TObject*) { longHints.push_back(Application()->Hint()); }, this);
    form->Show();
    Process();
    const POINT p = control->ClientToScreen(POINT{5, 5});
    olva::win::InjectMouse(olva::win::MouseAction::Move, p.x, p.y);
    Process();
    bool done = true;
    Application()->DoIdleWork(done);
    EXPECT_EQ(longHints, std::vector<std::string>{"Sets the playback volume"});
    Clock->Advance(Application()->HintPause() - 100);
    Process();
    THintWindow* hint = Application()->HintWindow();
    EXPECT_TRUE(hint == nullptr || !hint->HandleAllocated());
    Clock->Advance(200);
    Process();
    hint = Application()->HintWindow();
    ASSERT_NE(hint, nullptr);
    ASSERT_TRUE(hint->HandleAllocated());
    EXPECT_TRUE(::IsWindowVisible(hint->Handle()));
    EXPECT_EQ(hint->Caption(), "Volume");
    // It goes after the hide pause, and a key press takes it away at once.
    Clock->Advance(Application()->HintHidePause() + 10);
    Process();
    EXPECT_FALSE(hint->HandleAllocated());
    // A control that answers CM_HINTSHOW with non-zero shows no hint.
    const TControl::TWndMethod previous = control->WindowProc;
    control->WindowProc = TControl::TWndMethod(
        [&](TMessage& Message) {
            if (Message.Msg == CM_HINTSHOW) {
                Message.Result = 1;
                return;
            }
            previous(Message);
        },
        this);
    Application()->CancelHint();
    olva::win::InjectMouse(olva::win::MouseAction::Move, p.x + 1, p.y);
    Process();
    Clock->Advance(Application()->HintPause() + 10);
    Process();
    EXPECT_FALSE(hint->HandleAllocated());
    control->WindowProc = previous;
}

} // namespace
} // namespace control_test
