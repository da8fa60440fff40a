// The main window's Text To Speech command: the speech dialog renders the typed text into
// "SynthesizeSpeech.wav" in the temporary folder, and the file is inserted at the cursor — into a new
// document made for it when none is open.
#pragma once

#include <string>

class IEditorHost;
class TCustomForm;

// The whole command: stops the editor when busy; takes the open document's format (or, without a
// document, the default format or the new-file dialog's choice; Cancel there ends the command); renders
// the speech in that format and inserts it. The speech file is deleted at the end in every case.
void RunTextToSpeechCommand(IEditorHost& Host);

// The speech dialog alone: made with `Owner` as owner, centred on it, rendering in `SampleRate` Hz and
// `Channels` channels into `TargetPath`, shown modally and freed. True when the file was rendered.
bool RunSpeechDialog(TCustomForm& Owner, int SampleRate, int Channels, const std::string& TargetPath);
