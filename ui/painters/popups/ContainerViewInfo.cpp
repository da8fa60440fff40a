#include "ui/painters/popups/ContainerViewInfo.h"

#include "ui/core/base/Geometry.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/graphics/Region.h"
#include "ui/core/platform/UxTheme.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"
#include "ui/painters/popups/ContainerStyle.h"

namespace container_view_info_detail {
constexpr int TMT_BORDERCOLOR = 3801;
} // namespace container_view_info_detail

void uiFillRing(TuiCanvas* ACanvas, const TRect& AOuter, const TRect& AInner, TColor AColor) {
    if (uiIsRectEmpty(AOuter) || AOuter == AInner) return;
    if (uiIsRectEmpty(AInner)) {
        ACanvas->FillRect(AOuter, AColor);
        return;
    }
    ACanvas->FillRect(TRect{AOuter.left, AOuter.top, AInner.left, AOuter.bottom}, AColor);
    ACanvas->FillRect(TRect{AInner.left, AOuter.top, AInner.right, AInner.top}, AColor);
    ACanvas->FillRect(TRect{AInner.right, AOuter.top, AOuter.right, AOuter.bottom}, AColor);
    ACanvas->FillRect(TRect{AInner.left, AInner.bottom, AInner.right, AOuter.bottom}, AColor);
}

TuiContainerViewInfo::TuiContainerViewInfo(TObject* AOwner) : ContainerState{csNormal}, Owner(AOwner) {}

void TuiContainerViewInfo::Assign(TuiContainerViewInfo* ASource) {
    if (ASource != nullptr) ClientRect = ASource->ClientRect;
}

TuiRegion* TuiContainerViewInfo::UpdateRegionOf() {
    return new TuiRegion();
}

void TuiContainerViewInfo::Offset(int DX, int DY) {
    BorderRect = uiShiftRect(BorderRect, DX, DY);
    Bounds = uiShiftRect(Bounds, DX, DY);
    ClientRect = uiShiftRect(ClientRect, DX, DY);
}

void TuiContainerViewInfo::UpdateStyle(TuiContainerStyle* AStyle) {
    TuiLookAndFeel* lookAndFeel = AStyle->LookAndFeel();
    Painter = dynamic_cast<TuiCustomLookAndFeelPainter*>(lookAndFeel->Painter());
    UsesSkinPainter = lookAndFeel->SkinPainter() != nullptr;
}

void TuiContainerViewInfo::DrawBorderFrame(TuiCanvas* ACanvas, const TRect& R) {
    if (Painter != nullptr)
        Painter->DrawContainerBorder(ACanvas, R, BorderStyle, BorderWidth, BorderColor, Edges);
}

void TuiContainerViewInfo::DrawShadow(TuiCanvas* ACanvas, const TRect& R) {
    const TRect below{R.left + uiContainerShadowWidth, R.bottom, R.right, R.bottom + uiContainerShadowWidth};
    ACanvas->FillRect(below, clBtnShadow);
    ACanvas->ExcludeClipRect(below);
    const TRect right{R.right, R.top + uiContainerShadowWidth, R.right + uiContainerShadowWidth,
                      R.bottom + uiContainerShadowWidth};
    ACanvas->FillRect(right, clBtnShadow);
    ACanvas->ExcludeClipRect(right);
}

void TuiContainerViewInfo::PaintNative(TuiCanvas* ACanvas) {
    using namespace container_view_info_detail;
    if (GetContainerBorderStyle() == cbsNone) {
        ACanvas->FillRect(Bounds, BackgroundColor);
        return;
    }
    TRect content = Bounds;
    if (HTHEME theme = OpenTheme(ThemedObjectType))
        GetThemeBackgroundContentRect(theme, ACanvas->Handle(), 1, NativeState, &Bounds, &content);
    ACanvas->FillRect(content, BackgroundColor);
    COLORREF border = ColorToRGB(clWindowFrame);
    const bool composition = IsCompositionEnabled();
    if (HTHEME theme = OpenTheme(composition ? totListBox : totComboBox))
        GetThemeColor(theme, composition ? 3 : 1, 1, TMT_BORDERCOLOR, &border);
    uiFillRing(ACanvas, Bounds, content, static_cast<TColor>(border));
}

void TuiContainerViewInfo::PaintCore(TuiCanvas* ACanvas) {
    if (NativeStyle) return PaintNative(ACanvas);
    TRect frame =
        uiGrowRectSides(BorderRect, BorderWidth, BorderWidth, Edges.Contains(bRight) ? BorderWidth : 0,
                        Edges.Contains(bBottom) ? BorderWidth : 0);
    if (Shadow) DrawShadow(ACanvas, frame);
    frame = uiGrowRectSides(frame, 0, 0, Edges.Contains(bRight) ? 0 : BorderWidth,
                            Edges.Contains(bBottom) ? 0 : BorderWidth);
    DrawBorderFrame(ACanvas, frame);
    ACanvas->FillRect(BorderRect, BackgroundColor);
}
