// Window items: bar items whose appearance holds an in-place window the user types into — the edit item
// and the combos (one whose drop-down window comes from events, and an owner-drawn one with its own
// strings). The in-place windows belong to the item controls; the item holds the committed text and
// answers the controls' questions about keys, drop-down windows and item sizes.
#pragma once

#include "platform/vcl/ControlTypes.h"
#include "ui/bars/BarItem.h"

class TStringList;
class TFont;
class TWinControl;

class TovBarWindowItem : public TovBarItem {
public:
    using TovBarItem::TovBarItem;
    virtual std::string GetText() const { return FText; }
    // A different text is stored, the controls repainted and Change runs.
    virtual void SetText(const std::string& AValue);
    // The text of the active link's in-place window, else the item's.
    std::string GetCurText() const;
    void SetCurText(const std::string& AValue);
    bool IsShortCutSupported() const override { return false; }
    // A vertical toolbar shows the item as a plain button (the bar painting layer's button control).
    const TovBarItemControlClass* GetControlClass(bool ARotated = false) const override;
    // The plain button control used on rotated bars (set by the bar painting layer).
    static const TovBarItemControlClass* RotatedControlClass;

    virtual void Change();
    virtual void CurChange() { OnCurChange(this); }
    virtual void DoEnter() { OnEnter(this); }
    virtual void DoExit() { OnExit(this); }
    virtual void KeyDown(WORD& AKey, TShiftState AShift) { OnKeyDown(this, AKey, AShift); }
    virtual void KeyUp(WORD& AKey, TShiftState AShift) { OnKeyUp(this, AKey, AShift); }
    virtual void KeyPress(TKeyChar& AKey) { OnKeyPress(this, AKey); }

    TNotifyEvent OnChange, OnCurChange, OnEnter, OnExit;
    TKeyEvent OnKeyDown, OnKeyUp;
    TKeyPressEvent OnKeyPress;

protected:
    std::string FText;
};

class TovCustomBarEdit : public TovBarWindowItem {
public:
    explicit TovCustomBarEdit(TComponent* AOwner);
    // Clicked by its accelerator only where its caption is shown.
    bool CanClick(TovBarItemLink* ALink = nullptr) const override;
    // An edit entry: caption, then the edit box.
    void DrawCustomizingImage(TCanvas* ACanvas, const TRect& ARect, bool ASelected) override;
};

class TovBarEdit : public TovCustomBarEdit {
public:
    using TovCustomBarEdit::TovCustomBarEdit;
    int MaxLength() const { return FMaxLength; }
    // Negative values become 0; every link's control applies the new maximum.
    void SetMaxLength(int AValue);
    bool ReadOnly = false;
    // The style of the edit box (slot 1); the item's own style stays in slot 0.
    TuiStyle* StyleEdit() const { return GetStyleByIndex(1); }
    void SetStyleEdit(TuiStyle* AValue) { SetStyleByIndex(1, AValue); }
    int GetStyleCount() const override { return 2; }

private:
    int FMaxLength = 0;
};

using TovBarCheckKeyForDropDownWindowEvent = TEvent<TObject*, WORD, bool&, TShiftState>;
using TovBarGetDropDownWindowEvent = TEvent<TObject*, HWND&>;

class TCustomovBarCombo : public TovBarEdit {
public:
    using TovBarEdit::TovBarEdit;
    bool ShowEditor = true;
    TovBarCheckKeyForDropDownWindowEvent OnCheckKeyForDropDownWindow;
    TNotifyEvent OnCloseUp, OnDropDown;
    TovBarGetDropDownWindowEvent OnGetDropDownWindow;

    // Places the drop-down window inside the work area of the monitor at (X, Y): beside the control for
    // sub-menus and vertical toolbars, else below it, opening the other way when there is more room.
    virtual void CorrectDropDownPos(int& X, int& Y, SIZE AWindowSize, const RECT& ALinkRect,
                                    bool ASideways) const;
    // Whether a key typed in the in-place edit goes to the drop-down window.
    virtual bool CheckKeyForDropDownWindow(WORD AKey, TShiftState AShift);
    virtual HWND GetDropDownWindow();
    virtual void DropDown(int X, int Y);
    virtual void CloseUp();
    // The drop-down window control takes the font of the active link's edit and the edit colours its
    // painter gives, so what drops down reads as part of the combo. Nothing without an active link.
    void ApplyEditStyleToWindow(TWinControl* AControl);
    // An edit entry with a drop-down button.
    void DrawCustomizingImage(TCanvas* ACanvas, const TRect& ARect, bool ASelected) override;
};

class TovBarCustomCombo : public TCustomovBarCombo {
public:
    explicit TovBarCustomCombo(TComponent* AOwner);
    ~TovBarCustomCombo() override;

    int DropDownCount = 8;
    int DropDownWidth = 0;
    int ItemHeight = 0;
    TStringList* Items() const { return FItems; }
    int ItemIndex() const { return FItemIndex; }
    // Out of range gives -1 and an empty text.
    void SetItemIndex(int AValue);
    bool Sorted() const { return FSorted; }
    void SetSorted(bool AValue);
    void SetText(const std::string& AValue) override;
    bool CheckKeyForDropDownWindow(WORD AKey, TShiftState AShift) override;

    // The index an owner-drawn list shows for a typed text: the item matching the longest prefix
    // (case-insensitive), the first one that reaches it; -1 when no item shares one character.
    int BestPrefixMatch(const std::string& AText) const;
    virtual void MeasureItem(int AIndex, int& AHeight);
    virtual void MeasureItemWidth(int AIndex, int& AWidth);
    // The drop-down list's height for a border size, and its width for a link rectangle width.
    int DropDownListHeight(int ABorderSize);
    int DropDownListWidth(int ALinkWidth);
    TEvent<TObject*, int, int&> OnMeasureItem;

private:
    void ItemsChanged(TObject* ASender);
    int TextHeight(const std::string& AText) const;
    int TextWidth(const std::string& AText) const;

    TStringList* FItems;
    int FItemIndex = -1;
    bool FSorted = false;
};

// The owner-drawn combo under its published name.
class TovBarCombo : public TovBarCustomCombo {
public:
    using TovBarCustomCombo::TovBarCustomCombo;
};
