#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/controls/SubMenuControl.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarRoutines.h"
#include "ui/bars/BarSubItems.h"
#include "ui/bars/controls/CustomBarControlViewInfo.h"
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/itemcontrols/ItemControlViewInfo.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/FadingObject.h"
#include "ui/core/controls/MouseTracking.h"
#include "ui/core/controls/WindowUtils.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/ScreenMetrics.h"

namespace {
bool ClosingMenusAfterOutsidePress = false;
}

bool ovBarClosingMenusAfterOutsidePress() {
    return ClosingMenusAfterOutsidePress;
}

void ovBarSetClosingMenusAfterOutsidePress(bool AValue) {
    ClosingMenusAfterOutsidePress = AValue;
}

namespace custom_bar_control_detail {

class TBarMouseTracker : public IuiMouseTrackingCaller {
public:
    explicit TBarMouseTracker(TCustomovBarControl* ABar) : FBar(ABar) {}
    void MouseLeave() override { FBar->TrackingMouseLeave(); }

private:
    TCustomovBarControl* FBar;
};

} // namespace custom_bar_control_detail

using custom_bar_control_detail::TBarMouseTracker;

TCustomovBarControl::TCustomovBarControl(TovBarManager* AManager, TovBarControlKind AKind)
    : FManager(AManager), FKind(AKind), FMouseTracker(std::make_unique<TBarMouseTracker>(this)) {
    FViewInfo = std::make_unique<TCustomovBarControlViewInfo>(this);
    AddBarControl(this);
}

void TCustomovBarControl::SetClientRect(const TRect& R) {
    const bool resized = R.right - R.left != FClientRect.right - FClientRect.left ||
                         R.bottom - R.top != FClientRect.bottom - FClientRect.top;
    FClientRect = R;
    if (resized && FStatusBackgroundCache) FStatusBackgroundCache->SetSize(0, 0);
}

TBitmap* TCustomovBarControl::StatusBackgroundCache() const {
    if (!FStatusBackgroundCache) FStatusBackgroundCache = std::make_unique<TBitmap>();
    return FStatusBackgroundCache.get();
}

TCustomovBarControl::~TCustomovBarControl() {
    FDestroying = true;
    FState |= bcsBeingDestroyed;
    if (DestroyNotify != nullptr) DestroyNotify(this);
    // The menus opened from this bar close (this bar takes no part: it is going); the bar it was opened
    // from forgets it.
    FClosingUp = true;
    // A menu opened from one of this bar's items closes without it: the item controls are gone.
    if (auto* menu = dynamic_cast<TovBarSubMenuControl*>(FChildBar.Get())) menu->SetOwnerItemControl(nullptr);
    if (FChildBar) FChildBar->CloseUp(bcrOther);
    if (FChildBar && FChildBar->FParentBar.Get() == this) FChildBar->FParentBar.Reset();
    if (FParentBar && FParentBar->FChildBar.Get() == this) FParentBar->FChildBar.Reset();
    if (CurrentBarControl() == this) ReleaseCurrentBarControl(this);
    if (IsMouseTracking(FMouseTracker.get())) uiEndMouseTracking(FMouseTracker.get());
    if (FManager != nullptr && FManager->SelectedItem() != nullptr &&
        ContainsControl(FManager->SelectedItem()))
        FManager->SetSelectedItem(nullptr);
    if (FManager != nullptr) FManager->BarControlDestroyed(this);
    DestroyHandle();
    // Generated links never outlive the window that showed them.
    if (!FExpandedContainers.empty()) CollapseContainerLinks();
    if (FItemLinks != nullptr && FItemLinks->BarControl() == this) FItemLinks->SetBarControl(nullptr);
    RemoveBarControl(this);
    FState |= bcsDestroyed;
}

std::unique_ptr<TCustomovBarControlViewInfo> TCustomovBarControl::CreateViewInfo() {
    return std::make_unique<TCustomovBarControlViewInfo>(this);
}

void TCustomovBarControl::SetItemLinks(TovBarItemLinks* ALinks) {
    if (FItemLinks == ALinks) return;
    if (FItemLinks != nullptr && FItemLinks->BarControl() == this) FItemLinks->SetBarControl(nullptr);
    FItemLinks = ALinks;
    if (FItemLinks != nullptr) FItemLinks->SetBarControl(this);
}

void TCustomovBarControl::ForEachLinkControl(void (*AAction)(TovBarItemLink*)) {
    if (FItemLinks == nullptr) return;
    for (int i = 0; i < FItemLinks->Count(); ++i)
        AAction(FItemLinks->Items(i));
}

