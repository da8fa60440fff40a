// Shared fixture of the bar model tests: a headless window system on a fake clock, the class library,
// the library foundation and the bar unit started, a form that owns a manager, and recording fakes of
// the bar windows and docks the model drives.
#pragma once

#include "platform/rtl/Clock.h"
#include "ui/bars/BarWindows.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class TForm;

namespace bars_test {

// Every call the model makes into a window or dock, as "<name>.<operation>".
std::vector<std::string>& CallLog();
std::vector<std::string> TakeCalls();

class FakeBarControl : public IovBarControl {
public:
    FakeBarControl(std::string AName, TovBarControlKind AKind) : Name(std::move(AName)), FKind(AKind) {}
    ~FakeBarControl() override;
    TovBarControlKind Kind() const override { return FKind; }
    void RecreateControls() override;
    void CreateControls() override { Log("CreateControls"); }
    void DestroyControls() override { Log("DestroyControls"); }
    void Rebuild() override { Log("Rebuild"); }
    void RebuildBar(bool) override { Log("RebuildBar"); }
    void UpdateFrame() override { Log("UpdateFrame"); }
    void CaptionChanged() override { Log("CaptionChanged"); }
    void FontChanged() override { Log("FontChanged"); }
    void UpdateTransparency() override { Log("UpdateTransparency"); }
    void Repaint() override { Log("Repaint"); }
    void CloseUp(TovBarCloseUpReason) override { Log("CloseUp"); }
    void ClearSelection() override { Log("ClearSelection"); }
    bool IsActive() const override { return Active; }
    bool IsVisible() const override { return true; }
    bool IsDestroying() const override { return false; }
    RECT ClientBounds() const override { return Client; }
    TovBarDockingStyle DockingStyle() const override { return Style; }
    IovBarDock* DockControl() const override { return Dock; }
    void SavePosition() override { Log("SavePosition"); }
    void ChangeStyle(TovBarDockingStyle AStyle, IovBarDock* ADock) override;
    void InsertAt(POINT P) override;
    void MoveInDock(POINT P) override;
    void RemoveFromDock() override { Log("RemoveFromDock"); }
    void Show() override { Log("Show"); }
    void UpdateCaptionButtons() override { Log("UpdateCaptionButtons"); }
    void CaptionButtonHint(TovBarCaptionButton*, bool AShow) override {
        Log(AShow ? "ShowHint" : "HideHint");
    }

    std::string Name;
    bool Active = false;
    bool ThrowOnRecreate = false;
    RECT Client{0, 0, 1000, 30};
    TovBarDockingStyle Style = dsNone;
    IovBarDock* Dock = nullptr;
    POINT LastPoint{};

private:
    void Log(const std::string& AWhat) { CallLog().push_back(Name + "." + AWhat); }
    TovBarControlKind FKind;
};

class FakeDock : public IovBarDock {
public:
    FakeDock(TovBarManager* AManager, TovBarDockingStyle AStyle, bool ABuiltIn, RECT ABounds)
        : Manager(AManager), Style(AStyle), BuiltIn(ABuiltIn), Bounds(ABounds) {}
    TovBarDockingStyle DockingStyle() const override { return Style; }
    TovBarManager* BarManager() const override { return Manager; }
    bool IsBuiltIn() const override { return BuiltIn; }
    int RowCount() const override { return static_cast<int>(Rows.size()); }
    void AddRow() override { Rows.emplace_back(); }
    int RowOf(const TovBar* ABar) const override;
    void PutInRow(TovBar* ABar, int ARow) override;
    void RemoveBar(TovBar* ABar) override;
    void DropEmptyRows() override;
    void UpdateDock() override { Log("UpdateDock"); }
    void SetRedraw(bool ARedraw) override { Log(ARedraw ? "Redraw1" : "Redraw0"); }
    void UpdateColor() override { Log("UpdateColor"); }
    bool IsShownWithWindow() const override { return true; }
    bool HasWindow() const override { return WindowExists; }
    bool CanFocus() const override { return true; }
    RECT ScreenBounds() const override { return Bounds; }

    TovBarManager* Manager;
    TovBarDockingStyle Style;
    bool BuiltIn;
    RECT Bounds;
    std::vector<std::vector<TovBar*>> Rows;
    bool WindowExists = false;

private:
    void Log(const std::string& AWhat);
};

// Makes fake windows for toolbars and fake built-in docks (left 0..20, top 0..30 across 800,
// right 780..800, bottom 570..600, in screen coordinates).
class FakeFactory : public IovBarWindowFactory {
public:
    IovBarControl* CreateToolbarControl(TovBar* ABar) override;
    IovBarDock* CreateBuiltInDock(TovBarManager* AManager, TovBarDockingStyle AStyle) override;
    bool MakeDocks = true;
};

class BarsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    TovBarManager* MakeManager();
    // Lets time pass and handles what became due.
    void Run(int AMilliseconds);

    std::unique_ptr<TFakeClock> clock;
    std::unique_ptr<TClockOverride> clockOverride;
    FakeFactory factory;
    IovBarWindowFactory* previousFactory = nullptr;
    TForm* form = nullptr;
    std::vector<std::string> reportedErrors;
};

} // namespace bars_test
