#include "ui/ribbon/view/RibbonTabsAreaButtons.h"

#include "platform/vcl/Graphics.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarManager.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/ribbon/form/RibbonFormCaptionHelperIntf.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonButtons.h"
#include "ui/ribbon/view/RibbonHitInfo.h"
#include "ui/ribbon/view/RibbonPainter.h"
#include "ui/ribbon/view/RibbonViewInfo.h"

// ---- Help button

void TovRibbonHelpButtonViewInfo::Click() {
    GetRibbon()->DoHelpButtonClick();
}

std::uint8_t TovRibbonHelpButtonViewInfo::HitCode() {
    return ribbonHitHelpButton;
}

void TovRibbonHelpButtonViewInfo::DrawBackground(TuiCanvas* ACanvas, const TRect& R, int AState) {
    if (TovRibbonPainter* painter = GetPainter()) painter->DrawHelpButton(ACanvas, R, AState);
}

TRect TovRibbonHelpButtonViewInfo::GetGlyphBounds(const TRect& R) {
    TovRibbonHelpButton* button = GetRibbon()->HelpButton();
    TBitmap* glyph = button->Glyph();
    TSize size{GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
    if (glyph != nullptr && !glyph->Empty()) size = TSize{glyph->Width(), glyph->Height()};
    if (button->StretchGlyph()) size = uiSizeOfRect(uiFitAspect(R, size));
    return uiCentreSizeIn(R, size);
}

void TovRibbonHelpButtonViewInfo::DrawGlyph(TuiCanvas* ACanvas, const TRect& R, int AState) {
    if (TovRibbonPainter* painter = GetPainter())
        painter->DrawHelpButtonGlyph(ACanvas, GetRibbon()->HelpButton()->Glyph(), AState, GetGlyphBounds(R));
}

// ---- Minimize button

int TovRibbonMinimizeButtonViewInfo::GetGlyphKind() {
    TovCustomRibbon* ribbon = GetRibbon();
    if (ribbon->ShowTabGroups()) return ovRibbonMinimizeGlyphCollapse;
    return ribbon->IsTabGroupsPopupVisible() ? ovRibbonMinimizeGlyphPin : ovRibbonMinimizeGlyphExpand;
}

std::string TovRibbonMinimizeButtonViewInfo::GetHint() {
    switch (GetGlyphKind()) {
    case ovRibbonMinimizeGlyphCollapse:
        return "Collapse the Ribbon";
    case ovRibbonMinimizeGlyphPin:
        return "Pin the Ribbon";
    default:
        return "Expand the Ribbon";
    }
}

void TovRibbonMinimizeButtonViewInfo::Click() {
    if (!GetEnabled()) return;
    TovCustomRibbon* ribbon = GetRibbon();
    ribbon->SetShowTabGroups(!ribbon->ShowTabGroups());
}

void TovRibbonMinimizeButtonViewInfo::DrawBackground(TuiCanvas* ACanvas, const TRect& R, int AState) {
    if (TovRibbonPainter* painter = GetPainter())
        painter->DrawMinimizeButton(ACanvas, R, !GetRibbon()->ShowTabGroups(), AState);
}

void TovRibbonMinimizeButtonViewInfo::DrawGlyph(TuiCanvas* ACanvas, const TRect& R, int AState) {
    if (TovRibbonPainter* painter = GetPainter())
        painter->DrawMinimizeButtonGlyph(ACanvas, R, GetGlyphKind(), AState);
}

// ---- MDI buttons

std::string TovRibbonMDIButtonViewInfo::GetHint() {
    static const char* const Hints[] = {"Minimize Window", "Restore Window", "Close Window"};
    return Hints[ButtonType >= 0 && ButtonType <= 2 ? ButtonType : 2];
}

void TovRibbonMDIButtonViewInfo::Click() {
    TovCustomRibbon* ribbon = GetRibbon();
    if (ribbon->IsBarManagerValid() && GetEnabled()) ribbon->BarManager()->SendMDIChildSysCommand(ButtonType);
}

void TovRibbonMDIButtonViewInfo::DrawBackground(TuiCanvas* ACanvas, const TRect& R, int AState) {
    if (TovRibbonPainter* painter = GetPainter()) painter->DrawMDIButton(ACanvas, R, AState, ButtonType);
}

void TovRibbonMDIButtonViewInfo::DrawGlyph(TuiCanvas* ACanvas, const TRect& R, int AState) {
    if (TovRibbonPainter* painter = GetPainter()) painter->DrawMDIButtonGlyph(ACanvas, R, AState, ButtonType);
}

// ---- The container at the tab row's right end

void TovRibbonTabsAreaButtonsViewInfo::RecreateButtons() {
    TovCustomRibbon* ribbon = GetRibbon();
    TovRibbonViewInfo* viewInfo = Owner();
    // Kinds: -2 minimize, -1 help, 0..2 the MDI buttons.
    std::vector<int> kinds;
    if (ribbon->Style() == rs2010) kinds.push_back(-2);
    IovRibbonFormCaptionHelper* helper = ribbon->FormCaptionHelper();
    if (ribbon->OnHelpButtonClick.Assigned() && viewInfo->IsTabsVisible(false) &&
        (helper == nullptr || !helper->IsHelpButtonInCaption()))
        kinds.push_back(-1);
    if (viewInfo->HasMDIButtons())
        for (int type = 0; type < 3; ++type)
            kinds.push_back(type);
    // The same buttons stay (with their state, fade and keyboard face) while the set does not change.
    if (kinds == FKinds) return;
    FKinds = kinds;
    Clear();
    for (int kind : kinds) {
        if (kind == -2)
            AddButton(new TovRibbonMinimizeButtonViewInfo(this));
        else if (kind == -1)
            AddButton(new TovRibbonHelpButtonViewInfo(this));
        else
            AddButton(new TovRibbonMDIButtonViewInfo(this, kind));
    }
}

void TovRibbonTabsAreaButtonsViewInfo::CalculateButtonsBounds(const TRect& ABounds) {
    const int side = uiHeightOfRect(ABounds);
    int right = ABounds.right;
    for (int i = GetCount() - 1; i >= 0; --i) {
        Button(i)->Bounds = TRect{right - side, ABounds.top, right, ABounds.bottom};
        right -= side;
    }
    Bounds = ABounds;
    Bounds.left = GetCount() > 0 ? Button(0)->Bounds.left : ABounds.right;
}

void TovRibbonTabsAreaButtonsViewInfo::Draw(TuiCanvas* ACanvas) {
    if (GetCount() == 0) return;
    if (!Owner()->IsTabsOnGlass()) {
        TovRibbonButtonsContainerViewInfo::Draw(ACanvas);
        return;
    }
    // On glass the buttons compose over a copy of what lies under them.
    const int width = uiWidthOfRect(Bounds), height = uiHeightOfRect(Bounds);
    if (width <= 0 || height <= 0) return;
    TuiBitmap32 bitmap(width, height, true);
    TuiCanvas* canvas = bitmap.GetuiCanvas();
    uiBlitRect(canvas->Handle(), ACanvas->Handle(), TRect{0, 0, width, height}, SRCCOPY,
               TPoint{Bounds.left, Bounds.top});
    canvas->SetWindowOrg(TPoint{Bounds.left, Bounds.top});
    TovRibbonButtonsContainerViewInfo::Draw(canvas);
    canvas->SetWindowOrg(TPoint{0, 0});
    uiBlitRect(ACanvas->Handle(), canvas->Handle(), Bounds, SRCCOPY, TPoint{0, 0});
}
