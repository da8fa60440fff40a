#include "ui/bars/painting/BarUnitState.h"

#include "platform/gdi/GdiDC.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/win/Painting.h"
#include "platform/win/Presenter.h"
#include "platform/win/WinMetrics.h"
#include "platform/win/WinUser.h"

#include <cstdint>

namespace {

struct TDrawingState {
    int ColorDepth = 32;
    HBRUSH PatternBrush = nullptr;
    bool Finalized = false;
    bool MenuSounds = true;
    bool LightenedGlyphs = true;
    bool ApplicationActive = true;
    bool Deactivating = false;
    TovLayeredWindowEntry LayeredEntry = nullptr;
};

TDrawingState State;

} // namespace

void ovBarDrawingStateStart() {
    State = TDrawingState{};
    // Window alpha is an entry point the host either has or has not; without it fades show at once.
    olva::win::IPresenter* presenter = olva::win::CurrentPresenter();
    if (presenter == nullptr || presenter->SupportsWindowAlpha())
        State.LayeredEntry = &SetLayeredWindowAttributes;
    UpdateScreenColorDepth();
    RefreshPatternBrush();
}

void ovBarDrawingStateEnd() {
    State.Finalized = true;
    if (State.PatternBrush != nullptr) DeleteObject(State.PatternBrush);
    State.PatternBrush = nullptr;
}

int ovBarScreenColorDepth() {
    return State.ColorDepth;
}

void UpdateScreenColorDepth() {
    HDC dc = GetDC(nullptr);
    if (dc == nullptr) return;
    State.ColorDepth = GetDeviceCaps(dc, BITSPIXEL);
    ReleaseDC(nullptr, dc);
}

void ovBarSetScreenColorDepth(int ABitsPerPixel) {
    State.ColorDepth = ABitsPerPixel;
}

HBRUSH ovBarPatternBrush() {
    return State.PatternBrush;
}

void RefreshPatternBrush() {
    if (State.Finalized) return;
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    // 32-bit pixels are blue, green, red, unused.
    auto pixel = [](COLORREF c) {
        return static_cast<std::uint32_t>(((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));
    };
    std::uint32_t bits[64];
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            bits[y * 8 + x] = pixel((x % 2) == (y % 2) ? face : highlight);
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 32, bits);
    HBRUSH brush = CreatePatternBrush(bitmap); // the brush keeps a copy of the pattern
    DeleteObject(bitmap);
    if (State.PatternBrush != nullptr) DeleteObject(State.PatternBrush);
    State.PatternBrush = brush;
}

bool ovBarMenuSoundsOn() {
    return State.MenuSounds;
}
void ovBarSetMenuSounds(bool AValue) {
    State.MenuSounds = AValue;
}
bool ovBarLightenedGlyphsOn() {
    return State.LightenedGlyphs;
}
void ovBarSetLightenedGlyphs(bool AValue) {
    State.LightenedGlyphs = AValue;
}

void ovBarSetApplicationActive(bool AValue) {
    State.ApplicationActive = AValue;
}
void ovBarSetDeactivating(bool AValue) {
    State.Deactivating = AValue;
}
bool ovBarApplicationActiveFlag() {
    return State.ApplicationActive;
}
bool ovBarDeactivatingFlag() {
    return State.Deactivating;
}

TovLayeredWindowEntry ovBarLayeredWindowEntry() {
    return State.LayeredEntry;
}
void ovBarSetLayeredWindowEntry(TovLayeredWindowEntry AEntry) {
    State.LayeredEntry = AEntry;
}
