// Helpers of the device tests: running the message loop until something happened, choosing SDL's
// audio driver for one test, and temporary files.
#pragma once

#include "platform/win/WinUser.h"

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

namespace device_tests {

// Dispatches messages until `done` holds or `timeoutMs` passed; returns whether `done` held.
inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        if (done()) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

// Sets environment variables for the lifetime of the object and restores them afterwards.
class TScopedEnv {
public:
    void Set(const std::string& name, const std::string& value) {
        const char* old = std::getenv(name.c_str());
        FSaved.push_back({name, old ? std::optional<std::string>(old) : std::nullopt});
        setenv(name.c_str(), value.c_str(), 1);
    }
    ~TScopedEnv() {
        for (auto it = FSaved.rbegin(); it != FSaved.rend(); ++it) {
            if (it->second)
                setenv(it->first.c_str(), it->second->c_str(), 1);
            else
                unsetenv(it->first.c_str());
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> FSaved;
};

// One folder per process, so test runs of several builds do not share files; removed at the end.
inline std::filesystem::path TempFolder() {
    return std::filesystem::temp_directory_path() / ("olva-devices-tests-" + std::to_string(getpid()));
}

inline std::string TempPath(const std::string& name) {
    std::filesystem::create_directories(TempFolder());
    return (TempFolder() / name).string();
}

inline std::vector<float> ReadFloats(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<float> samples(bytes.size() / sizeof(float));
    std::memcpy(samples.data(), bytes.data(), samples.size() * sizeof(float));
    return samples;
}

inline void WriteFloats(const std::string& path, const std::vector<float>& samples) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(samples.data()), std::streamsize(samples.size() * sizeof(float)));
}

} // namespace device_tests
