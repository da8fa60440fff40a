// The themed look's metrics (read from the theme when a painter is made), its brushes, its toolbars — the
// rebar background cached per dock with its row lines, grippers, separators, the small close button, MDI
// buttons, the toolbar mark — the fading pictures, the status bar and size grip routines the base calls,
// and the painter class of the table.
#include "ui/bars/painting/BarXPPainter.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Bitmap.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarItemControl.h"
#include "ui/bars/BarPainterChoice.h"
#include "ui/bars/controls/DockControl.h"
#include "ui/bars/controls/ToolbarControl.h"
#include "ui/bars/itemcontrols/ItemDrawParams.h"
#include "ui/bars/painting/BarFlatPainter.h"
#include "ui/bars/painting/BarFonts.h"
#include "ui/bars/painting/BarUnitState.h"
#include "ui/bars/painting/BarXPThemeParts.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/platform/ThemeManager.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"

#include <algorithm>
#include <memory>

namespace xp = bar_xp_parts;

namespace {

TovBarXPThemeMetrics XPMetrics;

bool XPPartSize(TovThemedObjectType AType, int APart, int AState, int AKind, SIZE& ASize) {
    HTHEME theme = OpenTheme(AType);
    return theme != nullptr &&
           ovGetThemePartSize(theme, nullptr, APart, AState, nullptr, AKind, &ASize) == S_OK;
}

// The content rectangle of the part inside (0, 0, 100, 100).
bool XPContentOf(TovThemedObjectType AType, int APart, int AState, RECT& AContent) {
    HTHEME theme = OpenTheme(AType);
    const RECT bounds{0, 0, 100, 100};
    return theme != nullptr &&
           ovGetThemeBackgroundContentRect(theme, nullptr, APart, AState, &bounds, &AContent) == S_OK;
}

void XPReadThemeMetrics() {
    XPMetrics = TovBarXPThemeMetrics{};
    SIZE size{};
    if (XPPartSize(totToolBar, xp::TP_SEPARATOR, 1, xp::PartSizeMin, size)) XPMetrics.SeparatorSize = size.cx;
    if (XPPartSize(totWindow, xp::WP_SMALLCLOSEBUTTON, 1, xp::PartSizeTrue, size))
        XPMetrics.CaptionButtonSize = TSize{size.cx, size.cy};
    RECT content{};
    if (XPContentOf(totToolBar, xp::TP_SPLITBUTTON, 1, content))
        XPMetrics.ItemIndent = 100 - (content.bottom - content.top);
    if (ovOSVersion().IsWin7OrLater)
        XPMetrics.ComboArrowWidth = GetSystemMetrics(SM_CYHSCROLL);
    else if (XPPartSize(totComboBox, xp::CP_DROPDOWNBUTTON, 1, xp::PartSizeTrue, size))
        XPMetrics.ComboArrowWidth = size.cx;
    if (XPContentOf(totEdit, xp::EP_EDITTEXT, 1, content))
        XPMetrics.EditContentOffsets =
            TRect{content.left, content.top, 100 - content.right, 100 - content.bottom};
    if (XPPartSize(totRebar, xp::RP_GRIPPER, 1, xp::PartSizeTrue, size)) XPMetrics.FingerWidth = size.cx;
    if (XPPartSize(totProgress, xp::PP_CHUNK, 0, xp::PartSizeTrue, size)) {
        const int chunk = size.cy;
        if (XPContentOf(totProgress, xp::PP_BAR, 0, content))
            XPMetrics.ProgressHeight = chunk + 100 - (content.right - content.left);
    }
    if (XPPartSize(totToolBar, xp::TP_SEPARATORVERT, 1, xp::PartSizeTrue, size))
        XPMetrics.BeginGroupSize = size.cy;
    if (XPPartSize(totStatus, xp::SP_GRIPPER, 0, xp::PartSizeTrue, size))
        XPMetrics.SizeGripSize = TSize{size.cx, size.cy};
}

void XPBlitFrom(HDC ADC, const TRect& ADest, TBitmap* ABitmap, const TPoint& AOrigin) {
    BitBlt(ADC, ADest.left, ADest.top, uiWidthOfRect(ADest), uiHeightOfRect(ADest),
           ABitmap->Canvas()->Handle(), AOrigin.x, AOrigin.y, SRCCOPY);
}

// The bar whose border decides a dock row's lines: the first bordered bar, else the first bar.
TovBar* XPRepresentativeBar(const TovDockRowInfo& ARow) {
    for (TovBar* bar : ARow.Bars)
        if (bar != nullptr && bar->BorderStyle() != bbsNone) return bar;
    return ARow.Bars.empty() ? nullptr : ARow.Bars.front();
}

void XPDrawDockRowLines(HDC ADC, TovBarDockingStyle AStyle, const std::vector<TovDockRowInfo>& ARows) {
    const int last = static_cast<int>(ARows.size()) - 1;
    const bool across = AStyle == dsTop || AStyle == dsBottom;
    for (int i = 0; i <= last; ++i) {
        const TovBar* bar = XPRepresentativeBar(ARows[i]);
        if (bar == nullptr || bar->BorderStyle() == bbsNone || bar->IsStatusBarLike()) continue;
        const TRect& r = ARows[i].Bounds;
        const bool light = !(i == 0 && (AStyle == dsTop || AStyle == dsLeft));
        const bool shadow = !(i == last && (AStyle == dsBottom || AStyle == dsTop || AStyle == dsRight));
        const TRect lightLine =
            across ? TRect{r.left, r.top, r.right, r.top + 1} : TRect{r.left, r.top, r.left + 1, r.bottom};
        const TRect shadowLine = across ? TRect{r.left, r.bottom - 1, r.right, r.bottom}
                                        : TRect{r.right - 1, r.top, r.right, r.bottom};
        if (light) FillRect(ADC, &lightLine, GetSysColorBrush(COLOR_BTNHIGHLIGHT));
        if (shadow) FillRect(ADC, &shadowLine, GetSysColorBrush(COLOR_BTNSHADOW));
    }
}

} // namespace

