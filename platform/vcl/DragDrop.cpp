#include "platform/vcl/DragDrop.h"

#include "platform/vcl/Control.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/Mouse.h"
#include "platform/vcl/Screen.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/Cursors.h"
#include "platform/win/WinUser.h"

#include <cstdlib>

namespace dragdrop_detail {
constexpr const char* kCaptureClass = "OlvaDragCapture";

LRESULT CaptureWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if ((msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST) || msg == WM_KEYDOWN || msg == WM_CANCELMODE ||
        msg == WM_CAPTURECHANGED)
        return DragManager().CaptureMessage(msg, wp, lp);
    return ::DefWindowProc(hwnd, msg, wp, lp);
}

HWND CreateCaptureWindow() {
    WNDCLASS wc;
    if (!::GetClassInfo(nullptr, kCaptureClass, &wc)) {
        wc.lpfnWndProc = CaptureWindowProc;
        wc.lpszClassName = kCaptureClass;
        ::RegisterClass(&wc);
    }
    return ::CreateWindowEx(0, kCaptureClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
}
} // namespace dragdrop_detail

void TDragObject::HideDragImage() {
    if (TDragImageList* images = GetDragImages()) images->HideDragImage();
}

void TDragObject::ShowDragImage() {
    if (TDragImageList* images = GetDragImages()) images->ShowDragImage();
}

TObject* TDragControlObject::DragSourceObject() {
    return FControl;
}

TCursor TDragControlObject::GetDragCursor(bool Accepted, int X, int Y) {
    return Accepted ? FControl->DragCursor() : crNoDrop;
}

void TDragControlObject::Finished(TObject* Target, int X, int Y, bool Accepted) {
    if (!Accepted) Target = nullptr;
    if (Target == nullptr || FControl->Parent() == nullptr) {
        FControl->DoEndDrag(Target, X, Y);
        return;
    }
    auto* target = dynamic_cast<TControl*>(Target);
    POINT p{X, Y};
    if (target != nullptr) p = FControl->ScreenToClient(target->ClientToScreen(p));
    FControl->DoEndDrag(Target, p.x, p.y);
}

TDragManager::TDragManager() = default;

TDragManager::~TDragManager() {
    if (FOwnsObject) delete FObject;
}

void TDragManager::Shutdown() {
    if (FControl != nullptr) Finish(false);
    if (FCaptureWindow != nullptr && ::IsWindow(FCaptureWindow)) ::DestroyWindow(FCaptureWindow);
    FCaptureWindow = nullptr;
}

TDragManager& DragManager() {
    static TDragManager manager;
    return manager;
}

void TDragManager::BeginDrag(TControl* Control, bool Immediate, int Threshold) {
    if (FControl != nullptr || Control == nullptr) return;
    FControl = Control;
    FDragging = false;
    FAccepted = false;
    FThreshold = Threshold >= 0 ? Threshold : Mouse()->DragThreshold();
    ::GetCursorPos(&FStart);
    TDragObject* object = nullptr;
    Control->DoStartDrag(object);
    if (FControl != Control) return; // the start handler ended the drag
    FOwnsObject = object == nullptr;
    FObject = object != nullptr ? object : new TDragControlObject(Control);
    if (FCaptureWindow == nullptr || !::IsWindow(FCaptureWindow))
        FCaptureWindow = dragdrop_detail::CreateCaptureWindow();
    ::SetCapture(FCaptureWindow);
    if (Immediate) {
        FDragging = true;
        StartDragImage(FStart);
        DragTo(FStart);
    }
}

void TDragManager::EndDrag(bool Drop) {
    if (FControl != nullptr) Finish(Drop);
}

void TDragManager::ControlDestroyed(TControl* Control) {
    if (FObject != nullptr && FObject->FDragTarget == Control) FObject->FDragTarget = nullptr;
    if (Control != FControl) return;
    if (FDragging && FObject != nullptr) EndDragImage(FObject);
    FControl = nullptr;
    if (FOwnsObject) delete FObject;
    FObject = nullptr;
    FDragging = false;
    if (::GetCapture() == FCaptureWindow) ::ReleaseCapture();
}

