#include "skin/controls/SkinCheckRadioBox.h"

#include "platform/gdi/GdiText.h"
#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/Keyboard.h"
#include "platform/vcl/Pen.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "skin/controls/SkinFaces.h"
#include "skin/controls/SkinFade.h"
#include "skin/controls/SkinPlainLook.h"
#include "skin/controls/SkinTiles.h"
#include "skin/data/SkinControls.h"
#include "skin/data/SkinData.h"
#include "skin/draw/GlyphLayout.h"
#include "skin/draw/ParentBackground.h"
#include "skin/draw/SkinEffectBitmap.h"
#include "skin/draw/SkinGeometry.h"
#include "skin/draw/SkinMarks.h"

TskSkinCheckRadioBox::TskSkinCheckRadioBox(TComponent* AOwner) : TskSkinCustomControl(AOwner) {
    SetSkinDataName("checkbox");
    FWidth = 150;
    FHeight = 25;
    SetTabStop(false);
    FFade = std::make_unique<TskFadeTimer>(
        this, [this] { return FMouseIn || HasFocus(); }, [this] { return Morphing(); },
        [this] { Repaint(); });
}

TskSkinCheckRadioBox::~TskSkinCheckRadioBox() {
    FFade->Stop();
}

double TskSkinCheckRadioBox::MorphFraction() const {
    return FFade->Fraction();
}

bool TskSkinCheckRadioBox::HasFocus() {
    return FCanFocused && Focused();
}

void TskSkinCheckRadioBox::StartFade() {
    if (Morphing())
        FFade->Start();
    else
        Invalidate();
}

// ---- Properties

void TskSkinCheckRadioBox::SetChecked(bool Value) {
    FChecked = Value;
    if (Value)
        FState = cbChecked;
    else if (FState == cbChecked)
        FState = cbUnchecked; // a grayed box stays grayed
    TWeakLink<TskSkinCheckRadioBox> self(this);
    Repaint();
    if (Value && FGroupIndex != 0 && Parent()) {
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            auto* other = dynamic_cast<TskSkinCheckRadioBox*>(Parent()->Controls(i));
            if (other && other != this && other->FGroupIndex == FGroupIndex && other->FChecked)
                other->SetChecked(false);
        }
    }
    if (!self) return;
    if (!FRadio || Value) OnClick(this);
}

void TskSkinCheckRadioBox::SetState(TCheckBoxState Value) {
    FState = Value;
    FChecked = Value == cbChecked;
    TWeakLink<TskSkinCheckRadioBox> self(this);
    Repaint();
    if (self) OnClick(this);
}

void TskSkinCheckRadioBox::SetAllowGrayed(bool Value) {
    FAllowGrayed = Value;
    Repaint();
}

void TskSkinCheckRadioBox::SetRadio(bool Value) {
    FRadio = Value;
    if ((FSkinIndex == -1 && DrawDefault()) || Designing()) Repaint();
    if (Designing() && !Loading()) {
        SetSkinDataName(Value ? "radiobox" : "checkbox");
        FGroupIndex = Value ? 1 : 0;
    }
}

void TskSkinCheckRadioBox::SetFlat(bool Value) {
    FFlat = Value;
    Repaint();
}

void TskSkinCheckRadioBox::SetWordWrap(bool Value) {
    if (Value == FWordWrap) return;
    FWordWrap = Value;
    if (FFlat) Repaint();
}

void TskSkinCheckRadioBox::SetImages(TCustomImageList* Value) {
    if (FImages) FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (FImages) FImages->FreeNotification(this);
    Repaint();
}

void TskSkinCheckRadioBox::SetImageIndex(int Value) {
    FImageIndex = Value;
    Repaint();
}

void TskSkinCheckRadioBox::SetCanFocused(bool Value) {
    FCanFocused = Value;
    SetTabStop(Value);
}

void TskSkinCheckRadioBox::ToggleChecked() {
    if (!FRadio)
        SetChecked(!FChecked);
    else if (!FChecked)
        SetChecked(true);
}

