#include "platform/rtl/ClassRegistry.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StrUtils.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>

namespace class_registry_detail {

std::string Key(const std::string& name) {
    std::string key = name;
    for (char& c : key)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

// Entries are held by pointer so that references handed out stay valid while other classes come and go.
struct Registry {
    std::mutex Lock;
    std::map<std::string, std::unique_ptr<TPersistentClass>> Classes;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

void Register(TPersistentClass Class) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.Lock);
    auto& slot = registry.Classes[Key(Class.ClassName)];
    if (slot) {
        if (*slot->Type == *Class.Type) return;
        throw EFilerError("A class named " + Class.ClassName + " already exists");
    }
    slot = std::make_unique<TPersistentClass>(std::move(Class));
}

void Unregister(const std::type_info& Type) {
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.Lock);
    std::erase_if(registry.Classes, [&](const auto& entry) { return *entry.second->Type == Type; });
}

} // namespace class_registry_detail

void RegisterClass(const std::string& ClassName, const std::type_info& Type,
                   std::function<TPersistent*(TComponent* AOwner)> Create) {
    class_registry_detail::Register(TPersistentClass{ClassName, &Type, std::move(Create)});
}

void UnRegisterClass(const std::string& ClassName) {
    auto& registry = class_registry_detail::TheRegistry();
    std::lock_guard lock(registry.Lock);
    registry.Classes.erase(class_registry_detail::Key(ClassName));
}

const TPersistentClass* GetClass(const std::string& ClassName) {
    auto& registry = class_registry_detail::TheRegistry();
    std::lock_guard lock(registry.Lock);
    const auto it = registry.Classes.find(class_registry_detail::Key(ClassName));
    return it == registry.Classes.end() ? nullptr : it->second.get();
}

const TPersistentClass& FindClass(const std::string& ClassName) {
    const TPersistentClass* found = GetClass(ClassName);
    if (found == nullptr) throw EClassNotFound("Class " + ClassName + " not found");
    return *found;
}
