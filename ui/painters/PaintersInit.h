// Start-up and shut-down of the painter unit, after uiCoreInitialize and before uiCoreFinalize: the
// painters manager with the Flat, Standard and UltraFlat painters, the shared drawing resources, the
// system-palette notifier, and the painter services the foundation calls.
#pragma once

void uiPaintersInitialize();
void uiPaintersFinalize();
bool uiPaintersInitialized();
