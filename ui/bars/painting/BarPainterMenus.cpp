// The menu side of the bar painter: the layout of a menu item (glyph column, text, description lines,
// shortcut), begin-group separators, the menu's frame, background and detach caption, the scroll buttons
// of menus taller than the screen, and the expand button of personalised menus.
#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/vcl/Font.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/painting/BarBackgrounds.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/TextDrawing.h"
#include "ui/core/graphics/TextFlags.h"
#include "ui/core/graphics/TextMeasure.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"
#include "ui/painters/office11/Office11Colors.h"

#include <algorithm>

// ---- Item layout

TRect TovBarPainter::SubMenuControlItemGlyphRect(const TRect& R, int AIconAreaSize) {
    return TRect{R.left, R.top, R.left + AIconAreaSize, R.bottom};
}

int TovBarPainter::SubMenuControlItemCaptionIndent(TovBarSubMenuControl* AMenu) {
    return SubMenuControlGetGlyphAreaWidth(AMenu) + 3;
}

TRect TovBarPainter::SubMenuControlItemCaptionRect(TovBarSubMenuControl* AMenu, const TRect& R) {
    return TRect{R.left + SubMenuControlItemCaptionIndent(AMenu), R.top, R.right, R.bottom};
}

void TovBarPainter::SubMenuControlGetContentOffsets(TRect& R) {
    const int indent = SubMenuControlBorderIndent();
    R = TRect{indent, indent, indent, indent};
}

int TovBarPainter::SubMenuControlGetContentIndent(TovBarSubMenuControl* AMenu) {
    int indent = AMenu->GetBarSize() + AMenu->GetIconAreaSize();
    AdjustMenuItemHeight(indent);
    return indent;
}

int TovBarPainter::SubMenuControlGetGlyphAreaWidth(TovBarSubMenuControl* AMenu) {
    return AMenu->GetIconAreaSize();
}

void TovBarPainter::SubMenuControlCalcExpandButtonSize(TuiCanvas* ACanvas, int ATextSize, int& AHeight,
                                                       int& AWidth) {
    AWidth = SubMenuControlSubArrowWidth(ATextSize);
    AHeight = (ACanvas != nullptr ? ACanvas->TextHeight("0") : 13) + 1;
    const int markSize = SubMenuControlGetMarkSize(AHeight);
    if (markSize % 2 != 0) AHeight = 2 * markSize + 4;
}

int TovBarPainter::SubMenuControlScrollBandHeight(TovBarSubMenuControl* AMenu) {
    return AMenu->GetTextSize();
}

// ---- A button item in a menu

namespace {

// At most two lines of the description: the text of any further lines joins the second.
std::vector<std::string> DescriptionLines(TuiCanvas* ACanvas, const std::string& AText, const TRect& ABlock) {
    TStringList lines;
    uiSplitTextToLines(AText, ACanvas, ABlock, &lines);
    std::vector<std::string> result;
    for (int i = 0; i < lines.Count(); ++i) {
        if (result.size() < 2)
            result.push_back(lines.Strings(i));
        else
            result[1] += " " + lines.Strings(i);
    }
    if (result.size() == 2) result[1] = Trim(result[1]);
    return result;
}

} // namespace

