// The skin description text: an INI text whose sections name a skin's pictures and describe every
// skinned thing. These are the readers and writers of its value kinds (rectangles, points, Booleans,
// font styles and the enumeration words) that every loader of skin sections goes through.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/StdCtrls.h"

#include <string>
#include <string_view>

class TCustomIniFile;
class TStrings;

// How the centre of a skin rectangle grows: both ways, stretched to the height and repeated across, or
// stretched to the width and repeated down.
enum TskStretchType { stfull, sthorz, stvert };
// The transition a skinned control morphs between two looks with.
enum TskMorphKind {
    mkDefault,
    mkGradient,
    mkLeftGradient,
    mkRightGradient,
    mkLeftSlide,
    mkRightSlide,
    mkPush
};
// How an inactive window picture is rendered from the active one.
enum TskImageEffect { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };

// An enumeration stored as one of its words: a word that matches exactly (with case) gives its
// ordinal, any other text gives Fallback, and a missing key reads as the word of Default.
struct TskEnumWords {
    const char* const* Words;
    int Count;
    int Fallback;
    int Default;
};
int ReadEnumWord(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                 const TskEnumWords& Words);
void WriteEnumWord(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                   const TskEnumWords& Words, int Value);

// The fields of a rectangle ("l,t,r,b") or point ("x,y") value: commas separate fields and every other
// character that is not a digit is skipped (so minus signs are dropped). A field without a digit raises
// EConvertError; fields beyond the fourth (second) are ignored.
TRect ParseRectValue(std::string_view Text);
TPoint ParsePointValue(std::string_view Text);

TRect ReadRectValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key);
TPoint ReadPointValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key);
// True only when the key's integer value is exactly 1.
bool ReadBooleanValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key);
// A style is in the set when its word ("fsbold", …) occurs anywhere in the value, with case.
TFontStyles ReadFontStyleValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key);
// "tacenter" centre, "taleftjustify" left, any other text right; a missing key is centre.
TAlignment ReadAlignmentValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key);
// "stfull" full, "stvert" vertical, any other text horizontal; a missing key is full.
TskStretchType ReadStretchTypeValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key);
// The exact word, else mkDefault.
TskMorphKind ReadMorphKindValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key);
// The exact word, else ieGrayScale; a missing key is ieBrightness.
TskImageEffect ReadEffectValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key);
// Appends the lines stored under Key + "linecount" and Key + "line<n>".
void ReadLinesValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key, TStrings* Lines);
// Appends the items stored under Key + "count" and the bare indexes "0", "1", … of the section.
void ReadIndexedList(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                     TStrings* Items);
// The number of items a stored count may name: the count, but never more than the keys the section
// has (so that a damaged count cannot make a reader loop on missing keys).
int ReadStoredCount(TCustomIniFile* Ini, const std::string& Section, const std::string& Key);
// True when the text has the five sections every skin text has.
bool IsSkinText(TCustomIniFile* Ini);

void WriteRectValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                    const TRect& Value);
void WritePointValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                     const TPoint& Value);
void WriteBooleanValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key, bool Value);
void WriteFontStyleValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                         TFontStyles Value);
void WriteAlignmentValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                         TAlignment Value);
void WriteStretchTypeValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                           TskStretchType Value);
void WriteMorphKindValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                         TskMorphKind Value);
void WriteLinesValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                     TStrings* Lines);

// The word tables of the enumerations above (also used by the description tables).
extern const TskEnumWords AlignmentWords;
extern const TskEnumWords StretchTypeWords;
extern const TskEnumWords MorphKindWords;
extern const TskEnumWords EffectWords;
