// The "Settings" of a batch command row: the command's own dialog (the effect's dialog without its
// preview, the insert-silence and the sample-rate dialogs), filled from the row's record and, on OK,
// read back into a new record. The settings record of the program is neither read nor written.
#pragma once

#include "source/batch/BatchCommands.h"

class TCustomForm;

// False when the user cancelled or a value could not be read (the record then stays as it was; the
// error has been shown).
bool EditBatchCommand(TCustomForm& Owner, TBatchCommand& Command);
