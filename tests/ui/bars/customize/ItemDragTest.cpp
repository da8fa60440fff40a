// Dragging links between customized menu windows with scripted mouse and keys: a move, a copy with Ctrl
// (and Ctrl let go during the drag), dropping off every bar removes the link, Escape changes nothing, and
// a drag along the link's own bar starts or ends a group only from 4 pixels on.
#include "../controls/BarWindowTestSupport.h"
#include "../dragdrop/ScriptedInput.h"

#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/customize/BarDragInfo.h"

#include "tests/support/TestWindowClass.h"
#include <functional>
#include <string>
#include <vector>

using namespace bars_test;
using olva::win::InjectKey;
using olva::win::InjectMouse;
using olva::win::MouseAction;

namespace {

// Runs a script from the drag's own loop: the loop has taken the start point by then.
struct TDragScript {
    static std::function<void()>& Script() {
        static std::function<void()> script;
        return script;
    }
    static LRESULT Proc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
        if (AMsg == WM_USER + 7 && Script()) {
            auto script = std::move(Script());
            Script() = nullptr;
            script();
        }
        return DefWindowProc(AWnd, AMsg, AWParam, ALParam);
    }
    static void Post(std::function<void()> AScript) {
        static HWND window = nullptr;
        EnsureTestWindowClass("ItemDragTestScript", &Proc);
        if (window == nullptr || !IsWindow(window))
            window = CreateWindowEx(0, "ItemDragTestScript", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                    nullptr, nullptr, nullptr);
        Script() = std::move(AScript);
        PostMessage(window, WM_USER + 7, 0, 0);
    }
};

class ItemDragTest : public BarWindowTest {
protected:
    void SetUp() override {
        BarWindowTest::SetUp();
        left = OpenMenu(100, 100, {"Cut", "Copy", "Paste"});
        right = OpenMenu(300, 100, {"One", "Two"});
        manager->SetIsCustomizing(true);
        olva::win::PumpMessages();
    }
    static std::vector<std::string> Captions(TCustomovBarControl* AMenu) {
        std::vector<std::string> captions;
        for (int i = 0; i < AMenu->ItemLinks()->Count(); ++i)
            captions.push_back(AMenu->ItemLinks()->Items(i)->Item()->Caption());
        return captions;
    }
    TPoint Centre(TCustomovBarControl* AMenu, int AIndex) const {
        const TRect r = AMenu->ItemLinks()->Items(AIndex)->Control()->GetBoundsRect();
        POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ClientToScreen(AMenu->Handle(), &p);
        return TPoint{p.x, p.y};
    }
    // Drags the link from its centre: once the drag runs, the script moves the mouse and releases it.
    void DragWith(TCustomovBarControl* AMenu, int AIndex, std::function<void()> AScript) {
        MoveTo(Centre(AMenu, AIndex));
        TDragScript::Post(std::move(AScript));
        TovBarItemLink* link = AMenu->ItemLinks()->Items(AIndex);
        manager->StartDrag(link->Item(), link);
        olva::win::PumpMessages();
    }
    // Along the points, then Escape when asked, then the release.
    void Drag(TCustomovBarControl* AMenu, int AIndex, const std::vector<TPoint>& APath,
              bool AEscape = false) {
        const TPoint end = APath.empty() ? Centre(AMenu, AIndex) : APath.back();
        DragWith(AMenu, AIndex, [=] {
            for (const TPoint& p : APath)
                InjectMouse(MouseAction::Move, p.x, p.y);
            if (AEscape) {
                InjectKey(VK_ESCAPE, true);
                InjectKey(VK_ESCAPE, false);
            }
            InjectMouse(MouseAction::LeftUp, end.x, end.y);
        });
    }

    static TPoint Offset(const TPoint& P, int DY) { return TPoint{P.x, P.y + DY}; }

    TWindowedMenu* left = nullptr;
    TWindowedMenu* right = nullptr;
};

TEST_F(ItemDragTest, ALinkDroppedAfterAnotherMovesThere) {
    const TPoint lowerTwo = Offset(Centre(right, 1), 4);
    Drag(left, 0, {Centre(right, 0), lowerTwo});
    EXPECT_EQ((std::vector<std::string>{"Copy", "Paste"}), Captions(left));
    EXPECT_EQ((std::vector<std::string>{"One", "Two", "Cut"}), Captions(right));
    EXPECT_EQ(nullptr, GetCapture()) << "the drag gives the capture back";
}

