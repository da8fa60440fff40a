// Stock objects shared by every DC (internal).
#pragma once

#include "platform/rtl/WinTypes.h"

namespace gdi_stock {
// The 1x1 monochrome bitmap every memory DC starts with.
HBITMAP DefaultBitmap();
} // namespace gdi_stock
