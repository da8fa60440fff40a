// The non-visual components that show a list of item links as a menu window: the base owns the links and
// makes the window for them; the menu component adds its own font, shortcuts and the abstract Popup.
#pragma once

#include "platform/vcl/ShortCuts.h"
#include "ui/bars/BarComponents.h"
#include "ui/bars/BarItemLinks.h"

#include <memory>
#include <string>

class TFont;
class TovBarSubMenuControl;

class TovBarCustomPopupComponent : public TovBarComponent, public IovBarLinksOwner {
public:
    // Raises EovException "There are no TovBarManagers available" when no manager exists; takes the
    // owner when it is a manager, else the manager of its owner, else the first one.
    explicit TovBarCustomPopupComponent(TComponent* AOwner);
    ~TovBarCustomPopupComponent() override;

    TovBarItemLinks* ItemLinks() const { return FItemLinks.get(); }
    // Copies the other collection.
    void SetItemLinks(TovBarItemLinks* AValue) { FItemLinks->Assign(AValue); }
    // A new menu window for the links (the links connect it).
    virtual TovBarSubMenuControl* CreateSubMenuControl();
    void Loaded() override;

    // ---- Link owner
    bool CanContainItem(TovBarItem* AItem, std::string& AErrorText) override;
    IovBarControl* CreateBarControl() override;
    TCustomImageList* ImageListOf() override { return FImages; }
    TObject* OwnerObject() override { return this; }
    TovBarItemLinks* LinksOf() override { return FItemLinks.get(); }

    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* AValue) { FImages = AValue; }

protected:
    virtual std::unique_ptr<TovBarItemLinks> CreateItemLinks();
    // The constructor of a derived class makes the links (a virtual call the base constructor cannot make).
    void InitItemLinks() { FItemLinks = CreateItemLinks(); }

    std::unique_ptr<TovBarItemLinks> FItemLinks;
    TCustomImageList* FImages = nullptr;
};

class TovBarCustomPopupMenuComponent : public TovBarCustomPopupComponent {
public:
    explicit TovBarCustomPopupMenuComponent(TComponent* AOwner);
    ~TovBarCustomPopupMenuComponent() override;

    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* AValue);
    bool UseOwnFont() const { return FUseOwnFont; }
    void SetUseOwnFont(bool AValue);
    virtual void FontChanged();
    // A shortcut the manager asks the menu about (base: not handled).
    virtual bool HandleManagerShortCut(int AShortCut) { return false; }
    // The key (with the keyboard's Shift, Ctrl and Alt) is the shortcut of one of the links.
    bool IsShortCut(WORD AKey, LPARAM AKeyData);
    // A link's item has the shortcut (and runs it).
    bool IsShortCut(TShortCut AShortCut);
    virtual void Popup(int X, int Y) = 0;
    void AssignBarManager(TovBarManager* AValue) override;

protected:
    std::unique_ptr<TFont> FFont;
    bool FUseOwnFont = false;
    bool FInternalFontChange = false;
};
