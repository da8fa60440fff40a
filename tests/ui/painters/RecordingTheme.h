// A visual-styles library for tests, bound through the theme manager's entry points: it names a theme
// (file and colour scheme), opens a handle per class the test allows, answers sizes, margins, content
// rectangles, regions and colours, paints each drawn part in a colour made of its part and state, and
// records every drawing and metric call with the class, part, state and property asked for.
#pragma once

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Theme.h"
#include "platform/win/WinMessages.h"
#include "platform/win/WinUser.h"
#include "ui/core/platform/ThemeManager.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace painters_test {

struct TThemeCall {
    std::string Function;
    std::u16string Class;
    int Part = 0;
    int State = 0;
    int Property = 0;
    RECT Rect{};
    RECT Clip{};
    bool HasClip = false;
    std::u16string Text;
    DWORD Flags = 0;
};

struct RecordingTheme {
    static inline bool Active = true;
    static inline std::u16string File = u"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles";
    static inline std::u16string Colour = u"NormalColor";
    // Classes that open; empty with OpenAll false means none.
    static inline bool OpenAll = true;
    static inline std::set<std::u16string> Openable;
    static inline std::vector<std::u16string> Classes; // handle i + 1 is class i
    static inline std::vector<TThemeCall> Calls;
    static inline SIZE DefaultPartSize{13, 13};
    static inline std::map<std::pair<std::u16string, int>, SIZE> PartSizes;         // (class, part)
    static inline std::map<std::tuple<std::u16string, int, int>, COLORREF> Colours; // (class, part, property)
    static inline MARGINS DefaultMargins{2, 2, 3, 3};
    // Whether drawn parts paint their colour (pictures) or only record.
    static inline bool Paint = true;

    static void Reset() {
        Active = true;
        File = u"C:\\WINDOWS\\Resources\\Themes\\Luna\\Luna.msstyles";
        Colour = u"NormalColor";
        OpenAll = true;
        Openable.clear();
        Classes.clear();
        Calls.clear();
        DefaultPartSize = SIZE{13, 13};
        PartSizes.clear();
        Colours.clear();
        DefaultMargins = MARGINS{2, 2, 3, 3};
        Paint = true;
    }

    static std::u16string ClassOf(HTHEME ATheme) {
        const auto index = reinterpret_cast<std::uintptr_t>(ATheme);
        return index >= 1 && index <= Classes.size() ? Classes[index - 1] : std::u16string(u"?");
    }
    // The colour a drawn part paints: part in red, state in green.
    static COLORREF PartColour(int APart, int AState) {
        return RGB(BYTE(APart * 10), BYTE(AState * 10), 0x80);
    }

    // Calls of one function, optionally only of one class.
    static std::vector<TThemeCall> CallsOf(const std::string& AFunction, const std::u16string& AClass = {}) {
        std::vector<TThemeCall> result;
        for (const TThemeCall& call : Calls)
            if (call.Function == AFunction && (AClass.empty() || call.Class == AClass))
                result.push_back(call);
        return result;
    }

