// Shared fixture of the control, form and menu tests: a fresh window system on a manual clock with the
// class library started, exceptions of handlers collected instead of shown, and helpers for scripted
// keys and clicks and for containers to put controls on.
#pragma once

#include "platform/rtl/Clock.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/CustomControl.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Screen.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace control_test {

// A windowed container that accepts children, for layout and focus tests.
class TTestPanel : public TCustomControl {
public:
    explicit TTestPanel(TComponent* AOwner) : TCustomControl(AOwner) {
        ControlStyle() += TControlStyle{csAcceptsControls};
        SetBounds(0, 0, 100, 100);
    }
};

// A focusable control that counts what reaches it.
class TTestEdit : public TCustomControl {
public:
    explicit TTestEdit(TComponent* AOwner) : TCustomControl(AOwner) {
        SetTabStop(true);
        SetParentColor(false);
        SetBounds(0, 0, 80, 20);
    }
    LRESULT DialogCode = 0;
    std::string Typed;

protected:
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DialogCode; }
    void KeyPress(TKeyChar& Key) override {
        if (Key >= 32 && Key < 127) Typed += static_cast<char>(Key);
        TCustomControl::KeyPress(Key);
    }
};

class ControlTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void Press(int vk) {
        olva::win::InjectKey(vk, true);
        olva::win::InjectKey(vk, false);
    }
    // A key with a modifier held (VK_SHIFT, VK_CONTROL or VK_MENU).
    void PressWith(int modifier, int vk) {
        olva::win::InjectKey(modifier, true);
        Press(vk);
        olva::win::InjectKey(modifier, false);
    }
    void Click(POINT screen) {
        olva::win::InjectMouse(olva::win::MouseAction::Move, screen.x, screen.y);
        olva::win::InjectMouse(olva::win::MouseAction::LeftDown, screen.x, screen.y);
        olva::win::InjectMouse(olva::win::MouseAction::LeftUp, screen.x, screen.y);
    }
    void Process() { Application()->ProcessMessages(); }
    // Runs the modal form; a form still open after many idle turns is given up with mrAbort, so that a
    // fault cannot hang the suite.
    int RunModal(TCustomForm* Form);
    // Gives up any modal loop (the active form gets mrAbort) after many idle turns.
    void StartWatchdog();
    void StopWatchdog() { Application()->OnIdle = nullptr; }
    // A visible form of the application with the given client size.
    TForm* MakeForm(int ClientWidth, int ClientHeight);

    std::vector<std::string> Errors;
    int Idles = 0;
    std::unique_ptr<TFakeClock> Clock;
    std::unique_ptr<TClockOverride> ClockOverride;
};

} // namespace control_test
