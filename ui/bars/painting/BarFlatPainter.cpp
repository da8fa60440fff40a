// The flat look's general operations: its flags, colours and metrics, the manager's flat brushes, the
// selection frame, popup borders joined to their owner item, the look-and-feel painter it borrows, the
// painter class of the table and the shared instance.
#include "ui/bars/painting/BarFlatPainter.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarPainterChoice.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/painting/BarBackgrounds.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"
#include "ui/painters/office11/Office11Colors.h"
#include "ui/painters/office11/Office11Drawing.h"

#include <memory>

namespace {

TovBarManager* ManagerOf(TCustomovBarControl* ABarControl) {
    return ABarControl != nullptr ? ABarControl->GetBarManager() : nullptr;
}

// One of the manager's flat brushes, or AFallback without a manager.
HBRUSH FlatBrush(TCustomovBarControl* ABarControl, HBRUSH (TovBarManager::*ABrush)() const,
                 HBRUSH AFallback) {
    TovBarManager* manager = ManagerOf(ABarControl);
    HBRUSH brush = manager != nullptr ? (manager->*ABrush)() : nullptr;
    return brush != nullptr ? brush : AFallback;
}

bool IsStatusBarLikeBar(TCustomovBarControl* ABarControl) {
    auto* toolbar = dynamic_cast<TovBarControl*>(ABarControl);
    return toolbar != nullptr && toolbar->Bar() != nullptr && toolbar->Bar()->IsStatusBarLike();
}

// Where a control's client area starts on the screen, and where its window starts.
TPoint ClientOrigin(TCustomovBarControl* ABarControl) {
    return ABarControl->ClientToScreenPoint(TPoint{0, 0});
}

TPoint WindowOrigin(TovBarPainter* APainter, TCustomovBarControl* ABarControl) {
    TPoint origin = ClientOrigin(ABarControl);
    if (auto* toolbar = dynamic_cast<TovBarControl*>(ABarControl)) {
        TRect borders{};
        APainter->BarBorderSizes(toolbar->Bar(), toolbar->DockingStyleOf(), borders, toolbar->HasSizeGrip());
        origin = TPoint{origin.x - borders.left, origin.y - borders.top};
    } else if (auto* menu = dynamic_cast<TovBarSubMenuControl*>(ABarControl)) {
        const TPoint offset = menu->GetClientOffset();
        origin = TPoint{origin.x - offset.x, origin.y - offset.y};
    }
    return origin;
}

} // namespace

// ---- Flags, colours and metrics

void TovBarFlatPainter::FrameSelRect(HDC ADC, const TRect& R) {
    if (HighContrastIsBlack() || IsBlackFaceNonWhiteText())
        FrameRectWithColor(ADC, R, clHighlightText);
    else
        FrameHighlightRect(ADC, R);
}

TColor TovBarFlatPainter::BarCaptionColor(TovBarControl* ABarControl, bool AActive) {
    // A flat floating bar never looks active: its caption keeps the inactive colour.
    return static_cast<TColor>(GetSysColor(COLOR_INACTIVECAPTION));
}

TColor TovBarFlatPainter::BarMarkArrowColor(TovBarControl* ABarControl, int AMarkState) {
    return static_cast<TColor>(
        GetSysColor(AMarkState == 1 || AMarkState == 2 ? COLOR_BTNTEXT : COLOR_CAPTIONTEXT));
}

int TovBarFlatPainter::MarkElementColor(TovBarControl* ABarControl) {
    return HighContrastIsWhite() && ABarControl->GetMarkState() == 1 ? COLOR_BTNFACE : COLOR_BTNTEXT;
}

TuiCustomLookAndFeelPainter* TovBarFlatPainter::GetLookAndFeelPainter() {
    TuiPaintersRegistry* registry = uiPaintersRegistry();
    return registry != nullptr
               ? dynamic_cast<TuiCustomLookAndFeelPainter*>(registry->GetPainterByStyle(lfsUltraFlat))
               : nullptr;
}

