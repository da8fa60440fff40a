// The view info of an item control: its bounds, its current view level, the levels it may take and the
// width it has at each of them (cached, since the ribbon's group layout asks again and again while it
// reduces groups). Layout code reaches it through IovBarItemControlViewInfo.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "ui/bars/BarTypes.h"
#include "ui/bars/itemcontrols/ItemControlTypes.h"
#include "ui/core/base/CoreClasses.h"

class TovBarItemControl;

// The lowest real level in the set (ivlDefault when none), the highest, and the next one after ALevel.
TovBarItemViewLevel GetFirstViewLevel(const TovBarItemViewLevels& ALevels);
TovBarItemViewLevel GetLastViewLevel(const TovBarItemViewLevels& ALevels);
TovBarItemViewLevel GetNextViewLevel(const TovBarItemViewLevels& ALevels, TovBarItemViewLevel ALevel);

// A control laid out in columns of rows (the in-ribbon gallery) answers its own width while not collapsed.
class IovBarColumnLayoutViewInfo {
public:
    virtual ~IovBarColumnLayoutViewInfo() = default;
    virtual bool IsCollapsed() = 0;
    virtual int GetColumnLayoutWidth(TovBarItemViewLevel ALevel) = 0;
};

class IovBarItemControlViewInfo {
public:
    virtual ~IovBarItemControlViewInfo() = default;
    virtual void CalculateViewInfo() = 0;
    virtual TovBarItemAlign GetAlign() = 0;
    virtual TovBarItemViewLevels GetAllowedViewLevels() = 0;
    virtual void GetBounds(TRect& R) = 0;
    virtual int GetColumnRowCount() = 0;
    virtual bool GetDistributed() = 0;
    virtual TovBarItemPosition GetPosition() = 0;
    virtual TovBarButtonGroupPosition GetPositionInButtonGroup() = 0;
    virtual TovBarButtonGroupPlace GetRealPositionInButtonGroup() = 0;
    virtual int GetRow() = 0;
    virtual TovBarItemViewLevel GetViewLevel() = 0;
    virtual TovBarItemViewLevel GetViewLevelForButtonGroup() = 0;
    virtual int GetWidth(TovBarItemViewLevel ALevel) = 0;
    virtual bool HasSeparator() = 0;
    virtual bool IsPrimaryForDistribution() = 0;
    virtual bool SupportsColumnLayout(bool ACheckCollapsed, IovBarColumnLayoutViewInfo*& AViewInfo) = 0;
    virtual void SetBounds(const TRect& R) = 0;
    virtual void SetColumnRowCount(int AValue) = 0;
    virtual void SetDistributed(bool AValue) = 0;
    virtual void SetRealPositionInButtonGroup(TovBarButtonGroupPlace AValue) = 0;
    virtual void SetRow(int AValue) = 0;
    virtual void SetViewLevel(TovBarItemViewLevel AValue) = 0;
};

class TovBarItemControlViewInfo : public TuiInterfacedPersistent, public IovBarItemControlViewInfo {
public:
    // Computes the level sets; a control class with no possible level raises EovException with its name
    // followed by ".GetPossibleViewLevels = []".
    explicit TovBarItemControlViewInfo(TovBarItemControl* AControl);

    virtual void Calculate() {}
    void ClearCache();

    TovBarItemControl* Control() const { return FControl; }
    TRect Bounds{0, 0, 0, 0};
    // Where the painter last drew the glyph.
    TRect ImageBounds{0, 0, 0, 0};
    TovBarItemViewLevels AllowedViewLevels() const { return FAllowedViewLevels; }
    TovBarItemViewLevel SmallestPossibleViewLevel() const { return FSmallestPossibleViewLevel; }
    TovBarItemViewLevel ButtonGroupViewLevel() const { return FButtonGroupViewLevel; }
    TovBarButtonGroupPlace ButtonGroupPlace() const { return FButtonGroupPlace; }
    TovBarItemViewLevel ViewLevel() const { return FViewLevel; }
    // Stores the level quietly (the control's creation and the width measurement).
    void SetViewLevelDirect(TovBarItemViewLevel AValue) { FViewLevel = AValue; }

    // ---- IovBarItemControlViewInfo
    void CalculateViewInfo() override { Calculate(); }
    TovBarItemAlign GetAlign() override;
    TovBarItemViewLevels GetAllowedViewLevels() override { return FAllowedViewLevels; }
    void GetBounds(TRect& R) override { R = Bounds; }
    int GetColumnRowCount() override { return FColumnRowCount; }
    bool GetDistributed() override;
    TovBarItemPosition GetPosition() override;
    TovBarButtonGroupPosition GetPositionInButtonGroup() override;
    TovBarButtonGroupPlace GetRealPositionInButtonGroup() override { return FButtonGroupPlace; }
    int GetRow() override { return FRow; }
    TovBarItemViewLevel GetViewLevel() override { return FViewLevel; }
    TovBarItemViewLevel GetViewLevelForButtonGroup() override { return FButtonGroupViewLevel; }
    // The width at ALevel; EovException "Testing! The level is not allowed" outside the allowed set.
    int GetWidth(TovBarItemViewLevel ALevel) override;
    bool HasSeparator() override;
    bool IsPrimaryForDistribution() override;
    bool SupportsColumnLayout(bool ACheckCollapsed, IovBarColumnLayoutViewInfo*& AViewInfo) override;
    void SetBounds(const TRect& R) override { Bounds = R; }
    void SetColumnRowCount(int AValue) override { FColumnRowCount = AValue; }
    void SetDistributed(bool AValue) override;
    void SetRealPositionInButtonGroup(TovBarButtonGroupPlace AValue) override { FButtonGroupPlace = AValue; }
    void SetRow(int AValue) override { FRow = AValue; }
    // A changed level is stored and the link told.
    void SetViewLevel(TovBarItemViewLevel AValue) override;

private:
    struct TWidthCacheEntry {
        bool Valid = false;
        int Width = 0;
    };

    TovBarItemControl* FControl;
    TovBarItemViewLevels FAllowedViewLevels;
    TovBarItemViewLevel FSmallestPossibleViewLevel = ivlSmallIconWithText;
    TovBarItemViewLevel FButtonGroupViewLevel = ivlSmallIconWithText;
    TovBarButtonGroupPlace FButtonGroupPlace = bgpNoGroup;
    TovBarItemViewLevel FViewLevel = ivlDefault;
    int FColumnRowCount = 0;
    int FRow = 0;
    TWidthCacheEntry FWidthCache[5];
};
