// The SDL2 presenter: every visible top-level window becomes a borderless host window that shows the
// window's image; the frame is ours, and the host moves or sizes the window where our hit test says
// caption or border. Popups (owned, tool, topmost or no-activate windows) are host popups that never
// take the focus. Host input enters the window system as injected input; host focus becomes
// activation. Per-window opacity is used where the host supports it; per-pixel alpha and shapes are
// reported unavailable.
#pragma once

#include "platform/win/Presenter.h"

#include <map>
#include <string>

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
    // reason in LastError) when there is no usable display.
    bool Start();
    void Stop();
    const std::string& LastError() const { return FLastError; }

    void WindowChanged(HWND topLevel) override;
    void WindowDestroyed(HWND topLevel) override;
    bool SupportsWindowAlpha() const override { return FOpacityWorks; }
    bool SupportsWindowShapes() const override { return false; }
    bool SupportsPerPixelAlpha() const override { return false; }

    // Host events into window-system input, then the pictures out to the host windows. Called from
    // the message loop on its own.
    void Poll();
    // Shows every host window's picture now.
    void PresentAll();
    // One host event, as Poll would handle it (scripted host events in tests).
    void HandleEvent(const SDL_Event& event);

    SDL_Window* HostOf(HWND topLevel) const;

private:
    void Present(HWND hwnd, SDL_Window* host);
    void ShowCurrentCursor();
    SDL_Cursor* HostCursor(HCURSOR cursor);
    HWND WindowOfHost(unsigned hostId) const;
    bool FStarted = false;
    bool FOpacityWorks = true;
    bool FFocusLost = false;
    bool FFocusGained = false;
    bool FPolling = false;
    std::uint64_t FLastPresent = 0;
    std::map<HWND, SDL_Window*> FHosts;
    std::map<HCURSOR, SDL_Cursor*> FCursors;
    HCURSOR FShownCursor = nullptr;
    bool FCursorHidden = false;
    std::string FLastError;
};

} // namespace olva::win
