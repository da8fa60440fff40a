// Visual styles for the native look: the theme entry points the library uses (bound to the platform's
// visual-styles interface, which may have styles off), one cached theme handle per kind of themed
// object, and notificators told when the theme or the system colours change. Desktop composition is
// asked through IsCompositionEnabled.
#pragma once

#include "platform/rtl/Object.h"
#include "platform/rtl/ObjectEvent.h"
#include "platform/rtl/Set.h"
#include "platform/rtl/WinTypes.h"

#include <string>

// The theme entry points the manager calls. ovBindUxTheme(nullptr) binds the platform's own.
struct TovUxThemeEntries {
    HTHEME (*OpenThemeData)(HWND, const WCHAR*) = nullptr;
    HRESULT (*CloseThemeData)(HTHEME) = nullptr;
    BOOL (*IsThemeActive)() = nullptr;
    // Names the current theme: its file, colour scheme and size; tests bind one to name a theme.
    HRESULT (*GetCurrentThemeName)(WCHAR*, int, WCHAR*, int, WCHAR*, int) = nullptr;
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
