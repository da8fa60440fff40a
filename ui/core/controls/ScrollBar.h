// TuiScrollBar: a windowed scroll bar drawn by the look-and-feel painter, over the model of
// ScrollBarHelper.h. It paints through an off-screen bitmap and never erases its background.
#pragma once

#include "platform/vcl/CustomControl.h"
#include "ui/core/controls/LookAndFeel.h"
#include "ui/core/controls/ScrollBarHelper.h"

#include <memory>

class TovThemeChangedNotificator;

class TuiScrollBar : public TCustomControl, public IuiScrollBarOwner, public IovSkinSupport {
public:
    explicit TuiScrollBar(TComponent* AOwner);
    ~TuiScrollBar() override;

    TWinControl* GetControl() override { return this; }
    TuiLookAndFeel* GetLookAndFeel() override { return FLookAndFeel.get(); }
    TuiLookAndFeel* LookAndFeel() const { return FLookAndFeel.get(); }
    void SetLookAndFeel(TuiLookAndFeel* AValue) { FLookAndFeel->Assign(AValue); }
    TuiScrollBarHelper* Helper();

    void SetScrollParams(int AMin, int AMax, int APosition, int APageSize, bool ARedraw = true);
    TScrollBarKind Kind() { return Helper()->Kind(); }
    void SetKind(TScrollBarKind AValue);
    int Min() { return Helper()->Min(); }
    void SetMin(int AValue);
    int Max() { return Helper()->Max(); }
    void SetMax(int AValue);
    int PageSize() { return Helper()->PageSize(); }
    void SetPageSize(int AValue);
    int Position() { return Helper()->Position(); }
    void SetPosition(int AValue);
    int SmallChange() { return Helper()->SmallChange(); }
    void SetSmallChange(int AValue) { Helper()->SetSmallChange(AValue); }
    int LargeChange() { return Helper()->LargeChange(); }
    void SetLargeChange(int AValue) { Helper()->SetLargeChange(AValue); }
    bool UnlimitedTracking() { return Helper()->UnlimitedTracking(); }
    void SetUnlimitedTracking(bool AValue) { Helper()->SetUnlimitedTracking(AValue); }
    // The look-and-feel's skin switches the 3-D look off while the stored value stays.
    bool RealCtl3D() const { return FRealCtl3D; }
    void SetCtl3DValue(bool AValue);

    TNotifyEvent OnChange;
    TScrollEvent OnScroll;

protected:
    virtual void Change();
    virtual std::unique_ptr<TuiScrollBarHelper> CreateHelper();
    virtual void LookAndFeelChanged(TuiLookAndFeel* Sender, TuiLookAndFeelValues AChangedValues);
    virtual void DrawScrollBar(TuiCanvas* ACanvas);
    virtual void Scroll(TScrollCode ACode, int& APos);
    void Paint() override;
    void Resize() override;
    void WndProc(TMessage& Message) override;
    void WMEraseBkgnd(TMessage& Message) override { Message.Result = 1; }
    void WMCancelMode(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMVisibleChanged(TMessage& Message) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMSysColorChange(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void ThemeChanged();

    std::unique_ptr<TuiLookAndFeel> FLookAndFeel;
    std::unique_ptr<TuiScrollBarHelper> FHelper;
    std::unique_ptr<TovThemeChangedNotificator> FThemeNotificator;
    bool FRealCtl3D = true;
    bool FChangingCtl3D = false;
};
