// The ribbon as a window: its paint (the form caption it draws, then its own layout), the hot tab with its
// fading, and the mouse, wheel, key and gesture input it hands to its controller.
#include "ui/ribbon/ribbon/Ribbon.h"

#include "platform/vcl/Mouse.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/platform/TouchGestures.h"
#include "ui/painters/effects/Fader.h"
#include "ui/ribbon/form/RibbonFormCaptionHelperIntf.h"
#include "ui/ribbon/ribbon/RibbonSubObjects.h"
#include "ui/ribbon/skins/RibbonSkin.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/view/RibbonTabsViewInfo.h"
#include "ui/ribbon/view/RibbonViewInfo.h"

// ---- Paint

void TovCustomRibbon::DoPaint() {
    TuiControl::DoPaint();
    TuiCanvas* canvas = GetCanvas();
    if (FSupportNonClientDrawing && FFormCaptionHelper) {
        // On glass the caption strip is black, which the composition shows as glass.
        if (FViewInfo && FViewInfo->DrawsOnGlass())
            canvas->FillRect(TRect{0, 0, Width(), GetCaptionHeightWithQuickAccessToolbar()}, clBlack);
        FFormCaptionHelper->DrawCaption(canvas);
    }
    if (FViewInfo) FViewInfo->Paint(canvas);
}

// ---- Hot tab and fading

bool TovCustomRibbon::CanFade() {
    TovFader* fader = ovFader();
    return FFadingEnabled && fader != nullptr && fader->FaderIsReady() && !IsLocked() && !IsDesigning() &&
           FSkin != nullptr && !FSkin->LowColors();
}

void TovCustomRibbon::SetHotObject(TovRibbonTab* ATab) {
    if (FHotObject == ATab) return;
    const bool fade = CanFade();
    TovFader* fader = ovFader();
    if (fade && FHotObject != nullptr) fader->FadeOut(FHotObject);
    FHotObject = ATab;
    if (fade && FHotObject != nullptr)
        fader->FadeIn(FHotObject);
    else if (FViewInfo && HandleAllocated())
        InvalidateRect(FViewInfo->GetTabsAreaBounds(), false);
    // A tab that leaves the hot state without a fade of its own repaints with the row.
    if (fade && FHotObject == nullptr && FViewInfo && HandleAllocated())
        InvalidateRect(FViewInfo->GetTabsAreaBounds(), false);
}

// ---- Window and input

void TovCustomRibbon::CreateWnd() {
    TuiControl::CreateWnd();
    if (!IsDesigning()) ovRibbonInstallMouseWheelHook();
}

void TovCustomRibbon::WndProc(TMessage& Message) {
    if (Message.Msg == ovRibbonShowApplicationMenuMessage) {
        ShowApplicationMenu();
        return;
    }
    TuiControl::WndProc(Message);
}

void TovCustomRibbon::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TuiControl::MouseDown(Button, Shift, X, Y);
    if (FController) FController->MouseDown(Button, Shift, X, Y);
}

void TovCustomRibbon::MouseMove(TShiftState Shift, int X, int Y) {
    TuiControl::MouseMove(Shift, X, Y);
    if (FController) FController->MouseMove(Shift, X, Y);
}

void TovCustomRibbon::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TuiControl::MouseUp(Button, Shift, X, Y);
    if (FController) FController->MouseUp(Button, Shift, X, Y);
}

void TovCustomRibbon::MouseLeave(TControl* AControl) {
    TuiControl::MouseLeave(AControl);
    if (AControl != nullptr && AControl != this) return;
    if (FController) FController->MouseLeave();
}

void TovCustomRibbon::DoCancelMode() {
    TuiControl::DoCancelMode();
    if (FController) FController->CancelMode();
}

bool TovCustomRibbon::DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) {
    if (TuiControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    if (!FController || WheelDelta == 0) return false;
    return WheelDelta < 0 ? FController->MouseWheelDown() : FController->MouseWheelUp();
}

void TovCustomRibbon::KeyDown(WORD& Key, TShiftState Shift) {
    TuiControl::KeyDown(Key, Shift);
    if (FController) FController->KeyDown(Key, Shift);
}

bool TovCustomRibbon::CanProcessMouseWheel() {
    return HandleAllocated() && IsWindowEnabled(Handle()) && !IsHidden() &&
           (FShowTabHeaders || FShowTabGroups);
}

bool TovCustomRibbon::ProcessMouseWheel(TShiftState AShift, int AWheelDelta) {
    return DoMouseWheel(AShift, AWheelDelta, uiGetMouseCursorPos());
}

bool TovCustomRibbon::AllowGestureScroll(TScrollBarKind AKind) {
    TovRibbonViewInfo* viewInfo = ovRibbonViewInfo(this);
    if (AKind != sbHorizontal || viewInfo == nullptr || viewInfo->TabsViewInfo()->ScrollButtons == 0)
        return false;
    return GestureHelper() == nullptr || !GestureHelper()->IsInertia();
}

void TovCustomRibbon::DoPan(int ADeltaX, int) {
    if (!AllowGestureScroll(sbHorizontal)) return;
    TovRibbonTabsViewInfo* tabs = ovRibbonViewInfo(this)->TabsViewInfo();
    // The tabs follow the finger.
    tabs->SetScrollPosition(tabs->ScrollPosition - ADeltaX);
}
