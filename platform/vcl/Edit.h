// TCustomEdit / TEdit: a single-line edit box in the classic look (sunken frame, window background,
// grey when read-only). Typing, caret and selection by mouse and keys, word selection by double-click,
// clipboard keys (Ctrl+X/C/V, Shift+Del, Shift+Ins, Ctrl+Ins), one level of undo (Ctrl+Z, a second undo
// redoes), MaxLength, ReadOnly, PasswordChar, CharCase, digits only (the ES_NUMBER style), AutoSelect on
// entering by keyboard, OnChange after every change of the text, and the EM_ messages callers send,
// the formatting rectangle (EM_SETRECT, EM_SETRECTNP, EM_GETRECT) among them. The system "EDIT" class
// (SystemEdit.h) is this control on a window someone else made.
#pragma once

#include "platform/vcl/CustomControl.h"
#include "platform/vcl/EditBuffer.h"

#include <optional>
#include <string>

// What the edit paints with: the background brush and the colour of unselected text.
struct TEditColors {
    HBRUSH Background = nullptr;
    COLORREF Text = 0;
};

class TCustomEdit : public TCustomControl {
public:
    explicit TCustomEdit(TComponent* AOwner);

    int MaxLength() const { return FBuffer.MaxLength(); }
    void SetMaxLength(int Value) { FBuffer.SetMaxLength(Value); }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    char32_t PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(char32_t Value);
    TEditCharCase CharCase() const { return FBuffer.CharCase(); }
    void SetCharCase(TEditCharCase Value);
    // Digits only; the ES_NUMBER style of the window says the same.
    bool NumbersOnly() const;
    void SetNumbersOnly(bool Value);
    bool AutoSelect() const { return FAutoSelect; }
    void SetAutoSelect(bool Value) { FAutoSelect = Value; }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);
    bool Modified() const { return FModified; }
    void SetModified(bool Value) { FModified = Value; }

    int SelStart() const { return FBuffer.SelStart(); }
    void SetSelStart(int Value);
    int SelLength() const { return FBuffer.SelLength(); }
    void SetSelLength(int Value);
    std::string SelText() const { return FBuffer.SelText(); }
    // Replaces the selection as typing would (MaxLength and digits-only apply), fires OnChange.
    void SetSelText(const std::string& Value);
    void SelectAll();
    void ClearSelection();
    void Clear() { SetText(std::string()); }

    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    bool CanUndo() const { return FBuffer.CanUndo(); }
    void Undo();
    void ClearUndo() { FBuffer.ClearUndo(); }

    // The character position nearest to a client x coordinate (mouse hits).
    int CharFromX(int X);
    // The character position nearest to a client point.
    virtual int CharFromPoint(int X, int Y) { return CharFromX(X); }
    // The client x coordinate where the character at Pos starts.
    int XFromChar(int Pos);

    TNotifyEvent OnChange;

protected:
    std::string GetText() const override { return FBuffer.Text(); }
    void SetTextBuf(const std::string& Value) override;
    virtual void Change();
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMKeyDown(TMessage& Message) override;
    void WMChar(TMessage& Message) override;
    void WMSetFocus(TMessage& Message) override;
    void WMKillFocus(TMessage& Message) override;
    void CMEnter(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

    // The text as shown: the password character in place of every character when one is set.
    std::u32string DisplayChars() const;
    // The rectangle the text is drawn in: the formatting rectangle when one was set, else inside the
    // frame and the margins.
    RECT TextRect();
    // Where the line starts: at the top of a formatting rectangle, else centred in the text rectangle.
    int LineTop();
    // Background and text colours for painting on DC (read-only and disabled boxes look different).
    virtual TEditColors PaintColors(HDC DC);
    // The caret of the focused box, made for the font's line height and put in place.
    void CreateEditCaret();
    // Applies a key that edits or moves; answers whether it was an editing key.
    virtual bool HandleEditKey(WORD Key, TShiftState Shift);
    // Applies a typed character (control characters for the clipboard keys included).
    virtual void HandleEditChar(char32_t Char);
    // After a change of text or selection: the caret placed (scrolling the text into view), a repaint,
    // and OnChange when the text changed.
    void AfterEdit(bool TextChanged);
    virtual void UpdateCaret();
    virtual void MakeCaretVisible();
    void Beep();

    TEditBuffer FBuffer;
    int FScrollX = 0; // how far the text is scrolled to the left, in pixels
    bool FReadOnly = false;
    bool FAutoSelect = true;
    bool FHideSelection = true;
    bool FModified = false;
    bool FCaretCreated = false;
    bool FMouseSelecting = false;
    bool FSelectingWords = false;
    TBorderStyle FBorderStyle = bsSingle;
    char32_t FPasswordChar = 0;
    std::optional<RECT> FFormatRect; // client coordinates; none: the default text rectangle
};

class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}
};
