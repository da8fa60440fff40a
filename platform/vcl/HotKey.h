// THotKey: a field that records a key combination. The user presses a key with its modifiers and the
// field shows it ("Ctrl + Shift + F"); combinations the rules call invalid take the rules' modifiers
// instead (by default a key alone or with Shift alone becomes Alt plus that key); Backspace or Delete
// alone clear it. Tab, Enter and Esc keep their dialog meaning. OnChange fires when the user changes
// the combination, not when the program sets it. The HKM_ messages keep their meaning.
#pragma once

#include "platform/rtl/Set.h"
#include "platform/vcl/CustomControl.h"
#include "platform/vcl/ShortCuts.h"

#include <string>

enum THKInvalidKey { hcNone, hcShift, hcCtrl, hcAlt, hcShiftCtrl, hcShiftAlt, hcCtrlAlt, hcShiftCtrlAlt };
using THKInvalidKeys = Set<THKInvalidKey, 8>;
enum THKModifier { hkShift, hkCtrl, hkAlt, hkExt };
using THKModifiers = Set<THKModifier, 8>;

// clang-format off
constexpr UINT HKM_SETHOTKEY = WM_USER + 1;
constexpr UINT HKM_GETHOTKEY = WM_USER + 2;
constexpr UINT HKM_SETRULES = WM_USER + 3;

constexpr BYTE HOTKEYF_SHIFT = 0x01;
constexpr BYTE HOTKEYF_CONTROL = 0x02;
constexpr BYTE HOTKEYF_ALT = 0x04;
constexpr BYTE HOTKEYF_EXT = 0x08;

constexpr WORD HKCOMB_NONE = 0x0001;
constexpr WORD HKCOMB_S = 0x0002;
constexpr WORD HKCOMB_C = 0x0004;
constexpr WORD HKCOMB_A = 0x0008;
constexpr WORD HKCOMB_SC = 0x0010;
constexpr WORD HKCOMB_SA = 0x0020;
constexpr WORD HKCOMB_CA = 0x0040;
constexpr WORD HKCOMB_SCA = 0x0080;
// clang-format on

class THotKey : public TCustomControl {
public:
    explicit THotKey(TComponent* AOwner);

    // The combination as a shortcut value (0 for none; modifiers without a key are kept).
    TShortCut HotKey() const;
    void SetHotKey(TShortCut Value);
    THKInvalidKeys InvalidKeys() const { return FInvalidKeys; }
    void SetInvalidKeys(THKInvalidKeys Value) { FInvalidKeys = Value; }
    THKModifiers Modifiers() const { return FModifiers; }
    void SetModifiers(THKModifiers Value) { FModifiers = Value; }
    // What the field shows: "None", or the modifiers and the key joined by " + ".
    std::string DisplayText() const;

    TNotifyEvent OnChange;

protected:
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }
    void CNKeyDown(TMessage& Message) override;
    void CNSysKeyDown(TMessage& Message) override;
    void CNSysChar(TMessage& Message) override {}
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyUp(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // The field's background: its colour, the button face while disabled.
    virtual TColor FaceColor() const { return Enabled() ? Color() : clBtnFace; }

private:
    // The value in the control's own form: the key in the low byte, HOTKEYF_ flags in the high byte.
    void SetValue(WORD Value, bool ByUser);
    BYTE ApplyRules(BYTE Flags) const;

    WORD FValue = 0;
    BYTE FHeldFlags = 0; // modifiers held down while no key has been pressed yet
    bool FShowHeld = false;
    THKInvalidKeys FInvalidKeys{hcNone, hcShift};
    THKModifiers FModifiers{hkAlt};
};
