#include "ui/bars/extitems/StaticItemControls.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/rtl/Numerics.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/controls/CustomBarControl.h"
#include "ui/bars/extitems/BarStaticItems.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"

#include <algorithm>

const TovBarItemControlClass ovBarStaticControlClass{"TovBarStaticControl",
                                                     &ovMakeItemControl<TovBarStaticControl>};
const TovBarItemControlClass ovBarProgressControlClass{"TovBarProgressControl",
                                                       &ovMakeItemControl<TovBarProgressControl>};

// ---- Static

TovBarStatic* TovBarStaticControl::StaticItem() const {
    return dynamic_cast<TovBarStatic*>(Item());
}

TAlignment TovBarStaticControl::GetAlignment() const {
    TovBarStatic* item = StaticItem();
    return item != nullptr ? item->Alignment() : taCenter;
}

void TovBarStaticControl::CaptionChanged() {
    TovBarStatic* item = StaticItem();
    // A fixed width keeps the layout: only the picture changes.
    if (item != nullptr && item->Width() != 0) {
        CalcDrawParamsAndParts();
        Repaint();
        return;
    }
    TovBarCustomStaticControl::CaptionChanged();
}

bool TovBarStaticControl::CanClick() const {
    TovBarStatic* item = StaticItem();
    return item != nullptr && item->AllowClick;
}

bool TovBarStaticControl::CanSelect() const {
    if (CanClick()) return TovBarItemControl::CanSelect();
    return TovBarCustomStaticControl::CanSelect();
}

std::unique_ptr<TovBarItemControlDrawParams> TovBarStaticControl::CreateDrawParams() {
    return std::make_unique<TovBarStaticLikeControlDrawParams>(this);
}

TRect TovBarStaticControl::BorderSizes() const {
    TRect sizes{0, 0, 0, 0};
    TovBarStatic* item = StaticItem();
    if (TovBarPainter* painter = GetPainter(); painter != nullptr && item != nullptr)
        painter->StaticGetBorderSizes(item->BorderStyle(), sizes);
    return sizes;
}

void TovBarStaticControl::CalcDrawParams(bool AFull) {
    TovBarCustomStaticControl::CalcDrawParams(AFull);
    auto* params = dynamic_cast<TovBarStaticLikeControlDrawParams*>(DrawParams());
    if (params == nullptr) return;
    TovBarStatic* item = StaticItem();
    params->Alignment = GetAlignment();
    params->ReserveGlyphArea = ReserveGlyphArea();
    params->BorderStyle = item != nullptr ? item->BorderStyle() : sbsNone;
    params->BorderSizes = BorderSizes();
}

void TovBarStaticControl::DoPaint(const TRect& R, TovBarItemPaintType APaintType) {
    TovBarPainter* painter = GetPainter();
    auto* params = dynamic_cast<TovBarStaticLikeControlDrawParams*>(DrawParams());
    if (painter == nullptr || params == nullptr) return;
    TovBarStatic* item = StaticItem();
    const int left = item != nullptr ? item->LeftIndent() : 0,
              right = item != nullptr ? item->RightIndent() : 0;
    painter->StaticDraw(params, R, TRect{left, left, right, right});
}

int TovBarStaticControl::GetHeight() const {
    TovBarStatic* item = StaticItem();
    const int fixed = item == nullptr ? 0 : IsVertical() ? item->Width() : item->Height();
    return fixed != 0 ? fixed : TovBarCustomStaticControl::GetHeight();
}

int TovBarStaticControl::GetWidth() const {
    TovBarStatic* item = StaticItem();
    const int fixed = item == nullptr ? 0 : IsVertical() ? item->Height() : item->Width();
    return fixed != 0 ? fixed : TovBarCustomStaticControl::GetWidth();
}

int TovBarStaticControl::GetDefaultHeight() const {
    int height = TovBarCustomStaticControl::GetDefaultHeight();
    const bool text = DrawParams()->ViewStructure.Contains(ivpCaption);
    const bool glyph = DrawParams()->ViewStructure.Contains(ivpGlyph);
    // The bar's text size is the text's height and 6 more.
    const int textHeight = GetTextHeight() - 3;
    if (ParentSubMenu() != nullptr)
        height = GetTextHeight();
    else if (text && glyph)
        height = std::max(height, textHeight);
    else if (text || (!glyph && ReserveGlyphArea()))
        height = textHeight;
    const TRect border = BorderSizes();
    return height + border.top + border.bottom;
}

int TovBarStaticControl::StaticWidth() const {
    return TovBarStaticControl::GetDefaultWidth();
}

int TovBarStaticControl::GetDefaultWidth() const {
    int width = TovBarCustomStaticControl::GetDefaultWidth();
    const bool text = DrawParams()->ViewStructure.Contains(ivpCaption);
    const bool glyph = DrawParams()->ViewStructure.Contains(ivpGlyph);
    if (text && !glyph)
        width = GetCaptionWidth() + TextSize() / 2;
    else if (text && glyph)
        width = (ParentSubMenu() != nullptr ? GetTextIndent() : DrawParams()->GlyphSize.cx) +
                GetCaptionWidth() + 4;
    else if (!glyph && ReserveGlyphArea())
        width = 0;
    TovBarStatic* item = StaticItem();
    const TRect border = BorderSizes();
    if (item != nullptr) width += item->LeftIndent() + item->RightIndent();
    return width + border.left + border.right;
}

