// Which commands of the main window can run: each command belongs to one availability class, and the
// class is decided from a few facts about the open document. The action list's update handler applies
// it (MainFormAvailability.cpp); keeping the rule pure lets every combination be checked on its own.
#pragma once

#include "source/mainform/MainWindowBars.h"

#include <cstdint>
#include <string_view>

enum class TAvailability {
    Always,
    NamedFile, // a document whose name has an extension (Save File)
    Document,  // a document is open
    Length,    // an open document that is not empty
    Selection, // a non-empty document with a selection longer than zero
    Clipboard, // an open document and something cut or copied since it was opened
    Undo,      // an open document with a step to undo
    Redo,      // an open document with a step to redo
};

struct TDocumentFacts {
    bool DocumentOpen = false;
    std::int64_t Length = 0;
    std::int64_t SelectionLength = 0; // selection end minus selection start
    bool ClipboardFilled = false;
    bool FileNameHasExtension = false;
    bool UndoAvailable = false;
    bool RedoAvailable = false;
};

bool CommandEnabled(TAvailability Class, const TDocumentFacts& Facts);

// The class of a command by its action's component name; commands the rule does not govern are Always.
TAvailability ActionAvailability(std::string_view ActionName);
// The class of a bar button that carries no action.
TAvailability BarItemAvailability(TBarItem Item);
