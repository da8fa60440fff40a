// What the painters take from the foundation's look-and-feel unit: the style numbers, button states,
// scroll-bar parts and the abstract painter the foundation's controls call, and the container border
// styles of the painters' own container borders.
#pragma once

#include "platform/vcl/Graphics.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"

#include <cstdint>

enum TuiContainerBorderStyle : std::uint8_t {
    cbsNone,
    cbsSingle,
    cbsThick,
    cbsFlat,
    cbs3D,
    cbsUltraFlat,
    cbsOffice11
};
