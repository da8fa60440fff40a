// Keyboard input on a US keyboard layout: key state tables, key messages with their key-data bits,
// translation to characters, and the key mapping calls.
#include "platform/rtl/Utf8.h"
#include "platform/win/Input.h"
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <cstring>

namespace olva::win {

namespace keyboard_detail {

struct KeyInfo {
    BYTE scan;
    bool extended;
};

KeyInfo ScanOf(int vk) {
    static const BYTE letters[26] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17,
                                     0x24, 0x25, 0x26, 0x32, 0x31, 0x18, 0x19, 0x10, 0x13,
                                     0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};
    if (vk >= 'A' && vk <= 'Z') return {letters[vk - 'A'], false};
    if (vk >= '1' && vk <= '9') return {BYTE(0x02 + vk - '1'), false};
    if (vk == '0') return {0x0B, false};
    if (vk >= VK_F1 && vk <= VK_F10) return {BYTE(0x3B + vk - VK_F1), false};
    switch (vk) {
    case VK_F11:
        return {0x57, false};
    case VK_F12:
        return {0x58, false};
    case VK_ESCAPE:
        return {0x01, false};
    case VK_BACK:
        return {0x0E, false};
    case VK_TAB:
        return {0x0F, false};
    case VK_RETURN:
        return {0x1C, false};
    case VK_CONTROL:
    case VK_LCONTROL:
        return {0x1D, false};
    case VK_RCONTROL:
        return {0x1D, true};
    case VK_SHIFT:
    case VK_LSHIFT:
        return {0x2A, false};
    case VK_RSHIFT:
        return {0x36, false};
    case VK_MENU:
    case VK_LMENU:
        return {0x38, false};
    case VK_RMENU:
        return {0x38, true};
    case VK_SPACE:
        return {0x39, false};
    case VK_CAPITAL:
        return {0x3A, false};
    case VK_NUMLOCK:
        return {0x45, true};
    case VK_SCROLL:
        return {0x46, false};
    case VK_HOME:
        return {0x47, true};
    case VK_UP:
        return {0x48, true};
    case VK_PRIOR:
        return {0x49, true};
    case VK_LEFT:
        return {0x4B, true};
    case VK_RIGHT:
        return {0x4D, true};
    case VK_END:
        return {0x4F, true};
    case VK_DOWN:
        return {0x50, true};
    case VK_NEXT:
        return {0x51, true};
    case VK_INSERT:
        return {0x52, true};
    case VK_DELETE:
        return {0x53, true};
    case VK_LWIN:
        return {0x5B, true};
    case VK_RWIN:
        return {0x5C, true};
    case VK_APPS:
        return {0x5D, true};
    case VK_OEM_MINUS:
        return {0x0C, false};
    case VK_OEM_PLUS:
        return {0x0D, false};
    case VK_OEM_4:
        return {0x1A, false};
    case VK_OEM_6:
        return {0x1B, false};
    case VK_OEM_1:
        return {0x27, false};
    case VK_OEM_7:
        return {0x28, false};
    case VK_OEM_3:
        return {0x29, false};
    case VK_OEM_5:
        return {0x2B, false};
    case VK_OEM_COMMA:
        return {0x33, false};
    case VK_OEM_PERIOD:
        return {0x34, false};
    case VK_OEM_2:
        return {0x35, false};
    case VK_MULTIPLY:
        return {0x37, false};
    case VK_SUBTRACT:
        return {0x4A, false};
    case VK_ADD:
        return {0x4E, false};
    case VK_DIVIDE:
        return {0x35, true};
    case VK_DECIMAL:
        return {0x53, false};
    default:
        if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) {
            static const BYTE pad[10] = {0x52, 0x4F, 0x50, 0x51, 0x4B, 0x4C, 0x4D, 0x47, 0x48, 0x49};
            return {pad[vk - VK_NUMPAD0], false};
        }
        return {0, false};
    }
}

