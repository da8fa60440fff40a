#include "ui/bars/shadows/BarShadowShapes.h"

#include "platform/win/WinUser.h"
#include "ui/core/base/Geometry.h"
#include "ui/core/graphics/Region.h"

#include "platform/gdi/GdiRegions.h"

#include <cstring>

namespace bar_shadow_shapes_detail {

std::unique_ptr<TuiRegion> CopyOf(const TuiRegion& ARegion) {
    auto copy = std::make_unique<TuiRegion>();
    copy->Combine(const_cast<TuiRegion*>(&ARegion), roSet, false);
    return copy;
}

std::unique_ptr<TuiRegion> ShapeOrRect(std::unique_ptr<TuiRegion> AShape, const TRect& R) {
    if (AShape != nullptr) return AShape;
    return std::make_unique<TuiRegion>(uiRectOfSize(uiSizeOfRect(R)));
}

// The windows on either side of a joint. A is the upper (or left) one, B the lower (or right) one.
// P is A's shadow shape, R B's shadow shape and Q B's cut-out, each in its own part's coordinates; B's
// rectangle grows towards A so that its shadow reaches the joint.
struct TJoint {
    const TRect& A;
    TRect& B;
    TuiRegion& P;
    std::unique_ptr<TuiRegion>& R;
    std::unique_ptr<TuiRegion>& Q;
};

void Join(const TJoint& J, bool AHorizontal, int S) {
    // A shorter B is joined; a B reaching beyond A keeps its own full shadow.
    if (AHorizontal ? !(J.A.left <= J.B.right && J.B.right <= J.A.right)
                    : !(J.A.top <= J.B.bottom && J.B.bottom <= J.A.bottom))
        return;
    // B's shape as seen from A's shadow window: A casts no shadow onto B.
    std::unique_ptr<TuiRegion> t = CopyOf(*J.R);
    TPoint o{J.B.left - S - J.A.left, J.B.top - S - J.A.top};
    t->Offset(o.x, o.y);
    J.P.Combine(t.get(), roSubtract, false);
    if (AHorizontal) {
        // At a shared right edge A's shadow gives way to B's.
        if (J.A.right == J.B.right) {
            t->Offset(S, 0);
            o.x += S;
            J.P.Combine(t.get(), roSubtract, false);
        }
        // B's window grows upwards while its shape stays in place on the screen.
        J.R->Offset(0, 2 * S);
        J.B.top -= 2 * S;
        o.y -= S;
    } else {
        if (J.A.bottom == J.B.bottom) {
            t->Offset(S, 0);
            o.y += S;
            J.P.Combine(t.get(), roSubtract, false);
        }
        J.R->Offset(2 * S, 0);
        J.B.left -= 2 * S;
        o.x -= S;
    }
    t->Offset(-o.x, -o.y);
    J.Q = CopyOf(*J.R);
    J.R->Combine(t.release(), roAdd, true);
}

// The bands of a window: its shape moved by (S, S) less the window itself.
TovBarShadowPartShape MakePart(const TRect& R, std::unique_ptr<TuiRegion> AShape,
                               std::unique_ptr<TuiRegion> ACutOut, int S) {
    ACutOut->Offset(-S, -S);
    AShape->Combine(ACutOut.get(), roSubtract, false);
    TovBarShadowPartShape part;
    part.Bounds = R;
    OffsetRect(&part.Bounds, S, S);
    part.Shape = std::move(AShape);
    return part;
}

// Removes a window (its shape at its origin, placed at R on the screen) from a part's shape.
void CutWindow(TovBarShadowPartShape& APart, const TuiRegion& AWindow, const TRect& R) {
    std::unique_ptr<TuiRegion> window = CopyOf(AWindow);
    window->Offset(R.left - APart.Bounds.left, R.top - APart.Bounds.top);
    APart.Shape->Combine(window.get(), roSubtract, false);
}

} // namespace bar_shadow_shapes_detail

using namespace bar_shadow_shapes_detail;

bool ovIsBarShadowJointHorizontal(const TRect& ALinkRect, const TRect& ABarRect) {
    return uiIsRectEmpty(ALinkRect) || ALinkRect.bottom == ABarRect.top || ALinkRect.top == ABarRect.bottom;
}

TovBarShadowShapes ovBuildBarShadowShapes(const TRect& ABarRect, const TRect& ALinkRect, int AShadowSize,
                                          std::unique_ptr<TuiRegion> ABarShape,
                                          std::unique_ptr<TuiRegion> ALinkShape, bool AJoinLink) {
    const int s = AShadowSize;
    std::unique_ptr<TuiRegion> barShadow = ShapeOrRect(std::move(ABarShape), ABarRect);
    std::unique_ptr<TuiRegion> barCutOut = CopyOf(*barShadow);
    const std::unique_ptr<TuiRegion> barWindow = CopyOf(*barShadow);
    TRect barRect = ABarRect;
    TovBarShadowShapes shapes;
    std::unique_ptr<TuiRegion> linkWindow;
    if (AJoinLink && !uiIsRectEmpty(ALinkRect)) {
        TRect linkRect = ALinkRect;
        std::unique_ptr<TuiRegion> linkCutOut = ShapeOrRect(std::move(ALinkShape), ALinkRect);
        std::unique_ptr<TuiRegion> linkShadow = CopyOf(*linkCutOut);
        linkWindow = CopyOf(*linkCutOut);
        const bool horizontal = ovIsBarShadowJointHorizontal(ALinkRect, ABarRect);
        if (ABarRect.bottom == ALinkRect.top || ABarRect.right == ALinkRect.left)
            Join(TJoint{barRect, linkRect, *barShadow, linkShadow, linkCutOut}, horizontal, s);
        else if (ALinkRect.bottom == ABarRect.top || ALinkRect.right == ABarRect.left)
            Join(TJoint{linkRect, barRect, *linkShadow, barShadow, barCutOut}, horizontal, s);
        shapes.Parts[1] = MakePart(linkRect, std::move(linkShadow), std::move(linkCutOut), s);
    }
    shapes.Parts[0] = MakePart(barRect, std::move(barShadow), std::move(barCutOut), s);
    // Where the two are not joined (a drop-down wider than its button) one's bands would reach over the
    // other window: no shadow is ever drawn on a bar.
    if (linkWindow != nullptr) {
        CutWindow(shapes.Parts[0], *linkWindow, ALinkRect);
        CutWindow(shapes.Parts[1], *barWindow, ABarRect);
        // Where the bands still meet (inside a joint corner) the bar's shadow alone is drawn, so no
        // square is shadowed twice.
        CutWindow(shapes.Parts[1], *shapes.Parts[0].Shape, shapes.Parts[0].Bounds);
    }
    return shapes;
}

std::vector<TRect> ovRegionRects(const TuiRegion& ARegion) {
    const DWORD size = GetRegionData(ARegion.Handle(), 0, nullptr);
    if (size == 0) return {};
    std::vector<char> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (GetRegionData(ARegion.Handle(), size, data) != size) return {};
    std::vector<TRect> rects(data->rdh.nCount);
    std::memcpy(rects.data(), data->Buffer, rects.size() * sizeof(RECT));
    return rects;
}
