// Visual styles for the native look: the theme entry points the library uses (bound to the platform's
// visual-styles interface, which may have styles off, or to a test's table), the drawing and metric
// calls made through them, one cached theme handle per kind of themed object, and notificators told
// when the theme or the system colours change. Desktop composition is asked through
// IsCompositionEnabled.
#pragma once

#include "platform/rtl/Object.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Set.h"
#include "platform/rtl/WinTypes.h"

#include <string>

struct MARGINS;

// The theme entry points the library calls. ovBindUxTheme(nullptr) binds the platform's own. A test
// binds a table of its own to name a theme, open handles and record what each drawing or metric call
// asks for; an entry it leaves null answers E_NOTIMPL.
struct TovUxThemeEntries {
    HTHEME (*OpenThemeData)(HWND, const WCHAR*) = nullptr;
    HRESULT (*CloseThemeData)(HTHEME) = nullptr;
    BOOL (*IsThemeActive)() = nullptr;
    // Names the current theme: its file, colour scheme and size.
    HRESULT (*GetCurrentThemeName)(WCHAR*, int, WCHAR*, int, WCHAR*, int) = nullptr;
    HRESULT (*DrawThemeBackground)(HTHEME, HDC, int, int, const RECT*, const RECT*) = nullptr;
    HRESULT (*DrawThemeText)(HTHEME, HDC, int, int, const WCHAR*, int, DWORD, DWORD, const RECT*) = nullptr;
    HRESULT (*DrawThemeEdge)(HTHEME, HDC, int, int, const RECT*, UINT, UINT, RECT*) = nullptr;
    HRESULT (*GetThemeColor)(HTHEME, int, int, int, COLORREF*) = nullptr;
    HRESULT (*GetThemePartSize)(HTHEME, HDC, int, int, const RECT*, int, SIZE*) = nullptr;
    HRESULT (*GetThemeMargins)(HTHEME, HDC, int, int, int, const RECT*, MARGINS*) = nullptr;
    HRESULT (*GetThemeBackgroundContentRect)(HTHEME, HDC, int, int, const RECT*, RECT*) = nullptr;
    HRESULT (*GetThemeBackgroundRegion)(HTHEME, HDC, int, int, const RECT*, HRGN*) = nullptr;
    BOOL (*IsThemeBackgroundPartiallyTransparent)(HTHEME, int, int) = nullptr;
};
// Binds the entry points (a table that must outlive its use; null for the platform's). Call while
// the theme manager is stopped.
void ovBindUxTheme(const TovUxThemeEntries* AEntries);
bool IsThemeLibraryLoaded();
// The bound IsThemeActive's answer; False without one.
bool ovIsThemeActive();
// The bound GetCurrentThemeName's answer (E_NOTIMPL without one); the buffers are emptied first.
HRESULT ovGetCurrentThemeName(WCHAR* AThemeFile, int AMaxFile, WCHAR* AColorName, int AMaxColor,
                              WCHAR* ASizeName, int AMaxSize);

// The bound drawing and metric calls: each returns the bound entry's answer (E_NOTIMPL without one).
// Outputs are cleared first, so a failed call never leaves stale values behind. Part sizes take the
// THEMESIZE kind as a number (0 minimum, 1 true size, 2 drawing size).
HRESULT ovDrawThemeBackground(HTHEME ATheme, HDC ADC, int APart, int AState, const RECT* ARect,
                              const RECT* AClip);
HRESULT ovDrawThemeText(HTHEME ATheme, HDC ADC, int APart, int AState, const WCHAR* AText, int ALength,
                        DWORD AFlags, DWORD AFlags2, const RECT* ARect);
HRESULT ovDrawThemeEdge(HTHEME ATheme, HDC ADC, int APart, int AState, const RECT* ADest, UINT AEdge,
                        UINT AFlags, RECT* AContent);
HRESULT ovGetThemeColor(HTHEME ATheme, int APart, int AState, int AProperty, COLORREF* AColor);
HRESULT ovGetThemePartSize(HTHEME ATheme, HDC ADC, int APart, int AState, const RECT* ARect, int AKind,
                           SIZE* ASize);
HRESULT ovGetThemeMargins(HTHEME ATheme, HDC ADC, int APart, int AState, int AProperty, const RECT* ARect,
                          MARGINS* AMargins);
HRESULT ovGetThemeBackgroundContentRect(HTHEME ATheme, HDC ADC, int APart, int AState, const RECT* ABounds,
                                        RECT* AContent);
HRESULT ovGetThemeBackgroundRegion(HTHEME ATheme, HDC ADC, int APart, int AState, const RECT* ARect,
                                   HRGN* ARegion);
// Whether the part shows what lies behind it; False without a bound entry.
bool ovIsThemeBackgroundPartiallyTransparent(HTHEME ATheme, int APart, int AState);

enum TovThemedObjectType {
    totButton,
    totClock,
    totComboBox,
    totEdit,
    totExplorerBar,
    totHeader,
    totListBox,
    totListView,
    totMenu,
    totPage,
    totProgress,
    totRebar,
    totScrollBar,
    totSpin,
    totStartPanel,
    totStatus,
    totTab,
    totTaskBand,
    totTaskBar,
    totToolBar,
    totToolTip,
    totTrackBar,
    totTrayNotify,
    totTreeView,
    totWindow,
    totNavigation
};
constexpr int ovThemedObjectTypeCount = 26;
using TovThemedObjectTypes = Set<TovThemedObjectType, 32>;
// The default theme class of a kind ("Button" ... "Navigation").
const WCHAR* ovThemeDefaultClassName(TovThemedObjectType AType);

// False unless themes are active and the theme library is loaded; with types, True only when each of
// them opens (in type order).
bool AreVisualStylesAvailable(const TovThemedObjectTypes& ATypes = {});
// The kind's cached handle, opened on first use; 0 when visual styles are not available. A class list
// differing from the cached one (ignoring case) reopens the handle with it.
HTHEME OpenTheme(TovThemedObjectType AType, const std::u16string& AClassList = {});
// CloseThemeData's result, 0 when nothing was open, 1 when visual styles are not available.
HRESULT CloseTheme(TovThemedObjectType AType);
void CloseAllThemes();
// The cached handle without opening anything.
HTHEME ovCachedTheme(TovThemedObjectType AType);

// Told (DoThemeChanged) after every WM_THEMECHANGED and WM_SYSCOLORCHANGE, in creation order.
class TovThemeChangedNotificator : public TObject {
public:
    TovThemeChangedNotificator();
    ~TovThemeChangedNotificator() override;
    TEvent<> OnThemeChanged;

protected:
    friend class TovThemeChangedEventReceiver;
    virtual void DoThemeChanged();
};

// The hidden window that hears theme and system-colour changes (null while the manager is stopped).
HWND ovThemeChangeReceiverHandle();
int ovThemeNotificatorCount();

// Start and end of the manager (through the units loader).
void ovThemeManagerStart();
void ovThemeManagerEnd();

// Desktop composition: the platform answers "off".
bool IsDwmLibraryLoaded();
bool IsCompositionEnabled();
