// Action lists: the actions of a form in order, with an image list for their images, list-wide
// execute/update handlers, shortcut dispatch and idle updates.
#pragma once

#include "platform/rtl/Component.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/WinTypes.h"
#include "platform/vcl/ShortCuts.h"

#include <memory>
#include <vector>

class TBasicAction;
class TContainedAction;
class TCustomImageList;
class TChangeLink;

// Handler of a whole list: set Handled to stop the action's own handling.
using TActionEvent = TEvent<TBasicAction*, bool&>;

enum TActionListState { asNormal, asSuspended, asSuspendedEnabled };

class TCustomActionList : public TComponent {
public:
    explicit TCustomActionList(TComponent* AOwner);
    // Frees the actions it holds.
    ~TCustomActionList() override;

    int ActionCount() const { return static_cast<int>(FActions.size()); }
    // Raises EListError for a bad index.
    TContainedAction* Actions(int Index) const;

    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);

    // Asks OnExecute / OnUpdate; true when it handled the action.
    virtual bool ExecuteAction(TBasicAction* Action);
    virtual bool UpdateAction(TBasicAction* Action);

    // Executes the first action that answers to the shortcut; true when one answered (even if it was
    // disabled, so the key goes no further). Suspended lists answer nothing.
    bool IsShortCut(TShortCut ShortCut);
    // The same for a key message: the key code and key data, with Shift and Ctrl from the keyboard.
    bool IsShortCutKey(WORD CharCode, LPARAM KeyData);
    // Updates every action (the application calls this when idle).
    void UpdateActions();

    // asSuspended stops execution and updates; asSuspendedEnabled also enables every action.
    TActionListState State() const { return FState; }
    void SetState(TActionListState Value);

    TActionEvent OnExecute;
    TActionEvent OnUpdate;
    TNotifyEvent OnChange;

    void Notification(TComponent* AComponent, TOperation Operation) override;

protected:
    friend class TContainedAction;
    void AddAction(TContainedAction* Action);
    void RemoveAction(TContainedAction* Action);
    void MoveAction(TContainedAction* Action, int NewIndex);
    virtual void Change();

private:
    void ImageListChange(TObject* Sender);

    std::vector<TContainedAction*> FActions;
    TCustomImageList* FImages = nullptr;
    std::unique_ptr<TChangeLink> FImageChangeLink;
    TActionListState FState = asNormal;
};

class TActionList : public TCustomActionList {
public:
    using TCustomActionList::TCustomActionList;
};
