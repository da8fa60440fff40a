// IovRibbonFormControl: marks the ribbon among a ribbon form's child controls (the form hides and shows
// it around a deferred activation).
#pragma once

class IovRibbonFormControl {
public:
    virtual ~IovRibbonFormControl() = default;
};
