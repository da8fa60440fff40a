#include "skin/controls/SkinPanel.h"

#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/ImageList.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "skin/data/SkinControls.h"
#include "skin/data/SkinData.h"
#include "skin/draw/SkinGeometry.h"

TskSkinPanel::TskSkinPanel(TComponent* AOwner) : TskSkinCustomControl(AOwner) {
    SetSkinDataName("panel");
    FWidth = 150;
    FHeight = 150;
    StripsPainting = true;
    ControlStyle() = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption,
                                   csOpaque,          csDoubleClicks, csReplicatable};
    FGlyph = std::make_unique<TBitmap>();
}

TskSkinPanel::~TskSkinPanel() = default;

void TskSkinPanel::CreateParams(TCreateParams& Params) {
    TskSkinCustomControl::CreateParams(Params);
    // The panel repaints what a size change needs itself.
    Params.WindowClassStyle &= ~(CS_HREDRAW | CS_VREDRAW);
}

// ---- Properties

void TskSkinPanel::RealignChildren() {
    if (HandleAllocated() || ControlCount() > 0) Realign();
}

void TskSkinPanel::SetCaptionMode(bool Value) {
    FCaptionMode = Value;
    Repaint();
    RealignChildren();
}

void TskSkinPanel::SetDefaultCaptionHeight(int Value) {
    FDefaultCaptionHeight = Value;
    if ((!Skinned() || !FUseSkinSize) && FCaptionMode) {
        Repaint();
        RealignChildren();
    }
}

void TskSkinPanel::SetDefaultAlignment(TAlignment Value) {
    FDefaultAlignment = Value;
    if (!Skinned() && FCaptionMode) Repaint();
}

void TskSkinPanel::SetBorderStyle(TskSkinBorderStyle Value) {
    FBorderStyle = Value;
    if (Skinned()) return;
    Repaint();
    RealignChildren();
}

void TskSkinPanel::SetRibbonStyle(bool Value) {
    if (Value == FRibbonStyle) return;
    FRibbonStyle = Value;
    Repaint();
}

void TskSkinPanel::SetTransparentMode(bool Value) {
    if (Value == FTransparentMode) return;
    FTransparentMode = Value;
    Repaint();
    if (!Designing() && !Loading()) NotifyChildren();
}

void TskSkinPanel::SetImagePosition(TskImagePosition Value) {
    if (Value == FImagePosition) return;
    FImagePosition = Value;
    Repaint();
}

void TskSkinPanel::SetCaptionImageList(TCustomImageList* Value) {
    if (FCaptionImageList) FCaptionImageList->RemoveFreeNotification(this);
    FCaptionImageList = Value;
    if (FCaptionImageList) FCaptionImageList->FreeNotification(this);
    Repaint();
}

void TskSkinPanel::SetCaptionImageIndex(int Value) {
    if (Value == FCaptionImageIndex) return;
    FCaptionImageIndex = Value;
    Repaint();
}

void TskSkinPanel::SetGlyph(TBitmap* Value) {
    FGlyph->Assign(Value);
    Repaint();
}

void TskSkinPanel::SetNumGlyphs(int Value) {
    FNumGlyphs = std::clamp(Value, 1, 2);
    Repaint();
}

void TskSkinPanel::SetSpacing(int Value) {
    FSpacing = Value;
    Repaint();
}

void TskSkinPanel::SetCheckedMode(bool Value) {
    FCheckedMode = Value;
    Repaint();
}

void TskSkinPanel::SetChecked(bool Value) {
    FChecked = Value;
    if (FCheckedMode) Repaint();
    if (FAutoEnabledControls && FCheckedMode)
        for (int i = 0; i < ControlCount(); ++i)
            Controls(i)->SetEnabled(Value);
    OnChecked(this);
}

void TskSkinPanel::SetRollUpMode(bool Value) {
    FRollUpMode = Value;
    if (!Skinned() && FCaptionMode) Repaint();
}

// ---- Roll-up

void TskSkinPanel::SetChildrenVisible(bool Value) {
    for (int i = 0; i < ControlCount(); ++i)
        Controls(i)->SetVisible(Value);
}

void TskSkinPanel::ApplyRollUp(bool Rolled) {
    FRolling = true;
    if (Rolled && FRealHeight == -1) {
        FRealHeight = Height();
        DisableAlign();
        SetChildrenVisible(false);
        if (Skinned() && FUseSkinSize)
            SetHeight(Height() + NewClRect.top - NewClRect.bottom);
        else
            SetHeight(FDefaultCaptionHeight + 1);
    } else if (!Rolled && FRealHeight != -1) {
        SetHeight(FRealHeight);
        FRealHeight = -1;
        SetChildrenVisible(true);
        EnableAlign();
    }
    FRolling = false;
}

void TskSkinPanel::SetRollUpState(bool Value) {
    if (Value == FRollUpState) return;
    TSizeConstraints* limits = Constraints();
    auto restoreLimits = [&] {
        limits->SetMaxWidth(FMaxWidth);
        limits->SetMinWidth(FMinWidth);
        limits->SetMaxHeight(FMaxHeight);
        limits->SetMinHeight(FMinHeight);
    };
    if (!FRollUpMode) {
        restoreLimits();
        FRollUpState = false;
        return;
    }
    // The limits are put aside only on the way up (a rolled panel is shorter than its minimum) and
    // come back on the way down.
    if (Value) {
        FMaxWidth = limits->MaxWidth(), FMinWidth = limits->MinWidth();
        FMaxHeight = limits->MaxHeight(), FMinHeight = limits->MinHeight();
        limits->SetMaxWidth(0);
        limits->SetMinWidth(0);
        limits->SetMaxHeight(0);
        limits->SetMinHeight(0);
    }
    FRollUpState = Value;
    ApplyRollUp(Value);
    if (!Value) restoreLimits();
    OnChangeRollUpState(this);
}

