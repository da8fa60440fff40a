// The output-format step of saving: the quality dialog of the format about to be written, which keeps
// its choice in the output settings of the settings record.
#pragma once

class TCustomForm;
struct TGlobalVars;

// Shows the dialog of `FormatCode` (1 WAV, 2 MP3, 6 OGG, 11 WMA) centred on `Owner`; on OK the choice is
// in `Vars`. False when the user cancelled: nothing is to be written.
bool RunOutputFormatDialog(TCustomForm& Owner, int FormatCode, TGlobalVars& Vars);
