// IovFormKeyPreviewListener: a child control that sees the form's key-down messages before the focused
// control does (while the form's KeyPreview is on). Setting Key to 0 consumes the key.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/ControlTypes.h"

class IovFormKeyPreviewListener {
public:
    virtual ~IovFormKeyPreviewListener() = default;
    virtual void KeyDown(WORD& Key, TShiftState Shift) = 0;
};
