#include "ui/core/graphics/Canvas.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/gdi/GdiText.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Pen.h"
#include "ui/core/base/BitmapBits.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/TextFlags.h"

#include <algorithm>

namespace canvas_detail {

// The rectangle standing for "everything" when a DC has no clip region of its own.
constexpr TRect kNoClipRect{0, 0, 30000, 30000};

// Division rounded toward minus infinity, so that tiles stay anchored at 0 on both sides of it.
int FloorDiv(int A, int B) {
    const int q = A / B;
    return (A % B != 0 && ((A < 0) != (B < 0))) ? q - 1 : q;
}

// The last tile index a half-open range ending at AEnd touches.
int LastTile(int AEnd, int ASize) {
    return FloorDiv(AEnd - 1, ASize);
}

TPenMode PenModeOfRop2(int ARop2) {
    for (int mode = pmBlack; mode <= pmNotXor; ++mode)
        if (PenModeToRop2(static_cast<TPenMode>(mode)) == ARop2) return static_cast<TPenMode>(mode);
    return pmCopy;
}

TBrushStyle BrushStyleOf(const LOGBRUSH& ABrush) {
    if (ABrush.lbStyle == BS_NULL) return bsClear;
    if (ABrush.lbStyle == BS_HATCHED && ABrush.lbHatch <= 5)
        return static_cast<TBrushStyle>(bsHorizontal + static_cast<int>(ABrush.lbHatch));
    return bsSolid;
}

} // namespace canvas_detail

TuiCanvas::TuiCanvas(TCanvas* ACanvas) : FTarget(ACanvas) {}

TuiCanvas::~TuiCanvas() {
    // Regions still saved belong to this canvas; the wrapped canvas belongs to someone else.
    for (TuiRegion* region : FClipStack)
        delete region;
    FClipStack.clear();
    FTarget = nullptr;
}

// ---- The wrapped canvas

HDC TuiCanvas::Handle() {
    return FTarget->Handle();
}
TBrush* TuiCanvas::Brush() const {
    return FTarget->Brush();
}
void TuiCanvas::SetBrush(TBrush* AValue) {
    FTarget->SetBrush(AValue);
}
TFont* TuiCanvas::Font() const {
    return FTarget->Font();
}
void TuiCanvas::SetFont(TFont* AValue) {
    FTarget->SetFont(AValue);
}
TPen* TuiCanvas::Pen() const {
    return FTarget->Pen();
}
TCopyMode TuiCanvas::CopyMode() const {
    return FTarget->CopyMode();
}
void TuiCanvas::SetCopyMode(TCopyMode AValue) {
    FTarget->SetCopyMode(AValue);
}
void TuiCanvas::SetPixels(int X, int Y, TColor AColor) {
    FTarget->SetPixels(X, Y, AColor);
}
void TuiCanvas::MoveTo(int X, int Y) {
    FTarget->MoveTo(X, Y);
}
void TuiCanvas::LineTo(int X, int Y) {
    FTarget->LineTo(X, Y);
}
void TuiCanvas::Polygon(const std::vector<TPoint>& APoints) {
    FTarget->Polygon(APoints);
}
void TuiCanvas::Polyline(const std::vector<TPoint>& APoints) {
    FTarget->Polyline(APoints);
}
void TuiCanvas::Rectangle(const TRect& R) {
    FTarget->Rectangle(R);
}
void TuiCanvas::CopyRect(const TRect& ADest, TCanvas* ACanvas, const TRect& ASource) {
    FTarget->CopyRect(ADest, ACanvas, ASource);
}
void TuiCanvas::Draw(int X, int Y, TGraphic* AGraphic) {
    FTarget->Draw(X, Y, AGraphic);
}
void TuiCanvas::ExcludeClipRect(const TRect& R) {
    ::ExcludeClipRect(Handle(), R.left, R.top, R.right, R.bottom);
}
void TuiCanvas::IntersectClipRect(const TRect& R) {
    ::IntersectClipRect(Handle(), R.left, R.top, R.right, R.bottom);
}
bool TuiCanvas::RectVisible(const TRect& R) {
    return ::RectVisible(Handle(), &R) != FALSE;
}
TPoint TuiCanvas::GetViewportOrigin() {
    POINT origin{};
    GetViewportOrgEx(Handle(), &origin);
    return origin;
}
void TuiCanvas::SetViewportOrigin(const TPoint& P) {
    SetViewportOrgEx(Handle(), P.x, P.y, nullptr);
}
int TuiCanvas::TextWidth(const std::string& AText) {
    return FTarget->TextWidth(AText);
}
int TuiCanvas::TextHeight(const std::string& AText) {
    return FTarget->TextHeight(AText);
}

