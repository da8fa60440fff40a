// The scroll bar's mouse logic: one step per press of a button or page area with auto-repeat (400 ms,
// then every 60 ms while the cursor stays on the part), and thumb dragging within a tracking area.
#pragma once

#include "platform/vcl/ControlTypes.h"
#include "platform/vcl/ScrollBar.h"
#include "ui/core/controls/LookAndFeelPainterBase.h"

#include <memory>

class TuiScrollBarHelper;
class TuiTimer;

class TuiScrollBarController : public TObject {
public:
    explicit TuiScrollBarController(TuiScrollBarHelper* AScrollBar);
    ~TuiScrollBarController() override;

    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    // One scroll step (also what CN_HSCROLL and CN_VSCROLL bring).
    void Scroll(TScrollCode ACode);
    // Ends repeating or dragging; the hot part becomes AHotPart.
    void Finish(TuiScrollBarPart AHotPart);
    TuiTimer* Timer() const { return FTimer.get(); }

private:
    void TimerTick(TObject* Sender);
    void DragThumb(int X, int Y);
    bool IsButtonOrPagePressed() const;

    TuiScrollBarHelper* FScrollBar;
    std::unique_ptr<TuiTimer> FTimer;
    TPoint FDownMousePos{};
    TPoint FLastMousePos{};
    int FSavedPosition = 0;
    TPoint FSavedThumbPos{};
};

TScrollCode uiScrollCodeOfPart(TuiScrollBarPart APart);
