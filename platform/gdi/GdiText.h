// Text output and measuring of the software GDI. Strings are UTF-8 (the program's ANSI code page);
// lengths and counts are in bytes, -1 meaning "up to the terminating zero" where the API allows it.
// Character-width arrays have one entry per byte: a character takes the sum of its bytes' entries.
#pragma once

#include "platform/gdi/GdiTypes.h"

// The face name of the built-in test font: every character a box, advance = height / 2, ascent = height
// minus a quarter, no leading; a height of 0 means 16 pixels. Layout with it can be asserted exactly.
#define GDI_TEST_FONT_FACE "OLVA Test Font"
// Makes every font resolve to the test font (headless tests of the layers above).
void GdiSetTestFontEverywhere(bool enabled);

BOOL TextOut(HDC dc, int x, int y, const char* text, int length);
BOOL ExtTextOut(HDC dc, int x, int y, UINT options, const RECT* rect, const char* text, UINT length,
                const INT* widths);
LONG TabbedTextOut(HDC dc, int x, int y, const char* text, int length, int tabCount, const INT* tabStops,
                   int tabOrigin);
DWORD GetTabbedTextExtent(HDC dc, const char* text, int length, int tabCount, const INT* tabStops);
BOOL GetTextExtentPoint32(HDC dc, const char* text, int length, SIZE* size);
BOOL GetTextExtentExPoint(HDC dc, const char* text, int length, int maxExtent, INT* fit, INT* partialWidths,
                          SIZE* size);
BOOL GetTextMetrics(HDC dc, TEXTMETRIC* metrics);
// Spreads `extra` pixels over the next `breakCount` break characters (spaces) of each text output;
// (0, 0) ends it.
BOOL SetTextJustification(HDC dc, int extra, int breakCount);
int GetTextFace(HDC dc, int size, char* name);

// DrawText: the text is laid out in the rectangle by the DT_ flags. With DT_MODIFYSTRING (and an ellipsis
// flag) the shortened line is written back into `text`, never beyond the caller's characters: `length`
// bytes, plus the terminating zero when the length was given as -1.
int DrawText(HDC dc, const char* text, int length, RECT* rect, UINT format);
int DrawText(HDC dc, char* text, int length, RECT* rect, UINT format);
int DrawTextEx(HDC dc, char* text, int length, RECT* rect, UINT format, DRAWTEXTPARAMS* params);

inline BOOL TextOutA(HDC dc, int x, int y, const char* text, int length) {
    return TextOut(dc, x, y, text, length);
}
inline BOOL ExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, const char* text, UINT length,
                        const INT* widths) {
    return ExtTextOut(dc, x, y, options, rect, text, length, widths);
}
inline BOOL GetTextExtentPoint32A(HDC dc, const char* text, int length, SIZE* size) {
    return GetTextExtentPoint32(dc, text, length, size);
}
inline BOOL GetTextMetricsA(HDC dc, TEXTMETRIC* metrics) {
    return GetTextMetrics(dc, metrics);
}
inline int DrawTextA(HDC dc, char* text, int length, RECT* rect, UINT format) {
    return DrawText(dc, text, length, rect, format);
}
inline int DrawTextA(HDC dc, const char* text, int length, RECT* rect, UINT format) {
    return DrawText(dc, text, length, rect, format);
}
