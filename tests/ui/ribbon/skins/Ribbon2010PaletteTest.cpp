// The colours of the 2010 schemes: Silver's effective palette (the main window's) pinned key by key in every
// state, Blue's and Black's differences from it, and what a low-colour screen keeps of each scheme.
#include "RibbonSkinTestSupport.h"

#include "ui/bars/skin/SkinPartKinds.h"
#include "ui/ribbon/skins/Ribbon2010Skins.h"

#include <functional>

using namespace ribbon_skin_test;

namespace ribbon_2010_palette_test {

using RibbonPaletteTest = RibbonSkinTest;

using TRule = std::function<TColor(int AState, TovRibbonColorSchemeAccent AAccent)>;
struct TKeyRule {
    std::vector<int> Keys;
    TRule Rule;
};

bool Disabled(int S) {
    return S == 1 || S == 8;
}

TColor Always(TColor C, int, TovRibbonColorSchemeAccent) {
    return C;
}
TRule Fixed(TColor C) {
    return [C](int S, TovRibbonColorSchemeAccent A) { return Always(C, S, A); };
}

// The main window's colours outside low-colour mode, every layer applied.
std::vector<TKeyRule> SilverPalette() {
    constexpr TColor Text = 0x5B391E;
    return {
        {{9}, [](int S, auto) { return S == 1             ? TColor(0xFAFAFA)
                                       : S == 6 || S == 7 ? clBtnFace
                                                          : clWhite; }},
        {{10},
         [](int S, auto) {
             return S == 0             ? TColor(0xD9D6D4)
                    : S == 1           ? TColor(0xEBE7E4)
                    : S == 6 || S == 7 ? clWhite
                                       : TColor(0xC4BFBB);
         }},
        {{12},
         [](int S, auto) {
             return S == 2             ? TColor(0x54CCF0)
                    : S == 3           ? TColor(0xC4BFBB)
                    : S == 4 || S == 5 ? TColor(0x3888C2)
                                       : clWhite;
         }},
        {{17}, [](int S, auto) { return S == 1 ? clGrayText : clWindowText; }},
        {{19, 20}, Fixed(0xF5F2F0)},
        {{41}, Fixed(0xBDBDBD)},
        {{44}, Fixed(0x4C4C4C)},
        {{51}, Fixed(clWhite)},
        {{52, 301}, Fixed(0xD9D6D4)},
        {{56, 71, 250, 391}, Fixed(clWhite)},
        {{66}, [](int S, auto) { return S == 2 ? TColor(0x32D2FF) : clWhite; }},
        {{67},
         [](int S, auto) {
             return S == 2   ? TColor(0x3694F2)
                    : S == 6 ? TColor(0x1048EF)
                    : S == 7 ? TColor(0x3695F2)
                             : clHighlight;
         }},
        {{68},
         [](int S, auto) {
             return S == 2 || S == 6 ? TColor(0x94E2FF) : S == 7 ? TColor(0x95E3FF) : clHighlight;
         }},
        {{22, 362, 393, 394}, [](int S, auto) { return Disabled(S) ? TColor(0xA7A7A7) : Text; }},
        {{200, 335, 454}, [](int S, auto) { return Disabled(S) ? TColor(0x8D8D8D) : Text; }},
        {{261}, [](int S, auto) { return Disabled(S) ? TColor(0xAAA6A5) : clBlack; }},
        {{271},
         [](int S, TovRibbonColorSchemeAccent A) {
             if (Disabled(S)) return TColor(0xAAA6A5);
             if (S == 4 || S == 6 || S == 7) return A == rcsaYellow ? clBlack : clWhite;
             return clBlack;
         }},
        {{315}, Fixed(0x646464)},
        {{375}, Fixed(0xF7F7F7)},
        {{420}, Fixed(0xBDB6A5)},
        {{425},
         [](int S, auto) { return S == 3   ? TColor(0x85B6CA)
                                  : S == 8 ? TColor(0xCDCDCD)
                                           : clDefault; }},
        {{10018, 10065, 80}, Fixed(0xF1EDE9)},
        {{10066}, Fixed(0xF3E2D5)},
        {{10098}, Fixed(0xC7BEB5)},
        {{10099}, Fixed(clWhite)},
        {{10130, 10131}, [](int S, auto) { return S == 0 ? Text : TColor(0x8A8A8A); }},
        {{10132, 10154, 10133, 10134, 10140}, Fixed(Text)},
        {{10138}, [](int S, auto) { return S == 1 ? TColor(0x8D8D8D) : Text; }},
        {{10139}, Fixed(0x808080)},
        {{10141, 10581}, Fixed(clWhite)},
        {{10142}, Fixed(clNone)},
        {{5, 101, 999, 12345}, Fixed(clDefault)},
    };
}

TEST_F(RibbonPaletteTest, SilverEffectivePaletteInEveryState) {
    TovSilverRibbon2010Skin skin;
    for (const TKeyRule& rule : SilverPalette())
        for (int key : rule.Keys)
            for (TovRibbonColorSchemeAccent accent : {rcsaYellow, rcsaBlue})
                for (int state = 0; state < 9; ++state)
                    EXPECT_EQ(rule.Rule(state, accent), skin.GetPartColor(key, state, accent))
                        << "key " << key << " state " << state << " accent " << int(accent);
    // Gallery group headers are asked in state 0 only.
    EXPECT_EQ(TColor(0x5B391E), skin.GetPartColor(ovSkinColorGalleryGroupHeaderText, 0, rcsaYellow));
}

// A scheme's colour where it differs from Silver's.
struct TDelta {
    int Key, State;
    TColor Color;
    TovRibbonColorSchemeAccent Accent = rcsaBlue;
};

TEST_F(RibbonPaletteTest, BlueAndBlackDifferFromSilver) {
    TovBlueRibbon2010Skin blue;
    const TDelta blueDeltas[] = {
        {9, 0, 0xFDF5ED},     {9, 1, 0xFDF5ED},     {9, 4, 0xFCF7F2},     {9, 6, clBtnFace},
        {10, 0, 0xD6C0B1},    {10, 1, 0xDEDDCD},    {10, 8, 0xD0BAAB},    {12, 0, 0xFDF5ED},
        {12, 3, 0xD0BAAB},    {41, 0, 0xDDBB9E},    {51, 2, 0xFCF7F2},    {51, 0, 0xFDF5ED},
        {52, 4, 0xD6C0B1},    {66, 0, clBtnText},   {66, 5, clBtnText},   {10018, 0, 0xE4CCB7},
        {10065, 0, 0xE4CCB7}, {10098, 0, 0xBD9D84}, {10099, 0, 0xF1E1D4}, {10130, 0, 0x5B391E},
        {10131, 1, 0xA36736}, {10139, 0, clWhite},  {10141, 0, 0x808080}, {391, 0, 0xFDF5ED}};
    for (const TDelta& d : blueDeltas)
        EXPECT_EQ(d.Color, blue.GetPartColor(d.Key, d.State, d.Accent))
            << "Blue key " << d.Key << "/" << d.State;

    TovBlackRibbon2010Skin black;
    const TDelta blackDeltas[] = {{9, 0, 0xC6C6C6},
                                  {9, 1, 0xB6B6B6},
                                  {9, 5, 0xCCCCCC},
                                  {10, 0, 0x848484},
                                  {10, 1, 0xA0A0A0},
                                  {12, 0, 0xC6C6C6},
                                  {12, 3, 0x848484},
                                  {51, 3, 0xC1C1C1},
                                  {51, 0, 0xBBBBBB},
                                  {66, 2, 0x32D2FF},
                                  {261, 0, clWhite},
                                  {261, 8, 0xA7A7A7},
                                  {271, 4, clBlack, rcsaYellow},
                                  {271, 4, clWhite},
                                  {271, 0, clWhite},
                                  {10065, 0, 0x8B8B8B},
                                  {10098, 0, 0x1B1B1B},
                                  {10099, 0, 0x595959},
                                  {10130, 0, 0xE2E2E2},
                                  {10131, 2, 0xD4D4D4},
                                  {10132, 2, 0xF0F0F0},
                                  {10132, 3, clBlack},
                                  {10132, 0, 0xE2E2E2},
                                  {10138, 1, 0x8D8D8D},
                                  {10138, 6, clBlack},
                                  {10138, 0, 0xE2E2E2}};
    for (const TDelta& d : blackDeltas)
        EXPECT_EQ(d.Color, black.GetPartColor(d.Key, d.State, d.Accent))
            << "Black key " << d.Key << "/" << d.State;
}

// A scheme as it is on a screen of 8 bits per pixel or fewer.
template <class TSkin> class TLowColour : public TSkin {
public:
    TLowColour() { this->SetLowColors(true); }
};

TEST_F(RibbonPaletteTest, LowColourAnswersTheTexturedColoursButKeepsTheSchemesLines) {
    TCodedSheets sheets;
    TLowColour<TovSilverRibbon2010Skin> silver;
    silver.AddRef();
    struct TCase {
        int Key, State;
        TColor Color;
    };
    // The textured skin's answers: the base's system colours, and the few the textured skin sets itself.
    const TCase cases[] = {{9, 0, clBtnFace},         {10, 0, clBtnShadow},  {12, 2, clWhite},
                           {10130, 0, clCaptionText}, {10065, 0, clBtnFace}, {10018, 0, clBtnShadow},
                           {335, 0, clWindowText},    {335, 1, 0x8D8D8D},    {250, 0, clWhite},
                           {44, 0, 0x4C4C4C},         {362, 0, clMenuText},  {12345, 0, clBtnFace}};
    for (const TCase& c : cases)
        EXPECT_EQ(c.Color, silver.GetPartColor(c.Key, c.State, rcsaYellow)) << c.Key << "/" << c.State;
    // The edge lines and the application menu's frame keep the scheme's colour.
    auto edge = MakeCanvas(10, 2, kBackground);
    silver.DrawRibbonBottomEdge(DCOf(*edge), TRect{0, 0, 10, 2});
    EXPECT_EQ(ColorToRGB(0x928C87), ColorAt(*edge, 5, 1));
    EXPECT_EQ(ColorToRGB(0x928C87), ColorAt(*edge, 5, 0));
    auto line = MakeCanvas(10, 1, kBackground);
    silver.DrawFormCaptionBottomLine(DCOf(*line), TRect{0, 0, 10, 1});
    EXPECT_EQ(ColorToRGB(0x928C87), ColorAt(*line, 5, 0));
    auto menu = MakeCanvas(60, 60, kBackground);
    silver.DrawApplicationMenuBackground(DCOf(*menu), TRect{0, 0, 60, 60}, TRect{20, 20, 50, 40}, rcsaYellow);
    EXPECT_EQ(ColorToRGB(0xC6C3C0), ColorAt(*menu, 30, 19)) << "the frame around the pane";
    EXPECT_EQ(ColorToRGB(clMenu), ColorAt(*menu, 30, 5)) << "the header, flat";
    // The tab row is the ribbon's background; the menu view's accent line still comes from its part.
    auto tabs = MakeCanvas(10, 10, kBackground);
    silver.DrawTabsAreaBackground(DCOf(*tabs), TRect{0, 0, 10, 10}, true, false, 0);
    EXPECT_EQ(ColorToRGB(clBtnFace), ColorAt(*tabs, 5, 5));
    auto view = MakeCanvas(40, 10, kBackground);
    silver.DrawMenuViewBackground(DCOf(*view), TRect{0, 0, 40, 10}, rcsaGreen);
    EXPECT_EQ((TCellName{10540, 2}), CellAt(*view, 20, 0));
    EXPECT_EQ(ColorToRGB(clWhite), ColorAt(*view, 20, 5));
    silver.Release();
}

} // namespace ribbon_2010_palette_test
