// Base drawing of content areas, buttons, arrows, borders, separators, container borders, expand boxes,
// check boxes and radio buttons, and the painter's identity.
#include "platform/rtl/Numerics.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Pen.h"
#include "ui/core/base/Components.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/base/ResourceStrings.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/ImageDrawing.h"
#include "ui/core/graphics/TextFlags.h"
#include "ui/core/platform/GdiPlusImage.h"
#include "ui/core/skins/SkinDetails.h"
#include "ui/painters/lookandfeel/LookAndFeelPainter.h"
#include "ui/painters/lookandfeel/PainterResources.h"
#include "ui/painters/lookandfeel/RadioButtonImageList.h"

#include "platform/rtl/Resources.h"

#include <algorithm>
#include <cctype>

TResStringRec sovBuiltInLookAndFeelStyles{"sovBuiltInLookAndFeelStyles", "Built-In Look && Feel Styles"};

TuiCustomLookAndFeelPainter::TuiCustomLookAndFeelPainter() = default;

TuiCustomLookAndFeelPainter::~TuiCustomLookAndFeelPainter() {
    FDetails.reset();
    FBackButtonImage.reset();
}

// ---- Identity and details

std::unique_ptr<TovSkinDetails> TuiCustomLookAndFeelPainter::CreatePainterDetails() {
    auto details = std::make_unique<TovSkinDetails>();
    details->SetName(PainterStyleName());
    details->SetDisplayName(PainterStyleName());
    details->SetGroupName(uiGetResourceString(sovBuiltInLookAndFeelStyles));
    std::string upper = PainterStyleName();
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return std::toupper(c); });
    static const char* const Suffixes[2] = {"16", "48"};
    for (int index = 0; index < 2; ++index) {
        const std::string name = "UI_LOOKANDFEELSTYLEICON_" + upper + Suffixes[index];
        if (FindResource("PNG", name) != nullptr)
            details->GetIcon(index)->LoadFromResource(nullptr, name, "PNG");
        else
            details->LoadDefaultIcon(index);
    }
    return details;
}

TovSkinDetails* TuiCustomLookAndFeelPainter::GetDetails() {
    if (!FDetails) FDetails = CreatePainterDetails();
    return FDetails.get();
}

TColor TuiCustomLookAndFeelPainter::DefaultAccentTextColor() {
    return IsWinVistaOrLater() ? static_cast<TColor>(0xCC6600) : clHighlightText;
}

void TuiCustomLookAndFeelPainter::DrawBackgroundArea(TuiCanvas* ACanvas, const TRect& R, bool ATransparent,
                                                     TColor AColor, TBitmap* ABitmap) {
    if (!ATransparent)
        ACanvas->FillRect(R, AColor);
    else if (ABitmap != nullptr)
        ACanvas->FillRect(R, ABitmap);
}

void TuiCustomLookAndFeelPainter::DrawButtonDropArrow(TuiCanvas* ACanvas, const TRect& R, TColor AColor) {
    int w = (R.right - R.left) / 2;
    if (w % 2 == 0) ++w;
    const int h = w / 2 + 1;
    const int x0 = (R.left + R.right - w) / 2;
    const int y0 = MulDiv(R.top + R.bottom - h, 1, 2);
    ACanvas->SetBrushColor(AColor);
    ACanvas->Pen()->SetColor(AColor);
    ACanvas->Polygon({TPoint{x0, y0}, TPoint{x0 + w - 1, y0}, TPoint{x0 + w / 2, y0 + h - 1}});
}

