#include "GalleryScheme.h"

#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/core/platform/ThemeManager.h"

#include <algorithm>
#include <string>

namespace painter_gallery {

namespace {

std::u16string ColourName;

HTHEME OpenNothing(HWND, const WCHAR*) {
    return nullptr;
}
HRESULT CloseNothing(HTHEME) {
    return S_OK;
}
BOOL Active() {
    return ColourName.empty() ? FALSE : TRUE;
}
HRESULT Name(WCHAR* AFile, int AMaxFile, WCHAR* AColour, int AMaxColour, WCHAR* ASize, int AMaxSize) {
    auto copy = [](const std::u16string& AText, WCHAR* ATarget, int AMax) {
        if (ATarget == nullptr || AMax <= 0) return;
        const std::size_t n = std::min<std::size_t>(AText.size(), static_cast<std::size_t>(AMax - 1));
        std::copy_n(AText.begin(), n, ATarget);
        ATarget[n] = 0;
    };
    copy(u"Luna.msstyles", AFile, AMaxFile);
    copy(ColourName, AColour, AMaxColour);
    copy(u"NormalSize", ASize, AMaxSize);
    return S_OK;
}

const TovUxThemeEntries NamedStyle{&OpenNothing, &CloseNothing, &Active, &Name};

void ThemeChanged() {
    if (HWND receiver = ovThemeChangeReceiverHandle()) SendMessage(receiver, WM_THEMECHANGED, 0, 0);
    RefreshOffice11Colors();
}

} // namespace

const char* Office11SchemeName(TovOffice11Scheme AScheme) {
    static const char* const Names[] = {"none", "blue", "olive", "silver"};
    return Names[AScheme];
}

void UseOffice11Scheme(TovOffice11Scheme AScheme) {
    static const char16_t* const Colours[] = {u"", u"NormalColor", u"HomeStead", u"Metallic"};
    ColourName = Colours[AScheme];
    ovBindUxTheme(&NamedStyle);
    ThemeChanged();
}

void EndOffice11Scheme() {
    ColourName.clear();
    ovBindUxTheme(nullptr);
    ThemeChanged();
}

} // namespace painter_gallery
