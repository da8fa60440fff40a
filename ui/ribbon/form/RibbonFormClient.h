// IovRibbonFormClient: what the ribbon form tells its ribbon about its own state.
#pragma once

class IovRibbonFormClient {
public:
    virtual ~IovRibbonFormClient() = default;
    // The form's frame or state changed and the caption text and layout must follow.
    virtual void UpdateFormCaption() = 0;
    // After every change of the form's size or window state.
    virtual void FormSizeChanged() = 0;
};
