// The registry: keys below a handful of root keys, each holding named text, integer and binary values,
// kept in one store file in the per-user data folder. Key paths use '\' between names; a path that
// starts with '\' is taken from the root key, any other from the open key (or the root key when none is
// open). Names are compared without regard to case.
//
// Changes are written to the store file, whole and through a temporary file, by CloseKey and on
// destruction (opening another key or switching the root key does not write); with LazyWrite off,
// after every change as well.
#pragma once

#include "platform/rtl/Object.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class TStrings;
class RegistryStore;
struct RegistryValue;

struct HKEY__;
using HKEY = HKEY__*;

namespace registry_keys {
inline HKEY RootKeyHandle(std::uint32_t value) {
    // The root keys are 32-bit values sign-extended into a handle, as the desktop API defines them.
    return reinterpret_cast<HKEY>(static_cast<std::intptr_t>(static_cast<std::int32_t>(value)));
}
} // namespace registry_keys

inline const HKEY HKEY_CLASSES_ROOT = registry_keys::RootKeyHandle(0x80000000u);
inline const HKEY HKEY_CURRENT_USER = registry_keys::RootKeyHandle(0x80000001u);
inline const HKEY HKEY_LOCAL_MACHINE = registry_keys::RootKeyHandle(0x80000002u);
inline const HKEY HKEY_USERS = registry_keys::RootKeyHandle(0x80000003u);
inline const HKEY HKEY_CURRENT_CONFIG = registry_keys::RootKeyHandle(0x80000005u);

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

// The store file every new TRegistry and TRegistryIniFile uses: by default "registry.dat" in the
// per-user data folder. Tests point it elsewhere; an empty name restores the default.
std::string RegistryStoreFileName();
void SetRegistryStoreFileName(const std::string& FileName);

class TRegistry : public TObject {
public:
    // Starts on HKEY_CURRENT_USER with no key open.
    TRegistry();
    // Closes the key (saving pending changes; a failure to save is reported on standard error, as a
    // destructor cannot raise).
    ~TRegistry() override;
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey() const { return FRootKey; }
    // Leaves the open key and switches to another root key.
    void SetRootKey(HKEY Value);
    bool LazyWrite() const { return FLazyWrite; }
    void SetLazyWrite(bool Value) { FLazyWrite = Value; }
    // The open key's path below the root key, without a leading '\'; empty when none is open.
    const std::string& CurrentPath() const { return FCurrentPath; }

    // Opens a key (creating it and its parents with CanCreate); false when it does not exist or the
    // path is not a valid key path.
    bool OpenKey(const std::string& Key, bool CanCreate);
    // Opens an existing key for reading only: writing to it raises ERegistryException.
    bool OpenKeyReadOnly(const std::string& Key);
    // Creates a key without opening it. Raises ERegistryException "Failed to create key %s" when it
    // cannot be created; true otherwise.
    bool CreateKey(const std::string& Key);
    // Removes a key with everything below it; false when there was none.
    bool DeleteKey(const std::string& Key);
    bool KeyExists(const std::string& Key);
    bool HasSubKeys();
    // Closes the open key and writes pending changes to the store file (ERegistryException when it
    // cannot be written).
    void CloseKey();

    // The values of the open key.
    bool ValueExists(const std::string& Name);
    bool DeleteValue(const std::string& Name);
    // Lists are cleared first; sub-keys come in order of name, values in order of creation.
    void GetKeyNames(TStrings& Strings);
    void GetValueNames(TStrings& Strings);
    // rdUnknown / -1 when the value does not exist. A text's size counts a terminating zero byte.
    TRegDataType GetDataType(const std::string& ValueName);
    int GetDataSize(const std::string& ValueName);

    // Reading a value of another type raises ERegistryException "Invalid data type for '%s'".
    // A missing text reads as ""; a missing integer raises "Failed to get data for '%s'"; a missing
    // binary value reads as 0 bytes. Writing without a writable open key raises "Failed to set data
    // for '%s'".
    std::string ReadString(const std::string& Name);
    void WriteString(const std::string& Name, const std::string& Value);
    int ReadInteger(const std::string& Name);
    void WriteInteger(const std::string& Name, int Value);
    bool ReadBool(const std::string& Name);
    void WriteBool(const std::string& Name, bool Value);
    // Copies the value's bytes into Buffer and returns their number; raises when BufSize is too small.
    int ReadBinaryData(const std::string& Name, void* Buffer, int BufSize);
    void WriteBinaryData(const std::string& Name, const void* Buffer, int BufSize);

private:
    using Path = std::vector<std::string>;
    // The full store path of Key, taken from the root or from the open key; nothing when invalid.
    std::optional<Path> Resolve(const std::string& Key) const;
    bool ChangeKey(const std::string& Key, bool CanCreate, bool ReadOnly);
    void SetValue(const std::string& Name, const RegistryValue& Value);
    void Changed();
    void ForgetKey();

    std::shared_ptr<RegistryStore> FStore;
    HKEY FRootKey;
    std::optional<Path> FCurrentKey; // full store path of the open key
    std::string FCurrentPath;
    bool FReadOnly = false;
    bool FLazyWrite = true;
};
