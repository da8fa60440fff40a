#include "audio/views/ColorRamp.h"

#include "platform/gdi/Surface.h"
#include "platform/rtl/WinTypes.h"

#include <algorithm>
#include <cmath>
#include <vector>

TColorRamp MakeColorRamp(std::initializer_list<TRampStop> list) {
    const std::vector<TRampStop> stops(list);
    TColorRamp ramp{};
    for (int i = 0; i < 256; ++i) {
        const double t = i / 255.0;
        std::size_t s = 0;
        while (s + 2 < stops.size() && t > stops[s + 1].At)
            ++s;
        const TRampStop& a = stops[s];
        const TRampStop& b = stops[std::min(s + 1, stops.size() - 1)];
        const double u = b.At > a.At ? std::clamp((t - a.At) / (b.At - a.At), 0.0, 1.0) : 0.0;
        auto mix = [u](int x, int y) { return BYTE(std::lround(x + (y - x) * u)); };
        ramp[std::size_t(i)] = ColorRefToPixel(RGB(mix(a.R, b.R), mix(a.G, b.G), mix(a.B, b.B)));
    }
    return ramp;
}
