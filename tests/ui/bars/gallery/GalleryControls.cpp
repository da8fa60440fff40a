#include "GalleryControls.h"

#include "platform/gdi/GdiDC.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarItemRegistry.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/painting/BarBackgrounds.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"

#include <algorithm>

namespace bar_gallery {

namespace {

constexpr int FieldPart = 0, GlyphPart = 1, CaptionPart = 2, FirstButton = 3, SecondButton = 4;
// The narrowest text field an edit keeps.
constexpr int MinEditWidth = 20;

} // namespace

const TovBarItemControlClass GalleryEditControlClass{"TGalleryEditControl",
                                                     &ovMakeItemControl<TGalleryEditControl>};

TGalleryEditKind TGalleryEditControl::Kind() const {
    auto* item = dynamic_cast<TGalleryEditItem*>(Item());
    return item != nullptr ? item->Kind : gekEdit;
}

std::string TGalleryEditControl::Text() const {
    auto* item = dynamic_cast<TovBarWindowItem*>(Item());
    return item != nullptr ? item->GetText() : std::string();
}

void TGalleryEditControl::SetDroppedDown(bool AValue) {
    FDroppedDown = AValue;
    CalcDrawParams(true);
}

// ---- Draw params and parts

std::unique_ptr<TovBarItemControlDrawParams> TGalleryEditControl::CreateDrawParams() {
    switch (Kind()) {
    case gekSpinEdit:
        return std::make_unique<TovBarSpinEditDrawParams>(this);
    case gekColorCombo:
        return std::make_unique<TovBarColorComboControlDrawParams>(this);
    default:
        return std::make_unique<TovBarEditLikeControlDrawParams>(this);
    }
}

void TGalleryEditControl::CalcDrawParams(bool AFull) {
    TovBarItemControl::CalcDrawParams(AFull);
    auto* params = dynamic_cast<TovBarEditLikeControlDrawParams*>(DrawParams());
    if (params == nullptr) return;
    params->HasEditIndent = HasEditIndent();
    TovBarItemLink* link = ItemLink();
    params->ViewLayout =
        GetPaintType() != iptMenu && link != nullptr ? link->ViewLayout : ivlGlyphCaptionControl;
    // The arrow follows the control's height, which the layout may just have changed.
    if (auto* spin = dynamic_cast<TovBarSpinEditDrawParams*>(params))
        if (TovBarPainter* painter = GetPainter())
            spin->ArrowSize = painter->SpinEditGetArrowSize(uiHeightOfRect(GetBoundsRect()));
    if (!AFull) return;
    params->DroppedDown = FDroppedDown;
    params->IsPressed = Pressed();
    if (auto* spin = dynamic_cast<TovBarSpinEditDrawParams*>(params)) {
        const int hot = HotPartIndex();
        spin->ActiveButton = Pressed() && (hot == FirstButton || hot == SecondButton) ? hot : -1;
    }
    if (auto* colorCombo = dynamic_cast<TovBarColorComboControlDrawParams*>(params)) {
        auto* item = dynamic_cast<TGalleryEditItem*>(Item());
        colorCombo->ShowCustomColorButton = item != nullptr && item->ShowCustomColorButton;
    }
}

int TGalleryEditControl::GetPartCount() const {
    switch (Kind()) {
    case gekCombo:
        return 4;
    case gekSpinEdit:
    case gekColorCombo:
        return 5;
    default:
        return 3;
    }
}

void TGalleryEditControl::CalcParts() {
    TovBarItemControl::CalcParts();
    TovBarPainter* painter = GetPainter();
    if (painter == nullptr || PartsRef().size() < 3) return;
    // Glyph column, caption and text field from the left; the caption goes after the field when the link
    // asks for it (never in menus).
    const TRect bounds = GetBoundsRect();
    const int glyph = GetIconAreaWidth(), caption = GetCaptionAreaWidth();
    auto* params = static_cast<TovBarEditLikeControlDrawParams*>(DrawParams());
    std::vector<TRect>& parts = PartsRef();
    parts[GlyphPart] = TRect{bounds.left, bounds.top, bounds.left + glyph, bounds.bottom};
    if (params->ViewLayout == ivlGlyphControlCaption) {
        parts[CaptionPart] = TRect{bounds.right - caption, bounds.top, bounds.right, bounds.bottom};
        FEditRect = TRect{bounds.left + glyph, bounds.top, bounds.right - caption, bounds.bottom};
    } else {
        parts[CaptionPart] =
            TRect{bounds.left + glyph, bounds.top, bounds.left + glyph + caption, bounds.bottom};
        FEditRect = TRect{parts[CaptionPart].right, bounds.top, bounds.right, bounds.bottom};
    }
    painter->EditCalcParts(params, parts, FEditRect);
    switch (Kind()) {
    case gekCombo:
        painter->ComboCalcParts(params, parts, FEditRect);
        break;
    case gekColorCombo:
        painter->ComboCalcParts(params, parts, FEditRect);
        painter->ColorComboCalcParts(params, parts, FEditRect);
        break;
    case gekSpinEdit:
        painter->SpinEditCalcParts(params, parts, FEditRect);
        break;
    case gekEdit:
        break;
    }
}

// ---- Sizes

TovBarItemViewStructure TGalleryEditControl::GetDefaultViewStructure() const {
    TovBarItem* item = Item();
    if (GetPaintType() == iptMenu || (item != nullptr && item->ShowCaption()))
        return TovBarItemViewStructure{ivpCaption};
    return {};
}

int TGalleryEditControl::GetIconAreaWidth() const {
    return GetPaintType() == iptMenu ? TovBarItemControl::GetIconAreaWidth() : 0;
}

int TGalleryEditControl::GetCaptionAreaWidth() const {
    TovBarPainter* painter = GetPainter();
    if (painter == nullptr || !DrawParams()->ViewStructure.Contains(ivpCaption)) return 0;
    return painter->EditGetCaptionLeftOffset(DrawParams()) + GetCaptionWidth() +
           painter->EditGetCaptionRightOffset();
}

int TGalleryEditControl::GetControlAreaWidth() const {
    TovBarItem* item = Item();
    return std::max(MinEditWidth, item != nullptr ? item->Width() : 0);
}

int TGalleryEditControl::GetDefaultHeight() const {
    TovBarPainter* painter = GetPainter();
    TuiCanvas* canvas = GetCanvas();
    if (painter == nullptr || canvas == nullptr) return 0;
    int height = painter->GetEditTextSize(ParentBar(), canvas->TextHeight("Zq"));
    if (DrawParams()->ViewStructure.Contains(ivpCaption) && ParentBar() != nullptr)
        height = std::max(height, ParentBar()->GetItemHeight(const_cast<TGalleryEditControl*>(this)));
    return height;
}

int TGalleryEditControl::GetMenuHeight() const {
    return std::max(TovBarItemControl::GetMenuHeight(), GetDefaultHeight());
}

// ---- Drawing

void TGalleryEditControl::DoPaint(const TRect& R, TovBarItemPaintType APaintType) {
    if (TovBarPainter* painter = GetPainter()) painter->EditDraw(DrawParams(), R);
}

TRect TGalleryEditControl::FrameRect() const {
    TovBarPainter* painter = GetPainter();
    const std::vector<TRect>& parts = Parts();
    TRect r = FEditRect;
    auto* params = DrawParams();
    switch (Kind()) {
    case gekCombo:
    case gekColorCombo: {
        TRect offsets{};
        painter->ComboGetTextOffsets(params->PaintType, offsets);
        r.right = parts[FirstButton].right + offsets.right;
        if (Kind() == gekColorCombo) painter->ColorComboAdjustTextRect(params, r);
        break;
    }
    case gekSpinEdit:
        if (!uiIsRectEmpty(parts[FirstButton])) painter->SpinEditAdjustTextRect(params, r);
        break;
    case gekEdit:
        break;
    }
    return r;
}

void TGalleryEditControl::ExcludeEditFrame() {
    TovBarPainter* painter = GetPainter();
    if (painter == nullptr || Parts().size() < 3) return;
    const TRect outer = FrameRect();
    TRect inner = outer;
    painter->EditDrawFrame(DrawParams(), inner);
    ClipOutFrameRing(DrawParams()->Canvas->Handle(), outer, inner);
}

void TGalleryEditControl::DrawTextField() {
    TovBarPainter* painter = GetPainter();
    if (painter == nullptr || Parts().size() < 3) return;
    auto* params = DrawParams();
    const std::vector<TRect>& parts = Parts();
    HDC dc = params->Canvas->Handle();
    switch (Kind()) {
    case gekCombo:
        painter->DrawComboDropDownButton(params, parts[FirstButton]);
        break;
    case gekColorCombo:
        painter->DrawComboDropDownButton(params, parts[FirstButton]);
        if (!uiIsRectEmpty(parts[SecondButton])) {
            // The separator fills the band around the custom-colour button, not the button itself.
            TRect offsets{};
            painter->ColorComboGetButtonOffsets(offsets);
            HRGN saved = nullptr;
            bool exists = false;
            SaveCurrentClipRegion(dc, saved, exists);
            const TRect button = parts[SecondButton];
            ExcludeClipRect(dc, button.left, button.top, button.right, button.bottom);
            painter->ColorComboDrawSeparator(params, uiGrowRectByMargins(button, offsets));
            RestoreSavedClipRegion(dc, saved, exists);
            painter->DrawEllipsisButton(params, button);
        }
        break;
    case gekSpinEdit:
        if (!uiIsRectEmpty(parts[FirstButton])) {
            TRect offsets{};
            painter->SpinEditGetButtonsOffsets(offsets);
            painter->SpinEditDrawButtonsBackground(
                params, uiGrowRectByMargins(uiUniteRects(parts[FirstButton], parts[SecondButton]), offsets));
            painter->SpinEditDrawButton(params, parts[FirstButton], 0);
            painter->SpinEditDrawButton(params, parts[SecondButton], 1);
        }
        break;
    case gekEdit:
        break;
    }
    painter->EditDrawText(this, params->Canvas, parts[FieldPart], Text());
}

// ---- The sub-item

const TovBarItemControlClass GallerySubItemControlClass{"TGallerySubItemControl",
                                                        &ovMakeItemControl<TGallerySubItemControl>};

void TGallerySubItemControl::SetDroppedDown(bool AValue) {
    FDroppedDown = AValue;
    CalcDrawParams(true);
}

void RegisterGalleryControls() {
    TovBarItemList* list = BarItemList();
    if (list->ItemControlClassOf(typeid(TGalleryEditItem)) == nullptr)
        ovBarRegisterItem<TGalleryEditItem>(&GalleryEditControlClass, false);
    if (list->ItemControlClassOf(typeid(TGallerySubItem)) == nullptr)
        ovBarRegisterItem<TGallerySubItem>(&GallerySubItemControlClass, false);
}

} // namespace bar_gallery
