// PNG glyphs on buttons: drawing a glyph (faded or greyed for a disabled button), and making a PNG
// image with alpha from an entry of an image list.
#pragma once

#include "platform/rtl/Set.h"
#include "platform/rtl/WinTypes.h"

class TCanvas;
class TCustomImageList;
class TPngPicture;

enum TPngOption { pngBlendOnDisabled, pngGrayscaleOnDisabled };
using TPngOptions = Set<TPngOption, 8>;

// Draws the image into Rect; with options, a copy faded (alpha scaled by 128/256) and/or greyed.
void PaintPngGlyph(TPngPicture& Image, TCanvas* Canvas, const RECT& Rect, TPngOptions Options);
// Scales every alpha by (Amount + 1)/256 (halves to even), giving images without alpha an alpha
// channel first; key-coloured pixels of an image with a key colour become fully transparent.
void FadePngAlpha(TPngPicture& Image, int Amount);
// Moves every colour towards its grey by Amount (255: all grey); grey images stay as they are.
void DesaturatePng(TPngPicture& Image, int Amount);
// The image list's entry as an RGB image with alpha from the entry's mask (black: opaque). Nothing
// changes when the entry cannot be read.
void PngFromImageListIcon(TPngPicture& Image, TCustomImageList* ImageList, int Index);
