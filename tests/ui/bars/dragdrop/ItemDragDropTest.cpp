// Dragging commands across the bar scene's real toolbars and menus while customizing, with real mouse
// and key messages: the press that only starts a drag outside the system drag rectangle, a command from
// a list dropped where the insertion mark shows, a drop inside a sub-item's menu opened by hovering it,
// copies with Ctrl switched both ways, the same place, off every bar, Escape, a lost capture, an empty
// toolbar, a refused drop that leaves no lock behind, the mark drawn with inverted pixels, and the drop
// of a command on the Customize window's category list at design time.
#include "ScriptedInput.h"
#include "tests/ui/bars/scene/BarSceneTestSupport.h"

#include "platform/gdi/Surface.h"
#include "platform/vcl/ListBox.h"
#include "platform/vcl/PageControl.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Cursors.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/Screen.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarCursors.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarLabels.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/customize/BarDragInfo.h"
#include "ui/bars/customize/form/BarCustomizationForm.h"
#include "ui/core/base/CoreServices.h"

#include <memory>
#include <string>
#include <vector>

namespace {

using olva::win::InjectKey;
using olva::win::InjectMouse;
using olva::win::MouseAction;

class ItemDragDropTest : public scene_test::BarSceneTest {
protected:
    void SetUp() override {
        BarSceneTest::SetUp();
        BuildScene();
        manager->SetIsCustomizing(true);
        olva::win::PumpMessages();
        script = std::make_unique<dragdrop_test::TScriptedInput>();
    }
    void TearDown() override {
        script.reset();
        if (manager != nullptr) manager->SetIsCustomizing(false);
        BarSceneTest::TearDown();
    }
    static std::vector<std::string> Captions(TovBar* ABar) { return Captions(ABar->ItemLinks()); }
    static std::vector<std::string> Captions(TovBarItemLinks* ALinks) {
        std::vector<std::string> captions;
        for (int i = 0; i < ALinks->Count(); ++i)
            captions.push_back((ALinks->Items(i)->BeginGroup() ? "|" : "") +
                               ALinks->Items(i)->Item()->Caption());
        return captions;
    }
    // A point of the link's control in screen coordinates, at the fractions of its width and height.
    static TPoint At(TovBarItemLink* ALink, double AX = 0.5, double AY = 0.5) {
        auto* bar = dynamic_cast<TCustomovBarControl*>(ALink->LinksBarControl());
        const TRect r = bar->GetItemControlRect(ALink->Control());
        return TPoint{r.left + static_cast<int>((r.right - r.left) * AX),
                      r.top + static_cast<int>((r.bottom - r.top) * AY)};
    }
    static TPoint At(TovBar* ABar, int AIndex, double AX = 0.5, double AY = 0.5) {
        return At(ABar->ItemLinks()->Items(AIndex), AX, AY);
    }
    // The form's empty middle: no bar there.
    TPoint Nowhere() const {
        POINT p{300, 200};
        ::ClientToScreen(form->Handle(), &p);
        return p;
    }
    static TPoint Shift(const TPoint& P, int DX, int DY = 0) { return TPoint{P.x + DX, P.y + DY}; }
    static void Move(const TPoint& P) { InjectMouse(MouseAction::Move, P.x, P.y); }
    static void Release(const TPoint& P) { InjectMouse(MouseAction::LeftUp, P.x, P.y); }
    static TovBarDragInfo* Drag() { return TovBarDragInfo::Running(); }
    static HCURSOR CursorOf(TCursor ACursor) { return Screen()->Cursors(ACursor); }
    // Presses on the link (the drag waits for the mouse to move), then runs the steps.
    void PressAndRun(const TPoint& AStart, std::vector<std::function<void()>> ASteps) {
        MoveTo(AStart);
        ASteps.insert(ASteps.begin(), [=] { InjectMouse(MouseAction::LeftDown, AStart.x, AStart.y); });
        script->Run(std::move(ASteps));
        olva::win::PumpMessages();
        EXPECT_TRUE(script->Done()) << "every step ran";
    }
    // Drags the item (from a list when ALink is null) from the cursor's place through the steps.
    void DragAndRun(TovBarItem* AItem, TovBarItemLink* ALink, std::vector<std::function<void()>> ASteps) {
        script->Run(std::move(ASteps));
        manager->StartDrag(AItem, ALink);
        olva::win::PumpMessages();
        EXPECT_TRUE(script->Done()) << "every step ran";
    }
    void MoveTo(const TPoint& P) {
        Move(P);
        olva::win::PumpMessages();
    }

