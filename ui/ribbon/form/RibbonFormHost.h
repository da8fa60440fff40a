// IovRibbonFormHost: the form side of the ribbon form. A form whose title bar and frame its ribbon draws
// implements it; the ribbon reaches its form only through it (TovCustomRibbon::GetRibbonForm answers it
// while the owner form supports it and is not being destroyed).
#pragma once

class TComponent;
class TovCustomRibbon;
class IovRibbonFormCaptionHelper;

class IovRibbonFormHost {
public:
    virtual ~IovRibbonFormHost() = default;

    // ---- Host operations
    // After the ribbon's non-client drawing or colour scheme changed and when the application menu closes.
    virtual void UpdateNonClientArea() = 0;
    // The application menu opens: the auto-hide mode hides the ribbon interface at once.
    virtual void HideRibbonUI() = 0;
    // Key tips are shown: the auto-hide mode shows the ribbon interface at once.
    virtual void ShowRibbonUI() = 0;

    // ---- What else the ribbon asks of its form
    // The ribbon registers itself when it is made for this form (null unregisters).
    virtual void SetRibbon(TovCustomRibbon* ARibbon) = 0;
    // Switches non-client drawing on (a helper) or off (null). The helper stays the ribbon's.
    virtual void SetCaptionHelper(IovRibbonFormCaptionHelper* AHelper) = 0;
    // After the ribbon's non-client drawing or its visibility changed.
    virtual void UpdateFrame() = 0;
    // After BorderIcons, BorderStyle or the ribbon's EnableTabAero changed.
    virtual void UpdateFrameStyle() = 0;
    // Recomputes the frame (SWP_FRAMECHANGED), after the ribbon's visibility changed.
    virtual void RecalculateFrame() = 0;
    // The form holds a caption helper.
    virtual bool IsNonClientDrawing() = 0;
    // Non-client drawing on desktop-composition glass.
    virtual bool IsCaptionOnGlass() = 0;
    // The form is the active window (its caption is drawn active).
    virtual bool IsFormActive() = 0;
    // Extra height a form adds to its caption strip (0 in this program).
    virtual int GetExtraCaptionHeight() = 0;
    // The auto-hide ("full screen") mode: switched off when the ribbon is minimized; the ribbon counts as
    // hidden while the mode hides the ribbon interface.
    virtual bool IsAutoHideModeActive() = 0;
    virtual void SwitchAutoHideModeOff() = 0;
    virtual bool IsRibbonUIHiddenByAutoHide() = 0;
    // While the minimized ribbon's tab-groups popup is open only this component gets action updates.
    virtual void SetActionUpdateTarget(TComponent* AComponent) = 0;
};
