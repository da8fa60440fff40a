#include "StdCtrlsTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Surface.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

#include <filesystem>

namespace stdctrls_test {

using olva::win::InjectKey;
using olva::win::InjectMouse;
using olva::win::MouseAction;

void StdCtrlsTest::SetUp() {
    olva::win::ResetWindowSystem();
    GdiSetTestFontEverywhere(true);
    clock = std::make_unique<TFakeClock>(0, 100000);
    clockOverride = std::make_unique<TClockOverride>(*clock);
    InitializeVcl();
    form = TCustomForm::New<TForm>(nullptr);
    form->SetBounds(100, 100, 400, 300);
}

void StdCtrlsTest::TearDown() {
    if (form != nullptr) form->Free();
    form = nullptr;
    FinalizeVcl();
    olva::win::ResetWindowSystem();
    GdiSetTestFontEverywhere(false);
    clockOverride.reset();
    clock.reset();
}

void StdCtrlsTest::ShowForm() {
    form->Show();
    Pump();
    ::SetForegroundWindow(form->Handle());
    Pump();
}

void StdCtrlsTest::Pump() {
    // The application's loop routes keys back to the focused control (dialog keys, accelerators).
    Application()->ProcessMessages();
}

void StdCtrlsTest::Advance(int Ms) {
    clock->Advance(static_cast<std::uint64_t>(Ms));
    Pump();
}

namespace {
POINT ScreenPoint(TControl* Control, int X, int Y) {
    return Control->ClientToScreen(POINT{X, Y});
}
} // namespace

void StdCtrlsTest::MouseDown(TControl* Control, int X, int Y) {
    const POINT p = ScreenPoint(Control, X, Y);
    InjectMouse(MouseAction::Move, p.x, p.y);
    InjectMouse(MouseAction::LeftDown, p.x, p.y);
    Pump();
}

void StdCtrlsTest::MouseMoveTo(TControl* Control, int X, int Y) {
    const POINT p = ScreenPoint(Control, X, Y);
    InjectMouse(MouseAction::Move, p.x, p.y);
    Pump();
}

void StdCtrlsTest::MouseUp(TControl* Control, int X, int Y) {
    const POINT p = ScreenPoint(Control, X, Y);
    InjectMouse(MouseAction::LeftUp, p.x, p.y);
    Pump();
}

void StdCtrlsTest::Click(TControl* Control, int X, int Y) {
    MouseDown(Control, X, Y);
    MouseUp(Control, X, Y);
    // Keep the next click from counting as the second half of a double-click.
    Advance(1000);
}

void StdCtrlsTest::DoubleClick(TControl* Control, int X, int Y) {
    MouseDown(Control, X, Y);
    MouseUp(Control, X, Y);
    Advance(10);
    MouseDown(Control, X, Y);
    MouseUp(Control, X, Y);
    Advance(1000);
}

void StdCtrlsTest::Wheel(TControl* Control, int X, int Y, int Delta) {
    const POINT p = ScreenPoint(Control, X, Y);
    InjectMouse(MouseAction::Move, p.x, p.y);
    InjectMouse(MouseAction::Wheel, p.x, p.y, Delta);
    Pump();
}

void StdCtrlsTest::Key(int VK) {
    InjectKey(VK, true);
    InjectKey(VK, false);
    Pump();
}

void StdCtrlsTest::Chord(std::initializer_list<int> Modifiers, int VK) {
    for (int m : Modifiers)
        InjectKey(m, true);
    InjectKey(VK, true);
    InjectKey(VK, false);
    for (int m : Modifiers)
        InjectKey(m, false);
    Pump();
}

void StdCtrlsTest::Type(const std::string& Text) {
    olva::win::InjectText(Text);
    Pump();
}

TColor StdCtrlsTest::ColorAt(TControl* Control, int X, int Y) {
    Pump();
    const std::shared_ptr<TSurface> screen = olva::win::ComposeScreen();
    const POINT p = ScreenPoint(Control, X, Y);
    return static_cast<TColor>(PixelToColorRef(screen->Pixel(p.x, p.y)));
}

std::string TestOutDir() {
#ifdef OLVA_TEST_OUT_DIR
    const std::string dir = OLVA_TEST_OUT_DIR;
#else
    const std::string dir = "test-output";
#endif
    std::filesystem::create_directories(dir);
    return dir;
}

} // namespace stdctrls_test
