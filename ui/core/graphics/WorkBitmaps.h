// The three shared work bitmaps of image drawing (draw, image and mask). They are reused by every drawing
// call, resized only when the size changes, and valid only until the next call that prepares them.
#pragma once

class TuiAlphaBitmap;

// Resizes ABitmap, forgets its transparent colours and clears it.
void uiResetAlphaBitmap(TuiAlphaBitmap* ABitmap, int AWidth, int AHeight);
// Prepares a work bitmap: an existing one is reset, a missing one made as a cleared 32-bit bitmap.
void uiInitWorkBitmap(TuiAlphaBitmap*& ABitmap, int AWidth, int AHeight);

TuiAlphaBitmap* uiWorkBitmapDraw(int AWidth, int AHeight);
TuiAlphaBitmap* uiWorkBitmapImage(int AWidth, int AHeight);
TuiAlphaBitmap* uiWorkBitmapMask(int AWidth, int AHeight);
// Frees the three (the graphics unit's end).
void uiFreeWorkBitmaps();