// ---- Origins

TPoint TuiCanvas::GetDCOrigin() {
    const TPoint viewport = GetViewportOrigin();
    const TPoint window = GetWindowOrg();
    return TPoint{viewport.x - window.x, viewport.y - window.y};
}

TPoint TuiCanvas::GetWindowOrg() {
    POINT origin{};
    GetWindowOrgEx(Handle(), &origin);
    return origin;
}

void TuiCanvas::SetWindowOrg(const TPoint& P) {
    SetWindowOrgEx(Handle(), P.x, P.y, nullptr);
}

// ---- Fills and frames

void TuiCanvas::SetBrushColor(TColor AColor) {
    TBrush* brush = Brush();
    if (brush->Color() != AColor || brush->Style() == bsClear) brush->SetColor(AColor);
}

void TuiCanvas::FillRect(const TRect& R, TColor AColor) {
    if (AColor == clNone) return;
    if (AColor != clDefault) SetBrushColor(AColor);
    FTarget->FillRect(R);
}

void TuiCanvas::FillRect(const TRect& R, TBitmap* ABitmap, bool AExcludeRect) {
    if (uiIsRectEmpty(R)) return;
    if (ABitmap != nullptr && !ABitmap->Empty()) {
        const int w = ABitmap->Width(), h = ABitmap->Height();
        TCanvas* source = ABitmap->Canvas();
        const int firstColumn = canvas_detail::FloorDiv(R.left, w);
        const int lastColumn = canvas_detail::LastTile(R.right, w);
        const int firstRow = canvas_detail::FloorDiv(R.top, h);
        const int lastRow = canvas_detail::LastTile(R.bottom, h);
        for (int row = firstRow; row <= lastRow; ++row)
            for (int column = firstColumn; column <= lastColumn; ++column) {
                const TRect tile = uiRectOfBounds(column * w, row * h, w, h);
                TRect part;
                if (!uiIntersectRects(part, tile, R)) continue;
                FTarget->CopyRect(part, source, uiShiftRect(part, -tile.left, -tile.top));
            }
    } else {
        FTarget->FillRect(R);
    }
    if (AExcludeRect) SetClipRegion(new TuiRegion(R), roSubtract, true, true);
}

void TuiCanvas::FillRectWithParams(const TRect& R, const TuiViewParams& AParams, bool AExcludeRect) {
    SetBrushColor(AParams.Color);
    FillRect(R, AParams.Bitmap, AExcludeRect);
}

void TuiCanvas::FillRectWithBorders(const TRect& R, const TuiViewParams& AParams, bool AExcludeRect,
                                    int ABorderWidth, TColor ABorderColor, TuiBorders ABorders) {
    TRect inner = R;
    if (!ABorders.empty()) {
        FrameRect(R, ABorderColor, ABorderWidth, ABorders, AExcludeRect);
        if (ABorders.Contains(bLeft)) inner.left += ABorderWidth;
        if (ABorders.Contains(bTop)) inner.top += ABorderWidth;
        if (ABorders.Contains(bRight)) inner.right -= ABorderWidth;
        if (ABorders.Contains(bBottom)) inner.bottom -= ABorderWidth;
    }
    FillRectWithParams(inner, AParams, AExcludeRect);
}

