// The window of a toolbar: docked it is a child of its dock, floating an owned tool window that never
// activates and draws its own frame and caption. It answers its own hit tests (edges size a floating
// toolbar, the grip and caption drag it), keeps a floating toolbar's size to what its links allow while
// the platform's sizing loop runs, and swaps between the windows of both states during a drag so that no
// window is made or freed while the mouse moves.
#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/rtl/Numerics.h"
#include "platform/vcl/Form.h"
#include "platform/win/Painting.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStructs.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/bars/painting/BarSystemServices.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"

#include <algorithm>

namespace {

// Posted to itself: the double-click's change of docking frees the window, so it runs on its own.
constexpr UINT WM_OVBAR_TOGGLEDOCKING = 0x8000 + 220;
// A floating toolbar's caption stays reachable: its top never goes above this.
constexpr int kTopmostFloatingTop = -15;
// What a hit on the floating caption's close button answers.
constexpr int kCloseButtonHit = 20;
constexpr int kCloseButtonIndex = -2;

} // namespace

void TovBarControl::CreateParams(TovBarWindowParams& AParams) const {
    if (DockingStyleOf() != dsNone) {
        // Without a dock window to live in, the toolbar is a window of its own like any bar.
        if (FDockControl == nullptr || FDockControl->Handle() == nullptr) {
            TovBarDockedControl::CreateParams(AParams);
            return;
        }
        AParams.Style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
        AParams.ExStyle = 0;
        AParams.Parent = FDockControl->Handle();
        return;
    }
    AParams.Style = WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    AParams.ExStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    TCustomForm* form = FManager != nullptr ? FManager->GetParentForm() : nullptr;
    AParams.Parent = form != nullptr && form->HandleAllocated() ? form->Handle() : nullptr;
}

bool TovBarControl::HasOwnFrame() const {
    if (DockingStyleOf() == dsNone) return true;
    return FDockControl != nullptr && FDockControl->Handle() != nullptr;
}

TRect TovBarControl::BorderSizes() const {
    TRect r{};
    if (TovBarPainter* painter = GetPainter())
        painter->BarBorderSizes(FBar, DockingStyleOf(), r, HasSizeGrip());
    return r;
}

IovBarDock* TovBarControl::DockControl() const {
    return FDockControl;
}

RECT TovBarControl::ScreenBounds() const {
    if (FHandle != nullptr) {
        RECT r{};
        ::GetWindowRect(FHandle, &r);
        return r;
    }
    if (DockingStyleOf() != dsNone && FDockControl != nullptr) {
        const TPoint origin = FDockControl->ClientToScreen(TPoint{0, 0});
        return RECT{origin.x + FBoundsInDock.left, origin.y + FBoundsInDock.top,
                    origin.x + FBoundsInDock.right, origin.y + FBoundsInDock.bottom};
    }
    return BoundsRect();
}

// ---- Place

void TovBarControl::ChangeStyle(TovBarDockingStyle AStyle, IovBarDock* ADock) {
    if (FBar == nullptr || FManager == nullptr || BeingDestroyed()) return;
    auto* dock = AStyle != dsNone ? dynamic_cast<TovDockControl*>(ADock) : nullptr;
    if (AStyle != dsNone && dock == nullptr)
        dock = dynamic_cast<TovDockControl*>(FManager->Bars()->DockControls(AStyle));
    const bool wasDocked = DockingStyleOf() != dsNone;
    const HWND oldParent = FDockControl != nullptr ? FDockControl->Handle() : nullptr;
    if (FDockControl != nullptr && FDockControl != dock) FDockControl->UndockBarControl(this, true);
    if (AStyle != DockingStyleOf()) FTruncated = false;
    FStyle = AStyle;
    FHasStyle = true;
    FDockControl = dock;
    const bool docked = AStyle != dsNone;
    if (FMoving) {
        SwapToStateWindow();
        return;
    }
    // Outside a drag the window is made again for its new state.
    const HWND newParent = dock != nullptr ? dock->Handle() : nullptr;
    if (FHandle != nullptr && (wasDocked != docked || (docked && oldParent != newParent))) DestroyHandle();
}

