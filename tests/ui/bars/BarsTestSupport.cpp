#include "BarsTestSupport.h"

#include "platform/vcl/Application.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarUnit.h"
#include "ui/core/UiCoreInit.h"

#include <algorithm>

namespace bars_test {

std::vector<std::string>& CallLog() {
    static std::vector<std::string> log;
    return log;
}

std::vector<std::string> TakeCalls() {
    std::vector<std::string> calls;
    calls.swap(CallLog());
    return calls;
}

FakeBarControl::~FakeBarControl() {
    Log("Freed");
}

void FakeBarControl::RecreateControls() {
    Log("RecreateControls");
    if (ThrowOnRecreate) throw EovException("rebuild failed");
}

void FakeBarControl::ChangeStyle(TovBarDockingStyle AStyle, IovBarDock* ADock) {
    Style = AStyle;
    Dock = ADock;
    Log("ChangeStyle");
}

void FakeBarControl::InsertAt(POINT P) {
    LastPoint = P;
    Log("InsertAt");
}

void FakeBarControl::MoveInDock(POINT P) {
    LastPoint = P;
    Log("MoveInDock");
}

int FakeDock::RowOf(const TovBar* ABar) const {
    for (int i = 0; i < RowCount(); ++i)
        if (std::find(Rows[i].begin(), Rows[i].end(), ABar) != Rows[i].end()) return i;
    return -1;
}

void FakeDock::PutInRow(TovBar* ABar, int ARow) {
    RemoveBar(ABar);
    Rows[ARow].push_back(ABar);
}

void FakeDock::RemoveBar(TovBar* ABar) {
    for (auto& row : Rows)
        std::erase(row, ABar);
}

void FakeDock::DropEmptyRows() {
    std::erase_if(Rows, [](const std::vector<TovBar*>& ARow) { return ARow.empty(); });
}

void FakeDock::Log(const std::string& AWhat) {
    static const char* kNames[] = {"none", "left", "top", "right", "bottom"};
    CallLog().push_back(std::string(kNames[Style]) + "." + AWhat);
}

IovBarControl* FakeFactory::CreateToolbarControl(TovBar* ABar) {
    return new FakeBarControl(ABar->Caption(), bckToolbar);
}

IovBarDock* FakeFactory::CreateBuiltInDock(TovBarManager* AManager, TovBarDockingStyle AStyle) {
    if (!MakeDocks) return nullptr;
    static const RECT kBounds[] = {
        {0, 30, 20, 570}, {0, 0, 800, 30}, {780, 30, 800, 570}, {0, 570, 800, 600}};
    return new FakeDock(AManager, AStyle, true, kBounds[AStyle - 1]);
}

void BarsTest::SetUp() {
    olva::win::ResetWindowSystem();
    clock = std::make_unique<TFakeClock>(0, 100000);
    clockOverride = std::make_unique<TClockOverride>(*clock);
    InitializeVcl();
    Application()->OnException =
        TExceptionEvent([this](TObject*, Exception& E) { reportedErrors.push_back(E.Message()); }, this);
    uiCoreInitialize();
    uiBarsInitialize();
    previousFactory = ovSetBarWindowFactory(&factory);
    form = TCustomForm::New<TForm>(nullptr);
    form->SetBounds(100, 100, 400, 300);
    CallLog().clear();
}

void BarsTest::TearDown() {
    delete form;
    ovSetBarWindowFactory(previousFactory);
    uiBarsFinalize();
    uiCoreFinalize();
    FinalizeVcl();
    olva::win::ResetWindowSystem();
    clockOverride.reset();
    clock.reset();
    CallLog().clear();
}

void BarsTest::Run(int AMilliseconds) {
    clock->Advance(static_cast<std::uint64_t>(AMilliseconds));
    olva::win::PumpMessages();
}

TovBarManager* BarsTest::MakeManager() {
    auto* manager = new TovBarManager(form);
    manager->SetName("BarManager1");
    CallLog().clear();
    return manager;
}

} // namespace bars_test
