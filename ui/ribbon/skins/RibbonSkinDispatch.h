// How the skin interface's part kinds reach a ribbon skin: the ribbon's IovSkin (and tests that put the
// skinned bar painter on a ribbon skin) forward every DrawBackground call, and the tab-group metrics, here.
// The ribbon adds what only it knows: its colour scheme's accent, the tab groups' caption strip, where its
// quick access toolbar is and whether it draws the form's non-client area.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "ui/ribbon/skins/RibbonSkinTypes.h"

class TovCustomRibbonSkin;

struct TovRibbonSkinContext {
    TovRibbonColorSchemeAccent Accent = rcsaYellow;
    // The tab groups' caption strip: its distance from the group's bottom and its height (the height of
    // the group-caption font's text).
    int CaptionBottomOffset = 0;
    int CaptionHeight = 0;
    // The application button's rectangle (the application menu's content offsets follow it).
    TRect ApplicationButtonBounds{};
    // The quick access toolbar's mark button takes its second look below the ribbon, and on a ribbon that
    // draws the form's non-client area without showing its tab headers.
    bool QuickAccessToolbarBelow = false;
    bool NonClient = false;
    bool ShowTabHeaders = true;

    int CaptionStripHeight() const { return CaptionBottomOffset + CaptionHeight; }
};

// Draws part kind APart in AState into R (ABounds: the second rectangle of the application menu's
// background). A kind without a drawing draws nothing.
void ovRibbonSkinDrawBackground(TovCustomRibbonSkin& ASkin, HDC DC, const TRect& R, const TRect& ABounds,
                                int APart, int AState, const TovRibbonSkinContext& AContext);
// The caption strip of a tab group's part (1, 1003) in R; the empty rectangle for any other part.
TRect ovRibbonSkinCaptionRect(TovCustomRibbonSkin& ASkin, const TRect& R, int APart,
                              const TovRibbonSkinContext& AContext);
// The skin's content offsets of a part kind, with the caption strip below the tab groups' content and the
// application menu's offsets for the ribbon's application button.
TRect ovRibbonSkinContentOffsets(TovCustomRibbonSkin& ASkin, int APart, const TovRibbonSkinContext& AContext);
