// Start and end of the library's controls: the root look-and-feel and the mouse-tracking list.
#pragma once

void uiControlsUnitStart();
void uiControlsUnitEnd();
