// Metrics, layout, hit testing, the drop position and the painting pipeline of a bar control: every size
// and every drawing step comes from the bar painter.
#include "ui/bars/controls/CustomBarControl.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/CustomBarControlViewInfo.h"
#include "ui/bars/painting/BarBackgrounds.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"

#include <algorithm>

// ---- Metrics

void TCustomovBarControl::CalcMetrics() {
    TovBarPainter* painter = GetPainter();
    if (painter == nullptr) return;
    TuiCanvas* canvas = GetCanvas();
    FTextSize = painter->DefaultTextExtent(canvas);
    const int baseTextSize = painter->GetBaseTextSize();
    FRatio = baseTextSize > 0 ? std::max(static_cast<double>(FTextSize) / baseTextSize, 1.0) : 1.0;
    FMenuArrowHeight = std::max(4, FTextSize / 5);
    FIconAreaSize = painter->GetIconAreaSize(this);
    TSize zero{0, 0};
    if (TFont* editFont = GetEditFont()) {
        TFont previous;
        previous.Assign(canvas->Font());
        canvas->Font()->Assign(editFont);
        zero = canvas->TextExtent("0");
        canvas->Font()->Assign(&previous);
    }
    FEditTextSize = painter->GetEditTextSize(this, zero.cy);
    FComboArrowWidth = painter->GetComboBoxArrowWidth(this, zero.cx);
    FMetricsCalculated = true;
}

// ---- Layout

void TCustomovBarControl::CalcLayout() {
    CalcItemsRect();
}

void TCustomovBarControl::CalcItemsRect() {
    TRect margins{};
    GetMargins(margins);
    FItemsRect = TRect{FClientRect.left + margins.left, FClientRect.top + margins.top,
                       FClientRect.right - margins.right, FClientRect.bottom - margins.bottom};
}

void TCustomovBarControl::CalcItemControlsPositions(TovBarItemPaintType APaintType, int ATopIndex) {
    FVisibleItemsRect = FItemsRect;
    AdjustVisibleItemsTop();
    if (FItemLinks == nullptr) return;
    FItemLinks->BeginCalcItemRects();
    try {
        FItemLinks->EmptyItemRects();
        if (APaintType == iptMenu) {
            int top = 0;
            CalcMenuLayout(ATopIndex, top);
        } else if (APaintType == iptHorizontal || APaintType == iptVertical) {
            CalcBarLayout();
        }
    } catch (...) {
        FItemLinks->EndCalcItemRects();
        throw;
    }
    FItemLinks->EndCalcItemRects();
    AdjustVisibleItemsBottom();
}

void TCustomovBarControl::CalcMenuLayout(int AFromIndex, int& ATop) {
    ATop = FVisibleItemsRect.top;
    if (FItemLinks == nullptr) return;
    for (int i = std::max(AFromIndex, 0); i < FItemLinks->VisibleItemCount(); ++i) {
        TovBarItemLink* link = FItemLinks->VisibleItems(i);
        TRect r{};
        CalcItemRect(
            link, TRect{FVisibleItemsRect.left, ATop, FVisibleItemsRect.right, FVisibleItemsRect.bottom}, r);
        if (r.bottom > FVisibleItemsRect.bottom) {
            if (IsItemClipped(r)) {
                link->SetItemRect(r);
                ATop = FVisibleItemsRect.bottom;
            }
            return;
        }
        link->SetItemRect(r);
        ATop = r.bottom;
    }
}

void TCustomovBarControl::CalcItemRect(TovBarItemLink* ALink, const TRect& ATopLeftRect, TRect& R) {
    TovBarItemControl* control = ALink->Control();
    const int height = control != nullptr ? control->GetRealHeight() : 0;
    const int offset = GetBeginGroupOffset(ALink);
    R = TRect{ATopLeftRect.left, ATopLeftRect.top + offset, ATopLeftRect.right,
              ATopLeftRect.top + offset + height};
}

int TCustomovBarControl::GetBeginGroupOffset(TovBarItemLink* ALink) const {
    if (ALink == nullptr || FItemLinks == nullptr || !ALink->BeginGroup()) return 0;
    return FItemLinks->VisibleItemCount() > 0 && FItemLinks->VisibleItems(0) != ALink ? GetBeginGroupSize()
                                                                                      : 0;
}