    std::unique_ptr<dragdrop_test::TScriptedInput> script;
};

// The press waits: within the drag rectangle (4 x 4, centred, the right and bottom edges outside) the
// bar keeps the capture and no drag runs; beyond it the drag's own loop takes the capture.
TEST_F(ItemDragDropTest, TheDragStartsOnlyWhenTheMouseLeavesTheSystemDragRectangle) {
    struct Case {
        int DX, DY;
        bool Starts;
    };
    const Case cases[] = {{1, 0, false}, {-2, 0, false}, {0, 1, false}, {0, -2, false},
                          {2, 0, true},  {-3, 0, true},  {0, 2, true},  {0, -3, true}};
    const std::vector<std::string> before = Captions(standard);
    TovBarControl* bar = Window(standard);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.DX) + "," + std::to_string(c.DY));
        const TPoint start = At(standard, 4);
        bool running = false, pending = false;
        HWND capture = nullptr;
        PressAndRun(start, {[&] { Move(Shift(start, c.DX, c.DY)); },
                            [&] {
                                running = Drag() != nullptr;
                                pending = bar->DragPending();
                                capture = ::GetCapture();
                                Release(Shift(start, c.DX, c.DY));
                            }});
        EXPECT_EQ(c.Starts, running);
        EXPECT_EQ(!c.Starts, pending);
        EXPECT_EQ(c.Starts ? BarCustomizingForm()->Handle() : bar->Handle(), capture);
        EXPECT_FALSE(bar->DragPending()) << "the release forgets the press";
        EXPECT_EQ(nullptr, ::GetCapture());
        EXPECT_EQ(before, Captions(standard)) << "nothing moves";
    }
}

// Along its own bar a link is at the same place: 3 pixels beyond where the drag started change nothing,
// 4 to the right begin a group and 4 to the left end it.
TEST_F(ItemDragDropTest, PixelsAlongItsOwnBarBeginOrEndAGroupFromFour) {
    struct Case {
        int Index, DX;
        bool Group;
    };
    // "Copy" begins no group, "Cut" does.
    const Case cases[] = {{4, 3, false}, {4, 4, true}, {3, -3, true}, {3, -4, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.DX);
        TovBarItemLink* link = standard->ItemLinks()->Items(c.Index);
        const TPoint start = At(link), started = Shift(start, c.DX > 0 ? 2 : -3);
        TovBarDraggingState state = bdsNone;
        PressAndRun(start, {[&] { Move(started); }, [&] { Move(Shift(started, c.DX)); },
                            [&] {
                                state = Drag() != nullptr ? Drag()->State() : bdsNone;
                                Release(Shift(started, c.DX));
                            }});
        EXPECT_EQ(bdsSamePlace, state);
        EXPECT_EQ(c.Group, link->BeginGroup());
        EXPECT_EQ((std::vector<std::string>{"New", "Open", "Save", c.Index == 3 && !c.Group ? "Cut" : "|Cut",
                                            c.Index == 4 && c.Group ? "|Copy" : "Copy", "Paste"}),
                  Captions(standard));
        link->SetBeginGroup(c.Index == 3);
    }
}

