// The sub-menu editor on the headless screen, with the manager in the designing state: the links' menu
// hangs below the caption and the editor takes its width; a second sub-item retargets the one editor;
// freeing the edited sub-item, the close box and the Customize window's end take it away; the menu moves
// with the editor; a dragged item the links refuse keeps the menu shut; the editor stays in the work area.
#include "tests/ui/bars/menus/MenusTestSupport.h"

#include "platform/vcl/Form.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Input.h"
#include "platform/win/Screen.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/customize/dialogs/BarSubMenuEditor.h"
#include "ui/bars/customize/form/BarCustomizationForm.h"

#include <functional>
#include <string>

namespace {

// Input a modal loop of the window system (moving a window, pressing a caption button) must find
// routed to its capture: injected only once the loop is about to run, from a hook that sees the message
// that starts it (sent: the window-procedure hook; retrieved: the get-message hook).
struct TLoopScript {
    HWND Wnd = nullptr;
    UINT Message = 0;
    std::function<void()> Script;
    HHOOK Hook = nullptr;
};
TLoopScript LoopScript;

void RunLoopScript(HWND AWnd, UINT AMessage) {
    if (LoopScript.Script && AWnd == LoopScript.Wnd && AMessage == LoopScript.Message) {
        std::function<void()> script = std::move(LoopScript.Script);
        LoopScript.Script = nullptr;
        script();
    }
}

LRESULT SentHook(int ACode, WPARAM AWParam, LPARAM ALParam) {
    if (ACode >= 0) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(ALParam);
        RunLoopScript(sent->hwnd, sent->message);
    }
    return CallNextHookEx(LoopScript.Hook, ACode, AWParam, ALParam);
}

LRESULT RetrievedHook(int ACode, WPARAM AWParam, LPARAM ALParam) {
    if (ACode >= 0 && AWParam == PM_REMOVE) {
        const auto* msg = reinterpret_cast<const MSG*>(ALParam);
        RunLoopScript(msg->hwnd, msg->message);
    }
    return CallNextHookEx(LoopScript.Hook, ACode, AWParam, ALParam);
}

void WhenMessage(int AHookKind, HWND AWnd, UINT AMessage, std::function<void()> AScript) {
    LoopScript.Wnd = AWnd;
    LoopScript.Message = AMessage;
    LoopScript.Script = std::move(AScript);
    LoopScript.Hook =
        SetWindowsHookEx(AHookKind, AHookKind == WH_CALLWNDPROC ? &SentHook : &RetrievedHook, nullptr, 0);
}

void EndLoopScript() {
    if (LoopScript.Hook != nullptr) UnhookWindowsHookEx(LoopScript.Hook);
    LoopScript = TLoopScript{};
}

class SubMenuEditorTest : public menus_test::MenusTest {
protected:
    void SetUp() override {
        MenusTest::SetUp();
        manager->SetDesigning(true);
        file = SubMenu("File");
        for (const char* caption : {"New", "Open...", "Save"})
            file->ItemLinks()->AddItem(Command(caption));
        edit = SubMenu("Edit");
        for (const char* caption : {"Undo", "Cut", "Copy", "Paste"})
            edit->ItemLinks()->AddItem(Command(caption));
    }
    void TearDown() override {
        EndLoopScript();
        ovFreeSubMenuEditor();
        olva::win::PumpMessages();
        manager->SetDraggingItem(nullptr);
        manager->SetIsCustomizing(false);
        manager->SetDesigning(false);
        olva::win::ResetSystemOverrides();
        MenusTest::TearDown();
    }

    static TovBarSubMenuControl* MenuOf(TovBarSubItem* AItem) {
        return dynamic_cast<TovBarSubMenuControl*>(AItem->ItemLinks()->BarControl());
    }
    static bool IsOpen(TovBarSubItem* AItem) {
        TovBarSubMenuControl* menu = MenuOf(AItem);
        return menu != nullptr && menu->IsVisible() && menu->Handle() != nullptr &&
               ::IsWindowVisible(menu->Handle());
    }
    static TRect EditorBounds() {
        RECT r{};
        if (ActiveSubMenuEditor() != nullptr) ::GetWindowRect(ActiveSubMenuEditor()->Handle(), &r);
        return r;
    }
    // Editor windows on the screen, released ones that still exist included.
    static int EditorForms() {
        int count = 0;
        for (int i = 0; i < Screen()->FormCount(); ++i)
            if (dynamic_cast<TovBarSubMenuEditor*>(Screen()->Forms(i)) != nullptr) ++count;
        return count;
    }
    // A point of the editor's caption away from its buttons, and the point of its close box.
    static TPoint CaptionPoint() {
        const TRect r = EditorBounds();
        return TPoint{r.left + 12, r.top + 10};
    }
    static TPoint CloseBoxPoint() {
        const TRect r = EditorBounds();
        HWND wnd = ActiveSubMenuEditor()->Handle();
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.right - 1; x > r.left; --x)
                if (::SendMessage(wnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE)
                    return TPoint{x - 4, y + 4};
        ADD_FAILURE() << "the editor shows no close box";
        return TPoint{-1, -1};
    }
    void ExpectMenuBelowEditor(TovBarSubItem* AItem) {
        ASSERT_TRUE(IsOpen(AItem));
        const TRect editor = EditorBounds();
        const TRect menu = WindowBounds(MenuOf(AItem));
        EXPECT_EQ(menu.left, editor.left);
        EXPECT_EQ(menu.top, editor.bottom);
        EXPECT_EQ(menu.right - menu.left, editor.right - editor.left) << "the editor is as wide as the menu";
    }

