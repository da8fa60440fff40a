#include "platform/vcl/PopupMenuWindow.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/Keyboard.h"
#include "platform/vcl/Menu.h"
#include "platform/vcl/Pen.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"

#include <algorithm>

namespace popupwindow_detail {
constexpr int kFrame = 3; // 3-D frame and the gap inside it
constexpr int kSeparatorHeight = 9;
constexpr int kMinItemHeight = 19;
constexpr int kShortCutGap = 24; // between the caption and the shortcut text
constexpr int kArrowColumn = 16; // room for a sub-menu arrow
constexpr int kTextGap = 4;      // between the check column and the caption

int CheckColumnWidth(const TMenuItem* Items) {
    int width = 16;
    for (int i = 0; i < Items->Count(); ++i) {
        TMenuItem* item = Items->Items(i);
        if (TCustomImageList* images = item->GetImageList(); images != nullptr && item->ImageIndex() >= 0)
            width = std::max(width, images->Width());
    }
    return width + 4;
}
} // namespace popupwindow_detail

TPopupMenuWindow::TPopupMenuWindow(TMenuItem* AItems, TPopupMenuWindow* AParentWindow)
    : TCustomControl(nullptr), FItems(AItems), FParentWindow(AParentWindow) {
    FVisible = false;
    FColor = clMenu;
    SetParentColor(false);
    SetParentFont(false);
    if (Screen() != nullptr) Font()->Assign(Screen()->MenuFont());
    Font()->SetColor(clMenuText);
    Measure();
}

TPopupMenuWindow::~TPopupMenuWindow() {
    delete FSubWindow;
    if (FParentWindow != nullptr && FParentWindow->FSubWindow == this) FParentWindow->FSubWindow = nullptr;
}

void TPopupMenuWindow::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    Params.WndParent = nullptr;
}

void TPopupMenuWindow::Measure() {
    using namespace popupwindow_detail;
    FVisibleItems.clear();
    FTops.clear();
    FHeights.clear();
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, Font()->Handle());
    SIZE probe{0, 0};
    ::GetTextExtentPoint32(dc, "Wg", 2, &probe);
    const int itemHeight = std::max(kMinItemHeight, static_cast<int>(probe.cy) + 6);
    FTextWidth = 0;
    FShortCutWidth = 0;
    int top = kFrame;
    for (int i = 0; i < FItems->Count(); ++i) {
        TMenuItem* item = FItems->Items(i);
        if (!item->Visible()) continue;
        FVisibleItems.push_back(item);
        FTops.push_back(top);
        const int height = item->IsLine() ? kSeparatorHeight : itemHeight;
        FHeights.push_back(height);
        top += height;
        if (item->IsLine()) continue;
        const std::string caption = StripHotkey(item->Caption());
        SIZE size{0, 0};
        ::GetTextExtentPoint32(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
        FTextWidth = std::max(FTextWidth, static_cast<int>(size.cx));
        const std::string shortcut = ShortCutToText(item->ShortCut());
        if (!shortcut.empty()) {
            ::GetTextExtentPoint32(dc, shortcut.c_str(), static_cast<int>(shortcut.size()), &size);
            FShortCutWidth = std::max(FShortCutWidth, static_cast<int>(size.cx));
        }
    }
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    const int width = 2 * kFrame + CheckColumnWidth(FItems) + kTextGap + FTextWidth +
                      (FShortCutWidth > 0 ? kShortCutGap + FShortCutWidth : 0) + kArrowColumn;
    FWidth = width;
    FHeight = top + kFrame;
}

TMenuItem* TPopupMenuWindow::SelectedItem() const {
    return FSelected >= 0 && FSelected < static_cast<int>(FVisibleItems.size())
               ? FVisibleItems[static_cast<std::size_t>(FSelected)]
               : nullptr;
}

RECT TPopupMenuWindow::ItemRect(int Index) const {
    if (Index < 0 || Index >= static_cast<int>(FVisibleItems.size())) return RECT{0, 0, 0, 0};
    const int top = FTops[static_cast<std::size_t>(Index)];
    return RECT{popupwindow_detail::kFrame, top, FWidth - popupwindow_detail::kFrame,
                top + FHeights[static_cast<std::size_t>(Index)]};
}

int TPopupMenuWindow::ItemAtPos(POINT ClientPos) const {
    for (int i = 0; i < static_cast<int>(FVisibleItems.size()); ++i) {
        RECT r = ItemRect(i);
        if (::PtInRect(&r, ClientPos) && !FVisibleItems[static_cast<std::size_t>(i)]->IsLine()) return i;
    }
    return -1;
}

void TPopupMenuWindow::Select(int Index) {
    if (Index < -1 || Index >= static_cast<int>(FVisibleItems.size())) Index = -1;
    if (Index == FSelected) return;
    const int old = FSelected;
    FSelected = Index;
    if (!HandleAllocated()) return;
    RECT r = ItemRect(old);
    ::InvalidateRect(FHandle, &r, FALSE);
    r = ItemRect(Index);
    ::InvalidateRect(FHandle, &r, FALSE);
}

void TPopupMenuWindow::SelectStep(bool Forward) {
    const int count = static_cast<int>(FVisibleItems.size());
    if (count == 0) return;
    int index = FSelected;
    for (int step = 0; step < count; ++step) {
        if (Forward)
            index = index + 1 >= count ? 0 : index + 1;
        else
            index = index <= 0 ? count - 1 : index - 1;
        if (!FVisibleItems[static_cast<std::size_t>(index)]->IsLine()) {
            Select(index);
            return;
        }
    }
}

