// Loopback download rate of THttpCli against curl fetching the same URL in the same run.
#include "net/HttpProt.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr std::int64_t BodySize = 1024LL * 1024 * 1024;
constexpr int Rounds = 7;

// Serves every request on every connection with the same large body.
class TBodyServer {
public:
    TBodyServer() {
        FListen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        int on = 1;
        setsockopt(FListen, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
        sockaddr_in sin{};
        sin.sin_family = AF_INET;
        sin.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(FListen, reinterpret_cast<sockaddr*>(&sin), sizeof sin);
        ::listen(FListen, 16);
        socklen_t len = sizeof sin;
        getsockname(FListen, reinterpret_cast<sockaddr*>(&sin), &len);
        FPort = ntohs(sin.sin_port);
        FThread = std::thread([this] { Run(); });
    }
    ~TBodyServer() {
        ::shutdown(FListen, SHUT_RDWR);
        ::close(FListen);
        FThread.join();
    }
    std::string Url() const { return "http://127.0.0.1:" + std::to_string(FPort) + "/big.bin"; }

private:
    void Run() {
        std::vector<char> block(1 << 20, 'x');
        for (;;) {
            const int fd = ::accept4(FListen, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd < 0) return;
            std::string request;
            char buffer[4096];
            while (request.find("\r\n\r\n") == std::string::npos) {
                const auto n = ::recv(fd, buffer, sizeof buffer, 0);
                if (n <= 0) break;
                request.append(buffer, static_cast<std::size_t>(n));
            }
            const std::string header =
                "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                std::to_string(BodySize) + "\r\nConnection: close\r\n\r\n";
            ::send(fd, header.data(), header.size(), MSG_NOSIGNAL);
            for (std::int64_t sent = 0; sent < BodySize;) {
                const auto n =
                    ::send(fd, block.data(),
                           static_cast<std::size_t>(std::min<std::int64_t>(block.size(), BodySize - sent)),
                           MSG_NOSIGNAL);
                if (n <= 0) break;
                sent += n;
            }
            ::close(fd);
        }
    }
    int FListen;
    int FPort = 0;
    std::thread FThread;
};

double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double ClientRate(const std::string& url) {
    THttpCli client(nullptr);
    client.URL = url;
    std::int64_t bytes = 0;
    bool done = false;
    WORD error = 0;
    client.OnDocData = [&](TObject*, const void*, int len) { bytes += len; };
    client.OnRequestDone = [&](TObject*, THttpRequest, WORD e) {
        error = e;
        done = true;
    };
    const auto start = std::chrono::steady_clock::now();
    client.GetASync();
    while (!done) {
        MSG msg;
        while (!done && PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
        if (!done) MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    const double seconds = Seconds(start);
    if (error != 0 || bytes != BodySize) {
        std::fprintf(stderr, "client download failed: error %u, %lld bytes\n", error,
                     static_cast<long long>(bytes));
        return 0;
    }
    return BodySize / seconds / (1 << 20);
}

// curl's own measure of its transfer, so its process start-up does not count against it.
double CurlRate(const std::string& url) {
    const std::string command = "curl -s -o /dev/null -w '%{size_download} %{speed_download}' " + url;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return 0;
    long long size = 0;
    double bytesPerSecond = 0;
    const int fields = std::fscanf(pipe, "%lld %lf", &size, &bytesPerSecond);
    if (pclose(pipe) != 0 || fields != 2 || size != BodySize) return 0;
    return bytesPerSecond / (1 << 20);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main() {
    TBodyServer server;
    const std::string url = server.Url();
    const bool haveCurl = std::system("command -v curl >/dev/null 2>&1") == 0;
    // The two take turns, so a machine that slows down or speeds up meanwhile affects both alike.
    std::vector<double> client, curl;
    for (int i = 0; i < Rounds; ++i) {
        client.push_back(ClientRate(url));
        if (haveCurl) curl.push_back(CurlRate(url));
    }
    std::printf("THttpCli: median %.0f MiB/s, best %.0f MiB/s (1 GiB over loopback, %d runs)\n",
                Median(client), *std::max_element(client.begin(), client.end()), Rounds);
    if (!haveCurl) {
        std::printf("curl not found: comparison skipped\n");
        return Median(client) > 0 ? 0 : 1;
    }
    std::printf("curl:     median %.0f MiB/s, best %.0f MiB/s\n", Median(curl),
                *std::max_element(curl.begin(), curl.end()));
    // Each run of the client against the curl run right after it, so drift between runs cancels out.
    std::vector<double> ratios;
    for (int i = 0; i < Rounds; ++i)
        ratios.push_back(curl[i] > 0 ? client[i] / curl[i] : 0);
    const double ratio = Median(ratios);
    std::printf("ratio THttpCli / curl (median of %d pairs): %.2f, lowest %.2f (goal >= 0.9) %s\n", Rounds,
                ratio, *std::min_element(ratios.begin(), ratios.end()), ratio >= 0.9 ? "OK" : "BELOW GOAL");
    return ratio >= 0.9 ? 0 : 1;
}
