// The sub-menu editor: a caption bar with nothing under it, below which the menu of a sub-item's (or a
// popup menu's) links hangs open while the bars are customized, so that its links can be dragged in, out
// and around like a toolbar's. One exists at most: opening it for other links retargets it; it goes when
// the owner of its links is freed, when its close box is pressed, and when customizing ends.
#pragma once

#include "platform/rtl/WeakLink.h"
#include "platform/vcl/Form.h"

class TCustomovBarControl;
class TovBarItemLinks;
class TovBarSubMenuControl;

class TovBarSubMenuEditor : public TForm {
public:
    explicit TovBarSubMenuEditor(TComponent* AOwner);
    ~TovBarSubMenuEditor() override;

    TovBarItemLinks* ItemLinks() const { return FItemLinks; }
    // Takes other links: the same do nothing; null releases the editor (freed at once when it has no
    // window); others are edited from now on, and the owner of the links is watched so that the editor
    // goes with it.
    void SetItemLinks(TovBarItemLinks* AValue);
    // The menu hanging below the caption, while it is open.
    TovBarSubMenuControl* Menu() const;
    // Opens the links' menu below the caption when it is not open, unless an item is being dragged that
    // the links refuse; the editor then takes the menu's width.
    void OpenMenu();
    void CloseMenu();

    // Published handlers.
    void FormActivate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void FormDestroy(TObject* Sender);
    void FormShow(TObject* Sender);

protected:
    void CreateParams(TCreateParams& Params) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Dispatch(TMessage& Message) override;

private:
    // Where the menu is asked to open: at the editor's left edge, directly below it.
    TPoint MenuPoint();
    TRect ScreenBounds();
    void MenuPlaced(TovBarSubMenuControl* AMenu);
    void FollowMenuWidth();
    void KeepInsideWorkArea();
    void WatchLinksOwner(TComponent* AOwner);
    void ReleaseEditor();

    TovBarItemLinks* FItemLinks = nullptr;
    // The component that owns the edited links (the sub-item or popup menu), watched for destruction.
    TComponent* FLinksOwner = nullptr;
    // The width of the menu last seen, which the editor's width follows.
    int FMenuWidth = 0;
    TWeakLink<TCustomovBarControl> FMenu;
    // Moving the menu moves nothing back: the editor's own placement and the menu's answer each other.
    bool FPlacing = false;
    bool FReleasing = false;
};

// Opens the one sub-menu editor on the links (or retargets the open one): the links' manager starts
// customizing, the Customize window shows its Commands page, and the editor is shown with the links'
// menu below it.
void ShowSubMenuEditor(TovBarItemLinks* ALinks);
// The open sub-menu editor, or null.
TovBarSubMenuEditor* ActiveSubMenuEditor();
// Frees the open sub-menu editor, if any (the Customize window's closing calls it).
void ovFreeSubMenuEditor();
