// The desktop API's drawing helpers for control pictures: 3-D edges, frame controls (buttons, check and
// radio marks, scroll arrows, caption buttons, menu marks), focus rectangles, and icons/cursors made of a
// colour bitmap and a mask.
#pragma once

#include "platform/gdi/GdiTypes.h"

BOOL DrawEdge(HDC dc, RECT* rect, UINT edge, UINT flags);
BOOL DrawFrameControl(HDC dc, RECT* rect, UINT type, UINT state);
BOOL DrawFocusRect(HDC dc, const RECT* rect);

// System bitmaps, passed in the name argument of LoadBitmap with a null instance.
inline const char* const OBM_CHECKBOXES = reinterpret_cast<const char*>(32759);
// A new bitmap the caller deletes. The system's check boxes are a 4 x 3 grid of 13 x 13 cells drawn with
// DrawFrameControl: row 0 check boxes, row 1 radio buttons, row 2 inactive check boxes, each plain,
// checked, pushed and pushed-checked (inactive and inactive-checked in row 2). Other names: null.
HBITMAP LoadBitmap(HINSTANCE instance, const char* name);

// Icons and cursors. The bitmaps of ICONINFO are copied; the caller keeps its handles.
HICON CreateIconIndirect(const ICONINFO* info);
HICON CopyIcon(HICON icon);
// A copy of an icon resized to width x height (0 keeps that dimension), as CopyImage makes it.
HICON GdiCopyIconScaled(HICON icon, int width, int height);
BOOL DestroyIcon(HICON icon);
inline BOOL DestroyCursor(HCURSOR cursor) {
    return DestroyIcon(cursor);
}
// Returns new bitmaps the caller must delete.
BOOL GetIconInfo(HICON icon, ICONINFO* info);
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int width, int height, UINT step, HBRUSH background,
                UINT flags);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
