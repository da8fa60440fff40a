// Painting a whole window at once: through a memory bitmap (every control of the library paints so),
// and on glass, where the window's picture goes through a paint buffer that keeps its alpha. With
// desktop composition off the glass routines are only reached by explicit calls.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/Messages.h"

#include <string>

class TWinControl;
class TuiRegion;

// True when the control's update region was copied into ARegion and can serve as a clip: never on
// Windows 7 without composition.
bool uiGetUpdateRegion(TWinControl* AControl, TuiRegion* ARegion);
// The control's WM_PAINT through a memory bitmap of the paint rectangle's size.
void uiPaintControlBuffered(TWinControl* AControl);
bool uiIsEraseBkgndFromPaint(const TMessage& AMessage);

// Erase and print-client messages of the window into a paint buffer over ABounds of ADC (directly into
// ADC when no buffer can be had); without APaintBlackOpaque the buffer's alpha is set to opaque.
void ovRenderWindowOnGlass(HWND AWnd, HDC ADC, const TRect& ABounds, bool APaintBlackOpaque);
void ovDrawWindowOnGlassClient(HWND AWnd, bool APaintBlackOpaque);
void ovPaintControlOnGlass(HWND AWnd, bool APaintBlackOpaque);
// The glass rendering of the paint rectangle, inside BeginPaint/EndPaint.
void ovPaintUpdateRegionOnGlass(HWND AWnd);
void uiDrawTextOnGlass(HDC ADC, const std::string& AText, HFONT AFont, bool ACopyBackground, int AGlowSize,
                       UINT AFormat, TColor AColor, const TRect& R);
bool AreVisualStylesEnabled();
