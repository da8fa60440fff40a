#include "StdCtrlsTestSupport.h"

#include "platform/vcl/Button.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/HotKey.h"
#include "platform/vcl/Label.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

#include <string>

namespace hotkey_test {

using stdctrls_test::StdCtrlsTest;

class HotKeyTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        edit = new TEdit(form);
        edit->SetBounds(10, 40, 100, 21);
        edit->SetParent(form);
        // An accelerator that Alt+K would reach if the field let it through.
        auto* label = new TLabel(form);
        label->SetCaption("&Keys");
        label->SetBounds(10, 70, 40, 15);
        label->SetFocusControl(edit);
        label->SetParent(form);
        okButton = new TButton(form);
        okButton->SetCaption("OK");
        okButton->SetDefault(true);
        okButton->SetBounds(150, 40, 75, 23);
        okButton->SetParent(form);
        okButton->OnClick = [this](TObject*) { ++okClicks; };
        hotKey = new THotKey(form);
        hotKey->SetBounds(12, 10, 145, 21);
        hotKey->SetParent(form);
        hotKey->SetHotKey(32768);
        hotKey->OnChange = [this](TObject*) { ++changes; };
        ShowForm();
        hotKey->SetFocus();
        Pump();
    }
    THotKey* hotKey = nullptr;
    TEdit* edit = nullptr;
    TButton* okButton = nullptr;
    int changes = 0;
    int okClicks = 0;
};

TEST_F(HotKeyTest, PressedCombinationsAreRecordedWithTheRules) {
    EXPECT_EQ(hotKey->DisplayText(), "Alt + ") << "the starting value is Alt without a key";
    struct TCase {
        std::initializer_list<int> Modifiers;
        int Key;
        TShortCut Expected;
        const char* Shown;
    };
    const TCase cases[] = {
        {{VK_CONTROL, VK_SHIFT}, 'F', static_cast<TShortCut>(scCtrl | scShift | 'F'), "Ctrl + Shift + F"},
        {{}, 'A', static_cast<TShortCut>(scAlt | 'A'), "Alt + A"},         // a key alone takes Alt
        {{VK_SHIFT}, 'B', static_cast<TShortCut>(scAlt | 'B'), "Alt + B"}, // Shift alone too
        {{VK_MENU}, 'K', static_cast<TShortCut>(scAlt | 'K'), "Alt + K"},  // not the label's accelerator
        {{VK_CONTROL}, VK_F5, static_cast<TShortCut>(scCtrl | VK_F5), "Ctrl + F5"},
        {{VK_CONTROL, VK_MENU},
         VK_DELETE,
         static_cast<TShortCut>(scCtrl | scAlt | VK_DELETE),
         "Ctrl + Alt + Del"},
        {{}, VK_BACK, 0, "None"},
    };
    int expectedChanges = 0;
    for (const TCase& c : cases) {
        Chord(c.Modifiers, c.Key);
        EXPECT_EQ(hotKey->HotKey(), c.Expected) << c.Shown;
        EXPECT_EQ(hotKey->DisplayText(), c.Shown);
        EXPECT_EQ(changes, ++expectedChanges) << c.Shown;
    }
    EXPECT_TRUE(hotKey->Focused()) << "focus stayed in the field";
    Chord({}, VK_BACK);
    EXPECT_EQ(changes, expectedChanges) << "no change, no event";
}

TEST_F(HotKeyTest, ModifiersShowWhileHeldAndReleasingThemKeepsTheValue) {
    hotKey->SetHotKey(static_cast<TShortCut>(scCtrl | 'Q'));
    olva::win::InjectKey(VK_CONTROL, true);
    olva::win::InjectKey(VK_SHIFT, true);
    Pump();
    EXPECT_EQ(hotKey->DisplayText(), "Ctrl + Shift + ");
    olva::win::InjectKey(VK_SHIFT, false);
    olva::win::InjectKey(VK_CONTROL, false);
    Pump();
    EXPECT_EQ(hotKey->DisplayText(), "Ctrl + Q");
    EXPECT_EQ(hotKey->HotKey(), scCtrl | 'Q');
    EXPECT_EQ(changes, 0);
}

TEST_F(HotKeyTest, DialogKeysKeepTheirMeaning) {
    Key(VK_RETURN);
    EXPECT_EQ(okClicks, 1) << "Enter presses the default button";
    Key(VK_TAB);
    EXPECT_FALSE(hotKey->Focused()) << "Tab moves on";
    EXPECT_EQ(changes, 0);
}

TEST_F(HotKeyTest, MessagesSetReadAndRuleTheField) {
    HWND h = hotKey->Handle();
    ::SendMessage(h, HKM_SETHOTKEY, MAKEWORD('S', HOTKEYF_CONTROL | HOTKEYF_SHIFT), 0);
    EXPECT_EQ(::SendMessage(h, HKM_GETHOTKEY, 0, 0), MAKEWORD('S', HOTKEYF_CONTROL | HOTKEYF_SHIFT));
    EXPECT_EQ(hotKey->HotKey(), scCtrl | scShift | 'S');
    EXPECT_EQ(changes, 0) << "the program's own setting is not a change by the user";
    // Ctrl alone becomes Ctrl+Alt; a key alone is now allowed.
    ::SendMessage(h, HKM_SETRULES, HKCOMB_C, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
    Chord({VK_CONTROL}, 'X');
    EXPECT_EQ(::SendMessage(h, HKM_GETHOTKEY, 0, 0), MAKEWORD('X', HOTKEYF_CONTROL | HOTKEYF_ALT));
    Chord({}, VK_F2);
    EXPECT_EQ(hotKey->HotKey(), VK_F2);
    EXPECT_EQ(changes, 2);
}

} // namespace hotkey_test
