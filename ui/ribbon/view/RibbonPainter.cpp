#include "ui/ribbon/view/RibbonPainter.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Icon.h"
#include "platform/win/ApplicationIcon.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/Finally.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/GlassPainting.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/Canvas.h"
#include "ui/core/graphics/TextFlags.h"
#include "ui/core/graphics/TextMeasure.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"
#include "ui/painters/lookandfeel/PaintersManager.h"
#include "ui/painters/text/TextLayout.h"
#include "ui/ribbon/form/RibbonFormCaptionHelperIntf.h"
#include "ui/ribbon/form/RibbonFormHost.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonContexts.h"
#include "ui/ribbon/skins/RibbonSkin.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/view/RibbonApplicationButtonViewInfo.h"
#include "ui/ribbon/view/RibbonContextsViewInfo.h"
#include "ui/ribbon/view/RibbonViewInfo.h"

namespace {

// The skin part whose size is the space under a tab group's content.
constexpr int GroupContentBottomIndentPart = 10191;
constexpr TColor PlaceholderBackground = 0xC0C0C0;
constexpr int CaptionGlow = 10;
// Single line, centred both ways, end ellipsis, kept inside on the left: the caption's layout.
constexpr std::uint32_t CaptionTextFlags = 0x40A11;

// UTF-16 units of a UTF-8 text (the text engine counts its highlight in them).
int Utf16Length(const std::string& AText) {
    int units = 0;
    for (std::size_t i = 0; i < AText.size(); ++i) {
        const auto byte = static_cast<unsigned char>(AText[i]);
        if ((byte & 0xC0) == 0x80) continue;
        units += byte >= 0xF0 ? 2 : 1;
    }
    return units;
}

} // namespace

int ovRibbonScrollButtonSkinState(int AButtonState) {
    switch (AButtonState) {
    case 2:
        return 2;
    case 3:
        return 4;
    default:
        return 0;
    }
}

TovRibbonPainter* ovRibbonPainter(const TovCustomRibbon* ARibbon) {
    return ARibbon != nullptr ? dynamic_cast<TovRibbonPainter*>(ARibbon->Painter()) : nullptr;
}

TovCustomRibbonSkin* TovRibbonPainter::GetSkin() const {
    return FRibbon->Skin();
}

TovRibbonColorSchemeAccent TovRibbonPainter::GetColorSchemeAccent() const {
    return FRibbon->ColorSchemeAccent();
}

TovRibbonViewInfo* TovRibbonPainter::GetViewInfo() const {
    return ovRibbonViewInfo(FRibbon);
}

TovRibbonSkinPaintData TovRibbonPainter::PrepareSkinFormData(const TovRibbonFormPaintData& AData) {
    TovRibbonSkinPaintData data;
    data.ApplicationMenuState = FRibbon->GetApplicationMenuState();
    data.TabsGlassHeight = FRibbon->GetTabsGlassHeight();
    data.CaptionHeight = FRibbon->GetCaptionHeightWithQuickAccessToolbar();
    data.Accent = GetColorSchemeAccent();
    data.FormData = AData;
    data.IsRibbonClient = FRibbon->GetRibbonForm() != nullptr;
    data.RibbonHidden = FRibbon->IsHidden();
    if (TovRibbonViewInfo* viewInfo = GetViewInfo()) data.TabsHeight = viewInfo->GetTabsHeight();
    data.RibbonHeight = FRibbon->Height();
    return data;
}

// ---- The form

void TovRibbonPainter::DrawRibbonFormCaption(TuiCanvas* ACanvas, const TRect& R,
                                             const TovRibbonFormPaintData& AData) {
    TovCustomRibbonSkin* skin = GetSkin();
    TovRibbonViewInfo* viewInfo = GetViewInfo();
    IovRibbonFormHost* form = FRibbon->GetRibbonForm();
    if (skin != nullptr && !(form != nullptr && form->IsCaptionOnGlass()))
        skin->DrawFormCaption(ACanvas->Handle(), R, PrepareSkinFormData(AData));
    if (viewInfo == nullptr) return;
    const bool mdiChild = AData.FormStyle == 1;
    if (!viewInfo->Hidden && !mdiChild && FRibbon->GetApplicationMenuState() != 3) {
        if (FRibbon->ShowTabHeaders()) DrawTabsAreaInCaption(ACanvas, R, AData);
        if (viewInfo->IsQuickAccessToolbarInCaption())
            DrawQuickAccessToolbar(ACanvas, viewInfo->QuickAccessToolbarBounds, AData.IsActive);
        viewInfo->ApplicationButtonViewInfo()->Draw(ACanvas);
        if (viewInfo->AreContextsVisible()) viewInfo->ContextsViewInfo()->Draw(ACanvas);
    }
    if (viewInfo->IsFormIconVisible(mdiChild))
        if (IovRibbonFormCaptionHelper* helper = FRibbon->FormCaptionHelper())
            DrawFormIcon(ACanvas, helper->GetIconBounds());
    DrawRibbonFormCaptionText(ACanvas, viewInfo->CaptionTextBounds, AData, viewInfo->GetCaption(),
                              viewInfo->GetDocumentName());
}

