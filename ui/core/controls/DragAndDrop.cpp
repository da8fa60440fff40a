#include "ui/core/controls/DragAndDrop.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Mouse.h"
#include "platform/vcl/Screen.h"
#include "platform/win/WinUser.h"
#include "ui/core/controls/BaseControl.h"
#include "ui/core/controls/LibraryCursors.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

// ---- TuiDragAndDropObject

TuiDragAndDropObject::TuiDragAndDropObject(TuiControl* AControl)
    : FControlCanvas(AControl->GetCanvas()), FLinkedControl(AControl) {}

void TuiDragAndDropObject::Init() {
    CurMousePos = PrevMousePos = GetClientCursorPos();
    BeginDragAndDrop();
}

void TuiDragAndDropObject::DoDragAndDrop(const TPoint& P, bool& AAccepted) {
    PrevMousePos = CurMousePos;
    CurMousePos = P;
    DragAndDrop(P, AAccepted);
}

void TuiDragAndDropObject::Done(bool AAccepted) {
    EndDragAndDrop(AAccepted);
    AfterDragAndDrop(AAccepted);
}

void TuiDragAndDropObject::SetDirty(bool AValue) {
    if (AValue == FDirty) return;
    FDirty = AValue;
    DirtyChanged();
}

TPoint TuiDragAndDropObject::GetClientCursorPos() {
    POINT p;
    GetCursorPos(&p);
    return FLinkedControl->ScreenToClient(p);
}

TCursor TuiDragAndDropObject::GetDragAndDropCursor(bool AAccepted) {
    return AAccepted ? crDrag : crNoDrop;
}

void TuiDragAndDropObject::DragAndDrop(const TPoint&, bool& AAccepted) {
    SetDirty(false);
    if (Screen() != nullptr) Screen()->SetCursor(GetDragAndDropCursor(AAccepted));
}

// ---- TuiDragControlObject

void TuiDragControlObject::Finished(TObject* Target, int X, int Y, bool Accepted) {
    TDragControlObject::Finished(Target, X, Y, Accepted);
    delete this;
}

TCursor TuiDragControlObject::GetDragCursor(bool Accepted, int X, int Y) {
    auto* control = dynamic_cast<TuiControl*>(Control());
    if (Accepted && control != nullptr && control->IsCopyDragDrop()) return crovDragCopy;
    return TDragControlObject::GetDragCursor(Accepted, X, Y);
}

TDragImageList* TuiDragControlObject::GetDragImages() {
    auto* control = dynamic_cast<TuiControl*>(Control());
    return control != nullptr ? control->GetDragImages() : nullptr;
}

// ---- Detection

int uiDetectDragStart(HWND AWnd, const TPoint& APoint) {
    const int threshold = Mouse()->DragThreshold();
    const TRect square{APoint.x - threshold, APoint.y - threshold, APoint.x + threshold,
                       APoint.y + threshold};
    SetCapture(AWnd);
    int result = 2;
    while (GetCapture() == AWnd) {
        MSG msg;
        const BOOL got = GetMessage(&msg, nullptr, 0, 0);
        if (got == -1) break;
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessage(&msg);
        bool done = false;
        switch (msg.message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
            done = msg.wParam == VK_ESCAPE;
            break;
        case WM_MOUSEMOVE:
            if (msg.hwnd == AWnd) {
                POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
                ClientToScreen(AWnd, &p);
                if (!PtInRect(&square, p)) {
                    result = 1;
                    done = true;
                }
            }
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            result = 0;
            done = true;
            break;
        default:
            break;
        }
        if (done) break;
    }
    if (GetCapture() == AWnd) ReleaseCapture();
    return result;
}

// ---- Middle-button scrolling

TuiMiddleButtonScrollStep uiMiddleButtonScrollStep(const TPoint& AAnchor, const TPoint& P, int AAnchorWidth,
                                                   bool AHorizontalBar, bool AVerticalBar) {
    const int half = AAnchorWidth / 2;
    const int dx = P.x - AAnchor.x, dy = P.y - AAnchor.y;
    const bool insideX = !AHorizontalBar || std::abs(dx) <= half;
    const bool insideY = !AVerticalBar || std::abs(dy) <= half;
    TuiMiddleButtonScrollStep step;
    if (insideX && insideY) return step;
    int distance;
    if (!AHorizontalBar || (AVerticalBar && std::abs(dy) >= std::abs(dx))) {
        step.Direction = dy < 0 ? 3 : 4;
        distance = std::abs(dy);
    } else {
        step.Direction = dx < 0 ? 1 : 2;
        distance = std::abs(dx);
    }
    step.Speed = std::min(std::max((distance - half) / 5 + 1, 1), 12);
    return step;
}

TCursor uiMiddleButtonScrollCursor(int ADirection, bool AHorizontalBar, bool AVerticalBar) {
    switch (ADirection) {
    case 1:
        return crovLeftScroll;
    case 2:
        return crovRightScroll;
    case 3:
        return crovUpScroll;
    case 4:
        return crovDownScroll;
    default:
        if (AHorizontalBar && AVerticalBar) return crovFullScroll;
        return AHorizontalBar ? crovHorScroll : crovVerScroll;
    }
}

HBITMAP uiCreateScrollAnchorBitmap(const char* AName) {
    const std::string_view name = AName != nullptr ? AName : "";
    const bool vertical = name == "UI_VERSCROLLBITMAP" || name == "UI_FULLSCROLLBITMAP";
    const bool horizontal = name == "UI_HORSCROLLBITMAP" || name == "UI_FULLSCROLLBITMAP";
    if (!vertical && !horizontal) return nullptr;
    constexpr int Size = 28;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, Size, Size);
    ReleaseDC(nullptr, screen);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all{0, 0, Size, Size};
    HBRUSH face = CreateSolidBrush(RGB(255, 255, 255));
    FillRect(dc, &all, face);
    DeleteObject(face);
    HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
    HGDIOBJ oldBrush = SelectObject(dc, black);
    const int c = Size / 2;
    Ellipse(dc, c - 2, c - 2, c + 3, c + 3);
    auto triangle = [&](std::vector<POINT> APoints) {
        Polygon(dc, APoints.data(), static_cast<int>(APoints.size()));
    };
    if (vertical) {
        triangle({{c, 3}, {c - 4, 7}, {c + 4, 7}});
        triangle({{c, Size - 4}, {c - 4, Size - 8}, {c + 4, Size - 8}});
    }
    if (horizontal) {
        triangle({{3, c}, {7, c - 4}, {7, c + 4}});
        triangle({{Size - 4, c}, {Size - 8, c - 4}, {Size - 8, c + 4}});
    }
    SelectObject(dc, oldBrush);
    DeleteObject(black);
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}
