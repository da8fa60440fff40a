// Basic value types, handles and structures of the desktop API that the platform layers provide.
// Every layer that speaks in handles, rectangles or messages includes this one light header.
#pragma once

#include <cstddef>
#include <cstdint>

using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using INT = int;
using LONG = std::int32_t;
using ULONG = std::uint32_t;
using SHORT = std::int16_t;
using USHORT = std::uint16_t;
using LONGLONG = std::int64_t;
using ULONGLONG = std::uint64_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using UINT_PTR = std::uintptr_t;
using LONG_PTR = std::intptr_t;
using DWORD_PTR = std::uintptr_t;
using ATOM = WORD;
using COLORREF = DWORD;
using HRESULT = std::int32_t;
using WCHAR = char16_t;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// Handles are distinct pointer types so that a window cannot be passed where a brush is expected;
// the generic ones are void pointers, as callers convert between them freely.
using HANDLE = void*;
using HGDIOBJ = void*;
#define OLVA_DECLARE_HANDLE(name)                                                                            \
    struct name##__;                                                                                         \
    using name = name##__*
OLVA_DECLARE_HANDLE(HWND);
OLVA_DECLARE_HANDLE(HDC);
OLVA_DECLARE_HANDLE(HBITMAP);
OLVA_DECLARE_HANDLE(HBRUSH);
OLVA_DECLARE_HANDLE(HPEN);
OLVA_DECLARE_HANDLE(HFONT);
OLVA_DECLARE_HANDLE(HRGN);
OLVA_DECLARE_HANDLE(HPALETTE);
OLVA_DECLARE_HANDLE(HICON);
OLVA_DECLARE_HANDLE(HMENU);
OLVA_DECLARE_HANDLE(HINSTANCE);
OLVA_DECLARE_HANDLE(HHOOK);
OLVA_DECLARE_HANDLE(HMONITOR);
OLVA_DECLARE_HANDLE(HRSRC);
OLVA_DECLARE_HANDLE(HTHEME);
#undef OLVA_DECLARE_HANDLE
using HCURSOR = HICON;
using HMODULE = HINSTANCE;

struct POINT {
    LONG x = 0;
    LONG y = 0;
    friend bool operator==(const POINT&, const POINT&) = default;
};

struct SIZE {
    LONG cx = 0;
    LONG cy = 0;
    friend bool operator==(const SIZE&, const SIZE&) = default;
};

struct RECT {
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};

using TPoint = POINT;
using TSize = SIZE;
using TRect = RECT;

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr BYTE GetRValue(COLORREF c) {
    return BYTE(c & 0xFF);
}
constexpr BYTE GetGValue(COLORREF c) {
    return BYTE((c >> 8) & 0xFF);
}
constexpr BYTE GetBValue(COLORREF c) {
    return BYTE((c >> 16) & 0xFF);
}

constexpr WORD LOWORD(DWORD_PTR v) {
    return WORD(v & 0xFFFF);
}
constexpr WORD HIWORD(DWORD_PTR v) {
    return WORD((v >> 16) & 0xFFFF);
}
constexpr BYTE LOBYTE(DWORD_PTR v) {
    return BYTE(v & 0xFF);
}
constexpr BYTE HIBYTE(DWORD_PTR v) {
    return BYTE((v >> 8) & 0xFF);
}
constexpr DWORD MAKELONG(WORD lo, WORD hi) {
    return DWORD(lo) | (DWORD(hi) << 16);
}
constexpr WORD MAKEWORD(BYTE lo, BYTE hi) {
    return WORD(lo | (WORD(hi) << 8));
}
constexpr LPARAM MAKELPARAM(WORD lo, WORD hi) {
    return LPARAM(MAKELONG(lo, hi));
}
constexpr WPARAM MAKEWPARAM(WORD lo, WORD hi) {
    return WPARAM(MAKELONG(lo, hi));
}
// Signed coordinates packed in an LPARAM, as mouse messages carry them.
constexpr int GET_X_LPARAM(LPARAM lp) {
    return SHORT(LOWORD(DWORD_PTR(lp)));
}
constexpr int GET_Y_LPARAM(LPARAM lp) {
    return SHORT(HIWORD(DWORD_PTR(lp)));
}

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOTIMPL = HRESULT(0x80004001u);
constexpr HRESULT E_NOINTERFACE = HRESULT(0x80004002u);
constexpr HRESULT E_POINTER = HRESULT(0x80004003u);
constexpr HRESULT E_FAIL = HRESULT(0x80004005u);
constexpr HRESULT E_OUTOFMEMORY = HRESULT(0x8007000Eu);
constexpr HRESULT E_INVALIDARG = HRESULT(0x80070057u);
constexpr bool SUCCEEDED(HRESULT hr) {
    return hr >= 0;
}
constexpr bool FAILED(HRESULT hr) {
    return hr < 0;
}
