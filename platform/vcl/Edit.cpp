#include "platform/vcl/Edit.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Keyboard.h"
#include "platform/vcl/Messages.h"
#include "platform/vcl/StdCtrlsText.h"
#include "platform/win/Caret.h"
#include "platform/win/Clipboard.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"

#include <algorithm>

namespace edit_detail {

// The frame of a bordered edit box and the gap between frame and text.
constexpr int FrameWidth = 2;
constexpr int TextMargin = 1;

} // namespace edit_detail

TCustomEdit::TCustomEdit(TComponent* AOwner) : TCustomControl(AOwner) {
    ControlStyle() =
        TControlStyle{csClickEvents, csSetCaption, csDoubleClicks, csFixedHeight, csCaptureMouse};
    FWidth = 121;
    FHeight = 21;
    FColor = clWindow;
    SetParentColor(false);
    SetTabStop(true);
    SetCursor(crIBeam);
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    Params.Style |= ES_AUTOHSCROLL;
    if (FReadOnly) Params.Style |= ES_READONLY;
    if (FBuffer.NumbersOnly()) Params.Style |= ES_NUMBER;
    if (FPasswordChar != 0) Params.Style |= ES_PASSWORD;
}

void TCustomEdit::SetTextBuf(const std::string& Value) {
    if (Value == FBuffer.Text()) return;
    FBuffer.SetText(Value);
    FScrollX = 0;
    AfterEdit(true);
}

void TCustomEdit::Change() {
    OnChange(this);
}

void TCustomEdit::SetReadOnly(bool Value) {
    if (FReadOnly == Value) return;
    FReadOnly = Value;
    if (HandleAllocated()) {
        const LONG style = ::GetWindowLong(FHandle, GWL_STYLE);
        ::SetWindowLong(FHandle, GWL_STYLE,
                        Value ? (style | ES_READONLY) : (style & ~static_cast<LONG>(ES_READONLY)));
    }
    Invalidate();
}

void TCustomEdit::SetPasswordChar(char32_t Value) {
    if (FPasswordChar == Value) return;
    FPasswordChar = Value;
    Invalidate();
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
    const std::string before = FBuffer.Text();
    FBuffer.SetCharCase(Value);
    if (FBuffer.Text() != before) AfterEdit(true);
}

bool TCustomEdit::NumbersOnly() const {
    // Callers may also set the style on the window directly.
    if (FHandle != nullptr && (::GetWindowLong(FHandle, GWL_STYLE) & ES_NUMBER) != 0) return true;
    return FBuffer.NumbersOnly();
}

void TCustomEdit::SetNumbersOnly(bool Value) {
    FBuffer.SetNumbersOnly(Value);
    if (HandleAllocated()) {
        const LONG style = ::GetWindowLong(FHandle, GWL_STYLE);
        ::SetWindowLong(FHandle, GWL_STYLE,
                        Value ? (style | ES_NUMBER) : (style & ~static_cast<LONG>(ES_NUMBER)));
    }
}

void TCustomEdit::SetHideSelection(bool Value) {
    if (FHideSelection == Value) return;
    FHideSelection = Value;
    Invalidate();
}

void TCustomEdit::SetBorderStyle(TBorderStyle Value) {
    if (FBorderStyle == Value) return;
    FBorderStyle = Value;
    Invalidate();
}

void TCustomEdit::SetSelStart(int Value) {
    FBuffer.SetSelection(Value, Value);
    AfterEdit(false);
}

void TCustomEdit::SetSelLength(int Value) {
    const int start = FBuffer.SelStart();
    FBuffer.SetSelection(start, std::max(start, start + Value));
    AfterEdit(false);
}

void TCustomEdit::SetSelText(const std::string& Value) {
    FBuffer.SetNumbersOnly(NumbersOnly());
    AfterEdit(FBuffer.ReplaceSelection(Value));
}