void TovBarControl::InsertAt(POINT AScreenPoint) {
    const TovBarDockingStyle style = DockingStyleOf();
    TSize size{};
    if (style != dsNone && FDockControl != nullptr) {
        FDockControl->HandleNeeded();
        if (FDockControl->IsBuiltIn()) ovArrangeBuiltInDocks(FManager);
        CalcSizeForDockingStyle(style, size);
        const TPoint client = FDockControl->ScreenToClient(TPoint{AScreenPoint.x, AScreenPoint.y});
        FBoundsInDock = TRect{client.x, client.y, client.x + size.cx, client.y + size.cy};
        if (!FMoving) HandleNeeded();
        // Outside a drag the window takes the place its bar keeps.
        const bool fromModel = !FManager->Bars()->Moving();
        if (fromModel) BeginInternalUpdate();
        FDockControl->DockBarControl(this, client, true);
        if (fromModel) EndInternalUpdate();
        return;
    }
    CalcSizeForDockingStyle(dsNone, size);
    POINT topLeft = AScreenPoint;
    if (FMoving && FGrabSize.cx > 0 && FGrabSize.cy > 0) {
        // During a drag the point is the mouse: the grab point goes under it.
        topLeft.x -= MulDiv(size.cx, FGrabPoint.x, FGrabSize.cx);
        topLeft.y -= MulDiv(size.cy, FGrabPoint.y, FGrabSize.cy);
    }
    const TRect bounds{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy};
    FWindowRect = TRect{0, 0, size.cx, size.cy};
    if (!FMoving) HandleNeeded();
    SetBounds(bounds);
    if (FHandle != nullptr)
        ::SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TovBarControl::MoveInDock(POINT AScreenPoint) {
    if (FDockControl == nullptr) return;
    FDockControl->MoveBarControl(this, FDockControl->ScreenToClient(TPoint{AScreenPoint.x, AScreenPoint.y}));
}

void TovBarControl::RemoveFromDock() {
    if (FDockControl != nullptr) FDockControl->UndockBarControl(this, true);
}

void TovBarControl::DoRebuild(bool ARecreateControls) {
    TovBarDockedControl::DoRebuild(ARecreateControls);
    if (FHandle == nullptr || IsInternalUpdating()) return;
    if (DockingStyleOf() != dsNone) {
        if (FDockControl != nullptr) FDockControl->UpdateDock();
        return;
    }
    // A floating toolbar takes the size its links need at its current client width.
    TSize size{};
    CalcFloatingSize(dsNone, uiWidthOfRect(FClientRect), size);
    const TRect borders = BorderSizes();
    const TRect bounds = BoundsRect();
    const TRect wanted{bounds.left, bounds.top, bounds.left + size.cx + borders.left + borders.right,
                       bounds.top + size.cy + borders.top + borders.bottom};
    if (wanted != bounds) {
        BeginInternalUpdate();
        SetBounds(wanted);
        EndInternalUpdate();
    }
}

void TovBarControl::DoWindowPosChanged() {
    TovBarDockedControl::DoWindowPosChanged();
    if (FMoving || IsInternalUpdating() || BeingDestroyed()) return;
    if (DockingStyleOf() == dsNone) SavePosition();
    // An open quick customization popup stays at the mark.
    MoveQuickPopup();
}

void TovBarControl::CreateWindowHandle() {
    TovBarDockedControl::CreateWindowHandle();
    if (FHandle == nullptr) return;
    ::SetWindowText(FHandle, GetCaption().c_str());
    UpdateTransparency();
}

void TovBarControl::UpdateFrame() {
    if (FHandle == nullptr) return;
    ::SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Rebuild();
}

void TovBarControl::CaptionChanged() {
    if (FHandle == nullptr) return;
    ::SetWindowText(FHandle, GetCaption().c_str());
    PaintNonClient();
}

void TovBarControl::FontChanged() {
    CalcMetrics();
    if (IsInternalUpdating()) return;
    HotTrackItemControl(nullptr);
    Rebuild();
}

void TovBarControl::UpdateTransparency() {
    const BYTE alpha =
        FBar != nullptr && DockingStyleOf() == dsNone && !IsInternal() ? FBar->AlphaBlendValue() : 255;
    if (FHandle != nullptr) ovBarSetWindowAlpha(FHandle, alpha);
    if (FMoving && FFloatingHandle != nullptr && FFloatingHandle != FHandle)
        ovBarSetWindowAlpha(FFloatingHandle,
                            FBar != nullptr && !IsInternal() ? FBar->AlphaBlendValue() : 255);
}

// ---- Moving with the windows of both states

HWND TovBarControl::CreateStateWindow(bool ADocked) {
    char className[64] = {};
    if (FHandle == nullptr || ::GetClassName(FHandle, className, sizeof(className)) == 0) return nullptr;
    TCustomForm* form = FManager != nullptr ? FManager->GetParentForm() : nullptr;
    HWND formHandle = form != nullptr && form->HandleAllocated() ? form->Handle() : nullptr;
    HWND parent = formHandle;
    if (ADocked) {
        auto* dock = FDockControl != nullptr
                         ? FDockControl
                         : dynamic_cast<TovDockControl*>(FManager->Bars()->DockControls(dsTop));
        if (dock != nullptr && dock->Handle() != nullptr) parent = dock->Handle();
    }
    const DWORD style =
        ADocked ? WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN : WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    const DWORD exStyle = ADocked ? 0 : WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    HWND wnd =
        ::CreateWindowEx(exStyle, className, "", style, 0, 0, 10, 10, parent, nullptr, nullptr, nullptr);
    if (wnd != nullptr) ::SetWindowLongPtr(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    return wnd;
}

void TovBarControl::BeginMoving() {
    if (FMoving || FHandle == nullptr) return;
    const bool docked = DockingStyleOf() != dsNone;
    RECT window{};
    ::GetWindowRect(FHandle, &window);
    // Where the mouse was when the press that starts the drag happened.
    const DWORD pos = ::GetMessagePos();
    const POINT cursor{static_cast<short>(LOWORD(pos)), static_cast<short>(HIWORD(pos))};
    FGrabPoint = POINT{cursor.x - window.left, cursor.y - window.top};
    FGrabSize = SIZE{window.right - window.left, window.bottom - window.top};
    FDockedHandle = docked ? FHandle : CreateStateWindow(true);
    FFloatingHandle = docked ? CreateStateWindow(false) : FHandle;
    FMoving = true;
    // The floating window of the drag shows as the toolbar will when it floats.
    UpdateTransparency();
}

void TovBarControl::SwapToStateWindow() {
    const bool docked = DockingStyleOf() != dsNone;
    HWND target = docked ? FDockedHandle : FFloatingHandle;
    if (target == nullptr) return;
    if (docked && FDockControl != nullptr && FDockControl->Handle() != nullptr &&
        ::GetParent(target) != FDockControl->Handle())
        ::SetParent(target, FDockControl->Handle());
    if (target == FHandle) return;
    HWND previous = FHandle;
    FHandle = target;
    if (previous != nullptr) ::ShowWindow(previous, SW_HIDE);
    FVisible = false;
    UpdateTransparency();
}

void TovBarControl::EndMoving() {
    if (!FMoving) return;
    FMoving = false;
    for (HWND spare : {FDockedHandle, FFloatingHandle})
        if (spare != nullptr && spare != FHandle) {
            ::SetWindowLongPtr(spare, GWLP_USERDATA, 0);
            ::DestroyWindow(spare);
        }
    FDockedHandle = nullptr;
    FFloatingHandle = nullptr;
    SavePosition();
}

void TovBarControl::ToggleDocking() {
    if (FBar == nullptr || FManager == nullptr) return;
    TovBar* bar = FBar;
    if (DockingStyleOf() != dsNone) {
        bar->ChangeDockingStyle(dsNone, nullptr);
        return;
    }
    const TovBarDockingStyle style = bar->DockedDockingStyle() != dsNone ? bar->DockedDockingStyle() : dsTop;
    IovBarDock* dock = bar->DockedDockControl();
    if (dock == nullptr && bar->DockedLeft() == 0 && bar->DockedTop() == 0) {
        // Never docked: a new row after the others.
        IovBarDock* target = FManager->Bars()->DockControls(style);
        if (target != nullptr) {
            bar->DockAt(style, target, target->RowCount(), 0);
            return;
        }
    }
    bar->ChangeDockingStyle(style, dock);
}

// ---- Hit tests and sizing

int TovBarControl::LogicalHitTest(POINT AWindowPoint) const {
    RECT window{};
    if (FHandle != nullptr)
        ::GetWindowRect(FHandle, &window);
    else
        window = BoundsRect();
    const int width = window.right - window.left, height = window.bottom - window.top;
    const TRect borders = BorderSizes();
    const POINT p = AWindowPoint;
    TovBarPainter* painter = GetPainter();
    if (DockingStyleOf() == dsNone && painter != nullptr) {
        const int frameWidth = painter->GetFloatingFrameWidth(),
                  frameHeight = painter->GetFloatingFrameHeight();
        if (p.y < frameHeight) return HTTOP;
        if (p.x >= width - frameWidth) return HTRIGHT;
        if (p.y >= height - frameHeight) return HTBOTTOM;
        if (p.x < frameWidth) return HTLEFT;
        if (HasCloseButton()) {
            TRect caption{};
            painter->GetBarCaptionRect(FBar, TRect{0, 0, width, height}, caption);
            const int size = painter->BarCaptionHeight();
            if (p.x >= caption.right - size && p.x < caption.right && p.y >= caption.top &&
                p.y < caption.bottom)
                return kCloseButtonHit;
        }
    }
    const TPoint client{p.x - borders.left, p.y - borders.top};
    if (client.x < 0 || client.y < 0 || client.x >= width - borders.left - borders.right ||
        client.y >= height - borders.top - borders.bottom)
        return HTCAPTION;
    const TRect mark = GetMarkRectInWindow();
    if (HasMark() && client.x >= mark.left && client.x < mark.right && client.y >= mark.top &&
        client.y < mark.bottom)
        return HTCLIENT;
    TovBarItemControl* control = ItemControlAtPos(client);
    return control != nullptr || IsCustomizing() ? HTCLIENT : HTCAPTION;
}

RECT TovBarControl::SizingRect(const RECT& AWanted, int AEdge) const {
    RECT current{};
    if (FHandle != nullptr)
        ::GetWindowRect(FHandle, &current);
    else
        current = BoundsRect();
    auto* self = const_cast<TovBarControl*>(this);
    const int horz = GetHorzBorderSize(dsNone), vert = GetVertBorderSize(dsNone);
    RECT r = AWanted;
    TSize size{};
    switch (AEdge) {
    case WMSZ_LEFT:
    case WMSZ_RIGHT:
        self->CalcFloatingSize(dsNone, AWanted.right - AWanted.left - horz, size);
        if (AEdge == WMSZ_LEFT)
            r.left = AWanted.right - (size.cx + horz);
        else
            r.right = AWanted.left + size.cx + horz;
        r.top = current.top;
        r.bottom = current.top + size.cy + vert;
        break;
    case WMSZ_TOP:
    case WMSZ_BOTTOM:
        self->CalcFloatingSizeByHeight(dsNone, AWanted.bottom - AWanted.top - vert, size);
        r.left = current.left;
        r.right = current.left + size.cx + horz;
        if (AEdge == WMSZ_TOP)
            r.top = AWanted.bottom - (size.cy + vert);
        else
            r.bottom = AWanted.top + size.cy + vert;
        break;
    default:
        // No sizing from a corner.
        r = current;
        break;
    }
    if (r.top < kTopmostFloatingTop) {
        r.bottom += kTopmostFloatingTop - r.top;
        r.top = kTopmostFloatingTop;
    }
    return r;
}

void TovBarControl::KeepOnScreen(WINDOWPOS& APos) const {
    if ((APos.flags & SWP_NOMOVE) != 0 && (APos.flags & SWP_NOSIZE) != 0) return;
    RECT current{};
    if (FHandle != nullptr) ::GetWindowRect(FHandle, &current);
    RECT r{APos.x, APos.y, APos.x + APos.cx, APos.y + APos.cy};
    if ((APos.flags & SWP_NOMOVE) != 0) OffsetRect(&r, current.left - r.left, current.top - r.top);
    if ((APos.flags & SWP_NOSIZE) != 0) {
        r.right = r.left + (current.right - current.left);
        r.bottom = r.top + (current.bottom - current.top);
    }
    // A toolbar that reaches into the work area of some monitor stays where it is put.
    MONITORINFO info{};
    HMONITOR nearest = ::MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST);
    if (nearest != nullptr && ::GetMonitorInfo(nearest, &info)) {
        RECT overlap{};
        if (::IntersectRect(&overlap, &r, &info.rcWork)) return;
    }
    POINT cursor{};
    ::GetCursorPos(&cursor);
    if (!::GetMonitorInfo(::MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST), &info)) return;
    const RECT work = info.rcWork;
    const int width = r.right - r.left, height = r.bottom - r.top;
    int x = r.left, y = r.top;
    if (r.right <= work.left)
        x = work.left;
    else if (r.left >= work.right)
        x = work.right - width;
    if (r.bottom <= work.top)
        y = work.top;
    else if (r.top >= work.bottom)
        y = work.bottom - height;
    APos.x = x;
    APos.y = y;
    APos.flags &= ~SWP_NOMOVE;
}

