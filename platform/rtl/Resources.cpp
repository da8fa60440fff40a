#include "platform/rtl/Resources.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <utility>

namespace resources_detail {

std::string Upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// Entries are held by pointer so that what FindResource hands out stays put while others register.
struct Registry {
    std::mutex Lock;
    std::map<std::pair<std::string, std::string>, std::unique_ptr<TResourceData>> Entries;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

} // namespace resources_detail

void RegisterResource(std::string_view Type, std::string_view Name, const void* Data, std::size_t Size) {
    using namespace resources_detail;
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.Lock);
    auto& slot = registry.Entries[{Upper(Type), Upper(Name)}];
    if (!slot) slot = std::make_unique<TResourceData>();
    // Replaced in place: a pointer handed out earlier sees the new bytes.
    slot->Type = std::string(Type);
    slot->Name = std::string(Name);
    slot->Data = static_cast<const unsigned char*>(Data);
    slot->Size = Size;
}

const TResourceData* FindResource(std::string_view Type, std::string_view Name) {
    using namespace resources_detail;
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.Lock);
    const auto it = registry.Entries.find({Upper(Type), Upper(Name)});
    return it == registry.Entries.end() ? nullptr : it->second.get();
}

TResourceStream::TResourceStream(const std::string& ResName, const std::string& ResType)
    : FResource(FindResource(ResType, ResName)) {
    if (FResource == nullptr) throw EResNotFound("Resource " + ResName + " not found");
}

std::int64_t TResourceStream::Read(void* Buffer, std::int64_t Count) {
    const std::int64_t size = Size();
    if (Count <= 0 || FPosition >= size) return 0;
    const std::int64_t n = std::min(Count, size - FPosition);
    std::memcpy(Buffer, FResource->Data + FPosition, static_cast<std::size_t>(n));
    FPosition += n;
    return n;
}

std::int64_t TResourceStream::Write(const void*, std::int64_t) {
    throw EStreamError("Can't write to a read-only resource stream");
}

void TResourceStream::SetSize(std::int64_t) {
    throw EStreamError("Can't write to a read-only resource stream");
}

std::int64_t TResourceStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
    FPosition = SeekTarget(Offset, Origin, FPosition, Size());
    return FPosition;
}
