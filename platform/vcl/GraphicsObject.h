// The base of fonts, pens and brushes: a persistent object with a change event, whose GDI handle is
// made on first use and thrown away whenever a property changes.
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Persistent.h"
#include "platform/rtl/WinTypes.h"

class TGraphicsObject : public TPersistent {
public:
    TGraphicsObject() = default;
    ~TGraphicsObject() override;
    TGraphicsObject(const TGraphicsObject&) = delete;
    TGraphicsObject& operator=(const TGraphicsObject&) = delete;

    TNotifyEvent OnChange;
    // Whether a GDI handle currently exists (no handle is made by asking).
    bool HandleAllocated() const { return FHandle != nullptr; }
    // Serialises users on other threads; the user-interface thread alone needs no locking.
    void Lock() { ++FLockCount; }
    void Unlock() { --FLockCount; }

protected:
    // Fires OnChange (users deselect the old handle there), then frees the old handle.
    virtual void Changed();
    HGDIOBJ CachedHandle() const { return FHandle; }
    // Takes a new handle (owned; any previous one is freed).
    void SetCachedHandle(HGDIOBJ Handle);
    // Adopts a handle from outside: the object's properties follow it (owned from then on).
    void AdoptHandle(HGDIOBJ Handle);
    void FreeCachedHandle();

private:
    HGDIOBJ FHandle = nullptr;
    int FLockCount = 0;
};
