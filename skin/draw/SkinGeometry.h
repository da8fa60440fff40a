// Rectangle and point helpers of the skin library. A rectangle counts as empty here when its width or
// height is below 1.
#pragma once

#include "platform/rtl/WinTypes.h"

inline int RectWidth(const TRect& R) {
    return R.right - R.left;
}
inline int RectHeight(const TRect& R) {
    return R.bottom - R.top;
}
inline bool RectIsEmpty(const TRect& R) {
    return RectWidth(R) < 1 || RectHeight(R) < 1;
}
inline void ClearRect(TRect& R) {
    R = TRect{};
}
// Right and bottom edges included.
inline bool PointInRectInclusive(const TRect& R, const TPoint& P) {
    return R.left <= P.x && P.x <= R.right && R.top <= P.y && P.y <= R.bottom;
}
// Both corners of A inside B, B's right and bottom edges excluded (as PtInRect has it).
bool RectInsideRect(const TRect& A, const TRect& B);
inline bool PointHasZeroCoordinate(const TPoint& P) {
    return P.x == 0 || P.y == 0;
}
