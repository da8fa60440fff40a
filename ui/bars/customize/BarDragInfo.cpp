#include "ui/bars/customize/BarDragInfo.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Screen.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/Cursors.h"
#include "platform/win/Painting.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarCursors.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/customize/BarDesignController.h"
#include "ui/bars/customize/BarDragTargets.h"
#include "ui/bars/painting/BarSystemServices.h"
#include "ui/core/base/Geometry.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <string>

namespace {

// The drag whose loop runs now; a drag started from inside another's loop (never by the bars
// themselves) stacks on it.
TovBarDragInfo* RunningDrag = nullptr;

// A link leaving its list hands its group start on, so that the links after it keep their grouping:
// the next can-visible link starts the group the leaving one started, and a link that becomes the
// first shows no group line.
void HandOnGroupStart(TovBarItemLink* ALink) {
    TovBarItemLinks* links = ALink->Links();
    if (links == nullptr || ALink->Item() == nullptr) return;
    const int index = ALink->CanVisibleIndexOf();
    if (index < 0 || index + 1 >= links->CanVisibleItemCount()) return;
    TovBarItemLink* next = links->CanVisibleItems(index + 1);
    if (index != 0 || !next->BeginGroup()) {
        if (ALink->BeginGroup() && !next->BeginGroup()) next->SetBeginGroup(true);
    } else {
        next->SetBeginGroup(false);
    }
}

// The bar control whose window (or a child of it) is AWnd; the drop-down menus' windows are of their own
// class and keep their control in the user data, as the bar windows do.
TCustomovBarControl* BarControlOfWindow(HWND AWnd) {
    if (TCustomovBarControl* bar = TCustomovBarControl::FromChildHandle(AWnd)) return bar;
    for (HWND wnd = AWnd; wnd != nullptr; wnd = GetParent(wnd)) {
        char name[64] = {};
        if (GetClassName(wnd, name, sizeof(name)) > 0 && std::string(name) == "TovBarSubMenuWindow")
            return reinterpret_cast<TovBarSubMenuControl*>(GetWindowLongPtr(wnd, GWLP_USERDATA));
    }
    return nullptr;
}

bool IsLinkOf(TovBarItemLinks* ALinks, TovBarItemLink* ALink) {
    return ALinks != nullptr && ALink != nullptr && ALinks->IndexOf(ALink) >= 0;
}

} // namespace

// ---- The manager's side

void TovBarManager::StartDrag(TovBarItem* AItem, TovBarItemLink* ALink) {
    if (AItem == nullptr) return;
    TovBarDragInfo drag(this);
    // The sub-menu editor asks the manager what is being dragged.
    struct TDraggingItemReset {
        TovBarManager* Manager;
        ~TDraggingItemReset() { Manager->SetDraggingItem(nullptr); }
    } draggingReset{this};
    SetDraggingItem(AItem);
    drag.BeginDrag(AItem, ALink);
    try {
        drag.DragLoop();
    } catch (...) {
        drag.EndDrag();
        throw;
    }
    drag.EndDrag();
}

TovBarItem* ovBarDraggedItem() {
    return RunningDrag != nullptr ? RunningDrag->DraggingItem() : nullptr;
}

// ---- The drag

TovBarDragInfo::~TovBarDragInfo() {
    if (RunningDrag == this) RunningDrag = FOuter;
}

TovBarDragInfo* TovBarDragInfo::Running() {
    return RunningDrag;
}

void TovBarDragInfo::BeginDrag(TovBarItem* AItem, TovBarItemLink* ALink) {
    FItem = AItem;
    FLink = ALink;
    POINT cursor{};
    GetCursorPos(&cursor);
    FLastPoint = TPoint{cursor.x, cursor.y};
    FDownPoint = FLastPoint;
    FDefaultCursor = Screen()->Cursor();
    FCaptureWnd = ovBarDragCaptureWindow(FManager);
    if (FCaptureWnd != nullptr) SetCapture(FCaptureWnd);
    // Moves already queued belong to the capture window now.
    ProcessMouseMessages();
}

void TovBarDragInfo::DragLoop() {
    FOuter = RunningDrag;
    RunningDrag = this;
    struct TRunningReset {
        TovBarDragInfo* Drag;
        ~TRunningReset() {
            if (RunningDrag == Drag) RunningDrag = Drag->FOuter;
        }
    } reset{this};
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
            if (msg.wParam == VK_CONTROL && CanDrop()) SetDraggingState(bdsCopy);
            if (msg.wParam == VK_ESCAPE) return;
            continue;
        case WM_KEYUP:
            if (msg.wParam == VK_CONTROL && CanDrop()) SetDraggingState(bdsMove);
            continue;
        case WM_CHAR:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
        case WM_SYSCHAR:
        case WM_DEADCHAR:
        case WM_SYSDEADCHAR:
            // Keys do nothing else during a drag.
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
    FLockCount = 0;
    SetDraggingState(bdsNone);
    UpdateDragVisuals();
    if (FLink != nullptr)
        if (TovBarItemControl* control = FLink->Control()) control->Repaint();
    if (FLink == nullptr && FItem != nullptr) ovBarEndCategoryDrag(FManager, FItem);
    FItem = nullptr;
    FLink = nullptr;
    FOverBar.Reset();
    FOverLink = nullptr;
    FLineBar.Reset();
    FLineVisible = false;
}

