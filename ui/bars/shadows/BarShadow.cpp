#include "ui/bars/shadows/BarShadow.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Canvas.h"
#include "platform/win/Painting.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/bars/shadows/BarShadowShapes.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/ImageServices.h"
#include "ui/core/graphics/Region.h"

namespace bar_shadow_detail {

// The toolbar the bar control drops down from, when it is one.
TovBarControl* DroppedFromToolbar(TCustomovBarControl* ABarControl) {
    if (ABarControl == nullptr) return nullptr;
    TCustomovBarControl* parent = ABarControl->ParentBarControl();
    if (parent == nullptr)
        if (auto* menu = dynamic_cast<TovBarSubMenuControl*>(ABarControl)) parent = menu->OwnerBar();
    return dynamic_cast<TovBarControl*>(parent);
}

std::unique_ptr<TBitmap> BlackBitmap(int AWidth, int AHeight) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetPixelFormat(pf32bit);
    bitmap->SetSize(AWidth, AHeight);
    const RECT all{0, 0, AWidth, AHeight};
    HBRUSH black = CreateSolidBrush(0);
    FillRect(bitmap->Canvas()->Handle(), &all, black);
    DeleteObject(black);
    return bitmap;
}

} // namespace bar_shadow_detail

using namespace bar_shadow_detail;

// ---- TovBarShadowPart

TovBarShadowPart::TovBarShadowPart(TovBarShadow* AShadow, TWinControl* AOwnerWindow, const TRect& ABounds,
                                   std::unique_ptr<TuiRegion> AShape)
    : TovCustomShadowWindow(AOwnerWindow), FShadow(AShadow), FBounds(ABounds), FShape(std::move(AShape)) {
    SetTransparent(CanUseLayeredShadow());
    SetBoundsRect(FBounds);
}

TovBarShadowPart::~TovBarShadowPart() = default;

void TovBarShadowPart::MoveTo(const TRect& ABounds) {
    const int dx = ABounds.left - FBounds.left, dy = ABounds.top - FBounds.top;
    FBounds = ABounds;
    SetBoundsRect(FBounds);
    for (auto& strip : FStrips) {
        TRect r = strip->BoundsRect();
        OffsetRect(&r, dx, dy);
        strip->SetBoundsRect(r);
    }
}

bool TovBarShadowPart::ApplyShape() {
    HandleNeeded();
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(shape, FShape->Handle(), nullptr, RGN_COPY);
    // The window owns the region once it takes it.
    if (SetWindowRgn(Handle(), shape, FALSE) != 0) return true;
    DeleteObject(shape);
    return false;
}