void TuiCustomLookAndFeelPainter::DrawContentArea(TuiCanvas* ACanvas, const TRect& ABounds,
                                                  const TRect& ATextArea, int, TAlignment AHorz,
                                                  TVerticalAlignment AVert, bool AMultiLine,
                                                  bool AEndEllipsis, const std::string& AText, TFont* AFont,
                                                  TColor ATextColor, TColor ABkColor,
                                                  const TuiPainterBackgroundEvent& AOnDrawBackground, bool) {
    if (!AOnDrawBackground || !AOnDrawBackground(ACanvas, ABounds)) {
        ACanvas->SetBrushColor(ABkColor);
        ACanvas->FillRect(ABounds);
    }
    if (AText.empty()) return;
    ACanvas->Brush()->SetStyle(bsClear);
    if (AFont != nullptr) ACanvas->SetFont(AFont);
    ACanvas->Font()->SetColor(ATextColor);
    ACanvas->DrawText(AText, ATextArea, uiPainterTextFlags(AHorz, AVert, AMultiLine, AEndEllipsis), true);
    ACanvas->Brush()->SetStyle(bsSolid);
}

TRect TuiCustomLookAndFeelPainter::FooterCellContentBounds(const TRect& R) {
    const int w = FooterCellBorderWidth();
    return uiGrowRect(R, -w, -w);
}

TRect TuiCustomLookAndFeelPainter::FooterCellTextBounds(const TRect& R) {
    return uiGrowRect(FooterCellContentBounds(R), -2, -2);
}

TColor TuiCustomLookAndFeelPainter::FilterGlyphColor(TuiPainterButtonState AState, bool AActive) {
    switch (AState) {
    case cxbsNormal:
        return static_cast<TColor>(0x848484);
    case cxbsHot:
        return static_cast<TColor>(0x303030);
    case cxbsDisabled:
        return static_cast<TColor>(0x909090);
    default:
        return static_cast<TColor>(AActive ? 0xFF2600 : 0x909090);
    }
}

TRect TuiCustomLookAndFeelPainter::SeparatorBandBounds(const TRect& R, int AWidth, bool AVertical) {
    TRect result = R;
    if (AVertical) {
        result.left = (R.left + R.right) / 2 - AWidth / 2;
        result.right = result.left + AWidth;
    } else {
        result.top = (R.top + R.bottom) / 2 - AWidth / 2;
        result.bottom = result.top + AWidth;
    }
    return result;
}

bool TuiCustomLookAndFeelPainter::QueryPainterData(void*&) {
    return false;
}

bool TuiCustomLookAndFeelPainter::QueryPainterDetails(TovSkinDetails*& ADetails) {
    ADetails = GetDetails();
    return ADetails != nullptr;
}

bool TuiCustomLookAndFeelPainter::IsBuiltInPainter() {
    return false;
}
std::string TuiCustomLookAndFeelPainter::PainterStyleName() {
    return {};
}
TuiLookAndFeelStyle TuiCustomLookAndFeelPainter::LookAndFeelStyle() {
    return lfsStandard;
}
bool TuiCustomLookAndFeelPainter::RedrawsOnResize() {
    return false;
}

// ---- Arrows

bool TuiCustomLookAndFeelPainter::ComputeArrowPoints(const TRect& R, TuiArrowPoints& APoints, int ADirection,
                                                     bool AProportional, int ASize) {
    if (ADirection < adUp || ADirection > adRight) return false;
    TRect r = R;
    if (AProportional) {
        const int d = (r.right - r.left) - (r.bottom - r.top);
        r = d > 0 ? uiGrowRect(r, -(d / 2), 0) : uiGrowRect(r, 0, d / 2);
    }
    const bool vertical = ADirection == adUp || ADirection == adDown;
    int s = ASize;
    if (s == 0) s = vertical ? (r.right - r.left - 1) / 4 + 1 : (r.bottom - r.top - 1) / 4 + 1;
    const int w = vertical ? 2 * s - 1 : s;
    const int h = vertical ? s : 2 * s - 1;
    const int L = r.left, T = r.top, Rr = r.right, B = r.bottom;
    switch (ADirection) {
    case adUp: {
        const TPoint apex{(L + Rr - 1) / 2, MulDiv(T + B - h, 1, 2)};
        const TPoint left{(L + Rr - w) / 2, apex.y + h - 1};
        APoints.P[0] = left;
        APoints.P[1] = apex;
        APoints.P[2] = TPoint{left.x + w - 1, left.y};
        break;
    }
    case adDown: {
        const TPoint topLeft{(L + Rr - w) / 2, MulDiv(T + B - h, 1, 2)};
        APoints.P[0] = TPoint{topLeft.x + w - 1, topLeft.y};
        APoints.P[1] = TPoint{(L + Rr - 1) / 2, topLeft.y + h - 1};
        APoints.P[2] = topLeft;
        break;
    }
    case adLeft: {
        const TPoint apex{(L + Rr - w) / 2, (T + B) / 2};
        const TPoint top{apex.x + w - 1, MulDiv(T + B - h, 1, 2)};
        APoints.P[0] = TPoint{top.x, top.y + h - 1};
        APoints.P[1] = apex;
        APoints.P[2] = top;
        break;
    }
    default: {
        const TPoint top{(L + Rr - w) / 2, MulDiv(T + B - h, 1, 2)};
        APoints.P[0] = top;
        APoints.P[1] = TPoint{top.x + w - 1, (T + B) / 2};
        APoints.P[2] = TPoint{top.x, top.y + h - 1};
        break;
    }
    }
    return true;
}