// A command dragged from a list (no link) is always a copy: the mark shows after "Save", the copy
// cursor is up, and the release puts a link of the command there. The picture of the toolbar with the
// mark goes to build/test-output/bars/insertion-mark.png.
TEST_F(ItemDragDropTest, ACommandFromAListDropsWhereTheMarkShows) {
    TovBarButton* normalize = Command("Normalize");
    MoveTo(Nowhere());
    TovBarDraggingState state = bdsNone;
    bool mark = false;
    TCustomovBarControl* markBar = nullptr;
    HCURSOR cursor = nullptr;
    DragAndRun(normalize, nullptr,
               {[&] { Move(At(standard, 2, 0.8)); },
                [&] {
                    state = Drag()->State();
                    mark = Drag()->DragLineVisible();
                    markBar = Drag()->DragLineBar();
                    cursor = ::GetCursor();
                    SaveScreenPart(ScreenRect(standard), "insertion-mark.png");
                    Release(At(standard, 2, 0.8));
                }});
    EXPECT_EQ(bdsCopy, state);
    EXPECT_TRUE(mark);
    EXPECT_EQ(Window(standard), markBar);
    EXPECT_EQ(CursorOf(crovBarDragCopyCursor), cursor);
    EXPECT_EQ((std::vector<std::string>{"New", "Open", "Save", "Normalize", "|Cut", "Copy", "Paste"}),
              Captions(standard));
    EXPECT_NE(nullptr, standard->ItemLinks()->Items(3)->Control());
    EXPECT_EQ(::GetCursor(), CursorOf(crDefault)) << "the cursor comes back";
}

// The mark is drawn with inverted pixels on the bar's window: every pixel it changes is the inverse of
// what was there, and drawing it again (hiding it) gives the bar back pixel for pixel.
TEST_F(ItemDragDropTest, TheMarkInvertsPixelsAndHidingItRestoresThem) {
    const TRect r = ScreenRect(format);
    auto pixels = [&] {
        std::vector<std::uint32_t> all;
        std::shared_ptr<TSurface> screen = olva::win::ComposeScreen();
        const RECT origin = olva::win::VirtualScreen();
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                all.push_back(screen->Pixel(x - origin.left, y - origin.top) & 0xFFFFFF);
        return all;
    };
    const std::vector<std::uint32_t> plain = pixels();
    std::vector<std::uint32_t> marked, after;
    MoveTo(At(standard, 1));
    DragAndRun(standard->ItemLinks()->Items(1)->Item(), standard->ItemLinks()->Items(1),
               {[&] { Move(At(format, 1, 0.3)); },
                [&] {
                    marked = pixels();
                    Move(Nowhere());
                },
                [&] {
                    after = pixels();
                    InjectKey(VK_ESCAPE, true);
                    InjectKey(VK_ESCAPE, false);
                }});
    ASSERT_EQ(plain.size(), marked.size());
    int changed = 0, inverted = 0;
    for (size_t i = 0; i < plain.size(); ++i)
        if (plain[i] != marked[i]) {
            ++changed;
            if (marked[i] == (~plain[i] & 0xFFFFFF)) ++inverted;
        }
    EXPECT_GT(changed, 20) << "the six lines show";
    EXPECT_EQ(changed, inverted);
    EXPECT_EQ(plain, after) << "hidden again, the bar is as it was";
}

// Hovering "Effects" on the main menu opens its menu; the link then drops inside it, after "Reverse".
TEST_F(ItemDragDropTest, HoveringASubItemOpensItsMenuAndTheDropLandsInside) {
    TovBarSubMenuControl* menu = nullptr;
    TovBarDraggingState state = bdsNone;
    bool markInMenu = false;
    TovBarItemLink* open = standard->ItemLinks()->Items(1);
    MoveTo(At(open));
    DragAndRun(open->Item(), open,
               {[&] { Move(At(mainMenu, 2)); },
                [&] {
                    menu = dynamic_cast<TovBarSubMenuControl*>(effects->ItemLinks()->BarControl());
                    ASSERT_TRUE(menu != nullptr && menu->Handle() != nullptr &&
                                ::IsWindowVisible(menu->Handle()));
                    Move(At(effects->ItemLinks()->Items(2), 0.5, 0.8));
                },
                [&] {
                    state = Drag()->State();
                    markInMenu = Drag()->DragLineVisible() && Drag()->DragLineBar() == menu;
                    Release(At(effects->ItemLinks()->Items(2), 0.5, 0.8));
                }});
    EXPECT_NE(nullptr, menu) << "the menu opened under the drag";
    EXPECT_EQ(bdsMove, state);
    EXPECT_TRUE(markInMenu);
    EXPECT_EQ((std::vector<std::string>{"&Normalize...", "&Fade", "|&Reverse", "Open", "&Echo..."}),
              Captions(effects->ItemLinks()));
    EXPECT_EQ((std::vector<std::string>{"New", "Save", "|Cut", "Copy", "Paste"}), Captions(standard));
}

