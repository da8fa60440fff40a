#include "RibbonTestSupport.h"

#include "platform/vcl/Application.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/VclInit.h"
#include "platform/win/Presenter.h"
#include "ui/bars/Bar.h"
#include "ui/bars/BarManager.h"
#include "ui/bars/BarUnit.h"
#include "ui/bars/painting/BarPainter.h"
#include "ui/core/UiCoreInit.h"
#include "ui/painters/PaintersInit.h"
#include "ui/ribbon/RibbonUnit.h"
#include "ui/ribbon/form/RibbonFormCaptionHelperIntf.h"
#include "ui/ribbon/skins/RibbonSkinsManager.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/tabs/RibbonTabGroup.h"

#include <algorithm>

namespace ribbon_test {

std::vector<std::string>& CallLog() {
    static std::vector<std::string> log;
    return log;
}

std::vector<std::string> TakeCalls() {
    std::vector<std::string> calls;
    calls.swap(CallLog());
    return calls;
}

int CountCalls(const std::string& AWhat) {
    return static_cast<int>(std::count(CallLog().begin(), CallLog().end(), AWhat));
}

TTestParts& Parts() {
    static TTestParts parts;
    return parts;
}

// ---- View information

void TRecordingViewInfo::Calculate() {
    CallLog().push_back("ViewInfo.Calculate");
    FRibbon->UpdateHeight();
}

void TRecordingViewInfo::UpdateNonClientDrawingFlags() {
    CallLog().push_back("ViewInfo.UpdateNonClientDrawingFlags");
}

bool TRecordingViewInfo::SupportsNonClientDrawing() {
    return FRibbon->SupportNonClientDrawing() && FRibbon->GetRibbonForm() != nullptr && FRibbon->Visible();
}

void TRecordingViewInfo::DrawApplicationButton(HDC, const TRect& R) {
    CallLog().push_back("ViewInfo.DrawApplicationButton " + std::to_string(R.left) + "," +
                        std::to_string(R.top));
}

// ---- Docks

TRecordingDock::~TRecordingDock() {
    Log("Freed");
}

void TRecordingDock::Log(const std::string& AWhat) const {
    CallLog().push_back(Name + "." + AWhat);
}

void TRecordingDock::SetVisible(bool AValue) {
    if (FVisible == AValue) return;
    FVisible = AValue;
    Log(AValue ? "Show" : "Hide");
}

void TRecordingDock::CalculateLayout(const TRect& R) {
    Layout = R;
    Log("CalculateLayout");
}

void TRecordingDock::ScrollGroups(bool ALeft, int AWidth) {
    Log(std::string(ALeft ? "ScrollLeft " : "ScrollRight ") + std::to_string(AWidth));
}

TRecordingDock* DockOf(TovRibbonTab* ATab) {
    return dynamic_cast<TRecordingDock*>(ATab->DockControl());
}

// ---- The other doubles

namespace {

class TRecordingBarPainter : public TovBarPainter, public IovRibbonBarPainter {
public:
    void CalculateCollapsedGroupProportion() override { CallLog().push_back("BarPainter.Proportion"); }
    int GetGroupRowHeight(int AImageSize, TFont*) override {
        return AImageSize == 16 ? Parts().GroupRowHeight : -1;
    }
    int GetGroupCaptionHeight(TFont*) override { return 15; }
};

class TRecordingController : public IovRibbonController {
public:
    void HideHint() override { CallLog().push_back("Controller.HideHint"); }
    void ClearPressedObject() override { CallLog().push_back("Controller.ClearPressed"); }
    bool CloseApplicationMenu() override {
        CallLog().push_back("Controller.CloseApplicationMenu");
        return true;
    }
};

class TRecordingPopup : public IovRibbonTabGroupsPopup {
public:
    void SetAnimationMark(bool AValue) override { FMark = AValue; }
    bool AnimationMark() override { return FMark; }
    void Popup(const TRect&, TWinControl*) override {
        FVisible = true;
        CallLog().push_back(std::string("Popup.Show ") + (FMark ? "slide" : "plain"));
    }
    bool IsVisible() override { return FVisible; }
    void ClosePopup() override {
        FVisible = false;
        CallLog().push_back("Popup.Close");
    }

private:
    bool FMark = false;
    bool FVisible = false;
};

class TRecordingCaptionHelper : public IovRibbonFormCaptionHelper {
public:
    ~TRecordingCaptionHelper() override { CallLog().push_back("CaptionHelper.Freed"); }
    void Calculate() override { CallLog().push_back("CaptionHelper.Calculate"); }
    void DrawCaption(TuiCanvas*) override {}
    TRect GetCaptionAreaBounds() override { return {}; }
    TRect GetTextBounds() override { return {}; }
    TRect GetIconBounds() override { return {}; }
    bool IsInCaptionArea(const TPoint&) override { return false; }
};

} // namespace

IovRibbonViewInfo* TTestRibbon::CreateViewInfo() {
    return Parts().ViewInfo ? new TRecordingViewInfo(this) : nullptr;
}

TWinControl* TTestRibbon::CreateGroupsDockControlSite() {
    auto* site = new TWinControl(this);
    site->SetBounds(0, 54, 600, 90);
    return site;
}

TovBarPainter* TTestRibbon::CreateBarPainter() {
    return Parts().BarPainter ? new TRecordingBarPainter : nullptr;
}

IovRibbonController* TTestRibbon::CreateController() {
    return Parts().Controller ? new TRecordingController : nullptr;
}

IovRibbonTabGroupsPopup* TTestRibbon::CreateTabGroupsPopupWindow() {
    return Parts().Popup ? new TRecordingPopup : nullptr;
}

IovRibbonFormCaptionHelper* TTestRibbon::CreateFormCaptionHelper() {
    return Parts().CaptionHelper ? new TRecordingCaptionHelper : nullptr;
}

IovRibbonGroupsDock* TTestRibbon::CreateGroupsDockControl(TovRibbonTab* ATab) {
    return Parts().Docks ? new TRecordingDock(ATab->Caption().empty() ? ATab->Name() : ATab->Caption(), ATab)
                         : nullptr;
}

IovRibbonDockControl* TTestRibbon::CreateQuickAccessDockControl() {
    return Parts().Docks ? new TRecordingDock("QAT", nullptr) : nullptr;
}

// ---- Fixture

void RibbonTest::SetUp() {
    olva::win::ResetWindowSystem();
    clock = std::make_unique<TFakeClock>(0, 100000);
    clockOverride = std::make_unique<TClockOverride>(*clock);
    InitializeVcl();
    uiCoreInitialize();
    uiPaintersInitialize();
    uiRibbonInitialize();
    // The unit registered the program's skins; the model's tests work with no skin or skins of their own.
    UnregisterRibbonSkins();
    Parts() = TTestParts{};
    form = TCustomForm::New<TForm>(nullptr);
    form->SetName("Form1");
    form->SetBounds(100, 100, 800, 500);
    manager = new TovBarManager(form);
    manager->SetName("BarManager1");
    CallLog().clear();
}

void RibbonTest::TearDown() {
    delete form;
    uiRibbonFinalize();
    uiBarsFinalize();
    uiPaintersFinalize();
    uiCoreFinalize();
    FinalizeVcl();
    olva::win::ResetWindowSystem();
    clockOverride.reset();
    clock.reset();
    CallLog().clear();
}

TTestRibbon* RibbonTest::MakeRibbon() {
    ribbon = TovCustomRibbon::New<TTestRibbon>(form);
    ribbon->SetName("Ribbon1");
    ribbon->SetParent(form);
    ribbon->SetBarManager(manager);
    CallLog().clear();
    return ribbon;
}

TovBar* RibbonTest::AddBar(const std::string& AName, const std::string& ACaption) {
    TovBar* bar = manager->Bars()->Add();
    bar->SetName(AName);
    bar->SetCaption(ACaption);
    bar->SetVisible(true);
    return bar;
}

TovRibbonTab* RibbonTest::AddTab(const std::string& ACaption) {
    TovRibbonTab* tab = ribbon->Tabs()->Add();
    tab->SetCaption(ACaption);
    if (TRecordingDock* dock = DockOf(tab)) dock->Name = ACaption;
    return tab;
}

TovRibbonTabGroup* RibbonTest::AddGroup(TovRibbonTab* ATab, TovBar* ABar) {
    TovRibbonTabGroup* group = ATab->Groups()->Add();
    group->SetToolBar(ABar);
    return group;
}

} // namespace ribbon_test