void TCustomEdit::SelectAll() {
    FBuffer.SelectAll();
    AfterEdit(false);
}

void TCustomEdit::ClearSelection() {
    if (FBuffer.SelLength() > 0) AfterEdit(FBuffer.ReplaceSelection(std::string()));
}

void TCustomEdit::CopyToClipboard() {
    // A password is never copied out of its box.
    if (FBuffer.SelLength() == 0 || FPasswordChar != 0) return;
    olva::win::SetClipboardText(HandleAllocated() ? FHandle : nullptr, FBuffer.SelText());
}

void TCustomEdit::CutToClipboard() {
    if (FReadOnly || FPasswordChar != 0 || FBuffer.SelLength() == 0) {
        if (FReadOnly) Beep();
        return;
    }
    CopyToClipboard();
    ClearSelection();
}

void TCustomEdit::PasteFromClipboard() {
    if (FReadOnly) {
        Beep();
        return;
    }
    const std::optional<std::string> text = olva::win::GetClipboardText();
    if (!text || text->empty()) return;
    FBuffer.SetNumbersOnly(NumbersOnly());
    if (FBuffer.ReplaceSelection(*text))
        AfterEdit(true);
    else
        Beep();
}

void TCustomEdit::Undo() {
    if (FReadOnly) return;
    if (FBuffer.Undo()) AfterEdit(true);
}

void TCustomEdit::Beep() {
    ::MessageBeep(0);
}

std::u32string TCustomEdit::DisplayChars() const {
    if (FPasswordChar != 0) return std::u32string(FBuffer.Chars().size(), FPasswordChar);
    return FBuffer.Chars();
}

RECT TCustomEdit::TextRect() {
    if (FFormatRect) return *FFormatRect;
    RECT r = ClientRect();
    const int inset = (FBorderStyle == bsNone ? 0 : edit_detail::FrameWidth) + edit_detail::TextMargin;
    ::InflateRect(&r, -inset, -inset);
    return r;
}

int TCustomEdit::XFromChar(int Pos) {
    const std::u32string chars = DisplayChars();
    Pos = std::clamp(Pos, 0, static_cast<int>(chars.size()));
    return TextRect().left - FScrollX + StdCtrlsTextExtent(Font(), EditCharsToUtf8(chars.substr(0, Pos))).cx;
}

int TCustomEdit::CharFromX(int X) {
    const std::u32string chars = DisplayChars();
    const int origin = TextRect().left - FScrollX;
    int previous = origin;
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const int next = origin + StdCtrlsTextExtent(Font(), EditCharsToUtf8(chars.substr(0, i + 1))).cx;
        // A hit on a character's right half puts the caret after it.
        if (X < (previous + next) / 2) return static_cast<int>(i);
        previous = next;
    }
    return static_cast<int>(chars.size());
}

void TCustomEdit::MakeCaretVisible() {
    const RECT area = TextRect();
    const int width = std::max<int>(1, area.right - area.left);
    const int caretX = XFromChar(FBuffer.CaretPos()) - area.left + FScrollX; // offset in the text
    if (caretX - FScrollX > width - 1) FScrollX = caretX - width + 1 + width / 4;
    if (caretX < FScrollX) FScrollX = std::max(0, caretX - width / 4);
    // Never leave empty room on the right while text is scrolled out on the left.
    const int textWidth = StdCtrlsTextExtent(Font(), EditCharsToUtf8(DisplayChars())).cx;
    if (FScrollX > 0 && textWidth - FScrollX < width - 1) FScrollX = std::max(0, textWidth - width + 1);
}

int TCustomEdit::LineTop() {
    const RECT area = TextRect();
    if (FFormatRect) return area.top;
    const int lineHeight = StdCtrlsLineHeight(Font());
    return area.top + std::max(0, (static_cast<int>(area.bottom - area.top) - lineHeight) / 2);
}

