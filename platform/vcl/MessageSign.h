// The round sign of a message's kind that message boxes and message dialogs show beside their text: a
// disc in the kind's colour with its letter.
#pragma once

#include "platform/rtl/WinTypes.h"

class TFont;

enum TMessageSign { msInformation, msQuestion, msWarning, msError };

// Paints the sign filling Rect, its letter in Font.
void DrawMessageSign(HDC DC, const RECT& Rect, TMessageSign Sign, TFont* Font);
