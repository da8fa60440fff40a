#include "skin/controls/SkinButton.h"

#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/ActionList.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/Keyboard.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/vcl/Timer.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "skin/controls/SkinFaces.h"
#include "skin/controls/SkinFade.h"
#include "skin/controls/SkinPlainLook.h"
#include "skin/data/SkinControls.h"
#include "skin/data/SkinData.h"
#include "skin/draw/GlyphLayout.h"
#include "skin/draw/LayerWindow.h"
#include "skin/draw/LayeredWindowSupport.h"
#include "skin/draw/ParentBackground.h"
#include "skin/draw/SkinGeometry.h"
#include "skin/draw/SkinImageBuilder.h"
#include "skin/draw/SkinMarks.h"

TskSkinButton::TskSkinButton(TComponent* AOwner) : TskSkinCustomControl(AOwner) {
    SetSkinDataName("button");
    FWidth = 75;
    FHeight = 25;
    FGlyph = std::make_unique<TBitmap>();
    SetTabStop(true);
    FFade = std::make_unique<TskFadeTimer>(
        this, [this] { return FMouseIn || HasFocus(); }, [this] { return FSkinIndex != -1 && Morphing(); },
        [this] { Repaint(); });
    FAnimTimer = new TTimer(this);
    FAnimTimer->SetEnabled(false);
    FAnimTimer->OnTimer = TNotifyEvent([this](TObject*) { AnimationTick(); }, this);
    FRepeatTimer = new TTimer(this);
    FRepeatTimer->SetEnabled(false);
    FRepeatTimer->OnTimer = TNotifyEvent([this](TObject*) { RepeatTick(); }, this);
    FLayerManager = new TskLayerManager(this);
}

TskSkinButton::~TskSkinButton() {
    FFade->Stop();
    FAnimTimer->SetEnabled(false);
    FRepeatTimer->SetEnabled(false);
}

// ---- Properties

void TskSkinButton::SetGlyph(TBitmap* Value) {
    FGlyph->Assign(Value);
    Repaint();
}

void TskSkinButton::SetNumGlyphs(int Value) {
    FNumGlyphs = std::clamp(Value, 1, 4);
    Repaint();
}

void TskSkinButton::SetLayout(TskButtonLayout Value) {
    if (Value == FLayout) return;
    FLayout = Value;
    Repaint();
}

void TskSkinButton::SetMargin(int Value) {
    if (Value < -1 || Value == FMargin) return;
    FMargin = Value;
    Repaint();
}

void TskSkinButton::SetSpacing(int Value) {
    if (Value == FSpacing) return;
    FSpacing = Value;
    Repaint();
}

void TskSkinButton::SetImageList(TCustomImageList* Value) {
    if (FImageList) FImageList->RemoveFreeNotification(this);
    FImageList = Value;
    if (FImageList) FImageList->FreeNotification(this);
    Repaint();
}

void TskSkinButton::SetImageIndex(int Value) {
    if (Value == FImageIndex) return;
    FImageIndex = Value;
    Repaint();
}

void TskSkinButton::SetTransparent(bool Value) {
    if (Value == FTransparent) return;
    FTransparent = Value;
    Repaint();
}

void TskSkinButton::SetCheckedMode(bool Value) {
    if (Value == FCheckedMode) return;
    FCheckedMode = Value;
    if (Value)
        SetGroupIndex(-1);
    else if (FGroupIndex == -1)
        SetGroupIndex(0);
}

void TskSkinButton::SetGroupIndex(int Value) {
    FGroupIndex = Value;
    if (Value != 0) SetCanFocused(false);
}

void TskSkinButton::SetCanFocused(bool Value) {
    FCanFocused = Value;
    SetTabStop(Value);
}

void TskSkinButton::SetDefault(bool Value) {
    FDefault = Value;
    if (!HandleAllocated() || !FCanFocused || Designing()) return;
    if (TCustomForm* form = GetParentForm())
        form->Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(form->ActiveControl()));
}

void TskSkinButton::SetDown(bool Value) {
    FDown = Value;
    if (Morphing()) {
        FFade->SetFraction(1);
        if (Value)
            FFade->Stop();
        else
            FFade->Start();
    }
    Repaint();
    if (FGroupIndex <= 0 || !Value || FAllowAllUp || !Parent()) return;
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        auto* other = dynamic_cast<TskSkinButton*>(Parent()->Controls(i));
        if (other && other != this && other->FGroupIndex == FGroupIndex && other->FDown)
            other->SetDown(false);
    }
}