// ---- Description and geometry

void TskSkinCheckRadioBox::FindSkinIndex() {
    TskSkinCustomControl::FindSkinIndex();
    auto* data = dynamic_cast<TskDataSkinCheckRadioControl*>(SkinControlData());
    if (FSkinIndex == -1 || !data) {
        DescriptionMorphing = false;
        return;
    }
    auto orElse = [](const TRect& R, const TRect& Fallback) { return RectIsEmpty(R) ? Fallback : R; };
    FontName = data->FontName;
    FontHeight = data->FontHeight;
    FontStyle = data->FontStyle;
    FontColor = data->FontColor;
    ActiveFontColor = data->ActiveFontColor;
    UnenabledFontColor = data->UnenabledFontColor;
    FrameFontColor = data->FrameFontColor;
    // The flat look has no face to fade and no shape.
    DescriptionMorphing = data->Morphing && !FFlat;
    MorphKind = FFlat ? mkDefault : data->MorphKind;
    if (FFlat) MaskPicture = nullptr;
    ActiveSkinRect = orElse(data->ActiveSkinRect, SkinRect);
    CheckImageArea = data->CheckImageArea;
    TextArea = data->TextArea;
    CheckImageRect = data->CheckImageRect;
    UncheckImageRect = data->UncheckImageRect;
    ActiveCheckImageRect = orElse(data->ActiveCheckImageRect, CheckImageRect);
    ActiveUncheckImageRect = orElse(data->ActiveUncheckImageRect, UncheckImageRect);
    UnenabledCheckImageRect = orElse(data->UnenabledCheckImageRect, CheckImageRect);
    UnenabledUncheckImageRect = orElse(data->UnenabledUncheckImageRect, UncheckImageRect);
    GrayedCheckImageRect = data->GrayedCheckImageRect;
    ActiveGrayedCheckImageRect = data->ActiveGrayedCheckImageRect;
}

void TskSkinCheckRadioBox::GetSkinSize(int& AWidth, int& AHeight) {
    // The flat look keeps any size.
    if (FFlat) return;
    TskSkinCustomControl::GetSkinSize(AWidth, AHeight);
    if (FSkinIndex == -1) return;
    const int dw = Width() - RectWidth(SkinRect);
    FTextRect = TextArea;
    FTextRect.right += dw;
    TRect area = CheckImageArea;
    if (TextArea.right < CheckImageArea.right) OffsetRect(&area, dw, 0);
    const int cw = RectWidth(CheckImageRect), ch = RectHeight(CheckImageRect);
    const int left = area.left + (RectWidth(area) - cw) / 2, top = area.top + (RectHeight(area) - ch) / 2;
    FCheckRect = TRect{left, top, left + cw, top + ch};
}

void TskSkinCheckRadioBox::ChangeSkinData() {
    if (FFlat) {
        FindSkinIndex();
        Repaint();
        return;
    }
    FFade->Stop();
    TskSkinCustomControl::ChangeSkinData();
    if (Morphing() && (HasFocus() || FMouseIn)) FFade->SetFraction(1);
}

// ---- Painting

TRect TskSkinCheckRadioBox::CheckImageOfState() const {
    const bool grayed = FState == cbGrayed;
    if (!Enabled()) return (grayed || FChecked) ? UnenabledCheckImageRect : UnenabledUncheckImageRect;
    if (FMouseIn) return (grayed || FChecked) ? ActiveCheckImageRect : ActiveUncheckImageRect;
    return (grayed || FChecked) ? CheckImageRect : UncheckImageRect;
}