// ---- Progress

TovBarProgressItem* TovBarProgressControl::ProgressItem() const {
    return dynamic_cast<TovBarProgressItem*>(Item());
}

std::unique_ptr<TovBarItemControlDrawParams> TovBarProgressControl::CreateDrawParams() {
    return std::make_unique<TovBarProgressControlDrawParams>(this);
}

void TovBarProgressControl::CalcDrawParams(bool AFull) {
    TovBarStaticControl::CalcDrawParams(AFull);
    auto* params = dynamic_cast<TovBarProgressControlDrawParams*>(DrawParams());
    TovBarProgressItem* item = ProgressItem();
    if (params == nullptr || item == nullptr) return;
    params->Min = item->Min();
    params->Max = item->Max();
    params->Position = item->Position();
    params->Smooth = item->Smooth();
}

TRect TovBarProgressControl::BarRect() const {
    TovBarProgressItem* item = ProgressItem();
    const TRect bounds = GetBoundsRect();
    if (item == nullptr) return TRect{0, 0, 0, 0};
    const bool vertical = IsVertical();
    const TRect border = BorderSizes();
    const bool text = DrawParams()->ViewStructure.Contains(ivpCaption);
    const int along = vertical ? uiHeightOfRect(bounds) : uiWidthOfRect(bounds);
    const int across = vertical ? uiWidthOfRect(bounds) : uiHeightOfRect(bounds);
    int length;
    if (item->Width() == 0 && item->Align() != iaClient) {
        length = 150;
    } else {
        const int extent = ParentSubMenu() != nullptr || item->Align() == iaClient ? along : item->Width();
        length = std::max(0, extent - StaticWidth() - (text ? 2 : 4));
    }
    const int inner = across - border.top - border.bottom;
    int thickness = MulDiv(inner, 2, 3);
    // Centred exactly: the bar's thickness has the parity of the room across it.
    if ((thickness % 2 != 0) != (across % 2 != 0)) ++thickness;
    thickness = std::max(thickness, 0);
    const int gap = border.right + item->RightIndent() + 2;
    if (vertical) {
        const int bottom = bounds.bottom - gap;
        const int left = bounds.left + (across - thickness) / 2;
        return TRect{left, bottom - length, left + thickness, bottom};
    }
    const int right = bounds.right - gap;
    const int top = bounds.top + (across - thickness) / 2;
    return TRect{right - length, top, right, top + thickness};
}

int TovBarProgressControl::FilledLength() const {
    TovBarProgressItem* item = ProgressItem();
    if (item == nullptr) return 0;
    // An empty range (Min = Max) has no filled part rather than a division by zero.
    const int range = item->Max() - item->Min();
    if (range <= 0) return 0;
    const TRect bar = BarRect();
    const int length = IsVertical() ? uiHeightOfRect(bar) : uiWidthOfRect(bar);
    return MulDiv(length, item->Position() - item->Min(), range);
}

void TovBarProgressControl::PaintContent(const TRect& R) {
    TovBarPainter* painter = GetPainter();
    auto* params = dynamic_cast<TovBarProgressControlDrawParams*>(DrawParams());
    TovBarProgressItem* item = ProgressItem();
    if (painter == nullptr || params == nullptr || item == nullptr) return;
    HDC dc = params->Canvas->Handle();
    const TRect bar = BarRect();
    // The text beside the bar, never over it, moved by the painter's bar offset.
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, bar.left, bar.top, bar.right, bar.bottom);
    painter->StaticDrawBackground(params, R);
    TRect content = R;
    (IsVertical() ? content.top : content.left) += painter->ProgressGetIndent();
    painter->StaticDrawContent(params, content);
    RestoreDC(dc, saved);
    const TColor colour = item->Color() == clDefault ? painter->ProgressGetBarColor()
                                                     : static_cast<TColor>(ColorToRGB(item->Color()));
    painter->ProgressDraw(params, bar, colour);
    FPaintedLength = FilledLength();
}

void TovBarProgressControl::PositionChanged() {
    CalcDrawParams(true);
    TovBarPainter* painter = GetPainter();
    const TRect bar = BarRect();
    if (painter == nullptr || !painter->ProgressRedrawOnChangeOnly() || FPaintedLength < 0) {
        InvalidateRect(bar);
        return;
    }
    const int now = FilledLength();
    const int from = std::min(now, FPaintedLength), to = std::max(now, FPaintedLength);
    if (from == to) return;
    InvalidateRect(IsVertical() ? TRect{bar.left, bar.top + from, bar.right, bar.top + to}
                                : TRect{bar.left + from, bar.top, bar.left + to, bar.bottom});
}

int TovBarProgressControl::GetDefaultHeight() const {
    const int height = TovBarStaticControl::GetDefaultHeight();
    TovBarPainter* painter = GetPainter();
    const TRect border = BorderSizes();
    return painter == nullptr
               ? height
               : std::max(height, painter->ProgressGetHeight() + border.top + border.bottom + 2);
}

int TovBarProgressControl::GetDefaultWidth() const {
    TovBarProgressItem* item = ProgressItem();
    const bool text = DrawParams()->ViewStructure.Contains(ivpCaption);
    int width = StaticWidth();
    if (item != nullptr && item->Width() == 0) width += text ? 152 : 154;
    if (TovBarPainter* painter = GetPainter()) width += painter->ProgressGetIndent();
    return width;
}