void TuiCustomLookAndFeelPainter::FillArrow(TuiCanvas* ACanvas, const TuiArrowPoints& APoints,
                                            TColor AColor) {
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->SetBrushColor(AColor);
    ACanvas->Pen()->SetColor(AColor);
    ACanvas->Polygon({APoints.P[0], APoints.P[1], APoints.P[2]});
}

void TuiCustomLookAndFeelPainter::DrawArrowShape(TuiCanvas* ACanvas, const TRect& R,
                                                 TuiPainterArrowDirection ADirection, TColor AColor) {
    TuiArrowPoints points;
    if (ComputeArrowPoints(R, points, ADirection, true)) FillArrow(ACanvas, points, AColor);
}

void TuiCustomLookAndFeelPainter::DrawArrowButton(TuiCanvas* ACanvas, const TRect& R,
                                                  TuiPainterButtonState AState,
                                                  TuiPainterArrowDirection ADirection, bool ABordered) {
    TuiArrowPoints points;
    const bool known = ComputeArrowPoints(R, points, ADirection, false);
    if (ABordered)
        DrawArrowFrame(ACanvas, R, AState);
    else
        ACanvas->FillRect(R, ButtonFaceColor(AState));
    if (known) FillArrow(ACanvas, points, ButtonSignColor(AState, clDefault));
}

void TuiCustomLookAndFeelPainter::DrawArrowFrame(TuiCanvas* ACanvas, const TRect& R,
                                                 TuiPainterButtonState AState) {
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->FillRect(R, ButtonFaceColor(AState));
    DrawButtonFrame(ACanvas, R, AState);
}

void TuiCustomLookAndFeelPainter::DrawDoubleChevron(TuiCanvas* ACanvas, const TRect& R, TColor AColor,
                                                    int ALineWidth) {
    const int t = ALineWidth;
    const int s = (std::min(R.right - R.left, R.bottom - R.top) - 1) / 4;
    const TRect r = uiCentreRectHorz(R, s + 3 * t - 1);
    const int y = uiFloorHalf(r.top + r.bottom);
    // Right-pointing: the two bars of a column meet at the middle row in the chevron's last column.
    for (int chevron = 0; chevron < 2; ++chevron) {
        const int x = r.left + chevron * 2 * t;
        for (int i = 0; i < s; ++i) {
            const int spread = s - 1 - i;
            ACanvas->FillRect(TRect{x + i, y - spread, x + i + t, y - spread + 1}, AColor);
            ACanvas->FillRect(TRect{x + i, y + spread, x + i + t, y + spread + 1}, AColor);
        }
    }
}