int TovBarFlatPainter::GetSubItemArrowIndent(TovBarItemControlDrawParams* ADrawParams) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    if (control != nullptr && control->IsMainMenuItem()) return 8;
    return TovBarPainter::GetSubItemArrowIndent(ADrawParams);
}

int TovBarFlatPainter::GetMenuCaptionOffset(TovBarItemControlDrawParams* ADrawParams) {
    TovBarSubMenuControl* menu =
        ADrawParams->BarItemControl != nullptr ? ADrawParams->BarItemControl->ParentSubMenu() : nullptr;
    return menu != nullptr ? menu->GetTextSize() + 3 : 0;
}

int TovBarFlatPainter::GetButtonArrowWidth(TovBarManager* AManager) {
    return TovBarPainter::GetButtonArrowWidth(AManager) - 1;
}

int TovBarFlatPainter::GetLargeButtonArrowWidth(TovBarManager* AManager) {
    return TovBarPainter::GetLargeButtonArrowWidth(AManager) - 1;
}

void TovBarFlatPainter::PaintLoweredFrame(HDC ADC, TRect& R) {
    FrameRect(ADC, &R, GetSysColorBrush(COLOR_BTNSHADOW));
    R = uiGrowRect(R, -1, -1);
}

TColor TovBarFlatPainter::GetBorderColor() {
    return static_cast<TColor>(GetSysColor(COLOR_BTNSHADOW));
}

// ---- Brushes

HBRUSH TovBarFlatPainter::BarToolbarBrush(TCustomovBarControl* ABarControl) {
    return FlatBrush(ABarControl, &TovBarManager::FlatFaceBrush, TovBarPainter::BarToolbarBrush(ABarControl));
}

HBRUSH TovBarFlatPainter::BarToolbarBrushEx(TCustomovBarControl* ABarControl) {
    // The main menu and status bars stay on the plain button face.
    if (ABarControl != nullptr && (ABarControl->IsMainMenu() || IsStatusBarLikeBar(ABarControl)))
        return GetSysColorBrush(COLOR_BTNFACE);
    return BarToolbarBrush(ABarControl);
}

HBRUSH TovBarFlatPainter::BarDownedBrush(TCustomovBarControl* ABarControl) {
    return FlatBrush(ABarControl, &TovBarManager::FlatCheckedBrush,
                     TovBarPainter::BarDownedBrush(ABarControl));
}

HBRUSH TovBarFlatPainter::BarDownedSelBrush(TCustomovBarControl* ABarControl) {
    return FlatBrush(ABarControl, &TovBarManager::FlatCheckedHotBrush,
                     TovBarPainter::BarDownedSelBrush(ABarControl));
}

HBRUSH TovBarFlatPainter::BarSelBrush(TCustomovBarControl* ABarControl) {
    return FlatBrush(ABarControl, &TovBarManager::FlatHotBrush, TovBarPainter::BarSelBrush(ABarControl));
}

HBRUSH TovBarFlatPainter::BarToolbarBrushAlt(TCustomovBarControl* ABarControl) {
    return GetSysColorBrush(COLOR_WINDOW);
}

HBRUSH TovBarFlatPainter::SubMenuControlGetFrameBrush(TovBarSubMenuControl* AMenu) {
    return GetSysColorBrush(COLOR_WINDOW);
}

HBRUSH TovBarFlatPainter::GetFlatFaceBrush(TovBarItemControl* AControl) {
    return BarToolbarBrush(AControl != nullptr ? AControl->ParentBar() : nullptr);
}

HBRUSH TovBarFlatPainter::GetShadowBrush(TovBarItemControl* AControl, TovBarStaticBorderStyle ABorderStyle) {
    return GetSysColorBrush(COLOR_BTNSHADOW);
}

// ---- Popups joined to their owner

