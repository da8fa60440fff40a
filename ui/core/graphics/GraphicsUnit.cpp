#include "ui/core/graphics/GraphicsUnit.h"

#include "platform/gdi/GdiBlit.h"
#include "platform/rtl/ClassRegistry.h"
#include "ui/core/graphics/AlphaBlend.h"
#include "ui/core/graphics/Bitmaps.h"
#include "ui/core/graphics/PaintCanvas.h"
#include "ui/core/graphics/ScreenCanvas.h"
#include "ui/core/graphics/ScreenMetrics.h"
#include "ui/core/graphics/WindowPainting.h"
#include "ui/core/graphics/WorkBitmaps.h"

namespace graphics_unit_detail {
bool Finalizing = false;
} // namespace graphics_unit_detail

void uiGraphicsUnitStart() {
    graphics_unit_detail::Finalizing = false;
    uiSetAlphaBlendFunction(&::AlphaBlend);
    RegisterClasses<TuiBitmap, TuiBitmap32>();
    uiReadScreenPixelsPerInch();
}

void uiGraphicsUnitEnd() {
    graphics_unit_detail::Finalizing = true;
    uiFreeWindowPaintingLists();
    uiFreeScreenCanvas();
    uiFreePaintCanvas();
    uiFreeWorkBitmaps();
    UnRegisterClass<TuiBitmap32>();
    UnRegisterClass<TuiBitmap>();
    uiSetAlphaBlendFunction(nullptr);
}

bool uiGraphicsUnitFinalizing() {
    return graphics_unit_detail::Finalizing;
}