void TuiCustomLookAndFeelPainter::DrawArrowGlyph(TuiCanvas* ACanvas, const TRect& R,
                                                 TuiPainterButtonState AState,
                                                 TuiPainterArrowDirection ADirection) {
    TRect r = R;
    if (AState == cxbsPressed) r = uiShiftRect(r, PressedButtonTextShift(), PressedButtonTextShift());
    TuiArrowPoints points;
    if (!ComputeArrowPoints(r, points, ADirection, true)) return;
    if (AState == cxbsDisabled) {
        TuiArrowPoints embossed = points;
        for (TPoint& p : embossed.P)
            p = TPoint{p.x + 1, p.y + 1};
        FillArrow(ACanvas, embossed, clBtnHighlight);
        FillArrow(ACanvas, points, clBtnShadow);
    } else
        FillArrow(ACanvas, points, ButtonSignColor(AState, clDefault));
}

// ---- Borders and separators

int TuiCustomLookAndFeelPainter::BorderThickness() {
    return 0;
}
int TuiCustomLookAndFeelPainter::SeparatorThickness() {
    return BorderThickness();
}
void TuiCustomLookAndFeelPainter::DrawBorderFrame(TuiCanvas*, const TRect&) {}

void TuiCustomLookAndFeelPainter::DrawContainerBorder(TuiCanvas* ACanvas, const TRect& R,
                                                      TuiContainerBorderStyle AStyle, int AWidth,
                                                      TColor AColor, TuiBorders ABorders) {
    switch (AStyle) {
    case cbsSingle:
    case cbsThick:
        ACanvas->FrameRect(R, AColor, AWidth);
        break;
    case cbsFlat:
        ACanvas->DrawEdge(R, true, true, ABorders);
        ACanvas->FrameRect(uiGrowRect(R, -1, -1), clBtnFace);
        break;
    case cbs3D:
        ACanvas->DrawEdge(R, true, true, ABorders);
        ACanvas->DrawComplexFrame(uiGrowRect(R, -1, -1), cl3DDkShadow, cl3DLight, ABorders);
        break;
    case cbsUltraFlat:
    case cbsOffice11:
        // One pixel wide, so it is drawn: a popup under these looks keeps no unpainted ring.
        ACanvas->FrameRect(R, AColor);
        break;
    default:
        break;
    }
}

TColor TuiCustomLookAndFeelPainter::ContainerBorderColor() {
    return clBtnText;
}

int TuiCustomLookAndFeelPainter::ContainerBorderWidth(TuiContainerBorderStyle AStyle) {
    static constexpr int Widths[] = {0, 1, 2, 2, 2, 1, 1};
    return AStyle <= cbsOffice11 ? Widths[AStyle] : 0;
}

void TuiCustomLookAndFeelPainter::DrawSeparatorCore(TuiCanvas* ACanvas, const TRect& R, bool) {
    const TRect r{R.left, R.top, R.right - 1, R.bottom - 1};
    ACanvas->FillRect(r, clBtnShadow);
    ACanvas->FillRect(uiShiftRect(r, 1, 1), clBtnHighlight);
}

// ---- Buttons

int TuiCustomLookAndFeelPainter::ButtonBorderThickness(TuiPainterButtonState) {
    return 0;
}
TColor TuiCustomLookAndFeelPainter::ButtonFaceColor(TuiPainterButtonState) {
    return clBtnFace;
}
TColor TuiCustomLookAndFeelPainter::ButtonSubTextColor(TuiPainterButtonState, TColor ADefaultColor) {
    return ADefaultColor;
}

TRect TuiCustomLookAndFeelPainter::ButtonFocusBounds(TuiCanvas*, const TRect& R) {
    const TRect result = uiGrowRect(R, -4, -4);
    return uiIsRectEmpty(result) ? R : result;
}

TColor TuiCustomLookAndFeelPainter::ButtonSignColor(TuiPainterButtonState AState, TColor ADefaultColor) {
    if (AState == cxbsDisabled) return clBtnShadow;
    return ADefaultColor == clDefault ? clBtnText : ADefaultColor;
}

