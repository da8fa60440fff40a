#include "skin/controls/SkinGauge.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/vcl/Bitmap.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "skin/controls/SkinFaces.h"
#include "skin/data/SkinControls.h"
#include "skin/data/SkinData.h"
#include "skin/draw/SkinEffectBitmap.h"
#include "skin/draw/SkinGeometry.h"

#include <algorithm>
#include <cmath>

namespace {

// The plain look's bar.
constexpr TColor PlainBarColor = 1290752;

// Copies rows (or columns, Across) [From, To) of the source rectangle S to [DestFrom, …) of G.
void CopyBand(TBitmap* G, int DestFrom, TBitmap* Source, const TRect& S, int From, int To, bool Across) {
    if (To <= From) return;
    HDC dest = G->Canvas()->Handle(), source = Source->Canvas()->Handle();
    if (Across)
        BitBlt(dest, DestFrom, 0, To - From, G->Height(), source, S.left + From, S.top, SRCCOPY);
    else
        BitBlt(dest, 0, DestFrom, G->Width(), To - From, source, S.left, S.top + From, SRCCOPY);
}

} // namespace

TskSkinGauge::TskSkinGauge(TComponent* AOwner) : TskSkinCustomControl(AOwner) {
    SetSkinDataName("gauge");
    FWidth = 100;
    FHeight = 20;
}

// ---- Values

void TskSkinGauge::SetValue(int Value) {
    Value = std::clamp(Value, FMinValue, std::max(FMinValue, FMaxValue));
    if (Value == FValue) return;
    FValue = Value;
    Invalidate();
}

void TskSkinGauge::SetMinValue(int Value) {
    FMinValue = Value;
    if (FValue < Value) FValue = Value;
    Repaint();
}

void TskSkinGauge::SetMaxValue(int Value) {
    FMaxValue = Value;
    if (FValue > Value) FValue = Value;
    Repaint();
}

void TskSkinGauge::SetVertical(bool Value) {
    FVertical = Value;
    Repaint();
    if (Designing() && !Loading()) SetSkinDataName(Value ? "vgauge" : "gauge");
}

void TskSkinGauge::SetShowProgressText(bool Value) {
    FShowProgressText = Value;
    Repaint();
}

void TskSkinGauge::SetProgressText(const std::string& Value) {
    FProgressText = Value;
    Repaint();
}

void TskSkinGauge::SetShowPercent(bool Value) {
    FShowPercent = Value;
    Repaint();
}

void TskSkinGauge::SetTextAlphaBlend(bool Value) {
    FTextAlphaBlend = Value;
    if (FSkinIndex != -1 && TextShown()) Repaint();
}

void TskSkinGauge::SetTextAlphaBlendValue(BYTE Value) {
    FTextAlphaBlendValue = Value;
    if (FSkinIndex != -1 && FTextAlphaBlend && TextShown()) Repaint();
}

double TskSkinGauge::Fraction() const {
    return ValueFraction(FValue, FMinValue, FMaxValue);
}

int TskSkinGauge::Percent() const {
    return int(std::trunc(Fraction() * 100));
}

TRect TskSkinGauge::ProgressRectIn(const TRect& Area) const {
    TRect r = Area;
    if (FVertical)
        r.top = Area.bottom - int(std::trunc(Fraction() * RectHeight(Area)));
    else
        r.right = Area.left + int(std::trunc(Fraction() * RectWidth(Area)));
    return r;
}

std::string TskSkinGauge::GaugeText() const {
    std::string text = FShowProgressText ? FProgressText : std::string();
    if (FShowPercent) text += std::to_string(Percent()) + "%";
    return text;
}

// ---- Description and geometry

void TskSkinGauge::FindSkinIndex() {
    TskSkinCustomControl::FindSkinIndex();
    auto* data = dynamic_cast<TskDataSkinGaugeControl*>(SkinControlData());
    if (FSkinIndex == -1 || !data) return;
    FVertical = data->Vertical;
    ProgressRect = data->ProgressRect;
    SkinProgressArea = data->ProgressArea;
    BeginOffset = data->BeginOffset;
    EndOffset = data->EndOffset;
    FontName = data->FontName;
    FontHeight = data->FontHeight;
    FontStyle = data->FontStyle;
    FontColor = data->FontColor;
    ProgressTransparent = data->ProgressTransparent;
    ProgressTransparentColor = data->ProgressTransparentColor;
    ProgressStretch = data->ProgressStretch;
    if (!FUseSkinSize) MaskPicture = nullptr;
}

void TskSkinGauge::GetSkinSize(int& AWidth, int& AHeight) {
    const int requestedWidth = AWidth, requestedHeight = AHeight;
    TskSkinCustomControl::GetSkinSize(AWidth, AHeight);
    ProgressArea = SkinProgressArea;
    if (FSkinIndex != -1 && FResizeMode >= 1 && FResizeMode <= 3) {
        if (FVertical)
            ProgressArea.bottom += AHeight - RectHeight(SkinRect);
        else
            ProgressArea.right += AWidth - RectWidth(SkinRect);
    }
    if (!FUseSkinSize) AWidth = requestedWidth, AHeight = requestedHeight;
}

// ---- Painting

