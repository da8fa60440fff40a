#include "skin/draw/SkinGeometry.h"

#include "platform/win/WinUser.h"

bool RectInsideRect(const TRect& A, const TRect& B) {
    return PtInRect(&B, TPoint{A.left, A.top}) && PtInRect(&B, TPoint{A.right, A.bottom});
}
