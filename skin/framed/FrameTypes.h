// The value types of framed controls: frame styles, sides and gradient layouts.
#pragma once

#include "platform/rtl/Set.h"

enum TFrameStyleEx {
    fsNone,
    fsFlat,
    fsGroove,
    fsBump,
    fsLowered,
    fsButtonDown,
    fsRaised,
    fsButtonUp,
    fsStatus,
    fsPopup,
    fsFlatBold,
    fsFlatRounded
};
// The styles a frame setting takes (fsNone .. fsFlatBold).
using TFrameStyle = TFrameStyleEx;

enum TSide { sdLeft, sdTop, sdRight, sdBottom };
using TSides = Set<TSide, 8>;
inline const TSides AllSides{sdLeft, sdTop, sdRight, sdBottom};

// Horizontal layouts give horizontal colour bands, vertical layouts vertical ones.
enum TGradientDirection {
    gdDiagonalUp,
    gdDiagonalDown,
    gdHorizontalEnd,
    gdHorizontalCenter,
    gdHorizontalBox,
    gdVerticalEnd,
    gdVerticalCenter,
    gdVerticalBox,
    gdSquareBox,
    gdBigSquareBox
};
