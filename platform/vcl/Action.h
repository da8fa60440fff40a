// Actions: commands with a caption, hint, image, shortcuts, enabled/checked/visible state and handlers,
// shared by every control and menu item linked to them. Clients hold an action link (ActionLink.h) that
// the action drives when its properties change.
//
// Execute and Update ask, in this order: the action's list (its OnExecute/OnUpdate), the application
// (through the handlers it installs with SetApplicationActionHandlers), then the action's own handler.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/vcl/ActionLink.h"
#include "platform/vcl/ShortCuts.h"

#include <functional>
#include <string>
#include <vector>

class TBasicAction;
class TCustomActionList;

// Decides about an action; true = handled (executed or updated).
using TActionHandler = std::function<bool(TBasicAction*)>;
// Installed by the application: its OnActionExecute/OnActionUpdate and the targets it knows about.
void SetApplicationActionHandlers(TActionHandler Execute, TActionHandler Update);

class TBasicAction : public TComponent {
public:
    explicit TBasicAction(TComponent* AOwner);
    ~TBasicAction() override;

    // Runs the handler; false when nobody handled it.
    virtual bool Execute();
    // Runs the update handler; false when nobody handled it.
    virtual bool Update();
    virtual bool HandlesTarget(TObject* Target) { return false; }
    virtual void ExecuteTarget(TObject* Target) {}
    virtual void UpdateTarget(TObject* Target) {}

    const TNotifyEvent& OnExecute() const { return FOnExecute; }
    // Passes the handler on to every client whose link keeps it.
    virtual void SetOnExecute(const TNotifyEvent& Value);
    TNotifyEvent OnUpdate;

    // The component that executed the action last (set by the link around Execute).
    TComponent* ActionComponent() const { return FActionComponent; }
    void SetActionComponent(TComponent* Value) { FActionComponent = Value; }

    void RegisterChanges(TBasicActionLink* Value);
    void UnRegisterChanges(TBasicActionLink* Value);
    int ClientCount() const { return static_cast<int>(FClients.size()); }
    TBasicActionLink* Clients(int Index) const { return FClients[static_cast<std::size_t>(Index)]; }

protected:
    virtual void Change();
    std::vector<TBasicActionLink*> FClients;

private:
    TNotifyEvent FOnExecute;
    TComponent* FActionComponent = nullptr;
};

// An action kept in an action list, with a category.
class TContainedAction : public TBasicAction {
public:
    explicit TContainedAction(TComponent* AOwner);
    ~TContainedAction() override;

    bool Execute() override;
    bool Update() override;

    TCustomActionList* ActionList() const { return FActionList; }
    void SetActionList(TCustomActionList* Value);
    const std::string& Category() const { return FCategory; }
    void SetCategory(const std::string& Value);
    // The position in the list (-1 outside one); setting it moves the action there.
    int Index() const;
    void SetIndex(int Value);

private:
    friend class TCustomActionList;
    TCustomActionList* FActionList = nullptr;
    std::string FCategory;
};

// Further shortcuts of an action: their texts, each standing for its shortcut value.
class TShortCutList {
public:
    int Add(const std::string& Text);
    void Clear() { FTexts.clear(); }
    int Count() const { return static_cast<int>(FTexts.size()); }
    const std::string& Text(int Index) const { return FTexts[static_cast<std::size_t>(Index)]; }
    TShortCut ShortCuts(int Index) const { return TextToShortCut(Text(Index)); }
    // The first entry standing for the shortcut, or -1 (never for scNone).
    int IndexOfShortCut(TShortCut ShortCut) const;

private:
    std::vector<std::string> FTexts;
};

using THintEvent = TEvent<std::string&, bool&>;

class TCustomAction : public TContainedAction {
public:
    explicit TCustomAction(TComponent* AOwner);

    // Updates first; runs only when enabled. AutoCheck toggles Checked before the handler runs (a
    // checked member of a group stays checked).
    bool Execute() override;
    // With nobody handling the update, DisableIfNoHandler disables an enabled action that has no
    // OnExecute handler (it never enables one).
    bool Update() override;
    // A handler given to an action that was disabled for want of one enables it again.
    void SetOnExecute(const TNotifyEvent& Value) override;
    // Lets OnHint change or refuse (false) the hint about to be shown.
    virtual bool DoHint(std::string& HintStr);

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    bool Checked() const { return FChecked; }
    // Checking a member of a group (GroupIndex > 0) unchecks the others of the same list.
    void SetChecked(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value);
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value);
    TShortCutList& SecondaryShortCuts() { return FSecondaryShortCuts; }
    const TShortCutList& SecondaryShortCuts() const { return FSecondaryShortCuts; }
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool Value);
    bool DisableIfNoHandler() const { return FDisableIfNoHandler; }
    void SetDisableIfNoHandler(bool Value) { FDisableIfNoHandler = Value; }
    // Whether Value is the action's shortcut or one of its secondary ones.
    bool HasShortCut(TShortCut Value) const;

    THintEvent OnHint;

private:
    std::string FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    std::string FHint;
    int FHelpContext = 0;
    int FImageIndex = -1;
    TShortCut FShortCut = scNone;
    TShortCutList FSecondaryShortCuts;
    int FGroupIndex = 0;
    bool FAutoCheck = false;
    bool FDisableIfNoHandler = true;
    bool FDisabledForNoHandler = false;
    bool FChecking = false;
};

class TAction : public TCustomAction {
public:
    using TCustomAction::TCustomAction;
};
