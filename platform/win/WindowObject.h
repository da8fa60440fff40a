// The window system's own records of classes and windows. Internal to platform/win: callers only
// ever see handles.
#pragma once

#include "platform/gdi/BandedRegion.h"
#include "platform/win/WinStructs.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TSurface;

namespace olva::win {

struct WindowClass {
    ATOM atom = 0;
    std::string name;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int classExtra = 0;
    int windowExtra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HICON smallIcon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    std::string menuName;
    std::vector<BYTE> extraBytes;
    int windowCount = 0;
};

struct Window {
    HWND handle = nullptr;
    std::shared_ptr<WindowClass> cls;
    WNDPROC proc = nullptr;
    DWORD style = 0;
    DWORD exStyle = 0;
    Window* parent = nullptr; // the desktop for top-level windows, the message root for message-only ones
    Window* owner = nullptr;
    std::vector<Window*> children; // z-order, topmost first
    RECT rect;                     // window rectangle in the parent's client coordinates
    RECT client;                   // client rectangle relative to the window's top-left corner
    std::string text;
    LONG_PTR userData = 0;
    LONG_PTR id = 0;
    HINSTANCE instance = nullptr;
    std::vector<BYTE> extraBytes;
    std::vector<std::pair<std::string, HANDLE>> props;
    bool created = false;    // WM_NCCREATE answered TRUE
    bool destroying = false; // DestroyWindow has started
    bool dead = false;       // WM_NCDESTROY sent; the handle no longer resolves

    // Placement while minimized or maximized.
    RECT normalRect;
    POINT minPosition{-1, -1};
    POINT maxPosition{-1, -1};
    bool restoreToMaximized = false;

    // Painting state.
    TBandedRegion updateRegion; // client coordinates
    bool erasePending = false;
    bool frameDirty = false;
    bool internalPaint = false;
    bool redrawDisabled = false;               // WM_SETREDRAW FALSE
    std::optional<TBandedRegion> windowRegion; // window coordinates

    // Layered windows.
    BYTE layeredAlpha = 255;
    COLORREF layeredKey = 0;
    DWORD layeredFlags = 0;
    bool layeredContentSet = false; // UpdateLayeredWindow supplied the picture
    bool layeredPerPixelAlpha = false;

    // Top-level windows own the image their whole tree draws on (window coordinates).
    std::shared_ptr<TSurface> surface;
    std::uint64_t imageVersion = 0; // counts changes to the image: presenters show only what changed
    HDC ownDC = nullptr;            // CS_OWNDC
};

} // namespace olva::win
