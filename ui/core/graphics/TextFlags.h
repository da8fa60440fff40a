// The library's text flags: a 16-bit word of alignment, line and ellipsis options that every painter
// passes to the canvas, and its translation to DrawText flags. Also the one DrawText call of the
// library that sets a colour and background mode for the call only.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/vcl/Graphics.h"

#include <cstdint>
#include <string>

constexpr int uiTextLeft = 0x0001;
constexpr int uiTextRight = 0x0002;
constexpr int uiTextCentre = 0x0004;
constexpr int uiTextTop = 0x0008;
constexpr int uiTextBottom = 0x0010;
constexpr int uiTextVCentre = 0x0020;
constexpr int uiTextSingleLine = 0x0040;
constexpr int uiTextNoClip = 0x0080;
constexpr int uiTextExpandTabs = 0x0100;
constexpr int uiTextShowPrefix = 0x0200;
constexpr int uiTextWordBreak = 0x0400;
constexpr int uiTextEndEllipsis = 0x0800;
constexpr int uiTextCalcRect = 0x1000;
constexpr int uiTextPathEllipsis = 0x2000;
// With word break: break only between words (no DT_EDITCONTROL).
constexpr int uiTextBreakAtWords = 0x4000;
// With word break and uiTextBreakAtWords: no break inside full-width character runs either.
constexpr int uiTextNoFullWidthBreak = 0x8000;

constexpr int uiTextHorzMask = 0x0007;
constexpr int uiTextVertMask = 0x0038;

// DT_NOPREFIX unless uiTextShowPrefix, plus the DrawText flag of every other library flag.
UINT uiTextFlagsToDrawFlags(int AFlags);

// DrawText of ALength bytes of AText (-1: all of it) into R (changed by DT_CALCRECT). A zero length
// draws nothing and leaves the DC alone; otherwise the text colour (kept for clDefault) and background
// mode hold for this call only. Returns DrawText's result.
int uiDrawText(HDC ADC, const std::string& AText, RECT& R, int ABkMode, TColor AColor, int ALength,
               UINT AFormat);
