#include "ui/ribbon/view/RibbonCustomViewInfo.h"

#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"
#include "ui/bars/navigation/BarNavigationController.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/painters/accessibility/AccessibleInterfaces.h"
#include "ui/painters/effects/Fader.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/view/RibbonHitInfo.h"
#include "ui/ribbon/view/RibbonPainter.h"
#include "ui/ribbon/view/RibbonViewInfo.h"

bool ovRibbonIsKeyboardSelected(const TObject* AOwner) {
    TovBarNavigationController* navigation = BarNavigationController();
    if (navigation == nullptr || AOwner == nullptr) return false;
    TovBarAccessibilityHelper* selected = navigation->GetSelectedObject();
    return selected != nullptr && selected->IsOwnerAlive() && selected->OwnerObject() == AOwner;
}

// ---- View information

TovCustomRibbon* TovRibbonCustomViewInfo::GetRibbon() const {
    return FOwner->Ribbon();
}

TovRibbonPainter* TovRibbonCustomViewInfo::GetPainter() const {
    return ovRibbonPainter(GetRibbon());
}

void TovRibbonCustomViewInfo::Invalidate() {
    TovCustomRibbon* ribbon = GetRibbon();
    if (!ribbon->IsDestroying()) ribbon->InvalidateRect(Bounds, false);
}

// ---- Container

int TovRibbonCustomContainerViewInfo::Add(std::unique_ptr<TObject> ACell) {
    FCells.push_back(std::move(ACell));
    return GetCount() - 1;
}

void TovRibbonCustomContainerViewInfo::InvalidateRect(const TRect& R) {
    TovCustomRibbon* ribbon = GetRibbon();
    if (!ribbon->IsDestroying()) ribbon->InvalidateRect(R, false);
}

// ---- Buttons

TovRibbonCustomButtonViewInfo::~TovRibbonCustomButtonViewInfo() {
    if (TovFader* fader = ovFader()) fader->Remove(this, true);
    if (FAccessibilityHelper) FAccessibilityHelper->OwnerWasDestroyed();
    FAccessibilityHelper.Reset(nullptr);
}

TovCustomRibbon* TovRibbonCustomButtonViewInfo::GetRibbon() const {
    return FOwner->GetRibbon();
}

TovRibbonPainter* TovRibbonCustomButtonViewInfo::GetPainter() const {
    return ovRibbonPainter(GetRibbon());
}

bool TovRibbonCustomButtonViewInfo::GetEnabled() {
    return GetRibbon()->GetApplicationMenuState() < 2;
}

void TovRibbonCustomButtonViewInfo::UpdateState() {
    if (!GetEnabled()) {
        SetState(ovRibbonButtonDisabled);
        return;
    }
    IovRibbonController* controller = GetRibbon()->Controller();
    if (controller != nullptr && controller->GetPressedButton() == this)
        SetState(ovRibbonButtonPressed);
    else if (controller != nullptr && controller->GetHotButton() == this)
        SetState(ovRibbonButtonHot);
    else
        SetState(ovRibbonButtonNormal);
}

int TovRibbonCustomButtonViewInfo::GetEffectiveState() {
    return FState == ovRibbonButtonNormal && IsKeyboardSelected() ? ovRibbonButtonHot : FState;
}

bool TovRibbonCustomButtonViewInfo::IsKeyboardSelected() {
    return FAccessibilityHelper && ovRibbonIsKeyboardSelected(this);
}

void TovRibbonCustomButtonViewInfo::SetState(int AState) {
    if (AState == GetEffectiveState()) return;
    if (GetRibbon()->CanFade())
        if (TovFader* fader = ovFader()) {
            if (AState == ovRibbonButtonHot)
                fader->FadeIn(this);
            else if (AState == ovRibbonButtonNormal)
                fader->FadeOut(this);
        }
    FState = AState;
    Invalidate();
}

void TovRibbonCustomButtonViewInfo::Invalidate() {
    if (!uiIsRectEmpty(Bounds)) FOwner->InvalidateRect(Bounds);
}

void TovRibbonCustomButtonViewInfo::Draw(TuiCanvas* ACanvas) {
    if (uiIsRectEmpty(Bounds) || !ACanvas->RectVisible(Bounds)) return;
    const int state = GetEffectiveState();
    TovFader* fader = ovFader();
    if (fader == nullptr || !fader->DrawFadeStep(this, ACanvas->Handle(), Bounds))
        DrawBackground(ACanvas, Bounds, state);
    DrawGlyph(ACanvas, Bounds, state);
}

bool TovRibbonCustomButtonViewInfo::GetHitInfo(TovRibbonHitInfo& AHitInfo) {
    if (!uiIsPointInRect(Bounds, AHitInfo.HitPoint)) return false;
    AHitInfo.HitTest = HitCode();
    AHitInfo.HitObject = this;
    return true;
}

TovBarAccessibilityHelper* TovRibbonCustomButtonViewInfo::GetAccessibilityHelper() {
    if (!FAccessibilityHelper) FAccessibilityHelper.Reset(CreateAccessibilityHelper());
    return FAccessibilityHelper.Get();
}

