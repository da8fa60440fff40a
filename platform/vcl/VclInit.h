// Start-up and shut-down of the class library, in this order: the mouse, the screen, the application, and
// the system "EDIT" class supplied to the window system; shut-down takes them back in reverse (the
// application first, with the forms it owns).
#pragma once

void InitializeVcl();
void FinalizeVcl();
