#include "skin/controls/SkinTrackBar.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/rtl/Numerics.h"
#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "skin/controls/SkinPlainLook.h"
#include "skin/data/SkinControls.h"
#include "skin/data/SkinData.h"
#include "skin/draw/SkinEffectBitmap.h"
#include "skin/draw/SkinGeometry.h"

#include <algorithm>

TskSkinTrackBar::TskSkinTrackBar(TComponent* AOwner) : TskSkinCustomControl(AOwner) {
    SetSkinDataName("htrackbar");
    FWidth = 100;
    FHeight = 20;
    SetTabStop(false);
}

// ---- Values

void TskSkinTrackBar::SetValue(int Value) {
    Value = std::clamp(Value, FMinValue, std::max(FMinValue, FMaxValue));
    if (Value == FValue) return;
    FValue = Value;
    TWeakLink<TskSkinTrackBar> self(this);
    Repaint();
    if (self) OnChange(this);
}

void TskSkinTrackBar::SetMinValue(int Value) {
    FMinValue = Value;
    FValue = std::clamp(FValue, FMinValue, std::max(FMinValue, FMaxValue));
    Repaint();
}

void TskSkinTrackBar::SetMaxValue(int Value) {
    FMaxValue = Value;
    FValue = std::clamp(FValue, FMinValue, std::max(FMinValue, FMaxValue));
    Repaint();
}

void TskSkinTrackBar::SetVertical(bool Value) {
    FVertical = Value;
    Repaint();
    if (Designing() && !Loading()) SetSkinDataName(Value ? "trackbar" : "htrackbar");
}

void TskSkinTrackBar::SetCanFocused(bool Value) {
    FCanFocused = Value;
    SetTabStop(Value);
}

bool TskSkinTrackBar::HasFocus() {
    return FCanFocused && Focused();
}

int TskSkinTrackBar::ValueFromPos(int Pos) const {
    const int travel = FEnd - FStart;
    const double x = travel <= 0 ? 0.0 : std::clamp(double(Pos) / travel, 0.0, 1.0);
    return FMinValue + int(Round((double(FMaxValue) - FMinValue) * x));
}

// ---- Description and geometry

void TskSkinTrackBar::FindSkinIndex() {
    TskSkinCustomControl::FindSkinIndex();
    auto* data = dynamic_cast<TskDataSkinTrackBarControl*>(SkinControlData());
    if (FSkinIndex == -1 || !data) return;
    FVertical = data->Vertical;
    ActiveSkinRect = data->ActiveSkinRect;
    SkinTrackArea = data->TrackArea;
    ButtonRect = data->ButtonRect;
    ActiveButtonRect = RectIsEmpty(data->ActiveButtonRect) ? data->ButtonRect : data->ActiveButtonRect;
    ButtonTransparent = data->ButtonTransparent;
    ButtonTransparentColor = data->ButtonTransparentColor;
}

void TskSkinTrackBar::GetSkinSize(int& AWidth, int& AHeight) {
    TskSkinCustomControl::GetSkinSize(AWidth, AHeight);
    TrackArea = SkinTrackArea;
    if (FSkinIndex == -1 || FResizeMode < 1 || FResizeMode > 3) return;
    if (FVertical)
        TrackArea.bottom += AHeight - RectHeight(SkinRect);
    else
        TrackArea.right += AWidth - RectWidth(SkinRect);
}

void TskSkinTrackBar::ThumbGeometry(const TRect& A, int tw, int th) {
    const double f = ValueFraction(FValue, FMinValue, FMaxValue);
    if (FVertical) {
        FStart = A.top + th / 2;
        FEnd = A.bottom - th / 2;
        FPos = int(Round((FEnd - FStart) * f));
        const int left = A.left + RectWidth(A) / 2 - tw / 2, top = FEnd - FPos - th / 2;
        FThumbRect = TRect{left, top, left + tw, top + th};
    } else {
        FStart = A.left + tw / 2;
        FEnd = A.right - tw / 2;
        FPos = int(Round((FEnd - FStart) * f));
        const int left = FStart + FPos - tw / 2, top = A.top + RectHeight(A) / 2 - th / 2;
        FThumbRect = TRect{left, top, left + tw, top + th};
    }
}

