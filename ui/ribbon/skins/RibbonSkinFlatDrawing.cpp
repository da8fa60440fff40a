// The base skin's drawing: system colours and plain shapes, what every skin shows on a low-colour screen.
#include "ui/ribbon/skins/RibbonSkin.h"

#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/vcl/Font.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/bars/skin/SkinnedRect.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"
#include "ui/core/graphics/PaintCanvas.h"
#include "ui/core/platform/ThemeManager.h"
#include "ui/painters/office11/Office11Drawing.h"

using namespace ribbon_sheets;

namespace {

// A fill with a colour key's answer; clDefault leaves the choice to a painter, so nothing is filled.
void FillWith(HDC DC, const TRect& R, TColor AColor) {
    if (AColor == clDefault || uiIsRectEmpty(R)) return;
    FillRectWithColor(DC, R, AColor);
}

// The DC's state kept for the life of the object.
class TSavedDC {
public:
    explicit TSavedDC(HDC DC) : FDC(DC), FIndex(SaveDC(DC)) {}
    ~TSavedDC() { RestoreDC(FDC, FIndex); }
    TSavedDC(const TSavedDC&) = delete;
    TSavedDC& operator=(const TSavedDC&) = delete;

private:
    HDC FDC;
    int FIndex;
};

void CaptionFrameControl(HDC DC, const TRect& R, UINT AKind, bool APushed) {
    RECT r = R;
    DrawFrameControl(DC, &r, DFC_CAPTION, AKind | (APushed ? DFCS_PUSHED : 0));
}

// The button state of the painters for a skin state: disabled, hot, pressed, or normal.
TuiPainterButtonState SkinStateToButtonState(int AState) {
    switch (AState) {
    case ovSkinStateDisabled:
        return cxbsDisabled;
    case ovSkinStateHot:
        return cxbsHot;
    case ovSkinStatePressed:
        return cxbsPressed;
    default:
        return cxbsNormal;
    }
}

// The flat tab: R filled or framed by the tab state.
void DrawFlatTab(HDC DC, const TRect& R, int AState) {
    if (AState == 0)
        FillRectWithColor(DC, R, clBtnFace);
    else if (AState == 2)
        TovCustomRibbonSkin::DrawRibbonFrame(DC, R, clHighlight, 1, rfsLeft | rfsTop | rfsRight, clWhite);
    else
        TovCustomRibbonSkin::DrawRibbonFrame(DC, R, clHighlight, 1, rfsTop, clBtnFace);
}

void DrawFlatLargeButton(HDC DC, const TRect& R, int AState, TovRibbonFrameSides ASides) {
    switch (AState) {
    case ovSkinStateHot:
    case ovSkinStateHighlighted:
    case ovSkinStateChecked:
    case ovSkinStateCheckedHot:
        TovCustomRibbonSkin::DrawRibbonFrame(DC, R, clHighlight, 1, ASides, clWhite);
        break;
    case ovSkinStatePressed:
    case ovSkinStateDroppedDown:
        TovCustomRibbonSkin::DrawRibbonFrame(DC, R, clHighlight, 1, ASides, clBtnShadow);
        break;
    default:
        FillRectWithColor(DC, R, clBtnFace);
        break;
    }
}

// A grip part in the square of R's height at R's right end.
void DrawGripAtRight(TovSkinnedRect* APart, HDC DC, const TRect& R) {
    if (APart == nullptr || uiIsRectEmpty(R)) return;
    const int size = uiHeightOfRect(R);
    APart->Draw(DC, TRect{R.right - size, R.top, R.right, R.bottom}, 255);
}

} // namespace

void TovCustomRibbonSkin::DrawSmallButton(HDC DC, const TRect& R, int AState,
                                          TovRibbonColorSchemeAccent AAccent) {
    if (AState == ovSkinStateHot)
        DrawButton(DC, R, ovSkinStateHot, AAccent);
    else if (AState == ovSkinStateHighlighted)
        DrawButton(DC, R, ovSkinStatePressed, AAccent);
}

void TovCustomRibbonSkin::GetApplicationMenuColors(TColor& AInnerBorder, TColor& AOuterBorder,
                                                   TColor& ASideFill) {
    AInnerBorder = 0xCAAF9B;
    AOuterBorder = clWhite;
    ASideFill = 0xEDD3BE;
}

void TovCustomRibbonSkin::DrawApplicationButton(HDC DC, const TRect& R, int AState,
                                                TovRibbonColorSchemeAccent AAccent) {
    if (GetStyle() != rs2007) {
        DrawTab(DC, R, AState, AAccent);
        return;
    }
    const TRect r = uiGrowRect(R, -1, -1);
    HPEN pen = CreatePen(PS_SOLID, 3, ColorToRGB(AState == 2 ? clBtnShadow : clWhite));
    HBRUSH brush = CreateSolidBrush(ColorToRGB(AState == 0 ? clBtnFace : clHighlight));
    HGDIOBJ oldPen = SelectObject(DC, pen);
    HGDIOBJ oldBrush = SelectObject(DC, brush);
    Ellipse(DC, r.left, r.top, r.right, r.bottom);
    HPEN outline = CreatePen(PS_SOLID, 1, ColorToRGB(clBlack));
    SelectObject(DC, outline);
    SelectObject(DC, GetStockObject(NULL_BRUSH));
    Ellipse(DC, r.left, r.top, r.right, r.bottom);
    SelectObject(DC, oldPen);
    SelectObject(DC, oldBrush);
    DeleteObject(outline);
    DeleteObject(pen);
    DeleteObject(brush);
}

