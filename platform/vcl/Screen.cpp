#include "platform/vcl/Screen.h"

#include "platform/rtl/StringList.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/Form.h"
#include "platform/win/Cursors.h"
#include "platform/win/Screen.h"
#include "platform/win/WinUser.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>

namespace screen_detail {
TScreen* Instance = nullptr;

const char* SystemCursorName(TCursor Cursor) {
    switch (Cursor) {
    case crArrow:
        return IDC_ARROW;
    case crCross:
        return IDC_CROSS;
    case crIBeam:
        return IDC_IBEAM;
    case crSizeNESW:
        return IDC_SIZENESW;
    case crSizeNS:
        return IDC_SIZENS;
    case crSizeNWSE:
        return IDC_SIZENWSE;
    case crSizeWE:
        return IDC_SIZEWE;
    case crUpArrow:
        return IDC_UPARROW;
    case crHourGlass:
    case crSQLWait:
        return IDC_WAIT;
    case crDrag:
    case crMultiDrag:
    case crHSplit:
        return IDC_SIZEWE;
    case crVSplit:
        return IDC_SIZENS;
    case crNoDrop:
    case crNo:
        return IDC_NO;
    case crAppStart:
        return IDC_APPSTARTING;
    case crHelp:
        return IDC_HELP;
    case crHandPoint:
        return IDC_HAND;
    case crSizeAll:
        return IDC_SIZEALL;
    default:
        return IDC_ARROW;
    }
}

void FontFromLogFont(TFont* Font, const LOGFONT& Log) {
    if (Log.lfFaceName[0] != '\0') Font->SetName(Log.lfFaceName);
    if (Log.lfHeight != 0) Font->SetHeight(Log.lfHeight);
    TFontStyles style;
    if (Log.lfWeight >= 700) style.Include(fsBold);
    if (Log.lfItalic) style.Include(fsItalic);
    Font->SetStyle(style);
}

RECT RectOfMonitor(HMONITOR Handle, bool Work) {
    MONITORINFO info;
    info.cbSize = sizeof(info);
    if (!::GetMonitorInfo(Handle, &info)) return RECT{0, 0, 0, 0};
    return Work ? info.rcWork : info.rcMonitor;
}
} // namespace screen_detail

TScreen* Screen() {
    return screen_detail::Instance;
}

void SetScreenInstance(TScreen* Value) {
    screen_detail::Instance = Value;
}

// ---- TMonitor

RECT TMonitor::BoundsRect() const {
    return screen_detail::RectOfMonitor(FHandle, false);
}

RECT TMonitor::WorkareaRect() const {
    return screen_detail::RectOfMonitor(FHandle, true);
}

