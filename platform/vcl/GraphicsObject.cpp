#include "platform/vcl/GraphicsObject.h"

#include "platform/gdi/GdiDC.h"

TGraphicsObject::~TGraphicsObject() {
    FreeCachedHandle();
}

void TGraphicsObject::Changed() {
    HGDIOBJ old = FHandle;
    FHandle = nullptr;
    OnChange(this);
    // Freed only after the users have let go of it: a selected object cannot be deleted.
    if (old != nullptr) DeleteObject(old);
}

void TGraphicsObject::SetCachedHandle(HGDIOBJ Handle) {
    if (FHandle == Handle) return;
    FreeCachedHandle();
    FHandle = Handle;
}

void TGraphicsObject::AdoptHandle(HGDIOBJ Handle) {
    SetCachedHandle(Handle);
}

void TGraphicsObject::FreeCachedHandle() {
    if (FHandle != nullptr) DeleteObject(FHandle);
    FHandle = nullptr;
}
