// The 2007 colour schemes: their palettes as differences from the textured skin, Silver taking Black's
// colours, a filter-band colour asked in any state, what a low-colour screen keeps, the bottom edge, and
// their identity.
#include "RibbonSkinTestSupport.h"

#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/ribbon/skins/Ribbon2007Skins.h"

using namespace ribbon_skin_test;
using namespace ribbon_sheets;

namespace ribbon_2007_skins_test {

using Ribbon2007SkinsTest = RibbonSkinTest;

struct TDelta {
    int Key, State;
    TColor Color;
};

template <class TSkin> class TLowColour : public TSkin {
public:
    TLowColour() { this->SetLowColors(true); }
};

TEST_F(Ribbon2007SkinsTest, PalettesOfTheThreeSchemes) {
    TovBlueRibbonSkin blue;
    TovBlackRibbonSkin black;
    TovSilverRibbonSkin silver;
    const TDelta blueDeltas[] = {
        {9, 0, 0xFBF2EA},     {9, 1, 0xEFEFEF},     {9, 5, clWhite},      {9, 6, clBtnFace},
        {10, 2, 0xE1C7B3},    {12, 1, 0xC6BBB1},    {12, 8, 0xC6BBB1},    {12, 3, 0xDEC7AD},
        {12, 4, 0x45667B},    {12, 6, clWhite},     {20, 0, 0xEFE7DE},    {51, 3, 0xFBF3EC},
        {51, 0, 0xF8E6D4},    {52, 4, 0xEDD0B9},    {66, 0, 0x6E1500},    {66, 2, 0xFF6600},
        {362, 0, 0x6E1500},   {362, 8, 0xA7A7A7},   {425, 3, 0x85B6CA},   {10065, 0, 0xFFDBBF},
        {10130, 1, 0xA0A0A0}, {10131, 0, 0x797069}, {10132, 5, 0x8B4215}, {10134, 0, 0xAA6A3E},
        {10138, 1, 0x8D8D8D}, {335, 0, 0x8B4215}};
    for (const TDelta& d : blueDeltas)
        EXPECT_EQ(d.Color, blue.GetPartColor(d.Key, d.State, rcsaYellow))
            << "Blue " << d.Key << "/" << d.State;
    const TDelta blackDeltas[] = {{9, 0, 0xE8E8E8},     {10, 0, 0x898989},    {10, 1, 0xCCCCCC},
                                  {12, 3, 0xB7B7B7},    {20, 0, 0xEFEBEF},    {41, 0, 0xA49991},
                                  {66, 0, clWhite},     {66, 2, 0x32D2FF},    {362, 4, 0x464646},
                                  {10018, 0, 0x696969}, {10130, 0, 0xFFD1AE}, {10131, 0, clWhite},
                                  {10132, 3, clBlack},  {10132, 2, clWhite},  {10134, 0, clWhite},
                                  {10138, 0, clWhite},  {10138, 7, clBlack},  {10138, 5, 0xC2C2C2}};
    for (const TDelta& d : blackDeltas)
        EXPECT_EQ(d.Color, black.GetPartColor(d.Key, d.State, rcsaYellow))
            << "Black " << d.Key << "/" << d.State;
    // Silver: its own colours, and Black's where it has none.
    const TDelta silverDeltas[] = {{9, 0, 0xE8E8E8},     {19, 0, 0xDAD5D2},    {12, 4, 0x45667B},
                                   {51, 2, 0xF2F1F0},    {52, 0, 0xB8B1A9},    {66, 2, 0x32D2FF},
                                   {362, 0, 0x5C534C},   {362, 8, 0xA7A7A7},   {10065, 0, 0xDDD4D0},
                                   {10098, 0, 0x7A736E}, {10099, 0, 0xD9D0CD}, {10130, 0, 0xAA6E35},
                                   {10131, 4, 0x8A8A8A}, {10132, 0, 0x595453}, {10133, 0, 0x5C534C},
                                   {10138, 1, 0x8D8D8D}, {10138, 2, 0x595453}};
    for (const TDelta& d : silverDeltas)
        EXPECT_EQ(d.Color, silver.GetPartColor(d.Key, d.State, rcsaYellow))
            << "Silver " << d.Key << "/" << d.State;
}

TEST_F(Ribbon2007SkinsTest, TheFilterBandTextInAnyStateIsTheInheritedColour) {
    TovBlueRibbonSkin blue;
    TovBlackRibbonSkin black;
    TovSilverRibbonSkin silver;
    for (TovCustomRibbonSkin* skin :
         {static_cast<TovCustomRibbonSkin*>(&blue), static_cast<TovCustomRibbonSkin*>(&black),
          static_cast<TovCustomRibbonSkin*>(&silver)})
        for (int state : {1, 3, 4, 5, 6, 7, 8, 9, -1}) {
            TColor color = clNone;
            EXPECT_NO_THROW(color = skin->GetPartColor(66, state, rcsaYellow))
                << skin->GetName() << " " << state;
            EXPECT_EQ(TColor(clBtnText), color) << skin->GetName() << " " << state;
        }
}

TEST_F(Ribbon2007SkinsTest, LowColourKeepsTheTexturedColoursAndTheBottomEdge) {
    TLowColour<TovSilverRibbonSkin> silver;
    TLowColour<TovBlueRibbonSkin> blue;
    for (TovCustomRibbonSkin* skin :
         {static_cast<TovCustomRibbonSkin*>(&silver), static_cast<TovCustomRibbonSkin*>(&blue)}) {
        EXPECT_EQ(TColor(clBtnFace), skin->GetPartColor(9, 0, rcsaYellow)) << skin->GetName();
        EXPECT_EQ(TColor(clMenuText), skin->GetPartColor(362, 0, rcsaYellow)) << skin->GetName();
        EXPECT_EQ(TColor(0xA7A7A7), skin->GetPartColor(362, 8, rcsaYellow)) << skin->GetName();
        EXPECT_EQ(TColor(clWindowText), skin->GetPartColor(335, 0, rcsaYellow)) << skin->GetName();
        TColor inner, outer, side;
        skin->GetApplicationMenuColors(inner, outer, side);
        EXPECT_EQ(TColor(0xCAAF9B), inner) << skin->GetName() << ": the base's colours";
        EXPECT_EQ(TColor(clWhite), outer);
        EXPECT_EQ(TColor(0xEDD3BE), side);
    }
    // The bottom edge: one row of each colour, on any screen.
    auto edge = MakeCanvas(10, 2, kBackground);
    silver.DrawRibbonBottomEdge(DCOf(*edge), TRect{0, 0, 10, 2});
    EXPECT_EQ(ColorToRGB(0x808080), ColorAt(*edge, 5, 0));
    EXPECT_EQ(ColorToRGB(0xDCE1EB), ColorAt(*edge, 5, 1));
    auto taller = MakeCanvas(10, 4, kBackground);
    TovBlackRibbonSkin black;
    black.DrawRibbonBottomEdge(DCOf(*taller), TRect{0, 0, 10, 4});
    EXPECT_EQ(ColorToRGB(0x4F4F4F), ColorAt(*taller, 5, 0));
    for (int y = 1; y < 4; ++y)
        EXPECT_EQ(ColorToRGB(0x626262), ColorAt(*taller, 5, y));
}

TEST_F(Ribbon2007SkinsTest, IdentityAndTheCellsTheyCut) {
    TCodedSheets sheets;
    TovBlueRibbonSkin blue;
    TovBlackRibbonSkin black;
    TovSilverRibbonSkin silver;
    const char* names[] = {"Blue", "Black", "Silver"};
    int i = 0;
    for (TovCustomRibbonSkin* skin :
         {static_cast<TovCustomRibbonSkin*>(&blue), static_cast<TovCustomRibbonSkin*>(&black),
          static_cast<TovCustomRibbonSkin*>(&silver)}) {
        EXPECT_EQ(names[i++], skin->GetName());
        EXPECT_EQ(rs2007, skin->GetStyle());
        EXPECT_FALSE(skin->IsApplicationButtonTab());
        EXPECT_EQ((TSize{42, 42}), skin->GetApplicationButtonSize());
        skin->AddRef();
        for (const TovRibbonCutInfo& cut : kRibbonCuts)
            EXPECT_EQ((cut.Families & rf2007) != 0, skin->WasCut(cut.Cut))
                << skin->GetName() << " " << cut.Name;
        skin->Release();
    }
}

} // namespace ribbon_2007_skins_test