int TuiCustomLookAndFeelPainter::ButtonTextIndent() {
    return 0;
}
int TuiCustomLookAndFeelPainter::PressedButtonTextShift() {
    return 0;
}
TuiPainterButtonState TuiCustomLookAndFeelPainter::ButtonGlyphState(TuiPainterButtonState AState) {
    return AState;
}

void TuiCustomLookAndFeelPainter::DrawButton(TuiCanvas* ACanvas, const TRect& R, const std::string& ACaption,
                                             TuiPainterButtonState AState, bool ADrawBorder, TColor AColor,
                                             TColor ATextColor, bool AWordWrap, bool) {
    TRect r = R;
    if (ADrawBorder) {
        DrawButtonFrame(ACanvas, r, AState);
        const int border = ButtonBorderThickness(AState);
        r = uiGrowRect(r, -border, -border);
    }
    if (AColor == clDefault) AColor = ButtonFaceColor(AState);
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->FillRect(r, AColor);
    if (ATextColor == clDefault) ATextColor = ButtonSignColor(AState, clDefault);
    ACanvas->Font()->SetColor(ATextColor);
    ACanvas->Brush()->SetStyle(bsClear);
    r.bottom -= (r.bottom - r.top) % 2;
    if (r.bottom - r.top < 18) --r.top;
    if (AState == cxbsPressed) r = uiShiftRect(r, PressedButtonTextShift(), PressedButtonTextShift());
    if (!ACaption.empty()) {
        const int flags = AWordWrap ? uiTextCentre | uiTextVCentre | uiTextShowPrefix | uiTextWordBreak
                                    : uiTextCentre | uiTextVCentre | uiTextSingleLine | uiTextShowPrefix;
        ACanvas->DrawText(ACaption, r, flags, AState != cxbsDisabled);
    }
    ACanvas->Brush()->SetStyle(bsSolid);
}

TColor TuiCustomLookAndFeelPainter::ButtonCaptionColor(TuiPainterButtonState AState, TColor ADefaultColor) {
    return ButtonSignColor(AState, ADefaultColor);
}

void TuiCustomLookAndFeelPainter::DrawPlainButton(TuiCanvas* ACanvas, const TRect& R,
                                                  TuiPainterButtonState AState, TColor AColor) {
    DrawButton(ACanvas, R, {}, AState, true, AColor, clDefault, false);
}

void TuiCustomLookAndFeelPainter::DrawCommandLinkGlyph(TuiCanvas* ACanvas, const TPoint& AOrigin,
                                                       TuiPainterButtonState AState) {
    TovSmartImage image;
    image.LoadFromResource(nullptr, "UI_COMMANDLINKGLYPH", "PNG");
    const TSize size = CommandLinkGlyphSize();
    TRect source{0, 0, size.cx, size.cy};
    if (AState == cxbsHot) source = uiShiftRect(source, 0, size.cy);
    image.StretchDrawPart(ACanvas->Handle(),
                          TRect{AOrigin.x, AOrigin.y, AOrigin.x + size.cx, AOrigin.y + size.cy}, 255, source);
}

TSize TuiCustomLookAndFeelPainter::CommandLinkGlyphSize() {
    return TSize{20, 20};
}
TRect TuiCustomLookAndFeelPainter::CommandLinkMargins() {
    return TRect{7, 10, 7, 10};
}
void TuiCustomLookAndFeelPainter::DrawButtonFrame(TuiCanvas*, const TRect&, TuiPainterButtonState) {}
void TuiCustomLookAndFeelPainter::DrawExpandBox(TuiCanvas*, const TRect&, bool, TColor) {}

void TuiCustomLookAndFeelPainter::DrawExpandSign(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                 TColor AColor) {
    const int cx = uiGetRangeCenter(R.left, R.right), cy = uiGetRangeCenter(R.top, R.bottom);
    const int h = (R.right - R.left - 4) / 2;
    ACanvas->SetBrushColor(AColor);
    ACanvas->FillRect(TRect{cx - h, cy, cx + h + 1, cy + 1});
    if (!AExpanded) ACanvas->FillRect(TRect{cx, cy - h, cx + 1, cy + h + 1});
}

