// The main window's skin: one 100 x 100 picture holding the transport bar, the time display and the
// command-bar frame (each a small piece that grows both ways) and the five faces of the transport,
// zoom and command-bar buttons.
#include "tools/skingen/GeneratedSkin.h"
#include "tools/skingen/Keycap.h"
#include "tools/skingen/Palette.h"
#include "tools/skingen/SkinDescriptions.h"

namespace skingen {

namespace {

using namespace palette;

constexpr int PictureSize = 100;
constexpr int PanelFrame = 2;

// Where everything lies in the picture.
constexpr TBox BarPiece{88, 0, 12, BarHeight};
constexpr TBox DisplayPiece{88, 34, 12, 22};
constexpr TBox FramePiece{88, 56, 12, 12};
constexpr std::array<TBox, 5> TransportFaces = {
    {{0, 0, 22, 22}, {22, 0, 22, 22}, {44, 0, 22, 22}, {66, 0, 22, 22}, {0, 22, 22, 22}}};
constexpr std::array<TBox, 5> ZoomFaces = {
    {{22, 22, 22, 22}, {44, 22, 22, 22}, {66, 22, 22, 22}, {0, 44, 22, 22}, {22, 44, 22, 22}}};
constexpr std::array<TBox, 5> SwitchFaces = {
    {{44, 44, 16, 22}, {60, 44, 16, 22}, {0, 66, 16, 22}, {16, 66, 16, 22}, {32, 66, 16, 22}}};
constexpr std::array<TBox, 5> SmallFaces = {
    {{48, 66, 16, 16}, {64, 66, 16, 16}, {48, 82, 16, 16}, {64, 82, 16, 16}, {80, 82, 16, 16}}};
constexpr int CapRadius = 3;
constexpr int CapMargin = 3;
constexpr int SmallRadius = 2;

// The bar's colour on a row of a bar of the design height: the centre gradient runs over the rows
// inside the frame.
TRgb BarRow(int Row) {
    const int first = PanelFrame, last = BarHeight - PanelFrame - 1;
    if (Row <= first) return BarTop;
    if (Row >= last) return BarBottom;
    return Mix(BarTop, BarBottom, double(Row - first) / (last - first));
}

void PaintBar(TArt& Art, const TBox& Box) {
    for (int row = 0; row < Box.H; ++row)
        Art.Fill({Box.X, Box.Y + row, Box.W, 1}, BarRow(row));
    Art.Fill({Box.X, Box.Y, Box.W, 1}, BarSeam);
    Art.Fill({Box.X, Box.Y + 1, Box.W, 1}, BarLight);
    Art.Fill({Box.X, Box.Bottom() - 2, Box.W, 1}, Mix(BarBottom, BarFloor, 0.5));
    Art.Fill({Box.X, Box.Bottom() - 1, Box.W, 1}, BarFloor);
}

// What a 22-pixel item standing at the design place of the bar has behind it.
void PaintBarBackdrop(TArt& Art, const TBox& Box) {
    for (int row = 0; row < Box.H; ++row)
        Art.Fill({Box.X, Box.Y + row, Box.W, 1}, BarRow(BarItemTop + row));
}

// A display sunk into the bar: shaded above and left, lit below and right, a dark rim, a deep centre.
void PaintDisplay(TArt& Art, const TBox& Box) {
    const TBox inner = Box.Inset(1);
    Art.Fill(Box, Mix(BarRow(BarItemTop), Hex(0x000000), 0.45));
    Art.Fill({Box.X + 1, Box.Bottom() - 1, Box.W - 1, 1},
             Mix(BarRow(BarItemTop + Box.H), Hex(0xffffff), 0.16));
    Art.Fill({Box.Right() - 1, Box.Y + 1, 1, Box.H - 1},
             Mix(BarRow(BarItemTop + Box.H / 2), Hex(0xffffff), 0.12));
    Art.Fill(inner, DisplayRim);
    Art.FillVertical(inner.Inset(1), DisplayTop, DisplayBottom);
}

// The command bar's frame: a dark rim, lit inside above and left, shaded below and right.
void PaintFrame(TArt& Art, const TBox& Box) {
    Art.Fill(Box, FrameRim);
    const TBox inner = Box.Inset(1);
    Art.Fill(inner, FrameShade);
    Art.Fill({inner.X, inner.Y, inner.W - 1, inner.H - 1}, FrameLight);
    Art.Fill(Box.Inset(2), FrameFill);
}

TKeycapLook CapLook(TFaceState State) {
    TKeycapLook look;
    look.Rim = CapRim;
    look.Ring = Accent;
    switch (State) {
    case TFaceState::Normal:
        look.Top = CapTop, look.Bottom = CapBottom, look.TopLight = 0.22, look.BottomShade = 0.12;
        break;
    case TFaceState::Hot:
        look.Top = Hex(0x737b83), look.Bottom = Hex(0x4c5258), look.TopLight = 0.28, look.BottomShade = 0.1;
        look.RingAlpha = 0.45;
        break;
    case TFaceState::Down:
        look.Rim = Hex(0x0c0e10);
        look.Top = Hex(0x2a2e33), look.Bottom = Hex(0x3a3f45), look.TopShade = 0.35;
        look.RingAlpha = 0.55;
        break;
    case TFaceState::Focused:
        look.Top = CapTop, look.Bottom = CapBottom, look.TopLight = 0.22, look.BottomShade = 0.12;
        look.RingAlpha = 0.9;
        break;
    case TFaceState::Disabled:
        look.Rim = Hex(0x24272a);
        look.Top = Hex(0x474c51), look.Bottom = Hex(0x3e4247);
        break;
    }
    return look;
}

// Zoom buttons rest flat on the bar (only a faint outline) and rise into a cap when pointed at.
TKeycapLook FlatLook(TFaceState State) {
    TKeycapLook look = CapLook(State);
    if (State == TFaceState::Normal || State == TFaceState::Focused || State == TFaceState::Disabled) {
        look.Body = false;
        look.RimAlpha = State == TFaceState::Disabled ? 0.0 : 0.3;
    }
    return look;
}

// Command-bar buttons: caps on the frame's fill; the chosen page's button (down) is accent blue.
TKeycapLook SwitchLook(TFaceState State) {
    TKeycapLook look = CapLook(State);
    if (State == TFaceState::Down) {
        look.Rim = Hex(0x0f2233);
        look.Top = Hex(0x3d8cc6), look.Bottom = AccentDeep, look.TopShade = 0, look.TopLight = 0.25;
        look.RingAlpha = 0;
    }
    return look;
}

void FrameBackdrop(TArt& Art, const TBox& Box) {
    Art.Fill(Box, FrameFill);
}

} // namespace

TGeneratedSkin MakeMainWindowSkin() {
    TGeneratedSkin skin = StartSkin("MAINWINDOW", "mainwindow", PictureSize, PictureSize, FrameFill);
    TArt& art = *skin.Picture;
    PaintBar(art, BarPiece);
    PaintDisplay(art, DisplayPiece);
    PaintFrame(art, FramePiece);
    PaintFaces(art, TransportFaces, CapRadius, PaintBarBackdrop, CapLook);
    PaintFaces(art, ZoomFaces, CapRadius, PaintBarBackdrop, FlatLook);
    PaintFaces(art, SwitchFaces, CapRadius, FrameBackdrop, SwitchLook);
    PaintFaces(art, SmallFaces, SmallRadius, FrameBackdrop, SwitchLook);

    TSkinText& text = skin.Text;
    WriteSkinHead(text, {"OLVA Graphite",
                         "Transport bar, time displays and command-bar frame of the OLVA main window",
                         skin.FileBase + ".bmp",
                         {CapBottom, CapText, DisplayTop, DisplayText, Accent, Hex(0x0b1118), CapTop, CapRim,
                          FrameLight, FrameRim},
                         {{"panelbottom", "panel"},
                          {"panelTime", "panel"},
                          {"panelLeft", "panel"},
                          {"buttonbottomPlay", "button"},
                          {"buttonZoom", "button"},
                          {"buttonEffectFav", "button"},
                          {"buttonShowEffects", "button"}}});
    WritePanel(text, "panelbottom", BarPiece, PanelFrame, CapText);
    WritePanel(text, "panelTime", DisplayPiece, PanelFrame, DisplayText);
    WritePanel(text, "panelLeft", FramePiece, PanelFrame, CapText);
    // White on hot and pressed caps (and the focus frame's dots, drawn in the hot colour).
    const TFontColours capFonts{CapText, Hex(0xffffff), Hex(0xffffff), CapTextDisabled};
    WriteButton(text, "buttonbottomPlay", TransportFaces, CapMargin, capFonts);
    WriteButton(text, "buttonZoom", ZoomFaces, CapMargin, capFonts);
    WriteButton(text, "buttonEffectFav", SwitchFaces, CapMargin, capFonts);
    WriteButton(text, "buttonShowEffects", SmallFaces, CapMargin, capFonts);
    return skin;
}

} // namespace skingen
