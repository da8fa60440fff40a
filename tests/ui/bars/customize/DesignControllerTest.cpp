// The design controller on real menu windows: the last selected link while customizing, the Delete key
// (only while customizing, only with the owner form focused), a selection forgotten when customizing
// ends or its link is freed, Escape, and a recursive group refused in a message box.
#include "../controls/BarWindowTestSupport.h"

#include "platform/vcl/Application.h"
#include "platform/vcl/ApplicationMessageBox.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "tests/support/TestWindowClass.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/customize/BarDesignController.h"
#include "ui/bars/hooks/BarHooks.h"

using namespace bars_test;

namespace {

class DesignControllerTest : public BarWindowTest {
protected:
    void SetUp() override {
        BarWindowTest::SetUp();
        // The window fixture empties the hook points between tests; the unit fills them at its start.
        ovBarDesignControllerStart();
        menu = OpenMenu(300, 100, {"Cut", "Copy", "Paste"});
        form->SetFocus();
        olva::win::PumpMessages();
    }
    TovBarItemLinks* Links() const { return menu->ItemLinks(); }
    TovBarItemLink* Link(int AIndex) const { return Links()->Items(AIndex); }
    void Customize(bool AOn) {
        manager->SetIsCustomizing(AOn);
        olva::win::PumpMessages();
    }

    TWindowedMenu* menu = nullptr;
    TovBarDesignController* controller = BarDesignController();
};

TEST_F(DesignControllerTest, DeleteWhileCustomizingRemovesTheLastSelectedLink) {
    Customize(true);
    TovBarItemLink* copy = Link(1);
    controller->SelectLink(copy, dsoExclusive);
    EXPECT_EQ(copy, controller->LastSelectedLink());
    EXPECT_EQ(copy->Control(), manager->SelectedItem());
    EXPECT_FALSE(controller->WantsDefaultSelection(copy)) << "already the last selected link";
    EXPECT_TRUE(controller->WantsDefaultSelection(Link(0)));
    EXPECT_TRUE(controller->CanDeleteSelection());

    PressKey(VK_DELETE);
    ASSERT_EQ(2, Links()->Count());
    EXPECT_EQ("Cut", Link(0)->Item()->Caption());
    EXPECT_EQ("Paste", Link(1)->Item()->Caption());
    EXPECT_EQ(nullptr, controller->LastSelectedLink());
    EXPECT_FALSE(controller->CanDeleteSelection());
    PressKey(VK_DELETE);
    EXPECT_EQ(2, Links()->Count()) << "nothing is selected any more";
}

// The editor's own Delete after a customization must never reach a bar.
TEST_F(DesignControllerTest, TheSelectionIsForgottenWhenCustomizingEnds) {
    Customize(true);
    controller->SelectLink(Link(0), dsoExclusive);
    Customize(false);
    EXPECT_EQ(nullptr, controller->LastSelectedLink());
    EXPECT_FALSE(controller->DeleteSelectedObjects(bdkLinks, false));
    PressKey(VK_DELETE);
    EXPECT_EQ(3, Links()->Count());

    Customize(true);
    EXPECT_EQ(nullptr, controller->LastSelectedLink()) << "customizing again does not bring it back";
    PressKey(VK_DELETE);
    EXPECT_EQ(3, Links()->Count());

    Customize(false);
    controller->SelectLink(Link(0), dsoExclusive);
    EXPECT_EQ(nullptr, controller->LastSelectedLink()) << "outside customizing nothing is selected";
}

TEST_F(DesignControllerTest, AFreedLinkLeavesNothingToDelete) {
    Customize(true);
    controller->SelectLink(Link(2), dsoExclusive);
    delete Link(2);
    EXPECT_EQ(nullptr, controller->LastSelectedLink());
    EXPECT_FALSE(controller->DeleteSelectedObjects(bdkLinks, false));
    EXPECT_EQ(2, Links()->Count());
}

TEST_F(DesignControllerTest, KeyboardDeleteNeedsTheOwnerFormFocused) {
    Customize(true);
    controller->SelectLink(Link(0), dsoExclusive);
    auto* other = TCustomForm::New<TForm>(nullptr);
    other->SetBounds(10, 500, 200, 100);
    other->Show();
    other->SetFocus();
    olva::win::PumpMessages();
    EXPECT_FALSE(controller->DeleteSelectedObjects(bdkLinks, true));
    EXPECT_EQ(3, Links()->Count());
    EXPECT_TRUE(controller->DeleteSelectedObjects(bdkLinks, false)) << "a menu entry needs no focus";
    EXPECT_EQ(2, Links()->Count());
    delete other;
}

TEST_F(DesignControllerTest, EscapeDropsTheSelectionAndReexaminingKeepsAShownOne) {
    Customize(true);
    controller->SelectLink(Link(1), dsoExclusive);
    controller->SelectLink(nullptr, dsoReexamine);
    EXPECT_EQ(Link(1), controller->LastSelectedLink()) << "its control still shows it";
    PressKey(VK_ESCAPE);
    EXPECT_EQ(nullptr, controller->LastSelectedLink());
    EXPECT_EQ(nullptr, manager->SelectedItem());
    PressKey(VK_DELETE);
    EXPECT_EQ(3, Links()->Count());
}

// Reads the text of the message box that is open when it is dispatched.
struct TBoxReader {
    static std::string& Text() {
        static std::string text;
        return text;
    }
    static LRESULT Proc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
        if (AMsg == WM_USER + 1)
            for (int i = 0; i < Screen()->FormCount(); ++i)
                if (std::string text = MessageBoxText(Screen()->Forms(i)); !text.empty()) Text() = text;
        return DefWindowProc(AWnd, AMsg, AWParam, ALParam);
    }
    static HWND Create() {
        EnsureTestWindowClass("DesignControllerBoxReader", &Proc);
        Text().clear();
        return CreateWindowEx(0, "DesignControllerBoxReader", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                              nullptr, nullptr, nullptr);
    }
};

TEST_F(DesignControllerTest, ARecursiveGroupIsRefusedInAMessageBox) {
    auto* outer = new TovBarGroup(form);
    auto* inner = new TovBarGroup(form);
    EXPECT_TRUE(controller->AddGroupMember(outer, inner));
    ASSERT_EQ(1, outer->Count());

    HWND reader = TBoxReader::Create();
    PostMessage(reader, WM_USER + 1, 0, 0);
    olva::win::InjectKey(VK_RETURN, true);
    olva::win::InjectKey(VK_RETURN, false);
    EXPECT_FALSE(controller->AddGroupMember(inner, outer));
    EXPECT_EQ("You cannot create recursive groups", TBoxReader::Text());
    EXPECT_EQ(0, inner->Count());

    PostMessage(reader, WM_USER + 1, 0, 0);
    olva::win::InjectKey(VK_RETURN, true);
    olva::win::InjectKey(VK_RETURN, false);
    EXPECT_FALSE(controller->AddGroupMember(outer, outer));
    EXPECT_EQ(1, outer->Count());
    DestroyWindow(reader);
    olva::win::PumpMessages();
}

} // namespace
