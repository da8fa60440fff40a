// What the record, text-to-speech and frequency-analysis commands need of the main window: the window
// their dialogs are centred on, the editor with its document, and the document commands the roads end
// with. The main window implements it; tests implement it over a bare editor.
#pragma once

#include <string>

class TAudioEditor2;
class TCustomForm;

class IEditorHost {
public:
    virtual ~IEditorHost() = default;

    // The owner of the tools' dialogs, which are centred on it.
    virtual TCustomForm& OwnerForm() = 0;
    virtual TAudioEditor2& Editor() = 0;
    // Whether a document is open (a new, empty one counts).
    virtual bool DocumentOpen() = 0;
    // Stops the editor when it plays, works or is paused.
    virtual void StopIfBusy() = 0;
    // The new-file dialog: the sample rate and channel count of the document about to be made. False
    // when the user cancels it.
    virtual bool PromptNewFileFormat(int& SampleRate, int& Channels) = 0;
    // Makes a new, empty document named "Untitled"; false when it could not be made.
    virtual bool NewAudioFile(int SampleRate, int Channels) = 0;
    // The editor's insert-file-at-cursor with the sound file, then the document is marked modified.
    virtual void InsertFileAtCursor(const std::string& Path) = 0;
};
