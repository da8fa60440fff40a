// Scripted use of modal dialogs: each step runs when the application is idle with a dialog (or a box
// it opened) active, as a user acts on what is on the screen. A dialog still open after the script has
// run out is given up with mrAbort, so that a fault cannot hang the suite.
#pragma once

#include "StdCtrlsTestSupport.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace filedialog_test {

class ModalScriptTest : public stdctrls_test::StdCtrlsTest {
protected:
    void SetUp() override;
    void TearDown() override;

    void Then(std::function<void()> step) { steps.push_back(std::move(step)); }
    void ThenType(const std::string& text);
    // A key press, with a modifier held when one is given (VK_SHIFT, VK_CONTROL, VK_MENU).
    void ThenKey(int vk, int modifier = 0);
    // Notes the text of the message box that is up now.
    void ThenReadBox();

    std::deque<std::function<void()>> steps;
    std::vector<std::string> boxTexts;
    int idlesAfterScript = 0;
};

} // namespace filedialog_test
