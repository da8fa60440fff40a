#include "ui/core/controls/ControlScrollBars.h"

#include "platform/vcl/Application.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/ObjectLinks.h"
#include "ui/core/controls/BaseControl.h"
#include "ui/core/graphics/Canvas.h"

#include <algorithm>

// ---- TuiControlScrollBar

TuiControlScrollBar::TuiControlScrollBar(TComponent* AOwner) : TuiScrollBar(AOwner) {
    SetColor(clBtnFace);
    ControlStyle().Exclude(csFramed);
    ControlStyle().Include(csNoDesignVisible);
    SetTabStop(false);
    TuiScrollBar::SetVisible(false);
    SetParentShowHint(false);
    SetShowHint(true);
}

TuiControlScrollBar::~TuiControlScrollBar() {
    uiClearObjectLinks(this);
}

void TuiControlScrollBar::ApplyData() {
    if (FBarData.Visible && FBarData.IsValid) {
        TuiScrollBar::SetScrollParams(FBarData.Min, FBarData.Max, FBarData.Position, FBarData.PageSize, true);
        SetSmallChange(FBarData.SmallChange);
        SetLargeChange(FBarData.LargeChange);
    }
    TuiScrollBar::SetEnabled(FBarData.Enabled);
    if (Visible() != FBarData.Visible) TuiScrollBar::SetVisible(FBarData.Visible);
}

void TuiControlScrollBar::FocusParent() {
    if (auto* control = dynamic_cast<TuiControl*>(Parent())) {
        if (control->FocusWhenChildIsClicked(this)) control->SetFocus();
    } else if (Parent() != nullptr && Parent()->CanFocus()) {
        Parent()->SetFocus();
    }
}

void TuiControlScrollBar::DrawScrollBar(TuiCanvas* ACanvas) {
    if (!uiDrawFromReadyImage(Parent(), this, ACanvas->Handle(), ClientRect()))
        TuiScrollBar::DrawScrollBar(ACanvas);
}

void TuiControlScrollBar::SetZOrder(bool) {
    if (HandleAllocated())
        SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_DEFERERASE);
}

void TuiControlScrollBar::WndProc(TMessage& Message) {
    if (Message.Msg == CM_DESIGNHITTEST || Message.Msg == CM_HINTSHOW) {
        Message.Result = 1;
        return;
    }
    TuiObjectLink* link = uiAddObjectLink(this);
    if (Message.Msg == WM_LBUTTONDOWN) FocusParent();
    if (link->Ref != nullptr) TuiScrollBar::WndProc(Message);
    uiRemoveObjectLink(link);
}

// ---- TuiSizeGrip

TuiSizeGrip::TuiSizeGrip(TComponent* AOwner) : TCustomControl(AOwner) {
    SetColor(clBtnFace);
    ControlStyle().Include(csNoDesignVisible);
    FLookAndFeel = std::make_unique<TuiLookAndFeel>(this);
    FLookAndFeel->OnChanged =
        TuiLookAndFeelChangedEvent([this](TuiLookAndFeel*, TuiLookAndFeelValues) { Invalidate(); }, this);
}

void TuiSizeGrip::DrawSizeGripArea(TCanvas* ACanvas) {
    TuiLookAndFeelPainterBase* painter = FLookAndFeel->Painter();
    ACanvas->Brush()->SetColor(painter != nullptr ? painter->DefaultSizeGripAreaColor() : clBtnFace);
    ACanvas->FillRect(ClientRect());
}

void TuiSizeGrip::Paint() {
    if (uiDrawFromReadyImage(Parent(), this, Canvas()->Handle(), ClientRect())) return;
    DrawSizeGripArea(Canvas());
}

void TuiSizeGrip::SetZOrder(bool) {
    if (HandleAllocated())
        SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_DEFERERASE);
}

// ---- TuiControlCustomScrollBars

void TuiControlCustomScrollBars::ApplyData() {
    if (FHorzBar != nullptr) FHorzBar->ApplyData();
    if (FVertBar != nullptr) FVertBar->ApplyData();
}

