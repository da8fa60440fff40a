#include "NavigationTestSupport.h"

#include "ui/bars/navigation/BarNavigationController.h"

namespace navigation_test {

void RecordingKeyTipWindows::Add(const std::string& AKeyTip, POINT ABasePoint, std::uint8_t, std::uint8_t,
                                 bool, void*& AWindow) {
    FWindows.push_back(std::make_unique<TWindow>(TWindow{AKeyTip}));
    AWindow = FWindows.back().get();
    Log.push_back("+" + AKeyTip);
    BasePoints.push_back(ABasePoint);
}

void RecordingKeyTipWindows::Delete(void* AWindow) {
    auto* window = static_cast<TWindow*>(AWindow);
    EXPECT_TRUE(window->Alive) << "a window deleted twice";
    window->Alive = false;
    Log.push_back("-" + window->KeyTip);
}

std::vector<std::string> RecordingKeyTipWindows::Shown() const {
    std::vector<std::string> result;
    for (const auto& window : FWindows)
        if (window->Alive) result.push_back(window->KeyTip);
    return result;
}

FakeHelper::FakeHelper(std::string AName, TRect ABounds, bool ASelectable, std::unique_ptr<TObject> AOwner)
    : TovBarAccessibilityHelper(AOwner.get()), Name(std::move(AName)), Bounds(ABounds),
      Selectable(ASelectable), Owner(std::move(AOwner)) {}

FakeHelper::~FakeHelper() = default;

FakeHelper* FakeHelper::Add(std::string AName, TRect ABounds, bool ASelectable) {
    auto* child = new FakeHelper(std::move(AName), ABounds, ASelectable);
    child->FParent = this;
    child->Windows = Windows;
    child->Events = Events;
    FChildren.emplace_back(child);
    return child;
}

TuiAccessibilityHelper* FakeHelper::ChildHelperAt(int AIndex) {
    return AIndex >= 0 && AIndex < GetChildCount() ? FChildren[AIndex].Get() : nullptr;
}

int FakeHelper::IndexOfChildHelper(TuiAccessibilityHelper* AChild) {
    for (int i = 0; i < GetChildCount(); ++i)
        if (FChildren[i].Get() == AChild) return i;
    return -1;
}

bool FakeHelper::SupportsKeyTips(IovBarKeyTipWindowsManager*& AManager) {
    if (FParent == nullptr) {
        AManager = Windows;
        return Windows != nullptr;
    }
    return TovBarAccessibilityHelper::SupportsKeyTips(AManager);
}

void FakeHelper::GetKeyTipInfo(TovBarKeyTipInfo& AInfo) {
    TovBarAccessibilityHelper::GetKeyTipInfo(AInfo);
    AInfo.BasePoint = POINT{Bounds.left, Bounds.bottom};
    AInfo.Enabled = KeyTipEnabled;
}

void FakeHelper::ExecuteKeyTip(TObject*) {
    ++Executed;
    if (Events != nullptr) Events->push_back("execute " + Name);
}

void FakeHelper::Select(bool ASetFocus) {
    TovBarAccessibilityHelper::Select(ASetFocus);
    if (Events != nullptr) Events->push_back("select " + Name);
}

void FakeHelper::LoseSelection(TovBarAccessibilityHelper* ANext) {
    TovBarAccessibilityHelper::LoseSelection(ANext);
    if (Events != nullptr) Events->push_back("lose " + Name);
}

TovBarHelperRef MakeRoot(const std::string& AName, TRect ABounds) {
    return TovBarHelperRef(new FakeHelper(AName, ABounds, false));
}

void NavigationTest::SetUp() {
    BarsTest::SetUp();
    ovFreeBarNavigationController();
}

void NavigationTest::TearDown() {
    ovFreeBarNavigationController();
    BarsTest::TearDown();
}

} // namespace navigation_test
