#include "net/AsyncSelect.h"

#include "net/WinsockErrors.h"
#include "platform/win/DescriptorWatch.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"

#include <poll.h>
#include <sys/socket.h>

#include <cstdint>
#include <map>
#include <mutex>

namespace async_select_detail {

constexpr const char* NotifierClass = "OlvaSocketNotifier";
constexpr UINT WM_SOCKET_READY = WM_USER + 1;

static_assert(sizeof(LPARAM) >= 8, "the registration serial rides above the event and error words");

struct Entry {
    std::uint32_t serial = 0; // this registration's, in every notification it posts
    HWND window = nullptr;
    UINT msg = 0;
    long events = 0;
    int watchId = 0;
    short watched = 0;
    bool connecting = false;
    bool readArmed = true;
    bool acceptArmed = true;
    bool writeWanted = false;
    bool closeSent = false;
};

std::recursive_mutex Lock;
std::map<int, Entry>& Entries() {
    static std::map<int, Entry> entries;
    return entries;
}
HWND Notifier = nullptr;
std::uint32_t LastSerial = 0;

// Serials stay below 2^31 (lParam remains positive) and are never 0 (no registration).
std::uint32_t NextSerial() {
    LastSerial = LastSerial >= 0x7FFFFFFFu ? 1 : LastSerial + 1;
    return LastSerial;
}

LPARAM NotificationLParam(const Entry& e, long event, int error) {
    return MAKELPARAM(WORD(event), WORD(error)) | (LPARAM(e.serial) << 32);
}

LRESULT NotifierProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

HWND EnsureNotifier() {
    if (Notifier && IsWindow(Notifier)) return Notifier;
    WNDCLASS existing;
    if (!GetClassInfo(nullptr, NotifierClass, &existing)) {
        WNDCLASS wc;
        wc.lpfnWndProc = &NotifierProc;
        wc.lpszClassName = NotifierClass;
        RegisterClass(&wc);
    }
    Notifier = CreateWindowEx(WS_EX_TOOLWINDOW, NotifierClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              nullptr, nullptr);
    return Notifier;
}

// What poll should watch for, given what the owner asked for and what is re-enabled.
short WantedPollEvents(int fd, const Entry& e) {
    short wanted = 0;
    if (e.connecting || e.writeWanted) wanted |= POLLOUT;
    int listening = 0;
    socklen_t len = sizeof listening;
    getsockopt(fd, SOL_SOCKET, SO_ACCEPTCONN, &listening, &len);
    if (listening) {
        if ((e.events & FD_ACCEPT) && e.acceptArmed) wanted |= POLLIN;
    } else if (!e.connecting && !e.closeSent && e.readArmed && (e.events & (FD_READ | FD_CLOSE))) {
        wanted |= POLLIN;
    }
    return wanted;
}

void Rewatch(int fd, Entry& e) {
    const short wanted = e.events ? WantedPollEvents(fd, e) : 0;
    if (wanted == e.watched && e.watchId) {
        olva::win::RearmDescriptorWatch(e.watchId);
        return;
    }
    if (e.watchId) olva::win::UnwatchDescriptor(e.watchId);
    e.watchId = 0;
    e.watched = wanted;
    if (wanted) e.watchId = olva::win::WatchDescriptor(fd, wanted, EnsureNotifier(), WM_SOCKET_READY);
}

void Post(const Entry& e, int fd, long event, int error) {
    PostMessage(e.window, e.msg, WPARAM(fd), NotificationLParam(e, event, error));
}

// What the descriptor is ready for now, among what is watched. A readiness message may have been posted
// for an earlier socket of the same number (closed and its number taken again before the message was
// read), so the message's own events are not trusted.
short ReadyNow(int fd, const Entry& e) {
    if (!e.watched) return 0;
    pollfd now{fd, e.watched, 0};
    return poll(&now, 1, 0) > 0 ? now.revents : 0;
}

LRESULT NotifierProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_SOCKET_READY) return DefWindowProc(hwnd, msg, wParam, lParam);
    std::lock_guard lock(Lock);
    const int fd = static_cast<int>(wParam);
    auto it = Entries().find(fd);
    if (it == Entries().end()) return 0;
    async_select_detail::Entry& e = it->second;
    const short revents = ReadyNow(fd, e);
    if (e.connecting) {
        if (revents & (POLLOUT | POLLERR | POLLHUP)) {
            int error = 0;
            socklen_t len = sizeof error;
            getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &len);
            e.connecting = false;
            if (e.events & FD_CONNECT) Post(e, fd, FD_CONNECT, error ? WinsockErrorFromErrno(error) : 0);
        }
        Rewatch(fd, e);
        return 0;
    }
    int listening = 0;
    socklen_t len = sizeof listening;
    getsockopt(fd, SOL_SOCKET, SO_ACCEPTCONN, &listening, &len);
    if (listening) {
        if ((revents & POLLIN) && (e.events & FD_ACCEPT)) {
            e.acceptArmed = false;
            Post(e, fd, FD_ACCEPT, 0);
        }
        Rewatch(fd, e);
        return 0;
    }
    if (revents & (POLLIN | POLLHUP | POLLERR)) {
        int type = SOCK_STREAM;
        len = sizeof type;
        getsockopt(fd, SOL_SOCKET, SO_TYPE, &type, &len);
        char probe;
        const auto peeked = recv(fd, &probe, 1, MSG_PEEK | MSG_DONTWAIT);
        if (peeked > 0 || (type != SOCK_STREAM && peeked == 0)) {
            e.readArmed = false;
            if (e.events & FD_READ) Post(e, fd, FD_READ, 0);
        } else if (peeked == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
            // The peer closed (or the connection broke): one close notification, then silence.
            const int error = peeked == 0 ? 0 : WinsockErrorFromErrno(errno);
            e.closeSent = true;
            if (e.events & FD_CLOSE) Post(e, fd, FD_CLOSE, error);
        }
    }
    if ((revents & POLLOUT) && e.writeWanted) {
        e.writeWanted = false;
        if (e.events & FD_WRITE) Post(e, fd, FD_WRITE, 0);
    }
    Rewatch(fd, e);
    return 0;
}

} // namespace async_select_detail