// A sub-item's own menu stays shut under a drag of that sub-item: its links would refuse it.
TEST_F(ItemDragDropTest, ASubItemsMenuDoesNotOpenUnderItsOwnDrag) {
    IovBarControl* menu = nullptr;
    MoveTo(Nowhere());
    DragAndRun(effects, nullptr,
               {[&] { Move(At(mainMenu, 2)); },
                [&] {
                    menu = effects->ItemLinks()->BarControl();
                    InjectKey(VK_ESCAPE, true);
                    InjectKey(VK_ESCAPE, false);
                }});
    EXPECT_TRUE(menu == nullptr || !menu->IsVisible());
}

// Ctrl switches a move to a copy and back during the drag, with the cursor; the state at the release
// decides.
TEST_F(ItemDragDropTest, CtrlSwitchesBetweenCopyAndMoveBothWays) {
    std::vector<TovBarDraggingState> states;
    std::vector<HCURSOR> cursors;
    auto record = [&] {
        states.push_back(Drag()->State());
        cursors.push_back(::GetCursor());
    };
    TovBarItemLink* open = standard->ItemLinks()->Items(1);
    const TPoint target = At(format, 0, 0.8);
    MoveTo(At(open));
    DragAndRun(open->Item(), open,
               {[&] { Move(target); }, [&] { record(), InjectKey(VK_CONTROL, true); },
                [&] { record(), InjectKey(VK_CONTROL, false); },
                [&] { record(), InjectKey(VK_CONTROL, true); },
                [&] {
                    record();
                    Release(target);
                },
                [&] { InjectKey(VK_CONTROL, false); }});
    EXPECT_EQ((std::vector<TovBarDraggingState>{bdsMove, bdsCopy, bdsMove, bdsCopy}), states);
    EXPECT_EQ((std::vector<HCURSOR>{CursorOf(crovBarDragCursor), CursorOf(crovBarDragCopyCursor),
                                    CursorOf(crovBarDragCursor), CursorOf(crovBarDragCopyCursor)}),
              cursors);
    EXPECT_EQ((std::vector<std::string>{"New", "Open", "Save", "|Cut", "Copy", "Paste"}), Captions(standard));
    EXPECT_EQ((std::vector<std::string>{"Mono", "Open", "Stereo", "|8 bit", "16 bit"}), Captions(format));
}

// Right after itself or just before the next link a link is at its own place: no mark, nothing moves;
// only more than 3 pixels to the right make it begin a group.
TEST_F(ItemDragDropTest, TheSamePlaceShowsNoMarkAndMovesNothing) {
    struct Case {
        int Over;
        double X;
        bool Group;
    };
    // "Open" (1): 3 pixels right of where it was taken, the right half of "New" before it, the left half
    // of "Save" after it (more than 3 pixels from the start: a group would begin, were it not the same
    // place for the neighbours).
    const Case cases[] = {{1, -1, false}, {0, 0.8, false}, {2, 0.2, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Over);
        TovBarItemLink* open = standard->ItemLinks()->Items(1);
        TovBarDraggingState state = bdsNone;
        bool mark = true;
        MoveTo(At(open));
        const TPoint where = c.X < 0 ? Shift(At(open), 3) : At(standard, c.Over, c.X);
        DragAndRun(open->Item(), open,
                   {[&] { Move(where); },
                    [&] {
                        state = Drag()->State();
                        mark = Drag()->DragLineVisible();
                        Release(where);
                    }});
        EXPECT_EQ(bdsSamePlace, state);
        EXPECT_FALSE(mark);
        EXPECT_EQ(
            (std::vector<std::string>{"New", c.Group ? "|Open" : "Open", "Save", "|Cut", "Copy", "Paste"}),
            Captions(standard));
        open->SetBeginGroup(false);
    }
}

