// The two interfaces the popup hooks and window helpers ask of controls: a popup names the control it
// belongs to, and a control that carries a toolbar names it. Controls of the bar and ribbon library
// implement them; `Supports` is a dynamic cast.
#pragma once

class TControl;
class TWinControl;

// {631D4C30-8543-4A08-A50E-9ABA2FA7EF33}: a window that drops down from an owner control.
class IuiPopupOwnerSource {
public:
    virtual ~IuiPopupOwnerSource() = default;
    virtual TWinControl* GetOwnerControl() = 0;
};

// {1B111318-D9C9-4C35-9EFF-5D95793C0106}: a control holding a toolbar, which is told with it when its
// form loses the activation.
class IuiToolbarHolder {
public:
    virtual ~IuiToolbarHolder() = default;
    virtual TControl* GetToolbar() = 0;
};

// The private message a form's active control (and its toolbar) is sent when the form is deactivated.
constexpr unsigned uiFormDeactivatedMessage = 0x8082;
