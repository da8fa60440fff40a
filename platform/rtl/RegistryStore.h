// The hierarchical key-value store behind TRegistry: a tree of keys, each with named values (text,
// 32-bit integers or bytes), kept in one file. Key and value names are compared without regard to
// case and keep the case they were created with. One store object is shared by every user of the same
// file in the process, so that two open registries never overwrite each other's changes; it is loaded
// when its first user arrives and saved (whole, through a temporary file) when asked.
//
// File format (UTF-8 text, one item a line): a first line "OLVA registry 1", then for every key a line
//   K "HKEY_CURRENT_USER\Software\OLVA"
// followed by its values:
//   S "Name" "text"      D "Name" -12      B "Name" 0AFF
// Inside quotes, '%', '"' and control bytes are written as %XX. A file that does not follow this form
// is not used; before it is first replaced it is kept beside the store as "<file>.bad".
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class RegistryValueKind { String, Integer, Binary };

struct RegistryValue {
    RegistryValueKind Kind = RegistryValueKind::String;
    std::string Bytes;        // the text or the bytes
    std::int32_t Integer = 0; // Integer values only
};

// A key path: the root key's name ("HKEY_CURRENT_USER"), then the names of the keys below it.
using RegistryPath = std::vector<std::string>;

// The full path of `key`: from the root key `rootName` when it starts with '\' or when no key is open
// (`openKey` null), else from `openKey`. A trailing '\' is allowed; nothing when a name in it is empty.
std::optional<RegistryPath> ResolveRegistryPath(std::string_view rootName, const RegistryPath* openKey,
                                                std::string_view key);

class RegistryStore {
public:
    // The store of `fileName`, shared with every other current user of it.
    static std::shared_ptr<RegistryStore> Acquire(const std::string& fileName);

    explicit RegistryStore(std::string fileName);
    RegistryStore(const RegistryStore&) = delete;
    RegistryStore& operator=(const RegistryStore&) = delete;

    const std::string& FileName() const { return FFileName; }

    bool KeyExists(const RegistryPath& path) const;
    // Creates the key and any missing parents; false when the path cannot name a key.
    bool CreateKey(const RegistryPath& path);
    // Removes the key with everything below it; root keys cannot be removed.
    bool DeleteKey(const RegistryPath& path);
    // Sub-key names in order of name (without regard to case); value names in order of creation.
    std::vector<std::string> KeyNames(const RegistryPath& path) const;
    std::vector<std::string> ValueNames(const RegistryPath& path) const;

    std::optional<RegistryValue> GetValue(const RegistryPath& path, std::string_view name) const;
    // False when the key does not exist.
    bool SetValue(const RegistryPath& path, std::string_view name, RegistryValue value);
    bool DeleteValue(const RegistryPath& path, std::string_view name);

    bool Modified() const;
    // Writes the store when it was modified since it was loaded or last saved. Raises ERegistryException
    // when the file cannot be written; the file is then left as it was and the changes stay pending.
    void Save();

    // The root key names a path may start with.
    static bool IsRootName(std::string_view name);

private:
    struct CaseInsensitiveLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    struct Key {
        std::vector<std::pair<std::string, RegistryValue>> Values;
        std::map<std::string, std::unique_ptr<Key>, CaseInsensitiveLess> SubKeys;
    };

    const Key* Find(const RegistryPath& path) const;
    Key* Find(const RegistryPath& path);
    void Load();
    bool Parse(std::string_view text);
    std::string Serialize() const;
    static void SerializeKey(const Key& key, const std::string& path, std::string& out);

    mutable std::mutex FLock;
    std::string FFileName;
    Key FTop; // its sub-keys are the root keys
    bool FModified = false;
    std::optional<std::string> FDamagedContent; // a file that could not be read, kept until replaced
};
