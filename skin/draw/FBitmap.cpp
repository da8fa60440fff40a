#include "skin/draw/FBitmap.h"

#include "platform/gdi/GdiDC.h"
#include "platform/win/Painting.h"

TFBitmap::TFBitmap(HBITMAP Handle) {
    BITMAP info{};
    if (!Handle || GetObject(Handle, sizeof info, &info) == 0 || info.bmWidth <= 0 || info.bmHeight <= 0)
        return;
    FWidth = info.bmWidth;
    FHeight = info.bmHeight;
    FRowInc = 3 * FWidth + FWidth % 4;
    FBits.assign(std::size_t(FRowInc) * std::size_t(FHeight), 0);
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    header.bmiHeader.biWidth = FWidth;
    header.bmiHeader.biHeight = -FHeight;
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = 24;
    header.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    if (GetDIBits(screen, Handle, 0, UINT(FHeight), FBits.data(), &header, DIB_RGB_COLORS) != FHeight) {
        FWidth = FHeight = FRowInc = 0;
        FBits.clear();
    }
    ReleaseDC(nullptr, screen);
}