void TskSkinCheckRadioBox::DrawCheckImage(TCanvas* Canvas, int X, int Y) {
    const TRect image = CheckImageOfState();
    if (FState != cbGrayed) {
        DrawPictureRect(Canvas, X, Y, Picture, image, true);
        return;
    }
    if (!RectIsEmpty(GrayedCheckImageRect)) {
        const bool active = FMouseIn && !RectIsEmpty(ActiveGrayedCheckImageRect);
        DrawPictureRect(Canvas, X, Y, Picture, active ? ActiveGrayedCheckImageRect : GrayedCheckImageRect,
                        true);
        return;
    }
    // No grayed picture: the checked one, lightened half way to white.
    if (RectIsEmpty(image)) return;
    TBitmap piece(RectWidth(image), RectHeight(image));
    piece.Canvas()->CopyRect(TRect{0, 0, piece.Width(), piece.Height()}, Picture->Canvas(), image);
    TskEffectBmp effect(piece.Handle());
    effect.Lighten(0.5);
    effect.DrawAt(piece.Canvas()->Handle(), 0, 0);
    DrawPictureRect(Canvas, X, Y, &piece, TRect{0, 0, piece.Width(), piece.Height()}, true);
}

void TskSkinCheckRadioBox::DrawPlainMark(TCanvas* Canvas) {
    const int middle = Height() / 2;
    ::DrawPlainBox(Canvas, TRect{3, middle - 7, 17, middle + 7}, FMouseIn ? PlainHotFrame : clBtnShadow,
                   clWindow);
    Canvas->Pen()->SetColor(clBlack);
    if (FState == cbGrayed && !FRadio) {
        DrawCheckMark(Canvas, 7, middle - 4, clGrayText);
    } else if (FChecked) {
        const TColor colour = Enabled() ? clBlack : clBtnShadow;
        if (FRadio)
            DrawRadioDot(Canvas, 7, middle - 3, colour);
        else
            DrawCheckMark(Canvas, 7, middle - 4, colour);
    }
}

void TskSkinCheckRadioBox::DrawFlatText(TCanvas* Canvas, int TextLeft, int ImageGap, bool Skinned) {
    // Measured and drawn through the DC: the canvas's font must be in it.
    Canvas->RequiredState({csHandleValid, csFontValid, csBrushValid});
    HDC dc = Canvas->Handle();
    const std::string caption = Caption();
    const bool hasImage = FImages && FImageIndex >= 0 && FImageIndex < FImages->Count();
    TRect block{};
    if (FWordWrap) {
        block = TRect{TextLeft + (hasImage ? FImages->Width() : 0), 0, Width(), Height()};
        TRect measured = block;
        DrawText(dc, caption.c_str(), int(caption.size()), &measured,
                 DT_CALCRECT | DT_EXPANDTABS | DT_WORDBREAK);
        const int top = std::max(0, Height() / 2 - RectHeight(measured) / 2);
        block = TRect{measured.left, top, measured.right, top + RectHeight(measured)};
    }
    TRect r{0, 0, 0, 0};
    DrawText(dc, caption.c_str(), int(caption.size()), &r, DT_CALCRECT);
    OffsetRect(&r, TextLeft, Height() / 2 - RectHeight(r) / 2);
    r.right = std::min<LONG>(r.right, Width() - 2);
    TRect imageRect{};
    if (hasImage) {
        imageRect = TRect{r.left, Height() / 2 - FImages->Height() / 2, r.left + FImages->Width(),
                          Height() / 2 - FImages->Height() / 2 + FImages->Height()};
        FImages->Draw(Canvas, imageRect.left, imageRect.top, FImageIndex, Enabled());
        OffsetRect(&r, FImages->Width() + ImageGap, 0);
    }
    Canvas->Brush()->SetStyle(bsClear);
    TColor colour = Skinned ? (Enabled() ? FrameFontColor : UnenabledFontColor)
                            : (Enabled() ? DefaultFont()->Color() : clBtnShadow);
    if (Skinned && !FUseSkinFontColor) colour = DefaultFont()->Color();
    Canvas->Font()->SetColor(colour);
    if (FWordWrap)
        DrawText(Canvas->Handle(), caption.c_str(), int(caption.size()), &block,
                 DT_EXPANDTABS | DT_WORDBREAK);
    else {
        DrawSkinText(Canvas, caption, r);
    }
    InflateRect(&r, 2, 1);
    ++r.right;
    Canvas->Brush()->SetStyle(bsSolid);
    if (!HasFocus()) return;
    Canvas->Brush()->SetColor(Skinned ? SkinData()->Colors()->cBtnFace : clBtnFace);
    if (!caption.empty()) {
        if (FWordWrap) {
            InflateRect(&block, 2, 1);
            ++block.right;
        }
        DrawSkinFocusRect(Canvas, FWordWrap ? block : r);
    } else if (hasImage) {
        InflateRect(&imageRect, 1, 1);
        DrawSkinFocusRect(Canvas, imageRect);
    }
}

