// The colours of our two looks, named once so that the skins and the button pictures drawn for them
// agree: "graphite" for the main window (a dark-grey console bar under a light window, light-blue
// accents) and "console" for the recording window (near-black with lime accents).
#pragma once

#include "tools/skingen/SkinArt.h"

namespace skingen::palette {

// ---- Main window: the transport bar and what stands on it.
// The bar's design height and where its 22-pixel buttons and panels stand in it; the button faces
// carry the bar's gradient in their corners for that place.
constexpr int BarHeight = 34;
constexpr int BarItemTop = 6;
constexpr TRgb BarTop = Hex(0x4a5056);
constexpr TRgb BarBottom = Hex(0x2b2f34);
constexpr TRgb BarSeam = Hex(0x111315);  // the line between the bar and the window above it
constexpr TRgb BarLight = Hex(0x636a71); // the lit row under it
constexpr TRgb BarFloor = Hex(0x16181b); // the bar's last row
// The time displays sunk into the bar.
constexpr TRgb DisplayTop = Hex(0x0b1118);
constexpr TRgb DisplayBottom = Hex(0x16202b);
constexpr TRgb DisplayRim = Hex(0x05070a);
// What the main window's time labels should be drawn in on the displays.
constexpr TRgb DisplayText = Hex(0xa8dcf8);
// The command bar's frame.
constexpr TRgb FrameFill = Hex(0x3a3f44);
constexpr TRgb FrameRim = Hex(0x1a1d20);
constexpr TRgb FrameLight = Hex(0x565c63);
constexpr TRgb FrameShade = Hex(0x2c3034);
// Key caps, their text and the accent of hot, focused and chosen buttons.
constexpr TRgb CapRim = Hex(0x15171a);
constexpr TRgb CapTop = Hex(0x636a71);
constexpr TRgb CapBottom = Hex(0x41464c);
constexpr TRgb Accent = Hex(0x5cb8f2);
constexpr TRgb AccentDeep = Hex(0x2a6a9c);
constexpr TRgb CapText = Hex(0xe3e7eb);
constexpr TRgb CapTextDisabled = Hex(0x80868c);
// The glyph colour on key caps, and the face colour glyph edges are smoothed against.
constexpr TRgb GlyphInk = Hex(0xeef1f4);
constexpr TRgb GlyphMatte = Hex(0x50565c);
// The transparent colour of glyphs and check images: used by no drawn pixel.
constexpr TRgb Key = Hex(0xff00ff);

// ---- Recording window: the console.
// The colour the recording window's console panel should have: the skin's corners, track and check
// images are drawn on it.
constexpr TRgb Console = Hex(0x1d2023);
constexpr TRgb Lime = Hex(0x86f23a);
constexpr TRgb LimeDeep = Hex(0x3f7f1c);
constexpr TRgb ConsoleCapRim = Hex(0x0b0c0e);
constexpr TRgb ConsoleCapTop = Hex(0x474d54);
constexpr TRgb ConsoleCapBottom = Hex(0x2c3035);
constexpr TRgb ConsoleText = Hex(0xe6e8ea);
constexpr TRgb ConsoleTextDisabled = Hex(0x6c7278);
constexpr TRgb MeterWell = Hex(0x090a0b);

} // namespace skingen::palette
