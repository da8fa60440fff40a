#include "source/WaitCursor.h"

#include <utility>

namespace wait_cursor_detail {

// The program's own code runs on the GUI thread only, so plain state is enough.
struct TWaitCursorState {
    int Depth = 0;
    std::function<void(bool)> Handler;
};

TWaitCursorState& State() {
    static TWaitCursorState state;
    return state;
}

} // namespace wait_cursor_detail

void SetWaitCursorHandler(std::function<void(bool busy)> handler) {
    wait_cursor_detail::State().Handler = std::move(handler);
}

void BeginWaitCursor() {
    auto& state = wait_cursor_detail::State();
    ++state.Depth;
    if (state.Handler) state.Handler(true);
}

void EndWaitCursor() {
    auto& state = wait_cursor_detail::State();
    if (state.Depth <= 0) return;
    --state.Depth;
    if (state.Depth == 0 && state.Handler) state.Handler(false);
}

int WaitCursorDepth() {
    return wait_cursor_detail::State().Depth;
}
