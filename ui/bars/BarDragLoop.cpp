// The toolbar drag loop of TovBars: finding the dock a moved toolbar would dock in, the wait before a
// floating toolbar docks, and the modal loop that follows the mouse until the button is released.
#include "platform/vcl/Application.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarWindows.h"

namespace {

// The drag whose docking-wait timer is running (one drag at a time, on the GUI thread).
TovBars* WaitingBars = nullptr;
TovBar* WaitingBar = nullptr;

constexpr TovBarDockingStyle kStyleOrder[] = {dsLeft, dsRight, dsTop, dsBottom};

} // namespace

bool TovBars::InDockingZone(IovBarDock* ADock, POINT APoint) const {
    RECT zone = ADock->ScreenBounds();
    zone.left -= DockingZoneSize;
    zone.right += DockingZoneSize;
    if (ADock->DockingStyle() == dsTop || ADock->DockingStyle() == dsBottom) {
        zone.top -= DockingZoneSize;
        zone.bottom += DockingZoneSize;
    }
    return APoint.x >= zone.left && APoint.x < zone.right && APoint.y >= zone.top && APoint.y < zone.bottom;
}

TovBarDockingStyle TovBars::FindDockingTarget(TovBar* ABar, POINT AScreenPoint, bool ACtrl,
                                              IovBarDock*& ADock) const {
    ADock = nullptr;
    if (FMoving && ACtrl) return dsNone;
    auto search = [&](POINT APoint) -> TovBarDockingStyle {
        for (TovBarDockingStyle style : kStyleOrder)
            for (int i = 0; i < FManager->DockControlCount(); ++i) {
                IovBarDock* dock = FManager->DockControls(i);
                if (dock->DockingStyle() != style) continue;
                if (!dock->CanFocus() && !FManager->IsDesigning()) continue;
                if (!FManager->CanDock(ABar, style, dock)) continue;
                if (!InDockingZone(dock, APoint)) continue;
                if (dock->HasWindow() && !dock->IsTopmostAt(APoint)) continue;
                ADock = dock;
                return style;
            }
        return dsNone;
    };
    TovBarDockingStyle style = search(AScreenPoint);
    if (style == dsNone && FMoving)
        style = search(POINT{AScreenPoint.x - FGrabOffset.x, AScreenPoint.y - FGrabOffset.y});
    return style;
}

void TovBars::DockingWaitTimerProc(HWND, UINT, UINT_PTR AId, DWORD) {
    KillTimer(nullptr, AId);
    TovBars* bars = WaitingBars;
    TovBar* bar = WaitingBar;
    WaitingBars = nullptr;
    WaitingBar = nullptr;
    if (bars == nullptr || bars->FDockingWaitTimer != AId) return;
    bars->FDockingWaitTimer = 0;
    POINT cursor{};
    GetCursorPos(&cursor);
    bars->MoveBarTo(bar, POINT{cursor.x + bars->FGrabOffset.x, cursor.y + bars->FGrabOffset.y}, false, true);
}

void TovBars::MoveBarTo(TovBar* ABar, POINT AScreenPoint, bool ACtrl, bool ADocking) {
    IovBarControl* control = ABar->GetControl();
    IovBarDock* dock = nullptr;
    const TovBarDockingStyle style = FindDockingTarget(ABar, AScreenPoint, ACtrl, dock);
    if (!FManager->CanDock(ABar, style, dock)) return;
    const bool floating =
        control != nullptr ? control->DockingStyle() == dsNone : ABar->GetRealDockControl() == nullptr;
    if (floating && style != dsNone && !ADocking) {
        // A floating bar docks only after resting over the dock for WaitForDockingTime.
        if (FDockingWaitTimer != 0) KillTimer(nullptr, FDockingWaitTimer);
        WaitingBars = this;
        WaitingBar = ABar;
        FDockingWaitTimer = SetTimer(nullptr, 0, static_cast<UINT>(FManager->WaitForDockingTime()),
                                     &TovBars::DockingWaitTimerProc);
        return;
    }
    POINT point = AScreenPoint;
    if (style == dsNone) {
        point.x -= FGrabOffset.x;
        point.y -= FGrabOffset.y;
    }
    if (control == nullptr) {
        ABar->ChangeDockingStyle(style, dock);
        return;
    }
    if (style == control->DockingStyle() && dock == control->DockControl()) {
        if (style != dsNone)
            control->MoveInDock(point);
        else
            control->InsertAt(point);
        return;
    }
    // The window takes its new place first, so the bar's style follows it without remaking the window.
    if (control->DockingStyle() != dsNone) control->RemoveFromDock();
    control->ChangeStyle(style, dock);
    ABar->ChangeDockingStyle(style, dock);
    if (ABar->GetControl() != control) return;
    control->InsertAt(point);
    control->Show();
}

void TovBars::DragBar(TovBar* ABar, HWND ACaptureWindow) {
    IovBarControl* control = ABar->GetControl();
    if (control == nullptr) return;
    if (control->DockingStyle() != dsNone) control->SavePosition();
    FMoving = true;
    FMovingBar = ABar;
    FGrabOffset = POINT{};
    // Where the mouse was when the drag began: the position of the message that started it.
    const DWORD start = GetMessagePos();
    FLastPoint = POINT{static_cast<short>(LOWORD(start)), static_cast<short>(HIWORD(start))};
    const RECT bounds = control->ScreenBounds();
    if (control->DockingStyle() != dsNone) {
        if (control->DockingStyle() == dsTop || control->DockingStyle() == dsBottom)
            FGrabOffset.x = bounds.left - FLastPoint.x;
        else
            FGrabOffset.y = bounds.top - FLastPoint.y;
    } else {
        FGrabOffset = POINT{bounds.left - FLastPoint.x, bounds.top - FLastPoint.y};
    }
    SetCapture(ACaptureWindow);
    struct TFinally {
        TovBars* Bars;
        HWND Capture;
        ~TFinally() {
            if (Bars->FDockingWaitTimer != 0) {
                KillTimer(nullptr, Bars->FDockingWaitTimer);
                Bars->FDockingWaitTimer = 0;
            }
            WaitingBars = nullptr;
            if (GetCapture() == Capture) ReleaseCapture();
            if (IovBarControl* control = Bars->FMovingBar ? Bars->FMovingBar->GetControl() : nullptr)
                if (IovBarDock* dock = control->DockControl()) dock->UpdateDock();
            Bars->FMoving = false;
            Bars->FMovingBar = nullptr;
        }
    } finish{this, ACaptureWindow};
    MSG msg{};
    while (GetCapture() == ACaptureWindow) {
        if (GetMessage(&msg, nullptr, 0, 0) <= 0) {
            if (msg.message == WM_QUIT) PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        switch (msg.message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
            if (msg.wParam == VK_CONTROL) {
                POINT cursor{};
                GetCursorPos(&cursor);
                MoveBarTo(ABar, POINT{cursor.x + FGrabOffset.x, cursor.y + FGrabOffset.y},
                          (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0, false);
            } else if (msg.wParam == VK_ESCAPE) {
                return;
            }
            break;
        case WM_MOUSEMOVE: {
            // Where the mouse was when it moved, in screen coordinates.
            const POINT cursor = msg.pt;
            if (cursor.x != FLastPoint.x || cursor.y != FLastPoint.y) {
                FLastPoint = cursor;
                MoveBarTo(ABar, POINT{cursor.x + FGrabOffset.x, cursor.y + FGrabOffset.y},
                          (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0, false);
            }
            break;
        }
        case WM_LBUTTONUP:
            return;
        default:
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }
}
