// Class references: a class as a value that can be stored in registries, compared, asked whether it
// descends from another class, whether an object is an instance of it, and (for persistent classes
// made with an owner) asked to make an instance.
#pragma once

#include "platform/rtl/Object.h"

#include <functional>
#include <string>
#include <type_traits>
#include <typeinfo>

class TComponent;
class TPersistent;

class TuiClassRef {
public:
    std::string ClassName() const { return FName; }
    const std::type_info& Type() const { return *FType; }
    // Whether this class is AClass or one of its descendants.
    bool InheritsFrom(const TuiClassRef* AClass) const {
        return AClass != nullptr && AClass->FCatches(FThrow);
    }
    bool IsInstance(const TObject* AObject) const { return AObject != nullptr && FIsInstance(AObject); }
    // A new instance for classes made from an owner; null for the others.
    TPersistent* Create(TComponent* AOwner) const { return FCreate ? FCreate(AOwner) : nullptr; }
    bool CanCreate() const { return static_cast<bool>(FCreate); }

    template <class T> static const TuiClassRef* Of();

private:
    TuiClassRef() = default;
    std::string FName;
    const std::type_info* FType = nullptr;
    void (*FThrow)() = nullptr;             // throws a T* of this class
    bool (*FCatches)(void (*)()) = nullptr; // whether a thrown pointer converts to this class
    bool (*FIsInstance)(const TObject*) = nullptr;
    std::function<TPersistent*(TComponent*)> FCreate;
};

template <class T> const TuiClassRef* TuiClassRef::Of() {
    static const TuiClassRef ref = [] {
        TuiClassRef r;
        r.FName = TObject::ClassNameOf(typeid(T));
        r.FType = &typeid(T);
        // Pointer conversion at a catch clause is the language's own run-time test of derivation.
        r.FThrow = [] { throw static_cast<T*>(nullptr); };
        r.FCatches = [](void (*AThrow)()) {
            try {
                AThrow();
            } catch (T*) {
                return true;
            } catch (...) {
            }
            return false;
        };
        r.FIsInstance = [](const TObject* AObject) { return dynamic_cast<const T*>(AObject) != nullptr; };
        if constexpr (std::is_base_of_v<TPersistent, T> && std::is_constructible_v<T, TComponent*> &&
                      !std::is_abstract_v<T>)
            r.FCreate = [](TComponent* AOwner) -> TPersistent* { return new T(AOwner); };
        return r;
    }();
    return &ref;
}

template <class T> const TuiClassRef* uiClassOf() {
    return TuiClassRef::Of<T>();
}
