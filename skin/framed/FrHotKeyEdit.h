// TFrHotKeyEdit: the class library's hot-key field with a background colour for each state (normal,
// focused, disabled), an optional frame of its own drawn in the non-client area in one of the frame
// styles, hot tracking of that frame under the mouse or with the focus, and a frame controller's
// settings.
#pragma once

#include "platform/vcl/HotKey.h"
#include "skin/framed/FrameController.h"

#include <memory>

class TCanvas;

class TFrHotKeyEdit : public THotKey, public IFrameSettings {
public:
    explicit TFrHotKeyEdit(TComponent* AOwner);
    ~TFrHotKeyEdit() override;

    // The normal colour: what Color returns to when neither focused nor disabled.
    TColor NormalColor() const { return FNormalColor; }
    TColor DisabledColor() const { return FDisabledColor; }
    void SetDisabledColor(TColor Value) override;
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor Value) override;
    TColor FrameColor() const { return FFrameColor; }
    void SetFrameColor(TColor Value) override;
    TColor FrameHotColor() const { return FFrameHotColor; }
    void SetFrameHotColor(TColor Value) override;
    TFrameStyle FrameHotStyle() const { return FFrameHotStyle; }
    void SetFrameHotStyle(TFrameStyle Value) override;
    bool FrameHotTrack() const { return FFrameHotTrack; }
    // Switching it on makes the frame visible and (unless loading) puts it on all four sides.
    void SetFrameHotTrack(bool Value) override;
    TSides FrameSides() const { return FFrameSides; }
    void SetFrameSides(TSides Value) override;
    TFrameStyle FrameStyle() const { return FFrameStyle; }
    void SetFrameStyle(TFrameStyle Value) override;
    bool FrameVisible() const { return FFrameVisible; }
    // Makes the window again (a visible frame wants the 3-D border to draw over).
    void SetFrameVisible(bool Value) override;
    TFramingPreference FramingPreference() const { return FFramingPreference; }
    void SetFramingPreference(TFramingPreference Value) override;
    TFrFrameController* FrameController() const { return FFrameController; }
    void SetFrameController(TFrFrameController* Value);
    TFrFrameControllerNotifications FrameControllerNotifications() const override { return FNotifications; }
    void SetFrameControllerNotifications(TFrFrameControllerNotifications Value) { FNotifications = Value; }
    // The controller's colour settings reach the control's own.
    void SetColor(TColor Value) override { THotKey::SetColor(Value); }
    void SetParentColor(bool Value) override { THotKey::SetParentColor(Value); }

    // Color := the disabled, focused or normal colour, by the state.
    virtual void UpdateColors();
    virtual void UpdateFrameState(bool ChangeMouse, bool Over);
    virtual void RepaintFrame();
    // The platform's visual style draws the frame instead (styles are off here).
    virtual bool UsesThemedFrame() const;
    bool MouseOver() const { return FMouseOver; }
    // Whether the hot style is the one drawn now.
    bool ShowsHotFrame();

    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    TColor FaceColor() const override { return Color(); }
    void CreateParams(TCreateParams& Params) override;
    void Dispatch(TMessage& Message) override;
    void CMColorChanged(TMessage& Message) override;
    void CMParentColorChanged(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMEnter(TMessage& Message) override;
    void CMExit(TMessage& Message) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void WMSize(TMessage& Message) override;

private:
    // The colour became Value by the user's or the program's hand: the normal colour follows.
    void FollowColor();
    void RepaintVisibleFrame();
    void PaintNonClient(TMessage& Message);

    TColor FNormalColor = clWindow;
    TColor FDisabledColor = clBtnFace;
    TColor FFocusColor = clWindow;
    TColor FFrameColor = clBtnShadow;
    TColor FFrameHotColor = clBtnShadow;
    TFrameStyle FFrameHotStyle = fsFlatBold;
    bool FFrameHotTrack = false;
    TSides FFrameSides = AllSides;
    TFrameStyle FFrameStyle = fsFlat;
    bool FFrameVisible = false;
    TFramingPreference FFramingPreference = fpXPThemes;
    TFrFrameController* FFrameController = nullptr;
    TFrFrameControllerNotifications FNotifications = AllFrameNotifications();
    bool FSettingColor = false;
    bool FMouseOver = false;
    std::unique_ptr<TCanvas> FCanvas;
};
