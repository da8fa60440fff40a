// The program's icon, drawn in code: a waveform on a rounded blue tile. Captions of windows without an
// icon of their own show it.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <memory>

class TSurface;

namespace olva::win {

// The picture at size x size pixels, with straight alpha (transparent outside the tile).
std::shared_ptr<TSurface> DrawApplicationIcon(int size);
// The icon at one size, made once and kept for the life of the process.
HICON ApplicationIcon(int size);

} // namespace olva::win
