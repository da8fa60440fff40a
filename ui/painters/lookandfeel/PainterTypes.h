// Value types every look-and-feel painter operation shares: button states, arrow directions, check
// states, header neighbours, popup corners, and the touch sizing routines of the painter unit.
#pragma once

#include "platform/rtl/Set.h"
#include "platform/rtl/WinTypes.h"
#include "platform/vcl/StdCtrls.h"
#include "ui/painters/lookandfeel/PainterLookAndFeelTypes.h"

#include <cstdint>

enum TuiPainterArrowDirection : std::uint8_t { adUp, adDown, adLeft, adRight };
enum TuiPainterCheckState : std::uint8_t { cbsUnchecked, cbsChecked, cbsGrayed };

// Sides on which a header cell touches a neighbour.
enum TuiNeighbor : std::uint8_t { nLeft, nTop, nRight, nBottom };
using TuiNeighbors = Set<TuiNeighbor, 8>;

// Corner of a popup or size grip: where the grip sits.
enum TuiCorner : std::uint8_t { coTopLeft, coTopRight, coBottomLeft, coBottomRight };

// Popup frame styles: none, single line, raised double edge with a sizing frame, raised double edge.
enum TuiPopupBorderStyle : std::uint8_t { pbsNone, pbsSingle, pbsFrame3D, pbsFlat3D };

// The three points of an arrow triangle.
struct TuiArrowPoints {
    TPoint P[3]{};
};

// The touch minimum: a positive value becomes at least 27 pixels at the current DPI while touch mode is
// on; 0, negative values and everything outside touch mode stay as they are.
void ovAdjustToTouchableSize(int& AValue);
void ovAdjustSizeToTouchableSize(TSize& ASize);
bool ovTouchModeOn();

// Library text flags of an alignment pair and the multi-line and end-ellipsis choices.
int uiPainterTextFlags(TAlignment AHorz, TVerticalAlignment AVert, bool AMultiLine, bool AEndEllipsis);
