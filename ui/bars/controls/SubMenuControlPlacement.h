// Where a menu window goes on the screen: beside or below the element that opened it, flipped to the
// other side when there is more room there, kept inside the monitor, and shortened (it then scrolls) when
// it is taller than the room it is given. Pure arithmetic, so every case can be checked without windows.
#pragma once

#include "platform/rtl/WinTypes.h"

struct TovSubMenuPlacementRequest {
    // Where the menu's top-left corner is asked to be, and its size.
    TPoint Position{0, 0};
    TSize Size{0, 0};
    // The owner element beside which (width) or below which (height) the menu opens; 0 when none.
    int OwnerWidth = 0;
    int OwnerHeight = 0;
    // The preferred opening directions.
    bool OpensLeft = false;
    bool OpensUp = false;
    // A menu wider than the monitor may be narrowed.
    bool WidthReducible = false;
    // The whole monitor nearest the position, and its work area (the part no task bar covers).
    TRect Monitor{0, 0, 0, 0};
    TRect WorkArea{0, 0, 0, 0};
};

struct TovSubMenuPlacement {
    TRect Bounds{0, 0, 0, 0};
    // The menu went to the other side of its owner than the one asked for.
    bool FlippedX = false;
    bool FlippedY = false;
};

TovSubMenuPlacement ovCalcSubMenuPlacement(const TovSubMenuPlacementRequest& ARequest);