bool TMonitor::Primary() const {
    MONITORINFO info;
    info.cbSize = sizeof(info);
    return ::GetMonitorInfo(FHandle, &info) && (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
}

int TMonitor::Width() const {
    RECT r = BoundsRect();
    return r.right - r.left;
}

int TMonitor::Height() const {
    RECT r = BoundsRect();
    return r.bottom - r.top;
}

// ---- TScreen

TScreen::TScreen() {
    FHintFont = std::make_unique<TFont>();
    FMenuFont = std::make_unique<TFont>();
    FIconFont = std::make_unique<TFont>();
    ResetFonts();
}

TScreen::~TScreen() = default;

void TScreen::ResetFonts() {
    NONCLIENTMETRICS metrics;
    metrics.cbSize = sizeof(metrics);
    if (::SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        screen_detail::FontFromLogFont(FHintFont.get(), metrics.lfStatusFont);
        screen_detail::FontFromLogFont(FMenuFont.get(), metrics.lfMenuFont);
    }
    LOGFONT icon;
    if (::SystemParametersInfo(SPI_GETICONTITLELOGFONT, sizeof(icon), &icon, 0))
        screen_detail::FontFromLogFont(FIconFont.get(), icon);
    FHintFont->SetColor(clInfoText);
    FMenuFont->SetColor(clMenuText);
}

TCustomForm* TScreen::Forms(int Index) const {
    if (Index < 0 || Index >= FormCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FForms[static_cast<std::size_t>(Index)];
}

void TScreen::AddForm(TCustomForm* Form) {
    if (std::find(FForms.begin(), FForms.end(), Form) == FForms.end()) FForms.push_back(Form);
}

void TScreen::RemoveForm(TCustomForm* Form) {
    FForms.erase(std::remove(FForms.begin(), FForms.end(), Form), FForms.end());
    if (FActiveForm == Form) FActiveForm = nullptr;
    if (FFocusedForm == Form) FFocusedForm = nullptr;
    if (FActiveControl != nullptr && FActiveControl->GetParentForm() == Form) FActiveControl = nullptr;
}

void TScreen::SetActiveForm(TCustomForm* Form) {
    auto it = std::find(FForms.begin(), FForms.end(), Form);
    if (it != FForms.end()) std::rotate(FForms.begin(), it, it + 1);
    if (FActiveForm == Form) return;
    FActiveForm = Form;
    if (Form != nullptr) FFocusedForm = Form;
    OnActiveFormChange(this);
}

void TScreen::SetActiveControl(TWinControl* Control) {
    if (FActiveControl == Control) return;
    FActiveControl = Control;
    OnActiveControlChange(this);
}

void TScreen::ControlDestroyed(TWinControl* Control) {
    if (FActiveControl == Control) FActiveControl = nullptr;
}

void TScreen::SetCursor(TCursor Value) {
    if (Value == crDefault)
        FCursorCount = 0;
    else
        ++FCursorCount;
    if (FCursor == Value) return;
    FCursor = Value;
    UpdateCursor();
}

void TScreen::UpdateCursor() {
    if (FCursor != crDefault) {
        ::SetCursor(Cursors(FCursor));
        return;
    }
    // Back to the default: the window under the mouse chooses again.
    POINT p;
    ::GetCursorPos(&p);
    HWND window = ::WindowFromPoint(p);
    if (window != nullptr)
        ::SendMessage(window, WM_SETCURSOR, reinterpret_cast<WPARAM>(window),
                      MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    else
        ::SetCursor(Cursors(crArrow));
}

HCURSOR TScreen::Cursors(TCursor Index) const {
    if (Index == crNone) return nullptr;
    auto it = FCursors.find(Index);
    if (it != FCursors.end()) return it->second;
    return ::LoadCursor(nullptr, screen_detail::SystemCursorName(Index));
}

void TScreen::SetCursors(TCursor Index, HCURSOR Handle) {
    if (Handle == nullptr)
        FCursors.erase(Index);
    else
        FCursors[Index] = Handle;
}

TStringList* TScreen::Fonts() {
    if (FFonts != nullptr) return FFonts.get();
    FFonts = std::make_unique<TStringList>();
    FFonts->SetSorted(true);
    FFonts->SetDuplicates(dupIgnore);
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, static_cast<char*>(nullptr));
    FcFontSet* set = FcFontList(nullptr, pattern, objects);
    if (set != nullptr) {
        for (int i = 0; i < set->nfont; ++i) {
            FcChar8* family = nullptr;
            if (FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch &&
                family != nullptr)
                FFonts->Add(reinterpret_cast<const char*>(family));
        }
        FcFontSetDestroy(set);
    }
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return FFonts.get();
}

int TScreen::Width() const {
    return ::GetSystemMetrics(SM_CXSCREEN);
}

int TScreen::Height() const {
    return ::GetSystemMetrics(SM_CYSCREEN);
}

RECT TScreen::DesktopRect() const {
    return olva::win::VirtualScreen();
}

int TScreen::DesktopLeft() const {
    return DesktopRect().left;
}

int TScreen::DesktopTop() const {
    return DesktopRect().top;
}

int TScreen::DesktopWidth() const {
    RECT r = DesktopRect();
    return r.right - r.left;
}

int TScreen::DesktopHeight() const {
    RECT r = DesktopRect();
    return r.bottom - r.top;
}

RECT TScreen::WorkAreaRect() const {
    RECT r{0, 0, 0, 0};
    ::SystemParametersInfo(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

int TScreen::WorkAreaWidth() const {
    RECT r = WorkAreaRect();
    return r.right - r.left;
}

int TScreen::WorkAreaHeight() const {
    RECT r = WorkAreaRect();
    return r.bottom - r.top;
}

namespace screen_detail {
BOOL CollectMonitor(HMONITOR Handle, HDC, RECT*, LPARAM Data) {
    reinterpret_cast<std::vector<HMONITOR>*>(Data)->push_back(Handle);
    return TRUE;
}
} // namespace screen_detail

int TScreen::MonitorCount() {
    std::vector<HMONITOR> handles;
    ::EnumDisplayMonitors(nullptr, nullptr, screen_detail::CollectMonitor,
                          reinterpret_cast<LPARAM>(&handles));
    // Monitors keep their objects while they exist; the list follows the window system's order.
    std::vector<std::unique_ptr<TMonitor>> list;
    for (HMONITOR h : handles) {
        auto it = std::find_if(FMonitors.begin(), FMonitors.end(),
                               [h](const auto& m) { return m && m->Handle() == h; });
        if (it != FMonitors.end())
            list.push_back(std::move(*it));
        else
            list.push_back(std::make_unique<TMonitor>(h, 0));
    }
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i]->MonitorNum() != static_cast<int>(i))
            list[i] = std::make_unique<TMonitor>(list[i]->Handle(), static_cast<int>(i));
    FMonitors = std::move(list);
    return static_cast<int>(FMonitors.size());
}

TMonitor* TScreen::Monitors(int Index) {
    if (Index < 0 || Index >= MonitorCount())
        throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    return FMonitors[static_cast<std::size_t>(Index)].get();
}

TMonitor* TScreen::MonitorOf(HMONITOR Handle) {
    if (Handle == nullptr) return nullptr;
    const int count = MonitorCount();
    for (int i = 0; i < count; ++i)
        if (FMonitors[static_cast<std::size_t>(i)]->Handle() == Handle)
            return FMonitors[static_cast<std::size_t>(i)].get();
    return nullptr;
}

TMonitor* TScreen::PrimaryMonitor() {
    const int count = MonitorCount();
    for (int i = 0; i < count; ++i)
        if (FMonitors[static_cast<std::size_t>(i)]->Primary())
            return FMonitors[static_cast<std::size_t>(i)].get();
    return count > 0 ? FMonitors[0].get() : nullptr;
}

namespace screen_detail {
DWORD MonitorFlags(TMonitorDefaultTo Default) {
    return Default == mdNull      ? MONITOR_DEFAULTTONULL
           : Default == mdPrimary ? MONITOR_DEFAULTTOPRIMARY
                                  : MONITOR_DEFAULTTONEAREST;
}
} // namespace screen_detail

TMonitor* TScreen::MonitorFromPoint(POINT P, TMonitorDefaultTo Default) {
    return MonitorOf(::MonitorFromPoint(P, screen_detail::MonitorFlags(Default)));
}

TMonitor* TScreen::MonitorFromRect(const RECT& R, TMonitorDefaultTo Default) {
    return MonitorOf(::MonitorFromRect(&R, screen_detail::MonitorFlags(Default)));
}

TMonitor* TScreen::MonitorFromWindow(HWND Handle, TMonitorDefaultTo Default) {
    return MonitorOf(::MonitorFromWindow(Handle, screen_detail::MonitorFlags(Default)));
}
