// The colours each ribbon sheet is drawn in: one palette per colour scheme, read by every element routine,
// so the schemes of a family are the same shapes in other colours.
#pragma once

#include "tools/art/Art.h"

#include <string>

namespace ribbonsheets {

// How a button-like cell looks in one state: a 1-pixel border, a 1-pixel inner light and a vertical fill.
struct TLook {
    art::TRgb Border;
    double BorderAlpha = 1;
    art::TRgb Inner;
    double InnerAlpha = 0;
    art::TRgb Top, Bottom;
    double FillAlpha = 1;
};

struct TPalette {
    int Style = 1;       // 0 2007, 1 2010, 2 2013
    bool Dark = false;   // light glyphs on dark surfaces
    bool Rounded = true; // rounded button corners
    bool Glossy = false; // a split gloss across buttons (2007)
    // The ribbon's surfaces.
    art::TRgb Background, Text, Edge;
    art::TRgb TabRow;
    art::TRgb BodyTop, BodyBottom, BodyBorder, BodyLight;
    art::TRgb GroupSeparator, GroupSeparatorLight;
    art::TRgb CaptionTop, CaptionBottom;
    art::TRgb TabBorder, TabTop, TabBottom, TabHotBorder;
    // The form's frame and caption.
    art::TRgb FrameOuter, FrameInner, FrameFill, FrameInactiveFill;
    art::TRgb CaptionFillTop, CaptionFillBottom, CaptionInactiveTop, CaptionInactiveBottom;
    // Menus, popups and tips.
    art::TRgb MenuBack, MenuGlyphColumn, MenuBorder, MenuSeparator, MenuSeparatorLight;
    art::TRgb TipTop, TipBottom, TipBorder;
    // The filter band of a gallery in a menu: dark under light text, light under dark text.
    art::TRgb FilterTop, FilterBottom;
    // Glyphs.
    art::TRgb Glyph, GlyphDisabled, GlyphLight;
    // Scroll bars and progress.
    art::TRgb ScrollTrack, ScrollBorder, ScrollThumbTop, ScrollThumbBottom, ScrollThumbBorder;
    art::TRgb ProgressTop, ProgressBottom, ProgressBorder;
    // Status bar.
    art::TRgb StatusTop, StatusBottom, StatusLine, StatusLight;
    // Button looks by state.
    TLook Rest, Disabled, Hot, Highlighted, Pressed, Dropped, Checked, CheckedHot, DisabledSelected;
    // The accents' colours: the application button and the menu view (yellow, blue, green, orange, purple).
    art::TRgb Accents[5];
};

// The palette of a sheet by its resource name (the common sheets take their family's lead scheme).
const TPalette& PaletteOf(const std::string& ASheetName);

} // namespace ribbonsheets
