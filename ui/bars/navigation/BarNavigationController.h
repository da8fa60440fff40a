// TovBarNavigationController: the one process-wide object that drives keyboard navigation over bar
// accessibility helpers and the key tips. The keyboard hook asks it whether a key is its business and
// hands such keys to ProcessKey; Alt or F10 held alone starts a 500 ms wait after which the key tips of
// the keyboard container show, and released alone enters navigation mode. States: idle; waiting for key
// tips; key tips shown (typing narrows them, a whole key tip runs its item); navigation mode (a selected
// object moved by arrows and Tab). A mouse-down, Alt again, F10 or EndKeyboardHandling return to idle.
#pragma once

#include "platform/vcl/ControlTypes.h"
#include "ui/bars/navigation/BarAccessibilityHelper.h"

#include <memory>
#include <string>

class TObject;
class TuiTimer;
class TCustomovBarControl;

class TovBarNavigationController {
public:
    // The interval Alt must be held before the key tips show.
    static constexpr unsigned KeyTipWaitInterval = 500;

    TovBarNavigationController();
    ~TovBarNavigationController();
    TovBarNavigationController(const TovBarNavigationController&) = delete;
    TovBarNavigationController& operator=(const TovBarNavigationController&) = delete;

    // ---- Alt alone (kept for the keyboard hook): Alt went down with nothing else
    bool AltAlone() const { return FAltAlone; }
    void SetAltAlone(bool AValue) { FAltAlone = AValue; }

    // ---- Key tips
    // Starts waiting for the key tips of AContainer (null raises EovException). A wait for another
    // container that still runs is ended without showing first: the keyboard hook starts waits on
    // Alt-down, where an exception must not escape.
    void BeginKeyTipWait(TovBarAccessibilityHelper* AContainer);
    void EndKeyTipWait(bool AShowKeyTips);
    bool IsWaitingForKeyTips() const { return static_cast<bool>(FKeyTipWaitRoot); }
    bool AreKeyTipsShown() const { return static_cast<bool>(FKeyTipContainer); }
    TovBarAccessibilityHelper* KeyTipContainer() const { return FKeyTipContainer.Get(); }
    TovBarAccessibilityHelper* KeyTipWaitRoot() const { return FKeyTipWaitRoot.Get(); }
    const TovBarKeyTipDataList& KeyTipData() const { return FKeyTipData; }
    const std::string& TypedText() const { return FTypedText; }
    // Shows the key tips of AContainer narrowed to ATypedText (null hides every key tip).
    void ShowKeyTips(TovBarAccessibilityHelper* AContainer, const std::string& ATypedText);
    void HideKeyTips();
    void EscapeKeyTips();
    // Whether the key is key-tip typing (an Escape while key tips show, or a character some shown key
    // tip starts with).
    bool IsKeyTipKey(WORD AKey, TShiftState AShift);

    // ---- Navigation
    void EnterNavigationMode(TovBarAccessibilityHelper* AContainer);
    void LeaveNavigationMode() { FNavigationMode = false; }
    bool NavigationMode() const { return FNavigationMode; }
    bool HandlingKey() const { return FHandlingKey; }
    // Navigation mode is on and the bar is the one the keyboard drives.
    bool DrivesBarControl(TCustomovBarControl* ABarControl);
    // The active bar control when it can take keyboard navigation (accessible and not customizing).
    TCustomovBarControl* GetNavigationBarControl();
    // The navigation bar's selected item control's helper when there is one, else the stored one.
    TovBarAccessibilityHelper* GetSelectedObject();
    TovBarAccessibilityHelper* GetSelectedObjectParent();
    void SetSelectedObject(TovBarAccessibilityHelper* AObject, TovBarAccessibilityHelper* AParent);
    // ANew gets the selection (AOld, by default the selected object, loses it first).
    void ChangeSelectedObject(bool ALogical, TovBarAccessibilityHelper* ANew,
                              TovBarAccessibilityHelper* AOld = nullptr);
    void ProcessKey(WORD AKey, TShiftState AShift, TovBarAccessibilityHelper* ASelected = nullptr,
                    TovBarAccessibilityHelper* AParent = nullptr);
    bool IsKeyForNavigation(WORD AKey, TShiftState AShift);
    bool ClaimsKey(WORD AKey, TShiftState AShift);
    // Back to idle: no waiting, no key tips, nothing selected.
    void EndKeyboardHandling();
    // AObject's owner is going: whatever refers to it is dropped.
    void ForgetObject(TovBarAccessibilityHelper* AObject);
    void DeselectAssignedObject();
    // A mouse-down anywhere: navigation mode ends; a selection, a wait or shown key tips end keyboard
    // handling.
    void MouseDown();

private:
    // Whether the key is key-tip typing; AHandler is set when a whole key tip was typed, AMatched when
    // some key tip starts with the typed text. From ProcessKey a key that matches nothing beeps.
    bool MatchKeyTip(WORD AKey, TShiftState AShift, TNotifyEvent& AHandler, bool& AMatched,
                     bool AFromProcessKey);
    void TypeKeyTipKey(WORD AKey, TShiftState AShift);
    void RefreshKeyTipWindows();
    void RemoveKeyTipWindows();
    void FreeKeyTipWaitTimer();
    void KeyTipWaitTimerTick(TObject* ASender);
    // Drops references to helpers whose owners are gone.
    void DropDeadObjects();

    TovBarHelperRef FKeyTipContainer;
    IovBarKeyTipWindowsManager* FKeyTipWindowsManager = nullptr;
    TovBarKeyTipDataList FKeyTipData;
    std::string FTypedText;
    TovBarHelperRef FKeyTipWaitRoot;
    TuiTimer* FKeyTipWaitTimer = nullptr;
    // A timer that ended its wait from its own tick is freed later, outside the tick.
    TuiTimer* FRetiredTimer = nullptr;
    TovBarHelperRef FSelectedObject;
    TovBarHelperRef FSelectedObjectParent;
    bool FNavigationMode = false;
    bool FHandlingKey = false;
    bool FAltAlone = false;
};

// The process-wide controller, made on first use.
TovBarNavigationController* BarNavigationController();
// Frees the controller (its waits and key tips end without showing); the next use makes a new one.
void ovFreeBarNavigationController();