void TCustomovBarControl::ForgetItemControls() {
    FSelectedControl = nullptr;
    FHintControl = nullptr;
    FClickedControl = nullptr;
    FPreviousTrackedLink = nullptr;
    // The view info lists controls it does not own.
    if (FViewInfo) FViewInfo->Clear();
}

void TCustomovBarControl::RecreateControls() {
    ForgetItemControls();
    ForEachLinkControl([](TovBarItemLink* ALink) { ALink->RecreateControl(); });
}

void TCustomovBarControl::CreateControls() {
    if ((FState & (bcsCreatingControls | bcsDestroyingControls)) != 0) return;
    FState |= bcsCreatingControls;
    ForEachLinkControl([](TovBarItemLink* ALink) { ALink->CreateControl(); });
    FState &= ~bcsCreatingControls;
}

void TCustomovBarControl::DestroyControls() {
    if ((FState & (bcsCreatingControls | bcsDestroyingControls)) != 0) return;
    FState |= bcsDestroyingControls;
    ForgetItemControls();
    ForEachLinkControl([](TovBarItemLink* ALink) { ALink->FreeControl(); });
    FState &= ~bcsDestroyingControls;
}

void TCustomovBarControl::RebuildBar(bool ARecreateControls) {
    if (BeingDestroyed() || FHandle == nullptr || IsLocked() ||
        (FState & (bcsCreatingControls | bcsDestroyingControls | bcsRebuilding)) != 0)
        return;
    FState |= bcsRebuilding;
    TWeakLink<TCustomovBarControl> self(this);
    try {
        DoRebuild(ARecreateControls);
    } catch (...) {
        if (self) FState &= ~bcsRebuilding;
        throw;
    }
    if (self) FState &= ~bcsRebuilding;
}

void TCustomovBarControl::Rebuild() {
    RebuildBar(true);
}

void TCustomovBarControl::DoRebuild(bool ARecreateControls) {
    if (ARecreateControls) {
        DestroyControls();
        CreateControls();
    }
    CalcLayout();
    RecalcViewInfo();
    Repaint();
}

void TCustomovBarControl::Repaint() {
    if (FHandle != nullptr) ::InvalidateRect(FHandle, nullptr, FALSE);
}

TovBarPainter* TCustomovBarControl::GetPainter() const {
    if (FPainter != nullptr) return FPainter;
    if (FParentBar) return FParentBar->GetPainter();
    if (TovDockControl* dock = GetDockControl()) return dock->GetPainter();
    return FManager != nullptr ? FManager->DefaultPainter() : nullptr;
}

TuiCanvas* TCustomovBarControl::GetCanvas() const {
    // While the window paints, measuring and drawing go to the paint canvas.
    if (FPaintCanvas != nullptr) return FPaintCanvas;
    if (!FCanvas) {
        FMeasureBitmap = std::make_unique<TBitmap>();
        FMeasureBitmap->SetSize(1, 1);
        FCanvas = std::make_unique<TuiCanvas>(FMeasureBitmap->Canvas());
    }
    if (TFont* font = GetFont()) {
        std::pair<LOGFONT, TColor> source{font->LogFont(), font->Color()};
        if (FCanvasFontSource != source) {
            FCanvas->Font()->Assign(font);
            FCanvasFontSource = source;
        }
    }
    return FCanvas.get();
}

TFont* TCustomovBarControl::GetFont() const {
    return FManager != nullptr ? FManager->Font() : nullptr;
}

TFont* TCustomovBarControl::GetEditFont() const {
    return FManager != nullptr ? FManager->EditFont() : GetFont();
}

int TCustomovBarControl::GetTextSize() const {
    TovBarPainter* painter = GetPainter();
    return painter != nullptr ? painter->DefaultTextExtent(GetCanvas()) : 0;
}

int TCustomovBarControl::GetIconAreaSize() const {
    TovBarPainter* painter = GetPainter();
    return painter != nullptr ? painter->GetIconAreaSize(const_cast<TCustomovBarControl*>(this))
                              : GetTextSize();
}

int TCustomovBarControl::GetMenuArrowWidth() const {
    TovBarPainter* painter = GetPainter();
    return painter != nullptr ? painter->SubMenuControlSubArrowWidth(GetTextSize()) : 0;
}

int TCustomovBarControl::GetMenuArrowHeight() const {
    // A window computes it with its metrics; a bar without one follows its text size.
    if (FMetricsCalculated) return FMenuArrowHeight;
    return GetTextSize() / 4;
}

