// Borders of skin elements: one solid strip along a side, the four of them drawn left, top, right,
// bottom (later strips cover the corners of earlier ones), and the alternate image attributes that stand
// in for an element's image (a gradient with an outer and an inner ring of borders).
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Graphics.h"
#include "ui/core/base/GeometryObjects.h"
#include "ui/core/skins/SkinProperties.h"

#include <cstdint>
#include <memory>

class TovSkinCanvas;

class TovSkinBorder : public TovSkinProperty {
public:
    TovSkinBorder(TPersistent* AOwner, const std::string& AName) : TovSkinProperty(AOwner, AName) {}

    TColor Color() const { return FColor; }
    void SetColor(TColor AValue);
    // 0 left, 1 top, 2 right, 3 bottom.
    int Side() const { return FSide; }
    void SetSide(int AValue) { FSide = AValue; }
    int Thin() const { return FThin; }
    void SetThin(int AValue);
    // The width the border takes: Thin, or 0 when it has no colour.
    int Width() const { return FColor == clNone ? 0 : FThin; }

    // Copies colour, side and width from another border; other sources are ignored.
    void Assign(TPersistent* ASource) override;
    // Equal colour, width and side (names are not compared).
    bool Compare(TovSkinProperty* AProperty) override;
    TovSkinObjectClass SkinClass() const override { return ovSkinClassOf<TovSkinBorder>(); }
    void DataRead(TStream* AStream, double AVersion) override;
    void DataWrite(TStream* AStream) override;

    // The strip of width Thin along the side, inside R; nothing for clNone.
    virtual void Draw(HDC DC, const TRect& R);
    virtual void DrawEx(TovSkinCanvas* ACanvas, const TRect& R);
    virtual void ResetToDefaults();
    // The strip a border of that side and width takes inside R.
    static TRect StripOf(const TRect& R, int ASide, int AThin);

private:
    TColor FColor = clNone;
    int FSide = 0;
    int FThin = 1;
};

class TovSkinBorders : public TovSkinProperty {
public:
    TovSkinBorders(TPersistent* AOwner, const std::string& AName);
    ~TovSkinBorders() override;

    TovSkinBorder* Left() const { return FBorders[0].get(); }
    TovSkinBorder* Top() const { return FBorders[1].get(); }
    TovSkinBorder* Right() const { return FBorders[2].get(); }
    TovSkinBorder* Bottom() const { return FBorders[3].get(); }
    TovSkinBorder* Items(int ASide) const { return FBorders[ASide].get(); }
    // The widths of the four sides as margins.
    TRect Widths() const;

    void Assign(TPersistent* ASource) override;
    bool Compare(TovSkinProperty* AProperty) override;
    TovSkinObjectClass SkinClass() const override { return ovSkinClassOf<TovSkinBorders>(); }
    void DataRead(TStream* AStream, double AVersion) override;
    void DataWrite(TStream* AStream) override;

    virtual void Draw(TovSkinCanvas* ACanvas, const TRect& R);
    virtual void ResetToDefaults();

private:
    std::unique_ptr<TovSkinBorder> FBorders[4];
};

class TovSkinAlternateImageAttributes : public TovSkinProperty {
public:
    TovSkinAlternateImageAttributes(TPersistent* AOwner, const std::string& AName);
    ~TovSkinAlternateImageAttributes() override;

    std::uint8_t Alpha() const { return FAlpha; }
    void SetAlpha(std::uint8_t AValue);
    TovSkinBorders* Borders() const { return FBorders.get(); }
    TovSkinBorders* BordersInner() const { return FBordersInner.get(); }
    TuiRect* ContentOffsets() const { return FContentOffsets.get(); }
    TovSkinGradientMode Gradient() const { return FGradient; }
    void SetGradient(TovSkinGradientMode AValue);
    TColor GradientBeginColor() const { return FGradientBeginColor; }
    void SetGradientBeginColor(TColor AValue);
    TColor GradientEndColor() const { return FGradientEndColor; }
    void SetGradientEndColor(TColor AValue);

    void Assign(TPersistent* ASource) override;
    bool Compare(TovSkinProperty* AProperty) override;
    TovSkinObjectClass SkinClass() const override { return ovSkinClassOf<TovSkinAlternateImageAttributes>(); }
    void DataRead(TStream* AStream, double AVersion) override;
    void DataWrite(TStream* AStream) override;

    // The gradient inside R shrunk by ContentOffsets, the outer borders on it and the inner borders
    // inside those.
    virtual void Draw(TovSkinCanvas* ACanvas, const TRect& R);

private:
    std::uint8_t FAlpha = 255;
    std::unique_ptr<TovSkinBorders> FBorders;
    std::unique_ptr<TovSkinBorders> FBordersInner;
    std::unique_ptr<TuiRect> FContentOffsets;
    TovSkinGradientMode FGradient = gmHorizontal;
    TColor FGradientBeginColor = clNone;
    TColor FGradientEndColor = clNone;
};
