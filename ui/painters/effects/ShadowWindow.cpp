#include "ui/painters/effects/ShadowWindow.h"

#include "platform/gdi/Gdi.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/ExceptionReport.h"
#include "ui/core/base/ServiceObjects.h"
#include "ui/core/base/SystemInfo.h"
#include "ui/core/base/WindowProcChain.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/Region.h"
#include "ui/core/graphics/WindowPainting.h"
#include "ui/core/skins/SkinImage.h"
#include "ui/painters/effects/ScreenDepth.h"

namespace shadow_window_detail {

TovUpdateLayeredWindowProc UpdateLayeredWindowProc = nullptr;
constexpr int MaskMargin = 5;

} // namespace shadow_window_detail

TovUpdateLayeredWindowProc ovUpdateLayeredWindowProc() {
    return shadow_window_detail::UpdateLayeredWindowProc;
}

void ovSetUpdateLayeredWindowProc(TovUpdateLayeredWindowProc AProc) {
    shadow_window_detail::UpdateLayeredWindowProc = AProc;
}

void ovBindShadowWindows() {
    ovSetUpdateLayeredWindowProc(&::UpdateLayeredWindow);
}

bool IsDropShadowEnabled() {
    return ovSystemInfo()->IsDropShadow() && !TovSystemInfo::IsRemoteSession();
}

bool CanUseLayeredShadow() {
    // The presenter on screen must be able to show per-pixel alpha, or the window would stay empty.
    olva::win::IPresenter* presenter = olva::win::CurrentPresenter();
    const bool shown = presenter == nullptr || presenter->SupportsPerPixelAlpha();
    return ovUpdateLayeredWindowProc() != nullptr && shown && IsDropShadowEnabled() &&
           ovScreenBitsPerPixel() > 8;
}

bool UpdateLayeredShadow(HWND AWnd, TuiBitmap32* ABitmap, BYTE AAlpha) {
    TovUpdateLayeredWindowProc update = ovUpdateLayeredWindowProc();
    if (update == nullptr || ABitmap == nullptr) return false;
    SIZE size{ABitmap->Width(), ABitmap->Height()};
    POINT source{0, 0};
    BLENDFUNCTION blend;
    blend.BlendOp = AC_SRC_OVER;
    blend.SourceConstantAlpha = AAlpha;
    blend.AlphaFormat = AC_SRC_ALPHA;
    return update(AWnd, nullptr, nullptr, &size, ABitmap->Canvas()->Handle(), &source, 0, &blend,
                  ULW_ALPHA) != FALSE;
}

// ---- TovCustomShadowWindow

TovCustomShadowWindow::TovCustomShadowWindow(TWinControl* AOwnerWindow)
    : TCustomControl(nullptr), FOwnerWindow(AOwnerWindow), FShadowMask(std::make_unique<TovSkinImage>()) {
    FShadowMask->LoadFromResource(nullptr, "OVSHADOWMASK", "PNG");
    FShadowMask->Margins()->SetAll(shadow_window_detail::MaskMargin);
    SetTransparent(true);
    SetEnabled(false);
}

TovCustomShadowWindow::~TovCustomShadowWindow() = default;

