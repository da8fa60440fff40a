#include "ui/core/controls/PopupWindow.h"

#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Font.h"
#include "platform/win/WinUser.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/core/graphics/Canvas.h"

#include <algorithm>
#include <map>

TuiPopupWindow::TuiPopupWindow() : TForm(nullptr) {
    SetBorderStyle(bsNone);
    SetDefaultMonitor(dmDesktop);
    SetFormStyle(fsStayOnTop);
    FCanvas = std::make_unique<TControlCanvas>();
    FCanvas->SetControl(this);
    FControlCanvas = std::make_unique<TuiCanvas>(FCanvas.get());
}

TuiPopupWindow::~TuiPopupWindow() {
    FControlCanvas.reset();
    FCanvas.reset();
}

int TuiPopupWindow::GetBorderWidth(int) {
    switch (FrameStyle) {
    case 1:
    case 2:
        return 1;
    case 3:
        return 2;
    default:
        return 0;
    }
}

int TuiPopupWindow::GetBorderOffset(int ASide) {
    return GetBorderWidth(ASide) + FrameSpacing;
}

void TuiPopupWindow::GetClientBounds(TRect& R) {
    R = ClientRect();
    R.left += GetBorderOffset(0);
    R.top += GetBorderOffset(1);
    R.right -= GetBorderOffset(2);
    R.bottom -= GetBorderOffset(3);
}

