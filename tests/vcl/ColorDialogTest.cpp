#include "FileDialogTestSupport.h"

#include "platform/vcl/ColorDialog.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Screen.h"
#include "platform/win/WinKeys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace colordialog_test {

class ColorDialogTest : public filedialog_test::ModalScriptTest {
protected:
    // The three fields of the open dialog, in order.
    std::vector<std::string> FieldTexts() const {
        std::vector<std::string> texts;
        TCustomForm* dlg = Screen()->ActiveForm();
        for (int i = 0; i < dlg->ComponentCount(); ++i)
            if (auto* edit = dynamic_cast<TEdit*>(dlg->Components(i))) texts.push_back(edit->Text());
        return texts;
    }
};

TEST_F(ColorDialogTest, FieldsShowTheStartingColourAndTypedValuesMakeTheNewOne) {
    TColorDialog dlg(nullptr);
    dlg.SetColor(static_cast<TColor>(RGB(255, 0, 0)));
    std::vector<std::string> start;
    Then([&] { start = FieldTexts(); });
    ThenKey('G', VK_MENU);
    ThenType("128");
    ThenKey('U', VK_MENU);
    ThenType("999"); // more than 255 counts as 255
    ThenKey(VK_RETURN);
    ASSERT_TRUE(dlg.Execute());
    EXPECT_EQ(start, (std::vector<std::string>{"255", "0", "0"}));
    EXPECT_EQ(dlg.Color(), static_cast<TColor>(RGB(255, 128, 255)));
}

TEST_F(ColorDialogTest, ArrowsPickABasicColourAndEscapeKeepsTheOldOne) {
    TColorDialog dlg(nullptr);
    dlg.SetColor(clBlack); // the first grey
    ThenKey(VK_RIGHT);
    ThenKey(VK_UP);
    ThenKey(VK_RETURN);
    ASSERT_TRUE(dlg.Execute());
    const TColorSwatchGrid grid(nullptr);
    EXPECT_EQ(dlg.Color(), grid.Colors()[41 - TColorSwatchGrid::Columns]);

    const TColor chosen = dlg.Color();
    ThenKey(VK_LEFT);
    ThenKey(VK_ESCAPE);
    EXPECT_FALSE(dlg.Execute());
    EXPECT_EQ(dlg.Color(), chosen);
}

TEST_F(ColorDialogTest, AClickOnASwatchChoosesIt) {
    TColorDialog dlg(nullptr);
    dlg.SetColor(clWindowText); // a system colour starts as the colour it stands for
    std::vector<std::string> start;
    Then([&] {
        start = FieldTexts();
        TCustomForm* form = Screen()->ActiveForm();
        for (int i = 0; i < form->ComponentCount(); ++i)
            if (auto* grid = dynamic_cast<TColorSwatchGrid*>(form->Components(i))) {
                const RECT cell = grid->CellRect(28); // pure blue
                Click(grid, (cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
            }
    });
    ThenKey(VK_RETURN);
    ASSERT_TRUE(dlg.Execute());
    EXPECT_EQ(start, (std::vector<std::string>{"0", "0", "0"}));
    EXPECT_EQ(dlg.Color(), static_cast<TColor>(RGB(0, 0, 255)));
}

} // namespace colordialog_test
