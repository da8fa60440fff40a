#include "ui/core/controls/ScrollBar.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/vcl/Messages.h"
#include "platform/win/WinUser.h"
#include "ui/core/controls/ScrollBarController.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/platform/ThemeManager.h"
#include "ui/core/platform/TouchGestures.h"

TuiScrollBar::TuiScrollBar(TComponent* AOwner) : TCustomControl(AOwner) {
    FLookAndFeel = std::make_unique<TuiLookAndFeel>(this);
    FLookAndFeel->OnChanged = TuiLookAndFeelChangedEvent(this, &TuiScrollBar::LookAndFeelChanged);
    SetBounds(Left(), Top(), 121, GetSystemMetrics(SM_CYHSCROLL));
    SetControlStyle(TControlStyle{csCaptureMouse, csFramed, csOpaque});
    FThemeNotificator = std::make_unique<TovThemeChangedNotificator>();
    FThemeNotificator->OnThemeChanged = TEvent<>(this, &TuiScrollBar::ThemeChanged);
    Helper()->CalculateViewInfo();
}

TuiScrollBar::~TuiScrollBar() {
    FThemeNotificator.reset();
    FHelper.reset();
    FLookAndFeel.reset();
}

std::unique_ptr<TuiScrollBarHelper> TuiScrollBar::CreateHelper() {
    return std::make_unique<TuiScrollBarHelper>(this);
}

TuiScrollBarHelper* TuiScrollBar::Helper() {
    if (!FHelper) {
        FHelper = CreateHelper();
        FHelper->SetBounds(ClientRect());
        FHelper->SetVisible(Visible());
        FHelper->OnChange = TNotifyEvent([this](TObject*) { Change(); }, this);
        FHelper->OnScroll =
            TScrollEvent([this](TObject*, TScrollCode ACode, int& APos) { Scroll(ACode, APos); }, this);
    }
    return FHelper.get();
}

void TuiScrollBar::ThemeChanged() {
    Helper()->CalculateViewInfo();
    uiRebuildScrollBarBitmaps();
    Invalidate();
    RequestAlign();
}

void TuiScrollBar::SetScrollParams(int AMin, int AMax, int APosition, int APageSize, bool ARedraw) {
    Helper()->SetScrollParams(AMin, AMax, APosition, APageSize, ARedraw);
}

void TuiScrollBar::SetKind(TScrollBarKind AValue) {
    if (AValue == Kind()) return;
    Helper()->SetKind(AValue);
    if (ComponentState().Contains(csLoading))
        Helper()->CalculateViewInfo();
    else
        SetBounds(Left(), Top(), Height(), Width());
    Invalidate();
}

void TuiScrollBar::SetMin(int AValue) {
    SetScrollParams(AValue, Max(), Position(), PageSize(), true);
}

void TuiScrollBar::SetMax(int AValue) {
    SetScrollParams(Min(), AValue, Position(), PageSize(), true);
}

void TuiScrollBar::SetPageSize(int AValue) {
    SetScrollParams(Min(), Max(), Position(), AValue, true);
}

void TuiScrollBar::SetPosition(int AValue) {
    SetScrollParams(Min(), Max(), AValue, PageSize(), true);
}

void TuiScrollBar::SetCtl3DValue(bool AValue) {
    FRealCtl3D = AValue;
    SetCtl3D(AValue);
}

void TuiScrollBar::Change() {
    Changed();
    OnChange(this);
}

void TuiScrollBar::Scroll(TScrollCode ACode, int& APos) {
    OnScroll(this, ACode, APos);
}

void TuiScrollBar::LookAndFeelChanged(TuiLookAndFeel*, TuiLookAndFeelValues) {
    // The change is the look's, not the user's: the stored value stays.
    FChangingCtl3D = true;
    if (FLookAndFeel->SkinPainter() != nullptr && Ctl3D())
        SetCtl3D(false);
    else if (FLookAndFeel->SkinPainter() == nullptr && Ctl3D() != FRealCtl3D)
        SetCtl3D(FRealCtl3D);
    FChangingCtl3D = false;
    Helper()->CalculateViewInfo();
    Invalidate();
}

void TuiScrollBar::DrawScrollBar(TuiCanvas* ACanvas) {
    Helper()->DrawScrollBar(ACanvas);
}

void TuiScrollBar::Paint() {
    const TRect client = ClientRect();
    TuiBitmap bitmap(client.right, client.bottom);
    DrawScrollBar(bitmap.GetuiCanvas());
    Canvas()->Draw(0, 0, &bitmap);
}

void TuiScrollBar::Resize() {
    Helper()->SetBounds(ClientRect());
    Helper()->CalculateViewInfo();
    TCustomControl::Resize();
}

void TuiScrollBar::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case CM_CTL3DCHANGED:
        TCustomControl::WndProc(Message);
        if (FChangingCtl3D) return;
        FRealCtl3D = Ctl3D();
        LookAndFeelChanged(FLookAndFeel.get(), {});
        return;
    case CN_CTLCOLORSCROLLBAR:
        uiRebuildScrollBarBitmaps();
        Message.Result = DefWindowProc(Handle(), Message.Msg, Message.WParam, Message.LParam);
        return;
    case CN_HSCROLL:
    case CN_VSCROLL:
        Helper()->Controller()->Scroll(static_cast<TScrollCode>(LOWORD(Message.WParam)));
        return;
    case WM_GESTURENOTIFY:
        ovSuspendGestures(Handle(), Message);
        return;
    default:
        TCustomControl::WndProc(Message);
    }
}

void TuiScrollBar::WMCancelMode(TMessage& Message) {
    Helper()->CancelMode();
    TCustomControl::WMCancelMode(Message);
}

void TuiScrollBar::CMEnabledChanged(TMessage& Message) {
    Helper()->SetEnabled(Enabled());
    Helper()->CalculateViewInfo();
    Invalidate();
}

void TuiScrollBar::CMVisibleChanged(TMessage& Message) {
    Helper()->SetVisible(Visible());
    TCustomControl::CMVisibleChanged(Message);
}

void TuiScrollBar::CMMouseEnter(TMessage& Message) {
    TCustomControl::CMMouseEnter(Message);
    Helper()->MouseEnter(this);
}

void TuiScrollBar::CMMouseLeave(TMessage& Message) {
    TCustomControl::CMMouseLeave(Message);
    Helper()->MouseLeave(this);
}

void TuiScrollBar::CMSysColorChange(TMessage& Message) {
    uiRebuildScrollBarBitmaps();
    TCustomControl::CMSysColorChange(Message);
}

void TuiScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    Helper()->MouseDown(Button, Shift, X, Y);
}

void TuiScrollBar::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    Helper()->MouseMove(Shift, X, Y);
}

void TuiScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    Helper()->MouseUp(Button, Shift, X, Y);
}
