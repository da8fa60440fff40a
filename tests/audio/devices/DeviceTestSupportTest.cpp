// The device tests' own safeguards: they must stay bounded in time, file size and memory, and end on
// SIGTERM, whatever the machine's load.
#include "DeviceTestSupport.h"

#include "audio/devices/SdlAudioDevice.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <fstream>

using namespace device_tests;

namespace {

void AppendBytes(const std::string& path, const void* bytes, std::size_t count) {
    std::ofstream(path, std::ios::binary | std::ios::app)
        .write(static_cast<const char*>(bytes), std::streamsize(count));
}

TEST(GrowingFloatFile, ReadsWhatWasAddedAndWaitsForWholeSamples) {
    const std::string path = TempPath("growing.raw");
    std::filesystem::remove(path);
    TGrowingFloatFile file(path);
    EXPECT_TRUE(file.Update().empty()); // not there yet
    AppendBytes(path, "", 0);
    EXPECT_TRUE(file.Update().empty()); // there but empty
    EXPECT_TRUE(ReadFloats(path).empty());

    const float samples[] = {0.5f, -0.25f, 0.75f, 1.0f};
    const char* bytes = reinterpret_cast<const char*>(samples);
    AppendBytes(path, bytes, 10); // two samples and half of the third
    EXPECT_EQ(file.Update(), (std::vector<float>{0.5f, -0.25f}));
    AppendBytes(path, bytes + 10, sizeof samples - 10);
    EXPECT_EQ(file.Update(), (std::vector<float>{0.5f, -0.25f, 0.75f, 1.0f}));
    EXPECT_EQ(file.Update().size(), 4u); // nothing new
    EXPECT_EQ(ReadFloats(path), file.Samples());
}

// A window that posts itself a new message for every one it handles: a queue that never runs dry.
LRESULT FloodingProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_USER) PostMessage(window, WM_USER, 0, 0);
    return DefWindowProc(window, msg, wParam, lParam);
}

TEST(PumpUntil, EndsAtItsDeadlineWhileMessagesKeepComing) {
    WNDCLASS wc;
    wc.lpfnWndProc = FloodingProc;
    wc.lpszClassName = "OlvaDeviceTestFlood";
    RegisterClass(&wc);
    HWND window =
        CreateWindowEx(0, "OlvaDeviceTestFlood", "", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    PostMessage(window, WM_USER, 0, 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(PumpUntil([] { return false; }, 50));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    DestroyWindow(window);
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

TEST(DeviceTestLimits, FilesAreCapped) {
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
    EXPECT_LE(limit.rlim_cur, kMaxFileBytes);
}

// SDL turns SIGINT and SIGTERM into quit events once audio starts, unless told not to; the test
// processes must keep the default action so that `timeout` and CI can stop them.
TEST(DeviceTestLimits, StartingAudioLeavesTerminationSignalsAlone) {
    TSdlAudioSubsystem audio;
    ASSERT_TRUE(audio.Started());
    for (int signal : {SIGTERM, SIGINT}) {
        struct sigaction action {};
        ASSERT_EQ(::sigaction(signal, nullptr, &action), 0);
        EXPECT_EQ(action.sa_handler, SIG_DFL) << "signal " << signal;
    }
}

} // namespace
