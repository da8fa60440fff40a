// Popups and hints on the headless screen, side by side in one process:
//   1. message dispatch (sent messages, posted messages, mouse moves) with the three popup hooks installed
//      and a popup shown, next to the same dispatch without the hooks (target: at most 1.2 times);
//   2. layout and paint of a full screen tip, next to the class library's plain hint window with the
//      same text;
//   3. a full repaint of each page of the popup and hint gallery (tests/ui/painters/gallery).
// Prints the best of several runs and the ratios.
//
//   olva_popup_hint_bench                         everything, in one process
//   olva_popup_hint_bench dispatch-hooks|dispatch-plain N   N dispatch rounds (for timing whole processes)
#include "PopupHintGallery.h"

#include "platform/vcl/CustomControl.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/HintWindow.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/Screen.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/core/UiCoreInit.h"
#include "ui/core/platform/SystemHooks.h"
#include "ui/painters/PaintersInit.h"
#include "ui/painters/hints/HintStyles.h"
#include "ui/painters/hints/ScreenTipWindow.h"
#include "ui/painters/hints/ScreenTips.h"
#include "ui/painters/popups/CustomPopupWindow.h"
#include "ui/painters/popups/PopupHooks.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int Runs = 15;
constexpr int DispatchRounds = 2000;

double Milliseconds(const std::function<void()>& AWork) {
    const auto start = Clock::now();
    AWork();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Best(int ARuns, const std::function<void()>& AWork) {
    double best = 1e30;
    for (int run = 0; run < ARuns; ++run)
        best = std::min(best, Milliseconds(AWork));
    return best;
}

long long Delivered = 0; // messages the bench window received

LRESULT CountingProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
    if (AMsg < WM_USER) return DefWindowProc(AWnd, AMsg, AWParam, ALParam);
    ++Delivered;
    return 1;
}

// What a busy moment of the message loop does: messages sent to a window, messages posted and taken
// from the queue, and mouse moves over the screen.
void DispatchRound(HWND AWindow, int ARounds) {
    for (int i = 0; i < ARounds; ++i) {
        SendMessage(AWindow, WM_USER + 1, i, 0);
        PostMessage(AWindow, WM_USER + 2, i, 0);
        olva::win::InjectMouse(olva::win::MouseAction::Move, 700 + (i % 50), 500);
        olva::win::PumpMessages();
    }
}

void RemovePopupHooks() {
    ovReleaseHook(&PopupMouseHook);
    ovReleaseHook(&PopupGetMessageHook);
    ovReleaseHook(&PopupCallWndProcHook);
}

void InstallPopupHooks() {
    ovSetHook(hkCallWndProc, &PopupCallWndProcHook);
    ovSetHook(hkGetMessage, &PopupGetMessageHook);
    ovSetHook(hkMouse, &PopupMouseHook);
}

// A form with an owner control and a popup dropped down from it, held open.
struct TShownPopup {
    TForm* form;
    TuiCustomPopupWindow* popup;
    TShownPopup() {
        form = TForm::CreateNew(nullptr);
        form->SetBounds(100, 100, 400, 300);
        form->Show();
        auto* owner = new TCustomControl(form);
        owner->SetBounds(20, 20, 80, 24);
        owner->SetParent(form);
        popup = TCustomForm::New<TuiCustomPopupWindow>(owner);
        popup->RunsModalLoop = false;
        popup->LockDeactivate();
        popup->SetBounds(0, 0, 160, 90);
        popup->AnchorBounds = owner->BoundsRect();
        popup->Popup();
        olva::win::PumpMessages();
    }
    ~TShownPopup() { delete form; }
};

void RunDispatch(HWND AWindow, bool AHooks, int ARounds) {
    TShownPopup shown;
    if (!AHooks) RemovePopupHooks();
    DispatchRound(AWindow, ARounds);
    if (!AHooks) InstallPopupHooks();
}

void ReportDispatch(HWND AWindow) {
    TShownPopup shown;
    Delivered = 0;
    const double withHooks = Best(Runs, [&] { DispatchRound(AWindow, DispatchRounds); });
    RemovePopupHooks();
    const double withoutHooks = Best(Runs, [&] { DispatchRound(AWindow, DispatchRounds); });
    InstallPopupHooks();
    std::printf(
        "Message dispatch, %d rounds of a sent message, a posted message and a mouse move (best of %d)\n",
        DispatchRounds, Runs);
    std::printf("  (%lld messages delivered; a popup shown: %s)\n", Delivered,
                IsWindowVisible(shown.popup->Handle()) ? "yes" : "no");
    std::printf("  without the popup hooks        %8.2f ms\n", withoutHooks);
    std::printf("  with the hooks, a popup shown  %8.2f ms   ratio %.3f   %s 1.2\n", withHooks,
                withHooks / withoutHooks, withHooks / withoutHooks <= 1.2 ? "within" : "OVER");
}

