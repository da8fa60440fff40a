// The global hint controller: it keeps track of every registered hint style controller, installs the
// window class of the most recent one as the application's hint window class, and routes the
// application's show-hint event through the controller that applies to the control under the mouse.
// Also the hint routines the bar controls and the screen-tip window use.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/HintWindow.h"

#include <string>
#include <vector>

class TControl;
class TuiCustomHintStyle;
class TuiCustomHintStyleController;
class TuiCustomLookAndFeelPainter;
class TuiRegisteredClasses;

// {AB78C3D2-400B-407F-A988-C015DDCEFED3}: a control whose hints belong to another component (a bar
// control names its bar manager): that component's hint style controller and look apply.
class IovHintHost {
public:
    virtual ~IovHintHost() = default;
    virtual TComponent* GetHintHostComponent() = 0;
};

class TuiHintController : public TComponent {
public:
    TuiHintController();
    ~TuiHintController() override;

    // Ignored for null and design-time controllers. The first saves the application's show-hint
    // event and hint window class and installs the controller's own handler.
    void RegisterController(TuiCustomHintStyleController* AController);
    void UnregisterController(TuiCustomHintStyleController* AController);
    int ControllerCount() const { return static_cast<int>(FControllers.size()); }
    TuiCustomHintStyleController* Controllers(int AIndex) const { return FControllers[AIndex]; }

    // The controller that applies to the hinted control: one owned by the control or a parent of it,
    // else one owned by the component its hint host names, else the last registered global one.
    TuiCustomHintStyleController* ActiveController();
    // Set by the show-hint handler; else the control holding the capture; else the control under the
    // mouse.
    TControl* HintedControl();
    void SetHintedControl(TControl* AControl);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void ShowHintHandler(std::string& AHintText, bool& ACanShow, THintInfo& AHintInfo);

    std::vector<TuiCustomHintStyleController*> FControllers;
    TShowHintEvent FSavedShowHint;
    THintWindowClass FSavedHintWindowClass = nullptr;
    TControl* FHintedControl = nullptr;
};

// The one controller (null outside the painters' start and end).
TuiHintController* uiHintController();

// Shows the window at R when a monitor can be found for R's top-left.
void ovShowHintWindow(THintWindow* AWindow, const TRect& R, const std::string& AHint);
// Fills the class library's hint info for AControl as the application would, runs its show-hint event
// and, when the hint may show and has text, (re)makes AWindow of the class the info names and computes
// R (at the hint position). Answers whether the hint may show.
bool ovPrepareHintInfo(THintInfo& AHintInfo, THintWindow*& AWindow, TControl* AControl, int AHideTimeout,
                       void* AHintData, TRect& R, std::string& AHint);
TuiCustomHintStyleController* ovGetActiveHintStyleController();
TuiCustomHintStyle* ovGetActiveHintStyle();
// The active controller's window class, else the application's.
THintWindowClass ovGetActiveHintWindowClass();
TControl* ovGetHintedControl();
void ovResetHintedControl();
// The registered hint style classes (made on first use, freed at the unit's end).
TuiRegisteredClasses* ovGetRegisteredHintStyles();
// The painter hints are drawn with: the active controller's look, or the hinted control's when the
// controller follows the control's look; the root look without a controller.
TuiCustomLookAndFeelPainter* ovGetHintPainter();

// Unit start and end: the global controller, and the registry of hint style classes.
void uiHintsInitialize();
void uiHintsFinalize();