void TuiCanvas::FrameRect(const TRect& R, TColor AColor, int ALineWidth, TuiBorders ABorders,
                          bool AExcludeFrame) {
    if (uiIsRectEmpty(R) || AColor == clNone) return;
    if (AColor != clDefault) SetBrushColor(AColor);
    if (ABorders.Contains(bLeft))
        FillRect(TRect{R.left, R.top, std::min(R.left + ALineWidth, R.right), R.bottom}, nullptr,
                 AExcludeFrame);
    if (ABorders.Contains(bRight))
        FillRect(TRect{std::max(R.right - ALineWidth, R.left), R.top, R.right, R.bottom}, nullptr,
                 AExcludeFrame);
    if (ABorders.Contains(bTop))
        FillRect(TRect{R.left, R.top, R.right, std::min(R.top + ALineWidth, R.bottom)}, nullptr,
                 AExcludeFrame);
    if (ABorders.Contains(bBottom))
        FillRect(TRect{R.left, std::max(R.bottom - ALineWidth, R.top), R.right, R.bottom}, nullptr,
                 AExcludeFrame);
}

void TuiCanvas::DrawComplexFrame(const TRect& R, TColor ALeftTopColor, TColor ARightBottomColor,
                                 TuiBorders ABorders, int ALineWidth) {
    if (ABorders.Contains(bLeft)) FillRect(uiResizeRectWidth(R, ALineWidth), ALeftTopColor);
    if (ABorders.Contains(bTop)) FillRect(uiResizeRectHeight(R, ALineWidth), ALeftTopColor);
    if (ABorders.Contains(bRight)) FillRect(uiPlaceRectRightWidth(R, R.right, ALineWidth), ARightBottomColor);
    if (ABorders.Contains(bBottom))
        FillRect(uiPlaceRectBottomHeight(R, R.bottom, ALineWidth), ARightBottomColor);
}

void TuiCanvas::DrawEdge(const TRect& R, bool ASunken, bool AOuter, TuiBorders ABorders) {
    static constexpr TColor Colors[2][2][2] = {
        // raised: inner, outer
        {{clBtnHighlight, clBtnShadow}, {cl3DLight, cl3DDkShadow}},
        // sunken: inner, outer
        {{cl3DDkShadow, cl3DLight}, {clBtnShadow, clBtnHighlight}},
    };
    const TColor* pair = Colors[ASunken ? 1 : 0][AOuter ? 1 : 0];
    DrawComplexFrame(R, pair[0], pair[1], ABorders, 1);
}

void TuiCanvas::DrawFocusRect(const TRect& R) {
    SetBrushColor(clWhite);
    Font()->SetColor(clBlack);
    FTarget->RequiredState({csHandleValid, csFontValid});
    FTarget->DrawFocusRect(R);
}

void TuiCanvas::DrawFocusRect(const TRect& R, int AWidth) {
    TRect r = R;
    for (int i = 0; i < AWidth; ++i) {
        DrawFocusRect(r);
        r = uiGrowRect(r, -1, -1);
    }
}

void TuiCanvas::InvertRect(const TRect& R) {
    SetCopyMode(cmDstInvert);
    FTarget->CopyRect(R, FTarget, R);
    SetCopyMode(cmSrcCopy);
}

// ---- Text

