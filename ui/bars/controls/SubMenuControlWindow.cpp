// The menu's window: created when the menu shows, placed beside its owner inside the monitor, opened with
// the manager's animation, painted through the bar painter, closed along the chain of open menus.
#include "ui/bars/controls/SubMenuControl.h"

#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Messages.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/controls/CustomBarControlViewInfo.h"
#include "ui/bars/controls/SubMenuControlAnimation.h"
#include "ui/bars/controls/SubMenuControlPlacement.h"
#include "ui/bars/controls/SubMenuControlTimers.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/bars/painting/BarSystemServices.h"
#include "ui/core/base/ExceptionReport.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/core/graphics/Canvas.h"

#include <random>

namespace {

constexpr const char* MenuWindowClass = "TovBarSubMenuWindow";
constexpr int MenuFadeTime = 150;

LRESULT MenuWindowProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam) {
    auto* menu = reinterpret_cast<TovBarSubMenuControl*>(GetWindowLongPtr(AWnd, GWLP_USERDATA));
    if (menu == nullptr) return DefWindowProc(AWnd, AMsg, AWParam, ALParam);
    TMessage message{AMsg, AWParam, ALParam, 0};
    // Nothing may unwind through the window system's dispatch.
    try {
        menu->MenuWndProc(message);
    } catch (...) {
        uiHandleException(menu);
    }
    return message.Result;
}

void RegisterMenuWindowClass() {
    WNDCLASS existing;
    if (GetClassInfo(nullptr, MenuWindowClass, &existing)) return;
    WNDCLASS wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &MenuWindowProc;
    wc.lpszClassName = MenuWindowClass;
    RegisterClass(&wc);
}

TPoint MenuPointFromLParam(LPARAM ALParam) {
    return TPoint{static_cast<short>(ALParam & 0xFFFF), static_cast<short>((ALParam >> 16) & 0xFFFF)};
}

} // namespace

std::function<int()>& ovBarMenuAnimationRandom() {
    static std::function<int()> source = [] {
        static std::minstd_rand engine{std::random_device{}()};
        return static_cast<int>(engine() % 100);
    };
    return source;
}

TovBarSubMenuControl::~TovBarSubMenuControl() {
    FDestroying = true;
    if (FChildBar) FChildBar->SetParentBarControl(nullptr);
    DestroyMenuWindow();
    ReleaseCurrentBarControl(this);
}

TuiCanvas* TovBarSubMenuControl::GetCanvas() const {
    return FMenuPaintCanvas != nullptr ? FMenuPaintCanvas : TCustomovBarControl::GetCanvas();
}

bool TovBarSubMenuControl::IsVisible() const {
    if (!FOwnWindow) return TCustomovBarControl::IsVisible();
    return FHandle != nullptr && ::IsWindowVisible(FHandle) != FALSE;
}

