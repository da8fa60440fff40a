// The output-format step of saving: the quality dialog of the format about to be written, which keeps
// its choice in the output settings of the settings record.
#pragma once

class TCustomForm;
struct TGlobalVars;

// Shows the dialog of `FormatCode` (1 WAV, 2 MP3, 6 OGG, 11 WMA) centred on `Owner`; on OK the choice is
// in `Vars`. False when the user cancelled: nothing is to be written.
bool RunOutputFormatDialog(TCustomForm& Owner, int FormatCode, TGlobalVars& Vars);

// What a document holds: its rate, channel count and the sample size of the file it came from.
struct TDocumentFormat {
    int SampleRate = 0;
    int Channels = 0;
    int BitsPerSample = 16;
};

// The same for writing a document: the WAV dialog opens on the document's own rate, sample size and
// channels (its specified settings), so that saving changes neither unless the user picks otherwise. A
// cancelled dialog leaves the stored choice as it was (detailed settings accepted through Configure are
// kept, as always). A document whose rate or sample size the WAV list lacks is offered the stored choice.
bool RunOutputFormatDialog(TCustomForm& Owner, int FormatCode, TGlobalVars& Vars,
                           const TDocumentFormat& Document);

// Sets the WAV output settings to the document's own format (specified settings); false, and nothing
// changed, when the lists cannot express it.
bool OfferDocumentWavFormat(TGlobalVars& Vars, const TDocumentFormat& Document);
