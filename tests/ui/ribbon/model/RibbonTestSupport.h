// Shared fixture of the ribbon model tests: a headless window system on a fake clock, the library up to
// the ribbon unit, a form with a bar manager, and a test ribbon whose factories hand out recording
// doubles of the parts other issues supply (view information, groups docks, the quick access toolbar's
// dock, caption helper, bar painter, controller, tab-groups popup). Every call the model makes into them
// lands in one log.
#pragma once

#include "platform/rtl/Clock.h"
#include "ui/core/base/CoreServices.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonSubObjects.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class TForm;
class TovBar;
class TovBarManager;
class TovRibbonTab;
class TovRibbonTabGroup;

namespace ribbon_test {

std::vector<std::string>& CallLog();
std::vector<std::string> TakeCalls();
// How many logged calls equal AWhat.
int CountCalls(const std::string& AWhat);

// Which doubles the next test ribbon's factories make.
struct TTestParts {
    bool ViewInfo = true;
    bool Docks = true;
    bool BarPainter = true;
    bool Controller = true;
    bool Popup = true;
    bool CaptionHelper = true;
    // The view information's answers.
    int RibbonHeight = 140;
    int NonClientHeight = 30;
    bool Hidden = false;
    int GroupRowHeight = 22;
    // The ribbon's form counts as an MDI frame.
    bool MDIParent = false;
};
TTestParts& Parts();

class TRecordingViewInfo : public IovRibbonViewInfo {
public:
    explicit TRecordingViewInfo(TovCustomRibbon* ARibbon) : FRibbon(ARibbon) {}
    void Calculate() override;
    bool IsHidden() override { return Parts().Hidden; }
    bool CalculateHidden() override { return Parts().Hidden; }
    int GetRibbonHeight() override { return Parts().RibbonHeight; }
    int GetNonClientAreaHeight() override { return Parts().NonClientHeight; }
    int GetTabsHeight() override { return 24; }
    TRect GetTabsAreaBounds() override { return {0, 30, 600, 54}; }
    int GetLastTabRight() override { return 320; }
    TRect GetGroupsDockControlSiteContentOffsets() override { return {4, 3, 5, 2}; }
    TovRibbonTab* GetTabAtPos(int, int) override { return nullptr; }
    void UpdateNonClientDrawingFlags() override;
    bool SupportsNonClientDrawing() override;
    bool DrawsOnGlass() override { return false; }
    HRGN GetNonClientElementsRegion() override { return nullptr; }
    bool IsQuickAccessToolbarInCaption() override { return false; }
    TRect GetQuickAccessToolbarDockControlBounds() override { return {}; }
    TRect GetApplicationButtonBounds() override { return {4, 30, 60, 54}; }
    void DrawApplicationButton(HDC, const TRect&) override;
    int GetFormCaptionFontSize(int ASize) override { return ASize; }
    void Paint(TuiCanvas*) override {}

private:
    TovCustomRibbon* FRibbon;
};

// A dock of the ribbon (a tab's groups row or the quick access toolbar's row) that keeps its toolbars in
// one row and logs what the ribbon asks of it as "<name>.<call>".
class TRecordingDock : public IovRibbonGroupsDock {
public:
    TRecordingDock(std::string AName, TovRibbonTab* ATab) : Name(std::move(AName)), FTab(ATab) {}
    ~TRecordingDock() override;
    // ---- IovBarDock
    TovBarDockingStyle DockingStyle() const override { return dsTop; }
    TovBarManager* BarManager() const override { return FManager; }
    bool IsBuiltIn() const override { return false; }
    int RowCount() const override { return 1; }
    void AddRow() override {}
    int RowOf(const TovBar*) const override { return 0; }
    void PutInRow(TovBar*, int) override {}
    void UpdateDock() override {}
    void SetRedraw(bool) override {}
    bool IsShownWithWindow() const override { return true; }
    bool HasWindow() const override { return false; }
    bool CanFocus() const override { return FVisible; }
    RECT ScreenBounds() const override { return {}; }
    // ---- Ribbon docks
    void SetBarManager(TovBarManager* AManager) override { FManager = AManager; }
    bool Visible() const override { return FVisible; }
    void SetVisible(bool AValue) override;
    void RepaintAll() override { Log("RepaintAll"); }
    HWND GetHandle() const override { return nullptr; }
    TovRibbonTab* Tab() const override { return FTab; }
    void SetParentSite(TWinControl* ASite) override { Site = ASite; }
    bool IsInPopup() const override { return false; }
    void UpdateInPopup() override { Log("UpdateInPopup"); }
    void CalculateLayout(const TRect& R) override;
    void SetBounds(const TRect& R) override { Bounds = R; }
    void Relayout() override { Log("Relayout"); }
    void ScrollGroups(bool ALeft, int AWidth) override;
    void BarControlsFontChanged() override { Log("FontChanged"); }
    void FullRedraw() override { Log("FullRedraw"); }

    std::string Name;
    TWinControl* Site = nullptr;
    TRect Bounds{};
    TRect Layout{};

private:
    void Log(const std::string& AWhat) const;
    TovRibbonTab* FTab;
    TovBarManager* FManager = nullptr;
    bool FVisible = false;
};

// The test ribbon: its factories make the doubles Parts() asks for.
class TTestRibbon : public TovCustomRibbon {
public:
    IovRibbonGroupsDock* CreateGroupsDockControl(TovRibbonTab* ATab) override;
    IovRibbonDockControl* CreateQuickAccessDockControl() override;

protected:
    friend class TovCustomRibbon;
    explicit TTestRibbon(TComponent* AOwner) : TovCustomRibbon(AOwner) {}
    IovRibbonViewInfo* CreateViewInfo() override;
    TWinControl* CreateGroupsDockControlSite() override;
    TovBarPainter* CreateBarPainter() override;
    IovRibbonController* CreateController() override;
    IovRibbonTabGroupsPopup* CreateTabGroupsPopupWindow() override;
    IovRibbonFormCaptionHelper* CreateFormCaptionHelper() override;
    bool IsFormMDIParent() const override { return Parts().MDIParent || TovCustomRibbon::IsFormMDIParent(); }
};

// The message of the library exception AAction raises, "done" when it raises none.
template <class F> std::string ErrorOf(F AAction) {
    try {
        AAction();
    } catch (const EovException& error) {
        return error.Message();
    }
    return "done";
}

// The dock of a tab, as the test ribbon made it.
TRecordingDock* DockOf(TovRibbonTab* ATab);

class RibbonTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TTestRibbon* MakeRibbon();
    // A toolbar of the manager, named and captioned.
    TovBar* AddBar(const std::string& AName, const std::string& ACaption);
    TovRibbonTab* AddTab(const std::string& ACaption);
    TovRibbonTabGroup* AddGroup(TovRibbonTab* ATab, TovBar* ABar);

    std::unique_ptr<TFakeClock> clock;
    std::unique_ptr<TClockOverride> clockOverride;
    TForm* form = nullptr;
    TovBarManager* manager = nullptr;
    TTestRibbon* ribbon = nullptr;
};

} // namespace ribbon_test
