// Start-up and shut-down of the painter unit, after uiCoreInitialize and before uiCoreFinalize: the
// painters manager with the Flat, Office11, Standard, UltraFlat and Native painters, the shared drawing
// resources and the text engine's pattern brushes, the fader (in the foundation's fader slot), the
// shadow windows' layered-window binding, the animation controller (freed at the end), the
// system-palette notifier, and the painter services the foundation calls.
#pragma once

void uiPaintersInitialize();
void uiPaintersFinalize();
bool uiPaintersInitialized();
