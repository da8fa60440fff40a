// The values of an item's styles as its controls read them: the background colour, the font and the text
// colour, each with whether the style assigns it.
#pragma once

#include "platform/gdi/GdiTypes.h"
#include "platform/rtl/WinTypes.h"
#include "platform/vcl/Graphics.h"

class TovBarItem;

struct TovBarItemStyleValues {
    bool HasColor = false;
    bool HasFont = false;
    bool HasTextColor = false;
    TColor Color = clDefault;
    TColor TextColor = clDefault;
    LOGFONT Font{};
};

// Style AIndex of the item (0 the item's style, 1 its edit style); False when it has none.
bool ovBarItemStyleValues(TovBarItem* AItem, int AIndex, TovBarItemStyleValues& AValues);