void TskSkinCheckRadioBox::PaintFlat() {
    TBitmap image(Width(), Height());
    TCanvas* canvas = image.Canvas();
    PaintParentBackground(this, canvas);
    if (FSkinIndex != -1) {
        const TRect check = CheckImageOfState();
        DrawCheckImage(canvas, 3, Height() / 2 - RectHeight(check) / 2);
        SetSkinFont(canvas->Font(), FontName, FontHeight, FontStyle);
        DrawFlatText(canvas, RectWidth(check) + 7, 8, true);
    } else {
        SetDefaultFontOn(canvas->Font());
        DrawFlatText(canvas, 22, 5, false);
        DrawPlainMark(canvas);
    }
    Canvas()->Draw(0, 0, &image);
}

void TskSkinCheckRadioBox::DrawFramedFace(TBitmap* B, const TRect& SourceRect, bool Active) {
    DrawSkinRectImage(B, Picture, SourceRect);
    TCanvas* canvas = B->Canvas();
    const TRect check = CheckImageOfState();
    DrawCheckImage(canvas, FCheckRect.left,
                   FCheckRect.top + RectHeight(FCheckRect) / 2 - RectHeight(check) / 2);
    SetSkinFont(canvas->Font(), FontName, FontHeight, FontStyle);
    canvas->Font()->SetColor(!Enabled() ? UnenabledFontColor : Active ? ActiveFontColor : FontColor);
    canvas->Brush()->SetStyle(bsClear);
    DrawSkinText(canvas, Caption(), FTextRect);
}

void TskSkinCheckRadioBox::PaintDefaultImage(TBitmap* B) {
    TskSkinCustomControl::PaintDefaultImage(B);
    TCanvas* canvas = B->Canvas();
    if (HasFocus() || FMouseIn) {
        TRect frame{0, 0, B->Width(), B->Height()};
        Frame3D(canvas->Handle(), frame, clBtnShadow, clBtnShadow, 1);
    }
    SetDefaultFontOn(canvas->Font());
    if (!Enabled()) canvas->Font()->SetColor(clBtnShadow);
    canvas->Brush()->SetStyle(bsClear);
    DrawSkinText(canvas, Caption(), TRect{19, 0, Width(), Height()});
    DrawPlainMark(canvas);
}

void TskSkinCheckRadioBox::Paint() {
    FindSkinIndex();
    if (FFlat) {
        if (Width() > 0 && Height() > 0) PaintFlat();
        return;
    }
    if (FSkinIndex == -1) {
        TskSkinControl::Paint();
        return;
    }
    if (Width() <= 0 || Height() <= 0) return;
    int w = Width(), h = Height();
    GetSkinSize(w, h);
    TBitmap face(Width(), Height());
    const auto background = AlphaBlend() ? ParentBackgroundImage() : nullptr;
    HDC dc = Canvas()->Handle();
    if (FFade->Fading()) {
        TBitmap active(Width(), Height());
        DrawFramedFace(&face, SkinRect, false);
        DrawFramedFace(&active, ActiveSkinRect, true);
        DrawMorphedFaces(dc, &face, &active, MorphKind, FFade->Fraction(), background.get(),
                         AlphaBlendAmount());
        return;
    }
    if (FMouseIn || HasFocus())
        DrawFramedFace(&face, ActiveSkinRect, true);
    else
        DrawFramedFace(&face, SkinRect, false);
    DrawSkinFace(dc, &face, background.get(), AlphaBlendAmount());
}