void TPopupMenuWindow::ShowAt(int X, int Y, int FlipX) {
    MONITORINFO info;
    info.cbSize = sizeof(info);
    RECT work{0, 0, 1920, 1080};
    if (::GetMonitorInfo(::MonitorFromPoint(POINT{X, Y}, MONITOR_DEFAULTTONEAREST), &info))
        work = info.rcWork;
    if (X + FWidth > work.right) X = FlipX >= 0 ? FlipX - FWidth : work.right - FWidth;
    if (Y + FHeight > work.bottom)
        Y = FParentWindow == nullptr && Y - FHeight >= work.top ? Y - FHeight : work.bottom - FHeight;
    X = std::max<int>(X, work.left);
    Y = std::max<int>(Y, work.top);
    SetBounds(X, Y, FWidth, FHeight);
    HWND handle = Handle();
    ::SetWindowPos(handle, HWND_TOPMOST, X, Y, FWidth, FHeight, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    FShowing = true;
    ::InvalidateRect(handle, nullptr, TRUE);
}

void TPopupMenuWindow::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_MOUSEACTIVATE) {
        Message.Result = MA_NOACTIVATE;
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TPopupMenuWindow::Paint() {
    TCanvas* canvas = Canvas();
    RECT client{0, 0, FWidth, FHeight};
    canvas->Brush()->SetColor(clMenu);
    canvas->FillRect(client);
    HDC dc = canvas->Handle();
    ::DrawEdge(dc, &client, EDGE_RAISED, BF_RECT);
    for (int i = 0; i < static_cast<int>(FVisibleItems.size()); ++i)
        DrawItem(i, ItemRect(i));
}

void TPopupMenuWindow::DrawItem(int Index, const RECT& Rect) {
    using namespace popupwindow_detail;
    TMenuItem* item = FVisibleItems[static_cast<std::size_t>(Index)];
    TCanvas* canvas = Canvas();
    if (item->IsLine()) {
        const int mid = Rect.top + (Rect.bottom - Rect.top) / 2 - 1;
        canvas->Pen()->SetColor(clBtnShadow);
        canvas->MoveTo(Rect.left + 1, mid);
        canvas->LineTo(Rect.right - 1, mid);
        canvas->Pen()->SetColor(clBtnHighlight);
        canvas->MoveTo(Rect.left + 1, mid + 1);
        canvas->LineTo(Rect.right - 1, mid + 1);
        return;
    }
    const bool selected = Index == FSelected;
    canvas->Brush()->SetColor(selected ? clHighlight : clMenu);
    canvas->FillRect(Rect);
    canvas->Font()->Assign(Font());
    if (item->Default()) canvas->Font()->SetStyle(TFontStyles{fsBold});
    const int checkWidth = CheckColumnWidth(FItems);
    RECT checkRect{Rect.left, Rect.top, Rect.left + checkWidth, Rect.bottom};
    TCustomImageList* images = item->GetImageList();
    const TColor textColor = !item->Enabled() ? clGrayText : selected ? clHighlightText : clMenuText;
    if (images != nullptr && item->ImageIndex() >= 0 && item->ImageIndex() < images->Count()) {
        const int x = checkRect.left + (checkWidth - images->Width()) / 2;
        const int y = checkRect.top + (Rect.bottom - Rect.top - images->Height()) / 2;
        images->Draw(canvas, x, y, item->ImageIndex(), item->Enabled());
        if (item->Checked()) {
            RECT frame{x - 1, y - 1, x + images->Width() + 1, y + images->Height() + 1};
            ::DrawEdge(canvas->Handle(), &frame, BDR_SUNKENOUTER, BF_RECT);
        }
    } else if (item->Checked()) {
        canvas->Pen()->SetColor(textColor);
        canvas->Brush()->SetColor(textColor);
        const int cx = checkRect.left + checkWidth / 2;
        const int cy = checkRect.top + (Rect.bottom - Rect.top) / 2;
        if (item->RadioItem()) {
            canvas->Ellipse(cx - 3, cy - 3, cx + 3, cy + 3);
        } else {
            // A check mark three pixels thick.
            for (int t = 0; t < 3; ++t) {
                canvas->MoveTo(cx - 3, cy - 1 + t);
                canvas->LineTo(cx - 1, cy + 1 + t);
                canvas->LineTo(cx + 4, cy - 4 + t);
            }
        }
        canvas->Brush()->SetColor(selected ? clHighlight : clMenu);
    }
    HDC dc = canvas->Handle();
    canvas->RequiredState({csHandleValid, csFontValid});
    ::SetBkMode(dc, TRANSPARENT);
    RECT textRect{checkRect.right + kTextGap, Rect.top, Rect.right - kArrowColumn, Rect.bottom};
    const std::string shortcut = ShortCutToText(item->ShortCut());
    auto drawTexts = [&](RECT r, COLORREF color) {
        ::SetTextColor(dc, color);
        ::DrawText(dc, item->Caption().c_str(), static_cast<int>(item->Caption().size()), &r,
                   DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        if (!shortcut.empty())
            ::DrawText(dc, shortcut.c_str(), static_cast<int>(shortcut.size()), &r,
                       DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    };
    if (!item->Enabled() && !selected) {
        RECT emboss = textRect;
        ::OffsetRect(&emboss, 1, 1);
        drawTexts(emboss, ColorToRGB(clBtnHighlight));
    }
    drawTexts(textRect, ColorToRGB(textColor));
    if (item->Count() > 0) {
        // The sub-menu arrow: a small triangle pointing right.
        const int x = Rect.right - kArrowColumn / 2 - 2;
        const int y = Rect.top + (Rect.bottom - Rect.top) / 2;
        canvas->Pen()->SetColor(textColor);
        for (int i = 0; i < 4; ++i) {
            canvas->MoveTo(x + i, y - 3 + i);
            canvas->LineTo(x + i, y + 4 - i);
        }
    }
}