void TovBarPainter::DrawButtonInMenu(TovBarItemControlDrawParams* ADrawParams, const TRect& R) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    TovBarSubMenuControl* menu = control->ParentSubMenu();
    TuiCanvas* canvas = ADrawParams->Canvas;
    auto* button = dynamic_cast<TovBarButtonLikeControlDrawParams*>(ADrawParams);
    DrawButtonInMenuBackground(ADrawParams, R);

    TovItemGlyphArgs glyph;
    glyph.Area = SubMenuControlItemGlyphRect(R, menu != nullptr ? menu->GetIconAreaSize()
                                                                : control->GetIconAreaWidth());
    glyph.PaintType = iptMenu;
    glyph.Down = button != nullptr && button->Down;
    glyph.Selected = ADrawParams->DrawSelected;
    glyph.InMenu = true;
    glyph.NoGlyph =
        !control->HasGlyph(ADrawParams->ViewSize()) || !ADrawParams->ViewStructure.Contains(ivpGlyph);
    DrawItemGlyph(control, canvas->Handle(), glyph);

    TRect text = menu != nullptr ? SubMenuControlItemCaptionRect(menu, R)
                                 : TRect{R.left + control->GetIconAreaWidth() + 3, R.top, R.right, R.bottom};
    text = uiGrowRect(text, 0, SubMenuControlGetTextVertOffset());
    const int textSize = menu != nullptr ? menu->GetTextSize() : control->TextSize();
    TovBarItemLinks* links = control->ItemLink() != nullptr ? control->ItemLink()->Links() : nullptr;
    TovBarSavedFont boldFont;
    if (links != nullptr && links->GetMenuItemSize() == misLarge && links->ShowsDescriptions() &&
        !ADrawParams->Description.empty()) {
        const int line = canvas->TextHeight("Zq");
        const int height = uiHeightOfRect(text);
        int spare = height - 3 * line;
        if (spare < 0) spare += 3;
        const int top = text.bottom - (spare / 4) * 2 - 2 * line;
        const TRect block{text.left, top, text.right - textSize, text.bottom};
        TColor color = clDefault, shadow = clDefault;
        control->GetTextColors(ADrawParams->Enabled, ADrawParams->DrawSelected, IsFlatTextStyle(), color,
                               shadow);
        TRect lineRect{block.left, block.top, block.right, block.top + line};
        for (const std::string& description : DescriptionLines(canvas, ADrawParams->Description, block)) {
            uiDrawTextOnCanvas(canvas, description, lineRect, color,
                               DT_LEFT | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX | DT_VCENTER);
            lineRect = uiShiftRect(lineRect, 0, line);
        }
        // The caption stands bold above its description.
        text.bottom = block.top;
        boldFont.Font = canvas->Font()->LogFont();
        boldFont.Selected = true;
        TFontStyles styles = canvas->Font()->Style();
        styles.Include(fsBold);
        canvas->Font()->SetStyle(styles);
    }
    DrawItemText(control, canvas, ADrawParams->Caption, text, ovCaptionLeft, ADrawParams->Enabled,
                 ADrawParams->DrawSelected, false, false, IsFlatTextStyle(), DT_SINGLELINE);
    if (boldFont.Selected) canvas->Font()->SetHandle(CreateFontIndirect(&boldFont.Font));
    if (links != nullptr && links->ShowsShortCuts() && !ADrawParams->ShortCut.empty()) {
        text.right -= textSize + 5;
        DrawItemText(control, canvas, ADrawParams->ShortCut, text, ovCaptionRight, ADrawParams->Enabled,
                     ADrawParams->DrawSelected, false, false, IsFlatTextStyle(), DT_SINGLELINE);
    }
}

// ---- Begin-group separators

void TovBarPainter::SubMenuControlGetBeginGroupRect(TovBarSubMenuControl* AMenu, TovBarItemControl* AControl,
                                                    TRect& R, const TRect& AItemRect) {
    R = TRect{AItemRect.left, AItemRect.top - SubMenuControlSeparatorHeight(), AItemRect.right,
              AItemRect.top};
    if (AControl != nullptr && AControl->NonRecent() && AControl->ChangeRecentGroup()) --R.bottom;
}

void TovBarPainter::SubMenuControlDrawBeginGroup(TovBarSubMenuControl* AMenu, TovBarItemControl* AControl,
                                                 TRect R, HDC ADC) {
    const bool nonRecent = AControl != nullptr && AControl->NonRecent();
    const bool startsGroup = AControl != nullptr && AControl->ChangeRecentGroup();
    if (nonRecent && startsGroup) {
        FillItemBackground(AControl, ADC, false, AMenu->GetBackgroundBrush(), R);
    } else {
        HBRUSH brush = nonRecent && AMenu->GetLightBrush() != nullptr ? AMenu->GetLightBrush()
                                                                      : AMenu->GetBackgroundBrush();
        TRect fill = R;
        if (nonRecent && AMenu->GetBarSize() == 0) fill = TRect{R.left - 1, R.top, R.right + 2, R.bottom};
        FillItemBackground(AControl, ADC, nonRecent, brush, fill);
    }
    R = uiGrowRect(R, -SubMenuSeparatorIndent(), -4);
    SubMenuControlPaintSeparator(ADC, R);
}

void TovBarPainter::SubMenuControlPaintSeparator(HDC ADC, const TRect& R) {
    TRect r = R;
    DrawEdge(ADC, &r, EDGE_ETCHED, BF_TOP);
}

// ---- Menu frame and background

void TovBarPainter::SubMenuControlDrawBackground(TovBarSubMenuControl* AMenu, HDC ADC, TColor AColor,
                                                 HBRUSH ABrush, const TRect& R) {
    FillRectBrushColorOrBitmap(ADC, R, AMenu->GetClientRect(), AMenu->GetBackgroundBitmap(), AColor, ABrush);
}

