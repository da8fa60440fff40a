#include "skin/data/SkinKeys.h"

#include "platform/rtl/IniFile.h"
#include "platform/rtl/Strings.h"

void TskKeyVisitor::FontGroup(std::string& Name, int& Height, TFontStyles& Style, int& Color,
                              const std::string& Prefix, const char* NameKey) {
    String((Prefix + NameKey).c_str(), Name, "Tahoma");
    Integer((Prefix + "fontheight").c_str(), Height, 13);
    FontStyle((Prefix + "fontstyle").c_str(), Style);
    Integer((Prefix + "fontcolor").c_str(), Color, 0);
}

void TskKeyDefaults::Lines(const char*, TStrings& Field) {
    Field.Clear();
}

void TskKeyReader::Integer(const char* Key, int& Field, int Default) {
    Field = FIni->ReadInteger(FSection, Key, Default);
}

void TskKeyReader::String(const char* Key, std::string& Field, const char* Default) {
    Field = FIni->ReadString(FSection, Key, Default);
}

void TskKeyReader::Boolean(const char* Key, bool& Field) {
    Field = ReadBooleanValue(FIni, FSection, Key);
}

void TskKeyReader::Rect(const char* Key, TRect& Field) {
    Field = ReadRectValue(FIni, FSection, Key);
}

void TskKeyReader::Point(const char* Key, TPoint& Field) {
    Field = ReadPointValue(FIni, FSection, Key);
}

void TskKeyReader::FontStyle(const char* Key, TFontStyles& Field) {
    Field = ReadFontStyleValue(FIni, FSection, Key);
}

void TskKeyReader::Lines(const char* Key, TStrings& Field) {
    ReadLinesValue(FIni, FSection, Key, &Field);
}

void TskKeyReader::Word(const char* Key, int& Ordinal, const TskEnumWords& Words) {
    Ordinal = ReadEnumWord(FIni, FSection, Key, Words);
}

void TskKeyWriter::Integer(const char* Key, int& Field, int) {
    FIni->WriteInteger(FSection, Key, Field);
}

void TskKeyWriter::String(const char* Key, std::string& Field, const char*) {
    FIni->WriteString(FSection, Key, Field);
}

void TskKeyWriter::Boolean(const char* Key, bool& Field) {
    WriteBooleanValue(FIni, FSection, Key, Field);
}

void TskKeyWriter::Rect(const char* Key, TRect& Field) {
    WriteRectValue(FIni, FSection, Key, Field);
}

void TskKeyWriter::Point(const char* Key, TPoint& Field) {
    WritePointValue(FIni, FSection, Key, Field);
}

void TskKeyWriter::FontStyle(const char* Key, TFontStyles& Field) {
    WriteFontStyleValue(FIni, FSection, Key, Field);
}

void TskKeyWriter::Lines(const char* Key, TStrings& Field) {
    WriteLinesValue(FIni, FSection, Key, &Field);
}

void TskKeyWriter::Word(const char* Key, int& Ordinal, const TskEnumWords& Words) {
    WriteEnumWord(FIni, FSection, Key, Words, Ordinal);
}

void TskSkinSection::LoadFromIni(TCustomIniFile* Ini) {
    TskKeyReader reader(Ini, Name);
    VisitKeys(reader);
}

void TskSkinSection::SaveToIni(TCustomIniFile* Ini) {
    Ini->EraseSection(Name);
    TskKeyWriter writer(Ini, Name);
    VisitKeys(writer);
}
