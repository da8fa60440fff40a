// Behaviour attached to the Customize window's three main lists (toolbars, categories, commands): each
// helper wraps its list box's window procedure to answer the form's private list messages (refill, take
// the selection, update the actions) and installs the list's mouse, key and drawing handlers. Removing
// the helper puts the previous window procedure back.
#pragma once

#include "platform/vcl/Control.h"
#include "platform/vcl/ListBox.h"

class TovBarCustomCustomizationForm;
class TovBarManager;

class TovBarCustomizationFormListBoxHelper {
public:
    TovBarCustomizationFormListBoxHelper(TovBarCustomCustomizationForm* AOwner, TListBox* AListBox);
    virtual ~TovBarCustomizationFormListBoxHelper();
    TovBarCustomizationFormListBoxHelper(const TovBarCustomizationFormListBoxHelper&) = delete;
    TovBarCustomizationFormListBoxHelper& operator=(const TovBarCustomizationFormListBoxHelper&) = delete;

    TovBarCustomCustomizationForm* Owner() const { return FOwner; }
    TListBox* ListBox() const { return FListBox; }
    TovBarManager* BarManager() const;

protected:
    virtual void WndProc(TMessage& Message);
    void CallPrevious(TMessage& Message) { FPrevWndProc(Message); }

private:
    TovBarCustomCustomizationForm* FOwner;
    TListBox* FListBox;
    TControl::TWndMethod FPrevWndProc;
};

// The toolbars: a check box and the caption per entry.
class TovBarCustomizationFormBarListHelper : public TovBarCustomizationFormListBoxHelper {
public:
    TovBarCustomizationFormBarListHelper(TovBarCustomCustomizationForm* AOwner, TListBox* AListBox);

protected:
    void WndProc(TMessage& Message) override;

private:
    void Refill(TMessage& Message);
    void DrawItem(TWinControl* AControl, int AIndex, RECT ARect, TOwnerDrawState AState);
    void MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void KeyDown(TObject* Sender, WORD& Key, TShiftState Shift);
};

// The categories: a click shows the category's commands.
class TovBarCustomizationFormCategoryListHelper : public TovBarCustomizationFormListBoxHelper {
public:
    TovBarCustomizationFormCategoryListHelper(TovBarCustomCustomizationForm* AOwner, TListBox* AListBox);

protected:
    void WndProc(TMessage& Message) override;

private:
    void Refill();
    void MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

    int FDraggingCategory = -1;
};

// The commands of the selected category, drawn as the bars will draw them; a drag starts a command's
// drag onto a toolbar.
class TovBarCustomizationFormItemsListHelper : public TovBarCustomizationFormListBoxHelper {
public:
    TovBarCustomizationFormItemsListHelper(TovBarCustomCustomizationForm* AOwner, TListBox* AListBox);

protected:
    void WndProc(TMessage& Message) override;

private:
    void Refill(TMessage& Message);
    void LeftButtonDown(TMessage& Message);
    void RightButtonDown(TMessage& Message);
};
