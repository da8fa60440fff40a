// Opens one sound file through the main window's open road, the way the open command does once a file
// is chosen, and ends when the waveform is drawn. The time from the command to the drawn waveform is
// written to the report file.
//
// Usage: olva_app_open SCRATCH_FOLDER SOUND_FILE [REPORT_FILE]
#include "AppHarness.h"
#include "audio/AudioEditor2.h"
#include "audio/views/AudioEditorSurface.h"
#include "platform/rtl/Exception.h"
#include "source/mainform/MainForm.h"

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: olva_app_open SCRATCH_FOLDER SOUND_FILE [REPORT_FILE]\n");
        return 2;
    }
    try {
        TAppHarness app(argv[1], argv[1]);
        TMainForm* form = app.Start();
        const auto start = std::chrono::steady_clock::now();
        if (!form->OpenAudioFile(argv[2])) return 1;
        form->AudioEditor->Surface()->Update();
        app.DrawPending();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ReportFigure(argc > 3 ? argv[3] : nullptr, "open_to_drawn_seconds", seconds);
        if (form->AudioEditor->Document().Length() <= 0) return 1;
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        return 1;
    }
    return 0;
}
