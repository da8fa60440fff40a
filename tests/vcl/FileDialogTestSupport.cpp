#include "FileDialogTestSupport.h"

#include "platform/vcl/Application.h"
#include "platform/vcl/Label.h"
#include "platform/vcl/Screen.h"
#include "platform/win/Input.h"

namespace filedialog_test {

void ModalScriptTest::SetUp() {
    StdCtrlsTest::SetUp();
    ShowForm();
    Application()->OnIdle = TIdleEvent(
        [this](TObject*, bool& Done) {
            Done = false;
            TCustomForm* active = Screen()->ActiveForm();
            if (active == nullptr || active == form) return;
            if (!steps.empty()) {
                auto step = std::move(steps.front());
                steps.pop_front();
                step();
            } else if (++idlesAfterScript > 100) {
                active->SetModalResult(mrAbort);
            }
        },
        this);
}

void ModalScriptTest::TearDown() {
    Application()->OnIdle = nullptr;
    StdCtrlsTest::TearDown();
}

void ModalScriptTest::ThenType(const std::string& text) {
    Then([text] { olva::win::InjectText(text); });
}

void ModalScriptTest::ThenKey(int vk, int modifier) {
    Then([vk, modifier] {
        if (modifier != 0) olva::win::InjectKey(modifier, true);
        olva::win::InjectKey(vk, true);
        olva::win::InjectKey(vk, false);
        if (modifier != 0) olva::win::InjectKey(modifier, false);
    });
}

void ModalScriptTest::ThenReadBox() {
    Then([this] {
        TCustomForm* box = Screen()->ActiveForm();
        auto* label = dynamic_cast<TLabel*>(box->FindComponent("Message"));
        boxTexts.push_back(label != nullptr ? label->Caption() : std::string("(no message box)"));
    });
}

} // namespace filedialog_test
