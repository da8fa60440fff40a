// TovRibbonGroupsDockControlSite: the ribbon's child window that holds the groups row. Every tab owns a
// groups dock control that lives in this site while the tab is active; the site paints the groups area's
// background behind it, the groups row's two scroll buttons and, in the 2013 style, the minimize button,
// repaints the application button and the active tab where they reach into the groups area, hands its
// mouse input to the ribbon's controller in ribbon coordinates, and pans the groups row by touch.
#pragma once

#include "ui/core/controls/BaseControl.h"
#include "ui/ribbon/RibbonTypes.h"
#include "ui/ribbon/view/RibbonCustomViewInfo.h"

#include <cstdint>
#include <memory>

class TovCustomRibbon;
class TovRibbonGroupsDockControlSite;
class IovRibbonGroupsDock;

// A scroll button of the groups row (0 left, 1 right).
class TovRibbonGroupsDockControlScrollButtonViewInfo : public TovRibbonCustomScrollButtonViewInfo {
public:
    TovRibbonGroupsDockControlScrollButtonViewInfo(TovRibbonCustomContainerViewInfo* AOwner, int ADirection)
        : TovRibbonCustomScrollButtonViewInfo(AOwner), Direction(ADirection) {}
    // Then out of the clip: the groups do not paint over it.
    void Draw(TuiCanvas* ACanvas) override;
    void DrawBackground(TuiCanvas* ACanvas, const TRect& R, int AState) override;
    void DrawGlyph(TuiCanvas* ACanvas, const TRect& R, int AState) override;

    const int Direction;

protected:
    std::uint8_t HitCode() override;
};

class TovRibbonGroupsDockControlSiteViewInfo : public TovRibbonButtonsContainerViewInfo {
public:
    TovRibbonGroupsDockControlSiteViewInfo(TovRibbonViewInfo* AOwner, TovRibbonGroupsDockControlSite* ASite);

    // The scroll buttons the active tab's groups row needs (none while the groups are hidden), then the
    // buttons' rectangles in site coordinates.
    void Calculate(const TRect& ABounds) override;
    void Draw(TuiCanvas* ACanvas) override;
    void InvalidateRect(const TRect& R) override;

    TovRibbonGroupsDockControlSite* Site() const { return FSite; }
    TovRibbonGroupsDockControlScrollButtonViewInfo* ScrollButtonLeft() const {
        return static_cast<TovRibbonGroupsDockControlScrollButtonViewInfo*>(Button(0));
    }
    TovRibbonGroupsDockControlScrollButtonViewInfo* ScrollButtonRight() const {
        return static_cast<TovRibbonGroupsDockControlScrollButtonViewInfo*>(Button(1));
    }
    TovRibbonCustomButtonViewInfo* MinimizeButton() const { return Button(2); }
    std::uint8_t ScrollButtons() const { return FScrollButtons; }
    // 30 × 17 at 96 DPI in the 2013 style (the site's minimize button), nothing in the others.
    static TSize MinimizeButtonSize(TovRibbonStyle AStyle);

protected:
    void CalculateButtonsBounds(const TRect& ABounds) override;

private:
    TovRibbonGroupsDockControlSite* FSite;
    std::uint8_t FScrollButtons = 0;
};

class TovRibbonGroupsDockControlSite : public TuiControl {
public:
    explicit TovRibbonGroupsDockControlSite(TovCustomRibbon* ARibbon);
    ~TovRibbonGroupsDockControlSite() override;

    TovCustomRibbon* Ribbon() const { return FRibbon; }
    // Null while the ribbon runs with another view information.
    TovRibbonGroupsDockControlSiteViewInfo* ViewInfo() const { return FViewInfo.get(); }
    // The buttons laid out again for the site's client area.
    void Recalculate();
    // Drawing switched off and on (tab changes and bulk updates); on again redraws with the children.
    void SetRedraw(bool AValue);
    IovRibbonGroupsDock* GetActiveDockControl() const;

    bool CanFocus() override { return false; }
    bool IsPointInClientArea(const TPoint&) override { return true; }
    bool IsOwnHandle(HWND AWnd) override;
    bool AllowGestureScroll(TScrollBarKind AKind) override;
    void DoPan(int ADeltaX, int ADeltaY) override;

protected:
    void CreateParams(TCreateParams& Params) override;
    // The dock controls are placed by the ribbon's layout, never aligned.
    void AlignControls(TControl*, RECT&) override {}
    void DoPaint() override;
    void BoundsChanged() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseLeave(TControl* AControl) override;
    void DoCancelMode() override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) override;

private:
    TovCustomRibbon* FRibbon;
    std::unique_ptr<TovRibbonGroupsDockControlSiteViewInfo> FViewInfo;
};
