// Opening a file or a web address with the program the desktop has registered for it, and starting
// other programs, detached from this one.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Starts `program` (a path, or a name looked up on PATH) with `arguments` and returns at once. The
// program runs on its own: it is not waited for and does not end with this one; whether it started
// is not looked at.
void StartDetachedProgram(const std::string& program, const std::vector<std::string>& arguments);

// Starts `program` as StartDetachedProgram does and waits up to `waitMs` for it to end: its exit status
// when it ended by then (127 when it could not be run), nothing when it still runs (it goes on, detached)
// or when a TProgramStartOverride took the start. Openers that fail at once (no program for the kind
// of file) are told from ones that opened a window and wait for it.
std::optional<int> StartProgramAndWatch(const std::string& program, const std::vector<std::string>& arguments,
                                        int waitMs);

// Starts the desktop's opener (xdg-open) on `target` under the wait cursor and returns at once; the
// opener's outcome is not looked at.
void OpenWithShell(const std::string& target);

// StartDetachedProgram with one argument.
void StartProgram(const std::string& program, const std::string& argument);

// While one lives, every start of StartDetachedProgram (and so of OpenWithShell and StartProgram) goes
// to `starter` instead of a new process: tests see what would have been started, and no browser comes
// up.
using TProgramStarter =
    std::function<void(const std::string& program, const std::vector<std::string>& arguments)>;
class TProgramStartOverride {
public:
    explicit TProgramStartOverride(TProgramStarter starter);
    ~TProgramStartOverride();
    TProgramStartOverride(const TProgramStartOverride&) = delete;
    TProgramStartOverride& operator=(const TProgramStartOverride&) = delete;

private:
    TProgramStarter FPrevious;
};