void TuiControlCustomScrollBars::ScrollBarScroll(TObject* Sender, TScrollCode ACode, int& APosition) {
    auto* bar = dynamic_cast<TuiControlScrollBar*>(Sender);
    if (bar == nullptr) return;
    FHostControl->Scroll(bar->Kind(), ACode, APosition);
}

IuiControlScrollBar* TuiControlCustomScrollBars::GetScrollBar(TScrollBarKind AKind) {
    return AKind == sbHorizontal ? FHorzBar : FVertBar;
}

bool TuiControlCustomScrollBars::IsScrollBarVisible(TScrollBarKind AKind) {
    TuiControlScrollBar* bar = AKind == sbHorizontal ? FHorzBar : FVertBar;
    if (bar == nullptr) return false;
    return InCalculation ? bar->GetData()->Visible : bar->Visible();
}

// ---- TuiControlWindowedScrollBars

TuiControlWindowedScrollBars::TuiControlWindowedScrollBars(TuiControl* AOwner)
    : TuiControlCustomScrollBars(AOwner) {
    CreateScrollBars();
}

TuiControlWindowedScrollBars::~TuiControlWindowedScrollBars() {
    DestroyScrollBars();
}

TuiControlScrollBar* TuiControlWindowedScrollBars::CreateScrollBar(TScrollBarKind AKind) {
    TuiControlScrollBar* bar = FHostControl->CreateScrollBarControl(AKind);
    bar->SetKind(AKind);
    bar->OnScroll = TScrollEvent(this, &TuiControlCustomScrollBars::ScrollBarScroll);
    bar->LookAndFeel()->SetMasterLookAndFeel(FHostControl->LookAndFeel());
    bar->ControlStyle().Include(csReplicatable);
    return bar;
}

void TuiControlWindowedScrollBars::CreateScrollBars() {
    FHorzBar = CreateScrollBar(sbHorizontal);
    FVertBar = CreateScrollBar(sbVertical);
    FGripControl = FHostControl->CreateSizeGripControl();
    FGripControl->LookAndFeel()->SetMasterLookAndFeel(FHostControl->LookAndFeel());
    FGripControl->ControlStyle().Include(csReplicatable);
}

void TuiControlWindowedScrollBars::DestroyScrollBars() {
    // The host frees its child controls itself while it is being destroyed.
    if (FHostControl->IsDestroying() && FGripControl != nullptr && FGripControl->Parent() == FHostControl)
        return;
    delete FGripControl;
    delete FVertBar;
    delete FHorzBar;
    FGripControl = nullptr;
    FVertBar = FHorzBar = nullptr;
}

void TuiControlWindowedScrollBars::InitScrollBars() {
    for (TWinControl* control : {static_cast<TWinControl*>(FHorzBar), static_cast<TWinControl*>(FVertBar),
                                 static_cast<TWinControl*>(FGripControl)}) {
        control->SetParent(FHostControl);
        if (FHostControl->HandleAllocated()) control->Handle();
    }
}

void TuiControlWindowedScrollBars::BringToFront() {
    for (TControl* control : {static_cast<TControl*>(FHorzBar), static_cast<TControl*>(FVertBar),
                              static_cast<TControl*>(FGripControl)})
        if (control->Visible()) control->BringToFront();
}

void TuiControlWindowedScrollBars::SetScrollBarsBounds() {
    if (FHorzBar->Visible()) FHorzBar->SetBoundsRect(FHostControl->GetHScrollBarBounds());
    if (FVertBar->Visible()) FVertBar->SetBoundsRect(FHostControl->GetVScrollBarBounds());
    if (FGripControl->Visible()) FGripControl->SetBoundsRect(FHostControl->GetSizeGripBounds());
}

void TuiControlWindowedScrollBars::UpdateControlsState() {
    if (FHorzBar->Visible()) FHorzBar->UpdateState();
    if (FVertBar->Visible()) FVertBar->UpdateState();
    if (FGripControl->Visible()) FGripControl->UpdateState();
}

