#include "skin/draw/FBitmap.h"

#include "platform/gdi/GdiDC.h"
#include "platform/win/Painting.h"

BITMAPINFO DibHeader24(int Width, int Height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = Width;
    info.bmiHeader.biHeight = -Height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

bool CopyBitmapRows24(HBITMAP Handle, int& Width, int& Height, std::vector<std::uint8_t>& Bits) {
    BITMAP bitmap{};
    if (!Handle || GetObject(Handle, sizeof bitmap, &bitmap) == 0 || bitmap.bmWidth <= 0 ||
        bitmap.bmHeight <= 0)
        return false;
    const int w = bitmap.bmWidth, h = bitmap.bmHeight;
    std::vector<std::uint8_t> bits(std::size_t(3 * w + w % 4) * std::size_t(h), 0);
    BITMAPINFO info = DibHeader24(w, h);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, Handle, 0, UINT(h), bits.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != h) return false;
    Width = w;
    Height = h;
    Bits = std::move(bits);
    return true;
}

TFBitmap::TFBitmap(HBITMAP Handle) {
    if (CopyBitmapRows24(Handle, FWidth, FHeight, FBits)) FRowInc = 3 * FWidth + FWidth % 4;
}