void TovCustomRibbonSkin::DrawApplicationMenuBackground(HDC DC, const TRect& R, const TRect& ABounds,
                                                        TovRibbonColorSchemeAccent AAccent) {
    const TRect inner = uiGrowRect(R, -2, -2);
    const TRect b1 = uiGrowRect(ABounds, 1, 1), b2 = uiGrowRect(ABounds, 2, 2);
    const TRect header{inner.left, inner.top, inner.right, b2.top};
    const TRect footer{inner.left, b2.bottom, inner.right, inner.bottom};
    if (FLowColors) {
        FillRectWithColor(DC, header, clMenu);
        FillRectWithColor(DC, footer, clMenu);
        DrawRibbonFrame(DC, R, clMenu, 1, rfsAll, clBlack);
    } else {
        DrawPart(TovRibbonCut::ApplicationMenuHeader, 0, DC, header);
        DrawPart(TovRibbonCut::ApplicationMenuFooter, 0, DC, footer);
        DrawPart(TovRibbonCut::ApplicationMenuBorder, 0, DC, R);
    }
    TColor innerBorder, outerBorder, sideFill;
    GetApplicationMenuColors(innerBorder, outerBorder, sideFill);
    DrawRibbonFrame(DC, b1, clNone, 1, rfsAll, innerBorder);
    DrawRibbonFrame(DC, b2, clNone, 1, rfsAll, outerBorder);
    FillWith(DC, TRect{inner.left, b2.top, b2.left, b2.bottom}, sideFill);
    FillWith(DC, TRect{b2.right, b2.top, inner.right, b2.bottom}, sideFill);
}

void TovCustomRibbonSkin::DrawApplicationMenuButton(HDC DC, const TRect& R, int AState,
                                                    TovRibbonColorSchemeAccent AAccent) {
    if (AState == ovSkinStateHot)
        DrawButton(DC, R, ovSkinStateHot, AAccent);
    else
        DrawPart(TovRibbonCut::ApplicationMenuButton, 0, DC, R);
}

void TovCustomRibbonSkin::DrawApplicationMenuExtraPaneItem(HDC DC, const TRect& R, int AState,
                                                           TovRibbonColorSchemeAccent AAccent) {
    if (AState == ovSkinStateHot || AState == ovSkinStateCheckedHot)
        DrawButton(DC, R, ovSkinStateHot, AAccent);
}

void TovCustomRibbonSkin::DrawApplicationMenuExtraPanePinButton(HDC DC, const TRect& R, int AState,
                                                                TovRibbonColorSchemeAccent AAccent) {
    DrawApplicationMenuExtraPaneItem(DC, R, AState, AAccent);
    DrawApplicationMenuExtraPanePinButtonGlyph(
        DC, R, AState == ovSkinStateChecked || AState == ovSkinStateCheckedHot, AState, AAccent);
}

void TovCustomRibbonSkin::DrawApplicationMenuExtraPanePinButtonGlyph(HDC DC, const TRect& R, bool APinned,
                                                                     int AState,
                                                                     TovRibbonColorSchemeAccent AAccent) {
    DrawCenteredPart(TovRibbonCut::PinGlyph, APinned ? 1 : 0, DC, R);
}

void TovCustomRibbonSkin::DrawButtonGroupButton(HDC DC, const TRect& R, int AState,
                                                TovRibbonColorSchemeAccent AAccent) {
    DrawStatePart(TovRibbonCut::ButtonGroupButton, DC, AState, R);
}

void TovCustomRibbonSkin::DrawButtonGroupButtonDropDown(HDC DC, const TRect& R, int AState,
                                                        TovRibbonColorSchemeAccent AAccent) {
    DrawStatePart(TovRibbonCut::ButtonGroupButton, DC, AState, R);
}

void TovCustomRibbonSkin::DrawButtonGroupButtonMainPart(HDC DC, const TRect& R, int AState,
                                                        TovRibbonColorSchemeAccent AAccent) {
    DrawStatePart(TovRibbonCut::ButtonGroupButton, DC, AState, R);
}

void TovCustomRibbonSkin::DrawButtonGroupBorderLeft(HDC DC, const TRect& R) {}
void TovCustomRibbonSkin::DrawButtonGroupSeparator(HDC DC, const TRect& R, int AState) {}
void TovCustomRibbonSkin::DrawButtonGroupBorderRight(HDC DC, const TRect& R) {}
void TovCustomRibbonSkin::DrawButtonGroupSplitButtonSeparator(HDC DC, const TRect& R, int AState) {}

void TovCustomRibbonSkin::DrawCollapsedTabGroup(HDC DC, const TRect& R, int AState) {
    DrawFlatButtonFrame(DC, R, AState);
}

void TovCustomRibbonSkin::DrawCollapsedTabGroupGlyphBackground(HDC DC, const TRect& R, int AState) {
    DrawFlatButtonFrame(DC, R, AState);
}

void TovCustomRibbonSkin::DrawDropDownGalleryBackground(HDC DC, const TRect& R) {
    FillWith(DC, R, GetPartColor(ovSkinColorDropDownGalleryBackground, 0, rcsaYellow));
}

void TovCustomRibbonSkin::DrawDropDownGalleryBottomSizeGrip(HDC DC, const TRect& R) {
    DrawGripAtRight(PartOf(TovRibbonCut::GalleryBottomSizeGrip, 0), DC,
                    TRect{R.left, R.top + 3, R.right - 2, R.bottom - 1});
}

void TovCustomRibbonSkin::DrawDropDownGalleryBottomSizingBand(HDC DC, const TRect& R) {
    FillRectWithColor(DC, R, clWindow);
}

