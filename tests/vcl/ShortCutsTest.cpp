#include "platform/vcl/ShortCuts.h"

#include <gtest/gtest.h>

namespace short_cuts_test {

struct TextCase {
    TShortCut Value;
    const char* Text;
};

} // namespace short_cuts_test

using namespace short_cuts_test;

TEST(ShortCutsTest, ValuesAndTheirText) {
    const TextCase cases[] = {{scCtrl | 'Z', "Ctrl+Z"},
                              {scShift | scCtrl | scAlt | 'Q', "Shift+Ctrl+Alt+Q"},
                              {scAlt | 0x73, "Alt+F4"},
                              {0x2E, "Del"},
                              {0x20, "Space"},
                              {0x87, "F24"},
                              {scShift | 0x24, "Shift+Home"},
                              {0x61, "1"},
                              {0xBC, ","},
                              {0, ""},
                              {scCtrl, ""},
                              {scCtrl | 0x07, ""}};
    for (const TextCase& c : cases)
        EXPECT_EQ(ShortCutToText(c.Value), c.Text) << std::hex << c.Value;
}

TEST(ShortCutsTest, TextBackToValues) {
    const TextCase cases[] = {{scShift | scCtrl | 'B', "ctrl+SHIFT+b"},
                              {scAlt | 0x73, "Alt+F4"},
                              {'1', "1"},
                              {0x2E, "del"},
                              {0, ""},
                              {0, "Ctrl+"},
                              {0, "Ctrl+Foo"},
                              {0, "F25"},
                              {0, "Z+Ctrl"}};
    for (const TextCase& c : cases)
        EXPECT_EQ(TextToShortCut(c.Text), c.Value) << c.Text;
}

TEST(ShortCutsTest, KeysAndModifiersComeApart) {
    EXPECT_EQ(ShortCut('A', scCtrl | scAlt), scCtrl | scAlt | 'A');
    EXPECT_EQ(ShortCut(0x100, scCtrl), scNone);
    std::uint16_t key = 0;
    TShortCut modifiers = 0;
    ShortCutToKey(scShift | 0x70, key, modifiers);
    EXPECT_EQ(key, 0x70);
    EXPECT_EQ(modifiers, scShift);
    // Every key with a name survives the trip through its text with every modifier.
    for (int k = 1; k <= 0xFF; ++k)
        for (TShortCut m : {TShortCut(0), scShift, TShortCut(scCtrl | scAlt)}) {
            const TShortCut value = ShortCut(static_cast<std::uint16_t>(k), m);
            const std::string text = ShortCutToText(value);
            if (text.empty()) continue;
            const TShortCut back = TextToShortCut(text);
            EXPECT_EQ(ShortCutToText(back), text);
        }
}
