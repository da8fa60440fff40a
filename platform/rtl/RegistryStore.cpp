#include "platform/rtl/RegistryStore.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FileNames.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/IniFileText.h"
#include "platform/rtl/StrUtils.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <utility>

namespace registry_store {

const char* const RootNames[] = {"HKEY_CLASSES_ROOT", "HKEY_CURRENT_USER", "HKEY_LOCAL_MACHINE", "HKEY_USERS",
                                 "HKEY_CURRENT_CONFIG"};
const std::string_view FileHeader = "OLVA registry 1";

bool MustEscape(unsigned char c) {
    return c < 0x20 || c == 0x7F || c == '%' || c == '"';
}

void AppendQuoted(std::string& out, std::string_view text) {
    out += '"';
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (MustEscape(static_cast<unsigned char>(text[i]))) {
            out += '%';
            out += ini_text::BytesToHex(text.substr(i, 1));
        } else {
            out += text[i];
        }
    }
    out += '"';
}

// Reads one line's items from left to right; every read fails on text that is not exactly as written.
class LineReader {
public:
    explicit LineReader(std::string_view line) : FRest(line) {}

    bool Literal(char c) {
        if (FRest.empty() || FRest.front() != c) return false;
        FRest.remove_prefix(1);
        return true;
    }
    bool Quoted(std::string& text) {
        text.clear();
        if (!Literal('"')) return false;
        while (!FRest.empty() && FRest.front() != '"') {
            char c = FRest.front();
            if (c == '%') {
                std::optional<std::string> byte = ini_text::HexToBytes(FRest.substr(1, 2));
                if (!byte || byte->size() != 1) return false;
                text += *byte;
                FRest.remove_prefix(3);
            } else {
                text += c;
                FRest.remove_prefix(1);
            }
        }
        return Literal('"');
    }
    bool Integer(std::int32_t& value) {
        auto [end, error] = std::from_chars(FRest.data(), FRest.data() + FRest.size(), value);
        if (error != std::errc() || end == FRest.data()) return false;
        FRest.remove_prefix(static_cast<std::size_t>(end - FRest.data()));
        return true;
    }
    // The rest of the line as hexadecimal bytes.
    bool Hex(std::string& bytes) {
        std::optional<std::string> decoded = ini_text::HexToBytes(FRest);
        if (!decoded) return false;
        bytes = std::move(*decoded);
        FRest = {};
        return true;
    }
    bool AtEnd() const { return FRest.empty(); }

private:
    std::string_view FRest;
};

// "A\B\C" as its parts; nothing when a part is empty.
std::optional<RegistryPath> SplitStoredPath(std::string_view text) {
    RegistryPath path;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find('\\', start);
        std::string_view part =
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (part.empty()) return std::nullopt;
        path.emplace_back(part);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return path;
}

std::mutex& SharedStoresLock() {
    static std::mutex lock;
    return lock;
}

std::map<std::string, std::weak_ptr<RegistryStore>>& SharedStores() {
    static std::map<std::string, std::weak_ptr<RegistryStore>> stores;
    return stores;
}

} // namespace registry_store

std::optional<RegistryPath> ResolveRegistryPath(std::string_view rootName, const RegistryPath* openKey,
                                                std::string_view key) {
    const bool absolute = !key.empty() && key.front() == '\\';
    RegistryPath path = (absolute || !openKey) ? RegistryPath{std::string(rootName)} : *openKey;
    if (absolute) key.remove_prefix(1);
    if (!key.empty() && key.back() == '\\') key.remove_suffix(1);
    if (key.empty()) return path;
    std::optional<RegistryPath> below = registry_store::SplitStoredPath(key);
    if (!below) return std::nullopt;
    path.insert(path.end(), below->begin(), below->end());
    return path;
}

bool RegistryStore::CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const {
    return CompareText(a, b) < 0;
}

std::shared_ptr<RegistryStore> RegistryStore::Acquire(const std::string& fileName) {
    std::lock_guard guard(registry_store::SharedStoresLock());
    auto& stores = registry_store::SharedStores();
    if (auto live = stores[fileName].lock()) return live;
    auto store = std::make_shared<RegistryStore>(fileName);
    // Forget stores nobody uses any more, so that the table does not grow with every test folder.
    for (auto it = stores.begin(); it != stores.end();)
        it = it->second.expired() ? stores.erase(it) : std::next(it);
    stores[fileName] = store;
    return store;
}

