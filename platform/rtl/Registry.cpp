#include "platform/rtl/Registry.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileNames.h"
#include "platform/rtl/IniFileText.h"
#include "platform/rtl/Paths.h"
#include "platform/rtl/RegistryStore.h"
#include "platform/rtl/Strings.h"

#include <cstdio>
#include <cstring>
#include <mutex>

namespace registry_detail {

std::mutex& StoreFileNameLock() {
    static std::mutex lock;
    return lock;
}

std::string& StoreFileNameOverride() {
    static std::string fileName;
    return fileName;
}

const char* RootKeyName(HKEY key) {
    if (key == HKEY_CLASSES_ROOT) return "HKEY_CLASSES_ROOT";
    if (key == HKEY_CURRENT_USER) return "HKEY_CURRENT_USER";
    if (key == HKEY_LOCAL_MACHINE) return "HKEY_LOCAL_MACHINE";
    if (key == HKEY_USERS) return "HKEY_USERS";
    if (key == HKEY_CURRENT_CONFIG) return "HKEY_CURRENT_CONFIG";
    return nullptr;
}

[[noreturn]] void RaiseInvalidType(const std::string& name) {
    throw ERegistryException("Invalid data type for '" + name + "'");
}

} // namespace registry_detail

std::string RegistryStoreFileName() {
    std::lock_guard guard(registry_detail::StoreFileNameLock());
    const std::string& chosen = registry_detail::StoreFileNameOverride();
    if (!chosen.empty()) return chosen;
    return IncludeTrailingPathDelimiter(GetUserDataFolder()) + "registry.dat";
}

void SetRegistryStoreFileName(const std::string& FileName) {
    std::lock_guard guard(registry_detail::StoreFileNameLock());
    registry_detail::StoreFileNameOverride() = FileName;
}

TRegistry::TRegistry()
    : FStore(RegistryStore::Acquire(RegistryStoreFileName())), FRootKey(HKEY_CURRENT_USER) {}

TRegistry::~TRegistry() {
    try {
        CloseKey();
    } catch (const Exception& error) {
        std::fprintf(stderr, "%s\n", error.Message().c_str());
    }
}

void TRegistry::SetRootKey(HKEY Value) {
    if (Value == FRootKey) return;
    ForgetKey();
    FRootKey = Value;
}

std::optional<TRegistry::Path> TRegistry::Resolve(const std::string& Key) const {
    const char* root = registry_detail::RootKeyName(FRootKey);
    if (!root) return std::nullopt;
    return ResolveRegistryPath(root, FCurrentKey ? &*FCurrentKey : nullptr, Key);
}

void TRegistry::Changed() {
    if (!FLazyWrite) FStore->Save();
}

bool TRegistry::ChangeKey(const std::string& Key, bool CanCreate, bool ReadOnly) {
    std::optional<Path> path = Resolve(Key);
    if (!path) return false;
    const bool existed = FStore->KeyExists(*path);
    if (!existed && (!CanCreate || !FStore->CreateKey(*path))) return false;
    ForgetKey(); // switching keys leaves pending changes to CloseKey or the destructor
    FCurrentKey = path;
    FCurrentPath.clear();
    for (std::size_t i = 1; i < path->size(); ++i) {
        if (i > 1) FCurrentPath += '\\';
        FCurrentPath += (*path)[i];
    }
    FReadOnly = ReadOnly;
    if (!existed) Changed();
    return true;
}

bool TRegistry::OpenKey(const std::string& Key, bool CanCreate) {
    return ChangeKey(Key, CanCreate, false);
}

bool TRegistry::OpenKeyReadOnly(const std::string& Key) {
    return ChangeKey(Key, false, true);
}

bool TRegistry::CreateKey(const std::string& Key) {
    const bool relativeToReadOnlyKey = FReadOnly && FCurrentKey && !(Key.size() > 0 && Key.front() == '\\');
    std::optional<Path> path = Resolve(Key);
    if (relativeToReadOnlyKey || !path || !FStore->CreateKey(*path))
        throw ERegistryException("Failed to create key " + Key);
    Changed();
    return true;
}

bool TRegistry::DeleteKey(const std::string& Key) {
    const bool relativeToReadOnlyKey = FReadOnly && FCurrentKey && !(Key.size() > 0 && Key.front() == '\\');
    std::optional<Path> path = Resolve(Key);
    if (relativeToReadOnlyKey || !path || !FStore->DeleteKey(*path)) return false;
    Changed();
    return true;
}

bool TRegistry::KeyExists(const std::string& Key) {
    std::optional<Path> path = Resolve(Key);
    return path && FStore->KeyExists(*path);
}

bool TRegistry::HasSubKeys() {
    return FCurrentKey && !FStore->KeyNames(*FCurrentKey).empty();
}