void TuiCanvas::DrawText(const std::string& AText, TRect R, int AFlags, bool AEnabled) {
    if (AText.empty()) return;
    const bool useDrawText = !(AFlags & uiTextSingleLine) ||
                             (AFlags & (uiTextShowPrefix | uiTextEndEllipsis | uiTextPathEllipsis)) != 0;
    const TSize size = TextExtent(AText);
    if (uiWidthOfRect(R) >= size.cx && uiHeightOfRect(R) >= size.cy) AFlags |= uiTextNoClip;
    const int offset = AEnabled ? 0 : 1;
    UINT format = 0;
    if (useDrawText) {
        if (!(AFlags & uiTextSingleLine) && (AFlags & (uiTextBottom | uiTextVCentre)))
            CentreTextBlockVertically(R, AText, (AFlags & uiTextEndEllipsis) != 0,
                                      (AFlags & uiTextBreakAtWords) != 0, AEnabled,
                                      (AFlags & uiTextShowPrefix) != 0, (AFlags & uiTextWordBreak) != 0,
                                      (AFlags & uiTextBottom) ? tbpBottom : tbpCentre);
        format = uiTextFlagsToDrawFlags(AFlags);
    } else {
        if (size.cx < uiWidthOfRect(R)) {
            if ((AFlags & uiTextHorzMask) == uiTextRight)
                R.left = R.right - size.cx - offset;
            else if ((AFlags & uiTextHorzMask) == uiTextCentre)
                R.left = (R.left + R.right - size.cx) / 2;
        }
        if (size.cy < uiHeightOfRect(R)) {
            if ((AFlags & uiTextVertMask) == uiTextBottom)
                R.top = R.bottom - size.cy - offset;
            else if ((AFlags & uiTextVertMask) == uiTextVCentre)
                R.top = (R.top + R.bottom - size.cy) / 2;
        }
        format = (AFlags & uiTextNoClip) ? 0 : ETO_CLIPPED;
    }
    const TBrushStyle brushStyle = Brush()->Style();
    const TColor fontColor = Font()->Color();
    if (!AEnabled) {
        Brush()->SetStyle(bsClear);
        Font()->SetColor(clBtnHighlight);
        OutputText(AText, uiShiftRect(R, 1, 1), useDrawText, format);
        Font()->SetColor(clBtnShadow);
    }
    OutputText(AText, R, useDrawText, format);
    if (Brush()->Style() != brushStyle) Brush()->SetStyle(brushStyle);
    Font()->SetColor(fontColor);
}

void TuiCanvas::OutputText(const std::string& AText, const TRect& R, bool AUseDrawText, UINT AFormat) {
    FTarget->RequiredState({csHandleValid, csFontValid, csBrushValid});
    if (AUseDrawText) {
        TRect r = R;
        uiDrawText(Handle(), AText, r, TRANSPARENT, clDefault, -1, AFormat);
    } else {
        ExtTextOutA(Handle(), R.left, R.top, AFormat, &R, AText.data(), static_cast<UINT>(AText.size()),
                    nullptr);
    }
}

void TuiCanvas::DrawAlignedText(const std::string& AText, const TRect& R, TAlignment AHorzAlignment,
                                TVerticalAlignment AVertAlignment, bool AMultiLine, bool AEndEllipsis) {
    static constexpr int Horz[] = {uiTextLeft, uiTextRight, uiTextCentre};
    static constexpr int Vert[] = {uiTextTop, uiTextBottom, uiTextVCentre};
    const int flags = Horz[AHorzAlignment] | Vert[AVertAlignment] |
                      (AMultiLine ? uiTextWordBreak : uiTextSingleLine) |
                      (AEndEllipsis ? uiTextEndEllipsis : 0);
    DrawText(AText, R, flags, true);
}

TSize TuiCanvas::TextExtent(const std::string& AText) {
    FTarget->RequiredState({csHandleValid, csFontValid});
    SIZE size{0, 0};
    if (!GetTextExtentPoint32A(Handle(), AText.data(), static_cast<int>(AText.size()), &size))
        size = SIZE{0, 0};
    return size;
}

void TuiCanvas::TextExtentInRect(const std::string& AText, TRect& R, int AFlags) {
    const int oldWidth = uiWidthOfRect(R), oldHeight = uiHeightOfRect(R);
    const UINT format = uiTextFlagsToDrawFlags(AFlags);
    if (uiWidthOfRect(R) <= 0 && !AText.empty()) R.right = R.left + 1;
    FTarget->RequiredState({csHandleValid, csFontValid});
    if (uiDrawText(Handle(), AText, R, TRANSPARENT, clDefault, -1, (format | DT_CALCRECT) & ~DT_CENTER) == 0)
        R = TRect{R.left, R.top, R.left, R.top};
    const int newWidth = uiWidthOfRect(R), newHeight = uiHeightOfRect(R);
    if (format & DT_CENTER)
        R = uiShiftRectHorz(R, (oldWidth - newWidth) / 2);
    else if (format & DT_RIGHT)
        R = uiShiftRectHorz(R, oldWidth - newWidth);
    if (format & DT_VCENTER)
        R = uiShiftRectVert(R, (oldHeight - newHeight) / 2);
    else if (format & DT_BOTTOM)
        R = uiShiftRectVert(R, oldHeight - newHeight);
}

