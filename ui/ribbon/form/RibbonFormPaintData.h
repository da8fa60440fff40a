// What the ribbon form knows of its non-client area when it is painted: the form rebuilds it before every
// non-client operation and hands it to its caption helper, which recalculates only when a field differs
// from its copy; the ribbon's painter and skin read the helper's copy.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <cstdint>

// Window states of the paint data.
constexpr std::uint8_t ovRibbonFormNormal = 0;
constexpr std::uint8_t ovRibbonFormMinimized = 1;
constexpr std::uint8_t ovRibbonFormMaximized = 2;

struct TovRibbonFormPaintData {
    bool IsActive = false;
    // 0, 0, window width, window height; empty without a window.
    TRect WindowBounds{};
    // The form's border style: 0 none, 1 single, 2 sizeable, 3 dialog, 4 tool window, 5 sizeable tool window.
    std::uint8_t BorderStyle = 0;
    HWND Handle = nullptr;
    // Read from the window itself.
    std::uint8_t WindowState = ovRibbonFormNormal;
    // The form's style: 1 an MDI child.
    std::uint8_t FormStyle = 0;
    // The form lives inside another window (it has a parent window).
    bool Embedded = false;
    // The caption helper's answer: 1 the window gets rounded corners, 0 square ones.
    std::uint8_t RoundedCorners = 0;

    bool IsMinimized() const { return WindowState == ovRibbonFormMinimized; }
    bool IsMaximized() const { return WindowState == ovRibbonFormMaximized; }

    friend bool operator==(const TovRibbonFormPaintData&, const TovRibbonFormPaintData&) = default;
};
