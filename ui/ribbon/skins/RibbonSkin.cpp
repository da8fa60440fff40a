#include "ui/ribbon/skins/RibbonSkin.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Resources.h"
#include "platform/win/Painting.h"
#include "ui/bars/skin/SkinBaseTables.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/bars/skin/SkinnedRect.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Finally.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/platform/GdiPlusDrawing.h"
#include "ui/core/platform/GdiPlusImage.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"
#include "ui/painters/office11/Office11Drawing.h"
#include "ui/ribbon/skins/RibbonSheetLayout.h"

using namespace ribbon_sheets;

const char* const ovRibbonColorSchemeAccentNames[ovRibbonAccentCount] = {"Yellow", "Blue", "Green", "Orange",
                                                                         "Purple"};

bool RibbonFormHasSquareCorners(const TovRibbonFormPaintData& AData) {
    return AData.BorderStyle == 1 || AData.BorderStyle == 3 || AData.BorderStyle == 4 ||
           AData.FormStyle == 1 || AData.WindowState == ovRibbonFormMinimized || AData.RoundedCorners == 0;
}

namespace {

bool ScreenHasLowColors() {
    HDC screen = GetDC(nullptr);
    const int bits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    return bits < 9;
}

} // namespace

TovCustomRibbonSkin::TovCustomRibbonSkin() : FLowColors(ScreenHasLowColors()) {
    ResetParts();
}

TovCustomRibbonSkin::~TovCustomRibbonSkin() = default;

void TovCustomRibbonSkin::AddRef() {
    // The count rises only once the parts are there: a sheet that failed to load leaves the skin unused,
    // and the next user tries again instead of finding half a skin.
    if (FUseCount == 0) LoadSkinBitmaps();
    ++FUseCount;
}

void TovCustomRibbonSkin::Release() {
    if (FUseCount == 0) return;
    if (--FUseCount == 0) Clear();
}

void TovCustomRibbonSkin::Clear() {
    TovCustomBarSkin::Clear();
    ResetParts();
}

void TovCustomRibbonSkin::ResetParts() {
    for (TPartTable& table : FParts)
        table.fill(-1);
    FCut.reset();
}

void TovCustomRibbonSkin::LoadSkinBitmaps() {
    Clear();
    try {
        TovGPImage image;
        LoadCommonTexture(image);
        InitializeCommonParts(image.GetHandle());
        LoadColorTexture(image);
        InitializeColorParts(image.GetHandle());
    } catch (...) {
        Clear();
        throw;
    }
}

void TovCustomRibbonSkin::LoadSkinSheet(TovGPImage& AImage, const std::string& AName) {
    TResourceStream stream(AName, "RCDATA");
    AImage.LoadFromStream(&stream);
}

void TovCustomRibbonSkin::LoadCommonTexture(TovGPImage& AImage) {
    LoadSkinSheet(AImage, "RIBBONCOMMON");
}

// ---- Cutting

void TovCustomRibbonSkin::AddStateParts(GpImage* ASheet, TPartTable& AParts, const TRect& AFirstCell,
                                        int AFirstID, const TRect& AMargins, const std::uint8_t* ARows,
                                        int ARowCount, std::uint16_t AStates, bool AVertical,
                                        int AInterpolationMode) {
    const int width = uiWidthOfRect(AFirstCell), height = uiHeightOfRect(AFirstCell);
    int n = 0;
    for (int state = 0; state < ovSkinStateCount; ++state) {
        if (AStates != 0 && !(AStates & (1u << state))) continue;
        const int row = ARowCount == 0 ? n : (n < ARowCount ? ARows[n] : 0);
        const TRect cell =
            AVertical ? uiShiftRectVert(AFirstCell, row * height) : uiShiftRectHorz(AFirstCell, row * width);
        AParts[std::size_t(state)] =
            AddPartWithMargins(ASheet, cell, AMargins, AFirstID + state, std::string(), AInterpolationMode);
        ++n;
    }
}

