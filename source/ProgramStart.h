// The program's start, in its order: the application object, the splash picture fading in, the title,
// then the main window, the progress window and the frequency analysis window. The message loop runs after
// it.
#pragma once

class TMainForm;

// Starts the program in the environment set by SetProgramEnvironment and returns the main window (the
// application's main form). A missing or unreadable splash picture only leaves the splash out.
TMainForm* StartProgram();
