#include "tools/skingen/Keycap.h"

#include <algorithm>

namespace skingen {

void PaintKeycap(TArt& Art, const TBox& Box, double Radius, const TKeycapLook& Look) {
    const double inner = std::max(0.0, Radius - 1);
    if (Look.Body) {
        Art.FillRounded(Box, Radius, Look.Rim, Look.RimAlpha);
        const TBox body = Box.Inset(1);
        Art.FillRoundedVertical(body, inner, Look.Top, Look.Bottom);
        // The lit and shaded rows stop where the corners bend, so the corners stay clean.
        const int bend = int(inner);
        const TBox first{body.X + bend, body.Y, body.W - 2 * bend, 1};
        if (Look.TopLight > 0) Art.Fill(first, Hex(0xFFFFFF), Look.TopLight);
        if (Look.TopShade > 0) Art.Fill(first, Hex(0x000000), Look.TopShade);
        if (Look.BottomShade > 0)
            Art.Fill({first.X, body.Bottom() - 1, first.W, 1}, Hex(0x000000), Look.BottomShade);
    } else if (Look.RimAlpha > 0) {
        Art.Ring(Box, Radius, Look.Rim, Look.RimAlpha);
    }
    if (Look.RingAlpha > 0) Art.Ring(Box.Inset(1), inner, Look.Ring, Look.RingAlpha);
}

void PaintFaces(TArt& Art, const std::array<TBox, 5>& Faces, double Radius,
                const std::function<void(TArt&, const TBox&)>& Backdrop,
                const std::function<TKeycapLook(TFaceState)>& LookOf) {
    for (std::size_t i = 0; i < Faces.size(); ++i) {
        Backdrop(Art, Faces[i]);
        PaintKeycap(Art, Faces[i], Radius, LookOf(FaceStates[i]));
    }
}

} // namespace skingen
