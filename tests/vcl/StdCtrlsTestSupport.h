// Fixture of the standard-control tests: a fresh window system on a manual clock with the fixed-metric
// test font, the class library started, and one shown form to put controls on. Input goes through the
// window system's scripted mouse and keyboard, as a user's would.
#pragma once

#include "platform/rtl/Clock.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Graphics.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class TControl;

namespace stdctrls_test {

class StdCtrlsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Shows the form (activated) once controls are on it.
    void ShowForm();
    void Pump();
    void Advance(int Ms);
    // Mouse actions at a point of a control's client area.
    void Click(TControl* Control, int X, int Y);
    void DoubleClick(TControl* Control, int X, int Y);
    void MouseDown(TControl* Control, int X, int Y);
    void MouseMoveTo(TControl* Control, int X, int Y);
    void MouseUp(TControl* Control, int X, int Y);
    void Wheel(TControl* Control, int X, int Y, int Delta);
    // Keys: a press of one key, a press with modifiers held (VK_SHIFT, VK_CONTROL, VK_MENU), typed text.
    void Key(int VK);
    void Chord(std::initializer_list<int> Modifiers, int VK);
    void Type(const std::string& Text);
    // The colour (red in the low byte) the screen shows at a point of a control's client area.
    TColor ColorAt(TControl* Control, int X, int Y);

    std::unique_ptr<TFakeClock> clock;
    std::unique_ptr<TClockOverride> clockOverride;
    TForm* form = nullptr;
};

// The directory tests leave their pictures in.
std::string TestOutDir();

} // namespace stdctrls_test
