// Scripted input for nested loops: steps that inject mouse and key input, each run once every input the
// step before injected has been taken off the queue and handled, from whichever loop is running then
// (the drag's own loop, a menu's, or the test's pump). A step that injects nothing is followed at once.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <functional>
#include <vector>

namespace dragdrop_test {

class TScriptedInput {
public:
    TScriptedInput();
    ~TScriptedInput();
    TScriptedInput(const TScriptedInput&) = delete;
    TScriptedInput& operator=(const TScriptedInput&) = delete;

    // Queues the steps; the first runs from the next loop that retrieves a message.
    void Run(std::vector<std::function<void()>> ASteps);
    bool Done() const { return FSteps.empty() && !FArmed && !FPosted; }

private:
    void RunNext();
    void AfterStep();
    static LRESULT HookProc(int ACode, WPARAM AWParam, LPARAM ALParam);
    static LRESULT WindowProc(HWND AWnd, UINT AMsg, WPARAM AWParam, LPARAM ALParam);

    std::vector<std::function<void()>> FSteps;
    HWND FWindow = nullptr;
    HHOOK FHook = nullptr;
    bool FArmed = false;
    bool FPosted = false;
};

} // namespace dragdrop_test
