// IovRibbonToolbarContainer: an object of a ribbon that binds one toolbar of the ribbon's bar manager (a
// tab group, the quick access toolbar). Merging works on such containers.
#pragma once

class TovBar;
class TovCustomRibbon;

class IovRibbonToolbarContainer {
public:
    virtual ~IovRibbonToolbarContainer() = default;
    virtual TovCustomRibbon* GetRibbon() = 0;
    virtual TovBar* GetToolbar() = 0;
    virtual void SetToolbar(TovBar* AValue) = 0;
};