void TRegistry::ForgetKey() {
    FCurrentKey.reset();
    FCurrentPath.clear();
    FReadOnly = false;
}

void TRegistry::CloseKey() {
    ForgetKey();
    FStore->Save();
}

bool TRegistry::ValueExists(const std::string& Name) {
    return FCurrentKey && FStore->GetValue(*FCurrentKey, Name).has_value();
}

bool TRegistry::DeleteValue(const std::string& Name) {
    if (!FCurrentKey || FReadOnly || !FStore->DeleteValue(*FCurrentKey, Name)) return false;
    Changed();
    return true;
}

void TRegistry::GetKeyNames(TStrings& Strings) {
    ini_text::ReplaceListContent(Strings,
                                 FCurrentKey ? FStore->KeyNames(*FCurrentKey) : std::vector<std::string>());
}

void TRegistry::GetValueNames(TStrings& Strings) {
    ini_text::ReplaceListContent(Strings,
                                 FCurrentKey ? FStore->ValueNames(*FCurrentKey) : std::vector<std::string>());
}

TRegDataType TRegistry::GetDataType(const std::string& ValueName) {
    std::optional<RegistryValue> value =
        FCurrentKey ? FStore->GetValue(*FCurrentKey, ValueName) : std::nullopt;
    if (!value) return rdUnknown;
    switch (value->Kind) {
    case RegistryValueKind::String:
        return rdString;
    case RegistryValueKind::Integer:
        return rdInteger;
    case RegistryValueKind::Binary:
        return rdBinary;
    }
    return rdUnknown;
}

int TRegistry::GetDataSize(const std::string& ValueName) {
    std::optional<RegistryValue> value =
        FCurrentKey ? FStore->GetValue(*FCurrentKey, ValueName) : std::nullopt;
    if (!value) return -1;
    switch (value->Kind) {
    case RegistryValueKind::String:
        return static_cast<int>(value->Bytes.size()) + 1;
    case RegistryValueKind::Integer:
        return static_cast<int>(sizeof(std::int32_t));
    case RegistryValueKind::Binary:
        return static_cast<int>(value->Bytes.size());
    }
    return -1;
}

void TRegistry::SetValue(const std::string& Name, const RegistryValue& Value) {
    if (!FCurrentKey || FReadOnly || !FStore->SetValue(*FCurrentKey, Name, Value))
        throw ERegistryException("Failed to set data for '" + Name + "'");
    Changed();
}

std::string TRegistry::ReadString(const std::string& Name) {
    std::optional<RegistryValue> value = FCurrentKey ? FStore->GetValue(*FCurrentKey, Name) : std::nullopt;
    if (!value) return "";
    if (value->Kind != RegistryValueKind::String) registry_detail::RaiseInvalidType(Name);
    return value->Bytes;
}

void TRegistry::WriteString(const std::string& Name, const std::string& Value) {
    SetValue(Name, RegistryValue{RegistryValueKind::String, Value, 0});
}

int TRegistry::ReadInteger(const std::string& Name) {
    std::optional<RegistryValue> value = FCurrentKey ? FStore->GetValue(*FCurrentKey, Name) : std::nullopt;
    if (!value) throw ERegistryException("Failed to get data for '" + Name + "'");
    if (value->Kind != RegistryValueKind::Integer) registry_detail::RaiseInvalidType(Name);
    return value->Integer;
}

void TRegistry::WriteInteger(const std::string& Name, int Value) {
    SetValue(Name, RegistryValue{RegistryValueKind::Integer, "", Value});
}

bool TRegistry::ReadBool(const std::string& Name) {
    return ReadInteger(Name) != 0;
}

void TRegistry::WriteBool(const std::string& Name, bool Value) {
    WriteInteger(Name, Value ? 1 : 0);
}

int TRegistry::ReadBinaryData(const std::string& Name, void* Buffer, int BufSize) {
    std::optional<RegistryValue> value = FCurrentKey ? FStore->GetValue(*FCurrentKey, Name) : std::nullopt;
    if (!value) return 0;
    if (value->Kind != RegistryValueKind::Binary) registry_detail::RaiseInvalidType(Name);
    const int size = static_cast<int>(value->Bytes.size());
    if (size > BufSize)
        throw ERegistryException("The data of '" + Name + "' (" + std::to_string(size) +
                                 " bytes) does not fit into " + std::to_string(BufSize) + " bytes");
    if (size > 0) std::memcpy(Buffer, value->Bytes.data(), static_cast<std::size_t>(size));
    return size;
}

void TRegistry::WriteBinaryData(const std::string& Name, const void* Buffer, int BufSize) {
    if (BufSize < 0) throw ERegistryException("Failed to set data for '" + Name + "'");
    RegistryValue value{RegistryValueKind::Binary,
                        std::string(static_cast<const char*>(Buffer), static_cast<std::size_t>(BufSize)), 0};
    SetValue(Name, value);
}
