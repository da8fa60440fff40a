#include "platform/vcl/SpeedButton.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/vcl/StdCtrlsText.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinUser.h"

#include <algorithm>

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) {
    ControlStyle() = TControlStyle{csCaptureMouse, csDoubleClicks, csOpaque, csSetCaption};
    FWidth = 23;
    FHeight = 22;
}

void TSpeedButton::SetFlat(bool Value) {
    FFlat = Value;
    if (Value)
        ControlStyle().Exclude(csOpaque);
    else
        ControlStyle().Include(csOpaque);
    Invalidate();
}

void TSpeedButton::SetDown(bool Value) {
    // A button without a group cannot stay down; the last one down of a group cannot go up alone.
    if (FGroupIndex == 0) Value = false;
    if (Value == FDown) return;
    if (FDown && !FAllowAllUp) return;
    FDown = Value;
    FState = Value ? bsExclusive : bsUp;
    Invalidate();
    if (Value) UpdateExclusive();
}

void TSpeedButton::SetGroupIndex(int Value) {
    FGroupIndex = Value;
    if (Value == 0 && FDown) {
        FDown = false;
        FState = bsUp;
        Invalidate();
    }
}

void TSpeedButton::SetAllowAllUp(bool Value) {
    FAllowAllUp = Value;
    // The whole group shares the setting.
    if (Parent() == nullptr || FGroupIndex == 0) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
        if (other != nullptr && other != this && other->FGroupIndex == FGroupIndex)
            other->FAllowAllUp = Value;
    }
}

void TSpeedButton::UpdateExclusive() {
    if (Parent() == nullptr || FGroupIndex == 0) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
        if (other != nullptr && other != this && other->FGroupIndex == FGroupIndex && other->FDown) {
            other->FDown = false;
            other->FState = bsUp;
            other->Invalidate();
        }
    }
}

void TSpeedButton::CalcLayout(RECT& GlyphRect, RECT& TextRect) {
    FButtonGlyph.CalcLayout(ClientRect(), Font(), Caption(), GlyphRect, TextRect);
}

void TSpeedButton::Click() {
    TGraphicControl::Click();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && Enabled()) {
        if (!FDown) {
            FState = bsDown;
            Invalidate();
        }
        FDragging = true;
    }
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FDragging) return;
    const RECT r = ClientRect();
    const bool inside = ::PtInRect(&r, POINT{X, Y}) != FALSE;
    const TButtonState state = !inside ? (FDown ? bsExclusive : bsUp) : (FDown ? bsExclusive : bsDown);
    if (state != FState) {
        FState = state;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging || Button != mbLeft) return;
    FDragging = false;
    const RECT r = ClientRect();
    const bool inside = ::PtInRect(&r, POINT{X, Y}) != FALSE;
    if (FGroupIndex == 0) {
        FState = bsUp;
        Invalidate();
        if (inside) Click();
        return;
    }
    if (inside) {
        if (!FDown)
            SetDown(true);
        else if (FAllowAllUp)
            SetDown(false);
    }
    FState = FDown ? bsExclusive : bsUp;
    Invalidate();
    if (inside) Click();
}

void TSpeedButton::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case CM_MOUSEENTER:
        FMouseInControl = true;
        if (FFlat) Invalidate();
        break;
    case CM_MOUSELEAVE:
        FMouseInControl = false;
        if (FFlat) Invalidate();
        break;
    case CM_ENABLEDCHANGED:
        FState = Enabled() ? (FDown ? bsExclusive : bsUp) : bsDisabled;
        Invalidate();
        break;
    case CM_TEXTCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TGraphicControl::Dispatch(Message);
}

void TSpeedButton::DrawGlyph(HDC DC, const RECT& Rect) {
    int index = 0;
    if (!Enabled() && FButtonGlyph.NumGlyphs() > 1)
        index = 1;
    else if (FState == bsDown && FButtonGlyph.NumGlyphs() > 2)
        index = 2;
    else if (FState == bsExclusive && FButtonGlyph.NumGlyphs() > 3)
        index = 3;
    else if (FState == bsExclusive && FButtonGlyph.NumGlyphs() > 2)
        index = 2;
    FButtonGlyph.Draw(DC, index, POINT{Rect.left, Rect.top}, Enabled());
}

void TSpeedButton::Paint() {
    HDC dc = Canvas()->Handle();
    RECT client = ClientRect();
    const bool down = FState == bsDown || FState == bsExclusive;
    if (!FFlat) {
        StdCtrlsFill(dc, client, clBtnFace);
        RECT frame = client;
        ::DrawFrameControl(dc, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
    } else {
        if (FState == bsExclusive && !FMouseInControl) {
            // A flat button held down shows a lighter face.
            RECT inner = client;
            ::InflateRect(&inner, -1, -1);
            StdCtrlsFill(dc, inner, clBtnHighlight);
        }
        RECT frame = client;
        if (down)
            ::DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
        else if (FMouseInControl && Enabled())
            ::DrawEdge(dc, &frame, BDR_RAISEDINNER, BF_RECT);
    }
    RECT glyph{}, text{};
    CalcLayout(glyph, text);
    if (down) {
        ::OffsetRect(&glyph, 1, 1);
        ::OffsetRect(&text, 1, 1);
    }
    DrawGlyph(dc, glyph);
    const std::string caption = Caption();
    if (!caption.empty())
        StdCtrlsDrawCaption(dc, Font(), caption, text, DT_SINGLELINE | DT_CENTER | DT_VCENTER, Enabled(),
                            ColorToRGB(Font()->Color()));
}
