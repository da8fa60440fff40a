#include "skin/framed/FrHotKeyEdit.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/Theme.h"
#include "platform/vcl/Canvas.h"
#include "platform/win/Painting.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "skin/framed/FrameEdges.h"

TFrHotKeyEdit::TFrHotKeyEdit(TComponent* AOwner) : THotKey(AOwner), FCanvas(std::make_unique<TCanvas>()) {
    FHeight = 21;
    FNormalColor = Color();
}

TFrHotKeyEdit::~TFrHotKeyEdit() {
    if (FFrameController) FFrameController->DetachControl(this);
}

// ---- Colours by state

void TFrHotKeyEdit::UpdateColors() {
    if (ComponentState().Contains(csLoading)) return;
    FSettingColor = true;
    if (!Enabled())
        THotKey::SetColor(FDisabledColor);
    else if (Focused())
        THotKey::SetColor(FFocusColor);
    else
        THotKey::SetColor(FNormalColor);
    FSettingColor = false;
}

void TFrHotKeyEdit::FollowColor() {
    if (FFocusColor == FNormalColor) FFocusColor = Color();
    FNormalColor = Color();
}

void TFrHotKeyEdit::RepaintVisibleFrame() {
    if (FFrameVisible && !UsesThemedFrame()) RepaintFrame();
}

void TFrHotKeyEdit::CMColorChanged(TMessage& Message) {
    THotKey::CMColorChanged(Message);
    if (!FSettingColor) FollowColor();
    RepaintVisibleFrame();
}

void TFrHotKeyEdit::CMParentColorChanged(TMessage& Message) {
    THotKey::CMParentColorChanged(Message);
    if (ParentColor() && !FSettingColor) FollowColor();
    RepaintVisibleFrame();
}

void TFrHotKeyEdit::SetDisabledColor(TColor Value) {
    FDisabledColor = Value;
    if (!Enabled()) UpdateColors();
}

void TFrHotKeyEdit::SetFocusColor(TColor Value) {
    FFocusColor = Value;
    if (Focused()) UpdateColors();
}

void TFrHotKeyEdit::CMEnabledChanged(TMessage& Message) {
    THotKey::CMEnabledChanged(Message);
    UpdateColors();
}

// ---- Frame settings

void TFrHotKeyEdit::SetFrameColor(TColor Value) {
    if (Value == FFrameColor) return;
    FFrameColor = Value;
    RepaintFrame();
}

void TFrHotKeyEdit::SetFrameHotColor(TColor Value) {
    if (Value == FFrameHotColor) return;
    FFrameHotColor = Value;
    RepaintFrame();
}

void TFrHotKeyEdit::SetFrameHotStyle(TFrameStyle Value) {
    if (Value == FFrameHotStyle) return;
    FFrameHotStyle = Value;
    RepaintFrame();
}

void TFrHotKeyEdit::SetFrameSides(TSides Value) {
    if (Value == FFrameSides) return;
    FFrameSides = Value;
    RepaintFrame();
}

void TFrHotKeyEdit::SetFrameStyle(TFrameStyle Value) {
    if (Value == FFrameStyle) return;
    FFrameStyle = Value;
    RepaintFrame();
}

void TFrHotKeyEdit::SetFrameHotTrack(bool Value) {
    FFrameHotTrack = Value;
    if (Value) {
        SetFrameVisible(true);
        if (!ComponentState().Contains(csLoading)) FFrameSides = AllSides;
    }
    RepaintFrame();
    Invalidate();
}

void TFrHotKeyEdit::SetFrameVisible(bool Value) {
    if (Value == FFrameVisible) return;
    FFrameVisible = Value;
    if (Value) SetCtl3D(true);
    if (HandleAllocated()) RecreateWnd();
}

void TFrHotKeyEdit::SetFramingPreference(TFramingPreference Value) {
    const bool becameCustom = Value == fpCustomFraming && FFramingPreference != fpCustomFraming;
    FFramingPreference = Value;
    if (becameCustom) RepaintFrame();
}

void TFrHotKeyEdit::SetFrameController(TFrFrameController* Value) {
    ChangeFrameController(this, FFrameController, Value);
}

void TFrHotKeyEdit::Notification(TComponent* AComponent, TOperation Operation) {
    THotKey::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFrameController) FFrameController = nullptr;
}

bool TFrHotKeyEdit::UsesThemedFrame() const {
    return FFramingPreference == fpXPThemes && IsThemeActive() && IsAppThemed();
}

// ---- Frame state

void TFrHotKeyEdit::UpdateFrameState(bool ChangeMouse, bool Over) {
    if (ChangeMouse) FMouseOver = Over;
    if (FFrameHotTrack) RepaintFrame();
    UpdateColors();
}

bool TFrHotKeyEdit::ShowsHotFrame() {
    return FFrameHotTrack && (Focused() || FMouseOver);
}

void TFrHotKeyEdit::RepaintFrame() {
    if (!HandleAllocated()) return;
    RECT client{};
    ::GetClientRect(Handle(), &client);
    RedrawNonClientFrame(Handle(), client);
}

void TFrHotKeyEdit::CMEnter(TMessage& Message) {
    UpdateFrameState(false, false);
    THotKey::CMEnter(Message);
}

void TFrHotKeyEdit::CMExit(TMessage& Message) {
    THotKey::CMExit(Message);
    UpdateFrameState(false, false);
}

void TFrHotKeyEdit::CMMouseEnter(TMessage& Message) {
    THotKey::CMMouseEnter(Message);
    if (Message.LParam == 0 && !ComponentState().Contains(csDesigning)) UpdateFrameState(true, true);
}

void TFrHotKeyEdit::CMMouseLeave(TMessage& Message) {
    THotKey::CMMouseLeave(Message);
    if (Message.LParam == 0 && !ComponentState().Contains(csDesigning)) UpdateFrameState(true, false);
}

void TFrHotKeyEdit::WMSize(TMessage& Message) {
    THotKey::WMSize(Message);
    RepaintVisibleFrame();
}

void TFrHotKeyEdit::Loaded() {
    THotKey::Loaded();
    UpdateColors();
    UpdateFrameState(false, false);
}

// ---- Non-client frame

void TFrHotKeyEdit::CreateParams(TCreateParams& Params) {
    THotKey::CreateParams(Params);
    // The field's sunken 3-D border lies outside its client area, where the custom frame is drawn.
    if (Ctl3D()) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TFrHotKeyEdit::PaintNonClient(TMessage& Message) {
    THotKey::Dispatch(Message);
    if (!FFrameVisible || UsesThemedFrame()) return;
    HDC dc = ::GetWindowDC(Handle());
    if (!dc) return;
    FCanvas->SetHandle(dc);
    const bool hot = ShowsHotFrame();
    DrawControlFrame(FCanvas.get(), Width(), Height(), hot ? FFrameHotStyle : FFrameStyle, Color(),
                     hot ? FFrameHotColor : FFrameColor, FFrameSides, false);
    FCanvas->SetHandle(nullptr);
    ::ReleaseDC(Handle(), dc);
    Message.Result = 0;
}

void TFrHotKeyEdit::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_NCPAINT) {
        PaintNonClient(Message);
        return;
    }
    THotKey::Dispatch(Message);
}
