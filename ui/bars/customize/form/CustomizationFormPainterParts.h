// Small drawing steps the customization-form looks share: fills and frames in a colour, the entry text,
// the combo arrow, and what an item shows (a picture, a drop-down part).
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"

#include <string>

class TCanvas;
class TovBarItem;

namespace custform_parts {

// Fills R with AColor through the canvas brush (which keeps the colour: later frames use it).
void FillWithCanvasBrush(TCanvas* ACanvas, const TRect& R, TColor AColor);
void FrameWithColor(HDC ADC, const TRect& R, TColor AColor);
// Single line, vertically centred, no prefix processing, not clipped, transparent, in AColor.
void DrawEntryText(TCanvas* ACanvas, const TRect& R, const std::string& AText, TColor AColor);
// A down-pointing combo arrow centred in R.
void DrawComboArrow(HDC ADC, const TRect& R, TColor AColor);
// The item's glyph (or image-list image) centred in AGlyphRect, drawn transparently with the manager's
// image options, in its selected state when ASelected.
void DrawEntryImage(TCanvas* ACanvas, const TRect& AGlyphRect, bool ASelected, TovBarItem* AItem);
// The item shows a picture: a non-empty glyph, or an index its image list has.
bool EntryHasImage(TovBarItem* AItem);
// A button with a drop-down part beside its caption.
bool HasDropDownPart(TovBarItem* AItem);

} // namespace custform_parts