    static HTHEME Open(HWND, const WCHAR* AClassList) {
        const std::u16string name(AClassList);
        if (!OpenAll && Openable.count(name) == 0) return nullptr;
        Classes.push_back(name);
        return reinterpret_cast<HTHEME>(static_cast<std::uintptr_t>(Classes.size()));
    }
    static HRESULT Close(HTHEME) { return S_OK; }
    static BOOL IsActive() { return Active ? TRUE : FALSE; }
    static HRESULT Name(WCHAR* AFile, int AMaxFile, WCHAR* AColour, int AMaxColour, WCHAR* ASize,
                        int AMaxSize) {
        auto copy = [](const std::u16string& AText, WCHAR* ATarget, int AMax) {
            if (ATarget == nullptr || AMax <= 0) return;
            const std::size_t n = std::min<std::size_t>(AText.size(), static_cast<std::size_t>(AMax - 1));
            std::copy_n(AText.begin(), n, ATarget);
            ATarget[n] = 0;
        };
        copy(File, AFile, AMaxFile);
        copy(Colour, AColour, AMaxColour);
        copy(u"NormalSize", ASize, AMaxSize);
        return S_OK;
    }
    static TThemeCall& Record(const char* AFunction, HTHEME ATheme, int APart, int AState,
                              int AProperty = 0) {
        TThemeCall call;
        call.Function = AFunction;
        call.Class = ClassOf(ATheme);
        call.Part = APart;
        call.State = AState;
        call.Property = AProperty;
        Calls.push_back(call);
        return Calls.back();
    }
    static HRESULT Background(HTHEME ATheme, HDC ADC, int APart, int AState, const RECT* ARect,
                              const RECT* AClip) {
        TThemeCall& call = Record("DrawThemeBackground", ATheme, APart, AState);
        if (ARect != nullptr) call.Rect = *ARect;
        if (AClip != nullptr) {
            call.Clip = *AClip;
            call.HasClip = true;
        }
        if (Paint && ARect != nullptr && ADC != nullptr) {
            RECT r = *ARect;
            if (AClip != nullptr) IntersectRect(&r, &r, AClip);
            HBRUSH brush = CreateSolidBrush(PartColour(APart, AState));
            FillRect(ADC, &r, brush);
            DeleteObject(brush);
        }
        return S_OK;
    }
    static HRESULT Text(HTHEME ATheme, HDC, int APart, int AState, const WCHAR* AText, int ALength,
                        DWORD AFlags, DWORD, const RECT* ARect) {
        TThemeCall& call = Record("DrawThemeText", ATheme, APart, AState);
        call.Text =
            ALength < 0 ? std::u16string(AText) : std::u16string(AText, static_cast<std::size_t>(ALength));
        call.Flags = AFlags;
        if (ARect != nullptr) call.Rect = *ARect;
        return S_OK;
    }
    static HRESULT Edge(HTHEME ATheme, HDC, int APart, int AState, const RECT* ADest, UINT AEdge, UINT AFlags,
                        RECT*) {
        TThemeCall& call = Record("DrawThemeEdge", ATheme, APart, AState, static_cast<int>(AEdge));
        call.Flags = AFlags;
        if (ADest != nullptr) call.Rect = *ADest;
        return S_OK;
    }
    static HRESULT Color(HTHEME ATheme, int APart, int AState, int AProperty, COLORREF* AColour) {
        Record("GetThemeColor", ATheme, APart, AState, AProperty);
        const auto it = Colours.find({ClassOf(ATheme), APart, AProperty});
        if (it == Colours.end()) return E_FAIL;
        *AColour = it->second;
        return S_OK;
    }
    static HRESULT PartSize(HTHEME ATheme, HDC, int APart, int AState, const RECT* ARect, int AKind,
                            SIZE* ASize) {
        TThemeCall& call = Record("GetThemePartSize", ATheme, APart, AState, AKind);
        if (ARect != nullptr) call.Rect = *ARect;
        const auto it = PartSizes.find({ClassOf(ATheme), APart});
        *ASize = it != PartSizes.end() ? it->second : DefaultPartSize;
        return S_OK;
    }
    static HRESULT Margins(HTHEME ATheme, HDC, int APart, int AState, int AProperty, const RECT*,
                           MARGINS* AMargins) {
        Record("GetThemeMargins", ATheme, APart, AState, AProperty);
        *AMargins = DefaultMargins;
        return S_OK;
    }
    static HRESULT ContentRect(HTHEME ATheme, HDC, int APart, int AState, const RECT* ABounds,
                               RECT* AContent) {
        TThemeCall& call = Record("GetThemeBackgroundContentRect", ATheme, APart, AState);
        call.Rect = *ABounds;
        *AContent = RECT{ABounds->left + 3, ABounds->top + 3, ABounds->right - 3, ABounds->bottom - 3};
        return S_OK;
    }
    static HRESULT Region(HTHEME ATheme, HDC, int APart, int AState, const RECT* ARect, HRGN* ARegion) {
        TThemeCall& call = Record("GetThemeBackgroundRegion", ATheme, APart, AState);
        call.Rect = *ARect;
        *ARegion = CreateEllipticRgn(ARect->left, ARect->top, ARect->right, ARect->bottom);
        return S_OK;
    }

    static const TovUxThemeEntries& Entries() {
        static const TovUxThemeEntries entries{&Open, &Close, &IsActive, &Name,    &Background,  &Text,
                                               &Edge, &Color, &PartSize, &Margins, &ContentRect, &Region};
        return entries;
    }
    // Tells the theme manager that the theme changed (it reads the active flag and drops its handles).
    static void Changed() {
        Classes.clear();
        SendMessage(ovThemeChangeReceiverHandle(), WM_THEMECHANGED, 0, 0);
    }
};

} // namespace painters_test