void TovCustomRibbonSkin::Cut(GpImage* ASheet, TovRibbonCut ACut, TovRibbonCut ASlot) {
    const TovRibbonCutInfo& info = CutInfo(ACut);
    const std::uint8_t family = FamilyOfStyle(GetStyle());
    // A cut the catalogue does not give this family lies elsewhere on its sheets, or nowhere.
    if (!(info.Families & family))
        throw EovException(Format("The %s sheets hold no cells of part %d", GetName(), info.FirstID));
    const TRect margins{info.Margins.Left, info.Margins.Top, info.Margins.Right, info.Margins.Bottom};
    const int cellCount = info.IsAlias ? CutInfo(info.AliasOf).Count : info.CellCount();
    TPartTable& parts = Parts(ASlot);
    if (info.IsStateStrip()) {
        int states = 0;
        for (int s = 0; s < ovSkinStateCount; ++s)
            if (info.States.Mask & (1u << s)) ++states;
        AddStateParts(ASheet, parts, CutCell(ACut, 0), info.FirstID, margins, info.States.Rows, states,
                      info.States.Mask, !info.Horizontal, info.Interpolation);
    } else {
        for (int i = 0; i < cellCount; ++i)
            parts[std::size_t(i)] = AddPartWithMargins(ASheet, CutCell(ACut, i), margins, info.FirstID + i,
                                                       std::string(), info.Interpolation);
    }
    if (info.TiledFamilies & family)
        for (int index : parts)
            if (index >= 0) GetPart(index)->SetStretch(true);
    FCut.set(std::size_t(ACut));
}

void TovCustomRibbonSkin::SharePart(TovRibbonCut ASlot, int AEntry, TovRibbonCut AFromSlot, int AFromEntry) {
    Parts(ASlot)[std::size_t(AEntry)] = Parts(AFromSlot)[std::size_t(AFromEntry)];
}

int TovCustomRibbonSkin::PartIndex(TovRibbonCut ASlot, int AEntry) const {
    if (AEntry < 0 || AEntry >= MaxPartEntries) return -1;
    return FParts[std::size_t(ASlot)][std::size_t(AEntry)];
}

TovSkinnedRect* TovCustomRibbonSkin::PartOf(TovRibbonCut ASlot, int AEntry) const {
    const int index = PartIndex(ASlot, AEntry);
    return index >= 0 && index < Count() ? GetPart(index) : nullptr;
}

// ---- Initialisation: the base cuts, in the loading order.

void TovCustomRibbonSkin::InitializeCommonParts(GpImage* ASheet) {
    // The glass toolbar body first: it is the list's first part.
    Cut(ASheet, TovRibbonCut::QatGlassBody);
    Cut(ASheet, TovRibbonCut::QatGlassEndWithButton);
    Cut(ASheet, TovRibbonCut::QatGlassEnd);
    Cut(ASheet, TovRibbonCut::HelpGlyph);
    Cut(ASheet, TovRibbonCut::PinGlyph);
    InitializeMenuParts(ASheet);
}

void TovCustomRibbonSkin::InitializeMenuParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::MenuGlyph);
    Cut(ASheet, TovRibbonCut::MenuContent);
    Cut(ASheet, TovRibbonCut::MenuSeparatorHorz);
    Cut(ASheet, TovRibbonCut::MenuSeparatorVert);
    Cut(ASheet, TovRibbonCut::DropDownBorder);
}

void TovCustomRibbonSkin::InitializeColorParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::ScrollArrow);
    Cut(ASheet, TovRibbonCut::ScreenTip);
    InitializeTabSeparator(ASheet);
    InitializeControlParts(ASheet);
    InitializeApplicationMenuParts(ASheet);
    InitializeQuickAccessToolbarButtonParts(ASheet);
    InitializeDropDownGalleryParts(ASheet);
    InitializeQuickAccessToolbarParts(ASheet);
}

