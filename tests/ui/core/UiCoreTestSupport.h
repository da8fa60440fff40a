// Shared fixture of the library-foundation tests: a fresh headless window system on a fake clock, the
// class library's application (so reported exceptions can be collected) and the foundation started.
#pragma once

#include "platform/rtl/Clock.h"
#include "platform/vcl/Messages.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace ui_core_test {

class UiCoreTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Lets time pass and handles what became due.
    void Run(int AMilliseconds);
    int Pump();
    // A plain hidden top-level window whose procedure records the messages it receives.
    HWND MakeWindow(DWORD AStyle = 0x80000000 /* WS_POPUP */, int ALeft = 0, int ATop = 0);

    std::unique_ptr<TFakeClock> clock;
    std::unique_ptr<TClockOverride> clockOverride;
    std::vector<std::string> reportedErrors; // messages handed to the application's exception handler
};

// Messages received by windows made with MakeWindow, in order.
struct Received {
    HWND hwnd;
    UINT msg;
};
std::vector<Received>& ReceivedLog();
// The answer windows made with MakeWindow give (their procedure's result).
constexpr LRESULT kWindowAnswer = 77;

} // namespace ui_core_test
