#include "UiCoreTestSupport.h"

#include "platform/vcl/Application.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinUser.h"
#include "ui/core/UiCoreInit.h"

namespace ui_core_test {

std::vector<Received>& ReceivedLog() {
    static std::vector<Received> log;
    return log;
}

namespace {
constexpr const char* kRecordingClass = "UiCoreTestWindow";

LRESULT RecordingProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
    ReceivedLog().push_back({AWnd, AMsg});
    if (AMsg >= WM_USER) return kWindowAnswer;
    return DefWindowProc(AWnd, AMsg, AWParam, ALParam);
}
} // namespace

void UiCoreTest::SetUp() {
    olva::win::ResetWindowSystem();
    clock = std::make_unique<TFakeClock>(0, 100000);
    clockOverride = std::make_unique<TClockOverride>(*clock);
    ReceivedLog().clear();
    WNDCLASS wc;
    wc.lpfnWndProc = &RecordingProc;
    wc.lpszClassName = kRecordingClass;
    ASSERT_NE(RegisterClass(&wc), 0);
    InitializeVcl();
    Application()->OnException =
        TExceptionEvent([this](TObject*, Exception& E) { reportedErrors.push_back(E.Message()); }, this);
    uiCoreInitialize();
}

void UiCoreTest::TearDown() {
    uiCoreFinalize();
    FinalizeVcl();
    olva::win::ResetWindowSystem();
    clockOverride.reset();
    clock.reset();
}

void UiCoreTest::Run(int AMilliseconds) {
    clock->Advance(static_cast<std::uint64_t>(AMilliseconds));
    Pump();
}

int UiCoreTest::Pump() {
    return olva::win::PumpMessages();
}

HWND UiCoreTest::MakeWindow(DWORD AStyle, int ALeft, int ATop) {
    return CreateWindowEx(0, kRecordingClass, "", AStyle, ALeft, ATop, 50, 50, nullptr, nullptr, nullptr,
                          nullptr);
}

} // namespace ui_core_test
