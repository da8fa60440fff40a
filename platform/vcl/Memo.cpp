#include "platform/vcl/Memo.h"

#include "platform/gdi/Gdi.h"
#include "platform/rtl/Strings.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Mouse.h"
#include "platform/vcl/ScrollBar.h"
#include "platform/vcl/StdCtrlsPaint.h"
#include "platform/vcl/StdCtrlsText.h"
#include "platform/win/Caret.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinUser.h"

#include <algorithm>

namespace memo_detail {

constexpr int ScrollBarWidth = 16;

// The memo's text line by line: every change rewrites the memo's text.
class TMemoStrings : public TStrings {
public:
    explicit TMemoStrings(TMemo* Memo) : FMemo(Memo) {}

    void Clear() override { FMemo->SetText(std::string()); }
    void Delete(int Index) override {
        std::vector<std::string> lines = Split();
        if (Index < 0 || Index >= static_cast<int>(lines.size())) IndexError(Index);
        lines.erase(lines.begin() + Index);
        Join(lines);
    }
    void Insert(int Index, const std::string& S) override {
        std::vector<std::string> lines = Split();
        if (Index < 0 || Index > static_cast<int>(lines.size())) IndexError(Index);
        lines.insert(lines.begin() + Index, S);
        Join(lines);
    }

protected:
    std::string Get(int Index) const override {
        const std::vector<std::string> lines = Split();
        if (Index < 0 || Index >= static_cast<int>(lines.size())) IndexError(Index);
        return lines[static_cast<std::size_t>(Index)];
    }
    int GetCount() const override { return static_cast<int>(Split().size()); }
    void Put(int Index, const std::string& S) override {
        std::vector<std::string> lines = Split();
        if (Index < 0 || Index >= static_cast<int>(lines.size())) IndexError(Index);
        lines[static_cast<std::size_t>(Index)] = S;
        Join(lines);
    }

private:
    // A final line break ends the last line; it does not start another.
    std::vector<std::string> Split() const {
        std::vector<std::string> lines;
        const std::string text = FMemo->Text();
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find("\r\n", start);
            if (end == std::string::npos) {
                lines.push_back(text.substr(start));
                break;
            }
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }
    void Join(const std::vector<std::string>& Lines) {
        std::string text;
        for (const std::string& line : Lines)
            text += line + "\r\n";
        FMemo->SetText(text);
    }
    TMemo* FMemo;
};

} // namespace memo_detail

TMemo::TMemo(TComponent* AOwner)
    : TCustomEdit(AOwner), FLines(std::make_unique<memo_detail::TMemoStrings>(this)) {
    ControlStyle().Exclude(csFixedHeight);
    FWidth = 185;
    FHeight = 89;
    FBuffer.SetMultiLine(true);
    SetAutoSelect(false);
    FScrollBar = new TScrollBar(this);
    FScrollBar->SetKind(sbVertical);
    FScrollBar->SetTabStop(false);
    FScrollBar->SetVisible(false);
    FScrollBar->OnChange = [this](TObject*) {
        if (FScrollBar->Position() != FTopLine) ScrollTo(FScrollBar->Position());
    };
}

TMemo::~TMemo() = default;

TStrings* TMemo::Lines() const {
    return FLines.get();
}

void TMemo::SetParent(TWinControl* AParent) {
    TCustomEdit::SetParent(AParent);
    if (AParent != nullptr && FScrollBar->Parent() == nullptr) FScrollBar->SetParent(this);
    UpdateScrollBar();
}

void TMemo::SetWordWrap(bool Value) {
    FWordWrap = Value;
    FLayoutValid = false;
    Invalidate();
}

void TMemo::SetScrollBars(TScrollStyle Value) {
    FScrollBars = Value;
    FLayoutValid = false;
    UpdateScrollBar();
    Invalidate();
}

RECT TMemo::MemoTextRect() {
    RECT r = TextRect();
    if (FScrollBars == ssVertical || FScrollBars == ssBoth) r.right -= memo_detail::ScrollBarWidth;
    r.left += 1;
    return r;
}

const std::vector<TMemo::TVisualLine>& TMemo::Layout() {
    const RECT area = MemoTextRect();
    const int width = std::max<int>(1, area.right - area.left);
    if (FLayoutValid && FLayoutWidth == width) return FLayout;
    FLayout.clear();
    const std::u32string& chars = FBuffer.Chars();
    const int length = static_cast<int>(chars.size());
    auto widthOf = [&](int from, int to) {
        return StdCtrlsTextExtent(Font(), EditCharsToUtf8(chars.substr(from, to - from))).cx;
    };
    int start = 0;
    while (true) {
        int end = start;
        while (end < length && chars[end] != U'\r' && chars[end] != U'\n')
            ++end;
        // Wrap the hard line into visual lines at spaces (or mid-word for a word wider than the box).
        int lineStart = start;
        while (FWordWrap && lineStart < end && widthOf(lineStart, end) > width) {
            int fit = lineStart + 1;
            while (fit < end && widthOf(lineStart, fit + 1) <= width)
                ++fit;
            int cut = fit;
            for (int k = fit; k > lineStart; --k)
                if (chars[k - 1] == U' ') {
                    cut = k;
                    break;
                }
            FLayout.push_back(TVisualLine{lineStart, cut});
            lineStart = cut;
        }
        FLayout.push_back(TVisualLine{lineStart, end});
        if (end >= length) break;
        start = end + ((chars[end] == U'\r' && end + 1 < length && chars[end + 1] == U'\n') ? 2 : 1);
        if (start >= length) {
            FLayout.push_back(TVisualLine{start, start}); // the empty line after a final break
            break;
        }
    }
    FLayoutValid = true;
    FLayoutWidth = width;
    return FLayout;
}

