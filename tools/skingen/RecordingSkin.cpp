// The recording window's skin: one 138 x 193 picture holding the LED level meter (dark and lit, row for
// row the same), the volume fader's track (plain and lit), its cap (resting and dragged), the five
// faces of the push buttons and the check box images.
#include "tools/skingen/GeneratedSkin.h"
#include "tools/skingen/Keycap.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/SkinDescriptions.h"

namespace skingen {

namespace {

using namespace palette;

constexpr int PictureWidth = 138;
constexpr int PictureHeight = 193;

constexpr TBox MeterDark{0, 0, 19, 193};
constexpr TBox MeterLit{19, 0, 19, 193};
constexpr TBox Track{38, 0, 18, 49};
constexpr TBox TrackLit{38, 49, 18, 49};
constexpr TBox FaderCap{38, 98, 18, 23};
constexpr TBox FaderCapHeld{38, 121, 18, 23};
// The track's end caps: rows above TrackCapTop and from TrackCapBottom on are never repeated.
constexpr int TrackCapTop = 12;
constexpr int TrackCapBottom = 37;
constexpr int GrooveTop = 8;  // the groove's first row in the track
constexpr int GrooveEnd = 41; // one past its last row
constexpr std::array<TBox, 5> ButtonFaces = {
    {{56, 0, 40, 28}, {96, 0, 40, 28}, {56, 28, 40, 28}, {96, 28, 40, 28}, {56, 56, 40, 28}}};
constexpr int ButtonRadius = 4;
constexpr int ButtonMargin = 4;

// The check images, 13 x 13 each.
enum TCheckImage {
    Checked,
    Unchecked,
    HotChecked,
    HotUnchecked,
    OffChecked,
    OffUnchecked,
    Grayed,
    HotGrayed
};
constexpr TBox CheckImages[] = {{56, 84, 13, 13},  {69, 84, 13, 13},  {82, 84, 13, 13}, {95, 84, 13, 13},
                                {108, 84, 13, 13}, {121, 84, 13, 13}, {56, 97, 13, 13}, {69, 97, 13, 13}};

// ---- The level meter: 47 LED segments of three rows with one dark row between, green, amber and red
// from the bottom. The dark and the lit meter differ only in the segments' colours.
constexpr int SegmentPitch = 4;
constexpr int SegmentRows = 3;
constexpr int LedLeft = 3, LedWidth = 13;

TRgb ZoneColour(double Fraction) {
    if (Fraction >= 0.86) return Hex(0xff4b3a);
    if (Fraction >= 0.68) return Hex(0xffc233);
    return Hex(0x6cf03a);
}

void PaintMeter(TArt& Art, const TBox& Box, bool Lit) {
    Art.Fill(Box, Hex(0x050607));
    Art.Fill(Box.Inset(1), MeterWell);
    const int bottom = Box.Bottom() - 3; // the lowest segment's last row
    const int count = (Box.H - 4 + 1) / SegmentPitch;
    for (int k = 0; k < count; ++k) {
        const TRgb zone = ZoneColour((k + 0.5) / count);
        const int top = bottom - SegmentPitch * k - (SegmentRows - 1);
        const TBox led{Box.X + LedLeft, top, LedWidth, SegmentRows};
        if (!Lit) {
            Art.Fill(led, Mix(MeterWell, zone, 0.16));
            Art.Fill({led.X, led.Y, led.W, 1}, Mix(MeterWell, zone, 0.22));
            continue;
        }
        // A lit segment: a bright top row, the colour, a deeper last row, softened ends.
        Art.Fill(led, zone);
        Art.Fill({led.X, led.Y, led.W, 1}, Mix(zone, Hex(0xffffff), 0.45));
        Art.Fill({led.X, led.Bottom() - 1, led.W, 1}, Mix(zone, Hex(0x000000), 0.25));
        Art.Fill({led.X, led.Y, 1, led.H}, Mix(zone, Hex(0x000000), 0.4));
        Art.Fill({led.Right() - 1, led.Y, 1, led.H}, Mix(zone, Hex(0x000000), 0.4));
        // The light spills a little into the dark row above.
        Art.Fill({led.X + 1, led.Y - 1, led.W - 2, 1}, Mix(MeterWell, zone, 0.22));
    }
}

// ---- The fader: a groove in the console, lime below the cap when lit.
void PaintTrack(TArt& Art, const TBox& Box, bool Lit) {
    Art.Fill(Box, Console);
    const int x = Box.X + 7;
    const TRgb edge = Lit ? LimeDeep : Hex(0x060708);
    const TRgb core = Lit ? Lime : Hex(0x0c0e10);
    const TRgb light = Lit ? Mix(Lime, Hex(0xffffff), 0.35) : Hex(0x3a3f45);
    for (int row = GrooveTop; row < GrooveEnd; ++row) {
        const int y = Box.Y + row;
        const bool end = row == GrooveTop || row == GrooveEnd - 1;
        if (end) {
            // Rounded ends: only the core reaches the first and the last row.
            Art.Fill({x + 1, y, 2, 1}, Mix(Console, core, 0.8));
            continue;
        }
        Art.Fill({x, y, 1, 1}, edge);
        Art.Fill({x + 1, y, 2, 1}, core);
        Art.Fill({x + 3, y, 1, 1}, light);
    }
}

// A metal fader cap with grip ridges and an index line across its middle (the value's place).
void PaintFaderCap(TArt& Art, const TBox& Box, bool Held) {
    Art.Fill(Box, Console);
    TKeycapLook look;
    look.Rim = Hex(0x0a0b0c);
    look.Top = Held ? Hex(0xe4e8eb) : Hex(0xcfd4d8);
    look.Bottom = Held ? Hex(0x9ba3aa) : Hex(0x888f96);
    look.TopLight = 0.6;
    look.BottomShade = 0.2;
    PaintKeycap(Art, Box, 3, look);
    const int middle = Box.Y + Box.H / 2;
    for (int ridge : {-7, -4, 4, 7}) {
        Art.Fill({Box.X + 3, middle + ridge, Box.W - 6, 1}, Hex(0x000000), 0.22);
        Art.Fill({Box.X + 3, middle + ridge + 1, Box.W - 6, 1}, Hex(0xffffff), 0.35);
    }
    Art.Fill({Box.X + 2, middle, Box.W - 4, 1}, Held ? Lime : Hex(0x16191c));
    Art.Fill({Box.X + 2, middle - 1, Box.W - 4, 1}, Held ? LimeDeep : Hex(0x5a6168), 0.6);
    Art.Fill({Box.X + 2, middle + 1, Box.W - 4, 1}, Hex(0xffffff), 0.4);
}

// ---- Push buttons on the console.
TKeycapLook ButtonLook(TFaceState State) {
    TKeycapLook look;
    look.Rim = ConsoleCapRim;
    look.Ring = Lime;
    look.Top = ConsoleCapTop, look.Bottom = ConsoleCapBottom, look.TopLight = 0.18, look.BottomShade = 0.15;
    switch (State) {
    case TFaceState::Normal:
        break;
    case TFaceState::Hot:
        look.Top = Hex(0x535a61), look.Bottom = Hex(0x33383d), look.TopLight = 0.24, look.RingAlpha = 0.55;
        break;
    case TFaceState::Down:
        look.Top = Hex(0x202327), look.Bottom = Hex(0x2d3136), look.TopLight = 0, look.TopShade = 0.4;
        look.BottomShade = 0, look.RingAlpha = 0.85;
        break;
    case TFaceState::Focused:
        look.RingAlpha = 0.4;
        break;
    case TFaceState::Disabled:
        look.Rim = Hex(0x131517), look.Top = Hex(0x2b2e32), look.Bottom = Hex(0x25282b), look.TopLight = 0.05;
        look.BottomShade = 0;
        break;
    }
    return look;
}

// ---- Check images: a dark well in a rim, its four corner pixels the transparent key.
void PaintCheckImage(TArt& Art, const TBox& Box, TCheckImage Image) {
    const bool hot = Image == HotChecked || Image == HotUnchecked || Image == HotGrayed;
    const bool off = Image == OffChecked || Image == OffUnchecked;
    const TRgb well = off ? Hex(0x15171a) : Hex(0x0b0c0e);
    Art.Fill(Box, hot ? Lime : off ? Hex(0x3a3f44) : Hex(0x8a939b));
    Art.Fill(Box.Inset(1), well);
    if (hot) Art.Fill(Box.Inset(1), Lime, 0.12);
    if (Image == Checked || Image == HotChecked || Image == OffChecked) {
        const TRgb ink = off ? Hex(0x587a3c) : Lime;
        const double x = Box.X, y = Box.Y;
        const double mark[] = {x + 3.2, y + 6.6, x + 5.4, y + 8.9, x + 9.8, y + 4.0};
        Art.StrokePolyline(mark, 3, 2.0, ink);
    } else if (Image == Grayed || Image == HotGrayed) {
        Art.Fill({Box.X + 4, Box.Y + 4, 5, 5}, Lime, 0.6);
    }
    for (const auto& [dx, dy] : {std::pair{0, 0}, {Box.W - 1, 0}, {0, Box.H - 1}, {Box.W - 1, Box.H - 1}})
        Art.Fill({Box.X + dx, Box.Y + dy, 1, 1}, Key);
}

void WriteMeter(TSkinText& Text) {
    Text.Section("gauge")
        .Integer("pictureindex", 0)
        .Rect("skinrect", MeterDark)
        .Point("lefttoppoint", 0, 0)
        .Point("righttoppoint", 0, 0)
        .Point("leftbottompoint", 0, 0)
        .Point("rightbottompoint", 0, 0)
        .Rect("progressarea", {0, 0, MeterDark.W, MeterDark.H})
        .Rect("progressrect", MeterLit)
        .Integer("beginoffset", 0)
        .Integer("endoffset", 0)
        .Boolean("vertical", true)
        .Font(SkinFontName, SkinFontHeight, ConsoleText)
        .Boolean("progresstransparent", false)
        .Boolean("progressstretch", false);
}

void WriteTrack(TSkinText& Text) {
    Text.Section("trackbar")
        .Integer("pictureindex", 0)
        .Rect("skinrect", Track)
        .Point("lefttoppoint", 0, TrackCapTop)
        .Point("righttoppoint", 0, 0)
        .Point("leftbottompoint", 0, TrackCapBottom)
        .Point("rightbottompoint", 0, 0)
        .Rect("activeskinrect", TrackLit)
        .Rect("trackarea", {0, 0, Track.W, Track.H - 1})
        .Rect("buttonrect", FaderCap)
        .Rect("activebuttonrect", FaderCapHeld)
        .Boolean("vertical", true);
}

void WriteCheckBox(TSkinText& Text) {
    Text.Section("checkradio")
        .Integer("pictureindex", 0)
        .Font(SkinFontName, SkinFontHeight, ConsoleText)
        .Colour("activefontcolor", Hex(0xffffff))
        .Colour("unenabledfontcolor", ConsoleTextDisabled)
        .Colour("framefontcolor", Hex(0xffffff))
        .Rect("checkimagerect", CheckImages[Checked])
        .Rect("uncheckimagerect", CheckImages[Unchecked])
        .Rect("activecheckimagerect", CheckImages[HotChecked])
        .Rect("activeuncheckimagerect", CheckImages[HotUnchecked])
        .Rect("unenabledcheckimagerect", CheckImages[OffChecked])
        .Rect("unenableduncheckimagerect", CheckImages[OffUnchecked])
        .Rect("grayedcheckimagerect", CheckImages[Grayed])
        .Rect("activegrayedcheckimagerect", CheckImages[HotGrayed]);
}

} // namespace

TGeneratedSkin MakeRecordingSkin() {
    TGeneratedSkin skin = StartSkin("RECORDING", "recording", PictureWidth, PictureHeight, Console);
    TArt& art = *skin.Picture;
    PaintMeter(art, MeterDark, false);
    PaintMeter(art, MeterLit, true);
    PaintTrack(art, Track, false);
    PaintTrack(art, TrackLit, true);
    PaintFaderCap(art, FaderCap, false);
    PaintFaderCap(art, FaderCapHeld, true);
    PaintFaces(
        art, ButtonFaces, ButtonRadius, [](TArt&, const TBox&) {}, ButtonLook);
    for (int i = Checked; i <= HotGrayed; ++i)
        PaintCheckImage(art, CheckImages[i], TCheckImage(i));

    TSkinText& text = skin.Text;
    WriteSkinHead(
        text,
        {"OLVA Console",
         "Level meters, volume fader, buttons and check box of the OLVA recording window",
         skin.FileBase + ".bmp",
         {ConsoleCapBottom, ConsoleText, MeterWell, ConsoleText, Lime, Hex(0x000000), ConsoleCapTop,
          ConsoleCapRim, Hex(0x4a5056), Hex(0x000000)},
         {{"gauge", "gauge"}, {"button", "button"}, {"checkradio", "checkradio"}, {"trackbar", "trackbar"}}});
    WriteMeter(text);
    WriteButton(text, "button", ButtonFaces, ButtonMargin,
                {ConsoleText, Hex(0xffffff), Mix(Lime, Hex(0xffffff), 0.25), ConsoleTextDisabled});
    WriteCheckBox(text);
    WriteTrack(text);
    return skin;
}

} // namespace skingen