// ---- Following the mouse

TCustomovBarControl* TovBarDragInfo::FindTarget(const TPoint& AScreenPoint) const {
    HWND wnd = WindowFromPoint(AScreenPoint);
    TCustomovBarControl* target = BarControlOfWindow(wnd);
    if (target == nullptr) {
        // Over a window that is no bar (a toolbar's in-place editor, say): the first toolbar under the
        // cursor takes the drop.
        for (int i = 0; i < FManager->Bars()->Count() && target == nullptr; ++i) {
            auto* control = dynamic_cast<TCustomovBarControl*>(FManager->Bars()->GetItem(i)->GetControl());
            if (control == nullptr || control->Handle() == nullptr || !IsWindowVisible(control->Handle()))
                continue;
            RECT bounds{};
            GetWindowRect(control->Handle(), &bounds);
            if (uiIsPointInRect(bounds, AScreenPoint)) target = control;
        }
    }
    if (target != nullptr && (target->GetBarManager() != FManager || !target->CanCustomize())) return nullptr;
    return target;
}

void TovBarDragInfo::CalcDragOver(const TPoint& AScreenPoint) {
    TCustomovBarControl* target = FindTarget(AScreenPoint);
    TovBarItemLink* link = nullptr;
    bool vertical = false, before = false, onSeparator = false;
    if (target != nullptr) {
        POINT client = AScreenPoint;
        ScreenToClient(target->Handle(), &client);
        target->CalcDropPosition(TPoint{client.x, client.y}, link, vertical, before, onSeparator);
    }
    SetDragOverLink(target, link);
    // The target may have gone while its selection changed (a menu closed under the cursor).
    if (FOverBar.Get() != target) return;
    if (FOverBeginGroup != onSeparator || FOverFirstPart != before || FOverVertical != vertical) {
        FOverBeginGroup = onSeparator;
        FOverFirstPart = before;
        FOverVertical = vertical;
        UpdateDragVisuals();
    }
}

void TovBarDragInfo::SetDragOverLink(TCustomovBarControl* ATarget, TovBarItemLink* ALink) {
    if (ALink == FOverLink && ATarget == FOverBar.Get()) return;
    ShowDragLine(false);
    FOverBar = ATarget;
    FOverLink = ALink;
    TWeakLink<TCustomovBarControl> target(ATarget);
    if (ATarget != nullptr && ALink != nullptr && ALink->Control() != nullptr) {
        TovBarItemControl* control = ALink->Control();
        TovBarItemControl* selected = ATarget->SelectedControl();
        // Over a sub-item its menu opens, so that the drop can land inside it; leaving one closes it.
        if (control->IsDropDown() || (selected != nullptr && selected->IsDropDown())) {
            ATarget->HotTrackItemControl(control);
        } else {
            FManager->SetSelectedItem(control);
            ATarget->SetSelectedControl(control);
        }
    }
    ProcessPaintMessages();
    if (!target) {
        FOverBar.Reset();
        FOverLink = nullptr;
    }
    UpdateDragVisuals();
}

