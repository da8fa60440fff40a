// The colour depth of the screen, which decides whether fades and alpha shadows are worth drawing.
#pragma once

// Bits per pixel of the screen's device context (0 when it cannot be read).
int ovScreenBitsPerPixel();
