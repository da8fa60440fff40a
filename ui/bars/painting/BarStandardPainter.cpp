// The classic looks' toolbars: docked borders with their grip bars, floating frames, the close button
// and the mark of floating bars, the embossed chevrons, MDI buttons drawn by the system (flat on a main
// menu that shows the manager's close button), the look-and-feel painter they borrow and the painter
// classes of the table.
#include "ui/bars/painting/BarStandardPainter.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarPainterChoice.h"
#include "ui/bars/controls/SubMenuControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/mdi/BarMDIState.h"
#include "ui/bars/painting/BarBackgrounds.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"

#include <algorithm>
#include <memory>

namespace {

void ClassicLine(HDC ADC, int X1, int Y1, int X2, int Y2) {
    MoveToEx(ADC, X1, Y1, nullptr);
    LineTo(ADC, X2, Y2);
}

// Runs ADraw with a one-pixel pen of the system colour selected.
template <typename TDraw> void ClassicWithPen(HDC ADC, int AColorIndex, TDraw ADraw) {
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(AColorIndex));
    HGDIOBJ previous = SelectObject(ADC, pen);
    ADraw();
    SelectObject(ADC, previous);
    DeleteObject(pen);
}

// The main form shows the buttons of a maximized MDI child in its menu bar.
bool ClassicShowsMDIChildButtons() {
    IovBarMDISource* source = ovBarMDISource();
    HWND child = source != nullptr ? source->ActiveChild() : nullptr;
    return child != nullptr && source->IsMaximized(child);
}

} // namespace

// ---- Metrics

void TovBarStandardPainter::SubMenuControlGetMenuContentOffsets(TovBarSubMenuControl* AMenu, TRect& R) {
    SubMenuControlGetContentOffsets(R);
    if (AMenu != nullptr && AMenu->HasDetachCaption()) R.top = 0;
}

TuiCustomLookAndFeelPainter* TovBarStandardPainter::GetLookAndFeelPainter() {
    TuiPaintersRegistry* registry = uiPaintersRegistry();
    return registry != nullptr
               ? dynamic_cast<TuiCustomLookAndFeelPainter*>(registry->GetPainterByStyle(lfsFlat))
               : nullptr;
}

// ---- Docked border and grip

void TovBarStandardPainter::DrawRaisedBorder(HDC ADC, TRect& R) {
    DrawEdge(ADC, &R, BDR_RAISEDINNER, BF_RECT);
    R = uiGrowRect(R, -2, -2);
}

void TovBarStandardPainter::DrawGripBar(HDC ADC, const TRect& R, bool AHorizontalBar, bool AHighlightCorner) {
    TRect bar = R;
    DrawEdge(ADC, &bar, BDR_RAISEDINNER, BF_RECT);
    // DrawEdge ends the light side one pixel short; the corner pixel makes it run the whole length.
    if (AHighlightCorner) {
        const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT);
        if (AHorizontalBar)
            SetPixel(ADC, R.left, R.bottom - 1, light);
        else
            SetPixel(ADC, R.right - 1, R.top, light);
    }
    const TRect inside = uiGrowRect(R, -1, -1);
    if (!uiIsRectEmpty(inside)) FillRect(ADC, &inside, GetSysColorBrush(COLOR_BTNFACE));
    ExcludeClipRect(ADC, R.left, R.top, R.right, R.bottom);
}

void TovBarStandardPainter::BarDrawDockedBarBorder(TovBarControl* ABarControl, HDC ADC, TRect& R) {
    DrawRaisedBorder(ADC, R);
    if (!ABarControl->CanMove()) return;
    const bool horizontal = !ABarControl->IsVerticalDocked();
    const int finger = BarFingerWidth();
    for (int index = 0; index < 2; ++index) {
        const int start = (horizontal ? R.left : R.top) + BarGripOffset() + index * finger;
        const TRect bar = horizontal ? TRect{start, R.top, start + finger, R.bottom}
                                     : TRect{R.left, start, R.right, start + finger};
        DrawGripBar(ADC, bar, horizontal, true);
    }
}

void TovBarEnhancedPainter::BarDrawDockedBarBorder(TovBarControl* ABarControl, HDC ADC, TRect& R) {
    DrawRaisedBorder(ADC, R);
    if (!ABarControl->CanMove()) return;
    const bool horizontal = !ABarControl->IsVerticalDocked();
    const int start = (horizontal ? R.left : R.top) + BarGripOffset();
    const int finger = BarFingerWidth();
    const TRect bar = horizontal ? TRect{start, R.top + 1, start + finger, R.bottom - 1}
                                 : TRect{R.left + 1, start, R.right - 1, start + finger};
    DrawGripBar(ADC, bar, horizontal, false);
}

// ---- Floating bars

void TovBarStandardPainter::BarPaintFloatingFrame(TovBarControl* ABarControl, HDC ADC, const TRect& R) {
    TRect r = R;
    DrawEdge(ADC, &r, EDGE_RAISED, BF_RECT);
    r = uiGrowRect(r, -2, -2);
    HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
    for (int ring = 0; ring < 2; ++ring) {
        FrameRect(ADC, &r, face);
        r = uiGrowRect(r, -1, -1);
    }
}

void TovBarStandardPainter::BarDrawCloseButton(TovBarControl* ABarControl, HDC ADC, const TRect& R) {
    HBRUSH ring = CreateSolidBrush(ColorToRGB(ABarControl->GetCaptionColor()));
    FrameRect(ADC, &R, ring);
    DeleteObject(ring);
    TRect button = uiGrowRect(R, -1, -1);
    DrawFrameControl(ADC, &button, DFC_CAPTION,
                     DFCS_CAPTIONCLOSE | (ABarControl->CloseButtonState() == 2 ? DFCS_PUSHED : 0));
}