void TovCustomRibbonSkin::DrawDropDownGalleryBottomVerticalSizeGrip(HDC DC, const TRect& R) {
    DrawVerticalSizeGrip(DC, TRect{R.left, R.top + 1, R.right, R.bottom});
}

void TovCustomRibbonSkin::DrawDropDownGalleryTopSizeGrip(HDC DC, const TRect& R) {
    DrawGripAtRight(PartOf(TovRibbonCut::GalleryTopSizeGrip, 0), DC,
                    TRect{R.left, R.top + 1, R.right - 2, R.bottom - 3});
}

void TovCustomRibbonSkin::DrawDropDownGalleryTopSizingBand(HDC DC, const TRect& R) {
    FillRectWithColor(DC, R, clWindow);
}

void TovCustomRibbonSkin::DrawDropDownGalleryTopVerticalSizeGrip(HDC DC, const TRect& R) {
    DrawVerticalSizeGrip(DC, TRect{R.left, R.top, R.right, R.bottom - 1});
}

void TovCustomRibbonSkin::DrawEditArrowButtonGlyph(HDC DC, const TRect& R, int AState) {}

void TovCustomRibbonSkin::DrawEditButton(HDC DC, const TRect& R, int AState,
                                         TovRibbonColorSchemeAccent AAccent) {
    DrawStatePart(TovRibbonCut::EditButton, DC, AState, R);
}

void TovCustomRibbonSkin::DrawEditEllipsisButtonGlyph(HDC DC, const TRect& R, int AState) {}
void TovCustomRibbonSkin::DrawEditButtonAuxiliaryGlyph(HDC DC, const TRect& R, int AState) {}
void TovCustomRibbonSkin::DrawEditButtonAuxiliaryGlyph2(HDC DC, const TRect& R, int AState) {}

void TovCustomRibbonSkin::DrawFormBorderIcon(HDC DC, const TRect& R, int AIcon, int AState,
                                             TovRibbonColorSchemeAccent AAccent) {
    static constexpr UINT Kinds[] = {DFCS_CAPTIONMIN, DFCS_CAPTIONMAX, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE,
                                     DFCS_CAPTIONHELP};
    if (AIcon < 0 || AIcon >= int(std::size(Kinds))) return;
    CaptionFrameControl(DC, TRect{R.left + 1, R.top + 2, R.right - 1, R.bottom}, Kinds[AIcon], AState == 2);
}

void TovCustomRibbonSkin::DrawFormBorders(HDC DC, const TRect& AWidths, const TovRibbonSkinPaintData& AData) {
    const TRect bounds = AData.FormData.WindowBounds;
    if (uiIsRectEmpty(bounds)) return;
    const TSavedDC saved(DC);
    const TRect content = uiShrinkRectByMargins(bounds, AWidths);
    ExcludeClipRect(DC, content.left, content.top, content.right, content.bottom);
    FillRectWithColor(DC, bounds, clBtnFace);
    // The highlight ring follows the window's rounded corners; square lower corners where the form has them.
    const bool square = RibbonFormHasSquareCorners(AData.FormData);
    auto shape = [square](const TRect& B) {
        HRGN region = CreateRoundRectRgn(B.left, B.top, B.right + 1, B.bottom + 1, 9, 9);
        if (square) {
            HRGN lower = CreateRectRgn(B.left, B.top + uiHeightOfRect(B) / 2, B.right, B.bottom);
            CombineRgn(region, region, lower, RGN_OR);
            DeleteObject(lower);
        }
        return region;
    };
    HRGN outer = shape(bounds);
    HRGN inner = shape(uiGrowRect(bounds, -1, -1));
    CombineRgn(outer, outer, inner, RGN_DIFF);
    HBRUSH brush = CreateSolidBrush(ColorToRGB(clBtnHighlight));
    FillRgn(DC, outer, brush);
    DeleteObject(brush);
    DeleteObject(inner);
    DeleteObject(outer);
}

void TovCustomRibbonSkin::DrawFormCaption(HDC DC, const TRect& R, const TovRibbonSkinPaintData& AData) {
    TRect rest = R;
    if (AData.FormData.WindowState != ovRibbonFormMaximized) {
        FillRectWithColor(DC, uiResizeRectHeight(rest, 1), clBtnFace);
        FillRectWithColor(DC, TRect{rest.left, rest.top + 1, rest.right, rest.top + 2}, clBtnHighlight);
        FillRectWithColor(DC, TRect{rest.left, rest.top + 2, rest.right, rest.top + 4}, clBtnFace);
        rest.top = std::min(rest.bottom, rest.top + 4);
    }
    FillRectWithColor(DC, rest, AData.FormData.IsActive ? clActiveCaption : clInactiveCaption);
}

void TovCustomRibbonSkin::DrawFormStatusBarBorder(HDC DC, const TRect& R, int ASide, int AKind, bool AActive,
                                                  bool AStatusBarKind, TovRibbonColorSchemeAccent AAccent) {
    FillRectWithColor(DC, R, clBtnFace);
}

void TovCustomRibbonSkin::DrawHelpButton(HDC DC, const TRect& R, int AState,
                                         TovRibbonColorSchemeAccent AAccent) {
    DrawSmallButton(DC, R, AState, AAccent);
}

void TovCustomRibbonSkin::DrawHelpButtonGlyph(HDC DC, const TRect& R) {
    DrawCenteredPart(TovRibbonCut::HelpGlyph, 0, DC, R);
}

void TovCustomRibbonSkin::DrawInRibbonGalleryBackground(HDC DC, const TRect& R, int AState) {
    DrawRibbonFrame(DC, R, GetPartColor(ovSkinColorInRibbonGalleryBackground, AState, rcsaYellow), 1, rfsAll,
                    GetPartColor(ovSkinColorInRibbonGalleryBorder, AState, rcsaYellow));
}