void TovRibbonPainter::DrawRibbonFormBorders(TuiCanvas* ACanvas, const TRect& ABordersWidth,
                                             const TovRibbonFormPaintData& AData) {
    if (TovCustomRibbonSkin* skin = GetSkin())
        skin->DrawFormBorders(ACanvas->Handle(), ABordersWidth, PrepareSkinFormData(AData));
}

void TovRibbonPainter::DrawRibbonFormBorderIcon(TuiCanvas* ACanvas, const TRect& R, int AIcon, int AState) {
    if (TovCustomRibbonSkin* skin = GetSkin())
        skin->DrawFormBorderIcon(ACanvas->Handle(), R, AIcon, AState, GetColorSchemeAccent());
}

void TovRibbonPainter::SetCaptionAreaFontColor(TFont* AFont, TColor AContextColor) {
    TovRibbonViewInfo* viewInfo = GetViewInfo();
    if (TovCustomRibbonSkin* skin = GetSkin())
        skin->SetCaptionAreaFontColor(AFont, viewInfo != nullptr && viewInfo->DrawsOnGlass(), AContextColor,
                                      GetColorSchemeAccent());
}

void TovRibbonPainter::DrawTabsAreaInCaption(TuiCanvas* ACanvas, const TRect& R,
                                             const TovRibbonFormPaintData&) {
    TovCustomRibbonSkin* skin = GetSkin();
    TovRibbonViewInfo* viewInfo = GetViewInfo();
    if (skin == nullptr || viewInfo == nullptr) return;
    const TRect borders = FRibbon->GetWindowBordersWidth();
    ACanvas->SaveClipRegion();
    TovFinally restore([ACanvas] { ACanvas->RestoreClipRegion(); });
    ACanvas->IntersectClipRect(R);
    skin->DrawTabsAreaOverlay(ACanvas->Handle(),
                              uiGrowRectSides(R, borders.left, 0, borders.right, viewInfo->GetTabsHeight()),
                              viewInfo->IsTabsOnGlass());
}

void TovRibbonPainter::DrawRibbonFormCaptionText(TuiCanvas* ACanvas, const TRect& R,
                                                 const TovRibbonFormPaintData& AData,
                                                 const std::string& ACaption,
                                                 const std::string& ADocumentName) {
    TovRibbonViewInfo* viewInfo = GetViewInfo();
    if (uiIsRectEmpty(R) || viewInfo == nullptr) return;
    TFont* font = viewInfo->GetFormCaptionFont(AData.IsActive);
    ACanvas->SetFont(font);
    if (viewInfo->DrawsOnGlass()) {
        DrawRibbonFormCaptionTextOnGlass(ACanvas, R, AData.IsActive, ACaption, ADocumentName);
        return;
    }
    TRect r = R;
    ACanvas->Brush()->SetStyle(bsClear);
    // The document name is the text's first part, in its own colour.
    uiTextOut(ACanvas->Handle(), ADocumentName + ACaption, r, CaptionTextFlags, 0, Utf16Length(ADocumentName),
              font, clNone, viewInfo->GetDocumentNameTextColor(AData.IsActive), 0, 0, 0, font->Color());
    ACanvas->Brush()->SetStyle(bsSolid);
}

void TovRibbonPainter::DrawRibbonFormCaptionTextOnGlass(TuiCanvas* ACanvas, const TRect& R, bool,
                                                        const std::string& ACaption,
                                                        const std::string& ADocumentName) {
    TFont* font = ACanvas->Font();
    HDC dc = ACanvas->Handle();
    const std::string text = uiGetStringAdjustedToWidth(dc, font->Handle(), ADocumentName + ACaption, teEnd,
                                                        uiWidthOfRect(R) - 20);
    TRect r = R;
    r.right = r.left + uiMeasureTextWidth(font, text) + 20;
    const bool clip = uiWidthOfRect(r) > uiWidthOfRect(R);
    if (clip) {
        ACanvas->SaveClipRegion();
        ACanvas->IntersectClipRect(R);
    }
    uiDrawTextOnGlass(
        dc, text, font->Handle(), false, CaptionGlow,
        uiTextFlagsToDrawFlags(uiTextSingleLine | uiTextCentre | uiTextVCentre | uiTextEndEllipsis),
        font->Color(), r);
    if (clip) ACanvas->RestoreClipRegion();
}

