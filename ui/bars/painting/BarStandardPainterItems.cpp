// The classic looks' item controls: embossed disabled dots, raised and sunken glyph edges, the three-colour
// check mark, the checker brush behind checked items, menu entries, edit and combo buttons, drop-down
// parts, the drop-down list frame, and the lines of personalised menus.
#include "ui/bars/painting/BarStandardPainter.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarItemLinks.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Canvas.h"

namespace {

TovBarButtonLikeControlDrawParams* ClassicButtonParams(TovBarItemControlDrawParams* ADrawParams) {
    return dynamic_cast<TovBarButtonLikeControlDrawParams*>(ADrawParams);
}

bool ClassicIsDown(TovBarItemControlDrawParams* ADrawParams) {
    auto* button = ClassicButtonParams(ADrawParams);
    return button != nullptr && button->Down;
}

HBRUSH ClassicParentBackground(TovBarItemControl* AControl) {
    TCustomovBarControl* parent = AControl != nullptr ? AControl->ParentBar() : nullptr;
    return parent != nullptr ? parent->GetBackgroundBrush() : GetSysColorBrush(COLOR_BTNFACE);
}

void ClassicFillPart(HDC ADC, const TRect& R, HBRUSH ABrush) {
    if (!uiIsRectEmpty(R)) FillRect(ADC, &R, ABrush);
}

// The item shows no glyph of its own (a checked menu entry shows the check mark in its place).
bool ClassicShowsNoGlyph(TovBarItemControlDrawParams* ADrawParams) {
    return !ADrawParams->BarItemControl->HasGlyph(ADrawParams->ViewSize()) ||
           !ADrawParams->ViewStructure.Contains(ivpGlyph);
}

} // namespace

// ---- Disabled dots and item brushes

