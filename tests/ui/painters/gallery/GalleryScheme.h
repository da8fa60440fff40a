// The Office11 colour scheme the gallery is painted in: the recording test theme names Luna's blue, olive
// or silver colour scheme (or no active style, for the system colours) and opens no theme class, so the
// native painter keeps its unthemed drawing. Shared by the screenshot tests and the painters benchmark.
#pragma once

#include "ui/painters/office11/Office11Colors.h"

namespace painter_gallery {

// Binds the named style (or none) and recomputes the palette; the palette must be referenced.
void UseOffice11Scheme(TovOffice11Scheme AScheme);
// Back to the platform's own theme entry points.
void EndOffice11Scheme();
const char* Office11SchemeName(TovOffice11Scheme AScheme);

} // namespace painter_gallery
