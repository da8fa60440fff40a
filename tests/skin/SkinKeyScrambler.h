// A key visitor for round-trip tests: gives every key a value of its own, different from its default,
// derived from the key's name.
#pragma once

#include "SkinTestSupport.h"

#include "platform/rtl/StringList.h"
#include "skin/data/SkinKeys.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace skintest {

class TKeyScrambler : public TskKeyVisitor {
public:
    void Integer(const char* Key, int& Field, int Default) override { Field = Default + 1 + Hash(Key) % 997; }
    void String(const char* Key, std::string& Field, const char*) override {
        Field = std::string("v_") + Key;
    }
    void Boolean(const char*, bool& Field) override { Field = true; }
    void Rect(const char* Key, TRect& Field) override {
        const int h = Hash(Key) % 100;
        Field = TRect{h, h + 1, h + 20, h + 30};
    }
    void Point(const char* Key, TPoint& Field) override {
        Field = TPoint{Hash(Key) % 50 + 1, Hash(Key) % 70 + 2};
    }
    void FontStyle(const char*, TFontStyles& Field) override { Field = TFontStyles{fsItalic, fsStrikeOut}; }
    void Lines(const char* Key, TStrings& Field) override {
        Field.Clear();
        Field.Add(std::string(Key) + "0");
        Field.Add(std::string(Key) + "1");
    }

protected:
    void Word(const char* Key, int& Ordinal, const TskEnumWords& Words) override {
        Ordinal = (Words.Default + 1 + Hash(Key) % (Words.Count - 1)) % Words.Count;
    }

private:
    static int Hash(const char* Key) { return int(std::hash<std::string>()(Key) % 100000); }
};

// A description's section as text.
inline std::string SavedSection(TskSkinSection& Data) {
    auto ini = IniFromText("");
    Data.SaveToIni(ini.get());
    return TextOf(*ini);
}

// What every kind of a family must do: read its defaults from an empty section, and read back what it
// saved with every key changed. Adjust applies to the changed description the rules its loader
// enforces, before it is saved.
template <class Create, class Adjust> void ExpectKindRoundTrips(const char* Kind, Create Make, Adjust Rules) {
    auto fresh = Make(Kind, "k");
    ASSERT_NE(fresh, nullptr) << Kind;
    auto loaded = Make(Kind, "k");
    auto empty = IniFromText("[k]\n");
    loaded->LoadFromIni(empty.get());
    EXPECT_EQ(SavedSection(*loaded), SavedSection(*fresh)) << Kind;
    TKeyScrambler scramble;
    fresh->VisitKeys(scramble);
    Rules(*fresh);
    const std::string text = SavedSection(*fresh);
    EXPECT_NE(text, SavedSection(*loaded)) << Kind;
    auto ini = IniFromText(text);
    auto back = Make(Kind, "k");
    back->LoadFromIni(ini.get());
    EXPECT_EQ(SavedSection(*back), text) << Kind;
}

// The text a fresh description of the kind saves under Key.
template <class Create> std::string SavedDefault(Create Make, const char* Kind, const char* Key) {
    auto data = Make(Kind, "k");
    auto ini = IniFromText("");
    data->SaveToIni(ini.get());
    return ini->ReadString("k", Key, "<missing>");
}

} // namespace skintest
