#include "ui/bars/controls/ToolbarControl.h"

#include "ui/bars/Bar.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarManager.h"
#include "platform/vcl/Bitmap.h"
#include "ui/bars/painting/BarPainter.h"

TovBarControl::TovBarControl(TovBarManager* AManager, TovBar* ABar)
    : TCustomovBarControl(AManager, bckToolbar), FBar(ABar) {}

TFont* TovBarControl::GetFont() const {
    return FBar != nullptr ? FBar->Font() : TCustomovBarControl::GetFont();
}

bool TovBarControl::IsTextRotated() const {
    return IsDockedVertically() && FBar != nullptr && FBar->RotateWhenVertical;
}

bool TovBarControl::IsDockedVertically() const {
    const TovBarDockingStyle style = DockingStyleOf();
    return style == dsLeft || style == dsRight;
}

bool TovBarControl::IsMainMenu() const {
    return FBar != nullptr && FBar->IsMainMenu();
}

bool TovBarControl::IsSubMenuJoined() const {
    TovBarPainter* painter = GetPainter();
    return painter != nullptr && painter->SubMenuControlHasOwnerLink(const_cast<TovBarControl*>(this));
}

bool TovBarControl::IsItemStretched(TovBarItemControl* AControl) const {
    if (AControl == nullptr || !GetBehaviorOptions().Contains(bboStretchClientItems)) return false;
    TovBarItem* item = AControl->Item();
    return item != nullptr && item->Align() == iaClient;
}

TovBarDockingStyle TovBarControl::DockingStyleOf() const {
    return FBar != nullptr ? FBar->DockingStyle() : dsNone;
}

bool TovBarControl::HasOwnBackground() const {
    if (GetBackgroundBitmap() != nullptr || (FBar != nullptr && FBar->Color != clDefault)) return true;
    TovBarPainter* painter = GetPainter();
    if (painter != nullptr && painter->HasCustomBackground()) return true;
    TBitmap* managerBitmap = FManager != nullptr ? FManager->Backgrounds()->Bar() : nullptr;
    return managerBitmap != nullptr && !managerBitmap->Empty();
}

bool TovBarControl::IsHorizontalDocked() const {
    const TovBarDockingStyle style = DockingStyleOf();
    return style == dsTop || style == dsBottom;
}

bool TovBarControl::IsVerticalDocked() const {
    return IsDockedVertically();
}

bool TovBarControl::CanMove() const {
    return DockingStyleOf() != dsNone && FBar != nullptr && !FBar->IsStatusBarLike();
}

bool TovBarControl::HasCloseButton() const {
    return DockingStyleOf() == dsNone && FBar != nullptr && FBar->AllowClose;
}

bool TovBarControl::HasSizeGrip() const {
    return FBar != nullptr && FBar->SizeGrip && FBar->IsStatusBarLike();
}

std::string TovBarControl::GetCaption() const {
    return FBar != nullptr ? FBar->Caption() : std::string();
}

TColor TovBarControl::GetCaptionColor() const {
    TovBarPainter* painter = GetPainter();
    return painter != nullptr ? painter->BarCaptionColor(const_cast<TovBarControl*>(this), IsCaptionActive())
                              : clActiveCaption;
}

TRect TovBarControl::GetCaptionClientRect() const {
    TRect r{};
    if (TovBarPainter* painter = GetPainter()) painter->GetBarCaptionRect(FBar, FWindowRect, r);
    return r;
}

bool TovBarControl::HasMark() const {
    return FBar != nullptr && FBar->ShowMark && !FBar->IsStatusBarLike();
}

int TovBarControl::GetMarkSize() const {
    TovBarPainter* painter = GetPainter();
    return HasMark() && painter != nullptr ? painter->BarMarkSize() : 0;
}

bool TovBarControl::AllowQuickCustomizing() const {
    return FBar != nullptr && FBar->AllowQuickCustomizing;
}

TRect TovBarControl::GetMarkRectInWindow() const {
    TRect r{};
    if (TovBarPainter* painter = GetPainter()) painter->BarGetMarkRect(const_cast<TovBarControl*>(this), r);
    return r;
}
