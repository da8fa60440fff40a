#include "skin/framed/FrProgressBar.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/Theme.h"
#include "platform/rtl/Numerics.h"
#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Pen.h"
#include "platform/vcl/WinControl.h"
#include "platform/win/WinUser.h"
#include "skin/draw/SkinGeometry.h"
#include "skin/framed/FrameEdges.h"
#include "skin/framed/FrameGradients.h"

#include <algorithm>
#include <cmath>

namespace {

// The visual style's progress bar parts.
constexpr int PP_BAR = 1;
constexpr int PP_BARVERT = 2;
constexpr int PP_CHUNK = 3;
constexpr int PP_CHUNKVERT = 4;
const WCHAR ProgressClass[] = {'P', 'R', 'O', 'G', 'R', 'E', 'S', 'S', 0};

// The visual style's part drawn over R (only while styles are on).
void DrawThemePart(TControl* Control, HDC DC, int Part, const TRect& R) {
    HWND window =
        Control->Parent() && Control->Parent()->HandleAllocated() ? Control->Parent()->Handle() : nullptr;
    HTHEME theme = OpenThemeData(window, ProgressClass);
    if (!theme) return;
    DrawThemeBackground(theme, DC, Part, 1, &R, nullptr);
    CloseThemeData(theme);
}

} // namespace

TFrCustomProgressBar::TFrCustomProgressBar(TComponent* AOwner) : TGraphicControl(AOwner) {
    ControlStyle().Include(csOpaque);
    FWidth = 200;
    FHeight = 24;
}

TFrCustomProgressBar::~TFrCustomProgressBar() {
    if (FFrameController) FFrameController->DetachControl(this);
}

void TFrCustomProgressBar::SettingChanged(bool Invalidating) {
    if (Invalidating)
        Invalidate();
    else
        Repaint();
}

// ---- Settings

void TFrCustomProgressBar::SetBackColor(TColor Value) {
    if (Value == FBackColor) return;
    FBackColor = Value;
    SettingChanged();
}

void TFrCustomProgressBar::SetBackColorStop(TColor Value) {
    if (Value == FBackColorStop) return;
    FBackColorStop = Value;
    SettingChanged();
}

void TFrCustomProgressBar::SetBarColor(TColor Value) {
    if (Value == FBarColor) return;
    FBarColor = Value;
    Font()->SetColor(Value);
    SettingChanged();
}

void TFrCustomProgressBar::SetBarColorStop(TColor Value) {
    if (Value == FBarColorStop) return;
    FBarColorStop = Value;
    SettingChanged();
}

void TFrCustomProgressBar::SetBarStyle(TBarStyle Value) {
    if (Value == FBarStyle) return;
    FBarStyle = Value;
    FShowPercent = Value != bsLED;
    FInteriorOffset = Value == bsLED ? 1 : 0;
    SettingChanged();
}

void TFrCustomProgressBar::SetBevelWidth(int Value) {
    Value = std::max(Value, 1);
    if (Value == FBevelWidth) return;
    FBevelWidth = Value;
    SettingChanged();
}

void TFrCustomProgressBar::SetBorderColor(TColor Value) {
    if (Value == FBorderColor) return;
    FBorderColor = Value;
    SettingChanged();
}

void TFrCustomProgressBar::SetBorderInner(TFrameStyleEx Value) {
    if (Value == FBorderInner) return;
    FBorderInner = Value;
    SettingChanged();
}

void TFrCustomProgressBar::SetBorderOuter(TFrameStyleEx Value) {
    if (Value == FBorderOuter) return;
    FBorderOuter = Value;
    SettingChanged();
}

void TFrCustomProgressBar::SetBorderWidth(int Value) {
    Value = std::max(Value, 0);
    if (Value == FBorderWidth) return;
    FBorderWidth = Value;
    SettingChanged();
}

void TFrCustomProgressBar::SetFlatColor(TColor Value) {
    if (Value == FFlatColor) return;
    FFlatColor = Value;
    SettingChanged(true);
}