double TskSkinButton::MorphFraction() const {
    return FFade->Fraction();
}

bool TskSkinButton::Animating() const {
    return FAnimTimer->Enabled();
}

bool TskSkinButton::Repeating() const {
    return FRepeatTimer->Enabled();
}

// ---- Derived conditions

bool TskSkinButton::HasFocus() {
    return FCanFocused && Focused();
}

bool TskSkinButton::SkinEffects() const {
    return SkinLoaded() && SkinData()->EnableSkinEffects();
}

bool TskSkinButton::Morphing() const {
    return DescriptionMorphing && SkinEffects();
}

bool TskSkinButton::CanAnimate() const {
    return FSkinIndex != -1 && SkinEffects() && !RectIsEmpty(AnimateSkinRect);
}

bool TskSkinButton::ShowsDown() {
    return FDown && (FGroupIndex != 0 || FMouseIn || (HasFocus() && !FMouseHeld));
}

int TskSkinButton::GlyphCell(bool ADown, bool AMouseIn) const {
    if (ADown && AMouseIn && FNumGlyphs > 2) return 3;
    if (AMouseIn && FNumGlyphs > 3) return 4;
    if (Enabled() || FNumGlyphs < 2) return 1;
    return 2;
}

// ---- Description

TRect TskSkinButton::AnimationFrameRect() const {
    if (FrameCount <= 0) return TRect{};
    const TRect& a = AnimateSkinRect;
    if (RectWidth(a) > RectWidth(SkinRect)) {
        const int w = RectWidth(a) / FrameCount;
        const int left = a.left + (FAnimFrame - 1) * w;
        return TRect{left, a.top, left + w, a.bottom};
    }
    const int h = RectHeight(a) / FrameCount;
    const int top = a.top + (FAnimFrame - 1) * h;
    return TRect{a.left, top, a.right, top + h};
}

void TskSkinButton::FindSkinIndex() {
    TskSkinCustomControl::FindSkinIndex();
    auto* data = dynamic_cast<TskDataSkinButtonControl*>(SkinControlData());
    if (FSkinIndex == -1 || !data) {
        DescriptionMorphing = false;
        AnimateSkinRect = TRect{};
        FGlowPicture = -1;
        return;
    }
    FontName = data->FontName;
    FontHeight = data->FontHeight;
    FontStyle = data->FontStyle;
    FontColor = data->FontColor;
    ActiveFontColor = data->ActiveFontColor;
    DownFontColor = data->DownFontColor;
    DisabledFontColor = data->DisabledFontColor == data->FontColor ? clGray : TColor(data->DisabledFontColor);
    DescriptionMorphing = data->Morphing;
    MorphKind = data->MorphKind;
    ActiveSkinRect = RectIsEmpty(data->ActiveSkinRect) ? SkinRect : data->ActiveSkinRect;
    DownSkinRect = RectIsEmpty(data->DownSkinRect) ? ActiveSkinRect : data->DownSkinRect;
    DisabledSkinRect = data->DisabledSkinRect;
    FocusedSkinRect = data->FocusedSkinRect;
    AnimateSkinRect = data->AnimateSkinRect;
    FrameCount = data->FrameCount;
    AnimateInterval = data->AnimateInterval;
    ShowFocus = data->ShowFocus;
    FGlowPicture = data->GlowLayerPictureIndex;
    FGlowMask = data->GlowLayerMaskPictureIndex;
    FGlowLeft = data->GlowLayerOffsetLeft;
    FGlowTop = data->GlowLayerOffsetTop;
    FGlowRight = data->GlowLayerOffsetRight;
    FGlowBottom = data->GlowLayerOffsetBottom;
    FGlowShowX = data->GlowLayerShowOffsetX;
    FGlowShowY = data->GlowLayerShowOffsetY;
    FGlowAlpha = data->GlowLayerAlphaBlendValue;
    if (!FUseSkinSize) MaskPicture = nullptr;
    if (SkinEffects() && Animating() && FAnimFrame > 0 && FAnimFrame <= FrameCount) {
        const TRect frame = AnimationFrameRect();
        if (FAnimForward)
            ActiveSkinRect = frame;
        else
            SkinRect = frame;
    }
}

void TskSkinButton::GetSkinSize(int& AWidth, int& AHeight) {
    if (FUseSkinSize || FResizeMode == 1) {
        TskSkinCustomControl::GetSkinSize(AWidth, AHeight);
        return;
    }
    if (FSkinIndex == -1) return;
    NewClRect = TRect{ClRect.left, ClRect.top, ClRect.right + Width() - RectWidth(SkinRect),
                      ClRect.bottom + Height() - RectHeight(SkinRect)};
}

