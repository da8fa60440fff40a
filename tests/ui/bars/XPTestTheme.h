// The recording test theme as the themed bar painter's tests bind it: the painters' recording theme with
// transparency answers of its own (recorded like every other call), and entries a test may take away to
// make one kind of query fail.
#pragma once

#include "tests/ui/painters/RecordingTheme.h"

#include <map>
#include <set>
#include <string>
#include <tuple>

namespace bars_test {

struct XPTestTheme {
    // (class, part, state) that answer "partially transparent".
    static inline std::set<std::tuple<std::u16string, int, int>> Transparent;

    static BOOL IsTransparent(HTHEME ATheme, int APart, int AState) {
        using painters_test::RecordingTheme;
        RecordingTheme::Record("IsThemeBackgroundPartiallyTransparent", ATheme, APart, AState);
        return Transparent.count({RecordingTheme::ClassOf(ATheme), APart, AState}) != 0 ? TRUE : FALSE;
    }
    // Content margins (left, top, right, bottom) of (class, part) instead of the recording theme's 3 pixels.
    static inline std::map<std::pair<std::u16string, int>, RECT> ContentMargins;

    static HRESULT ContentRect(HTHEME ATheme, HDC ADC, int APart, int AState, const RECT* ABounds,
                               RECT* AContent) {
        using painters_test::RecordingTheme;
        const HRESULT result = RecordingTheme::ContentRect(ATheme, ADC, APart, AState, ABounds, AContent);
        const auto found = ContentMargins.find({RecordingTheme::ClassOf(ATheme), APart});
        if (found != ContentMargins.end())
            *AContent = RECT{ABounds->left + found->second.left, ABounds->top + found->second.top,
                             ABounds->right - found->second.right, ABounds->bottom - found->second.bottom};
        return result;
    }
    // The bound table; tests may null an entry (its calls then fail) until the next Bind.
    static TovUxThemeEntries& Entries() {
        static TovUxThemeEntries entries;
        return entries;
    }
    // Resets the recording theme and binds it, with every class opening. Call before the theme manager
    // starts (the fixture's SetUp).
    static void Bind() {
        painters_test::RecordingTheme::Reset();
        Transparent.clear();
        ContentMargins.clear();
        Entries() = painters_test::RecordingTheme::Entries();
        Entries().IsThemeBackgroundPartiallyTransparent = &IsTransparent;
        Entries().GetThemeBackgroundContentRect = &ContentRect;
        ovBindUxTheme(&Entries());
    }
    static void Unbind() { ovBindUxTheme(nullptr); }
    // Only these classes open from now on.
    static void OpenOnly(const std::set<std::u16string>& AClasses) {
        painters_test::RecordingTheme::OpenAll = false;
        painters_test::RecordingTheme::Openable = AClasses;
        painters_test::RecordingTheme::Changed();
    }
    static std::vector<painters_test::TThemeCall> Backgrounds(const std::u16string& AClass = {}) {
        return painters_test::RecordingTheme::CallsOf("DrawThemeBackground", AClass);
    }
};

} // namespace bars_test