// The character a key gives, unshifted and shifted (0 when none).
void CharsOf(int vk, char& plain, char& shifted) {
    plain = shifted = 0;
    if (vk >= 'A' && vk <= 'Z') {
        plain = char(vk - 'A' + 'a');
        shifted = char(vk);
        return;
    }
    static const char digitsShifted[] = ")!@#$%^&*(";
    if (vk >= '0' && vk <= '9') {
        plain = char(vk);
        shifted = digitsShifted[vk - '0'];
        return;
    }
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) {
        plain = shifted = char('0' + vk - VK_NUMPAD0);
        return;
    }
    struct Pair {
        int vk;
        char plain, shifted;
    };
    static const Pair pairs[] = {{VK_SPACE, ' ', ' '},    {VK_RETURN, '\r', '\r'},  {VK_TAB, '\t', '\t'},
                                 {VK_BACK, '\b', '\b'},   {VK_ESCAPE, 0x1B, 0x1B},  {VK_OEM_MINUS, '-', '_'},
                                 {VK_OEM_PLUS, '=', '+'}, {VK_OEM_4, '[', '{'},     {VK_OEM_6, ']', '}'},
                                 {VK_OEM_1, ';', ':'},    {VK_OEM_7, '\'', '"'},    {VK_OEM_3, '`', '~'},
                                 {VK_OEM_5, '\\', '|'},   {VK_OEM_COMMA, ',', '<'}, {VK_OEM_PERIOD, '.', '>'},
                                 {VK_OEM_2, '/', '?'},    {VK_MULTIPLY, '*', '*'},  {VK_ADD, '+', '+'},
                                 {VK_SUBTRACT, '-', '-'}, {VK_DIVIDE, '/', '/'},    {VK_DECIMAL, '.', '.'}};
    for (const Pair& p : pairs)
        if (p.vk == vk) {
            plain = p.plain;
            shifted = p.shifted;
            return;
        }
}

void SetKey(BYTE* table, int vk, bool down, bool toggle) {
    BYTE& s = table[vk & 0xFF];
    if (down) {
        if (toggle) s ^= 0x01;
        s |= 0x80;
    } else {
        s &= 0x01;
    }
}

// Updates a key and the generic key of its left/right pair (and the pair from the generic key).
void UpdateKeyTable(BYTE* table, int vk, bool down) {
    const bool toggle = down && !(table[vk & 0xFF] & 0x80);
    SetKey(table, vk, down, toggle);
    auto generic = [&](int g, int l, int r) {
        if (vk == l || vk == r) {
            table[g] = BYTE((table[g] & 0x01) | ((table[l] | table[r]) & 0x80));
            if (toggle) table[g] ^= 0x01;
        } else if (vk == g) {
            SetKey(table, l, down, toggle);
        }
    };
    generic(VK_SHIFT, VK_LSHIFT, VK_RSHIFT);
    generic(VK_CONTROL, VK_LCONTROL, VK_RCONTROL);
    generic(VK_MENU, VK_LMENU, VK_RMENU);
}

bool Down(const BYTE* table, int vk) {
    return (table[vk] & 0x80) != 0;
}

} // namespace keyboard_detail

void PrepareKey(RawInput& raw) {
    WindowSystem& sys = Sys();
    raw.prepared = true;
    MSG& msg = raw.msg;
    msg = MSG{};
    msg.pt = sys.CursorPos;
    msg.time = raw.time;
    HWND target = sys.Focus && IsWindow(sys.Focus) ? sys.Focus : sys.Active;
    if (!target || !IsWindow(target)) {
        raw.discard = true;
        return;
    }
    msg.hwnd = target;
    if (raw.kind == RawInput::Char) {
        msg.message = WM_CHAR;
        msg.wParam = raw.ch;
        msg.lParam = 1;
        return;
    }
    const bool down = raw.kind == RawInput::KeyDown;
    const bool alt = (raw.keyData & DWORD(KF_ALTDOWN_BIT)) != 0;
    const bool ctrl = (raw.keyData & 0x0100u) != 0; // carried in an unused bit of the scan code field
    // With no focus, keys go to the active window as system keys.
    const bool sys_ = !sys.Focus || (alt && !ctrl) || raw.vk == VK_F10 || raw.vk == VK_MENU;
    msg.message = down ? (sys_ ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys_ ? WM_SYSKEYUP : WM_KEYUP);
    msg.wParam = WPARAM(raw.vk);
    msg.lParam = LPARAM(raw.keyData & ~0x0100u);
}

bool DeliverKey(RawInput& raw, bool remove) {
    WindowSystem& sys = Sys();
    if (raw.discard) return false;
    if (remove && raw.kind != RawInput::Char)
        keyboard_detail::UpdateKeyTable(sys.KeyState, raw.vk, raw.kind == RawInput::KeyDown);
    if (raw.kind != RawInput::Char && HasHooks(WH_KEYBOARD)) {
        LRESULT eaten =
            RunHooks(WH_KEYBOARD, remove ? HC_ACTION : HC_NOREMOVE, WPARAM(raw.vk), raw.msg.lParam);
        if (remove && eaten) {
            if (HasHooks(WH_CBT)) RunHooks(WH_CBT, HCBT_KEYSKIPPED, WPARAM(raw.vk), raw.msg.lParam);
            return false;
        }
    }
    return IsWindow(raw.msg.hwnd) == TRUE;
}

void PrepareInput(RawInput& raw) {
    if (raw.kind <= RawInput::MouseWheel)
        PrepareMouse(raw);
    else
        PrepareKey(raw);
}

bool DeliverInput(RawInput& raw, bool remove) {
    return raw.kind <= RawInput::MouseWheel ? DeliverMouse(raw, remove) : DeliverKey(raw, remove);
}

} // namespace olva::win

