// The text-bearing parts of the sound editor's view: the time scale, the amplitude (or frequency) scale
// with each lane's channel name, and the marker bar with its bookmarks and regions. Labels never run
// past their strip: those that would are moved inside or left out.
#pragma once

#include "audio/views/PixelPainter.h"
#include "audio/views/ScaleTicks.h"
#include "audio/views/WaveLayout.h"
#include "platform/vcl/Graphics.h"

#include <string>
#include <vector>

class TCanvas;
class TFont;
class TAudioEditor2Colors;
struct TAudioMarker;

// The canvas draws text in `font` over what is there; `color` replaces the font's colour when given.
void UseFont(TCanvas& canvas, const TFont& font, TColor color = clNone);

void PaintTimeScale(TCanvas& canvas, TPixelPainter& painter, const RECT& strip,
                    const std::vector<TScaleTick>& ticks, const TFont& font, std::uint32_t background);

struct TAmplitudeLane {
    RECT Rect{};
    std::string Name; // "L", "R", or empty
    std::vector<TScaleTick> Ticks;
};
void PaintAmplitudeScale(TCanvas& canvas, TPixelPainter& painter, const RECT& strip,
                         const std::vector<TAmplitudeLane>& lanes, const TFont& font,
                         std::uint32_t background);

// The bar above the lanes and the dotted marker lines through `wave`.
void PaintMarkers(TCanvas& canvas, TPixelPainter& painter, const RECT& bar, const RECT& wave,
                  const std::vector<TAudioMarker>& markers, const TViewMapping& view,
                  const TAudioEditor2Colors& colors, const TFont& font);