void TovRibbonPainter::DrawFormIcon(TuiCanvas* ACanvas, const TRect& R) {
    if (uiIsRectEmpty(R)) return;
    HICON icon = nullptr;
    if (auto* form = dynamic_cast<TForm*>(FRibbon->Parent());
        form != nullptr && form->Icon() != nullptr && !form->Icon()->Empty())
        icon = form->Icon()->Handle();
    if (icon == nullptr) icon = olva::win::ApplicationIcon(uiWidthOfRect(R));
    if (icon == nullptr) return;
    DrawIconEx(ACanvas->Handle(), R.left, R.top, icon, uiWidthOfRect(R), uiHeightOfRect(R), 0, nullptr,
               DI_NORMAL);
}

// ---- The ribbon

int TovRibbonPainter::GetGroupContentBottomIndent() {
    return FRibbon->GetPartSize(GroupContentBottomIndentPart);
}

void TovRibbonPainter::DrawApplicationButton(TuiCanvas* ACanvas, const TRect& R, int AState) {
    if (uiIsRectEmpty(R)) return;
    if (TovCustomRibbonSkin* skin = GetSkin())
        skin->DrawApplicationButton(ACanvas->Handle(), R, AState, GetColorSchemeAccent());
}

void TovRibbonPainter::DrawApplicationButtonGlyph(TuiCanvas* ACanvas, const TRect& R, TBitmap* AGlyph) {
    if (AGlyph == nullptr || AGlyph->Empty())
        DrawFormIcon(ACanvas, R);
    else
        DrawGlyph(ACanvas, AGlyph, R);
}

void TovRibbonPainter::DrawGlyph(TuiCanvas* ACanvas, TBitmap* AGlyph, const TRect& R) {
    if (AGlyph == nullptr || AGlyph->Empty() || uiIsRectEmpty(R)) return;
    if (AGlyph->PixelFormat() == pf32bit) {
        uiAlphaBlend(ACanvas->Handle(), AGlyph->Canvas()->Handle(), R, 255, false,
                     TRect{0, 0, AGlyph->Width(), AGlyph->Height()});
        return;
    }
    const TBrushStyle style = ACanvas->Brush()->Style();
    ACanvas->Brush()->SetStyle(bsClear);
    TransparentBlt(ACanvas->Handle(), R.left, R.top, uiWidthOfRect(R), uiHeightOfRect(R),
                   AGlyph->Canvas()->Handle(), 0, 0, AGlyph->Width(), AGlyph->Height(),
                   ColorToRGB(AGlyph->TransparentColor()));
    ACanvas->Brush()->SetStyle(style);
}

void TovRibbonPainter::DrawRibbonBackground(TuiCanvas* ACanvas, const TRect& R) {
    TovCustomRibbonSkin* skin = GetSkin();
    TovRibbonViewInfo* viewInfo = GetViewInfo();
    if (skin == nullptr) return;
    HDC dc = ACanvas->Handle();
    if (viewInfo != nullptr && viewInfo->IsQuickAccessToolbarVisible() &&
        !viewInfo->IsQuickAccessToolbarBelow() && !viewInfo->SupportNonClientDrawing) {
        const int split = viewInfo->QuickAccessToolbarBounds.bottom;
        skin->DrawRibbonBackgroundTopPart(dc, TRect{R.left, R.top, R.right, std::min<int>(split, R.bottom)});
        if (split < R.bottom) skin->DrawRibbonBackground(dc, TRect{R.left, split, R.right, R.bottom});
        return;
    }
    skin->DrawRibbonBackground(dc, R);
}

void TovRibbonPainter::DrawContextBackground(TuiCanvas* ACanvas, const TRect& R, TColor AColor) {
    if (TovCustomRibbonSkin* skin = GetSkin()) skin->DrawContextBackground(ACanvas->Handle(), R, AColor);
}

void TovRibbonPainter::DrawContextBackgroundGlass(TuiCanvas* ACanvas, const TRect& R, TColor AColor) {
    if (TovCustomRibbonSkin* skin = GetSkin()) skin->DrawContextBackgroundGlass(ACanvas->Handle(), R, AColor);
}

