// Helpers of the keyboard-navigation tests: a recording key-tip windows manager, and a fake helper tree
// (a root, containers and items at chosen screen rectangles, each with its own owner object) for the
// navigation controller without any bar window.
#pragma once

#include "tests/ui/bars/BarsTestSupport.h"

#include "ui/bars/navigation/BarAccessibilityHelper.h"

#include <memory>
#include <string>
#include <vector>

namespace navigation_test {

// Every window the controller puts on screen and takes away, as "+F1" and "-F1".
class RecordingKeyTipWindows : public IovBarKeyTipWindowsManager {
public:
    void Add(const std::string& AKeyTip, POINT ABasePoint, std::uint8_t, std::uint8_t, bool AEnabled,
             void*& AWindow) override;
    void Delete(void* AWindow) override;
    void BeginUpdate() override { ++Updates; }
    void EndUpdate() override { --Updates; }
    // The key tips on screen now, in the order they were added.
    std::vector<std::string> Shown() const;
    std::vector<std::string> Log;
    std::vector<POINT> BasePoints;
    int Updates = 0;

private:
    struct TWindow {
        std::string KeyTip;
        bool Alive = true;
    };
    std::vector<std::unique_ptr<TWindow>> FWindows;
};

class FakeHelper : public TovBarAccessibilityHelper {
public:
    FakeHelper(std::string AName, TRect ABounds, bool ASelectable,
               std::unique_ptr<TObject> AOwner = std::make_unique<TObject>());
    ~FakeHelper() override;
    FakeHelper* Add(std::string AName, TRect ABounds, bool ASelectable = true);

    std::string Name;
    TRect Bounds;
    bool Selectable;
    bool Visible = true;
    bool Container = false;
    std::string UserKeyTip, AutoKeyTip = "Y";
    bool KeyTipEnabled = true;
    RecordingKeyTipWindows* Windows = nullptr;
    int Executed = 0;
    std::vector<std::string>* Events = nullptr;
    // The object the helper describes: resetting it stands for the object being destroyed.
    std::unique_ptr<TObject> Owner;

    TuiAccessibilityHelper* ChildHelperAt(int AIndex) override;
    int GetChildCount() override { return static_cast<int>(FChildren.size()); }
    int IndexOfChildHelper(TuiAccessibilityHelper* AChild) override;
    TuiAccessibilityHelper* GetParent() override { return FParent; }
    bool IsSelectableObject() override { return Selectable && GetVisible(); }
    LONG GetState(int) override { return Visible ? 0 : STATE_SYSTEM_INVISIBLE; }
    void BoundsOnScreen(int, TRect& R) override { R = Bounds; }
    TovBarManager* OwningBarManager() override { return nullptr; }
    TovBarAccessibilityHelper* GetFirstAccessibleObject() override { return FirstSelectableObject(); }
    bool SupportsKeyTips(IovBarKeyTipWindowsManager*& AManager) override;
    bool ActsAsKeyTipContainer() override { return Container; }
    std::string GetUserKeyTip() override { return UserKeyTip; }
    std::string GetAutoKeyTip() override { return AutoKeyTip; }
    void GetKeyTipInfo(TovBarKeyTipInfo& AInfo) override;
    void ExecuteKeyTip(TObject*) override;
    void Select(bool ASetFocus) override;
    void LoseSelection(TovBarAccessibilityHelper* ANext) override;

private:
    FakeHelper* FParent = nullptr;
    std::vector<TovBarHelperRef> FChildren;
};

// A root helper kept by a reference.
TovBarHelperRef MakeRoot(const std::string& AName, TRect ABounds);

// The bar tests' fixture with the navigation controller made anew for each test.
class NavigationTest : public bars_test::BarsTest {
protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace navigation_test
