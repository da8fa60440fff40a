#include "platform/rtl/RegistryIniFile.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFileText.h"
#include "platform/rtl/Registry.h"
#include "platform/rtl/RegistryStore.h"
#include "platform/rtl/StrConvert.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/Strings.h"

#include <cstdio>

namespace registry_ini_detail {

const char* const FileRoot = "HKEY_CURRENT_USER";

} // namespace registry_ini_detail

TRegistryIniFile::TRegistryIniFile(const std::string& FileName)
    : TCustomIniFile(FileName), FStore(RegistryStore::Acquire(RegistryStoreFileName())) {
    std::optional<Path> key = ResolveRegistryPath(registry_ini_detail::FileRoot, nullptr, FileName);
    if (!key || !FStore->CreateKey(*key)) throw ERegistryException("Failed to create key " + FileName);
    FKey = std::move(*key);
}

TRegistryIniFile::~TRegistryIniFile() {
    try {
        FStore->Save();
    } catch (const Exception& error) {
        std::fprintf(stderr, "%s\n", error.Message().c_str());
    }
}

std::optional<TRegistryIniFile::Path> TRegistryIniFile::SectionPath(const std::string& Section) const {
    return ResolveRegistryPath(registry_ini_detail::FileRoot, &FKey, Section);
}

std::optional<RegistryValue> TRegistryIniFile::Value(const std::string& Section,
                                                     const std::string& Ident) const {
    std::optional<Path> path = SectionPath(Section);
    if (!path) return std::nullopt;
    return FStore->GetValue(*path, Ident);
}

void TRegistryIniFile::Store(const std::string& Section, const std::string& Ident,
                             const RegistryValue& Value) {
    std::optional<Path> path = SectionPath(Section);
    if (!path || !FStore->CreateKey(*path)) throw ERegistryException("Failed to create key " + Section);
    if (!FStore->SetValue(*path, Ident, Value))
        throw ERegistryException("Failed to set data for '" + Ident + "'");
}

std::string TRegistryIniFile::ReadString(const std::string& Section, const std::string& Ident,
                                         const std::string& Default) {
    std::optional<RegistryValue> value = Value(Section, Ident);
    if (!value) return Default;
    switch (value->Kind) {
    case RegistryValueKind::String:
        return value->Bytes;
    case RegistryValueKind::Integer:
        return IntToStr(value->Integer);
    case RegistryValueKind::Binary:
        break;
    }
    return Default;
}

void TRegistryIniFile::WriteString(const std::string& Section, const std::string& Ident,
                                   const std::string& Value) {
    Store(Section, Ident, RegistryValue{RegistryValueKind::String, Value, 0});
}

int TRegistryIniFile::ReadInteger(const std::string& Section, const std::string& Ident, int Default) {
    std::optional<RegistryValue> value = Value(Section, Ident);
    if (value && value->Kind == RegistryValueKind::Integer) return value->Integer;
    return TCustomIniFile::ReadInteger(Section, Ident, Default); // text, or the default
}

void TRegistryIniFile::WriteInteger(const std::string& Section, const std::string& Ident, int Value) {
    Store(Section, Ident, RegistryValue{RegistryValueKind::Integer, "", Value});
}

int TRegistryIniFile::ReadBinaryStream(const std::string& Section, const std::string& Name, TStream& Value) {
    std::optional<RegistryValue> value = this->Value(Section, Name);
    if (!value) return 0;
    if (value->Kind != RegistryValueKind::Binary)
        return TCustomIniFile::ReadBinaryStream(Section, Name, Value); // hexadecimal text
    return PutBytes(Value, value->Bytes);
}

void TRegistryIniFile::WriteBinaryStream(const std::string& Section, const std::string& Name,
                                         TStream& Value) {
    Store(Section, Name, RegistryValue{RegistryValueKind::Binary, TakeRemainingBytes(Value), 0});
}

void TRegistryIniFile::ReadSection(const std::string& Section, TStrings& Strings) {
    std::optional<Path> path = SectionPath(Section);
    ini_text::ReplaceListContent(Strings, path ? FStore->ValueNames(*path) : std::vector<std::string>());
}

void TRegistryIniFile::ReadSections(TStrings& Strings) {
    ini_text::ReplaceListContent(Strings, FStore->KeyNames(FKey));
}

void TRegistryIniFile::ReadSectionValues(const std::string& Section, TStrings& Strings) {
    std::vector<std::string> lines;
    std::optional<Path> path = SectionPath(Section);
    if (path)
        for (const std::string& name : FStore->ValueNames(*path))
            lines.push_back(name + "=" + ReadString(Section, name, ""));
    ini_text::ReplaceListContent(Strings, lines);
}

bool TRegistryIniFile::SectionExists(const std::string& Section) {
    std::optional<Path> path = SectionPath(Section);
    return path && FStore->KeyExists(*path);
}

bool TRegistryIniFile::ValueExists(const std::string& Section, const std::string& Ident) {
    return Value(Section, Ident).has_value();
}

void TRegistryIniFile::EraseSection(const std::string& Section) {
    if (std::optional<Path> path = SectionPath(Section)) FStore->DeleteKey(*path);
}

void TRegistryIniFile::DeleteKey(const std::string& Section, const std::string& Ident) {
    if (std::optional<Path> path = SectionPath(Section)) FStore->DeleteValue(*path, Ident);
}

void TRegistryIniFile::UpdateFile() {
    FStore->Save();
}