bool TskSkinPanel::CanAutoSize(int& NewWidth, int& NewHeight) {
    if (FRolling && FRollUpMode && AutoSize()) return false;
    return TskSkinCustomControl::CanAutoSize(NewWidth, NewHeight);
}

// ---- Skin

void TskSkinPanel::FindSkinIndex() {
    TskSkinCustomControl::FindSkinIndex();
    auto* data = dynamic_cast<TskDataSkinPanelControl*>(SkinControlData());
    BGPictureIndex = -1;
    if (!Skinned() || !data) return;
    SkinCaptionRect = data->CaptionRect;
    Alignment = data->Alignment;
    FontName = data->FontName;
    FontHeight = data->FontHeight;
    FontStyle = data->FontStyle;
    FontColor = data->FontColor;
    BGPictureIndex = data->BGPictureIndex;
    CheckImageRect = data->CheckImageRect;
    UncheckImageRect = data->UncheckImageRect;
    MarkFrameRect = data->MarkFrameRect;
    FrameRect = data->FrameRect;
    FrameTextRect = data->FrameTextRect;
    FrameLeftOffset = data->FrameLeftOffset;
    FrameRightOffset = data->FrameRightOffset;
}

void TskSkinPanel::ChangeSkinData() {
    TskSkinCustomControl::ChangeSkinData();
    if (!FRollUpState) {
        RealignChildren();
        return;
    }
    // Rolled up: the rolled height of the new skin, the height to come back to kept.
    const int realHeight = FRealHeight;
    FRealHeight = -1;
    ApplyRollUp(true);
    FRealHeight = realHeight;
}

void TskSkinPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TskSkinCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (!Skinned()) Repaint();
}

void TskSkinPanel::AdjustClientRect(RECT& Rect) {
    TskSkinCustomControl::AdjustClientRect(Rect);
    if (FEmptyDrawing) return;
    FindSkinIndex();
    int w = Width(), h = Height();
    GetSkinSize(w, h);
    if (Skinned() && FTransparentMode) {
        int top = 2;
        if (FCaptionMode) {
            TBitmap measure(1, 1);
            measure.Canvas()->Font()->Assign(Font());
            top = measure.Canvas()->TextHeight(Caption().empty() ? std::string("Wg") : Caption());
        }
        Rect = TRect{2, top, Width() - 2, Height() - 2};
        return;
    }
    if (!Skinned() || Designing()) {
        if (FBorderStyle != TskSkinBorderStyle::bvNone) InflateRect(&Rect, -1, -1);
        if (FCaptionMode) {
            if (FRibbonStyle)
                Rect.bottom -= FDefaultCaptionHeight;
            else
                Rect.top += FDefaultCaptionHeight;
        }
        return;
    }
    const RECT incoming = Rect;
    if (BGPictureIndex == -1 &&
        (FBorderStyle != TskSkinBorderStyle::bvNone || FCaptionMode || FResizeMode != 1))
        Rect = NewClRect;
    if (!FUseSkinSize && FCaptionMode) {
        if (FRibbonStyle)
            Rect.bottom = incoming.bottom - FDefaultCaptionHeight;
        else
            Rect.top = incoming.top + FDefaultCaptionHeight;
    }
}

void TskSkinPanel::Notification(TComponent* AComponent, TOperation Operation) {
    TskSkinCustomControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FCaptionImageList) FCaptionImageList = nullptr;
}

// ---- Messages and mouse

void TskSkinPanel::CMTextChanged(TMessage& Message) {
    TskSkinCustomControl::CMTextChanged(Message);
    if (FCaptionMode) Repaint();
}

void TskSkinPanel::WMMove(TMessage& Message) {
    TskSkinCustomControl::WMMove(Message);
    if (!FTransparentMode) return;
    Repaint();
    NotifyChildren();
}

void TskSkinPanel::AlphaBlendChanged() {
    if (!FTransparentMode && !AlphaBlend()) return;
    Repaint();
    NotifyChildren();
}

void TskSkinPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TWeakLink<TskSkinPanel> self(this);
    if (Button == mbLeft && FCaptionMode && (FRollUpMode || FCheckedMode)) {
        FindSkinIndex();
        const TRect band = Skinned() ? FCaptionRect : TRect{1, 1, Width() - 1, FDefaultCaptionHeight};
        if (PointInRectInclusive(band, TPoint{X, Y})) {
            if (FCheckedMode) SetChecked(!FChecked);
            if (!self) return;
            if (FRollUpMode) SetRollUpState(!FRollUpState);
            if (!self) return;
        }
    }
    TskSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

// ---- Group box

TskSkinGroupBox::TskSkinGroupBox(TComponent* AOwner) : TskSkinPanel(AOwner) {
    SetSkinDataName("groupbox");
    SetCaptionMode(true);
}

void TskSkinGroupBox::FindSkinIndex() {
    TskSkinPanel::FindSkinIndex();
    if (SkinIndex() != -1) StripsPainting = !(ClRect.bottom < SkinCaptionRect.top);
}
