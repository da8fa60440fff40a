// The skins manager: look-ups by name (ASCII letter case aside) and style, registration order kept,
// duplicates, null and a missing imaging interface refused with the skin left to its caller.
#include "BaseTestSkin.h"
#include "RibbonSkinTestSupport.h"

#include "tests/ui/core/GdiPlusTestSupport.h"
#include "ui/ribbon/skins/RibbonSkinsManager.h"

using namespace ribbon_skin_test;

namespace ribbon_skins_manager_test {

class TNamedSkin : public TBaseTestSkin {
public:
    TNamedSkin(std::string AName, TovRibbonStyle AStyle) : FName(std::move(AName)), FStyle(AStyle) {}
    std::string GetName() const override { return FName; }
    TovRibbonStyle GetStyle() const override { return FStyle; }

private:
    std::string FName;
    TovRibbonStyle FStyle;
};

std::unique_ptr<TovCustomRibbonSkin> Skin(const std::string& AName, TovRibbonStyle AStyle) {
    return std::make_unique<TNamedSkin>(AName, AStyle);
}

using RibbonSkinsManagerTest = RibbonSkinTest;

TEST_F(RibbonSkinsManagerTest, FindIgnoresLetterCaseButNeedsTheStyle) {
    TovRibbonSkinsManager manager;
    std::unique_ptr<TovCustomRibbonSkin> blue = Skin("Blue", rs2010), silver = Skin("Silver", rs2010),
                                         white = Skin("White", rs2013);
    TovCustomRibbonSkin* silverSkin = silver.get();
    EXPECT_EQ(0, manager.Add(blue));
    EXPECT_EQ(1, manager.Add(silver));
    EXPECT_EQ(2, manager.Add(white));
    EXPECT_EQ(nullptr, silver.get()) << "the manager took the skin over";
    EXPECT_EQ(silverSkin, manager.Find("silver", rs2010));
    EXPECT_EQ(silverSkin, manager.Find("SILVER", rs2010));
    EXPECT_EQ(nullptr, manager.Find("Silver", rs2013));
    EXPECT_EQ(nullptr, manager.Find("Silver ", rs2010));
    EXPECT_EQ(nullptr, manager.Find("Gold", rs2010));
    // Only ASCII letters fold: "İ" is not "i".
    EXPECT_EQ(nullptr, manager.Find("Whİte", rs2013));
    ASSERT_EQ(3, manager.Count());
    EXPECT_EQ("Blue", manager.Items(0)->GetName());
    EXPECT_EQ("Silver", manager.Items(1)->GetName());
    EXPECT_EQ("White", manager.Items(2)->GetName());
}

TEST_F(RibbonSkinsManagerTest, DuplicatesNullAndNoImagingInterfaceAreRefused) {
    TovRibbonSkinsManager manager;
    std::unique_ptr<TovCustomRibbonSkin> blue = Skin("Blue", rs2007);
    ASSERT_EQ(0, manager.Add(blue));
    std::unique_ptr<TovCustomRibbonSkin> again = Skin("BLUE", rs2007);
    EXPECT_EQ(-1, manager.Add(again));
    EXPECT_NE(nullptr, again.get()) << "a refused skin stays with its caller";
    std::unique_ptr<TovCustomRibbonSkin> none;
    EXPECT_EQ(-1, manager.Add(none));
    std::unique_ptr<TovCustomRibbonSkin> otherStyle = Skin("Blue", rs2010);
    {
        gdiplus_test::TMissingLibrary missing;
        EXPECT_EQ(-1, manager.Add(otherStyle));
        EXPECT_NE(nullptr, otherStyle.get());
    }
    EXPECT_EQ(1, manager.Count());
    EXPECT_EQ(1, manager.Add(otherStyle));
}

TEST_F(RibbonSkinsManagerTest, TheUnitMakesTheManagerAndItsEndFreesIt) {
    TovRibbonSkinsManager* manager = SkinsManager();
    ASSERT_NE(nullptr, manager);
    EXPECT_EQ(manager, SkinsManager());
    UnregisterRibbonSkins();
    TovRibbonSkinsManager* fresh = SkinsManager();
    ASSERT_NE(nullptr, fresh);
    EXPECT_EQ(0, fresh->Count()) << "after the end a new, empty manager is made";
}

} // namespace ribbon_skins_manager_test