// ---- The toolbar mark

void TovBarStandardPainter::BarGetMarkRect(TovBarControl* ABarControl, TRect& R) {
    if (ABarControl->DockingStyleOf() != dsNone) {
        TovBarPainter::BarGetMarkRect(ABarControl, R);
        return;
    }
    // The system draws the caption's buttons at the right: the mark takes the caption's left end.
    const TRect caption = ABarControl->GetCaptionClientRect();
    R = TRect{caption.left, caption.top, caption.left + 13, caption.bottom};
}

void TovBarStandardPainter::BarShiftFloatingCaption(TovBarControl* ABarControl, int& X, TRect& R) {
    // The mark holds the caption's left end (the right one is the close button's): the text starts after
    // it instead of losing its whole room to a mark that is not at the right.
    TRect mark{};
    BarGetMarkRect(ABarControl, mark);
    X = std::max(X, mark.right + 2);
    R.left = std::max(R.left, mark.right);
}

void TovBarStandardPainter::BarDrawMarkBackground(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                                  const TRect& R) {
    ABarControl->FillBackground(ADC, R, clNone, ABrush);
}

void TovBarEnhancedPainter::BarDrawMarkBackground(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                                  const TRect& R) {
    TRect r = R;
    switch (ABarControl->GetMarkState()) {
    case 1:
        DrawEdge(ADC, &r, BDR_RAISEDINNER, BF_RECT);
        break;
    case 2:
        DrawEdge(ADC, &r, BDR_SUNKENOUTER, BF_RECT);
        break;
    default:
        FrameRect(ADC, &r, ABrush);
    }
    ABarControl->FillBackground(ADC, uiGrowRect(R, -1, -1), clNone, ABrush);
}

void TovBarStandardPainter::BarDrawMarkChevrons(TovBarControl* ABarControl, HDC ADC, int AOffset,
                                                bool ASmall) {
    const int a = AOffset;
    if (ABarControl->IsHorizontalDocked()) {
        // A chevron pointing right: a light stroke with a shadow stroke beside it.
        ClassicWithPen(ADC, COLOR_BTNHIGHLIGHT, [&] {
            ClassicLine(ADC, a - 1, 1, a + 2, 4);
            ClassicLine(ADC, a + 3, 4, a - 1, 8);
        });
        ClassicWithPen(ADC, COLOR_BTNSHADOW, [&] {
            const POINT shadow[] = {{a, 1}, {a + 2, 3}, {a + 2, 4}, {a - 1, 7}};
            Polyline(ADC, shadow, 4);
        });
        return;
    }
    const int w = uiWidthOfRect(ABarControl->GetClientRect());
    ClassicWithPen(ADC, COLOR_BTNSHADOW, [&] {
        ClassicLine(ADC, w - 8, a, w - 4, a + 4);
        ClassicLine(ADC, w - 4, a + 1, w - 2, a - 1);
    });
    ClassicWithPen(ADC, COLOR_BTNHIGHLIGHT, [&] {
        const POINT light[] = {{w - 7, a}, {w - 5, a + 2}, {w - 4, a + 2}, {w - 1, a - 1}};
        Polyline(ADC, light, 4);
    });
}

void TovBarEnhancedPainter::BarDrawMarkChevrons(TovBarControl* ABarControl, HDC ADC, int AOffset,
                                                bool ASmall) {
    TovBarPainter::BarDrawMarkChevrons(ABarControl, ADC, AOffset, ASmall);
}

// ---- MDI buttons

void TovBarStandardPainter::BarPaintMDIButton(TovBarControl* ABarControl, HDC ADC, const TRect& R,
                                              int AButton, int AState) {
    static const UINT Kinds[] = {DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE};
    if (AButton < 0 || AButton > 2) return;
    TovBarManager* manager = ABarControl->GetBarManager();
    // The manager's own close button on the main menu may be flat; a child's buttons never are.
    const bool flat = AButton == 2 && manager != nullptr && manager->FlatCloseButton() &&
                      ABarControl->IsMainMenu() && manager->ShowCloseButton() &&
                      !ClassicShowsMDIChildButtons();
    HRGN saved = nullptr;
    bool exists = false;
    if (flat) {
        SaveCurrentClipRegion(ADC, saved, exists);
        const TRect inner = uiGrowRect(R, -1, -1);
        IntersectClipRect(ADC, inner.left, inner.top, inner.right, inner.bottom);
    }
    TRect button = R;
    DrawFrameControl(ADC, &button, DFC_CAPTION,
                     Kinds[AButton] | (AState == 1 ? DFCS_INACTIVE : 0) | (AState == 4 ? DFCS_PUSHED : 0) |
                         (flat ? DFCS_FLAT : 0));
    if (!flat) return;
    RestoreSavedClipRegion(ADC, saved, exists);
    TRect edge = R;
    DrawEdge(ADC, &edge, AState == 4 ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
}

// ---- The painter classes

const TovBarPainterClass ovBarStandardPainterClass{
    "TovBarStandardPainter", [](TuiLookAndFeelPainterBase* ASkinPainter) -> std::unique_ptr<TovBarPainter> {
        return std::make_unique<TovBarStandardPainter>(ASkinPainter);
    }};

const TovBarPainterClass ovBarEnhancedPainterClass{
    "TovBarEnhancedPainter", [](TuiLookAndFeelPainterBase* ASkinPainter) -> std::unique_ptr<TovBarPainter> {
        return std::make_unique<TovBarEnhancedPainter>(ASkinPainter);
    }};
