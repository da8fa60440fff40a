// TMemo: an edit box of several lines. Lines wrap at the box's width by words (WordWrap) or run on and
// scroll sideways; a vertical scroll bar shows when asked for (ScrollBars). Enter starts a new line
// (WantReturns; Esc still reaches the dialog), Tab types a tab only with WantTabs. The arrow, Home/End
// and Page keys move by lines; Lines reads and changes the text line by line. Read-only memos have the
// dialog colour.
#pragma once

#include "platform/vcl/Edit.h"

#include <memory>
#include <vector>

class TScrollBar;
class TStrings;

class TMemo : public TCustomEdit {
public:
    explicit TMemo(TComponent* AOwner);
    ~TMemo() override;

    TStrings* Lines() const;
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle Value);
    bool WantReturns() const { return FWantReturns; }
    void SetWantReturns(bool Value) { FWantReturns = Value; }
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool Value) { FWantTabs = Value; }
    // The caret's line and column (visual lines, counted from 0).
    POINT CaretPos();
    int TopLine() const { return FTopLine; }
    int VisualLineCount();
    int CharFromPoint(int X, int Y) override;
    void SetParent(TWinControl* AParent) override;

protected:
    struct TVisualLine {
        int Start;
        int End; // the line's last character + 1, line break not included
    };
    void Paint() override;
    void Resize() override;
    void Dispatch(TMessage& Message) override;
    bool DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) override;
    bool HandleEditKey(WORD Key, TShiftState Shift) override;
    void HandleEditChar(char32_t Char) override;
    void UpdateCaret() override;
    void MakeCaretVisible() override;
    void Change() override;

    const std::vector<TVisualLine>& Layout();
    int LineOfPos(int Pos);
    int XInLine(const TVisualLine& Line, int Pos);
    int LinesPerPage();
    void ScrollTo(int TopLine);
    RECT MemoTextRect();
    void UpdateScrollBar();

private:
    std::unique_ptr<TStrings> FLines;
    TScrollBar* FScrollBar = nullptr;
    std::vector<TVisualLine> FLayout;
    bool FLayoutValid = false;
    int FLayoutWidth = -1;
    int FTopLine = 0;
    bool FWordWrap = true;
    bool FWantReturns = true;
    bool FWantTabs = false;
    TScrollStyle FScrollBars = ssNone;
};
