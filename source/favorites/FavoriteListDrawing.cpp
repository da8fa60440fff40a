#include "source/favorites/FavoriteListDrawing.h"

#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"
#include "platform/vcl/ShortCuts.h"

namespace favorite_list_drawing_detail {

// Text shortened at its end, by whole UTF-8 characters, until it and "..." fit.
std::string Shortened(TCanvas& Canvas, std::string Text, int Width) {
    while (!Text.empty() && Canvas.TextWidth(Text + "...") > Width) {
        Text.pop_back();
        while (!Text.empty() && (static_cast<unsigned char>(Text.back()) & 0xC0) == 0x80)
            Text.pop_back();
    }
    while (!Text.empty() && Text.back() == ' ')
        Text.pop_back();
    return Text + "...";
}

} // namespace favorite_list_drawing_detail

std::string FittedFavoriteText(TCanvas& Canvas, const std::string& Text, int Width) {
    using favorite_list_drawing_detail::Shortened;
    if (Canvas.TextWidth(Text) <= Width) return Text;
    // "Name (Ctrl+4)": the part in parentheses is kept when it names a key.
    const std::size_t open = Text.rfind(" (");
    if (open != std::string::npos && Text.back() == ')') {
        const std::string key = Text.substr(open + 2, Text.size() - open - 3);
        const std::string suffix = Text.substr(open);
        const int room = Width - Canvas.TextWidth(suffix);
        if (TextToShortCut(key) != 0 && room > Canvas.TextWidth("W..."))
            return Shortened(Canvas, Text.substr(0, open), room) + suffix;
    }
    return Shortened(Canvas, Text, Width);
}

void DrawFavoriteItem(TCanvas& Canvas, const RECT& Rect, const std::string& Text, bool Selected,
                      bool Focused) {
    Canvas.Brush()->SetColor(Selected ? TColor(RGB(128, 128, 128)) : clWhite);
    Canvas.FillRect(Rect);
    Canvas.Font()->SetColor(Selected ? clWhite : clBlack);
    const int left = Rect.left + 8;
    Canvas.TextOut(left, Rect.top + 1, FittedFavoriteText(Canvas, Text, Rect.right - 2 - left));
    if (Focused) Canvas.DrawFocusRect(Rect);
}