LRESULT TDragManager::SendDrag(TControl* Target, TDragMessage Message, POINT Pos) {
    if (Target == nullptr || FObject == nullptr) return 0;
    TDragRec rec{Pos, FObject, Target};
    return Target->Perform(CM_DRAG, static_cast<WPARAM>(Message), reinterpret_cast<LPARAM>(&rec));
}

void TDragManager::DragTo(POINT Pos) {
    if (FControl == nullptr) return;
    if (!FDragging) {
        if (std::abs(Pos.x - FStart.x) < FThreshold && std::abs(Pos.y - FStart.y) < FThreshold) return;
        FDragging = true;
        StartDragImage(Pos);
        if (FControl == nullptr || FObject == nullptr) return;
    }
    FObject->FDragPos = Pos;
    TControl* target = FindDragTarget(Pos, false);
    if (target != FObject->FDragTarget) {
        SendDrag(FObject->FDragTarget, dmDragLeave, Pos);
        FObject->FDragTarget = target;
        FAccepted = SendDrag(target, dmDragEnter, Pos) != 0;
    } else {
        FAccepted = SendDrag(target, dmDragMove, Pos) != 0;
    }
    if (FControl == nullptr || FObject == nullptr) return;
    MoveDragImage(Pos, FObject->FDragTarget);
    const TCursor cursor = FObject->GetDragCursor(FAccepted, Pos.x, Pos.y);
    if (Screen() != nullptr) ::SetCursor(Screen()->Cursors(cursor));
}

void TDragManager::Finish(bool Drop) {
    TControl* source = FControl;
    TDragObject* object = FObject;
    const bool owns = FOwnsObject;
    FControl = nullptr;
    FObject = nullptr;
    FOwnsObject = false;
    const bool wasDragging = FDragging;
    FDragging = false;
    if (::GetCapture() == FCaptureWindow) ::ReleaseCapture();
    if (object == nullptr) return;
    // The image goes before the drop is announced, so the target repaints without it.
    if (wasDragging) EndDragImage(object);
    TWeakLink<TControl> alive(source);
    TControl* target = object->FDragTarget;
    const POINT pos = object->FDragPos;
    const bool accepted = wasDragging && Drop && FAccepted && target != nullptr;
    object->FDropped = accepted;
    object->FCancelling = !Drop;
    if (target != nullptr) {
        FObject = object;
        if (accepted)
            SendDrag(target, dmDragDrop, pos);
        else
            SendDrag(target, dmDragLeave, pos);
        FObject = nullptr;
    }
    if (alive) {
        POINT local{0, 0};
        if (accepted) local = target->ScreenToClient(pos);
        object->Finished(accepted ? target : nullptr, local.x, local.y, accepted);
    }
    if (owns) delete object;
}

void TDragManager::StartDragImage(POINT Pos) {
    TDragImageList* images = FObject != nullptr ? FObject->GetDragImages() : nullptr;
    if (images != nullptr) images->BeginDrag(nullptr, Pos.x, Pos.y);
}

void TDragManager::MoveDragImage(POINT Pos, TControl* Target) {
    TDragImageList* images = FObject->GetDragImages();
    if (images == nullptr || !images->Dragging()) return;
    images->DragMove(Pos.x, Pos.y);
    if (Target == nullptr || Target->ControlStyle().Contains(csDisplayDragImage))
        images->ShowDragImage();
    else
        images->HideDragImage();
}

void TDragManager::EndDragImage(TDragObject* Object) {
    TDragImageList* images = Object->GetDragImages();
    if (images != nullptr) images->EndDrag();
}

LRESULT TDragManager::CaptureMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
    POINT pos;
    ::GetCursorPos(&pos);
    switch (Msg) {
    case WM_MOUSEMOVE:
        DragTo(pos);
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
        DragTo(pos);
        Finish(true);
        break;
    case WM_KEYDOWN:
        if (WParam == VK_ESCAPE) Finish(false);
        break;
    case WM_CANCELMODE:
    case WM_CAPTURECHANGED:
        if (FControl != nullptr && (Msg == WM_CANCELMODE || reinterpret_cast<HWND>(LParam) != FCaptureWindow))
            Finish(false);
        break;
    default:
        break;
    }
    return 0;
}