TCustomImageList* TCustomovBarControl::GetImages() const {
    if (FItemLinks == nullptr || FItemLinks->LinksOwner() == nullptr) return nullptr;
    return FItemLinks->LinksOwner()->ImageListOf();
}

bool TCustomovBarControl::HasOwnBackground() const {
    return GetBackgroundBitmap() != nullptr;
}

bool TCustomovBarControl::IsCustomizing() const {
    return FManager != nullptr && FManager->IsCustomizingOrDesigning();
}

bool TCustomovBarControl::IsDesigning() const {
    return FManager != nullptr && FManager->IsDesigning();
}

HBRUSH TCustomovBarControl::GetBackgroundBrush() const {
    TovBarPainter* painter = GetPainter();
    return painter != nullptr ? painter->BarToolbarBrushEx(const_cast<TCustomovBarControl*>(this)) : nullptr;
}

HBRUSH TCustomovBarControl::GetDownedBrush() const {
    TovBarPainter* painter = GetPainter();
    return painter != nullptr ? painter->BarDownedBrush(const_cast<TCustomovBarControl*>(this)) : nullptr;
}

HBRUSH TCustomovBarControl::GetDownedSelBrush() const {
    TovBarPainter* painter = GetPainter();
    return painter != nullptr ? painter->BarDownedSelBrush(const_cast<TCustomovBarControl*>(this)) : nullptr;
}

HBRUSH TCustomovBarControl::GetSelBrush() const {
    TovBarPainter* painter = GetPainter();
    return painter != nullptr ? painter->BarSelBrush(const_cast<TCustomovBarControl*>(this)) : nullptr;
}

void TCustomovBarControl::FillBackground(HDC ADC, const TRect& R, TColor AColor, HBRUSH ABrush) {
    if (AColor != clNone) {
        HBRUSH brush = CreateSolidBrush(ColorToRGB(AColor));
        ::FillRect(ADC, &R, brush);
        DeleteObject(brush);
        return;
    }
    if (TovBarPainter* painter = GetPainter())
        painter->BarFillBackground(this, ADC, ABrush != nullptr ? ABrush : GetBackgroundBrush(), R,
                                   FClientRect);
}

void TCustomovBarControl::SetParentBarControl(TCustomovBarControl* ABar) {
    FParentBar = ABar;
    if (ABar != nullptr) ABar->FChildBar = this;
}

void TCustomovBarControl::SetChildBar(TCustomovBarControl* ABar) {
    FChildBar = ABar;
    if (ABar != nullptr) ABar->FParentBar = this;
}

bool TCustomovBarControl::ContainsControl(const TovBarItemControl* AControl) const {
    if (AControl == nullptr || FItemLinks == nullptr) return false;
    for (int i = 0; i < FItemLinks->Count(); ++i)
        if (FItemLinks->Items(i)->Control() == AControl) return true;
    return false;
}

void TCustomovBarControl::RepaintItemControl(TovBarItemControl* AControl) {
    if (AControl == nullptr || BeingDestroyed()) return;
    // The painter draws from the control's draw params: they follow its new state before it is drawn.
    AControl->CalcDrawParams();
    if (FHandle == nullptr) return;
    const TRect bounds = AControl->GetBoundsRect();
    ::InvalidateRect(FHandle, &bounds, FALSE);
}

TRect TCustomovBarControl::GetItemControlRect(TovBarItemControl* AControl) const {
    const TRect bounds = AControl != nullptr ? AControl->GetBoundsRect() : TRect{};
    const TPoint origin = ClientToScreenPoint(TPoint{0, 0});
    return uiShiftRect(bounds, origin.x, origin.y);
}

TPoint TCustomovBarControl::ClientToScreenPoint(const TPoint& P) const {
    if (FHandle != nullptr) {
        POINT p = P;
        ::ClientToScreen(FHandle, &p);
        return p;
    }
    return TPoint{P.x + FScreenOrigin.x, P.y + FScreenOrigin.y};
}

IovFader* TCustomovBarControl::GetFader() const {
    return ovFaderSlot();
}

void TCustomovBarControl::GetHintPosition(TPoint& P, const TPoint& ACursorPos, int AHintHeight) const {
    const TRect workArea = uiGetWorkAreaAtPoint(P);
    TPoint below{P.x, P.y + uiScaleToCurrentDPI(20)};
    if (below.y + AHintHeight > workArea.bottom) {
        const TPoint top = ClientToScreenPoint(TPoint{0, FClientRect.top});
        below.y = top.y - AHintHeight;
    }
    P = below;
}
