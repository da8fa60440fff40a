#include "platform/vcl/Scrolling.h"

#include "platform/vcl/Keyboard.h"
#include "platform/vcl/Mouse.h"
#include "platform/win/WinUser.h"

#include <algorithm>

// ---- TControlScrollBar

int TControlScrollBar::ClientExtent() const {
    RECT client = FControl->ClientRect();
    return FKind == sbHorizontal ? client.right : client.bottom;
}

int TControlScrollBar::MaxPosition() const {
    return std::max(FRange - ClientExtent(), 0);
}

bool TControlScrollBar::IsScrollBarVisible() const {
    return FVisible && FRange > ClientExtent();
}

void TControlScrollBar::SetRange(int Value) {
    FRange = std::max(Value, 0);
    SetPosition(FPosition);
    FControl->UpdateScrollBars();
}

void TControlScrollBar::Update() {
    if (!FControl->HandleAllocated()) return;
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    if (IsScrollBarVisible()) {
        // A page of the client extent over 0 .. Range - 1: the bar shows while the range is larger.
        si.nMax = FRange - 1;
        si.nPage = UINT(ClientExtent());
        si.nPos = FPosition;
    }
    SetScrollInfo(FControl->Handle(), FKind == sbHorizontal ? SB_HORZ : SB_VERT, &si, TRUE);
}

void TControlScrollBar::ScrollMessage(WORD Code) {
    const int page = std::max(ClientExtent() * 9 / 10, FIncrement);
    auto trackPos = [this] {
        SCROLLINFO si;
        si.fMask = SIF_TRACKPOS;
        GetScrollInfo(FControl->Handle(), FKind == sbHorizontal ? SB_HORZ : SB_VERT, &si);
        return si.nTrackPos;
    };
    switch (Code) {
    case SB_LINEUP:
        SetPosition(FPosition - FIncrement);
        break;
    case SB_LINEDOWN:
        SetPosition(FPosition + FIncrement);
        break;
    case SB_PAGEUP:
        SetPosition(FPosition - page);
        break;
    case SB_PAGEDOWN:
        SetPosition(FPosition + page);
        break;
    case SB_THUMBTRACK:
        if (FTracking) SetPosition(trackPos());
        break;
    case SB_THUMBPOSITION:
        SetPosition(trackPos());
        break;
    case SB_TOP:
        SetPosition(0);
        break;
    case SB_BOTTOM:
        SetPosition(MaxPosition());
        break;
    default:
        break;
    }
}

void TControlScrollBar::SetPosition(int Value) {
    const int target = std::clamp(Value, 0, MaxPosition());
    if (target == FPosition) return;
    const int delta = FPosition - target;
    FPosition = target;
    if (FKind == sbHorizontal)
        FControl->ScrollBy(delta, 0);
    else
        FControl->ScrollBy(0, delta);
    FControl->UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool Value) {
    FVisible = Value;
    if (!Value) SetPosition(0);
    FControl->UpdateScrollBars();
}

void TControlScrollBar::Assign(TPersistent* Source) {
    if (auto* other = dynamic_cast<TControlScrollBar*>(Source)) {
        FVisible = other->FVisible;
        FIncrement = other->FIncrement;
        FMargin = other->FMargin;
        FTracking = other->FTracking;
        SetRange(other->FRange);
        SetPosition(other->FPosition);
        return;
    }
    TPersistent::Assign(Source);
}

// ---- TScrollingWinControl

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner) : TWinControl(AOwner) {
    FHorzScrollBar = std::make_unique<TControlScrollBar>(this, sbHorizontal);
    FVertScrollBar = std::make_unique<TControlScrollBar>(this, sbVertical);
}

TScrollingWinControl::~TScrollingWinControl() = default;

void TScrollingWinControl::SetAutoScroll(bool Value) {
    if (FAutoScroll == Value) return;
    FAutoScroll = Value;
    if (Value)
        CalcAutoRange();
    else {
        FHorzScrollBar->SetRange(0);
        FVertScrollBar->SetRange(0);
    }
}