void TskSkinCheckRadioBox::WMEraseBkgnd(TMessage& Message) {
    if (!FFlat && !FInPaint) PaintInto(reinterpret_cast<HDC>(Message.WParam));
    Message.Result = 1;
}

void TskSkinCheckRadioBox::WMMove(TMessage& Message) {
    TskSkinCustomControl::WMMove(Message);
    Invalidate();
}

void TskSkinCheckRadioBox::AlphaBlendChanged() {
    if (FFlat)
        Repaint();
    else
        TskSkinCustomControl::AlphaBlendChanged();
}

// ---- Mouse, keys and focus

void TskSkinCheckRadioBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        FPressed = true;
        if (!FMouseIn) {
            FMouseIn = true;
            StartFade();
        }
    }
    TskSkinCustomControl::MouseDown(Button, Shift, X, Y);
}

void TskSkinCheckRadioBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TWeakLink<TskSkinCheckRadioBox> self(this);
    TskSkinCustomControl::MouseUp(Button, Shift, X, Y);
    if (!self || Button != mbLeft || !FMouseIn || !FPressed) return;
    FPressed = false;
    if (FAllowGrayed && !FRadio && FState == cbUnchecked) {
        FState = cbGrayed;
        Repaint();
        OnClick(this);
        return;
    }
    ToggleChecked();
}

void TskSkinCheckRadioBox::WndProc(TMessage& Message) {
    if (FCanFocused) {
        if (Message.Msg == WM_KEYUP && Message.WParam == VK_SPACE && Focused()) {
            TWeakLink<TskSkinCheckRadioBox> self(this);
            ToggleChecked();
            if (!self) return;
        }
        if (FocusByMouse(Message)) return;
    }
    TskSkinCustomControl::WndProc(Message);
}

void TskSkinCheckRadioBox::CMDialogChar(TMessage& Message) {
    if (IsAccel(static_cast<TKeyChar>(Message.WParam), Caption()) && CanFocus() && FCanFocused) {
        SetFocus();
        ToggleChecked();
        Message.Result = 1;
        return;
    }
    TskSkinCustomControl::CMDialogChar(Message);
}

void TskSkinCheckRadioBox::CMMouseEnter(TMessage& Message) {
    TskSkinCustomControl::CMMouseEnter(Message);
    if (Message.LParam != 0 || Designing()) return;
    FMouseIn = true;
    StartFade();
}

void TskSkinCheckRadioBox::CMMouseLeave(TMessage& Message) {
    TskSkinCustomControl::CMMouseLeave(Message);
    if (Message.LParam != 0 || Designing()) return;
    FMouseIn = false;
    StartFade();
}

void TskSkinCheckRadioBox::CMEnabledChanged(TMessage& Message) {
    TskSkinCustomControl::CMEnabledChanged(Message);
    if (Morphing()) FFade->Reset();
    FMouseIn = false;
    Repaint();
}

void TskSkinCheckRadioBox::CMTextChanged(TMessage& Message) {
    TskSkinCustomControl::CMTextChanged(Message);
    if (FSkinIndex != -1 || Designing() || DrawDefault()) Repaint();
}

void TskSkinCheckRadioBox::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TskSkinCustomControl::Dispatch(Message);
        if (FCanFocused) StartFade();
        return;
    default:
        TskSkinCustomControl::Dispatch(Message);
    }
}

void TskSkinCheckRadioBox::ActionChange(TObject* Sender, bool CheckDefaults) {
    TskSkinCustomControl::ActionChange(Sender, CheckDefaults);
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action || (CheckDefaults && FChecked)) return;
    SetChecked(action->Checked());
}

void TskSkinCheckRadioBox::Notification(TComponent* AComponent, TOperation Operation) {
    TskSkinCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove || AComponent != FImages) return;
    FImages = nullptr;
    Repaint();
}