void TskSkinTrackBar::UpdateThumb() {
    FindSkinIndex();
    if (FSkinIndex != -1) {
        int w = Width(), h = Height();
        GetSkinSize(w, h);
        ThumbGeometry(TrackArea, RectWidth(ButtonRect), RectHeight(ButtonRect));
        return;
    }
    const int tw = FVertical ? Width() - 4 : (Height() - 4) / 2;
    const int th = FVertical ? (Width() - 4) / 2 : Height() - 4;
    ThumbGeometry(TRect{2, 2, Width() - 2, Height() - 2}, tw, th);
}

// ---- Painting

void TskSkinTrackBar::PaintSkinImage(TBitmap* B) {
    TskSkinCustomControl::PaintSkinImage(B);
    ThumbGeometry(TrackArea, RectWidth(ButtonRect), RectHeight(ButtonRect));
    TCanvas* canvas = B->Canvas();
    if (!RectIsEmpty(ActiveSkinRect)) {
        // The filled part of the track, up to the thumb's centre.
        TBitmap filled;
        DrawSkinRectImage(&filled, Picture, ActiveSkinRect);
        if (FVertical) {
            const int from = FThumbRect.top + RectHeight(FThumbRect) / 2;
            if (B->Height() > from)
                BitBlt(canvas->Handle(), 0, from, filled.Width(), B->Height() - from,
                       filled.Canvas()->Handle(), 0, from, SRCCOPY);
        } else {
            const int to = FThumbRect.left + RectWidth(FThumbRect) / 2;
            if (to > 0)
                BitBlt(canvas->Handle(), 0, 0, to, filled.Height(), filled.Canvas()->Handle(), 0, 0, SRCCOPY);
        }
    }
    const TRect& source = (FDragging || HasFocus()) ? ActiveButtonRect : ButtonRect;
    if (RectIsEmpty(source)) return;
    TBitmap thumb(RectWidth(source), RectHeight(source));
    thumb.Canvas()->CopyRect(TRect{0, 0, thumb.Width(), thumb.Height()}, Picture->Canvas(), source);
    if (ButtonTransparent) {
        thumb.SetTransparentColor(ButtonTransparentColor);
        thumb.SetTransparent(true);
    } else if (AlphaBlend()) {
        TBitmap under(thumb.Width(), thumb.Height());
        BitBlt(under.Canvas()->Handle(), 0, 0, thumb.Width(), thumb.Height(), canvas->Handle(),
               FThumbRect.left, FThumbRect.top, SRCCOPY);
        TskEffectBmp image(thumb.Handle());
        image.CrossFade(TskEffectBmp(under.Handle()), AlphaBlendAmount());
        image.DrawAt(thumb.Canvas()->Handle(), 0, 0);
    }
    canvas->Draw(FThumbRect.left, FThumbRect.top, &thumb);
}

void TskSkinTrackBar::PaintDefaultImage(TBitmap* B) {
    TskSkinCustomControl::PaintDefaultImage(B);
    TCanvas* canvas = B->Canvas();
    TRect groove = FVertical ? TRect{Width() / 2 - 1, 4, Width() / 2 + 1, Height() - 4}
                             : TRect{4, Height() / 2 - 1, Width() - 4, Height() / 2 + 1};
    Frame3D(canvas->Handle(), groove, clBtnShadow, clBtnShadow, 1);
    UpdateThumb();
    if (RectIsEmpty(FThumbRect)) return;
    if (FDragging)
        DrawPlainBox(canvas, FThumbRect, PlainHotFrame, PlainDownFill);
    else if (HasFocus())
        DrawPlainBox(canvas, FThumbRect, PlainHotFrame, PlainHotFill);
    else
        DrawPlainBox(canvas, FThumbRect, clBtnShadow, clBtnFace);
}

