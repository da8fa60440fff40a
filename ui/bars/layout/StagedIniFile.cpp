#include "ui/bars/layout/StagedIniFile.h"

#include "platform/rtl/IniFileText.h"
#include "platform/rtl/MemoryStream.h"
#include "platform/rtl/StrConvert.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Strings.h"

#include <algorithm>

const TovStagedIniFile::Section* TovStagedIniFile::Find(const std::string& ASection) const {
    auto found = FIndex.find(UpperCase(ASection));
    return found == FIndex.end() ? nullptr : &FSections[found->second];
}

const TovStagedIniFile::Value* TovStagedIniFile::FindValue(const std::string& ASection,
                                                           const std::string& AIdent) const {
    const Section* section = Find(ASection);
    if (section == nullptr) return nullptr;
    for (const Value& value : section->Values)
        if (SameText(value.Name, AIdent)) return &value;
    return nullptr;
}

void TovStagedIniFile::Store(const std::string& ASection, Value AValue) {
    auto [position, added] = FIndex.emplace(UpperCase(ASection), FSections.size());
    if (added) FSections.push_back(Section{ASection, {}});
    std::vector<Value>& values = FSections[position->second].Values;
    auto existing = std::find_if(values.begin(), values.end(),
                                 [&](const Value& AOld) { return SameText(AOld.Name, AValue.Name); });
    if (existing != values.end())
        *existing = std::move(AValue);
    else
        values.push_back(std::move(AValue));
}

std::string TovStagedIniFile::ReadString(const std::string& Section, const std::string& Ident,
                                         const std::string& Default) {
    const Value* value = FindValue(Section, Ident);
    if (value == nullptr || value->Kind == ValueKind::Bytes) return Default;
    return value->Kind == ValueKind::Integer ? IntToStr(value->Integer) : value->Text;
}

void TovStagedIniFile::WriteString(const std::string& Section, const std::string& Ident,
                                   const std::string& Value) {
    Store(Section, {Ident, ValueKind::Text, Value, 0});
}

int TovStagedIniFile::ReadInteger(const std::string& Section, const std::string& Ident, int Default) {
    const Value* value = FindValue(Section, Ident);
    if (value != nullptr && value->Kind == ValueKind::Integer) return value->Integer;
    return TCustomIniFile::ReadInteger(Section, Ident, Default);
}

void TovStagedIniFile::WriteInteger(const std::string& Section, const std::string& Ident, int Value) {
    Store(Section, {Ident, ValueKind::Integer, {}, Value});
}

int TovStagedIniFile::ReadBinaryStream(const std::string& Section, const std::string& Name, TStream& Value) {
    const TovStagedIniFile::Value* value = FindValue(Section, Name);
    if (value == nullptr) return 0;
    if (value->Kind != ValueKind::Bytes) return TCustomIniFile::ReadBinaryStream(Section, Name, Value);
    return PutBytes(Value, value->Text);
}

void TovStagedIniFile::WriteBinaryStream(const std::string& Section, const std::string& Name,
                                         TStream& Value) {
    Store(Section, {Name, ValueKind::Bytes, TakeRemainingBytes(Value), 0});
}

void TovStagedIniFile::ReadSection(const std::string& Section, TStrings& Strings) {
    std::vector<std::string> names;
    if (const TovStagedIniFile::Section* section = Find(Section))
        for (const Value& value : section->Values)
            names.push_back(value.Name);
    ini_text::ReplaceListContent(Strings, names);
}

void TovStagedIniFile::ReadSections(TStrings& Strings) {
    ini_text::ReplaceListContent(Strings, SectionNames());
}

void TovStagedIniFile::ReadSectionValues(const std::string& Section, TStrings& Strings) {
    std::vector<std::string> lines;
    if (const TovStagedIniFile::Section* section = Find(Section))
        for (const Value& value : section->Values)
            lines.push_back(value.Name + "=" + ReadString(Section, value.Name, ""));
    ini_text::ReplaceListContent(Strings, lines);
}

bool TovStagedIniFile::SectionExists(const std::string& Section) {
    return Find(Section) != nullptr;
}

bool TovStagedIniFile::ValueExists(const std::string& Section, const std::string& Ident) {
    return FindValue(Section, Ident) != nullptr;
}

void TovStagedIniFile::EraseSection(const std::string& Section) {
    auto found = FIndex.find(UpperCase(Section));
    if (found == FIndex.end()) return;
    FSections.erase(FSections.begin() + static_cast<std::ptrdiff_t>(found->second));
    FIndex.clear();
    for (std::size_t i = 0; i < FSections.size(); ++i)
        FIndex.emplace(UpperCase(FSections[i].Name), i);
}

void TovStagedIniFile::DeleteKey(const std::string& Section, const std::string& Ident) {
    auto found = FIndex.find(UpperCase(Section));
    if (found == FIndex.end()) return;
    std::erase_if(FSections[found->second].Values,
                  [&](const Value& AValue) { return SameText(AValue.Name, Ident); });
}

std::vector<std::string> TovStagedIniFile::SectionNames() const {
    std::vector<std::string> names;
    names.reserve(FSections.size());
    for (const Section& section : FSections)
        names.push_back(section.Name);
    return names;
}

void TovStagedIniFile::CommitTo(TCustomIniFile& ATarget) const {
    for (const Section& section : FSections)
        for (const Value& value : section.Values)
            switch (value.Kind) {
            case ValueKind::Text:
                ATarget.WriteString(section.Name, value.Name, value.Text);
                break;
            case ValueKind::Integer:
                ATarget.WriteInteger(section.Name, value.Name, value.Integer);
                break;
            case ValueKind::Bytes: {
                TMemoryStream bytes;
                bytes.WriteBuffer(value.Text.data(), static_cast<std::int64_t>(value.Text.size()));
                bytes.SetPosition(0);
                ATarget.WriteBinaryStream(section.Name, value.Name, bytes);
                break;
            }
            }
}
