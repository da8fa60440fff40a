// What the bookmark and region windows use of the main window: its editor with the markers, the
// document's name, and the commands they run there.
#pragma once

#include <string>

class TAudioEditor2;
class TAudioEditor2LameEnc;
class TCustomForm;

class IMarkerHost {
public:
    virtual ~IMarkerHost() = default;
    // The main window: dialogs centre on it.
    virtual TCustomForm& MainWindow() = 0;
    // Gives the main window the focus, as going to a marker does.
    virtual void FocusMainWindow() = 0;
    virtual TAudioEditor2& Editor() = 0;
    // The MP3 encoder settings the output set-up fills.
    virtual TAudioEditor2LameEnc& LameEnc() = 0;
    // The document's path ("Untitled" for a new one).
    virtual std::string DocumentFileName() const = 0;
    virtual void StopIfBusy() = 0;
    // The main window's Play command.
    virtual void Play() = 0;
    // The main window's Save Selection As command: the selection to a new file, the document untouched.
    virtual void SaveSelectionAs() = 0;
};
