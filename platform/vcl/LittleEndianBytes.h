// The little-endian field helpers live with the DIB codec in the drawing layer; this header keeps the
// class library's include of them working.
#pragma once

#include "platform/gdi/LittleEndianBytes.h"
