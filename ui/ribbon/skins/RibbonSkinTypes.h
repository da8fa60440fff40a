// What the ribbon and its form tell a skin that draws the form's caption and frame, and the names of the
// colour schemes' accents.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "ui/ribbon/RibbonTypes.h"
#include "ui/ribbon/form/RibbonFormPaintData.h"

#include <cstdint>

constexpr int ovRibbonAccentCount = 5;
// "Yellow", "Blue", "Green", "Orange", "Purple", in the order of the accents.
extern const char* const ovRibbonColorSchemeAccentNames[ovRibbonAccentCount];

// What the ribbon hands its skin for the form's caption and frame.
struct TovRibbonSkinPaintData {
    int ApplicationMenuState = 0;
    int TabsGlassHeight = 0;
    // The caption's height with the quick access toolbar in it.
    int CaptionHeight = 0;
    TovRibbonColorSchemeAccent Accent = rcsaYellow;
    TovRibbonFormPaintData FormData{};
    // The ribbon is the client of a ribbon form.
    bool IsRibbonClient = false;
    bool RibbonHidden = false;
    int TabsHeight = 0;
    // The ribbon control's height.
    int RibbonHeight = 0;

    friend bool operator==(const TovRibbonSkinPaintData&, const TovRibbonSkinPaintData&) = default;
};

// Whether a ribbon form gets square lower corners: single, dialog and tool-window borders, MDI children,
// minimized forms and forms without rounded corners do.
bool RibbonFormHasSquareCorners(const TovRibbonFormPaintData& AData);