// ---- Creation and metrics

TovBarXPPainter::TovBarXPPainter(TuiLookAndFeelPainterBase* ASkinPainter) : TovBarPainter(ASkinPainter) {
    XPReadThemeMetrics();
}

TovBarXPPainter::~TovBarXPPainter() {
    if (FToolbarBrush != nullptr) DeleteObject(FToolbarBrush);
}

const TovBarXPThemeMetrics& TovBarXPPainter::ThemeMetrics() {
    return XPMetrics;
}

TuiCustomLookAndFeelPainter* TovBarXPPainter::GetLookAndFeelPainter() {
    TuiPaintersRegistry* registry = uiPaintersRegistry();
    return registry != nullptr
               ? dynamic_cast<TuiCustomLookAndFeelPainter*>(registry->GetPainterByStyle(lfsNative))
               : nullptr;
}

int TovBarXPPainter::BarFingerWidth() {
    return XPMetrics.FingerWidth;
}

int TovBarXPPainter::GetButtonArrowWidth(TovBarManager* AManager) {
    return TovBarPainter::GetButtonArrowWidth(AManager) + 3;
}

int TovBarXPPainter::GetLargeButtonArrowWidth(TovBarManager* AManager) {
    return TovBarPainter::GetLargeButtonArrowWidth(AManager) + 3;
}

int TovBarXPPainter::GetComboBoxArrowWidth(TCustomovBarControl* ABarControl, int AZeroWidth) {
    return XPMetrics.ComboArrowWidth >= 0 ? XPMetrics.ComboArrowWidth
                                          : TovBarPainter::GetComboBoxArrowWidth(ABarControl, AZeroWidth);
}

int TovBarXPPainter::BarSeparatorSize() {
    return XPMetrics.SeparatorSize;
}

TSize TovBarXPPainter::BarCaptionButtonSize() {
    if (XPMetrics.CaptionButtonSize.cx > 0 && XPMetrics.CaptionButtonSize.cy > 0)
        return XPMetrics.CaptionButtonSize;
    return TovBarPainter::BarCaptionButtonSize();
}

int TovBarXPPainter::GetItemHeightIndent() {
    return XPMetrics.ItemIndent;
}

int TovBarXPPainter::SubMenuControlSeparatorHeight() {
    return XPMetrics.BeginGroupSize >= 0 ? XPMetrics.BeginGroupSize
                                         : TovBarPainter::SubMenuControlSeparatorHeight();
}

int TovBarXPPainter::SeparatorGetLineHeight() {
    return XPMetrics.BeginGroupSize >= 0 ? XPMetrics.BeginGroupSize : TovBarPainter::SeparatorGetLineHeight();
}

int TovBarXPPainter::ProgressGetHeight() {
    return XPMetrics.ProgressHeight;
}

int TovBarXPPainter::GetPopupPanelHeight() {
    TSize close{}, grip{};
    ThemedCloseButtonExtent(close);
    ThemedSizeGripExtent(grip);
    return std::max(close.cy + 4, grip.cy + 1);
}

// ---- Brushes

