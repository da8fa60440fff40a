#include "RibbonHeadTestSupport.h"

#include "platform/vcl/Form.h"
#include "platform/win/Input.h"
#include "ui/core/graphics/TextMeasure.h"
#include "ui/ribbon/controller/RibbonController.h"
#include "ui/ribbon/ribbon/Ribbon.h"
#include "ui/ribbon/ribbon/RibbonContexts.h"
#include "ui/ribbon/ribbon/RibbonFonts.h"
#include "ui/ribbon/tabs/RibbonTab.h"
#include "ui/ribbon/view/RibbonTabsViewInfo.h"
#include "ui/ribbon/view/RibbonViewInfo.h"

using namespace ribbon_demo;

namespace ribbon_head_test {

THeadParts& HeadParts() {
    static THeadParts parts;
    return parts;
}

namespace {

class TCaptionTestHelper : public IovRibbonFormCaptionHelper {
public:
    void Calculate() override {}
    void DrawCaption(TuiCanvas*) override {}
    TRect GetCaptionAreaBounds() override { return HeadParts().CaptionArea; }
    TRect GetTextBounds() override { return {}; }
    TRect GetIconBounds() override { return HeadParts().IconBounds; }
    bool IsInCaptionArea(const TPoint&) override { return false; }
    bool IsHelpButtonInCaption() override { return HeadParts().HelpButtonInCaption; }
};

class TPopupDouble : public IovRibbonTabGroupsPopup {
public:
    void SetAnimationMark(bool AValue) override { FMark = AValue; }
    bool AnimationMark() override { return FMark; }
    void Popup(const TRect&, TWinControl*) override { FVisible = true; }
    bool IsVisible() override { return FVisible; }
    void ClosePopup() override { FVisible = false; }

private:
    bool FMark = false;
    bool FVisible = false;
};

} // namespace

void TOverflowDock::ScrollGroups(bool ALeft, int) {
    ++(ALeft ? LeftSteps : RightSteps);
}

void TOverflowDock::PanGroups(int ADelta, int AWidth) {
    PannedBy += ADelta;
    PanWidth = AWidth;
}

IovRibbonGroupsDock* THeadTestRibbon::CreateGroupsDockControl(TovRibbonTab* ATab) {
    return HeadParts().Docks ? new TOverflowDock(ATab->Name(), ATab) : nullptr;
}

IovRibbonFormCaptionHelper* THeadTestRibbon::CreateFormCaptionHelper() {
    return new TCaptionTestHelper;
}

IovRibbonTabGroupsPopup* THeadTestRibbon::CreateTabGroupsPopupWindow() {
    return HeadParts().Popup ? new TPopupDouble : nullptr;
}

TRibbonDemoOptions HeadTestOptions(bool AQuickAccessToolbar, bool AOnCaptionForm) {
    TRibbonDemoOptions options;
    options.QuickAccessToolbar = AQuickAccessToolbar;
    options.MakeRibbon = [](TComponent* AForm) -> TovCustomRibbon* {
        return TovCustomRibbon::New<THeadTestRibbon>(AForm);
    };
    if (AOnCaptionForm) options.MakeForm = [] { return TCustomForm::New<TCaptionTestForm>(nullptr); };
    return options;
}

void RibbonHeadTest::SetUp() {
    library = std::make_unique<TRibbonDemoLibrary>();
    HeadParts() = THeadParts{};
}

void RibbonHeadTest::TearDown() {
    demo.reset();
    library.reset();
}

TRibbonDemoOptions RibbonHeadTest::PlainOptions() {
    TRibbonDemoOptions options;
    options.QuickAccessToolbar = false;
    return options;
}

void RibbonHeadTest::MakeDemo(const TRibbonDemoOptions& AOptions) {
    demo = std::make_unique<TRibbonDemoForm>(AOptions);
}

TovCustomRibbon* RibbonHeadTest::Ribbon() const {
    return demo->Ribbon();
}

TovRibbonViewInfo* RibbonHeadTest::ViewInfo() const {
    return ovRibbonViewInfo(Ribbon());
}

TovRibbonTabsViewInfo* RibbonHeadTest::Tabs() const {
    return ViewInfo()->TabsViewInfo();
}

TovRibbonController* RibbonHeadTest::Controller() const {
    return dynamic_cast<TovRibbonController*>(Ribbon()->Controller());
}

void RibbonHeadTest::ShowTabs(const std::vector<std::string>& ACaptions) {
    Ribbon()->BeginUpdate();
    demo->Context()->SetVisible(false);
    for (int i = 0; i < DemoPlainTabCount; ++i) {
        const bool shown = i < static_cast<int>(ACaptions.size());
        if (shown) demo->Tab(i)->SetCaption(ACaptions[i]);
        demo->Tab(i)->SetVisible(shown);
    }
    Ribbon()->EndUpdate();
}

int RibbonHeadTest::TextWidth(const std::string& AText) const {
    return uiMeasureTextWidth(Ribbon()->Fonts()->TabHeader(), AText);
}

void RibbonHeadTest::Recalculate() {
    Ribbon()->Changed();
}

void RibbonHeadTest::Advance(unsigned AMilliseconds) {
    Clock()->Advance(AMilliseconds);
    olva::win::PumpMessages();
}

} // namespace ribbon_head_test
