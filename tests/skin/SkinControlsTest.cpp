// Control descriptions: every kind's defaults and save -> load round trip through one key table, the
// kind words, and the keys with rules of their own.
#include "SkinKeyScrambler.h"
#include "SkinTestSupport.h"

#include "skin/data/SkinControls.h"

#include <gtest/gtest.h>

namespace skin_controls_test {
using namespace skintest;

const char* const AllKinds[] = {
    "slider",     "bevel",     "panel",    "expanel",      "menubutton", "button",   "checkradio",
    "gauge",      "splitter",  "trackbar", "label",        "stdlabel",   "bitlabel", "frameregulator",
    "framegauge", "animate",   "updown",   "switch",       "grid",       "tab",      "mainmenubar",
    "controlbar", "memo",      "edit",     "checklistbox", "listbox",    "combobox", "scrollbar",
    "spinedit",   "scrollbox", "treeview", "listview",     "richedit"};

TEST(SkinControlsTest, ThereAreThirtyThreeKindsAndUnknownWordsMakeNothing) {
    EXPECT_EQ(std::size(AllKinds), 33u);
    for (const char* kind : AllKinds)
        EXPECT_NE(CreateSkinControlData(kind, "x"), nullptr) << kind;
    EXPECT_EQ(CreateSkinControlData("Panel", "x"), nullptr);
    EXPECT_EQ(CreateSkinControlData("window", "x"), nullptr);
    EXPECT_NE(dynamic_cast<TskDataSkinPanelControl*>(CreateSkinControlData("panel", "p").get()), nullptr);
    EXPECT_NE(dynamic_cast<TskDataSkinButtonControl*>(CreateSkinControlData("menubutton", "m").get()),
              nullptr);
    EXPECT_NE(dynamic_cast<TskDataSkinEditControl*>(CreateSkinControlData("memo", "m").get()), nullptr);
    EXPECT_NE(dynamic_cast<TskDataSkinListBox*>(CreateSkinControlData("checklistbox", "c").get()), nullptr);
    EXPECT_NE(dynamic_cast<TskDataSkinFrameControl*>(CreateSkinControlData("switch", "s").get()), nullptr);
}

TEST(SkinControlsTest, EveryKindReadsItsDefaultsFromAnEmptySectionAndRoundTrips) {
    for (const char* kind : AllKinds)
        ExpectKindRoundTrips(kind, CreateSkinControlData, [](TskDataSkinControl&) {});
}

TEST(SkinControlsTest, DefaultsTheKindsSpell) {
    struct Case {
        const char* Kind;
        const char* Key;
        const char* Saved;
    } cases[] = {
        {"stdlabel", "activefontcolor", "16711680"},
        {"label", "fontheight", "13"},
        {"label", "fontname", "Tahoma"},
        {"button", "animateinterval", "25"},
        {"button", "glowlayeralphablendvalue", "255"},
        {"button", "glowlayerpictureindex", "-1"},
        {"panel", "bgpictureindex", "-1"},
        {"panel", "alignment", "tacenter"},
        {"panel", "pictureindex", "-1"},
        {"panel", "stretchtype", "stfull"},
        {"controlbar", "itemoffset1", "3"},
        {"controlbar", "itemoffset2", "3"},
        {"listbox", "vscrollbarname", "vscrollbar"},
        {"listbox", "bothhscrollbarname", "bothhscrollbar"},
        {"listbox", "captionfontname", "Tahoma"},
        {"grid", "fixedfontheight", "13"},
        {"framegauge", "framescount", "1"},
        {"switch", "framesplacement", "fphorizontal"},
        {"frameregulator", "kind", "rkround"},
        {"button", "morphkind", "mkdefault"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SavedDefault(CreateSkinControlData, c.Kind, c.Key), c.Saved) << c.Kind << " " << c.Key;
}

TEST(SkinControlsTest, FrameKindsAndFrameCount) {
    struct Case {
        const char* Text;
        int Kind, Frames;
        TskFramesPlacement Placement;
    } cases[] = {
        {"kind=rkvertical\nframescount=0\n", rkVertical, 1, fpHorizontal},
        {"kind=something\nframescount=-3\nframesplacement=fpvertical\n", rkVertical, 1, fpVertical},
        {"kind=rkhorizontal\nframescount=4\nframesplacement=other\n", rkHorizontal, 4, fpVertical},
        {"", rkRound, 1, fpHorizontal},
    };
    for (const Case& c : cases) {
        TskDataSkinFrameRegulator data("r");
        auto ini = IniFromText(std::string("[r]\n") + c.Text);
        data.LoadFromIni(ini.get());
        EXPECT_EQ(data.Kind, c.Kind) << c.Text;
        EXPECT_EQ(data.FramesCount, c.Frames) << c.Text;
        EXPECT_EQ(data.FramesPlacement, c.Placement) << c.Text;
    }
}

TEST(SkinControlsTest, ATabKeepsItsFourStretchFlags) {
    TskDataSkinTabControl tab("tab");
    tab.LeftStretch = true;
    tab.BottomStretch = true;
    auto ini = IniFromText("");
    tab.SaveToIni(ini.get());
    TskDataSkinTabControl back("tab");
    back.LoadFromIni(ini.get());
    EXPECT_TRUE(back.LeftStretch);
    EXPECT_FALSE(back.TopStretch);
    EXPECT_FALSE(back.RightStretch);
    EXPECT_TRUE(back.BottomStretch);
}

TEST(SkinControlsTest, SavingErasesTheSectionAndWritesTheBaseKeysFirst) {
    auto ini = IniFromText("[p]\nstale=1\n");
    TskDataSkinPanelControl panel("p");
    panel.SaveToIni(ini.get());
    EXPECT_EQ(ini->ReadString("p", "stale", "gone"), "gone");
    TStringList keys;
    ini->ReadSection("p", keys);
    ASSERT_GE(keys.Count(), 16);
    EXPECT_EQ(keys[0], "pictureindex");
    EXPECT_EQ(keys[3], "skinrect");
    EXPECT_EQ(keys[4], "lefttoppoint");
    EXPECT_EQ(keys[9], "stretcheffect"); // ahead of the four edge flags
    EXPECT_EQ(keys[10], "leftstretch");
    EXPECT_EQ(keys[14], "stretchtype");
    EXPECT_EQ(keys[15], "bgpictureindex");
}

TEST(SkinControlsTest, ABitLabelOwnsItsSymbols) {
    auto ini = IniFromText("[b]\nsymbolslinecount=2\nsymbolsline0=0123\nsymbolsline1=ABCD\nsymbolwidth=7\n");
    TskDataSkinBitLabelControl label("b");
    label.LoadFromIni(ini.get());
    ASSERT_EQ(label.Symbols.Count(), 2);
    EXPECT_EQ(label.Symbols[1], "ABCD");
    EXPECT_EQ(label.SymbolWidth, 7);
}

} // namespace skin_controls_test
