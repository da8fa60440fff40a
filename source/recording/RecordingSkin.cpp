#include "source/recording/RecordingSkin.h"

#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/Pen.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace recording_skin {

namespace {

constexpr TColor FaceColor = 0x00403A36;
constexpr TColor FaceDownColor = 0x00302B28;
constexpr TColor FaceEdgeColor = 0x00706862;
constexpr TColor FaceDarkEdgeColor = 0x00141210;
constexpr TColor WellColor = 0x000E0C0B;
constexpr TColor DisabledTextColor = 0x00807874;
constexpr TColor GreenColor = 0x003AF06C;
constexpr TColor AmberColor = 0x0033C2FF;
constexpr TColor RedColor = 0x003A4BFF;

int W(const TRect& R) {
    return R.right - R.left;
}
int H(const TRect& R) {
    return R.bottom - R.top;
}

TColor Mix(TColor A, TColor B, double T) {
    auto channel = [&](int shift) {
        const double a = (A >> shift) & 0xFF, b = (B >> shift) & 0xFF;
        return TColor(std::lround(a + (b - a) * T)) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

void Fill(TCanvas* Canvas, const TRect& R, TColor Color) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(R);
}

void Frame(TCanvas* Canvas, const TRect& R, TColor Color) {
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->FrameRect(R);
}

// The colour of the segment at `Fraction` of the meter's height.
TColor ZoneColor(double Fraction) {
    if (Fraction >= 0.86) return RedColor;
    if (Fraction >= 0.68) return AmberColor;
    return GreenColor;
}

} // namespace

// ---- Panel and group

TskSkinPanel::TskSkinPanel(TComponent* AOwner) : TPanel(AOwner) {
    SetBevelOuter(bvNone);
    SetColor(ConsoleColor);
    SetParentBackground(false);
}

TskSkinGroupBox::TskSkinGroupBox(TComponent* AOwner) : TGroupBox(AOwner) {
    SetParentColor(true);
}

void TskSkinGroupBox::Paint() {
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Font());
    // The caption in the console's colour; the controls inside keep the window's font and colours.
    canvas->Font()->SetColor(ConsoleTextColor);
    const TRect client = ClientRect();
    Fill(canvas, client, Color());
    const int textHeight = canvas->TextHeight("0");
    TRect frame = client;
    frame.top += textHeight / 2;
    Frame(canvas, frame, Mix(Color(), ConsoleTextColor, 0.25));
    const std::string caption = Caption();
    if (caption.empty()) return;
    const int width = canvas->TextWidth(caption);
    const TRect gap{8, 0, 8 + width + 8, textHeight};
    Fill(canvas, gap, Color());
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut(12, 0, caption);
}

// ---- Button

TskSkinButton::TskSkinButton(TComponent* AOwner) : TSpeedButton(AOwner) {
    Font()->SetColor(ConsoleTextColor);
}

void TskSkinButton::SetImageList(TCustomImageList* Value) {
    FImageList = Value;
    Invalidate();
}

void TskSkinButton::SetImageIndex(int Value) {
    FImageIndex = Value;
    Invalidate();
}

void TskSkinButton::Paint() {
    TCanvas* canvas = Canvas();
    const TRect client = ClientRect();
    const bool down = State() == bsDown || State() == bsExclusive;
    Fill(canvas, client, ConsoleColor);
    canvas->Pen()->SetColor(down ? FaceDarkEdgeColor : FaceEdgeColor);
    canvas->Brush()->SetColor(down ? FaceDownColor : FaceColor);
    canvas->RoundRect(client.left, client.top, client.right, client.bottom, 7, 7);
    const int shift = down ? 1 : 0;
    canvas->Font()->Assign(Font());
    if (!Enabled()) canvas->Font()->SetColor(DisabledTextColor);
    const std::string caption = Caption();
    const int textHeight = canvas->TextHeight("0");
    const bool hasImage = FImageList != nullptr && FImageIndex >= 0 && FImageIndex < FImageList->Count();
    const int imageHeight = hasImage ? FImageList->Height() + 2 : 0;
    const int top = (H(client) - imageHeight - textHeight) / 2 + shift;
    if (hasImage)
        FImageList->Draw(canvas, (W(client) - FImageList->Width()) / 2 + shift, top, FImageIndex, Enabled());
    canvas->Brush()->SetStyle(bsClear);
    canvas->TextOut((W(client) - canvas->TextWidth(caption)) / 2 + shift, top + imageHeight, caption);
}

// ---- Gauge

TskSkinGauge::TskSkinGauge(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle().Include(csOpaque);
    FWidth = 19;
    FHeight = 120;
}

void TskSkinGauge::SetMinValue(int Value) {
    FMinValue = Value;
    FMaxValue = std::max(FMaxValue, Value);
    SetValue(FValue);
    Invalidate();
}

