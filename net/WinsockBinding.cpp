#include "net/WinsockBinding.h"

#include <mutex>

namespace winsock_binding_detail {

struct Binding {
    std::recursive_mutex lock;
    bool loaded = false;
    std::uint16_t startedVersion = 0;
    std::uint8_t reqVerLow = 1;
    std::uint8_t reqVerHigh = 1;
    int users = 0;
};

Binding& State() {
    static Binding binding;
    return binding;
}

} // namespace winsock_binding_detail

void LoadWinsock() {
    auto& b = winsock_binding_detail::State();
    std::lock_guard lock(b.lock);
    if (b.loaded) return;
    b.startedVersion = static_cast<std::uint16_t>((b.reqVerHigh << 8) | b.reqVerLow);
    b.loaded = true;
}

void UnloadWinsock() {
    auto& b = winsock_binding_detail::State();
    std::lock_guard lock(b.lock);
    if (!b.loaded || b.users > 0) return;
    b.loaded = false;
}

bool WinsockLoaded() {
    auto& b = winsock_binding_detail::State();
    std::lock_guard lock(b.lock);
    return b.loaded;
}

std::uint16_t WinsockStartedVersion() {
    auto& b = winsock_binding_detail::State();
    std::lock_guard lock(b.lock);
    return b.startedVersion;
}

void AddWinsockUser() {
    auto& b = winsock_binding_detail::State();
    std::lock_guard lock(b.lock);
    ++b.users;
}

void RemoveWinsockUser() {
    auto& b = winsock_binding_detail::State();
    std::lock_guard lock(b.lock);
    --b.users;
    if (b.users < 1) UnloadWinsock();
}

void TWinsockCall::RemoveWinsockUserKeepLoaded() {
    auto& b = winsock_binding_detail::State();
    std::lock_guard lock(b.lock);
    --b.users;
}

int WinsockUserCount() {
    auto& b = winsock_binding_detail::State();
    std::lock_guard lock(b.lock);
    return b.users;
}

std::uint8_t WinsockReqVerLow() {
    return winsock_binding_detail::State().reqVerLow;
}
std::uint8_t WinsockReqVerHigh() {
    return winsock_binding_detail::State().reqVerHigh;
}

bool SetWinsockReqVerLow(std::uint8_t Value) {
    auto& b = winsock_binding_detail::State();
    std::lock_guard lock(b.lock);
    if (Value == b.reqVerLow) return true;
    if (b.loaded) return false;
    b.reqVerLow = Value;
    return true;
}

bool SetWinsockReqVerHigh(std::uint8_t Value) {
    auto& b = winsock_binding_detail::State();
    std::lock_guard lock(b.lock);
    if (Value == b.reqVerHigh) return true;
    if (b.loaded) return false;
    b.reqVerHigh = Value;
    return true;
}