void TCustomEdit::UpdateCaret() {
    if (!HandleAllocated() || !FCaretCreated) return;
    ::SetCaretPos(XFromChar(FBuffer.CaretPos()), LineTop());
}

void TCustomEdit::CreateEditCaret() {
    if (FCaretCreated) ::DestroyCaret();
    FCaretCreated = ::CreateCaret(FHandle, nullptr, 1, StdCtrlsLineHeight(Font())) != FALSE;
    UpdateCaret();
    ::ShowCaret(FHandle);
}

void TCustomEdit::AfterEdit(bool TextChanged) {
    MakeCaretVisible();
    UpdateCaret();
    Invalidate();
    if (TextChanged) {
        FModified = true;
        Change();
    }
}

TEditColors TCustomEdit::PaintColors(HDC) {
    // Read-only and disabled boxes show the dialog colour, as a user can't type into them.
    const TColor back = (FReadOnly || !Enabled()) && Color() == clWindow ? clBtnFace : Color();
    Canvas()->Brush()->SetColor(back);
    return TEditColors{Canvas()->Brush()->Handle(), ColorToRGB(Enabled() ? Font()->Color() : clGrayText)};
}

void TCustomEdit::Paint() {
    TCanvas* canvas = Canvas();
    HDC dc = canvas->Handle();
    RECT client = ClientRect();
    const TEditColors colors = PaintColors(dc);
    ::FillRect(dc, &client, colors.Background);
    if (FBorderStyle != bsNone) ::DrawEdge(dc, &client, EDGE_SUNKEN, BF_RECT);
    const RECT area = TextRect();
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    ::SelectObject(dc, Font()->Handle());
    ::SetBkMode(dc, TRANSPARENT);
    const std::u32string chars = DisplayChars();
    const int lineHeight = StdCtrlsLineHeight(Font());
    const int top = LineTop();
    const std::string text = EditCharsToUtf8(chars);
    ::SetTextColor(dc, colors.Text);
    ::TextOut(dc, area.left - FScrollX, top, text.c_str(), static_cast<int>(text.size()));
    const bool showSelection = FBuffer.SelLength() > 0 && (Focused() || !FHideSelection);
    if (showSelection) {
        const int x1 = XFromChar(FBuffer.SelStart());
        const int x2 = XFromChar(FBuffer.SelStart() + FBuffer.SelLength());
        RECT sel{x1, top, x2, top + lineHeight};
        HBRUSH brush = ::CreateSolidBrush(ColorToRGB(clHighlight));
        ::FillRect(dc, &sel, brush);
        ::DeleteObject(brush);
        const std::string selected = EditCharsToUtf8(chars.substr(FBuffer.SelStart(), FBuffer.SelLength()));
        ::SetTextColor(dc, ColorToRGB(clHighlightText));
        ::TextOut(dc, x1, top, selected.c_str(), static_cast<int>(selected.size()));
    }
    ::RestoreDC(dc, saved);
}

void TCustomEdit::WMGetDlgCode(TMessage& Message) {
    Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
}

void TCustomEdit::WMSetFocus(TMessage& Message) {
    TCustomControl::WMSetFocus(Message);
    if (!HandleAllocated()) return;
    CreateEditCaret();
    Invalidate();
}

void TCustomEdit::WMKillFocus(TMessage& Message) {
    if (FCaretCreated) {
        ::DestroyCaret();
        FCaretCreated = false;
    }
    Invalidate();
    TCustomControl::WMKillFocus(Message);
}

void TCustomEdit::CMEnter(TMessage& Message) {
    // Tabbing into the box selects its text; a click places the caret instead.
    if (FAutoSelect && !ControlState().Contains(csLButtonDown)) SelectAll();
    TCustomControl::CMEnter(Message);
}

void TCustomEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        ControlState().Include(csLButtonDown);
        if (!Focused() && CanFocus()) SetFocus();
        ControlState().Exclude(csLButtonDown);
        const int pos = CharFromPoint(X, Y);
        if (Shift.Contains(ssDouble)) {
            FBuffer.SetSelection(FBuffer.WordStart(pos), FBuffer.WordEnd(pos));
            FSelectingWords = true;
        } else {
            FBuffer.MoveCaret(pos, Shift.Contains(ssShift));
            FSelectingWords = false;
        }
        FMouseSelecting = true;
        AfterEdit(false);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomEdit::MouseMove(TShiftState Shift, int X, int Y) {
    if (FMouseSelecting && Shift.Contains(ssLeft)) {
        const int pos = CharFromPoint(X, Y);
        if (FSelectingWords) {
            const int anchor = FBuffer.AnchorPos();
            FBuffer.SetSelection(anchor, pos >= anchor ? FBuffer.WordEnd(pos) : FBuffer.WordStart(pos));
        } else {
            FBuffer.MoveCaret(pos, true);
        }
        AfterEdit(false);
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) FMouseSelecting = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

bool TCustomEdit::HandleEditKey(WORD Key, TShiftState Shift) {
    const bool shift = Shift.Contains(ssShift);
    const bool ctrl = Shift.Contains(ssCtrl);
    const int caret = FBuffer.CaretPos();
    switch (Key) {
    case VK_LEFT:
        if (!shift && FBuffer.SelLength() > 0 && !ctrl)
            FBuffer.MoveCaret(FBuffer.SelStart(), false);
        else
            FBuffer.MoveCaret(ctrl ? FBuffer.PreviousWordStart(caret) : caret - 1, shift);
        break;
    case VK_RIGHT:
        if (!shift && FBuffer.SelLength() > 0 && !ctrl)
            FBuffer.MoveCaret(FBuffer.SelStart() + FBuffer.SelLength(), false);
        else
            FBuffer.MoveCaret(ctrl ? FBuffer.NextWordStart(caret) : caret + 1, shift);
        break;
    case VK_HOME:
        FBuffer.MoveCaret(0, shift);
        break;
    case VK_END:
        FBuffer.MoveCaret(FBuffer.Length(), shift);
        break;
    case VK_DELETE:
        if (shift) {
            CutToClipboard();
            return true;
        }
        if (FReadOnly) {
            Beep();
            return true;
        }
        AfterEdit(FBuffer.DeleteForward(ctrl));
        return true;
    case VK_INSERT:
        if (shift)
            PasteFromClipboard();
        else if (ctrl)
            CopyToClipboard();
        return true;
    default:
        return false;
    }
    AfterEdit(false);
    return true;
}

void TCustomEdit::HandleEditChar(char32_t Char) {
    switch (Char) {
    case 0x01:
        SelectAll();
        return; // Ctrl+A
    case 0x03:
        CopyToClipboard();
        return; // Ctrl+C
    case 0x16:
        PasteFromClipboard();
        return; // Ctrl+V
    case 0x18:
        CutToClipboard();
        return; // Ctrl+X
    case 0x1A:
        Undo();
        return; // Ctrl+Z
    case 0x08:  // Backspace
    case 0x7F:  // Ctrl+Backspace
        if (FReadOnly)
            Beep();
        else
            AfterEdit(FBuffer.DeleteBackward(Char == 0x7F));
        return;
    default:
        break;
    }
    if (Char < 0x20) return; // Enter, Esc, Tab and other control keys are the dialog's
    if (FReadOnly) {
        Beep();
        return;
    }
    FBuffer.SetNumbersOnly(NumbersOnly());
    if (FBuffer.ReplaceSelection(EditCharsToUtf8(std::u32string(1, Char)), true))
        AfterEdit(true);
    else
        Beep();
}

void TCustomEdit::WMKeyDown(TMessage& Message) {
    if (DoKeyDown(Message)) return;
    if (!HandleEditKey(static_cast<WORD>(Message.WParam), KeyboardStateToShiftState()))
        DefaultHandler(Message);
}

void TCustomEdit::WMChar(TMessage& Message) {
    if (DoKeyPress(Message)) return;
    HandleEditChar(static_cast<char32_t>(Message.WParam));
}

void TCustomEdit::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case EM_GETSEL: {
        const int start = FBuffer.SelStart();
        const int end = start + FBuffer.SelLength();
        if (Message.WParam != 0) *reinterpret_cast<DWORD*>(Message.WParam) = static_cast<DWORD>(start);
        if (Message.LParam != 0) *reinterpret_cast<DWORD*>(Message.LParam) = static_cast<DWORD>(end);
        Message.Result = MAKELONG(std::min(start, 0xFFFF), std::min(end, 0xFFFF));
        return;
    }
    case EM_SETSEL: {
        // Start -1 removes the selection; an end of -1 means the end of the text.
        const auto start = static_cast<int>(static_cast<LONG_PTR>(Message.WParam));
        const auto end = static_cast<int>(Message.LParam);
        if (start < 0)
            FBuffer.MoveCaret(FBuffer.CaretPos(), false);
        else
            FBuffer.SetSelection(start, end);
        AfterEdit(false);
        return;
    }
    case EM_REPLACESEL: {
        const char* text = reinterpret_cast<const char*>(Message.LParam);
        FBuffer.SetNumbersOnly(NumbersOnly());
        const bool changed = FBuffer.ReplaceSelection(text != nullptr ? text : "");
        if (Message.WParam == 0) FBuffer.ClearUndo();
        AfterEdit(changed);
        return;
    }
    case WM_SETTEXT:
        // The text lives in the buffer, which keeps all of it whatever the typing limit.
        SetTextBuf(Message.LParam != 0 ? reinterpret_cast<const char*>(Message.LParam) : "");
        Perform(CM_TEXTCHANGED, 0, 0);
        Message.Result = 1;
        return;
    case EM_SETRECT:
    case EM_SETRECTNP: {
        // Null goes back to the default rectangle; EM_SETRECT repaints at once, EM_SETRECTNP leaves it.
        const RECT* r = reinterpret_cast<const RECT*>(Message.LParam);
        if (r != nullptr)
            FFormatRect = *r;
        else
            FFormatRect.reset();
        MakeCaretVisible();
        UpdateCaret();
        if (Message.Msg == EM_SETRECT) Invalidate();
        return;
    }
    case EM_GETRECT:
        if (Message.LParam != 0) *reinterpret_cast<RECT*>(Message.LParam) = TextRect();
        return;
    case EM_LIMITTEXT:
        SetMaxLength(static_cast<int>(Message.WParam));
        return;
    case EM_GETLIMITTEXT:
        Message.Result = MaxLength() == 0 ? 0x7FFFFFFE : MaxLength();
        return;
    case EM_SETREADONLY:
        SetReadOnly(Message.WParam != 0);
        Message.Result = 1;
        return;
    case EM_SETPASSWORDCHAR:
        SetPasswordChar(static_cast<char32_t>(Message.WParam));
        return;
    case EM_CANUNDO:
        Message.Result = CanUndo() ? 1 : 0;
        return;
    case EM_UNDO:
    case WM_UNDO:
        Message.Result = CanUndo() && !FReadOnly ? 1 : 0;
        Undo();
        return;
    case EM_EMPTYUNDOBUFFER:
        ClearUndo();
        return;
    case EM_GETMODIFY:
        Message.Result = FModified ? 1 : 0;
        return;
    case EM_SETMODIFY:
        FModified = Message.WParam != 0;
        return;
    case WM_CUT:
        CutToClipboard();
        return;
    case WM_COPY:
        CopyToClipboard();
        return;
    case WM_PASTE:
        PasteFromClipboard();
        return;
    case WM_CLEAR:
        if (!FReadOnly) ClearSelection();
        return;
    default:
        break;
    }
    TCustomControl::Dispatch(Message);
}