void TovBarShadowPart::CreateParams(TCreateParams& Params) {
    TovCustomShadowWindow::CreateParams(Params);
    if (Params.WndParent != nullptr) return;
    HWND bar = FShadow->OwnerHandle();
    if (bar == nullptr) return;
    Params.WndParent = bar;
    if ((GetWindowLong(bar, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) Params.ExStyle |= WS_EX_TOPMOST;
}

void TovBarShadowPart::PlaceUnderBar(HWND AWnd) {
    if (OwnerWindow() != nullptr) return; // the base places it under its owner
    if (HWND bar = FShadow->OwnerHandle())
        SetWindowPos(AWnd, bar, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TovBarShadowPart::ShowShadow() {
    FStrips.clear();
    if (ApplyShape()) {
        TovCustomShadowWindow::ShowShadow();
        PlaceUnderBar(Handle());
        return;
    }
    TovCustomShadowWindow::HideShadow();
    ShowStrips();
}

void TovBarShadowPart::ShowStrips() {
    // Each rectangle of the shape becomes a window of its own: without window shapes this is the only
    // way to show the bands and nothing over the bar.
    for (const TRect& r : ovRegionRects(*FShape)) {
        auto strip = std::make_unique<TovCustomShadowWindow>(OwnerWindow());
        strip->SetTransparent(Transparent());
        strip->SetBounds(FBounds.left + r.left, FBounds.top + r.top, uiWidthOfRect(r), uiHeightOfRect(r));
        strip->ShowShadow();
        PlaceUnderBar(strip->Handle());
        FStrips.push_back(std::move(strip));
    }
}

void TovBarShadowPart::HideShadow() {
    FStrips.clear();
    TovCustomShadowWindow::HideShadow();
}

bool TovBarShadowPart::IsPartShown() {
    return IsShadowVisible() || !FStrips.empty();
}

// ---- TovBarShadow

TovBarShadow::TovBarShadow(TWinControl* AOwnerWindow, TCustomovBarControl* ABarControl)
    : FOwnerWindow(AOwnerWindow), FBarControl(ABarControl) {}

TovBarShadow::~TovBarShadow() {
    FreeParts();
}

int TovBarShadow::ShadowSize() {
    return CanUseLayeredShadow() ? 4 : 2;
}

void TovBarShadow::FreeParts() {
    for (auto& part : FParts)
        part.reset();
}

void TovBarShadow::SetVisible(bool AValue) {
    if (AValue == FVisible) return;
    FVisible = AValue;
    if (FVisible) {
        Refresh();
        return;
    }
    for (auto& part : FParts)
        if (part != nullptr) part->HideShadow();
}

void TovBarShadow::SetBounds(const TRect& ALinkRect, const TRect& ABarRect) {
    FHorizontalJoint = ovIsBarShadowJointHorizontal(ALinkRect, ABarRect);
    const bool rebuild = !(uiIsRectZero(FLinkRect) && uiSizeOfRect(ABarRect) == uiSizeOfRect(FBarRect));
    FLinkRect = ALinkRect;
    FBarRect = ABarRect;
    if (!FVisible) return;
    if (rebuild) {
        Refresh();
    } else if (FParts[0] != nullptr) {
        TRect moved = FBarRect;
        OffsetRect(&moved, ShadowSize(), ShadowSize());
        FParts[0]->MoveTo(moved);
    }
}

HWND TovBarShadow::OwnerHandle() const {
    if (FBarControl != nullptr && FBarControl->Handle() != nullptr) return FBarControl->Handle();
    if (FOwnerWindow != nullptr && FOwnerWindow->HandleAllocated()) return FOwnerWindow->Handle();
    return nullptr;
}

std::unique_ptr<TuiRegion> TovBarShadow::OwnerShape() const {
    HWND wnd = OwnerHandle();
    if (wnd == nullptr) return nullptr;
    return std::unique_ptr<TuiRegion>(TuiRegion::CreateFromWindow(wnd));
}

bool TovBarShadow::JoinsLink() const {
    return DroppedFromToolbar(FBarControl) != nullptr;
}

std::unique_ptr<TuiRegion> TovBarShadow::LinkShape() const {
    TovBarControl* toolbar = DroppedFromToolbar(FBarControl);
    if (toolbar == nullptr || toolbar->GetMarkState() != 2 || uiIsRectEmpty(FLinkRect)) return nullptr;
    TovBarPainter* painter = toolbar->GetPainter();
    if (painter == nullptr) return nullptr;
    // The mark's painted outline: what its background draws that the toolbar's own background does not.
    const int w = uiWidthOfRect(FLinkRect), h = uiHeightOfRect(FLinkRect);
    const TPoint origin = toolbar->ClientToScreenPoint(TPoint{0, 0});
    TRect r = FLinkRect;
    OffsetRect(&r, -origin.x, -origin.y);
    HBRUSH brush = toolbar->GetBackgroundBrush();
    std::unique_ptr<TBitmap> mark = BlackBitmap(w, h);
    std::unique_ptr<TBitmap> background = BlackBitmap(w, h);
    HDC markDC = mark->Canvas()->Handle();
    HDC backgroundDC = background->Canvas()->Handle();
    SetWindowOrgEx(markDC, r.left, r.top, nullptr);
    SetWindowOrgEx(backgroundDC, r.left, r.top, nullptr);
    toolbar->SetMarkState(1);
    try {
        painter->BarDrawMarkBackground(toolbar, markDC, brush, r);
    } catch (...) {
        toolbar->SetMarkState(2);
        throw;
    }
    toolbar->SetMarkState(2);
    toolbar->FillBackground(backgroundDC, r, clNone, brush);
    SetWindowOrgEx(markDC, 0, 0, nullptr);
    SetWindowOrgEx(backgroundDC, 0, 0, nullptr);
    BitBlt(markDC, 0, 0, w, h, backgroundDC, 0, 0, SRCINVERT);
    HRGN outline = uiCreateRegionFromBitmap(mark.get(), clBlack);
    // A mark drawn like the background has no outline of its own: its rectangle stands.
    if (outline == nullptr) return nullptr;
    return std::make_unique<TuiRegion>(outline);
}

void TovBarShadow::Refresh() {
    FreeParts();
    const int s = ShadowSize();
    const bool join = JoinsLink();
    TovBarShadowShapes shapes =
        ovBuildBarShadowShapes(FBarRect, FLinkRect, s, OwnerShape(), join ? LinkShape() : nullptr, join);
    for (int i = 0; i < 2; ++i) {
        TovBarShadowPartShape& shape = shapes.Parts[i];
        if (shape.Shape == nullptr) continue;
        FParts[i] =
            std::make_unique<TovBarShadowPart>(this, FOwnerWindow, shape.Bounds, std::move(shape.Shape));
        if (FVisible) FParts[i]->ShowShadow();
    }
}
