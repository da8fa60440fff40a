// The base of the item controls: the object that shows one item link inside a bar window. The bar
// painting layer derives the real controls; the model only creates them through the item-class registry
// and tells them what changed.
#pragma once

#include "platform/rtl/Object.h"
#include "ui/bars/BarTypes.h"

class TovBarItemControl : public TObject {
public:
    explicit TovBarItemControl(TovBarItemLink* ALink) : FItemLink(ALink) {}
    TovBarItemLink* ItemLink() const { return FItemLink; }
    TovBarItem* Item() const;
    // The window that shows the control's link list.
    IovBarControl* Parent() const;

    virtual void BeginGroupChanged() {}
    virtual void CaptionChanged() {}
    virtual void EnabledChanged() {}
    virtual void GlyphChanged() {}
    virtual void HotGlyphChanged() {}
    virtual void LargeGlyphChanged() {}
    virtual void PaintStyleChanged() {}
    virtual void VisibleChanged() {}
    virtual void WidthChanged() {}
    virtual void ResetCachedValues(bool AClearViewInfo) {}
    virtual void CalcDrawParamsAndParts() {}
    virtual void UpdateStyles() {}
    virtual void Repaint() {}
    virtual void MaxLengthChanged() {}
    // The control is its bar window's active (selected and working) control.
    virtual bool IsActive() const { return false; }
    virtual bool CanSelect() const { return true; }
    // Button-like controls may open a drop-down; window controls hold an in-place window.
    virtual bool IsButtonLike() const { return false; }
    virtual bool IsWinControl() const { return false; }
    virtual bool IsDroppedDown() const { return false; }
    virtual void SetDroppedDown(bool AValue) {}
    // The paint style a toolbar resolves psStandard to.
    virtual TovBarPaintStyle EffectivePaintStyle() const;
    // The in-place window text of a window control.
    virtual std::string Text() const { return {}; }
    virtual void SetText(const std::string& AText) {}
    virtual bool Focused() const { return false; }

private:
    TovBarItemLink* FItemLink;
};

// A class of item control: its name and how one is made for a link.
struct TovBarItemControlClass {
    const char* Name;
    TovBarItemControl* (*Create)(TovBarItemLink* ALink);
};