// ---- Messages

void TovBarControl::Paint(TuiCanvas* ACanvas) {
    if (IsTextRotated()) ACanvas->SetFontAngle(270);
    TovBarDockedControl::Paint(ACanvas);
    TovBarPainter* painter = GetPainter();
    if (painter == nullptr) return;
    HDC dc = ACanvas->Handle();
    // The group lines, then the docked mark, over the background the items left.
    for (const TSeparator& separator : FSeparators)
        painter->BarDrawSeparator(this, dc, separator.Horizontal, GetBackgroundBrush(), separator.Bounds);
    if (HasMark() && DockingStyleOf() != dsNone)
        painter->BarDrawMark(this, dc, GetBackgroundBrush(), GetMarkRectInWindow());
}

void TovBarControl::PaintNonClient() {
    if (FHandle == nullptr) return;
    TovBarPainter* painter = GetPainter();
    if (painter == nullptr) return;
    RECT screen{};
    ::GetWindowRect(FHandle, &screen);
    const TRect window{0, 0, screen.right - screen.left, screen.bottom - screen.top};
    const TRect borders = BorderSizes();
    HDC dc = ::GetWindowDC(FHandle);
    if (dc == nullptr) return;
    ::ExcludeClipRect(dc, borders.left, borders.top, window.right - borders.right,
                      window.bottom - borders.bottom);
    ::FillRect(dc, &window, GetBackgroundBrush());
    FWindowRect = window;
    if (DockingStyleOf() == dsNone) {
        painter->BarPaintFloatingFrame(this, dc, window);
        if (HasCaption()) {
            TRect caption{};
            painter->GetBarCaptionRect(FBar, window, caption);
            painter->BarDrawFloatingBarCaption(this, dc, GetBackgroundBrush(), window, caption);
        }
    } else {
        TRect frame = window;
        painter->BarDrawDockedBarBorder(this, dc, frame);
    }
    ::ReleaseDC(FHandle, dc);
}