void TovCustomShadowWindow::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP;
    if (!Enabled()) Params.Style |= WS_DISABLED;
    Params.WndParent = FOwnerWindow != nullptr ? FOwnerWindow->Handle() : nullptr;
    Params.WindowClassStyle = 0;
    Params.ExStyle = FTransparent ? WS_EX_LAYERED : 0;
    if (Params.WndParent != nullptr && (GetWindowLong(Params.WndParent, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0)
        Params.ExStyle |= WS_EX_TOPMOST;
}

void TovCustomShadowWindow::SetTransparent(bool AValue) {
    const bool transparent = AValue && CanUseLayeredShadow();
    if (transparent == FTransparent) return;
    FTransparent = transparent;
    if (HandleAllocated()) RecreateWnd();
}

bool TovCustomShadowWindow::IsShadowVisible() {
    return HandleAllocated() && IsWindowVisible(Handle()) != FALSE;
}

void TovCustomShadowWindow::SetShadowVisible(bool AValue) {
    if (AValue == IsShadowVisible()) return;
    if (AValue)
        ShowShadow();
    else
        HideShadow();
}

void TovCustomShadowWindow::ShowShadow() {
    HWND owner =
        FOwnerWindow != nullptr && FOwnerWindow->HandleAllocated() ? FOwnerWindow->Handle() : nullptr;
    uiSetWindowZOrder(Handle(), owner, false, SWP_SHOWWINDOW);
    RefreshShadow();
}

void TovCustomShadowWindow::HideShadow() {
    if (!HandleAllocated()) return;
    ShowWindow(Handle(), SW_HIDE);
    DestroyHandle();
}

void TovCustomShadowWindow::RefreshShadow() {
    if (FTransparent)
        UpdateLayeredContent();
    else if (HandleAllocated())
        InvalidateRect(Handle(), nullptr, FALSE);
}

void TovCustomShadowWindow::UpdateLayeredContent() {
    if (!IsShadowVisible()) return;
    RECT client{};
    GetClientRect(Handle(), &client);
    TuiBitmap32 bitmap(client.right - client.left, client.bottom - client.top, true);
    DrawShadow(bitmap.GetuiCanvas());
    UpdateLayeredShadow(Handle(), &bitmap, 255);
}

void TovCustomShadowWindow::DrawShadow(TuiCanvas* ACanvas) {
    RECT client{};
    if (HandleAllocated()) GetClientRect(Handle(), &client);
    FShadowMask->Draw(ACanvas->Handle(), client, 0, esNormal);
}

void TovCustomShadowWindow::Paint() {
    RECT client{};
    GetClientRect(Handle(), &client);
    HBRUSH brush = CreateSolidBrush(ColorToRGB(cl3DDkShadow));
    FillRect(Canvas()->Handle(), &client, brush);
    DeleteObject(brush);
}

void TovCustomShadowWindow::Resize() {
    TCustomControl::Resize();
    RefreshShadow();
}

void TovCustomShadowWindow::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_NCHITTEST:
        Message.Result = HTTRANSPARENT;
        return;
    case WM_ERASEBKGND:
        Message.Result = 0;
        return;
    case WM_PAINT:
        if (FTransparent) {
            // The picture comes from UpdateLayeredWindow; the paint request is only validated.
            DefWindowProc(Handle(), Message.Msg, Message.WParam, Message.LParam);
            Message.Result = 0;
            return;
        }
        break;
    default:
        break;
    }
    TCustomControl::WndProc(Message);
}

// ---- TovShadowWindow

TovShadowWindow::TovShadowWindow(TWinControl* AOwnerForm) : TovCustomShadowWindow(AOwnerForm) {
    if (AOwnerForm != nullptr)
        FOwnerLink = uiWindowProcController()->AddControlWindowProc(
            AOwnerForm, TEvent<TMessage&>(this, &TovShadowWindow::OwnerWndProc));
    FOwnerActive =
        AOwnerForm != nullptr && AOwnerForm->HandleAllocated() && GetActiveWindow() == AOwnerForm->Handle();
    SetShadowMargins(TRect{4, 4, 4, 4});
}

TovShadowWindow::~TovShadowWindow() {
    if (FOwnerLink != nullptr) {
        if (TuiWindowProcController* controller = uiWindowProcControllerIfExists())
            controller->RemoveWindowProc(FOwnerLink);
    }
}

bool TovShadowWindow::CanShow() {
    TWinControl* owner = OwnerWindow();
    if (owner == nullptr || !owner->HandleAllocated()) return false;
    HWND wnd = owner->Handle();
    return (FOwnerActive || FClicked) && IsWindowVisible(wnd) && IsDropShadowEnabled() && !IsZoomed(wnd) &&
           !IsIconic(wnd) && (GetWindowLong(wnd, GWL_STYLE) & WS_CHILD) == 0;
}

void TovShadowWindow::UpdateVisibility() {
    SetShadowVisible(CanShow());
}

void TovShadowWindow::UpdateBounds() {
    TWinControl* owner = OwnerWindow();
    if (owner == nullptr) return;
    const RECT r = owner->HandleAllocated() ? uiWindowRectOf(owner->Handle()) : owner->BoundsRect();
    SetBounds(r.left - FShadowMargins.left, r.top - FShadowMargins.top,
              r.right - r.left + FShadowMargins.left + FShadowMargins.right,
              r.bottom - r.top + FShadowMargins.top + FShadowMargins.bottom);
}

void TovShadowWindow::ShowShadow() {
    UpdateBounds();
    TovCustomShadowWindow::ShowShadow();
}

void TovShadowWindow::SetShadowMargins(const TRect& AMargins) {
    if (AMargins.left == FShadowMargins.left && AMargins.top == FShadowMargins.top &&
        AMargins.right == FShadowMargins.right && AMargins.bottom == FShadowMargins.bottom)
        return;
    FShadowMargins = AMargins;
    if (IsShadowVisible()) UpdateBounds();
}

void TovShadowWindow::SetSizingEnabled(bool AValue) {
    if (AValue == FSizingEnabled) return;
    FSizingEnabled = AValue;
    SetEnabled(AValue);
}