void TovCustomRibbonSkin::InitializeTabSeparator(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::TabSeparator);
}

void TovCustomRibbonSkin::InitializeControlParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::EditButton);
    Cut(ASheet, TovRibbonCut::ButtonGroupButton);
    Cut(ASheet, TovRibbonCut::TabGroupCaptionGlyph);
    Cut(ASheet, TovRibbonCut::SmallArrowGlyph);
}

void TovCustomRibbonSkin::InitializeApplicationMenuParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::ApplicationMenuBorder);
    Cut(ASheet, TovRibbonCut::ApplicationMenuHeader);
    Cut(ASheet, TovRibbonCut::ApplicationMenuFooter);
    Cut(ASheet, TovRibbonCut::ApplicationMenuButton);
    Cut(ASheet, TovRibbonCut::MenuMark);
}

void TovCustomRibbonSkin::InitializeQuickAccessToolbarButtonParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::QatMarkA);
    Cut(ASheet, TovRibbonCut::QatMarkB);
}

void TovCustomRibbonSkin::InitializeDropDownGalleryParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::GalleryTopSizeGrip);
    Cut(ASheet, TovRibbonCut::GalleryBottomSizeGrip);
    Cut(ASheet, TovRibbonCut::GalleryVerticalSizeGrip);
}

void TovCustomRibbonSkin::InitializeQuickAccessToolbarParts(GpImage* ASheet) {
    Cut(ASheet, TovRibbonCut::QatBelow);
    Cut(ASheet, TovRibbonCut::QatEndWithButton);
    Cut(ASheet, TovRibbonCut::QatEnd);
    Cut(ASheet, TovRibbonCut::QatBody);
}

// ---- Drawing parts

void TovCustomRibbonSkin::DrawPart(TovRibbonCut ASlot, int AEntry, HDC DC, const TRect& R,
                                   std::uint8_t AAlpha) {
    if (TovSkinnedRect* part = PartOf(ASlot, AEntry)) part->Draw(DC, R, AAlpha);
}

void TovCustomRibbonSkin::DrawStatePart(TovRibbonCut ASlot, HDC DC, int AState, const TRect& R) {
    if (AState < 0 || AState >= ovSkinStateCount) return;
    TovSkinnedRect* part = PartOf(ASlot, AState);
    if (part == nullptr) return;
    if (FLowColors)
        DrawFlatButtonFrame(DC, R, AState);
    else
        part->Draw(DC, R, 255);
}

void TovCustomRibbonSkin::DrawCenteredPart(TovRibbonCut ASlot, int AEntry, HDC DC, const TRect& R, int ADX,
                                           int ADY) {
    TovSkinnedRect* part = PartOf(ASlot, AEntry);
    if (part == nullptr) return;
    const TSize size = part->ImageSize();
    // Offsets round toward zero, as the glyphs were drawn for.
    const int left = R.left + (uiWidthOfRect(R) - size.cx) / 2 + ADX;
    const int top = R.top + (uiHeightOfRect(R) - size.cy) / 2 + ADY;
    part->Draw(DC, TRect{left, top, left + size.cx, top + size.cy}, 255);
}

// ---- Shared drawing routines

