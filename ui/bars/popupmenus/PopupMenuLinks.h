// Popup-menu links: a control of the manager's form whose context menu (right click or the menu key) is
// a bar popup menu. The link hooks the control's window procedure and, for WM_CONTEXTMENU, puts its own
// context-popup handler in place while the control handles the message; its children's context menus
// reach it too unless ProcessChildren is off. The manager's links also answer whether a key is the
// shortcut of such a menu, for the focused control.
#pragma once

#include "platform/rtl/Collection.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/WinTypes.h"
#include "platform/vcl/ControlTypes.h"
#include "platform/vcl/ShortCuts.h"

class TControl;
class TComponent;
class TovBarManager;
class TovBarCustomPopupMenuComponent;
class TuiWindowProcLinkedObject;
struct TMessage;

// Sender (the link), the point in the control's client coordinates (changeable), whether a mouse click
// asked for the menu ((-1, -1) means the menu key), and whether the menu may pop up (changeable).
using TovBarPopupMenuLinkActionEvent = TEvent<TObject*, int&, int&, bool, bool&>;

class TovBarPopupMenuLink : public TCollectionItem {
public:
    explicit TovBarPopupMenuLink(TCollection* ACollection);
    ~TovBarPopupMenuLink() override;

    TovBarManager* BarManager() const;
    TControl* Control() const { return FControl; }
    // Only the manager's owner or a control inside it is taken; anything else sets none.
    void SetControl(TControl* AValue);
    TovBarCustomPopupMenuComponent* PopupMenu() const { return FPopupMenu; }
    void SetPopupMenu(TovBarCustomPopupMenuComponent* AValue);
    // Children of the control that have no context menu of their own show this link's menu too.
    bool ProcessChildren = true;
    TovBarPopupMenuLinkActionEvent OnAction;

    // The link's action at a client point of the control: OnAction may move the point or refuse; the menu
    // then pops up there. Answers whether it was allowed to pop up.
    bool DoAction(POINT P);
    // The menu takes the shortcut (OnAction is asked first, as for the menu key, and may refuse).
    bool IsShortCut(TShortCut AShortCut);
    // Copies ProcessChildren; the control and the menu are the components of this manager's owner that
    // have the source's names.
    void Assign(TPersistent* Source) override;

private:
    void HookWindowProc(TMessage& AMessage);
    void ContextPopup(TObject* ASender, POINT AMousePos, bool& AHandled);
    void Unhook();

    TControl* FControl = nullptr;
    TovBarCustomPopupMenuComponent* FPopupMenu = nullptr;
    TuiWindowProcLinkedObject* FHook = nullptr;
    TContextPopupEvent FPreviousContextPopup;
};

class TovBarPopupMenuLinks : public TOwnedCollection {
public:
    explicit TovBarPopupMenuLinks(TovBarManager* AManager);
    ~TovBarPopupMenuLinks() override;

    TovBarManager* BarManager() const { return FManager; }
    TovBarPopupMenuLink* Add() { return static_cast<TovBarPopupMenuLink*>(TCollection::Add()); }
    TovBarPopupMenuLink* Items(int AIndex) const {
        return static_cast<TovBarPopupMenuLink*>(TCollection::Items(AIndex));
    }
    // Whether the shortcut belongs to a menu linked to the control: first the links of the control
    // itself, then the links with ProcessChildren whose window holds it; when none answers, the links of
    // the manager of the owner's parent window are asked, and so on up.
    bool IsShortCut(TControl* AControl, TShortCut AShortCut);
    // A control or a popup menu is going: every link forgets it.
    void RemoveComponent(TComponent* AComponent);

private:
    TovBarManager* FManager;
};
