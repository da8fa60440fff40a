// Touch gestures. There is no touch input here: the gesture entry points are absent in the program, and
// callers take their paths for a system without them. Tests install a source of their own, which hands
// out gesture records and records the configurations it is given.
#pragma once

#include "platform/rtl/WinTypes.h"
#include "platform/win/WinMessages.h"

constexpr DWORD GID_BEGIN = 1;
constexpr DWORD GID_END = 2;
constexpr DWORD GID_ZOOM = 3;
constexpr DWORD GID_PAN = 4;
constexpr DWORD GID_ROTATE = 5;
constexpr DWORD GID_TWOFINGERTAP = 6;
constexpr DWORD GID_PRESSANDTAP = 7;

constexpr DWORD GF_BEGIN = 0x00000001;
constexpr DWORD GF_INERTIA = 0x00000002;
constexpr DWORD GF_END = 0x00000004;

constexpr DWORD GC_ALLGESTURES = 0x00000001;
constexpr DWORD GC_PAN = 0x00000001;
constexpr DWORD GC_PAN_WITH_SINGLE_FINGER_VERTICALLY = 0x00000002;
constexpr DWORD GC_PAN_WITH_SINGLE_FINGER_HORIZONTALLY = 0x00000004;
constexpr DWORD GC_PAN_WITH_GUTTER = 0x00000008;
constexpr DWORD GC_PAN_WITH_INERTIA = 0x00000010;

using HGESTUREINFO = void*;

// A screen point packed in two 16-bit values.
struct POINTS {
    SHORT x = 0;
    SHORT y = 0;
};

struct GESTUREINFO {
    UINT cbSize = 0;
    DWORD dwFlags = 0;
    DWORD dwID = 0;
    HWND hwndTarget = nullptr;
    POINTS ptsLocation;
    DWORD dwInstanceID = 0;
    DWORD dwSequenceID = 0;
    ULONGLONG ullArguments = 0;
    UINT cbExtraArgs = 0;
};

// Sent with WM_GESTURENOTIFY (LParam points at it).
struct GESTURENOTIFYSTRUCT {
    UINT cbSize = sizeof(GESTURENOTIFYSTRUCT);
    DWORD dwFlags = 0;
    HWND hwndTarget = nullptr;
    POINTS ptsLocation;
    DWORD dwInstanceID = 0;
};

struct GESTURECONFIG {
    DWORD dwID = 0;
    DWORD dwWant = 0;
    DWORD dwBlock = 0;
};

// The gesture entry points of the window system; each null when the system has none.
struct TGestureEntryPoints {
    BOOL (*GetGestureInfo)(HGESTUREINFO info, GESTUREINFO* result) = nullptr;
    BOOL (*CloseGestureInfoHandle)(HGESTUREINFO info) = nullptr;
    BOOL(*SetGestureConfig)
    (HWND hwnd, DWORD reserved, UINT count, GESTURECONFIG* configs, UINT size) = nullptr;
    BOOL (*LogicalToPhysicalPoint)(HWND hwnd, POINT* point) = nullptr;
    BOOL (*PhysicalToLogicalPoint)(HWND hwnd, POINT* point) = nullptr;
    BOOL (*IsProcessDPIAware)() = nullptr;
};

namespace olva::win {
// What a caller binding the gesture functions finds: nothing, unless a test installed a source.
const TGestureEntryPoints& GestureEntryPoints();
// Installs a table (null: back to none); the table must outlive its use.
void SetGestureEntryPoints(const TGestureEntryPoints* entries);
} // namespace olva::win
