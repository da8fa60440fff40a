#include "RibbonTestSupport.h"

#include "platform/vcl/Application.h"
#include "platform/vcl/Form.h"
#include "platform/vcl/Panel.h"
#include "ui/bars/BarManager.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/platform/GdiPlusApi.h"
#include "ui/ribbon/ribbon/RibbonUnitServices.h"
#include "ui/ribbon/tabs/RibbonTab.h"

using namespace ribbon_test;

namespace {

class RibbonCreationTest : public RibbonTest {};

std::string CreationError(TComponent* AOwner) {
    try {
        TovCustomRibbon::New<TovRibbon>(AOwner);
    } catch (const EovException& error) {
        return error.Message();
    }
    return "created";
}

TEST_F(RibbonCreationTest, TheThreeRefusalsNameTheClass) {
    // A second ribbon on a form that has one.
    TovCustomRibbon::New<TovRibbon>(form);
    EXPECT_EQ(CreationError(form), "There should be only one TovRibbon instance on the form");
    // An owner that is no form.
    TComponent notAForm(nullptr);
    EXPECT_EQ(CreationError(&notAForm), "TovRibbon should have TCustomForm as its Owner");
    // No imaging library.
    TForm* other = TCustomForm::New<TForm>(nullptr);
    FreeGdiPlus();
    ovGpSetLibraryMissing(true);
    const std::string missing = CreationError(other);
    ovGpSetLibraryMissing(false);
    EXPECT_EQ(missing, "TovRibbon requires the Microsoft GDI+ library to be installed");
    EXPECT_EQ(other->ComponentCount(), 0); // nothing was left behind by the refusals
    delete other;
}

TEST_F(RibbonCreationTest, ANullOwnerIsTheMainFormAndWithoutOneTheOwnerIsRefused) {
    EXPECT_EQ(CreationError(nullptr), "TovRibbon should have TCustomForm as its Owner");
    TForm* mainForm = nullptr;
    Application()->CreateForm(mainForm);
    ASSERT_EQ(Application()->MainForm(), mainForm);
    TovRibbon* made = TovCustomRibbon::New<TovRibbon>(nullptr);
    EXPECT_EQ(made->Owner(), mainForm);
    delete mainForm;
}

TEST_F(RibbonCreationTest, APanelAsParentPutsTheRibbonOnItsFormAtTheTop) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(10, 200, 300, 100);
    MakeRibbon();
    ribbon->SetTop(40);
    ribbon->SetParent(panel);
    EXPECT_EQ(ribbon->Parent(), form);
    EXPECT_EQ(ribbon->Top(), 0);
    EXPECT_EQ(ribbon->Align(), alTop);
}

TEST_F(RibbonCreationTest, ARibbonIsListedWhileItLivesAndStartsAsTheModelSays) {
    MakeRibbon();
    ASSERT_EQ(GetRibbonList().size(), 1u);
    EXPECT_EQ(GetRibbonList()[0], ribbon);
    EXPECT_EQ(FindRibbonOfComponent(manager), ribbon);
    EXPECT_TRUE(ribbon->ShowTabGroups());
    EXPECT_TRUE(ribbon->ShowTabHeaders());
    EXPECT_TRUE(ribbon->EnableTabAero());
    EXPECT_TRUE(ribbon->MinimizeOnTabDblClick);
    EXPECT_EQ(ribbon->PopupMenuItems(), ovRibbonAllPopupMenuItems);
    EXPECT_EQ(ribbon->Tabs()->Count(), 0); // a design-time tab only while designing
    EXPECT_FALSE(ribbon->CanFocus());
    delete ribbon;
    EXPECT_TRUE(GetRibbonList().empty());
    EXPECT_EQ(FindRibbonOfComponent(manager), nullptr);
}

TEST_F(RibbonCreationTest, DesigningAddsOneTabAndBindsTheFormsBarManager) {
    form->SetDesigning(true);
    auto* made = TovCustomRibbon::New<TTestRibbon>(form);
    EXPECT_EQ(made->BarManager(), manager);
    ASSERT_EQ(made->Tabs()->Count(), 1);
    EXPECT_EQ(made->ActiveTab(), made->Tabs()->Items(0));
}

TEST_F(RibbonCreationTest, ABarPainterIsPreparedOnceAtCreation) {
    MakeRibbon();
    // MakeRibbon cleared the log after creation; a new ribbon on another form shows the call.
    TForm* other = TCustomForm::New<TForm>(nullptr);
    TovCustomRibbon::New<TTestRibbon>(other);
    EXPECT_EQ(CountCalls("BarPainter.Proportion"), 1);
    delete other;
}

} // namespace

#include "platform/rtl/ClassRegistry.h"

namespace {

TEST_F(RibbonCreationTest, TheUnitRegistersTabsForForms) {
    TPersistent* made = FindClass("TovRibbonTab").Create(form);
    EXPECT_NE(dynamic_cast<TovRibbonTab*>(made), nullptr);
    delete made;
}

} // namespace