    TovBarSubItem* file = nullptr;
    TovBarSubItem* edit = nullptr;
};

TEST_F(SubMenuEditorTest, TheLinksMenuHangsBelowTheCaptionAndTheEditorTakesItsWidth) {
    ShowSubMenuEditor(file->ItemLinks());
    TovBarSubMenuEditor* editor = ActiveSubMenuEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(::IsWindowVisible(editor->Handle()));
    EXPECT_EQ(editor->Caption(), "Quorvex SubMenu Editor");
    EXPECT_EQ(editor->ItemLinks(), file->ItemLinks());
    EXPECT_EQ(editor->ClientHeight(), 0) << "a caption bar with nothing under it";
    EXPECT_TRUE(manager->IsCustomizing());
    const LONG style = ::GetWindowLong(editor->Handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME),
              WS_POPUP | WS_CAPTION | WS_SYSMENU);
    ExpectMenuBelowEditor(file);
    EXPECT_EQ(editor->Menu(), MenuOf(file));
    olva::win::PumpMessages();
    const TRect editorBounds = EditorBounds();
    const TRect menuBounds = WindowBounds(MenuOf(file));
    SaveScreenPart(
        TRect{editorBounds.left - 10, editorBounds.top - 10, menuBounds.right + 10, menuBounds.bottom + 10},
        "submenu-editor.png");
}

TEST_F(SubMenuEditorTest, ASecondSubItemRetargetsTheOneEditor) {
    ShowSubMenuEditor(file->ItemLinks());
    TovBarSubMenuEditor* editor = ActiveSubMenuEditor();
    ASSERT_TRUE(IsOpen(file));
    ShowSubMenuEditor(edit->ItemLinks());
    olva::win::PumpMessages();
    EXPECT_EQ(ActiveSubMenuEditor(), editor);
    EXPECT_EQ(EditorForms(), 1);
    EXPECT_EQ(editor->ItemLinks(), edit->ItemLinks());
    EXPECT_FALSE(IsOpen(file)) << "the first sub-item's menu closed";
    ExpectMenuBelowEditor(edit);
    // Asking again for the links it edits changes nothing.
    ShowSubMenuEditor(edit->ItemLinks());
    olva::win::PumpMessages();
    EXPECT_EQ(ActiveSubMenuEditor(), editor);
    ExpectMenuBelowEditor(edit);
}

TEST_F(SubMenuEditorTest, FreeingTheEditedSubItemClosesTheEditor) {
    ShowSubMenuEditor(edit->ItemLinks());
    ShowSubMenuEditor(file->ItemLinks());
    ASSERT_TRUE(IsOpen(file));
    delete edit; // no longer edited: the editor stays
    edit = nullptr;
    olva::win::PumpMessages();
    ASSERT_NE(ActiveSubMenuEditor(), nullptr);
    ExpectMenuBelowEditor(file);

    delete file;
    file = nullptr;
    EXPECT_EQ(ActiveSubMenuEditor(), nullptr);
    olva::win::PumpMessages();
    EXPECT_EQ(EditorForms(), 0) << "the released editor is gone once its message is handled";

    TovBarSubItem* view = SubMenu("View");
    view->ItemLinks()->AddItem(Command("Zoom"));
    ShowSubMenuEditor(view->ItemLinks());
    ASSERT_NE(ActiveSubMenuEditor(), nullptr);
    EXPECT_TRUE(IsOpen(view));
}

