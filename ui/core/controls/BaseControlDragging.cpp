// TuiControl: its own drag-and-drop, the start of the class library's drag, and middle-button
// scrolling.
#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/ObjectLinks.h"
#include "ui/core/controls/BaseControl.h"
#include "ui/core/controls/DragAndDrop.h"
#include "ui/core/graphics/Bitmaps.h"

TuiDragAndDropObject* TuiControl::GetDragAndDropObject() {
    if (!FDragAndDropObject) FDragAndDropObject.reset(CreateDragAndDropObject());
    return FDragAndDropObject.get();
}

TuiDragAndDropObject* TuiControl::CreateDragAndDropObject() {
    return new TuiDragAndDropObject(this);
}

void TuiControl::SetDragAndDropState(int AValue) {
    if (AValue == FDragAndDropState) return;
    FDragAndDropState = AValue;
    if (AValue == 0 && !FFinishingDragAndDrop) DoCancelMode();
}

void TuiControl::BeginDragAndDrop() {
    GetDragAndDropObject()->Init();
    SetMouseCapture(true);
    FDragAndDropPrevCursor = Screen() != nullptr ? Screen()->Cursor() : crDefault;
    SetDragAndDropState(2);
}

void TuiControl::DragAndDrop(const TPoint& P, bool& AAccepted) {
    GetDragAndDropObject()->DoDragAndDrop(P, AAccepted);
}

void TuiControl::EndDragAndDrop(bool AAccepted) {
    SetDragAndDropState(0);
    if (Screen() != nullptr) Screen()->SetCursor(FDragAndDropPrevCursor);
    SetMouseCapture(false);
    SetMouseCaptureObject(nullptr);
    GetDragAndDropObject()->Done(AAccepted);
}

void TuiControl::FinishDragAndDrop(bool AAccepted) {
    if (FFinishingDragAndDrop) return;
    FFinishingDragAndDrop = true;
    try {
        if (FDragAndDropState == 2)
            EndDragAndDrop(AAccepted);
        else
            SetDragAndDropState(0);
        FDragAndDropObject.reset();
    } catch (...) {
        FFinishingDragAndDrop = false;
        throw;
    }
    FFinishingDragAndDrop = false;
}

void TuiControl::FinishDragAndDropOnMouseUp() {
    FinishDragAndDrop(true);
    SetMouseCaptureObject(nullptr);
}

bool TuiControl::IsCopyDragDrop() {
    return GetAsyncKeyState(VK_CONTROL) < 0;
}

void TuiControl::DoStartDrag(TDragObject*& DragObject) {
    Update();
    TCustomControl::DoStartDrag(DragObject);
    if (DragObject == nullptr) DragObject = new TuiDragControlObject(this);
    if (!AcceptDragObject(DragObject)) {
        delete DragObject;
        DragObject = nullptr;
        EndDrag(false);
    }
}

void TuiControl::DoEndDrag(TObject* Target, int X, int Y) {
    TCustomControl::DoEndDrag(Target, X, Y);
    FDragImages.reset();
}

TDragImageList* TuiControl::GetDragImages() {
    if (!HasDragImages()) return nullptr;
    if (!FDragImages) {
        FDragImages = std::make_unique<TuiDragImageList>(nullptr);
        InitDragImages(FDragImages.get());
    }
    return FDragImages->Count() > 0 ? FDragImages.get() : nullptr;
}

void TuiControl::InitDragImages(TDragImageList* AImages) {
    const TSize size = GetDragImagesSize();
    if (size.cx == 0 || size.cy == 0) return;
    AImages->SetSize(size.cx, size.cy);
    TuiBitmap bitmap(size.cx, size.cy);
    DrawDragImage(bitmap.GetuiCanvas(), TRect{0, 0, size.cx, size.cy});
    AImages->AddMasked(&bitmap, bitmap.TransparentColor());
}

void TuiControl::CheckDragAndAutoScroll(TMouseButton Button, int X, int Y) {
    if (Button == mbLeft) {
        if (DragMode() == dmAutomatic && MouseCapture() && (!IsDesigning() || AllowDragAtDesignTime(X, Y)) &&
            CanBeginDrag(X, Y)) {
            const TPoint screen = ClientToScreen(TPoint{X, Y});
            if (uiDetectDragStart(Handle(), screen) == 1) BeginDrag(true, -1);
        }
    } else if (Button == mbMiddle) {
        MiddleButtonScroll();
    }
}

