#include "ui/ribbon/view/RibbonGroupsDockControlSite.h"

#include "platform/vcl/Mouse.h"
#include "platform/win/Painting.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/ScreenMetrics.h"
#include "ui/core/platform/TouchGestures.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonSubObjects.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/view/RibbonApplicationButtonViewInfo.h"
#include "ui/ribbon/view/RibbonHitInfo.h"
#include "ui/ribbon/view/RibbonPainter.h"
#include "ui/ribbon/view/RibbonTabsAreaButtons.h"
#include "ui/ribbon/view/RibbonTabsViewInfo.h"
#include "ui/ribbon/view/RibbonViewInfo.h"

// ---- Scroll buttons of the groups row

void TovRibbonGroupsDockControlScrollButtonViewInfo::Draw(TuiCanvas* ACanvas) {
    TovRibbonCustomScrollButtonViewInfo::Draw(ACanvas);
    if (!uiIsRectEmpty(Bounds)) ACanvas->ExcludeClipRect(Bounds);
}

void TovRibbonGroupsDockControlScrollButtonViewInfo::DrawBackground(TuiCanvas* ACanvas, const TRect& R,
                                                                    int AState) {
    if (TovRibbonPainter* painter = GetPainter())
        painter->DrawGroupScrollButton(ACanvas, R, AState, Direction == 0);
}

void TovRibbonGroupsDockControlScrollButtonViewInfo::DrawGlyph(TuiCanvas* ACanvas, const TRect& R, int) {
    if (TovRibbonPainter* painter = GetPainter())
        painter->DrawGroupScrollButtonGlyph(ACanvas, R, Direction == 0);
}

std::uint8_t TovRibbonGroupsDockControlScrollButtonViewInfo::HitCode() {
    return Direction == 0 ? ribbonHitGroupScrollLeft : ribbonHitGroupScrollRight;
}

// ---- The site's view information

TovRibbonGroupsDockControlSiteViewInfo::TovRibbonGroupsDockControlSiteViewInfo(
    TovRibbonViewInfo* AOwner, TovRibbonGroupsDockControlSite* ASite)
    : TovRibbonButtonsContainerViewInfo(AOwner), FSite(ASite) {
    AddButton(new TovRibbonGroupsDockControlScrollButtonViewInfo(this, 0));
    AddButton(new TovRibbonGroupsDockControlScrollButtonViewInfo(this, 1));
    AddButton(new TovRibbonMinimizeButtonViewInfo(this));
}

TSize TovRibbonGroupsDockControlSiteViewInfo::MinimizeButtonSize(TovRibbonStyle AStyle) {
    if (AStyle != rs2013) return TSize{0, 0};
    return TSize{uiScaleToCurrentDPI(30), uiScaleToCurrentDPI(17)};
}

void TovRibbonGroupsDockControlSiteViewInfo::Calculate(const TRect& ABounds) {
    FScrollButtons = 0;
    TovCustomRibbon* ribbon = GetRibbon();
    TovRibbonTab* tab = ribbon->ActiveTab();
    if (tab != nullptr && Owner()->IsTabGroupsVisible() && ribbon->ShowTabGroups())
        if (IovRibbonGroupsDock* dock = tab->DockControl()) FScrollButtons = dock->GetScrollButtons();
    TovRibbonButtonsContainerViewInfo::Calculate(ABounds);
}

void TovRibbonGroupsDockControlSiteViewInfo::CalculateButtonsBounds(const TRect& ABounds) {
    // The minimize button sits in the bottom-right corner inside the groups area's margins.
    const TRect margins = Owner()->GetGroupsDockControlSiteMargins();
    const TSize size = MinimizeButtonSize(GetRibbon()->Style());
    TRect minimize{0, 0, 0, 0};
    if (size.cx > 0)
        minimize = uiShiftRect(
            TRect{ABounds.right - size.cx, ABounds.bottom - size.cy, ABounds.right, ABounds.bottom},
            -margins.right, -margins.bottom);
    MinimizeButton()->Bounds = minimize;
    const int width = Owner()->GetScrollButtonWidth();
    const int leftWidth = FScrollButtons & ovRibbonScrollLeft ? width : 0;
    const int rightWidth = FScrollButtons & ovRibbonScrollRight ? width : 0;
    const int rightEdge = uiIsRectEmpty(minimize) ? ABounds.right : minimize.left;
    ScrollButtonLeft()->Bounds = TRect{ABounds.left, ABounds.top, ABounds.left + leftWidth, ABounds.bottom};
    ScrollButtonRight()->Bounds = TRect{rightEdge - rightWidth, ABounds.top, rightEdge, ABounds.bottom};
}

void TovRibbonGroupsDockControlSiteViewInfo::Draw(TuiCanvas* ACanvas) {
    TovRibbonPainter* painter = GetPainter();
    if (painter == nullptr) return;
    const TRect client = FSite->ClientRect();
    painter->DrawGroupsArea(ACanvas, client, true, false);
    // The application button and the active tab reach into the groups area: they are drawn again here at
    // their ribbon places.
    TovRibbonViewInfo* viewInfo = Owner();
    const TPoint origin = ACanvas->GetWindowOrg();
    ACanvas->SetWindowOrg(TPoint{origin.x + FSite->Left(), origin.y + FSite->Top()});
    TovRibbonApplicationButtonViewInfo* button = viewInfo->ApplicationButtonViewInfo();
    button->Draw(ACanvas);
    if (!uiIsRectEmpty(button->Bounds)) ACanvas->ExcludeClipRect(button->Bounds);
    if (TovRibbonTab* tab = GetRibbon()->ActiveTab())
        if (TovRibbonTabViewInfo* cell = viewInfo->TabsViewInfo()->FindTab(tab)) {
            ACanvas->SaveClipRegion();
            ACanvas->IntersectClipRect(viewInfo->GetTabsAreaBounds());
            cell->Draw(ACanvas);
            ACanvas->RestoreClipRegion();
        }
    ACanvas->SetWindowOrg(origin);
    TovRibbonButtonsContainerViewInfo::Draw(ACanvas);
}