void TskSkinButton::ChangeSkinData() {
    FFade->Reset();
    StopAnimation();
    TskSkinCustomControl::ChangeSkinData();
    if (Morphing() && FSkinIndex != -1 && (HasFocus() || FMouseIn)) FFade->SetFraction(1);
    if (FMouseIn && HandleAllocated()) ::PostMessage(Handle(), SKINMSG_SHOWGLOW, 0, 0);
}

void TskSkinButton::ClearSkinIndex() {
    TskSkinCustomControl::ClearSkinIndex();
    HideGlow();
}

// ---- Painting

void TskSkinButton::DrawContent(TCanvas* Canvas, const TRect& R, bool ADown, bool AMouseIn) {
    if (FImageList && FImageIndex >= 0 && FImageIndex < FImageList->Count())
        DrawImageAndText(Canvas, R, FMargin, FImageList, FImageIndex, Caption(), FLayout, FSpacing,
                         Enabled());
    else
        DrawGlyphAndText(Canvas, R, FMargin, GlyphCell(ADown, AMouseIn), FNumGlyphs, FGlyph.get(), Caption(),
                         FLayout, FSpacing);
}

void TskSkinButton::DrawButtonFace(TBitmap* B, const TRect& SourceRect, bool ADown, bool AMouseIn) {
    // A transparent button shows its face only while hot or down.
    const bool faceShown = !FTransparent || AMouseIn || ADown;
    TRect text = NewClRect;
    if (!FUseSkinSize && FResizeMode != 1) {
        // The face is stretched to the button's size.
        text = TRect{ClRect.left, ClRect.top, ClRect.right + B->Width() - RectWidth(SourceRect),
                     ClRect.bottom + B->Height() - RectHeight(SourceRect)};
        if (faceShown && FResizeMode == 0)
            B->Canvas()->CopyRect(TRect{0, 0, B->Width(), B->Height()}, Picture->Canvas(), SourceRect);
        else if (faceShown && (FResizeMode == 2 || FResizeMode == 3))
            StretchSkinRect(B, Picture, SourceRect, true, ClRect);
    } else if (faceShown) {
        DrawSkinRectImage(B, Picture, SourceRect);
    }
    if (!faceShown) PaintParentBackground(this, B->Canvas());
    TCanvas* canvas = B->Canvas();
    SetSkinFont(canvas->Font(), FontName, FontHeight, FontStyle);
    TColor colour = FontColor;
    if (Enabled() && !FUseSkinFontColor)
        colour = DefaultFont()->Color();
    else if (!Enabled())
        colour = DisabledFontColor;
    else if (ADown && AMouseIn)
        colour = DownFontColor;
    else if (AMouseIn)
        colour = ActiveFontColor;
    canvas->Font()->SetColor(colour);
    if (ShowFocus && HasFocus()) {
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(SkinData()->Colors()->cBtnFace);
        DrawSkinFocusRect(canvas, text);
        canvas->Brush()->SetStyle(bsClear);
    }
    bool drawDefault = true;
    OnPaint(this, canvas, text, ADown, AMouseIn, drawDefault);
    if (drawDefault) DrawContent(canvas, text, ADown, AMouseIn);
}

void TskSkinButton::PaintDefaultImage(TBitmap* B) {
    TskSkinCustomControl::PaintDefaultImage(B);
    TCanvas* canvas = B->Canvas();
    const TRect r{0, 0, B->Width(), B->Height()};
    SetDefaultFontOn(canvas->Font());
    if (!Enabled()) canvas->Font()->SetColor(clBtnShadow);
    if (ShowsDown())
        DrawPlainBox(canvas, r, PlainHotFrame, PlainDownFill);
    else if (FMouseIn || HasFocus())
        DrawPlainBox(canvas, r, PlainHotFrame, PlainHotFill);
    else
        DrawPlainBox(canvas, r, clBtnShadow, clBtnFace);
    bool drawDefault = true;
    OnPaint(this, canvas, r, FDown, FMouseIn, drawDefault);
    if (drawDefault) DrawContent(canvas, r, FDown, FMouseIn);
}

