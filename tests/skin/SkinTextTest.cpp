// The value syntax of skin texts: rectangles and points, Booleans, font styles, the enumeration words,
// line and indexed lists, and the INI rules the loaders rely on.
#include "SkinTestSupport.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "skin/data/SkinText.h"

#include <gtest/gtest.h>

namespace skin_text_test {
using namespace skintest;

TEST(SkinTextTest, RectanglesAndPointsSkipEverythingButDigitsAndCommas) {
    EXPECT_EQ(ParseRectValue("1, 2, 30, 40"), (TRect{1, 2, 30, 40}));
    EXPECT_EQ(ParseRectValue("1,2,30,40"), (TRect{1, 2, 30, 40}));
    EXPECT_EQ(ParsePointValue("-3,4"), (TPoint{3, 4}));            // the minus sign is dropped
    EXPECT_EQ(ParseRectValue("1,2,3,4,5,6"), (TRect{1, 2, 3, 4})); // extra fields are ignored
    EXPECT_EQ(ParsePointValue("7,8,9"), (TPoint{7, 8}));
}

TEST(SkinTextTest, AFieldWithoutDigitsRaisesTheConversionError) {
    for (const char* text : {"", "1,2", "1,,3,4", "a,b,c,d", "99999999999,1,2,3"})
        EXPECT_THROW(ParseRectValue(text), EConvertError) << text;
    EXPECT_THROW(ParsePointValue("5"), EConvertError);
}

TEST(SkinTextTest, MissingKeysGiveTheirDefaults) {
    auto ini = IniFromText("[S]\nother=1\n");
    EXPECT_EQ(ReadRectValue(ini.get(), "S", "r"), TRect{});
    EXPECT_EQ(ReadPointValue(ini.get(), "S", "p"), TPoint{});
    EXPECT_FALSE(ReadBooleanValue(ini.get(), "S", "b"));
    EXPECT_TRUE(ReadFontStyleValue(ini.get(), "S", "f").empty());
    EXPECT_EQ(ReadAlignmentValue(ini.get(), "S", "a"), taCenter);
    EXPECT_EQ(ReadStretchTypeValue(ini.get(), "S", "st"), stfull);
    EXPECT_EQ(ReadMorphKindValue(ini.get(), "S", "mk"), mkDefault);
    EXPECT_EQ(ReadEffectValue(ini.get(), "S", "ie"), ieBrightness);
}

TEST(SkinTextTest, EnumerationWordsMatchExactlyAndFallBack) {
    struct Case {
        const char* Value;
        int Stretch, Align, Morph, Effect;
    } cases[] = {
        {"stfull", stfull, taRightJustify, mkDefault, ieGrayScale},
        {"stvert", stvert, taRightJustify, mkDefault, ieGrayScale},
        {"sthorz", sthorz, taRightJustify, mkDefault, ieGrayScale},
        {"STFULL", sthorz, taRightJustify, mkDefault, ieGrayScale},
        {"tacenter", sthorz, taCenter, mkDefault, ieGrayScale},
        {"taleftjustify", sthorz, taLeftJustify, mkDefault, ieGrayScale},
        {"mkpush", sthorz, taRightJustify, mkPush, ieGrayScale},
        {"mkrightslide", sthorz, taRightJustify, mkRightSlide, ieGrayScale},
        {"ieinvert", sthorz, taRightJustify, mkDefault, ieInvert},
        {"iedarkness", sthorz, taRightJustify, mkDefault, ieDarkness},
        {"nothing", sthorz, taRightJustify, mkDefault, ieGrayScale},
    };
    for (const Case& c : cases) {
        auto ini = IniFromText(std::string("[S]\nv=") + c.Value + "\n");
        EXPECT_EQ(ReadStretchTypeValue(ini.get(), "S", "v"), c.Stretch) << c.Value;
        EXPECT_EQ(ReadAlignmentValue(ini.get(), "S", "v"), c.Align) << c.Value;
        EXPECT_EQ(ReadMorphKindValue(ini.get(), "S", "v"), c.Morph) << c.Value;
        EXPECT_EQ(ReadEffectValue(ini.get(), "S", "v"), c.Effect) << c.Value;
    }
}

TEST(SkinTextTest, BooleansAreTrueOnlyForOne) {
    auto ini = IniFromText("[S]\na=1\nb=2\nc=0\nd=yes\n");
    EXPECT_TRUE(ReadBooleanValue(ini.get(), "S", "a"));
    EXPECT_FALSE(ReadBooleanValue(ini.get(), "S", "b"));
    EXPECT_FALSE(ReadBooleanValue(ini.get(), "S", "c"));
    EXPECT_FALSE(ReadBooleanValue(ini.get(), "S", "d"));
}

TEST(SkinTextTest, FontStylesAreFoundAsSubstringsWithCase) {
    auto ini = IniFromText("[S]\na=fsbold,fsunderline\nb=fsboldfsitalic\nc=FSBOLD\nd=fsstrikeout\n");
    EXPECT_EQ(ReadFontStyleValue(ini.get(), "S", "a"), (TFontStyles{fsBold, fsUnderline}));
    EXPECT_EQ(ReadFontStyleValue(ini.get(), "S", "b"), (TFontStyles{fsBold, fsItalic}));
    EXPECT_TRUE(ReadFontStyleValue(ini.get(), "S", "c").empty());
    EXPECT_EQ(ReadFontStyleValue(ini.get(), "S", "d"), (TFontStyles{fsStrikeOut}));
}

TEST(SkinTextTest, WritersGiveTheFormsTheReadersTakeBack) {
    auto ini = IniFromText("");
    WriteRectValue(ini.get(), "S", "r", TRect{-5, 6, 70, 80});
    WritePointValue(ini.get(), "S", "p", TPoint{9, -10});
    WriteBooleanValue(ini.get(), "S", "b", true);
    WriteFontStyleValue(ini.get(), "S", "f", TFontStyles{fsStrikeOut, fsItalic, fsBold});
    WriteAlignmentValue(ini.get(), "S", "a", taLeftJustify);
    WriteStretchTypeValue(ini.get(), "S", "st", stvert);
    WriteMorphKindValue(ini.get(), "S", "mk", mkLeftSlide);
    EXPECT_EQ(ini->ReadString("S", "r", ""), "-5,6,70,80");
    EXPECT_EQ(ini->ReadString("S", "f", ""), "fsbold,fsitalic,fsstrikeout");
    EXPECT_EQ(ini->ReadString("S", "a", ""), "taleftjustify");
    EXPECT_EQ(ini->ReadString("S", "st", ""), "stvert");
    EXPECT_EQ(ini->ReadString("S", "mk", ""), "mkleftslide");
    // A negative coordinate reads back as its absolute value.
    EXPECT_EQ(ReadRectValue(ini.get(), "S", "r"), (TRect{5, 6, 70, 80}));
    EXPECT_EQ(ReadPointValue(ini.get(), "S", "p"), (TPoint{9, 10}));
    EXPECT_TRUE(ReadBooleanValue(ini.get(), "S", "b"));
    EXPECT_EQ(ReadStretchTypeValue(ini.get(), "S", "st"), stvert);
    EXPECT_EQ(ReadMorphKindValue(ini.get(), "S", "mk"), mkLeftSlide);
}

TEST(SkinTextTest, LineAndIndexedListsRoundTrip) {
    auto ini = IniFromText("");
    TStringList lines;
    lines.SetText("first\nsecond\nthird");
    WriteLinesValue(ini.get(), "S", "symbols", &lines);
    EXPECT_EQ(ini->ReadString("S", "symbolslinecount", ""), "3");
    EXPECT_EQ(ini->ReadString("S", "symbolsline2", ""), "third");
    TStringList back;
    ReadLinesValue(ini.get(), "S", "symbols", &back);
    EXPECT_EQ(back.Text(), lines.Text());

    auto pictures = IniFromText("[PICTURES]\nactivepicturescount=2\n0=a.bmp\n1=b.bmp\n");
    TStringList names;
    names.Add("kept");
    ReadIndexedList(pictures.get(), "PICTURES", "activepictures", &names);
    ASSERT_EQ(names.Count(), 3);
    EXPECT_EQ(names[1], "a.bmp");
    EXPECT_EQ(names[2], "b.bmp");
}

TEST(SkinTextTest, AStoredCountNeverExceedsTheKeysOfItsSection) {
    auto ini = IniFromText("[SKINCONTROLS]\ncount=2147483647\n0=a:panel\n");
    EXPECT_EQ(ReadStoredCount(ini.get(), "SKINCONTROLS", "count"), 2);
    auto negative = IniFromText("[SKINCONTROLS]\ncount=-4\n0=a:panel\n");
    EXPECT_EQ(ReadStoredCount(negative.get(), "SKINCONTROLS", "count"), 0);
    TStringList items;
    ReadIndexedList(ini.get(), "SKINCONTROLS", "", &items);
    EXPECT_EQ(items.Count(), 2);
}

TEST(SkinTextTest, TheIniRulesTheLoadersRelyOn) {
    auto ini =
        IniFromText("before=1\n[Sec]\n; comment=9\n  key = first \nKEY=second\nnoequals\n[other]\nx=1\n");
    EXPECT_EQ(ini->ReadString("sec", "key", ""), "first"); // case-free names, first duplicate wins
    EXPECT_EQ(ini->ReadString("Sec", "Key", ""), "first");
    EXPECT_EQ(ini->ReadString("Sec", "; comment", "none"), "none");
    EXPECT_EQ(ini->ReadString("Sec", "noequals", "none"), "none");
    EXPECT_EQ(ini->ReadString("", "before", "none"), "none");
}

TEST(SkinTextTest, ASkinTextHasFiveSections) {
    const std::string all = "[VERSION]\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\n";
    EXPECT_TRUE(IsSkinText(IniFromText(all).get()));
    EXPECT_TRUE(
        IsSkinText(IniFromText("[version]\n[pictures]\n[forminfo]\n[skinobjects]\n[skincontrols]\n").get()));
    for (const char* missing :
         {"[VERSION]\n", "[PICTURES]\n", "[FORMINFO]\n", "[SKINOBJECTS]\n", "[SKINCONTROLS]\n"}) {
        std::string text = all;
        text.erase(text.find(missing), std::string(missing).size());
        EXPECT_FALSE(IsSkinText(IniFromText(text).get())) << missing;
    }
}

} // namespace skin_text_test
