#include "platform/vcl/HotKey.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

namespace hotkey_detail {

bool IsModifierKey(WORD Key) {
    return Key == VK_SHIFT || Key == VK_CONTROL || Key == VK_MENU || Key == VK_LSHIFT || Key == VK_RSHIFT ||
           Key == VK_LCONTROL || Key == VK_RCONTROL || Key == VK_LMENU || Key == VK_RMENU;
}

BYTE FlagsOf(TShiftState Shift) {
    BYTE flags = 0;
    if (Shift.Contains(ssShift)) flags |= HOTKEYF_SHIFT;
    if (Shift.Contains(ssCtrl)) flags |= HOTKEYF_CONTROL;
    if (Shift.Contains(ssAlt)) flags |= HOTKEYF_ALT;
    return flags;
}

// The rule bit of a modifier combination.
THKInvalidKey CombinationOf(BYTE Flags) {
    const bool s = (Flags & HOTKEYF_SHIFT) != 0;
    const bool c = (Flags & HOTKEYF_CONTROL) != 0;
    const bool a = (Flags & HOTKEYF_ALT) != 0;
    if (s && c && a) return hcShiftCtrlAlt;
    if (c && a) return hcCtrlAlt;
    if (s && a) return hcShiftAlt;
    if (s && c) return hcShiftCtrl;
    if (a) return hcAlt;
    if (c) return hcCtrl;
    if (s) return hcShift;
    return hcNone;
}

std::string Describe(BYTE Flags, BYTE Key) {
    std::string text;
    if (Flags & HOTKEYF_CONTROL) text += "Ctrl + ";
    if (Flags & HOTKEYF_SHIFT) text += "Shift + ";
    if (Flags & HOTKEYF_ALT) text += "Alt + ";
    if (Key != 0) text += ShortCutToText(Key);
    return text.empty() ? std::string("None") : text;
}

} // namespace hotkey_detail

THotKey::THotKey(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle() = TControlStyle{csSetCaption, csOpaque, csFramed};
    FWidth = 121;
    FHeight = 21;
    FColor = clWindow;
    SetParentColor(false);
    SetTabStop(true);
}

TShortCut THotKey::HotKey() const {
    const BYTE flags = HIBYTE(FValue);
    TShortCut result = LOBYTE(FValue);
    if (flags & HOTKEYF_SHIFT) result |= scShift;
    if (flags & HOTKEYF_CONTROL) result |= scCtrl;
    if (flags & HOTKEYF_ALT) result |= scAlt;
    return result;
}

void THotKey::SetHotKey(TShortCut Value) {
    BYTE flags = 0;
    if (Value & scShift) flags |= HOTKEYF_SHIFT;
    if (Value & scCtrl) flags |= HOTKEYF_CONTROL;
    if (Value & scAlt) flags |= HOTKEYF_ALT;
    SetValue(MAKEWORD(static_cast<BYTE>(Value & 0xFF), flags), false);
}

std::string THotKey::DisplayText() const {
    if (FShowHeld) return hotkey_detail::Describe(FHeldFlags, 0);
    return hotkey_detail::Describe(HIBYTE(FValue), LOBYTE(FValue));
}

void THotKey::SetValue(WORD Value, bool ByUser) {
    FShowHeld = false;
    if (Value == FValue) {
        Invalidate();
        return;
    }
    FValue = Value;
    Invalidate();
    if (ByUser) OnChange(this);
}

BYTE THotKey::ApplyRules(BYTE Flags) const {
    if (!FInvalidKeys.Contains(hotkey_detail::CombinationOf(Flags))) return Flags;
    BYTE replaced = 0;
    if (FModifiers.Contains(hkShift)) replaced |= HOTKEYF_SHIFT;
    if (FModifiers.Contains(hkCtrl)) replaced |= HOTKEYF_CONTROL;
    if (FModifiers.Contains(hkAlt)) replaced |= HOTKEYF_ALT;
    return replaced;
}

