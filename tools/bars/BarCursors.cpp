// Draws the bar system's four cursors and writes them as 32 x 32 PNG files into the folder named on the
// command line; the build embeds them (ui/bars/CMakeLists.txt) and the bar unit makes cursors of them:
//   DragCursor.png: the arrow carrying a small command box (a command or toolbar is moved);
//   DragCopyCursor.png: the same with a plus sign in the box (copied);
//   DragNoDropCursor.png: the arrow with a barred circle (cannot be dropped here);
//   EditSizingCursor.png: a double arrow across a bar (an edit item's width is sized); hot spot at 16, 16.
// The drag cursors have their hot spot at the arrow's tip, 0, 0.
#include "platform/gdi/Surface.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int Size = 32;
constexpr int Samples = 4;

struct Point {
    double X, Y;
};

bool InPolygon(const std::vector<Point>& APolygon, double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = APolygon.size() - 1; i < APolygon.size(); j = i++) {
        const Point& a = APolygon[i];
        const Point& b = APolygon[j];
        if ((a.Y > y) != (b.Y > y) && x < (b.X - a.X) * (y - a.Y) / (b.Y - a.Y) + a.X) inside = !inside;
    }
    return inside;
}

// A shape answers, for a point, 0 outside, 1 for its black outline, 2 for its white body.
using Shape = std::function<int(double, double)>;

// The arrow: black outline one pixel wide around a white body, tip at (0.5, 0.5).
int Arrow(double x, double y) {
    static const std::vector<Point> outer = {{0, 0},       {0, 17},     {4.4, 13.2}, {7.2, 19.6},
                                             {10.2, 18.4}, {7.4, 12.2}, {13, 12.2}};
    static const std::vector<Point> inner = {{1, 2.4},    {1, 14.6},   {4.7, 11.4}, {7.7, 18.2},
                                             {8.9, 17.7}, {5.9, 11.2}, {10.6, 11.2}};
    if (InPolygon(inner, x, y)) return 2;
    return InPolygon(outer, x, y) ? 1 : 0;
}

// The small command box below the arrow, drawn dotted like a dragged outline.
int Box(double x, double y) {
    const double left = 9, top = 20, right = 22, bottom = 29;
    if (x < left || x > right || y < top || y > bottom) return 0;
    const bool edge = x < left + 1 || x > right - 1 || y < top + 1 || y > bottom - 1;
    if (!edge) return 2;
    const int step = static_cast<int>(std::floor(x) + std::floor(y));
    return step % 2 == 0 ? 1 : 2;
}

int Plus(double x, double y) {
    const double cx = 15.5, cy = 24.5;
    const bool horizontal = std::fabs(y - cy) < 1 && std::fabs(x - cx) < 3.5;
    const bool vertical = std::fabs(x - cx) < 1 && std::fabs(y - cy) < 3.5;
    return horizontal || vertical ? 1 : 0;
}

// A circle with a bar across it, black on a white rim.
int NoDrop(double x, double y) {
    const double cx = 20.5, cy = 22.5, r = 7.5;
    const double d = std::hypot(x - cx, y - cy);
    if (d > r + 1) return 0;
    if (d > r - 2) return d > r ? 2 : 1;
    // The bar from upper left to lower right.
    const double across = std::fabs((x - cx) - (y - cy)) / std::sqrt(2.0);
    if (across < 1.2) return 1;
    return across < 2.2 ? 2 : 0;
}

int Sizing(double x, double y) {
    const double cy = 16;
    // The bar in the middle.
    if (std::fabs(x - 16) < 1.5 && std::fabs(y - cy) < 8) return std::fabs(x - 16) < 0.5 ? 1 : 1;
    // The shaft and the two heads.
    const double dy = std::fabs(y - cy);
    const bool shaft = dy < 1 && x > 4 && x < 28;
    const bool leftHead = x >= 2 && x <= 8 && dy <= (x - 2) * 0.9;
    const bool rightHead = x >= 24 && x <= 30 && dy <= (30 - x) * 0.9;
    if (shaft || leftHead || rightHead) return 1;
    const bool rim = (dy < 2 && x > 3 && x < 29) || (x >= 1 && x <= 9 && dy <= (x - 1) * 0.9 + 1) ||
                     (x >= 23 && x <= 31 && dy <= (31 - x) * 0.9 + 1);
    return rim ? 2 : 0;
}

// Later shapes lie on top of earlier ones.
TSurface Draw(const std::vector<Shape>& AShapes) {
    TSurface surface(Size, Size);
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            double black = 0, white = 0;
            for (int sy = 0; sy < Samples; ++sy)
                for (int sx = 0; sx < Samples; ++sx) {
                    const double px = x + (sx + 0.5) / Samples, py = y + (sy + 0.5) / Samples;
                    int value = 0;
                    for (const Shape& shape : AShapes)
                        if (int v = shape(px, py)) value = v;
                    if (value == 1) black += 1;
                    if (value == 2) white += 1;
                }
            const double total = Samples * Samples;
            const double alpha = (black + white) / total;
            const double grey = alpha > 0 ? 255 * white / (black + white) : 0;
            const auto g = static_cast<std::uint32_t>(std::lround(grey));
            const auto a = static_cast<std::uint32_t>(std::lround(alpha * 255));
            surface.Row(y)[x] = g | (g << 8) | (g << 16) | (a << 24);
        }
    return surface;
}

bool Write(const TSurface& ASurface, const std::string& AFolder, const char* AName) {
    const std::string path = AFolder + "/" + AName;
    if (SaveSurfaceToPng(ASurface, path, true)) return true;
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    bool ok = Write(Draw({Box, Arrow}), folder, "DragCursor.png");
    ok = Write(Draw({Box, Plus, Arrow}), folder, "DragCopyCursor.png") && ok;
    ok = Write(Draw({NoDrop, Arrow}), folder, "DragNoDropCursor.png") && ok;
    ok = Write(Draw({Sizing}), folder, "EditSizingCursor.png") && ok;
    return ok ? 0 : 1;
}
