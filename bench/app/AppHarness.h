// What the program benchmarks share: the program started in a scratch settings folder, on the real
// screen when there is a display and on the memory screen otherwise, and a figure written to a file.
#pragma once

#include <memory>
#include <string>

class TMainForm;

class TAppHarness {
public:
    // Settings go below `Scratch`; the program folder is `ProgramFolder` (its splash picture, if any, is
    // shown as at a real start).
    TAppHarness(const std::string& Scratch, const std::string& ProgramFolder);
    ~TAppHarness();
    // Starts the program and returns once its main window is shown and drawn.
    TMainForm* Start();
    // Draws whatever waits to be drawn now.
    void DrawPending();
    bool RealScreen() const;

private:
    struct TImpl;
    std::unique_ptr<TImpl> FImpl;
};

// Appends "name value" to the file (when one is given).
void ReportFigure(const char* File, const std::string& Name, double Value);