void TovRibbonPainter::DrawContextGroupsArea(TuiCanvas* ACanvas, const TRect& R, bool AInPopup,
                                             bool AQuickAccessToolbarBelow) {
    TovCustomRibbonSkin* skin = GetSkin();
    TovRibbonTab* tab = FRibbon->ActiveTab();
    if (skin == nullptr || tab == nullptr || tab->Context() == nullptr || uiIsRectEmpty(R)) return;
    const TColor color = tab->Context()->Color();
    TuiBitmap32 bitmap(uiWidthOfRect(R), uiHeightOfRect(R), true);
    TuiCanvas* canvas = bitmap.GetuiCanvas();
    const TRect local = uiMoveRectToZero(R);
    canvas->FillRect(local, color);
    skin->DrawContextTabGroupsArea(canvas->Handle(), local, color, AQuickAccessToolbarBelow, AInPopup);
    uiBlitRect(ACanvas->Handle(), canvas->Handle(), R, SRCCOPY, TPoint{0, 0});
}

void TovRibbonPainter::DrawGroupsArea(TuiCanvas* ACanvas, const TRect& R, bool AAllowContextColor,
                                      bool AInPopup) {
    TovRibbonViewInfo* viewInfo = GetViewInfo();
    const bool below = viewInfo != nullptr && viewInfo->IsQuickAccessToolbarVisible() &&
                       viewInfo->IsQuickAccessToolbarBelow();
    if (AAllowContextColor && viewInfo != nullptr && viewInfo->IsActiveTabInContext()) {
        DrawContextGroupsArea(ACanvas, R, AInPopup, below);
        return;
    }
    if (TovCustomRibbonSkin* skin = GetSkin()) skin->DrawTabGroupsArea(ACanvas->Handle(), R, below, AInPopup);
}

void TovRibbonPainter::DrawScrollArrow(TuiCanvas* ACanvas, const TRect& R, bool ALeft) {
    TuiLookAndFeelPaintersManager* manager = uiLookAndFeelPaintersManager();
    TuiCustomLookAndFeelPainter* standard =
        manager != nullptr ? manager->GetPainterByStyle(lfsStandard) : nullptr;
    if (standard != nullptr && !uiIsRectEmpty(R))
        standard->DrawArrowGlyph(ACanvas, R, cxbsNormal, ALeft ? adLeft : adRight);
}

void TovRibbonPainter::DrawGroupScrollButton(TuiCanvas* ACanvas, const TRect& R, int AState, bool ALeft) {
    if (TovCustomRibbonSkin* skin = GetSkin())
        skin->DrawTabGroupsScrollButton(ACanvas->Handle(), R, ALeft ? 0 : 1,
                                        ovRibbonScrollButtonSkinState(AState), GetColorSchemeAccent());
}

void TovRibbonPainter::DrawGroupScrollButtonGlyph(TuiCanvas* ACanvas, const TRect& R, bool ALeft) {
    TovCustomRibbonSkin* skin = GetSkin();
    if (skin != nullptr && skin->IsScrollButtonArrowNeeded())
        DrawScrollArrow(ACanvas, uiGrowRectSides(R, -2, 0, -2, -2), ALeft);
}

void TovRibbonPainter::DrawTabScrollButton(TuiCanvas* ACanvas, const TRect& R, int AState, bool ALeft) {
    if (TovCustomRibbonSkin* skin = GetSkin())
        skin->DrawTabScrollButton(ACanvas->Handle(), R, ALeft ? 0 : 1, ovRibbonScrollButtonSkinState(AState),
                                  GetColorSchemeAccent());
}

void TovRibbonPainter::DrawTabScrollButtonGlyph(TuiCanvas* ACanvas, const TRect& R, bool ALeft) {
    DrawScrollArrow(ACanvas, uiGrowRectSides(R, -2, 0, -4, -2), ALeft);
}

void TovRibbonPainter::DrawTabsAreaBottomLine(TuiCanvas* ACanvas) {
    TovCustomRibbonSkin* skin = GetSkin();
    TovRibbonViewInfo* viewInfo = GetViewInfo();
    if (skin == nullptr || viewInfo == nullptr) return;
    const TRect tabs = viewInfo->GetTabsAreaBounds();
    skin->DrawRibbonBottomEdge(ACanvas->Handle(),
                               TRect{tabs.left, tabs.bottom - 1, tabs.right, tabs.bottom + 1});
    // The line's upper row stays as drawn; what follows paints around it.
    ACanvas->ExcludeClipRect(TRect{tabs.left, tabs.bottom - 1, tabs.right, tabs.bottom});
}

