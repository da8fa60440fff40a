// TskSkinGauge: a level meter or progress bar. It draws the frame of its description and, inside the
// description's progress area, a bar cut from the description's bar picture: its middle tiled (or
// stretched) along the bar with fixed caps at both ends, optionally transparent, and optionally a centred
// text (a caption and/or the percentage; rotated on a vertical gauge, optionally half transparent).
// Without a description it draws a white box with a green bar.
//
// Setting Value only invalidates: a meter set many times a second is painted once per paint cycle.
#pragma once

#include "skin/controls/SkinControl.h"

#include <string>

// (canvas, progress area, progress rectangle): a handler draws the bar and text itself.
using TskGaugePaintEvent = TEvent<TCanvas*, const TRect&, const TRect&>;

class TskSkinGauge : public TskSkinCustomControl {
public:
    explicit TskSkinGauge(TComponent* AOwner);

    int MinValue() const { return FMinValue; }
    void SetMinValue(int Value);
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int Value);
    int Value() const { return FValue; }
    // Clamped to MinValue..MaxValue; a changed value invalidates the gauge.
    void SetValue(int Value);
    bool Vertical() const { return FVertical; }
    void SetVertical(bool Value);
    // Off: the control keeps any size and the skin image is stretched onto it.
    bool UseSkinSize() const { return FUseSkinSize; }
    void SetUseSkinSize(bool Value) { FUseSkinSize = Value; }
    bool ShowProgressText() const { return FShowProgressText; }
    void SetShowProgressText(bool Value);
    const std::string& ProgressText() const { return FProgressText; }
    void SetProgressText(const std::string& Value);
    bool ShowPercent() const { return FShowPercent; }
    void SetShowPercent(bool Value);
    bool TextAlphaBlend() const { return FTextAlphaBlend; }
    void SetTextAlphaBlend(bool Value);
    BYTE TextAlphaBlendValue() const { return FTextAlphaBlendValue; }
    void SetTextAlphaBlendValue(BYTE Value);
    // Kept with the form; the gauge runs no animation.
    int ProgressAnimationPause() const { return FProgressAnimationPause; }
    void SetProgressAnimationPause(int Value) {
        if (Value >= 0) FProgressAnimationPause = Value;
    }
    TskGaugePaintEvent OnGaugePaint;

    // The filled share, 0..1.
    double Fraction() const;
    // Trunc(Fraction x 100).
    int Percent() const;
    // The filled part of an area: from the bottom (vertical) or from the left.
    TRect ProgressRectIn(const TRect& Area) const;
    // The text shown: the caption and/or the percentage.
    std::string GaugeText() const;

    void FindSkinIndex() override;
    void GetSkinSize(int& AWidth, int& AHeight) override;

    // The description's bar, in skin coordinates, and the area in control coordinates.
    TRect ProgressRect{}, SkinProgressArea{}, ProgressArea{};
    int BeginOffset = 0, EndOffset = 0;
    std::string FontName;
    int FontHeight = 13;
    TFontStyles FontStyle;
    TColor FontColor = clBlack;
    bool ProgressTransparent = false, ProgressStretch = false;
    TColor ProgressTransparentColor = clBlack;

protected:
    void Paint() override;
    void PaintSkinImage(TBitmap* B) override;
    void PaintDefaultImage(TBitmap* B) override;
    void WMEraseBkgnd(TMessage& Message) override;

private:
    // The bar picture for the progress rectangle P into G (P's size); false when the picture has no
    // middle to repeat (nothing is drawn then, neither bar nor text).
    bool BuildBar(TBitmap* G, const TRect& P);
    void DrawText(TCanvas* Canvas, bool Skinned);
    bool TextShown() const { return FShowProgressText || FShowPercent; }

    int FMinValue = 0;
    int FMaxValue = 100;
    int FValue = 50;
    bool FVertical = false;
    bool FUseSkinSize = true;
    bool FShowProgressText = false;
    std::string FProgressText;
    bool FShowPercent = false;
    bool FTextAlphaBlend = false;
    BYTE FTextAlphaBlendValue = 200;
    int FProgressAnimationPause = 1000;
};
