// Runs the form of a standard dialog component (colour, font, file): while the form is up the component's
// DialogForm answers it, so handlers can reach the form; it is cleared on every way out, exceptions of
// handlers included.
#pragma once

class TCustomForm;

// Shows Form modally with Current pointing at it; answers its modal result.
int RunDialogForm(TCustomForm* Form, TCustomForm*& Current);
