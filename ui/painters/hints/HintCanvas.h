// The DC of a library canvas with the canvas font selected, for the hint drawing that calls DrawText
// on the DC itself.
#pragma once

#include "platform/vcl/Canvas.h"
#include "ui/core/graphics/Canvas.h"

inline HDC uiCanvasTextDC(TuiCanvas* ACanvas) {
    ACanvas->Canvas()->RequiredState({csHandleValid, csFontValid});
    return ACanvas->Handle();
}
