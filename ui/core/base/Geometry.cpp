#include "ui/core/base/Geometry.h"

#include "platform/rtl/Numerics.h"

#include <algorithm>

bool uiIntersectRects(TRect& R, const TRect& R1, const TRect& R2) {
    R = TRect{std::max(R1.left, R2.left), std::max(R1.top, R2.top), std::min(R1.right, R2.right),
              std::min(R1.bottom, R2.bottom)};
    if (R.right > R.left && R.bottom > R.top) return true;
    R = uiZeroRect;
    return false;
}

bool uiDoRectsOverlap(const TRect& R1, const TRect& R2) {
    TRect common;
    return uiIntersectRects(common, R1, R2);
}

TRect uiUniteRects(const TRect& R1, const TRect& R2) {
    if (uiWidthOfRect(R2) <= 0 || uiHeightOfRect(R2) <= 0) return R1;
    return TRect{std::min(R1.left, R2.left), std::min(R1.top, R2.top), std::max(R1.right, R2.right),
                 std::max(R1.bottom, R2.bottom)};
}

TRect uiScaleRect(const TRect& R, int ANumerator, int ADenominator) {
    return uiScaleRectXY(R, ANumerator, ADenominator, ANumerator, ADenominator);
}

TRect uiScaleRectXY(const TRect& R, int NX, int DX, int NY, int DY) {
    return TRect{MulDiv(R.left, NX, DX), MulDiv(R.top, NY, DY), MulDiv(R.right, NX, DX),
                 MulDiv(R.bottom, NY, DY)};
}

TRect uiFitAspectWH(const TRect& R, int AWidth, int AHeight) {
    const int width = uiWidthOfRect(R);
    const int height = uiHeightOfRect(R);
    if (width <= 0 || height <= 0 || AWidth <= 0 || AHeight <= 0) return R;
    const double ratio = static_cast<double>(AWidth) / AHeight;
    TRect result = R;
    if (static_cast<double>(width) / height >= ratio)
        result.right = result.left + static_cast<int>(Trunc(height * ratio));
    else
        result.bottom = result.top + static_cast<int>(Trunc(width / ratio));
    return result;
}
