// The Office11 palette: which of the three visual-style colour schemes the system shows (or none), the
// named colours filled from the scheme's row or from the system colours, and the solid brushes and
// small bitmaps kept for them while at least one user holds a reference. Every value is a plain RGB
// colour; a change of system colours or theme needs RefreshOffice11Colors.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"

#include <cstdint>

class TBitmap;

// 0 none (classic colours), 1 blue, 2 olive, 3 silver.
enum TovOffice11Scheme : std::uint8_t { schNone, schBlue, schOlive, schSilver };
// Index of the toolbar-mark colours.
enum TovOffice11MarkState : std::uint8_t { omsNormal, omsHot, omsPressed };

extern TColor Office11ToolbarColor1, Office11ToolbarColor2;
extern TColor Office11DockColor1, Office11DockColor2;
extern TColor Office11MarkColors1[3], Office11MarkColors2[3];
extern TColor Office11MarkBlendColors1[3], Office11MarkBlendColors2[3];
extern TColor Office11ToolbarEdgeColor, Office11ToolbarCornerColor;
extern TColor Office11GripColor1, Office11GripColor2;
extern TColor Office11SeparatorColor1, Office11SeparatorColor2;
extern TColor Office11FloatingBorderColor1, Office11FloatingBorderColor2;
extern TColor Office11MenuBorderColor, Office11MenuColor;
extern TColor Office11SelectedColor, Office11SelectedBorderColor;
extern TColor Office11HotColor1, Office11HotColor2;
extern TColor Office11PressedColor1, Office11PressedColor2, Office11PressedColor3;
extern TColor Office11CheckedColor, Office11CheckedHotColor, Office11MenuCheckColor;
extern TColor Office11TextColor, Office11DisabledTextColor;
extern TColor Office11ItemFaceColor, Office11HighlightColor, Office11PanelFaceColor;
extern TColor Office11SplitterBorderColor;
extern TColor Office11SchemeColor1, Office11SchemeColor2, Office11SchemeBackgroundColor;
extern TColor Office11MarkArrowColor, Office11MarkArrowShadowColor;
extern TColor Office11FloatingCaptionTextColor;
extern TColor Office11FloatingButtonGlyphColors[2]; // hot, pressed
extern TColor Office11FloatingButtonColor, Office11FloatingCaptionColor, Office11MenuInnerBorderColor;
extern TColor Office11OwnerLinkColor1, Office11OwnerLinkColor2;
extern TColor Office11MenuBandColor1, Office11MenuBandColor2;
extern TColor Office11MenuBandNonRecentColor1, Office11MenuBandNonRecentColor2;
extern TColor Office11ButtonFaceColor, Office11ShadowColor, Office11SelectedTextColor;
extern TColor Office11ControlBorderColor;
// Corners of the tree expand buttons (fixed).
extern TColor Office11ExpandButtonColor1, Office11ExpandButtonColor2;

// Brushes and bitmaps; they exist while the reference count is above 0.
extern HBRUSH Office11GripBrush1, Office11GripBrush2;
extern HBRUSH Office11SeparatorBrush1, Office11SeparatorBrush2;
extern HBRUSH Office11MenuBorderBrush, Office11MenuBrush;
extern HBRUSH Office11SelectedBorderBrush, Office11SelectedBrush;
extern HBRUSH Office11CheckedBrush, Office11CheckedHotBrush, Office11PressedBrush;
extern HBRUSH Office11MenuCheckBrush, Office11ShadowBrush;
extern TBitmap* Office11SubMenuExpandBitmap;
extern TBitmap* Office11ExpandButtonMinusBitmap;
extern TBitmap* Office11ExpandButtonPlusBitmap;

// ---- Life cycle
void ReferenceOffice11Colors();
// An extra release is a caller fault: the count stays at 0.
void ReleaseOffice11Palette();
void RefreshOffice11Colors();
int Office11PaletteReferenceCount();
TovOffice11Scheme GetOffice11Scheme();
bool Office11SchemeColorsActive();
// The gradient percent of the two-segment toolbar gradient: 41, 125, 40, or 75 without a scheme.
int Office11GradientPercent();
TovOffice11Scheme GetOffice11SchemeFromTheme();
void ComputeOffice11Colors();

// ---- Colour routines (results are RGB)
TColor GetNearestScreenColor(TColor AColor);
TColor BlendRGB(TColor AColor1, TColor AColor2, int APercent);
TColor MixLightColor(int AFaceWeight, int AHighlightWeight, int AWindowWeight);
bool HighContrastIsBlack();
bool HighContrastIsWhite();
bool IsBlackFaceNonWhiteText();
// Recolours a bitmap from Office11ToolbarColor1 to Office11ToolbarColor2 by each pixel's red.
void RecolorSubMenuExpandBitmap(TBitmap* ABitmap);
