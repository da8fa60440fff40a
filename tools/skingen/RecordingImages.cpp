// The recording window's 24 x 24 images: record, pause, delete, timer record, mixer and settings, light
// on the console's dark buttons with red and lime where they mean something.
#include "tools/skingen/ButtonPictures.h"
#include "tools/skingen/Palette.h"

#include <cmath>

namespace skingen {

namespace {

using namespace palette;

constexpr TRgb RecordRed = Hex(0xff4433);
constexpr TRgb RecordRim = Hex(0xa8170d);

void RedDot(TArt& Art, double CX, double CY, double R, const TInk& Ink) {
    Art.FillCircle(CX, CY, R, Ink.Or(RecordRim), Ink.Alpha);
    if (Ink.Shadow) return;
    Art.FillCircle(CX, CY, R - 1.1, RecordRed);
    Art.FillCircle(CX - R * 0.25, CY - R * 0.33, R * 0.36, Hex(0xffb0a6), 0.75);
}

const TSymbol RecordingSymbols[] = {
    // Record: a red dot.
    [](TArt& a, const TInk& i) { RedDot(a, 12, 12, 8, i); },
    // Pause: two bars.
    [](TArt& a, const TInk& i) {
        a.FillRounded({6, 4, 4, 16}, 1, i.Colour, i.Alpha);
        a.FillRounded({14, 4, 4, 16}, 1, i.Colour, i.Alpha);
    },
    // Delete: a bin with its lid lifted off and three ribs.
    [](TArt& a, const TInk& i) {
        a.Fill({5, 5, 14, 2}, i.Colour, i.Alpha);
        a.Fill({10, 3, 4, 2}, i.Colour, i.Alpha);
        const double body[] = {6, 8, 18, 8, 17, 21, 7, 21};
        a.FillPolygon(body, 4, i.Colour, i.Alpha);
        if (i.Shadow) return;
        for (int x : {9, 14}) // ribs cut into the body
            a.Fill({x, 10, 1, 9}, Hex(0x2c3035));
    },
    // Timer record: a clock with a red dot at its foot.
    [](TArt& a, const TInk& i) {
        a.StrokeArc(11, 11, 8, 0, 360, 2, i.Colour, i.Alpha);
        a.Fill({10, 6, 2, 6}, i.Colour, i.Alpha);
        a.Fill({10, 10, 5, 2}, i.Colour, i.Alpha);
        RedDot(a, 18, 18, 4.6, i);
    },
    // Mixer: three fader slots with lime caps at different heights.
    [](TArt& a, const TInk& i) {
        const int capTop[] = {13, 6, 10};
        for (int k = 0; k < 3; ++k) {
            const int x = 4 + 7 * k;
            a.Fill({x + 1, 3, 2, 18}, i.Colour, i.Alpha);
            a.FillRounded({x - 1, capTop[k], 6, 5}, 1, i.Or(Lime), i.Alpha);
        }
    },
    // Settings: a gear.
    [](TArt& a, const TInk& i) {
        // Eight teeth, each four points: up the flank, across the top, down the other flank.
        const double radius[] = {7.4, 10.2, 10.2, 7.4}, offset[] = {-17, -8, 8, 17};
        double gear[64];
        for (int k = 0; k < 32; ++k) {
            const double angle = (45 * (k / 4) + offset[k % 4]) * M_PI / 180;
            gear[2 * k] = 12 + radius[k % 4] * std::cos(angle);
            gear[2 * k + 1] = 12 + radius[k % 4] * std::sin(angle);
        }
        a.FillPolygon(gear, 32, i.Colour, i.Alpha);
        if (i.Shadow) return;
        a.FillCircle(12, 12, 3.4, Hex(0x2c3035));
    },
};

} // namespace

std::unique_ptr<TArt> DrawRecordingImage(int Index) {
    return DrawSymbol(24, PickSymbol(RecordingSymbols, Index), Hex(0xe8ebee));
}

} // namespace skingen
