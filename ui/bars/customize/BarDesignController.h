// The one controller behind customizing bars: it remembers the link the user selected last, deletes the
// selection (the Delete key or a menu entry), answers Escape, and adds group members so that a refused
// member is told to the user instead of escaping as an exception.
//
// The last selected link is kept as a plain pointer but never trusted: every use first checks that its
// manager still exists and still customizes (or designs) and that the link is still one of the manager's.
// So a link freed behind the controller's back, or a customization that ended, leaves nothing to delete.
#pragma once

#include "platform/rtl/ObjectEvent.h"

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class TComponent;
class TCustomovBarControl;
class TovBar;
class TovBarComponent;
class TovBarCustomizingPopup;
class TovBarGroup;
class TovBarItemLink;
class TovBarItem;
class TovBarItemLinks;
class TovBarManager;
class TuiClassRef;
class TovBarInternalItems;
class TovBarPainter;
class TovBarToolbarsPopup;
class TovBarControlEditor;
class TCustomovBarControlDesignHelper;
class TPersistent;

// Selection operations passed to a selected object: add, re-examine, exclusive.
enum TovBarDesignSelectOperation { dsoAdd = 0, dsoReexamine = 1, dsoExclusive = 2 };

// Kinds of deleting: the links (0) or the items behind them (1).
enum TovBarDeleteKind { bdkLinks = 0, bdkItems = 1 };

class TovBarDesignController {
public:
    TovBarDesignController();
    ~TovBarDesignController();
    TovBarDesignController(const TovBarDesignController&) = delete;
    TovBarDesignController& operator=(const TovBarDesignController&) = delete;

    // ---- Selection
    // Adding or exclusive selection makes the link the last selected one; re-examining drops the last
    // selected link when its control no longer shows it selected or the application is not active.
    void SelectLink(TovBarItemLink* ALink, TovBarDesignSelectOperation AOperation);
    // The last selected link, or null when it (or its manager) is gone or its customization ended.
    TovBarItemLink* LastSelectedLink();
    void ForgetLastSelected();
    // Whether a click on the link selects it (and so whether it is drawn with the solid frame of the
    // default selection or the dotted one). At run time: only a link that is not already the last
    // selected one. At design time: only when the designer holds exactly one object, and when that one
    // is an item with several links, only when it is the customized object.
    bool WantsDefaultSelection(TovBarItemLink* ALink);
    bool HasSingleSelection(TovBarManager* AManager) const;
    // The designer's selection holds an item with more than one link.
    bool HasComplexSelection(TovBarManager* AManager) const;
    // The object is the customizing link, or its item.
    bool IsCustomizedObject(TPersistent* AObject) const;
    bool HasCustomizedLink() const { return CustomizingLink() != nullptr; }
    // The link whose customizing popup is open (or being filled), and the list it belongs to.
    TovBarItemLink* CustomizingLink() const;
    TovBarItemLinks* CustomizingLinks() const;
    // A keyboard request for the context menu: the first selected object offers a customizing popup.
    bool CanShowSelectionPopup();

    // ---- Deleting
    // The manager whose objects are being customized: the last selected link's, else the first that
    // customizes or designs.
    TovBarManager* CustomizingManager();
    bool CanDeleteSelection();
    // At run time the last selected link, when shown on a bar, is freed. From the keyboard this happens
    // only while the manager's owner window (or a child of it) has the focus. True when something went.
    bool DeleteSelectedObjects(TovBarDeleteKind AKind, bool AFromKeyboard);
    // Escape: closes the open customizing popup, else ends the selection of the customizing manager;
    // True when there was either.
    bool CancelCustomizingOperation(TovBarManager* AManager);

    // ---- The customizing popup
    // Selects the link and opens its customizing popup at the cursor until it closes. A blank name typed
    // in it is refused afterwards in a message box. False when the popup would be empty (never shown).
    bool ShowLinkCustomizingPopup(TCustomovBarControl* ABarControl, TovBarItemLink* ALink);
    // On: the popup is topmost and the bar windows from the customizing link's bar up to the root are
    // stacked right under it. Off: the whole chain, then the popup, are no longer topmost.
    void SetCustomizingPopupTopmost(bool AOn);
    // The open customizing popup, or null.
    TovBarCustomizingPopup* CustomizingPopup() const { return FPopup; }
    // Told when a customizing popup opens (its window is made right after).
    std::function<void(TovBarCustomizingPopup*)> OnCustomizingPopup;

    // ---- The toolbars popup (a right click on a toolbar or a dock outside customizing)
    // Opens the list of the manager's toolbars at the cursor until it closes, after closing the bar
    // window that was active. False when it would be empty (never shown) or while customizing.
    bool ShowToolbarsPopup(TovBarManager* AManager, TovBarPainter* APainter = nullptr);
    TovBarToolbarsPopup* ToolbarsPopup() const { return FToolbarsPopup; }
    // Told when a toolbars popup opens.
    std::function<void(TovBarToolbarsPopup*)> OnToolbarsPopup;

