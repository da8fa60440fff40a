#include "ui/bars/controls/ToolbarControl.h"

#include "platform/vcl/Bitmap.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/customize/BarDesignController.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Geometry.h"

#include <memory>

TovBarControl::TovBarControl(TovBarManager* AManager, TovBar* ABar)
    : TovBarDockedControl(AManager, bckToolbar),
      FMarkFadingHelper(std::make_unique<TovBarControlMarkFadingHelper>(this)) {
    AttachBar(ABar);
}

TovBarControl::~TovBarControl() {
    FreeQuickPopup();
    if (FDockControl != nullptr)
        FDockControl->UndockBarControl(this, FManager != nullptr && !FManager->BeingDestroyed());
    for (HWND spare : {FDockedHandle, FFloatingHandle})
        if (spare != nullptr && spare != FHandle) {
            ::SetWindowLongPtr(spare, GWLP_USERDATA, 0);
            ::DestroyWindow(spare);
        }
}

bool TovBarControl::IsFadingAvailable() const {
    TovBarPainter* painter = GetPainter();
    return painter != nullptr && painter->IsFadingAvailable() && GetFader() != nullptr;
}

TFont* TovBarControl::GetFont() const {
    return FBar != nullptr ? FBar->Font() : TCustomovBarControl::GetFont();
}

bool TovBarControl::IsTextRotated() const {
    return IsDockedVertically() && FBar != nullptr && FBar->RotateWhenVertical();
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
    if (FHasStyle) return FStyle;
    return FBar != nullptr ? FBar->DockingStyle() : dsNone;
}

bool TovBarControl::HasOwnBackground() const {
    if (GetBackgroundBitmap() != nullptr || (FBar != nullptr && FBar->Color() != clDefault)) return true;
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
    return DockingStyleOf() == dsNone && FBar != nullptr && FBar->AllowClose();
}

bool TovBarControl::HasSizeGrip() const {
    return FBar != nullptr && FBar->SizeGrip() && FBar->IsStatusBarLike();
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
    if (FBar == nullptr || !FBar->ShowMark() || FBar->IsStatusBarLike()) return false;
    // Without quick customization only links that found no room bring the mark.
    TovBarPainter* painter = GetPainter();
    return FTruncated || (painter != nullptr && painter->BarCanQuickCustomize() && AllowQuickCustomizing());
}

int TovBarControl::GetMarkSize() const {
    TovBarPainter* painter = GetPainter();
    return HasMark() && painter != nullptr ? painter->BarMarkSize() : 0;
}

bool TovBarControl::AllowQuickCustomizing() const {
    return FBar != nullptr && FBar->AllowQuickCustomizing();
}

TRect TovBarControl::GetMarkRectInWindow() const {
    TRect r{};
    if (TovBarPainter* painter = GetPainter()) painter->BarGetMarkRect(const_cast<TovBarControl*>(this), r);
    return r;
}

void TovBarControl::SavePosition() {
    if (FBar == nullptr || FManager == nullptr || FManager->IsLoading()) return;
    if (DockingStyleOf() != dsNone) {
        FBar->SetDockedDockingStyle(DockingStyleOf());
        if (FDockControl != nullptr) {
            FBar->SetDockedDockControl(FDockControl->IsBuiltIn() ? nullptr : FDockControl);
            const int row = FDockControl->RowIndexOfControl(this);
            if (row >= 0) {
                FBar->SetOneOnRow(FDockControl->RowAt(row)->GetColCount() == 1);
                FBar->SetDockedLeft(FBoundsInDock.left);
                FBar->SetDockedTop(FBoundsInDock.top);
            }
        }
        return;
    }
    FBar->SetFloatLeft(BoundsRect().left);
    FBar->SetFloatTop(BoundsRect().top);
    FBar->SetFloatClientWidth(uiWidthOfRect(FClientRect));
    FBar->SetFloatClientHeight(uiHeightOfRect(FClientRect));
}

void TovBarControl::CustomizingClick(TovBarItemControl* AControl) {
    if (IsCustomizing()) {
        TovBarDockedControl::CustomizingClick(AControl);
        return;
    }
    if (GetBarManager() != nullptr) BarDesignController()->ShowToolbarsPopup(GetBarManager(), GetPainter());
}
