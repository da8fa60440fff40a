// The nested wait cursor: long work runs between BeginWaitCursor and EndWaitCursor, and the pointer
// shows the hourglass until the outermost pair ends.
#pragma once

#include <functional>

// What turns the screen's cursor to the hourglass (true) and back to the default (false). The
// window layer installs it at start-up; without one only the nesting is counted.
void SetWaitCursorHandler(std::function<void(bool busy)> handler);

void BeginWaitCursor();
// Does nothing when no BeginWaitCursor is open.
void EndWaitCursor();
// How many pairs are open.
int WaitCursorDepth();

// Begins on construction and ends on destruction, so that an exception cannot leave the hourglass.
class TWaitCursor {
public:
    TWaitCursor() { BeginWaitCursor(); }
    ~TWaitCursor() { EndWaitCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};
