#include "audio/views/PaintBuffer.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiDC.h"
#include "platform/vcl/Bitmap.h"

#include <algorithm>

TPaintBuffer::TPaintBuffer() : FBitmap(std::make_unique<TBitmap>()) {
    FBitmap->SetPixelFormat(pf32bit);
}

TPaintBuffer::~TPaintBuffer() = default;

void TPaintBuffer::Prepare(int width, int height) {
    width = std::max(1, width);
    height = std::max(1, height);
    if (FPixels && FBitmap->Width() == width && FBitmap->Height() == height) return;
    FBitmap->SetSize(width, height);
    FPixels = GdiGetBitmapSurface(FBitmap->Handle());
}

TCanvas& TPaintBuffer::Canvas() {
    return *FBitmap->Canvas();
}

void TPaintBuffer::CopyTo(HDC dc) {
    ::BitBlt(dc, 0, 0, FBitmap->Width(), FBitmap->Height(), Canvas().Handle(), 0, 0, SRCCOPY);
}
