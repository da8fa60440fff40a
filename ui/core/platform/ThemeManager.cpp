#include "ui/core/platform/ThemeManager.h"

#include "platform/gdi/Theme.h"
#include "platform/win/WinUser.h"
#include "ui/core/base/ExceptionReport.h"
#include "ui/core/base/MessageWindow.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace theme_manager_detail {

HRESULT PlatformPartSize(HTHEME ATheme, HDC ADC, int APart, int AState, const RECT* ARect, int AKind,
                         SIZE* ASize) {
    return ::GetThemePartSize(ATheme, ADC, APart, AState, ARect, static_cast<THEMESIZE>(AKind), ASize);
}

const TovUxThemeEntries PlatformEntries{&::OpenThemeData,
                                        &::CloseThemeData,
                                        &::IsThemeActive,
                                        &::GetCurrentThemeName,
                                        &::DrawThemeBackground,
                                        &::DrawThemeText,
                                        &::DrawThemeEdge,
                                        &::GetThemeColor,
                                        &PlatformPartSize,
                                        &::GetThemeMargins,
                                        &::GetThemeBackgroundContentRect,
                                        &::GetThemeBackgroundRegion,
                                        &::IsThemeBackgroundPartiallyTransparent};
const TovUxThemeEntries* Entries = &PlatformEntries;

struct TovThemeData {
    HTHEME Handle = nullptr;
    std::u16string ClassList;
};
TovThemeData Cache[ovThemedObjectTypeCount];
bool ThemesActive = false;
std::vector<TovThemeChangedNotificator*>* Listeners = nullptr;

const char16_t* const DefaultClassNames[ovThemedObjectTypeCount] = {
    u"Button",     u"Clock",      u"ComboBox", u"Edit",     u"ExplorerBar", u"Header",    u"ListBox",
    u"ListView",   u"Menu",       u"Page",     u"Progress", u"Rebar",       u"ScrollBar", u"Spin",
    u"StartPanel", u"Status",     u"Tab",      u"TaskBand", u"TaskBar",     u"ToolBar",   u"ToolTip",
    u"TrackBar",   u"TrayNotify", u"TreeView", u"Window",   u"Navigation"};

std::u16string Upper(std::u16string AText) {
    for (char16_t& c : AText)
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    return AText;
}

} // namespace theme_manager_detail

class TovThemeChangedEventReceiver : public TuiMessageWindow {
public:
    ~TovThemeChangedEventReceiver() override { theme_manager_detail::ThemesActive = false; }

protected:
    void WndProc(TMessage& AMessage) override {
        using namespace theme_manager_detail;
        if (AMessage.Msg != WM_THEMECHANGED && AMessage.Msg != WM_SYSCOLORCHANGE) {
            TuiMessageWindow::WndProc(AMessage);
            return;
        }
        try {
            CloseAllThemes();
            DefWindowProc(Handle(), AMessage.Msg, AMessage.WParam, AMessage.LParam);
            ThemesActive = ovIsThemeActive();
            if (Listeners != nullptr) {
                // A notificator may go while others are told: each is told only while still listed.
                const std::vector<TovThemeChangedNotificator*> snapshot = *Listeners;
                for (TovThemeChangedNotificator* listener : snapshot)
                    if (Listeners != nullptr &&
                        std::find(Listeners->begin(), Listeners->end(), listener) != Listeners->end())
                        listener->DoThemeChanged();
            }
        } catch (...) {
            uiHandleException(this);
        }
        AMessage.Result = 0;
    }
};

namespace theme_manager_detail {
TovThemeChangedEventReceiver* Receiver = nullptr;
} // namespace theme_manager_detail

void ovBindUxTheme(const TovUxThemeEntries* AEntries) {
    theme_manager_detail::Entries = AEntries != nullptr ? AEntries : &theme_manager_detail::PlatformEntries;
}

bool IsThemeLibraryLoaded() {
    return theme_manager_detail::Entries->OpenThemeData != nullptr;
}

bool ovIsThemeActive() {
    const TovUxThemeEntries* entries = theme_manager_detail::Entries;
    return entries->IsThemeActive != nullptr && entries->IsThemeActive() != FALSE;
}

