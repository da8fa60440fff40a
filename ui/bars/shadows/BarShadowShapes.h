// The geometry of a bar's drop shadow: the bands right of and below a bar window and, when the bar drops
// down from an element of another bar (a toolbar button or mark), the bands of that element, cut so that
// the two shadows meet without a gap and neither falls on the other window. Pure region arithmetic: the
// windows that show the shapes are TovBarShadow's.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <array>
#include <memory>
#include <vector>

class TuiRegion;

// One shadow window: its bounds on the screen and its shape in its own coordinates.
struct TovBarShadowPartShape {
    TRect Bounds{0, 0, 0, 0};
    std::unique_ptr<TuiRegion> Shape;
};

struct TovBarShadowShapes {
    // 0: the bar's own shadow; 1: the shadow of the element it hangs from (absent without one).
    std::array<TovBarShadowPartShape, 2> Parts;
};

// True when the link lies directly above or below the bar (or there is no link): a horizontal joint.
bool ovIsBarShadowJointHorizontal(const TRect& ALinkRect, const TRect& ABarRect);

// ABarShape and ALinkShape are the windows' shapes at their own origin (null: their rectangles);
// AJoinLink says the bar drops from an element of a toolbar, so a non-empty link rectangle gets a part.
TovBarShadowShapes ovBuildBarShadowShapes(const TRect& ABarRect, const TRect& ALinkRect, int AShadowSize,
                                          std::unique_ptr<TuiRegion> ABarShape,
                                          std::unique_ptr<TuiRegion> ALinkShape, bool AJoinLink);

// The rectangles a region is made of, in bands from top to bottom.
std::vector<TRect> ovRegionRects(const TuiRegion& ARegion);
