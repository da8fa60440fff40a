// The bar system's one hint: which window shows it, when it shows and when it goes. A hint asked for
// waits for the window's show pause (1000 ms; screen-tip style hints 1000 ms too), stays for the hide
// time (10 s; screen tips 200 s), and a hint asked for within 400 ms of the last one going shows at once.
// The state is process-wide: every manager shares the window and its timers.
#pragma once

#include "platform/rtl/WeakLink.h"
#include "platform/rtl/WinTypes.h"

#include <memory>
#include <string>

class THintWindow;
class TObject;
class TovBarManager;

// How long each wait of the bar hint lasts.
constexpr unsigned ovBarCustomHintShowDelay = 1000;
constexpr unsigned ovBarCustomHintHideDelay = 10000;
constexpr unsigned ovBarHintQuickShowTime = 400;

class TovBarHintController {
public:
    static TovBarHintController& Instance();

    // AShow: a hint is wanted for AObject (an item control, a caption button, ...), with AText when the
    // caller knows it already; otherwise the hint goes.
    void ActivateHint(TovBarManager* AManager, bool AShow, const std::string& AText, TObject* AObject);
    void HideHint(TovBarManager* AManager) { ActivateHint(AManager, false, std::string(), nullptr); }
    // Stops the timers the manager runs (it is going).
    void ManagerDestroyed(TovBarManager* AManager);
    // Frees the window and resets everything (the bar unit's end).
    void Reset();

    THintWindow* Window() const { return FWindow.get(); }
    bool IsWindowVisible() const;
    bool Shown() const { return FShown; }
    bool Requested() const { return FRequested; }
    bool QuickShow() const { return FQuickShow; }
    bool CustomHint() const { return FCustomHint; }
    bool HintTimerRunning() const { return FHintTimer != 0; }
    // The shortcut text of the hint shown last (screen tips read it).
    const std::string& ShortCutText() const { return FShortCutText; }

private:
    TovBarHintController() = default;
    void EnsureWindowClass(bool ACustom);
    void StartHintTimer(unsigned AElapse, bool AShowing);
    void KillHintTimer();
    void StartQuickShowTimer();
    void ShowHint();
    bool ShowText(std::string AText, std::string AShortCut);
    void HideWindow();
    static void HintTimerProc(HWND, UINT, UINT_PTR, DWORD);
    static void QuickShowTimerProc(HWND, UINT, UINT_PTR, DWORD);

    std::unique_ptr<THintWindow> FWindow;
    TWeakLink<TovBarManager> FManager;
    TWeakLink<TObject> FObject;
    std::string FText;
    std::string FShortCutText;
    UINT_PTR FHintTimer = 0;
    bool FHintTimerShows = false;
    UINT_PTR FQuickShowTimer = 0;
    bool FQuickShow = false;
    bool FRequested = false;
    bool FShown = false;
    bool FCustomHint = false;
};
