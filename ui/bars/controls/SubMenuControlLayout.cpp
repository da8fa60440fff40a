// The menu's layout from its scroll position: scroll bands, items, the expand mark of personalised menus,
// the size it asks for, and scrolling.
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/SubMenuControlTimers.h"

#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/CustomBarControlViewInfo.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Geometry.h"

#include <algorithm>

namespace {

// The width of a menu that holds nothing.
constexpr int EmptyMenuWidth = 100;
bool MenusExpandedFlag = false;

} // namespace

bool TovBarSubMenuControl::MenusExpanded() {
    return MenusExpandedFlag;
}

void TovBarSubMenuControl::SetMenusExpanded(bool AValue) {
    MenusExpandedFlag = AValue;
}

int TovBarSubMenuControl::GetScrollTimerInterval() const {
    return sub_menu_timers::ScrollInterval;
}

void TovBarSubMenuControl::CalcContentSize(TSize& ASize) {
    ASize = TSize{0, 0};
    if (FItemLinks == nullptr) return;
    TovBarPainter* painter = GetPainter();
    const int count = FItemLinks->VisibleItemCount();
    // Every item counts for the width, so scrolling never changes it.
    for (int i = 0; i < count; ++i)
        if (TovBarItemControl* control = FItemLinks->VisibleItems(i)->Control())
            ASize.cx = std::max(ASize.cx, control->GetRealWidth());
    for (int i = FTopIndex; i < count; ++i) {
        TovBarItemLink* link = FItemLinks->VisibleItems(i);
        TovBarItemControl* control = link->Control();
        if (control == nullptr) continue;
        if (link->BeginGroup() && i > FTopIndex && painter != nullptr)
            ASize.cy += painter->SubMenuControlSeparatorHeight();
        ASize.cy += control->GetRealHeight();
    }
    if (FTopIndex > 0 && painter != nullptr) ASize.cy += painter->SubMenuControlScrollBandHeight(this);
}

TSize TovBarSubMenuControl::CalcMenuSize() {
    TovBarPainter* painter = GetPainter();
    TSize content{0, 0};
    const int savedTop = FTopIndex;
    FTopIndex = 0;
    CalcContentSize(content);
    FTopIndex = savedTop;
    if (content.cx == 0) content.cx = EmptyMenuWidth;
    if (content.cy <= 2) content.cy += GetTextSize();
    if (HasMark() && painter != nullptr) {
        int markHeight = 0, markWidth = 0;
        painter->SubMenuControlCalcExpandButtonSize(GetCanvas(), GetTextSize(), markHeight, markWidth);
        SetMarkSize(markHeight);
        content.cy += markHeight;
    }
    TRect offsets{0, 0, 0, 0};
    if (painter != nullptr) painter->SubMenuControlGetContentOffsets(offsets);
    TRect borders{};
    GetBorders(true, borders);
    TSize size{content.cx + offsets.left + offsets.right + GetBarSize() + borders.left + borders.right,
               content.cy + offsets.top + offsets.bottom + borders.top + borders.bottom};
    size.cx = std::max(size.cx, FMinWidth);
    return size;
}

void TovBarSubMenuControl::CalcLayout() {
    if (!FOwnWindow) {
        TCustomovBarControl::CalcLayout();
        return;
    }
    FScrollUpRect = FScrollDownRect = FMarkRect = TRect{0, 0, 0, 0};
    FPlacedCount = 0;
    if (FItemLinks == nullptr) return;
    TovBarPainter* painter = GetPainter();
    const int band = painter != nullptr ? painter->SubMenuControlScrollBandHeight(this) : 0;
    const int separator = painter != nullptr ? painter->SubMenuControlSeparatorHeight() : 0;
    TRect items = GetVisibleItemsRect();
    if (HasMark()) {
        FMarkRect = TRect{items.left, items.bottom - GetMarkSize(), items.right, items.bottom};
        items.bottom = FMarkRect.top;
    }
    const int count = FItemLinks->VisibleItemCount();
    FTopIndex = std::clamp(FTopIndex, 0, std::max(count - 1, 0));
    if (FTopIndex > 0) {
        FScrollUpRect = TRect{items.left, items.top, items.right, items.top + band};
        items.top += band;
    }
    // First try without the bottom band; when not everything fits, make room for it.
    auto place = [&](int ABottom, bool ACommit) {
        int y = items.top, placed = 0;
        for (int i = FTopIndex; i < count; ++i) {
            TovBarItemLink* link = FItemLinks->VisibleItems(i);
            TovBarItemControl* control = link->Control();
            const int height = control != nullptr ? control->GetRealHeight() : 0;
            const int gap = link->BeginGroup() && i > FTopIndex ? separator : 0;
            if (y + gap + height > ABottom && placed > 0) break;
            y += gap;
            if (ACommit) link->SetItemRect(TRect{items.left, y, items.right, y + height});
            y += height;
            ++placed;
        }
        return placed;
    };
    FItemLinks->BeginCalcItemRects();
    for (int i = 0; i < FItemLinks->Count(); ++i)
        FItemLinks->Items(i)->SetItemRect(TRect{0, 0, 0, 0});
    int placed = place(items.bottom, false);
    if (FTopIndex + placed < count) {
        FScrollDownRect = TRect{items.left, items.bottom - band, items.right, items.bottom};
        placed = place(FScrollDownRect.top, true);
    } else {
        place(items.bottom, true);
    }
    FItemLinks->EndCalcItemRects();
    FPlacedCount = placed;
    RecalcViewInfo();
}

