// The frame controller: one set of frame and colour settings pushed to every framed control attached to
// it, so that many edits and bars are restyled together. Controls take the settings through a typed
// interface (in place of writing properties by name); the notification set of a control decides which
// settings it accepts. A control may instead apply the settings itself (IFrameSettingsReceiver).
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/Set.h"
#include "platform/vcl/Graphics.h"
#include "skin/framed/FrameTypes.h"

#include <string>
#include <vector>

class TControl;
class TFrRegIniFile;

enum TFramingPreference { fpCustomFraming, fpXPThemes };

// The settings, by notification bit; fcpAll stands for all sixteen.
enum TFrFrameControllerProperty {
    fcpColor,
    fcpFocusColor,
    fcpDisabledColor,
    fcpReadOnlyColor,
    fcpReadOnlyColorOnFocus,
    fcpParentColor,
    fcpFlatButtonColor,
    fcpFlatButtons,
    fcpFrameColor,
    fcpFrameHotColor,
    fcpFrameHotTrack,
    fcpFrameHotStyle,
    fcpFrameSides,
    fcpFrameStyle,
    fcpFrameVisible,
    fcpFramingPreference,
    fcpAll
};
using TFrFrameControllerNotifications = Set<TFrFrameControllerProperty, 16>;
// All sixteen settings.
TFrFrameControllerNotifications AllFrameNotifications();

// What a framed control offers the controller: the sixteen settings (a control leaves out those it does
// not have) and the set of settings it accepts.
class IFrameSettings {
public:
    virtual ~IFrameSettings() = default;
    // The settings the control takes from a controller; all sixteen unless it says otherwise.
    virtual TFrFrameControllerNotifications FrameControllerNotifications() const {
        return AllFrameNotifications();
    }
    virtual void SetColor(TColor) {}
    virtual void SetFocusColor(TColor) {}
    virtual void SetDisabledColor(TColor) {}
    virtual void SetReadOnlyColor(TColor) {}
    virtual void SetReadOnlyColorOnFocus(bool) {}
    virtual void SetParentColor(bool) {}
    virtual void SetFlatButtonColor(TColor) {}
    virtual void SetFlatButtons(bool) {}
    virtual void SetFrameColor(TColor) {}
    virtual void SetFrameHotColor(TColor) {}
    virtual void SetFrameHotTrack(bool) {}
    virtual void SetFrameHotStyle(TFrameStyle) {}
    virtual void SetFrameSides(TSides) {}
    virtual void SetFrameStyle(TFrameStyle) {}
    virtual void SetFrameVisible(bool) {}
    virtual void SetFramingPreference(TFramingPreference) {}
};

// A control that applies the controller's settings itself, told which setting changed.
class IFrameSettingsReceiver {
public:
    virtual ~IFrameSettingsReceiver() = default;
    virtual void FrameSettingChanged(TFrFrameControllerProperty Property) = 0;
};

class TFrFrameController : public TComponent, public IFrameSettings {
public:
    explicit TFrFrameController(TComponent* AOwner);
    ~TFrFrameController() override;

    // Pushes one setting (or all) to one control, as its notification set allows.
    virtual void ApplyToControl(TControl* Control, TFrFrameControllerProperty Property);
    // Pushes to every attached control in attach order, unless updates are locked.
    virtual void ApplyToAll(TFrFrameControllerProperty Property);

