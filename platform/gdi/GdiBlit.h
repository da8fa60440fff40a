// Pixel transfer and rectangle fills of the software GDI: blits with raster operations, stretching,
// alpha blending, transparent-colour blits, gradients and single pixels.
#pragma once

#include "platform/gdi/GdiTypes.h"

BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop);
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh,
                DWORD rop);
BOOL AlphaBlend(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh,
                BLENDFUNCTION blend);
BOOL TransparentBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, int sw, int sh,
                    UINT transparent);
BOOL GradientFill(HDC dc, const TRIVERTEX* vertices, ULONG vertexCount, const void* mesh, ULONG meshCount,
                  ULONG mode);
int StretchDIBits(HDC dc, int x, int y, int width, int height, int sx, int sy, int sw, int sh,
                  const void* bits, const BITMAPINFO* info, UINT usage, DWORD rop);
int SetDIBitsToDevice(HDC dc, int x, int y, DWORD width, DWORD height, int sx, int sy, UINT startScan,
                      UINT lines, const void* bits, const BITMAPINFO* info, UINT usage);

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
BOOL SetPixelV(HDC dc, int x, int y, COLORREF color);
COLORREF GetPixel(HDC dc, int x, int y);

int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL InvertRect(HDC dc, const RECT* rect);

// FillRect and friends accept (HBRUSH)(COLOR_x + 1) for a system colour: the window system installs the
// function that turns such an index into its system-colour brush.
using TSysColorBrushResolver = HBRUSH (*)(int colorIndex);
void GdiSetSysColorBrushResolver(TSysColorBrushResolver resolver);
