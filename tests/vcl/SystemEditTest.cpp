// The system "EDIT" class as a bar's in-place editor uses it: made with CreateWindowEx and subclassed by
// its maker, inside a class-library window that wants every key, told its formatting rectangle, its font
// and its text by messages, driven by scripted keys and mouse, and painted in the colours its parent
// chooses.
#include "StdCtrlsTestSupport.h"

#include "platform/gdi/Gdi.h"
#include "platform/gdi/GdiText.h"
#include "platform/gdi/Surface.h"
#include "platform/vcl/CommCtrl.h"
#include "platform/vcl/CustomControl.h"
#include "platform/win/Caret.h"
#include "platform/win/Clipboard.h"
#include "platform/win/Input.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/Screen.h"
#include "platform/win/WinKeys.h"
#include "platform/win/WinStyles.h"
#include "platform/win/WinUser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace system_edit_test {

using olva::win::InjectMouse;
using olva::win::MouseAction;
using stdctrls_test::StdCtrlsTest;

constexpr DWORD kInPlaceStyle = 0x40000084; // WS_CHILD | ES_AUTOHSCROLL | ES_MULTILINE
constexpr COLORREF kFieldColour = RGB(255, 255, 192), kTextColour = RGB(0, 0, 128);

// A bar-like window: it wants every key for its children, chooses its editor's colours and keeps the
// notifications it gets.
class TBarLikePanel : public TCustomControl {
public:
    explicit TBarLikePanel(TComponent* AOwner) : TCustomControl(AOwner) {
        ControlStyle() += csAcceptsControls;
        FField = ::CreateSolidBrush(kFieldColour);
    }
    ~TBarLikePanel() override { ::DeleteObject(FField); }
    std::vector<WPARAM> Commands;
    std::vector<UINT> ColourQuestions;
    HWND DestroyOnChange = nullptr;

protected:
    void WMGetDlgCode(TMessage& Message) override {
        Message.Result = DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS;
    }
    void WMCommand(TMessage& Message) override {
        Commands.push_back(Message.WParam);
        if (DestroyOnChange != nullptr && HIWORD(Message.WParam) == EN_CHANGE)
            ::DestroyWindow(DestroyOnChange);
        TCustomControl::WMCommand(Message);
    }
    void WMCtlColor(TMessage& Message) override {
        ColourQuestions.push_back(Message.Msg);
        ::SetTextColor(HDC(Message.WParam), kTextColour);
        Message.Result = reinterpret_cast<LRESULT>(FField);
    }

private:
    HBRUSH FField = nullptr;
};

// What the maker's subclass saw, and the keys it keeps from the editor.
std::vector<UINT> Subclassed;
WNDPROC EditProc = nullptr;
LRESULT InPlaceProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    Subclassed.push_back(m);
    if (m == WM_KEYDOWN && w == VK_RETURN) return 0; // the maker stores the text and closes
    return ::CallWindowProc(EditProc, h, m, w, l);
}

class SystemEditTest : public StdCtrlsTest {
protected:
    void SetUp() override {
        StdCtrlsTest::SetUp();
        panel = new TBarLikePanel(form);
        panel->SetBounds(10, 10, 300, 60);
        panel->SetParent(form);
        ShowForm();
        edit = ::CreateWindowEx(0, "EDIT", nullptr, kInPlaceStyle, 0, 0, 100, 100, panel->Handle(), nullptr,
                                nullptr, nullptr);
        ASSERT_NE(edit, nullptr);
        Subclassed.clear();
        EditProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtr(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&InPlaceProc)));
        LOGFONT lf;
        lf.lfHeight = -16;
        std::strncpy(lf.lfFaceName, GDI_TEST_FONT_FACE, LF_FACESIZE - 1);
        font = ::CreateFontIndirect(&lf);
    }
    void TearDown() override {
        if (::IsWindow(edit)) ::DestroyWindow(edit);
        ::DeleteObject(font);
        StdCtrlsTest::TearDown();
    }
    // Shown where the bar's text field is, with the formatting rectangle inside it, and focused.
    void ShowInPlace() {
        ::SendMessage(edit, WM_SETFONT, WPARAM(font), 0);
        ::SetWindowPos(edit, nullptr, 20, 10, 150, 30, SWP_SHOWWINDOW | SWP_NOZORDER);
        ::SendMessage(edit, EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&kFormat));
        ::SetFocus(edit);
        Pump();
    }
    std::string Text() {
        const int length = ::GetWindowTextLength(edit);
        std::string text(std::size_t(length) + 1, '\0');
        text.resize(std::size_t(::GetWindowText(edit, text.data(), length + 1)));
        return text;
    }
    POINT OnScreen(int x, int y) {
        POINT p{x, y};
        ::ClientToScreen(edit, &p);
        return p;
    }
    COLORREF Pixel(int x, int y) {
        Pump();
        const POINT p = OnScreen(x, y);
        return PixelToColorRef(olva::win::ComposeScreen()->Pixel(p.x, p.y));
    }
    // The panel as the screen shows it (the caret included), three times enlarged.
    void SaveEditArea(const std::string& name) {
        Pump();
        const auto screen = olva::win::ComposeScreen();
        RECT r;
        ::GetWindowRect(panel->Handle(), &r);
        constexpr int zoom = 3;
        TSurface area((r.right - r.left) * zoom, (r.bottom - r.top) * zoom);
        for (int y = 0; y < area.Height(); ++y)
            for (int x = 0; x < area.Width(); ++x)
                area.SetPixel(x, y, screen->Pixel(r.left + x / zoom, r.top + y / zoom));
        SaveSurfaceToPng(area, stdctrls_test::TestOutDir() + "/" + name);
    }
    int ChangeNotes() {
        int n = 0;
        for (WPARAM w : panel->Commands)
            n += HIWORD(w) == EN_CHANGE;
        return n;
    }

    static constexpr RECT kFormat{4, 7, 146, 23}; // a 16-pixel line; characters are 8 pixels apart
    TBarLikePanel* panel = nullptr;
    HWND edit = nullptr;
    HFONT font = nullptr;
};