void TovBarDragInfo::DragOver(const TPoint& AScreenPoint) {
    FLastPoint = AScreenPoint;
    TovBarDraggingState categoryState = bdsNone;
    if (FLink == nullptr && ovBarDragOverCategories(FManager, FItem, AScreenPoint, categoryState)) {
        SetDraggingState(categoryState);
        return;
    }
    LockVisuals();
    struct TUnlock {
        TovBarDragInfo* Drag;
        ~TUnlock() { Drag->UnlockVisuals(); }
    } unlock{this};
    ovBarDragOverEditors(AScreenPoint);
    CalcDragOver(AScreenPoint);
    bool accept = true;
    if (TCustomovBarControl* bar = FOverBar.Get(); bar != nullptr && bar->Handle() != nullptr) {
        POINT client = AScreenPoint;
        ScreenToClient(bar->Handle(), &client);
        bar->HookMouseMove(client.x, client.y, accept);
    }
    if (!accept || !CanDrop())
        SetDraggingState(bdsNoDrop);
    else if (IsCopy())
        SetDraggingState(bdsCopy);
    else if (FOverLink != nullptr && FOverLink->Control() != nullptr && FLink != nullptr &&
             (FOverLink == FLink || IsSamePlace()))
        SetDraggingState(bdsSamePlace);
    else
        SetDraggingState(bdsMove);
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

// ---- State and visuals

void TovBarDragInfo::UnlockVisuals() {
    if (FLockCount > 0 && --FLockCount == 0 && FModified) UpdateDragVisuals();
}

void TovBarDragInfo::SetDraggingState(TovBarDraggingState AState) {
    if (FState == AState) return;
    FState = AState;
    UpdateDragVisuals();
}

void TovBarDragInfo::UpdateDragVisuals() {
    if (FLockCount > 0) {
        FModified = true;
        return;
    }
    switch (FState) {
    case bdsNoDrop:
        ShowDragLine(false);
        FOverLink = nullptr;
        SetDragCursor(crovBarDragNoDropCursor);
        break;
    case bdsSamePlace:
        ShowDragLine(false);
        SetDragCursor(crovBarDragCursor);
        break;
    case bdsCopy:
        ShowDragLine(false);
        ShowDragLine(true);
        SetDragCursor(crovBarDragCopyCursor);
        break;
    case bdsMove:
        ShowDragLine(false);
        if (!IsSamePlace()) ShowDragLine(true);
        SetDragCursor(crovBarDragCursor);
        break;
    case bdsCategory:
        SetDragCursor(crovBarDragCursor);
        break;
    default:
        ShowDragLine(false);
        SetDragCursor(FDefaultCursor);
        break;
    }
    FModified = false;
}

void TovBarDragInfo::SetDragCursor(TCursor ACursor) {
    if (HCURSOR cursor = Screen()->Cursors(ACursor)) ::SetCursor(cursor);
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
                // On the gap before a group: the mark goes after the link that ends the group before.
                if (TovBarItemLink* previous = Neighbour(link, -1); previous && previous->Control()) {
                    link = previous;
                    FLineFirstPart = !FLineFirstPart;
                }
            } else if (!FOverBeginGroup && !FLineFirstPart) {
                // After a link: shown before the next one, unless the row or the group ends there.
                TovBarItemLink* next = Neighbour(link, 1);
                const bool lastInRow = link->Control() != nullptr && link->Control()->LastInRow();
                if (!lastInRow && next != nullptr && next->Control() != nullptr && !next->BeginGroup()) {
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
    case bdsCategory:
        ovBarDropOnCategories(FManager, FItem);
        break;
    case bdsCopy:
    case bdsMove:
        SetDraggingState(bdsNone);
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
    auto* bar = dynamic_cast<TCustomovBarControl*>(FLink->LinksBarControl());
    if (begin == FLink->BeginGroup()) {
        if (bar != nullptr && FLink->Control() != nullptr) bar->SetSelectedControl(FLink->Control());
        return;
    }
    if (bar != nullptr && FLink->Control() != nullptr) bar->SetSelectedControl(FLink->Control());
    if (FLink->Control() != nullptr) FManager->SetSelectedItem(FLink->Control());
    FLink->SetBeginGroup(begin);
    FManager->DesignerModified();
}

void TovBarDragInfo::RemoveDraggedLink() {
    if (FLink == nullptr) return;
    HandOnGroupStart(FLink);
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
    TovBarItemLink* over = IsLinkOf(links, FOverLink) ? FOverLink : nullptr;
    const bool onSeparator = FOverBeginGroup, before = FOverFirstPart;
    TWeakLink<TCustomovBarControl> targetLink(target);
    TovBarItemLink* link = nullptr;
    {
        // Released in reverse order whatever happens: a refused item must not leave the bars frozen.
        struct TDropLocks {
            TovBarManager* Manager;
            TovBarItemLinks* Links;
            TDropLocks(TovBarManager* AManager, TovBarItemLinks* ALinks) : Manager(AManager), Links(ALinks) {
                Manager->LockDesignerModified(true);
                Manager->BeginUpdate();
                Links->BeginUpdate();
            }
            ~TDropLocks() {
                Links->EndUpdate();
                Manager->EndUpdate();
                Manager->LockDesignerModified(false);
            }
        } locks(FManager, links);
        const int index = over != nullptr ? over->Index() + (onSeparator || before ? 0 : 1) : links->Count();
        // The link frees itself when the list refuses the item, and the refusal goes to the caller.
        link = links->Insert(index);
        if (FLink != nullptr)
            link->Assign(FLink);
        else
            link->SetItem(FItem);
        link->SetBeginGroup(false);
        if (over != nullptr && ((onSeparator && !before) || (before && !onSeparator && over->BeginGroup()))) {
            link->SetBeginGroup(true);
            over->SetBeginGroup(false);
        }
        link->MarkAsRecentlyUsed(false);
        link->CreateControl();
        if (!copy && FLink != nullptr) RemoveDraggedLink();
        FManager->DesignerModified();
    }
    if (!targetLink || !IsLinkOf(links, link)) return;
    if (TCustomovBarControl* active = ovBarActiveBarControl();
        active != nullptr && active != target && target->Kind() == bckToolbar) {
        active->CloseUp(bcrOther);
        if (!targetLink || !IsLinkOf(links, link)) return;
        target->BarGetFocus(link->Control());
        if (!targetLink || !IsLinkOf(links, link)) return;
    }
    if (link->Control() != nullptr) FManager->SetSelectedItem(link->Control());
    BarDesignController()->SelectLink(link, dsoExclusive);
}
