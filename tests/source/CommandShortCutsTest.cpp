#include "platform/vcl/ShortCuts.h"

#include "source/Favorites.h"
#include "source/ShortcutCommands.h"

#include <gtest/gtest.h>

namespace {

struct TextCase {
    TShortCut Value;
    const char* Text;
};

TEST(ShortCutTextTest, TextFormOfValues) {
    for (const TextCase& c : {TextCase{scCtrl | 'Z', "Ctrl+Z"},
                              TextCase{scShift | scCtrl | 'B', "Shift+Ctrl+B"},
                              TextCase{scShift | scCtrl | scAlt | 'Q', "Shift+Ctrl+Alt+Q"},
                              TextCase{scAlt | 0x73, "Alt+F4"},
                              TextCase{0x2E, "Del"},
                              TextCase{0x1B, "Esc"},
                              TextCase{0x20, "Space"},
                              TextCase{0x70, "F1"},
                              TextCase{0x87, "F24"},
                              TextCase{scShift | 0x78, "Shift+F9"},
                              TextCase{scShift | 0x24, "Shift+Home"},
                              TextCase{0x23, "End"},
                              TextCase{0x08, "BkSp"},
                              TextCase{0x09, "Tab"},
                              TextCase{0x0D, "Enter"},
                              TextCase{0x21, "PgUp"},
                              TextCase{0x22, "PgDn"},
                              TextCase{0x25, "Left"},
                              TextCase{0x26, "Up"},
                              TextCase{0x27, "Right"},
                              TextCase{0x28, "Down"},
                              TextCase{0x2D, "Ins"},
                              TextCase{scCtrl | '7', "Ctrl+7"},
                              TextCase{0x61, "1"}, // keypad digits give the digit
                              TextCase{0, ""},
                              TextCase{scCtrl, ""},
                              TextCase{0xFF, ""},
                              TextCase{scCtrl | 0x07, ""}})
        EXPECT_EQ(ShortCutToText(c.Value), c.Text) << std::hex << c.Value;
}

TEST(ShortCutTextTest, TextToValue) {
    for (const TextCase& c :
         {TextCase{scShift | scCtrl | 'B', "Shift+Ctrl+B"}, TextCase{scShift | scCtrl | 'B', "ctrl+SHIFT+b"},
          TextCase{scAlt | 0x73, "Alt+F4"}, TextCase{'1', "1"}, TextCase{0x2E, "del"}, TextCase{0, ""},
          TextCase{0, "Ctrl+"}, TextCase{0, "Ctrl+Foo"}, TextCase{0, "F25"}, TextCase{0, "Ctrl Z"},
          TextCase{0, "Z+Ctrl"}})
        EXPECT_EQ(TextToShortCut(c.Text), c.Value) << c.Text;
}

TEST(ShortCutTextTest, EveryNamedKeyWithEveryModifierRoundTrips) {
    int named = 0;
    for (int key = 0; key <= 0xFF; ++key) {
        for (int combination = 0; combination < 8; ++combination) {
            const TShortCut modifiers =
                static_cast<TShortCut>((combination & 1 ? scShift : 0) | (combination & 2 ? scCtrl : 0) |
                                       (combination & 4 ? scAlt : 0));
            const TShortCut value = ShortCut(static_cast<std::uint16_t>(key), modifiers);
            const std::string text = ShortCutToText(value);
            if (text.empty()) continue;
            ++named;
            // The text names the first key in code order with that name: the same text again.
            EXPECT_EQ(ShortCutToText(TextToShortCut(text)), text);
            if (key < 0x60 || key > 0x69) {
                EXPECT_EQ(TextToShortCut(text), value) << text;
            }
        }
    }
    EXPECT_GT(named, 8 * 90);
}

TEST(ShortCutTextTest, KeysOfTheCommandsAndFavouritesRoundTrip) {
    std::vector<std::string> texts;
    for (const TShortcutCommand& command : ShortcutCommands())
        texts.emplace_back(command.DefaultShortcut);
    for (const TFavorite& favorite : DefaultFavorites())
        texts.push_back(favorite.Shortcut);
    for (const std::string& text : texts) {
        if (text.empty()) continue;
        const TShortCut value = TextToShortCut(text);
        EXPECT_NE(value, 0) << text;
        EXPECT_EQ(ShortCutToText(value), text);
    }
}

TEST(ShortCutTextTest, ValueParts) {
    EXPECT_EQ(ShortCut('A', scCtrl | scShift), scCtrl | scShift | 'A');
    EXPECT_EQ(ShortCut(0x141, scCtrl), 0); // no key code above one byte
    std::uint16_t key = 0;
    TShortCut modifiers = 0;
    ShortCutToKey(scAlt | scShift | 0x70, key, modifiers);
    EXPECT_EQ(key, 0x70);
    EXPECT_EQ(modifiers, scAlt | scShift);
}

} // namespace
