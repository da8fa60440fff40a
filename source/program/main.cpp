// OLVA Audio Editor: program entry.
#include "platform/rtl/Exception.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Screen.h"
#include "platform/win/SdlPresenter.h"
#include "platform/win/TerminationSignals.h"
#include "source/ProgramEnvironment.h"
#include "source/ProgramStart.h"
#include "source/WaitCursor.h"
#include "source/mainform/MainForm.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

// The skins and pictures embedded in the program (see cmake/EmbedResources.cmake).
void OlvaRegisterResources_olva();

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("%s\n", ApplicationTitle);
        return 0;
    }
    TProgramEnvironment environment = ProgramEnvironment();
    environment.Arguments.assign(argv + 1, argv + argc);
    SetProgramEnvironment(environment);
    // Ctrl+C and termination signals end the program as usual rather than becoming window events.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    olva::win::TSdlPresenter presenter;
    if (!presenter.Start()) {
        std::fprintf(stderr, "%s: no display to show the window on (%s)\n", ApplicationTitle,
                     presenter.LastError().c_str());
        return 1;
    }
    int exitCode = 0;
    {
        TProgramLibraries libraries(&OlvaRegisterResources_olva);
        SetWaitCursorHandler([](bool busy) { Screen()->SetCursor(busy ? crHourGlass : crDefault); });
        // SIGTERM and SIGINT end every loop, modal ones too; the program then closes in order.
        olva::win::TTerminationSignals signals;
        try {
            TMainForm* mainForm = StartProgram();
            Application()->Run();
            if (olva::win::TerminationSignal() != 0 && Application()->MainForm() == mainForm)
                mainForm->CloseOnSignal(presenter.Running());
        } catch (Exception& e) {
            std::fprintf(stderr, "%s: %s\n", ApplicationTitle, e.Message().c_str());
            exitCode = 1;
        }
        SetWaitCursorHandler(nullptr);
    } // the libraries end here, the forms first, while the display is still there
    presenter.Stop();
    return exitCode;
}
