#include "skin/framed/FrameController.h"

#include "platform/rtl/Exceptions.h"
#include "platform/vcl/Control.h"
#include "skin/framed/FrRegIniFile.h"

#include <algorithm>

TFrFrameControllerNotifications AllFrameNotifications() {
    TFrFrameControllerNotifications all;
    for (int p = fcpColor; p < fcpAll; ++p)
        all.Include(TFrFrameControllerProperty(p));
    return all;
}

TFrFrameController::TFrFrameController(TComponent* AOwner) : TComponent(AOwner) {}

TFrFrameController::~TFrFrameController() = default;

void TFrFrameController::SetColor(TColor Value) {
    if (Value == FColor) return;
    if (FColor == FFocusColor) FFocusColor = Value;
    FColor = Value;
    FParentColor = false;
    ApplyToAll(fcpColor);
}

void TFrFrameController::SetParentColor(bool Value) {
    if (Value == FParentColor) return;
    FParentColor = Value;
    ApplyToAll(fcpParentColor);
    if (!Value) ApplyToAll(fcpColor);
}

void TFrFrameController::SetFlatButtonColor(TColor Value) {
    if (Value == FFlatButtonColor) return;
    FFlatButtonColor = Value;
    ApplyToAll(fcpFlatButtonColor);
}

void TFrFrameController::SetFlatButtons(bool Value) {
    if (Value == FFlatButtons) return;
    FFlatButtons = Value;
    ApplyToAll(fcpFlatButtons);
}

void TFrFrameController::SetDisabledColor(TColor Value) {
    if (Value == FDisabledColor) return;
    FDisabledColor = Value;
    ApplyToAll(fcpDisabledColor);
}

void TFrFrameController::SetReadOnlyColor(TColor Value) {
    if (Value == FReadOnlyColor) return;
    FReadOnlyColor = Value;
    ApplyToAll(fcpReadOnlyColor);
}

void TFrFrameController::SetReadOnlyColorOnFocus(bool Value) {
    if (Value == FReadOnlyColorOnFocus) return;
    FReadOnlyColorOnFocus = Value;
    ApplyToAll(fcpReadOnlyColorOnFocus);
}

void TFrFrameController::SetFocusColor(TColor Value) {
    if (Value == FFocusColor) return;
    FFocusColor = Value;
    ApplyToAll(fcpFocusColor);
}

void TFrFrameController::SetFrameColor(TColor Value) {
    if (Value == FFrameColor) return;
    FFrameColor = Value;
    ApplyToAll(fcpFrameColor);
}

void TFrFrameController::SetFrameHotColor(TColor Value) {
    if (Value == FFrameHotColor) return;
    FFrameHotColor = Value;
    ApplyToAll(fcpFrameHotColor);
}

void TFrFrameController::SetFrameHotTrack(bool Value) {
    if (Value == FFrameHotTrack) return;
    FFrameHotTrack = Value;
    if (Value) {
        SetFrameVisible(true);
        if (!ComponentState().Contains(csLoading)) SetFrameSides(AllSides);
    }
    ApplyToAll(fcpFrameHotTrack);
}

void TFrFrameController::SetFrameHotStyle(TFrameStyle Value) {
    if (Value == FFrameHotStyle) return;
    FFrameHotStyle = Value;
    ApplyToAll(fcpFrameHotStyle);
}

void TFrFrameController::SetFrameSides(TSides Value) {
    if (Value == FFrameSides) return;
    FFrameSides = Value;
    ApplyToAll(fcpFrameSides);
}

void TFrFrameController::SetFrameStyle(TFrameStyle Value) {
    if (Value == FFrameStyle) return;
    FFrameStyle = Value;
    ApplyToAll(fcpFrameStyle);
}

void TFrFrameController::SetFrameVisible(bool Value) {
    if (Value == FFrameVisible) return;
    FFrameVisible = Value;
    ApplyToAll(fcpFrameVisible);
}

void TFrFrameController::SetFramingPreference(TFramingPreference Value) {
    if (Value == FFramingPreference) return;
    FFramingPreference = Value;
    ApplyToAll(fcpFramingPreference);
}

void TFrFrameController::SetRegIniFile(TFrRegIniFile* Value) {
    FRegIniFile = Value;
    if (Value) Value->FreeNotification(this);
}

void TFrFrameController::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FRegIniFile) FRegIniFile = nullptr;
    // A control being destroyed is no longer a TControl by now: find it by identity.
    FControls.erase(
        std::remove_if(FControls.begin(), FControls.end(),
                       [AComponent](TControl* c) { return static_cast<TComponent*>(c) == AComponent; }),
        FControls.end());
}

TFrFrameControllerNotifications TFrFrameController::NotificationsOf(TControl* Control) const {
    const auto* settings = dynamic_cast<const IFrameSettings*>(Control);
    return settings ? settings->FrameControllerNotifications() : AllFrameNotifications();
}

