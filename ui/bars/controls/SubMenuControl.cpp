#include "ui/bars/controls/SubMenuControl.h"

#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarWindowFactory.h"
#include "ui/bars/controls/SubMenuControlAnimation.h"
#include "ui/bars/controls/SubMenuControlViewInfo.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Geometry.h"

namespace {

// The detach caption's own height: a band a hand can grab, not a title.
constexpr int DetachCaptionHeight = 9;

} // namespace

TovBarSubMenuControl::TovBarSubMenuControl(TovBarManager* AManager)
    : TCustomovBarControl(AManager, bckSubMenu) {
    // A menu keeps the selection of an edit being typed in (the painters draw the focused field as
    // selected), and Escape in the edit gives the selection back rather than closing the menu.
    TovBarBehaviorOptions options;
    options.Include(bboKeepSelection);
    SetBehaviorOptions(options);
}

std::unique_ptr<TCustomovBarControlViewInfo> TovBarSubMenuControl::CreateViewInfo() {
    return std::make_unique<TovBarSubMenuControlViewInfo>(this);
}

TovBarBehaviorOptions TovBarSubMenuControl::GetBehaviorOptions() const {
    // A menu never stretches its entries to the side: they all take the menu's width.
    return FBehaviorOptions - bboStretchClientItems;
}

int TovBarSubMenuControl::GetItemHeight(TovBarItemControl* AControl) const {
    return GetIconAreaSize();
}

void TovBarSubMenuControl::FillBackground(HDC ADC, const TRect& R, TColor AColor, HBRUSH ABrush) {
    if (TovBarPainter* painter = GetPainter())
        painter->SubMenuControlDrawBackground(this, ADC, AColor,
                                              ABrush != nullptr ? ABrush : GetBackgroundBrush(), R);
}

HBRUSH TovBarSubMenuControl::GetBackgroundBrush() const {
    HBRUSH brush = TCustomovBarControl::GetBackgroundBrush();
    if (TovBarPainter* painter = GetPainter())
        painter->SubMenuControlGetItemBrush(const_cast<TovBarSubMenuControl*>(this), brush);
    return brush;
}

int TovBarSubMenuControl::GetContentIndent() const {
    TovBarPainter* painter = GetPainter();
    return painter != nullptr
               ? painter->SubMenuControlGetContentIndent(const_cast<TovBarSubMenuControl*>(this))
               : FBarSize + GetIconAreaSize();
}

TRect TovBarSubMenuControl::GetVisibleItemsRect() const {
    TRect offsets{0, 0, 0, 0};
    if (TovBarPainter* painter = GetPainter())
        painter->SubMenuControlGetMenuContentOffsets(const_cast<TovBarSubMenuControl*>(this), offsets);
    TRect r = uiShrinkRectByMargins(FClientRect, offsets);
    r.left += FBarSize;
    return r;
}

TRect TovBarSubMenuControl::GetBandRect() const {
    const TRect items = GetVisibleItemsRect();
    return TRect{items.left - FBarSize, items.top, items.left, items.bottom};
}

TovBarItemControl* TovBarSubMenuControl::GetFirstVisibleControl() const {
    if (FItemLinks == nullptr || FItemLinks->VisibleItemCount() == 0) return nullptr;
    return FItemLinks->VisibleItems(0)->Control();
}

TovBarItemControl* TovBarSubMenuControl::GetLastVisibleControl() const {
    if (FItemLinks == nullptr || FItemLinks->VisibleItemCount() == 0) return nullptr;
    return FItemLinks->VisibleItems(FItemLinks->VisibleItemCount() - 1)->Control();
}

int TovBarSubMenuControl::GetDetachCaptionHeight() const {
    return HasDetachCaption() ? DetachCaptionHeight : 0;
}

int TovBarSubMenuControl::GetDetachCaptionAreaHeight() const {
    TovBarPainter* painter = GetPainter();
    if (!HasDetachCaption() || painter == nullptr) return 0;
    return painter->SubMenuControlDetachCaptionHeight(GetDetachCaptionHeight());
}

void TovBarSubMenuControl::GetBorders(bool AWithDetachCaption, TRect& R) const {
    TovBarPainter* painter = GetPainter();
    const int border = painter != nullptr ? painter->SubMenuControlBorderSize() : 0;
    R = TRect{border, border, border, border};
    if (AWithDetachCaption) R.top += GetDetachCaptionAreaHeight();
}

TPoint TovBarSubMenuControl::GetClientOffset() const {
    TRect borders{};
    GetBorders(true, borders);
    return TPoint{borders.left, borders.top};
}

TRect TovBarSubMenuControl::GetWindowRectLocal() const {
    TRect borders{};
    GetBorders(true, borders);
    return TRect{0, 0, uiWidthOfRect(FClientRect) + borders.left + borders.right,
                 uiHeightOfRect(FClientRect) + borders.top + borders.bottom};
}

TRect TovBarSubMenuControl::GetDetachCaptionRect() const {
    // The band inside the menu's two-pixel frame, at its top.
    TRect r = uiGrowRect(GetWindowRectLocal(), -2, -2);
    r.bottom = r.top + GetDetachCaptionAreaHeight() - 1;
    if (TovBarPainter* painter = GetPainter()) painter->SubMenuControlAdjustDetachCaptionRect(r);
    return r;
}

HBRUSH TovBarSubMenuControl::GetFrameBrush() const {
    TovBarPainter* painter = GetPainter();
    return painter != nullptr ? painter->SubMenuControlGetFrameBrush(const_cast<TovBarSubMenuControl*>(this))
                              : nullptr;
}

int TovBarSubMenuControl::GetTopOffset() const {
    return GetClientOffset().y;
}

void TovBarSubMenuControl::MoveTo(const TPoint& AScreenPoint) {
    FPosition = AScreenPoint;
    FScreenOrigin = AScreenPoint;
}

TovBarItemControl* TovBarSubMenuControl::GetOwnerItemControl() const {
    return FOwnerItemControl.Get();
}

void TovBarSubMenuControl::SetOwnerItemControl(TovBarItemControl* AControl) {
    FOwnerItemControl = AControl;
}

void TovBarSubMenuControl::SelectFirstSelectableLink() {
    if (FItemLinks == nullptr) return;
    if (TovBarItemLink* link = FItemLinks->GetFirstSelectableLink()) SetSelectedControl(link->Control());
}

void ovBarRegisterSubMenuWindows() {
    if (TovBarWindowFactory* windows = ovBarWindows())
        windows->SetSubMenuMaker([](TovBarItemLinks* ALinks) -> IovBarControl* {
            if (ALinks == nullptr) return nullptr;
            auto* menu = new TovBarSubMenuControl(ALinks->BarManager());
            menu->SetItemLinks(ALinks);
            return menu;
        });
}