void TCustomovBarControl::RecalcViewInfo() {
    // The constructor can only make the base view info: the class the control asks for takes its place
    // at the first layout, before anything was listed in it.
    if (!FViewInfoOfClass) {
        FViewInfo = CreateViewInfo();
        FViewInfoOfClass = true;
    }
    if (FLockCount > 0 || !FViewInfo) return;
    FViewInfo->ComputeLayout();
}

bool TCustomovBarControl::IsLocked() const {
    return FLockCount > 0 || (FManager != nullptr && FManager->IsUpdateLocked());
}

TovBarItemControl* TCustomovBarControl::ItemControlAtPos(const TPoint& P) const {
    if (!FViewInfo) return nullptr;
    const bool customizing = IsCustomizing();
    if (customizing && !CanCustomize()) return nullptr;
    for (int i = 0; i < FViewInfo->ItemControlCount(); ++i) {
        TovBarItemControl* control = FViewInfo->ItemControlAt(i);
        if (!uiIsPointInRect(control->GetBoundsRect(), P)) continue;
        if (customizing && control->IsCustomizingTransparent()) return nullptr;
        return control;
    }
    return nullptr;
}

void TCustomovBarControl::GetItemControlDropRect(TovBarItemControl* AControl, TRect& R) const {
    R = AControl != nullptr ? AControl->GetBoundsRect() : TRect{0, 0, 0, 0};
}

void TCustomovBarControl::CalcDropPosition(const TPoint& P, TovBarItemLink*& ALink, bool& AIsVertical,
                                           bool& ABefore, bool& AOnSeparator) {
    AIsVertical = IsVerticalLayout();
    if (FItemLinks == nullptr) return;
    for (int i = 0; i < FItemLinks->VisibleItemCount(); ++i) {
        TovBarItemLink* link = FItemLinks->VisibleItems(i);
        TovBarItemControl* control = link->Control();
        if (control == nullptr || !control->IsLinkManagerItem()) continue;
        TRect drop{};
        GetItemControlDropRect(control, drop);
        // The item's area takes in the separator band placed before it.
        TRect area = control->GetBoundsRect();
        int separator = -1;
        TRect separatorRect{};
        if (FViewInfo && FViewInfo->FindSeparatorOfItemControl(control, separator)) {
            FViewInfo->GetSeparatorInfo(separator, separatorRect);
            area =
                TRect{std::min(area.left, separatorRect.left), std::min(area.top, separatorRect.top),
                      std::max(area.right, separatorRect.right), std::max(area.bottom, separatorRect.bottom)};
        }
        if (!uiIsPointInRect(area, P)) continue;
        ALink = link;
        bool vertical = AIsVertical;
        if (!uiIsPointInRect(drop, P) && separator >= 0) {
            AOnSeparator = true;
            vertical = vertical || P.y < drop.top;
            drop = separatorRect;
        }
        ABefore = vertical ? (P.y - drop.top < drop.bottom - P.y) : (P.x - drop.left < drop.right - P.x);
        return;
    }
}

// ---- Painting

void TCustomovBarControl::Paint(TuiCanvas* ACanvas) {
    // The painter's items draw only what differs from the bar's background (a normal menu item is text
    // on it), so the background goes first.
    DrawBackgroundArea(ACanvas->Handle(), FClientRect, true, clNone, GetBackgroundBrush());
    DrawItemControls(ACanvas);
}

void TCustomovBarControl::DrawItemControls(TuiCanvas* ACanvas) {
    if (FItemLinks == nullptr) return;
    TuiCanvas* previousCanvas = FPaintCanvas;
    FPaintCanvas = ACanvas;
    struct TCanvasReset {
        TuiCanvas*& Slot;
        TuiCanvas* Value;
        ~TCanvasReset() { Slot = Value; }
    } reset{FPaintCanvas, previousCanvas};
    for (int i = 0; i < FItemLinks->VisibleItemCount(); ++i) {
        TovBarItemControl* control = FItemLinks->VisibleItems(i)->Control();
        if (control == nullptr) continue;
        if (CanDrawItemControl(control)) PaintItemControl(ACanvas, control);
        // Whatever a subclass paints afterwards (frames, marks, its own background) never covers an item,
        // not even one this paint skipped.
        const TRect bounds = control->GetBoundsRect();
        if (!uiIsRectEmpty(bounds)) ACanvas->ExcludeClipRect(bounds);
    }
}

