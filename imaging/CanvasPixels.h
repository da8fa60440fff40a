// Working on a canvas's pixels as a 32-bit surface: the pixels under a rectangle are copied into a
// work bitmap, changed there and copied back, so the canvas's origin and clipping apply as for any
// other drawing.
#pragma once

#include "imaging/png/PngTypes.h"

#include <functional>

class TCanvas;

// Runs Work on the pixels of Area that the canvas can show (its clip box): the buffer's pixel (0, 0)
// is the canvas's point Origin. Nothing happens when none of Area is visible. Raises EPNGOutMemory
// with the codec's text when the work bitmap cannot be made; the canvas is then unchanged.
void WithCanvasPixels(TCanvas* Canvas, const TRect& Area,
                      const std::function<void(TPixelBuffer32& Pixels, POINT Origin)>& Work);
