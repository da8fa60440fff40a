#include "ui/bars/controls/SubMenuControlPlacement.h"

#include <algorithm>

namespace {

void FitHorizontally(const TovSubMenuPlacementRequest& ARequest, int& ALeft, int& AWidth, bool& AFlipped) {
    const TRect& w = ARequest.Monitor;
    const int ownerWidth = ARequest.OwnerWidth;
    if (ALeft + AWidth > w.right) {
        if (ownerWidth != 0) {
            if (ALeft - ownerWidth - w.left > w.right - ALeft) {
                ALeft = ALeft - ownerWidth - AWidth;
                AFlipped = true;
            }
        } else if (ARequest.OwnerHeight != 0 || ALeft - AWidth < w.left) {
            ALeft = w.right - AWidth;
        } else {
            ALeft -= AWidth;
            AFlipped = true;
        }
    }
    if (ALeft < w.left) {
        if (ownerWidth == 0) {
            ALeft = w.left;
        } else if (ARequest.OpensLeft && w.right - (ALeft + AWidth + ownerWidth) > ALeft + AWidth - w.left) {
            ALeft = ALeft + AWidth + ownerWidth;
            AFlipped = true;
        }
    }
    if (ALeft + AWidth > w.right) ALeft = w.right - AWidth;
    if (ALeft < w.left) ALeft = w.left;
    if (ARequest.WidthReducible && ALeft + AWidth > w.right) AWidth = w.right - ALeft;
}

void FitVertically(const TovSubMenuPlacementRequest& ARequest, int& ATop, int& AHeight, bool& AFlipped) {
    const TRect& w = ARequest.Monitor;
    const int ownerHeight = ARequest.OwnerHeight;
    if (ATop + AHeight > w.bottom) {
        if (ownerHeight != 0) {
            if (ATop - ownerHeight - w.top > w.bottom - ATop) {
                ATop = ATop - ownerHeight - AHeight;
                AFlipped = true;
            } else {
                AHeight = w.bottom - ATop;
            }
        } else if (ARequest.OwnerWidth != 0 || ATop - AHeight < w.top) {
            ATop = w.bottom - AHeight;
        } else {
            ATop -= AHeight;
            AFlipped = true;
        }
    }
    if (ATop < w.top) {
        if (!ARequest.OpensUp) {
            if (AFlipped && ownerHeight != 0) {
                AHeight -= w.top - ATop;
                ATop = w.top;
            } else {
                ATop = w.top;
                if (ATop + AHeight > w.bottom) AHeight = w.bottom - ATop;
            }
        } else if (ownerHeight != 0 && w.bottom - (ATop + AHeight + ownerHeight) > ATop + AHeight - w.top) {
            ATop = ATop + AHeight + ownerHeight;
            if (ATop + AHeight > w.bottom) AHeight = w.bottom - ATop;
            AFlipped = true;
        }
    }
    // A menu opened upwards, or taller than the monitor, may still start above the top of the work area:
    // its first items could never be reached. It starts at that top and gets shorter (and scrolls).
    const int top = std::max(w.top, ARequest.WorkArea.top);
    if (ATop < top) {
        AHeight -= top - ATop;
        ATop = top;
    }
    if (ATop + AHeight > w.bottom) AHeight = w.bottom - ATop;
    AHeight = std::max(AHeight, 0);
}

} // namespace

TovSubMenuPlacement ovCalcSubMenuPlacement(const TovSubMenuPlacementRequest& ARequest) {
    TovSubMenuPlacement result;
    int left = ARequest.Position.x, top = ARequest.Position.y;
    int width = ARequest.Size.cx, height = ARequest.Size.cy;
    FitHorizontally(ARequest, left, width, result.FlippedX);
    FitVertically(ARequest, top, height, result.FlippedY);
    result.Bounds = TRect{left, top, left + width, top + height};
    return result;
}