void ReportScreenTip() {
    auto* form = TForm::CreateNew(nullptr);
    auto* controller = new TuiCustomHintStyleController(form);
    controller->SetHintStyleClassName("TovScreenTipStyle");
    auto* repository = new TovScreenTipRepository(form);
    repository->StandardFooter()->SetText("Press F1 for more help.");
    TovScreenTip* tip = repository->Items()->Add();
    tip->Header()->SetText("Normalize");
    const std::string description = "Raises the level of the selection until its loudest sample reaches the "
                                    "target level. Without a selection the whole file is normalized.";
    tip->Description()->SetText(description);
    tip->SetUseStandardFooter(true);
    auto* screenTip = new TovScreenTipWindow(nullptr);
    screenTip->SetScreenTip(tip);
    auto* plain = new THintWindow(nullptr);
    const std::string plainText = "Normalize\n" + description + "\nPress F1 for more help.";
    auto showAndPaint = [](THintWindow* AWindow, const std::string& AText) {
        RECT r = AWindow->CalcHintRect(318, AText, nullptr);
        OffsetRect(&r, 200, 200);
        AWindow->ActivateHint(r, AText);
        RedrawWindow(AWindow->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    };
    constexpr int Repeats = 200;
    const double tipMs = Best(Runs, [&] {
        for (int i = 0; i < Repeats; ++i)
            showAndPaint(screenTip, "Normalize");
    });
    const double plainMs = Best(Runs, [&] {
        for (int i = 0; i < Repeats; ++i)
            showAndPaint(plain, plainText);
    });
    std::printf("Layout and paint of one hint, %d times (best of %d)\n", Repeats, Runs);
    std::printf("  class library's plain hint     %8.2f ms   %.3f ms each\n", plainMs, plainMs / Repeats);
    std::printf("  full screen tip                %8.2f ms   %.3f ms each   ratio %.2f\n", tipMs,
                tipMs / Repeats, tipMs / plainMs);
    delete plain;
    delete screenTip;
    delete form;
}

void ReportGallery() {
    using namespace popup_hint_gallery;
    std::printf("Full repaint of the popup and hint gallery (best of %d)\n", Runs);
    auto report = [](const std::string& AName, TGalleryPage& APage) {
        int visible = 0;
        for (HWND window : APage.Windows())
            visible += IsWindowVisible(window) ? 1 : 0;
        const double ms = Best(Runs, [&] { APage.Repaint(); });
        std::printf("  %-28s %8.2f ms   %2d windows   %s 16 ms\n", AName.c_str(), ms, visible,
                    ms < 16 ? "under" : "OVER");
    };
    olva::win::SetMonitors({{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}}});
    for (TuiLookAndFeelKind kind : RegisteredLooks()) {
        {
            TBorderStylesPage page(kind);
            report(std::string("border styles, ") + LookName(kind), page);
        }
        TSizingPanelsPage page(kind);
        report(std::string("sizing panels, ") + LookName(kind), page);
    }
    THintsPage hints;
    report("hints", hints);
}

} // namespace

int main(int argc, char** argv) {
    olva::win::BindWindowSystemToThisThread();
    InitializeVcl();
    uiCoreInitialize();
    uiPaintersInitialize();
    int status = 0;
    {
        WNDCLASS wc;
        wc.lpfnWndProc = &CountingProc;
        wc.lpszClassName = "PopupHintBenchWindow";
        RegisterClass(&wc);
        HWND window = CreateWindowEx(0, "PopupHintBenchWindow", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                     nullptr, nullptr);
        if (argc == 3) {
            const std::string which = argv[1];
            const int rounds = std::max(1, std::atoi(argv[2]));
            if (which == "dispatch-hooks" || which == "dispatch-plain") {
                RunDispatch(window, which == "dispatch-hooks", rounds);
            } else {
                std::fprintf(stderr, "unknown measurement %s\n", which.c_str());
                status = 2;
            }
        } else {
            ReportDispatch(window);
            ReportScreenTip();
            ReportGallery();
        }
        DestroyWindow(window);
    }
    uiPaintersFinalize();
    uiCoreFinalize();
    FinalizeVcl();
    return status;
}
