// Which Office11 colour scheme the visual style shows: blue, olive or silver by the theme's colour name,
// for the classic "LUNA.MSSTYLES" theme file or, from Windows 6 on, any theme file.
#include "ui/core/base/CoreServices.h"
#include "ui/core/platform/ThemeManager.h"
#include "ui/painters/office11/Office11Colors.h"

#include <string>

namespace office11_scheme_detail {

std::u16string Upper(const WCHAR* AText) {
    std::u16string result;
    for (const WCHAR* c = AText; *c != 0; ++c)
        result.push_back(*c >= u'a' && *c <= u'z' ? static_cast<char16_t>(*c - u'a' + u'A') : *c);
    return result;
}

// The part after the last path separator.
std::u16string FilePart(const std::u16string& APath) {
    const std::size_t slash = APath.find_last_of(u"\\/");
    return slash == std::u16string::npos ? APath : APath.substr(slash + 1);
}

} // namespace office11_scheme_detail

TovOffice11Scheme GetOffice11SchemeFromTheme() {
    using namespace office11_scheme_detail;
    if (!AreVisualStylesAvailable()) return schNone;
    constexpr int BufferSize = 1024;
    WCHAR file[BufferSize], colour[BufferSize], size[BufferSize];
    if (ovGetCurrentThemeName(file, BufferSize, colour, BufferSize, size, BufferSize) != S_OK) return schNone;
    if (FilePart(Upper(file)) != u"LUNA.MSSTYLES" && !IsWinVistaOrLater()) return schNone;
    const std::u16string name = Upper(colour);
    if (name == u"NORMALCOLOR") return schBlue;
    if (name == u"HOMESTEAD") return schOlive;
    if (name == u"METALLIC") return schSilver;
    return schNone;
}
