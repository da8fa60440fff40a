// Interfaces some bar painters add: drawing the pictures a fade runs between, and the skin states of
// item controls. A painter that answers IovBarFadingPainter makes item controls fade.
#pragma once

#include "platform/rtl/WinTypes.h"

class TuiCanvas;
class TovBarItemControl;
class TovBarControl;

class IovBarFadingPainter {
public:
    virtual ~IovBarFadingPainter() = default;
    // The fade pictures must be made opaque after drawing.
    virtual bool FadingImagesNeedOpaque() = 0;
    // Draws the control into ACanvas as the fade pictures need it (its origin at the control's corner).
    virtual void DrawItemControlFadeImage(TovBarItemControl* AControl, TuiCanvas* ACanvas,
                                          const TRect& R) = 0;
    // Draws a toolbar's mark background in a state (0 normal, 1 hot).
    virtual void DrawBarMarkFadeImage(TovBarControl* ABarControl, HDC ADC, const TRect& R, int AState) = 0;
};

class IovBarSkinnedPainter {
public:
    virtual ~IovBarSkinnedPainter() = default;
    // The skin state of the control (0..8; 2, 3 and 7 are selected states).
    virtual int ItemControlSkinState(TovBarItemControl* AControl) = 0;
};

// What an edit-like item control does while the painter draws it (EditDraw calls back): it excludes its
// edit frame from clipping before the glyph and caption are drawn, and draws its text field last (its
// buttons, and its text while the edit window is hidden).
class IovBarEditLikeControl {
public:
    virtual ~IovBarEditLikeControl() = default;
    virtual void ExcludeEditFrame() = 0;
    virtual void DrawTextField() = 0;
};
