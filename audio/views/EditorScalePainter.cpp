#include "audio/views/EditorScalePainter.h"

#include "audio/AudioMarkers.h"
#include "audio/views/AudioEditor2Colors.h"
#include "platform/vcl/Brush.h"
#include "platform/vcl/Canvas.h"
#include "platform/vcl/Font.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int MajorTick = 5, MinorTick = 2;

std::uint32_t FontPixel(const TFont& font) {
    return ColorRefToPixel(ColorToRGB(font.Color()));
}

bool Overlaps(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

} // namespace

void UseFont(TCanvas& canvas, const TFont& font, TColor color) {
    canvas.Font()->Assign(const_cast<TFont*>(&font));
    if (color != clNone) canvas.Font()->SetColor(color);
    canvas.Brush()->SetStyle(bsClear);
}

void PaintTimeScale(TCanvas& canvas, TPixelPainter& painter, const RECT& strip,
                    const std::vector<TScaleTick>& ticks, const TFont& font, std::uint32_t background) {
    if (strip.right <= strip.left || strip.bottom <= strip.top) return;
    TPixelPainter p = painter.Within(strip);
    p.FillRect(strip, background);
    const std::uint32_t ink = FontPixel(font);
    UseFont(canvas, font);
    const int textTop = strip.top + 2;
    for (const TScaleTick& tick : ticks) {
        const int x = strip.left + int(std::lround(tick.Offset));
        p.VerticalSpan(x, strip.top, strip.top + (tick.Major ? MajorTick : MinorTick) - 1, ink);
        if (tick.Label.empty()) continue;
        // Labels stand right of their tick; one that would leave the strip is left out.
        const int width = canvas.TextWidth(tick.Label);
        if (x + 3 + width > strip.right) continue;
        canvas.TextRect(strip, x + 3, textTop, tick.Label);
    }
}

void PaintAmplitudeScale(TCanvas& canvas, TPixelPainter& painter, const RECT& strip,
                         const std::vector<TAmplitudeLane>& lanes, const TFont& font,
                         std::uint32_t background) {
    if (strip.right <= strip.left || strip.bottom <= strip.top) return;
    TPixelPainter p = painter.Within(strip);
    p.FillRect(strip, background);
    const std::uint32_t ink = FontPixel(font);
    UseFont(canvas, font);
    const int textHeight = canvas.TextHeight("0");
    for (const TAmplitudeLane& lane : lanes) {
        const RECT area{strip.left, lane.Rect.top, strip.right, lane.Rect.bottom};
        std::vector<RECT> taken;
        if (!lane.Name.empty()) {
            const RECT name{area.left + 3, area.top + 1, area.left + 3 + canvas.TextWidth(lane.Name),
                            area.top + 1 + textHeight};
            if (name.bottom <= area.bottom) {
                canvas.TextRect(area, name.left, name.top, lane.Name);
                taken.push_back(
                    RECT{name.left, name.top, name.right + 4, name.bottom}); // a gap before labels
            }
        }
        for (const TScaleTick& tick : lane.Ticks) {
            const int y = area.top + int(std::lround(tick.Offset));
            if (y < area.top || y >= area.bottom) continue;
            p.HorizontalLine(area.right - (tick.Major ? MajorTick : MinorTick), area.right - 1, y, ink);
            if (tick.Label.empty()) continue;
            // Centred on its tick, but kept inside the lane; left out where it would cover another.
            const int width = canvas.TextWidth(tick.Label);
            const int top = std::clamp<int>(y - textHeight / 2, area.top, area.bottom - textHeight);
            const RECT box{area.right - MajorTick - 2 - width, top, area.right - MajorTick - 2,
                           top + textHeight};
            if (box.left < area.left || top < area.top) continue;
            if (std::any_of(taken.begin(), taken.end(), [&](const RECT& r) { return Overlaps(r, box); }))
                continue;
            canvas.TextRect(area, box.left, box.top, tick.Label);
            taken.push_back(box);
        }
    }
}

void PaintMarkers(TCanvas& canvas, TPixelPainter& painter, const RECT& bar, const RECT& wave,
                  const std::vector<TAudioMarker>& markers, const TViewMapping& view,
                  const TAudioEditor2Colors& colors, const TFont& font) {
    using TColors = TAudioEditor2Colors;
    TPixelPainter lanes = painter.Within(wave);
    TPixelPainter strip = painter.Within(bar);
    strip.FillRect(bar, colors.Pixel(TColors::MarkerBarBackground));
    UseFont(canvas, font, colors.GetColor(TColors::MarkerText));
    const int textHeight = canvas.TextHeight("0");
    const int bandHeight = std::max(2, (bar.bottom - bar.top) / 5);
    const RECT labelRow{bar.left, bar.top, bar.right, bar.bottom - bandHeight};
    auto label = [&](int x, const std::string& name, std::uint32_t fill) {
        const int width = canvas.TextWidth(name) + 6;
        const RECT box{x, labelRow.top + 1, x + width, labelRow.bottom};
        strip.FillRect(box, fill);
        RECT clip = box;
        clip.left = std::max(clip.left, bar.left);
        clip.right = std::min(clip.right, bar.right);
        if (clip.left < clip.right)
            canvas.TextRect(clip, box.left + 3,
                            box.top + std::max(0, (int(box.bottom - box.top) - textHeight) / 2), name);
    };
    // Regions first, so that bookmarks stay on top.
    for (const TAudioMarker& m : markers) {
        if (m.Kind != "Region") continue;
        const int x0 = view.XOf(m.Position), x1 = view.XOf(m.Position + m.Length);
        if (x1 < bar.left || x0 >= bar.right) continue;
        const std::uint32_t flag = colors.Pixel(TColors::RegionFlag);
        strip.FillRect(RECT{x0, bar.bottom - bandHeight, std::max(x1, x0 + 1), bar.bottom},
                       colors.Pixel(TColors::RegionBand));
        strip.VerticalSpan(x0, bar.top, bar.bottom - 1, flag);
        strip.VerticalSpan(x1, bar.top, bar.bottom - 1, flag);
        lanes.DottedVertical(x0, wave.top, wave.bottom - 1, flag);
        lanes.DottedVertical(x1, wave.top, wave.bottom - 1, flag);
        // The name follows the region's start but stays in sight while part of the region shows.
        label(std::max<int>(x0, bar.left), m.Name, flag);
    }
    for (const TAudioMarker& m : markers) {
        if (m.Kind == "Region") continue;
        const int x = view.XOf(m.Position);
        if (x < bar.left - 1 || x >= bar.right) continue;
        const std::uint32_t flag = colors.Pixel(TColors::Bookmark);
        strip.VerticalSpan(x, bar.top, bar.bottom - 1, flag);
        lanes.DottedVertical(x, wave.top, wave.bottom - 1, flag);
        label(x, m.Name, flag);
    }
}
