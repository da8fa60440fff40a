// The program's start, in its order: the libraries under it, then the program block (the application
// object, the splash picture fading in, the title, the main window, the progress window, the frequency
// analysis window and the bookmark and region lists). The message loop runs after it.
#pragma once

class TMainForm;

// The libraries the program runs on, started in their order when it is made and ended in reverse when it
// goes: the program's embedded resources (skins, button pictures), the class library, then the
// user-interface library with its own pictures. Before the libraries end, the application's forms go,
// while everything they were built on is still there.
class TProgramLibraries {
public:
    // RegisterResources registers the resources embedded in the executable (they are linked into it,
    // not into the application library, so the program's entry hands the function in); may be null.
    explicit TProgramLibraries(void (*RegisterResources)());
    ~TProgramLibraries();
    TProgramLibraries(const TProgramLibraries&) = delete;
    TProgramLibraries& operator=(const TProgramLibraries&) = delete;
};

// Starts the program in the environment set by SetProgramEnvironment and returns the main window (the
// application's main form). A missing or unreadable splash picture only leaves the splash out.
TMainForm* StartProgram();
