// A skin's life with its ribbons: the sheets load with the first user and go with the last, a failed load
// leaves nothing behind and the next user tries again, and the parts are cut where the catalogue says,
// with IDs that follow the states.
#include "BaseTestSkin.h"
#include "RibbonSkinTestSupport.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Resources.h"
#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/bars/skin/SkinnedRect.h"
#include "ui/core/base/CoreServices.h"
#include "ui/core/platform/GdiPlusImage.h"
#include "ui/ribbon/skins/RibbonSheetLayout.h"

using namespace ribbon_skin_test;
using namespace ribbon_sheets;

namespace ribbon_skin_life_test {

using RibbonSkinLifeTest = RibbonSkinTest;

int PartsCut(const TBaseTestSkin& ASkin) {
    return ASkin.Count();
}

TEST_F(RibbonSkinLifeTest, TwoUsersLoadOnceAndTheLastFreesTheParts) {
    TCodedSheets sheets;
    TBaseTestSkin skin;
    EXPECT_EQ(0, skin.Count());
    skin.AddRef();
    skin.AddRef();
    EXPECT_EQ(1, skin.Loads);
    EXPECT_EQ(2, skin.UseCount());
    const int parts = PartsCut(skin);
    EXPECT_GT(parts, 0);
    skin.Release();
    EXPECT_EQ(parts, skin.Count()) << "one user is left: the parts stay";
    EXPECT_NE(nullptr, skin.PartOf(TovRibbonCut::ScreenTip, 0));
    skin.Release();
    EXPECT_EQ(0, skin.Count());
    EXPECT_EQ(nullptr, skin.PartOf(TovRibbonCut::ScreenTip, 0));
    skin.Release(); // one release too many does nothing
    EXPECT_EQ(0, skin.UseCount());
    skin.AddRef();
    EXPECT_EQ(2, skin.Loads) << "used again, the skin loads again";
    EXPECT_EQ(parts, skin.Count());
}

TEST_F(RibbonSkinLifeTest, AFailedLoadLeavesNothingAndTheNextUserTriesAgain) {
    TCodedSheets sheets;
    sheets.Replace("BROKENSHEET", "\x89PNG\r\n\x1a\n not a picture");
    struct TCase {
        const char* Sheet;
        const char* What;
    };
    for (const TCase& c : {TCase{"NOSUCHSHEET", "missing"}, TCase{"BROKENSHEET", "undecodable"}}) {
        TBaseTestSkin skin;
        skin.ColorSheet = c.Sheet;
        EXPECT_ANY_THROW(skin.AddRef()) << c.What;
        EXPECT_EQ(0, skin.UseCount()) << c.What;
        EXPECT_EQ(0, skin.Count()) << c.What << ": the common parts cut before the failure are gone";
        EXPECT_EQ(-1, skin.PartIndex(TovRibbonCut::QatGlassBody, 0)) << c.What;
        EXPECT_EQ(-1, skin.PartIndex(TovRibbonCut::SmallButton, 2)) << c.What;
        skin.ColorSheet = "RIBBONBLUE";
        skin.AddRef();
        EXPECT_EQ(1, skin.UseCount()) << c.What;
        EXPECT_NE(nullptr, skin.PartOf(TovRibbonCut::ScreenTip, 0)) << c.What;
    }
}

TEST_F(RibbonSkinLifeTest, StripIDsFollowTheStatesAndRowsFollowTheRowTable) {
    TCodedSheets sheets;
    TBaseTestSkin skin;
    skin.AddRef();
    // The small button: states 2..8 take rows 0, 0, 1, 2, 2, 3, 4 and the IDs 10284..10290.
    const int rows[9] = {-1, -1, 0, 0, 1, 2, 2, 3, 4};
    for (int state = 0; state < 9; ++state) {
        TovSkinnedRect* part = skin.PartOf(TovRibbonCut::SmallButton, state);
        if (rows[state] < 0) {
            EXPECT_EQ(nullptr, part) << "state " << state;
            continue;
        }
        ASSERT_NE(nullptr, part) << "state " << state;
        EXPECT_EQ(10282 + state, part->ID());
        auto canvas = MakeCanvas(22, 22);
        part->Draw(DCOf(*canvas), TRect{0, 0, 22, 22}, 255);
        EXPECT_EQ((TCellName{10282, rows[state]}), CellAt(*canvas, 11, 11)) << "state " << state;
        EXPECT_EQ((TRect{2, 2, 2, 2}), part->FixedMargins());
    }
    // The first part of the list is the glass toolbar body, which no strip uses.
    EXPECT_EQ(0, skin.PartIndex(TovRibbonCut::QatGlassBody, 0));
    EXPECT_EQ(10057, skin.GetPart(0)->ID());
}

TEST_F(RibbonSkinLifeTest, AddStatePartsCutsTheStatesOfItsSetAlone) {
    TCodedSheets sheets;
    TBaseTestSkin skin;
    skin.CutSmallButtons = false;
    skin.AddRef();
    auto image = std::make_unique<TovGPImage>();
    TResourceStream stream("RIBBONCOMMON", "RCDATA");
    image->LoadFromStream(&stream);
    TovCustomRibbonSkin::TPartTable parts;
    parts.fill(-1);
    const std::uint8_t rows[] = {1, 0};
    // States 3 and 6, rows 1 and 0, horizontal cells: IDs 20003 and 20006.
    const TRect first = CutCell(TovRibbonCut::PinGlyph, 0);
    skin.AddStateParts(image->GetHandle(), parts, first, 20000, TRect{}, rows, 2, (1u << 3) | (1u << 6),
                       false, 0);
    EXPECT_EQ(-1, parts[0]);
    EXPECT_EQ(20003, skin.GetPart(parts[3])->ID());
    EXPECT_EQ(20006, skin.GetPart(parts[6])->ID());
    auto canvas = MakeCanvas(16, 16);
    skin.GetPart(parts[3])->Draw(DCOf(*canvas), TRect{0, 0, 16, 16}, 255);
    EXPECT_EQ((TCellName{10579, 1}), CellAt(*canvas, 8, 8)) << "row 1 lies one cell to the right";
}

TEST_F(RibbonSkinLifeTest, AnElementWithoutAPartDrawsNothing) {
    TCodedSheets sheets;
    TBaseTestSkin skin;
    skin.CutSmallButtons = false;
    skin.AddRef();
    auto canvas = MakeCanvas(30, 30);
    // Never cut: no part, and never the list's first part in its place.
    skin.DrawStatePart(TovRibbonCut::SmallButton, DCOf(*canvas), ovSkinStateHot, TRect{0, 0, 30, 30});
    skin.DrawPart(TovRibbonCut::LargeButton, 0, DCOf(*canvas), TRect{0, 0, 30, 30});
    skin.DrawCenteredPart(TovRibbonCut::MenuCheckMark, 0, DCOf(*canvas), TRect{0, 0, 30, 30});
    EXPECT_TRUE(IsUniform(*canvas, 0xFF000000));
    // States outside 0..8 and entries outside the table neither.
    skin.DrawStatePart(TovRibbonCut::EditButton, DCOf(*canvas), 9, TRect{0, 0, 30, 30});
    skin.DrawStatePart(TovRibbonCut::EditButton, DCOf(*canvas), -1, TRect{0, 0, 30, 30});
    EXPECT_EQ(-1, skin.PartIndex(TovRibbonCut::EditButton, 40));
    EXPECT_TRUE(IsUniform(*canvas, 0xFF000000));
}

TEST_F(RibbonSkinLifeTest, LowColorsDrawStateStripsAsFlatFrames) {
    TCodedSheets sheets;
    TBaseTestSkin skin;
    skin.SetLowColors(true);
    skin.AddRef();
    auto canvas = MakeCanvas(20, 20);
    skin.DrawStatePart(TovRibbonCut::SmallButton, DCOf(*canvas), ovSkinStatePressed, TRect{0, 0, 20, 20});
    EXPECT_EQ(ColorToRGB(clHighlight), ColorAt(*canvas, 10, 10));
    EXPECT_EQ(ColorToRGB(clBtnShadow), ColorAt(*canvas, 0, 10));
    // A state the strip has no part for still draws nothing.
    auto empty = MakeCanvas(20, 20);
    skin.DrawStatePart(TovRibbonCut::SmallButton, DCOf(*empty), ovSkinStateNormal, TRect{0, 0, 20, 20});
    EXPECT_TRUE(IsUniform(*empty, 0xFF000000));
}

} // namespace ribbon_skin_life_test
