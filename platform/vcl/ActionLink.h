// Action links: what a control or menu item holds to follow an action. TBasicActionLink registers with
// the action and executes it; TActionLink, from which the control and menu links derive, says which
// properties the client takes from the action and receives their new values.
#pragma once

#include "platform/rtl/Object.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/vcl/ShortCuts.h"

#include <string>

class TBasicAction;
class TCustomAction;
class TComponent;

// A client's link to an action (the base of every link).
class TBasicActionLink : public TObject {
public:
    explicit TBasicActionLink(TObject* AClient);
    ~TBasicActionLink() override;
    TBasicActionLink(const TBasicActionLink&) = delete;
    TBasicActionLink& operator=(const TBasicActionLink&) = delete;

    // The control or menu item the link belongs to.
    TObject* Client() const { return FClient; }
    TBasicAction* Action() const { return FAction; }
    // Registers with the new action (and leaves the old one).
    virtual void SetAction(TBasicAction* Value);
    virtual bool Execute(TComponent* Target = nullptr);
    virtual bool Update();
    virtual bool IsOnExecuteLinked() { return true; }
    virtual void SetOnExecute(const TNotifyEvent& Value) {}

    TNotifyEvent OnChange;

protected:
    friend class TBasicAction;
    // The action's properties changed as a whole.
    virtual void Change() { OnChange(this); }

    TBasicAction* FAction = nullptr;

private:
    TObject* FClient = nullptr;
};

// The link a control or menu item holds to a TCustomAction. The Is...Linked questions say whether the
// client takes a property from the action; the Set... calls carry the action's new values to the client
// (they do nothing here: derived links apply them).
class TActionLink : public TBasicActionLink {
public:
    using TBasicActionLink::TBasicActionLink;

    virtual bool IsCaptionLinked();
    virtual bool IsCheckedLinked();
    virtual bool IsEnabledLinked();
    virtual bool IsGroupIndexLinked();
    virtual bool IsHelpContextLinked();
    virtual bool IsHintLinked();
    virtual bool IsImageIndexLinked();
    virtual bool IsShortCutLinked();
    virtual bool IsVisibleLinked();
    virtual bool IsAutoCheckLinked();

    virtual void SetCaption(const std::string& Value) {}
    virtual void SetChecked(bool Value) {}
    virtual void SetEnabled(bool Value) {}
    virtual void SetGroupIndex(int Value) {}
    virtual void SetHelpContext(int Value) {}
    virtual void SetHint(const std::string& Value) {}
    virtual void SetImageIndex(int Value) {}
    virtual void SetShortCut(TShortCut Value) {}
    virtual void SetVisible(bool Value) {}
    virtual void SetAutoCheck(bool Value) {}

protected:
    TCustomAction* CustomAction() const;
};
