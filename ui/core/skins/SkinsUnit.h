// Start and end of the skin element model (the units loader runs them): the shared empty element, the
// registry of skin property classes, the classes a stored skin names, and the imaging interface with its
// encoders. The end withdraws the same classes in the same order.
#pragma once

class TovSkinEmptyElement;

void ovSkinsCoreStart();
void ovSkinsCoreEnd();
// The element drawn where one is missing; null outside start and end.
TovSkinEmptyElement* ovSkinEmptyElement();
