// The root of the object model: a virtual destructor, the class name, type tests and the weak links that
// are cleared when the object goes away.
#pragma once

#include <string>
#include <type_traits>
#include <typeinfo>

class TWeakLinkBase;

class TObject {
public:
    TObject() = default;
    // A copy is a new object: weak links to the original stay with the original.
    TObject(const TObject&) {}
    TObject& operator=(const TObject&) { return *this; }
    virtual ~TObject();

    // The class name without namespace, as the class library reports it ("TStringList").
    std::string ClassName() const;
    static std::string ClassNameOf(const std::type_info& type);
    // Case-insensitive comparison with the class name.
    bool ClassNameIs(const std::string& name) const;

    template <class T> bool InheritsFrom() const { return dynamic_cast<const T*>(this) != nullptr; }

    // Runs BeforeDestruction, then deletes the object; use FreeAndNil when a pointer to it must not
    // dangle.
    void Free() {
        BeforeDestruction();
        delete this;
    }

    // Called by Free and FreeAndNil before any destructor runs, while the whole object, derived parts
    // included, is still there (a component announces its destruction here).
    virtual void BeforeDestruction() {}

protected:
    // Clears every weak link to this object. The destructor does it; a class whose destruction runs
    // code that could reach the object through a link calls it first.
    void ClearWeakLinks();

private:
    friend class TWeakLinkBase;
    TWeakLinkBase* FWeakLinks = nullptr;
};

// Deletes the object (through BeforeDestruction for a TObject) and sets the pointer to null first, so
// that code reached from the destructor already sees the pointer cleared. Safe on a null pointer.
template <class T> void FreeAndNil(T*& object) {
    T* doomed = object;
    object = nullptr;
    if constexpr (std::is_base_of_v<TObject, T>) {
        if (doomed != nullptr) doomed->BeforeDestruction();
    }
    delete doomed;
}
