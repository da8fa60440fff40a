// IovFormKeyPreviewListener: a child control that sees the form's key-down messages before the focused
// control does (while the form's KeyPreview is on). Setting Key to 0 consumes the key. (Named apart from
// the control's own KeyDown, which a listening control also has.)
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/vcl/ControlTypes.h"

class IovFormKeyPreviewListener {
public:
    virtual ~IovFormKeyPreviewListener() = default;
    virtual void FormKeyDown(WORD& Key, TShiftState Shift) = 0;
};
