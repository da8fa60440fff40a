// The three colour schemes of the 2010 look: Blue, Silver (the main window's) and Black. A scheme adds its
// name, its colour sheet, the colour of the ribbon's edge lines, the tab row's background and its palette;
// everything else is the 2010 skin's.
#pragma once

#include "ui/ribbon/skins/Ribbon2010Skin.h"

class TovRibbon2010SchemeSkin : public TovCustomRibbon2010Skin {
public:
    void GetApplicationMenuColors(TColor& AInnerBorder, TColor& AOuterBorder, TColor& ASideFill) override;
    void DrawTabsAreaBackground(HDC DC, const TRect& R, bool AActive, bool AOnGlass,
                                int AApplicationMenuState) override;
    void DrawRibbonBottomEdge(HDC DC, const TRect& R) override;
    void DrawFormCaptionBottomLine(HDC DC, const TRect& R) override;
    TColor GetPartColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) override;

protected:
    // What sets one scheme apart.
    struct TScheme {
        const char* ColorSheet;
        TColor MenuOuterBorder;
        TColor Edge;
        TColor TabRowActive, TabRowInactive;
    };
    virtual const TScheme& Scheme() const = 0;
    // The scheme's own colour of a key in a state; clDefault when the scheme keeps the 2010 skin's.
    virtual TColor SchemeColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) = 0;
    void LoadColorTexture(TovGPImage& AImage) override;
};

class TovBlueRibbon2010Skin : public TovRibbon2010SchemeSkin {
public:
    std::string GetName() const override { return "Blue"; }

protected:
    const TScheme& Scheme() const override;
    TColor SchemeColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) override;
};

class TovSilverRibbon2010Skin : public TovRibbon2010SchemeSkin {
public:
    std::string GetName() const override { return "Silver"; }

protected:
    const TScheme& Scheme() const override;
    TColor SchemeColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) override;
};

class TovBlackRibbon2010Skin : public TovRibbon2010SchemeSkin {
public:
    std::string GetName() const override { return "Black"; }
    void DrawItemSeparator(HDC DC, const TRect& R, bool AHorizontal) override;

protected:
    const TScheme& Scheme() const override;
    TColor SchemeColor(int APart, int AState, TovRibbonColorSchemeAccent AAccent) override;
};