HBRUSH TovBarXPPainter::BarToolbarBrush(TCustomovBarControl* ABarControl) {
    if (FToolbarBrush == nullptr) FToolbarBrush = CreateSolidBrush(ColorToRGB(ThemedToolbarFillColor()));
    return FToolbarBrush;
}

HBRUSH TovBarXPPainter::BarDownedBrush(TCustomovBarControl* ABarControl) {
    return ovBarPatternBrush();
}

HBRUSH TovBarXPPainter::BarDownedSelBrush(TCustomovBarControl* ABarControl) {
    return GetSysColorBrush(COLOR_BTNFACE);
}

HBRUSH TovBarXPPainter::BarSelBrush(TCustomovBarControl* ABarControl) {
    return GetSysColorBrush(COLOR_HIGHLIGHT);
}

// ---- Docks, status bars and size grips

void TovBarXPPainter::DockControlFillBackground(TovDockControl* ADock, HDC ADC, const TRect& ADestRect,
                                                const TRect& AOrigin, TColor AColor, HBRUSH ABrush) {
    const TRect client = ADock->GetClientRect();
    const TRect area{0, 0, uiWidthOfRect(client), uiHeightOfRect(client)};
    HTHEME rebar = OpenTheme(totRebar);
    if (rebar == nullptr || uiIsRectEmpty(area)) {
        TovBarPainter::DockControlFillBackground(ADock, ADC, ADestRect, AOrigin, AColor, ABrush);
        return;
    }
    TBitmap* cache = ADock->CachedBackground();
    if (cache->Empty()) {
        cache->SetSize(area.right, area.bottom);
        HDC dc = cache->Canvas()->Handle();
        ovDrawThemeBackground(rebar, dc, 0, 1, &area, nullptr);
        XPDrawDockRowLines(dc, ADock->DockingStyle(), ADock->RowInfos());
    }
    XPBlitFrom(ADC, ADestRect, cache, TPoint{AOrigin.left, AOrigin.top});
}

void TovBarXPPainter::DrawThemedStatusBarBackground(TCustomovBarControl* ABarControl, HDC ADC, const TRect& R,
                                                    const TPoint& AOrigin, const TRect& ADest) {
    TBitmap* cache = ABarControl->StatusBackgroundCache();
    if (cache->Empty()) {
        cache->SetSize(uiWidthOfRect(R), uiHeightOfRect(R));
        const RECT area{0, 0, uiWidthOfRect(R), uiHeightOfRect(R)};
        if (HTHEME status = OpenTheme(totStatus))
            ovDrawThemeBackground(status, cache->Canvas()->Handle(), 0, 0, &area, nullptr);
    }
    XPBlitFrom(ADC, ADest, cache, AOrigin);
}

void TovBarXPPainter::DrawThemedSizeGrip(TCustomovBarControl* ABarControl, HDC ADC, const TRect& R) {
    if (HTHEME status = OpenTheme(totStatus))
        ovDrawThemeBackground(status, ADC, xp::SP_GRIPPER, 0, &R, nullptr);
}

void TovBarXPPainter::GetThemedSizeGripSize(TCustomovBarControl* ABarControl, TSize& ASize) {
    ASize = XPMetrics.SizeGripSize;
    if (ASize.cx <= 0 || ASize.cy <= 0)
        ASize = TSize{GetSystemMetrics(SM_CXHSCROLL), GetSystemMetrics(SM_CYHSCROLL)};
}

// ---- Toolbars