void TskSkinTrackBar::WMEraseBkgnd(TMessage& Message) {
    if (!FInPaint) PaintInto(reinterpret_cast<HDC>(Message.WParam));
    Message.Result = 1;
}

// ---- Mouse

void TskSkinTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TWeakLink<TskSkinTrackBar> self(this);
    TskSkinCustomControl::MouseDown(Button, Shift, X, Y);
    if (!self || !FMouseSupport) return;
    UpdateThumb();
    const TRect grip{FThumbRect.left, FThumbRect.top, FThumbRect.right + 1, FThumbRect.bottom + 1};
    if (!PtInRect(&grip, POINT{X, Y})) return;
    FDragStart = FVertical ? Y : X;
    FDragPos = FPos;
    FDragging = true;
    Repaint();
    OnStartDragButton(this);
}

void TskSkinTrackBar::MouseMove(TShiftState Shift, int X, int Y) {
    TWeakLink<TskSkinTrackBar> self(this);
    if (FMouseSupport && FDragging) {
        UpdateThumb();
        SetValue(ValueFromPos(FVertical ? FDragStart + FDragPos - Y : X + FDragPos - FDragStart));
        if (!self) return;
    }
    TskSkinCustomControl::MouseMove(Shift, X, Y);
}

void TskSkinTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TWeakLink<TskSkinTrackBar> self(this);
    TskSkinCustomControl::MouseUp(Button, Shift, X, Y);
    if (!self || !FMouseSupport) return;
    if (FDragging) {
        FDragging = false;
        Repaint();
        OnLastChange(this);
        return;
    }
    if (!FJumpWhenClick) return;
    UpdateThumb();
    // The thumb's centre goes to the click; vertically counted up from the control's bottom.
    const int offset = FSkinIndex == -1 ? 2 : (FVertical ? TrackArea.top : TrackArea.left);
    const int p = FVertical ? Height() - Y - RectHeight(FThumbRect) / 2 - offset
                            : X - RectWidth(FThumbRect) / 2 - offset;
    SetValue(ValueFromPos(p));
}

void TskSkinTrackBar::WMMouseWheel(TMessage& Message) {
    if (!HasFocus()) {
        TskSkinCustomControl::WMMouseWheel(Message);
        return;
    }
    const int delta = SHORT(HIWORD(Message.WParam));
    if (FVertical)
        StepValue(delta > 0 ? 1 : -1);
    else
        StepValue(delta > 0 ? -1 : 1);
    Message.Result = 1;
}

// ---- Keyboard

void TskSkinTrackBar::StepValue(int Step) {
    TWeakLink<TskSkinTrackBar> self(this);
    SetValue(FValue + Step);
    if (self) OnLastChange(this);
}

void TskSkinTrackBar::KeyDown(WORD& Key, TShiftState Shift) {
    TWeakLink<TskSkinTrackBar> self(this);
    TskSkinCustomControl::KeyDown(Key, Shift);
    if (!self || !FCanFocused) return;
    if (Key == VK_LEFT || Key == VK_DOWN)
        StepValue(-1);
    else if (Key == VK_UP || Key == VK_RIGHT)
        StepValue(1);
}

void TskSkinTrackBar::WndProc(TMessage& Message) {
    if (FCanFocused && FocusByMouse(Message)) return;
    TskSkinCustomControl::WndProc(Message);
}

void TskSkinTrackBar::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TskSkinCustomControl::Dispatch(Message);
        if (FCanFocused) Repaint();
        return;
    case CM_WANTSPECIALKEY:
        TskSkinCustomControl::Dispatch(Message);
        if (FCanFocused && (Message.WParam == VK_LEFT || Message.WParam == VK_RIGHT ||
                            Message.WParam == VK_UP || Message.WParam == VK_DOWN))
            Message.Result = 1;
        return;
    default:
        TskSkinCustomControl::Dispatch(Message);
    }
}