bool TovBarSubMenuControl::CanScrollDown() const {
    return FItemLinks != nullptr && FTopIndex + FPlacedCount < FItemLinks->VisibleItemCount();
}

TovBarItemControl* TovBarSubMenuControl::ItemControlAt(const TPoint& AClientPoint) const {
    if (FViewInfo == nullptr) return nullptr;
    for (int i = 0; i < FViewInfo->ItemControlCount(); ++i) {
        TovBarItemControl* control = FViewInfo->ItemControlAt(i);
        if (uiIsPointInRect(control->GetBoundsRect(), AClientPoint)) return control;
    }
    return nullptr;
}

void TovBarSubMenuControl::SetTopIndex(int AValue) {
    const int count = FItemLinks != nullptr ? FItemLinks->VisibleItemCount() : 0;
    // An empty menu has no item to start from: 0, never the -1 an empty range would give.
    AValue = std::clamp(AValue, 0, std::max(count - 1, 0));
    if (AValue == FTopIndex) return;
    FTopIndex = AValue;
    CalcLayout();
    Repaint();
}

void TovBarSubMenuControl::MakeItemVisible(TovBarItemControl* AControl) {
    if (AControl == nullptr || FItemLinks == nullptr || AControl->ItemLink() == nullptr) return;
    const int index = AControl->ItemLink()->VisibleIndexOf();
    if (index < 0) return;
    const int before = FTopIndex;
    CalcLayout();
    while (FTopIndex > index)
        SetTopIndex(FTopIndex - 1);
    bool scrolledDown = false;
    while (index >= FTopIndex + FPlacedCount && CanScrollDown()) {
        const int top = FTopIndex;
        SetTopIndex(FTopIndex + 1);
        if (FTopIndex == top) break;
        scrolledDown = true;
    }
    // At the end of the list the items before take up the room the last step left empty.
    while (scrolledDown && FTopIndex > 0 && !CanScrollDown()) {
        SetTopIndex(FTopIndex - 1);
        if (CanScrollDown() || index >= FTopIndex + FPlacedCount) {
            SetTopIndex(FTopIndex + 1);
            break;
        }
    }
    if (FTopIndex != before) Repaint();
}

void TovBarSubMenuControl::ScrollTimerStep() {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    if (FHandle != nullptr) ::ScreenToClient(FHandle, &cursor);
    auto inside = [&](const TRect& R) {
        return R.bottom > R.top && cursor.x >= R.left && cursor.x < R.right && cursor.y >= R.top &&
               cursor.y < R.bottom;
    };
    if (CanScrollUp() && inside(FScrollUpRect)) {
        SetTopIndex(FTopIndex - 1);
    } else if (CanScrollDown() && inside(FScrollDownRect)) {
        SetTopIndex(FTopIndex + 1);
    } else {
        StopScrollTimer();
        // Hot tracking resumes at once for the item now under the mouse.
        MenuMouseMove(cursor);
    }
}

void TovBarSubMenuControl::StopScrollTimer() {
    if (!FScrollTimer) return;
    FScrollTimer = false;
    if (FHandle != nullptr) ::KillTimer(FHandle, sub_menu_timers::Scroll);
    FLastMousePos = TPoint{-1, -1};
}

// ---- Personalised menus

bool TovBarSubMenuControl::HasMark() const {
    return FManager != nullptr && FManager->IsShowRecentItemsFirst() && FItemLinks != nullptr &&
           FItemLinks->VisibleItemCount() < FItemLinks->CanVisibleItemCount();
}

void TovBarSubMenuControl::ApplyRecentItemCount() {
    if (FItemLinks == nullptr) return;
    const bool allItems = FManager == nullptr || !FManager->IsShowRecentItemsFirst() || MenusExpandedFlag;
    FItemLinks->SetRecentItemCount(allItems ? -1 : FItemLinks->CalcRecentItemCount());
    for (int i = 0; i < FItemLinks->VisibleItemCount(); ++i)
        FItemLinks->VisibleItems(i)->CreateControl();
}
