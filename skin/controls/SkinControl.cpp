#include "skin/controls/SkinControl.h"

#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/ImageList.h"
#include "platform/win/WinUser.h"
#include "skin/controls/SkinFaces.h"
#include "skin/data/SkinData.h"
#include "skin/draw/ParentBackground.h"

#include <algorithm>

double ValueFraction(int Value, int Min, int Max) {
    if (Max == Min) return 0;
    return std::clamp((double(Value) - Min) / (double(Max) - Min), 0.0, 1.0);
}

TskSkinControl::TskSkinControl(TComponent* AOwner) : TCustomControl(AOwner) {}

TskSkinControl::~TskSkinControl() = default;

bool TskSkinControl::SkinLoaded() const {
    return FSkinData != nullptr && !FSkinData->Empty();
}

TskDataSkinControl* TskSkinControl::SkinControlData() const {
    if (FSkinIndex < 0 || !FSkinData || FSkinIndex >= int(FSkinData->CtrlList().size())) return nullptr;
    return FSkinData->CtrlList()[std::size_t(FSkinIndex)].get();
}

void TskSkinControl::SetSkinData(TskSkinData* Value) {
    if (FSkinData) FSkinData->RemoveFreeNotification(this);
    FSkinData = Value;
    if (FSkinData) FSkinData->FreeNotification(this);
    if (SkinLoaded() && !Designing()) ChangeSkinData();
}

void TskSkinControl::SetAlphaBlend(bool Value) {
    FAlphaBlend = Value;
    Repaint();
}

void TskSkinControl::SetAlphaBlendValue(BYTE Value) {
    FAlphaBlendValue = Value;
    Repaint();
}

void TskSkinControl::SetHintImageList(TCustomImageList* Value) {
    if (FHintImageList) FHintImageList->RemoveFreeNotification(this);
    FHintImageList = Value;
    if (FHintImageList) FHintImageList->FreeNotification(this);
}

void TskSkinControl::FindSkinIndex() {
    FSkinIndex = SkinLoaded() ? FSkinData->GetControlIndex(FSkinDataName) : -1;
}

void TskSkinControl::ApplySkinCursor() {
    // The skins carry no cursor pictures, so a description's cursor is the default one as well.
    if (FUseSkinCursor) SetCursor(crDefault);
}

bool TskSkinControl::FocusByMouse(TMessage& Message) {
    switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        if (Designing() || Focused()) return false;
        TWeakLink<TskSkinControl> self(this);
        FFocusingByMouse = true;
        if (CanFocus()) SetFocus();
        if (!self) return true;
        FFocusingByMouse = false;
        return !Focused();
    }
    case CN_COMMAND:
        return FFocusingByMouse;
    default:
        return false;
    }
}

void TskSkinControl::ChangeSkinData() {
    FindSkinIndex();
    ApplySkinCursor();
    Repaint();
}

void TskSkinControl::NotifyChildren() {
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        if (auto* windowed = dynamic_cast<TWinControl*>(child)) {
            if (windowed->HandleAllocated()) ::SendMessage(windowed->Handle(), SKINMSG_PARENTCHANGED, 0, 0);
        } else {
            child->Perform(SKINMSG_PARENTCHANGED, 0, 0);
        }
    }
}

void TskSkinControl::AlphaBlendChanged() {
    if (!FAlphaBlend) return;
    Repaint();
    NotifyChildren();
}

std::unique_ptr<TBitmap> TskSkinControl::ParentBackgroundImage() {
    auto background = std::make_unique<TBitmap>(Width(), Height());
    PaintParentBackground(this, background->Canvas());
    return background;
}

void TskSkinControl::DrawControlImage(TBitmap* B) {
    const auto background = FAlphaBlend ? ParentBackgroundImage() : nullptr;
    DrawSkinFace(Canvas()->Handle(), B, background.get(), AlphaBlendAmount());
}

void TskSkinControl::Paint() {
    if (Width() <= 0 || Height() <= 0) return;
    FindSkinIndex();
    TBitmap image(Width(), Height());
    if (FSkinIndex != -1)
        PaintSkinImage(&image);
    else if (FDrawDefault)
        PaintDefaultImage(&image);
    DrawControlImage(&image);
}

void TskSkinControl::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FSkinData) FSkinData = nullptr;
    if (AComponent == FHintImageList) FHintImageList = nullptr;
}

void TskSkinControl::WMPaint(TMessage& Message) {
    // While painting, the erase step that BeginPaint asks for must not paint a second time.
    FInPaint = true;
    try {
        TCustomControl::WMPaint(Message);
    } catch (...) {
        FInPaint = false;
        throw;
    }
    FInPaint = false;
}

void TskSkinControl::WMMove(TMessage& Message) {
    TCustomControl::Dispatch(Message);
    if (FAlphaBlend) Repaint();
}

void TskSkinControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_MOVE:
        WMMove(Message);
        return;
    case SKINMSG_PARENTCHANGED:
        AlphaBlendChanged();
        return;
    default:
        TCustomControl::Dispatch(Message);
        return;
    }
}