// Off every bar the no-drop cursor shows and the release removes the link; its group goes on with the
// next link.
TEST_F(ItemDragDropTest, OffEveryBarTheLinkGoesWithTheNoDropCursor) {
    TovBarItemLink* cut = standard->ItemLinks()->Items(3);
    TovBarDraggingState state = bdsNone;
    HCURSOR cursor = nullptr;
    MoveTo(At(cut));
    DragAndRun(cut->Item(), cut,
               {[&] { Move(Nowhere()); },
                [&] {
                    state = Drag()->State();
                    cursor = ::GetCursor();
                    Release(Nowhere());
                }});
    EXPECT_EQ(bdsNoDrop, state);
    EXPECT_EQ(CursorOf(crovBarDragNoDropCursor), cursor);
    EXPECT_EQ((std::vector<std::string>{"New", "Open", "Save", "|Copy", "Paste"}), Captions(standard));
}

// Escape ends the drag over another bar with nothing changed; so does a capture taken away, after which
// the release finds no drag.
TEST_F(ItemDragDropTest, EscapeOrALostCaptureChangesNothing) {
    const std::vector<std::string> standardBefore = Captions(standard), formatBefore = Captions(format);
    for (bool escape : {true, false}) {
        SCOPED_TRACE(escape ? "Escape" : "lost capture");
        TovBarItemLink* open = standard->ItemLinks()->Items(1);
        MoveTo(At(open));
        DragAndRun(open->Item(), open,
                   {[&] { Move(At(format, 1, 0.8)); },
                    [&] {
                        if (escape) {
                            InjectKey(VK_ESCAPE, true);
                            InjectKey(VK_ESCAPE, false);
                        } else {
                            ::ReleaseCapture();
                        }
                    }});
        EXPECT_EQ(nullptr, Drag());
        Release(At(format, 1, 0.8));
        olva::win::PumpMessages();
        EXPECT_EQ(standardBefore, Captions(standard));
        EXPECT_EQ(formatBefore, Captions(format));
        EXPECT_EQ(nullptr, ::GetCapture());
        EXPECT_EQ(::GetCursor(), CursorOf(crDefault));
    }
}

// An empty floating toolbar takes the link as its only one, the mark at its start.
TEST_F(ItemDragDropTest, AnEmptyToolbarTakesTheOnlyLink) {
    palette->ItemLinks()->Clear();
    olva::win::PumpMessages();
    ASSERT_NE(nullptr, Window(palette));
    const TRect r = ScreenRect(palette);
    const TPoint inside{(r.left + r.right) / 2, r.bottom - 6};
    bool mark = false;
    TovBarDraggingState state = bdsNone;
    TovBarItemLink* save = standard->ItemLinks()->Items(2);
    MoveTo(At(save));
    DragAndRun(save->Item(), save,
               {[&] { Move(inside); },
                [&] {
                    state = Drag()->State();
                    mark = Drag()->DragLineVisible();
                    Release(inside);
                }});
    EXPECT_EQ(bdsMove, state);
    EXPECT_TRUE(mark);
    EXPECT_EQ((std::vector<std::string>{"Save"}), Captions(palette));
    EXPECT_EQ((std::vector<std::string>{"New", "Open", "|Cut", "Copy", "Paste"}), Captions(standard));
}

// A separator refused by a toolbar: the refusal reaches the caller, and the manager, the list and the
// designer notifications are all unlocked again, with no link left behind.
TEST_F(ItemDragDropTest, ARefusedDropLeavesNoLockBehind) {
    auto* separator = new TovBarSeparator(form);
    separator->SetCaption("Line");
    MoveTo(Nowhere());
    script->Run({[&] { Move(At(standard, 2, 0.8)); }, [&] { Release(At(standard, 2, 0.8)); }});
    EXPECT_THROW(manager->StartDrag(separator, nullptr), EovException);
    olva::win::PumpMessages();
    EXPECT_FALSE(manager->IsUpdateLocked());
    EXPECT_EQ(0, standard->ItemLinks()->UpdateCount());
    EXPECT_EQ((std::vector<std::string>{"New", "Open", "Save", "|Cut", "Copy", "Paste"}), Captions(standard));
    EXPECT_EQ(nullptr, Drag());
    EXPECT_EQ(nullptr, ::GetCapture());
    // Notifications reach the designer at once again.
    manager->LockDesignerModified(true);
    manager->LockDesignerModified(false);
    manager->DesignerModified();
    EXPECT_TRUE(manager->Modified());
    // And the bars still take a drop.
    TovBarButton* normalize = Command("Normalize");
    DragAndRun(normalize, nullptr,
               {[&] { Move(At(standard, 2, 0.8)); }, [&] { Release(At(standard, 2, 0.8)); }});
    EXPECT_EQ("Normalize", standard->ItemLinks()->Items(3)->Item()->Caption());
}

} // namespace

