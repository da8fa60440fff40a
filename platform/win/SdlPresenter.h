// The SDL2 presenter: every visible top-level window becomes a borderless host window that shows the
// window's image; the frame is ours. Where a window manager runs, it moves and sizes windows from our
// caption and borders (the host's own, smooth drag) and minimizes them; without one our own loops do and
// a minimized window stays a caption on the screen. Popups (owned, tool, topmost or no-activate windows)
// are host popups that never take the focus. Host input enters the window system as injected input; host
// focus becomes activation. A window's picture goes to the host when it changed, and the message loop
// sleeps until the host, a timer or a watched descriptor has something. Per-window opacity is used where
// the host supports it, and window regions shape the host where the server has the shape extension;
// per-pixel alpha is reported unavailable. Where a window manager runs it also maximizes and restores
// windows both ways, and keeps owned windows (dialogs) above the window they were opened from.
#pragma once

#include "platform/win/Presenter.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct SDL_Window;
struct SDL_Cursor;
union SDL_Event;

namespace olva::win {

class TSdlPresenter : public IPresenter {
public:
    TSdlPresenter();
    ~TSdlPresenter() override;
    TSdlPresenter(const TSdlPresenter&) = delete;
    TSdlPresenter& operator=(const TSdlPresenter&) = delete;

    // Starts SDL's video subsystem and hooks the presenter into the message loop. False (with the
    // reason in LastError) when there is no usable display. A driver that shows nothing (SDL's off-screen
    // and dummy drivers) is refused unless SDL_VIDEODRIVER names it, as tests do: a program on it would
    // run invisibly.
    bool Start();
    bool Running() const { return FStarted; }
    void Stop();
    const std::string& LastError() const { return FLastError; }
    // Answers as a host without window shapes does (tests of the callers' fall-back on a server that has
    // them): top-level windows get no region.
    void DisableShapes() { FShapesWork = false; }

    void WindowChanged(HWND topLevel) override;
    void WindowDestroyed(HWND topLevel) override;
    bool SupportsWindowAlpha() const override { return FOpacityWorks; }
    bool SupportsWindowShapes() const override { return FShapesWork; }
    bool SupportsPerPixelAlpha() const override { return false; }

    // Host events into window-system input (and, at most every PresentIntervalMs while the loop is busy,
    // the changed pictures out). Called from the message loop on its own.
    void Poll();
    // Before the message loop sleeps: the changed pictures out, and what ends the sleep.
    HostWait PrepareWait();
    // Shows every host window's picture that changed since it was last shown.
    void PresentChanged();
    // One host event, as Poll would handle it (scripted host events in tests).
    void HandleEvent(const SDL_Event& event);

    SDL_Window* HostOf(HWND topLevel) const;
    // How many pictures went to the host so far.
    std::uint64_t PresentCount() const { return FPresentCount; }

    static constexpr int PresentIntervalMs = 15;

private:
    struct THost {
        SDL_Window* Window = nullptr;
        bool Shown = false;             // a picture was shown since the host window appeared
        std::uint64_t ShownVersion = 0; // the image version shown
        bool CaretShown = false;        // the caret as last drawn over it
        RECT CaretRect{};
        bool Iconified = false; // minimized to the host's window manager
        bool Limited = false;   // the host was told the window's smallest size
        bool Maximized = false; // the host's manager was told the window is maximized
        bool Refused = false;   // the window refused the manager's maximize; the host goes back
        bool Shaped = false;    // the host is cut to the window's region
        std::vector<RECT> Shape;
        HWND DialogOf = nullptr; // the window whose host it stays above
    };
    void Present(HWND hwnd, THost& host);
    bool NeedsPresent(HWND hwnd, const THost& host) const;
    void SyncSizing(HWND hwnd, THost& host, bool sizable, bool minimized);
    void SyncMinimized(THost& host, bool minimized);
    void SyncMaximized(THost& host, bool maximized);
    void SyncShape(const struct Window* w, THost& host);
    void HostMinimized(HWND hwnd, THost& host);
    void HostRestored(HWND hwnd, THost& host);
    void HostMaximized(HWND hwnd, THost& host);
    void HostUnmaximized(HWND hwnd, THost& host);
    void ShowCurrentCursor();
    POINT PointerOnScreen() const;
    void FollowPointer(); // a move to where the pointer is now, when it moved
    SDL_Cursor* HostCursor(HCURSOR cursor);
    HWND WindowOfHost(unsigned hostId) const;
    THost* HostRecord(HWND hwnd);
    bool FStarted = false;
    bool FOpacityWorks = true;
    bool FShapesWork = false;
    bool FFocusLost = false;
    bool FFocusGained = false;
    bool FPolling = false;
    int FDisplayDescriptor = -1;
    std::uint64_t FLastPresent = 0;
    std::uint64_t FPresentCount = 0;
    std::map<HWND, THost> FHosts;
    std::map<HCURSOR, SDL_Cursor*> FCursors;
    HCURSOR FShownCursor = nullptr;
    bool FCursorHidden = false;
    std::string FLastError;
};

} // namespace olva::win
