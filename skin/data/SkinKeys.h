// The key tables of skin descriptions. Each description class lists its keys once, in reading order,
// as calls on a key visitor: the key's name, its value kind (the call), its default and the field it
// fills. The same list resets the fields to their defaults, reads a section and writes it.
#pragma once

#include "skin/data/SkinText.h"

#include <string>

class TStrings;

class TskKeyVisitor {
public:
    virtual ~TskKeyVisitor() = default;
    // Integers and colours (colours are stored as their decimal TColor value).
    virtual void Integer(const char* Key, int& Field, int Default = 0) = 0;
    virtual void String(const char* Key, std::string& Field, const char* Default = "") = 0;
    virtual void Boolean(const char* Key, bool& Field) = 0;
    virtual void Rect(const char* Key, TRect& Field) = 0;
    virtual void Point(const char* Key, TPoint& Field) = 0;
    virtual void FontStyle(const char* Key, TFontStyles& Field) = 0;
    virtual void Lines(const char* Key, TStrings& Field) = 0;
    // An enumeration stored as one of its words.
    template <class E> void Enum(const char* Key, E& Field, const TskEnumWords& Words) {
        int ordinal = int(Field);
        Word(Key, ordinal, Words);
        Field = E(ordinal);
    }
    // The four keys of a font: "<prefix>fontname" ("Tahoma"), "…fontheight" (13), "…fontstyle",
    // "…fontcolor". Some objects spell the first "fontName"; NameKey gives that spelling.
    void FontGroup(std::string& Name, int& Height, TFontStyles& Style, int& Color,
                   const std::string& Prefix = "", const char* NameKey = "fontname");

protected:
    virtual void Word(const char* Key, int& Ordinal, const TskEnumWords& Words) = 0;
};

// Sets every field to its key's default.
class TskKeyDefaults : public TskKeyVisitor {
public:
    void Integer(const char*, int& Field, int Default) override { Field = Default; }
    void String(const char*, std::string& Field, const char* Default) override { Field = Default; }
    void Boolean(const char*, bool& Field) override { Field = false; }
    void Rect(const char*, TRect& Field) override { Field = TRect{}; }
    void Point(const char*, TPoint& Field) override { Field = TPoint{}; }
    void FontStyle(const char*, TFontStyles& Field) override { Field = TFontStyles(); }
    void Lines(const char*, TStrings& Field) override;

protected:
    void Word(const char*, int& Ordinal, const TskEnumWords& Words) override { Ordinal = Words.Default; }
};

// Reads every key from one section of a skin text; a missing key gives its default.
class TskKeyReader : public TskKeyVisitor {
public:
    TskKeyReader(TCustomIniFile* Ini, std::string Section) : FIni(Ini), FSection(std::move(Section)) {}
    void Integer(const char* Key, int& Field, int Default) override;
    void String(const char* Key, std::string& Field, const char* Default) override;
    void Boolean(const char* Key, bool& Field) override;
    void Rect(const char* Key, TRect& Field) override;
    void Point(const char* Key, TPoint& Field) override;
    void FontStyle(const char* Key, TFontStyles& Field) override;
    void Lines(const char* Key, TStrings& Field) override;

protected:
    void Word(const char* Key, int& Ordinal, const TskEnumWords& Words) override;

private:
    TCustomIniFile* FIni;
    std::string FSection;
};

// Writes every key into one section of a skin text, in the value forms the readers take back.
class TskKeyWriter : public TskKeyVisitor {
public:
    TskKeyWriter(TCustomIniFile* Ini, std::string Section) : FIni(Ini), FSection(std::move(Section)) {}
    void Integer(const char* Key, int& Field, int Default) override;
    void String(const char* Key, std::string& Field, const char* Default) override;
    void Boolean(const char* Key, bool& Field) override;
    void Rect(const char* Key, TRect& Field) override;
    void Point(const char* Key, TPoint& Field) override;
    void FontStyle(const char* Key, TFontStyles& Field) override;
    void Lines(const char* Key, TStrings& Field) override;

protected:
    void Word(const char* Key, int& Ordinal, const TskEnumWords& Words) override;

private:
    TCustomIniFile* FIni;
    std::string FSection;
};

// A description kind whose own keys (Self::OwnKeys, its key table) follow its base's. Its constructor
// calls ResetOwnKeys once its fields exist.
template <class Self, class Base> class TskKind : public Base {
public:
    using Base::Base;
    void VisitKeys(TskKeyVisitor& V) override {
        Base::VisitKeys(V);
        static_cast<Self*>(this)->OwnKeys(V);
    }

protected:
    void ResetOwnKeys() {
        TskKeyDefaults defaults;
        static_cast<Self*>(this)->OwnKeys(defaults);
    }
};
