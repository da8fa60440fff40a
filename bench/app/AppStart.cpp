// Starts the program the way its entry does and ends when the main window is first drawn. The time
// from the process's entry to the drawn window is written to the report file.
//
// Usage: olva_app_start SCRATCH_FOLDER PROGRAM_FOLDER [REPORT_FILE]
#include "AppHarness.h"
#include "platform/rtl/Exception.h"

#include <chrono>
#include <cstdio>

int main(int argc, char** argv) {
    const auto entry = std::chrono::steady_clock::now();
    if (argc < 3) {
        std::fprintf(stderr, "usage: olva_app_start SCRATCH_FOLDER PROGRAM_FOLDER [REPORT_FILE]\n");
        return 2;
    }
    try {
        TAppHarness app(argv[1], argv[2]);
        app.Start();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - entry).count();
        ReportFigure(argc > 3 ? argv[3] : nullptr,
                     app.RealScreen() ? "start_to_drawn_seconds_screen" : "start_to_drawn_seconds_memory",
                     seconds);
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", e.Message().c_str());
        return 1;
    }
    return 0;
}
