// Start-up and shut-down of the class library, in this order: the mouse, the screen, the application;
// shut-down frees them in reverse (the application first, with the forms it owns).
#pragma once

void InitializeVcl();
void FinalizeVcl();