RegistryStore::RegistryStore(std::string fileName) : FFileName(std::move(fileName)) {
    for (const char* root : registry_store::RootNames)
        FTop.SubKeys[root] = std::make_unique<Key>();
    Load();
}

bool RegistryStore::IsRootName(std::string_view name) {
    return std::any_of(std::begin(registry_store::RootNames), std::end(registry_store::RootNames),
                       [&](const char* root) { return SameText(root, name); });
}

const RegistryStore::Key* RegistryStore::Find(const RegistryPath& path) const {
    if (path.empty()) return nullptr;
    const Key* key = &FTop;
    for (const std::string& name : path) {
        auto it = key->SubKeys.find(name);
        if (it == key->SubKeys.end()) return nullptr;
        key = it->second.get();
    }
    return key;
}

RegistryStore::Key* RegistryStore::Find(const RegistryPath& path) {
    return const_cast<Key*>(std::as_const(*this).Find(path));
}

bool RegistryStore::KeyExists(const RegistryPath& path) const {
    std::lock_guard guard(FLock);
    return Find(path) != nullptr;
}

bool RegistryStore::CreateKey(const RegistryPath& path) {
    std::lock_guard guard(FLock);
    if (path.empty() || !IsRootName(path.front())) return false;
    if (std::any_of(path.begin(), path.end(), [](const std::string& name) { return name.empty(); }))
        return false;
    Key* key = &FTop;
    for (const std::string& name : path) {
        auto& slot = key->SubKeys[name];
        if (!slot) {
            slot = std::make_unique<Key>();
            FModified = true;
        }
        key = slot.get();
    }
    return true;
}

bool RegistryStore::DeleteKey(const RegistryPath& path) {
    std::lock_guard guard(FLock);
    if (path.size() < 2) return false;
    Key* parent = Find(RegistryPath(path.begin(), path.end() - 1));
    if (!parent || parent->SubKeys.erase(path.back()) == 0) return false;
    FModified = true;
    return true;
}

std::vector<std::string> RegistryStore::KeyNames(const RegistryPath& path) const {
    std::lock_guard guard(FLock);
    std::vector<std::string> names;
    if (const Key* key = Find(path))
        for (const auto& [name, subKey] : key->SubKeys)
            names.push_back(name);
    return names;
}

std::vector<std::string> RegistryStore::ValueNames(const RegistryPath& path) const {
    std::lock_guard guard(FLock);
    std::vector<std::string> names;
    if (const Key* key = Find(path))
        for (const auto& [name, value] : key->Values)
            names.push_back(name);
    return names;
}

std::optional<RegistryValue> RegistryStore::GetValue(const RegistryPath& path, std::string_view name) const {
    std::lock_guard guard(FLock);
    const Key* key = Find(path);
    if (!key) return std::nullopt;
    for (const auto& [valueName, value] : key->Values)
        if (SameText(valueName, name)) return value;
    return std::nullopt;
}

bool RegistryStore::SetValue(const RegistryPath& path, std::string_view name, RegistryValue value) {
    std::lock_guard guard(FLock);
    Key* key = Find(path);
    if (!key) return false;
    FModified = true;
    for (auto& [valueName, existing] : key->Values) {
        if (SameText(valueName, name)) {
            existing = std::move(value);
            return true;
        }
    }
    key->Values.emplace_back(std::string(name), std::move(value));
    return true;
}

bool RegistryStore::DeleteValue(const RegistryPath& path, std::string_view name) {
    std::lock_guard guard(FLock);
    Key* key = Find(path);
    if (!key) return false;
    auto it = std::find_if(key->Values.begin(), key->Values.end(),
                           [&](const auto& entry) { return SameText(entry.first, name); });
    if (it == key->Values.end()) return false;
    key->Values.erase(it);
    FModified = true;
    return true;
}

bool RegistryStore::Modified() const {
    std::lock_guard guard(FLock);
    return FModified;
}

