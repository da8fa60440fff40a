// The memory screen: composition of the top-level windows and snapshots.
#include "platform/gdi/Gdi.h"
#include "platform/win/Caret.h"
#include "platform/win/Input.h"
#include "platform/win/Presenter.h"
#include "platform/win/Screen.h"
#include "platform/win/Sound.h"
#include "platform/win/WinInternal.h"
#include "platform/win/WinUser.h"

#include <algorithm>
#include <set>

namespace olva::win {

namespace headless_detail {
IPresenter* Current = nullptr;
std::shared_ptr<TSurface>& ScreenSurface() {
    static std::shared_ptr<TSurface> surface;
    RECT vs = VirtualScreen();
    int w = vs.right - vs.left, h = vs.bottom - vs.top;
    if (!surface || surface->Width() != w || surface->Height() != h)
        surface = std::make_shared<TSurface>(w, h);
    return surface;
}
std::set<HDC>& ScreenDCs() {
    static std::set<HDC> set;
    return set;
}

std::uint32_t Blend(std::uint32_t dst, std::uint32_t src, unsigned alpha, bool premultiplied) {
    // src over dst; with a premultiplied source the constant alpha scales all four channels.
    unsigned srcA = premultiplied ? ((src >> 24) * alpha + 127) / 255 : alpha;
    std::uint32_t out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        unsigned s = (src >> shift) & 0xFF, d = (dst >> shift) & 0xFF;
        unsigned v = premultiplied ? (s * alpha + 127) / 255 + (d * (255 - srcA) + 127) / 255
                                   : (s * alpha + d * (255 - alpha) + 127) / 255;
        out |= std::uint32_t(std::min(v, 255u)) << shift;
    }
    return out;
}

// The soft shadow the desktop casts to the right of and below windows whose class asks for one.
void ComposeShadow(TSurface& screen, Window* w, POINT screenOrigin) {
    constexpr int depth = 4;
    RECT r = WindowRectOnScreen(w);
    OffsetRect(&r, -screenOrigin.x, -screenOrigin.y);
    for (int y = r.top + depth; y < r.bottom + depth; ++y)
        for (int x = r.left + depth; x < r.right + depth; ++x) {
            if (x < r.right && y < r.bottom) continue; // under the window itself
            if (!screen.Contains(x, y)) continue;
            // Darker near the window, fading outwards.
            int distance = std::max(x >= r.right ? x - r.right : 0, y >= r.bottom ? y - r.bottom : 0);
            unsigned keep = 255 - unsigned(80 * (depth - distance) / depth);
            std::uint32_t p = screen.Pixel(x, y), out = 0;
            for (int shift = 0; shift < 24; shift += 8)
                out |= (((p >> shift) & 0xFF) * keep / 255) << shift;
            screen.SetPixel(x, y, out);
        }
}

void ComposeWindow(TSurface& screen, Window* w, POINT screenOrigin) {
    if (!w->surface) return;
    const TSurface& img = *w->surface;
    RECT r = WindowRectOnScreen(w);
    const bool layered = (w->exStyle & WS_EX_LAYERED) != 0;
    const bool perPixel = layered && w->layeredContentSet && w->layeredPerPixelAlpha;
    const bool useKey = layered && (w->layeredFlags & LWA_COLORKEY);
    const std::uint32_t key = ColorRefToPixel(w->layeredKey) & 0xFFFFFF;
    const unsigned alpha = layered ? w->layeredAlpha : 255;
    for (int y = 0; y < img.Height(); ++y) {
        int sy = r.top + y - screenOrigin.y;
        if (sy < 0 || sy >= screen.Height()) continue;
        std::uint32_t* dstRow = screen.Row(sy);
        const std::uint32_t* srcRow = img.Row(y);
        for (int x = 0; x < img.Width(); ++x) {
            int sx = r.left + x - screenOrigin.x;
            if (sx < 0 || sx >= screen.Width()) continue;
            if (w->windowRegion && !w->windowRegion->Contains(x, y)) continue;
            std::uint32_t src = srcRow[x];
            if (useKey && (src & 0xFFFFFF) == key) continue;
            if (!perPixel && alpha == 255) {
                dstRow[sx] = src & 0xFFFFFF;
                continue;
            }
            dstRow[sx] = Blend(dstRow[sx], src, alpha, perPixel) & 0xFFFFFF;
        }
    }
}
} // namespace headless_detail

