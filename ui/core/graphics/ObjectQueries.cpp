#include "ui/core/graphics/ObjectQueries.h"

#include "platform/gdi/GdiDC.h"
#include "ui/core/base/BitmapBits.h"

bool uiGetBrushData(HBRUSH ABrush, LOGBRUSH& AData) {
    return ovGetBrushData(ABrush, AData);
}

bool uiReadPenData(HPEN APen, LOGPEN& AData) {
    return GetObject(APen, sizeof(LOGPEN), &AData) != 0;
}
