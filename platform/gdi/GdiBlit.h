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
// The colour the DC's surface shows for a colour: itself on colour surfaces, black or white on
// monochrome ones.
COLORREF GetNearestColor(HDC dc, COLORREF color);

int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL InvertRect(HDC dc, const RECT* rect);

// FillRect, FillRgn and FrameRect accept (HBRUSH)(COLOR_x + 1) for a system colour; DrawEdge and
// DrawFrameControl paint with the 3-D system colours. The window system installs the function that gives
// the current system colours; until then the colours of the classic desktop scheme are used.
using TSysColorFunction = COLORREF (*)(int colorIndex);
void GdiSetSysColorFunction(TSysColorFunction function);
// The system colour through the installed function (or the classic scheme).
COLORREF GdiSysColor(int colorIndex);
