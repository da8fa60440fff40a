#include "platform/win/Gestures.h"

namespace {
const TGestureEntryPoints NoGestures;
const TGestureEntryPoints* Installed = nullptr;
} // namespace

namespace olva::win {

const TGestureEntryPoints& GestureEntryPoints() {
    return Installed != nullptr ? *Installed : NoGestures;
}

void SetGestureEntryPoints(const TGestureEntryPoints* entries) {
    Installed = entries;
}

} // namespace olva::win
