// The fixture of the ribbon head's tests: the library on a fake clock and the demo form, with shortcuts to
// the ribbon's view information, tab row and controller, and to the sizes a test computes its
// expectations from (the tab font's text widths).
#pragma once

#include "../demo/RibbonDemoForm.h"
#include "../model/RibbonTestSupport.h"

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Form.h"
#include "ui/ribbon/form/RibbonFormCaptionHelperIntf.h"
#include "ui/ribbon/form/RibbonFormHost.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonSubObjects.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class TovCustomRibbon;
class TovRibbonController;
class TovRibbonTabsViewInfo;
class TovRibbonViewInfo;

namespace ribbon_head_test {

// What the head's test ribbon makes besides the real head: a caption helper with a given caption area,
// a groups popup double, groups rows that report an overflow.
struct THeadParts {
    TRect CaptionArea{};
    TRect IconBounds{};
    bool HelpButtonInCaption = false;
    bool Popup = false;
    // The groups rows say their groups overflow to this side (bit 0 left, bit 1 right); no rows at all
    // without Docks.
    bool Docks = false;
    std::uint8_t DockScrollButtons = 0;
};
THeadParts& HeadParts();

// A form whose caption its ribbon draws, as far as the ribbon asks.
class TCaptionTestForm : public TForm, public IovRibbonFormHost {
public:
    explicit TCaptionTestForm(TComponent* AOwner) : TForm(AOwner) {}
    void UpdateNonClientArea() override {}
    void HideRibbonUI() override {}
    void ShowRibbonUI() override {}
    void SetRibbon(TovCustomRibbon*) override {}
    void SetCaptionHelper(IovRibbonFormCaptionHelper* AHelper) override { Helper = AHelper; }
    void UpdateFrame() override {}
    void UpdateFrameStyle() override {}
    void RecalculateFrame() override {}
    bool IsNonClientDrawing() override { return Helper != nullptr; }
    bool IsCaptionOnGlass() override { return false; }
    bool IsFormActive() override { return true; }
    int GetExtraCaptionHeight() override { return 0; }
    bool IsAutoHideModeActive() override { return false; }
    void SwitchAutoHideModeOff() override {}
    bool IsRibbonUIHiddenByAutoHide() override { return false; }
    void SetActionUpdateTarget(TComponent*) override {}
    IovRibbonFormCaptionHelper* Helper = nullptr;
};

// A groups row that reports the overflow HeadParts() gives and counts its scroll steps and pans.
class TOverflowDock : public ribbon_test::TRecordingDock {
public:
    using TRecordingDock::TRecordingDock;
    std::uint8_t GetScrollButtons() const override { return HeadParts().DockScrollButtons; }
    void ScrollGroups(bool ALeft, int AWidth) override;
    void PanGroups(int ADelta, int AWidth) override;
    int LeftSteps = 0, RightSteps = 0, PannedBy = 0, PanWidth = 0;
};

class THeadTestRibbon : public TovRibbon {
public:
    IovRibbonGroupsDock* CreateGroupsDockControl(TovRibbonTab* ATab) override;

protected:
    friend class TovCustomRibbon;
    explicit THeadTestRibbon(TComponent* AOwner) : TovRibbon(AOwner) {}
    IovRibbonFormCaptionHelper* CreateFormCaptionHelper() override;
    IovRibbonTabGroupsPopup* CreateTabGroupsPopupWindow() override;
};

// The demo's options with the head's test ribbon (and a caption form when AOnCaptionForm).
ribbon_demo::TRibbonDemoOptions HeadTestOptions(bool AQuickAccessToolbar, bool AOnCaptionForm = false);

class RibbonHeadTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void MakeDemo(const ribbon_demo::TRibbonDemoOptions& AOptions = PlainOptions());
    // The demo without the quick access toolbar (the tab row at the top).
    static ribbon_demo::TRibbonDemoOptions PlainOptions();
    TovCustomRibbon* Ribbon() const;
    TovRibbonViewInfo* ViewInfo() const;
    TovRibbonTabsViewInfo* Tabs() const;
    TovRibbonController* Controller() const;
    // Only the first tabs show, with these captions (the context hidden, the other tabs hidden).
    void ShowTabs(const std::vector<std::string>& ACaptions);
    // Widths in the tab header font.
    int TextWidth(const std::string& AText) const;
    // The ribbon lays out again.
    void Recalculate();
    TFakeClock* Clock() const { return library->Clock(); }
    // Moves the clock and runs the timers that came due.
    void Advance(unsigned AMilliseconds);

    std::unique_ptr<ribbon_demo::TRibbonDemoLibrary> library;
    std::unique_ptr<ribbon_demo::TRibbonDemoForm> demo;
};

} // namespace ribbon_head_test
