// The themed look of the Customize window's lists: the visual style's edit, toolbar-button and combo
// parts. Each part falls back to the base drawing when the theme class does not open (always, on a
// system without visual styles).
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Canvas.h"
#include "ui/bars/BarButtons.h"
#include "ui/bars/BarEditItems.h"
#include "ui/bars/customize/form/CustomizationFormPainter.h"
#include "ui/bars/customize/form/CustomizationFormPainterParts.h"
#include "ui/bars/painting/BarXPThemeParts.h"
#include "ui/core/base/Geometry.h"

using namespace custform_parts;
using namespace bar_xp_parts;

namespace {

// Theme state numbers: a toolbar button's hot state, a combo drop-down button's normal state and an
// edit's normal state.
constexpr int TS_HOT = 2;
constexpr int CBXS_NORMAL = 1;
constexpr int ETS_NORMAL = 1;

} // namespace

void TovBarCustomizationFormXPPainter::DrawEditFrame(TCanvas* ACanvas, TRect& ARect, bool) const {
    ACanvas->FrameRect(ARect);
    ARect = uiGrowRect(ARect, -1, -1);
}

void TovBarCustomizationFormXPPainter::DrawEditInterior(TCanvas* ACanvas, const TRect& ARect, bool ASelected,
                                                        TovBarItem* AItem) const {
    HDC dc = ACanvas->Handle();
    const TRect interior = uiGrowRect(ARect, -1, -1);
    // The edit's themed border goes around the interior only.
    const int saved = SaveDC(dc);
    ExcludeClipRect(dc, interior.left, interior.top, interior.right, interior.bottom);
    const bool themed = DrawThemePart(totEdit, dc, EP_EDITTEXT, ETS_NORMAL, ARect);
    RestoreDC(dc, saved);
    if (!themed) FrameWithColor(dc, ARect, clBtnShadow);
    TovBarCustomizationFormPainter::DrawEditInterior(ACanvas, interior, ASelected, AItem);
}

void TovBarCustomizationFormXPPainter::DrawDropDownPart(TCanvas* ACanvas, const TRect& ARect, bool ASelected,
                                                        TovBarItem* AItem) const {
    FillWithCanvasBrush(ACanvas, ARect, GetEntryColor(false, AItem));
    if (!DrawToolBarPart(ACanvas->Handle(), TP_BUTTON, TS_HOT, ARect))
        TovBarCustomizationFormPainter::DrawDropDownPart(ACanvas, ARect, ASelected, AItem);
}

void TovBarCustomizationFormXPPainter::DrawEntryGlyph(TCanvas* ACanvas, const TRect& AGlyphRect,
                                                      bool ASelected, TovBarItem* AItem) const {
    if (ASelected && dynamic_cast<TovBarButton*>(AItem) != nullptr &&
        DrawToolBarPart(ACanvas->Handle(), TP_BUTTON, TS_HOT, AGlyphRect)) {
        DrawEntryImage(ACanvas, AGlyphRect, ASelected, AItem);
        return;
    }
    TovBarCustomizationFormPainter::DrawEntryGlyph(ACanvas, AGlyphRect, ASelected, AItem);
}

void TovBarCustomizationFormXPPainter::DrawComboButton(TCanvas* ACanvas, TovBarItem* AItem, bool ASelected,
                                                       const TRect& ARect) const {
    if (!DrawThemePart(totComboBox, ACanvas->Handle(), CP_DROPDOWNBUTTON, CBXS_NORMAL, ARect))
        TovBarCustomizationFormPainter::DrawComboButton(ACanvas, AItem, ASelected, ARect);
}

void TovBarCustomizationFormXPPainter::DrawFocus(TCanvas* ACanvas, const TRect& ARect,
                                                 TovBarItem* AItem) const {
    TRect r = ARect;
    // The themed glyph square has its own hot background: the focus frame keeps to the caption.
    if (dynamic_cast<TovCustomBarEdit*>(AItem) == nullptr && EntryHasImage(AItem)) r.left += r.bottom - r.top;
    TovBarCustomizationFormPainter::DrawFocus(ACanvas, r, AItem);
}

int TovBarCustomizationFormXPPainter::GetComboButtonWidth() const {
    return 13;
}