    TColor Color() const { return FColor; }
    // FocusColor follows when it equalled the old colour; ParentColor becomes false.
    void SetColor(TColor Value) override;
    bool ParentColor() const { return FParentColor; }
    void SetParentColor(bool Value) override;
    TColor FlatButtonColor() const { return FFlatButtonColor; }
    void SetFlatButtonColor(TColor Value) override;
    bool FlatButtons() const { return FFlatButtons; }
    void SetFlatButtons(bool Value) override;
    TColor DisabledColor() const { return FDisabledColor; }
    void SetDisabledColor(TColor Value) override;
    TColor ReadOnlyColor() const { return FReadOnlyColor; }
    void SetReadOnlyColor(TColor Value) override;
    bool ReadOnlyColorOnFocus() const { return FReadOnlyColorOnFocus; }
    void SetReadOnlyColorOnFocus(bool Value) override;
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor Value) override;
    TColor FrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor Value) override;
    TColor FrameHotColor() const { return FFrameHotColor; }
    void SetFrameHotColor(TColor Value) override;
    bool FrameHotTrack() const { return FFrameHotTrack; }
    // Switching it on makes the frame visible and (unless loading) puts it on all four sides.
    void SetFrameHotTrack(bool Value) override;
    TFrameStyle FrameHotStyle() const { return FFrameHotStyle; }
    void SetFrameHotStyle(TFrameStyle Value) override;
    TSides FrameSides() const { return FFrameSides; }
    void SetFrameSides(TSides Value) override;
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle Value) override;
    bool FrameVisible() const { return FFrameVisible; }
    void SetFrameVisible(bool Value) override;
    TFramingPreference FramingPreference() const { return FFramingPreference; }
    void SetFramingPreference(TFramingPreference Value) override;
    TFrRegIniFile* RegIniFile() const { return FRegIniFile; }
    void SetRegIniFile(TFrRegIniFile* Value);
    // Color is stored in a form only when ParentColor is false.
    bool ColorStored() const { return !FParentColor; }

    // Attaching pushes every setting to the control once; attaching it again does nothing.
    void AttachControl(TControl* Control);
    void DetachControl(TControl* Control);
    int ControlCount() const { return int(FControls.size()); }
    // While locked nothing is pushed; the last unlock pushes every setting.
    void LockUpdates() { ++FUpdateCount; }
    void UnlockUpdates();
    TFrFrameControllerNotifications NotificationsOf(TControl* Control) const;

    // Copies the sixteen settings from another controller, pushing them once.
    void Assign(TPersistent* Source) override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    // Writes one setting into a control's typed settings.
    void WriteSetting(IFrameSettings* Target, TFrFrameControllerProperty Property);

    TColor FColor = clWindow;
    TColor FDisabledColor = clBtnFace;
    TColor FReadOnlyColor = clInfoBk;
    bool FReadOnlyColorOnFocus = false;
    TColor FFlatButtonColor = clBtnFace;
    bool FFlatButtons = true;
    TColor FFocusColor = clWindow;
    TColor FFrameColor = clBtnShadow;
    TColor FFrameHotColor = clBtnShadow;
    TFrameStyle FFrameHotStyle = fsFlatBold;
    bool FFrameHotTrack = false;
    TSides FFrameSides = AllSides;
    TFrameStyle FFrameStyle = fsFlat;
    bool FFrameVisible = false;
    TFramingPreference FFramingPreference = fpXPThemes;
    bool FParentColor = false;
    TFrRegIniFile* FRegIniFile = nullptr;
    int FUpdateCount = 0;
    std::vector<TControl*> FControls;
};

// Moves Control from the controller in Current to Value: detached from the old one, attached to the new
// one (which pushes its settings) with a removal notice asked for, so that Current is cleared when the
// controller goes.
void ChangeFrameController(TControl* Control, TFrFrameController*& Current, TFrFrameController* Value);

// The properties old form files still hold: read (never written) into the controller or a framed edit.
class TFrOldPropReader {
public:
    // "FrameFlat": FrameHotTrack := Value; when true FrameStyle := fsStatus and FrameHotStyle := fsLowered.
    static void ReadFrameFlat(IFrameSettings* Target, bool Value);
    // "FrameFocusStyle": FrameHotStyle := the style of that name ("fsNone" .. "fsFlatBold"); another name
    // raises EReadError.
    static void ReadFrameFocusStyle(IFrameSettings* Target, const std::string& Identifier);
    // "FrameFlatStyle": read and dropped.
    static void ReadFrameFlatStyle(const std::string& Identifier) {}
};