void TFrCustomProgressBar::SetFlatColorAdjustment(int Value) {
    if (Value == FFlatColorAdjustment) return;
    FFlatColorAdjustment = Value;
    SettingChanged(true);
}

void TFrCustomProgressBar::SetFrameController(TFrFrameController* Value) {
    ChangeFrameController(this, FFrameController, Value);
}

void TFrCustomProgressBar::SetGradientDirection(TGradientDirection Value) {
    if (Value == FGradientDirection) return;
    FGradientDirection = Value;
    SettingChanged();
}

void TFrCustomProgressBar::SetInteriorOffset(int Value) {
    Value = std::clamp(Value, 0, 255);
    if (Value == FInteriorOffset) return;
    FInteriorOffset = Value;
    SettingChanged();
}

void TFrCustomProgressBar::SetNumSegments(int Value) {
    Value = std::clamp(Value, 1, 100);
    if (Value == FNumSegments) return;
    FNumSegments = Value;
    SettingChanged();
}

void TFrCustomProgressBar::SetOrientation(TOrientation Value) {
    if (Value == FOrientation) return;
    FOrientation = Value;
    SettingChanged();
}

void TFrCustomProgressBar::SetPartsComplete(std::uint32_t Value) {
    if (Value == FPartsComplete) return;
    FPartsComplete = std::min(Value, FTotalParts);
    if (ComponentState().Contains(csLoading) || FTotalParts == 0) return;
    SetPercent(std::int16_t(Round(double(FPartsComplete) / FTotalParts * 100)));
}

void TFrCustomProgressBar::SetPercent(std::int16_t Value) {
    if (Value == FPercent) return;
    FPercent = Value;
    TWeakLink<TFrCustomProgressBar> self(this);
    OnChange(this, Value);
    if (self) SettingChanged();
}

void TFrCustomProgressBar::SetShowPercent(bool Value) {
    if (Value == FShowPercent) return;
    FShowPercent = Value;
    SettingChanged();
}

void TFrCustomProgressBar::SetShowParts(bool Value) {
    if (Value == FShowParts) return;
    FShowParts = Value;
    SettingChanged();
}

void TFrCustomProgressBar::SetTotalParts(std::uint32_t Value) {
    if (Value == FTotalParts) return;
    FTotalParts = Value;
    if (ComponentState().Contains(csLoading)) return;
    FPartsComplete = 0;
    SetPercent(0);
}

void TFrCustomProgressBar::SetThemeAware(bool Value) {
    if (Value == FThemeAware) return;
    FThemeAware = Value;
    SettingChanged(true);
}

void TFrCustomProgressBar::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TGraphicControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    SetOrientation(Width() < Height() ? orVertical : orHorizontal);
}

void TFrCustomProgressBar::Notification(TComponent* AComponent, TOperation Operation) {
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFrameController) FFrameController = nullptr;
}

void TFrCustomProgressBar::ApplyFrameSettings() {
    if (!FFrameController || !FFrameController->FrameVisible()) return;
    if (FNotifications.Contains(fcpFrameStyle)) SetBorderOuter(FFrameController->FrameStyle());
    if (FNotifications.Contains(fcpFrameColor)) {
        SetFlatColor(FFrameController->FrameColor());
        SetFlatColorAdjustment(0);
    }
    if (FNotifications.Contains(fcpColor)) SetBackColor(FFrameController->Color());
    if (FNotifications.Contains(fcpParentColor)) SetParentColor(FFrameController->ParentColor());
    Invalidate();
}

// ---- Geometry

std::string TFrCustomProgressBar::BarText() const {
    if (!FShowPercent) return std::string();
    if (FShowParts) return std::to_string(FPartsComplete) + " / " + std::to_string(FTotalParts);
    // A negative share reads as nothing done.
    return std::to_string(std::max<int>(FPercent, 0)) + "%";
}

