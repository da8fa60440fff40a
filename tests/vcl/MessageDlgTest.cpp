#include "StdCtrlsTestSupport.h"

#include "platform/vcl/Application.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/MessageDlg.h"
#include "platform/win/Input.h"
#include "platform/win/WinKeys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace messagedlg_test {

using stdctrls_test::StdCtrlsTest;

class MessageDlgTest : public StdCtrlsTest {
protected:
    // Queues keys (0x100 + letter: the letter typed with Alt held), for the dialog that opens next.
    static void Queue(std::initializer_list<int> keys) {
        for (int vk : keys) {
            const bool alt = vk >= 0x100;
            if (alt) olva::win::InjectKey(VK_MENU, true);
            olva::win::InjectKey(vk & 0xFF, true);
            olva::win::InjectKey(vk & 0xFF, false);
            if (alt) olva::win::InjectKey(VK_MENU, false);
        }
    }
};

constexpr int AltKey(char c) {
    return 0x100 + c;
}

struct TDlgCase {
    const char* What;
    TMsgDlgButtons Buttons;
    std::initializer_list<int> Keys;
    int Result;
};

TEST_F(MessageDlgTest, KeysAnswerTheDialog) {
    const TDlgCase cases[] = {
        {"Enter presses Yes", mbYesNoCancel, {VK_RETURN}, mrYes},
        {"Esc presses Cancel", mbYesNoCancel, {VK_ESCAPE}, mrCancel},
        {"Esc presses No without Cancel", mbYesNo, {VK_ESCAPE}, mrNo},
        {"Tab then Enter presses the next button", mbYesNoCancel, {VK_TAB, VK_RETURN}, mrNo},
        {"the accelerator presses its button", mbAbortRetryIgnore, {AltKey('R')}, mrRetry},
        {"Enter presses OK before Cancel", mbOKCancel, {VK_RETURN}, mrOk},
        {"Esc on an OK box answers OK", TMsgDlgButtons{mbOK}, {VK_ESCAPE}, mrOk},
        {"Retry is first and default without OK or Yes",
         TMsgDlgButtons{mbRetry, mbCancel},
         {VK_RETURN},
         mrRetry},
        {"a box without a cancel button ignores Esc",
         TMsgDlgButtons{mbAbort, mbIgnore},
         {VK_ESCAPE, VK_RIGHT, VK_RETURN},
         mrIgnore},
    };
    for (const TDlgCase& c : cases) {
        Queue(c.Keys);
        EXPECT_EQ(MessageDlg("Save the changes?", mtConfirmation, c.Buttons), c.Result) << c.What;
    }
}

TEST_F(MessageDlgTest, ButtonsStandInTheirOrderWithTheirCaptionsAndTheKindGivesTheTitle) {
    TCustomForm* dlg = CreateMessageDialog("Overwrite?", mtWarning, TMsgDlgButtons{mbCancel, mbNo, mbYes});
    std::vector<std::string> captions;
    TButton* defaultButton = nullptr;
    for (int i = 0; i < dlg->ControlCount(); ++i) {
        if (auto* b = dynamic_cast<TButton*>(dlg->Controls(i))) {
            captions.push_back(b->Caption());
            if (b->Default()) defaultButton = b;
        }
    }
    EXPECT_EQ(captions, (std::vector<std::string>{"&Yes", "&No", "Cancel"}));
    ASSERT_NE(defaultButton, nullptr);
    EXPECT_EQ(defaultButton->Caption(), "&Yes");
    EXPECT_EQ(dlg->Caption(), "Warning");
    dlg->Free();
    const struct {
        TMsgDlgType Type;
        const char* Title;
    } titles[] = {{mtError, "Error"}, {mtInformation, "Information"}, {mtConfirmation, "Confirm"}};
    for (const auto& t : titles) {
        dlg = CreateMessageDialog("x", t.Type, TMsgDlgButtons{mbOK});
        EXPECT_EQ(dlg->Caption(), t.Title);
        dlg->Free();
    }
}

TEST_F(MessageDlgTest, LongTextWrapsAndTheDialogGrowsToHoldIt) {
    const std::string longText(60, 'w');
    std::string words;
    for (int i = 0; i < 40; ++i)
        words += "word ";
    TCustomForm* shortDlg = CreateMessageDialog("Done.", mtInformation, TMsgDlgButtons{mbOK});
    TCustomForm* longDlg = CreateMessageDialog(words, mtInformation, TMsgDlgButtons{mbOK});
    EXPECT_GT(longDlg->ClientHeight(), shortDlg->ClientHeight());
    EXPECT_LE(longDlg->ClientWidth(), 12 + 32 + 12 + 400 + 12);
    shortDlg->Free();
    longDlg->Free();
}

TEST_F(MessageDlgTest, ShowMessageAndTheWindowMessageBox) {
    Application()->SetTitle("OLVA");
    Queue({VK_RETURN});
    ShowMessage("Finished.");
    // A Yes/No box cannot be cancelled: Esc is ignored; Tab moves to No.
    Queue({VK_ESCAPE, VK_TAB, VK_RETURN});
    EXPECT_EQ(MessageBox(nullptr, "Replace the file?", "Save", MB_YESNO | MB_ICONQUESTION), IDNO);
    Queue({VK_RETURN});
    EXPECT_EQ(MessageBox(nullptr, "Disk full.", nullptr, MB_OKCANCEL | MB_DEFBUTTON2 | MB_ICONERROR),
              IDCANCEL);
}

} // namespace messagedlg_test
