// The scroll bars of a TuiControl: two child scroll-bar controls and a size grip in the corner, owned by a
// container that applies what the control describes in one data record per bar; the scroll-bars
// manager, which routes mouse input to scroll-bar models a descendant paints inside the control; and
// the helper of controls that scroll by pixels.
#pragma once

#include "platform/vcl/CustomControl.h"
#include "ui/core/base/CoreClasses.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/controls/MouseTracking.h"
#include "ui/core/controls/ScrollBar.h"

#include <memory>
#include <vector>

class TuiControl;

struct TuiScrollBarData {
    bool AllowHide = false;
    bool AllowShow = false;
    bool Enabled = false;
    bool IsValid = false;
    int LargeChange = 0;
    int Min = 0;
    int Max = 0;
    int Position = 0;
    int PageSize = 0;
    int SmallChange = 0;
    bool Visible = false;
};

class IuiControlScrollBar {
public:
    virtual ~IuiControlScrollBar() = default;
    virtual void ApplyData() = 0;
    virtual TWinControl* GetControl() = 0;
    virtual TRect GetBoundsRect() = 0;
    virtual TuiScrollBarData* GetData() = 0;
    virtual bool GetEnabled() = 0;
    virtual TScrollBarKind GetKind() = 0;
    virtual int GetMin() = 0;
    virtual int GetMax() = 0;
    virtual int GetPageSize() = 0;
    virtual int GetPosition() = 0;
    virtual int GetSmallChange() = 0;
    virtual int GetLargeChange() = 0;
    virtual bool GetVisible() = 0;
    virtual int GetWidth() = 0;
    virtual int GetHeight() = 0;
    virtual void Invalidate() = 0;
    virtual void SetEnabled(bool AValue) = 0;
    virtual void SetVisible(bool AValue) = 0;
    virtual void SetScrollParams(int AMin, int AMax, int APosition, int APageSize, bool ARedraw) = 0;
    virtual int GetLeft() = 0;
    virtual int GetTop() = 0;
    virtual bool GetUnlimitedTracking() = 0;
    virtual void SetHeight(int AValue) = 0;
    virtual void SetKind(TScrollBarKind AValue) = 0;
    virtual void SetLargeChange(int AValue) = 0;
    virtual void SetLeft(int AValue) = 0;
    virtual void SetMax(int AValue) = 0;
    virtual void SetMin(int AValue) = 0;
    virtual void SetPageSize(int AValue) = 0;
    virtual void SetPosition(int AValue) = 0;
    virtual void SetSmallChange(int AValue) = 0;
    virtual void SetTop(int AValue) = 0;
    virtual void SetUnlimitedTracking(bool AValue) = 0;
    virtual void SetWidth(int AValue) = 0;
};

class TuiControlScrollBar : public TuiScrollBar, public IuiControlScrollBar {
public:
    explicit TuiControlScrollBar(TComponent* AOwner);
    ~TuiControlScrollBar() override;
    void ApplyData() override;
    TWinControl* GetControl() override { return this; }
    TRect GetBoundsRect() override { return BoundsRect(); }
    TuiScrollBarData* GetData() override { return &FBarData; }
    bool GetEnabled() override { return Enabled(); }
    TScrollBarKind GetKind() override { return Kind(); }
    int GetMin() override { return Min(); }
    int GetMax() override { return Max(); }
    int GetPageSize() override { return PageSize(); }
    int GetPosition() override { return Position(); }
    int GetSmallChange() override { return SmallChange(); }
    int GetLargeChange() override { return LargeChange(); }
    bool GetVisible() override { return Visible(); }
    int GetWidth() override { return Width(); }
    int GetHeight() override { return Height(); }
    void Invalidate() override { TuiScrollBar::Invalidate(); }
    void SetEnabled(bool AValue) override { TuiScrollBar::SetEnabled(AValue); }
    void SetVisible(bool AValue) override { TuiScrollBar::SetVisible(AValue); }
    void SetScrollParams(int AMin, int AMax, int APosition, int APageSize, bool ARedraw) override {
        TuiScrollBar::SetScrollParams(AMin, AMax, APosition, APageSize, ARedraw);
    }
    int GetLeft() override { return Left(); }
    int GetTop() override { return Top(); }
    bool GetUnlimitedTracking() override { return UnlimitedTracking(); }
    void SetHeight(int AValue) override { SetBounds(Left(), Top(), Width(), AValue); }
    void SetKind(TScrollBarKind AValue) override { TuiScrollBar::SetKind(AValue); }
    void SetLargeChange(int AValue) override { TuiScrollBar::SetLargeChange(AValue); }
    void SetLeft(int AValue) override { SetBounds(AValue, Top(), Width(), Height()); }
    void SetMax(int AValue) override { TuiScrollBar::SetMax(AValue); }
    void SetMin(int AValue) override { TuiScrollBar::SetMin(AValue); }
    void SetPageSize(int AValue) override { TuiScrollBar::SetPageSize(AValue); }
    void SetPosition(int AValue) override { TuiScrollBar::SetPosition(AValue); }
    void SetSmallChange(int AValue) override { TuiScrollBar::SetSmallChange(AValue); }
    void SetTop(int AValue) override { SetBounds(Left(), AValue, Width(), Height()); }
    void SetUnlimitedTracking(bool AValue) override { TuiScrollBar::SetUnlimitedTracking(AValue); }
    void SetWidth(int AValue) override { SetBounds(Left(), Top(), AValue, Height()); }
    virtual void FocusParent();
    void SetZOrder(bool TopMost) override;
    void UpdateState() { UpdateControlState(); }

protected:
    void WndProc(TMessage& Message) override;
    // A parent's ready image, when it has one, stands for the drawing.
    void DrawScrollBar(TuiCanvas* ACanvas) override;

private:
    TuiScrollBarData FBarData;
};