void TScrollingWinControl::EnableAutoRange() {
    if (FAutoRangeCount > 0 && --FAutoRangeCount == 0) CalcAutoRange();
}

void TScrollingWinControl::CalcAutoRange() {
    if (!FAutoScroll || FAutoRangeCount > 0 || ComponentState().Contains(csLoading)) return;
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* control = Controls(i);
        if (!control->Visible()) continue;
        if (control->Align() != alLeft && control->Align() != alClient && control->Align() != alRight)
            bottom = std::max(bottom, control->Top() + control->Height() + FVertScrollBar->FPosition);
        if (control->Align() != alTop && control->Align() != alClient && control->Align() != alBottom)
            right = std::max(right, control->Left() + control->Width() + FHorzScrollBar->FPosition);
    }
    FHorzScrollBar->SetRange(right + FHorzScrollBar->FMargin);
    FVertScrollBar->SetRange(bottom + FVertScrollBar->FMargin);
}

void TScrollingWinControl::AlignControls(TControl* AControl, RECT& Rect) {
    TWinControl::AlignControls(AControl, Rect);
    CalcAutoRange();
}

void TScrollingWinControl::ScrollBy(int DeltaX, int DeltaY) {
    if (DeltaX == 0 && DeltaY == 0) return;
    DisableAlign();
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* control = Controls(i);
        control->SetBounds(control->Left() + DeltaX, control->Top() + DeltaY, control->Width(),
                           control->Height());
    }
    EnableAlign();
    Invalidate();
}

void TScrollingWinControl::ScrollInView(TControl* AControl) {
    if (AControl == nullptr || !ContainsControl(AControl)) return;
    POINT origin = AControl->ClientToParent(POINT{0, 0}, this);
    RECT client = ClientRect();
    auto bring = [](TControlScrollBar* bar, int start, int extent, int view) {
        if (start < 0)
            bar->SetPosition(bar->Position() + start - bar->Margin());
        else if (start + extent > view)
            bar->SetPosition(bar->Position() + std::min(start + extent - view + bar->Margin(), start));
    };
    bring(FHorzScrollBar.get(), origin.x, AControl->Width(), client.right);
    origin = AControl->ClientToParent(POINT{0, 0}, this);
    bring(FVertScrollBar.get(), origin.y, AControl->Height(), client.bottom);
}

void TScrollingWinControl::CreateWnd() {
    TWinControl::CreateWnd();
    UpdateScrollBars();
}

void TScrollingWinControl::UpdateScrollBars() {
    // Showing one bar narrows the view of the other; the guard keeps the resulting re-layout from
    // coming back here while the bars are being set.
    if (FUpdatingScrollBars || !HandleAllocated()) return;
    FUpdatingScrollBars = true;
    FHorzScrollBar->Update();
    FVertScrollBar->Update();
    FHorzScrollBar->Update();
    FUpdatingScrollBars = false;
}

void TScrollingWinControl::Dispatch(TMessage& Message) {
    if ((Message.Msg == WM_HSCROLL || Message.Msg == WM_VSCROLL) && Message.LParam == 0) {
        TControlScrollBar* bar = Message.Msg == WM_HSCROLL ? FHorzScrollBar.get() : FVertScrollBar.get();
        bar->ScrollMessage(LOWORD(Message.WParam));
        Message.Result = 0;
        return;
    }
    if (Message.Msg == WM_MOUSEWHEEL && FVertScrollBar->IsScrollBarVisible()) {
        TWinControl::Dispatch(Message);
        if (Message.Result != 0) return;
        const int rows = WheelScrollRows(SHORT(HIWORD(Message.WParam)));
        FVertScrollBar->SetPosition(FVertScrollBar->Position() - rows * FVertScrollBar->Increment());
        Message.Result = 1;
        return;
    }
    TWinControl::Dispatch(Message);
}