namespace {

// At design time a command dragged from the Customize window's list over its category list selects
// the category under the cursor (an empty part of the list shows the command's own again, refusing the
// drop); the release moves the command to the selected category. Escape moves nothing, and the list
// shows the command's category again.
TEST_F(ItemDragDropTest, ACommandDroppedOnTheCategoryListChangesItsCategory) {
    manager->Categories()->Add("Edit");
    manager->Categories()->Add("Effects");
    manager->SetDesigning(true, false);
    ShowBarCustomizingForm(manager, true);
    olva::win::PumpMessages();
    TovBarCustomCustomizationForm* customize = BarCustomizingForm();
    ASSERT_NE(nullptr, customize);
    TListBox* list = customize->GetCategoriesListBox();
    ASSERT_NE(nullptr, list);
    // The Commands page in front, as the window shows it when a command is dragged from its list.
    if (auto* page = dynamic_cast<TTabSheet*>(list->Parent())) page->PageControl()->SetActivePage(page);
    olva::win::PumpMessages();
    ASSERT_TRUE(list->HandleAllocated() && ::IsWindowVisible(list->Handle()));
    // At design time the list holds every category in order.
    list->Items()->Clear();
    for (int i = 0; i < manager->Categories()->Count(); ++i)
        list->Items()->Add((*manager->Categories())[i]);
    list->SetItemIndex(0);
    olva::win::PumpMessages();
    auto entry = [&](int AIndex) {
        const RECT r = list->ItemRect(AIndex);
        POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        ::ClientToScreen(list->Handle(), &p);
        return TPoint{p.x, p.y};
    };
    RECT client{};
    ::GetClientRect(list->Handle(), &client);
    POINT empty{client.right / 2, client.bottom - 3};
    ::ClientToScreen(list->Handle(), &empty);
    TovBarButton* command = Command("Normalize");
    command->SetCategory(0);
    ASSERT_EQ(2, manager->Categories()->IndexOf("Effects"));

    std::vector<TovBarDraggingState> states;
    std::vector<int> selections;
    auto record = [&] {
        states.push_back(Drag()->State());
        selections.push_back(list->ItemIndex());
    };
    MoveTo(entry(0));
    DragAndRun(command, nullptr,
               {[&] { Move(entry(2)); },
                [&] {
                    record(), Move(TPoint{empty.x, empty.y});
                },
                [&] { record(), Move(entry(1)); },
                [&] {
                    record();
                    InjectKey(VK_ESCAPE, true);
                    InjectKey(VK_ESCAPE, false);
                }});
    EXPECT_EQ((std::vector<TovBarDraggingState>{bdsCategory, bdsNoDrop, bdsCategory}), states);
    EXPECT_EQ((std::vector<int>{2, 0, 1}), selections);
    EXPECT_EQ(0, command->Category()) << "Escape";
    EXPECT_EQ(0, list->ItemIndex());

    DragAndRun(command, nullptr, {[&] { Move(entry(2)); }, [&] { Release(entry(2)); }});
    EXPECT_EQ(2, command->Category());
    EXPECT_EQ(nullptr, ::GetCapture());

    customize->Close();
    olva::win::PumpMessages();
    manager->SetDesigning(false, false);
    olva::win::PumpMessages();
}

// While customizing, a link of an open drop-down menu is pressed and dragged like a toolbar's: out to a
// toolbar (moved, or copied with Ctrl) or back into the same menu at another place.
class MenuDragTest : public ItemDragDropTest {
protected:
    // Opens the Effects menu while customizing: a first click selects its title, a second opens it.
    TovBarSubMenuControl* OpenEffects() {
        const TPoint title = At(mainMenu, 2);
        MoveTo(title);
        for (int i = 0; i < 2; ++i) {
            InjectMouse(MouseAction::LeftDown, title.x, title.y);
            InjectMouse(MouseAction::LeftUp, title.x, title.y);
            olva::win::PumpMessages();
        }
        auto* menu = dynamic_cast<TovBarSubMenuControl*>(effects->ItemLinks()->BarControl());
        return menu != nullptr && menu->Handle() != nullptr && ::IsWindowVisible(menu->Handle()) ? menu
                                                                                                 : nullptr;
    }
};

TEST_F(MenuDragTest, ALinkOfAnOpenMenuMovesOutCopiesWithCtrlAndDropsBackInside) {
    const std::vector<std::string> effectsBefore = Captions(effects->ItemLinks());
    ASSERT_EQ((std::vector<std::string>{"&Normalize...", "&Fade", "|&Reverse", "&Echo..."}), effectsBefore);

    struct TCase {
        const char* Name;
        bool Ctrl;
        bool Back;
        std::vector<std::string> Effects;
        std::vector<std::string> Format;
    };
    const std::vector<std::string> formatBefore = Captions(format);
    const TCase cases[] = {
        {"move",
         false,
         false,
         {"&Normalize...", "|&Reverse", "&Echo..."},
         {"Mono", "&Fade", "Stereo", "|8 bit", "16 bit"}},
        {"copy",
         true,
         false,
         {"&Normalize...", "&Fade", "|&Reverse", "&Echo..."},
         {"Mono", "&Fade", "Stereo", "|8 bit", "16 bit"}},
        {"back", false, true, {"&Normalize...", "|&Reverse", "&Echo...", "&Fade"}, formatBefore},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TovBarSubMenuControl* menu = OpenEffects();
        ASSERT_NE(menu, nullptr) << "a click on the selected title opens the menu while customizing";
        TovBarItemLink* fadeLink = effects->ItemLinks()->Items(1);
        const TPoint start = At(fadeLink);
        const TPoint target = c.Back ? At(effects->ItemLinks()->Items(3), 0.5, 0.8) : At(format, 0, 0.8);
        TovBarDraggingState state = bdsNone;
        PressAndRun(start, {[&] {
                                EXPECT_TRUE(menu->DragPending()) << "the press waits for the mouse";
                                if (c.Ctrl) InjectKey(VK_CONTROL, true);
                                Move(Shift(start, 0, 6));
                            },
                            [&] {
                                ASSERT_NE(Drag(), nullptr) << "the drag runs";
                                Move(target);
                            },
                            [&] {
                                state = Drag()->State();
                                Release(target);
                            },
                            [&] {
                                if (c.Ctrl) InjectKey(VK_CONTROL, false);
                            }});
        EXPECT_EQ(state, c.Ctrl ? bdsCopy : bdsMove);
        EXPECT_EQ(Captions(effects->ItemLinks()), c.Effects);
        EXPECT_EQ(Captions(format), c.Format);
        EXPECT_EQ(nullptr, ::GetCapture());
        // Back to the scene as it was for the next case.
        manager->SetIsCustomizing(false);
        TearDown();
        SetUp();
    }
}

TEST_F(MenuDragTest, APressOnAMenuLinkWithoutMovingSelectsItAndRunsNothing) {
    TovBarSubMenuControl* menu = OpenEffects();
    ASSERT_NE(menu, nullptr);
    TovBarItemLink* fadeLink = effects->ItemLinks()->Items(1);
    const TPoint start = At(fadeLink);
    MoveTo(start);
    InjectMouse(MouseAction::LeftDown, start.x, start.y);
    InjectMouse(MouseAction::LeftUp, start.x, start.y);
    olva::win::PumpMessages();
    EXPECT_FALSE(menu->DragPending());
    EXPECT_EQ(manager->SelectedItem(), fadeLink->Control()) << "the link is the selected one";
    EXPECT_TRUE(::IsWindowVisible(menu->Handle())) << "the menu stays open";
    EXPECT_EQ(Captions(effects->ItemLinks()),
              (std::vector<std::string>{"&Normalize...", "&Fade", "|&Reverse", "&Echo..."}));
}

} // namespace
