#include "platform/win/DescriptorWatch.h"

#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace olva::win {

namespace descriptor_watch_detail {
struct Watch {
    int id = 0;
    int fd = -1;
    short events = 0;
    HWND hwnd = nullptr;
    UINT message = 0;
    bool paused = false;
};
std::vector<Watch>& Watches() {
    static std::vector<Watch> watches;
    return watches;
}
int NextId = 1;
} // namespace descriptor_watch_detail

int WatchDescriptor(int fd, short events, HWND hwnd, UINT message) {
    if (fd < 0 || fcntl(fd, F_GETFD) == -1 || !IsWindow(hwnd)) return 0;
    auto& watches = descriptor_watch_detail::Watches();
    watches.push_back({descriptor_watch_detail::NextId++, fd, events, hwnd, message, false});
    return watches.back().id;
}

bool UnwatchDescriptor(int watchId) {
    return std::erase_if(descriptor_watch_detail::Watches(), [&](auto& w) { return w.id == watchId; }) > 0;
}

void ResetWatches() {
    descriptor_watch_detail::Watches().clear();
}

bool HasWatches() {
    return !descriptor_watch_detail::Watches().empty();
}

bool RearmDescriptorWatch(int watchId) {
    for (auto& w : descriptor_watch_detail::Watches())
        if (w.id == watchId) {
            w.paused = false;
            return true;
        }
    return false;
}

void PollWatches(int timeoutMs, int hostDescriptor) {
    auto& watches = descriptor_watch_detail::Watches();
    std::erase_if(watches, [](auto& w) { return !IsWindow(w.hwnd); });
    std::vector<pollfd> fds;
    std::vector<int> ids;
    WindowSystem& sys = Sys();
    fds.push_back(pollfd{sys.WakeFd, POLLIN, 0});
    ids.push_back(0);
    // The host's events are read by the presenter's next poll; readiness only ends the wait.
    if (hostDescriptor >= 0) {
        fds.push_back(pollfd{hostDescriptor, POLLIN, 0});
        ids.push_back(0);
    }
    for (auto& w : watches)
        if (!w.paused) {
            fds.push_back(pollfd{w.fd, w.events, 0});
            ids.push_back(w.id);
        }
    if (poll(fds.data(), nfds_t(fds.size()), timeoutMs) <= 0) return;
    if (fds[0].revents & POLLIN) {
        std::uint64_t drained;
        [[maybe_unused]] auto n = read(sys.WakeFd, &drained, sizeof drained);
    }
    for (std::size_t i = 1; i < fds.size(); ++i) {
        if (!fds[i].revents || ids[i] == 0) continue;
        for (auto& w : watches)
            if (w.id == ids[i] && !w.paused) {
                w.paused = true;
                PostMessage(w.hwnd, w.message, WPARAM(w.fd), LPARAM(fds[i].revents));
            }
    }
}

} // namespace olva::win