void TuiCustomLookAndFeelPainter::DrawSmallExpandBox(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                     TColor AFrameColor, TColor AFillColor) {
    ACanvas->SetBrushColor(AFrameColor);
    ACanvas->FrameRect(R, AFrameColor);
    if (AFillColor != clDefault) ACanvas->FillRect(uiGrowRect(R, -1, -1), AFillColor);
    DrawExpandSign(ACanvas, R, AExpanded, clBtnText);
}

void TuiCustomLookAndFeelPainter::DrawGroupExpandChevrons(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                          TuiPainterButtonState AState) {
    constexpr int S = 3;
    ACanvas->Pen()->SetColor(ButtonSignColor(AState, clDefault));
    const int x0 = (R.left + R.right - 2 * S - 1) / 2;
    const int y0 = (R.top + R.bottom - 2 * S - 2) / 2;
    const int c = AExpanded ? 1 : -1;
    for (int row : {0, 1, 4, 5}) {
        int y = y0 + row;
        int p = row % 2;
        if (!AExpanded) p = 1 - p;
        if (AExpanded) y += S;
        ACanvas->MoveTo(x0 + p, y - c * p);
        ACanvas->LineTo(x0 + S, y - S * c);
        ACanvas->LineTo(x0 + 2 * S + 1 - p, y + (1 - p) * c);
    }
}

void TuiCustomLookAndFeelPainter::DrawGroupExpander(TuiCanvas* ACanvas, const TRect& R, bool AExpanded,
                                                    TuiPainterButtonState AState) {
    DrawButton(ACanvas, R, {}, AState, true, clDefault, clDefault, false);
    DrawGroupExpandChevrons(ACanvas, R, AExpanded, AState);
}

void TuiCustomLookAndFeelPainter::DrawRotatedGroupExpandButton(TuiCanvas* ACanvas, const TRect& R,
                                                               TuiPainterButtonState AState, bool AExpanded,
                                                               TuiRotationAngle ARotation) {
    // The button keeps its lighting; only the mark turns. The mark is drawn upright into a bitmap of the
    // face colour, turned, and laid over the button with the face colour transparent.
    DrawButton(ACanvas, R, {}, AState);
    const bool quarter = ARotation == raPlus90 || ARotation == raMinus90;
    const TRect work = uiMoveRectToZero(quarter ? uiSwapRectAxes(R) : R);
    const TColor face = static_cast<TColor>(ColorToRGB(ButtonFaceColor(AState)) & 0xFFFFFF);
    TuiBitmap bitmap(work.right, work.bottom, pf24bit);
    TuiCanvas* canvas = bitmap.GetuiCanvas();
    canvas->FillRect(work, face);
    DrawGroupExpandChevrons(canvas, work, AExpanded, AState);
    bitmap.Rotate(ARotation);
    uiDrawImage(ACanvas->Handle(), R, R, &bitmap, nullptr, -1, gdmNormal, false, nullptr, face, false);
}

bool TuiCustomLookAndFeelPainter::IsExpandButtonDrawnFirst() {
    return true;
}
int TuiCustomLookAndFeelPainter::TouchExpandBoxSize() {
    int size = ExpandBoxSize();
    ovAdjustToTouchableSize(size);
    return size;
}
int TuiCustomLookAndFeelPainter::ExpandBoxSize() {
    return 0;
}
int TuiCustomLookAndFeelPainter::GroupExpandButtonExtent() {
    return 15;
}
bool TuiCustomLookAndFeelPainter::ButtonHotTracks() {
    return false;
}
bool TuiCustomLookAndFeelPainter::GroupExpandButtonHitTest(const TRect& R, const TPoint& P) {
    return uiIsPointInRect(R, P);
}
int TuiCustomLookAndFeelPainter::SmallExpandBoxSize() {
    return 9;
}

// ---- Check boxes and radio buttons