HRESULT ovGetCurrentThemeName(WCHAR* AThemeFile, int AMaxFile, WCHAR* AColorName, int AMaxColor,
                              WCHAR* ASizeName, int AMaxSize) {
    for (auto [buffer, size] :
         {std::pair{AThemeFile, AMaxFile}, {AColorName, AMaxColor}, {ASizeName, AMaxSize}})
        if (buffer != nullptr && size > 0) buffer[0] = 0;
    const TovUxThemeEntries* entries = theme_manager_detail::Entries;
    if (entries->GetCurrentThemeName == nullptr) return E_NOTIMPL;
    return entries->GetCurrentThemeName(AThemeFile, AMaxFile, AColorName, AMaxColor, ASizeName, AMaxSize);
}

HRESULT ovDrawThemeBackground(HTHEME ATheme, HDC ADC, int APart, int AState, const RECT* ARect,
                              const RECT* AClip) {
    const auto entry = theme_manager_detail::Entries->DrawThemeBackground;
    return entry != nullptr ? entry(ATheme, ADC, APart, AState, ARect, AClip) : E_NOTIMPL;
}

HRESULT ovDrawThemeText(HTHEME ATheme, HDC ADC, int APart, int AState, const WCHAR* AText, int ALength,
                        DWORD AFlags, DWORD AFlags2, const RECT* ARect) {
    const auto entry = theme_manager_detail::Entries->DrawThemeText;
    return entry != nullptr ? entry(ATheme, ADC, APart, AState, AText, ALength, AFlags, AFlags2, ARect)
                            : E_NOTIMPL;
}

HRESULT ovDrawThemeEdge(HTHEME ATheme, HDC ADC, int APart, int AState, const RECT* ADest, UINT AEdge,
                        UINT AFlags, RECT* AContent) {
    const auto entry = theme_manager_detail::Entries->DrawThemeEdge;
    return entry != nullptr ? entry(ATheme, ADC, APart, AState, ADest, AEdge, AFlags, AContent) : E_NOTIMPL;
}

HRESULT ovGetThemeColor(HTHEME ATheme, int APart, int AState, int AProperty, COLORREF* AColor) {
    if (AColor != nullptr) *AColor = 0;
    const auto entry = theme_manager_detail::Entries->GetThemeColor;
    return entry != nullptr ? entry(ATheme, APart, AState, AProperty, AColor) : E_NOTIMPL;
}

HRESULT ovGetThemePartSize(HTHEME ATheme, HDC ADC, int APart, int AState, const RECT* ARect, int AKind,
                           SIZE* ASize) {
    if (ASize != nullptr) *ASize = SIZE{};
    const auto entry = theme_manager_detail::Entries->GetThemePartSize;
    return entry != nullptr ? entry(ATheme, ADC, APart, AState, ARect, AKind, ASize) : E_NOTIMPL;
}

HRESULT ovGetThemeMargins(HTHEME ATheme, HDC ADC, int APart, int AState, int AProperty, const RECT* ARect,
                          MARGINS* AMargins) {
    if (AMargins != nullptr) *AMargins = MARGINS{};
    const auto entry = theme_manager_detail::Entries->GetThemeMargins;
    return entry != nullptr ? entry(ATheme, ADC, APart, AState, AProperty, ARect, AMargins) : E_NOTIMPL;
}

HRESULT ovGetThemeBackgroundContentRect(HTHEME ATheme, HDC ADC, int APart, int AState, const RECT* ABounds,
                                        RECT* AContent) {
    if (AContent != nullptr) *AContent = RECT{};
    const auto entry = theme_manager_detail::Entries->GetThemeBackgroundContentRect;
    return entry != nullptr ? entry(ATheme, ADC, APart, AState, ABounds, AContent) : E_NOTIMPL;
}

HRESULT ovGetThemeBackgroundRegion(HTHEME ATheme, HDC ADC, int APart, int AState, const RECT* ARect,
                                   HRGN* ARegion) {
    if (ARegion != nullptr) *ARegion = nullptr;
    const auto entry = theme_manager_detail::Entries->GetThemeBackgroundRegion;
    return entry != nullptr ? entry(ATheme, ADC, APart, AState, ARect, ARegion) : E_NOTIMPL;
}

bool ovIsThemeBackgroundPartiallyTransparent(HTHEME ATheme, int APart, int AState) {
    const auto entry = theme_manager_detail::Entries->IsThemeBackgroundPartiallyTransparent;
    return entry != nullptr && entry(ATheme, APart, AState) != FALSE;
}