void TovCustomRibbonSkin::DrawGalleryItemBackground(HDC DC, const TRect& R, int AState) {}

void TovCustomRibbonSkin::DrawInRibbonGalleryScrollBarButton(HDC DC, const TRect& R, int AKind, int AState,
                                                             TovRibbonColorSchemeAccent AAccent) {
    {
        const TSavedDC saved(DC);
        IntersectClipRect(DC, R.left, R.top, R.right, R.bottom);
        const TRect r = AKind == 2 ? R : TRect{R.left, R.top, R.right, R.bottom + 1};
        switch (AState) {
        case ovSkinStateHot:
        case ovSkinStateChecked:
        case ovSkinStateCheckedHot:
            DrawRibbonFrame(DC, r, clHighlight, 1, rfsAll, clWhite);
            break;
        case ovSkinStatePressed:
            DrawRibbonFrame(DC, r, clHighlight, 1, rfsAll, clBtnShadow);
            break;
        default:
            DrawRibbonFrame(DC, r, clBtnFace, 1, rfsAll, clBtnShadow);
            break;
        }
    }
    DrawInRibbonGalleryScrollBarButtonGlyph(DC, R, AKind, AState, AAccent);
}

void TovCustomRibbonSkin::DrawInRibbonGalleryScrollBarButtonGlyph(HDC DC, const TRect& R, int AKind,
                                                                  int AState,
                                                                  TovRibbonColorSchemeAccent AAccent) {
    const TSavedDC saved(DC);
    IntersectClipRect(DC, R.left, R.top, R.right, R.bottom);
    TRect square = uiShiftRectHorz(uiCentreRectIn(R, 4, 4), 1);
    switch (AKind) {
    case 0:
        DrawArrowGlyph(DC, square, AState, ovRibbonArrowUp);
        break;
    case 1:
        DrawArrowGlyph(DC, square, AState, ovRibbonArrowDown);
        break;
    case 2: {
        square = uiShiftRectVert(square, 2);
        DrawArrowGlyph(DC, square, AState, ovRibbonArrowDown);
        FillWith(DC, TRect{square.left - 3, square.top, square.right + 3, square.top + 1},
                 GetPartColor(ovSkinColorArrowGlyph, AState, AAccent));
        break;
    }
    default:
        break;
    }
}

void TovCustomRibbonSkin::DrawLargeButton(HDC DC, const TRect& R, int AState,
                                          TovRibbonColorSchemeAccent AAccent) {
    DrawFlatLargeButton(DC, R, AState, rfsAll);
}

void TovCustomRibbonSkin::DrawLargeButtonMainPart(HDC DC, const TRect& R, int AState,
                                                  TovRibbonColorSchemeAccent AAccent) {
    // The upper part never has a bottom border: the lower part joins it there.
    DrawFlatLargeButton(DC, R, AState, rfsLeft | rfsTop | rfsRight);
}

void TovCustomRibbonSkin::DrawLargeButtonDropDown(HDC DC, const TRect& R, int AState,
                                                  TovRibbonColorSchemeAccent AAccent) {
    DrawFlatLargeButton(DC, R, AState, rfsAll);
}

void TovCustomRibbonSkin::DrawTabGroupCaptionButton(HDC DC, const TRect& R, int AState,
                                                    TovRibbonColorSchemeAccent AAccent) {
    DrawFlatButtonFrame(DC, R, AState);
}

void TovCustomRibbonSkin::DrawTabGroupCaptionButtonGlyph(HDC DC, const TRect& R, int AState,
                                                         TovRibbonColorSchemeAccent AAccent) {
    DrawFlatButtonFrame(DC, R, AState);
}

void TovCustomRibbonSkin::DrawMDIButton(HDC DC, const TRect& R, int AButton, int AState,
                                        TovRibbonColorSchemeAccent AAccent) {}

void TovCustomRibbonSkin::DrawMDIButtonGlyph(HDC DC, const TRect& R, int AButton, int AState) {
    static constexpr UINT Kinds[] = {DFCS_CAPTIONMIN, DFCS_CAPTIONRESTORE, DFCS_CAPTIONCLOSE};
    CaptionFrameControl(DC, TRect{R.left + 1, R.top + 3, R.right - 1, R.bottom - 3},
                        Kinds[std::clamp(AButton, 0, 2)], AState == 3);
}

void TovCustomRibbonSkin::DrawMenuArrowDown(HDC DC, const TRect& R) {
    DrawArrowGlyph(DC, R, ovSkinStateNormal, ovRibbonArrowDown);
}

void TovCustomRibbonSkin::DrawMenuArrowRight(HDC DC, const TRect& R) {
    DrawArrowGlyph(DC, R, ovSkinStateNormal, ovRibbonArrowRight);
}

void TovCustomRibbonSkin::DrawMenuCheck(HDC DC, const TRect& R, int AState,
                                        TovRibbonColorSchemeAccent AAccent) {
    DrawFlatButtonFrame(DC, R, AState);
}

void TovCustomRibbonSkin::DrawMenuCheckMark(HDC DC, const TRect& R, int AState,
                                            TovRibbonColorSchemeAccent AAccent) {
    DrawFlatButtonFrame(DC, R, AState);
}

void TovCustomRibbonSkin::DrawMenuContent(HDC DC, const TRect& R) {
    DrawPart(TovRibbonCut::MenuContent, 0, DC, R);
}