bool TCustomovBarControl::CanDrawItemControl(TovBarItemControl* AControl) const {
    if (BeingDestroyed() || AControl == nullptr || AControl->ItemLink() == nullptr) return false;
    if (AControl->ItemLink()->Control() != AControl || AControl->Destroying()) return false;
    if ((FState & bcsPaintingItem) != 0 || IsLocked()) return false;
    return FViewInfo && FViewInfo->ContainsItemControl(AControl);
}

void TCustomovBarControl::PaintItemControl(TuiCanvas* ACanvas, TovBarItemControl* AControl) {
    FState |= bcsPaintingItem;
    try {
        FCurrentBackgroundBrush = GetBackgroundBrush();
        // The painter draws on the canvas of the draw params: this paint's.
        AControl->CalcDrawParams(false);
        DrawItemControl(AControl, ACanvas, AControl->GetBoundsRect());
    } catch (...) {
        FState &= ~bcsPaintingItem;
        throw;
    }
    FState &= ~bcsPaintingItem;
}

void TCustomovBarControl::DrawItemControl(TovBarItemControl* AControl, TuiCanvas* ACanvas, const TRect& R) {
    ACanvas->SaveClipRegion();
    try {
        ACanvas->IntersectClipRect(AControl->GetBoundsRect());
        AControl->Paint(ACanvas, R, GetPaintType());
    } catch (...) {
        ACanvas->RestoreClipRegion();
        throw;
    }
    ACanvas->RestoreClipRegion();
}

void TCustomovBarControl::DrawBackgroundArea(HDC ADC, const TRect& R, bool AIsClientArea, TColor AColor,
                                             HBRUSH ABrush) {
    FillBackground(ADC, R, AColor, ABrush);
}

void TCustomovBarControl::DrawBackgroundInRegion(HDC ADC, HRGN ARegion, bool AIsClientArea, HBRUSH ABrush) {
    HRGN saved = nullptr;
    bool exists = false;
    SaveCurrentClipRegion(ADC, saved, exists);
    try {
        ExtSelectClipRgn(ADC, ARegion, RGN_AND);
        TRect bounds = FBounds;
        DrawBackgroundArea(ADC, TRect{0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top},
                           AIsClientArea, clNone, ABrush);
    } catch (...) {
        RestoreSavedClipRegion(ADC, saved, exists);
        throw;
    }
    RestoreSavedClipRegion(ADC, saved, exists);
}

// ---- The joint with the owner item

bool TCustomovBarControl::IsAdjacentToOwner() const {
    const TRect owner = GetOwnerBounds();
    if (uiIsRectEmpty(owner)) return false;
    const TRect& bar = FBounds;
    const bool horizontalSpans = bar.left < owner.right && owner.left < bar.right;
    const bool verticalSpans = bar.top < owner.bottom && owner.top < bar.bottom;
    return ((bar.bottom == owner.top || bar.top == owner.bottom) && horizontalSpans) ||
           ((bar.right == owner.left || bar.left == owner.right) && verticalSpans);
}

TRect TCustomovBarControl::CalcOwnerEdgeRect(bool AInParent) const {
    if (!IsAdjacentToOwner()) return TRect{0, 0, 0, 0};
    const TRect ownerScreen = GetOwnerBounds();
    TRect bar{0, 0, FBounds.right - FBounds.left, FBounds.bottom - FBounds.top};
    TRect owner = uiShiftRect(ownerScreen, -FBounds.left, -FBounds.top);
    // A bar beside its owner meets it along a column: the same computation with X and Y exchanged.
    const bool vertical = !(bar.top == owner.bottom || bar.bottom == owner.top);
    auto swap = [](TRect& R) { R = TRect{R.top, R.left, R.bottom, R.right}; };
    if (vertical) {
        swap(bar);
        swap(owner);
    }
    const bool belowOwner = bar.top == owner.bottom;
    TRect r = belowOwner ? TRect{bar.left, bar.top, bar.right, bar.top + 1}
                         : TRect{bar.left, bar.bottom - 1, bar.right, bar.bottom};
    if (AInParent) r = uiShiftRect(r, 0, belowOwner ? -1 : 1);
    r.left = std::max(bar.left, owner.left) + 1;
    r.right = std::min(bar.right, owner.right) - 1;
    if (vertical) swap(r);
    if (AInParent) r = uiShiftRect(r, FBounds.left, FBounds.top);
    return r;
}