void TovRibbonGroupsDockControlSiteViewInfo::InvalidateRect(const TRect& R) {
    if (FSite->HandleAllocated()) FSite->TuiControl::InvalidateRect(R, false);
}

// ---- The site

TovRibbonGroupsDockControlSite::TovRibbonGroupsDockControlSite(TovCustomRibbon* ARibbon)
    : TuiControl(ARibbon), FRibbon(ARibbon) {
    if (TovRibbonViewInfo* viewInfo = ovRibbonViewInfo(ARibbon))
        FViewInfo = std::make_unique<TovRibbonGroupsDockControlSiteViewInfo>(viewInfo, this);
    SetDoubleBuffered(true);
}

TovRibbonGroupsDockControlSite::~TovRibbonGroupsDockControlSite() = default;

void TovRibbonGroupsDockControlSite::Recalculate() {
    if (FViewInfo) FViewInfo->Calculate(ClientRect());
}

void TovRibbonGroupsDockControlSite::SetRedraw(bool AValue) {
    if (!HandleAllocated()) return;
    SendMessage(Handle(), WM_SETREDRAW, AValue ? 1 : 0, 0);
    if (AValue && Visible())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

IovRibbonGroupsDock* TovRibbonGroupsDockControlSite::GetActiveDockControl() const {
    TovRibbonTab* tab = FRibbon->ActiveTab();
    return tab != nullptr ? tab->DockControl() : nullptr;
}

bool TovRibbonGroupsDockControlSite::IsOwnHandle(HWND AWnd) {
    if (!HandleAllocated() || AWnd == nullptr) return false;
    return AWnd == Handle() || IsChild(Handle(), AWnd);
}

void TovRibbonGroupsDockControlSite::CreateParams(TCreateParams& Params) {
    TuiControl::CreateParams(Params);
    Params.WindowClassStyle &= ~(CS_HREDRAW | CS_VREDRAW);
}

void TovRibbonGroupsDockControlSite::DoPaint() {
    TuiControl::DoPaint();
    if (FViewInfo) FViewInfo->Draw(GetCanvas());
}

void TovRibbonGroupsDockControlSite::BoundsChanged() {
    TuiControl::BoundsChanged();
    Recalculate();
}

void TovRibbonGroupsDockControlSite::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TuiControl::MouseDown(Button, Shift, X, Y);
    if (IovRibbonController* controller = FRibbon->Controller())
        controller->MouseDown(Button, Shift, X + Left(), Y + Top());
}

void TovRibbonGroupsDockControlSite::MouseMove(TShiftState Shift, int X, int Y) {
    TuiControl::MouseMove(Shift, X, Y);
    if (IovRibbonController* controller = FRibbon->Controller())
        controller->MouseMove(Shift, X + Left(), Y + Top());
}

void TovRibbonGroupsDockControlSite::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TuiControl::MouseUp(Button, Shift, X, Y);
    if (IovRibbonController* controller = FRibbon->Controller())
        controller->MouseUp(Button, Shift, X + Left(), Y + Top());
}

void TovRibbonGroupsDockControlSite::MouseLeave(TControl* AControl) {
    TuiControl::MouseLeave(AControl);
    if (AControl != nullptr && AControl != this) return;
    if (IovRibbonController* controller = FRibbon->Controller()) controller->MouseLeave();
}

void TovRibbonGroupsDockControlSite::DoCancelMode() {
    TuiControl::DoCancelMode();
    if (IovRibbonController* controller = FRibbon->Controller()) controller->CancelMode();
}

bool TovRibbonGroupsDockControlSite::DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) {
    if (TuiControl::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    IovRibbonController* controller = FRibbon->Controller();
    if (controller == nullptr) return false;
    return WheelDelta < 0 ? controller->MouseWheelDown() : controller->MouseWheelUp();
}

bool TovRibbonGroupsDockControlSite::AllowGestureScroll(TScrollBarKind AKind) {
    if (AKind != sbHorizontal || FViewInfo == nullptr || FViewInfo->ScrollButtons() == 0) return false;
    return GestureHelper() == nullptr || !GestureHelper()->IsInertia();
}

void TovRibbonGroupsDockControlSite::DoPan(int ADeltaX, int) {
    IovRibbonGroupsDock* dock = GetActiveDockControl();
    TovRibbonViewInfo* viewInfo = ovRibbonViewInfo(FRibbon);
    if (dock == nullptr || viewInfo == nullptr || !AllowGestureScroll(sbHorizontal)) return;
    dock->PanGroups(ADeltaX, Width() - uiHorzMarginsSum(viewInfo->GetGroupsDockControlSiteContentOffsets()));
    Update();
}