void TovCustomRibbonSkin::DrawMenuDetachCaption(HDC DC, const TRect& R, int AState) {
    DrawFlatButtonFrame(DC, R, AState);
}

void TovCustomRibbonSkin::DrawItemSeparator(HDC DC, const TRect& R, bool AHorizontal) {
    DrawEtchedLine(DC, R, 0xD8D8D8, 0xF5F5F5, AHorizontal);
}

void TovCustomRibbonSkin::DrawMenuGlyph(HDC DC, const TRect& R) {
    DrawPart(TovRibbonCut::MenuGlyph, 0, DC, R);
}

void TovCustomRibbonSkin::DrawMenuItemButton(HDC DC, const TRect& R, int AState,
                                             TovRibbonColorSchemeAccent AAccent) {
    DrawButton(DC, R, AState, AAccent);
}

void TovCustomRibbonSkin::DrawMenuItemButtonDropDown(HDC DC, const TRect& R, int AState,
                                                     TovRibbonColorSchemeAccent AAccent) {
    DrawButtonDropDown(DC, R, AState, AAccent);
}

void TovCustomRibbonSkin::DrawMenuItemButtonMainPart(HDC DC, const TRect& R, int AState,
                                                     TovRibbonColorSchemeAccent AAccent) {
    DrawButtonMainPart(DC, R, AState, AAccent);
}

void TovCustomRibbonSkin::DrawMenuMark(HDC DC, const TRect& R) {
    DrawPart(TovRibbonCut::MenuMark, 0, DC, R);
}

void TovCustomRibbonSkin::DrawMenuScrollArea(HDC DC, const TRect& R, int AState) {
    DrawFlatButtonFrame(DC, R, AState);
}

void TovCustomRibbonSkin::DrawMenuSeparatorHorz(HDC DC, const TRect& R) {
    DrawPart(TovRibbonCut::MenuSeparatorHorz, 0, DC, R);
}

void TovCustomRibbonSkin::DrawMenuSeparatorVert(HDC DC, const TRect& R) {
    DrawPart(TovRibbonCut::MenuSeparatorVert, 0, DC, R);
}

void TovCustomRibbonSkin::DrawMinimizeButton(HDC DC, const TRect& R, int AState,
                                             TovRibbonColorSchemeAccent AAccent) {
    DrawSmallButton(DC, R, AState, AAccent);
}

void TovCustomRibbonSkin::DrawMinimizeButtonGlyph(HDC DC, const TRect& R, int AGlyphKind, int AState,
                                                  TovRibbonColorSchemeAccent AAccent) {}

void TovCustomRibbonSkin::DrawProgressDiscreteBand(HDC DC, const TRect& R) {
    FillRectWithColor(DC, R, clHighlight);
}

void TovCustomRibbonSkin::DrawProgressSolidBand(HDC DC, const TRect& R) {
    FillRectWithColor(DC, R, clHighlight);
}

void TovCustomRibbonSkin::DrawProgressSubstrate(HDC DC, const TRect& R) {
    FillRectWithColor(DC, R, clBtnFace);
}

void TovCustomRibbonSkin::DrawButton(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) {
    DrawFlatButtonFrame(DC, R, AState);
}

void TovCustomRibbonSkin::DrawButtonDropDown(HDC DC, const TRect& R, int AState,
                                             TovRibbonColorSchemeAccent AAccent) {
    DrawFlatButtonFrame(DC, R, AState);
}

void TovCustomRibbonSkin::DrawButtonMainPart(HDC DC, const TRect& R, int AState,
                                             TovRibbonColorSchemeAccent AAccent) {
    DrawFlatButtonFrame(DC, R, AState);
}

void TovCustomRibbonSkin::DrawMenuViewButton(HDC DC, const TRect& R, int AState,
                                             TovRibbonColorSchemeAccent AAccent) {
    DrawButton(DC, R, AState, AAccent);
}

void TovCustomRibbonSkin::DrawMenuViewBackground(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent) {
    FillWith(DC, R, GetPartColor(ovSkinColorMenuViewBackground, 0, AAccent));
}

void TovCustomRibbonSkin::DrawMenuViewNavigationBackground(HDC DC, const TRect& R,
                                                           TovRibbonColorSchemeAccent AAccent) {
    if (uiIsRectEmpty(R)) return;
    FillRectWithColor(DC, TRect{R.left, R.top, R.right - 1, R.bottom}, 0xFCFCFC);
    FillRectWithColor(DC, TRect{R.right - 1, R.top, R.right, R.bottom}, 0xF0F0F0);
}

void TovCustomRibbonSkin::DrawMenuViewItem(HDC DC, const TRect& R, int AState,
                                           TovRibbonColorSchemeAccent AAccent) {
    DrawButton(DC, R, AState, AAccent);
}

void TovCustomRibbonSkin::DrawMenuViewTab(HDC DC, const TRect& R, int AState,
                                          TovRibbonColorSchemeAccent AAccent) {
    DrawButton(DC, R, AState, AAccent);
}

void TovCustomRibbonSkin::DrawMenuViewContentBackground(HDC DC, const TRect& R,
                                                        TovRibbonColorSchemeAccent AAccent) {
    DrawMenuViewNavigationBackground(DC, R, AAccent);
}

void TovCustomRibbonSkin::DrawMenuViewSeparator(HDC DC, const TRect& R, int AState,
                                                TovRibbonColorSchemeAccent AAccent) {
    const TRect r{R.left + 4, R.top, R.right - 4, R.bottom};
    if (uiIsRectEmpty(r)) return;
    FillRectWithColor(DC, uiResizeRectHeight(r, 1), clBtnShadow);
    FillRectWithColor(DC, uiPlaceRectBottomHeight(r, r.bottom, 1), clBtnHighlight);
}

