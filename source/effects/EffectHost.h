// The two seams of the effect dialogs and the effect commands.
//
// TEffectDialogHost is all an effect dialog knows of the program: the preview it starts and stops, the
// two flags its monitor timer follows, and the help viewer. TEffectCommands implements it; a dialog
// opened without one (the favourites editor, the batch converter: they hide the Preview button) simply
// has no preview and no help.
//
// TEffectHost is what the effect commands need of the main window: the window dialogs are owned by and
// centred on, the document commands every effect runs before and after itself, the flag its progress
// handlers keep while the preview processor computes, and the help viewer.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <string>

class TCustomForm;

class TEffectDialogHost {
public:
    virtual ~TEffectDialogHost() = default;

    // Plays the selection through the effect whose identifier and parameters the dialog has just
    // stored; reports its own errors. Previewing() is true afterwards only when something plays.
    virtual void StartPreview() = 0;
    virtual void StopPreview() = 0;
    // A preview is playing.
    virtual bool Previewing() const = 0;
    // A dialog that opens starts from "nothing plays", whatever an earlier one left.
    virtual void ClearPreviewing() = 0;
    // The preview's effect is still being computed.
    virtual bool TransformBusy() const = 0;
    // Shows a page of the help file: the address is "<help file>::/<page>.htm".
    virtual int HtmlHelp(HWND Window, const std::string& Address, UINT Command, DWORD_PTR Data) = 0;
};

class TEffectHost {
public:
    virtual ~TEffectHost() = default;

    // The main window: owner of the effect dialogs, which are centred on it.
    virtual TCustomForm* OwnerForm() = 0;
    // Stops the editor when it plays, is paused or busy.
    virtual void StopIfBusy() = 0;
    // Selects the whole document when nothing is selected.
    virtual void SelectAllIfEmpty() = 0;
    // Marks the document modified (true) or clean.
    virtual void SetModified(bool Modified) = 0;
    // The play command, run after an effect when "play after edit" is set.
    virtual void PlayAfterEdit() = 0;
    // Set by the preview processor's progress events, cleared by its end event (the same events show
    // and hide the progress window).
    virtual bool TransformBusy() const = 0;
    virtual int HtmlHelp(HWND Window, const std::string& Address, UINT Command, DWORD_PTR Data) = 0;
};