const WCHAR* ovThemeDefaultClassName(TovThemedObjectType AType) {
    return theme_manager_detail::DefaultClassNames[AType];
}

bool AreVisualStylesAvailable(const TovThemedObjectTypes& ATypes) {
    if (!theme_manager_detail::ThemesActive || !IsThemeLibraryLoaded()) return false;
    for (int type = 0; type < ovThemedObjectTypeCount; ++type) {
        const auto kind = static_cast<TovThemedObjectType>(type);
        if (ATypes.Contains(kind) && OpenTheme(kind) == nullptr) return false;
    }
    return true;
}

HTHEME OpenTheme(TovThemedObjectType AType, const std::u16string& AClassList) {
    using namespace theme_manager_detail;
    if (!AreVisualStylesAvailable()) return nullptr;
    TovThemeData& data = Cache[AType];
    if (data.Handle != nullptr) {
        if (AClassList.empty() || Upper(AClassList) == Upper(data.ClassList)) return data.Handle;
        CloseTheme(AType);
    }
    std::u16string classList = AClassList;
    if (classList.empty()) classList = data.ClassList;
    if (classList.empty()) classList = DefaultClassNames[AType];
    data.Handle = Entries->OpenThemeData(nullptr, classList.c_str());
    if (data.Handle != nullptr)
        data.ClassList = classList;
    else
        data.ClassList.clear();
    return data.Handle;
}

HRESULT CloseTheme(TovThemedObjectType AType) {
    using namespace theme_manager_detail;
    if (!AreVisualStylesAvailable()) return 1;
    TovThemeData& data = Cache[AType];
    if (data.Handle == nullptr) return 0;
    const HRESULT result = Entries->CloseThemeData(data.Handle);
    data.Handle = nullptr;
    data.ClassList.clear();
    return result;
}

void CloseAllThemes() {
    using namespace theme_manager_detail;
    for (TovThemeData& data : Cache)
        if (data.Handle != nullptr) {
            if (Entries->CloseThemeData != nullptr) Entries->CloseThemeData(data.Handle);
            data.Handle = nullptr;
        }
}

HTHEME ovCachedTheme(TovThemedObjectType AType) {
    return theme_manager_detail::Cache[AType].Handle;
}

TovThemeChangedNotificator::TovThemeChangedNotificator() {
    if (IsThemeLibraryLoaded() && theme_manager_detail::Listeners != nullptr)
        theme_manager_detail::Listeners->push_back(this);
}

TovThemeChangedNotificator::~TovThemeChangedNotificator() {
    auto* listeners = theme_manager_detail::Listeners;
    if (listeners == nullptr) return;
    const auto it = std::find(listeners->begin(), listeners->end(), this);
    if (it != listeners->end()) listeners->erase(it);
}

void TovThemeChangedNotificator::DoThemeChanged() {
    if (OnThemeChanged) OnThemeChanged();
}

HWND ovThemeChangeReceiverHandle() {
    return theme_manager_detail::Receiver != nullptr ? theme_manager_detail::Receiver->Handle() : nullptr;
}

int ovThemeNotificatorCount() {
    return theme_manager_detail::Listeners != nullptr
               ? static_cast<int>(theme_manager_detail::Listeners->size())
               : 0;
}

void ovThemeManagerStart() {
    using namespace theme_manager_detail;
    if (!IsThemeLibraryLoaded() || Receiver != nullptr) return;
    ThemesActive = ovIsThemeActive();
    Receiver = new TovThemeChangedEventReceiver;
    Listeners = new std::vector<TovThemeChangedNotificator*>;
}

void ovThemeManagerEnd() {
    using namespace theme_manager_detail;
    if (Receiver == nullptr) return;
    FreeAndNil(Receiver); // clears the themes-active flag
    ThemesActive = false;
    CloseAllThemes();
    delete Listeners;
    Listeners = nullptr;
    for (TovThemeData& data : Cache)
        data.ClassList.clear();
}

bool IsDwmLibraryLoaded() {
    return true; // the platform's composition interface is always there
}

bool IsCompositionEnabled() {
    BOOL enabled = FALSE;
    return DwmIsCompositionEnabled(&enabled) >= 0 && enabled != FALSE;
}
