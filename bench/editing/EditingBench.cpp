// Times the main window's editing commands on a one-minute selection in the middle of a one-hour
// stereo 44.1 kHz document: each command from its action to its return (the median of five runs, each
// run undone afterwards), printed beside the 50 ms budget. Commands that ask in a dialog first are timed
// by what they do after it: insert silence, repeat loop and paste mix through their engine calls.
//
// Usage: olva_editing_bench [scratch folder]
#include "AppHarness.h"

#include "audio/AudioEditor2.h"
#include "platform/vcl/Action.h"
#include "platform/vcl/Timer.h"
#include "source/mainform/MainForm.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int Rate = 44100;
constexpr std::int64_t Hour = 3600LL * Rate;
constexpr std::int64_t SelectionStart = Hour / 2, SelectionEnd = Hour / 2 + 60LL * Rate;
constexpr double BudgetMs = 50.0;

double MedianMs(const std::function<void()>& Prepare, const std::function<void()>& Command,
                const std::function<void()>& Restore) {
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        Prepare();
        const auto start = std::chrono::steady_clock::now();
        Command();
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        Restore();
    }
    std::sort(times.begin(), times.end());
    return times[2];
}

} // namespace

int main(int argc, char** argv) {
    const std::string scratch =
        argc > 1 ? argv[1] : (std::filesystem::temp_directory_path() / "olva-editing-bench").string();
    std::filesystem::create_directories(scratch);
    TAppHarness harness(scratch, scratch);
    TMainForm* form = harness.Start();
    // No welcome window: the timer after showing would bring it up while a long command pumps messages.
    form->TimerAfterShow->SetEnabled(false);
    TAudioEditor2& editor = *form->AudioEditor;
    TAudioEditor2Position& position = editor.Position();

    // The document: an hour of a stereo tone, put in a minute at a time.
    form->NewAudioFile("Untitled", Rate, 2);
    std::vector<float> minute(static_cast<std::size_t>(60 * Rate * 2));
    for (std::size_t i = 0; i < minute.size(); i += 2)
        minute[i] = minute[i + 1] =
            static_cast<float>(0.5 * std::sin(double(i / 2) * 2 * 3.14159265 * 440 / Rate));
    for (int m = 0; m < 60; ++m) {
        position.SetSelection(0);
        position.SetCursor(position.GetLength());
        editor.PutSamples(minute);
    }
    std::printf("document: %lld frames (%.1f min), stereo %d Hz\n",
                static_cast<long long>(position.GetLength()), position.GetLength() / double(Rate) / 60, Rate);

    auto select = [&] {
        position.SetSelection(-1);
        position.SetSelectionStart(SelectionStart);
        position.SetSelectionEnd(SelectionEnd);
    };
    auto undo = [&] { editor.Undo(); };
    auto nothing = [] {};
    auto action = [](TAction* Action) { return [Action] { Action->Execute(); }; };
    form->ActionCopy->Execute(); // the clipboard for paste and paste mix
    select();
    form->ActionCopy->Execute();

    struct TRow {
        const char* Name;
        std::function<void()> Command;
        std::function<void()> Restore;
    };
    const std::vector<TRow> rows{
        {"Copy", action(form->ActionCopy), nothing},
        {"Cut", action(form->ActionCut), undo},
        {"Paste", action(form->ActionPaste), undo},
        {"Delete", action(form->ActionDelete), undo},
        {"Select All", action(form->ActionSelectAll), nothing},
        {"Select To Start", action(form->ActionSelectToStart), nothing},
        {"Select To End", action(form->ActionSelectToEnd), nothing},
        {"Trim", action(form->ActionTrim), undo},
        {"Trim Start", action(form->ActionTrimStart), undo},
        {"Trim End", action(form->ActionTrimEnd), undo},
        {"Silence Select Region", action(form->ActionSilenceSelect), undo},
        {"Undo (of a cut)", undo, [&] { editor.Redo(); }},
        {"Insert Silence (10 s, engine)", [&] { editor.Transform().InsertSilence(10000); }, undo},
        {"Paste Mix (engine)", [&] { editor.PasteMix(100, 100); }, undo},
        {"Repeat Loop x3 (engine)",
         [&] {
             const std::int64_t length = SelectionEnd - SelectionStart;
             const std::vector<float> loop = editor.GetSamples(length);
             editor.BeginGroup();
             for (int i = 0; i < 3; ++i) {
                 position.SetCursor(position.GetPosition() + length);
                 editor.PutSamples(loop);
             }
             editor.EndGroup();
         },
         undo},
    };
    std::printf("%-32s %10s %8s\n", "command (1 min selection)", "median ms", "budget");
    for (const TRow& row : rows) {
        const bool undoRow = std::string(row.Name).rfind("Undo", 0) == 0;
        if (undoRow) {
            select();
            form->ActionCut->Execute();
        }
        const double ms = MedianMs(select, row.Command, row.Restore);
        std::printf("%-32s %10.2f %8s\n", row.Name, ms, ms <= BudgetMs ? "within" : "OVER");
        if (undoRow) editor.Undo();
    }
    form->SetModified(false);
    return 0;
}