using namespace olva::win;

void olva::win::InjectKey(int vk, bool down) {
    using namespace keyboard_detail;
    WindowSystem& sys = Sys();
    vk &= 0xFF;
    RawInput raw;
    raw.kind = down ? RawInput::KeyDown : RawInput::KeyUp;
    raw.vk = vk;
    raw.time = TickNow();
    const bool wasDown = Down(sys.AsyncKeyState, vk);
    UpdateKeyTable(sys.AsyncKeyState, vk, down);
    KeyInfo info = ScanOf(vk);
    DWORD data = 1u | (DWORD(info.scan) << 16);
    if (info.extended) data |= DWORD(KF_EXTENDED_BIT);
    if (Down(sys.AsyncKeyState, VK_MENU)) data |= DWORD(KF_ALTDOWN_BIT);
    if (vk == VK_MENU || vk == VK_LMENU || vk == VK_RMENU) {
        if (down) data |= DWORD(KF_ALTDOWN_BIT); // the Alt key itself reports Alt down while pressed
    }
    if (wasDown || !down) data |= DWORD(KF_REPEAT_BIT);
    if (!down) data |= DWORD(KF_UP_BIT);
    if (Down(sys.AsyncKeyState, VK_CONTROL)) data |= 0x0100u;
    raw.keyData = data;
    raw.sequence = sys.NextInputSequence++;
    sys.Input.push_back(raw);
}

void olva::win::InjectText(std::string_view utf8) {
    WindowSystem& sys = Sys();
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        RawInput raw;
        raw.kind = RawInput::Char;
        raw.ch = UINT(Utf8Next(utf8, pos));
        raw.time = TickNow();
        raw.sequence = sys.NextInputSequence++;
        sys.Input.push_back(raw);
    }
}

SHORT GetKeyState(int vk) {
    BYTE s = Sys().KeyState[vk & 0xFF];
    return SHORT((s & 0x80 ? 0xFF80 : 0) | (s & 0x01));
}

SHORT GetAsyncKeyState(int vk) {
    BYTE s = Sys().AsyncKeyState[vk & 0xFF];
    return SHORT(s & 0x80 ? 0x8000 : 0);
}

BOOL GetKeyboardState(BYTE* state) {
    if (!state) return FALSE;
    std::memcpy(state, Sys().KeyState, 256);
    return TRUE;
}

BOOL SetKeyboardState(const BYTE* state) {
    if (!state) return FALSE;
    std::memcpy(Sys().KeyState, state, 256);
    return TRUE;
}

int ToAscii(UINT vk, UINT, const BYTE* keyState, WORD* chars, UINT) {
    using namespace keyboard_detail;
    if (!chars || !keyState) return 0;
    const bool shift = (keyState[VK_SHIFT] & 0x80) != 0;
    const bool ctrl = (keyState[VK_CONTROL] & 0x80) != 0;
    const bool alt = (keyState[VK_MENU] & 0x80) != 0;
    const bool caps = (keyState[VK_CAPITAL] & 0x01) != 0;
    if (ctrl && alt) return 0; // no AltGr characters on this layout
    char plain, shifted;
    CharsOf(int(vk & 0xFF), plain, shifted);
    if (!plain) return 0;
    if (ctrl) {
        if (vk >= 'A' && vk <= 'Z') {
            chars[0] = WORD(vk - 'A' + 1);
            return 1;
        }
        if (vk == VK_OEM_4) return chars[0] = 0x1B, 1;
        if (vk == VK_OEM_5) return chars[0] = 0x1C, 1;
        if (vk == VK_OEM_6) return chars[0] = 0x1D, 1;
        if (vk == VK_RETURN) return chars[0] = '\n', 1;
        if (vk == VK_BACK) return chars[0] = 0x7F, 1;
        if (vk == VK_SPACE) return chars[0] = ' ', 1;
        return 0;
    }
    bool upper = shift;
    if (vk >= 'A' && vk <= 'Z' && caps) upper = !upper;
    chars[0] = WORD(static_cast<unsigned char>(upper ? shifted : plain));
    return 1;
}

int ToAsciiEx(UINT vk, UINT scanCode, const BYTE* keyState, WORD* chars, UINT flags, void*) {
    return ToAscii(vk, scanCode, keyState, chars, flags);
}