void TovBarStandardPainter::PaintDisabledShadow(TovBarItemControl* AControl, HDC ADC, const TRect& R) {
    const TRect light = uiShiftRect(R, 1, 1);
    FillRect(ADC, &light, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
    TovBarPainter::PaintDisabledShadow(AControl, ADC, R);
}

HBRUSH TovBarStandardPainter::GetItemBackgroundBrush(TovBarItemControl* AControl) {
    TovBarItemControlDrawParams* params = AControl->DrawParams();
    TCustomovBarControl* parent = AControl->ParentBar();
    if (ClassicIsDown(params) && params->Enabled) {
        if (params->DrawSelected)
            return parent != nullptr ? parent->GetDownedSelBrush() : BarDownedSelBrush(nullptr);
        return parent != nullptr ? parent->GetDownedBrush() : BarDownedBrush(nullptr);
    }
    if (params->PaintType == iptMenu && params->DrawSelected && ClassicShowsNoGlyph(params))
        return parent != nullptr ? parent->GetSelBrush() : BarSelBrush(nullptr);
    return TovBarPainter::GetItemBackgroundBrush(AControl);
}

// ---- Glyph edges and the check mark

void TovBarStandardPainter::PaintGlyphFrame(TovBarItemControl* AControl, HDC ADC, const TRect& R,
                                            const TovItemGlyphArgs& AArgs) {
    const bool glyphLessMenuItem = AArgs.PaintType == iptMenu && AArgs.NoGlyph;
    if (AArgs.Down || (AArgs.Selected && !glyphLessMenuItem)) {
        auto* button = ClassicButtonParams(AControl->DrawParams());
        const bool split = button != nullptr && button->Split && AControl->DrawParams()->IsDropDown;
        const bool sunken = AArgs.Down || AArgs.Pressed || (AArgs.DroppedDown && !split);
        TRect r = R;
        DrawEdge(ADC, &r, sunken ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        return;
    }
    if (!AArgs.Border) return;
    const bool direct = AArgs.Down || AArgs.Selected || AArgs.Pressed || AControl->NonRecent() ||
                        AControl->BackgroundBrush() != nullptr;
    FrameItemBackground(AControl, ADC, direct, GetItemBackgroundBrush(AControl), R);
}

void TovBarStandardPainter::PaintGlyphCheck(TovBarItemControl* AControl, HDC ADC, int AFactor, int Y, int X) {
    const int f = AFactor;
    int k = 0;
    auto strokes = [&](COLORREF AColor, int ACount) {
        HPEN pen = CreatePen(PS_SOLID, 1, AColor);
        HGDIOBJ previous = SelectObject(ADC, pen);
        for (int i = 0; i < ACount; ++i, ++k) {
            const POINT stroke[] = {
                {X + f, Y + k + 2 * f}, {X + 3 * f, Y + k + 4 * f}, {X + 8 * f, Y + k - f}};
            Polyline(ADC, stroke, 3);
        }
        SelectObject(ADC, previous);
        DeleteObject(pen);
    };
    const bool enabled = AControl == nullptr || AControl->GetEnabled();
    if (enabled) {
        // On a black button face the dark and light strokes change places, so the mark stays visible.
        const bool blackFace = (GetSysColor(COLOR_BTNFACE) & 0xFFFFFF) == 0;
        const COLORREF dark = blackFace ? RGB(255, 255, 255) : RGB(0, 0, 0);
        const COLORREF light = blackFace ? RGB(0, 0, 0) : RGB(255, 255, 255);
        strokes(RGB(0xC0, 0xC0, 0xC0), f);
        strokes(dark, 2 * f);
        strokes(light, f);
        HPEN pen = CreatePen(PS_SOLID, 1, light);
        HGDIOBJ previous = SelectObject(ADC, pen);
        MoveToEx(ADC, X + f - 1, Y + 2 * f + 1, nullptr);
        LineTo(ADC, X + f - 1, Y + 6 * f - 1);
        MoveToEx(ADC, X + 8 * f, Y - f + 2, nullptr);
        LineTo(ADC, X + 8 * f, Y + 3 * f);
        SelectObject(ADC, previous);
        DeleteObject(pen);
        return;
    }
    k = 1;
    strokes(GetSysColor(COLOR_BTNSHADOW), 2 * f);
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    HGDIOBJ previous = SelectObject(ADC, pen);
    for (int j = 0; j < f; ++j) {
        MoveToEx(ADC, X + 3 * f + 1, Y + 7 * f - j - 1, nullptr);
        LineTo(ADC, X + 9 * f, Y + f - j);
        MoveToEx(ADC, X + 4 * f, Y + 7 * f - j, nullptr);
        LineTo(ADC, X + 9 * f, Y + 2 * f - j);
    }
    SelectObject(ADC, previous);
    DeleteObject(pen);
}

// ---- A button in a menu

void TovBarStandardPainter::DrawButtonInMenuBackground(TovBarItemControlDrawParams* ADrawParams,
                                                       const TRect& R) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    TovBarSubMenuControl* menu = control->ParentSubMenu();
    HDC dc = ADrawParams->Canvas->Handle();
    const int iconArea = menu != nullptr ? menu->GetIconAreaSize() : control->GetIconAreaWidth();
    const TRect icon = SubMenuControlItemGlyphRect(R, iconArea);
    TCustomovBarControl* parent = control->ParentBar();
    HBRUSH selection = parent != nullptr ? parent->GetSelBrush() : BarSelBrush(nullptr);
    HBRUSH own = TovBarPainter::GetItemBackgroundBrush(control);
    const bool selected = ADrawParams->DrawSelected;
    // A hot entry without a glyph is highlighted across its icon column too.
    HBRUSH column =
        ClassicShowsNoGlyph(ADrawParams) && selected && !ClassicIsDown(ADrawParams) ? selection : own;
    const bool direct = selected || control->NonRecent();
    const TRect columnParts[] = {TRect{icon.right, icon.top, icon.right + 1, icon.bottom},
                                 TRect{icon.left, R.top, icon.right + 1, icon.top},
                                 TRect{icon.left, icon.bottom, icon.right + 1, R.bottom}};
    for (const TRect& part : columnParts)
        if (!uiIsRectEmpty(part)) FillItemBackground(control, dc, direct, column, part);
    const TRect text{icon.right + 1, R.top, R.right, R.bottom};
    if (!uiIsRectEmpty(text)) FillItemBackground(control, dc, direct, selected ? selection : own, text);
}

// ---- Edit buttons, drop-down parts and combos

void TovBarStandardPainter::EditButtonDrawFrame(TovBarItemControl* AControl, HDC ADC, bool APressed,
                                                bool ASelected, bool AEnabled, TRect& R) {
    HBRUSH background = ClassicParentBackground(AControl);
    if (ASelected) {
        TRect r = R;
        DrawEdge(ADC, &r, APressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    } else {
        FrameRect(ADC, &R, background);
    }
    R = uiGrowRect(R, -1, -1);
    ClassicFillPart(ADC, R, background);
}

void TovBarStandardPainter::DrawDropDownButtonBackground(TovBarItemControlDrawParams* ADrawParams, TRect R,
                                                         HBRUSH ABrush) {
    TovBarPainter::DrawDropDownButtonBackground(ADrawParams, R, ABrush);
    HDC dc = ADrawParams->Canvas->Handle();
    if (ADrawParams->DrawSelected) {
        DrawEdge(dc, &R, ADrawParams->DroppedDown ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    } else if (ADrawParams->PaintType == iptMenu) {
        // In menus an etched line parts the drop-down part from the entry.
        TRect line{R.left - 1, R.top, R.left + 1, R.bottom};
        DrawEdge(dc, &line, EDGE_ETCHED, BF_LEFT | BF_RIGHT);
    }
}

void TovBarStandardPainter::ComboDrawButtonBackground(TovBarItemControlDrawParams* ADrawParams, TRect& R,
                                                      HBRUSH ABrush) {
    TovBarItemControl* control = ADrawParams->BarItemControl;
    HDC dc = ADrawParams->Canvas->Handle();
    HBRUSH frame = ClassicParentBackground(control);
    HBRUSH field = nullptr;
    if (ADrawParams->DrawSelected && ADrawParams->Enabled) {
        TRect r = R;
        DrawEdge(dc, &r, ADrawParams->DroppedDown ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
    } else {
        // An idle button's ring and the gap before it continue the edit's field.
        if (ADrawParams->Enabled) frame = field = CreateSolidBrush(ColorToRGB(EditGetBkColor(control)));
        FrameRect(dc, &R, frame);
    }
    ClassicFillPart(dc, TRect{R.left - 1, R.top, R.left, R.bottom}, frame);
    if (field != nullptr) DeleteObject(field);
    R = uiGrowRect(R, -1, -1);
    ClassicFillPart(dc, R, ABrush);
    if (ADrawParams->DroppedDown) R = uiShiftRect(R, 1, 1);
}

void TovBarStandardPainter::DropDownListBoxPaintFrame(HDC ADC, TColor AColor, const TRect& R) {
    TRect r = R;
    DrawEdge(ADC, &r, EDGE_RAISED, BF_RECT);
}

// ---- Personalised menus

void TovBarStandardPainter::SubMenuControlPaintItemFrame(TovBarSubMenuControl* AMenu,
                                                         TovBarItemControl* AControl, HDC ADC,
                                                         const TRect& R) {
    const int n = AMenu->GetBarSize() == 0 ? 1 : 0;
    const bool nonRecent = AControl->NonRecent();
    if (AControl->ChangeRecentGroup()) {
        int top = R.top - 1;
        // A recent entry that begins a group: the line lies over its separator.
        TovBarItemLink* link = AControl->ItemLink();
        if (!nonRecent && link != nullptr && link->BeginGroup() &&
            AMenu->GetFirstVisibleControl() != AControl) {
            TRect band{};
            SubMenuControlGetBeginGroupRect(AMenu, AControl, band, R);
            top = band.top - 1;
        }
        ClassicFillPart(ADC, TRect{R.left - n, top, R.right + 1, top + 1},
                        GetSysColorBrush(nonRecent ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT));
    }
    if (!nonRecent) return;
    HBRUSH background = AMenu->GetBackgroundBrush();
    if (AMenu->GetFirstVisibleControl() == AControl && !AMenu->HasDetachCaption()) {
        ClassicFillPart(ADC, TRect{R.left - n, R.top - 1, R.right + 2, R.top}, background);
        SetPixel(ADC, R.right + 1, R.top - 2, GetSysColor(COLOR_BTNHIGHLIGHT));
    }
    ClassicFillPart(ADC, TRect{R.left - n, R.top, R.left, R.bottom}, background);
    ClassicFillPart(ADC, TRect{R.right, R.top, R.right + 2, R.bottom}, background);
    if (AMenu->GetLastVisibleControl() == AControl) {
        const int height = uiHeightOfRect(AMenu->GetClientRect());
        ClassicFillPart(ADC, TRect{R.left - n, R.bottom, R.right + 2, height}, background);
        if (n == 1) SetPixel(ADC, R.left - 2, height - 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    }
}