namespace {
constexpr UINT MiddleButtonTimerInterval = 20;
} // namespace

void TuiControl::MiddleButtonScroll() {
    if (!NeedsScrollBars()) return;
    const bool horz = IsHScrollBarVisible(), vert = IsVScrollBarVisible();
    if (!horz && !vert) return;
    FMiddleButtonScrolling = true;
    POINT anchor;
    GetCursorPos(&anchor);
    int direction = 0, speed = 1, ticks = 0;
    bool moved = false;
    TPoint last{-100000, -100000};

    const char* name = horz && vert ? "UI_FULLSCROLLBITMAP"
                       : horz       ? "UI_HORSCROLLBITMAP"
                                    : "UI_VERSCROLLBITMAP";
    HBITMAP bitmap = uiCreateScrollAnchorBitmap(name);
    BITMAP info{};
    GetObject(bitmap, sizeof(info), &info);
    const int width = info.bmWidth, height = info.bmHeight;
    FScrollAnchor = CreateWindowEx(WS_EX_TOPMOST, "STATIC", "", WS_POPUP, anchor.x - width / 2,
                                   anchor.y - height / 2, width, height, Handle(), nullptr, nullptr, nullptr);
    SetWindowRgn(FScrollAnchor, CreateEllipticRgn(0, 0, width + 1, height + 1), FALSE);
    SetWindowPos(FScrollAnchor, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    {
        HDC dc = GetWindowDC(FScrollAnchor);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
        HRGN outline = CreateEllipticRgn(0, 0, width + 1, height + 1);
        FrameRgn(dc, outline, GetSysColorBrush(COLOR_WINDOWTEXT), 1, 1);
        DeleteObject(outline);
        ReleaseDC(FScrollAnchor, dc);
        // Nothing more to paint: the loop below only validates the anchor.
        ValidateRect(FScrollAnchor, nullptr);
    }
    auto setCursor = [&] {
        if (Screen() != nullptr)
            ::SetCursor(Screen()->Cursors(uiMiddleButtonScrollCursor(direction, horz, vert)));
    };
    setCursor();
    const UINT_PTR timer = SetTimer(nullptr, 0, MiddleButtonTimerInterval, nullptr);
    SetCapture(Handle());
    TuiObjectLink* link = uiAddObjectLink(this);
    auto finish = [&] {
        if (link->Ref != nullptr && GetCapture() == Handle()) ReleaseCapture();
        KillTimer(nullptr, timer);
        DestroyWindow(FScrollAnchor);
        DeleteObject(bitmap);
        if (link->Ref != nullptr) {
            FScrollAnchor = nullptr;
            FMiddleButtonScrolling = false;
        }
        uiRemoveObjectLink(link);
    };
    try {
        while (link->Ref != nullptr && GetCapture() == Handle()) {
            MSG msg;
            const BOOL got = GetMessage(&msg, nullptr, 0, 0);
            if (got == -1) break;
            if (got == 0) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            if (msg.message == WM_PAINT && msg.hwnd == FScrollAnchor) {
                ValidateRect(FScrollAnchor, nullptr);
                continue;
            }
            if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) && msg.wParam == VK_ESCAPE) {
                DispatchMessage(&msg);
                break;
            }
            if ((msg.message >= WM_LBUTTONDOWN && msg.message <= WM_MBUTTONDOWN) ||
                msg.message == WM_MBUTTONDBLCLK || msg.message == WM_MOUSEWHEEL)
                break;
            if (msg.message == WM_MBUTTONUP) {
                if (moved) {
                    DispatchMessage(&msg);
                    break;
                }
                continue;
            }
            if (msg.message == WM_TIMER && msg.hwnd == nullptr && msg.wParam == timer) {
                ++ticks;
                if (ticks % (13 - speed) == 0) ScrollContent(direction);
            }
            if (msg.message == WM_MOUSEMOVE) {
                POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
                ::ClientToScreen(msg.hwnd, &p);
                if (p.x != last.x || p.y != last.y) {
                    const TuiMiddleButtonScrollStep step =
                        uiMiddleButtonScrollStep(anchor, p, width, horz, vert);
                    direction = step.Direction;
                    speed = step.Speed;
                    if (step.Direction != 0) moved = true;
                    setCursor();
                    last = p;
                }
            }
            TranslateMessage(&msg);
            DispatchMessage(&msg);
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
}