void TuiPopupWindow::GetOwnerScreenBounds(TRect& R) {
    R = AnchorBounds;
    if (AnchorControl == nullptr) return;
    const TPoint topLeft = AnchorControl->ClientToScreen(TPoint{R.left, R.top});
    const TPoint bottomRight = AnchorControl->ClientToScreen(TPoint{R.right, R.bottom});
    R = TRect{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void TuiPopupWindow::InitPopup() {
    if (AnchorControl != nullptr) Font()->Assign(AnchorControl->Font());
}

void TuiPopupWindow::CalculateSize() {
    if (!SizeToContent) return;
    int right = 0, bottom = 0;
    const int dx = GetBorderOffset(0), dy = GetBorderOffset(1);
    // Children are placed at their own positions plus the frame offset, however often the popup opens:
    // a child still where the last placement put it keeps its original position; one moved since
    // then has a new original position.
    std::map<TControl*, TChildPlacement> placements;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* child = Controls(i);
        TRect original = child->BoundsRect();
        if (auto it = FChildPlacements.find(child);
            it != FChildPlacements.end() && it->second.placed == original)
            original = it->second.original;
        right = std::max<int>(right, original.right);
        bottom = std::max<int>(bottom, original.bottom);
        TRect placed = original;
        OffsetRect(&placed, dx, dy);
        child->SetBoundsRect(placed);
        placements[child] = TChildPlacement{original, child->BoundsRect()};
    }
    FChildPlacements = std::move(placements);
    if (right != 0 || ControlCount() > 0) {
        SetBounds(Left(), Top(), dx + right + GetBorderOffset(2), dy + bottom + GetBorderOffset(3));
    }
}

void TuiPopupWindow::CalculatePosition(TPoint& P) {
    TRect a;
    GetOwnerScreenBounds(a);
    int horz = HorzAlignment, vert = VertAlignment;
    const int width = Width(), height = Height();
    TPoint q = P;
    if (horz == 1) q.x = P.x = (a.left + a.right - width) / 2;
    if (vert == 1) q.y = P.y = (a.top + a.bottom - height) / 2;
    auto place = [&] {
        if (PopupDirection == 1) {
            if (horz == 0) P.x = a.left, q.x = a.left;
            if (horz == 2) P.x = a.right - width, q.x = a.right;
            if (vert == 0) P.y = a.top - height, q.y = a.top;
            if (vert == 2) P.y = a.bottom, q.y = a.bottom;
        } else {
            if (horz == 0) P.x = a.left - width, q.x = a.left;
            if (horz == 2) P.x = a.right, q.x = a.right;
            if (vert == 0) P.y = a.top, q.y = a.top;
            if (vert == 2) P.y = a.bottom - height, q.y = a.bottom;
        }
    };
    place();
    const TRect w = uiGetWorkAreaAtPoint(q);
    if (PopupDirection == 1) {
        const bool lessRoomBelow = w.bottom - a.bottom < a.top - w.top;
        if (vert == 2 && P.y + height > w.bottom && lessRoomBelow)
            vert = 0;
        else if (vert == 0 && P.y < w.top && !lessRoomBelow)
            vert = 2;
    } else {
        const bool lessRoomRight = w.right - a.right < a.left - w.left;
        if (horz == 2 && P.x + width > w.right && lessRoomRight)
            horz = 0;
        else if (horz == 0 && P.x < w.left && !lessRoomRight)
            horz = 2;
    }
    place();
    if (PopupDirection == 1 || horz == 1) P.x = std::max<int>(std::min<int>(P.x, w.right - width), w.left);
    if (PopupDirection == 0 || vert == 1) P.y = std::max<int>(std::min<int>(P.y, w.bottom - height), w.top);
}

void TuiPopupWindow::Popup() {
    InitPopup();
    CalculateSize();
    TPoint p{Left(), Top()};
    CalculatePosition(p);
    SetBounds(p.x, p.y, Width(), Height());
    Show();
}

void TuiPopupWindow::ClosePopup() {
    Hide();
}

void TuiPopupWindow::Deactivate() {
    TForm::Deactivate();
    ClosePopup();
}

void TuiPopupWindow::PaintWindow(HDC DC) {
    FCanvas->PaintOn(DC, [this] { Paint(); });
}

void TuiPopupWindow::Paint() {
    FControlCanvas->FillRect(ClientRect(), Color());
    DrawFrame();
}

void TuiPopupWindow::DrawFrame() {
    TRect r{0, 0, Width(), Height()};
    switch (FrameStyle) {
    case 1:
        FControlCanvas->FrameRect(r, BorderColor, 1, uiBordersAll, false);
        break;
    case 2:
        ::DrawEdge(FControlCanvas->Handle(), &r, BDR_RAISEDINNER, BF_RECT);
        break;
    case 3:
        ::DrawEdge(FControlCanvas->Handle(), &r, BDR_RAISEDOUTER, BF_RECT);
        InflateRect(&r, -1, -1);
        ::DrawEdge(FControlCanvas->Handle(), &r, BDR_RAISEDINNER, BF_RECT);
        break;
    default:
        break;
    }
}

void TuiPopupWindow::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_ACTIVATE:
        TForm::WndProc(Message);
        if (LOWORD(Message.WParam) != WA_INACTIVE) {
            FPreviousActiveWindow = reinterpret_cast<HWND>(Message.LParam);
            // Its caption stays drawn active while the popup has the activation.
            if (FPreviousActiveWindow != nullptr) SendMessage(FPreviousActiveWindow, WM_NCACTIVATE, 1, 0);
        } else {
            // The class library deactivates forms by focus; a popup without a focused control closes as
            // soon as its window loses the activation.
            ClosePopup();
        }
        return;
    case WM_ACTIVATEAPP:
        Message.Result = DefWindowProc(Handle(), Message.Msg, Message.WParam, Message.LParam);
        if (Message.WParam == 0) {
            if (FPreviousActiveWindow != nullptr) SendMessage(FPreviousActiveWindow, WM_NCACTIVATE, 0, 0);
            ClosePopup();
        }
        return;
    case CM_VISIBLECHANGED:
        TForm::WndProc(Message);
        VisibleChanged();
        return;
    default:
        TForm::WndProc(Message);
    }
}

int ovDropDownFrameHeight() {
    return std::max(GetSystemMetrics(SM_CYHSCROLL) + 2, GetSystemMetrics(SM_CYSIZE)) + 1;
}

int ovGetCornerForRects(const TRect& AOwnerRect, const TRect& ADropDownRect) {
    static constexpr int Corners[] = {0, 2, 1, 3};
    int index = AOwnerRect.left < ADropDownRect.right ? 2 : 0;
    if (AOwnerRect.bottom < ADropDownRect.bottom) ++index;
    return Corners[index];
}

LRESULT ovGetHitTestByCorner(int ACorner) {
    static constexpr LRESULT HitTests[] = {HTTOPLEFT, HTTOPRIGHT, HTBOTTOMLEFT, HTBOTTOMRIGHT};
    return ACorner >= 0 && ACorner < 4 ? HitTests[ACorner] : HTNOWHERE;
}