void TovBarSubMenuControl::Repaint() {
    if (!FOwnWindow) {
        TCustomovBarControl::Repaint();
        return;
    }
    if (FHandle != nullptr) ::RedrawWindow(FHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void TovBarSubMenuControl::Rebuild() {
    if (!FOwnWindow) {
        TCustomovBarControl::Rebuild();
        return;
    }
    if (FHandle == nullptr) return;
    bool flippedX = false, flippedY = false;
    ApplyRecentItemCount();
    const TPoint position = FPosition;
    FPosition = FPositionAtShow;
    CalcPosition(TSize{0, 0}, flippedX, flippedY);
    if (FPosition.x != position.x || FPosition.y != position.y) Repaint();
    // Scrolled and nothing more below: scroll back while the items before still fit.
    while (FTopIndex > 0 && !CanScrollDown()) {
        SetTopIndex(FTopIndex - 1);
        if (CanScrollDown()) {
            SetTopIndex(FTopIndex + 1);
            break;
        }
    }
    Repaint();
}

// ---- Showing

void TovBarSubMenuControl::Show() {
    if (FShowing) return;
    FShowing = true;
    TWeakLink<TCustomovBarControl> self(this);
    try {
        if (OnPopupNotify) OnPopupNotify(this);
        if (!self) return;
        TovBarMenuAnimations kind = FManager != nullptr ? FManager->MenuAnimations : maNone;
        if (kind == maRandom) kind = ovBarResolveRandomAnimation(ovBarMenuAnimationRandom()());
        FAnimationKind = kind;
        FShowAnimation = FShowAnimation && kind != maNone && kind != maFade && FItemLinks != nullptr &&
                         FItemLinks->CanVisibleItemCount() > 0 &&
                         !(FManager != nullptr && FManager->IsCustomizingOrDesigning());
        FVisible = true;
        ShowMenuWindow();
    } catch (...) {
        if (self) FShowing = false;
        throw;
    }
    if (self) FShowing = false;
}

void TovBarSubMenuControl::ShowMenuWindow() {
    FMousePosAtPopup = uiGetMouseCursorPos();
    FLastMousePos = TPoint{-1, -1};
    if (FHandle == nullptr) CreateMenuWindow();
    if (FHandle == nullptr || (FAnimation && FAnimation->Running())) return;
    if (FAnimationKind == maFade) {
        // Without window alpha this shows the window at once.
        ProcessPaintMessages();
        FadeInWindow(FHandle, MenuFadeTime);
    } else {
        ::SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    ProcessPaintMessages();
}

void TovBarSubMenuControl::CreateMenuWindow() {
    RegisterMenuWindowClass();
    HWND owner = FParentWindow;
    if (owner == nullptr && FManager != nullptr)
        if (auto* form = dynamic_cast<TWinControl*>(FManager->Owner()))
            if (form->HandleAllocated()) owner = form->Handle();
    FHandle = ::CreateWindowEx(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, MenuWindowClass, "",
                               WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, FPosition.x, FPosition.y, 0, 0,
                               owner, nullptr, nullptr, nullptr);
    if (FHandle == nullptr) throw EOutOfResources("Error creating window");
    FOwnWindow = true;
    ::SetWindowLongPtr(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    FPositionAtShow = FPosition;
    // The open menu becomes the active bar: the bar hooks hand it the keys.
    SetActive(true);
    ApplyRecentItemCount();
    FTopIndex = 0;
    bool flippedX = false, flippedY = false;
    CalcPosition(TSize{0, 0}, flippedX, flippedY);
    if (FShowAnimation) StartAnimation(flippedX, flippedY);
    if (FManager != nullptr && FManager->ShowFullMenusAfterDelay && HasMark() && !MenusExpanded())
        StartExpandTimer(sub_menu_timers::PressMark, sub_menu_timers::ExpandAfterIdle);
}

void TovBarSubMenuControl::DestroyMenuWindow() {
    if (FHandle == nullptr || !FOwnWindow) return;
    StopAnimation(false);
    FAnimation.reset();
    StopScrollTimer();
    KillExpandTimer();
    HWND handle = FHandle;
    FHandle = nullptr;
    ::SetWindowLongPtr(handle, GWLP_USERDATA, 0);
    ::DestroyWindow(handle);
}

// ---- Placement

void TovBarSubMenuControl::CalcPosition(TSize ASize, bool& AFlippedX, bool& AFlippedY) {
    TovSubMenuPlacementRequest request;
    request.Position = FPosition;
    if (ASize.cx == 0 && ASize.cy == 0) {
        ASize = CalcMenuSize();
        if (FPopupAlignment == paRight)
            request.Position.x -= ASize.cx;
        else if (FPopupAlignment == paCenter)
            request.Position.x -= ASize.cx / 2;
    }
    request.Size = ASize;
    request.OwnerWidth = FOwnerWidth;
    request.OwnerHeight = FOwnerHeight;
    request.OpensLeft = FOpensLeft;
    request.OpensUp = FOpensUp;
    GetMonitorBounds(request.Position, request.Monitor);
    MonitorWorkAreaAt(request.Position, request.WorkArea);
    const TovSubMenuPlacement placement = ovCalcSubMenuPlacement(request);
    AFlippedX = placement.FlippedX;
    AFlippedY = placement.FlippedY;
    PlaceWindow(placement.Bounds);
    // A child item control (a gallery) may want the placed menu bigger: placed once more at that size,
    // the flips of both runs combined.
    if (FSizeAdjustLock) return;
    TSize adjusted{0, 0};
    if (!AdjustSizeByChildItemControl(adjusted)) return;
    FSizeAdjustLock = true;
    bool flippedX = false, flippedY = false;
    try {
        CalcPosition(adjusted, flippedX, flippedY);
    } catch (...) {
        FSizeAdjustLock = false;
        throw;
    }
    FSizeAdjustLock = false;
    AFlippedX = AFlippedX != flippedX;
    AFlippedY = AFlippedY != flippedY;
}

void TovBarSubMenuControl::PlaceWindow(const TRect& ABounds) {
    FPosition = TPoint{ABounds.left, ABounds.top};
    TRect borders{};
    GetBorders(true, borders);
    FScreenOrigin = TPoint{ABounds.left + borders.left, ABounds.top + borders.top};
    FClientRect = TRect{0, 0, std::max(uiWidthOfRect(ABounds) - borders.left - borders.right, 0),
                        std::max(uiHeightOfRect(ABounds) - borders.top - borders.bottom, 0)};
    if (FHandle != nullptr)
        ::SetWindowPos(FHandle, nullptr, ABounds.left, ABounds.top, uiWidthOfRect(ABounds),
                       uiHeightOfRect(ABounds), SWP_NOACTIVATE | SWP_NOZORDER);
    CalcLayout();
    if (FHandle != nullptr && OnPlaced) OnPlaced(this);
}

void TovBarSubMenuControl::Reposition(const TPoint& AScreenPoint) {
    FPosition = AScreenPoint;
    FScreenOrigin = AScreenPoint;
    if (FHandle == nullptr || !FOwnWindow) return;
    FPositionAtShow = AScreenPoint;
    bool flippedX = false, flippedY = false;
    CalcPosition(TSize{0, 0}, flippedX, flippedY);
}

// ---- Animation

void TovBarSubMenuControl::StartAnimation(bool AFlippedX, bool AFlippedY) {
    RECT bounds{};
    ::GetWindowRect(FHandle, &bounds);
    const int width = uiWidthOfRect(bounds), height = uiHeightOfRect(bounds);
    if (width <= 0 || height <= 0) return;
    const TovBarAnimationInfo info =
        ovBarMakeAnimationInfo(FAnimationKind, bounds, 0, 0, FOpensLeft != AFlippedX, FOpensUp != AFlippedY);
    // The menu paints once, into the picture every step shows a part of.
    auto image = std::make_unique<TBitmap>(width, height);
    {
        TuiCanvas canvas(image->Canvas());
        PaintWindowTo(&canvas);
    }
    FAnimation =
        std::make_unique<TovBarMenuAnimation>(FHandle, info, std::move(image), [this] { FinishAnimation(); });
    FAnimation->Start();
}

void TovBarSubMenuControl::FinishAnimation() {
    FShowAnimation = false;
    if (FHandle == nullptr || FAnimation == nullptr) return;
    const TovBarAnimationInfo& info = FAnimation->Info();
    ::SetWindowPos(FHandle, nullptr, info.FinalLeft, info.FinalTop, info.FinalClientWidth + info.BorderWidth,
                   info.FinalClientHeight + info.BorderHeight,
                   SWP_SHOWWINDOW | SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER);
    Repaint();
}

void TovBarSubMenuControl::StopAnimation(bool AFinish) {
    if (FAnimation) FAnimation->Stop(AFinish);
}

// ---- Closing

void TovBarSubMenuControl::DoCloseUp() {
    if (!FOwnWindow) {
        TCustomovBarControl::DoCloseUp();
        return;
    }
    TWeakLink<TCustomovBarControl> self(this);
    if (FChildBar) FChildBar->CloseUp(FCloseUpReason);
    if (!self) return;
    // The item that opened the menu closes it when it is deactivated (Escape, Left, another item chosen):
    // then the menus above stay open.
    TovBarItemControl* owner = GetOwnerItemControl();
    const bool closedByOwner = owner != nullptr && !owner->IsActive();
    const bool wasOpen = FHandle != nullptr;
    SetActive(false);
    DestroyMenuWindow();
    FVisible = false;
    FSelectedControl = nullptr;
    if (FManager != nullptr && CurrentBarControl() == nullptr) SetMenusExpanded(false);
    if (wasOpen && OnCloseUpNotify) OnCloseUpNotify(this, FCloseUpReason);
    if (!self) return;
    TCustomovBarControl* parent = FParentBar.Get();
    if (parent == nullptr) {
        ProcessPaintMessages();
        return;
    }
    if (!closedByOwner) parent->CloseUp(FCloseUpReason);
}

// ---- Painting

void TovBarSubMenuControl::PaintFrame(HDC ADC) {
    TovBarPainter* painter = GetPainter();
    if (painter == nullptr) return;
    const TRect window = GetWindowRectLocal();
    FillBackground(ADC, window, clNone, GetBackgroundBrush());
    painter->SubMenuControlDrawBorder(this, ADC, window);
    painter->SubMenuControlDrawInnerBorder(
        this, ADC, GetFrameBrush(),
        TRect{1, 1 + GetDetachCaptionAreaHeight(), window.right - 1, window.bottom - 1});
}

void TovBarSubMenuControl::PaintClient(TuiCanvas* ACanvas) {
    TovBarPainter* painter = GetPainter();
    if (painter == nullptr || FItemLinks == nullptr) return;
    TuiCanvas* previous = FMenuPaintCanvas;
    FMenuPaintCanvas = ACanvas;
    if (TFont* font = GetFont()) ACanvas->Font()->Assign(font);
    HDC dc = ACanvas->Handle();
    FillBackground(dc, FClientRect, clNone, GetBackgroundBrush());
    for (int i = 0; FViewInfo != nullptr && i < FViewInfo->ItemControlCount(); ++i) {
        TovBarItemControl* control = FViewInfo->ItemControlAt(i);
        int separator = -1;
        if (FViewInfo->FindSeparatorOfItemControl(control, separator)) {
            TRect group{};
            FViewInfo->GetSeparatorInfo(separator, group);
            painter->SubMenuControlDrawBeginGroup(this, control, group, dc);
        }
        control->Paint(ACanvas, control->GetBoundsRect(), iptMenu);
    }
    if (CanScrollUp()) painter->SubMenuControlDrawScrollButton(this, ACanvas, false);
    if (CanScrollDown()) painter->SubMenuControlDrawScrollButton(this, ACanvas, true);
    if (HasMark()) painter->SubMenuControlDrawMark(this, ACanvas, FMarkRect, FMarkState != 0);
    FMenuPaintCanvas = previous;
}

void TovBarSubMenuControl::PaintWindowTo(TuiCanvas* ACanvas) {
    HDC dc = ACanvas->Handle();
    PaintFrame(dc);
    const TPoint offset = GetClientOffset();
    ACanvas->SaveClipRegion();
    ::IntersectClipRect(dc, offset.x, offset.y, offset.x + uiWidthOfRect(FClientRect),
                        offset.y + uiHeightOfRect(FClientRect));
    ::OffsetViewportOrgEx(dc, offset.x, offset.y, nullptr);
    PaintClient(ACanvas);
    ::OffsetViewportOrgEx(dc, -offset.x, -offset.y, nullptr);
    ACanvas->RestoreClipRegion();
}

// ---- Messages

void TovBarSubMenuControl::MenuWndProc(TMessage& AMessage) {
    const HWND handle = FHandle;
    auto defaultHandling = [&] {
        AMessage.Result = DefWindowProc(handle, AMessage.Msg, AMessage.WParam, AMessage.LParam);
    };
    const bool animating = FAnimation && FAnimation->Running();
    switch (AMessage.Msg) {
    case WM_NCCALCSIZE: {
        TRect borders{};
        GetBorders(true, borders);
        RECT* r = AMessage.WParam != 0 ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(AMessage.LParam)->rgrc[0]
                                       : reinterpret_cast<RECT*>(AMessage.LParam);
        r->left += borders.left;
        r->top += borders.top;
        r->right = std::max(r->left, r->right - borders.right);
        r->bottom = std::max(r->top, r->bottom - borders.bottom);
        AMessage.Result = 0;
        return;
    }
    case WM_NCPAINT: {
        if (animating) return;
        HDC dc = ::GetWindowDC(handle);
        const TPoint offset = GetClientOffset();
        ::ExcludeClipRect(dc, offset.x, offset.y, offset.x + uiWidthOfRect(FClientRect),
                          offset.y + uiHeightOfRect(FClientRect));
        PaintFrame(dc);
        ::ReleaseDC(handle, dc);
        return;
    }
    case WM_ERASEBKGND:
        AMessage.Result = 1;
        return;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(handle, &ps);
        if (!animating) {
            TCanvas canvas;
            canvas.SetHandle(dc);
            {
                TuiCanvas ui(&canvas);
                CalcLayout();
                PaintClient(&ui);
            }
            canvas.SetHandle(nullptr);
        }
        ::EndPaint(handle, &ps);
        return;
    }
    case WM_MOUSEACTIVATE:
        AMessage.Result = MA_NOACTIVATE;
        return;
    case WM_MOUSEMOVE:
        MenuMouseMove(MenuPointFromLParam(AMessage.LParam));
        return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        MenuMouseDown(MenuPointFromLParam(AMessage.LParam), false);
        return;
    case WM_RBUTTONDOWN:
        MenuMouseDown(MenuPointFromLParam(AMessage.LParam), true);
        return;
    case WM_LBUTTONUP:
        MenuMouseUp(MenuPointFromLParam(AMessage.LParam), false);
        return;
    case WM_RBUTTONUP:
        MenuMouseUp(MenuPointFromLParam(AMessage.LParam), true);
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        TShiftState shift;
        if (GetKeyState(VK_SHIFT) < 0) shift.Include(ssShift);
        if (GetKeyState(VK_CONTROL) < 0) shift.Include(ssCtrl);
        if (GetKeyState(VK_MENU) < 0) shift.Include(ssAlt);
        AMessage.Result = MenuKey(static_cast<WORD>(AMessage.WParam), shift) ? 0 : 1;
        return;
    }
    case WM_TIMER:
        if (AMessage.WParam == TovBarMenuAnimation::TimerId) {
            if (FAnimation) FAnimation->Tick();
        } else if (AMessage.WParam == sub_menu_timers::Scroll) {
            ScrollTimerStep();
        } else {
            ExpandTimerFired(AMessage.WParam);
        }
        return;
    case WM_COMMAND:
        // An in-place editor's change notification: the base hands it back to the editor.
        TCustomovBarControl::WndProc(AMessage);
        return;
    default:
        defaultHandling();
    }
}
