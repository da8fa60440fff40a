#include "skin/data/SkinText.h"

#include "platform/rtl/IniFile.h"
#include "platform/rtl/StrConvert.h"
#include "platform/rtl/StringList.h"

#include <algorithm>
#include <vector>

namespace {

const char* const AlignmentNames[] = {"taleftjustify", "tarightjustify", "tacenter"};
const char* const StretchTypeNames[] = {"stfull", "sthorz", "stvert"};
const char* const MorphKindNames[] = {"mkdefault",   "mkgradient",   "mkleftgradient", "mkrightgradient",
                                      "mkleftslide", "mkrightslide", "mkpush"};
const char* const EffectNames[] = {"iebrightness", "iedarkness",  "iegrayscale",
                                   "ienoise",      "iesplitblur", "ieinvert"};
const char* const FontStyleNames[] = {"fsbold", "fsitalic", "fsunderline", "fsstrikeout"};
const TFontStyle FontStyleOrder[] = {fsBold, fsItalic, fsUnderline, fsStrikeOut};

// The fields of a rectangle or point value, in order; only Wanted of them are converted.
std::vector<int> ParseFields(std::string_view Text, int Wanted) {
    std::vector<std::string> fields(1);
    for (char c : Text) {
        if (c == ',')
            fields.emplace_back();
        else if (c >= '0' && c <= '9')
            fields.back() += c;
    }
    std::vector<int> values;
    for (int i = 0; i < Wanted; ++i)
        values.push_back(StrToInt(i < int(fields.size()) ? fields[std::size_t(i)] : std::string()));
    return values;
}

} // namespace

const TskEnumWords AlignmentWords{AlignmentNames, 3, taRightJustify, taCenter};
const TskEnumWords StretchTypeWords{StretchTypeNames, 3, sthorz, stfull};
const TskEnumWords MorphKindWords{MorphKindNames, 7, mkDefault, mkDefault};
const TskEnumWords EffectWords{EffectNames, 6, ieGrayScale, ieBrightness};

int ReadEnumWord(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                 const TskEnumWords& Words) {
    const std::string text = Ini->ReadString(Section, Key, Words.Words[Words.Default]);
    for (int i = 0; i < Words.Count; ++i)
        if (text == Words.Words[i]) return i;
    return Words.Fallback;
}

void WriteEnumWord(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                   const TskEnumWords& Words, int Value) {
    Ini->WriteString(Section, Key, Words.Words[std::clamp(Value, 0, Words.Count - 1)]);
}

TRect ParseRectValue(std::string_view Text) {
    const std::vector<int> v = ParseFields(Text, 4);
    return TRect{v[0], v[1], v[2], v[3]};
}

TPoint ParsePointValue(std::string_view Text) {
    const std::vector<int> v = ParseFields(Text, 2);
    return TPoint{v[0], v[1]};
}

TRect ReadRectValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key) {
    return ParseRectValue(Ini->ReadString(Section, Key, "0,0,0,0"));
}

TPoint ReadPointValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key) {
    return ParsePointValue(Ini->ReadString(Section, Key, "0,0"));
}

bool ReadBooleanValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key) {
    return Ini->ReadInteger(Section, Key, 0) == 1;
}

TFontStyles ReadFontStyleValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key) {
    const std::string text = Ini->ReadString(Section, Key, "");
    TFontStyles styles;
    for (int i = 0; i < 4; ++i)
        if (text.find(FontStyleNames[i]) != std::string::npos) styles.Include(FontStyleOrder[i]);
    return styles;
}

TAlignment ReadAlignmentValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key) {
    return TAlignment(ReadEnumWord(Ini, Section, Key, AlignmentWords));
}

TskStretchType ReadStretchTypeValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key) {
    return TskStretchType(ReadEnumWord(Ini, Section, Key, StretchTypeWords));
}

TskMorphKind ReadMorphKindValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key) {
    return TskMorphKind(ReadEnumWord(Ini, Section, Key, MorphKindWords));
}

TskImageEffect ReadEffectValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key) {
    return TskImageEffect(ReadEnumWord(Ini, Section, Key, EffectWords));
}

int ReadStoredCount(TCustomIniFile* Ini, const std::string& Section, const std::string& Key) {
    const int count = Ini->ReadInteger(Section, Key, 0);
    if (count <= 0) return 0;
    TStringList keys;
    Ini->ReadSection(Section, keys);
    return std::min(count, keys.Count());
}

void ReadLinesValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                    TStrings* Lines) {
    const int count = ReadStoredCount(Ini, Section, Key + "linecount");
    for (int i = 0; i < count; ++i)
        Lines->Add(Ini->ReadString(Section, Key + "line" + IntToStr(i), ""));
}

void ReadIndexedList(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                     TStrings* Items) {
    const int count = ReadStoredCount(Ini, Section, Key + "count");
    for (int i = 0; i < count; ++i)
        Items->Add(Ini->ReadString(Section, IntToStr(i), ""));
}

bool IsSkinText(TCustomIniFile* Ini) {
    for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
        if (!Ini->SectionExists(section)) return false;
    return true;
}

void WriteRectValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                    const TRect& Value) {
    Ini->WriteString(Section, Key,
                     IntToStr(int(Value.left)) + "," + IntToStr(int(Value.top)) + "," +
                         IntToStr(int(Value.right)) + "," + IntToStr(int(Value.bottom)));
}

void WritePointValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                     const TPoint& Value) {
    Ini->WriteString(Section, Key, IntToStr(int(Value.x)) + "," + IntToStr(int(Value.y)));
}

void WriteBooleanValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key, bool Value) {
    Ini->WriteInteger(Section, Key, Value ? 1 : 0);
}

void WriteFontStyleValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                         TFontStyles Value) {
    std::string text;
    for (int i = 0; i < 4; ++i)
        if (Value.Contains(FontStyleOrder[i])) {
            if (!text.empty()) text += ',';
            text += FontStyleNames[i];
        }
    Ini->WriteString(Section, Key, text);
}

void WriteAlignmentValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                         TAlignment Value) {
    WriteEnumWord(Ini, Section, Key, AlignmentWords, Value);
}

void WriteStretchTypeValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                           TskStretchType Value) {
    WriteEnumWord(Ini, Section, Key, StretchTypeWords, Value);
}

void WriteMorphKindValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                         TskMorphKind Value) {
    WriteEnumWord(Ini, Section, Key, MorphKindWords, Value);
}

void WriteLinesValue(TCustomIniFile* Ini, const std::string& Section, const std::string& Key,
                     TStrings* Lines) {
    Ini->WriteInteger(Section, Key + "linecount", Lines->Count());
    for (int i = 0; i < Lines->Count(); ++i)
        Ini->WriteString(Section, Key + "line" + IntToStr(i), Lines->Strings(i));
}