int TovBarControl::GetCaptionButtonAtPos(POINT P) const {
    if (DockingStyleOf() == dsNone && LogicalHitTest(P) == kCloseButtonHit) return kCloseButtonIndex;
    return TovBarDockedControl::GetCaptionButtonAtPos(P);
}

void TovBarControl::CaptionButtonClick(int AIndex) {
    if (AIndex != kCloseButtonIndex) {
        TovBarDockedControl::CaptionButtonClick(AIndex);
        return;
    }
    TovBar* bar = FBar;
    TovBarManager* manager = FManager;
    bar->SetVisible(false);
    manager->DesignerModified();
    manager->OnBarClose(manager, bar);
}

void TovBarControl::UpdateCaptionButtonStates(POINT P, bool APressed, int AIndex) {
    if (AIndex != kCloseButtonIndex) {
        TovBarDockedControl::UpdateCaptionButtonStates(P, APressed, AIndex);
        return;
    }
    const bool over = GetCaptionButtonAtPos(P) == kCloseButtonIndex;
    const int state = APressed && over ? 2 : (over || APressed ? 1 : 0);
    if (state != FCloseButtonState) {
        FCloseButtonState = state;
        if (FHandle != nullptr) PaintNonClient();
    }
}

void TovBarControl::WndProc(TMessage& AMessage) {
    if (AMessage.Msg == WM_TIMER && AMessage.WParam == 1 && FMarkHintTimer) {
        MarkHintTimer();
        return;
    }
    if (!HasOwnFrame()) {
        TovBarDockedControl::WndProc(AMessage);
        return;
    }
    switch (AMessage.Msg) {
    case WM_NCCALCSIZE: {
        auto* r = reinterpret_cast<RECT*>(AMessage.LParam);
        const TRect borders = BorderSizes();
        r->left += borders.left;
        r->top += borders.top;
        r->right = std::max(r->left, r->right - borders.right);
        r->bottom = std::max(r->top, r->bottom - borders.bottom);
        AMessage.Result = 0;
        return;
    }
    case WM_NCPAINT:
        PaintNonClient();
        AMessage.Result = 0;
        return;
    case WM_NCHITTEST: {
        RECT window{};
        ::GetWindowRect(FHandle, &window);
        const POINT p{static_cast<short>(LOWORD(AMessage.LParam)) - window.left,
                      static_cast<short>(HIWORD(AMessage.LParam)) - window.top};
        const int hit = LogicalHitTest(p);
        // The edges size a floating toolbar through the platform's loop; everything else is the client's.
        AMessage.Result = hit == HTLEFT || hit == HTTOP || hit == HTRIGHT || hit == HTBOTTOM ? hit : HTCLIENT;
        return;
    }
    case WM_SETFOCUS:
        // A toolbar never takes the focus.
        return;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(AMessage.LParam);
        info->ptMinTrackSize = POINT{10, 10};
        info->ptMaxSize = POINT{30000, 30000};
        info->ptMaxPosition = POINT{30000, 30000};
        info->ptMaxTrackSize = POINT{30000, 30000};
        AMessage.Result = 0;
        return;
    }
    case WM_SIZING:
        if (DockingStyleOf() != dsNone) break;
        *reinterpret_cast<RECT*>(AMessage.LParam) =
            SizingRect(*reinterpret_cast<RECT*>(AMessage.LParam), static_cast<int>(AMessage.WParam));
        AMessage.Result = TRUE;
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        const TRect borders = BorderSizes();
        const POINT p{static_cast<short>(LOWORD(AMessage.LParam)) + borders.left,
                      static_cast<short>(HIWORD(AMessage.LParam)) + borders.top};
        const int hit = LogicalHitTest(p);
        // A quick second press on the close button is a press like any other.
        if (hit == kCloseButtonHit) {
            BeginCaptionButtonTracking(p);
            ::SetCapture(FHandle);
            return;
        }
        if (hit != HTCAPTION) break;
        if (AMessage.Msg == WM_LBUTTONDBLCLK) {
            ::PostMessage(FHandle, WM_OVBAR_TOGGLEDOCKING, 0, 0);
            return;
        }
        if (DockingStyleOf() != dsNone && !CanMove()) return;
        TovBar* bar = FBar;
        TovBars* bars = FManager->Bars();
        HWND capture = FHandle;
        BeginMoving();
        bars->DragBar(bar, capture);
        if (bar->GetControl() == this) EndMoving();
        return;
    }
    case WM_MOUSEMOVE:
        if (TrackedCaptionButton() == kCloseButtonIndex) {
            const TRect borders = BorderSizes();
            TrackCaptionButton(POINT{static_cast<short>(LOWORD(AMessage.LParam)) + borders.left,
                                     static_cast<short>(HIWORD(AMessage.LParam)) + borders.top});
            return;
        }
        break;
    case WM_LBUTTONUP:
        if (TrackedCaptionButton() == kCloseButtonIndex) {
            const TRect borders = BorderSizes();
            const HWND wnd = FHandle;
            // The click may hide the bar and free this window: only the handle is looked at afterwards.
            EndCaptionButtonTracking(POINT{static_cast<short>(LOWORD(AMessage.LParam)) + borders.left,
                                           static_cast<short>(HIWORD(AMessage.LParam)) + borders.top});
            if (::GetCapture() == wnd) ::ReleaseCapture();
            return;
        }
        break;
    case WM_CAPTURECHANGED:
        CancelCaptionButtonTracking();
        break;
    case WM_WINDOWPOSCHANGING:
        if (DockingStyleOf() == dsNone) KeepOnScreen(*reinterpret_cast<WINDOWPOS*>(AMessage.LParam));
        break;
    case WM_OVBAR_TOGGLEDOCKING:
        ToggleDocking();
        return;
    default:
        break;
    }
    TovBarDockedControl::WndProc(AMessage);
}