void TovCustomRibbonSkin::DrawApplicationMenuExtraPaneBackground(HDC DC, const TRect& R) {
    DrawDropDownGalleryBackground(DC, R);
}

void TovCustomRibbonSkin::DrawApplicationMenuExtraPaneHeader(HDC DC, const TRect& R) {
    DrawGalleryGroupHeaderBackground(DC, R);
}

void TovCustomRibbonSkin::DrawApplicationMenuExtraPaneButton(HDC DC, const TRect& R, int AState,
                                                             TovRibbonColorSchemeAccent AAccent) {
    DrawButton(DC, R, AState, AAccent);
}

void TovCustomRibbonSkin::DrawApplicationMenuExtraPaneCheckButton(HDC DC, const TRect& R, int AState,
                                                                  TovRibbonColorSchemeAccent AAccent) {
    const int state = AState == ovSkinStateChecked      ? ovSkinStateNormal
                      : AState == ovSkinStateCheckedHot ? ovSkinStateHot
                                                        : AState;
    DrawButton(DC, R, state, AAccent);
}

void TovCustomRibbonSkin::DrawApplicationMenuExtraPanePinGlyph(HDC DC, const TRect& R, int AState,
                                                               TovRibbonColorSchemeAccent AAccent) {
    DrawApplicationMenuExtraPanePinButtonGlyph(
        DC, R, AState == ovSkinStateChecked || AState == ovSkinStateCheckedHot, AState, AAccent);
}

void TovCustomRibbonSkin::DrawApplicationMenuExtraPanePinGlyphButton(HDC DC, const TRect& R, int AState,
                                                                     TovRibbonColorSchemeAccent AAccent) {
    DrawApplicationMenuExtraPanePinGlyph(DC, R, AState, AAccent);
}

void TovCustomRibbonSkin::DrawApplicationMenuExtraPaneSeparator(HDC DC, const TRect& R,
                                                                TovRibbonColorSchemeAccent AAccent) {
    DrawMenuSeparatorHorz(DC, R);
}

void TovCustomRibbonSkin::DrawSmallStateGlyph(HDC DC, const TRect& R, int AState) {
    const int h = uiHeightOfRect(R) / 7;
    const TRect r{R.left + 3, R.top + 3 * h, R.right - 3, R.bottom - 2 * h};
    if (!uiIsRectEmpty(r)) DrawFlatButtonFrame(DC, r, AState);
}

void TovCustomRibbonSkin::DrawSmallArrowGlyph(HDC DC, const TRect& R, int AState) {
    if (FLowColors) {
        const int h = uiHeightOfRect(R) / 7;
        const TRect r{R.left + h + 1, R.top + 3 * h, R.right - h + 1, R.bottom - 2 * h};
        if (!uiIsRectEmpty(r)) DrawFlatButtonFrame(DC, r, AState);
        return;
    }
    DrawCenteredPart(TovRibbonCut::SmallArrowGlyph, AState, DC, R);
}

void TovCustomRibbonSkin::DrawTab(HDC DC, const TRect& R, int AState, TovRibbonColorSchemeAccent AAccent) {
    DrawFlatTab(DC, TRect{R.left, R.top, R.right, R.bottom - 1}, AState);
}

void TovCustomRibbonSkin::DrawTabsAreaBackground(HDC DC, const TRect& R, bool AActive, bool AOnGlass,
                                                 int AApplicationMenuState) {
    if (!AOnGlass) DrawRibbonBackground(DC, R);
}

void TovCustomRibbonSkin::DrawTabGroupBackground(HDC DC, const TRect& R, bool AInPopup, int AState) {
    DrawRibbonFrame(DC, R, clBtnFace, 1, rfsLeft | rfsTop | rfsRight, clBtnShadow);
}

void TovCustomRibbonSkin::DrawTabGroupHeaderBackground(HDC DC, const TRect& R, bool AInPopup, int AState) {
    const TSavedDC saved(DC);
    const TRect line{R.left + 4, R.top, R.right - 4, R.top + 1};
    if (!uiIsRectEmpty(line)) {
        FillRectWithColor(DC, line, clBtnShadow);
        ExcludeClipRect(DC, line.left, line.top, line.right, line.bottom);
    }
    DrawRibbonFrame(DC, R, clBtnFace, 1, rfsLeft | rfsRight | rfsBottom, clBtnShadow);
}

void TovCustomRibbonSkin::DrawTabGroupsArea(HDC DC, const TRect& R, bool AQuickAccessToolbarBelow,
                                            bool AInPopup) {
    DrawRibbonFrame(DC, R, clBtnFace, 1, rfsAll, clBtnShadow);
}

void TovCustomRibbonSkin::DrawTabScrollButton(HDC DC, const TRect& R, int AKind, int AState,
                                              TovRibbonColorSchemeAccent AAccent) {
    DrawTabGroupsScrollButton(DC, R, AKind, AState, AAccent);
}

void TovCustomRibbonSkin::DrawTabSeparator(HDC DC, const TRect& R, std::uint8_t AAlpha) {
    DrawPart(TovRibbonCut::TabSeparator, 0, DC, R, AAlpha);
}

void TovCustomRibbonSkin::SetCaptionAreaFontColor(TFont* AFont, bool AOnGlass, TColor AColor,
                                                  TovRibbonColorSchemeAccent AAccent) {
    if (AFont == nullptr) return;
    AFont->SetColor(GetPartColor(AOnGlass ? 10140 : 10139, ovSkinStateNormal, AAccent));
}