    // ---- Design helpers and editors
    // The helper of a bar-window class and its descendants; the most recently registered match wins.
    void RegisterBarControlDesignHelper(const TuiClassRef* AControlClass,
                                        const TCustomovBarControlDesignHelper* AHelper);
    void UnregisterBarControlDesignHelper(const TuiClassRef* AControlClass);
    // The base helper when no registered class matches.
    const TCustomovBarControlDesignHelper* GetDesignHelper(const TCustomovBarControl* AControl) const;
    void RegisterBarControlEditor(const TovBarControlEditor* AEditor);
    void UnregisterBarControlEditor(const TovBarControlEditor* AEditor);
    const std::vector<const TovBarControlEditor*>& Editors() const { return FEditors; }
    // A new item of the class (owned by the manager's owner, in the category "Default" else the first,
    // named by the manager's unique-name rule, with its default caption) whose link lands right after
    // the customizing link. Null without a customizing link.
    TovBarItemLink* CreateItemAtCustomizingLink(const TuiClassRef* AItemClass);
    // An editor's entry was clicked: its class is made at the customizing link and selected.
    TovBarItemLink* CreateItemByEditor(const TovBarControlEditor* AEditor,
                                       const std::string& AClickedCaption);

    // ---- Internal items: the entries of the controller's own menus. They leave their manager's item
    // list (no command list shows them) and belong to the controller until ClearInternalItems.
    // Adds a link to AItem (made by the caller for the links' manager) or to a new item of AItemClass,
    // with the caption (kept when empty), click handler and Tag; the link begins a group when asked.
    TovBarItemLink* AddInternalItem(TovBarItemLinks* ALinks, TovBarItem* AItem, bool ABeginGroup, int ATag,
                                    const TNotifyEvent& AOnClick, const std::string& ACaption = {});
    TovBarItemLink* AddInternalItem(TovBarItemLinks* ALinks, const TuiClassRef* AItemClass, bool ABeginGroup,
                                    int ATag, const TNotifyEvent& AOnClick, const std::string& ACaption = {});
    // Takes the item out of its manager's item list; AOwner (the controller's own list when null) frees it.
    void RegisterInternalItem(TovBarItem* AItem, TComponent* AOwner = nullptr);
    static void RemoveFromManagerItems(TovBarItem* AItem);
    // Frees every item of the controller's own list (each new menu of the controller starts with it).
    void ClearInternalItems();
    int InternalItemCount() const;
    // "&Customize...", only when the manager of the links may be customized: switches it into
    // customizing. Enabled only while no manager customizes (the Customize window is open). Null when
    // not added.
    TovBarItemLink* AddCustomizeItem(TovBarItemLinks* ALinks, const TuiClassRef* AItemClass,
                                     bool ABeginGroup);
    // A hidden toolbar of the manager for the items of popup windows; no quick customizing on it.
    static TovBar* CreateInternalBar(TovBarManager* AManager);
    // Opens the quick customization popup of a toolbar under its mark (AOwnerRect, screen coordinates)
    // and returns it; one such popup at a time in the process (BarDesignControllerQuick.cpp).
    class TovBarPopupControl* ShowQuickCustomizationPopup(class TovBarControl* ABarControl,
                                                          const struct RECT& AOwnerRect);

    // ---- Groups
    // Adds a member to a group; a group that would contain itself is refused with the message "You cannot
    // create recursive groups" in a message box. True when the member was added (or already was there).
    bool AddGroupMember(TovBarGroup* AGroup, TovBarComponent* AMember);

private:
    bool DeleteDesignSelection(TovBarManager* AManager, TovBarDeleteKind AKind);
    void RegisterDefaultEditorsAndHelpers();
    bool IsLinkOfManager(const TovBarItemLink* ALink, TovBarManager* AManager) const;
    void SetLastSelected(TovBarItemLink* ALink, TovBarManager* AManager);
    static void RepaintLink(TovBarItemLink* ALink);

    TovBarItemLink* FLastSelected = nullptr;
    TovBarManager* FLastSelectedManager = nullptr;
    TovBarCustomizingPopup* FPopup = nullptr;
    TovBarToolbarsPopup* FToolbarsPopup = nullptr;
    std::unique_ptr<TovBarInternalItems> FInternalItems;
    std::vector<std::pair<const TuiClassRef*, const TCustomovBarControlDesignHelper*>> FHelpers;
    std::vector<const TovBarControlEditor*> FEditors;
};

// The controller (made on first use, ended with the bar unit).
TovBarDesignController* BarDesignController();
// Fills the bar hooks' design-controller points (Escape and Delete while customizing), and empties them.
void ovBarDesignControllerStart();
void ovBarDesignControllerEnd();
