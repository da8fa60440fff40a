// Loopback transfer through TWSocket (send and receive on the message loop) against a plain blocking
// copy between two threads, and sequential connect/close rates. Traffic stays on 127.0.0.1.
// Usage: olva_net_bench [megabytes, default 1024] [connects, default 1000]
#include "net/LineWSocket.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

void PumpUntil(const std::function<bool()>& done) {
    while (!done()) {
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        if (!done()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
}

int LoopbackListener(int& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in sin{};
    sin.sin_family = AF_INET;
    sin.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&sin), sizeof sin);
    ::listen(fd, 16);
    socklen_t len = sizeof sin;
    getsockname(fd, reinterpret_cast<sockaddr*>(&sin), &len);
    port = ntohs(sin.sin_port);
    return fd;
}

double BlockingCopy(std::uint64_t total) {
    int port = 0;
    const int listener = LoopbackListener(port);
    std::uint64_t received = 0;
    const auto start = Clock::now();
    std::thread reader([&] {
        const int fd = ::accept(listener, nullptr, nullptr);
        std::vector<char> buffer(65536);
        for (ssize_t n; (n = ::recv(fd, buffer.data(), buffer.size(), 0)) > 0;)
            received += static_cast<std::uint64_t>(n);
        ::close(fd);
    });
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in sin{};
    sin.sin_family = AF_INET;
    sin.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    sin.sin_port = htons(static_cast<std::uint16_t>(port));
    ::connect(fd, reinterpret_cast<sockaddr*>(&sin), sizeof sin);
    std::vector<char> chunk(65536, 'b');
    for (std::uint64_t sent = 0; sent < total;) {
        const auto n = ::send(fd, chunk.data(), std::min<std::uint64_t>(chunk.size(), total - sent), 0);
        if (n <= 0) break;
        sent += static_cast<std::uint64_t>(n);
    }
    ::close(fd);
    reader.join();
    ::close(listener);
    const double seconds = Seconds(start);
    if (received != total)
        std::fprintf(stderr, "blocking copy received %llu of %llu\n",
                     static_cast<unsigned long long>(received), static_cast<unsigned long long>(total));
    return static_cast<double>(total) / seconds;
}

double SocketCopy(std::uint64_t total) {
    TWSocket listener(nullptr), server(nullptr), client(nullptr);
    listener.SetAddr("127.0.0.1");
    listener.SetPort("0");
    listener.Listen();
    listener.OnSessionAvailable = [&](TObject*, WORD) { server.Dup(listener.Accept()); };
    std::uint64_t received = 0;
    std::vector<char> buffer(65536);
    server.OnDataAvailable = [&](TObject*, WORD) {
        const int n = server.Receive(buffer.data(), static_cast<int>(buffer.size()));
        if (n > 0) received += static_cast<std::uint64_t>(n);
    };
    bool connected = false;
    client.OnSessionConnected = [&](TObject*, WORD) { connected = true; };
    std::uint64_t queued = 0;
    const std::vector<char> chunk(1 << 20, 's');
    // Keep about two chunks queued; OnDataSent asks for more.
    auto feed = [&] {
        while (queued < total && client.QueuedBytes() < static_cast<int>(chunk.size())) {
            const int n = static_cast<int>(std::min<std::uint64_t>(chunk.size(), total - queued));
            client.Send(chunk.data(), n);
            queued += static_cast<std::uint64_t>(n);
        }
    };
    client.OnDataSent = [&](TObject*, WORD) { feed(); };
    // Blocks as large as a plain copy's writes: the pool sends one block per system call.
    client.SetBufSize(65536);
    client.SetAddr("127.0.0.1");
    client.SetPort(listener.LocalPort());
    client.Connect();
    PumpUntil([&] { return connected && server.State() == wsConnected; });
    const auto start = Clock::now();
    feed();
    PumpUntil([&] { return received >= total; });
    const double seconds = Seconds(start);
    client.Close();
    return static_cast<double>(total) / seconds;
}

double ConnectRate(int count) {
    TWSocket listener(nullptr);
    listener.SetAddr("127.0.0.1");
    listener.SetPort("0");
    listener.SetListenBacklog(128);
    listener.Listen();
    listener.OnSessionAvailable = [&](TObject*, WORD) {
        const TSocket fd = listener.Accept();
        if (fd != INVALID_SOCKET) ::close(fd);
    };
    const std::string port = listener.LocalPort();
    const auto start = Clock::now();
    for (int i = 0; i < count; ++i) {
        TWSocket client(nullptr);
        bool done = false;
        client.OnSessionConnected = [&](TObject*, WORD) { done = true; };
        client.SetAddr("127.0.0.1");
        client.SetPort(port);
        client.Connect();
        PumpUntil([&] { return done; });
        client.Close();
    }
    return count / Seconds(start);
}

} // namespace

int main(int argc, char** argv) {
    const std::uint64_t megabytes = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 1024;
    const int connects = argc > 2 ? std::atoi(argv[2]) : 1000;
    const std::uint64_t total = megabytes << 20;
    const double plain = BlockingCopy(total);
    const double socket = SocketCopy(total);
    std::printf("loopback transfer of %llu MiB\n", static_cast<unsigned long long>(megabytes));
    std::printf("  blocking copy   %8.1f MiB/s\n", plain / (1 << 20));
    std::printf("  TWSocket        %8.1f MiB/s\n", socket / (1 << 20));
    std::printf("  ratio           %8.2f (goal >= 0.50)\n", socket / plain);
    const double rate = ConnectRate(connects);
    std::printf("sequential connects/closes: %.0f per second (goal >= 1000)\n", rate);
    return 0;
}