class TuiSizeGrip : public TCustomControl {
public:
    explicit TuiSizeGrip(TComponent* AOwner);
    TuiLookAndFeel* LookAndFeel() const { return FLookAndFeel.get(); }
    virtual void DrawSizeGripArea(TCanvas* ACanvas);
    void SetZOrder(bool TopMost) override;
    void UpdateState() { UpdateControlState(); }

protected:
    void Paint() override;
    void WMEraseBkgnd(TMessage& Message) override { Message.Result = 1; }

private:
    std::unique_ptr<TuiLookAndFeel> FLookAndFeel;
};

class TuiControlCustomScrollBars : public TuiIUnknownObject {
public:
    explicit TuiControlCustomScrollBars(TuiControl* AOwner) : FHostControl(AOwner) {}
    virtual void ApplyData();
    virtual void BringToFront() {}
    virtual bool CheckSize(TScrollBarKind AKind) { return false; }
    virtual void SetSizeGripVisible(bool AValue) = 0;
    virtual void CreateScrollBars() {}
    virtual void DestroyScrollBars() {}
    void ScrollBarScroll(TObject* Sender, TScrollCode ACode, int& APosition);
    virtual IuiControlScrollBar* GetScrollBar(TScrollBarKind AKind);
    virtual void InitScrollBars() {}
    virtual bool IsInternalControl(TControl* AControl) { return false; }
    virtual bool IsScrollBarVisible(TScrollBarKind AKind);
    virtual bool IsPointOnInternalControls(const TPoint& P) { return false; }
    virtual void SetScrollBarsBounds() {}
    virtual void UpdateControlsState() {}
    virtual void Invalidate() {}
    virtual void DrawSizeGrip(TuiCanvas* ACanvas) {}

    TuiControl* HostControl() const { return FHostControl; }
    bool InCalculation = false;

protected:
    TuiControl* FHostControl;
    TuiControlScrollBar* FHorzBar = nullptr;
    TuiControlScrollBar* FVertBar = nullptr;
    TuiSizeGrip* FGripControl = nullptr;
};

class TuiControlWindowedScrollBars : public TuiControlCustomScrollBars {
public:
    explicit TuiControlWindowedScrollBars(TuiControl* AOwner);
    ~TuiControlWindowedScrollBars() override;
    void BringToFront() override;
    bool CheckSize(TScrollBarKind AKind) override;
    void SetSizeGripVisible(bool AValue) override;
    void CreateScrollBars() override;
    void DestroyScrollBars() override;
    void InitScrollBars() override;
    bool IsInternalControl(TControl* AControl) override;
    void SetScrollBarsBounds() override;
    void UpdateControlsState() override;
    void Invalidate() override;
    TuiSizeGrip* SizeGrip() const { return FGripControl; }

private:
    TuiControlScrollBar* CreateScrollBar(TScrollBarKind AKind);
};

class TuiControlScrollBarsManager : public TuiIUnknownObject, public IuiMouseTrackingAreaCaller {
public:
    explicit TuiControlScrollBarsManager(TuiControl* AOwner) : FHostControl(AOwner) {}
    ~TuiControlScrollBarsManager() override;
    virtual bool MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual bool MouseMove(TShiftState Shift, int X, int Y);
    virtual bool MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual bool HandleMessage(TMessage& AMessage);
    virtual bool IsPointOnScrollBar(const TPoint& P);
    virtual void Paint(TuiCanvas* ACanvas);
    void RegisterModel(TuiScrollBarHelper* AModel) { FScrollBarSet.push_back(AModel); }
    void UnregisterModel(TuiScrollBarHelper* AModel);
    bool Capturing() const { return FCapturing; }
    TuiScrollBarHelper* HoveredModel() const { return FHoveredBarModel; }

    void MouseLeave() override;
    bool PtInCaller(const TPoint& P) override;

private:
    void SetHoveredModel(TuiScrollBarHelper* AModel);

    TuiControl* FHostControl;
    std::vector<TuiScrollBarHelper*> FScrollBarSet;
    TuiScrollBarHelper* FHoveredBarModel = nullptr;
    bool FCapturing = false;
};

// A control that scrolls its content by pixels.
class IuiPixelScrollingControl {
public:
    virtual ~IuiPixelScrollingControl() = default;
    virtual TuiControl* GetInstance() = 0;
    virtual TSize GetContentSize() = 0;
    virtual int GetLeftPos() = 0;
    virtual int GetTopPos() = 0;
    virtual void SetLeftPos(int AValue) = 0;
    virtual void SetTopPos(int AValue) = 0;
};

class TovScrollHelper {
public:
    static void Pan(IuiPixelScrollingControl* AControl, int ADeltaX, int ADeltaY);
    static void SetPos(IuiPixelScrollingControl* AControl, int X, int Y);
    static void CheckPositions(IuiPixelScrollingControl* AControl);
};
