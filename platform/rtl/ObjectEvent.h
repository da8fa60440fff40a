// Events: a handler is a callable plus the identity of what it is bound to (object and method), so that
// code can ask whether a given handler is the one installed, and can restore or remove it later.
#pragma once

#include <array>
#include <cstring>
#include <functional>
#include <type_traits>

class TObject;

template <class... Args> class TEvent {
public:
    TEvent() = default;
    TEvent(std::nullptr_t) {}

    // A method of an object: two events bound to the same object and method compare equal.
    template <class C, class Base>
    TEvent(C* object, void (Base::*method)(Args...))
        : FCall([object, method](Args... args) { (object->*method)(std::forward<Args>(args)...); }),
          FObject(object) {
        static_assert(sizeof(method) <= sizeof(FMethod), "method pointer larger than expected");
        std::memcpy(FMethod.data(), &method, sizeof(method));
    }

    // Any callable; `identity` (optional) lets two such events compare equal, e.g. the owner's address.
    template <class F, class = std::enable_if_t<std::is_invocable_v<F&, Args...> &&
                                                !std::is_same_v<std::decay_t<F>, TEvent>>>
    TEvent(F callable, const void* identity = nullptr) : FCall(std::move(callable)), FObject(identity) {}

    explicit operator bool() const { return static_cast<bool>(FCall); }
    bool Assigned() const { return static_cast<bool>(FCall); }

    // Calling an unassigned event does nothing, as callers only fire events that may be assigned.
    void operator()(Args... args) const {
        if (FCall) FCall(std::forward<Args>(args)...);
    }

    const void* Object() const { return FObject; }

    // Equal when both are unassigned, or both are bound to the same object and method (or identity).
    // Two anonymous callables with no identity are never equal to each other.
    friend bool operator==(const TEvent& a, const TEvent& b) {
        if (!a.FCall || !b.FCall) return !a.FCall && !b.FCall;
        if (a.FObject == nullptr && b.FObject == nullptr) return false;
        return a.FObject == b.FObject && a.FMethod == b.FMethod;
    }

private:
    std::function<void(Args...)> FCall;
    const void* FObject = nullptr;
    std::array<unsigned char, 2 * sizeof(void*)> FMethod{};
};

using TNotifyEvent = TEvent<TObject*>;
