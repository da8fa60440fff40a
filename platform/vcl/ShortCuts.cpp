#include "platform/vcl/ShortCuts.h"

#include <array>

namespace shortcuts_detail {

struct TKeyName {
    std::uint8_t Key;
    const char* Name;
};

// Named keys, and the remaining keys of the US keyboard layout under the names the layout gives them.
constexpr std::array<TKeyName, 37> KeyNames{{
    {0x08, "BkSp"},      {0x09, "Tab"},         {0x0D, "Enter"}, {0x13, "Pause"},    {0x14, "Caps Lock"},
    {0x1B, "Esc"},       {0x20, "Space"},       {0x21, "PgUp"},  {0x22, "PgDn"},     {0x23, "End"},
    {0x24, "Home"},      {0x25, "Left"},        {0x26, "Up"},    {0x27, "Right"},    {0x28, "Down"},
    {0x2C, "Prnt Scrn"}, {0x2D, "Ins"},         {0x2E, "Del"},   {0x6A, "Num *"},    {0x6B, "Num +"},
    {0x6D, "Num -"},     {0x6E, "Num Del"},     {0x6F, "Num /"}, {0x90, "Num Lock"}, {0x91, "Scroll Lock"},
    {0xBA, ";"},         {0xBB, "="},           {0xBC, ","},     {0xBD, "-"},        {0xBE, "."},
    {0xBF, "/"},         {0xC0, "`"},           {0xDB, "["},     {0xDC, "\\"},       {0xDD, "]"},
    {0xDE, "'"},         {0x5D, "Application"},
}};

std::string KeyName(std::uint8_t key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        return std::string(1, static_cast<char>(key));
    if (key >= 0x60 && key <= 0x69) // numeric keypad digits
        return std::string(1, static_cast<char>('0' + key - 0x60));
    if (key >= 0x70 && key <= 0x87) // F1 .. F24
        return "F" + std::to_string(key - 0x70 + 1);
    for (const TKeyName& named : KeyNames)
        if (named.Key == key) return named.Name;
    return {};
}

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameTextAscii(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    return true;
}

// Removes `prefix` from the front of `text` when it is there (any letter case).
bool TakePrefix(std::string_view& text, std::string_view prefix) {
    if (text.size() < prefix.size() || !SameTextAscii(text.substr(0, prefix.size()), prefix)) return false;
    text.remove_prefix(prefix.size());
    return true;
}

} // namespace shortcuts_detail

TShortCut ShortCut(std::uint16_t key, TShortCut modifiers) {
    if (key > 0xFF) return scNone;
    return static_cast<TShortCut>(key | (modifiers & (scShift | scCtrl | scAlt)));
}

void ShortCutToKey(TShortCut shortCut, std::uint16_t& key, TShortCut& modifiers) {
    key = shortCut & 0xFF;
    modifiers = shortCut & (scShift | scCtrl | scAlt);
}

std::string ShortCutToText(TShortCut shortCut) {
    std::string name = shortcuts_detail::KeyName(static_cast<std::uint8_t>(shortCut & 0xFF));
    if (name.empty()) return {};
    std::string text;
    if (shortCut & scShift) text += "Shift+";
    if (shortCut & scCtrl) text += "Ctrl+";
    if (shortCut & scAlt) text += "Alt+";
    return text + name;
}

TShortCut TextToShortCut(std::string_view text) {
    using namespace shortcuts_detail;
    TShortCut modifiers = 0;
    for (;;) {
        if (TakePrefix(text, "Shift+"))
            modifiers |= scShift;
        else if (TakePrefix(text, "Ctrl+"))
            modifiers |= scCtrl;
        else if (TakePrefix(text, "Alt+"))
            modifiers |= scAlt;
        else
            break;
    }
    if (text.empty()) return scNone;
    // The first key in code order wins, so "1" is the digit row's key, not the keypad's.
    for (int key = 0x08; key <= 0xFF; ++key)
        if (SameTextAscii(text, KeyName(static_cast<std::uint8_t>(key))))
            return static_cast<TShortCut>(key | modifiers);
    return scNone;
}
