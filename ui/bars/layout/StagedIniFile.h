// A settings store that only holds what is written to it, with the kind of every value (text, integer,
// bytes), until it is copied into a real store in one step. The layout is composed here first, so that a
// failure while composing it (a handler that raises, a value the store refuses) leaves the real store as
// it was, and only a complete layout replaces the stored one.
#pragma once

#include "platform/rtl/IniFile.h"

#include <string>
#include <unordered_map>
#include <vector>

class TovStagedIniFile : public TCustomIniFile {
public:
    TovStagedIniFile() : TCustomIniFile("") {}

    std::string ReadString(const std::string& Section, const std::string& Ident,
                           const std::string& Default) override;
    void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) override;
    int ReadInteger(const std::string& Section, const std::string& Ident, int Default) override;
    void WriteInteger(const std::string& Section, const std::string& Ident, int Value) override;
    int ReadBinaryStream(const std::string& Section, const std::string& Name, TStream& Value) override;
    void WriteBinaryStream(const std::string& Section, const std::string& Name, TStream& Value) override;
    void ReadSection(const std::string& Section, TStrings& Strings) override;
    void ReadSections(TStrings& Strings) override;
    void ReadSectionValues(const std::string& Section, TStrings& Strings) override;
    bool SectionExists(const std::string& Section) override;
    bool ValueExists(const std::string& Section, const std::string& Ident) override;
    void EraseSection(const std::string& Section) override;
    void DeleteKey(const std::string& Section, const std::string& Ident) override;
    // Nothing to write: CommitTo hands the values on.
    void UpdateFile() override {}

    // The sections in the order they were first written.
    std::vector<std::string> SectionNames() const;
    // Writes every value, section by section in writing order, into ATarget with the same kind.
    void CommitTo(TCustomIniFile& ATarget) const;

private:
    enum class ValueKind { Text, Integer, Bytes };
    struct Value {
        std::string Name;
        ValueKind Kind = ValueKind::Text;
        std::string Text; // the text, or the bytes
        int Integer = 0;
    };
    struct Section {
        std::string Name;
        std::vector<Value> Values;
    };

    const Section* Find(const std::string& ASection) const;
    const Value* FindValue(const std::string& ASection, const std::string& AIdent) const;
    void Store(const std::string& ASection, Value AValue);

    std::vector<Section> FSections;
    std::unordered_map<std::string, std::size_t> FIndex; // upper-cased name -> position
};
