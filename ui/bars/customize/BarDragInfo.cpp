#include "ui/bars/customize/BarDragInfo.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/Painting.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/customize/BarDesignController.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

// ---- The manager's side

void TovBarManager::StartDrag(TovBarItem* AItem, TovBarItemLink* ALink) {
    if (AItem == nullptr) return;
    TovBarDragInfo drag(this);
    drag.BeginDrag(AItem, ALink);
    try {
        drag.DragLoop();
    } catch (...) {
        drag.EndDrag();
        throw;
    }
    drag.EndDrag();
}

// ---- The drag

void TovBarDragInfo::BeginDrag(TovBarItem* AItem, TovBarItemLink* ALink) {
    FItem = AItem;
    FLink = ALink;
    POINT cursor{};
    GetCursorPos(&cursor);
    FLastPoint = TPoint{cursor.x, cursor.y};
    FDownPoint = FLastPoint;
    TWinControl* owner = FManager->OwnerWinControl();
    FCaptureWnd = owner != nullptr ? owner->Handle() : nullptr;
    if (FCaptureWnd != nullptr) SetCapture(FCaptureWnd);
}

void TovBarDragInfo::DragLoop() {
    MSG msg{};
    while (FCaptureWnd != nullptr && GetCapture() == FCaptureWnd) {
        const int got = GetMessage(&msg, nullptr, 0, 0);
        if (got == -1) return;
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        switch (msg.message) {
        case WM_KEYDOWN:
            if (msg.wParam == VK_CONTROL && CanDrop()) SetState(bdsCopy);
            if (msg.wParam == VK_ESCAPE) return;
            continue;
        case WM_KEYUP:
            if (msg.wParam == VK_CONTROL && CanDrop()) SetState(bdsMove);
            continue;
        case WM_LBUTTONUP:
            Drop();
            return;
        case WM_MOUSEMOVE: {
            POINT p{};
            GetCursorPos(&p);
            DragOver(TPoint{p.x, p.y});
            continue;
        }
        default:
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    }
}

void TovBarDragInfo::EndDrag() {
    if (FCaptureWnd != nullptr && GetCapture() == FCaptureWnd) ReleaseCapture();
    SetState(bdsNone);
    FItem = nullptr;
    FLink = nullptr;
    FOverBar.Reset();
    FOverLink = nullptr;
    FLineBar.Reset();
}

void TovBarDragInfo::CalcDragOver(const TPoint& AScreenPoint) {
    TCustomovBarControl* target = TCustomovBarControl::FromChildHandle(WindowFromPoint(AScreenPoint));
    if (target != nullptr && (target->GetBarManager() != FManager || !target->CanCustomize()))
        target = nullptr;
    TovBarItemLink* link = nullptr;
    bool vertical = false, before = false, onSeparator = false;
    if (target != nullptr) {
        POINT client = AScreenPoint;
        ScreenToClient(target->Handle(), &client);
        target->CalcDropPosition(TPoint{client.x, client.y}, link, vertical, before, onSeparator);
    }
    if (link != FOverLink || target != FOverBar.Get()) ShowDragLine(false);
    FOverBar = target;
    FOverLink = link;
    FOverVertical = vertical;
    FOverFirstPart = before;
    FOverBeginGroup = onSeparator;
}

void TovBarDragInfo::DragOver(const TPoint& AScreenPoint) {
    FLastPoint = AScreenPoint;
    CalcDragOver(AScreenPoint);
    TovBarDraggingState state;
    if (!CanDrop())
        state = bdsNoDrop;
    else if (IsCopy())
        state = bdsCopy;
    else if (FOverLink != nullptr && FOverLink->Control() != nullptr && FLink != nullptr &&
             (FOverLink == FLink || IsSamePlace()))
        state = bdsSamePlace;
    else
        state = bdsMove;
    // The mark is recomputed for the new position.
    ShowDragLine(false);
    FState = bdsNone;
    SetState(state);
}

bool TovBarDragInfo::CanDrop() const {
    if (FOverLink != nullptr && FOverLink->Control() != nullptr) return true;
    // An empty bar takes any drop.
    return FOverBar && FOverBar->ItemLinks() != nullptr && FOverBar->ItemLinks()->VisibleItemCount() == 0;
}

bool TovBarDragInfo::IsCopy() const {
    return (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0 || FLink == nullptr;
}

TovBarItemLink* TovBarDragInfo::Neighbour(TovBarItemLink* ALink, int AStep) const {
    TovBarItemLinks* links = ALink->Links();
    const int index = ALink->Index() + AStep;
    return index >= 0 && index < links->Count() ? links->Items(index) : nullptr;
}

bool TovBarDragInfo::IsSamePlace() const {
    if (!CanDrop()) return true;
    if (FLink == nullptr) return false;
    if (FOverLink == FLink) return !(FOverBeginGroup && FOverFirstPart);
    TovBarItemLinks* links = FLink->Links();
    if (links->VisibleItemCount() > 0 && links->VisibleItems(0) != FLink &&
        Neighbour(FLink, -1) == FOverLink && !FLink->BeginGroup() && !FOverBeginGroup && !FOverFirstPart)
        return true;
    if (links->VisibleItemCount() > 0 && links->VisibleItems(links->VisibleItemCount() - 1) == FLink)
        return false;
    TovBarItemLink* next = Neighbour(FLink, 1);
    return next != nullptr && next == FOverLink && FOverFirstPart && (FOverBeginGroup || !next->BeginGroup());
}

void TovBarDragInfo::SetState(TovBarDraggingState AState) {
    if (FState == AState) return;
    FState = AState;
    switch (AState) {
    case bdsNoDrop:
        ShowDragLine(false);
        FOverLink = nullptr;
        break;
    case bdsCopy:
        ShowDragLine(false);
        ShowDragLine(true);
        break;
    case bdsMove:
        ShowDragLine(false);
        if (!IsSamePlace()) ShowDragLine(true);
        break;
    case bdsCategory:
        break;
    default:
        ShowDragLine(false);
        break;
    }
}

// ---- The insertion mark

void TovBarDragInfo::ShowDragLine(bool AVisible) {
    if (FLineVisible == AVisible) return;
    if (AVisible) {
        if (!FOverBar) return;
        FLineBar = FOverBar.Get();
        FLineVertical = FOverVertical;
        TovBarItemLink* link = FOverLink;
        FLineFirstPart = FOverFirstPart;
        if (link != nullptr) {
            if (FOverBeginGroup && FLineFirstPart) {
                if (TovBarItemLink* previous = Neighbour(link, -1)) {
                    link = previous;
                    FLineFirstPart = !FLineFirstPart;
                }
            } else if (!FOverBeginGroup && !FLineFirstPart) {
                TovBarItemLink* next = Neighbour(link, 1);
                if (next != nullptr && next->Control() != nullptr && !next->BeginGroup()) {
                    link = next;
                    FLineFirstPart = true;
                }
            }
            FLineRect = link->Control() != nullptr ? link->Control()->GetBoundsRect() : TRect{};
        } else {
            FLineFirstPart = true;
            FLineRect = FLineBar->GetClientRect();
        }
        FLineVisible = true;
        DrawDragLine();
    } else {
        if (FLineBar) DrawDragLine();
        FLineBar.Reset();
        FLineVisible = false;
    }
}

// Six short lines drawn with inverted pixels: drawing them twice restores the bar.
void TovBarDragInfo::DrawDragLine() {
    if (!FLineBar || FLineBar->Handle() == nullptr) return;
    const TRect& r = FLineRect;
    POINT points[12];
    if (FLineVertical) {
        const int t = FLineFirstPart ? r.top : r.bottom - 6;
        const POINT figure[12] = {{r.left, t},          {r.left, t + 6},      {r.left + 1, t + 1},
                                  {r.left + 1, t + 5},  {r.left + 2, t + 2},  {r.right - 2, t + 2},
                                  {r.left + 2, t + 3},  {r.right - 2, t + 3}, {r.right - 2, t + 1},
                                  {r.right - 2, t + 5}, {r.right - 1, t},     {r.right - 1, t + 6}};
        std::copy(std::begin(figure), std::end(figure), points);
    } else {
        const int x = FLineFirstPart ? r.left : r.right - 6;
        const POINT figure[12] = {{x, r.top},
                                  {x + 6, r.top},
                                  {x + 1, r.top + 1},
                                  {x + 5, r.top + 1},
                                  {x + 2, r.top + 2},
                                  {x + 2, r.bottom - 2},
                                  {x + 3, r.top + 2},
                                  {x + 3, r.bottom - 2},
                                  {x + 1, r.bottom - 2},
                                  {x + 5, r.bottom - 2},
                                  {x, r.bottom - 1},
                                  {x + 6, r.bottom - 1}};
        std::copy(std::begin(figure), std::end(figure), points);
    }
    const DWORD counts[6] = {2, 2, 2, 2, 2, 2};
    HDC dc = GetDC(FLineBar->Handle());
    SetROP2(dc, R2_NOT);
    PolyPolyline(dc, points, counts, 6);
    SetROP2(dc, R2_COPYPEN);
    ReleaseDC(FLineBar->Handle(), dc);
}

// ---- Dropping

void TovBarDragInfo::Drop() {
    switch (FState) {
    case bdsNoDrop:
        RemoveDraggedLink();
        break;
    case bdsSamePlace:
        ChangeBeginGroup();
        break;
    case bdsCopy:
    case bdsMove:
        SetState(bdsNone);
        DropDraggedLink();
        break;
    default:
        break;
    }
}

void TovBarDragInfo::ChangeBeginGroup() {
    if (FLink == nullptr) return;
    const int offset = FOverVertical ? FLastPoint.y - FDownPoint.y : FLastPoint.x - FDownPoint.x;
    // A slip of the hand moves nothing.
    if (std::abs(offset) <= 3) return;
    const bool begin = offset > 0;
    if (begin != FLink->BeginGroup()) FLink->SetBeginGroup(begin);
    if (FLink->Control() != nullptr) FManager->SetSelectedItem(FLink->Control());
    FManager->DesignerModified();
}

void TovBarDragInfo::RemoveDraggedLink() {
    if (FLink == nullptr) return;
    // The group the link began goes on with the link after it.
    if (FLink->BeginGroup())
        if (TovBarItemLink* next = Neighbour(FLink, 1)) next->SetBeginGroup(true);
    TovBarItemLink* link = FLink;
    FLink = nullptr;
    delete link;
    FManager->DesignerModified();
}

void TovBarDragInfo::DropDraggedLink() {
    TCustomovBarControl* target = FOverBar.Get();
    if (target == nullptr || target->ItemLinks() == nullptr) return;
    TovBarItemLinks* links = target->ItemLinks();
    const bool copy = IsCopy();
    TovBarItemLink* over = FOverLink;
    // Before the new link goes in: the place among the target's links.
    int index = links->Count();
    if (over != nullptr) index = over->Index() + (FOverBeginGroup || FOverFirstPart ? 0 : 1);
    const bool takesGroup = over != nullptr && ((FOverBeginGroup && !FOverFirstPart) ||
                                                (FOverFirstPart && !FOverBeginGroup && over->BeginGroup()));
    TovBarItemLink* link = links->Insert(index);
    if (FLink != nullptr)
        link->Assign(FLink);
    else
        link->SetItem(FItem);
    link->SetBeginGroup(false);
    if (takesGroup) {
        link->SetBeginGroup(true);
        over->SetBeginGroup(false);
    }
    if (!copy && FLink != nullptr && FLink != link) {
        TovBarItemLink* dragged = FLink;
        FLink = nullptr;
        delete dragged;
    }
    FManager->DesignerModified();
    BarDesignController()->SelectLink(link, dsoExclusive);
}
