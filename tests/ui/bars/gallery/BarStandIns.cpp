#include "BarStandIns.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Font.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"

#include <algorithm>

namespace bar_standins {

namespace {

// Moves the canvas's drawing origin by (DX, DY) while it lives.
class TOriginShift {
public:
    TOriginShift(TuiCanvas* ACanvas, int DX, int DY) : FDC(ACanvas->Handle()), FDX(DX), FDY(DY) {
        OffsetViewportOrgEx(FDC, DX, DY, nullptr);
    }
    ~TOriginShift() { OffsetViewportOrgEx(FDC, -FDX, -FDY, nullptr); }
    TOriginShift(const TOriginShift&) = delete;
    TOriginShift& operator=(const TOriginShift&) = delete;

private:
    HDC FDC;
    int FDX, FDY;
};

} // namespace

// ---- Toolbar

TStandInToolbar::TStandInToolbar(TovBarManager* AManager, TovBar* ABar, bool AShowBarLinks)
    : TovBarControl(AManager, ABar), FOwner(this) {
    if (AShowBarLinks) {
        SetItemLinks(ABar->ItemLinks());
        return;
    }
    FOwner.Links = std::make_unique<TovBarControlItemLinks>(AManager, &FOwner);
    SetItemLinks(FOwner.Links.get());
}

TStandInToolbar::~TStandInToolbar() {
    SetItemLinks(nullptr);
    FOwner.Links.reset();
}

TovBarItemLink* TStandInToolbar::Add(TovBarItem* AItem, bool ABeginGroup) {
    TovBarItemLink* link = Links()->AddItem(AItem);
    link->SetBeginGroup(ABeginGroup);
    return link;
}

TuiCanvas* TStandInToolbar::GetCanvas() const {
    return FPaintCanvas != nullptr ? FPaintCanvas : TovBarControl::GetCanvas();
}

void TStandInToolbar::Layout(int AMinLength) {
    TovBarPainter* painter = GetPainter();
    const bool vertical = IsDockedVertically();
    Separators.clear();
    int position = 0, thickness = 0;
    struct TPlaced {
        TovBarItemLink* Link;
        int Start, Length;
    };
    std::vector<TPlaced> placed;
    for (int i = 0; i < Links()->VisibleItemCount(); ++i) {
        TovBarItemLink* link = Links()->VisibleItems(i);
        TovBarItemControl* control = link->Control();
        if (control == nullptr) continue;
        if (link->BeginGroup() && !placed.empty()) {
            Separators.push_back(TRect{position, 0, position + painter->BarSeparatorSize(), 0});
            position += painter->BarSeparatorSize();
        }
        const int width = control->GetRealWidth(), height = control->GetRealHeight();
        const int length = vertical ? height : width;
        thickness = std::max(thickness, vertical ? width : height);
        placed.push_back(TPlaced{link, position, length});
        position += length;
    }
    const int markSize = GetMarkSize();
    const int length = std::max(position + markSize, AMinLength);
    SetClientRect(vertical ? TRect{0, 0, thickness, length} : TRect{0, 0, length, thickness});
    Links()->BeginCalcItemRects();
    for (const TPlaced& item : placed)
        item.Link->SetItemRect(vertical ? TRect{0, item.Start, thickness, item.Start + item.Length}
                                        : TRect{item.Start, 0, item.Start + item.Length, thickness});
    Links()->EndCalcItemRects();
    for (TRect& separator : Separators)
        separator = vertical ? TRect{0, separator.left, thickness, separator.right}
                             : TRect{separator.left, 0, separator.right, thickness};
    MarkRect = TRect{};
    if (markSize > 0) painter->BarGetMarkRect(this, MarkRect);
}

void TStandInToolbar::PaintTo(TuiCanvas* ACanvas) {
    TovBarPainter* painter = GetPainter();
    SetPaintCanvas(ACanvas);
    ACanvas->Font()->Assign(GetFont());
    // A vertical bar writes its text turned a quarter, reading downwards.
    if (IsTextRotated()) ACanvas->SetFontAngle(270);
    HDC dc = ACanvas->Handle();
    painter->DrawBarControlBackground(this, dc);
    for (const TRect& separator : Separators)
        painter->BarDrawSeparator(this, dc, IsDockedVertically(), GetBackgroundBrush(), separator);
    for (int i = 0; i < Links()->VisibleItemCount(); ++i) {
        TovBarItemLink* link = Links()->VisibleItems(i);
        if (TovBarItemControl* control = link->Control())
            control->Paint(ACanvas, link->ItemRect, GetPaintType());
    }
    if (HasMark() && DockingStyleOf() != dsNone)
        painter->BarDrawMark(this, dc, GetBackgroundBrush(), MarkRect);
    SetPaintCanvas(nullptr);
}

TPoint TStandInToolbar::ClientOffset() const {
    TRect borders{};
    GetPainter()->BarBorderSizes(Bar(), dsNone, borders, false);
    return TPoint{borders.left, borders.top};
}

void TStandInToolbar::PaintFloatingTo(TuiCanvas* ACanvas) {
    TovBarPainter* painter = GetPainter();
    HDC dc = ACanvas->Handle();
    const TPoint offset = ClientOffset();
    TRect borders{};
    painter->BarBorderSizes(Bar(), dsNone, borders, false);
    const TRect client = GetClientRect();
    const TRect window{0, 0, uiWidthOfRect(client) + borders.left + borders.right,
                       uiHeightOfRect(client) + borders.top + borders.bottom};
    SetWindowRect(window);
    // The frame around the client: the window's own face, then the look's frame.
    FillRect(dc, &window, GetBackgroundBrush());
    painter->BarPaintFloatingFrame(this, dc, window);
    TRect caption{};
    painter->GetBarCaptionRect(Bar(), window, caption);
    painter->BarDrawFloatingBarCaption(this, dc, GetBackgroundBrush(), window, caption);
    TOriginShift shift(ACanvas, offset.x, offset.y);
    PaintTo(ACanvas);
}

TRect TStandInToolbar::DockedBorders() const {
    TRect borders{};
    GetPainter()->BarBorderSizes(Bar(), DockingStyleOf(), borders, false);
    return borders;
}

TSize TStandInToolbar::DockedWindowSize() const {
    const TRect borders = DockedBorders();
    const TRect client = GetClientRect();
    return TSize{uiWidthOfRect(client) + borders.left + borders.right,
                 uiHeightOfRect(client) + borders.top + borders.bottom};
}

void TStandInToolbar::PaintDockedTo(TuiCanvas* ACanvas) {
    const TRect borders = DockedBorders();
    const TSize size = DockedWindowSize();
    TRect window{0, 0, size.cx, size.cy};
    HDC dc = ACanvas->Handle();
    FillRect(dc, &window, GetBackgroundBrush());
    GetPainter()->BarDrawDockedBarBorder(this, dc, window);
    TOriginShift shift(ACanvas, borders.left, borders.top);
    PaintTo(ACanvas);
}

// ---- Menu

TStandInMenu::TStandInMenu(TovBarManager* AManager, TovBarItemLinks* ALinks)
    : TovBarSubMenuControl(AManager), FOwner(this) {
    if (ALinks != nullptr) {
        // A sub-item's list connects itself to the menu it asked for.
        FItemLinks = ALinks;
        return;
    }
    FOwner.Links = std::make_unique<TovBarSubMenuControlItemLinks>(AManager, &FOwner);
    SetItemLinks(FOwner.Links.get());
}

TStandInMenu::~TStandInMenu() {
    SetItemLinks(nullptr);
    FOwner.Links.reset();
}

TovBarItemLink* TStandInMenu::Add(TovBarItem* AItem, bool ABeginGroup) {
    TovBarItemLink* link = Links()->AddItem(AItem);
    link->SetBeginGroup(ABeginGroup);
    return link;
}

TuiCanvas* TStandInMenu::GetCanvas() const {
    return FPaintCanvas != nullptr ? FPaintCanvas : TovBarSubMenuControl::GetCanvas();
}

void TStandInMenu::Layout(int AMinWidth) {
    TovBarPainter* painter = GetPainter();
    TRect offsets{};
    painter->SubMenuControlGetMenuContentOffsets(this, offsets);
    const int band = ScrollButtons ? painter->SubMenuControlScrollBandHeight(this) : 0;
    const int left = offsets.left + GetBarSize();
    int y = offsets.top + band;
    int width = 0;
    struct TPlaced {
        TovBarItemLink* Link;
        int Top, Height;
    };
    std::vector<TPlaced> placed;
    for (int i = 0; i < Links()->VisibleItemCount(); ++i) {
        TovBarItemLink* link = Links()->VisibleItems(i);
        TovBarItemControl* control = link->Control();
        if (control == nullptr) continue;
        if (link->BeginGroup() && !placed.empty()) y += painter->SubMenuControlSeparatorHeight();
        const int height = control->GetRealHeight();
        width = std::max(width, control->GetRealWidth());
        placed.push_back(TPlaced{link, y, height});
        y += height;
    }
    width = std::max(width, AMinWidth);
    int markHeight = 0;
    if (ExpandMark) {
        int markWidth = 0;
        painter->SubMenuControlCalcExpandButtonSize(TovBarSubMenuControl::GetCanvas(), GetTextSize(),
                                                    markHeight, markWidth);
        SetMarkSize(markHeight);
    }
    ExpandMarkRect = TRect{left, y, left + width, y + markHeight};
    y += markHeight + band;
    // The client is the window less its frame; the stand-in paints the frame itself.
    SetClientRect(TRect{0, 0, left + width + offsets.right, y + offsets.bottom});
    Links()->BeginCalcItemRects();
    for (const TPlaced& item : placed)
        item.Link->SetItemRect(TRect{left, item.Top, left + width, item.Top + item.Height});
    Links()->EndCalcItemRects();
}

void TStandInMenu::PaintTo(TuiCanvas* ACanvas) {
    TovBarPainter* painter = GetPainter();
    SetPaintCanvas(ACanvas);
    ACanvas->Font()->Assign(GetFont());
    HDC dc = ACanvas->Handle();
    const TRect client = GetClientRect();
    const TRect window = GetWindowRectLocal();
    const TPoint offset = GetClientOffset();
    FillBackground(dc, window, clNone, GetBackgroundBrush());
    painter->SubMenuControlDrawBorder(this, dc, window);
    painter->SubMenuControlDrawInnerBorder(
        this, dc, GetFrameBrush(),
        TRect{1, 1 + GetDetachCaptionAreaHeight(), window.right - 1, window.bottom - 1});
    ACanvas->SaveClipRegion();
    {
        TOriginShift shift(ACanvas, offset.x, offset.y);
        FillBackground(dc, client, clNone, GetBackgroundBrush());
        painter->DrawOwnerEdge(this, dc);
        for (int i = 0; i < Links()->VisibleItemCount(); ++i) {
            TovBarItemLink* link = Links()->VisibleItems(i);
            TovBarItemControl* control = link->Control();
            if (control == nullptr) continue;
            if (link->BeginGroup() && i > 0) {
                TRect group{};
                painter->SubMenuControlGetBeginGroupRect(this, control, group, link->ItemRect);
                painter->SubMenuControlDrawBeginGroup(this, control, group, dc);
            }
            control->Paint(ACanvas, link->ItemRect, iptMenu);
        }
        if (ScrollButtons) {
            painter->SubMenuControlDrawScrollButton(this, ACanvas, false);
            painter->SubMenuControlDrawScrollButton(this, ACanvas, true);
        }
        if (ExpandMark) painter->SubMenuControlDrawMark(this, ACanvas, ExpandMarkRect, ExpandMarkSelected);
    }
    ACanvas->RestoreClipRegion();
    SetPaintCanvas(nullptr);
}

// ---- A drop-down joined to its owner

void JoinMenuBelow(TStandInToolbar* AToolbar, TovBarItemControl* AControl, TStandInMenu* AMenu) {
    const TRect borders = AToolbar->DockedBorders();
    AToolbar->SetScreenOrigin(TPoint{borders.left, borders.top});
    const TRect owner = AControl != nullptr ? AToolbar->GetItemControlRect(AControl)
                                            : uiShiftRect(AToolbar->MarkRect, borders.left, borders.top);
    AMenu->MoveTo(TPoint{owner.left, owner.bottom});
    const TPoint client = AMenu->GetClientOffset();
    const TPoint origin{owner.left + client.x, owner.bottom + client.y};
    AMenu->SetScreenOrigin(origin);
    AMenu->SetOwnerBar(AToolbar);
    AMenu->SetOwnerRect(owner);
    AMenu->SetOwnerItemControl(AControl);
    AMenu->SetOwnerEdgeRect(TRect{owner.left + 1 - origin.x, owner.bottom - 1 - origin.y,
                                  owner.right - 1 - origin.x, owner.bottom + 1 - origin.y});
    AToolbar->SetChildBar(AMenu);
}

} // namespace bar_standins