void TskSkinButton::Paint() {
    FindSkinIndex();
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
    if (Morphing() && Enabled() && FFade->Fading()) {
        TBitmap active(Width(), Height());
        DrawButtonFace(&face, SkinRect, false, false);
        DrawButtonFace(&active, ActiveSkinRect, false, true);
        DrawMorphedFaces(dc, &face, &active, MorphKind, FFade->Fraction(), background.get(),
                         AlphaBlendAmount());
        return;
    }
    if (!Enabled() && !RectIsEmpty(DisabledSkinRect))
        DrawButtonFace(&face, DisabledSkinRect, false, false);
    else if (ShowsDown())
        DrawButtonFace(&face, DownSkinRect, true, true);
    else if (HasFocus() && !RectIsEmpty(FocusedSkinRect) && !Animating())
        DrawButtonFace(&face, FocusedSkinRect, false, true);
    else if (HasFocus() || FMouseIn)
        DrawButtonFace(&face, ActiveSkinRect, false, true);
    else if (!Morphing() || FFade->Fraction() != 1)
        DrawButtonFace(&face, SkinRect, false, false);
    else
        DrawButtonFace(&face, ActiveSkinRect, false, true);
    DrawSkinFace(dc, &face, background.get(), AlphaBlendAmount());
}

void TskSkinButton::WMEraseBkgnd(TMessage& Message) {
    if (!FInPaint) PaintInto(reinterpret_cast<HDC>(Message.WParam));
    Message.Result = 1;
}

// ---- Clicks

void TskSkinButton::ButtonClick() {
    TWeakLink<TskSkinButton> self(this);
    if (FCanFocused)
        if (TCustomForm* form = GetParentForm()) form->SetModalResult(FModalResult);
    TBasicAction* action = Action();
    if (OnClick && action && !(OnClick == action->OnExecute())) {
        OnClick(this);
        return;
    }
    if (!Designing() && action) {
        // The class library's click runs the linked action (its own OnClick is never assigned).
        TskSkinCustomControl::Click();
        return;
    }
    OnClick(this);
}

void TskSkinButton::Click() {
    if (!Action()) TskSkinCustomControl::Click();
}

void TskSkinButton::ActionChange(TObject* Sender, bool CheckDefaults) {
    TskSkinCustomControl::ActionChange(Sender, CheckDefaults);
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action || !action->ActionList() || !action->ActionList()->Images() || !FGlyph->Empty()) return;
    TCustomImageList* images = action->ActionList()->Images();
    if (action->ImageIndex() < 0 || action->ImageIndex() >= images->Count()) return;
    SetImageList(images);
    FImageIndex = action->ImageIndex();
    Repaint();
}

// ---- Mouse

void TskSkinButton::CMMouseEnter(TMessage& Message) {
    TskSkinCustomControl::CMMouseEnter(Message);
    if (Message.LParam != 0 || Designing()) return;
    FMouseIn = true;
    const bool react = FGroupIndex != 0 ? !FDown : (!HasFocus() || FDown);
    if (react) {
        if (FDown) {
            if (Morphing()) FFade->SetFraction(1);
            Repaint();
        } else {
            if (CanAnimate()) StartAnimation(true);
            StartFade();
        }
    }
    if (FDown && FRepeatMode && FGroupIndex == 0) StartRepeat();
    if (HandleAllocated()) ::PostMessage(Handle(), SKINMSG_SHOWGLOW, 0, 0);
}

void TskSkinButton::CMMouseLeave(TMessage& Message) {
    TskSkinCustomControl::CMMouseLeave(Message);
    if (Message.LParam != 0 || Designing()) return;
    // A default button keeps its active face while the focus is on a control that is no button.
    if (!(FCanFocused && FDefault && FActive && !HasFocus())) FMouseIn = false;
    const bool react = FGroupIndex != 0 ? !FDown : (!HasFocus() || FDown);
    if (react) {
        if (CanAnimate()) StartAnimation(false);
        StartFade();
    }
    if (FDown && FRepeatMode && Repeating() && FGroupIndex == 0) StopRepeat();
    if (HandleAllocated()) ::PostMessage(Handle(), SKINMSG_HIDEGLOW, 0, 0);
}

void TskSkinButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TWeakLink<TskSkinButton> self(this);
    TskSkinCustomControl::MouseDown(Button, Shift, X, Y);
    if (!self || Button != mbLeft) return;
    if (CanAnimate()) StopAnimation();
    FMouseHeld = true;
    if (!FDown) {
        FMouseIn = true;
        SetDown(true);
        if (FCheckedMode) {
            FToggleDone = true;
            ButtonClick();
        } else if (FRepeatMode && FGroupIndex == 0) {
            StartRepeat();
        } else if (FGroupIndex != 0) {
            ButtonClick();
        }
        if (!self) return;
        FDownAtPress = false;
    } else if (FGroupIndex != 0) {
        FDownAtPress = true;
    }
}

void TskSkinButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TWeakLink<TskSkinButton> self(this);
    if (Button == mbLeft) {
        FMouseHeld = false;
        if (FCheckedMode) {
            if (FToggleDone) {
                FToggleDone = false;
            } else {
                SetDown(false);
                ButtonClick();
            }
        } else if (FGroupIndex == 0) {
            const bool wasDown = FDown;
            if (FMouseIn) {
                SetDown(false);
                StopRepeat();
                if (wasDown) ButtonClick();
            } else {
                // Released outside: no click, and the face is already the normal one.
                FDown = false;
                StopRepeat();
            }
        } else if (FDown && FAllowAllUp && FDownAtPress && FMouseIn) {
            SetDown(false);
            ButtonClick();
        }
    }
    if (!self || !HandleAllocated() || !Visible()) return;
    TskSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

// ---- Keyboard and focus

void TskSkinButton::WndProc(TMessage& Message) {
    if (FCanFocused) {
        TWeakLink<TskSkinButton> self(this);
        switch (Message.Msg) {
        case WM_KEYDOWN:
            if (Message.WParam == VK_SPACE) {
                SetDown(true);
                if (FRepeatMode) ButtonClick();
            } else if (Message.WParam == VK_RETURN) {
                ButtonClick();
            }
            if (!self) return;
            break;
        case WM_KEYUP:
            if (Message.WParam == VK_SPACE) {
                SetDown(false);
                ButtonClick();
                if (!self) return;
            }
            break;
        default:
            if (FocusByMouse(Message)) return;
            break;
        }
    }
    TskSkinCustomControl::WndProc(Message);
}

void TskSkinButton::CMDialogKey(TMessage& Message) {
    const bool enter = Message.WParam == VK_RETURN && FActive && Enabled();
    const bool escape = Message.WParam == VK_ESCAPE && FCancel && FCanFocused &&
                        KeyDataToShiftState(Message.LParam).empty() && CanFocus();
    if (enter || escape) {
        ButtonClick();
        Message.Result = 1;
        return;
    }
    TskSkinCustomControl::CMDialogKey(Message);
}

void TskSkinButton::CMDialogChar(TMessage& Message) {
    if (IsAccel(static_cast<TKeyChar>(Message.WParam), Caption()) && CanFocus() && FCanFocused) {
        SetFocus();
        ButtonClick();
        Message.Result = 1;
        return;
    }
    TskSkinCustomControl::CMDialogChar(Message);
}

void TskSkinButton::CreateWnd() {
    TskSkinCustomControl::CreateWnd();
    FActive = FDefault;
}

void TskSkinButton::CMFocusChanged(TMessage& Message) {
    auto* sender = reinterpret_cast<TWinControl*>(Message.LParam);
    const bool toButton = dynamic_cast<TskSkinButton*>(sender) != nullptr;
    FActive = toButton ? sender == this : FDefault;
    if (FCanFocused && FDefault) {
        if (toButton && sender != this) {
            FMouseIn = false;
            StartFade();
        } else if (!toButton) {
            FMouseIn = true;
            if (Morphing()) FFade->SetFraction(1);
            Repaint();
        }
    }
    TskSkinCustomControl::CMFocusChanged(Message);
}

void TskSkinButton::WMSetFocus(TMessage& Message) {
    TskSkinCustomControl::WMSetFocus(Message);
    if (!FCanFocused) return;
    if (CanAnimate()) StartAnimation(true);
    StartFade();
}

void TskSkinButton::WMKillFocus(TMessage& Message) {
    if (FRepeatMode && Repeating()) StopRepeat();
    if (FDown && FGroupIndex == 0) FDown = false;
    TskSkinCustomControl::WMKillFocus(Message);
    if (!FCanFocused) return;
    if (CanAnimate()) StartAnimation(false);
    if (Morphing() && FSkinIndex != -1)
        FFade->Start();
    else
        Invalidate();
}

void TskSkinButton::CMEnabledChanged(TMessage& Message) {
    TskSkinCustomControl::CMEnabledChanged(Message);
    if (Morphing()) FFade->Reset();
    FMouseIn = false;
    Repaint();
}

