// Helpers of the socket tests: pumping the message loop until something happened, and plain
// loopback peers on ephemeral ports of 127.0.0.1.
#pragma once

#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <dirent.h>
#include <functional>
#include <string>

namespace net_test {

// Dispatches messages until the condition holds or five seconds passed; returns the condition.
inline bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
            if (done()) return true;
        }
        if (done()) return true;
        if (std::chrono::steady_clock::now() > deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

// Dispatches what is pending for a short while, for tests that check nothing more happens.
inline void PumpFor(int ms) {
    PumpUntil([] { return false; }, ms);
}

// A blocking listening socket on 127.0.0.1 with a port the system chose.
class TPlainListener {
public:
    explicit TPlainListener(int backlog = 64) {
        fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in sin{};
        sin.sin_family = AF_INET;
        sin.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(fd, reinterpret_cast<sockaddr*>(&sin), sizeof sin);
        ::listen(fd, backlog);
        socklen_t len = sizeof sin;
        getsockname(fd, reinterpret_cast<sockaddr*>(&sin), &len);
        port = ntohs(sin.sin_port);
    }
    ~TPlainListener() { ::close(fd); }
    int AcceptOne() const { return ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC); }
    std::string PortText() const { return std::to_string(port); }
    int fd;
    int port;
};

// A port on 127.0.0.1 where nothing listens.
inline int ClosedPort() {
    TPlainListener probe;
    return probe.port;
}

inline int OpenDescriptorCount() {
    int count = 0;
    if (DIR* dir = opendir("/proc/self/fd")) {
        while (readdir(dir))
            ++count;
        closedir(dir);
    }
    return count;
}

inline std::string ReadAll(int fd) {
    std::string data;
    char buffer[4096];
    for (ssize_t n; (n = ::recv(fd, buffer, sizeof buffer, 0)) > 0;)
        data.append(buffer, n);
    return data;
}

} // namespace net_test

#include <thread>
#include <vector>

namespace net_test {

// A peer on a thread that accepts one connection and follows a script: read exactly so many bytes
// (kept in `received`), then write a reply. After the script it closes, or waits for the other side.
class TScriptedPeer {
public:
    struct Step {
        int expect;
        std::string reply;
    };
    TScriptedPeer(std::vector<Step> script, bool closeAtEnd = false) : FScript(std::move(script)) {
        FThread = std::thread([this, closeAtEnd] {
            const int fd = FListener.AcceptOne();
            if (fd < 0) return;
            timeval tv{5, 0};
            setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
            for (const auto& step : FScript) {
                std::string got;
                if (step.expect == 0)
                    std::this_thread::sleep_for(std::chrono::milliseconds(50)); // a packet of its own
                while (static_cast<int>(got.size()) < step.expect) {
                    char buffer[512];
                    const auto n =
                        ::recv(fd, buffer, std::min<std::size_t>(sizeof buffer, step.expect - got.size()), 0);
                    if (n <= 0) break;
                    got.append(buffer, n);
                }
                received.push_back(got);
                if (static_cast<int>(got.size()) < step.expect) break;
                if (!step.reply.empty()) ::send(fd, step.reply.data(), step.reply.size(), MSG_NOSIGNAL);
            }
            if (!closeAtEnd) {
                char c;
                ::recv(fd, &c, 1, 0); // until the client goes (or five seconds)
            }
            ::close(fd);
        });
    }
    ~TScriptedPeer() {
        ::shutdown(FListener.fd, SHUT_RDWR);
        if (FThread.joinable()) FThread.join();
    }
    std::string PortText() const { return FListener.PortText(); }
    void Join() {
        if (FThread.joinable()) FThread.join();
    }
    std::vector<std::string> received;

private:
    TPlainListener FListener;
    std::vector<Step> FScript;
    std::thread FThread;
};

} // namespace net_test
