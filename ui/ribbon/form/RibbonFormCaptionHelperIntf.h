// IovRibbonFormCaptionHelper: the object that exists while a ribbon draws its form's title bar. The ribbon
// makes it (TovCustomRibbon::CreateFormCaptionHelper), hands it to the form and frees it when non-client
// drawing ends; the ribbon and its view information ask it what is listed here.
#pragma once

#include "platform/rtl/WinTypes.h"

class TuiCanvas;

class IovRibbonFormCaptionHelper {
public:
    virtual ~IovRibbonFormCaptionHelper() = default;
    // Recomputes the caption geometry (caption buttons, icon, text rectangle, regions).
    virtual void Calculate() = 0;
    // Paints the cached caption into the ribbon's canvas (null: straight onto the form's window).
    virtual void DrawCaption(TuiCanvas* ACanvas) = 0;
    // The caption area in ribbon client coordinates: what the caption text, context headers and quick
    // access toolbar in the caption share.
    virtual TRect GetCaptionAreaBounds() = 0;
    // The caption text rectangle and the form icon's rectangle (ribbon client coordinates).
    virtual TRect GetTextBounds() = 0;
    virtual TRect GetIconBounds() = 0;
    // Whether a screen point lies in the caption strip.
    virtual bool IsInCaptionArea(const TPoint& AScreenPoint) = 0;
    // The help button sits among the caption buttons (the tab row then shows none).
    virtual bool IsHelpButtonInCaption() { return false; }
};