void TskSkinButton::CMTextChanged(TMessage& Message) {
    TskSkinCustomControl::CMTextChanged(Message);
    if (FSkinIndex != -1 || Designing() || DrawDefault()) Repaint();
}

void TskSkinButton::Notification(TComponent* AComponent, TOperation Operation) {
    TskSkinCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FImageList) FImageList = nullptr;
}

// ---- Fade, animation and repeat

void TskSkinButton::StartFade() {
    FFade->Start();
}

void TskSkinButton::StartAnimation(bool Forward) {
    StopAnimation();
    FAnimForward = Forward;
    FAnimFrame = Forward ? 1 : FrameCount;
    FAnimTimer->SetInterval(UINT(std::max(AnimateInterval, 1)));
    FAnimTimer->SetEnabled(true);
}

void TskSkinButton::StopAnimation() {
    FAnimFrame = 0;
    FAnimTimer->SetEnabled(false);
}

void TskSkinButton::AnimationTick() {
    if (FAnimForward) {
        if (FAnimFrame <= FrameCount) ++FAnimFrame;
    } else if (FAnimFrame >= 0) {
        --FAnimFrame;
    }
    // At the end the face of the state shows again (the focused face waits for no running animation).
    if (FAnimForward ? FAnimFrame > FrameCount : FAnimFrame <= 0) FAnimTimer->SetEnabled(false);
    Repaint();
}

void TskSkinButton::StartRepeat() {
    FRepeatTimer->SetEnabled(false);
    FRepeatTimer->SetInterval(500);
    FRepeatArmed = false;
    FRepeatTimer->SetEnabled(true);
}

void TskSkinButton::StopRepeat() {
    FRepeatTimer->SetEnabled(false);
}

void TskSkinButton::RepeatTick() {
    if (!FRepeatArmed) {
        // The first tick only ends the initial delay.
        FRepeatArmed = true;
        FRepeatTimer->SetInterval(UINT(std::max(FRepeatInterval, 1)));
        return;
    }
    ButtonClick();
}

// ---- Glow frame

void TskSkinButton::ShowGlow() {
    if (!SkinLoaded() || !LayeredWindowsAvailable()) return;
    if (!(SkinData()->ShowButtonGlowFrames() || FAlwaysShowLayeredFrame) || FGlowPicture == -1) return;
    TBitmap* picture = SkinData()->ActivePicture(FGlowPicture);
    TBitmap* mask = SkinData()->ActivePicture(FGlowMask);
    if (!picture || !mask) return;
    if (auto* form = dynamic_cast<TForm*>(GetParentForm()))
        FLayerManager->SetTopMost(form->FormStyle() == fsStayOnTop);
    const int dw = Width() - RectWidth(SkinRect), dh = Height() - RectHeight(SkinRect);
    TBitmap grownPicture, grownMask;
    if (FResizeMode == 2 && FUseSkinSize) {
        for (auto [source, dest] : {std::pair{picture, &grownPicture}, std::pair{mask, &grownMask}})
            BuildHorizontalSkinImage(FGlowLeft, FGlowRight, dest, source,
                                     TRect{0, 0, source->Width(), source->Height()}, source->Width() + dw,
                                     source->Height(), true);
        picture = &grownPicture, mask = &grownMask;
    } else if (FResizeMode == 1) {
        for (auto [source, dest] : {std::pair{picture, &grownPicture}, std::pair{mask, &grownMask}}) {
            dest->SetSize(source->Width() + dw, source->Height() + dh);
            StretchSkinRect(
                dest, source, TRect{0, 0, source->Width(), source->Height()}, true,
                TRect{FGlowLeft, FGlowTop, source->Width() - FGlowRight, source->Height() - FGlowBottom});
        }
        picture = &grownPicture, mask = &grownMask;
    } else if (FResizeMode != 0) {
        return;
    }
    const POINT at = ClientToScreen(POINT{0, 0});
    FLayerManager->Show(at.x - FGlowShowX, at.y - FGlowShowY, FGlowAlpha, mask, picture);
}

void TskSkinButton::HideGlow() {
    // Whatever showed the glow (the skin's setting or AlwaysShowLayeredFrame), leaving hides it.
    if (FLayerManager->Shown()) FLayerManager->Hide();
}

void TskSkinButton::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case SKINMSG_SHOWGLOW:
        ShowGlow();
        return;
    case SKINMSG_HIDEGLOW:
        HideGlow();
        return;
    default:
        TskSkinCustomControl::Dispatch(Message);
    }
}