TRect TFrCustomProgressBar::FilledRect(const TRect& R) const {
    if (FPercent >= 100) return R;
    const int percent = std::max<int>(FPercent, 0);
    if (FOrientation == orVertical)
        return TRect{R.left, R.bottom - int(Round(percent * RectHeight(R) / 100.0)), R.right, R.bottom};
    return TRect{R.left, R.top, R.left + int(Round(percent * RectWidth(R) / 100.0)), R.bottom};
}

void TFrCustomProgressBar::LedLayout(int Extent, int NumSegments, int& Count, int& Size, int& Margin) {
    Count = NumSegments;
    Size = Extent / Count;
    // Short bars use at most ten segments.
    if (Extent <= 80 && Count > 10) {
        Size = Extent / 10;
        Count = 10;
    }
    if (Size > 0) Count += (Extent - Size * Count) / Size;
    Margin = (Extent - Size * Count) / 2;
}

bool TFrCustomProgressBar::Themed() const {
    return FThemeAware && IsThemeActive() && IsAppThemed();
}

TRect TFrCustomProgressBar::PaintBorders(TCanvas* Canvas) {
    TRect r{0, 0, Width(), Height()};
    if (Themed()) {
        DrawThemePart(this, Canvas->Handle(), FOrientation == orVertical ? PP_BARVERT : PP_BAR, r);
        const int inset = FInteriorOffset + (FBarStyle == bsLED ? 1 : 3);
        InflateRect(&r, -inset, -inset);
        return r;
    }
    Canvas->Brush()->SetColor(FBorderColor);
    Canvas->FillRect(r);
    const TColor parentColor = Parent() ? Parent()->Color() : clBtnFace;
    r = DrawTwoBorders(Canvas, r, FBorderOuter, FBorderInner, FBorderWidth, AllSides, FBevelWidth,
                       FBorderColor, clBtnHighlight, clBtnShadow, FFlatColor, FFlatColorAdjustment,
                       FBackColor, parentColor, true, false);
    if (FInteriorOffset > 0) {
        Canvas->Pen()->SetColor(FBackColor);
        Canvas->Pen()->SetWidth(FInteriorOffset);
        Canvas->Pen()->SetStyle(psInsideFrame);
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->Rectangle(r);
        Canvas->Pen()->SetWidth(1);
        Canvas->Pen()->SetStyle(psSolid);
        Canvas->Brush()->SetStyle(bsSolid);
    }
    InflateRect(&r, -FInteriorOffset, -FInteriorOffset);
    return r;
}

TRect TFrCustomProgressBar::BodyRect() {
    TBitmap scratch(std::max(Width(), 1), std::max(Height(), 1));
    return PaintBorders(scratch.Canvas());
}

// ---- Painting

void TFrCustomProgressBar::DrawBarText(TCanvas* Canvas, const TRect& R, const TRect& Clip) {
    const std::string text = BarText();
    if (RectIsEmpty(Clip)) return;
    const int top = R.top + (RectHeight(R) - Canvas->TextHeight("X")) / 2;
    SetTextAlign(Canvas->Handle(), TA_CENTER);
    Canvas->TextRect(Clip, R.right / 2, top, text);
    SetTextAlign(Canvas->Handle(), TA_LEFT);
}

void TFrCustomProgressBar::PaintSolidBar(TCanvas* Canvas, const TRect& R) {
    const TRect filled = FilledRect(R);
    const TRect empty = FOrientation == orVertical ? TRect{R.left, R.top, R.right, filled.top}
                                                   : TRect{filled.right, R.top, R.right, R.bottom};
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(FBarColor);
    Canvas->Font()->SetColor(FBackColor);
    DrawBarText(Canvas, R, filled);
    Canvas->Font()->SetColor(FBarColor);
    Canvas->Brush()->SetColor(FBackColor);
    DrawBarText(Canvas, R, empty);
}