int TMemo::VisualLineCount() {
    return static_cast<int>(Layout().size());
}

int TMemo::LineOfPos(int Pos) {
    const auto& layout = Layout();
    for (int i = static_cast<int>(layout.size()) - 1; i >= 0; --i)
        if (Pos >= layout[static_cast<std::size_t>(i)].Start) return i;
    return 0;
}

int TMemo::XInLine(const TVisualLine& Line, int Pos) {
    const std::u32string chars = DisplayChars();
    const int to = std::clamp(Pos, Line.Start, Line.End);
    return MemoTextRect().left - FScrollX +
           StdCtrlsTextExtent(Font(), EditCharsToUtf8(chars.substr(Line.Start, to - Line.Start))).cx;
}

int TMemo::LinesPerPage() {
    const RECT area = MemoTextRect();
    return std::max(1, static_cast<int>(area.bottom - area.top) / StdCtrlsLineHeight(Font()));
}

POINT TMemo::CaretPos() {
    const int line = LineOfPos(FBuffer.CaretPos());
    return POINT{FBuffer.CaretPos() - Layout()[static_cast<std::size_t>(line)].Start, line};
}

int TMemo::CharFromPoint(int X, int Y) {
    const auto& layout = Layout();
    const RECT area = MemoTextRect();
    const int lineHeight = StdCtrlsLineHeight(Font());
    const int line = std::clamp(FTopLine + (Y - static_cast<int>(area.top)) / lineHeight, 0,
                                static_cast<int>(layout.size()) - 1);
    const TVisualLine& l = layout[static_cast<std::size_t>(line)];
    int previous = XInLine(l, l.Start);
    for (int i = l.Start; i < l.End; ++i) {
        const int next = XInLine(l, i + 1);
        if (X < (previous + next) / 2) return i;
        previous = next;
    }
    return l.End;
}

void TMemo::ScrollTo(int TopLine) {
    const int maxTop = std::max(0, VisualLineCount() - LinesPerPage());
    TopLine = std::clamp(TopLine, 0, maxTop);
    if (TopLine == FTopLine) return;
    FTopLine = TopLine;
    if (FScrollBar->Visible()) FScrollBar->SetPosition(TopLine);
    UpdateCaret();
    Invalidate();
}

void TMemo::UpdateScrollBar() {
    const bool wanted = FScrollBars == ssVertical || FScrollBars == ssBoth;
    if (FScrollBar->Parent() == nullptr) return;
    const RECT client = ClientRect();
    const int frame = FBorderStyle == bsNone ? 0 : 2;
    FScrollBar->SetBounds(client.right - frame - memo_detail::ScrollBarWidth, frame,
                          memo_detail::ScrollBarWidth,
                          std::max(0, static_cast<int>(client.bottom) - 2 * frame));
    FScrollBar->SetVisible(wanted);
    if (!wanted) return;
    FScrollBar->SetPageSize(0);
    FScrollBar->SetParams(FTopLine, 0, std::max(0, VisualLineCount() - 1));
    FScrollBar->SetPageSize(LinesPerPage());
    FScrollBar->SetLargeChange(LinesPerPage());
    FScrollBar->SetPosition(FTopLine);
}

void TMemo::Resize() {
    TCustomEdit::Resize();
    FLayoutValid = false;
    UpdateScrollBar();
}

void TMemo::Change() {
    FLayoutValid = false;
    UpdateScrollBar();
    TCustomEdit::Change();
}

void TMemo::MakeCaretVisible() {
    const int line = LineOfPos(FBuffer.CaretPos());
    if (line < FTopLine)
        ScrollTo(line);
    else if (line >= FTopLine + LinesPerPage())
        ScrollTo(line - LinesPerPage() + 1);
    if (FWordWrap) {
        FScrollX = 0;
        return;
    }
    const RECT area = MemoTextRect();
    const int width = std::max<int>(1, area.right - area.left);
    const int x =
        XInLine(Layout()[static_cast<std::size_t>(line)], FBuffer.CaretPos()) - area.left + FScrollX;
    if (x - FScrollX > width - 1) FScrollX = x - width + 1 + width / 4;
    if (x < FScrollX) FScrollX = std::max(0, x - width / 4);
}

void TMemo::UpdateCaret() {
    if (!HandleAllocated() || !FCaretCreated) return;
    const int line = LineOfPos(FBuffer.CaretPos());
    const RECT area = MemoTextRect();
    const int y = area.top + (line - FTopLine) * StdCtrlsLineHeight(Font());
    ::SetCaretPos(XInLine(Layout()[static_cast<std::size_t>(line)], FBuffer.CaretPos()), y);
}