void TovCustomRibbonSkin::SetTabFontColor(TFont* AFont, int AState, TColor AColor,
                                          TovRibbonColorSchemeAccent AAccent) {
    if (AFont == nullptr) return;
    AFont->SetColor(GetPartColor(ovSkinColorTabText, AState, AAccent));
}

void TovCustomRibbonSkin::DrawContextBackground(HDC DC, const TRect& R, TColor AColor) {
    const TSavedDC saved(DC);
    const TRect inner{R.left + 2, R.top + 4, R.right - 2, R.bottom - 2};
    if (!uiIsRectEmpty(inner)) {
        FillRectWithColor(DC, inner, clHighlight);
        ExcludeClipRect(DC, inner.left, inner.top, inner.right, inner.bottom);
    }
    FillWith(DC, R, AColor);
}

void TovCustomRibbonSkin::DrawContextBackgroundGlass(HDC DC, const TRect& R, TColor AColor) {
    FillRectWithColor(DC, R, clBtnFace);
}

void TovCustomRibbonSkin::DrawContextTab(HDC DC, const TRect& R, TColor AColor, int AState,
                                         TovRibbonColorSchemeAccent AAccent) {
    FillWith(DC, R, AColor);
    DrawFlatTab(DC, R, AState);
}

void TovCustomRibbonSkin::DrawContextTabGroupsArea(HDC DC, const TRect& R, TColor AColor,
                                                   bool AQuickAccessToolbarBelow, bool AInPopup) {
    DrawRibbonFrame(DC, R, clBtnFace, 1, rfsAll, clBtnShadow);
}

void TovCustomRibbonSkin::DrawContextTabSeparator(HDC DC, const TRect& R, int AKind) {}

void TovCustomRibbonSkin::AdjustQuickAccessToolbarBounds(TRect& R, bool ANonClient, bool ANotOnGlass) {
    if (ANonClient && (!IsCompositionEnabled() || ANotOnGlass)) {
        R.top += 4;
        R.bottom -= 3;
    } else {
        R.top += 3;
        R.bottom -= ANonClient ? 2 : 4;
    }
}

void TovCustomRibbonSkin::DrawQuickAccessToolbar(HDC DC, const TRect& R, bool ABelow, bool ANonClient,
                                                 bool AHasApplicationButton, bool AIsActive,
                                                 bool ANotOnGlass) {
    if (ABelow) {
        DrawPart(TovRibbonCut::QatBelow, 0, DC, R);
        return;
    }
    const int h = uiHeightOfRect(R) / 2;
    if (uiWidthOfRect(R) < 2 * h) return;
    TovSkinnedRect* end;
    TovSkinnedRect* body;
    if (ANonClient && IsCompositionEnabled() && !ANotOnGlass) {
        end = PartOf(AHasApplicationButton ? TovRibbonCut::QatGlassEndWithButton : TovRibbonCut::QatGlassEnd,
                     0);
        body = PartOf(TovRibbonCut::QatGlassBody, 0);
    } else {
        const int inactive = ANonClient && !AIsActive ? 1 : 0;
        end = PartOf(AHasApplicationButton ? TovRibbonCut::QatEndWithButton : TovRibbonCut::QatEnd, inactive);
        body = PartOf(TovRibbonCut::QatBody, inactive);
    }
    TRect r = R;
    AdjustQuickAccessToolbarBounds(r, ANonClient, ANotOnGlass);
    int bodyLeft = r.left;
    if (end != nullptr) {
        end->Draw(DC, TRect{r.left, r.top, r.left + end->ImageSize().cx, r.bottom}, 255);
        bodyLeft = r.left + end->ImageSize().cx;
    }
    if (body != nullptr) body->Draw(DC, TRect{bodyLeft, r.top, R.right - h, r.bottom}, 255);
}

void TovCustomRibbonSkin::DrawQuickAccessToolbarGroupButton(HDC DC, const TRect& R) {
    FillRectWithColor(DC, R, clBtnFace);
}

void TovCustomRibbonSkin::DrawQuickAccessToolbarMarkButton(HDC DC, const TRect& R, int AState,
                                                           bool ANonClientWithTabs, bool ANonClient,
                                                           bool ABelow, TovRibbonColorSchemeAccent AAccent) {
    const bool setB = ABelow || (ANonClient && !ANonClientWithTabs);
    DrawStatePart(setB ? TovRibbonCut::QatMarkB : TovRibbonCut::QatMarkA, DC, AState, R);
}

void TovCustomRibbonSkin::DrawQuickAccessToolbarPopup(HDC DC, const TRect& R) {
    FillRectWithColor(DC, R, clBtnFace);
}

void TovCustomRibbonSkin::DrawStatusBarPanelSeparator(HDC DC, const TRect& R,
                                                      TovRibbonColorSchemeAccent AAccent) {
    FillRectWithColor(DC, R, clBtnFace);
}

void TovCustomRibbonSkin::DrawStatusBarGripSeparator(HDC DC, const TRect& R,
                                                     TovRibbonColorSchemeAccent AAccent) {
    FillRectWithColor(DC, R, clBtnFace);
}

void TovCustomRibbonSkin::DrawStatusBarPanelSeparatorEx(HDC DC, const TRect& R, bool AFlag,
                                                        TovRibbonColorSchemeAccent AAccent) {
    FillRectWithColor(DC, R, clBtnFace);
}

void TovCustomRibbonSkin::DrawStatusBarToolbarSeparator(HDC DC, const TRect& R,
                                                        TovRibbonColorSchemeAccent AAccent) {
    FillRectWithColor(DC, R, clBtnFace);
    FillRectWithColor(DC, TRect{R.left, R.top + 1, R.left + 1, R.bottom - 1}, clBtnShadow);
}