TEST_F(SystemEditTest, TheProgramSetsReadsAndLimitsTheText) {
    EXPECT_FALSE(::IsWindowVisible(edit));
    ::SendMessage(edit, EM_LIMITTEXT, 5, 0);
    ::SetWindowText(edit, "abc");
    EXPECT_EQ(Text(), "abc");
    EXPECT_EQ(ChangeNotes(), 0); // a multi-line edit window says nothing of text the program sets
    ShowInPlace();
    RECT format{};
    ::SendMessage(edit, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    EXPECT_EQ(format, kFormat);
    EXPECT_EQ(::GetFocus(), edit);
    EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessage(edit, WM_GETFONT, 0, 0)), font);
    // Typing at the end stops at the limit; every accepted character tells the parent.
    ::SendMessage(edit, EM_SETSEL, 3, 3);
    const int beeps = olva::win::BeepCount();
    Type("defgh");
    EXPECT_EQ(Text(), "abcde");
    EXPECT_EQ(ChangeNotes(), 2);
    EXPECT_EQ(olva::win::BeepCount(), beeps + 3);
    EXPECT_EQ(panel->Commands.back(), MAKEWPARAM(0, EN_CHANGE));
    // The program's own text keeps every character, whatever the typing limit: 300 come back whole.
    const std::string many(300, 'x');
    ::SetWindowText(edit, many.c_str());
    EXPECT_EQ(::GetWindowTextLength(edit), 300);
    EXPECT_EQ(Text(), many);
    // Replacing the selection is a change the parent hears of.
    ::SendMessage(edit, EM_SETSEL, 0, -1);
    ::SendMessage(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("ok"));
    EXPECT_EQ(Text(), "ok");
    EXPECT_EQ(ChangeNotes(), 3);
}

TEST_F(SystemEditTest, KeysSelectionAndClipboardAsTheEditControlHasThem) {
    ShowInPlace();
    Type("hello world");
    EXPECT_EQ(Text(), "hello world");
    Chord({VK_SHIFT, VK_CONTROL}, VK_LEFT);
    DWORD start = 0, end = 0;
    ::SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 6u);
    EXPECT_EQ(end, 11u);
    Chord({VK_CONTROL}, 'X');
    EXPECT_EQ(olva::win::GetClipboardText().value_or(""), "world");
    EXPECT_EQ(Text(), "hello ");
    Key(VK_HOME);
    Chord({VK_CONTROL}, 'V');
    EXPECT_EQ(Text(), "worldhello ");
    Chord({VK_CONTROL}, 'A');
    ::SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end - start, 11u);
    Key(VK_BACK);
    EXPECT_EQ(Text(), "");
    // Read-only: typing is refused with a beep, the text stays; the parent is asked as for static text.
    ::SetWindowText(edit, "fixed");
    ::SendMessage(edit, EM_SETREADONLY, TRUE, 0);
    EXPECT_NE(::GetWindowLong(edit, GWL_STYLE) & ES_READONLY, 0);
    const int beeps = olva::win::BeepCount();
    Type("z");
    EXPECT_EQ(Text(), "fixed");
    EXPECT_EQ(olva::win::BeepCount(), beeps + 1);
    panel->ColourQuestions.clear();
    ::InvalidateRect(edit, nullptr, TRUE);
    Pump();
    EXPECT_EQ(panel->ColourQuestions, std::vector<UINT>{WM_CTLCOLORSTATIC});
    // The maker's subclass sees every key first and may keep one from the editor.
    ::SendMessage(edit, EM_SETREADONLY, FALSE, 0);
    Key(VK_RETURN);
    EXPECT_EQ(Text(), "fixed");
    EXPECT_NE(std::find(Subclassed.begin(), Subclassed.end(), UINT(WM_KEYDOWN)), Subclassed.end());
}