TEST_F(ItemDragTest, CtrlCopiesAndLettingGoOfCtrlMovesAgain) {
    InjectKey(VK_CONTROL, true);
    Drag(left, 1, {Offset(Centre(right, 0), -4)});
    InjectKey(VK_CONTROL, false);
    olva::win::PumpMessages();
    EXPECT_EQ((std::vector<std::string>{"Cut", "Copy", "Paste"}), Captions(left));
    EXPECT_EQ((std::vector<std::string>{"Copy", "One", "Two"}), Captions(right));

    const TPoint target = Offset(Centre(right, 2), 4);
    DragWith(left, 2, [=] {
        InjectKey(VK_CONTROL, true);
        InjectMouse(MouseAction::Move, target.x, target.y);
        InjectKey(VK_CONTROL, false);
        InjectMouse(MouseAction::LeftUp, target.x, target.y);
    });
    EXPECT_EQ((std::vector<std::string>{"Cut", "Copy"}), Captions(left)) << "Ctrl let go: a move";
    EXPECT_EQ((std::vector<std::string>{"Copy", "One", "Two", "Paste"}), Captions(right));
}

TEST_F(ItemDragTest, DroppedOffEveryBarTheLinkIsRemovedAndEscapeChangesNothing) {
    Drag(left, 1, {TPoint{600, 450}}, true);
    EXPECT_EQ((std::vector<std::string>{"Cut", "Copy", "Paste"}), Captions(left)) << "Escape";
    EXPECT_EQ((std::vector<std::string>{"One", "Two"}), Captions(right));

    left->ItemLinks()->Items(1)->SetBeginGroup(true);
    Drag(left, 1, {TPoint{600, 450}});
    EXPECT_EQ((std::vector<std::string>{"Cut", "Paste"}), Captions(left));
    EXPECT_TRUE(left->ItemLinks()->Items(1)->BeginGroup()) << "the group goes on with the next link";
}

TEST_F(ItemDragTest, DraggingAlongItsOwnBarStartsOrEndsAGroupFromFourPixels) {
    struct Case {
        int Dy;
        bool Before, After;
    };
    const Case cases[] = {{3, false, false}, {4, false, true}, {-3, true, true}, {-4, true, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Dy);
        TovBarItemLink* copy = left->ItemLinks()->Items(1);
        ASSERT_EQ(c.Before, copy->BeginGroup());
        Drag(left, 1, {Offset(Centre(left, 1), c.Dy)});
        ASSERT_EQ((std::vector<std::string>{"Cut", "Copy", "Paste"}), Captions(left)) << "nothing moves";
        EXPECT_EQ(c.After, left->ItemLinks()->Items(1)->BeginGroup());
    }
}

} // namespace

namespace {

// The line state as the cursor goes: the insertion mark shows where a move would land, hides over the
// link's own place and off every bar (where the state says the link would be removed).
TEST_F(ItemDragTest, TheInsertionMarkFollowsTheDropPosition) {
    MoveTo(Centre(left, 0));
    TovBarDragInfo drag(manager);
    drag.BeginDrag(left->ItemLinks()->Items(0)->Item(), left->ItemLinks()->Items(0));
    struct Step {
        TPoint Where;
        TovBarDraggingState State;
        bool Mark;
    };
    const Step steps[] = {
        {Offset(Centre(right, 1), 4), bdsMove, true},       {Offset(Centre(left, 0), 2), bdsSamePlace, false},
        {Offset(Centre(left, 1), -4), bdsSamePlace, false}, {TPoint{600, 450}, bdsNoDrop, false},
        {Offset(Centre(right, 0), -4), bdsMove, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.Where.y);
        drag.DragOver(step.Where);
        EXPECT_EQ(step.State, drag.State());
        EXPECT_EQ(step.Mark, drag.DragLineVisible());
    }
    EXPECT_EQ(right, drag.DragOverBar());
    EXPECT_EQ(right->ItemLinks()->Items(0), drag.DragOverLink());
    drag.EndDrag();
    EXPECT_FALSE(drag.DragLineVisible());
    EXPECT_EQ(bdsNone, drag.State());
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ((std::vector<std::string>{"Cut", "Copy", "Paste"}), Captions(left)) << "nothing dropped";
}

} // namespace

namespace {

// The real road: a press on a customized link waits, a move beyond the drag rectangle starts the drag,
// the release drops it.
TEST_F(ItemDragTest, APressOnACustomizedLinkDragsIt) {
    const TPoint start = Centre(left, 0);
    const TPoint target = Offset(Centre(right, 1), 4);
    MoveTo(start);
    dragdrop_test::TScriptedInput script;
    script.Run({[=] { InjectMouse(MouseAction::LeftDown, start.x, start.y); },
                [=] { InjectMouse(MouseAction::Move, target.x, target.y); },
                [=] { InjectMouse(MouseAction::Move, target.x, target.y + 1); },
                [=] { InjectMouse(MouseAction::LeftUp, target.x, target.y + 1); }});
    olva::win::PumpMessages();
    EXPECT_TRUE(script.Done());
    EXPECT_EQ((std::vector<std::string>{"Copy", "Paste"}), Captions(left));
    EXPECT_EQ((std::vector<std::string>{"One", "Two", "Cut"}), Captions(right));
}

} // namespace