void TovBarFlatPainter::DrawPopupBorderAndBackground(TCustomovBarControl* ABarControl, HDC ADC,
                                                     TCustomovBarControl* APopup, const TRect& R) {
    DrawPopupBorder(ABarControl, ADC, APopup, nullptr, R);
    const TRect inside = uiGrowRect(R, -1, -1);
    FillRect(ADC, &inside, ABarControl->GetOwnerBrush());
}

void TovBarFlatPainter::DrawPopupBorder(TCustomovBarControl* ABarControl, HDC ADC,
                                        TCustomovBarControl* APopup, TovBarItemControl* AControl,
                                        const TRect& R) {
    // The strip where the shown popup meets its owner, moved from the screen into the DC: by the owner
    // control's client origin when the strip lies on its client area, else by its window origin (a mark
    // in a floating caption); without an owner control by the origin of the bar drawn on.
    TRect edge{0, 0, 0, 0};
    if (ABarControl != nullptr && APopup != nullptr && APopup->IsVisible() && !APopup->IsDestroying()) {
        const TPoint popupOrigin = ClientOrigin(APopup);
        edge = uiShiftRect(APopup->GetOwnerEdgeRect(), popupOrigin.x, popupOrigin.y);
        auto* menu = dynamic_cast<TovBarSubMenuControl*>(APopup);
        TCustomovBarControl* owner = menu != nullptr ? menu->OwnerBar() : nullptr;
        TPoint origin = ClientOrigin(owner != nullptr ? owner : ABarControl);
        if (owner != nullptr) {
            const TRect client = uiShiftRect(owner->GetClientRect(), origin.x, origin.y);
            if (!uiDoRectsOverlap(client, edge)) origin = WindowOrigin(this, owner);
        }
        edge = uiShiftRect(edge, -origin.x, -origin.y);
    }
    HRGN saved = nullptr;
    bool exists = false;
    SaveCurrentClipRegion(ADC, saved, exists);
    BarPaintOwnerLink(ABarControl, ADC, AControl, edge, R);
    BarPaintOwnerFrame(ABarControl, ADC, R);
    RestoreSavedClipRegion(ADC, saved, exists);
}

HBRUSH TovBarFlatPainter::FlatFrameBrushOf(TCustomovBarControl* ABarControl) {
    return FlatBrush(ABarControl, &TovBarManager::FlatFrameBrush, GetSysColorBrush(COLOR_BTNSHADOW));
}

void TovBarFlatPainter::FillPart(HDC ADC, const TRect& R, HBRUSH ABrush) {
    if (!uiIsRectEmpty(R)) FillRect(ADC, &R, ABrush);
}

void TovBarFlatPainter::BarPaintOwnerFrame(TCustomovBarControl* ABarControl, HDC ADC, const TRect& R) {
    FrameRect(ADC, &R, FlatFrameBrushOf(ABarControl));
}

void TovBarFlatPainter::BarPaintOwnerLink(TCustomovBarControl* ABarControl, HDC ADC,
                                          TovBarItemControl* AControl, const TRect& ALinkRect,
                                          const TRect& R) {
    if (uiIsRectEmpty(ALinkRect)) return;
    FillRect(ADC, &ALinkRect, ABarControl->GetOwnerBrush());
    ExcludeClipRect(ADC, ALinkRect.left, ALinkRect.top, ALinkRect.right, ALinkRect.bottom);
}

// ---- The painter class and the shared instance

const TovBarPainterClass ovBarFlatPainterClass{
    "TovBarFlatPainter", [](TuiLookAndFeelPainterBase* ASkinPainter) -> std::unique_ptr<TovBarPainter> {
        return std::make_unique<TovBarFlatPainter>(ASkinPainter);
    }};

namespace {
std::unique_ptr<TovBarFlatPainter> SharedFlatPainter;
}

TovBarFlatPainter* BarFlatPainter() {
    if (!SharedFlatPainter) SharedFlatPainter = std::make_unique<TovBarFlatPainter>();
    return SharedFlatPainter.get();
}

void FreeBarFlatPainter() {
    SharedFlatPainter.reset();
}
