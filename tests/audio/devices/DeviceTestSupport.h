// Helpers of the device tests: running the message loop until something happened, choosing SDL's
// audio driver for one test, and temporary files, read as the device writes them.
#pragma once

#include "platform/win/WinUser.h"
#include "tests/support/EnvironmentGuard.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace device_tests {

// Dispatches messages until `done` holds or `timeoutMs` passed; returns whether `done` held. The deadline
// is also checked between messages, so a device thread that floods the queue cannot hold the wait.
inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    const auto late = [&] { return std::chrono::steady_clock::now() > deadline; };
    for (;;) {
        MSG msg;
        while (!late() && PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        if (done()) return true;
        if (late()) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// The largest file the device tests may write (the process's file-size limit while they run): a device
// that writes faster than it should meets a failed write, which ends its play, instead of filling the disk.
constexpr std::uintmax_t kMaxFileBytes = 64u << 20;

// The device tests' files, inside the test process's own scratch folder ($TMPDIR).
inline std::filesystem::path TempFolder() {
    return std::filesystem::temp_directory_path() / "devices";
}

inline std::string TempPath(const std::string& name) {
    std::filesystem::create_directories(TempFolder());
    return (TempFolder() / name).string();
}

// A file of floats that a device is still writing: each Update() reads only what was added since the last,
// so waiting on a growing output costs the new samples, not the whole file again.
class TGrowingFloatFile {
public:
    explicit TGrowingFloatFile(std::string path) : FPath(std::move(path)) {}

    const std::vector<float>& Update() {
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(FPath, error);
        const std::size_t have = FSamples.size();
        if (error || size / sizeof(float) <= have) return FSamples;
        std::ifstream in(FPath, std::ios::binary);
        in.seekg(std::streamoff(have * sizeof(float)));
        FSamples.resize(std::size_t(size / sizeof(float)));
        in.read(reinterpret_cast<char*>(FSamples.data() + have),
                std::streamsize((FSamples.size() - have) * sizeof(float)));
        FSamples.resize(have + std::size_t(in.gcount()) / sizeof(float));
        return FSamples;
    }
    const std::vector<float>& Samples() const { return FSamples; }

private:
    std::string FPath;
    std::vector<float> FSamples;
};

inline std::vector<float> ReadFloats(const std::string& path) {
    TGrowingFloatFile file(path);
    return file.Update();
}

inline void WriteFloats(const std::string& path, const std::vector<float>& samples) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(samples.data()), std::streamsize(samples.size() * sizeof(float)));
}

} // namespace device_tests