TEST_F(SystemEditTest, TheMousePlacesTheCaretSelectsAndHoldsTheCaptureMeanwhile) {
    ::SetWindowText(edit, "alpha beta");
    ShowInPlace();
    // Characters are 8 pixels apart from the formatting rectangle's left.
    auto at = [&](int character) { return OnScreen(kFormat.left + character * 8 + 1, kFormat.top + 5); };
    POINT p = at(2);
    InjectMouse(MouseAction::Move, p.x, p.y);
    InjectMouse(MouseAction::LeftDown, p.x, p.y);
    Pump();
    EXPECT_EQ(::GetCapture(), edit);
    p = at(8);
    InjectMouse(MouseAction::Move, p.x, p.y);
    InjectMouse(MouseAction::LeftUp, p.x, p.y);
    Pump();
    EXPECT_EQ(::GetCapture(), nullptr);
    DWORD start = 0, end = 0;
    ::SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 2u);
    EXPECT_EQ(end, 8u);
    // A press elsewhere takes the focus to the edit window it belongs to.
    ::SetFocus(panel->Handle());
    Advance(1000);
    const POINT q = at(7);
    InjectMouse(MouseAction::Move, q.x, q.y);
    InjectMouse(MouseAction::LeftDown, q.x, q.y);
    InjectMouse(MouseAction::LeftUp, q.x, q.y);
    InjectMouse(MouseAction::LeftDown, q.x, q.y);
    InjectMouse(MouseAction::LeftUp, q.x, q.y);
    Pump();
    EXPECT_EQ(::GetFocus(), edit);
    ::SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 6u); // a double click selects the word
    EXPECT_EQ(end, 10u);
}

TEST_F(SystemEditTest, ItPaintsTextSelectionAndCaretInItsFormattingRectangleInThePanelsColours) {
    ShowInPlace();
    Type("abcd");
    ::SendMessage(edit, EM_SETSEL, 1, 2);
    Pump();
    SaveEditArea("system-edit.png");
    const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
    EXPECT_EQ(Pixel(1, 1), kFieldColour);                               // outside the rectangle
    EXPECT_EQ(Pixel(kFormat.left + 3, kFormat.top + 5), kTextColour);   // inside "a"
    EXPECT_EQ(Pixel(kFormat.left + 8 + 7, kFormat.top + 5), highlight); // between "b" and "c", selected
    EXPECT_EQ(Pixel(kFormat.left + 8 + 3, kFormat.top + 5), ::GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_EQ(Pixel(kFormat.left + 40, kFormat.top + 5), kFieldColour); // after the text
    EXPECT_EQ(Pixel(kFormat.left + 3, kFormat.top - 3), kFieldColour);  // above the line
    POINT caret{};
    ::GetCaretPos(&caret);
    EXPECT_EQ(caret, (POINT{kFormat.left + 16, kFormat.top})); // at the selection's moving end
    // A long text scrolls inside the rectangle and is never drawn beyond it.
    ::SendMessage(edit, EM_SETSEL, 4, 4);
    Type(std::string(30, 'w'));
    EXPECT_EQ(Pixel(kFormat.right + 1, kFormat.top + 5), kFieldColour);
    ::GetCaretPos(&caret);
    SaveEditArea("system-edit-scrolled.png");
    EXPECT_LT(caret.x, kFormat.right);
    EXPECT_GE(caret.x, kFormat.left);
}

TEST_F(SystemEditTest, FocusMessagesAndAParentThatDestroysItWhileItTalks) {
    ShowInPlace();
    EXPECT_NE(std::find(Subclassed.begin(), Subclassed.end(), UINT(WM_SETFOCUS)), Subclassed.end());
    ::SetFocus(panel->Handle());
    EXPECT_NE(std::find(Subclassed.begin(), Subclassed.end(), UINT(WM_KILLFOCUS)), Subclassed.end());
    POINT caret{};
    EXPECT_FALSE(::GetCaretPos(&caret) && ::GetFocus() == edit);
    ::SetFocus(edit);
    Pump();
    // The parent's answer to the first change destroys the window in the middle of its typing.
    panel->DestroyOnChange = edit;
    Type("x");
    EXPECT_FALSE(::IsWindow(edit));
    EXPECT_EQ(ChangeNotes(), 1);
    Type("y"); // nothing left to type into
    EXPECT_EQ(ChangeNotes(), 1);
}

} // namespace system_edit_test
