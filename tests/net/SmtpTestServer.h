// A scripted mail server for the SMTP client tests: one connection on 127.0.0.1, a banner, then a
// reply per command line from the script. After a 354 reply the message is read up to the line "."
// and the script is asked once more with the text "<message>". Every byte received is kept.
#pragma once

#include "tests/net/SocketTestSupport.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace smtp_test {

class TSmtpTestServer {
public:
    using TScript = std::function<std::string(const std::string& command)>;

    TSmtpTestServer(std::string banner, TScript script)
        : FBanner(std::move(banner)), FScript(std::move(script)) {
        FThread = std::thread([this] { Run(); });
    }
    ~TSmtpTestServer() {
        ::shutdown(FListener.fd, SHUT_RDWR);
        const int fd = FClient.load();
        if (fd >= 0) ::shutdown(fd, SHUT_RDWR);
        if (FThread.joinable()) FThread.join();
    }
    std::string Port() const { return FListener.PortText(); }
    std::string Received() {
        std::lock_guard lock(FLock);
        return FReceived;
    }
    // The message as it arrived after DATA, up to and including the final ".".
    std::string Message() {
        std::lock_guard lock(FLock);
        return FMessage;
    }

private:
    void Run() {
        const int fd = FListener.AcceptOne();
        if (fd < 0) return;
        FClient = fd;
        Send(fd, FBanner);
        std::string pending;
        bool inData = false;
        char buffer[4096];
        for (;;) {
            std::size_t eol;
            while ((eol = pending.find("\r\n")) == std::string::npos) {
                const auto n = ::recv(fd, buffer, sizeof buffer, 0);
                if (n <= 0) {
                    FClient = -1;
                    ::close(fd);
                    return;
                }
                std::lock_guard lock(FLock);
                FReceived.append(buffer, static_cast<std::size_t>(n));
                pending.append(buffer, static_cast<std::size_t>(n));
            }
            const std::string line = pending.substr(0, eol);
            pending.erase(0, eol + 2);
            if (inData) {
                {
                    std::lock_guard lock(FLock);
                    FMessage += line + "\r\n";
                }
                if (line == ".") {
                    inData = false;
                    Send(fd, FScript("<message>"));
                }
                continue;
            }
            const std::string reply = FScript(line);
            if (reply == "<close>") break;
            if (line == "DATA" && reply.rfind("354", 0) == 0) inData = true;
            Send(fd, reply);
            if (line == "QUIT") break;
        }
        FClient = -1;
        ::close(fd);
    }

    static void Send(int fd, const std::string& text) {
        if (!text.empty()) ::send(fd, text.data(), text.size(), MSG_NOSIGNAL);
    }

    net_test::TPlainListener FListener;
    std::string FBanner;
    TScript FScript;
    std::thread FThread;
    std::mutex FLock;
    std::string FReceived, FMessage;
    std::atomic<int> FClient{-1};
};

// The usual replies of a willing server.
inline std::string DefaultReply(const std::string& command) {
    if (command.rfind("HELO", 0) == 0) return "250 hello\r\n";
    if (command.rfind("EHLO", 0) == 0)
        return "250-mail.test\r\n250-AUTH LOGIN PLAIN CRAM-MD5\r\n250 SIZE 1000\r\n";
    if (command.rfind("MAIL FROM", 0) == 0) return "250 ok\r\n";
    if (command.rfind("RCPT TO", 0) == 0) return "250 ok\r\n";
    if (command == "DATA") return "354 go ahead\r\n";
    if (command == "<message>") return "250 queued\r\n";
    if (command == "QUIT") return "221 bye\r\n";
    return "500 what?\r\n";
}

} // namespace smtp_test