void TovCustomRibbonSkin::DrawRibbonFrame(HDC DC, const TRect& R, TColor AFill, int ABorderWidth,
                                          TovRibbonFrameSides ASides, TColor ABorderColor,
                                          bool AGdiPlusFill) {
    if (uiIsRectEmpty(R)) return;
    TRect inner = R;
    if (ABorderColor != clNone && ABorderColor != clDefault && ABorderWidth > 0) {
        if (ASides & rfsLeft) {
            FillRectWithColor(DC, uiResizeRectWidth(R, ABorderWidth), ABorderColor);
            inner.left += ABorderWidth;
        }
        if (ASides & rfsTop) {
            FillRectWithColor(DC, uiResizeRectHeight(R, ABorderWidth), ABorderColor);
            inner.top += ABorderWidth;
        }
        if (ASides & rfsRight) {
            FillRectWithColor(DC, uiPlaceRectRightWidth(R, R.right, ABorderWidth), ABorderColor);
            inner.right -= ABorderWidth;
        }
        if (ASides & rfsBottom) {
            FillRectWithColor(DC, uiPlaceRectBottomHeight(R, R.bottom, ABorderWidth), ABorderColor);
            inner.bottom -= ABorderWidth;
        }
    }
    if (AFill == clNone || AFill == clDefault || uiIsRectEmpty(inner)) return;
    if (AGdiPlusFill)
        ovGpFillRect(DC, inner, AFill, 255);
    else
        FillRectWithColor(DC, inner, AFill);
}

void TovCustomRibbonSkin::DrawEtchedLine(HDC DC, const TRect& R, TColor AColor1, TColor AColor2,
                                         bool AHorizontal) {
    if (AHorizontal) {
        const int y = R.top + uiFloorHalf(uiHeightOfRect(R));
        FillRectWithColor(DC, TRect{R.left, y, R.right, y + 1}, AColor1);
        FillRectWithColor(DC, TRect{R.left, y + 1, R.right, y + 2}, AColor2);
    } else {
        const int x = R.left + uiFloorHalf(uiWidthOfRect(R));
        FillRectWithColor(DC, TRect{x, R.top, x + 1, R.bottom}, AColor2);
        FillRectWithColor(DC, TRect{x + 1, R.top, x + 2, R.bottom}, AColor1);
    }
}

void TovCustomRibbonSkin::DrawFlatButtonFrame(HDC DC, const TRect& R, int AState) {
    switch (AState) {
    case ovSkinStateHot:
    case ovSkinStateChecked:
    case ovSkinStateCheckedHot:
        DrawRibbonFrame(DC, R, clHighlight, 1, rfsAll, clWhite);
        break;
    case ovSkinStatePressed:
        DrawRibbonFrame(DC, R, clHighlight, 1, rfsAll, clBtnShadow);
        break;
    default:
        DrawRibbonFrame(DC, R, clBtnFace, 1, rfsAll, clBtnShadow);
        break;
    }
}

void TovCustomRibbonSkin::DrawArrowGlyph(HDC DC, const TRect& R, int AState, int ADirection) {
    TuiArrowPoints points;
    if (!TuiCustomLookAndFeelPainter::ComputeArrowPoints(R, points, ADirection, false, 4)) return;
    if (ADirection == ovRibbonArrowUp) --points.P[2].y;
    if (ADirection == ovRibbonArrowUp || ADirection == ovRibbonArrowDown) {
        --points.P[0].x;
        --points.P[2].x;
    }
    const TColor color = GetPartColor(ovSkinPartArrowDown, AState, rcsaYellow);
    if (color == clNone || color == clDefault) return;
    const COLORREF rgb = ColorToRGB(color);
    HBRUSH brush = CreateSolidBrush(rgb);
    HPEN pen = CreatePen(PS_SOLID, 1, rgb);
    HGDIOBJ oldBrush = SelectObject(DC, brush);
    HGDIOBJ oldPen = SelectObject(DC, pen);
    POINT p[3] = {points.P[0], points.P[1], points.P[2]};
    Polygon(DC, p, 3);
    SelectObject(DC, oldPen);
    SelectObject(DC, oldBrush);
    DeleteObject(pen);
    DeleteObject(brush);
}

void TovCustomRibbonSkin::DrawVerticalSizeGrip(HDC DC, const TRect& R) {
    TovSkinnedRect* part = PartOf(TovRibbonCut::GalleryVerticalSizeGrip, 0);
    if (part == nullptr || part->ImageSize().cy <= 0) return;
    const int width = uiHeightOfRect(R) * part->ImageSize().cx / part->ImageSize().cy;
    part->Draw(DC, uiCentreRectHorz(R, width), 255);
}