TovBarAccessibilityHelper* TovRibbonCustomButtonViewInfo::CreateAccessibilityHelper() {
    return new TovRibbonCustomButtonAccessibilityHelper(this);
}

bool TovRibbonCustomButtonViewInfo::IsFadable() {
    return GetRibbon()->CanFade();
}

void TovRibbonCustomButtonViewInfo::ProvideFadeImages(TuiBitmap32*& AFadeOutImage,
                                                      TuiBitmap32*& AFadeInImage) {
    const TRect r = uiMoveRectToZero(Bounds);
    AFadeOutImage = new TuiBitmap32(uiWidthOfRect(r), uiHeightOfRect(r), true);
    DrawBackground(AFadeOutImage->GetuiCanvas(), r, ovRibbonButtonNormal);
    AFadeInImage = new TuiBitmap32(uiWidthOfRect(r), uiHeightOfRect(r), true);
    DrawBackground(AFadeInImage->GetuiCanvas(), r, ovRibbonButtonHot);
}

TovFadingOptions* TovRibbonCustomButtonViewInfo::GetFadingOptions() {
    return GetRibbon()->OptionsFading()->BarItems();
}

// ---- Keyboard face of a button

TovBarManager* TovRibbonCustomButtonAccessibilityHelper::OwningBarManager() {
    TovRibbonCustomButtonViewInfo* button = ButtonViewInfo();
    return button != nullptr ? button->GetRibbon()->BarManager() : nullptr;
}

bool TovRibbonCustomButtonAccessibilityHelper::AcceptsNavigationKey(WORD AKey) {
    switch (AKey) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_SPACE:
        return true;
    default:
        return false;
    }
}

bool TovRibbonCustomButtonAccessibilityHelper::TryNavigationKey(WORD& AKey, TShiftState) {
    TovRibbonCustomButtonViewInfo* button = ButtonViewInfo();
    if (button == nullptr || (AKey != VK_RETURN && AKey != VK_SPACE)) return false;
    LoseSelection(nullptr);
    button->Click();
    return true;
}

void TovRibbonCustomButtonAccessibilityHelper::Select(bool ASetFocus) {
    TovBarAccessibilityHelper::Select(ASetFocus);
    if (TovRibbonCustomButtonViewInfo* button = ButtonViewInfo()) button->Invalidate();
}

void TovRibbonCustomButtonAccessibilityHelper::LoseSelection(TovBarAccessibilityHelper* ANextSelectedObject) {
    TovBarAccessibilityHelper::LoseSelection(ANextSelectedObject);
    if (TovRibbonCustomButtonViewInfo* button = ButtonViewInfo()) button->Invalidate();
}

HWND TovRibbonCustomButtonAccessibilityHelper::GetOwnerWindow() {
    TovRibbonCustomButtonViewInfo* button = ButtonViewInfo();
    if (button == nullptr || !button->GetRibbon()->HandleAllocated()) return nullptr;
    return button->GetRibbon()->Handle();
}

bool TovRibbonCustomButtonAccessibilityHelper::IsSelectableObject() {
    TovRibbonCustomButtonViewInfo* button = ButtonViewInfo();
    return button != nullptr && !uiIsRectEmpty(button->Bounds);
}

LONG TovRibbonCustomButtonAccessibilityHelper::GetState(int) {
    return IsSelectableObject() ? 0 : STATE_SYSTEM_INVISIBLE;
}

void TovRibbonCustomButtonAccessibilityHelper::BoundsOnScreen(int, TRect& R) {
    R = TRect{0, 0, 0, 0};
    TovRibbonCustomButtonViewInfo* button = ButtonViewInfo();
    if (button == nullptr || !IsSelectableObject() || !button->GetRibbon()->HandleAllocated()) return;
    const TPoint topLeft =
        button->GetRibbon()->ClientToScreen(POINT{button->Bounds.left, button->Bounds.top});
    R = uiMoveRectTo(button->Bounds, topLeft);
}

// ---- Buttons container

void TovRibbonButtonsContainerViewInfo::Calculate(const TRect& ABounds) {
    RecreateButtons();
    Bounds = ABounds;
    CalculateButtonsBounds(Bounds);
    UpdateButtonsState();
}

void TovRibbonButtonsContainerViewInfo::Draw(TuiCanvas* ACanvas) {
    for (int i = 0; i < GetCount(); ++i)
        Button(i)->Draw(ACanvas);
}

bool TovRibbonButtonsContainerViewInfo::GetHitInfo(TovRibbonHitInfo& AHitInfo) {
    for (int i = 0; i < GetCount(); ++i)
        if (Button(i)->GetHitInfo(AHitInfo)) return true;
    return false;
}

void TovRibbonButtonsContainerViewInfo::UpdateButtonsState() {
    for (int i = GetCount() - 1; i >= 0; --i)
        Button(i)->UpdateState();
}
