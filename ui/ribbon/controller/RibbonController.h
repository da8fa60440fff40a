// TovRibbonController: the ribbon's mouse, wheel and keyboard. It hit-tests every event on the ribbon's
// view information: tab clicks and double clicks (minimizing on a double click of the active tab, the
// groups popup of a minimized ribbon), the application button and its menu, the scroll buttons of the tab
// and groups rows with their repeat (14 pixels at once, then 3 every 20 ms after 400 ms), the minimize,
// help and MDI buttons, the context headers, hot tracking with fading, the wheel switching tabs, and the
// hints of ribbon parts (it is the bar hint's provider for them). The ribbon and its groups site forward
// their input here in ribbon client coordinates.
#pragma once

#include "platform/rtl/WeakLink.h"
#include "ui/bars/hints/BarHintInterfaces.h"
#include "ui/core/base/CoreClasses.h"
#include "ui/ribbon/ribbon/RibbonContexts.h"
#include "ui/ribbon/ribbon/RibbonSubObjects.h"
#include "ui/ribbon/view/RibbonCustomViewInfo.h"

#include <memory>
#include <string>

class TuiTimer;
class TovCustomRibbon;
class TovRibbonContext;
class TovRibbonCustomButtonViewInfo;
class TovRibbonHitInfo;
class TovRibbonTab;
class TovRibbonViewInfo;

// How long a held scroll button waits before it repeats, and how often it repeats then.
constexpr unsigned ovRibbonScrollFirstDelay = 400;
constexpr unsigned ovRibbonScrollRepeatDelay = 20;
// Pixels the tab row moves on the first step and on every repeated one.
constexpr int ovRibbonTabScrollFirstStep = 14;
constexpr int ovRibbonTabScrollRepeatStep = 3;

class TovRibbonController : public TuiIUnknownObject,
                            public IovRibbonController,
                            public IovBarHintProvider,
                            public IovBarCustomHintSupport {
public:
    explicit TovRibbonController(TovCustomRibbon* ARibbon);
    ~TovRibbonController() override;

    TovCustomRibbon* Ribbon() const { return FRibbon; }

    // ---- IovRibbonController
    void HideHint() override;
    void ClearPressedObject() override;
    bool CloseApplicationMenu() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
    void CancelMode() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    bool MouseWheelDown() override;
    bool MouseWheelUp() override;
    TObject* GetHotButton() override;
    TObject* GetPressedButton() override;

    // ---- Rules
    // Not designing, MinimizeOnTabDblClick, and the ribbon minimized or the double click on the tab that
    // was active already.
    virtual bool CanMinimizeOnTabDblClick(TovRibbonTab* ATab);
    // Codes 1, 2, 3, 8 and 9.
    virtual bool IsHintHitCode(int AHitCode);
    virtual bool CanShowHint(int AHitCode);
    // Hot tracking needs a valid bar manager, no design, no scroll button held, the form active and no
    // menu open.
    virtual bool IsHotTrackingDisabled();
    // Every button of the head takes its state again.
    virtual void UpdateButtonsState();
    bool IsApplicationMenuShown();

    // ---- The bar hint's provider
    bool GetBarHint(std::string& AText, std::string& AShortCut) override;
    bool IsBarHintEnabled() override { return true; }
    // Below the application button (above the ribbon when the work area has no room there); elsewhere
    // 20 pixels below the cursor.
    TPoint GetBarHintPosition(const TPoint& ACursorPos, int AHintHeight) override;
    TObject* HintRibbon() override;
    // The application and help buttons show their screen tips.
    bool WantsScreenTipStyleHint() override;

    // ---- State, for the ribbon's parts and tests
    TovRibbonHitInfo* HitInfo() const { return FHitInfo.get(); }
    TovRibbonHitInfo* HintHitInfo() const { return FHintHitInfo.get(); }
    int LastHitCode() const { return FLastHitCode; }
    int PressedPart() const { return FPressedPart; }
    int ScrollKind() const { return FScrollKind; }
    TuiTimer* ScrollTimer() const { return FScrollTimer.get(); }
    TovRibbonContext* PressedContext() const { return FPressedContext.Get(); }

protected:
    virtual void TabClick(TovRibbonTab* ATab, TMouseButton Button, TShiftState Shift);
    void StartScroll(int AKind);
    void StopScroll();
    void ScrollStep(bool AFirst);
    void UpdateHint();
    // The tab after (or before) the active one in the tab row; false when there is none.
    bool SwitchTab(bool ANext);
    // The text of a screen tip's first band (its header).
    static std::string ScreenTipText(TObject* AScreenTip);

private:
    TovRibbonViewInfo* ViewInfo() const;
    void ScrollTimerTick(TObject* ASender);
    void SetHotButton(TovRibbonCustomButtonViewInfo* AButton);
    void ResetHint();
    bool ApplicationButtonMouseDown(TShiftState Shift);
    // The point is in the tab row or in the quick access toolbar below the ribbon (the right-click menu).
    bool IsPopupMenuArea(const TPoint& P);

    TovCustomRibbon* FRibbon;
    std::unique_ptr<TovRibbonHitInfo> FHitInfo;
    std::unique_ptr<TovRibbonHitInfo> FHintHitInfo;
    int FLastHitCode = 0;
    // Buttons go when the layout makes the head's buttons anew: weak links.
    TWeakLink<TovRibbonCustomButtonViewInfo> FHotButton;
    TWeakLink<TovRibbonCustomButtonViewInfo> FPressedButton;
    int FPressedPart = 0;
    int FScrollKind = 0;
    std::unique_ptr<TuiTimer> FScrollTimer;
    TWeakLink<TovRibbonContext> FPressedContext;
    bool FSkipDoubleClick = false;
};