void TskSkinGauge::Paint() {
    FindSkinIndex();
    if (FUseSkinSize || FSkinIndex == -1) {
        TskSkinCustomControl::Paint();
        return;
    }
    if (Width() < 1 || Height() < 1) return;
    int w = Width(), h = Height();
    GetSkinSize(w, h);
    TBitmap skin, image(Width(), Height());
    PaintSkinImage(&skin);
    image.Canvas()->StretchDraw(TRect{0, 0, Width(), Height()}, &skin);
    DrawText(image.Canvas(), true);
    DrawControlImage(&image);
}

bool TskSkinGauge::BuildBar(TBitmap* G, const TRect& P) {
    const TRect& s = ProgressRect;
    const int b = BeginOffset, e = EndOffset;
    const bool across = !FVertical;
    const int length = across ? RectWidth(P) : RectHeight(P);
    const int middle = length - b - e;
    if (middle > 0) {
        const int m = (across ? RectWidth(s) : RectHeight(s)) - b - e;
        if (m <= 0) return false;
        if (ProgressStretch) {
            const TRect dest =
                across ? TRect{b, 0, b + middle, G->Height()} : TRect{0, b, G->Width(), b + middle};
            const TRect source = across ? TRect{s.left + b, s.top, s.right - e, s.bottom}
                                        : TRect{s.left, s.top + b, s.right, s.bottom - e};
            G->Canvas()->CopyRect(dest, Picture->Canvas(), source);
        } else if (across) {
            // From the left edge rightwards: a cut copy at the right end shows the picture's left part.
            for (int x = 0; x < middle; x += m)
                CopyBand(G, b + x, Picture, s, b, b + std::min(m, middle - x), true);
        } else {
            // From the bottom upwards: a cut copy at the top shows the picture's lower part.
            const int bottom = b + middle;
            for (int i = 0; i <= middle / m; ++i) {
                const int ov = std::max(0, m * (i + 1) - middle);
                CopyBand(G, bottom - m * (i + 1) + ov, Picture, s, b + ov, b + m, false);
            }
        }
    }
    // The caps keep their size at both ends.
    const int total = across ? RectWidth(s) : RectHeight(s);
    CopyBand(G, 0, Picture, s, 0, b, across);
    CopyBand(G, length - e, Picture, s, total - e, total, across);
    return true;
}

void TskSkinGauge::PaintSkinImage(TBitmap* B) {
    TskSkinCustomControl::PaintSkinImage(B);
    const TRect p = ProgressRectIn(ProgressArea);
    if (OnGaugePaint) {
        OnGaugePaint(B->Canvas(), ProgressArea, p);
        return;
    }
    // A control smaller than its skin gives negative sizes: no bar then.
    if (RectWidth(p) > 0 && RectHeight(p) > 0) {
        TBitmap bar(RectWidth(p), RectHeight(p));
        if (!BuildBar(&bar, p)) return;
        if (ProgressTransparent) {
            bar.SetTransparentColor(ProgressTransparentColor);
            bar.SetTransparent(true);
        }
        B->Canvas()->Draw(p.left, p.top, &bar);
    }
    if (!FUseSkinSize) return;
    if (!FTextAlphaBlend || GaugeText().empty()) {
        DrawText(B->Canvas(), true);
        return;
    }
    TBitmap copy;
    copy.Assign(B);
    DrawText(B->Canvas(), true);
    TskEffectBmp image(B->Handle());
    image.CrossFade(TskEffectBmp(copy.Handle()), 1.0 - FTextAlphaBlendValue / 255.0);
    image.DrawAt(B->Canvas()->Handle(), 0, 0);
}

void TskSkinGauge::PaintDefaultImage(TBitmap* B) {
    TCanvas* canvas = B->Canvas();
    TRect r{0, 0, B->Width(), B->Height()};
    canvas->Brush()->SetColor(clWindow);
    canvas->FillRect(r);
    Frame3D(canvas->Handle(), r, clBtnShadow, clBtnShadow, 1);
    const TRect area{1, 1, Width() - 1, Height() - 1};
    const TRect p = ProgressRectIn(area);
    if (OnGaugePaint) {
        OnGaugePaint(canvas, area, p);
        return;
    }
    if (RectWidth(p) > 0 && RectHeight(p) > 0) {
        canvas->Brush()->SetColor(PlainBarColor);
        canvas->FillRect(p);
    }
    DrawText(canvas, false);
}

void TskSkinGauge::DrawText(TCanvas* Canvas, bool Skinned) {
    const std::string text = GaugeText();
    if (text.empty()) return;
    TFont* font = Canvas->Font();
    if (Skinned) {
        SetSkinFont(font, FontName, FontHeight, FontStyle);
        font->SetColor(FontColor);
    } else {
        SetDefaultFontOn(font);
    }
    const SIZE extent = Canvas->TextExtent(text);
    const int lift = (std::abs(font->Height()) % 2 == 1) ? 1 : 0;
    Canvas->Brush()->SetStyle(bsClear);
    if (FVertical) {
        // Read from the bottom up, centred.
        font->SetOrientation(900);
        Canvas->TextOut(Width() / 2 - extent.cy / 2, extent.cx / 2 + Height() / 2 - lift, text);
        font->SetOrientation(0);
    } else {
        Canvas->TextOut(Width() / 2 - extent.cx / 2, Height() / 2 - extent.cy / 2 - lift, text);
    }
}

void TskSkinGauge::WMEraseBkgnd(TMessage& Message) {
    if (!FInPaint) PaintInto(reinterpret_cast<HDC>(Message.WParam));
    Message.Result = 1;
}