void TuiControlWindowedScrollBars::Invalidate() {
    for (TControl* control : {static_cast<TControl*>(FHorzBar), static_cast<TControl*>(FVertBar),
                              static_cast<TControl*>(FGripControl)})
        if (control->Visible()) control->Invalidate();
}

void TuiControlWindowedScrollBars::SetSizeGripVisible(bool AValue) {
    FGripControl->SetVisible(AValue);
}

bool TuiControlWindowedScrollBars::CheckSize(TScrollBarKind AKind) {
    const TSize size = uiGetDefaultScrollBarSize();
    if (AKind == sbVertical) {
        if (FVertBar->Width() == size.cx) return false;
        FVertBar->SetBounds(FVertBar->Left(), FVertBar->Top(), size.cx, FVertBar->Height());
    } else {
        if (FHorzBar->Height() == size.cy) return false;
        FHorzBar->SetBounds(FHorzBar->Left(), FHorzBar->Top(), FHorzBar->Width(), size.cy);
    }
    return true;
}

bool TuiControlWindowedScrollBars::IsInternalControl(TControl* AControl) {
    return AControl != nullptr && (AControl == FHorzBar || AControl == FVertBar || AControl == FGripControl);
}

// ---- TuiControlScrollBarsManager

TuiControlScrollBarsManager::~TuiControlScrollBarsManager() {
    uiEndMouseTracking(this);
}

void TuiControlScrollBarsManager::UnregisterModel(TuiScrollBarHelper* AModel) {
    if (AModel == FHoveredBarModel) SetHoveredModel(nullptr);
    std::erase(FScrollBarSet, AModel);
}

void TuiControlScrollBarsManager::SetHoveredModel(TuiScrollBarHelper* AModel) {
    if (AModel == FHoveredBarModel) return;
    if (FHoveredBarModel != nullptr) {
        FHoveredBarModel->MouseLeave(nullptr);
        uiEndMouseTracking(this);
    }
    FHoveredBarModel = AModel;
    if (FHoveredBarModel != nullptr) {
        FHoveredBarModel->MouseEnter(nullptr);
        uiBeginMouseTracking(FHostControl, FHoveredBarModel->Bounds(), this);
    }
}

void TuiControlScrollBarsManager::MouseLeave() {
    SetHoveredModel(nullptr);
}

bool TuiControlScrollBarsManager::PtInCaller(const TPoint& P) {
    if (FCapturing) return true;
    return FHoveredBarModel != nullptr && PtInRect(&FHoveredBarModel->Bounds(), P);
}

bool TuiControlScrollBarsManager::MouseDown(TMouseButton Button, TShiftState, int X, int Y) {
    if (FHostControl->IsPointOnScrollBarControls(TPoint{X, Y})) return true;
    if (FHoveredBarModel == nullptr) return false;
    if (Button != mbLeft || !FHoveredBarModel->IsEnabled()) return true;
    FHoveredBarModel->MouseDown(Button, {}, X, Y);
    SetCapture(FHostControl->Handle());
    FCapturing = true;
    if (FHostControl->CanFocusOnClickAt(X, Y)) FHostControl->SetFocus();
    return true;
}

bool TuiControlScrollBarsManager::MouseMove(TShiftState Shift, int X, int Y) {
    if (GetCapture() == FHostControl->Handle() && !FCapturing) return false;
    if (!FCapturing) {
        TuiScrollBarHelper* hot = nullptr;
        for (auto it = FScrollBarSet.rbegin(); it != FScrollBarSet.rend(); ++it) {
            TuiScrollBarHelper* model = *it;
            const TPoint p{X, Y};
            if (model->IsVisible() && model->IsEnabled() && PtInRect(&model->Bounds(), p)) {
                hot = model;
                break;
            }
        }
        SetHoveredModel(hot);
    }
    if (FHoveredBarModel != nullptr) {
        FHoveredBarModel->MouseMove(Shift, X, Y);
        return true;
    }
    return FHostControl->IsPointOnScrollBarControls(TPoint{X, Y});
}

bool TuiControlScrollBarsManager::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (!FCapturing) return false;
    if (FHoveredBarModel != nullptr) FHoveredBarModel->MouseUp(Button, Shift, X, Y);
    FCapturing = false;
    ReleaseCapture();
    return true;
}

