// Hands the exception being handled to the application's exception handler, so that an error in a
// hidden window, a hook or a timer is reported instead of escaping into the window system.
#pragma once

class TObject;

// Call only inside a catch block.
void uiHandleException(TObject* ASender);
