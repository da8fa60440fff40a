#include "ui/core/graphics/Region.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/win/Painting.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/Geometry.h"

int uiRegionOperationToCombineMode(TuiRegionOperation AOperation) {
    switch (AOperation) {
    case roSet:
        return RGN_COPY;
    case roAdd:
        return RGN_OR;
    case roSubtract:
        return RGN_DIFF;
    case roIntersect:
        return RGN_AND;
    }
    return RGN_COPY;
}

TuiRegion::TuiRegion() : FRegionHandle(CreateRectRgnIndirect(&uiZeroRect)) {}

TuiRegion::TuiRegion(HRGN ARegionHandle) : FRegionHandle(ARegionHandle) {}

TuiRegion::TuiRegion(const TRect& R) : FRegionHandle(CreateRectRgnIndirect(&R)) {}

TuiRegion::TuiRegion(int ALeft, int ATop, int ARight, int ABottom)
    : FRegionHandle(CreateRectRgn(ALeft, ATop, ARight, ABottom)) {}

TuiRegion::~TuiRegion() {
    if (FRegionHandle != nullptr) DeleteObject(FRegionHandle);
    FRegionHandle = nullptr;
}

TuiRegion* TuiRegion::CreateFromWindow(HWND AWnd) {
    auto* region = new TuiRegion();
    if (GetWindowRgn(AWnd, region->FRegionHandle) == ERROR) {
        RECT bounds{};
        GetWindowRect(AWnd, &bounds);
        const TRect zeroBased = uiMoveRectToZero(bounds);
        SetRectRgn(region->FRegionHandle, zeroBased.left, zeroBased.top, zeroBased.right, zeroBased.bottom);
    }
    return region;
}

TuiRegion* TuiRegion::CreateRoundCorners(const TRect& R, int AEllipseWidth, int AEllipseHeight) {
    return CreateRoundCorners(R.left, R.top, R.right, R.bottom, AEllipseWidth, AEllipseHeight);
}

TuiRegion* TuiRegion::CreateRoundCorners(int ALeft, int ATop, int ARight, int ABottom, int AEllipseWidth,
                                         int AEllipseHeight) {
    return new TuiRegion(
        CreateRoundRectRgn(ALeft + 1, ATop + 1, ARight, ABottom, AEllipseWidth, AEllipseHeight));
}

void TuiRegion::Combine(TuiRegion* ARegion, TuiRegionOperation AOperation, bool ADestroyRegion) {
    if (ARegion == nullptr) return;
    if (AOperation == roSet)
        CombineRgn(FRegionHandle, ARegion->FRegionHandle, nullptr, RGN_COPY);
    else
        CombineRgn(FRegionHandle, FRegionHandle, ARegion->FRegionHandle,
                   uiRegionOperationToCombineMode(AOperation));
    if (ADestroyRegion) delete ARegion;
}

void TuiRegion::CombineRect(const TRect& R, TuiRegionOperation AOperation) {
    Combine(new TuiRegion(R), AOperation, true);
}

void TuiRegion::Offset(int DX, int DY) {
    OffsetRgn(FRegionHandle, DX, DY);
}

bool TuiRegion::IsEmpty() const {
    RECT box{};
    return GetRgnBox(FRegionHandle, &box) == NULLREGION;
}

TRect TuiRegion::BoundsRect() const {
    RECT box{};
    if (GetRgnBox(FRegionHandle, &box) == NULLREGION) return uiZeroRect;
    return box;
}