void TovShadowWindow::DrawShadow(TuiCanvas* ACanvas) {
    TWinControl* owner = OwnerWindow();
    if (owner == nullptr || !owner->HandleAllocated() || !HandleAllocated()) {
        TovCustomShadowWindow::DrawShadow(ACanvas);
        return;
    }
    // The owner covers its own shadow: its shape is cut out, so nothing shows through a translucent owner.
    ACanvas->SaveClipRegion();
    TuiRegion* shape = TuiRegion::CreateFromWindow(owner->Handle());
    const TPoint origin = uiMapWindowPoint(owner->Handle(), Handle(), TPoint{0, 0}, false);
    shape->Offset(origin.x, origin.y);
    ACanvas->SetClipRegion(shape, roSubtract);
    TovCustomShadowWindow::DrawShadow(ACanvas);
    ACanvas->RestoreClipRegion();
}

void TovShadowWindow::OwnerWndProc(TMessage& AMessage) {
    FOwnerLink->CallPrevWindowProc(AMessage);
    try {
        switch (AMessage.Msg) {
        case WM_WINDOWPOSCHANGED: {
            const auto* pos = reinterpret_cast<const WINDOWPOS*>(AMessage.LParam);
            if (pos == nullptr || (pos->flags & (SWP_NOSIZE | SWP_NOMOVE)) != (SWP_NOSIZE | SWP_NOMOVE)) {
                UpdateVisibility();
                UpdateBounds();
            }
            break;
        }
        case WM_NCACTIVATE:
            FOwnerActive = AMessage.WParam != 0;
            UpdateVisibility();
            break;
        default:
            break;
        }
    } catch (...) {
        uiHandleException(this);
    }
}

LRESULT TovShadowWindow::HitTest(const TPoint& P) {
    const RECT bounds = uiWindowRectOf(Handle());
    const int dx = GetSystemMetrics(SM_CXFRAME), dy = GetSystemMetrics(SM_CYFRAME);
    const RECT inner{bounds.left + dx, bounds.top + dy, bounds.right - dx, bounds.bottom - dy};
    if (P.x >= inner.left && P.x < inner.right && P.y >= inner.top && P.y < inner.bottom)
        return HTTRANSPARENT;
    auto byRow = [&](LRESULT ATop, LRESULT AMiddle, LRESULT ABottom) {
        if (P.y <= inner.top) return ATop;
        if (P.y < inner.bottom) return AMiddle;
        return ABottom;
    };
    if (P.x >= inner.right) return byRow(HTTOPRIGHT, HTRIGHT, HTBOTTOMRIGHT);
    if (P.x > inner.left) return P.y > inner.top ? HTBOTTOM : HTTOP;
    return byRow(HTTOPLEFT, HTLEFT, HTBOTTOMLEFT);
}

void TovShadowWindow::Sizing(RECT* AProposed) {
    TWinControl* owner = OwnerWindow();
    if (owner == nullptr || AProposed == nullptr) return;
    // The owner takes the size inside the margins; its own constraints decide, and the shadow follows.
    owner->SetBounds(AProposed->left + FShadowMargins.left, AProposed->top + FShadowMargins.top,
                     AProposed->right - AProposed->left - FShadowMargins.left - FShadowMargins.right,
                     AProposed->bottom - AProposed->top - FShadowMargins.top - FShadowMargins.bottom);
    const RECT r = owner->BoundsRect();
    *AProposed = RECT{r.left - FShadowMargins.left, r.top - FShadowMargins.top,
                      r.right + FShadowMargins.right, r.bottom + FShadowMargins.bottom};
}

void TovShadowWindow::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_NCHITTEST:
        if (FSizingEnabled) {
            const TPoint p{static_cast<short>(LOWORD(Message.LParam)),
                           static_cast<short>(HIWORD(Message.LParam))};
            Message.Result = HitTest(p);
            return;
        }
        break;
    case WM_SIZING:
        if (FSizingEnabled) Sizing(reinterpret_cast<RECT*>(Message.LParam));
        break;
    case WM_MOUSEACTIVATE:
        FClicked = true;
        break;
    case WM_ACTIVATE: {
        const bool activation = LOWORD(Message.WParam) != WA_INACTIVE;
        if (FClicked || !activation) {
            TovCustomShadowWindow::WndProc(Message);
            // The window that was active (the owner) keeps its active caption.
            if (activation && Message.LParam != 0)
                SendMessage(reinterpret_cast<HWND>(Message.LParam), WM_NCACTIVATE, TRUE, 0);
            FClicked = false;
        } else {
            TWinControl* owner = OwnerWindow();
            if (owner != nullptr && owner->HandleAllocated()) SetActiveWindow(owner->Handle());
            Message.Result = 0;
        }
        return;
    }
    default:
        break;
    }
    TovCustomShadowWindow::WndProc(Message);
}