// ---- Metrics and colours

TRect TovCustomRibbonSkin::GetApplicationMenuContentOffset(const TRect& AButtonBounds) {
    return GetContentOffsets(ovSkinPartApplicationMenuContent);
}

TSize TovCustomRibbonSkin::GetApplicationButtonSize() {
    return TSize{42, 42};
}

TColor TovCustomRibbonSkin::GetDefaultTextColor() {
    return clWindowText;
}

int TovCustomRibbonSkin::AdjustCaptionFontSize(int ASize, bool ADrawsOnGlass) {
    return ASize;
}

void TovCustomRibbonSkin::HandleRibbonNotification(int AValue1, int AValue2, int AValue3) {}

bool TovCustomRibbonSkin::IsApplicationButtonTab() {
    return GetStyle() != rs2007;
}

TRect TovCustomRibbonSkin::GetWindowBordersWidth(bool AFlag) {
    return TRect{4, 0, 4, AFlag ? 1 : 4};
}

bool TovCustomRibbonSkin::UseFlatWindowBorders() {
    return false;
}

bool TovCustomRibbonSkin::UseRoundedWindowCorners() {
    return true;
}

int TovCustomRibbonSkin::GetMenuSeparatorSize() {
    return 2;
}

int TovCustomRibbonSkin::QuickAccessToolbarStartIndent() {
    return 0;
}

int TovCustomRibbonSkin::QuickAccessToolbarMarkButtonIndent(bool AHasApplicationButton, bool ABelow) {
    return ABelow ? 5 : 12;
}

int TovCustomRibbonSkin::QuickAccessToolbarWidthOverride(bool AHasApplicationButton, bool ADrawsOnGlass) {
    return AHasApplicationButton ? 14 : 0;
}

int TovCustomRibbonSkin::QuickAccessToolbarEndIndent() {
    return 0;
}

int TovCustomRibbonSkin::GetStatusBarSeparatorSize() {
    return 3;
}

bool TovCustomRibbonSkin::IsScrollButtonArrowNeeded() {
    return true;
}

TuiLookAndFeelPainterBase* TovCustomRibbonSkin::GetScrollBarPainter() {
    TuiPaintersRegistry* registry = uiPaintersRegistry();
    return registry != nullptr ? registry->GetPainterByStyle(lfsNative) : nullptr;
}

bool TovCustomRibbonSkin::GetIsAlphaUsed(int APart) {
    return false;
}

TColor TovCustomRibbonSkin::GetPartColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) {
    // A key the base answers with another key's colour asks the skin again, so that a scheme's colour of
    // the target shows through.
    // Key 10133 only shares the rule of 335 (the textured skins answer 335 with 10133's colour).
    int target = 0, targetState = 0;
    if (APart != 10133 && ovSkinBaseColorAlias(APart, target, targetState))
        return GetPartColor(target, targetState < 0 ? AState : targetState, AAccent);
    TovSkinBaseInputs inputs;
    inputs.LowColors = FLowColors;
    return ovSkinBasePartColor(APart, AState, inputs);
}

TRect TovCustomRibbonSkin::GetContentOffsets(int APart) {
    return ovSkinBaseContentOffsets(APart);
}

int TovCustomRibbonSkin::GetPartSize(int APart) {
    TovSkinBaseInputs inputs;
    inputs.LowColors = FLowColors;
    inputs.MenuSeparatorSize = GetMenuSeparatorSize();
    if (TovSkinnedRect* pin = PartOf(TovRibbonCut::PinGlyph, 0)) inputs.PinGlyphWidth = pin->ImageSize().cx;
    return ovSkinBasePartSize(APart, inputs);
}

std::string TovCustomRibbonSkin::GetSkinName() {
    return std::string();
}