void TovBarXPPainter::BarPaintCaptionBackground(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                                const TRect& R) {
    const bool active = ABarControl == nullptr || ABarControl->IsCaptionActive();
    FillRect(ADC, &R, GetSysColorBrush(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
}

void TovBarXPPainter::BarDrawSeparator(TCustomovBarControl* ABarControl, HDC ADC, bool AHorizontal,
                                       HBRUSH ABrush, TRect R) {
    ABarControl->FillBackground(ADC, R, clNone, ABrush);
    xp::DrawToolBarPart(ADC, AHorizontal ? xp::TP_SEPARATORVERT : xp::TP_SEPARATOR, 1, R);
}

void TovBarXPPainter::BarDrawCloseButton(TovBarControl* ABarControl, HDC ADC, const TRect& R) {
    const int state = std::clamp(ABarControl->CloseButtonState(), 0, 2) + 1;
    if (HTHEME window = OpenTheme(totWindow))
        ovDrawThemeBackground(window, ADC, xp::WP_SMALLCLOSEBUTTON, state, &R, nullptr);
}

void TovBarXPPainter::BarDrawDockedBarBorder(TovBarControl* ABarControl, HDC ADC, TRect& R) {
    R = uiGrowRect(R, -2, -2);
    if (!ABarControl->CanMove()) return;
    const bool horizontal = ABarControl->IsHorizontalDocked();
    const int start = (horizontal ? R.left : R.top) + BarGripOffset();
    const TRect gripper = horizontal ? TRect{start, R.top, start + BarFingerWidth(), R.bottom}
                                     : TRect{R.left, start, R.right, start + BarFingerWidth()};
    if (HTHEME rebar = OpenTheme(totRebar))
        ovDrawThemeBackground(rebar, ADC, horizontal ? xp::RP_GRIPPER : xp::RP_GRIPPERVERT, 1, &gripper,
                              nullptr);
}

void TovBarXPPainter::BarPaintFloatingFrame(TovBarControl* ABarControl, HDC ADC, const TRect& R) {
    BarFlatPainter()->BarPaintFloatingFrame(ABarControl, ADC, R);
}

void TovBarXPPainter::BarPaintMDIButton(TovBarControl* ABarControl, HDC ADC, const TRect& R, int AButton,
                                        int AState) {
    static const int Parts[] = {xp::WP_MDIMINBUTTON, xp::WP_MDIRESTOREBUTTON, xp::WP_MDICLOSEBUTTON};
    if (AButton < 0 || AButton > 2) return;
    const int state = AState == 1 ? 4 : AState == 2 ? 2 : AState == 4 ? 3 : 1;
    ABarControl->FillBackground(ADC, R, clNone, ABarControl->GetBackgroundBrush());
    if (HTHEME window = OpenTheme(totWindow))
        ovDrawThemeBackground(window, ADC, Parts[AButton], state, &R, nullptr);
}

void TovBarXPPainter::BarDrawMarkBackground(TovBarControl* ABarControl, HDC ADC, HBRUSH ABrush,
                                            const TRect& R) {
    DrawBarMarkFadeImage(ABarControl, ADC, R, ABarControl->GetMarkState());
}

void TovBarXPPainter::BarShiftFloatingCaption(TovBarControl* ABarControl, int& X, TRect& R) {
    X += 2;
    R.right = ABarControl->GetMarkRectInWindow().left;
}

// ---- Fading pictures

void TovBarXPPainter::DrawBarMarkFadeImage(TovBarControl* ABarControl, HDC ADC, const TRect& R, int AState) {
    ABarControl->FillBackground(ADC, R, clNone, ABarControl->GetBackgroundBrush());
    TRect r = R;
    TovBar* bar = ABarControl->Bar();
    if (bar != nullptr && bar->BorderStyle() == bbsNone)
        r = ABarControl->IsHorizontalDocked() ? uiGrowRect(r, 0, -2) : uiGrowRect(r, -2, 0);
    xp::DrawToolBarPart(ADC, xp::TP_BUTTON, std::clamp(AState, 0, 2) + 1, r);
}

void TovBarXPPainter::DrawItemControlFadeImage(TovBarItemControl* AControl, TuiCanvas* ACanvas,
                                               const TRect& R) {
    TovBarItemControlDrawParams* params = AControl->DrawParams();
    auto* button = dynamic_cast<TovBarButtonLikeControlDrawParams*>(params);
    const bool split = button != nullptr && button->Split && params->IsDropDown;
    TuiCanvas* previous = params->Canvas;
    params->Canvas = ACanvas;
    HDC dc = ACanvas->Handle();
    TRect r = AControl->GetBoundsRect();
    if (split && button != nullptr) r.right -= button->ArrowSize.cx;
    HBRUSH brush = AControl->BackgroundBrush();
    if (brush == nullptr && AControl->ParentBar() != nullptr)
        brush = AControl->ParentBar()->GetBackgroundBrush();
    PaintThemedButtonFace(AControl, dc, split, params->DroppedDown,
                          button != nullptr && button->DropDownPressed, button != nullptr && button->Down,
                          params->DrawSelected, true, params->PaintType, r, brush);
    if (params->IsDropDown && !AControl->IsMainMenuItem()) {
        const TRect bounds = AControl->GetBoundsRect();
        if (split)
            DrawDropDownButton(params, bounds);
        else
            DrawButtonArrow(params, bounds);
    }
    params->Canvas = previous;
}

// ---- The painter class

const TovBarPainterClass ovBarXPPainterClass{
    "TovBarXPPainter", [](TuiLookAndFeelPainterBase* ASkinPainter) -> std::unique_ptr<TovBarPainter> {
        return std::make_unique<TovBarXPPainter>(ASkinPainter);
    }};