void THotKey::CNKeyDown(TMessage& Message) {
    // Tab, Enter and Esc alone stay dialog keys; everything else is the user's combination.
    const WPARAM key = Message.WParam;
    const bool modified = ::GetKeyState(VK_CONTROL) < 0 || ::GetKeyState(VK_MENU) < 0;
    if (!modified && (key == VK_TAB || key == VK_RETURN || key == VK_ESCAPE)) {
        TCustomControl::CNKeyDown(Message);
        return;
    }
    Message.Result = 0;
}

void THotKey::CNSysKeyDown(TMessage& Message) {
    // Alt combinations belong to the field, not to menus or accelerators.
    Message.Result = 0;
}

void THotKey::KeyDown(WORD& Key, TShiftState Shift) {
    TWeakLink<THotKey> self(this);
    TCustomControl::KeyDown(Key, Shift);
    if (!self || Key == 0) return;
    const BYTE flags = hotkey_detail::FlagsOf(Shift);
    if (hotkey_detail::IsModifierKey(Key)) {
        FHeldFlags = flags;
        FShowHeld = true;
        Invalidate();
    } else if ((Key == VK_BACK || Key == VK_DELETE) && flags == 0) {
        SetValue(0, true);
    } else if (Key <= 0xFF) {
        SetValue(MAKEWORD(static_cast<BYTE>(Key), ApplyRules(flags)), true);
    }
    Key = 0;
}

void THotKey::KeyUp(WORD& Key, TShiftState Shift) {
    TCustomControl::KeyUp(Key, Shift);
    if (!FShowHeld || !hotkey_detail::IsModifierKey(Key)) return;
    // Letting go of the modifiers without a key keeps the combination there was.
    FHeldFlags = hotkey_detail::FlagsOf(Shift);
    if (FHeldFlags == 0) FShowHeld = false;
    Invalidate();
}

void THotKey::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && CanFocus() && !Focused()) SetFocus();
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void THotKey::Paint() {
    HDC dc = Canvas()->Handle();
    RECT client = ClientRect();
    StdCtrlsFill(dc, client, FaceColor());
    // A window with a client edge has its sunken frame drawn around the client area by the window system.
    if (!(::GetWindowLong(Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE))
        ::DrawEdge(dc, &client, EDGE_SUNKEN, BF_RECT);
    RECT text = client;
    ::InflateRect(&text, -4, -2);
    const std::string caption = DisplayText();
    const int saved = ::SaveDC(dc);
    ::SelectObject(dc, Font()->Handle());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ColorToRGB(Enabled() ? Font()->Color() : clGrayText));
    ::DrawText(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
               DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
    ::RestoreDC(dc, saved);
}

void THotKey::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case HKM_SETHOTKEY:
        SetValue(static_cast<WORD>(Message.WParam), false);
        Message.Result = 0;
        return;
    case HKM_GETHOTKEY:
        Message.Result = FValue;
        return;
    case HKM_SETRULES: {
        const WORD combos = LOWORD(Message.WParam);
        static const std::pair<WORD, THKInvalidKey> rules[] = {
            {HKCOMB_NONE, hcNone},  {HKCOMB_S, hcShift},         {HKCOMB_C, hcCtrl},
            {HKCOMB_A, hcAlt},      {HKCOMB_SC, hcShiftCtrl},    {HKCOMB_SA, hcShiftAlt},
            {HKCOMB_CA, hcCtrlAlt}, {HKCOMB_SCA, hcShiftCtrlAlt}};
        THKInvalidKeys invalid;
        for (const auto& [bit, key] : rules)
            if (combos & bit) invalid.Include(key);
        const WORD flags = LOWORD(Message.LParam);
        THKModifiers modifiers;
        if (flags & HOTKEYF_SHIFT) modifiers.Include(hkShift);
        if (flags & HOTKEYF_CONTROL) modifiers.Include(hkCtrl);
        if (flags & HOTKEYF_ALT) modifiers.Include(hkAlt);
        if (flags & HOTKEYF_EXT) modifiers.Include(hkExt);
        FInvalidKeys = invalid;
        FModifiers = modifiers;
        Message.Result = 0;
        return;
    }
    case WM_CHAR:
    case WM_SYSCHAR:
        // Typed characters are not text here.
        Message.Result = 0;
        return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        FShowHeld = false;
        Invalidate();
        break;
    case CM_ENABLEDCHANGED:
        Invalidate();
        break;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}
