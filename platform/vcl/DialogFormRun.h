// Running the forms of dialogs built in code. A standard dialog component (colour, font, file) keeps its
// DialogForm pointing at the form while it is up, so handlers can reach the form; message boxes and
// message dialogs free their form once it is answered. Both hold on every way out, exceptions of handlers
// included.
#pragma once

class TCustomForm;

// Shows Form modally with Current pointing at it; answers its modal result.
int RunDialogForm(TCustomForm* Form, TCustomForm*& Current);
// Shows Form modally and frees it; answers its modal result.
int RunDialogFormAndFree(TCustomForm* Form);
