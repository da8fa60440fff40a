#include "audio/views/EnvelopeLine.h"

#include <algorithm>

namespace {
// Points keep at least this far apart, so that no stretch of the curve is vertical.
constexpr double MinGap = 1e-6;
} // namespace

TEnvelopeLine::TEnvelopeLine(double lowestDb, double highestDb)
    : FLowest(lowestDb), FHighest(highestDb), FPoints{{0, 0}, {1, 0}} {}

double TEnvelopeLine::ClampDb(double db) const {
    return std::clamp(db, FLowest, FHighest);
}

std::size_t TEnvelopeLine::Add(double x, double db) {
    x = std::clamp(x, MinGap, 1 - MinGap);
    auto at = std::upper_bound(FPoints.begin() + 1, FPoints.end() - 1, x,
                               [](double v, const TPoint& p) { return v < p.X; });
    const auto inserted = FPoints.insert(at, TPoint{x, ClampDb(db)});
    return std::size_t(inserted - FPoints.begin());
}

void TEnvelopeLine::Move(std::size_t index, double x, double db) {
    if (index >= FPoints.size()) return;
    TPoint& p = FPoints[index];
    p.Db = ClampDb(db);
    if (index == 0 || index + 1 == FPoints.size()) return;
    const double low = FPoints[index - 1].X + MinGap, high = FPoints[index + 1].X - MinGap;
    p.X = low <= high ? std::clamp(x, low, high) : (FPoints[index - 1].X + FPoints[index + 1].X) / 2;
}

bool TEnvelopeLine::Remove(std::size_t index) {
    if (index == 0 || index + 1 >= FPoints.size()) return false;
    FPoints.erase(FPoints.begin() + std::ptrdiff_t(index));
    return true;
}

double TEnvelopeLine::GainAt(double x) const {
    if (x <= FPoints.front().X) return FPoints.front().Db;
    if (x >= FPoints.back().X) return FPoints.back().Db;
    auto next = std::upper_bound(FPoints.begin(), FPoints.end(), x,
                                 [](double v, const TPoint& p) { return v < p.X; });
    const TPoint& b = *next;
    const TPoint& a = *(next - 1);
    return a.Db + (b.Db - a.Db) * (x - a.X) / (b.X - a.X);
}

std::vector<float> TEnvelopeLine::Sample(std::size_t count) const {
    std::vector<float> out(count);
    // One walk along the points: the places only grow.
    std::size_t segment = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double x = count > 1 ? double(i) / double(count - 1) : 0.0;
        while (segment + 2 < FPoints.size() && FPoints[segment + 1].X < x)
            ++segment;
        const TPoint& a = FPoints[segment];
        const TPoint& b = FPoints[segment + 1];
        const double t = std::clamp((x - a.X) / (b.X - a.X), 0.0, 1.0);
        out[i] = float(a.Db + (b.Db - a.Db) * t);
    }
    return out;
}
