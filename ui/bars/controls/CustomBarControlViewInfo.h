// TCustomovBarControlViewInfo: what a bar window shows after its layout: the item controls visible in it,
// in display order (hit testing and painting walk this list), and the separator bands it placed between
// them. The list does not own the item controls.
#pragma once

#include "platform/rtl/Object.h"
#include "platform/rtl/WinTypes.h"

#include <vector>

class TCustomovBarControl;
class TovBarItemControl;

class TCustomovBarControlViewInfo : public TObject {
public:
    struct TSeparatorInfo {
        TovBarItemControl* ItemControl = nullptr;
        TRect Bounds{0, 0, 0, 0};
        int Kind = 0;
    };

    explicit TCustomovBarControlViewInfo(TCustomovBarControl* ABarControl) : FBarControl(ABarControl) {}

    TCustomovBarControl* BarControl() const { return FBarControl; }
    virtual void Clear();
    // The base lists every visible link's control that got a rectangle; toolbars and menus fill their own.
    virtual void ComputeLayout();

    void AppendItemControl(TovBarItemControl* AControl) { FItemControls.push_back(AControl); }
    void DeleteItemControl(int AIndex);
    int ItemControlCount() const { return static_cast<int>(FItemControls.size()); }
    TovBarItemControl* ItemControlAt(int AIndex) const { return FItemControls[AIndex]; }
    int IndexOfItemControl(const TovBarItemControl* AControl) const;
    bool ContainsItemControl(const TovBarItemControl* AControl) const {
        return IndexOfItemControl(AControl) >= 0;
    }

    void AppendSeparatorInfo(const TRect& R, int AKind, TovBarItemControl* AControl);
    void SetSeparatorInfo(int AIndex, const TRect& R, int AKind);
    // The kind of the separator; R its rectangle.
    int GetSeparatorInfo(int AIndex, TRect& R) const;
    int SeparatorCount() const { return static_cast<int>(FSeparators.size()); }
    void ClearSeparatorInfos() { FSeparators.clear(); }
    // The first separator record of the control.
    bool FindSeparatorOfItemControl(const TovBarItemControl* AControl, int& AIndex) const;

private:
    TCustomovBarControl* FBarControl;
    std::vector<TovBarItemControl*> FItemControls;
    std::vector<TSeparatorInfo> FSeparators;
};
