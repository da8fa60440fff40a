// The main window's record command: the recording window records into "Recording.wav" in the
// temporary folder and, when the user keeps the recording, the file is inserted at the cursor — into a
// new document made for it when none is open.
#pragma once

class IEditorHost;
class TCustomForm;

// The whole command: stops the editor when busy; takes the open document's format (or, without a
// document, the default format or the new-file dialog's choice; Cancel there ends the command); records
// at that rate, capped at 48000 Hz, into GlobalVars().RecordingFile. A kept recording is inserted and
// stays in the temporary folder until the next recording; any other ending deletes the file.
void RunRecordCommand(IEditorHost& Host);

// The recording window alone: made with `Owner` as owner, centred on it, recording `SampleRate` Hz and
// `Channels` channels into GlobalVars().RecordingFile, shown modally and freed. True when it closed with
// Keep, the file then being complete; otherwise the recorder has stopped and the file is closed.
bool RunRecordingWindow(TCustomForm& Owner, int SampleRate, int Channels);