UINT MapVirtualKey(UINT code, UINT mapType) {
    using namespace keyboard_detail;
    switch (mapType) {
    case MAPVK_VK_TO_VSC:
        return ScanOf(int(code & 0xFF)).scan;
    case MAPVK_VSC_TO_VK:
    case MAPVK_VSC_TO_VK_EX:
        for (int vk = 1; vk < 256; ++vk) {
            if (vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU) {
                if (mapType == MAPVK_VSC_TO_VK_EX) continue;
            } else if (mapType == MAPVK_VSC_TO_VK && (vk >= VK_LSHIFT && vk <= VK_RMENU)) {
                continue;
            }
            KeyInfo k = ScanOf(vk);
            if (k.scan && k.scan == code && !k.extended) return UINT(vk);
        }
        return 0;
    case MAPVK_VK_TO_CHAR: {
        char plain, shifted;
        CharsOf(int(code & 0xFF), plain, shifted);
        if (code >= 'A' && code <= 'Z') return code; // letters map to their capital
        return static_cast<unsigned char>(plain);
    }
    default:
        return 0;
    }
}

SHORT VkKeyScan(char ch) {
    using namespace keyboard_detail;
    unsigned char c = static_cast<unsigned char>(ch);
    for (int vk = 1; vk < 256; ++vk) {
        char plain, shifted;
        CharsOf(vk, plain, shifted);
        if (plain && static_cast<unsigned char>(plain) == c) return SHORT(vk);
        if (shifted && static_cast<unsigned char>(shifted) == c && shifted != plain)
            return SHORT(0x0100 | vk);
    }
    if (c >= 1 && c <= 26) return SHORT(0x0200 | ('A' + c - 1)); // control characters: Ctrl + letter
    return -1;
}

int GetKeyNameText(LONG keyData, char* buffer, int size) {
    if (!buffer || size <= 0) return 0;
    UINT scan = (DWORD(keyData) >> 16) & 0xFF;
    bool extended = (keyData & KF_EXTENDED_BIT) != 0;
    std::string name;
    for (int vk = 1; vk < 256 && name.empty(); ++vk) {
        if (vk == VK_SHIFT || vk == VK_CONTROL || vk == VK_MENU) continue;
        auto k = keyboard_detail::ScanOf(vk);
        if (k.scan != scan || k.extended != extended) continue;
        if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
            name = std::string(1, char(vk));
        else if (vk >= VK_F1 && vk <= VK_F24)
            name = "F" + std::to_string(vk - VK_F1 + 1);
        else {
            switch (vk) {
            case VK_ESCAPE:
                name = "Esc";
                break;
            case VK_BACK:
                name = "Backspace";
                break;
            case VK_TAB:
                name = "Tab";
                break;
            case VK_RETURN:
                name = "Enter";
                break;
            case VK_SPACE:
                name = "Space";
                break;
            case VK_LSHIFT:
                name = "Shift";
                break;
            case VK_RSHIFT:
                name = "Right Shift";
                break;
            case VK_LCONTROL:
                name = "Ctrl";
                break;
            case VK_RCONTROL:
                name = "Right Ctrl";
                break;
            case VK_LMENU:
                name = "Alt";
                break;
            case VK_RMENU:
                name = "Right Alt";
                break;
            case VK_HOME:
                name = "Home";
                break;
            case VK_END:
                name = "End";
                break;
            case VK_PRIOR:
                name = "Page Up";
                break;
            case VK_NEXT:
                name = "Page Down";
                break;
            case VK_INSERT:
                name = "Insert";
                break;
            case VK_DELETE:
                name = "Delete";
                break;
            case VK_LEFT:
                name = "Left";
                break;
            case VK_RIGHT:
                name = "Right";
                break;
            case VK_UP:
                name = "Up";
                break;
            case VK_DOWN:
                name = "Down";
                break;
            default: {
                char plain, shifted;
                keyboard_detail::CharsOf(vk, plain, shifted);
                if (plain > ' ') name = std::string(1, plain);
            }
            }
        }
    }
    int n = std::min<int>(int(name.size()), size - 1);
    std::memcpy(buffer, name.data(), std::size_t(n));
    buffer[n] = 0;
    return n;
}

BOOL TranslateMessage(const MSG* msg) {
    if (!msg) return FALSE;
    if (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)
        return (msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP) ? TRUE : FALSE;
    WORD ch[2] = {};
    const bool altOrCtrl = (Sys().KeyState[VK_MENU] | Sys().KeyState[VK_CONTROL]) & 0x80;
    if (ToAscii(UINT(msg->wParam), 0, Sys().KeyState, ch, 0) == 1 &&
        (!Sys().HostTextInput || ch[0] < 0x20 || ch[0] == 0x7F || altOrCtrl))
        PostMessage(msg->hwnd, msg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR, ch[0], msg->lParam);
    return TRUE;
}

HKL GetKeyboardLayout(DWORD) {
    return reinterpret_cast<HKL>(std::uintptr_t(0x04090409));
}

int GetKeyboardType(int what) {
    switch (what) {
    case 0:
        return 4; // enhanced 101/102-key keyboard
    case 1:
        return 0; // no subtype
    case 2:
        return 12; // function keys
    default:
        return 0;
    }
}
