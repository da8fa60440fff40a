// Hint styles and their controllers. A hint style names the hint window class tooltips appear in and
// may change a hint before it shows; a hint style controller is the component that owns one style,
// pushes its three hint pauses to the application, and registers with the global hint controller
// (HintController.h) so that its window class becomes the application's.
#pragma once

#include "platform/rtl/ObjectEvent.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/HintWindow.h"
#include "ui/core/base/ClassRefs.h"
#include "ui/core/base/Components.h"
#include "ui/core/base/CoreClasses.h"

#include <memory>
#include <string>
#include <vector>

class TuiLookAndFeel;
class TuiCustomHintStyleController;

class TuiCustomHintStyle : public TuiInterfacedPersistent {
public:
    explicit TuiCustomHintStyle(TPersistent* AOwner) : TuiInterfacedPersistent(AOwner) {}

    // Set by the controller; told of every change of the style.
    TNotifyEvent OnChanged;
    void Changed() { OnChanged(this); }

    // May change the hint text, refuse the hint or change its place before it shows.
    virtual void ShowHintHook(std::string& AHintText, bool& ACanShow, THintInfo& AHintInfo) {}
    // A component the controller watched was freed.
    virtual void ComponentWasRemoved(TComponent* AComponent) {}
    virtual THintWindowClass HintWindowClassOf() = 0;
};

// What follows a hint style controller.
class IuiHintStyleControllerListener {
public:
    virtual ~IuiHintStyleControllerListener() = default;
    virtual void HintStyleControllerChanged(TuiCustomHintStyleController* AController) = 0;
    virtual void HintStyleControllerRemoved(TuiCustomHintStyleController* AController) = 0;
};

// (sender, the style — or, for a listener's notice, the listener)
using TuiHintStyleChangedEvent = TEvent<TObject*, TObject*>;
using TuiShowHintEvent = TEvent<TObject*, std::string&, bool&, THintInfo&>;
using TuiShowHintExEvent = TEvent<TObject*, std::string&, std::string&, bool&, THintInfo&>;

class TuiCustomHintStyleController : public TuiCustomComponent {
public:
    explicit TuiCustomHintStyleController(TComponent* AOwner);
    ~TuiCustomHintStyleController() override;
    void Assign(TPersistent* Source) override;
    void Loaded() override;

    // ---- Pauses (ms), pushed to the application
    int HintShortPause() const { return FHintShortPause; }
    void SetHintShortPause(int AValue);
    int HintPause() const { return FHintPause; }
    void SetHintPause(int AValue);
    int HintHidePause() const { return FHintHidePause; }
    void SetHintHidePause(int AValue);

    // Applies to controls that have no controller of their own.
    bool Global() const { return FGlobal; }
    void SetGlobal(bool AValue) { FGlobal = AValue; }
    TuiLookAndFeel* LookAndFeel() const { return FLookAndFeel.get(); }
    void SetLookAndFeel(TuiLookAndFeel* AValue);
    bool FollowsControlLook() const { return FFollowControlLook; }

    // ---- The style
    TuiCustomHintStyle* HintStyle() const { return FHintStyle.get(); }
    const TuiClassRef* HintStyleClass() const { return FHintStyleClass; }
    // A new class drops the style and window (unregistering) and makes new ones (registering again).
    void SetHintStyleClass(const TuiClassRef* AValue);
    std::string HintStyleClassName() const;
    // Looked up among the registered hint style classes by exact class name; an unknown name leaves the
    // controller without a style, a window and a registration.
    void SetHintStyleClassName(const std::string& AValue);
    THintWindow* HintWindow() const { return FHintWindow; }
    int ListenerCount() const { return static_cast<int>(FListeners.size()); }

    // The hint info takes the window class; the style, then the two events may change the hint.
    void ProcessHint(std::string& AHintText, bool& ACanShow, THintInfo& AHintInfo);

    TuiHintStyleChangedEvent OnHintStyleChanged;
    TuiShowHintEvent OnShowHint;
    TuiShowHintExEvent OnShowHintEx;

    // ---- Virtual operations
    virtual const TuiClassRef* GetHintStyleClass() { return FHintStyleClass; }
    // The style's window class; null without a style.
    virtual THintWindowClass HintWindowClassOf();
    virtual void BeginUpdate();
    virtual void EndUpdate();
    virtual void NotifyListener(IuiHintStyleControllerListener* AListener);
    virtual void AddChangeListener(IuiHintStyleControllerListener* AListener);
    virtual void RemoveChangeListener(IuiHintStyleControllerListener* AListener);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void NotifyListeners();
    // While set, the hint painter follows the look of the hinted control.
    bool FFollowControlLook = false;

private:
    void ApplyPauses();
    void CreateHintStyle();
    void DropHintStyle();
    void HintStyleChanged(TObject* Sender);

    int FHintShortPause = 50;
    int FHintPause = 500;
    int FHintHidePause = 2500;
    bool FGlobal = true;
    std::unique_ptr<TuiLookAndFeel> FLookAndFeel;
    const TuiClassRef* FHintStyleClass = nullptr;
    std::unique_ptr<TuiCustomHintStyle> FHintStyle;
    THintWindow* FHintWindow = nullptr; // owned as a component
    std::vector<IuiHintStyleControllerListener*> FListeners;
    int FUpdateCount = 0;
    bool FIsDestroying = false;
};
