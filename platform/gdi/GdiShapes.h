// Lines and filled shapes of the software GDI, with the classic pixel coverage: no anti-aliasing, the end
// point of a line excluded, outlines inside the bounding rectangle (right and bottom exclusive).
#pragma once

#include "platform/gdi/GdiTypes.h"

BOOL LineTo(HDC dc, int x, int y);
BOOL Polyline(HDC dc, const POINT* points, int count);
BOOL PolylineTo(HDC dc, const POINT* points, DWORD count);
BOOL PolyPolyline(HDC dc, const POINT* points, const DWORD* counts, DWORD polylines);
BOOL Polygon(HDC dc, const POINT* points, int count);
BOOL PolyPolygon(HDC dc, const POINT* points, const INT* counts, int polygons);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
