// TEditBuffer: the text of a single-line or multi-line edit box with its selection and its one level of
// undo, kept apart from painting so every editing rule can be checked on its own. Positions count
// characters (code points), as the edit messages do; text goes in and out as UTF-8.
#pragma once

#include <string>

enum TEditCharCase { ecNormal, ecUpperCase, ecLowerCase };

class TEditBuffer {
public:
    std::string Text() const;
    // Replaces the whole text, puts the caret at the start and forgets the undo step. MaxLength limits
    // what the user types and pastes, not what the program sets: the whole value is kept.
    void SetText(const std::string& Value);
    int Length() const { return static_cast<int>(FText.size()); }
    const std::u32string& Chars() const { return FText; }

    // The selection runs between the anchor and the caret (the end that moves with Shift+arrows).
    int SelStart() const { return FAnchor < FCaret ? FAnchor : FCaret; }
    int SelLength() const { return FAnchor < FCaret ? FCaret - FAnchor : FAnchor - FCaret; }
    int CaretPos() const { return FCaret; }
    int AnchorPos() const { return FAnchor; }
    std::string SelText() const;
    // Both ends are kept inside the text; a negative end means the end of the text.
    void SetSelection(int Anchor, int Caret);
    void SelectAll() { SetSelection(0, Length()); }
    // Moves the caret; with Extend the anchor stays and the selection grows or shrinks.
    void MoveCaret(int Pos, bool Extend);

    // Puts Value in place of the selection, recording one undo step (typing in a row is one step).
    // Answers false and changes nothing when the text would be refused (digits only, no room left).
    bool ReplaceSelection(const std::string& Value, bool Typing = false);
    bool DeleteBackward(bool WholeWord);
    bool DeleteForward(bool WholeWord);

    // The start of the word at or before Pos and the end of the word at or after Pos (double-click
    // selection and Ctrl+arrows).
    int WordStart(int Pos) const;
    int WordEnd(int Pos) const;
    // Ctrl+Left / Ctrl+Right targets: the previous word start, the next word start.
    int PreviousWordStart(int Pos) const;
    int NextWordStart(int Pos) const;

    bool CanUndo() const { return FHasUndo; }
    // Swaps the text with the one before the last change, as a second undo swaps it back.
    bool Undo();
    void ClearUndo() {
        FHasUndo = false;
        FTypingRun = false;
    }

    int MaxLength() const { return FMaxLength; }
    // 0 means no limit; a shorter limit leaves the present text alone (as edit boxes do).
    void SetMaxLength(int Value) { FMaxLength = Value < 0 ? 0 : Value; }
    TEditCharCase CharCase() const { return FCharCase; }
    // Converts the present text as well.
    void SetCharCase(TEditCharCase Value);
    bool NumbersOnly() const { return FNumbersOnly; }
    void SetNumbersOnly(bool Value) { FNumbersOnly = Value; }
    // A single-line buffer turns line breaks of pasted text into nothing.
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool Value) { FMultiLine = Value; }

private:
    std::u32string Prepare(const std::u32string& Value) const;
    void RememberUndo();

    std::u32string FText;
    int FAnchor = 0;
    int FCaret = 0;
    int FMaxLength = 0;
    TEditCharCase FCharCase = ecNormal;
    bool FNumbersOnly = false;
    bool FMultiLine = false;

    std::u32string FUndoText;
    int FUndoAnchor = 0;
    int FUndoCaret = 0;
    bool FHasUndo = false;
    bool FTypingRun = false;
};

// UTF-8 to code points and back (invalid bytes become U+FFFD).
std::u32string EditUtf8ToChars(const std::string& Text);
std::string EditCharsToUtf8(const std::u32string& Chars);