void TovRibbonPainter::DrawQuickAccessToolbar(TuiCanvas* ACanvas, const TRect& R, bool AIsActive) {
    TovCustomRibbonSkin* skin = GetSkin();
    TovRibbonViewInfo* viewInfo = GetViewInfo();
    if (skin == nullptr || viewInfo == nullptr) return;
    if (!viewInfo->IsQuickAccessToolbarInCaption()) {
        ACanvas->SaveClipRegion();
        ACanvas->IntersectClipRect(R);
        DrawRibbonBackground(ACanvas, viewInfo->Bounds);
        ACanvas->RestoreClipRegion();
    }
    skin->DrawQuickAccessToolbar(
        ACanvas->Handle(), R, viewInfo->IsQuickAccessToolbarBelow(), viewInfo->SupportNonClientDrawing,
        viewInfo->IsClassicApplicationButtonVisible(), AIsActive, !viewInfo->IsQuickAccessToolbarOnGlass());
}

void TovRibbonPainter::DrawTabsArea(TuiCanvas* ACanvas, const TRect& R) {
    TovCustomRibbonSkin* skin = GetSkin();
    TovRibbonViewInfo* viewInfo = GetViewInfo();
    if (skin == nullptr || viewInfo == nullptr) return;
    const bool onGlass = viewInfo->IsTabsOnGlass();
    skin->DrawTabsAreaBackground(ACanvas->Handle(), R,
                                 viewInfo->IsFormActive() || !viewInfo->SupportNonClientDrawing, onGlass,
                                 FRibbon->GetApplicationMenuState());
    ACanvas->SaveClipRegion();
    TovFinally restore([ACanvas] { ACanvas->RestoreClipRegion(); });
    ACanvas->IntersectClipRect(R);
    skin->DrawTabsAreaOverlay(ACanvas->Handle(),
                              uiGrowRectSides(R, 0, FRibbon->GetCaptionHeightWithQuickAccessToolbar(), 0, 0),
                              !onGlass);
}

void TovRibbonPainter::DrawHelpButton(TuiCanvas* ACanvas, const TRect& R, int AState) {
    if (TovCustomRibbonSkin* skin = GetSkin())
        skin->DrawHelpButton(ACanvas->Handle(), R, AState, GetColorSchemeAccent());
}

void TovRibbonPainter::DrawHelpButtonGlyph(TuiCanvas* ACanvas, TBitmap* AGlyph, int, const TRect& R) {
    if (AGlyph != nullptr && !AGlyph->Empty())
        DrawGlyph(ACanvas, AGlyph, R);
    else if (TovCustomRibbonSkin* skin = GetSkin())
        skin->DrawHelpButtonGlyph(ACanvas->Handle(), R);
}

void TovRibbonPainter::DrawMDIButton(TuiCanvas* ACanvas, const TRect& R, int AState, int AKind) {
    if (TovCustomRibbonSkin* skin = GetSkin())
        skin->DrawMDIButton(ACanvas->Handle(), R, AKind, AState, GetColorSchemeAccent());
}

void TovRibbonPainter::DrawMDIButtonGlyph(TuiCanvas* ACanvas, const TRect& R, int AState, int AKind) {
    if (TovCustomRibbonSkin* skin = GetSkin()) skin->DrawMDIButtonGlyph(ACanvas->Handle(), R, AKind, AState);
}

void TovRibbonPainter::DrawMinimizeButton(TuiCanvas* ACanvas, const TRect& R, bool, int AState) {
    if (TovCustomRibbonSkin* skin = GetSkin())
        skin->DrawMinimizeButton(ACanvas->Handle(), R, AState, GetColorSchemeAccent());
}

void TovRibbonPainter::DrawMinimizeButtonGlyph(TuiCanvas* ACanvas, const TRect& R, int AGlyphKind,
                                               int AState) {
    if (TovCustomRibbonSkin* skin = GetSkin())
        skin->DrawMinimizeButtonGlyph(ACanvas->Handle(), R, AGlyphKind, AState, GetColorSchemeAccent());
}

void TovRibbonPainter::DrawEmptyRibbon(TuiCanvas* ACanvas) {
    TovRibbonViewInfo* viewInfo = GetViewInfo();
    if (viewInfo == nullptr) return;
    HDC dc = ACanvas->Handle();
    HBRUSH hatch = CreateHatchBrush(HS_BDIAGONAL, RGB(0, 0, 0));
    const COLORREF previousBack = SetBkColor(dc, PlaceholderBackground);
    const int previousMode = SetBkMode(dc, OPAQUE);
    const RECT r = viewInfo->Bounds;
    FillRect(dc, &r, hatch);
    SetBkMode(dc, previousMode);
    SetBkColor(dc, previousBack);
    DeleteObject(hatch);
}
