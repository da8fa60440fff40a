// Start and end of the library's classes on the imaging interface (the units loader runs them): when the
// interface is available the start looks up the image encoders and registers TovPNGImage and
// TovSmartImage for streaming and as picture formats; the end frees the shared paint canvas and alpha
// attributes and undoes the registrations (an earlier class registered for "PNG" gets it back).
#pragma once

void ovGdiPlusClassesStart();
void ovGdiPlusClassesEnd();
