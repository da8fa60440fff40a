// The software GDI in one include: device contexts and objects, blits and fills, regions, shapes, control
// pictures, text, and the surfaces underneath.
//
// Coordinates: drawing calls take logical coordinates; logical - window origin + viewport origin gives
// device coordinates (clip regions are kept in these); device + the DC's device origin gives the surface
// pixel. Every drawing call is clipped by the DC's clip region (if any), the visible region the window
// system gave the DC (if any) and the surface bounds. The imaging interface (GdiPlus.h) and the visual
// styles and composition interfaces (Theme.h) are included separately.
#pragma once

#include "platform/gdi/GdiBlit.h"
#include "platform/gdi/GdiControls.h"
#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiRegions.h"
#include "platform/gdi/GdiShapes.h"
#include "platform/gdi/GdiText.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Surface.h"
