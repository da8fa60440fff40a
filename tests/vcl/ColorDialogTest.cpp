#include "StdCtrlsTestSupport.h"

#include "platform/vcl/ColorDialog.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"

#include <gtest/gtest.h>

namespace colordialog_test {

using stdctrls_test::StdCtrlsTest;

void Queue(std::initializer_list<int> keys) {
    for (int vk : keys) {
        olva::win::InjectKey(vk, true);
        olva::win::InjectKey(vk, false);
    }
}

TEST_F(StdCtrlsTest, ColorDialogChoosesWithArrowsAndKeepsTheColourOnCancel) {
    TColorDialog dialog(nullptr);
    dialog.SetColor(TColorDialog::BasicColor(8));
    // Right, Down from the starting colour, then Enter.
    Queue({VK_RIGHT, VK_DOWN, VK_RETURN});
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), TColorDialog::BasicColor(8 + 1 + 8));
    Queue({VK_LEFT, VK_ESCAPE});
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), TColorDialog::BasicColor(17));
    // A colour outside the grid stays chosen when accepted untouched.
    dialog.SetColor(RGB(1, 2, 3));
    Queue({VK_RETURN});
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), static_cast<TColor>(RGB(1, 2, 3)));
}

} // namespace colordialog_test
