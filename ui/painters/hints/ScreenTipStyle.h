// The screen-tip style: the hint style that makes tooltips appear as screen tips. It links controls and
// actions to screen tips, gives a control without a hint the header of its tip as its hint, and names
// the screen-tip window (ScreenTipWindow.h) as the window class of its tooltips.
#pragma once

#include "platform/rtl/Collection.h"
#include "ui/painters/hints/HintStyles.h"

#include <string>

class TBasicAction;
class TControl;
class TovScreenTip;
class TovScreenTipStyle;
class TovCustomScreenTipLinks;

// {1479340F-AA1B-4A8E-B136-87E3B5CA3D36}: an object that knows the screen tip of what it shows (the bar
// manager and the bar item controls).
class IovScreenTipProvider {
public:
    virtual ~IovScreenTipProvider() = default;
    virtual TovScreenTip* GetScreenTip() = 0;
    // The action whose linked tip applies when there is no tip of its own.
    virtual TBasicAction* GetAction() = 0;
    virtual std::string GetShortCutText() = 0;
};

class TovCustomScreenTipLink : public TCollectionItem {
public:
    explicit TovCustomScreenTipLink(TCollection* ACollection) : TCollectionItem(ACollection) {}
    ~TovCustomScreenTipLink() override;
    // The component and the screen tip.
    void Assign(TPersistent* Source) override;

    TComponent* Component() const { return FComponent; }
    // The free notices of the old component go, those of the new one come, to the style's controller.
    void SetComponent(TComponent* AValue);
    TovScreenTip* ScreenTip() const { return FScreenTip; }
    void SetScreenTip(TovScreenTip* AValue);

protected:
    TovCustomScreenTipLinks* Links() const;

private:
    void Watch(TComponent* AOld, TComponent* ANew);

    TComponent* FComponent = nullptr;
    TovScreenTip* FScreenTip = nullptr;
};

class TovScreenTipLink : public TovCustomScreenTipLink {
public:
    using TovCustomScreenTipLink::TovCustomScreenTipLink;
    // Raise EInvalidCast for a component that is not a control.
    TControl* Control() const;
    void SetControl(TComponent* AValue);
};

class TovScreenTipActionLink : public TovCustomScreenTipLink {
public:
    using TovCustomScreenTipLink::TovCustomScreenTipLink;
    // Raise EInvalidCast for a component that is not an action.
    TBasicAction* Action() const;
    void SetAction(TComponent* AValue);
};

class TovCustomScreenTipLinks : public TCollection {
public:
    TovCustomScreenTipLinks(TovScreenTipStyle* AStyle, TCollectionItemClass ALinkClass);
    TPersistent* GetOwner() override;
    TovScreenTipStyle* Style() const { return FStyle; }
    TovCustomScreenTipLink* Items(int AIndex) const;
    TovCustomScreenTipLink* Add() { return static_cast<TovCustomScreenTipLink*>(TCollection::Add()); }
    // The first link whose component or screen tip is AComponent.
    TovCustomScreenTipLink* FindLink(TComponent* AComponent) const;
    // The screen tip of that link.
    TovScreenTip* FindScreenTip(TComponent* AComponent) const;
    virtual TCollectionItemClass GetLinkClass() = 0;

private:
    TovScreenTipStyle* FStyle;
};

class TovScreenTipLinks : public TovCustomScreenTipLinks {
public:
    explicit TovScreenTipLinks(TovScreenTipStyle* AStyle);
    TovScreenTipLink* Add() { return static_cast<TovScreenTipLink*>(TCollection::Add()); }
    TCollectionItemClass GetLinkClass() override { return CollectionItemClass<TovScreenTipLink>(); }
};

class TovScreenTipActionLinks : public TovCustomScreenTipLinks {
public:
    explicit TovScreenTipActionLinks(TovScreenTipStyle* AStyle);
    TovScreenTipActionLink* Add() { return static_cast<TovScreenTipActionLink*>(TCollection::Add()); }
    TCollectionItemClass GetLinkClass() override { return CollectionItemClass<TovScreenTipActionLink>(); }
};

class TovScreenTipStyle : public TuiCustomHintStyle {
public:
    explicit TovScreenTipStyle(TPersistent* AOwner);
    ~TovScreenTipStyle() override;
    // Both link collections.
    void Assign(TPersistent* Source) override;

    TovScreenTipLinks* ScreenTipLinks() const { return FScreenTipLinks.get(); }
    TovScreenTipActionLinks* ScreenTipActionLinks() const { return FScreenTipActionLinks.get(); }
    // The component whose free notices the links ask for: the controller that owns the style.
    TComponent* NotificationTarget();

    // The tip linked to the control, else to its action, else the one its screen-tip provider (or the
    // provider its hint host names) answers; with the shortcut text of the control's action.
    bool FindScreenTip(TControl* AControl, TovScreenTip*& AScreenTip, std::string& AShortCutText);

    // A control with an empty hint and a linked tip that does not use the hint as header shows the
    // tip's header text (a single space for an empty header).
    void ShowHintHook(std::string& AHintText, bool& ACanShow, THintInfo& AHintInfo) override;
    // A freed screen tip leaves its links; a freed control or action leaves its link.
    void ComponentWasRemoved(TComponent* AComponent) override;
    THintWindowClass HintWindowClassOf() override;

private:
    std::unique_ptr<TovScreenTipLinks> FScreenTipLinks;
    std::unique_ptr<TovScreenTipActionLinks> FScreenTipActionLinks;
};

// Unit start and end: the screen-tip classes made known for streaming and the "ScreenTip" hint style;
// at the end, the rich-text helpers.
void uiScreenTipsInitialize();
void uiScreenTipsFinalize();
