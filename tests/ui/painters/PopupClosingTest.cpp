// The popup closing rules, driven by scripted input on the headless screen: clicks on the owner, inside
// the popup and into nested popups, other applications, hidden owner forms, Alt-keys, gestures, and the
// caption-activation block.
#include "PopupTestSupport.h"

#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/MessagesController.h"
#include "ui/core/base/ServiceObjects.h"
#include "ui/core/platform/SystemHooks.h"
#include "ui/painters/popups/PopupHooks.h"
#include "ui/painters/popups/PopupVisibleController.h"
#include "ui/painters/popups/PopupWindowHelpers.h"

#include <algorithm>

using namespace popup_test;

namespace {

bool Received(const std::vector<std::pair<UINT, WPARAM>>& AKeys, UINT AMessage, WPARAM AKey) {
    return std::find(AKeys.begin(), AKeys.end(), std::make_pair(AMessage, AKey)) != AKeys.end();
}

TEST_F(PopupTest, ThePaintersInstallTheThreeHooksAndRemoveThemAtTheEnd) {
    const int counts[] = {ovHookProcCount(hkCallWndProc), ovHookProcCount(hkGetMessage),
                          ovHookProcCount(hkMouse)};
    EXPECT_EQ(uiPopupOwnerLookup(), &PopupOwnerWindowOf);
    uiPaintersFinalize();
    EXPECT_EQ(ovHookProcCount(hkCallWndProc), counts[0] - 1);
    EXPECT_EQ(ovHookProcCount(hkGetMessage), counts[1] - 1);
    EXPECT_EQ(ovHookProcCount(hkMouse), counts[2] - 1);
    EXPECT_EQ(uiPopupOwnerLookup(), nullptr);
    uiPaintersInitialize();
    EXPECT_EQ(ovHookProcCount(hkMouse), counts[2]);
}

TEST_F(PopupTest, APopupOpensBelowItsOwnerListedAndActive) {
    TTestPopup* popup = NewPopup(ownerControl);
    popup->Popup();
    Pump();
    EXPECT_TRUE(popup->IsShown());
    EXPECT_TRUE(popup->Visible());
    EXPECT_EQ(uiPopupVisibleController()->Count(), 1);
    EXPECT_EQ(GetActiveWindow(), popup->Handle());
    const TPoint below = form->ClientToScreen(TPoint{20, 44});
    EXPECT_EQ(popup->Left(), below.x);
    EXPECT_EQ(popup->Top(), below.y);
    EXPECT_EQ(popup->OwnerControl(), ownerControl);
    EXPECT_EQ(popup->Owner(), ownerControl);
    // Opening again while shown does nothing.
    popup->Popup();
    EXPECT_EQ(uiPopupVisibleController()->Count(), 1);
    popup->ClosePopup();
    EXPECT_FALSE(popup->IsShown());
    EXPECT_FALSE(IsWindowVisible(popup->Handle()));
}

TEST_F(PopupTest, AnInvisibleOwnerOpensNothing) {
    TTestPopup* popup = NewPopup(ownerControl);
    ownerControl->Hide();
    popup->Popup();
    EXPECT_FALSE(popup->IsShown());
    EXPECT_FALSE(popup->HandleAllocated() && IsWindowVisible(popup->Handle()));
}

TEST_F(PopupTest, ClickingTheOwnerClosesThePopupAndTheJustClosedFlagFollowsIgnoresClosingClick) {
    for (bool ignore : {false, true}) {
        SCOPED_TRACE(ignore ? "ignoring the closing click" : "passing the closing click on");
        TTestPopup* popup = NewPopup(ownerControl);
        popup->ignoreClosingClick = ignore;
        popup->Popup();
        Pump();
        ownerControl->mouseDowns = 0;
        Click(CentreOf(ownerControl));
        EXPECT_FALSE(popup->IsShown());
        // The click reaches the owner, which asks whether it closed the popup: then it does not open it
        // again on that click.
        EXPECT_EQ(ownerControl->mouseDowns, 1);
        EXPECT_EQ(popup->GetJustClosed(), ignore);
        EXPECT_FALSE(popup->GetJustClosed()); // reading clears it
        // Elsewhere on the form, the closing click is swallowed when the popup ignores it.
        popup->Popup();
        Pump();
        other->mouseDowns = 0;
        Click(CentreOf(other));
        EXPECT_FALSE(popup->IsShown());
        EXPECT_EQ(other->mouseDowns, ignore ? 0 : 1);
        EXPECT_FALSE(popup->GetJustClosed());
        delete popup;
    }
}

TEST_F(PopupTest, ClicksInsideThePopupOrOnItsChildrenLeaveItOpen) {
    TTestPopup* popup = NewPopup(ownerControl);
    popup->Popup();
    Pump();
    Click(CentreOf(popup->content));
    EXPECT_TRUE(popup->IsShown());
    EXPECT_EQ(popup->content->mouseDowns, 1);
    // A click elsewhere on the owner's form closes it and goes through.
    Click(CentreOf(other));
    EXPECT_FALSE(popup->IsShown());
    EXPECT_EQ(other->mouseDowns, 1);
}

TEST_F(PopupTest, AClickIntoTheFirstOfTwoNestedPopupsClosesOnlyTheSecond) {
    TTestPopup* first = NewPopup(ownerControl);
    auto* inner = new TBlock(first, clFuchsia);
    inner->SetBounds(0, 60, 120, 20);
    inner->SetParent(first);
    first->Popup();
    Pump();
    TTestPopup* second = NewPopup(inner);
    second->Popup();
    Pump();
    ASSERT_TRUE(first->IsShown());
    ASSERT_TRUE(second->IsShown());
    EXPECT_EQ(GetActiveWindow(), second->Handle());
    // The second popup counts as related to the first: a click into it closes nothing.
    Click(CentreOf(second->content));
    EXPECT_TRUE(first->IsShown());
    EXPECT_TRUE(second->IsShown());
    Click(CentreOf(first->content));
    EXPECT_TRUE(first->IsShown());
    EXPECT_FALSE(second->IsShown());
    EXPECT_EQ(first->content->mouseDowns, 1);
    first->ClosePopup();
}

TEST_F(PopupTest, SwitchingApplicationsClosesEveryEnabledPopupButTheActiveOne) {
    TTestPopup* a = NewPopup(ownerControl);
    TTestPopup* b = NewPopup(other);
    a->Popup();
    b->Popup();
    Pump();
    ASSERT_EQ(GetActiveWindow(), b->Handle());
    form->received.clear();
    SendMessage(form->Handle(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(a->IsShown());
    EXPECT_TRUE(b->IsShown());
    // The owner's form is told to draw its caption inactive.
    Pump();
    EXPECT_TRUE(std::any_of(form->received.begin(), form->received.end(),
                            [](const TMessage& m) { return m.Msg == WM_NCACTIVATE && m.WParam == 0; }));
    // A popup that is no longer active goes too; a disabled one stays.
    TTestPopup* c = NewPopup(ownerControl);
    c->Popup();
    Pump();
    EnableWindow(b->Handle(), FALSE);
    SendMessage(form->Handle(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_TRUE(b->IsShown());
    EXPECT_TRUE(c->IsShown());
    EnableWindow(b->Handle(), TRUE);
    SendMessage(form->Handle(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(b->IsShown());
    EXPECT_TRUE(c->IsShown());
    c->ClosePopup();
}

TEST_F(PopupTest, HidingTheOwnersFormClosesItsPopupAndEveryPopupOpenedAfterIt) {
    auto* elsewhere = TForm::CreateNew(nullptr);
    elsewhere->SetBounds(600, 100, 200, 200);
    auto* elsewhereControl = new TBlock(elsewhere);
    elsewhereControl->SetBounds(10, 10, 50, 20);
    elsewhereControl->SetParent(elsewhere);
    elsewhere->Show();
    TTestPopup* unrelated = NewPopup(elsewhereControl);
    unrelated->Popup();
    TTestPopup* first = NewPopup(ownerControl);
    first->Popup();
    TTestPopup* second = NewPopup(first->content);
    second->Popup();
    Pump();
    ASSERT_EQ(uiPopupVisibleController()->Count(), 3);
    form->Hide();
    EXPECT_FALSE(first->IsShown());
    EXPECT_FALSE(second->IsShown());
    EXPECT_TRUE(unrelated->IsShown());
    unrelated->ClosePopup();
    delete elsewhere;
}

TEST_F(PopupTest, AltKeysOfANonModalPopup) {
    TTestPopup* popup = NewPopup(ownerControl);
    popup->Popup();
    Pump();
    Key(VK_MENU, true);
    Key(VK_DOWN, true);
    Key(VK_DOWN, false);
    Key('X', true);
    Key('X', false);
    Key(VK_MENU, false);
    Pump();
    // Alt+Down reaches the popup; Alt+X (and Alt itself) is swallowed while it is the last one shown.
    EXPECT_TRUE(Received(popup->keys, WM_SYSKEYDOWN, VK_DOWN));
    EXPECT_FALSE(Received(popup->keys, WM_SYSKEYDOWN, 'X'));
    EXPECT_FALSE(Received(popup->keys, WM_SYSKEYDOWN, VK_MENU));
    EXPECT_TRUE(popup->AcceptsSysKey(VK_F4));
    EXPECT_TRUE(popup->AcceptsSysKey(VK_PRIOR));
    EXPECT_FALSE(popup->AcceptsSysKey(VK_RETURN));
    popup->ClosePopup();
}

TEST_F(PopupTest, TheModalLoopDiscardsAltEnterAltAndAltSpace) {
    TTestPopup* popup = NewPopup(ownerControl);
    popup->RunsModalLoop = true;
    popup->closeOnAltUp = true;
    popup->OnShowed = TNotifyEvent(
        [this](TObject*) {
            Key(VK_MENU, true);
            Key(VK_RETURN, true);
            Key(VK_RETURN, false);
            Key(VK_SPACE, true);
            Key(VK_SPACE, false);
            Key(VK_DOWN, true);
            Key(VK_DOWN, false);
            Key(VK_MENU, false);
        },
        this);
    popup->Popup(); // returns once Alt is released: the popup sets its modal result then
    EXPECT_FALSE(popup->IsShown());
    EXPECT_FALSE(Received(popup->keys, WM_SYSKEYDOWN, VK_MENU));
    EXPECT_FALSE(Received(popup->keys, WM_SYSKEYDOWN, VK_RETURN));
    EXPECT_FALSE(Received(popup->keys, WM_SYSKEYDOWN, VK_SPACE));
    EXPECT_TRUE(Received(popup->keys, WM_SYSKEYDOWN, VK_DOWN));
    EXPECT_TRUE(Received(popup->keys, WM_SYSKEYUP, VK_MENU));
}

TEST_F(PopupTest, GesturesCloseTheActivePopupUnlessTheyHappenOnIt) {
    TTestPopup* popup = NewPopup(ownerControl);
    popup->Popup();
    Pump();
    SendMessage(popup->content->Handle(), WM_GESTURE, 0, 0);
    EXPECT_TRUE(popup->IsShown());
    SendMessage(other->Handle(), WM_GESTURE, 0, 0);
    EXPECT_FALSE(popup->IsShown());
}

TEST_F(PopupTest, TheOwnersFormKeepsAnActiveCaptionAndAPendingBlockRaisesNothing) {
    TTestPopup* popup = NewPopup(ownerControl);
    popup->Popup();
    Pump();
    form->received.clear();
    SendMessage(form->Handle(), WM_NCACTIVATE, FALSE, 0);
    EXPECT_TRUE(std::none_of(form->received.begin(), form->received.end(),
                             [](const TMessage& m) { return m.Msg == WM_NCACTIVATE; }));
    // A block already pending elsewhere: the caption message goes through, and nothing is raised inside
    // the hook.
    HWND elsewhere = MakeWindow();
    ovMessagesController()->BlockWindowProc(elsewhere);
    SendMessage(form->Handle(), WM_NCACTIVATE, FALSE, 0);
    EXPECT_TRUE(std::any_of(form->received.begin(), form->received.end(),
                            [](const TMessage& m) { return m.Msg == WM_NCACTIVATE; }));
    EXPECT_TRUE(reportedErrors.empty());
    SendMessage(elsewhere, WM_NULL, 0, 0); // takes the pending block
    popup->ClosePopup();
}

TEST_F(PopupTest, ClosingThePopupWindowClosesThePopupAndTheOwnersWindow) {
    TTestPopup* popup = NewPopup(ownerControl);
    popup->Popup();
    Pump();
    SendMessage(popup->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(popup->IsShown());
    Pump();
    EXPECT_FALSE(form->Visible());
}

TEST_F(PopupTest, MovingOrHidingTheOwnerControlClosesThePopup) {
    TTestPopup* popup = NewPopup(ownerControl);
    popup->Popup();
    Pump();
    ownerControl->Hide();
    EXPECT_FALSE(popup->IsShown());
}

TEST_F(PopupTest, ActivatingAnotherFormClosesThePopupUnlessItHoldsTheDeactivateLock) {
    auto* elsewhere = TForm::CreateNew(nullptr);
    elsewhere->SetBounds(600, 100, 200, 200);
    auto* field = new TBlock(elsewhere);
    field->SetBounds(10, 10, 80, 20);
    field->SetParent(elsewhere);
    elsewhere->Show();
    Pump();
    TTestPopup* popup = NewPopup(ownerControl);
    popup->Popup();
    Pump();
    popup->LockDeactivate();
    Click(CentreOf(field));
    EXPECT_EQ(GetActiveWindow(), elsewhere->Handle());
    EXPECT_TRUE(popup->IsShown());
    popup->UnlockDeactivate();
    Click(CentreOf(popup->content));
    ASSERT_EQ(GetActiveWindow(), popup->Handle());
    Click(CentreOf(field));
    EXPECT_FALSE(popup->IsShown());
    delete elsewhere;
}

TEST_F(PopupTest, CloseAndReturnFocusGivesTheOwnerTheFocus) {
    TTestPopup* popup = NewPopup(ownerControl);
    // Without a tab stop the popup takes the focus itself.
    popup->Popup(popup->content);
    Pump();
    EXPECT_EQ(popup->FocusedControl(), popup);
    popup->ClosePopup();
    auto* field = new TBlock(popup);
    field->SetBounds(0, 60, 120, 20);
    field->SetParent(popup);
    popup->content->SetTabStop(true);
    popup->Popup(field);
    Pump();
    EXPECT_EQ(popup->FocusedControl(), field);
    EXPECT_EQ(GetFocus(), field->Handle());
    EXPECT_TRUE(popup->Focused());
    SendMessage(popup->Handle(), uiPopupCloseAndReturnFocusMessage, 0, 0);
    EXPECT_FALSE(popup->IsShown());
    // And the private message opens it again with the same control focused.
    SendMessage(popup->Handle(), uiPopupReopenMessage, 0, 0);
    EXPECT_TRUE(popup->IsShown());
    EXPECT_EQ(popup->FocusedControl(), field);
    popup->ClosePopup();
}

TEST_F(PopupTest, TheWorkAreaCorrectionMovesAndShrinksThePopup) {
    olva::win::SetMonitors({{{0, 0, 800, 600}, {0, 0, 800, 560}}});
    TTestPopup* popup = NewPopup(ownerControl);
    popup->SetBounds(0, 0, 300, 400);
    TPoint position{-50, -30};
    popup->CorrectBoundsToWorkArea(position); // off: nothing changes
    EXPECT_EQ(position, (TPoint{-50, -30}));
    popup->workAreaCorrection = true;
    struct Case {
        TPoint position;
        TPoint corrected;
        int width, height;
    } const cases[] = {
        {{-50, -30}, {0, 0}, 250, 370},
        {{700, 300}, {700, 300}, 100, 260},
        {{10, 10}, {10, 10}, 300, 400},
    };
    for (const Case& c : cases) {
        popup->SetBounds(0, 0, 300, 400);
        TPoint p = c.position;
        popup->CorrectBoundsToWorkArea(p);
        EXPECT_EQ(p, c.corrected);
        EXPECT_EQ(popup->Width(), c.width);
        EXPECT_EQ(popup->Height(), c.height);
    }
}

TEST_F(PopupTest, WindowHelpers) {
    TTestPopup* popup = NewPopup(ownerControl);
    popup->Popup();
    Pump();
    HWND formWindow = form->Handle();
    // A window on the popup counts as lying at the popup's owner control.
    EXPECT_TRUE(IsRelatedWindowHandle(formWindow, popup->content->Handle()));
    EXPECT_TRUE(IsRelatedWindowHandle(formWindow, ownerControl->Handle()));
    EXPECT_FALSE(IsRelatedWindowHandle(formWindow, formWindow));
    EXPECT_FALSE(IsRelatedWindowHandle(nullptr, formWindow));
    EXPECT_FALSE(IsRelatedWindowHandle(other->Handle(), popup->content->Handle()));
    EXPECT_TRUE(IsOwnOrRelatedWindow(ownerControl, ownerControl->Handle(), false));
    EXPECT_TRUE(IsOwnOrRelatedWindow(ownerControl, popup->content->Handle(), true));
    EXPECT_FALSE(IsOwnOrRelatedWindow(ownerControl, popup->content->Handle(), false));
    EXPECT_TRUE(IsWindowInControlForm(ownerControl, popup->content->Handle()));
    EXPECT_FALSE(IsWindowInControlForm(nullptr, formWindow));
    EXPECT_EQ(FirstTopLevelAncestor(popup->content->Handle()), popup->Handle());
    EXPECT_EQ(PopupOwnerWindowOf(popup->content->Handle()), ownerControl->Handle());
    EXPECT_EQ(PopupOwnerWindowOf(other->Handle()), other->Handle());
    HWND window = popup->content->Handle();
    EXPECT_TRUE(RedirectToPopupOwner(window));
    EXPECT_EQ(window, ownerControl->Handle());
    EXPECT_TRUE(FormIsActive(popup));
    EXPECT_FALSE(FormIsActive(form));
    EXPECT_TRUE(IsControlWindowVisible(ownerControl));
    EXPECT_EQ(GetControlRect(ownerControl), (TRect{0, 0, 80, 24}));
    for (UINT m : {WM_LBUTTONDOWN, WM_RBUTTONDBLCLK, WM_MBUTTONDOWN, WM_NCLBUTTONDOWN, WM_NCMBUTTONDBLCLK})
        EXPECT_TRUE(IsMouseButtonDownMessage(m)) << m;
    for (UINT m : {WM_LBUTTONUP, WM_MOUSEMOVE, WM_NCLBUTTONUP})
        EXPECT_FALSE(IsMouseButtonDownMessage(m)) << m;
    std::vector<HWND> disabled;
    DisableWindowAndRemember(disabled, other->Handle());
    DisableWindowAndRemember(disabled, other->Handle());
    EXPECT_EQ(disabled.size(), 1u);
    EXPECT_FALSE(IsWindowEnabled(other->Handle()));
    EnableRememberedWindows(&disabled);
    EXPECT_TRUE(IsWindowEnabled(other->Handle()));
    EXPECT_TRUE(uiSameName("Popup", "POPUP", false));
    EXPECT_FALSE(uiSameName("Popup", "POPUP", true));
    popup->ClosePopup();
}

} // namespace

namespace {

// A control holding a toolbar; both count the form-deactivated notices they get.
class TToolbarBlock : public TBlock, public IuiToolbarHolder {
public:
    TToolbarBlock(TComponent* AOwner, TBlock* AToolbar) : TBlock(AOwner), toolbar(AToolbar) {}
    TBlock* toolbar;
    int notices = 0;
    TControl* GetToolbar() override { return toolbar; }

protected:
    void WndProc(TMessage& Message) override {
        if (Message.Msg == uiFormDeactivatedMessage) ++notices;
        TBlock::WndProc(Message);
    }
};

class TNoticedBlock : public TBlock {
public:
    using TBlock::TBlock;
    int notices = 0;

protected:
    void WndProc(TMessage& Message) override {
        if (Message.Msg == uiFormDeactivatedMessage) ++notices;
        TBlock::WndProc(Message);
    }
};

TEST_F(PopupTest, AFormLosingTheActivationTellsItsActiveControlAndItsToolbar) {
    auto* toolbar = new TNoticedBlock(form);
    toolbar->SetBounds(200, 20, 100, 24);
    toolbar->SetParent(form);
    auto* holder = new TToolbarBlock(form, toolbar);
    holder->SetBounds(200, 60, 100, 24);
    holder->SetParent(form);
    form->SetActiveControl(holder);
    SendMessage(form->Handle(), WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(holder->notices, 1);
    EXPECT_EQ(toolbar->notices, 1);
    // Activation itself tells nobody.
    SendMessage(form->Handle(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(holder->notices, 1);
}

} // namespace
