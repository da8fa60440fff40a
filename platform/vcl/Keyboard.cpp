#include "platform/vcl/Keyboard.h"

#include "platform/rtl/Utf8.h"
#include "platform/win/WinUser.h"

#include <cwctype>

TShiftState KeysToShiftState(WORD Keys) {
    TShiftState result;
    if (Keys & MK_SHIFT) result.Include(ssShift);
    if (Keys & MK_CONTROL) result.Include(ssCtrl);
    if (Keys & MK_LBUTTON) result.Include(ssLeft);
    if (Keys & MK_RBUTTON) result.Include(ssRight);
    if (Keys & MK_MBUTTON) result.Include(ssMiddle);
    if (::GetKeyState(VK_MENU) < 0) result.Include(ssAlt);
    return result;
}

TShiftState KeyDataToShiftState(LPARAM KeyData) {
    TShiftState result;
    if (::GetKeyState(VK_SHIFT) < 0) result.Include(ssShift);
    if (::GetKeyState(VK_CONTROL) < 0) result.Include(ssCtrl);
    if (KeyData & 0x20000000) result.Include(ssAlt);
    return result;
}

TShiftState KeyboardStateToShiftState() {
    TShiftState result;
    if (::GetKeyState(VK_SHIFT) < 0) result.Include(ssShift);
    if (::GetKeyState(VK_CONTROL) < 0) result.Include(ssCtrl);
    if (::GetKeyState(VK_MENU) < 0) result.Include(ssAlt);
    if (::GetKeyState(VK_LBUTTON) < 0) result.Include(ssLeft);
    if (::GetKeyState(VK_RBUTTON) < 0) result.Include(ssRight);
    if (::GetKeyState(VK_MBUTTON) < 0) result.Include(ssMiddle);
    return result;
}

namespace keyboard_detail {
char32_t Upper(char32_t C) {
    return static_cast<char32_t>(std::towupper(static_cast<wint_t>(C)));
}
} // namespace keyboard_detail

TKeyChar GetHotkey(const std::string& Caption) {
    std::size_t pos = 0;
    while (pos < Caption.size()) {
        if (Caption[pos] == '&' && pos + 1 < Caption.size()) {
            ++pos;
            if (Caption[pos] != '&') return Utf8Next(Caption, pos);
            ++pos;
            continue;
        }
        Utf8Next(Caption, pos);
    }
    return 0;
}

bool IsAccel(TKeyChar VK, const std::string& Caption) {
    const TKeyChar hotkey = GetHotkey(Caption);
    return hotkey != 0 && keyboard_detail::Upper(hotkey) == keyboard_detail::Upper(VK);
}

std::string StripHotkey(const std::string& Caption) {
    std::string result;
    result.reserve(Caption.size());
    for (std::size_t i = 0; i < Caption.size(); ++i) {
        if (Caption[i] == '&') {
            if (i + 1 < Caption.size() && Caption[i + 1] == '&') {
                result += '&';
                ++i;
            }
            continue;
        }
        result += Caption[i];
    }
    return result;
}
