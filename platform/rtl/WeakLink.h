// Weak links: a pointer to an object that becomes null when the object is destroyed. Menus, popups and
// modal loops hold the objects that may be freed during their own calls through these.
// Links are not thread-safe: an object and its links live on one thread.
#pragma once

#include "platform/rtl/Object.h"

class TWeakLinkBase {
public:
    TObject* Target() const { return FTarget; }

protected:
    TWeakLinkBase() = default;
    ~TWeakLinkBase() { Detach(); }
    void Attach(TObject* target, void* typed);
    void Detach();
    void* Typed() const { return FTyped; }

private:
    friend class TObject;
    void Clear() { Detach(); }

    TObject* FTarget = nullptr;
    void* FTyped = nullptr; // the target as the derived link's T*, set and cleared with FTarget
    TWeakLinkBase* FPrev = nullptr;
    TWeakLinkBase* FNext = nullptr;
};

template <class T> class TWeakLink : public TWeakLinkBase {
public:
    TWeakLink() = default;
    TWeakLink(T* target) { Reset(target); }
    TWeakLink(const TWeakLink& other) : TWeakLinkBase() { Reset(other.Get()); }
    TWeakLink& operator=(const TWeakLink& other) {
        if (this != &other) Reset(other.Get());
        return *this;
    }
    TWeakLink& operator=(T* target) {
        Reset(target);
        return *this;
    }

    void Reset(T* target = nullptr) {
        Detach();
        if (target != nullptr) Attach(target, target);
    }

    T* Get() const { return static_cast<T*>(Typed()); }
    T* operator->() const { return Get(); }
    explicit operator bool() const { return Get() != nullptr; }
    bool Alive() const { return Get() != nullptr; }
};
