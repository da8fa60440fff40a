// Shared fixture of the window-system tests: a fresh window system on a manual clock, and a window
// class that records every message it receives and lets a test answer some of them itself.
#pragma once

#include "platform/rtl/Clock.h"
#include "platform/win/Caret.h"
#include "platform/win/Cursors.h"
#include "platform/win/DeferredPositions.h"
#include "platform/win/Input.h"
#include "platform/win/Menus.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace win_test {

struct Logged {
    HWND hwnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};

// Per-window answers: return a value to answer the message, nullopt to fall through to DefWindowProc.
using Handler = std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)>;

class Recorder {
public:
    static Recorder& Get();
    std::vector<Logged> log;
    std::map<HWND, Handler> handlers;
    Handler forAll; // consulted when a window has no handler of its own (also during creation)
    void Clear() { log.clear(); }
    // The messages one window received, in order, keeping only those in `interesting` (all when empty).
    std::vector<UINT> MessagesOf(HWND hwnd, const std::vector<UINT>& interesting = {}) const;
    std::vector<UINT> Messages(const std::vector<UINT>& interesting) const;
    int Count(HWND hwnd, UINT msg) const;
    // The last message of a kind one window received.
    const Logged* Last(HWND hwnd, UINT msg) const {
        for (auto it = log.rbegin(); it != log.rend(); ++it)
            if (it->hwnd == hwnd && it->msg == msg) return &*it;
        return nullptr;
    }
};

LRESULT RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

// A handler that erases the whole window in one colour and leaves every other message to `others`.
Handler ErasingIn(COLORREF color, Handler others = nullptr);
// A pixel as the user sees it on the screen (screen coordinates of the primary monitor's origin).
COLORREF ScreenPixel(int x, int y);

constexpr const char* kRecorderClass = "TestRecorder";
constexpr const char* kRecorderDblClass = "TestRecorderDbl";

class WinTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    HWND MakeTop(int x, int y, int cx, int cy, DWORD style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                 DWORD exStyle = 0, HWND owner = nullptr, const char* cls = kRecorderClass);
    HWND MakeChild(HWND parent, int x, int y, int cx, int cy, DWORD style = WS_CHILD | WS_VISIBLE, int id = 0,
                   const char* cls = kRecorderClass);
    // Dispatches everything pending.
    int Pump() { return olva::win::PumpMessages(); }
    void Click(int x, int y) {
        olva::win::InjectMouse(olva::win::MouseAction::Move, x, y);
        olva::win::InjectMouse(olva::win::MouseAction::LeftDown, x, y);
        olva::win::InjectMouse(olva::win::MouseAction::LeftUp, x, y);
    }
    Recorder& rec = Recorder::Get();
    std::unique_ptr<TFakeClock> clock;
    std::unique_ptr<TClockOverride> clockOverride;
};

// The default frame of an overlapped window: 4 pixels of frame, 19 of caption.
constexpr int kFrame = 4, kCaption = 19;

inline LPARAM Pt(int x, int y) {
    return MAKELPARAM(WORD(SHORT(x)), WORD(SHORT(y)));
}

} // namespace win_test