void TFrFrameController::WriteSetting(IFrameSettings* Target, TFrFrameControllerProperty Property) {
    switch (Property) {
    case fcpColor:
        Target->SetColor(FColor);
        break;
    case fcpFocusColor:
        Target->SetFocusColor(FFocusColor);
        break;
    case fcpDisabledColor:
        Target->SetDisabledColor(FDisabledColor);
        break;
    case fcpReadOnlyColor:
        Target->SetReadOnlyColor(FReadOnlyColor);
        break;
    case fcpReadOnlyColorOnFocus:
        Target->SetReadOnlyColorOnFocus(FReadOnlyColorOnFocus);
        break;
    case fcpParentColor:
        Target->SetParentColor(FParentColor);
        break;
    case fcpFlatButtonColor:
        Target->SetFlatButtonColor(FFlatButtonColor);
        break;
    case fcpFlatButtons:
        Target->SetFlatButtons(FFlatButtons);
        break;
    case fcpFrameColor:
        Target->SetFrameColor(FFrameColor);
        break;
    case fcpFrameHotColor:
        Target->SetFrameHotColor(FFrameHotColor);
        break;
    case fcpFrameHotTrack:
        Target->SetFrameHotTrack(FFrameHotTrack);
        break;
    case fcpFrameHotStyle:
        Target->SetFrameHotStyle(FFrameHotStyle);
        break;
    case fcpFrameSides:
        Target->SetFrameSides(FFrameSides);
        break;
    case fcpFrameStyle:
        Target->SetFrameStyle(FFrameStyle);
        break;
    case fcpFrameVisible:
        Target->SetFrameVisible(FFrameVisible);
        break;
    case fcpFramingPreference:
        Target->SetFramingPreference(FFramingPreference);
        break;
    case fcpAll:
        break;
    }
}

void TFrFrameController::ApplyToControl(TControl* Control, TFrFrameControllerProperty Property) {
    if (!Control) return;
    const TFrFrameControllerNotifications accepted = NotificationsOf(Control);
    if (auto* receiver = dynamic_cast<IFrameSettingsReceiver*>(Control)) {
        receiver->FrameSettingChanged(Property);
        return;
    }
    auto* target = dynamic_cast<IFrameSettings*>(Control);
    if (!target) return;
    if (Property != fcpAll) {
        if (accepted.Contains(Property)) WriteSetting(target, Property);
        return;
    }
    static const TFrFrameControllerProperty order[] = {
        fcpParentColor,          fcpColor,         fcpDisabledColor,   fcpReadOnlyColor,
        fcpReadOnlyColorOnFocus, fcpFocusColor,    fcpFlatButtonColor, fcpFlatButtons,
        fcpFrameColor,           fcpFrameHotColor, fcpFrameHotTrack,   fcpFrameHotStyle,
        fcpFrameSides,           fcpFrameStyle,    fcpFrameVisible,    fcpFramingPreference};
    for (TFrFrameControllerProperty p : order) {
        if (p == fcpColor && FParentColor) continue;
        if (accepted.Contains(p)) WriteSetting(target, p);
    }
}

void TFrFrameController::ApplyToAll(TFrFrameControllerProperty Property) {
    if (FUpdateCount > 0 || FControls.empty()) return;
    // A control may detach while it is being told: work on a copy of the list.
    const std::vector<TControl*> controls = FControls;
    for (TControl* control : controls)
        ApplyToControl(control, Property);
}

void TFrFrameController::AttachControl(TControl* Control) {
    if (!Control || std::find(FControls.begin(), FControls.end(), Control) != FControls.end()) return;
    FControls.push_back(Control);
    Control->FreeNotification(this);
    ApplyToControl(Control, fcpAll);
}

void TFrFrameController::DetachControl(TControl* Control) {
    const auto found = std::find(FControls.begin(), FControls.end(), Control);
    if (found == FControls.end()) return;
    FControls.erase(found);
    Control->RemoveFreeNotification(this);
}

void TFrFrameController::UnlockUpdates() {
    if (--FUpdateCount <= 0) {
        FUpdateCount = 0;
        ApplyToAll(fcpAll);
    }
}

void TFrFrameController::Loaded() {
    TComponent::Loaded();
    ApplyToAll(fcpAll);
}

void TFrFrameController::Assign(TPersistent* Source) {
    auto* other = dynamic_cast<TFrFrameController*>(Source);
    if (!other) {
        TComponent::Assign(Source);
        return;
    }
    LockUpdates();
    SetColor(other->FColor);
    SetParentColor(other->FParentColor);
    SetFlatButtonColor(other->FFlatButtonColor);
    SetFlatButtons(other->FFlatButtons);
    SetDisabledColor(other->FDisabledColor);
    SetReadOnlyColor(other->FReadOnlyColor);
    SetReadOnlyColorOnFocus(other->FReadOnlyColorOnFocus);
    SetFocusColor(other->FFocusColor);
    SetFrameColor(other->FFrameColor);
    SetFrameHotColor(other->FFrameHotColor);
    SetFrameHotTrack(other->FFrameHotTrack);
    SetFrameHotStyle(other->FFrameHotStyle);
    SetFrameSides(other->FFrameSides);
    SetFrameStyle(other->FFrameStyle);
    SetFrameVisible(other->FFrameVisible);
    SetFramingPreference(other->FFramingPreference);
    UnlockUpdates();
}

void ChangeFrameController(TControl* Control, TFrFrameController*& Current, TFrFrameController* Value) {
    if (Current) {
        Current->DetachControl(Control);
        Current->RemoveFreeNotification(Control);
    }
    Current = Value;
    if (Current) {
        Current->FreeNotification(Control);
        Current->AttachControl(Control);
    }
}

void TFrOldPropReader::ReadFrameFlat(IFrameSettings* Target, bool Value) {
    Target->SetFrameHotTrack(Value);
    if (!Value) return;
    Target->SetFrameStyle(fsStatus);
    Target->SetFrameHotStyle(fsLowered);
}

void TFrOldPropReader::ReadFrameFocusStyle(IFrameSettings* Target, const std::string& Identifier) {
    static const char* const names[] = {"fsNone",    "fsFlat",       "fsGroove",  "fsBump",
                                        "fsLowered", "fsButtonDown", "fsRaised",  "fsButtonUp",
                                        "fsStatus",  "fsPopup",      "fsFlatBold"};
    for (int i = 0; i <= fsFlatBold; ++i)
        if (Identifier == names[i]) {
            Target->SetFrameHotStyle(TFrameStyle(i));
            return;
        }
    throw EReadError("Invalid property value");
}
