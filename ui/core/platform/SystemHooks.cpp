#include "ui/core/platform/SystemHooks.h"

#include "platform/win/WinUser.h"
#include "ui/core/base/ExceptionReport.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace system_hooks_detail {

struct Entry {
    TovHookProc Proc;
    std::uint64_t Serial; // tells a registration apart from a later one of the same procedure
};

class TovSystemHook {
public:
    TovSystemHook(int AHookType, HOOKPROC AWindowsProc) : FHookType(AHookType), FWindowsProc(AWindowsProc) {}

    void Add(TovHookProc AProc) {
        if (FProcs.empty()) Install();
        FProcs.push_back(Entry{AProc, ++FLastSerial});
    }

    void Remove(TovHookProc AProc) {
        const auto it =
            std::find_if(FProcs.begin(), FProcs.end(), [AProc](const Entry& e) { return e.Proc == AProc; });
        if (it == FProcs.end()) return;
        FProcs.erase(it);
        if (FProcs.empty()) Uninstall();
    }

    void Clear() {
        FProcs.clear();
        Uninstall();
    }

    // Calls the procedures newest first. The registrations are taken at the start: one added meanwhile
    // waits for the next call, and one removed meanwhile (by itself or by another) is not called, so
    // removals during the call can never send the walk past the list.
    LRESULT Execute(int ACode, WPARAM AWParam, LPARAM ALParam) {
        LRESULT result = 0;
        const std::vector<Entry> snapshot = FProcs;
        for (auto it = snapshot.rbegin(); it != snapshot.rend(); ++it) {
            const std::uint64_t serial = it->Serial;
            const bool stillRegistered = std::any_of(FProcs.begin(), FProcs.end(),
                                                     [serial](const Entry& e) { return e.Serial == serial; });
            if (!stillRegistered) continue;
            try {
                it->Proc(ACode, AWParam, ALParam, result);
            } catch (...) {
                uiHandleException(nullptr);
            }
        }
        const LRESULT next = CallNextHookEx(FHandle, ACode, AWParam, ALParam);
        return result != 0 ? result : next;
    }

    int Count() const { return static_cast<int>(FProcs.size()); }
    bool Installed() const { return FHandle != nullptr; }

private:
    void Install() { FHandle = SetWindowsHookEx(FHookType, FWindowsProc, nullptr, GetCurrentThreadId()); }
    void Uninstall() {
        if (FHandle != nullptr) UnhookWindowsHookEx(FHandle);
        FHandle = nullptr;
    }

    int FHookType;
    HOOKPROC FWindowsProc;
    HHOOK FHandle = nullptr;
    std::vector<Entry> FProcs;
    std::uint64_t FLastSerial = 0;
};

TovSystemHook& Hook(TovHookKind AKind);

LRESULT KeyboardHookProc(int c, WPARAM w, LPARAM l) {
    return Hook(hkKeyboard).Execute(c, w, l);
}
LRESULT MouseHookProc(int c, WPARAM w, LPARAM l) {
    return Hook(hkMouse).Execute(c, w, l);
}
LRESULT WndProcHookProc(int c, WPARAM w, LPARAM l) {
    return Hook(hkCallWndProc).Execute(c, w, l);
}
LRESULT GetMessageHookProc(int c, WPARAM w, LPARAM l) {
    return Hook(hkGetMessage).Execute(c, w, l);
}
LRESULT CBTHookProc(int c, WPARAM w, LPARAM l) {
    return Hook(hkCBT).Execute(c, w, l);
}

TovSystemHook& Hook(TovHookKind AKind) {
    static TovSystemHook hooks[ovHookKindCount] = {{WH_KEYBOARD, &KeyboardHookProc},
                                                   {WH_MOUSE, &MouseHookProc},
                                                   {WH_CALLWNDPROC, &WndProcHookProc},
                                                   {WH_GETMESSAGE, &GetMessageHookProc},
                                                   {WH_CBT, &CBTHookProc}};
    return hooks[AKind];
}

} // namespace system_hooks_detail

void ovSetHook(TovHookKind AKind, TovHookProc AProc) {
    system_hooks_detail::Hook(AKind).Add(AProc);
}

void ovReleaseHook(TovHookProc AProc) {
    for (int kind = 0; kind < ovHookKindCount; ++kind)
        system_hooks_detail::Hook(static_cast<TovHookKind>(kind)).Remove(AProc);
}

int ovHookProcCount(TovHookKind AKind) {
    return system_hooks_detail::Hook(AKind).Count();
}

bool ovIsHookInstalled(TovHookKind AKind) {
    return system_hooks_detail::Hook(AKind).Installed();
}

void ovReleaseAllHooks() {
    for (int kind = 0; kind < ovHookKindCount; ++kind)
        system_hooks_detail::Hook(static_cast<TovHookKind>(kind)).Clear();
}
