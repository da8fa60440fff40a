// Start and end of the library's graphics: the system AlphaBlend is bound, the bitmap classes are
// registered and the screen's pixels per inch are read at the start; at the end the shared canvases, work
// bitmaps and painting guards are freed, and from then on uiScreenCanvas and uiPaintCanvas answer null.
#pragma once

void uiGraphicsUnitStart();
void uiGraphicsUnitEnd();
// True from the unit's end until it starts again.
bool uiGraphicsUnitFinalizing();
