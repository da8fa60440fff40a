// The software GDI in one include: device contexts and objects, blits and fills, regions, shapes,
// text, and the surfaces underneath.
#pragma once

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/gdi/GdiText.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Surface.h"