void TovCustomRibbonSkin::DrawStatusBarSizeGrip(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent) {
    Office11PaintSizeGrip(DC, R, GetPartColor(10098, ovSkinStateNormal, AAccent),
                          GetPartColor(10099, ovSkinStateNormal, AAccent));
}

void TovCustomRibbonSkin::DrawStatusBarSeparatorRight(HDC DC, const TRect& R,
                                                      TovRibbonColorSchemeAccent AAccent) {
    FillRectWithColor(DC, R, clBtnFace);
    FillRectWithColor(DC, TRect{R.left, R.top, R.left + 1, R.bottom - 1}, clBtnShadow);
}

void TovCustomRibbonSkin::DrawScrollBarBackground(HDC DC, const TRect& R, bool AHorizontal,
                                                  TovRibbonColorSchemeAccent AAccent) {
    TuiLookAndFeelPainterBase* painter = GetScrollBarPainter();
    TuiPaintCanvas* canvas = uiPaintCanvas();
    if (painter == nullptr || canvas == nullptr) return;
    canvas->BeginPaint(DC);
    painter->DrawScrollBarBackground(canvas, R, AHorizontal);
    canvas->EndPaint();
}

void TovCustomRibbonSkin::PaintScrollBarElement(HDC DC, const TRect& R, bool AHorizontal, int AState,
                                                int AElement, TovRibbonColorSchemeAccent AAccent) {
    TuiLookAndFeelPainterBase* painter = GetScrollBarPainter();
    TuiPaintCanvas* canvas = uiPaintCanvas();
    if (painter == nullptr || canvas == nullptr || AElement < sbpLineUp || AElement > sbpPageDown) return;
    canvas->BeginPaint(DC);
    painter->DrawScrollBarElement(canvas, AHorizontal, R, static_cast<TuiScrollBarPart>(AElement),
                                  SkinStateToButtonState(AState));
    canvas->EndPaint();
}

void TovCustomRibbonSkin::DrawScrollBarCorner(HDC DC, const TRect& R, TovRibbonColorSchemeAccent AAccent) {
    TuiLookAndFeelPainterBase* painter = GetScrollBarPainter();
    FillRectWithColor(DC, R, painter != nullptr ? painter->DefaultSizeGripAreaColor() : clBtnFace);
}

void TovCustomRibbonSkin::DrawTabGroupsScrollButton(HDC DC, const TRect& R, int AKind, int AState,
                                                    TovRibbonColorSchemeAccent AAccent) {
    DrawRibbonFrame(DC, R, clBtnFace, 1, rfsAll, clBlack);
    DrawButton(DC, R, AState, AAccent);
}

void TovCustomRibbonSkin::DrawArrowDown(HDC DC, const TRect& R, int AState) {
    DrawArrowGlyph(DC, R, AState, ovRibbonArrowDown);
}

void TovCustomRibbonSkin::DrawDropDownBorder(HDC DC, const TRect& R) {
    DrawPart(TovRibbonCut::DropDownBorder, 0, DC, R);
}

void TovCustomRibbonSkin::DrawGalleryFilterBand(HDC DC, const TRect& R) {
    FillRectWithColor(DC, R, clWindow);
}

void TovCustomRibbonSkin::DrawGalleryGroupHeaderBackground(HDC DC, const TRect& R) {
    FillRectWithColor(DC, R, clBtnShadow);
}

void TovCustomRibbonSkin::DrawSeparator(HDC DC, const TRect& R, bool AHorizontal) {
    DrawEtchedLine(DC, R, 0xAAA6A2, 0xEBE8E6, AHorizontal);
}

void TovCustomRibbonSkin::DrawKeyTip(HDC DC, const TRect& R) {
    DrawScreenTip(DC, R);
}

void TovCustomRibbonSkin::DrawGalleryBackground(HDC DC, const TRect& R) {
    FillWith(DC, R, GetPartColor(ovSkinColorGalleryBackground, ovSkinStateNormal, rcsaYellow));
}

void TovCustomRibbonSkin::DrawRibbonBackground(HDC DC, const TRect& R) {
    FillWith(DC, R, GetPartColor(10065, ovSkinStateNormal, rcsaYellow));
}

void TovCustomRibbonSkin::DrawRibbonBackgroundTopPart(HDC DC, const TRect& R) {}

void TovCustomRibbonSkin::DrawFormBackground(HDC DC, const TRect& R, int ARibbonHeight) {
    FillWith(DC, R, GetPartColor(ovSkinColorFormBackground, ovSkinStateNormal, rcsaYellow));
}

void TovCustomRibbonSkin::DrawTabsAreaOverlay(HDC DC, const TRect& R, bool AFlag) {}

void TovCustomRibbonSkin::DrawRibbonBottomEdge(HDC DC, const TRect& R) {}

void TovCustomRibbonSkin::DrawScreenTip(HDC DC, const TRect& R) {
    DrawPart(TovRibbonCut::ScreenTip, 0, DC, R);
}

void TovCustomRibbonSkin::DrawScrollArrow(HDC DC, const TRect& R) {
    DrawPart(TovRibbonCut::ScrollArrow, 0, DC, R);
}

void TovCustomRibbonSkin::DrawMenuCaptionSeparator(HDC DC, const TRect& R) {
    FillWith(DC, R, GetPartColor(ovSkinColorMenuCaptionSeparator, ovSkinStateNormal, rcsaYellow));
}

void TovCustomRibbonSkin::DrawMenuCaptionSeparatorLine(HDC DC, const TRect& R) {
    DrawMenuSeparatorHorz(DC, R);
}
