// Device contexts and drawing objects of the software GDI: creation, selection, deletion, saved states,
// coordinate origins, attributes and clipping. Semantics and return values are those of the desktop API.
#pragma once

#include "platform/gdi/GdiTypes.h"

#include <memory>

class TSurface;

// ---- Binding DCs to surfaces (used by the window system)

// Creates a DC that draws onto `surface`. Device (0, 0) of the DC is the surface pixel `deviceOrigin`
// (a window's client origin on the screen surface, say). `visible` (surface coordinates; may be null for
// "everything") limits all drawing on top of any clip region the DC's user selects; the region is copied,
// the caller keeps ownership of its handle. The DC is a window/screen DC (OBJ_DC): bitmaps cannot be
// selected into it. Free it with DeleteDC.
HDC GdiCreateSurfaceDC(std::shared_ptr<TSurface> surface, POINT deviceOrigin, HRGN visible);
// Replaces the visible region (copied; null = the whole surface) of any DC.
BOOL GdiSetDCVisibleRegion(HDC dc, HRGN visible);
// Moves device (0, 0) of a surface DC.
BOOL GdiSetDCDeviceOrigin(HDC dc, POINT deviceOrigin);
// Puts a DC back into its freshly created state (objects, colours, origins, clip, saved states),
// as handing out a window DC again requires. The surface, device origin and visible region stay.
BOOL GdiResetDC(HDC dc);
// The surface a DC draws on (a memory DC's selected bitmap), or null.
std::shared_ptr<TSurface> GdiGetDCSurface(HDC dc);
// The surface of a bitmap, or null: direct pixel access for tests, screenshots and codecs.
std::shared_ptr<TSurface> GdiGetBitmapSurface(HBITMAP bitmap);
// Wraps an existing surface as a bitmap handle (shared, not copied).
HBITMAP GdiCreateBitmapFromSurface(std::shared_ptr<TSurface> surface);

// ---- DCs
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
int SaveDC(HDC dc);
BOOL RestoreDC(HDC dc, int savedDC);
int GetDeviceCaps(HDC dc, int index);
// Makes LOGPIXELSX and LOGPIXELSY answer `dpi` (0 or less: the desktop's 96 again), as a screen of
// another pixel density would.
void GdiSetPixelsPerInch(int dpi);

// ---- Objects
HGDIOBJ GetStockObject(int index);
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
BOOL DeleteObject(HGDIOBJ object);
HGDIOBJ GetCurrentObject(HDC dc, UINT type);
int GetObject(HGDIOBJ object, int size, void* buffer);
inline int GetObjectA(HGDIOBJ object, int size, void* buffer) {
    return GetObject(object, size, buffer);
}
DWORD GetObjectType(HGDIOBJ object);

HBRUSH CreateSolidBrush(COLORREF color);
HBRUSH CreateHatchBrush(int style, COLORREF color);
HBRUSH CreatePatternBrush(HBITMAP bitmap);
HBRUSH CreateBrushIndirect(const LOGBRUSH* brush);
HPEN CreatePen(int style, int width, COLORREF color);
HPEN CreatePenIndirect(const LOGPEN* pen);
HFONT CreateFontIndirect(const LOGFONT* font);
inline HFONT CreateFontIndirectA(const LOGFONT* font) {
    return CreateFontIndirect(font);
}
HFONT CreateFont(int height, int width, int escapement, int orientation, int weight, DWORD italic,
                 DWORD underline, DWORD strikeOut, DWORD charSet, DWORD outPrecision, DWORD clipPrecision,
                 DWORD quality, DWORD pitchAndFamily, const char* face);
COLORREF SetDCBrushColor(HDC dc, COLORREF color);
COLORREF GetDCBrushColor(HDC dc);
COLORREF SetDCPenColor(HDC dc, COLORREF color);
COLORREF GetDCPenColor(HDC dc);

// ---- Bitmaps
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
HBITMAP CreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                         DWORD offset);
int GetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage);
int SetDIBits(HDC dc, HBITMAP bitmap, UINT start, UINT lines, const void* bits, const BITMAPINFO* info,
              UINT usage);
HANDLE CopyImage(HANDLE image, UINT type, int width, int height, UINT flags);

// ---- Attributes
COLORREF SetTextColor(HDC dc, COLORREF color);
COLORREF GetTextColor(HDC dc);
COLORREF SetBkColor(HDC dc, COLORREF color);
COLORREF GetBkColor(HDC dc);
int SetBkMode(HDC dc, int mode);
int GetBkMode(HDC dc);
int SetROP2(HDC dc, int rop2);
int GetROP2(HDC dc);
int SetStretchBltMode(HDC dc, int mode);
int GetStretchBltMode(HDC dc);
int SetPolyFillMode(HDC dc, int mode);
int GetPolyFillMode(HDC dc);
UINT SetTextAlign(HDC dc, UINT align);
UINT GetTextAlign(HDC dc);
int SetTextCharacterExtra(HDC dc, int extra);
int GetTextCharacterExtra(HDC dc);
int SetGraphicsMode(HDC dc, int mode);
int GetGraphicsMode(HDC dc);
int SetMapMode(HDC dc, int mode);
int GetMapMode(HDC dc);

// ---- Coordinates
BOOL SetWindowOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetWindowOrgEx(HDC dc, POINT* origin);
BOOL OffsetWindowOrgEx(HDC dc, int dx, int dy, POINT* previous);
BOOL SetViewportOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetViewportOrgEx(HDC dc, POINT* origin);
BOOL OffsetViewportOrgEx(HDC dc, int dx, int dy, POINT* previous);
BOOL SetBrushOrgEx(HDC dc, int x, int y, POINT* previous);
BOOL GetBrushOrgEx(HDC dc, POINT* origin);
BOOL LPtoDP(HDC dc, POINT* points, int count);
BOOL DPtoLP(HDC dc, POINT* points, int count);
BOOL MoveToEx(HDC dc, int x, int y, POINT* previous);
BOOL GetCurrentPositionEx(HDC dc, POINT* position);
// The surface position of the DC's device (0, 0).
BOOL GetDCOrgEx(HDC dc, POINT* origin);

// ---- Clipping (regions in device coordinates, rectangles in logical coordinates)
int SelectClipRgn(HDC dc, HRGN rgn);
int ExtSelectClipRgn(HDC dc, HRGN rgn, int mode);
int GetClipRgn(HDC dc, HRGN rgn);
int GetClipBox(HDC dc, RECT* rect);
int ExcludeClipRect(HDC dc, int left, int top, int right, int bottom);
int IntersectClipRect(HDC dc, int left, int top, int right, int bottom);
int OffsetClipRgn(HDC dc, int dx, int dy);
BOOL RectVisible(HDC dc, const RECT* rect);
BOOL PtVisible(HDC dc, int x, int y);
