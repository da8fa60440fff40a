// What the ribbon form tells its caption helper (and, through the helper's copy, the ribbon's painter)
// about its window before every non-client operation. The helper recalculates only when a field differs
// from its copy, so the record compares field by field.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <cstdint>

struct TovRibbonFormPaintData {
    bool IsActive = false;
    // (0, 0, window width, window height); empty without a window.
    TRect WindowBounds{0, 0, 0, 0};
    std::uint8_t BorderStyle = 0; // the form's TFormBorderStyle
    HWND Handle = nullptr;
    // 1 minimized, 2 maximized, else 0; read from the window itself.
    std::uint8_t WindowState = 0;
    std::uint8_t FormStyle = 0; // the form's TFormStyle
    // The form lives inside another window (it has a parent window).
    bool Embedded = false;
    // The caption helper's answer: the window gets rounded corners.
    bool RoundedCorners = false;

    bool IsMinimized() const { return WindowState == 1; }
    bool IsMaximized() const { return WindowState == 2; }

    friend bool operator==(const TovRibbonFormPaintData& A, const TovRibbonFormPaintData& B) {
        return A.IsActive == B.IsActive && A.WindowBounds.left == B.WindowBounds.left &&
               A.WindowBounds.top == B.WindowBounds.top && A.WindowBounds.right == B.WindowBounds.right &&
               A.WindowBounds.bottom == B.WindowBounds.bottom && A.BorderStyle == B.BorderStyle &&
               A.Handle == B.Handle && A.WindowState == B.WindowState && A.FormStyle == B.FormStyle &&
               A.Embedded == B.Embedded && A.RoundedCorners == B.RoundedCorners;
    }
    friend bool operator!=(const TovRibbonFormPaintData& A, const TovRibbonFormPaintData& B) {
        return !(A == B);
    }
};