void NotifyPresenterWindowChanged(Window* w) {
    if (headless_detail::Current && w && IsTopLevel(w)) headless_detail::Current->WindowChanged(w->handle);
}

HDC GetScreenDC() {
    RECT vs = VirtualScreen();
    HDC dc = GdiCreateSurfaceDC(headless_detail::ScreenSurface(), POINT{-vs.left, -vs.top}, nullptr);
    headless_detail::ScreenDCs().insert(dc);
    return dc;
}

bool ReleaseScreenDC(HDC dc) {
    if (!headless_detail::ScreenDCs().erase(dc)) return false;
    DeleteDC(dc);
    return true;
}

void SetPresenter(IPresenter* presenter) {
    headless_detail::Current = presenter;
}
IPresenter* CurrentPresenter() {
    return headless_detail::Current;
}

std::shared_ptr<TSurface> ComposeScreen() {
    auto screen = headless_detail::ScreenSurface();
    RECT vs = VirtualScreen();
    screen->Fill(ColorRefToPixel(GetSysColor(COLOR_DESKTOP)));
    Window* desktop = Sys().Desktop();
    for (auto it = desktop->children.rbegin(); it != desktop->children.rend(); ++it) {
        Window* w = *it;
        if (!(w->style & WS_VISIBLE) || w->redrawDisabled) continue;
        BOOL shadows = FALSE;
        SystemParametersInfo(SPI_GETDROPSHADOW, 0, &shadows, 0);
        if (shadows && (w->cls->style & CS_DROPSHADOW) && !w->windowRegion)
            headless_detail::ComposeShadow(*screen, w, POINT{vs.left, vs.top});
        headless_detail::ComposeWindow(*screen, w, POINT{vs.left, vs.top});
    }
    RECT caret;
    if (VisibleCaretRect(caret)) {
        for (int y = caret.top; y < caret.bottom; ++y)
            for (int x = caret.left; x < caret.right; ++x) {
                int sx = x - vs.left, sy = y - vs.top;
                if (screen->Contains(sx, sy)) screen->SetPixel(sx, sy, (~screen->Pixel(sx, sy)) & 0xFFFFFF);
            }
    }
    return screen;
}

std::shared_ptr<TSurface> WindowImage(HWND hwnd) {
    Window* w = Sys().Find(hwnd);
    if (!w || !IsTopLevel(w)) return nullptr;
    EnsureSurface(w);
    return w->surface;
}

bool SaveScreenPng(const std::string& path) {
    return SaveSurfaceToPng(*ComposeScreen(), path);
}

bool SaveWindowPng(HWND hwnd, const std::string& path) {
    auto img = WindowImage(hwnd);
    return img && SaveSurfaceToPng(*img, path);
}

void BindWindowSystemToThisThread() {
    Sys().GuiThread = std::this_thread::get_id();
}

void ResetWindowSystem() {
    Sys().ResetState();
    ResetHooks();
    ResetWatches();
    ResetMouseSettings();
    ResetClipboard();
    ResetSystemOverrides();
    ResetSoundRequests();
    headless_detail::Current = nullptr;
}

int PumpMessages() {
    int count = 0;
    MSG msg;
    while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam)); // left for the caller's loop
            break;
        }
        TranslateMessage(&msg);
        DispatchMessage(&msg);
        ++count;
    }
    return count;
}

} // namespace olva::win
