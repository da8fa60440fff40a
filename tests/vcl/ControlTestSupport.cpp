#include "ControlTestSupport.h"

#include "platform/rtl/Exception.h"

namespace control_test {

void ControlTest::SetUp() {
    olva::win::ResetWindowSystem();
    Clock = std::make_unique<TFakeClock>(0, 50000);
    ClockOverride = std::make_unique<TClockOverride>(*Clock);
    InitializeVcl();
    Application()->Initialize();
    Application()->SetTitle("Test");
    Application()->OnException =
        TExceptionEvent([this](TObject*, Exception& E) { Errors.push_back(E.Message()); }, this);
}

void ControlTest::TearDown() {
    FinalizeVcl();
    ClockOverride.reset();
    Clock.reset();
    olva::win::ResetWindowSystem();
}

void ControlTest::StartWatchdog() {
    Idles = 0;
    Application()->OnIdle = TIdleEvent(
        [this](TObject*, bool& Done) {
            Done = false;
            if (++Idles > 200 && Screen()->ActiveForm() != nullptr)
                Screen()->ActiveForm()->SetModalResult(mrAbort);
        },
        this);
}

int ControlTest::RunModal(TCustomForm* Form) {
    StartWatchdog();
    const int result = Form->ShowModal();
    StopWatchdog();
    return result;
}

TForm* ControlTest::MakeForm(int ClientWidth, int ClientHeight) {
    TForm* form = nullptr;
    Application()->CreateForm(form);
    form->SetBounds(100, 100, 300, 200);
    form->SetClientSize(ClientWidth, ClientHeight);
    return form;
}

} // namespace control_test