void TovBarPainter::SubMenuControlDrawBorder(TovBarSubMenuControl* AMenu, HDC ADC, TRect R) {
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    const TRect left{R.left, R.top, R.left + 1, R.bottom - 1};
    const TRect top{R.left + 1, R.top, R.right - 1, R.top + 1};
    FillRect(ADC, &left, face);
    FillRect(ADC, &top, face);
    DrawEdge(ADC, &R, BDR_RAISEDOUTER, BF_RIGHT | BF_BOTTOM);
    if (!AMenu->HasDetachCaption()) return;
    R = uiGrowRect(R, -1, -1);
    DrawEdge(ADC, &R, BDR_RAISEDINNER, BF_LEFT | BF_TOP | BF_RIGHT);
    R = uiGrowRect(R, -1, -1);
    R.bottom = R.top + AMenu->GetDetachCaptionAreaHeight() - 1;
    FrameRect(ADC, &R, face);
    SubMenuControlDrawDetachCaption(AMenu, ADC, AMenu->GetDetachCaptionRect());
}

void TovBarPainter::SubMenuControlDrawInnerBorder(TovBarSubMenuControl* AMenu, HDC ADC, HBRUSH ABrush,
                                                  TRect R) {
    if (AMenu->HasDetachCaption()) R.top -= 2;
    DrawEdge(ADC, &R, BDR_RAISEDINNER, BF_RECT);
    R = uiGrowRect(R, -1, -1);
    FrameRect(ADC, &R, ABrush);
}

