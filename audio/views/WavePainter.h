// Draws one channel's lane of the waveform view: background and selection, grid, zero line, and the
// wave as a min/max/RMS envelope per pixel column, or zoomed in as lines through the frames with the
// frames as points once they stand far apart.
#pragma once

#include "audio/views/PixelPainter.h"
#include "audio/views/WaveColumns.h"
#include "audio/views/WaveLayout.h"

#include <vector>

class TAudioEditor2Colors;

struct TWaveLook {
    const TAudioEditor2Colors* Colors = nullptr;
    double Amplitude = 1; // the amplitude at the lane's edges (1 = full scale)
    // Selected pixel columns [SelectionLeft, SelectionRight); none when left >= right.
    int SelectionLeft = 0, SelectionRight = 0;
    std::vector<int> GridRows;    // offsets from the lane's top of dotted grid lines
    std::vector<int> GridColumns; // pixel columns of dotted grid lines
};

// The pixel row of a value in a lane (clamped to the lane).
int LaneRow(const RECT& lane, double value, double amplitude);

void PaintWaveLane(TPixelPainter& painter, const TWaveLane& lane, int laneIndex, const TWaveColumns& columns,
                   const TViewMapping& view, const TWaveLook& look);
