// The key tables of skin descriptions. Each description class lists its keys once, in reading order,
// as calls on a key visitor: the key's name, its value kind (the call), its default and the field it
// fills. The same list resets the fields to their defaults, reads a section and writes it.
#pragma once

#include "skin/data/SkinText.h"

#include "platform/rtl/Object.h"

#include <memory>
#include <string>
#include <utility>

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
    // Only visitors that write read the field: resetting visits fields that hold no value yet.
    template <class E> void Enum(const char* Key, E& Field, const TskEnumWords& Words) {
        int ordinal = ReadsFields() ? int(Field) : Words.Default;
        Word(Key, ordinal, Words);
        Field = E(ordinal);
    }
    // The four keys of a font: "<prefix>fontname" ("Tahoma"), "…fontheight" (13), "…fontstyle",
    // "…fontcolor". Some objects spell the first "fontName"; NameKey gives that spelling.
    void FontGroup(std::string& Name, int& Height, TFontStyles& Style, int& Color,
                   const std::string& Prefix = "", const char* NameKey = "fontname");

protected:
    virtual void Word(const char* Key, int& Ordinal, const TskEnumWords& Words) = 0;
    // Whether the visitor uses the fields' current values (writers) or only sets them.
    virtual bool ReadsFields() const { return false; }
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

// A visitor working on one section of a skin text.
class TskSectionVisitor : public TskKeyVisitor {
public:
    TskSectionVisitor(TCustomIniFile* Ini, std::string Section) : FIni(Ini), FSection(std::move(Section)) {}

protected:
    TCustomIniFile* FIni;
    std::string FSection;
};

// Reads every key from one section of a skin text; a missing key gives its default.
class TskKeyReader : public TskSectionVisitor {
public:
    using TskSectionVisitor::TskSectionVisitor;
    void Integer(const char* Key, int& Field, int Default) override;
    void String(const char* Key, std::string& Field, const char* Default) override;
    void Boolean(const char* Key, bool& Field) override;
    void Rect(const char* Key, TRect& Field) override;
    void Point(const char* Key, TPoint& Field) override;
    void FontStyle(const char* Key, TFontStyles& Field) override;
    void Lines(const char* Key, TStrings& Field) override;

protected:
    void Word(const char* Key, int& Ordinal, const TskEnumWords& Words) override;
};

// Writes every key into one section of a skin text, in the value forms the readers take back.
class TskKeyWriter : public TskSectionVisitor {
public:
    using TskSectionVisitor::TskSectionVisitor;
    void Integer(const char* Key, int& Field, int Default) override;
    void String(const char* Key, std::string& Field, const char* Default) override;
    void Boolean(const char* Key, bool& Field) override;
    void Rect(const char* Key, TRect& Field) override;
    void Point(const char* Key, TPoint& Field) override;
    void FontStyle(const char* Key, TFontStyles& Field) override;
    void Lines(const char* Key, TStrings& Field) override;

protected:
    void Word(const char* Key, int& Ordinal, const TskEnumWords& Words) override;
    bool ReadsFields() const override { return true; }
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

// A description kept in a section of its own (named Name), read and written through its key table.
class TskSkinSection : public TObject {
public:
    explicit TskSkinSection(std::string AName) : Name(std::move(AName)) {}
    TskSkinSection(const TskSkinSection&) = delete;
    TskSkinSection& operator=(const TskSkinSection&) = delete;

    // Reads the keys from the section named Name; a missing key gives its default.
    virtual void LoadFromIni(TCustomIniFile* Ini);
    // Erases the section named Name and writes every key.
    virtual void SaveToIni(TCustomIniFile* Ini);
    // The keys of the class, its bases' first.
    virtual void VisitKeys(TskKeyVisitor& V) {}

    std::string Name;
};

// The kinds of a family of descriptions: kind words with the classes they make, in the order the
// words are tested.
template <class T> using TskKindMaker = std::unique_ptr<T> (*)(const std::string& Name);
template <class T, class Kind> std::unique_ptr<T> MakeKind(const std::string& Name) {
    return std::make_unique<Kind>(Name);
}
template <class T, std::size_t N>
std::unique_ptr<T> CreateKind(const std::pair<const char*, TskKindMaker<T>> (&Kinds)[N],
                              const std::string& Kind, const std::string& Name) {
    for (const auto& [word, make] : Kinds)
        if (Kind == word) return make(Name);
    return nullptr;
}