bool TMemo::HandleEditKey(WORD Key, TShiftState Shift) {
    const bool shift = Shift.Contains(ssShift);
    const bool ctrl = Shift.Contains(ssCtrl);
    const auto& layout = Layout();
    const int line = LineOfPos(FBuffer.CaretPos());
    const TVisualLine& current = layout[static_cast<std::size_t>(line)];
    auto toLine = [&](int target) {
        // The same x on another line.
        target = std::clamp(target, 0, static_cast<int>(layout.size()) - 1);
        const int x = XInLine(current, FBuffer.CaretPos());
        const RECT area = MemoTextRect();
        const int y = area.top + (target - FTopLine) * StdCtrlsLineHeight(Font());
        FBuffer.MoveCaret(CharFromPoint(x, y), shift);
    };
    switch (Key) {
    case VK_UP:
        toLine(line - 1);
        break;
    case VK_DOWN:
        toLine(line + 1);
        break;
    case VK_PRIOR:
        toLine(line - LinesPerPage());
        break;
    case VK_NEXT:
        toLine(line + LinesPerPage());
        break;
    case VK_HOME:
        FBuffer.MoveCaret(ctrl ? 0 : current.Start, shift);
        break;
    case VK_END:
        FBuffer.MoveCaret(ctrl ? FBuffer.Length() : current.End, shift);
        break;
    default:
        return TCustomEdit::HandleEditKey(Key, Shift);
    }
    AfterEdit(false);
    return true;
}

void TMemo::HandleEditChar(char32_t Char) {
    if (Char == U'\r' || Char == U'\n') {
        if (!FWantReturns) return;
        if (FReadOnly) return;
        AfterEdit(FBuffer.ReplaceSelection("\r\n", true));
        return;
    }
    if (Char == U'\t') {
        if (FWantTabs && !FReadOnly) AfterEdit(FBuffer.ReplaceSelection("\t", true));
        return;
    }
    TCustomEdit::HandleEditChar(Char);
}

bool TMemo::DoMouseWheel(TShiftState Shift, int WheelDelta, POINT MousePos) {
    if (TCustomEdit::DoMouseWheel(Shift, WheelDelta, MousePos)) return true;
    const int rows = WheelScrollRows(WheelDelta);
    if (rows == 0) return false;
    ScrollTo(FTopLine - rows);
    return true;
}

void TMemo::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_WANTSPECIALKEY) {
        // Enter makes a new line and Tab a tab when the memo wants them; Esc stays the dialog's.
        if ((Message.WParam == VK_RETURN && FWantReturns) || (Message.WParam == VK_TAB && FWantTabs)) {
            Message.Result = 1;
            return;
        }
    }
    if (Message.Msg == CM_FONTCHANGED) FLayoutValid = false;
    TCustomEdit::Dispatch(Message);
}

void TMemo::Paint() {
    TCanvas* canvas = Canvas();
    HDC dc = canvas->Handle();
    RECT client = ClientRect();
    const TColor back = (FReadOnly || !Enabled()) && Color() == clWindow ? clBtnFace : Color();
    StdCtrlsFill(dc, client, back);
    if (FBorderStyle != bsNone) ::DrawEdge(dc, &client, EDGE_SUNKEN, BF_RECT);
    const RECT area = MemoTextRect();
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, area.left - 1, area.top, area.right, area.bottom);
    ::SelectObject(dc, Font()->Handle());
    ::SetBkMode(dc, TRANSPARENT);
    const std::u32string chars = DisplayChars();
    const int lineHeight = StdCtrlsLineHeight(Font());
    const auto& layout = Layout();
    const bool showSelection = FBuffer.SelLength() > 0 && (Focused() || !FHideSelection);
    const int selStart = FBuffer.SelStart();
    const int selEnd = selStart + FBuffer.SelLength();
    const int last = std::min(static_cast<int>(layout.size()) - 1, FTopLine + LinesPerPage());
    for (int i = FTopLine; i <= last; ++i) {
        const TVisualLine& line = layout[static_cast<std::size_t>(i)];
        const int y = area.top + (i - FTopLine) * lineHeight;
        const std::string text = EditCharsToUtf8(chars.substr(line.Start, line.End - line.Start));
        ::SetTextColor(dc, ColorToRGB(Enabled() ? Font()->Color() : clGrayText));
        ::TextOut(dc, XInLine(line, line.Start), y, text.c_str(), static_cast<int>(text.size()));
        if (!showSelection) continue;
        const int from = std::max(selStart, line.Start);
        const int to = std::min(selEnd, line.End);
        if (from >= to) continue;
        RECT sel{XInLine(line, from), y, XInLine(line, to), y + lineHeight};
        StdCtrlsFill(dc, sel, clHighlight);
        const std::string selected = EditCharsToUtf8(chars.substr(from, to - from));
        ::SetTextColor(dc, ColorToRGB(clHighlightText));
        ::TextOut(dc, sel.left, y, selected.c_str(), static_cast<int>(selected.size()));
    }
    ::RestoreDC(dc, saved);
}
