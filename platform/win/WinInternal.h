// Calls shared between the parts of the window system. Internal to platform/win.
#pragma once

#include "platform/win/WindowSystem.h"

#include <functional>

namespace olva::win {

std::shared_ptr<WindowClass> FindWindowClass(const char* name);
void InstallSysColorBrushResolver();

// Threads: windows belong to the user-interface thread. Calls that change or read window state from
// another thread run on the user-interface thread, the caller waiting, as the desktop synchronises
// them through the window's queue.
bool IsGuiThread();
void RunOnGuiThread(const std::function<void()>& work);
template <class F> auto OnGuiThread(F work) -> decltype(work()) {
    decltype(work()) result{};
    RunOnGuiThread([&] { result = work(); });
    return result;
}

// Hooks: runs the chain of a kind and answers its result (0 when no hook is installed).
bool HasHooks(int kind);
void ResetHooks();
LRESULT RunHooks(int kind, int code, WPARAM wParam, LPARAM lParam);

// Tree: places a child among its siblings (insertAfter as SetWindowPos takes it) / takes it out.
void LinkChild(Window* parent, Window* child, HWND insertAfter);
void UnlinkChild(Window* child);

// Non-client: the insets of the default frame for a style, and the client rectangle the window procedure
// chooses for a window rectangle (both in the parent's client coordinates).
RECT FrameInsets(DWORD style, DWORD exStyle);
RECT CalcClientRect(Window* w, const RECT& windowRect, bool sendMessage);
// The limits a window gets before WM_GETMINMAXINFO, and the limits it answers.
MINMAXINFO DefaultMinMaxInfo(const Window* w);
MINMAXINFO QueryMinMaxInfo(Window* w);

// Activation and focus
void ActivateWindow(Window* w, WORD how); // w null deactivates the application
void ActivateSomeOtherWindow(Window* leaving);
void ForgetDestroyedWindow(Window* w); // focus, capture, activation, timers, tracking

// Timers
void KillWindowTimers(HWND hwnd);
bool TakeDueTimer(HWND filter, bool remove, MSG& out);
bool NextTimerDue(std::uint64_t& due);
void CheckHover();
bool NextHoverDue(std::uint64_t& due);
void ResetMouseSettings();

// Input: turning queued input into messages. Prepare decides the target and the message (hit
// testing); Deliver runs the hooks and, when the message is removed, the side effects (key state,
// activation, cursor, double clicks). Deliver answers false when the message is swallowed.
void PrepareInput(RawInput& raw);
bool DeliverInput(RawInput& raw, bool remove);
void PrepareMouse(RawInput& raw);
bool DeliverMouse(RawInput& raw, bool remove);
void PrepareKey(RawInput& raw);
bool DeliverKey(RawInput& raw, bool remove);
void QueueMouse(int action, int x, int y, int wheelDelta);
// Double clicks: whether a press (a ...BUTTONDOWN message) now would be the second of a double click, and
// remembering a press as the first. A presenter whose host takes a caption press for itself (to move the
// window) remembers it, so that a quick second press still reaches the window as a double click.
bool IsSecondClick(HWND hwnd, UINT down, POINT pt, DWORD time);
void RememberClick(HWND hwnd, UINT down, POINT pt, DWORD time);

// File-descriptor watches
// Waits up to timeoutMs (-1: no limit) for the wake-up event, a watched descriptor or `hostDescriptor`.
void PollWatches(int timeoutMs, int hostDescriptor = -1);
bool HasWatches();
void ResetWatches();
void ResetClipboard();

// Painting
void InvalidateWindow(Window* w, const TBandedRegion* clientArea, UINT rdwFlags);
void ExposeAfterChange(Window* parent, const RECT& areaInParentClient);
bool HasPendingPaint(HWND filter);
HWND FindWindowToPaint(HWND filter);
void ClearPaintState(Window* w);
void EnsureSurface(Window* top);
// The image of w's top-level window changed (or may change through a DC now handed out).
void ImageChanged(Window* w);
// Whether a DC on the top-level window's image is out (kept private DCs included): what is drawn through
// it shows without any further call, so the image counts as changing.
bool DrawingOn(const Window* top);
TBandedRegion VisibleRegionOf(Window* w, bool clientOnly); // in the top-level window's coordinates
void ReleaseWindowDCs(Window* w);
// A window tree that moves to another top-level window (SetParent) draws on that window's image: its own
// image goes and its private DCs are made again on the new image when next asked for.
void LeaveImage(Window* w);
HDC GetScreenDC();
bool ReleaseScreenDC(HDC dc);

// The window menu of the default frame.
void TrackSystemMenu(HWND hwnd, WPARAM how, POINT screen);
void ForgetSystemMenu(HWND hwnd);

// Carets are hidden while their window paints.
void HideCaretForPaint(HWND hwnd);
void ShowCaretAfterPaint(HWND hwnd);
void DestroyCaretOf(HWND hwnd);

// Layered and presenter notifications
void NotifyPresenterWindowChanged(Window* w);

} // namespace olva::win