void TFrCustomProgressBar::PaintGradientBar(TCanvas* Canvas, const TRect& R) {
    const TRect filled = FilledRect(R);
    const TRect empty = FOrientation == orVertical ? TRect{R.left, R.top, R.right, filled.top}
                                                   : TRect{filled.right, R.top, R.right, R.bottom};
    Canvas->Font()->SetColor(FBackColor);
    Canvas->Brush()->SetColor(FBarColor);
    DrawGradientRect(Canvas, filled, FGradientDirection, FBarColor, FBarColorStop, 1);
    Canvas->Brush()->SetStyle(bsClear);
    DrawBarText(Canvas, R, filled);
    Canvas->Font()->SetColor(FBarColor);
    DrawGradientRect(Canvas, empty, FGradientDirection, FBackColor, FBackColorStop, 1);
    Canvas->Brush()->SetStyle(bsClear);
    DrawBarText(Canvas, R, empty);
    Canvas->Brush()->SetStyle(bsSolid);
}

void TFrCustomProgressBar::PaintLedBar(TCanvas* Canvas, TRect R) {
    const bool vertical = FOrientation == orVertical;
    const int percent = std::clamp<int>(FPercent, 0, 100);
    if (Themed()) {
        // The chunk part over the filled share (at least a pixel), never past the bar.
        InflateRect(&R, -1, -1);
        if (vertical) {
            const int top =
                std::max<int>(R.top, R.bottom - std::max(1, int(Round(percent * RectHeight(R) / 100.0))));
            TBitmap chunk(RectWidth(R), R.bottom - top);
            DrawThemePart(this, chunk.Canvas()->Handle(), PP_CHUNKVERT,
                          TRect{0, 0, chunk.Width(), chunk.Height()});
            FlipBitmapVertically(&chunk);
            Canvas->Draw(R.left, top, &chunk);
        } else {
            const TRect area{R.left, R.top, R.left + int(Round(percent * RectWidth(R) / 100.0)), R.bottom};
            DrawThemePart(this, Canvas->Handle(), PP_CHUNK, area);
        }
        return;
    }
    const int extent = vertical ? RectHeight(R) : RectWidth(R);
    int count = 0, size = 0, margin = 0;
    LedLayout(extent, FNumSegments, count, size, margin);
    Canvas->Pen()->SetStyle(psClear);
    Canvas->Brush()->SetColor(FBackColor);
    if (vertical) {
        Canvas->FillRect(TRect{R.left, R.top, R.right, R.top + margin + 1});
        Canvas->FillRect(TRect{R.left, R.bottom - margin - 1, R.right, R.bottom});
    } else {
        Canvas->FillRect(TRect{R.left, R.top, R.left + margin + 1, R.bottom});
        Canvas->FillRect(TRect{R.right - margin - 1, R.top, R.right, R.bottom});
    }
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetColor(FBackColor);
    // The lit count never exceeds the segments there are.
    const int lit = std::min(count, int(std::trunc(double(percent) * count / 100)));
    for (int i = 1; i <= count; ++i) {
        Canvas->Brush()->SetColor(i <= lit ? FBarColor : FBackColor);
        if (vertical) {
            const int top = R.top + margin + size * (count - i);
            Canvas->Rectangle(R.left, top, R.right, top + size);
        } else {
            const int left = R.left + margin + size * (i - 1);
            Canvas->Rectangle(left, R.top, left + size, R.bottom);
        }
    }
}

void TFrCustomProgressBar::Paint() {
    if (Width() <= 0 || Height() <= 0) return;
    TBitmap image(Width(), Height());
    TCanvas* canvas = image.Canvas();
    canvas->Font()->Assign(Font());
    const TRect body = PaintBorders(canvas);
    switch (FBarStyle) {
    case bsTraditional:
        PaintSolidBar(canvas, body);
        break;
    case bsGradient:
        PaintGradientBar(canvas, body);
        break;
    case bsLED:
        PaintLedBar(canvas, body);
        break;
    }
    BitBlt(Canvas()->Handle(), 0, 0, Width(), Height(), canvas->Handle(), 0, 0, SRCCOPY);
}
