#include "ui/bars/itemcontrols/StaticControls.h"

#include "platform/vcl/Font.h"
#include "ui/bars/BarItem.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/graphics/Canvas.h"

// ---- Static base

void TovBarCustomStaticControl::PaintContent(const TRect& R) {
    if (TovBarPainter* painter = GetPainter()) painter->StaticDrawContent(DrawParams(), R);
}

bool TovBarCustomStaticControl::CanSelect() const {
    TovBarManager* manager = GetBarManager();
    return TovBarItemControl::CanSelect() && manager != nullptr && manager->IsCustomizingOrDesigning();
}

void TovBarCustomStaticControl::DoPaint(const TRect& R, TovBarItemPaintType APaintType) {
    if (TovBarPainter* painter = GetPainter()) painter->StaticDrawContent(DrawParams(), R);
}

TovBarItemViewStructure TovBarCustomStaticControl::GetDefaultViewStructure() const {
    TovBarItemViewStructure structure;
    TovBarItem* item = Item();
    if (item != nullptr && item->ShowCaption()) structure += ivpCaption;
    if (HasGlyph(GetViewSize())) structure += ivpGlyph;
    return structure;
}

std::unique_ptr<TovBarItemControlDrawParams> TovBarCustomStaticControl::CreateDrawParams() {
    return std::make_unique<TovBarStaticLikeControlDrawParams>(this);
}

// ---- Separator

std::unique_ptr<TovBarItemControlDrawParams> TovBarSeparatorControl::CreateDrawParams() {
    return std::make_unique<TovBarSeparatorControlDrawParams>(this);
}

void TovBarSeparatorControl::CalcDrawParams(bool AFull) {
    TovBarCustomStaticControl::CalcDrawParams(AFull);
    static_cast<TovBarSeparatorControlDrawParams&>(*DrawParams()).IsFirst =
        ItemLink() != nullptr && ItemLink()->VisibleIndexOf() == 0;
}

void TovBarSeparatorControl::DoPaint(const TRect& R, TovBarItemPaintType APaintType) {
    if (TovBarPainter* painter = GetPainter()) painter->SeparatorDraw(DrawParams(), R);
}

void TovBarSeparatorControl::GetDefaultTextColors(bool AEnabled, bool ASelected, bool AFlat, TColor& AColor,
                                                  TColor& AShadowColor) const {
    if (TovBarPainter* painter = GetPainter())
        painter->SeparatorGetTextColors(const_cast<TovBarSeparatorControl*>(this), AEnabled, ASelected, AFlat,
                                        AColor, AShadowColor);
}

void TovBarSeparatorControl::GetTextOffsets(int AIndex, TRect& R) const {
    R = TRect{0, 0, 0, 0};
    if (TovBarPainter* painter = GetPainter()) painter->StaticGetTextOffsets(DrawParams(), R);
}

int TovBarSeparatorControl::GetMenuHeight() const {
    TovBarPainter* painter = GetPainter();
    if (!DrawParams()->ViewStructure.Contains(ivpCaption))
        return painter != nullptr ? painter->SubMenuControlSeparatorHeight() : 0;
    const bool first = static_cast<const TovBarSeparatorControlDrawParams&>(*DrawParams()).IsFirst;
    const int lines = painter != nullptr ? painter->SeparatorGetLineSize() * (first ? 1 : 2) : 0;
    return lines + TovBarCustomStaticControl::GetMenuHeight();
}

int TovBarSeparatorControl::GetMinWidth() const {
    TovBarPainter* painter = GetPainter();
    const int glyphArea = painter != nullptr ? painter->GetMenuGlyphAreaWidth(DrawParams()) : 0;
    return glyphArea + (ParentBar() != nullptr ? ParentBar()->GetIconAreaSize() : 0);
}

int TovBarSeparatorControl::GetDefaultWidth() const {
    TovBarPainter* painter = GetPainter();
    return painter != nullptr ? painter->BarSeparatorSize() : 0;
}

void TovBarSeparatorControl::SelectFont(TFont* AFont, int AStyleIndex, TovBarSavedFont& ASaved) {
    TovBarCustomStaticControl::SelectFont(AFont, AStyleIndex, ASaved);
    FBold = false;
    if (ASaved.Selected) return;
    TuiCanvas* canvas = GetCanvas();
    if (canvas == nullptr) return;
    TFontStyles styles = canvas->Font()->Style();
    styles.Include(fsBold);
    canvas->Font()->SetStyle(styles);
    FBold = true;
}

void TovBarSeparatorControl::RestoreFont(TovBarSavedFont& ASaved) {
    TovBarCustomStaticControl::RestoreFont(ASaved);
    if (!FBold) return;
    FBold = false;
    if (TuiCanvas* canvas = GetCanvas()) {
        TFontStyles styles = canvas->Font()->Style();
        styles.Exclude(fsBold);
        canvas->Font()->SetStyle(styles);
    }
}

TovBarItemViewStructure TovBarSeparatorControl::GetDefaultViewStructure() const {
    TovBarItem* item = Item();
    if (GetPaintType() == iptMenu && item != nullptr && item->ShowCaption())
        return TovBarItemViewStructure{ivpCaption};
    return {};
}
