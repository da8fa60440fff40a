#include "ui/bars/controls/CustomBarControl.h"

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
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/itemcontrols/ItemControlViewInfo.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/FadingObject.h"
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

TCustomovBarControl::TCustomovBarControl(TovBarManager* AManager, TovBarControlKind AKind)
    : FManager(AManager), FKind(AKind) {}

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
    if (FItemLinks != nullptr && FItemLinks->BarControl() == this) FItemLinks->SetBarControl(nullptr);
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

void TCustomovBarControl::RecreateControls() {
    ForEachLinkControl([](TovBarItemLink* ALink) { ALink->RecreateControl(); });
}

void TCustomovBarControl::CreateControls() {
    ForEachLinkControl([](TovBarItemLink* ALink) { ALink->CreateControl(); });
}

void TCustomovBarControl::DestroyControls() {
    FSelectedControl = nullptr;
    FHintControl = nullptr;
    ForEachLinkControl([](TovBarItemLink* ALink) { ALink->FreeControl(); });
}

void TCustomovBarControl::Rebuild() {
    Repaint();
}

void TCustomovBarControl::Repaint() {
    if (FHandle != nullptr) ::InvalidateRect(FHandle, nullptr, FALSE);
}

void TCustomovBarControl::CloseUp(TovBarCloseUpReason AReason) {
    if (FClosingUp) return;
    FClosingUp = true;
    FCloseUpReason = AReason;
    try {
        DoCloseUp();
    } catch (...) {
        FClosingUp = false;
        throw;
    }
    FClosingUp = false;
}

void TCustomovBarControl::DoCloseUp() {
    TWeakLink<TCustomovBarControl> self(this);
    if (FChildBar) FChildBar->CloseUp(FCloseUpReason);
    if (self && FParentBar) FParentBar->CloseUp(FCloseUpReason);
}

void TCustomovBarControl::Show() {
    FVisible = true;
}

TovBarPainter* TCustomovBarControl::GetPainter() const {
    if (FPainter != nullptr) return FPainter;
    if (FParentBar) return FParentBar->GetPainter();
    if (TovDockControl* dock = GetDockControl()) return dock->GetPainter();
    return FManager != nullptr ? FManager->DefaultPainter() : nullptr;
}

TuiCanvas* TCustomovBarControl::GetCanvas() const {
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

void TCustomovBarControl::SetSelectedControl(TovBarItemControl* AControl) {
    if (FSelectedControl == AControl) return;
    TovBarItemControl* previous = FSelectedControl;
    FSelectedControl = AControl;
    if (previous != nullptr && ContainsControl(previous)) previous->Repaint();
    if (AControl != nullptr) AControl->Repaint();
}

void TCustomovBarControl::HotTrackItemControl(TovBarItemControl* AControl) {
    SetSelectedControl(AControl);
}

void TCustomovBarControl::BarGetFocus(TovBarItemControl* ASelected) {
    FActive = true;
    SetSelectedControl(ASelected);
}

void TCustomovBarControl::BarLostFocus() {
    FActive = false;
    FMouseDown = false;
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
    if (FHandle == nullptr || AControl == nullptr) return;
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
