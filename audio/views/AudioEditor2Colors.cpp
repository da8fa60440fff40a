#include "audio/views/AudioEditor2Colors.h"

#include "audio/AudioError.h"
#include "platform/gdi/Surface.h"

#include <string>

TAudioEditor2Colors::TAudioEditor2Colors() {
    // The dark workplace, which is also the application's first look; the numbers it leaves alone
    // start at values that suit both workplaces.
    FColors = {
        clBlack,            // 1 scale background
        RGB(255, 255, 255), // 2 cursor
        RGB(128, 128, 128), // 3 separator and grid
        RGB(5, 95, 167),    // 4 selection background
        RGB(255, 255, 255), // 5 focus cue
        RGB(255, 255, 255), // 6 selected wave
        RGB(255, 0, 0),     // 7 play position
        clBlack,            // 8 marker bar background
        RGB(102, 255, 102), // 9 wave
        clBlack,            // 10 marker text
        RGB(128, 128, 128), // 11 zero line
        clBlack,            // 12 no document
        clBlack,            // 13 background
        RGB(102, 255, 102), // 14 sample points
        RGB(219, 142, 87),  // 15 bookmarks
        RGB(219, 142, 87),  // 16 region flags
        RGB(219, 142, 87),  // 17 region band
    };
}

void TAudioEditor2Colors::Check(int number) {
    if (number < 1 || number > Count)
        throw EAudioError("Colour " + std::to_string(number) + " does not exist.");
}

TColor TAudioEditor2Colors::GetColor(int number) const {
    Check(number);
    return FColors[number - 1];
}

void TAudioEditor2Colors::SetColor(int number, TColor color) {
    Check(number);
    if (FColors[number - 1] == color) return;
    FColors[number - 1] = color;
    if (OnChange) OnChange();
}

std::uint32_t TAudioEditor2Colors::Pixel(int number) const {
    return ColorRefToPixel(ColorToRGB(GetColor(number)));
}
