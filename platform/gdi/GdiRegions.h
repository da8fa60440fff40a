// Region handles of the software GDI: constructors, set algebra, queries, the RGNDATA exchange format and
// region painting.
#pragma once

#include "platform/gdi/GdiTypes.h"

class TBandedRegion;

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
HRGN CreateRoundRectRgn(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
HRGN CreateEllipticRgn(int left, int top, int right, int bottom);
HRGN CreateEllipticRgnIndirect(const RECT* rect);
HRGN CreatePolygonRgn(const POINT* points, int count, int fillMode);
HRGN CreatePolyPolygonRgn(const POINT* points, const INT* counts, int polygons, int fillMode);
BOOL SetRectRgn(HRGN rgn, int left, int top, int right, int bottom);

// Returns the kind of the result (NULLREGION, SIMPLEREGION, COMPLEXREGION) or ERROR.
int CombineRgn(HRGN dest, HRGN source1, HRGN source2, int mode);
int OffsetRgn(HRGN rgn, int dx, int dy);
int GetRgnBox(HRGN rgn, RECT* rect);
BOOL PtInRegion(HRGN rgn, int x, int y);
BOOL RectInRegion(HRGN rgn, const RECT* rect);
BOOL EqualRgn(HRGN a, HRGN b);

// RGNDATA: a 32-byte header followed by the rectangles. With a null buffer GetRegionData returns the size
// needed; with one too small 0; otherwise the size given.
DWORD GetRegionData(HRGN rgn, DWORD size, RGNDATA* data);
// Builds a region from RGNDATA; only translating transforms (or none) are accepted.
HRGN ExtCreateRegion(const XFORM* transform, DWORD size, const RGNDATA* data);

BOOL FillRgn(HDC dc, HRGN rgn, HBRUSH brush);
BOOL PaintRgn(HDC dc, HRGN rgn);
BOOL FrameRgn(HDC dc, HRGN rgn, HBRUSH brush, int width, int height);
BOOL InvertRgn(HDC dc, HRGN rgn);

// Exchange with the banded form the window system computes visibility in.
HRGN GdiCreateRegion(const TBandedRegion& region);
// Copies a region handle's rectangles into `region`; false for an invalid handle.
bool GdiGetRegion(HRGN rgn, TBandedRegion& region);
