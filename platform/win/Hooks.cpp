// Thread hooks: chains per kind, newest first, run inside the window system's own dispatch. A hook
// removed while a chain runs stays reachable (so CallNextHookEx still finds its successor) but is not
// called again; its record goes once no chain of its kind is running.
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <map>
#include <vector>

namespace olva::win {

namespace hooks_detail {
struct Hook {
    HHOOK handle = nullptr;
    int kind = 0;
    HOOKPROC proc = nullptr;
    bool removed = false;
};
struct Chain {
    std::vector<Hook> hooks; // newest first
    int running = 0;
};
std::map<int, Chain>& Chains() {
    static std::map<int, Chain> chains;
    return chains;
}
std::uintptr_t NextHandle = 0x20000;

bool KnownKind(int kind) {
    switch (kind) {
    case WH_KEYBOARD:
    case WH_GETMESSAGE:
    case WH_CALLWNDPROC:
    case WH_CBT:
    case WH_MOUSE:
    case WH_CALLWNDPROCRET:
    case WH_MSGFILTER:
        return true;
    default:
        return false;
    }
}

void Compact(Chain& chain) {
    if (chain.running == 0) std::erase_if(chain.hooks, [](const Hook& h) { return h.removed; });
}

// Calls the first live hook at or after position `from`; 0 when the chain ends.
LRESULT CallFrom(Chain& chain, std::size_t from, int code, WPARAM wParam, LPARAM lParam) {
    for (std::size_t i = from; i < chain.hooks.size(); ++i) {
        if (chain.hooks[i].removed) continue;
        HOOKPROC proc = chain.hooks[i].proc;
        ++chain.running;
        struct Done {
            Chain& c;
            ~Done() {
                --c.running;
                Compact(c);
            }
        } done{chain};
        return proc(code, wParam, lParam);
    }
    return 0;
}
} // namespace hooks_detail

bool HasHooks(int kind) {
    auto& chains = hooks_detail::Chains();
    auto it = chains.find(kind);
    if (it == chains.end()) return false;
    return std::any_of(it->second.hooks.begin(), it->second.hooks.end(), [](auto& h) { return !h.removed; });
}

void ResetHooks() {
    hooks_detail::Chains().clear();
}

LRESULT RunHooks(int kind, int code, WPARAM wParam, LPARAM lParam) {
    auto& chains = hooks_detail::Chains();
    auto it = chains.find(kind);
    if (it == chains.end()) return 0;
    return hooks_detail::CallFrom(it->second, 0, code, wParam, lParam);
}

} // namespace olva::win

using namespace olva::win;

HHOOK SetWindowsHookEx(int kind, HOOKPROC proc, HINSTANCE, DWORD) {
    if (!proc || !hooks_detail::KnownKind(kind)) return nullptr;
    hooks_detail::NextHandle += 4;
    HHOOK handle = reinterpret_cast<HHOOK>(hooks_detail::NextHandle);
    auto& chain = hooks_detail::Chains()[kind];
    chain.hooks.insert(chain.hooks.begin(), hooks_detail::Hook{handle, kind, proc, false});
    return handle;
}

BOOL UnhookWindowsHookEx(HHOOK hook) {
    for (auto& [kind, chain] : hooks_detail::Chains())
        for (auto& h : chain.hooks)
            if (h.handle == hook && !h.removed) {
                h.removed = true;
                hooks_detail::Compact(chain);
                return TRUE;
            }
    return FALSE;
}

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam) {
    for (auto& [kind, chain] : hooks_detail::Chains())
        for (std::size_t i = 0; i < chain.hooks.size(); ++i)
            if (chain.hooks[i].handle == hook)
                return hooks_detail::CallFrom(chain, i + 1, code, wParam, lParam);
    return 0;
}