TEST_F(SubMenuEditorTest, TheMenuMovesWithTheEditorAndTheEditorFollowsTheMenusWidth) {
    ShowSubMenuEditor(file->ItemLinks());
    ASSERT_TRUE(IsOpen(file));
    const TRect before = EditorBounds();
    const TRect menuBefore = WindowBounds(MenuOf(file));
    // The caption dragged 70 right and 45 down.
    const TPoint grab = CaptionPoint();
    WhenMessage(WH_CALLWNDPROC, ActiveSubMenuEditor()->Handle(), WM_ENTERSIZEMOVE, [&] {
        MoveMouse(grab.x + 30, grab.y + 20);
        MoveMouse(grab.x + 70, grab.y + 45);
        Release(grab.x + 70, grab.y + 45);
    });
    Press(grab.x, grab.y);
    olva::win::PumpMessages();
    EndLoopScript();
    const TRect after = EditorBounds();
    ASSERT_EQ(after.left - before.left, 70);
    ASSERT_EQ(after.top - before.top, 45);
    ASSERT_TRUE(IsOpen(file)) << "pressing the caption keeps the menu open";
    const TRect menuAfter = WindowBounds(MenuOf(file));
    EXPECT_EQ(menuAfter.left - menuBefore.left, 70);
    EXPECT_EQ(menuAfter.top - menuBefore.top, 45);
    EXPECT_EQ(menuAfter.right - menuAfter.left, menuBefore.right - menuBefore.left);
    EXPECT_EQ(menuAfter.bottom - menuAfter.top, menuBefore.bottom - menuBefore.top);

    // A wider command makes the menu wider; the editor follows and the menu stays where it was moved.
    file->ItemLinks()->AddItem(Command("Save a copy under another name and format..."));
    olva::win::PumpMessages();
    ASSERT_TRUE(IsOpen(file));
    EXPECT_GT(WindowBounds(MenuOf(file)).right - WindowBounds(MenuOf(file)).left,
              menuBefore.right - menuBefore.left);
    ExpectMenuBelowEditor(file);
    EXPECT_EQ(EditorBounds().left, after.left);
}

TEST_F(SubMenuEditorTest, TheCloseBoxClosesTheMenuAndTheEditor) {
    ShowSubMenuEditor(file->ItemLinks());
    ASSERT_TRUE(IsOpen(file));
    const TPoint close = CloseBoxPoint();
    WhenMessage(WH_GETMESSAGE, ActiveSubMenuEditor()->Handle(), WM_NCLBUTTONDOWN,
                [&] { Release(close.x, close.y); });
    Press(close.x, close.y);
    olva::win::PumpMessages();
    EndLoopScript();
    EXPECT_FALSE(IsOpen(file));
    EXPECT_EQ(ActiveSubMenuEditor(), nullptr);
    EXPECT_EQ(EditorForms(), 0);
}

TEST_F(SubMenuEditorTest, TheCustomizeWindowEndingFreesTheEditorAndClosesTheMenu) {
    ShowSubMenuEditor(file->ItemLinks());
    ASSERT_TRUE(IsOpen(file));
    ASSERT_NE(BarCustomizingForm(), nullptr) << "the editor opened the Customize window";
    ShowBarCustomizingForm(manager, false);
    olva::win::PumpMessages();
    EXPECT_EQ(ActiveSubMenuEditor(), nullptr);
    EXPECT_EQ(EditorForms(), 0);
    EXPECT_FALSE(IsOpen(file));
    ovFreeSubMenuEditor(); // nothing open: nothing happens
}

TEST_F(SubMenuEditorTest, DuringADragTheMenuOpensOnlyForAnItemTheLinksTake) {
    ShowSubMenuEditor(file->ItemLinks());
    TovBarSubMenuEditor* editor = ActiveSubMenuEditor();
    ASSERT_TRUE(IsOpen(file));
    TovBarButton* command = Command("Print");
    struct Case {
        const char* What;
        TovBarItem* Dragged;
        bool Opens;
    };
    const Case cases[] = {
        {"the sub-item itself (a menu in itself)", file, false},
        {"a command", command, true},
        {"no drag", nullptr, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        editor->CloseMenu();
        ASSERT_FALSE(IsOpen(file));
        manager->SetDraggingItem(c.Dragged);
        // A press on the caption brings the editor forward, and with it the menu.
        const TPoint grab = CaptionPoint();
        ClickAt(grab.x, grab.y);
        olva::win::PumpMessages();
        EXPECT_EQ(IsOpen(file), c.Opens);
        Run(1000); // the next press is not the second of a double click
    }
    manager->SetDraggingItem(nullptr);
}

TEST_F(SubMenuEditorTest, TheEditorIsPulledInsideTheWorkArea) {
    olva::win::SetMonitors({{RECT{0, 0, 1280, 1024}, RECT{120, 90, 1280, 1024}}});
    ShowSubMenuEditor(file->ItemLinks());
    TovBarSubMenuEditor* editor = ActiveSubMenuEditor();
    ASSERT_NE(editor, nullptr);
    editor->Hide();
    editor->SetBounds(40, 30, editor->Width(), editor->Height());
    ShowSubMenuEditor(file->ItemLinks());
    EXPECT_EQ(EditorBounds().left, 120);
    EXPECT_EQ(EditorBounds().top, 90);
    ExpectMenuBelowEditor(file);
}

} // namespace