TSize TuiCustomLookAndFeelPainter::TouchCheckBoxSize() {
    TSize size = CheckBoxSize();
    ovAdjustSizeToTouchableSize(size);
    return size;
}
int TuiCustomLookAndFeelPainter::CheckBoxBorderWidth() {
    return 2;
}

TColor TuiCustomLookAndFeelPainter::CheckBoxFaceColor(TuiPainterButtonState AState,
                                                      TuiPainterCheckState ACheckState) {
    if (AState == cxbsNormal) return ACheckState == cbsGrayed ? clBtnFace : clWindow;
    return AState == cxbsPressed || AState == cxbsDisabled ? clBtnFace : clWindow;
}

TSize TuiCustomLookAndFeelPainter::CheckBoxSize() {
    return uiSystemCheckBoxSize();
}

void TuiCustomLookAndFeelPainter::DrawCheckMark(TuiCanvas* ACanvas, const TRect& R,
                                                TuiPainterButtonState AState, bool AChecked, TColor AColor) {
    DrawCheck(ACanvas, R, AState, AChecked ? cbsChecked : cbsUnchecked, AColor);
}

void TuiCustomLookAndFeelPainter::DrawCheck(TuiCanvas* ACanvas, const TRect& R, TuiPainterButtonState AState,
                                            TuiPainterCheckState ACheckState, TColor AMarkColor) {
    if (ACanvas->Brush()->Style() == bsSolid) ACanvas->FillRect(R, CheckBoxFaceColor(AState, ACheckState));
    if (ACheckState == cbsUnchecked) return;
    const int W = (R.right - R.left) - 2, H = (R.bottom - R.top) - 4;
    const int xc = (R.left + R.right) / 2 - 1;
    ACanvas->Pen()->SetColor(AMarkColor);
    for (int d = 0; d < 3; ++d) {
        const int yd = (R.top + R.bottom + H) / 2 - 2 + d;
        ACanvas->MoveTo(xc - W / 2 + 1, yd - H / 2);
        ACanvas->LineTo(xc, yd);
        ACanvas->LineTo(xc + W / 2 + 2, yd - H);
    }
}

void TuiCustomLookAndFeelPainter::DrawCheckBoxFrame(TuiCanvas*, const TRect&, TuiPainterButtonState) {}

void TuiCustomLookAndFeelPainter::DrawCheckButton(TuiCanvas* ACanvas, const TRect& R,
                                                  TuiPainterButtonState AState, bool AChecked) {
    DrawCheckBox(ACanvas, R, AState, AChecked ? cbsChecked : cbsUnchecked);
}

void TuiCustomLookAndFeelPainter::DrawCheckBox(TuiCanvas* ACanvas, const TRect& R,
                                               TuiPainterButtonState AState,
                                               TuiPainterCheckState ACheckState) {
    DrawCheckBoxFrame(ACanvas, R, AState);
    const int border = CheckBoxBorderWidth();
    const TColor mark = AState == cxbsDisabled || ACheckState == cbsGrayed ? clGrayText : clBtnText;
    DrawCheck(ACanvas, uiGrowRect(R, -border, -border), AState, ACheckState, mark);
}

void TuiCustomLookAndFeelPainter::DrawRadioButton(TuiCanvas* ACanvas, int X, int Y,
                                                  TuiPainterButtonState AState, bool AChecked,
                                                  bool AEmphasisB, TColor ABkColor, bool AEmphasisA) {
    RadioButtonImageList()->PaintRadioImage(ACanvas, X, Y, ABkColor, uiRadioKindOfStyle(LookAndFeelStyle()),
                                            AState, AChecked, AEmphasisB, AEmphasisA);
}

TColor TuiCustomLookAndFeelPainter::RadioButtonFillColor(TuiPainterButtonState AState) {
    return AState == cxbsPressed || AState == cxbsDisabled ? clBtnFace : clWindow;
}

TSize TuiCustomLookAndFeelPainter::RadioButtonExtent() {
    return RadioButtonImageList()->RadioImageSize();
}
