#include "platform/vcl/SystemEdit.h"

#include "platform/gdi/Gdi.h"
#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/Edit.h"
#include "platform/vcl/Font.h"
#include "platform/win/Cursors.h"
#include "platform/win/WinUser.h"

#include <cstdint>

namespace system_edit_detail {

// Not the class library's control property: FindControl must not see the window.
constexpr const char* kEditProp = "OlvaSystemEdit";

class TSystemEdit : public TCustomEdit {
public:
    TSystemEdit(HWND Handle, const CREATESTRUCT& Create) : TCustomEdit(nullptr) {
        FHandle = Handle;
        ::SetProp(Handle, kEditProp, this);
        // The window holds the mouse itself while a button is down (see MouseDown): the class library's
        // capture bookkeeping knows only windows FindControl sees.
        ControlStyle() -= csCaptureMouse;
        FBorderStyle = bsNone; // a frame is the window style's
        FReadOnly = (Create.style & ES_READONLY) != 0;
        if (Create.lpszName != nullptr && reinterpret_cast<std::uintptr_t>(Create.lpszName) > 0xFFFF)
            FBuffer.SetText(Create.lpszName);
    }

    static TSystemEdit* Of(HWND Handle) { return static_cast<TSystemEdit*>(::GetProp(Handle, kEditProp)); }

    // Messages of the window being handled now: the control goes when the last one of a destroyed window
    // has returned, so that no handler runs on a freed control.
    int Depth = 0;
    bool WindowGone = false;

    bool CanFocus() override { return ::IsWindowVisible(FHandle) && ::IsWindowEnabled(FHandle); }
    void SetFocus() override { ::SetFocus(FHandle); }

protected:
    void Dispatch(TMessage& Message) override {
        switch (Message.Msg) {
        case WM_SETFONT:
            SetFontHandle(reinterpret_cast<HFONT>(Message.WParam), LOWORD(Message.LParam) != 0);
            return;
        case WM_GETFONT:
            Message.Result = reinterpret_cast<LRESULT>(FFontHandle);
            return;
        case WM_SETTEXT: {
            // A multi-line edit window says nothing of text the program sets.
            const bool quiet = FQuiet;
            FQuiet = (Style() & ES_MULTILINE) != 0;
            TCustomEdit::Dispatch(Message);
            FQuiet = quiet;
            return;
        }
        case WM_ENABLE:
            Invalidate();
            break;
        case WM_CAPTURECHANGED:
            FMouseSelecting = false;
            break;
        default:
            break;
        }
        TCustomEdit::Dispatch(Message);
    }

    void Change() override {
        if (!FQuiet && FHandle != nullptr)
            if (HWND parent = ::GetParent(FHandle))
                ::SendMessage(parent, WM_COMMAND, MAKEWPARAM(WORD(::GetDlgCtrlID(FHandle)), EN_CHANGE),
                              reinterpret_cast<LPARAM>(FHandle));
        TCustomEdit::Change();
    }

    TEditColors PaintColors(HDC DC) override {
        const bool enabled = ::IsWindowEnabled(FHandle) != FALSE;
        const UINT ask = FReadOnly || !enabled ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
        ::SetTextColor(DC, ::GetSysColor(COLOR_WINDOWTEXT));
        ::SetBkColor(DC, ::GetSysColor(COLOR_WINDOW));
        HWND parent = ::GetParent(FHandle);
        auto brush = reinterpret_cast<HBRUSH>(
            parent != nullptr ? ::SendMessage(parent, ask, WPARAM(DC), reinterpret_cast<LPARAM>(FHandle))
                              : 0);
        if (brush == nullptr)
            brush = reinterpret_cast<HBRUSH>(
                ::DefWindowProc(FHandle, ask, WPARAM(DC), reinterpret_cast<LPARAM>(FHandle)));
        return TEditColors{brush, enabled ? ::GetTextColor(DC) : ::GetSysColor(COLOR_GRAYTEXT)};
    }

    void WMGetDlgCode(TMessage& Message) override {
        Message.Result = DLGC_WANTCHARS | DLGC_WANTARROWS | DLGC_HASSETSEL;
        if (Style() & ES_MULTILINE) Message.Result |= DLGC_WANTALLKEYS;
    }

    // The background is painted with the text, in the colours the parent chooses.
    void WMEraseBkgnd(TMessage& Message) override { Message.Result = 1; }

    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
        if (Button == mbLeft) ::SetCapture(FHandle);
        TCustomEdit::MouseDown(Button, Shift, X, Y);
    }

    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override {
        TCustomEdit::MouseUp(Button, Shift, X, Y);
        if (Button == mbLeft && FHandle != nullptr && ::GetCapture() == FHandle) ::ReleaseCapture();
    }

private:
    DWORD Style() const { return FHandle != nullptr ? DWORD(::GetWindowLong(FHandle, GWL_STYLE)) : 0; }

    void SetFontHandle(HFONT Value, bool Redraw) {
        FFontHandle = Value;
        if (Value != nullptr) {
            Font()->SetHandle(Value);
        } else {
            TFont standard;
            Font()->Assign(&standard);
        }
        if (FCaretCreated) CreateEditCaret(); // the caret is as high as the line
        MakeCaretVisible();
        UpdateCaret();
        if (Redraw) Invalidate();
    }

    HFONT FFontHandle = nullptr;
    bool FQuiet = false;
};

LRESULT SystemEditWndProc(HWND Handle, UINT Msg, WPARAM WParam, LPARAM LParam) {
    TSystemEdit* edit = TSystemEdit::Of(Handle);
    if (edit == nullptr) {
        // The control is made with the window and lives until its WM_NCDESTROY.
        if (Msg != WM_NCCREATE || LParam == 0) return ::DefWindowProc(Handle, Msg, WParam, LParam);
        edit = new TSystemEdit(Handle, *reinterpret_cast<const CREATESTRUCT*>(LParam));
    }
    ++edit->Depth;
    const LRESULT result = TWinControl::DeliverMessage(edit, Msg, WParam, LParam);
    --edit->Depth;
    if (Msg == WM_NCDESTROY) {
        ::RemoveProp(Handle, kEditProp);
        edit->WindowGone = true;
    }
    if (edit->WindowGone && edit->Depth == 0) delete edit;
    return result;
}

} // namespace system_edit_detail

void RegisterSystemEditClass() {
    WNDCLASS wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &system_edit_detail::SystemEditWndProc;
    wc.hCursor = ::LoadCursor(nullptr, IDC_IBEAM);
    wc.lpszClassName = "EDIT";
    ::RegisterClass(&wc);
}
