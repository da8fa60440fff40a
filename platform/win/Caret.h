// The caret: one per thread, owned by a window, blinking on the system clock. The presenter draws it
// (inverted) over the window image while it is shown and in the "on" half of its blink.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <cstdint>

BOOL CreateCaret(HWND hwnd, HBITMAP bitmap, int width, int height);
BOOL DestroyCaret();
BOOL ShowCaret(HWND hwnd);
BOOL HideCaret(HWND hwnd);
BOOL SetCaretPos(int x, int y);
BOOL GetCaretPos(POINT* pt);
UINT GetCaretBlinkTime();
BOOL SetCaretBlinkTime(UINT ms);

namespace olva::win {
// Where the caret shows now, in screen coordinates; false when it is not visible.
bool VisibleCaretRect(RECT& screenRect);
// When the caret next shows or hides by its blink (NowMs time); false when it does not blink now.
bool NextCaretBlink(std::uint64_t& due);
} // namespace olva::win