void RegistryStore::Load() {
    std::optional<std::string> bytes = ReadFileBytes(FFileName);
    if (!bytes || bytes->empty()) return;
    if (!Parse(*bytes)) {
        for (auto& [name, root] : FTop.SubKeys)
            root = std::make_unique<Key>();
        FDamagedContent = std::move(*bytes);
    }
}

bool RegistryStore::Parse(std::string_view text) {
    std::size_t lineEnd = text.find('\n');
    std::string_view header = text.substr(0, lineEnd);
    if (!header.empty() && header.back() == '\r') header.remove_suffix(1);
    if (header != registry_store::FileHeader) return false;
    Key* current = nullptr;
    while (lineEnd != std::string_view::npos) {
        text.remove_prefix(lineEnd + 1);
        lineEnd = text.find('\n');
        std::string_view line = text.substr(0, lineEnd);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty()) continue;

        registry_store::LineReader reader(line.substr(1));
        std::string name;
        if (!reader.Literal(' ') || !reader.Quoted(name)) return false;
        if (line.front() == 'K') {
            std::optional<RegistryPath> path = registry_store::SplitStoredPath(name);
            if (!reader.AtEnd() || !path || !IsRootName(path->front())) return false;
            current = &FTop;
            for (const std::string& part : *path) {
                auto& slot = current->SubKeys[part];
                if (!slot) slot = std::make_unique<Key>();
                current = slot.get();
            }
            continue;
        }
        if (!current || !reader.Literal(' ')) return false;
        RegistryValue value;
        switch (line.front()) {
        case 'S':
            value.Kind = RegistryValueKind::String;
            if (!reader.Quoted(value.Bytes)) return false;
            break;
        case 'D':
            value.Kind = RegistryValueKind::Integer;
            if (!reader.Integer(value.Integer)) return false;
            break;
        case 'B':
            value.Kind = RegistryValueKind::Binary;
            if (!reader.Hex(value.Bytes)) return false;
            break;
        default:
            return false;
        }
        if (!reader.AtEnd()) return false;
        current->Values.emplace_back(std::move(name), std::move(value));
    }
    return true;
}

void RegistryStore::SerializeKey(const Key& key, const std::string& path, std::string& out) {
    // A root key is implied by the paths below it; it needs its own line only to hold values.
    const bool isRoot = path.find('\\') == std::string::npos;
    if (!isRoot || !key.Values.empty()) {
        out += "K ";
        registry_store::AppendQuoted(out, path);
        out += '\n';
    }
    for (const auto& [name, value] : key.Values) {
        switch (value.Kind) {
        case RegistryValueKind::String:
            out += "S ";
            registry_store::AppendQuoted(out, name);
            out += ' ';
            registry_store::AppendQuoted(out, value.Bytes);
            break;
        case RegistryValueKind::Integer:
            out += "D ";
            registry_store::AppendQuoted(out, name);
            out += ' ';
            out += std::to_string(value.Integer);
            break;
        case RegistryValueKind::Binary:
            out += "B ";
            registry_store::AppendQuoted(out, name);
            out += ' ';
            out += ini_text::BytesToHex(value.Bytes);
            break;
        }
        out += '\n';
    }
    for (const auto& [name, subKey] : key.SubKeys)
        SerializeKey(*subKey, path + "\\" + name, out);
}

std::string RegistryStore::Serialize() const {
    std::string out(registry_store::FileHeader);
    out += '\n';
    for (const auto& [name, root] : FTop.SubKeys)
        SerializeKey(*root, name, out);
    return out;
}

void RegistryStore::Save() {
    std::lock_guard guard(FLock);
    if (!FModified) return;
    auto fail = [&](const std::string& what) {
        throw ERegistryException("Unable to save the registry store " + what + ini_text::LastErrorReason());
    };
    errno = 0;
    const std::string folder = ExtractFileDir(FFileName);
    if (!folder.empty() && !ForceDirectories(folder))
        throw ERegistryException("Unable to save the registry store " + FFileName +
                                 ": cannot create the folder " + folder);
    if (FDamagedContent) {
        if (!WriteFileAtomically(FFileName + ".bad", *FDamagedContent)) fail(FFileName + ".bad");
        FDamagedContent.reset();
    }
    if (!WriteFileAtomically(FFileName, Serialize())) fail(FFileName);
    FModified = false;
}
