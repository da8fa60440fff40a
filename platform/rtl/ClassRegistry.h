// The class registry: class names mapped to the means of making an instance, so that a class can be
// created from its name (stored layouts, plug-in item kinds). Lookups ignore case, as class names do.
//
// Registration is explicit (a module's init step calls RegisterClass); nothing registers itself during
// static initialisation. The registry may be used from several threads.
#pragma once

#include "platform/rtl/Object.h"

#include <functional>
#include <string>
#include <type_traits>
#include <typeinfo>

class TComponent;
class TPersistent;

// A registered class: its name and a factory. Components get their owner; other classes ignore it.
struct TPersistentClass {
    std::string ClassName;
    const std::type_info* Type = nullptr;
    std::function<TPersistent*(TComponent* AOwner)> Create;
};

namespace class_registry_detail {
void Register(TPersistentClass Class);
void Unregister(const std::type_info& Type);

template <class T> TPersistentClass ClassOf() {
    static_assert(std::is_base_of_v<TPersistent, T>, "only persistent classes can be registered");
    TPersistentClass info;
    info.ClassName = TObject::ClassNameOf(typeid(T));
    info.Type = &typeid(T);
    info.Create = [](TComponent* owner) -> TPersistent* {
        if constexpr (std::is_constructible_v<T, TComponent*>)
            return new T(owner);
        else
            return new T();
    };
    return info;
}
} // namespace class_registry_detail

// Registers T under its class name. Registering it again does nothing; registering a different class
// under a name already taken raises EFilerError "A class named <name> already exists".
template <class T> void RegisterClass() {
    class_registry_detail::Register(class_registry_detail::ClassOf<T>());
}

template <class... T> void RegisterClasses() {
    (RegisterClass<T>(), ...);
}

// Registers a factory under an explicit name, for classes made some other way.
void RegisterClass(const std::string& ClassName, const std::type_info& Type,
                   std::function<TPersistent*(TComponent* AOwner)> Create);

template <class T> void UnRegisterClass() {
    class_registry_detail::Unregister(typeid(T));
}
void UnRegisterClass(const std::string& ClassName);

// Raises EClassNotFound "Class <name> not found" for an unknown name.
const TPersistentClass& FindClass(const std::string& ClassName);
// Null for an unknown name.
const TPersistentClass* GetClass(const std::string& ClassName);
