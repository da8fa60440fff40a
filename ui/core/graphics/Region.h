// TuiRegion: an owned GDI region with the library's set arithmetic (set, add, subtract, intersect).
#pragma once

#include "platform/rtl/Object.h"
#include "platform/rtl/WinTypes.h"

enum TuiRegionOperation { roSet, roAdd, roSubtract, roIntersect };

// The CombineRgn mode of an operation (RGN_COPY, RGN_OR, RGN_DIFF, RGN_AND).
int uiRegionOperationToCombineMode(TuiRegionOperation AOperation);

class TuiRegion : public TObject {
public:
    // An empty region.
    TuiRegion();
    // Takes ownership of an existing region handle.
    explicit TuiRegion(HRGN ARegionHandle);
    explicit TuiRegion(const TRect& R);
    TuiRegion(int ALeft, int ATop, int ARight, int ABottom);
    ~TuiRegion() override;
    TuiRegion(const TuiRegion&) = delete;
    TuiRegion& operator=(const TuiRegion&) = delete;

    // The window's region, or its bounds moved to (0, 0) when it has none.
    static TuiRegion* CreateFromWindow(HWND AWnd);
    // A rounded rectangle whose corners start one pixel inside R's left and top.
    static TuiRegion* CreateRoundCorners(const TRect& R, int AEllipseWidth, int AEllipseHeight);
    static TuiRegion* CreateRoundCorners(int ALeft, int ATop, int ARight, int ABottom, int AEllipseWidth,
                                         int AEllipseHeight);

    // Combines ARegion into this one; frees ARegion when ADestroyRegion is set.
    void Combine(TuiRegion* ARegion, TuiRegionOperation AOperation, bool ADestroyRegion = true);
    void CombineRect(const TRect& R, TuiRegionOperation AOperation);
    void Offset(int DX, int DY);
    void OffsetByPoint(const TPoint& P) { Offset(P.x, P.y); }

    HRGN Handle() const { return FRegionHandle; }
    bool IsEmpty() const;
    // The bounding box (uiZeroRect for an empty region).
    TRect BoundsRect() const;

private:
    HRGN FRegionHandle = nullptr;
};
