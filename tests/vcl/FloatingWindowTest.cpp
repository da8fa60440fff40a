// A class-library control that is a top-level popup owned by a form, as a floating toolbar is: shown,
// re-created and moved between owner windows without taking the activation or the focus.
#include "StdCtrlsTestSupport.h"

#include "platform/vcl/CustomControl.h"
#include "platform/vcl/Edit.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

namespace floating_window_test {

using stdctrls_test::StdCtrlsTest;

class TFloatingPanel : public TCustomControl {
public:
    explicit TFloatingPanel(TComponent* AOwner) : TCustomControl(AOwner) { SetBounds(500, 100, 120, 40); }
    int Activations = 0;

protected:
    void CreateParams(TCreateParams& Params) override {
        TCustomControl::CreateParams(Params);
        Params.Style = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        Params.ExStyle |= WS_EX_TOOLWINDOW;
    }
    void Dispatch(TMessage& Message) override {
        if (Message.Msg == WM_ACTIVATE && LOWORD(Message.WParam) != WA_INACTIVE) ++Activations;
        if (Message.Msg == WM_MOUSEACTIVATE) {
            Message.Result = MA_NOACTIVATE;
            return;
        }
        TCustomControl::Dispatch(Message);
    }
};

class FloatingWindowTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        edit = new TEdit(form);
        edit->SetParent(form);
        ShowForm();
        edit->SetFocus();
        Pump();
        floating = new TFloatingPanel(form);
        floating->SetParentWindow(form->Handle());
        Pump();
    }
    void ExpectUntouched() {
        EXPECT_EQ(::GetActiveWindow(), form->Handle());
        EXPECT_EQ(::GetFocus(), edit->Handle());
        EXPECT_EQ(floating->Activations, 0);
    }
    TEdit* edit = nullptr;
    TFloatingPanel* floating = nullptr;
};

TEST_F(FloatingWindowTest, ShownAndReCreatedWithoutTakingTheActivation) {
    HWND first = floating->Handle();
    EXPECT_TRUE(::IsWindowVisible(first));
    EXPECT_EQ(::GetWindow(first, GW_OWNER), form->Handle());
    ExpectUntouched();
    floating->RecreateWnd();
    Pump();
    HWND second = floating->Handle();
    EXPECT_NE(second, first);
    EXPECT_FALSE(::IsWindow(first));
    EXPECT_TRUE(::IsWindowVisible(second));
    EXPECT_EQ(::GetWindow(second, GW_OWNER), form->Handle());
    ExpectUntouched();
    // A click on it keeps the form active and the edit focused.
    Click(floating, 10, 10);
    ExpectUntouched();
}

TEST_F(FloatingWindowTest, TheOwnersWindowReCreatedTakesItsOwnedWindowsWithIt) {
    // As on the desktop, an owner's window takes the windows it owns along when it goes: whoever keeps
    // them shows them again on the new window.
    HWND before = floating->Handle();
    form->RecreateWnd();
    Pump();
    EXPECT_FALSE(::IsWindow(before));
    floating->SetParentWindow(nullptr);
    floating->SetParentWindow(form->Handle());
    Pump();
    EXPECT_TRUE(::IsWindowVisible(floating->Handle()));
    EXPECT_EQ(::GetWindow(floating->Handle(), GW_OWNER), form->Handle());
}

} // namespace floating_window_test
