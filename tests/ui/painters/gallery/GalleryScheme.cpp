#include "GalleryScheme.h"

#include "../RecordingTheme.h"

namespace painter_gallery {

const char* Office11SchemeName(TovOffice11Scheme AScheme) {
    static const char* const Names[] = {"none", "blue", "olive", "silver"};
    return Names[AScheme];
}

void UseOffice11Scheme(TovOffice11Scheme AScheme) {
    using painters_test::RecordingTheme;
    static const char16_t* const Colours[] = {u"", u"NormalColor", u"HomeStead", u"Metallic"};
    RecordingTheme::Reset();
    RecordingTheme::OpenAll = false;
    RecordingTheme::Active = AScheme != schNone;
    RecordingTheme::Colour = Colours[AScheme];
    ovBindUxTheme(&RecordingTheme::Entries());
    RecordingTheme::Changed();
    RefreshOffice11Colors();
}

void EndOffice11Scheme() {
    ovBindUxTheme(nullptr);
    if (HWND receiver = ovThemeChangeReceiverHandle()) SendMessage(receiver, WM_THEMECHANGED, 0, 0);
    RefreshOffice11Colors();
}

} // namespace painter_gallery
