// Shortcut values and their text form ("Shift+Ctrl+B"), as menus, actions and the shortcut file use them.
//
// A shortcut is 16 bits: the low byte is the key's virtual-key code, 0x2000 adds Shift, 0x4000 Ctrl and
// 0x8000 Alt; 0 is no shortcut.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

using TShortCut = std::uint16_t;

inline constexpr TShortCut scNone = 0;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

// The key with the given modifier bits; 0 when the key code does not fit in one byte.
TShortCut ShortCut(std::uint16_t key, TShortCut modifiers);
// The key code and the modifier bits of a shortcut.
void ShortCutToKey(TShortCut shortCut, std::uint16_t& key, TShortCut& modifiers);

// "Shift+", "Ctrl+" and "Alt+" in this order for the modifiers present, then the key's name; the empty
// text for 0 and for a key without a name.
std::string ShortCutToText(TShortCut shortCut);

// The reverse of ShortCutToText, ignoring letter case and the order of the modifier prefixes; 0 when
// the text names no key.
TShortCut TextToShortCut(std::string_view text);
