// The three schemes of the flat look: White, LightGray and DarkGray. They share one pair of sheets and
// differ in a handful of colours.
#pragma once

#include "ui/ribbon/skins/Ribbon2013Skin.h"

class TovWhiteRibbon2013Skin : public TovCustomRibbon2013Skin {
public:
    std::string GetName() const override { return "White"; }
    TColor GetFormBackgroundColor2() override { return clWhite; }
    TColor GetBackgroundColor() override { return clWhite; }
    TColor GetContentColor() override { return clWhite; }
    TColor GetScrollBarPartBorderColor(int APart, int AState) override;
    TColor GetScrollBarPartColor(int APart, int AState) override;
};

class TovLightGrayRibbon2013Skin : public TovCustomRibbon2013Skin {
public:
    std::string GetName() const override { return "LightGray"; }
    TColor GetFormBackgroundColor2() override { return 0xE8E8E8; }
    TColor GetBackgroundColor() override { return 0xF6F6F6; }
    TColor GetAccentColor(TovRibbonColorSchemeAccent AAccent) override;
    TColor GetContentColor() override { return 0xFCFCFC; }
    TColor GetScrollBarBackgroundColor() override { return 0xE6E6E6; }
    TColor GetScrollBarPartColor(int APart, int AState) override;
};

class TovDarkGrayRibbon2013Skin : public TovCustomRibbon2013Skin {
public:
    std::string GetName() const override { return "DarkGray"; }
    TColor GetFormBackgroundColor2() override { return 0xC1C1C1; }
    TColor GetLineColor() override { return 0xABABAB; }
    TColor GetBackgroundColor() override { return 0xE5E5E5; }
    // One dark grey for every accent; the menu view's tabs keep the accent's hue.
    TColor GetAccentColor(TovRibbonColorSchemeAccent AAccent) override { return 0x333333; }
    TColor GetContentColor() override { return 0xF3F3F3; }
    TColor GetScrollBarBackgroundColor() override { return 0xD6D6D6; }
    TColor GetScrollBarPartColor(int APart, int AState) override;

protected:
    TColor MenuViewSelectionColor(TovRibbonColorSchemeAccent AAccent, double ADelta) override;
};
