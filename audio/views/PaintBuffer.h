// The picture a sound view draws before it shows it: a 32-bit bitmap whose pixels the view writes
// directly and on whose canvas it draws text, copied to the window in one go.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <memory>

class TBitmap;
class TCanvas;
class TSurface;

class TPaintBuffer {
public:
    TPaintBuffer();
    ~TPaintBuffer();
    // Sizes the picture (its contents are then undefined).
    void Prepare(int width, int height);
    TSurface& Pixels() { return *FPixels; }
    TCanvas& Canvas();
    // Copies the picture to the top-left of `dc`.
    void CopyTo(HDC dc);

private:
    std::unique_ptr<TBitmap> FBitmap;
    std::shared_ptr<TSurface> FPixels;
};
