#include "RibbonTestSupport.h"

#include "platform/rtl/ComponentLoading.h"
#include "platform/rtl/Exceptions.h"
#include "platform/vcl/Font.h"
#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"
#include "ui/bars/BarManager.h"
#include "ui/ribbon/ribbon/RibbonFonts.h"
#include "ui/ribbon/tabs/RibbonTab.h"

using namespace ribbon_test;

namespace {

class RibbonFontsTest : public RibbonTest {
protected:
    TovRibbonFonts* Fonts() { return ribbon->Fonts(); }
};

TEST_F(RibbonFontsTest, UnassignedFontsFollowTheBarManager) {
    MakeRibbon();
    manager->SetScaled(false); // a scaled manager keeps the system's menu height
    manager->Font()->SetName("Noto Sans");
    manager->Font()->SetSize(11);
    Fonts()->UpdateFonts();
    EXPECT_TRUE(Fonts()->AssignedFonts().empty());
    for (auto index : {afTabHeader, afGroup, afGroupHeader, afApplicationButton}) {
        EXPECT_EQ(Fonts()->Font(index)->Name(), "Noto Sans");
        EXPECT_EQ(Fonts()->Font(index)->Size(), 11);
        EXPECT_FALSE(Fonts()->IsFontStored(index));
    }
}

TEST_F(RibbonFontsTest, ChangingOneAttributeMarksThatFontAsTheUsersAndTakingItOutRestoresIt) {
    MakeRibbon();
    manager->SetScaled(false);
    Fonts()->UpdateFonts();
    AddTab("Home");
    CallLog().clear();
    Fonts()->Group()->SetSize(14);
    EXPECT_EQ(Fonts()->AssignedFonts(), TovRibbonAssignedFonts{afGroup});
    EXPECT_TRUE(Fonts()->IsFontStored(afGroup));
    EXPECT_FALSE(Fonts()->IsFontStored(afTabHeader));
    // The group windows were told.
    EXPECT_EQ(CountCalls("Home.FontChanged"), 1);
    // The manager's font moves the others only.
    manager->Font()->SetSize(9);
    Fonts()->UpdateFonts();
    EXPECT_EQ(Fonts()->Group()->Size(), 14);
    EXPECT_EQ(Fonts()->TabHeader()->Size(), 9);
    Fonts()->SetAssignedFonts({});
    EXPECT_EQ(Fonts()->Group()->Size(), 9);
    EXPECT_TRUE(Fonts()->AssignedFonts().empty());
}

TEST_F(RibbonFontsTest, WithoutAUsableManagerTheRibbonsFontIsTheDefault) {
    MakeRibbon();
    ribbon->SetBarManager(nullptr);
    ribbon->Font()->SetName("DejaVu Serif");
    Fonts()->UpdateFonts();
    EXPECT_EQ(Fonts()->GroupHeader()->Name(), "DejaVu Serif");
}

TEST_F(RibbonFontsTest, ChangesWhileLoadingMarkNothing) {
    MakeRibbon();
    {
        TComponentLoading loading(form);
        Fonts()->TabHeader()->SetSize(20);
    }
    EXPECT_TRUE(Fonts()->AssignedFonts().empty());
}

TEST_F(RibbonFontsTest, AssigningAFontSetCopiesItsAssignedSetExactly) {
    MakeRibbon();
    TovRibbonFonts source(ribbon);
    source.SetAssignedFonts({afTabHeader});
    source.TabHeader()->SetSize(16);
    source.SetDocumentNameColor(0x0000FF);
    Fonts()->Assign(&source);
    // The four assignments would have marked all four.
    EXPECT_EQ(Fonts()->AssignedFonts(), TovRibbonAssignedFonts{afTabHeader});
    EXPECT_EQ(Fonts()->TabHeader()->Size(), 16);
    EXPECT_EQ(Fonts()->DocumentNameColor(), static_cast<TColor>(0x0000FF));
    EXPECT_THROW(Fonts()->Assign(ribbon->Tabs()), EConvertError);
}

TEST_F(RibbonFontsTest, QueriesHandOutOneWorkingCopyPerFont) {
    MakeRibbon();
    Fonts()->UpdateFonts();
    TFont* first = Fonts()->GetGroupFont();
    TFont* second = Fonts()->GetGroupFont();
    EXPECT_EQ(first, second);
    EXPECT_NE(first, Fonts()->Group());
    // The tab header and the context caption share their copy.
    TFont* tab = Fonts()->GetTabHeaderFont(0, nullptr);
    EXPECT_EQ(Fonts()->GetContextFont(clDefault), tab);
    // The copy never writes back into the published font.
    first->SetSize(40);
    EXPECT_NE(Fonts()->Group()->Size(), 40);
    EXPECT_EQ(Fonts()->GetApplicationButtonFont(2), Fonts()->GetApplicationButtonFont(0));
    EXPECT_EQ(Fonts()->DocumentNameColor(), clDefault);
}

TEST_F(RibbonFontsTest, TheCaptionFontIsTheSystemsCaptionFont) {
    MakeRibbon();
    Fonts()->UpdateFonts();
    NONCLIENTMETRICS metrics{};
    metrics.cbSize = sizeof(metrics);
    ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0));
    EXPECT_EQ(Fonts()->GetFormCaptionFont(true)->Name(), std::string(metrics.lfCaptionFont.lfFaceName));
    EXPECT_EQ(Fonts()->GetFormCaptionFont(true)->Height(), metrics.lfCaptionFont.lfHeight);
}

} // namespace
