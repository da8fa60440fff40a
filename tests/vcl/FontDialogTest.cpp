#include "FileDialogTestSupport.h"

#include "platform/rtl/StringList.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/FontDialog.h"
#include "platform/vcl/Screen.h"
#include "platform/win/WinKeys.h"

#include <gtest/gtest.h>

#include <string>

namespace fontdialog_test {

class FontDialogTest : public filedialog_test::ModalScriptTest {
protected:
    // Selects the text of the focused edit, so that typing replaces it.
    void ThenSelectAll() {
        Then([] {
            if (auto* edit = dynamic_cast<TEdit*>(Screen()->ActiveForm()->ActiveControl())) edit->SelectAll();
        });
    }
};

TEST_F(FontDialogTest, ANameStyleAndSizeAreChosenByKeys) {
    TStringList* fonts = Screen()->Fonts();
    ASSERT_GE(fonts->Count(), 1);
    const std::string wanted = fonts->Strings(fonts->Count() - 1);
    TFontDialog dlg(nullptr);
    dlg.Font()->SetName(fonts->Strings(0));
    dlg.Font()->SetSize(9);
    ThenSelectAll();
    ThenType(wanted);
    ThenKey('Y', VK_MENU); // "Font st&yle:"
    ThenKey(VK_TAB);       // its list
    ThenKey(VK_DOWN);      // Italic
    ThenKey('S', VK_MENU); // "&Size:"
    ThenSelectAll();
    ThenType("14");
    ThenKey(VK_RETURN);
    ASSERT_TRUE(dlg.Execute());
    EXPECT_EQ(dlg.Font()->Name(), wanted);
    EXPECT_EQ(dlg.Font()->Size(), 14);
    EXPECT_EQ(dlg.Font()->Style(), TFontStyles{fsItalic});
    EXPECT_TRUE(boxTexts.empty());
}

TEST_F(FontDialogTest, AnUnknownNameOrABadSizeIsRefusedAndNothingChanges) {
    TFontDialog dlg(nullptr);
    dlg.Font()->SetName(Screen()->Fonts()->Strings(0));
    dlg.Font()->SetSize(10);
    ThenSelectAll();
    ThenType("No Such Font Anywhere");
    ThenKey(VK_RETURN);
    ThenReadBox();
    ThenKey(VK_RETURN);
    ThenSelectAll();
    ThenType(Screen()->Fonts()->Strings(0));
    ThenKey('S', VK_MENU);
    ThenSelectAll();
    ThenType("0");
    ThenKey(VK_RETURN);
    ThenReadBox();
    ThenKey(VK_RETURN);
    ThenKey(VK_ESCAPE);
    EXPECT_FALSE(dlg.Execute());
    ASSERT_EQ(boxTexts.size(), 2u);
    EXPECT_EQ(boxTexts[0], "There is no font with that name.\nChoose a font from the list of fonts.");
    EXPECT_EQ(boxTexts[1], "Size must be between 1 and 1638 points.");
    EXPECT_EQ(dlg.Font()->Size(), 10);
    EXPECT_EQ(dlg.Font()->Name(), Screen()->Fonts()->Strings(0));
}

} // namespace fontdialog_test