void TuiCanvas::CentreTextBlockVertically(TRect& R, const std::string& AText, bool AEndEllipsis,
                                          bool ANonBreaking, bool AEnabled, bool AShowPrefix, bool AWordBreak,
                                          TuiTextBlockPlacement APlacement) {
    if (APlacement == tbpNone) return;
    const int offset = AEnabled ? 0 : 1;
    TRect measure{0, 0, uiWidthOfRect(R) - offset, 0};
    int flags = uiTextLeft | uiTextTop;
    if (AWordBreak) flags |= uiTextWordBreak;
    if (AShowPrefix) flags |= uiTextShowPrefix;
    int textHeight = 0;
    if (AEndEllipsis && AWordBreak) {
        // Whole rows only: the last one ends with the ellipsis.
        const int rowHeight = TextExtent("Zq").cy;
        const int rows = rowHeight > 0 ? std::max(1, (uiHeightOfRect(R) - offset) / rowHeight) : 1;
        textHeight = rowHeight * rows;
    } else {
        if (ANonBreaking) flags |= uiTextBreakAtWords;
        TextExtentInRect(AText, measure, flags);
        textHeight = uiHeightOfRect(measure);
    }
    if (APlacement == tbpBottom)
        R.top = R.bottom - textHeight - offset;
    else
        R.top = (R.top + R.bottom - textHeight) / 2;
}

void TuiCanvas::SetFontAngle(int AAngle) {
    LOGFONT font;
    if (GetObject(Font()->Handle(), sizeof(font), &font) == 0) return;
    font.lfEscapement = AAngle * 10;
    if (AAngle != 0) font.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    Font()->SetHandle(CreateFontIndirect(&font));
}

// ---- Rotation

void TuiCanvas::RotateBitmap(TBitmap* ABitmap, TuiRotationAngle AAngle, bool AFlip) {
    if (ABitmap == nullptr || (AAngle == raNone && !AFlip)) return;
    const int w = ABitmap->Width(), h = ABitmap->Height();
    TRGBColors source;
    if (!ovGetBitmapBits(ABitmap, source, true)) return;
    TRGBColors target(source.size());
    const bool quarter = AAngle == raPlus90 || AAngle == raMinus90;
    const int targetWidth = quarter ? h : w;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int tx = x, ty = y;
            switch (AAngle) {
            case raNone:
                ty = h - 1 - y;
                break;
            case raPlus90:
                tx = y;
                ty = AFlip ? x : w - 1 - x;
                break;
            case raMinus90:
                tx = h - 1 - y;
                ty = AFlip ? w - 1 - x : x;
                break;
            case ra180:
                tx = w - 1 - x;
                ty = AFlip ? y : h - 1 - y;
                break;
            }
            target[static_cast<std::size_t>(ty) * targetWidth + tx] =
                source[static_cast<std::size_t>(y) * w + x];
        }
    if (quarter) {
        ABitmap->SetHeight(0);
        ABitmap->SetWidth(h);
        ABitmap->SetHeight(w);
    }
    ovSetBitmapBits(ABitmap, target, true);
}

// ---- GDI objects