bool TuiControlScrollBarsManager::HandleMessage(TMessage& AMessage) {
    auto position = [&] { return FHostControl->MessagePosition(AMessage); };
    switch (AMessage.Msg) {
    case WM_MOUSEMOVE: {
        const TPoint p = position();
        if (!MouseMove({}, p.x, p.y)) return false;
        if (Application() != nullptr) Application()->CancelHint();
        return true;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: {
        const TMouseButton button = AMessage.Msg <= WM_LBUTTONDBLCLK   ? mbLeft
                                    : AMessage.Msg <= WM_RBUTTONDBLCLK ? mbRight
                                                                       : mbMiddle;
        const TPoint p = position();
        return MouseDown(button, {}, p.x, p.y);
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
        const TMouseButton button = AMessage.Msg == WM_LBUTTONUP   ? mbLeft
                                    : AMessage.Msg == WM_RBUTTONUP ? mbRight
                                                                   : mbMiddle;
        const TPoint p = position();
        return MouseUp(button, {}, p.x, p.y);
    }
    case WM_CAPTURECHANGED:
        FCapturing = false;
        if (FHoveredBarModel != nullptr) FHoveredBarModel->CancelMode();
        return false;
    default:
        return false;
    }
}

bool TuiControlScrollBarsManager::IsPointOnScrollBar(const TPoint& P) {
    for (TuiScrollBarHelper* model : FScrollBarSet)
        if (model->IsVisible() && PtInRect(&model->Bounds(), P)) return true;
    return false;
}

void TuiControlScrollBarsManager::Paint(TuiCanvas* ACanvas) {
    for (TuiScrollBarHelper* model : FScrollBarSet) {
        if (!model->IsVisible() || !ACanvas->RectVisible(model->Bounds())) continue;
        model->DrawScrollBar(ACanvas);
        ACanvas->ExcludeClipRect(model->Bounds());
    }
}

// ---- TovScrollHelper

void TovScrollHelper::Pan(IuiPixelScrollingControl* AControl, int ADeltaX, int ADeltaY) {
    TuiControl* control = AControl->GetInstance();
    const TSize content = AControl->GetContentSize();
    const TRect client = control->GetClientBounds();
    const TPoint target{AControl->GetLeftPos() - ADeltaX, AControl->GetTopPos() - ADeltaY};
    IuiControlScrollBar* horz = control->GetScrollBar(sbHorizontal);
    IuiControlScrollBar* vert = control->GetScrollBar(sbVertical);
    if (horz != nullptr && horz->GetVisible() && horz->GetEnabled())
        control->GestureHelper()->CheckOverpan(sbHorizontal, target.x, 0,
                                               content.cx - (client.right - client.left), ADeltaX, ADeltaY);
    if (vert != nullptr && vert->GetVisible() && vert->GetEnabled())
        control->GestureHelper()->CheckOverpan(sbVertical, target.y, 0,
                                               content.cy - (client.bottom - client.top), ADeltaX, ADeltaY);
    SetPos(AControl, target.x, target.y);
}

void TovScrollHelper::SetPos(IuiPixelScrollingControl* AControl, int X, int Y) {
    TuiControl* control = AControl->GetInstance();
    const TSize content = AControl->GetContentSize();
    const TRect client = control->GetClientBounds();
    X = std::max(std::min<int>(X, content.cx - (client.right - client.left)), 0);
    Y = std::max(std::min<int>(Y, content.cy - (client.bottom - client.top)), 0);
    if (X == AControl->GetLeftPos() && Y == AControl->GetTopPos()) return;
    AControl->SetLeftPos(X);
    AControl->SetTopPos(Y);
    if (!control->HandleAllocated()) return;
    control->BoundsChangedUpdateScrollBars();
    CheckPositions(AControl);
    control->Invalidate();
    control->Update();
}

void TovScrollHelper::CheckPositions(IuiPixelScrollingControl* AControl) {
    SetPos(AControl, AControl->GetLeftPos(), AControl->GetTopPos());
}