int WSAAsyncSelect(int Socket, HWND Window, UINT Msg, long Events) {
    std::lock_guard lock(async_select_detail::Lock);
    if (Socket < 0) {
        WSASetLastError(WSAENOTSOCK);
        return -1;
    }
    if (Events == 0) {
        auto it = async_select_detail::Entries().find(Socket);
        if (it != async_select_detail::Entries().end()) {
            if (it->second.watchId) olva::win::UnwatchDescriptor(it->second.watchId);
            it->second.watchId = 0;
            it->second.watched = 0;
            it->second.events = 0;
        }
        return 0;
    }
    if (!IsWindow(Window)) {
        WSASetLastError(WSAEINVAL);
        return -1;
    }
    auto [it, added] = async_select_detail::Entries().try_emplace(Socket);
    async_select_detail::Entry& e = it->second;
    if (added) e.serial = async_select_detail::NextSerial();
    e.window = Window;
    e.msg = Msg;
    e.events = Events;
    e.readArmed = e.acceptArmed = true;
    async_select_detail::Rewatch(Socket, e);
    return 0;
}

void AsyncSelectConnecting(int Socket) {
    std::lock_guard lock(async_select_detail::Lock);
    auto it = async_select_detail::Entries().find(Socket);
    if (it == async_select_detail::Entries().end()) return;
    it->second.connecting = true;
    async_select_detail::Rewatch(Socket, it->second);
}

void AsyncSelectReenable(int Socket, long Event) {
    std::lock_guard lock(async_select_detail::Lock);
    auto it = async_select_detail::Entries().find(Socket);
    if (it == async_select_detail::Entries().end()) return;
    async_select_detail::Entry& e = it->second;
    if (Event & FD_READ) e.readArmed = true;
    if (Event & FD_ACCEPT) e.acceptArmed = true;
    if (Event & FD_WRITE) e.writeWanted = true;
    if (e.events) async_select_detail::Rewatch(Socket, e);
}

void AsyncSelectForget(int Socket) {
    std::lock_guard lock(async_select_detail::Lock);
    auto it = async_select_detail::Entries().find(Socket);
    if (it == async_select_detail::Entries().end()) return;
    if (it->second.watchId) olva::win::UnwatchDescriptor(it->second.watchId);
    async_select_detail::Entries().erase(it);
}

LPARAM AsyncSelectLParam(int Socket, long Event, int Error) {
    std::lock_guard lock(async_select_detail::Lock);
    auto it = async_select_detail::Entries().find(Socket);
    if (it == async_select_detail::Entries().end()) return 0;
    return async_select_detail::NotificationLParam(it->second, Event, Error);
}

bool AsyncSelectIsCurrent(int Socket, LPARAM LParam) {
    std::lock_guard lock(async_select_detail::Lock);
    auto it = async_select_detail::Entries().find(Socket);
    return it != async_select_detail::Entries().end() &&
           it->second.serial == static_cast<std::uint32_t>(static_cast<std::uint64_t>(LParam) >> 32);
}