void TskSkinGauge::SetMaxValue(int Value) {
    FMaxValue = std::max(Value, FMinValue);
    SetValue(FValue);
    Invalidate();
}

void TskSkinGauge::SetValue(int Value) {
    Value = std::clamp(Value, FMinValue, FMaxValue);
    if (Value == FValue) return;
    FValue = Value;
    Invalidate();
}

void TskSkinGauge::SetVertical(bool Value) {
    FVertical = Value;
    Invalidate();
}

double TskSkinGauge::Fraction() const {
    return FMaxValue > FMinValue ? double(FValue - FMinValue) / double(FMaxValue - FMinValue) : 0.0;
}

void TskSkinGauge::Paint() {
    TCanvas* canvas = Canvas();
    const TRect client = ClientRect();
    Fill(canvas, client, FaceDarkEdgeColor);
    const TRect well{client.left + 1, client.top + 1, client.right - 1, client.bottom - 1};
    Fill(canvas, well, WellColor);
    // Segments of three pixels with one dark pixel between them, along the meter's length.
    constexpr int pitch = 4, rows = 3, inset = 3;
    const int length = (FVertical ? H(well) : W(well)) - 2 * 2;
    const int count = std::max(1, (length + 1) / pitch);
    const int lit = int(std::lround(Fraction() * count));
    for (int k = 0; k < count; ++k) {
        const TColor zone = ZoneColor((k + 0.5) / count);
        const TColor color = k < lit ? zone : Mix(WellColor, zone, 0.18);
        TRect segment;
        if (FVertical) {
            const int bottom = well.bottom - 2 - pitch * k;
            segment = TRect{well.left + inset, bottom - rows, well.right - inset, bottom};
        } else {
            const int left = well.left + 2 + pitch * k;
            segment = TRect{left, well.top + inset, left + rows, well.bottom - inset};
        }
        Fill(canvas, segment, color);
    }
}

// ---- Fader

namespace {
constexpr int CapLength = 12; // along the travel
constexpr int CapMargin = 2;
} // namespace

TskSkinTrackBar::TskSkinTrackBar(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle().Include(csOpaque);
    FWidth = 18;
    FHeight = 120;
}

void TskSkinTrackBar::SetMinValue(int Value) {
    FMinValue = Value;
    FMaxValue = std::max(FMaxValue, Value);
    SetValue(FValue);
    Invalidate();
}

void TskSkinTrackBar::SetMaxValue(int Value) {
    FMaxValue = std::max(Value, FMinValue);
    SetValue(FValue);
    Invalidate();
}

void TskSkinTrackBar::SetValue(int Value) {
    Value = std::clamp(Value, FMinValue, FMaxValue);
    if (Value == FValue) return;
    FValue = Value;
    Invalidate();
    OnChange(this);
}

void TskSkinTrackBar::SetVertical(bool Value) {
    FVertical = Value;
    Invalidate();
}

int TskSkinTrackBar::Travel() const {
    return std::max(0, (FVertical ? FHeight : FWidth) - CapLength - 2 * CapMargin);
}

TRect TskSkinTrackBar::ThumbRect() {
    const double x = FMaxValue > FMinValue ? double(FValue - FMinValue) / (FMaxValue - FMinValue) : 0.0;
    const int pos = int(std::lround(x * Travel()));
    if (FVertical) {
        const int top = FHeight - CapMargin - CapLength - pos;
        return TRect{1, top, FWidth - 1, top + CapLength};
    }
    const int left = CapMargin + pos;
    return TRect{left, 1, left + CapLength, FHeight - 1};
}

int TskSkinTrackBar::ValueAt(int X, int Y) const {
    const int travel = Travel();
    const int pos = FVertical ? FHeight - CapMargin - CapLength / 2 - Y : X - CapMargin - CapLength / 2;
    const double x = travel > 0 ? std::clamp(double(pos) / travel, 0.0, 1.0) : 0.0;
    return FMinValue + int(std::lround(x * (double(FMaxValue) - FMinValue)));
}

void TskSkinTrackBar::Paint() {
    TCanvas* canvas = Canvas();
    const TRect client = ClientRect();
    Fill(canvas, client, ConsoleColor);
    const TRect thumb = ThumbRect();
    const bool on = Enabled();
    if (FVertical) {
        const int x = W(client) / 2 - 2;
        const TRect groove{x, CapMargin + CapLength / 2, x + 4, client.bottom - CapMargin - CapLength / 2};
        Fill(canvas, groove, FaceDarkEdgeColor);
        if (on) Fill(canvas, TRect{x + 1, thumb.bottom, x + 3, groove.bottom}, ConsoleLimeColor);
    } else {
        const int y = H(client) / 2 - 2;
        const TRect groove{CapMargin + CapLength / 2, y, client.right - CapMargin - CapLength / 2, y + 4};
        Fill(canvas, groove, FaceDarkEdgeColor);
        if (on) Fill(canvas, TRect{groove.left, y + 1, thumb.left, y + 3}, ConsoleLimeColor);
    }
    Fill(canvas, thumb, FaceDarkEdgeColor);
    const TRect cap{thumb.left + 1, thumb.top + 1, thumb.right - 1, thumb.bottom - 1};
    Fill(canvas, cap, on ? (FDragging ? 0x00EBE8E4 : 0x00D8D4CF) : DisabledTextColor);
    if (FVertical)
        Fill(canvas, TRect{cap.left + 2, cap.top + H(cap) / 2, cap.right - 2, cap.top + H(cap) / 2 + 1},
             FaceDarkEdgeColor);
    else
        Fill(canvas, TRect{cap.left + W(cap) / 2, cap.top + 2, cap.left + W(cap) / 2 + 1, cap.bottom - 2},
             FaceDarkEdgeColor);
}

void TskSkinTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    FDragging = true;
    SetValue(ValueAt(X, Y));
    Invalidate();
}

void TskSkinTrackBar::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomControl::MouseMove(Shift, X, Y);
    if (FDragging) SetValue(ValueAt(X, Y));
}

void TskSkinTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging) return;
    FDragging = false;
    Invalidate();
}

// ---- Check box

TskSkinCheckRadioBox::TskSkinCheckRadioBox(TComponent* AOwner) : TCheckBox(AOwner) {
    Font()->SetColor(ConsoleTextColor);
}

// ---- Button pictures

namespace {

constexpr int ImageSize = 24;
constexpr TColor KeyColor = clFuchsia;

void Disc(TCanvas* Canvas, int Left, int Top, int Right, int Bottom, TColor Color) {
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetStyle(bsSolid);
    Canvas->Brush()->SetColor(Color);
    Canvas->Ellipse(Left, Top, Right, Bottom);
}

void DrawPicture(TCanvas* Canvas, int Index) {
    const TColor ink = 0x00E6E2DE;
    switch (Index) {
    case 0: // record: a red disc with a lighter core
        Disc(Canvas, 3, 3, 21, 21, 0x002020C8);
        Disc(Canvas, 6, 6, 15, 15, 0x004848E8);
        break;
    case 1: // pause: two bars
        Fill(Canvas, TRect{6, 4, 10, 20}, ink);
        Fill(Canvas, TRect{14, 4, 18, 20}, ink);
        break;
    case 2: // delete: a bin with a lid
        Fill(Canvas, TRect{5, 5, 19, 7}, ink);
        Fill(Canvas, TRect{10, 3, 14, 5}, ink);
        Fill(Canvas, TRect{7, 8, 17, 21}, ink);
        Fill(Canvas, TRect{9, 10, 10, 19}, KeyColor);
        Fill(Canvas, TRect{11, 10, 13, 19}, KeyColor);
        Fill(Canvas, TRect{14, 10, 15, 19}, KeyColor);
        break;
    case 3: // timer record: a clock face with its hands
        Disc(Canvas, 2, 2, 22, 22, ink);
        Disc(Canvas, 4, 4, 20, 20, 0x00403A36);
        Fill(Canvas, TRect{11, 6, 13, 13}, ink);
        Fill(Canvas, TRect{11, 11, 17, 13}, ink);
        break;
    case 4: // mixer: three faders at different heights
        for (int i = 0; i < 3; ++i) {
            const int x = 5 + i * 6;
            Fill(Canvas, TRect{x + 1, 3, x + 3, 21}, 0x00807874);
            const int cap = i == 0 ? 13 : i == 1 ? 6 : 10;
            Fill(Canvas, TRect{x - 1, cap, x + 5, cap + 4}, ink);
        }
        break;
    default: { // settings: a cog
        Canvas->Pen()->SetColor(ink);
        Canvas->Brush()->SetColor(ink);
        for (int k = 0; k < 8; ++k) {
            const double a = k * M_PI / 4;
            const int cx = 12 + int(std::lround(8 * std::cos(a))),
                      cy = 12 + int(std::lround(8 * std::sin(a)));
            Fill(Canvas, TRect{cx - 2, cy - 2, cx + 2, cy + 2}, ink);
        }
        Disc(Canvas, 5, 5, 19, 19, ink);
        Disc(Canvas, 9, 9, 15, 15, KeyColor);
        break;
    }
    }
}

} // namespace

TCustomImageList* MakeRecordingImages(TComponent* Owner) {
    auto* list = new TImageList(Owner);
    list->SetSize(ImageSize, ImageSize);
    for (int i = 0; i < 6; ++i) {
        auto picture = std::make_unique<TBitmap>();
        picture->SetPixelFormat(pf24bit);
        picture->SetSize(ImageSize, ImageSize);
        Fill(picture->Canvas(), TRect{0, 0, ImageSize, ImageSize}, KeyColor);
        DrawPicture(picture->Canvas(), i);
        list->AddMasked(picture.get(), KeyColor);
    }
    return list;
}

} // namespace recording_skin
