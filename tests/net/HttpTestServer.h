// A scripted HTTP peer for the client tests: accepts connections on 127.0.0.1 one after another,
// reads each request (header and Content-Length body) and answers with what the script returns.
#pragma once

#include "tests/net/SocketTestSupport.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace http_test {

struct TReply {
    std::string bytes;
    bool close = false; // close the connection after the reply
};

struct TSeenRequest {
    int connection; // 0 for the first accepted connection
    std::string text;
};

class THttpTestServer {
public:
    // The script gets the request number (from 0) and the raw request.
    using TScript = std::function<TReply(int index, const std::string& request)>;

    explicit THttpTestServer(TScript script) : FScript(std::move(script)) {
        FThread = std::thread([this] { Run(); });
    }
    ~THttpTestServer() {
        FStop = true;
        ::shutdown(FListener.fd, SHUT_RDWR);
        {
            std::lock_guard lock(FLock);
            if (FClient >= 0) ::shutdown(FClient, SHUT_RDWR);
        }
        if (FThread.joinable()) FThread.join();
    }
    std::string Port() const { return FListener.PortText(); }
    std::string Base() const { return "http://127.0.0.1:" + Port(); }
    std::vector<TSeenRequest> Requests() {
        std::lock_guard lock(FLock);
        return FRequests;
    }
    int Connections() const { return FConnections; }

private:
    void Run() {
        while (!FStop) {
            const int fd = FListener.AcceptOne();
            if (fd < 0) return;
            {
                std::lock_guard lock(FLock);
                FClient = fd;
            }
            const int connection = FConnections++;
            Serve(fd, connection);
            {
                std::lock_guard lock(FLock);
                FClient = -1;
            }
            ::close(fd);
        }
    }

    void Serve(int fd, int connection) {
        std::string pending;
        for (;;) {
            std::string request;
            if (!ReadRequest(fd, pending, request)) return;
            int index;
            {
                std::lock_guard lock(FLock);
                index = static_cast<int>(FRequests.size());
                FRequests.push_back({connection, request});
            }
            const TReply reply = FScript(index, request);
            std::size_t sent = 0;
            while (sent < reply.bytes.size()) {
                const auto n = ::send(fd, reply.bytes.data() + sent, reply.bytes.size() - sent, MSG_NOSIGNAL);
                if (n <= 0) return;
                sent += static_cast<std::size_t>(n);
            }
            if (reply.close) return;
        }
    }

    static bool ReadRequest(int fd, std::string& pending, std::string& request) {
        std::size_t headerEnd;
        while ((headerEnd = pending.find("\r\n\r\n")) == std::string::npos)
            if (!ReadMore(fd, pending)) return false;
        std::size_t length = 0;
        std::string lower = pending.substr(0, headerEnd);
        for (auto& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const auto at = lower.find("\r\ncontent-length:");
        if (at != std::string::npos) length = std::stoul(lower.substr(at + 17));
        while (pending.size() < headerEnd + 4 + length)
            if (!ReadMore(fd, pending)) return false;
        request = pending.substr(0, headerEnd + 4 + length);
        pending.erase(0, request.size());
        return true;
    }

    static bool ReadMore(int fd, std::string& pending) {
        char buffer[4096];
        const auto n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) return false;
        pending.append(buffer, static_cast<std::size_t>(n));
        return true;
    }

    net_test::TPlainListener FListener;
    TScript FScript;
    std::thread FThread;
    std::mutex FLock;
    std::vector<TSeenRequest> FRequests;
    std::atomic<int> FConnections{0};
    std::atomic<bool> FStop{false};
    int FClient = -1;
};

// A reply with a status line, extra header lines (each ending in CR LF) and a body with its length.
inline std::string Response(const std::string& status, const std::string& headers, const std::string& body,
                            const std::string& version = "HTTP/1.1") {
    return version + " " + status + "\r\n" + headers + "Content-Length: " + std::to_string(body.size()) +
           "\r\n\r\n" + body;
}

} // namespace http_test
