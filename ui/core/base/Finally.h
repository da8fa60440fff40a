// A finally block: runs its action when the scope is left, normally or through an exception. When the
// scope is already leaving through an exception, an exception of the action is dropped, so that the first
// failure is the one reported.
#pragma once

#include <exception>
#include <utility>

template <class F> class TovFinally {
public:
    explicit TovFinally(F AAction) : FAction(std::move(AAction)) {}
    ~TovFinally() noexcept(false) {
        if (std::uncaught_exceptions() > FUncaught) {
            try {
                FAction();
            } catch (...) {
            }
        } else {
            FAction();
        }
    }
    TovFinally(const TovFinally&) = delete;
    TovFinally& operator=(const TovFinally&) = delete;

private:
    F FAction;
    int FUncaught = std::uncaught_exceptions();
};
