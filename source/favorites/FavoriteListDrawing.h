// How an item of the main window's favourites list is drawn: white with black text, or grey with white
// text when selected, the text 8 pixels in and 1 pixel down, and the focus rectangle when it has the
// focus. A text wider than the item keeps its key: the name is shortened with "..." before it.
#pragma once

#include "platform/rtl/WinTypes.h"

#include <string>

class TCanvas;

void DrawFavoriteItem(TCanvas& Canvas, const RECT& Rect, const std::string& Text, bool Selected,
                      bool Focused);

// The text that fits in Width pixels: Text itself, else the name shortened with "..." and the key's
// " (...)" kept, else the whole text shortened.
std::string FittedFavoriteText(TCanvas& Canvas, const std::string& Text, int Width);