void TuiCanvas::SyncGdiObjects(TCanvas* ACanvas, HDC ADC) {
    LOGFONT font;
    if (GetObject(GetCurrentObject(ADC, OBJ_FONT), sizeof(font), &font) != 0) {
        ACanvas->Font()->SetHandle(CreateFontIndirect(&font));
        ACanvas->Font()->SetColor(static_cast<TColor>(GetTextColor(ADC)));
    }
    LOGBRUSH brush;
    if (GetObject(GetCurrentObject(ADC, OBJ_BRUSH), sizeof(brush), &brush) != 0) {
        ACanvas->Brush()->SetColor(static_cast<TColor>(brush.lbColor));
        ACanvas->Brush()->SetStyle(canvas_detail::BrushStyleOf(brush));
    }
    LOGPEN pen;
    if (GetObject(GetCurrentObject(ADC, OBJ_PEN), sizeof(pen), &pen) != 0) {
        ACanvas->Pen()->SetColor(static_cast<TColor>(pen.lopnColor));
        ACanvas->Pen()->SetStyle(static_cast<TPenStyle>(std::min<UINT>(pen.lopnStyle, psInsideFrame)));
        ACanvas->Pen()->SetWidth(pen.lopnWidth.x);
        ACanvas->Pen()->SetMode(canvas_detail::PenModeOfRop2(GetROP2(ADC)));
    }
}

// ---- Saved states

void TuiCanvas::SaveDC() {
    FTarget->Lock();
    HDC dc = Handle();
    FDCStack.push_back(TDCState{dc, ::SaveDC(dc)});
}

void TuiCanvas::RestoreDC() {
    if (FDCStack.empty()) return;
    const TDCState state = FDCStack.back();
    FTarget->SetHandle(state.DC);
    ::RestoreDC(state.DC, state.SavedIndex);
    FDCStack.pop_back();
    FTarget->Unlock();
}

void TuiCanvas::SaveState() {
    SaveDC();
    TObjectsState state;
    state.Font = std::make_unique<TFont>();
    state.Font->Assign(Font());
    state.Brush = std::make_unique<TBrush>();
    state.Brush->Assign(Brush());
    state.Pen = std::make_unique<TPen>();
    state.Pen->Assign(Pen());
    FStateStack.push_back(std::move(state));
}

void TuiCanvas::RestoreState() {
    if (FStateStack.empty()) return;
    TObjectsState state = std::move(FStateStack.back());
    FStateStack.pop_back();
    SetFont(state.Font.get());
    SetBrush(state.Brush.get());
    FTarget->SetPen(state.Pen.get());
    RestoreDC();
}

// ---- Clipping

bool TuiCanvas::HasClipRegion() {
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    const bool result = GetClipRgn(Handle(), probe) == 1;
    DeleteObject(probe);
    return result;
}

TuiRegion* TuiCanvas::GetClipRegion(bool AConsiderOrigin) {
    auto* region = new TuiRegion();
    if (GetClipRgn(Handle(), region->Handle()) != 1)
        SetRectRgn(region->Handle(), canvas_detail::kNoClipRect.left, canvas_detail::kNoClipRect.top,
                   canvas_detail::kNoClipRect.right, canvas_detail::kNoClipRect.bottom);
    if (AConsiderOrigin) {
        const TPoint origin = GetDCOrigin();
        region->Offset(-origin.x, -origin.y);
    }
    return region;
}

void TuiCanvas::SetClipRegion(TuiRegion* ARegion, TuiRegionOperation AOperation, bool AConsiderOrigin,
                              bool ADestroyRegion) {
    if (ARegion == nullptr) return;
    if (AOperation != roSet) {
        TuiRegion* current = GetClipRegion(AConsiderOrigin);
        current->Combine(ARegion, AOperation, ADestroyRegion);
        SetClipRegion(current, roSet, AConsiderOrigin, true);
        return;
    }
    TPoint origin{0, 0};
    if (AConsiderOrigin) {
        origin = GetDCOrigin();
        ARegion->OffsetByPoint(origin);
    }
    SelectClipRgn(Handle(), ARegion->Handle());
    if (ADestroyRegion)
        delete ARegion;
    else if (AConsiderOrigin)
        ARegion->Offset(-origin.x, -origin.y);
}

void TuiCanvas::SaveClipRegion() {
    FClipStack.push_back(HasClipRegion() ? GetClipRegion(true) : nullptr);
}

void TuiCanvas::RestoreClipRegion() {
    if (FClipStack.empty()) return;
    TuiRegion* region = FClipStack.back();
    FClipStack.pop_back();
    if (region == nullptr)
        SelectClipRgn(Handle(), nullptr);
    else
        SetClipRegion(region, roSet, true, true);
}
