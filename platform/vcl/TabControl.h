// TCustomTabControl: a row of tabs over a raised display area, the shared part of TTabControl (tabs from
// a string list, TabIndex) and TPageControl (one tab per visible sheet). A click on a tab, Left/Right
// when the control has the focus, and Ctrl+Tab / Ctrl+Shift+Tab while the focus is inside it move to
// another tab; OnChanging may refuse, OnChange follows. With no tab to show, the tab row is gone and the
// display area fills the control.
#pragma once

#include "platform/vcl/CustomControl.h"

#include <memory>
#include <string>

class TStringList;
class TStrings;

using TTabChangingEvent = TEvent<TObject*, bool&>;

class TCustomTabControl : public TCustomControl {
public:
    explicit TCustomTabControl(TComponent* AOwner);

    // The rectangle under the tabs that shows the page, in client coordinates.
    RECT DisplayRect();
    // The rectangle of the tab at a visible position, and the visible position at a point (-1: none).
    RECT TabRect(int Position);
    int TabAtPos(POINT Pos);
    int TabHeight() const;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    // The tabs: how many are shown and their captions; which one is current (-1: none).
    virtual int TabCount() const = 0;
    virtual std::string TabCaption(int Position) const = 0;
    virtual int CurrentTab() const = 0;
    // Makes a tab current after OnChanging allowed it; answers whether it changed.
    virtual bool SelectTab(int Position) = 0;
    // Moves to a tab as a user does: OnChanging, the change, OnChange.
    bool ChangeTabByUser(int Position);

    void Paint() override;
    void AdjustClientRect(RECT& Rect) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void CMDialogKey(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS; }
    void Dispatch(TMessage& Message) override;
};

class TTabControl : public TCustomTabControl {
public:
    explicit TTabControl(TComponent* AOwner);
    ~TTabControl() override;

    TStrings* Tabs() const;
    int TabIndex() const { return FTabIndex; }
    void SetTabIndex(int Value);

protected:
    int TabCount() const override;
    std::string TabCaption(int Position) const override;
    int CurrentTab() const override { return FTabIndex; }
    bool SelectTab(int Position) override;

private:
    std::unique_ptr<TStringList> FTabs;
    int FTabIndex = -1;
};
