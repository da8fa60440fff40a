// The three colour schemes of the 2007 look: Blue, Black, and Silver (which takes Black's colours where
// it has none of its own). A scheme adds its name, its colour sheet, the application menu's colours, the
// ribbon's bottom edge and its palette; everything else is the textured skin's.
#pragma once

#include "ui/ribbon/skins/RibbonTexturedSkin.h"

class TovBlueRibbonSkin : public TovCustomRibbonTexturedSkin {
public:
    std::string GetName() const override { return "Blue"; }
    void GetApplicationMenuColors(TColor& AInnerBorder, TColor& AOuterBorder, TColor& ASideFill) override;
    void DrawRibbonBottomEdge(HDC DC, const TRect& R) override;
    TColor GetPartColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) override;

protected:
    void LoadColorTexture(TovGPImage& AImage) override;
};

class TovBlackRibbonSkin : public TovCustomRibbonTexturedSkin {
public:
    std::string GetName() const override { return "Black"; }
    void GetApplicationMenuColors(TColor& AInnerBorder, TColor& AOuterBorder, TColor& ASideFill) override;
    void DrawRibbonBottomEdge(HDC DC, const TRect& R) override;
    TColor GetPartColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) override;

protected:
    void LoadColorTexture(TovGPImage& AImage) override;
};

class TovSilverRibbonSkin : public TovBlackRibbonSkin {
public:
    std::string GetName() const override { return "Silver"; }
    void GetApplicationMenuColors(TColor& AInnerBorder, TColor& AOuterBorder, TColor& ASideFill) override;
    void DrawRibbonBottomEdge(HDC DC, const TRect& R) override;
    TColor GetPartColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) override;

protected:
    void LoadColorTexture(TovGPImage& AImage) override;
};

// The dark dots of the Silver status bar's size grip, which set them off against its light dots 0xD9D0CD.
constexpr TColor ovSilverRibbonSizeGripDark = 0x7A736E;
