// The settings-file interface over the registry: the "file" is a key below HKEY_CURRENT_USER (created
// when missing), sections are its sub-keys and idents their values. A section that starts with '\' is a
// key path from HKEY_CURRENT_USER itself. Integers are stored as integer values and binary streams as
// binary values; reads accept what another writer may have stored instead (an integer read from text,
// text read from an integer). Erasing a section removes the key with everything below it. Changes are
// written to the store file by UpdateFile and on destruction.
#pragma once

#include "platform/rtl/IniFile.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class RegistryStore;
struct RegistryValue;

class TRegistryIniFile : public TCustomIniFile {
public:
    // Raises ERegistryException when FileName is not a valid key path.
    explicit TRegistryIniFile(const std::string& FileName);
    // Writes pending changes; a failure is reported on standard error, as a destructor cannot raise.
    ~TRegistryIniFile() override;
    TRegistryIniFile(const TRegistryIniFile&) = delete;
    TRegistryIniFile& operator=(const TRegistryIniFile&) = delete;

    std::string ReadString(const std::string& Section, const std::string& Ident,
                           const std::string& Default) override;
    void WriteString(const std::string& Section, const std::string& Ident, const std::string& Value) override;
    int ReadInteger(const std::string& Section, const std::string& Ident, int Default) override;
    void WriteInteger(const std::string& Section, const std::string& Ident, int Value) override;
    int ReadBinaryStream(const std::string& Section, const std::string& Name, TStream& Value) override;
    void WriteBinaryStream(const std::string& Section, const std::string& Name, TStream& Value) override;

    // ReadSections lists the sub-keys of the file's key; ReadSection the value names of a section.
    void ReadSection(const std::string& Section, TStrings& Strings) override;
    void ReadSections(TStrings& Strings) override;
    void ReadSectionValues(const std::string& Section, TStrings& Strings) override;
    bool SectionExists(const std::string& Section) override;
    bool ValueExists(const std::string& Section, const std::string& Ident) override;
    void EraseSection(const std::string& Section) override;
    void DeleteKey(const std::string& Section, const std::string& Ident) override;
    // Writes pending changes to the store file; raises ERegistryException when it cannot.
    void UpdateFile() override;

private:
    using Path = std::vector<std::string>;
    std::optional<Path> SectionPath(const std::string& Section) const;
    std::optional<RegistryValue> Value(const std::string& Section, const std::string& Ident) const;
    void Store(const std::string& Section, const std::string& Ident, const RegistryValue& Value);

    std::shared_ptr<RegistryStore> FStore;
    Path FKey; // the file's key
};