void TovBarPainter::SubMenuControlDrawDetachCaption(TovBarSubMenuControl* AMenu, HDC ADC, const TRect& R) {
    FillRect(ADC, &R,
             GetSysColorBrush(AMenu->DetachCaptionHot() ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
}

void TovBarPainter::SubMenuControlAdjustDetachCaptionRect(TRect& R) {
    R = uiGrowRect(R, -3, -3);
}

void TovBarPainter::SubMenuControlGetItemBrush(TovBarSubMenuControl* AMenu, HBRUSH& ABrush) {
    if (SubMenuControlUsesFrameBrush()) ABrush = SubMenuControlGetFrameBrush(AMenu);
}

HBRUSH TovBarPainter::SubMenuControlGetFrameBrush(TovBarSubMenuControl* AMenu) {
    return GetSysColorBrush(COLOR_BTNFACE);
}

// ---- Scroll buttons

void TovBarPainter::SubMenuControlGetScrollButtonRect(TovBarSubMenuControl* AMenu, bool ABottom, TRect& R) {
    R = AMenu->GetVisibleItemsRect();
    const int band = SubMenuControlScrollBandHeight(AMenu);
    if (ABottom)
        R.top = R.bottom - band;
    else
        R.bottom = R.top + band;
}

void TovBarPainter::SubMenuControlPaintScrollArrowFill(TuiCanvas* ACanvas, const TRect& R, TColor AColor) {
    ACanvas->FillRect(R, AColor);
}

void TovBarPainter::SubMenuControlDrawScrollArrow(TovBarSubMenuControl* AMenu, TuiCanvas* ACanvas,
                                                  const TRect& R, bool ABottom) {
    const int size = SubMenuControlScrollArrowExtent(SubMenuControlScrollBandHeight(AMenu));
    TuiArrowPoints arrow;
    if (!TuiCustomLookAndFeelPainter::ComputeArrowPoints(R, arrow, ABottom ? adDown : adUp, false, size))
        return;
    if (!ABottom) {
        arrow.P[0].y += 1;
        arrow.P[2].x += 1;
        arrow.P[2].y += 1;
    } else {
        arrow.P[0].x += 1;
        arrow.P[1].y += 1;
        if ((uiHeightOfRect(R) + size) % 2 != 0)
            for (TPoint& p : arrow.P)
                p.y -= 1;
    }
    HDC dc = ACanvas->Handle();
    // The clip region is in device coordinates.
    POINT corners[3] = {arrow.P[0], arrow.P[1], arrow.P[2]};
    LPtoDP(dc, corners, 3);
    HRGN triangle = CreatePolygonRgn(corners, 3, WINDING);
    HRGN saved = nullptr;
    bool exists = false;
    SaveCurrentClipRegion(dc, saved, exists);
    ExtSelectClipRgn(dc, triangle, RGN_AND);
    SubMenuControlPaintScrollArrowFill(ACanvas, R, clBtnText);
    RestoreSavedClipRegion(dc, saved, exists);
    // The arrow stays visible under the background fill that follows.
    ExtSelectClipRgn(dc, triangle, RGN_DIFF);
    DeleteObject(triangle);
}

void TovBarPainter::SubMenuControlDrawRecentGroupBorder(TovBarSubMenuControl* AMenu, TuiCanvas* ACanvas,
                                                        const TRect& R, bool ABottom) {
    if (!ABottom) return;
    TovBarItemControl* last = AMenu->GetLastVisibleControl();
    if (last == nullptr || !last->ChangeRecentGroup()) return;
    const TRect item = last->GetBoundsRect();
    const TRect row{item.left - 1, item.top, item.right + 1, item.top + 1};
    HDC dc = ACanvas->Handle();
    FillRect(dc, &row, GetSysColorBrush(last->NonRecent() ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT));
    ExcludeClipRect(dc, row.left, row.top, row.right, row.bottom);
}

void TovBarPainter::SubMenuControlDrawScrollButtonBackground(TovBarSubMenuControl* AMenu, TuiCanvas* ACanvas,
                                                             const TRect& R, bool ABottom) {
    TovBarItemControl* item = ABottom ? AMenu->GetLastVisibleControl() : AMenu->GetFirstVisibleControl();
    FillItemBackground(item, ACanvas->Handle(), false, AMenu->GetFrameBrush(), R);
}

void TovBarPainter::SubMenuControlDrawScrollButton(TovBarSubMenuControl* AMenu, TuiCanvas* ACanvas,
                                                   bool ABottom) {
    TRect r{};
    SubMenuControlGetScrollButtonRect(AMenu, ABottom, r);
    HDC dc = ACanvas->Handle();
    HRGN saved = nullptr;
    bool exists = false;
    SaveCurrentClipRegion(dc, saved, exists);
    SubMenuControlDrawScrollArrow(AMenu, ACanvas, r, ABottom);
    SubMenuControlDrawScrollBand(AMenu, ACanvas, r, ABottom);
    SubMenuControlDrawRecentGroupBorder(AMenu, ACanvas, r, ABottom);
    if (SubMenuControlScrollButtonUsesMenuBrush())
        FillItemBackground(AMenu->GetFirstVisibleControl(), dc, false, AMenu->GetFrameBrush(), r);
    else
        SubMenuControlDrawScrollButtonBackground(AMenu, ACanvas, r, ABottom);
    RestoreSavedClipRegion(dc, saved, exists);
}

// ---- The expand button of personalised menus

void TovBarPainter::SubMenuControlPaintMarkHighlight(TovBarSubMenuControl* AMenu, HDC ADC, const TRect& R) {
    TRect r = R;
    DrawEdge(ADC, &r, BDR_RAISEDINNER, BF_RECT);
    r = uiGrowRect(r, -1, -1);
    HBRUSH light = AMenu->GetLightBrush() != nullptr ? AMenu->GetLightBrush() : AMenu->GetFrameBrush();
    FillItemBackground(nullptr, ADC, true, light, r);
}

void TovBarPainter::SubMenuControlPaintMarkGlyph(TovBarSubMenuControl* AMenu, HDC ADC, bool ASelected,
                                                 const TRect& R) {
    const int colorIndex =
        HighContrastIsWhite() && IsFlatStyle() && ASelected ? COLOR_BTNFACE : COLOR_BTNTEXT;
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(colorIndex));
    HGDIOBJ previous = SelectObject(ADC, pen);
    const int markSize = AMenu->GetMarkSize() > 0 ? AMenu->GetMarkSize() : uiHeightOfRect(R);
    const int n = SubMenuControlGetMarkSize(markSize);
    const int x = (R.left + R.right - n - 1) / 2;
    const int top = R.top + (markSize - 2 * n) / 2;
    for (int row = 0; row < n; ++row) {
        const int y = top + row + (row >= n / 2 ? n / 2 : 0);
        const POINT v[] = {{x, y}, {x + n / 2, y + n / 2}, {x + n + 1, y - 1}};
        Polyline(ADC, v, 3);
    }
    SelectObject(ADC, previous);
    DeleteObject(pen);
}

void TovBarPainter::SubMenuControlDrawMark(TovBarSubMenuControl* AMenu, TuiCanvas* ACanvas, const TRect& R,
                                           bool ASelected) {
    const int width = uiWidthOfRect(R), height = uiHeightOfRect(R);
    if (width <= 0 || height <= 0) return;
    HDC dc = ACanvas->Handle();
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, width, height);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    const TRect local{0, 0, width, height};
    AMenu->FillBackground(memory, local, clNone, AMenu->GetFrameBrush());
    if (ASelected) SubMenuControlPaintMarkHighlight(AMenu, memory, local);
    SubMenuControlPaintMarkGlyph(AMenu, memory, ASelected, local);
    BitBlt(dc, R.left, R.top, width, height, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ACanvas->ExcludeClipRect(R);
}
