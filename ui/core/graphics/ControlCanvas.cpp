#include "ui/core/graphics/ControlCanvas.h"

#include "platform/gdi/GdiDC.h"

void TuiControlCanvas::BeginPaint() {
    HDC dc = Handle();
    GetWindowOrgEx(dc, &FPaintOrigin);
    SetBrushOrgEx(dc, FPaintOrigin.x, FPaintOrigin.y, &FSavedBrushOrigin);
}

void TuiControlCanvas::EndPaint() {
    SetBrushOrgEx(Handle(), FSavedBrushOrigin.x, FSavedBrushOrigin.y, nullptr);
    FSavedBrushOrigin = TPoint{0, 0};
    FPaintOrigin = TPoint{0, 0};
}

TPoint TuiControlCanvas::GetDCOrigin() {
    POINT window{};
    GetWindowOrgEx(Handle(), &window);
    const TPoint viewport = GetViewportOrigin();
    return TPoint{viewport.x - window.x, viewport.y - window.y};
}

TPoint TuiControlCanvas::GetWindowOrg() {
    POINT window{};
    GetWindowOrgEx(Handle(), &window);
    return TPoint{window.x - FPaintOrigin.x, window.y - FPaintOrigin.y};
}

void TuiControlCanvas::SetWindowOrg(const TPoint& P) {
    SetWindowOrgEx(Handle(), P.x + FPaintOrigin.x, P.y + FPaintOrigin.y, nullptr);
}
