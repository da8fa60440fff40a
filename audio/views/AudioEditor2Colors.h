// The sound editor's seventeen colours, numbered 1 to 17. What each number paints:
//
//   1  the background of both scales (time along the bottom, amplitude or frequency at the left) and
//      of the corner between them; the scales' ticks and labels take the colour of their font
//   2  the cursor (the insertion point), a line through every lane (the spectral view draws it by
//      inverting the picture under it, so that it shows on every colour of the heat ramp)
//   3  the line between two channel lanes and the dotted grid at the scale ticks
//   4  the selection's background in the waveform view
//   5  the focus cue: a dotted frame inside the view while it has the keyboard focus
//   6  the waveform inside the selection; in the spectral view, the selection's tint
//   7  the play position, a line through every lane while playing or paused
//   8  the marker bar's background (the strip above the lanes)
//   9  the waveform outside the selection: the min/max envelope, the lines through the samples; its
//      RMS core is this colour faded towards the background
//  10  the text of marker names on their flags
//  11  the zero line at the centre of each lane
//  12  the face of the view while no document is open
//  13  the lanes' background in the waveform view
//  14  the single samples, drawn as points when zoomed in closely
//  15  bookmarks: their flags and the dotted lines through the lanes
//  16  regions: the flags at their start and the dotted lines at both edges
//  17  regions: the band from start to end in the marker bar
//
// Both workplace colour sets of the application give a coherent picture: the dark set draws green
// waves on black with a blue selection, the light set navy waves on white with a black selection in
// which the wave turns white; markers stay tan with black names in both, and the scales stay dark.
// The spectral view keeps its own heat ramp in both sets.
#pragma once

#include "platform/vcl/Graphics.h"

#include <array>
#include <functional>

class TAudioEditor2Colors {
public:
    static constexpr int Count = 17;
    enum : int {
        ScaleBackground = 1,
        Cursor = 2,
        Separator = 3,
        SelectionBackground = 4,
        FocusCue = 5,
        SelectedWave = 6,
        PlayPosition = 7,
        MarkerBarBackground = 8,
        Wave = 9,
        MarkerText = 10,
        ZeroLine = 11,
        NoDocument = 12,
        Background = 13,
        SamplePoints = 14,
        Bookmark = 15,
        RegionFlag = 16,
        RegionBand = 17,
    };

    TAudioEditor2Colors();
    // Colour number 1..17; raises EAudioError for any other number.
    TColor GetColor(int number) const;
    void SetColor(int number, TColor color);
    // The colour as a pixel of a 32-bit surface.
    std::uint32_t Pixel(int number) const;

    std::function<void()> OnChange;

private:
    static void Check(int number);
    std::array<TColor, Count> FColors;
};
