#include "ui/bars/popupcontrols/BarQuickControl.h"

#include "platform/win/WinMessages.h"
#include "ui/bars/Bar.h"
#include "ui/bars/painting/BarPainter.h"

#include <algorithm>

TovBarPopupControl* ovMakeBarQuickControl(TovBarManager* AManager) {
    return new TovBarQuickControl(AManager);
}

TovBarQuickControl::TovBarQuickControl(TovBarManager* AManager) : TovBarPopupControl(AManager) {
    FKind = bckQuickCustomization;
}

bool TovBarQuickControl::ParentIsVertical() const {
    TovBarControl* parent = ParentToolbar();
    return parent != nullptr && parent->IsDockedVertically();
}

void TovBarQuickControl::InitPopup(TovBarControl* AParentBarControl, TovBar* AMasterBar) {
    TovBarPopupControl::InitPopup(AParentBarControl, AMasterBar);
    if (AParentBarControl != nullptr) FOwnerRect = AParentBarControl->GetMarkScreenRect();
}

void TovBarQuickControl::CalcPopupSize(TSize& ASize) {
    TSize content{};
    CalcFloatingSize(dsNone, 0, content);
    ASize = TSize{content.cx + GetHorzBorderSize(dsNone), content.cy + GetVertBorderSize(dsNone)};
}

void TovBarQuickControl::CalcPopupPosition(const TSize& ASize, const TRect& AOwnerRect, TPoint& APosition,
                                           int AAlignment) {
    if (ParentIsVertical()) {
        APosition = TPoint{AOwnerRect.right, AOwnerRect.top};
        return;
    }
    TovBarPopupControl::CalcPopupPosition(ASize, AOwnerRect, APosition, AAlignment);
}

void TovBarQuickControl::AdjustPopupPosition(TPoint& APosition, const TSize& ASize, const TRect& AWorkArea,
                                             const TRect& AOwnerRect) {
    if (!ParentIsVertical()) {
        TovBarPopupControl::AdjustPopupPosition(APosition, ASize, AWorkArea, AOwnerRect);
        return;
    }
    if (APosition.x + ASize.cx > AWorkArea.right) APosition.x = AOwnerRect.left - ASize.cx;
    APosition.y = std::max(AWorkArea.top, std::min(APosition.y, AWorkArea.bottom - ASize.cy));
}

int TovBarQuickControl::PopupAlignment() const {
    TovBarControl* parent = ParentToolbar();
    if (parent == nullptr || parent->DockingStyleOf() != dsNone) return 0;
    TovBarPainter* painter = parent->GetPainter();
    return painter != nullptr && painter->QuickPopupOpensLeftAligned(parent) ? 1 : 0;
}

void TovBarQuickControl::WndProc(TMessage& AMessage) {
    switch (AMessage.Msg) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
        DefaultHandler(AMessage);
        return;
    default:
        TovBarPopupControl::WndProc(AMessage);
    }
}
